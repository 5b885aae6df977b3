#pragma once

#include <QPoint>
#include <QtGlobal>
#include <array>
#include <optional>

namespace quobix {

// The grid: 26 rows of 32 hexagonal cells.
constexpr int GridRows = 26;
constexpr int GridCells = 32;

// Where the hit test leaves its result, named as the program names it.

// Mouse areas of the client area: the grid band 0 < y < GridBottom, the palette
// 0 <= x <= PaletteRight and PaletteTop <= y <= PaletteBottom.
inline qint16 GridBottom = 0;
inline qint16 PaletteRight = 0;
inline qint16 PaletteBottom = 0;
constexpr int PaletteTop = 530;

inline qint16 CurrentRow = 0;
inline qint16 CurrentCell = 0;
inline qint16 HitOffsetX = 0; // relative to the cell's corner
inline qint16 HitOffsetY = 0;
inline bool ValidLocation = false;

// The mouse areas at their start values and no cell hit.
void InitGeometryState();

} // namespace quobix

// The one description of the grid's pixels: where a cell's picture stands, which of its pixels
// are inside the hexagon, which cell a point hits, and how the cells touch each other.
namespace quobix::geometry {

// A cell's picture is 25 x 28 pixels; cells step 24 pixels along a row and 20 down, and odd
// rows sit half a cell to the right.
constexpr int CellPictureWidth = 25;
constexpr int CellPictureHeight = 28;
constexpr int CellStep = 24;
constexpr int RowStep = 20;
constexpr int GridLeft = 9;
constexpr int OddRowShift = 12;
// The picture of the empty grid stands at (GridPictureLeft, 0).
constexpr int GridPictureLeft = 4;

// The top left corner of the picture of cell (1..32) in grid row (1..26).
constexpr int CellX(int row, int cell)
{
    return GridLeft + OddRowShift * (row % 2) + CellStep * (cell - 1);
}
constexpr int CellY(int row) { return RowStep * (row - 1); }
// A point well inside the cell.
constexpr QPoint CellCentre(int row, int cell)
{
    return { CellX(row, cell) + 12, CellY(row) + 14 };
}

// Inclusive columns of the inside of the hexagon on each line of a cell picture; lines 0 and 27
// are outline only (first > last). The outline is two pixels wide along the slanted sides and
// one pixel at the upright sides.
struct Span {
    int first, last;
};
constexpr std::array<Span, CellPictureHeight> InsideSpans { { { 13, 11 }, { 11, 13 }, { 10, 14 },
    { 8, 16 }, { 7, 17 }, { 5, 19 }, { 4, 20 }, { 2, 22 }, { 1, 23 }, { 1, 23 }, { 1, 23 },
    { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 }, { 1, 23 },
    { 1, 23 }, { 2, 22 }, { 4, 20 }, { 5, 19 }, { 7, 17 }, { 8, 16 }, { 10, 14 }, { 11, 13 },
    { 13, 11 } } };

enum class CellPart { Outside, Outline, Inside };

// Where pixel (x, y) of a cell picture lies; anything off the picture is Outside.
CellPart PartOfCell(int x, int y);

// Maps a point of the grid band (0 < Y < GridBottom) to CurrentRow and CurrentCell, with
// HitOffsetX/Y relative to the cell's corner; clears ValidLocation when no cell is there: on an
// outline, off the grid. The caller sets ValidLocation to true first.
void HitTest(float X, float Y);

// The palette's seven slots stand 28 pixels apart from x = 0 at y = PaletteTop. The slot under
// a point, or -1 between the slots; sets HitOffsetX/Y relative to the slot.
int PaletteSlotAt(float X, float Y);
constexpr int PaletteSlotStep = 28;

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
