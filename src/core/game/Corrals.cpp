#include "game/Corrals.h"

#include <algorithm>

namespace quobix::game {

namespace {
    constexpr int Directions = geometry::DirectionCount;
    constexpr int Opposite[Directions] = { 5, 4, 3, 2, 1, 0 };
}

CorralFinder::CorralFinder(const SolverBoard& board)
    : board(board)
    , seen(board.CellCount(), 0)
{
}

int CorralFinder::Find(const std::vector<std::uint8_t>& occupied,
    const std::vector<std::uint32_t>& reach, std::uint32_t stamp, const int* objects, int count,
    std::vector<std::uint8_t>& allowed)
{
    ++seenStamp;
    int bestPushes = NoCorral;
    best.clear();
    // Every corral holds an object next to the man's area: the area is connected without its
    // objects, so the way in from where he stands passes one.
    for (int i = 0; i < count; ++i) {
        if (seen[objects[i]] == seenStamp)
            continue;
        cells.assign(1, objects[i]);
        seen[objects[i]] = seenStamp;
        for (std::size_t k = 0; k < cells.size(); ++k)
            for (int d = 0; d < Directions; ++d) {
                const int next = board.Neighbour(cells[k], d);
                if (next != SolverBoard::NoCell && reach[next] != stamp
                    && seen[next] != seenStamp) {
                    seen[next] = seenStamp;
                    cells.push_back(next);
                }
            }
        bool inward = true;
        bool solved = true;
        int pushes = 0;
        for (int cell : cells) {
            if (!occupied[cell]) {
                solved = solved && !board.IsTarget(cell);
                continue;
            }
            solved = solved && board.IsTarget(cell);
            for (int d = 0; d < Directions && inward; ++d) {
                const int behind = board.Neighbour(cell, Opposite[d]);
                const int to = board.Neighbour(cell, d);
                if (behind == SolverBoard::NoCell || reach[behind] != stamp
                    || to == SolverBoard::NoCell)
                    continue;
                if (reach[to] == stamp)
                    inward = board.IsDead(to);
                else if (!occupied[to] && !board.IsDead(to))
                    ++pushes;
            }
            if (!inward)
                break;
        }
        if (inward && !solved && (bestPushes == NoCorral || pushes < bestPushes)) {
            bestPushes = pushes;
            best = cells;
        }
    }
    if (bestPushes != NoCorral) {
        std::fill(allowed.begin(), allowed.begin() + count, 0);
        for (int i = 0; i < count; ++i)
            allowed[i] = std::find(best.begin(), best.end(), objects[i]) != best.end();
    }
    return bestPushes;
}

} // namespace quobix::game
