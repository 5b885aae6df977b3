#include "game/Solver.h"

#include "game/Assignment.h"
#include "game/Corrals.h"
#include "game/FillOrder.h"
#include "game/OpenList.h"
#include "game/PositionStore.h"
#include "game/SolutionNotation.h"
#include "game/SolverBoard.h"
#include "game/StartChecks.h"
#include "game/StateCodec.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <memory>

namespace quobix::game {

namespace {
    using Clock = std::chrono::steady_clock;
    constexpr int Directions = geometry::DirectionCount;
    constexpr int Opposite[Directions] = { 5, 4, 3, 2, 1, 0 };
    constexpr int MaxPushes = 0x7FFE; // the store keeps pushes in 16 bits
    constexpr int CheckEvery = 128; // expansions between looks at the clock and at Cancel
    constexpr int NoF = 1 << 30;

    class Search {
    public:
        Search(const SolverBoard& board, const SolverLimits& limits,
            const SolverTechniques& techniques, SolveControl* control)
            : board(board)
            , limits(limits)
            , techniques(techniques)
            , control(control)
            , codec(board, static_cast<int>(board.StartObjects().size()))
            , corrals(board)
            , cells(board.CellCount())
            , objectCount(static_cast<int>(board.StartObjects().size()))
            , occupied(cells, 0)
            , reach(cells, 0)
            , scratch(cells, 0)
            , stack(cells, 0)
            , objects(objectCount)
            , child(objectCount)
            , allowed(objectCount, 1)
            , key(codec.KeyBytes())
        {
        }

        SolveResult Run(const GamePosition& start);

    private:
        struct NewChild {
            int f;
            bool sameObject; // the object the last push moved is pushed again
            int fillRank; // of the target the pushed object is assigned to
            int to; // where the pushed object stands now
            std::uint64_t hash;
            std::size_t keyAt;
        };

        // Marks the cells the man reaches from cell with stamp in marks; returns the lowest,
        // and the next lowest in second (cells when there is none).
        int Flood(int from, std::vector<std::uint32_t>& marks, std::uint32_t stamp, int* second);
        // The lowest cell of the man's area after the push of the object on x to y, the man
        // now on x; occupied already shows the push.
        int ChildMan(int x, int y, int lowest, int second);
        // Whether the free neighbours of cell form more than one unbroken arc around it.
        bool ArcsBroken(int cell) const;
        // Expands one position taken from the open list at f; false when a limit stopped it.
        bool Expand(std::uint32_t index, int pushes, int f, bool& solved);
        bool AddChildren(int pushes);
        bool OverLimit();
        bool MayAllocate(std::size_t bytes) const;
        std::size_t OtherBytes() const { return open.Bytes() + board.Bytes(); }
        // The stored positions from the start to goal, found backwards: each has a predecessor
        // stored with one push fewer.
        std::vector<std::vector<int>> Chain(std::uint32_t goal);
        std::vector<GameMove> Moves(const GamePosition& start, std::uint32_t goal);

        const SolverBoard& board;
        SolverLimits limits;
        SolverTechniques techniques;
        SolveControl* control;
        StateCodec codec;
        CorralFinder corrals;
        Assignment assignment; // the bound of the position being expanded
        Assignment fresh;
        int cells;
        int objectCount;
        std::vector<std::uint8_t> occupied;
        std::vector<std::uint32_t> reach;
        std::vector<std::uint32_t> scratch;
        std::vector<int> stack;
        // Work space of Expand.
        std::vector<int> objects;
        std::vector<int> child;
        std::vector<std::uint8_t> allowed;
        std::vector<unsigned char> key;
        std::vector<NewChild> candidates; // children not yet looked up
        std::vector<NewChild> newChildren;
        // The children last stored, from index lastFirst on: where their pushes took an object.
        std::uint32_t lastFirst = 0;
        std::vector<int> lastTo;
        std::vector<int> fillRank; // of each target: 0 to fill first
        std::vector<unsigned char> newKeys;
        std::uint32_t reachStamp = 0;
        std::uint32_t scratchStamp = 0;
        std::unique_ptr<PositionStore> store;
        OpenList open;
        std::uint64_t searched = 0;
        std::uint64_t expansions = 0;
        Clock::time_point started;
        SolveLimit stoppedBy = SolveLimit::None;
    };

