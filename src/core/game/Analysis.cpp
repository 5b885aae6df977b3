#include "game/Analysis.h"

#include "game/SolutionNotation.h"

#include <QStringList>

namespace quobix::game {

namespace {
    constexpr int Sides = geometry::DirectionCount;

    QString Counted(qulonglong n, const char* one, const char* many)
    {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    }

    // The man's area (objects do not block him) by a depth-first walk that also finds, for every
    // cell, which of its neighbours stay connected once the cell is taken away: a neighbour in a
    // child's subtree that cannot climb above the cell is cut off with that subtree.
    struct ManArea {
        std::array<int, GridCellTotal> disc; // order of discovery, -1 outside the area
        std::array<int, GridCellTotal> low;
        std::array<int, GridCellTotal> last; // the last discovery in the cell's subtree
        std::array<int, GridCellTotal> parent;

        explicit ManArea(const GamePosition& level)
        {
            disc.fill(-1);
            parent.fill(-1);
            struct Frame {
                int cell;
                int side;
            };
            std::vector<Frame> stack { { level.Man(), 0 } };
            int counter = 0;
            disc[level.Man()] = low[level.Man()] = counter++;
            while (!stack.empty()) {
                Frame& top = stack.back();
                if (top.side == Sides) {
                    last[top.cell] = counter - 1;
                    const int done = top.cell;
                    stack.pop_back();
                    if (!stack.empty())
                        low[stack.back().cell] = std::min(low[stack.back().cell], low[done]);
                    continue;
                }
                const int next = NeighbourIndex(top.cell, static_cast<Direction>(top.side++));
                if (next < 0 || level.IsWall(next))
                    continue;
                if (disc[next] < 0) {
                    parent[next] = top.cell;
                    disc[next] = low[next] = counter++;
                    stack.push_back({ next, 0 });
                } else if (next != parent[top.cell]) {
                    low[top.cell] = std::min(low[top.cell], disc[next]);
                }
            }
        }

        bool Contains(int cell) const { return cell >= 0 && disc[cell] >= 0; }

        // Which part of the area without cell the neighbour n is in: the child of cell whose
        // subtree is cut off with n, or -1 for the part that keeps the rest of the tree.
        int PartOf(int cell, int n) const
        {
            if (disc[n] < disc[cell])
                return -1; // an ancestor: the rest of the tree
            for (int side = 0; side < Sides; ++side) {
                const int child = NeighbourIndex(cell, static_cast<Direction>(side));
                if (child >= 0 && Contains(child) && parent[child] == cell && disc[child] <= disc[n]
                    && disc[n] <= last[child])
                    return low[child] >= disc[cell] ? child : -1;
            }
            return -1;
        }
    };

