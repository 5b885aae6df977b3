#include "game/FillOrder.h"

#include <algorithm>

namespace quobix::game {

namespace {
    constexpr int Directions = geometry::DirectionCount;

    // Pulls the object on target `from` alone, the objects on the targets still filled staying
    // put; the pulls needed to bring it to a cell where an object starts, or Unreachable.
    int PullsOut(const SolverBoard& board, int from, const std::vector<char>& filled,
        const std::vector<char>& start)
    {
        const int n = board.CellCount();
        auto blocked = [&](int cell, int object) {
            return cell == SolverBoard::NoCell || cell == object || filled[cell];
        };
        // Where the man may stand next to the object at first: anywhere he reaches from his
        // start, with the filled targets in his way.
        // Marks in marks the cells the man walks to from cell, the object on `object`.
        std::vector<int> stack;
        auto walkFrom = [&](int cell, int object, std::vector<char>& marks) {
            std::fill(marks.begin(), marks.end(), 0);
            stack.assign(1, cell);
            marks[cell] = 1;
            while (!stack.empty()) {
                const int here = stack.back();
                stack.pop_back();
                for (int d = 0; d < Directions; ++d) {
                    const int next = board.Neighbour(here, d);
                    if (!blocked(next, object) && !marks[next]) {
                        marks[next] = 1;
                        stack.push_back(next);
                    }
                }
            }
        };
        std::vector<char> walk(n, 0);
        walkFrom(board.StartMan(), from, walk);
        // Breadth first over (object, man) pairs, the man next to the object.
        std::vector<int> seen(static_cast<std::size_t>(n) * Directions, -1);
        std::vector<int> layer, next;
        for (int d = 0; d < Directions; ++d) {
            const int man = board.Neighbour(from, d);
            if (man != SolverBoard::NoCell && walk[man]) {
                seen[from * Directions + d] = 0;
                layer.push_back(from * Directions + d);
            }
        }
        std::vector<char> area(n, 0);
        for (int pulls = 0; !layer.empty(); ++pulls) {
            next.clear();
            for (int state : layer) {
                const int object = state / Directions;
                if (start[object] && !board.IsTarget(object))
                    return pulls;
                // The man walks round the object to any side he reaches, then pulls.
                walkFrom(board.Neighbour(object, state % Directions), object, area);
                for (int d = 0; d < Directions; ++d) {
                    const int man = board.Neighbour(object, d);
                    const int beyond = man == SolverBoard::NoCell ? man : board.Neighbour(man, d);
                    if (man == SolverBoard::NoCell || !area[man] || blocked(beyond, object))
                        continue;
                    // Pulled onto the man's cell, the man steps on.
                    const int pulled = man * Directions + d;
                    if (seen[pulled] < 0) {
                        seen[pulled] = pulls + 1;
                        next.push_back(pulled);
                    }
                }
            }
            layer.swap(next);
        }
        return SolverBoard::Unreachable;
    }
}

std::vector<int> FillOrder(const SolverBoard& board)
{
    const int count = board.TargetCount();
    std::vector<char> filled(board.CellCount(), 0);
    std::vector<char> start(board.CellCount(), 0);
    for (int t = 0; t < count; ++t)
        filled[board.TargetCell(t)] = 1;
    for (int object : board.StartObjects())
        start[object] = 1;
    std::vector<int> rank(count, 0);
    std::vector<char> left(count, 1);
    for (int round = count - 1; round >= 0; --round) {
        int best = -1;
        int bestPulls = SolverBoard::Unreachable;
        for (int t = 0; t < count; ++t) {
            if (!left[t])
                continue;
            const int pulls = PullsOut(board, board.TargetCell(t), filled, start);
            if (pulls < bestPulls) {
                bestPulls = pulls;
                best = t;
            }
        }
        if (best < 0)
            break;
        rank[best] = round;
        left[best] = 0;
        filled[board.TargetCell(best)] = 0;
    }
    return rank;
}

} // namespace quobix::game