    int Search::Flood(int from, std::vector<std::uint32_t>& marks, std::uint32_t stamp, int* second)
    {
        int lowest = from;
        int next = cells;
        int top = 0;
        marks[from] = stamp;
        stack[top++] = from;
        while (top > 0) {
            const int here = stack[--top];
            for (int d = 0; d < Directions; ++d) {
                const int cell = board.Neighbour(here, d);
                if (cell < 0 || marks[cell] == stamp || occupied[cell])
                    continue;
                marks[cell] = stamp;
                stack[top++] = cell;
                if (cell < lowest) {
                    next = lowest;
                    lowest = cell;
                } else if (cell < next) {
                    next = cell;
                }
            }
        }
        if (second)
            *second = next;
        return lowest;
    }

    bool Search::ArcsBroken(int cell) const
    {
        int starts = 0;
        int previous = board.RingNeighbour(cell, 5);
        bool wasFree = previous >= 0 && !occupied[previous];
        for (int k = 0; k < Directions; ++k) {
            const int next = board.RingNeighbour(cell, k);
            const bool free = next >= 0 && !occupied[next];
            starts += free && !wasFree;
            wasFree = free;
        }
        return starts > 1;
    }

    int Search::ChildMan(int x, int y, int lowest, int second)
    {
        // Neighbours of a cell that follow each other around it touch, so a cell whose free
        // neighbours form one arc neither joins two areas when freed nor parts one when taken.
        if (techniques.localArea && !ArcsBroken(x)) {
            if (reach[y] != reachStamp)
                return std::min(lowest, x);
            if (!ArcsBroken(y))
                return std::min(y == lowest ? second : lowest, x);
        }
        return Flood(x, scratch, ++scratchStamp, nullptr);
    }

    bool Search::MayAllocate(std::size_t bytes) const
    {
        return store->Bytes() + OtherBytes() + bytes <= limits.memoryBytes;
    }

    bool Search::OverLimit()
    {
        if (control) {
            control->searched.store(searched, std::memory_order_relaxed);
            if (control->cancel.load(std::memory_order_relaxed)) {
                stoppedBy = SolveLimit::Cancelled;
                return true;
            }
        }
        const std::chrono::duration<double> elapsed = Clock::now() - started;
        if (elapsed.count() > limits.seconds) {
            stoppedBy = SolveLimit::Time;
            return true;
        }
        return false;
    }

