#pragma once

#include "game/SolverBoard.h"

#include <vector>

namespace quobix::game {

// An order in which to fill the targets, found backwards: from the solved board, the object on
// a target that the man can pull, alone, the shortest way back to a cell where an object
// starts leaves first, with the other targets still filled; the target it leaves is filled
// last. Targets that no such pull frees come first. The search takes
// pushes towards the targets to fill first first; it only orders, so the push count stays the
// fewest.
std::vector<int> FillOrder(const SolverBoard& board);

} // namespace quobix::game
