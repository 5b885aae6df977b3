#pragma once

#include <array>
#include <optional>

// How the hexagonal cells of the grid touch each other. Odd rows are drawn half a cell to the
// right of even rows, so which cells of the rows above and below touch a cell depends on the
// parity of its row.
namespace quobix::geometry {

enum class Direction { NorthWest, NorthEast, West, East, SouthWest, SouthEast };

constexpr int DirectionCount = 6;
constexpr std::array<Direction, DirectionCount> AllDirections { Direction::NorthWest,
    Direction::NorthEast, Direction::West, Direction::East, Direction::SouthWest,
    Direction::SouthEast };

struct GridCell {
    int row; // 1..26
    int cell; // 1..32
    bool operator==(const GridCell& other) const { return row == other.row && cell == other.cell; }
    bool operator!=(const GridCell& other) const { return !(*this == other); }
};

// The cell touching (row, cell) in the given direction, or nothing past the grid's edge.
std::optional<GridCell> Neighbour(int row, int cell, Direction direction);

Direction Opposite(Direction direction);

} // namespace quobix::geometry
