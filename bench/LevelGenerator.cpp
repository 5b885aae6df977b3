#include "LevelGenerator.h"

#include "game/GamePosition.h"
#include "game/SolverBoard.h"
#include "level/LevelText.h"

#include <array>

namespace quobix::bench {

using game::CellIndex;
using game::CellOfIndex;
using game::Direction;
using game::GridCellTotal;
using game::NeighbourIndex;

namespace {

    // A small deterministic generator (splitmix64), so that every run draws the same levels.
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

        // Grows a room of `cells` cells from `from` at random within columns first..last; made
        // of passages, a cell that would touch more than two free cells is seldom taken.
        std::vector<int> GrowRoom(
            Random& random, int from, int cells, int first, int last, bool passages)
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

        // Objects start on the targets and a man walking at random pulls them away: the pulls
        // played backwards are pushes. Pulls that take an object further from the targets are
        // preferred, so that the objects end up spread out and far from home.
        void PullObjectsAway(Random& random, const std::vector<int>& room, int moves)
        {
            std::array<int, GridCellTotal> away; // walking distance from the nearest target
            away.fill(-1);
            std::vector<int> queue;
            for (int cell : room)
                if (target[cell]) {
                    object[cell] = true;
                    away[cell] = 0;
                    queue.push_back(cell);
                }
            for (std::size_t k = 0; k < queue.size(); ++k)
                for (Direction d : geometry::AllDirections) {
                    const int next = NeighbourIndex(queue[k], d);
                    if (grid[next] != '#' && away[next] < 0) {
                        away[next] = away[queue[k]] + 1;
                        queue.push_back(next);
                    }
                }
            do
                man = room[random.Below(static_cast<int>(room.size()))];
            while (object[man]);
            for (int k = 0; k < moves; ++k) {
                const Direction d = geometry::AllDirections[random.Below(6)];
                const int next = NeighbourIndex(man, d);
                if (grid[next] == '#' || object[next])
                    continue;
                const int behind = NeighbourIndex(man, geometry::Opposite(d));
                if (object[behind] && random.Below(8) < (away[man] > away[behind] ? 7 : 1)) {
                    object[behind] = false;
                    object[man] = true;
                }
                man = next;
            }
        }
    };

    // Pulls the object on cell `from` to a cell picked at random among those where pulls and
    // steps of the man can take it without moving any other object; false when it cannot
    // reach any cell of `wanted`.
    bool PullTo(Random& random, Sketch& sketch, int from, const std::vector<bool>& wanted)
    {
        // Breadth first over (object, man) pairs.
        auto pair = [](int object, int man) { return object * GridCellTotal + man; };
        std::vector<bool> seen(std::size_t(GridCellTotal) * GridCellTotal, false);
        std::vector<int> queue { pair(from, sketch.man) };
        seen[queue[0]] = true;
        std::vector<int> reached;
        sketch.object[from] = false;
        auto free = [&](int cell) { return sketch.grid[cell] != '#' && !sketch.object[cell]; };
        for (std::size_t k = 0; k < queue.size(); ++k) {
            const int object = queue[k] / GridCellTotal;
            const int man = queue[k] % GridCellTotal;
            if (wanted[object])
                reached.push_back(queue[k]);
            for (Direction d : geometry::AllDirections) {
                const int next = NeighbourIndex(man, d);
                if (!free(next))
                    continue;
                int step = pair(object, next);
                if (next == object)
                    continue;
                if (NeighbourIndex(man, geometry::Opposite(d)) == object)
                    step = pair(man, next); // a pull
                if (!seen[step]) {
                    seen[step] = true;
                    queue.push_back(step);
                }
            }
        }
        const int chosen
            = reached.empty() ? queue[0] : reached[random.Below(static_cast<int>(reached.size()))];
        sketch.object[chosen / GridCellTotal] = true;
        sketch.man = chosen % GridCellTotal;
        return !reached.empty();
    }

    int Pick(Random& random, const std::vector<int>& cells)
    {
        return cells[random.Below(static_cast<int>(cells.size()))];
    }

    void PlaceTargets(Random& random, Sketch& sketch, const std::vector<int>& cells, int count)
    {
        for (int placed = 0; placed < count;) {
            const int cell = Pick(random, cells);
            if (!sketch.target[cell]) {
                sketch.target[cell] = true;
                ++placed;
            }
        }
    }
}

QStringList GenerateLevel(std::uint64_t seed, int freeCells, int objects, int moves, bool open)
{
    Random random(seed);
    Sketch sketch;
    const std::vector<int> room
        = sketch.GrowRoom(random, CellIndex(13, 16), freeCells, 2, GridCells - 1, !open);
    PlaceTargets(random, sketch, room, objects);
    sketch.PullObjectsAway(random, room, moves);
    return sketch.Rows();
}

