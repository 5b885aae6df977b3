#pragma once

#include <QtGlobal>

// Moving the level as a whole inside the grid: centring, shifting, mirroring and rotating the
// text of buffer 1. Every operation keeps each level character on a cell position.
namespace quobix::modDisplace {

// Puts lines 1..LastUsedLine of buffer 2 (each LevelWidth long, MarginLine starting with a
// cell) into the grid, centred; flips a level that fills the grid and fits only upside down.
void CenterLevelInGrid();

} // namespace quobix::modDisplace