    // Treated as a wall while its own freezing is decided, so that two objects propping each
    // other up count as frozen.
    bool Frozen(const GamePosition& level, int cell, std::array<bool, GridCellTotal>& deciding)
    {
        deciding[cell] = true;
        const auto blocks = [&](int at) {
            return at < 0 || level.IsWall(at) || deciding[at]
                || (level.HasObject(at) && Frozen(level, at, deciding));
        };
        bool frozen = true;
        for (Direction d : { Direction::West, Direction::NorthWest, Direction::NorthEast }) {
            const int a = NeighbourIndex(cell, d);
            const int b = NeighbourIndex(cell, geometry::Opposite(d));
            frozen = frozen && (blocks(a) || blocks(b));
        }
        deciding[cell] = false;
        return frozen;
    }
}

QString ValidityText(int men, int objects, int targets)
{
    if (IsValidLevel(men, objects, targets))
        return QStringLiteral("Valid");
    QStringList wrong;
    if (men != 1)
        wrong << (men == 0 ? QStringLiteral("no man") : Counted(men, "man", "men"));
    if (targets == 0)
        wrong << (objects == 0
                ? QStringLiteral("no target")
                : Counted(objects, "object", "objects") + QStringLiteral(", no target"));
    else if (objects != targets)
        wrong << Counted(objects, "object", "objects") + QStringLiteral(", ")
                + Counted(targets, "target", "targets");
    return wrong.join(QStringLiteral("; "));
}

DeadCells FindDeadCells(const GamePosition& level)
{
    DeadCells result;
    const ManArea area(level);
    // good[cell * Sides + side]: an object on cell, the man beside it on that side, can reach a
    // target. Filled backwards from the targets by pulls: an object pulled from p towards the man
    // standing on side d comes to his cell, and he steps one further the same way.
    std::vector<bool> good(static_cast<std::size_t>(GridCellTotal) * Sides, false);
    std::vector<int> queue;
    const auto mark = [&](int cell, int side) {
        const int n = NeighbourIndex(cell, static_cast<Direction>(side));
        if (good[cell * Sides + side])
            return;
        // The man walks round to every side of the object that he can reach from this one.
        const int part = area.PartOf(cell, n);
        for (int other = 0; other < Sides; ++other) {
            const int m = NeighbourIndex(cell, static_cast<Direction>(other));
            if (area.Contains(m) && !good[cell * Sides + other] && area.PartOf(cell, m) == part) {
                good[cell * Sides + other] = true;
                queue.push_back(cell * Sides + other);
            }
        }
    };
    for (int cell = 0; cell < GridCellTotal; ++cell) {
        if (!area.Contains(cell) || !level.IsTarget(cell))
            continue;
        for (int side = 0; side < Sides; ++side)
            if (area.Contains(NeighbourIndex(cell, static_cast<Direction>(side))))
                mark(cell, side);
    }
    while (!queue.empty()) {
        const int state = queue.back();
        queue.pop_back();
        const int side = state % Sides;
        const int man = NeighbourIndex(state / Sides, static_cast<Direction>(side));
        const int behind = NeighbourIndex(man, static_cast<Direction>(side));
        if (area.Contains(behind))
            mark(man, side);
    }
    for (int cell = 0; cell < GridCellTotal; ++cell) {
        result.floor[cell] = area.Contains(cell) || level.HasObject(cell);
        if (!result.floor[cell] || level.IsTarget(cell))
            continue;
        bool alive = false;
        for (int side = 0; side < Sides && !alive; ++side)
            alive = area.Contains(NeighbourIndex(cell, static_cast<Direction>(side)))
                && good[cell * Sides + side];
        result.dead[cell] = !alive;
        result.count += !alive;
    }
    return result;
}

std::vector<int> StuckObjects(const GamePosition& level, const DeadCells& dead)
{
    std::vector<int> stuck;
    std::array<bool, GridCellTotal> deciding {};
    for (int cell = 0; cell < GridCellTotal; ++cell)
        if (level.HasObject(cell) && !level.IsTarget(cell)
            && (dead.dead[cell] || Frozen(level, cell, deciding)))
            stuck.push_back(cell);
    return stuck;
}

int ObjectChanges(GamePosition start, const std::vector<GameMove>& moves)
{
    // Each object keeps the number of the cell it started on while it moves.
    std::array<int, GridCellTotal> object;
    for (int cell = 0; cell < GridCellTotal; ++cell)
        object[cell] = start.HasObject(cell) ? cell : -1;
    int changes = 0;
    int pushed = -1;
    for (const GameMove& move : moves) {
        const int next = NeighbourIndex(start.Man(), move.direction);
        if (!start.Apply(move.direction))
            break;
        if (!move.push)
            continue;
        const int which = object[next];
        changes += pushed >= 0 && which != pushed;
        pushed = which;
        object[NeighbourIndex(next, move.direction)] = which;
        object[next] = -1;
    }
    return changes;
}

QString AnalysisLine(const GamePosition& level, const SolverLimits& limits, bool& decided)
{
    decided = true;
    const QString validity
        = ValidityText(level.MenInLevel(), level.ObjectCount(), level.TargetCount());
    if (validity != QLatin1String("Valid"))
        return QStringLiteral("Invalid: ") + validity;
    if (level.Check() == Playability::Open)
        return QStringLiteral("Open");
    const DeadCells dead = FindDeadCells(level);
    const SolveResult result = Solve(level, limits);
    const QString figures = Counted(result.positionsSearched, "position", "positions")
        + QStringLiteral(", ") + Counted(dead.count, "dead cell", "dead cells");
    switch (result.outcome) {
    case SolveOutcome::Solved:
        return QStringLiteral("Solvable, %1, %2, %3, ")
                   .arg(Counted(result.pushes, "push", "pushes"),
                       Counted(result.moves, "move", "moves"),
                       Counted(
                           ObjectChanges(level,
                               ParseSolution(result.solution).value_or(std::vector<GameMove> {})),
                           "object change", "object changes"))
            + figures;
    case SolveOutcome::Unsolvable:
        return QStringLiteral("Unsolvable, ") + figures;
    default:
        decided = false;
        return (result.limit == SolveLimit::Memory
                       ? QStringLiteral("Not decided within %1 MiB").arg(limits.memoryBytes >> 20)
                       : QStringLiteral("Not decided within %1 s").arg(limits.seconds))
            + QStringLiteral(", ") + figures;
    }
}

} // namespace quobix::game
