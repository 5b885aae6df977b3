#include "game/StartChecks.h"

#include <functional>
#include <vector>

namespace quobix::game {

namespace {
    constexpr int Directions = geometry::DirectionCount;
    constexpr int Opposite[Directions] = { 5, 4, 3, 2, 1, 0 };

    // The targets one object reaches alone: breadth first over (object, man) pairs, the man
    // standing next to the object after each push.
    std::vector<int> TargetsReached(const SolverBoard& board, int object, int man)
    {
        const int n = board.CellCount();
        std::vector<char> seenPair(static_cast<std::size_t>(n) * n, 0);
        std::vector<int> walk(n, 0);
        std::vector<int> queue { object * n + man };
        std::vector<int> stack;
        std::vector<int> reached;
        seenPair[queue[0]] = 1;
        int stamp = 0;
        std::vector<char> counted(n, 0);
        // Once every target is reached there is nothing more to learn.
        for (std::size_t at = 0;
             at < queue.size() && static_cast<int>(reached.size()) < board.TargetCount(); ++at) {
            const int x = queue[at] / n;
            if (board.IsTarget(x) && !counted[x]) {
                counted[x] = 1;
                reached.push_back(x);
            }
            ++stamp;
            stack.assign(1, queue[at] % n);
            walk[stack[0]] = stamp;
            while (!stack.empty()) {
                const int here = stack.back();
                stack.pop_back();
                for (int d = 0; d < Directions; ++d) {
                    const int next = board.Neighbour(here, d);
                    if (next != SolverBoard::NoCell && next != x && walk[next] != stamp) {
                        walk[next] = stamp;
                        stack.push_back(next);
                    }
                }
            }
            for (int d = 0; d < Directions; ++d) {
                const int behind = board.Neighbour(x, Opposite[d]);
                const int y = board.Neighbour(x, d);
                if (behind == SolverBoard::NoCell || walk[behind] != stamp
                    || y == SolverBoard::NoCell || board.IsDead(y) || seenPair[y * n + x])
                    continue;
                seenPair[y * n + x] = 1;
                queue.push_back(y * n + x);
            }
        }
        return reached;
    }
}

bool StartIsHopeless(const SolverBoard& board)
{
    const std::vector<int>& objects = board.StartObjects();
    const int count = static_cast<int>(objects.size());
    if (count != board.TargetCount())
        return true;
    std::vector<std::vector<int>> reaches(count);
    for (int i = 0; i < count; ++i)
        reaches[i] = TargetsReached(board, objects[i], board.StartMan());
    // A matching of objects to targets by augmenting paths.
    std::vector<int> objectOn(board.CellCount(), -1);
    std::vector<int> visited(board.CellCount(), -1);
    std::function<bool(int, int)> place = [&](int i, int round) {
        for (int t : reaches[i]) {
            if (visited[t] == round)
                continue;
            visited[t] = round;
            if (objectOn[t] < 0 || place(objectOn[t], round)) {
                objectOn[t] = i;
                return true;
            }
        }
        return false;
    };
    for (int i = 0; i < count; ++i)
        if (!place(i, i))
            return true;
    return false;
}

} // namespace quobix::game