    bool Search::Expand(std::uint32_t index, int pushes, int f, bool& solved)
    {
        int man = 0;
        codec.Unpack(store->Key(index), objects.data(), man);
        const int h = board.LowerBound(objects.data(), objectCount, assignment);
        if (h == 0) {
            solved = true;
            return true;
        }
        for (int object : objects)
            occupied[object] = 1;
        int second = cells;
        const int lowest = Flood(man, reach, ++reachStamp, &second);
        bool restricted = false;
        if (techniques.corrals) {
            const int pushesIn
                = corrals.Find(occupied, reach, reachStamp, objects.data(), objectCount, allowed);
            restricted = pushesIn != CorralFinder::NoCorral;
        }

        // The cell the push that led here took its object to, when known.
        const int previous = index >= lastFirst && index - lastFirst < lastTo.size()
            ? lastTo[index - lastFirst]
            : -1;
        int nextF = NoF;
        candidates.clear();
        newChildren.clear();
        newKeys.clear();
        for (int i = 0; i < objectCount; ++i) {
            if (restricted && !allowed[i])
                continue;
            const int x = objects[i];
            for (int d = 0; d < Directions; ++d) {
                const int behind = board.Neighbour(x, Opposite[d]);
                const int y = board.Neighbour(x, d);
                if (behind < 0 || reach[behind] != reachStamp || y < 0 || occupied[y]
                    || board.IsDead(y))
                    continue;
                ++searched;
                int childH, target;
                if (techniques.incrementalBound) {
                    // Most children of a plateau lie above f: the cheap bound tells which
                    // without the exact one, and gives a next f that is never too late.
                    if (techniques.partialExpansion) {
                        const int atLeast = assignment.RowBound(i, board.DistanceRow(y));
                        if (pushes + 1 + atLeast > f) {
                            if (atLeast < SolverBoard::Unreachable)
                                nextF = std::min(nextF, pushes + 1 + atLeast);
                            continue;
                        }
                    }
                    childH = assignment.TryRow(i, board.DistanceRow(y));
                    target = assignment.TriedTarget();
                } else {
                    std::copy(objects.begin(), objects.end(), child.begin());
                    child[i] = y;
                    childH = board.LowerBound(child.data(), objectCount, fresh);
                    target = fresh.TargetOf(i);
                }
                if (childH >= SolverBoard::Unreachable)
                    continue;
                const int childF = pushes + 1 + childH;
                if (techniques.partialExpansion && childF != f) {
                    // Children below f were kept when this position was expanded before.
                    if (childF > f)
                        nextF = std::min(nextF, childF);
                    continue;
                }
                occupied[x] = 0;
                occupied[y] = 1;
                if (!board.FrozenOffTarget(y, occupied)) {
                    const int childMan = ChildMan(x, y, lowest, second);
                    // The objects stay sorted: move y to its place.
                    std::copy(objects.begin(), objects.end(), child.begin());
                    int k = i;
                    child[k] = y;
                    for (; k > 0 && child[k - 1] > child[k]; --k)
                        std::swap(child[k - 1], child[k]);
                    for (; k + 1 < objectCount && child[k + 1] < child[k]; ++k)
                        std::swap(child[k + 1], child[k]);
                    const std::size_t keyAt = newKeys.size();
                    newKeys.resize(keyAt + codec.KeyBytes());
                    codec.Pack(child.data(), childMan, &newKeys[keyAt]);
                    const std::uint64_t hash
                        = PositionStore::Hash(&newKeys[keyAt], codec.KeyBytes());
                    store->PrefetchSlot(hash);
                    candidates.push_back(
                        { childF, x == previous, fillRank[target], y, hash, keyAt });
                }
                occupied[x] = 1;
                occupied[y] = 0;
            }
        }
        for (int object : objects)
            occupied[object] = 0;

        // The children are looked up once all are made, so that their fetches from the table
        // of positions overlap.
        bool ok = true;
        for (const NewChild& made : candidates)
            store->PrefetchRecord(made.hash);
        for (const NewChild& made : candidates) {
            const std::uint32_t found = store->Find(&newKeys[made.keyAt], made.hash);
            if (found == PositionStore::None) {
                newChildren.push_back(made);
            } else if (store->Pushes(found) > pushes + 1) {
                store->SetPushes(found, pushes + 1);
                ok = ok && open.Push(made.f, pushes + 1, found, 1, [this] {
                    return MayAllocate(OpenList::ChunkBytes);
                });
            }
        }
        ok = ok && AddChildren(pushes + 1);
        if (ok && nextF != NoF)
            ok = open.Push(
                nextF, pushes, index, 1, [this] { return MayAllocate(OpenList::ChunkBytes); });
        if (!ok && stoppedBy == SolveLimit::None)
            stoppedBy = SolveLimit::Memory; // a rehash may have stopped for the clock or Cancel
        if (ok && ++expansions % CheckEvery == 0 && OverLimit())
            ok = false;
        return ok;
    }