QStringList GenerateGoalRoom(std::uint64_t seed, int roomCells, int objects, int rounds)
{
    Random random(seed);
    Sketch sketch;
    // No cell of column 18 or before touches one of column 21 or after: the door is the way.
    std::vector<int> room = sketch.GrowRoom(random, CellIndex(13, 18), roomCells, 2, 18, false);
    for (int c = 19; c <= 20; ++c) {
        sketch.grid[CellIndex(13, c)] = ' ';
        room.push_back(CellIndex(13, c));
    }
    // Room to walk between the targets.
    const std::vector<int> goals
        = sketch.GrowRoom(random, CellIndex(13, 21), 2 * objects, 21, GridCells - 1, false);
    room.insert(room.end(), goals.begin(), goals.end());
    PlaceTargets(random, sketch, goals, objects);
    for (int cell : goals)
        sketch.object[cell] = sketch.target[cell];
    sketch.man = CellIndex(13, 18);
    // The objects are pulled out through the door one by one, each to anywhere well before it
    // (so that it does not block the way of the next); one that cannot leave yet may once
    // another has gone.
    std::vector<bool> outside(GridCellTotal, false);
    for (int cell : room)
        outside[cell] = CellOfIndex(cell).cell <= 15;
    for (int round = 0; round < rounds; ++round)
        for (int cell : goals)
            if (sketch.object[cell] && random.Below(6) > 0)
                PullTo(random, sketch, cell, outside);
    return sketch.Rows();
}

QStringList GenerateTrap(std::uint64_t seed, int roomCells, int objects)
{
    Random random(seed);
    Sketch sketch;
    const std::vector<int> room
        = sketch.GrowRoom(random, CellIndex(13, 12), roomCells, 2, 12, false);
    for (int c = 13; c <= 16; ++c)
        sketch.grid[CellIndex(13, c)] = ' ';
    sketch.object[CellIndex(13, 14)] = true;
    PlaceTargets(random, sketch, room, objects);
    do
        sketch.man = Pick(random, room);
    while (sketch.object[sketch.man] || sketch.target[sketch.man]);
    // The other objects only where they could still reach a target.
    const game::SolverBoard board(game::GamePosition::FromRows(sketch.Rows()));
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

std::vector<BenchLevel> BenchLevelSet()
{
    std::vector<BenchLevel> set;
    auto add = [&set](const char* kind, int cells, int objects, std::uint64_t seed,
                   const QStringList& rows) {
        set.push_back({ QStringLiteral("%1-%2o-%3c-%4")
                            .arg(QLatin1String(kind))
                            .arg(objects, 2, 10, QLatin1Char('0'))
                            .arg(cells)
                            .arg(seed),
            rows });
    };
    std::uint64_t seed = 1;
    for (const auto& [cells, objects] : { std::pair { 100, 8 }, { 120, 10 }, { 150, 12 },
             { 180, 15 }, { 200, 15 }, { 220, 18 }, { 250, 20 }, { 250, 20 }, { 300, 20 } }) {
        ++seed;
        add("open", cells, objects, seed, GenerateLevel(seed, cells, objects, 400 * objects, true));
    }
    for (const auto& [cells, objects] :
        { std::pair { 100, 8 }, { 150, 10 }, { 200, 12 }, { 200, 14 }, { 250, 15 }, { 300, 18 } }) {
        ++seed;
        add("maze", cells, objects, seed, GenerateLevel(seed, cells, objects, 400 * objects));
    }
    for (const auto& [cells, objects] :
        { std::pair { 40, 8 }, { 50, 10 }, { 60, 12 }, { 70, 14 }, { 80, 15 }, { 100, 20 } }) {
        ++seed;
        add("dense", cells, objects, seed,
            GenerateLevel(seed, cells, objects, 400 * objects, true));
    }
    for (const auto& [cells, objects] :
        { std::pair { 80, 8 }, { 100, 10 }, { 120, 12 }, { 150, 15 } }) {
        ++seed;
        add("goalroom", cells, objects, seed, GenerateGoalRoom(seed, cells, objects, 6));
    }
    for (const auto& [cells, objects] :
        { std::pair { 100, 8 }, { 120, 10 }, { 150, 12 }, { 150, 15 }, { 180, 15 }, { 200, 20 } }) {
        ++seed;
        add("trap", cells, objects, seed, GenerateTrap(seed, cells, objects));
    }
    return set;
}

} // namespace quobix::bench
