#include "geometry/GridGeometry.h"

#include <cmath>

namespace quobix {

void InitGeometryState()
{
    GridBottom = 527;
    PaletteRight = 192;
    PaletteBottom = 557;
    CurrentRow = CurrentCell = HitOffsetX = HitOffsetY = 0;
    ValidLocation = false;
}

} // namespace quobix

namespace quobix::geometry {

namespace {
    // Division that rounds towards minus infinity, so points left of the grid fall in cell 0.
    int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
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

void HitTest(float X, float Y)
{
    const int iy = static_cast<int>(std::nearbyint(Y));
    HitOffsetY = static_cast<qint16>(iy % RowStep);
    CurrentRow = static_cast<qint16>(iy / RowStep + 1);
    const int p = CurrentRow % 2;
    const int ix = static_cast<int>(std::nearbyint(X - float(GridLeft) - float(OddRowShift) * p));
    const int cell = FloorDiv(ix, CellStep);
    CurrentCell = static_cast<qint16>(cell + 1);
    HitOffsetX = static_cast<qint16>(ix - CellStep * cell);

    // The upper corners of a cell's picture belong to the two cells of the row above.
    switch (PartOfCell(HitOffsetX, HitOffsetY)) {
    case CellPart::Outside: {
        --CurrentRow;
        const int q = CurrentRow % 2;
        CurrentCell = static_cast<qint16>(HitOffsetX < 12 ? CurrentCell - q : CurrentCell + 1 - q);
        break;
    }
    case CellPart::Outline:
        ValidLocation = false;
        break;
    case CellPart::Inside: {
        const float left = float(GridLeft) + float(OddRowShift) * p;
        if (HitOffsetY > 7 && !(X > left && X < left + float(CellStep * GridCells)))
            ValidLocation = false;
        break;
    }
    }
    if (CurrentRow < 1 || CurrentRow > GridRows || CurrentCell < 1 || CurrentCell > GridCells)
        ValidLocation = false;
}

int PaletteSlotAt(float X, float Y)
{
    const int x = static_cast<int>(std::nearbyint(X));
    HitOffsetY = static_cast<qint16>(static_cast<int>(std::nearbyint(Y)) - PaletteTop);
    HitOffsetX = static_cast<qint16>(x % PaletteSlotStep);
    // A slot is the whole hexagon, outline included.
    if (PartOfCell(HitOffsetX, HitOffsetY) == CellPart::Outside)
        return -1;
    return x / PaletteSlotStep;
}

std::optional<GridCell> Neighbour(int row, int cell, Direction direction)
{
    // In the rows above and below, an odd row touches cells c and c + 1, an even row c - 1
    // and c: the odd row sits half a cell further right.
    const int shift = row % 2;
    GridCell next { row, cell };
    switch (direction) {
    case Direction::West:
        next.cell = cell - 1;
        break;
    case Direction::East:
        next.cell = cell + 1;
        break;
    case Direction::NorthWest:
    case Direction::SouthWest:
        next.row = direction == Direction::NorthWest ? row - 1 : row + 1;
        next.cell = cell - 1 + shift;
        break;
    case Direction::NorthEast:
    case Direction::SouthEast:
        next.row = direction == Direction::NorthEast ? row - 1 : row + 1;
        next.cell = cell + shift;
        break;
    }
    if (next.row < 1 || next.row > GridRows || next.cell < 1 || next.cell > GridCells)
        return std::nullopt;
    return next;
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

} // namespace quobix::geometry