    bool Search::AddChildren(int pushes)
    {
        if (pushes > MaxPushes)
            return newChildren.empty();
        // The new children of one f are stored one after another: one entry of the open list.
        // The last stored is taken first: the object moved last goes on, and among the others
        // the one bound for the target to fill first.
        const bool ordering = techniques.ordering;
        std::stable_sort(newChildren.begin(), newChildren.end(),
            [ordering](const NewChild& a, const NewChild& b) {
                if (a.f != b.f || !ordering)
                    return a.f < b.f;
                if (a.sameObject != b.sameObject)
                    return a.sameObject < b.sameObject;
                return a.fillRank > b.fillRank;
            });
        lastFirst = static_cast<std::uint32_t>(store->Size());
        lastTo.clear();
        for (const NewChild& added : newChildren)
            lastTo.push_back(added.to);
        const auto allocate = [this] { return MayAllocate(OpenList::ChunkBytes); };
        for (const NewChild& added : newChildren) {
            const std::uint32_t at
                = store->Add(&newKeys[added.keyAt], added.hash, pushes, OtherBytes());
            if (at == PositionStore::None || !open.Push(added.f, pushes, at, 1, allocate))
                return false;
        }
        return true;
    }

    std::vector<std::vector<int>> Search::Chain(std::uint32_t goal)
    {
        std::vector<std::vector<int>> chain;
        int man = 0;
        codec.Unpack(store->Key(goal), objects.data(), man);
        chain.push_back(objects);
        for (int pushes = store->Pushes(goal); pushes > 0; --pushes) {
            for (int object : objects)
                occupied[object] = 1;
            Flood(man, reach, ++reachStamp, nullptr);
            bool found = false;
            // The push that led here moved some object from x to y, the man from behind x
            // to x, which is in his area now.
            for (int i = 0; i < objectCount && !found; ++i) {
                const int y = objects[i];
                for (int d = 0; d < Directions && !found; ++d) {
                    const int x = board.Neighbour(y, Opposite[d]);
                    const int behind = x < 0 ? -1 : board.Neighbour(x, Opposite[d]);
                    if (behind < 0 || reach[x] != reachStamp || occupied[behind])
                        continue;
                    occupied[y] = 0;
                    occupied[x] = 1;
                    const int before = Flood(behind, scratch, ++scratchStamp, nullptr);
                    std::copy(objects.begin(), objects.end(), child.begin());
                    child[i] = x;
                    std::sort(child.begin(), child.end());
                    codec.Pack(child.data(), before, key.data());
                    const std::uint32_t at = store->Find(
                        key.data(), PositionStore::Hash(key.data(), codec.KeyBytes()));
                    occupied[x] = 0;
                    occupied[y] = 1;
                    if (at != PositionStore::None && store->Pushes(at) == pushes - 1) {
                        found = true;
                        for (int object : objects)
                            occupied[object] = 0;
                        objects = child;
                        man = before;
                    }
                }
            }
            if (!found)
                break; // cannot happen: every stored count is that of a path from the start
            chain.push_back(objects);
        }
        std::fill(occupied.begin(), occupied.end(), 0);
        std::reverse(chain.begin(), chain.end());
        return chain;
    }

    std::vector<GameMove> Search::Moves(const GamePosition& start, std::uint32_t goal)
    {
        const std::vector<std::vector<int>> chain = Chain(goal);
        GamePosition position = start;
        std::vector<GameMove> moves;
        std::vector<int> from, to;
        for (std::size_t k = 1; k < chain.size(); ++k) {
            const std::vector<int>& before = chain[k - 1];
            const std::vector<int>& after = chain[k];
            // One object moved by one push: the one cell left and the one cell taken.
            from.clear();
            to.clear();
            std::set_difference(
                before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(from));
            std::set_difference(
                after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(to));
            const int gridFrom = board.GridIndexOf(from.at(0));
            const int gridTo = board.GridIndexOf(to.at(0));
            for (Direction d : geometry::AllDirections) {
                if (NeighbourIndex(gridFrom, d) != gridTo)
                    continue;
                const auto walk = position.WalkTo(NeighbourIndex(gridFrom, geometry::Opposite(d)));
                for (Direction step : walk.value_or(std::vector<Direction> {})) {
                    position.Apply(step);
                    moves.push_back({ step, false });
                }
                position.Apply(d);
                moves.push_back({ d, true });
                break;
            }
        }
        return moves;
    }

