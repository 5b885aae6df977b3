#pragma once

#include "game/Assignment.h"
#include "game/GamePosition.h"

#include <cstdint>
#include <vector>

namespace quobix::game {

// What the solver knows about a level before it searches: the cells the man can ever reach
// (numbered compactly, so that a cell fits in few bits), their neighbours, the targets, the
// cells from which no object can ever reach a target, and for each cell how many pushes an
// object alone on the board needs from it to each target.
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
    // The six neighbours in turn around the cell, so that ring k and ring k + 1 touch.
    int RingNeighbour(int cell, int k) const { return Neighbour(cell, Ring[k]); }
    bool IsTarget(int cell) const { return target[cell] != 0; }
    bool IsDead(int cell) const { return dead[cell] != 0; }
    // The targets still to fill: those inside the man's area.
    int TargetCount() const { return static_cast<int>(targets.size()); }
    int TargetCell(int t) const { return targets[t]; }
    // Pushes from cell to each target for a lone object, Unreachable where it cannot.
    const int* DistanceRow(int cell) const { return &distance[cell * targets.size()]; }

    // The start: objects inside the man's area (sorted) and the man's cell.
    const std::vector<int>& StartObjects() const { return startObjects; }
    int StartMan() const { return startMan; }
    // An object outside the man's area and off target can never be moved onto one.
    bool StrandedObject() const { return strandedObject; }

    // True when the object on cell, with the others in occupied (one byte per cell), can never
    // move again and it or an object frozen with it stands off target: no solution follows.
    bool FrozenOffTarget(int cell, std::vector<std::uint8_t>& occupied) const;

    // The fewest pushes that could bring the objects (count cells) onto the targets, each moved
    // alone: a minimum-cost assignment, solved in work, where it stays for TryRow. Unreachable
    // or more when no assignment exists.
    int LowerBound(const int* objects, int count, Assignment& work) const;

    std::size_t Bytes() const;

private:
    static constexpr int Ring[geometry::DirectionCount] = { 0, 1, 3, 5, 4, 2 };

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
    std::vector<int> distance; // cell by cell, a row of TargetCount() entries each
    std::vector<int> startObjects;
    int startMan = 0;
    bool strandedObject = false;
};

} // namespace quobix::game
