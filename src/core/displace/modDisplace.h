#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace quobix {
class LevelDocument;
}

// Moving a level as a whole inside the grid: centring, shifting, mirroring and rotating the
// text of buffer 1. Every operation keeps each level character on a cell position.
namespace quobix::modDisplace {

// Line and column shift of one unit of a direction's amount, by the index of its button (1..8:
// north, north-east, east, south-east, south, south-west, west, north-west). North and south
// amounts are counted in lines and always even; east and west in cells of two columns.
struct DirectionShift {
    qint16 lines;
    qint16 columns;
};
inline constexpr DirectionShift Directions[9] = { { 0, 0 }, { -1, 0 }, { -1, 1 }, { 0, 2 },
    { 1, 1 }, { 1, 0 }, { 1, -1 }, { 0, -2 }, { -1, -1 } };

// What the displace dialog offers for the current grid. items[1..8] are the step counts of the
// direction lists, items[9] the angles ("60°".."300°"); an empty list means the direction or
// the rotation is not possible. items[0] stays empty.
struct DisplaceChoices {
    bool possible = false;
    QStringList items[10];
};

// Puts lines 1..LastUsedLine of buffer 2 (each LevelWidth long, MarginLine starting with a
// cell) into the grid, centred; flips a level that fills the grid and fits only upside down.
void CenterLevelInGrid(LevelDocument& level);

void CenterLevel(LevelDocument& level);

// Moves the whole grid text; negative shifts go up and left. Characters pushed past the grid
// are lost, so callers pass only the amounts that ComputeDisplaceChoices offers.
void ShiftLevel(LevelDocument& level, qint16 LineShift, qint16 ColumnShift);

// Mirror top to bottom and left to right, moving the level by one line or column where the
// plain mirror would put its cells on the wrong positions. A level that fills the grid is left
// as it is: it has no room for that move.
void FlipLevelVertically(LevelDocument& level);
void FlipLevelHorizontally(LevelDocument& level);

// Turns the level in buffer 3 (lines 1..LevelHeight, LevelWidth long) by 60 degrees clockwise
// in place and sets LevelHeight, LastUsedLine, LevelWidth and MarginLine to the result. A turn of
// a level that fits the grid is at most 45 lines high and 70 characters wide.
void RotateBy60Degrees(LevelDocument& level);

// Turns the level by DisplaceAmount (1..5) times 60 degrees and centres it; leaves the grid as
// it is when that angle would not be offered.
void RotateLevel(LevelDocument& level, qint16 DisplaceAmount);

// Runs PrepareLevelForDisplace and works out the admissible displacements. Nothing is possible
// for an empty grid or a level that fills the grid.
DisplaceChoices ComputeDisplaceChoices(LevelDocument& level);

// The operation of the dialog's button Index (0..11), with the text chosen in its list for
// 1..9, and the views told; a text that is not a number leaves the grid as it is.
void PerformDisplacement(LevelDocument& level, int Index, const QString& ListText);

} // namespace quobix::modDisplace