    SolveResult Search::Run(const GamePosition& start)
    {
        started = Clock::now();
        SolveResult result;
        auto finish = [&](SolveOutcome outcome) {
            result.outcome = outcome;
            result.limit = stoppedBy;
            result.positionsSearched = searched;
            result.positionsExpanded = expansions;
            if (store) {
                result.positionsStored = store->Size();
                result.bytesStored = store->Bytes() + open.Bytes();
            }
            if (control)
                control->searched.store(searched, std::memory_order_relaxed);
            const std::chrono::duration<double> elapsed = Clock::now() - started;
            result.seconds = elapsed.count();
            return result;
        };

        objects = board.StartObjects();
        if (board.StrandedObject() || objectCount != board.TargetCount())
            return finish(SolveOutcome::Unsolvable);
        for (int object : objects)
            if (board.IsDead(object))
                return finish(SolveOutcome::Unsolvable);
        const int h0 = board.LowerBound(objects.data(), objectCount, assignment);
        result.startBound = h0;
        if (h0 >= SolverBoard::Unreachable || (techniques.startChecks && StartIsHopeless(board)))
            return finish(SolveOutcome::Unsolvable);

        fillRank = techniques.ordering ? FillOrder(board) : std::vector<int>(objectCount, 0);
        store = std::make_unique<PositionStore>(
            codec.KeyBytes(), limits.memoryBytes, [this] { return OverLimit(); });
        for (int object : objects)
            occupied[object] = 1;
        codec.Pack(
            objects.data(), Flood(board.StartMan(), scratch, ++scratchStamp, nullptr), key.data());
        for (int object : objects)
            occupied[object] = 0;
        const std::uint32_t root = store->Add(
            key.data(), PositionStore::Hash(key.data(), codec.KeyBytes()), 0, board.Bytes());
        if (root == PositionStore::None
            || !open.Push(h0, 0, root, 1, [this] { return MayAllocate(OpenList::ChunkBytes); })) {
            stoppedBy = SolveLimit::Memory;
            return finish(SolveOutcome::GaveUp);
        }

        for (int f = h0; !open.Empty(); ++f) {
            std::uint32_t index = 0;
            int pushes = 0;
            while (open.Pop(f, index, pushes)) {
                // A position found again by fewer pushes is in the list twice; the entry
                // with the old count is passed over.
                if (store->Pushes(index) != pushes)
                    continue;
                bool solved = false;
                if (!Expand(index, pushes, f, solved))
                    return finish(SolveOutcome::GaveUp);
                if (solved) {
                    const std::vector<GameMove> moves = Moves(start, index);
                    result.pushes = pushes;
                    result.moves = static_cast<int>(moves.size());
                    result.solution = FormatSolution(moves);
                    return finish(SolveOutcome::Solved);
                }
            }
        }
        return finish(SolveOutcome::Unsolvable);
    }
}

SolveResult Solve(const GamePosition& start, const SolverLimits& limits, SolveControl* control)
{
    return Solve(start, limits, SolverTechniques {}, control);
}

SolveResult Solve(const GamePosition& start, const SolverLimits& limits,
    const SolverTechniques& techniques, SolveControl* control)
{
    if (start.Check() != Playability::Playable) {
        SolveResult result;
        result.outcome = SolveOutcome::NotPlayable;
        return result;
    }
    const SolverBoard board(start);
    Search search(board, limits, techniques, control);
    return search.Run(start);
}

} // namespace quobix::game
