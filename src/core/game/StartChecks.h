#pragma once

#include "game/SolverBoard.h"

namespace quobix::game {

// Whether the level can be seen to have no solution before any search: each object is moved
// alone, the others taken off the board, by the man from where he stands; when the targets so
// reached cannot be shared out one to each object, no solution exists, for taking objects away
// never makes a push impossible.
bool StartIsHopeless(const SolverBoard& board);

} // namespace quobix::game
