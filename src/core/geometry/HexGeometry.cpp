#include "geometry/HexGeometry.h"

#include "level/LevelState.h"

namespace quobix::geometry {

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
