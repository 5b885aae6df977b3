#include "geometry/GridGeometry.h"

#include <cmath>

namespace quobix::geometry {

namespace {
    // Division that rounds towards minus infinity, so points left of the grid fall in cell 0.
    int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}

Direction Opposite(Direction direction)
{
    switch (direction) {
    case Direction::NorthWest:
        return Direction::SouthEast;
    case Direction::NorthEast:
        return Direction::SouthWest;
    case Direction::West:
        return Direction::East;
    case Direction::East:
        return Direction::West;
    case Direction::SouthWest:
        return Direction::NorthEast;
    case Direction::SouthEast:
        break;
    }
    return Direction::NorthWest;
}

CellPart PartOfCell(int x, int y)
{
    if (x < 0 || x >= CellPictureWidth || y < 0 || y >= CellPictureHeight)
        return CellPart::Outside;
    const Span inside = InsideSpans[y];
    if (x >= inside.first && x <= inside.last)
        return CellPart::Inside;
    if (y == 0 || y == CellPictureHeight - 1)
        return x >= 11 && x <= 13 ? CellPart::Outline : CellPart::Outside;
    const bool slanted = y <= 7 || y >= 20;
    const int width = slanted ? 2 : 1;
    return x >= inside.first - width && x <= inside.last + width ? CellPart::Outline
                                                                 : CellPart::Outside;
}

std::optional<CellHit> CellAt(QPointF point)
{
    const auto X = static_cast<float>(point.x());
    const auto Y = static_cast<float>(point.y());
    const int iy = static_cast<int>(std::nearbyint(Y));
    const int row = iy / RowStep + 1;
    const int right = Cell::HalfCellsRight(row);
    const int ix
        = static_cast<int>(std::nearbyint(X - float(GridLeft) - float(OddRowShift) * right));
    const int column = FloorDiv(ix, CellStep);
    CellHit hit { { row, column + 1 }, { ix - CellStep * column, iy % RowStep } };

    switch (PartOfCell(hit.offset.x(), hit.offset.y())) {
    case CellPart::Outside:
        // The upper corners of a cell's picture belong to the two cells of the row above.
        hit.cell = hit.cell.Step(hit.offset.x() < 12 ? Direction::NorthWest : Direction::NorthEast);
        break;
    case CellPart::Outline:
        return std::nullopt;
    case CellPart::Inside: {
        const float left = float(GridLeft) + float(OddRowShift) * right;
        if (hit.offset.y() > 7 && !(X > left && X < left + float(CellStep * GridCells)))
            return std::nullopt;
        break;
    }
    }
    if (!hit.cell.IsOnGrid())
        return std::nullopt;
    return hit;
}

int PaletteSlotAt(QPointF point)
{
    const int x = static_cast<int>(std::nearbyint(static_cast<float>(point.x())));
    const int y = static_cast<int>(std::nearbyint(static_cast<float>(point.y()))) - PaletteTop;
    if (PartOfCell(x % PaletteSlotStep, y) == CellPart::Outside)
        return -1;
    return x / PaletteSlotStep;
}

} // namespace quobix::geometry
