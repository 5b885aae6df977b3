#include "game/SolverBoard.h"

#include <algorithm>

namespace quobix::game {

namespace {
    constexpr int Directions = geometry::DirectionCount;
    // Marks a cell of the frozen test's chain: it counts as a wall while the chain is followed.
    constexpr std::uint8_t ChainMark = 2;

    int OppositeOf(int d)
    {
        return static_cast<int>(geometry::Opposite(static_cast<Direction>(d)));
    }
}

SolverBoard::SolverBoard(const GamePosition& start)
    : compact(GridCellTotal, NoCell)
{
    // The man's area: every cell that is not a wall and that he could reach if no object were
    // in the way. A playable level is closed, so the area never touches the grid's edge.
    std::vector<int> todo { start.Man() };
    compact[start.Man()] = 0;
    gridIndex.push_back(start.Man());
    while (!todo.empty()) {
        const int here = todo.back();
        todo.pop_back();
        for (Direction d : geometry::AllDirections) {
            const int next = NeighbourIndex(here, d);
            if (next >= 0 && compact[next] == NoCell && !start.IsWall(next)) {
                compact[next] = static_cast<int>(gridIndex.size());
                gridIndex.push_back(next);
                todo.push_back(next);
            }
        }
    }
    // Number the cells in grid order, so that the same area always gets the same numbers.
    std::sort(gridIndex.begin(), gridIndex.end());
    for (int cell = 0; cell < CellCount(); ++cell)
        compact[gridIndex[cell]] = cell;

    const int n = CellCount();
    neighbours.assign(static_cast<std::size_t>(n) * Directions, NoCell);
    target.assign(n, 0);
    for (int cell = 0; cell < n; ++cell) {
        for (Direction d : geometry::AllDirections) {
            const int next = NeighbourIndex(gridIndex[cell], d);
            if (next >= 0)
                neighbours[cell * Directions + static_cast<int>(d)] = compact[next];
        }
        if (start.IsTarget(gridIndex[cell])) {
            target[cell] = 1;
            targets.push_back(cell);
        }
        if (start.HasObject(gridIndex[cell]))
            startObjects.push_back(cell);
    }
    startMan = compact[start.Man()];
    for (int index = 0; index < GridCellTotal; ++index)
        if (compact[index] == NoCell && start.HasObject(index) && !start.IsTarget(index))
            strandedObject = true;

    // Pull an object back from every target: it reaches cell x from y by a push in direction d
    // when x, y and the man's cell behind x are all inside.
    const std::size_t t = targets.size();
    distance.assign(t * n, Unreachable);
    std::vector<int> queue;
    for (std::size_t k = 0; k < t; ++k) {
        queue.assign(1, targets[k]);
        distance[targets[k] * t + k] = 0;
        for (std::size_t at = 0; at < queue.size(); ++at) {
            const int y = queue[at];
            for (int d = 0; d < Directions; ++d) {
                const int x = Neighbour(y, OppositeOf(d));
                if (x == NoCell || distance[x * t + k] != Unreachable
                    || Neighbour(x, OppositeOf(d)) == NoCell)
                    continue;
                distance[x * t + k] = distance[y * t + k] + 1;
                queue.push_back(x);
            }
        }
    }
    dead.assign(n, 1);
    for (int cell = 0; cell < n; ++cell)
        for (std::size_t k = 0; k < t; ++k)
            if (distance[cell * t + k] != Unreachable)
                dead[cell] = 0;
}

SolverBoard::FrozenResult SolverBoard::Frozen(int cell, std::vector<std::uint8_t>& occupied) const
{
    // An object is stuck on an axis when a wall is on either side, when both sides are dead
    // cells, or when an object on either side is itself stuck (counting this one as a wall).
    static constexpr int Axes[3][2] = { { 2, 3 }, { 0, 5 }, { 1, 4 } };
    const std::uint8_t own = occupied[cell];
    occupied[cell] = ChainMark;
    FrozenResult result { true, !IsTarget(cell) };
    for (const auto& axis : Axes) {
        const int a = Neighbour(cell, axis[0]);
        const int b = Neighbour(cell, axis[1]);
        if (a == NoCell || b == NoCell || occupied[a] == ChainMark || occupied[b] == ChainMark)
            continue;
        if (IsDead(a) && IsDead(b))
            continue;
        bool stuck = false;
        for (int side : { a, b }) {
            if (!stuck && occupied[side] == 1) {
                const FrozenResult next = Frozen(side, occupied);
                if (next.frozen) {
                    stuck = true;
                    result.offTarget = result.offTarget || next.offTarget;
                }
            }
        }
        if (!stuck) {
            result.frozen = false;
            break;
        }
    }
    occupied[cell] = own;
    return result;
}

bool SolverBoard::FrozenOffTarget(int cell, std::vector<std::uint8_t>& occupied) const
{
    const FrozenResult result = Frozen(cell, occupied);
    return result.frozen && result.offTarget;
}

int SolverBoard::LowerBound(const int* objects, int count, Assignment& work) const
{
    std::vector<const int*>& rows = work.Rows(count);
    for (int i = 0; i < count; ++i)
        rows[i] = DistanceRow(objects[i]);
    return work.Solve();
}

std::size_t SolverBoard::Bytes() const
{
    return (gridIndex.size() + compact.size() + neighbours.size() + targets.size() + distance.size()
               + startObjects.size())
        * sizeof(int)
        + target.size() + dead.size();
}

} // namespace quobix::game
