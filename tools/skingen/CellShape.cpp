#include "CellShape.h"

#include <QLineF>
#include <array>

namespace skingen {

CellPart PartAt(int x, int y)
{
    if (x < 0 || x >= CellWidth || y < 0 || y >= CellHeight)
        return CellPart::Outside;
    // The shape is symmetric both ways, so fold everything into the top-left quarter.
    const int row = y <= 13 ? y : CellHeight - 1 - y;
    const int column = x <= 12 ? x : CellWidth - 1 - x;
    if (row == 0)
        return column >= 11 ? CellPart::Outline : CellPart::Outside;
    if (row < 8) {
        // First outline column of rows 1..7; the slanted outline is two pixels wide.
        static constexpr std::array<int, 8> edge { 11, 9, 8, 6, 5, 3, 2, 0 };
        if (column < edge[row])
            return CellPart::Outside;
        return column < edge[row] + 2 ? CellPart::Outline : CellPart::Interior;
    }
    return column == 0 ? CellPart::Outline : CellPart::Interior;
}

QPoint CellOrigin(int row, int column)
{
    return QPoint(5 + 12 * (row % 2) + 24 * (column - 1), 20 * (row - 1));
}

QPolygonF Hexagon(double inset)
{
    // Fitted to the staircase of the outline pixels: slanted sides rise 8 over 12.
    const std::array<QPointF, 6> corner { QPointF(12.5, 0), QPointF(24.5, 8), QPointF(24.5, 20),
        QPointF(12.5, 28), QPointF(0.5, 20), QPointF(0.5, 8) };
    if (inset == 0)
        return QPolygonF(QList<QPointF>(corner.begin(), corner.end()));

    // Move each side along its inward normal, then meet neighbouring sides again.
    std::array<QLineF, 6> side;
    for (int i = 0; i < 6; ++i) {
        QLineF line(corner[i], corner[(i + 1) % 6]);
        const QLineF normal = line.normalVector().unitVector();
        // normalVector() turns left, which on a clockwise outline with y downwards points outwards.
        const QPointF shift = (normal.p1() - normal.p2()) * inset;
        side[i] = line.translated(shift);
    }
    QPolygonF result;
    for (int i = 0; i < 6; ++i) {
        QPointF meet;
        side[(i + 5) % 6].intersects(side[i], &meet);
        result << meet;
    }
    return result;
}

} // namespace skingen
