#pragma once

#include <QPoint>
#include <array>
#include <optional>

namespace quobix {

// The grid: 26 rows of 32 hexagonal cells.
constexpr int GridRows = 26;
constexpr int GridCells = 32;

} // namespace quobix

namespace quobix::geometry {

// A cell's picture is 25 x 28 pixels; cells step 24 pixels along a row and 20 down.
constexpr int CellPictureWidth = 25;
constexpr int CellPictureHeight = 28;
constexpr int CellStep = 24;
constexpr int RowStep = 20;
constexpr int GridLeft = 9;
constexpr int OddRowShift = 12;

enum class Direction { NorthWest, NorthEast, West, East, SouthWest, SouthEast };

constexpr int DirectionCount = 6;
constexpr std::array<Direction, DirectionCount> AllDirections { Direction::NorthWest,
    Direction::NorthEast, Direction::West, Direction::East, Direction::SouthWest,
    Direction::SouthEast };

Direction Opposite(Direction direction);

// One cell of the grid, by row (1..26) and cell (1..32); the pixels, the text and the
// neighbours of a cell all come from here.
struct Cell {
    int row;
    int cell;

    // The stagger, the one place it is written: odd rows stand half a cell further right than
    // even rows, by OddRowShift pixels in the picture and by one column in the level text.
    static constexpr int HalfCellsRight(int row) { return row % 2; }

    constexpr bool IsOnGrid() const
    {
        return row >= 1 && row <= GridRows && cell >= 1 && cell <= GridCells;
    }

    // The column (1..64) of the cell's character in its row of the level text.
    constexpr int TextColumn() const { return 2 * cell - 1 + HalfCellsRight(row); }
    // The cell whose character stands in a column of a row's text, or nothing for a column
    // between the cells.
    static constexpr std::optional<Cell> AtTextColumn(int row, int column)
    {
        const int twice = column + 1 - HalfCellsRight(row);
        if (twice % 2 != 0)
            return std::nullopt;
        return Cell { row, twice / 2 };
    }

    // The top left corner of the cell's picture, and a point well inside it.
    constexpr QPoint Corner() const
    {
        return { GridLeft + OddRowShift * HalfCellsRight(row) + CellStep * (cell - 1),
            RowStep * (row - 1) };
    }
    constexpr QPoint Centre() const { return Corner() + QPoint(12, 14); }

    // The cell touching this one in a direction, on the grid or past its edge: in the rows
    // above and below, a cell touches the two cells half a cell to its left and right.
    constexpr Cell Step(Direction direction) const
    {
        const int right = HalfCellsRight(row);
        switch (direction) {
        case Direction::West:
            return { row, cell - 1 };
        case Direction::East:
            return { row, cell + 1 };
        case Direction::NorthWest:
            return { row - 1, cell - 1 + right };
        case Direction::NorthEast:
            return { row - 1, cell + right };
        case Direction::SouthWest:
            return { row + 1, cell - 1 + right };
        case Direction::SouthEast:
            break;
        }
        return { row + 1, cell + right };
    }
    // The same, or nothing past the grid's edge.
    std::optional<Cell> Neighbour(Direction direction) const
    {
        const Cell next = Step(direction);
        return next.IsOnGrid() ? std::optional<Cell>(next) : std::nullopt;
    }

    // The cells of the grid numbered 0..831, row by row.
    constexpr int Index() const { return (row - 1) * GridCells + (cell - 1); }
    static constexpr Cell OfIndex(int index)
    {
        return { index / GridCells + 1, index % GridCells + 1 };
    }

    constexpr bool operator==(const Cell& other) const
    {
        return row == other.row && cell == other.cell;
    }
    constexpr bool operator!=(const Cell& other) const { return !(*this == other); }
};

} // namespace quobix::geometry
