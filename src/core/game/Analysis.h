#pragma once

#include "game/GamePosition.h"
#include "game/Solver.h"

#include <QString>
#include <array>
#include <vector>

// What a designer wants to know about a level while drawing it: what is wrong with it, whether
// the man can walk off the grid, which floor cells are traps for an object, and how hard a found
// solution is.
namespace quobix::game {

// What is wrong with the counts, in words ("2 men", "5 objects, 6 targets", "no target"), or
// "Valid".
QString ValidityText(int men, int objects, int targets);

// The floor cells from which no object can ever reach a target.
struct DeadCells {
    // The floor: the cells the man can reach from his start (objects do not block him here) and
    // the cells the objects stand on.
    std::array<bool, GridCellTotal> floor {};
    // A floor cell, no target, from which no sequence of pushes of one object, alone on the
    // board with the walls, brings it onto a target, the man starting anywhere in his area and
    // walking around it between pushes.
    std::array<bool, GridCellTotal> dead {};
    int count = 0;
};

// Needs a level with exactly one man whom walls keep inside the grid.
DeadCells FindDeadCells(const GamePosition& level);

// The objects off target that stand on a dead cell or can never move again, frozen against walls
// and other frozen objects.
std::vector<int> StuckObjects(const GamePosition& level, const DeadCells& dead);

// How many times the man pushes another object than the one he pushed before.
int ObjectChanges(GamePosition start, const std::vector<GameMove>& moves);

// The one-line verdict of --analyse on a level (the file's name goes in front):
//   Invalid: <what is wrong>
//   Open
//   Solvable, <p> pushes, <m> moves, <c> object changes, <n> positions, <d> dead cells
//   Unsolvable, <n> positions, <d> dead cells
//   Not decided within <s> s, <n> positions, <d> dead cells
// decided is false for the last.
QString AnalysisLine(const GamePosition& level, const SolverLimits& limits, bool& decided);

} // namespace quobix::game
