#include "game/GamePosition.h"
#include "game/SolutionNotation.h"
#include "game/SolveCommand.h"
#include "game/Solver.h"
#include "game/SolverBoard.h"
#include "level/LevelText.h"

#include <QDir>
#include <QStringList>
#include <array>
#include <cstdint>
#include <cstdio>

using namespace quobix;
using namespace quobix::game;

namespace {

// A small deterministic generator (splitmix64), so that every run measures the same levels.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : state(seed)
    {
    }
    int Below(int n)
    {
        state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<int>((z ^ (z >> 31)) % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t state;
};

// A level being drawn by the generator.
struct Sketch {
    std::array<char, GridCellTotal> grid;
    std::array<bool, GridCellTotal> target {};
    std::array<bool, GridCellTotal> object {};
    int man = 0;

    Sketch() { grid.fill('#'); }

    int FreeNeighbours(int cell) const
    {
        int count = 0;
        for (Direction d : geometry::AllDirections)
            count += grid[NeighbourIndex(cell, d)] != '#';
        return count;
    }

    // Grows a room of `cells` cells from `from` at random within columns first..last; made of
    // passages, a cell that would touch more than two free cells is seldom taken.
    std::vector<int> GrowRoom(
        Random& random, int from, int cells, int first, int last, bool passages = true)
    {
        std::vector<int> room { from };
        grid[from] = ' ';
        while (static_cast<int>(room.size()) < cells) {
            const int next = NeighbourIndex(room[random.Below(static_cast<int>(room.size()))],
                geometry::AllDirections[random.Below(6)]);
            const geometry::Cell at = CellOfIndex(next);
            if (at.row > 1 && at.row < GridRows && at.cell >= first && at.cell <= last
                && grid[next] == '#'
                && (!passages || FreeNeighbours(next) <= 2 || random.Below(8) == 0)) {
                grid[next] = ' ';
                room.push_back(next);
            }
        }
        return room;
    }

    QStringList Rows() const
    {
        QStringList rows;
        for (int r = 1; r <= GridRows; ++r) {
            QString line(64, QLatin1Char(' '));
            for (int c = 1; c <= GridCells; ++c) {
                const int index = CellIndex(r, c);
                char ch = grid[index];
                if (index == man)
                    ch = target[index] ? '+' : '@';
                else if (object[index])
                    ch = target[index] ? '*' : '$';
                else if (target[index])
                    ch = '.';
                SetCharAt(line, geometry::Cell { r, c }.TextColumn(), QLatin1Char(ch));
            }
            rows << line;
        }
        return rows;
    }
};

int Pick(Random& random, const std::vector<int>& cells)
{
    return cells[random.Below(static_cast<int>(cells.size()))];
}

// A closed room of freeCells cells, targets on random cells, and objects pulled away from them
// by a man walking at random: the pulls played backwards are pushes, so every level made this
// way can be solved. Pulls that take an object further from the targets are preferred, so that
// the objects end up spread out and far from home.
QStringList GenerateLevel(std::uint64_t seed, int freeCells, int objects, int moves)
{
    Random random(seed);
    Sketch sketch;
    const std::vector<int> room
        = sketch.GrowRoom(random, CellIndex(13, 16), freeCells, 2, GridCells - 1);
    for (int placed = 0; placed < objects;) {
        const int cell = Pick(random, room);
        if (!sketch.target[cell]) {
            sketch.target[cell] = sketch.object[cell] = true;
            ++placed;
        }
    }
    std::array<int, GridCellTotal> away; // walking distance from the nearest target
    away.fill(-1);
    std::vector<int> queue;
    for (int cell : room)
        if (sketch.target[cell]) {
            away[cell] = 0;
            queue.push_back(cell);
        }
    for (std::size_t k = 0; k < queue.size(); ++k)
        for (Direction d : geometry::AllDirections) {
            const int next = NeighbourIndex(queue[k], d);
            if (sketch.grid[next] != '#' && away[next] < 0) {
                away[next] = away[queue[k]] + 1;
                queue.push_back(next);
            }
        }
    int& man = sketch.man;
    do
        man = Pick(random, room);
    while (sketch.object[man]);
    for (int k = 0; k < moves; ++k) {
        const Direction d = geometry::AllDirections[random.Below(6)];
        const int next = NeighbourIndex(man, d);
        if (sketch.grid[next] == '#' || sketch.object[next])
            continue;
        const int behind = NeighbourIndex(man, geometry::Opposite(d));
        if (sketch.object[behind] && random.Below(8) < (away[man] > away[behind] ? 7 : 1)) {
            sketch.object[behind] = false;
            sketch.object[man] = true;
        }
        man = next;
    }
    return sketch.Rows();
}

// A room with the targets and a blind passage one cell wide leading out of it. An object
// stands in the passage: the man can push it only further in and never get round it, so the
// level cannot be solved, and nothing short of searching every position the other objects can
// take shows it. A measure of the search at full speed.
QStringList GenerateTrap(std::uint64_t seed, int roomCells, int objects)
{
    Random random(seed);
    Sketch sketch;
    const std::vector<int> room
        = sketch.GrowRoom(random, CellIndex(13, 12), roomCells, 2, 12, false);
    for (int c = 13; c <= 16; ++c)
        sketch.grid[CellIndex(13, c)] = ' ';
    sketch.object[CellIndex(13, 14)] = true;
    for (int placed = 0; placed < objects;) {
        const int cell = Pick(random, room);
        if (!sketch.target[cell]) {
            sketch.target[cell] = true;
            ++placed;
        }
    }
    do
        sketch.man = Pick(random, room);
    while (sketch.object[sketch.man] || sketch.target[sketch.man]);
    // The other objects only where they could still reach a target.
    const SolverBoard board(GamePosition::FromRows(sketch.Rows()));
    for (int placed = 1; placed < objects;) {
        const int cell = Pick(random, room);
        if (!sketch.object[cell] && cell != sketch.man
            && !board.IsDead(board.CellOfGridIndex(cell))) {
            sketch.object[cell] = true;
            ++placed;
        }
    }
    return sketch.Rows();
}

const char* OutcomeName(const SolveResult& result)
{
    switch (result.outcome) {
    case SolveOutcome::Solved:
        return "solved";
    case SolveOutcome::Unsolvable:
        return "unsolvable";
    case SolveOutcome::GaveUp:
        return result.limit == SolveLimit::Time ? "gave up (time)" : "gave up (memory)";
    case SolveOutcome::NotPlayable:
        break;
    }
    return "not playable";
}

struct Totals {
    std::uint64_t searched = 0;
    std::uint64_t stored = 0;
    double bytes = 0;
    double seconds = 0;
};

void Report(
    const QString& name, const GamePosition& level, const SolverLimits& limits, Totals& totals)
{
    const SolveResult result = Solve(level, limits);
    GamePosition replay = level;
    const auto moves = ParseSolution(result.solution);
    const bool checked = result.outcome != SolveOutcome::Solved
        || (moves && Replay(replay, *moves) && replay.IsSolved());
    const double perSecond
        = result.seconds > 0 ? static_cast<double>(result.positionsSearched) / result.seconds : 0;
    const double perPosition = result.positionsStored
        ? static_cast<double>(result.bytesStored) / static_cast<double>(result.positionsStored)
        : 0;
    std::printf("%-30s %-16s pushes %4d moves %5d  %9.3f s  searched %10llu  stored %10llu"
                "  %6.2f M/s  %6.1f B/position  %7.1f MiB%s\n",
        qPrintable(name), OutcomeName(result), result.pushes, result.moves, result.seconds,
        static_cast<unsigned long long>(result.positionsSearched),
        static_cast<unsigned long long>(result.positionsStored), perSecond / 1e6, perPosition,
        static_cast<double>(result.bytesStored) / (1 << 20), checked ? "" : "  REPLAY FAILED");
    totals.searched += result.positionsSearched;
    totals.stored += result.positionsStored;
    totals.bytes += static_cast<double>(result.bytesStored);
    totals.seconds += result.seconds;
}

} // namespace

// Solves the shipped sample levels and generated levels of growing size with the default
// memory cap, and prints time, positions searched per second and bytes per stored position.
int main(int argc, char** argv)
{
    SolverLimits limits;
    limits.seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 30.0;
    Totals samples, generated;

    const QDir folder(QStringLiteral(QUOBIX_SOURCE_DIR "/levels"));
    for (const QString& name : folder.entryList({ "*.qbx" }, QDir::Files, QDir::Name)) {
        const auto level = name.startsWith(QLatin1String("invalid"))
            ? std::nullopt
            : LoadLevelFile(folder.filePath(name));
        if (!level)
            continue;
        Report(name, *level, limits, samples);
    }

    // Levels of growing size, three of each; a level whose objects all stayed home is skipped.
    struct Size {
        int cells, objects;
    };
    const Size sizes[] = { { 40, 4 }, { 60, 6 }, { 80, 8 }, { 100, 8 }, { 150, 10 }, { 200, 12 },
        { 120, 12 }, { 150, 14 } };
    for (const Size& size : sizes)
        for (std::uint64_t seed = 1, made = 0; made < 3; ++seed) {
            const GamePosition level = GamePosition::FromRows(
                GenerateLevel(seed * 7919 + size.cells, size.cells, size.objects, 4000));
            if (level.IsSolved())
                continue;
            ++made;
            Report(QStringLiteral("%1 cells %2 objects #%3")
                       .arg(size.cells)
                       .arg(size.objects)
                       .arg(seed),
                level, limits, generated);
        }

    // Searches that must look at every position: speed and bytes per position at scale.
    Totals trapped;
    for (const Size& size :
        { Size { 30, 4 }, Size { 40, 4 }, Size { 50, 5 }, Size { 60, 5 }, Size { 70, 6 } })
        Report(QStringLiteral("trap %1 cells %2 objects").arg(size.cells).arg(size.objects),
            GamePosition::FromRows(GenerateTrap(size.cells, size.cells, size.objects)), limits,
            trapped);

    // The memory cap: a search that cannot finish within 32 MiB stops there.
    SolverLimits small = limits;
    small.memoryBytes = std::size_t(32) << 20;
    Totals capped;
    Report(QStringLiteral("trap 70 cells 6 objects, 32 MiB"),
        GamePosition::FromRows(GenerateTrap(70, 70, 6)), small, capped);

    for (const auto& [label, totals] :
        { std::pair { "sample levels", samples }, std::pair { "generated levels", generated } })
        std::printf("%-18s searched %llu in %.2f s: %.2f M positions/s; %.1f bytes per stored "
                    "position\n",
            label, static_cast<unsigned long long>(totals.searched), totals.seconds,
            totals.seconds > 0 ? static_cast<double>(totals.searched) / totals.seconds / 1e6 : 0,
            totals.stored ? totals.bytes / static_cast<double>(totals.stored) : 0);
    return 0;
}
