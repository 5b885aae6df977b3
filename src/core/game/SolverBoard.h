#pragma once

#include "game/GamePosition.h"

#include <cstdint>
#include <vector>

namespace quobix::game {

// What the solver knows about a level before it searches: the cells the man can ever reach
// (numbered compactly, so that a cell fits in few bits), their neighbours, the targets, the
// cells from which no object can ever reach a target, and for each target how many pushes an
// object needs from each cell when it is alone on the board.
class SolverBoard {
public:
    static constexpr int NoCell = -1;
    static constexpr int Unreachable = 1 << 20;

    // start must be playable (closed, one man).
    explicit SolverBoard(const GamePosition& start);

    int CellCount() const { return static_cast<int>(gridIndex.size()); }
    int GridIndexOf(int cell) const { return gridIndex[cell]; }
    // The compact cell of a grid index, NoCell outside the man's area.
    int CellOfGridIndex(int index) const { return compact[index]; }
    int Neighbour(int cell, int direction) const
    {
        return neighbours[cell * geometry::DirectionCount + direction];
    }
    bool IsTarget(int cell) const { return target[cell] != 0; }
    bool IsDead(int cell) const { return dead[cell] != 0; }
    int TargetCount() const { return static_cast<int>(targets.size()); }
    // Pushes from cell to target number t for a lone object, Unreachable when it cannot.
    int Distance(int t, int cell) const { return distance[t * CellCount() + cell]; }

    // The start: objects inside the man's area (sorted) and the man's cell.
    const std::vector<int>& StartObjects() const { return startObjects; }
    int StartMan() const { return startMan; }
    // An object outside the man's area and off target can never be moved onto one.
    bool StrandedObject() const { return strandedObject; }

    // True when the object on cell, with the others in occupied (one byte per cell), can never
    // move again and it or an object frozen with it stands off target: no solution follows.
    bool FrozenOffTarget(int cell, std::vector<std::uint8_t>& occupied) const;

    // The fewest pushes that could bring the objects onto distinct targets, each moved alone
    // (a minimum-cost assignment); Unreachable or more when no assignment exists.
    int LowerBound(const int* objects, int count) const;

    std::size_t Bytes() const;

private:
    struct FrozenResult {
        bool frozen;
        bool offTarget;
    };
    FrozenResult Frozen(int cell, std::vector<std::uint8_t>& occupied) const;

    std::vector<int> gridIndex;
    std::vector<int> compact;
    std::vector<int> neighbours;
    std::vector<std::uint8_t> target;
    std::vector<std::uint8_t> dead;
    std::vector<int> targets;
    std::vector<int> distance;
    std::vector<int> startObjects;
    int startMan = 0;
    bool strandedObject = false;

    // Work space of LowerBound, kept to avoid allocations per call.
    mutable std::vector<int> cost, u, v, match, way, minimum;
    mutable std::vector<std::uint8_t> used;
};

} // namespace quobix::game
