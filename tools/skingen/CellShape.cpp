#include "CellShape.h"

#include <QLineF>
#include <array>

namespace skingen {

QPoint CellOrigin(int row, int column)
{
    using namespace quobix::geometry;
    return Cell { row, column }.Corner() - QPoint(GridPictureLeft, 0);
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
