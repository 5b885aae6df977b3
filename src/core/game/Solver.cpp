#include "game/Solver.h"

#include "game/PositionStore.h"
#include "game/SolutionNotation.h"
#include "game/SolverBoard.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iterator>
#include <memory>

namespace quobix::game {

namespace {
    using Clock = std::chrono::steady_clock;
    constexpr int Directions = geometry::DirectionCount;
    constexpr int MaxPushes = 0x7FFE; // the store keeps pushes in 15 bits
    constexpr int CheckEvery = 128; // expansions between looks at the clock and at Cancel

    // Positions waiting to be expanded, by f = pushes + lower bound and then by the lower
    // bound alone: the smallest f first, and within it the position nearest to a solution.
    // Each bucket is a stack of 4 KiB chunks, so that memory is taken in small steps.
    class OpenList {
    public:
        static constexpr std::size_t ChunkBytes = 4096;

        bool Push(int f, int h, std::uint32_t index, const std::function<bool()>& mayAllocate)
        {
            if (static_cast<int>(buckets.size()) <= f)
                buckets.resize(f + 1);
            auto& row = buckets[f];
            if (static_cast<int>(row.size()) <= h)
                row.resize(h + 1, nullptr);
            Chunk*& top = row[h];
            if (!top || top->count == Chunk::Capacity) {
                Chunk* chunk = spare;
                if (chunk) {
                    spare = chunk->next;
                } else {
                    if (!mayAllocate())
                        return false;
                    owned.push_back(std::make_unique<Chunk>());
                    chunk = owned.back().get();
                }
                chunk->count = 0;
                chunk->next = top;
                top = chunk;
            }
            top->entries[top->count++] = index;
            ++entries;
            return true;
        }

        bool Pop(int f, std::uint32_t& index, int& h)
        {
            if (f >= static_cast<int>(buckets.size()))
                return false;
            auto& row = buckets[f];
            for (h = 0; h < static_cast<int>(row.size()); ++h) {
                Chunk*& top = row[h];
                if (!top)
                    continue;
                index = top->entries[--top->count];
                if (top->count == 0) {
                    Chunk* empty = top;
                    top = empty->next;
                    empty->next = spare;
                    spare = empty;
                }
                --entries;
                return true;
            }
            return false;
        }

        bool Empty() const { return entries == 0; }
        std::size_t Bytes() const
        {
            std::size_t bytes = owned.size() * ChunkBytes;
            for (const auto& row : buckets)
                bytes += row.capacity() * sizeof(Chunk*);
            return bytes + buckets.capacity() * sizeof(buckets[0]);
        }

    private:
        struct Chunk {
            static constexpr std::uint32_t Capacity
                = (ChunkBytes - sizeof(void*) - sizeof(std::uint32_t)) / sizeof(std::uint32_t);
            Chunk* next = nullptr;
            std::uint32_t count = 0;
            std::uint32_t entries[Capacity];
        };
        std::vector<std::vector<Chunk*>> buckets;
        std::vector<std::unique_ptr<Chunk>> owned;
        Chunk* spare = nullptr;
        std::size_t entries = 0;
    };

    class Search {
    public:
        Search(const SolverBoard& board, const SolverLimits& limits, SolveControl* control)
            : board(board)
            , limits(limits)
            , control(control)
            , cells(board.CellCount())
            , objectCount(static_cast<int>(board.StartObjects().size()))
            , occupied(cells, 0)
            , reach(cells, 0)
            , scratch(cells, 0)
            , stack(cells, 0)
            , objects(objectCount)
            , child(objectCount)
        {
            while ((1 << bits) < cells)
                ++bits;
            stateBytes = std::max(1, ((objectCount + 1) * bits + 7) / 8);
            packed.resize(stateBytes);
            for (int d = 0; d < Directions; ++d)
                opposite[d] = static_cast<int>(geometry::Opposite(static_cast<Direction>(d)));
        }

        SolveResult Run(const GamePosition& start);

    private:
        void Pack(const int* objects, int man, unsigned char* out) const;
        void Unpack(const unsigned char* in, int* objects, int& man) const;
        // Marks the cells the man reaches from cell with stamp in marks; returns the lowest.
        int Flood(int from, std::vector<std::uint32_t>& marks, std::uint32_t stamp);
        // Expands one position taken from the open list at f; false when a limit stopped it.
        bool Expand(std::uint32_t index, int pushes, int f);
        bool OverLimit();
        bool MayAllocate(std::size_t bytes) const;
        std::vector<GameMove> Moves(const GamePosition& start, std::uint32_t goal) const;

        const SolverBoard& board;
        SolverLimits limits;
        SolveControl* control;
        int cells;
        int objectCount;
        int bits = 1;
        int stateBytes = 1;
        int opposite[Directions];
        std::vector<std::uint8_t> occupied;
        std::vector<std::uint32_t> reach;
        std::vector<std::uint32_t> scratch;
        std::vector<int> stack;
        // Work space of Expand.
        std::vector<int> objects;
        std::vector<int> child;
        std::vector<unsigned char> packed;
        std::uint32_t reachStamp = 0;
        std::uint32_t scratchStamp = 0;
        std::unique_ptr<PositionStore> store;
        OpenList open;
        std::uint64_t searched = 0;
        std::uint64_t expansions = 0;
        Clock::time_point started;
        SolveLimit stoppedBy = SolveLimit::None;
    };

    void Search::Pack(const int* objects, int man, unsigned char* out) const
    {
        std::memset(out, 0, static_cast<std::size_t>(stateBytes));
        std::uint64_t buffer = 0;
        int buffered = 0;
        int at = 0;
        auto put = [&](int value) {
            buffer |= static_cast<std::uint64_t>(value) << buffered;
            buffered += bits;
            while (buffered >= 8) {
                out[at++] = static_cast<unsigned char>(buffer);
                buffer >>= 8;
                buffered -= 8;
            }
        };
        for (int k = 0; k < objectCount; ++k)
            put(objects[k]);
        put(man);
        if (buffered > 0)
            out[at] = static_cast<unsigned char>(buffer);
    }

    void Search::Unpack(const unsigned char* in, int* objects, int& man) const
    {
        std::uint64_t buffer = 0;
        int buffered = 0;
        int at = 0;
        const std::uint64_t mask = (std::uint64_t(1) << bits) - 1;
        auto take = [&]() {
            while (buffered < bits) {
                buffer |= static_cast<std::uint64_t>(in[at++]) << buffered;
                buffered += 8;
            }
            const int value = static_cast<int>(buffer & mask);
            buffer >>= bits;
            buffered -= bits;
            return value;
        };
        for (int k = 0; k < objectCount; ++k)
            objects[k] = take();
        man = take();
    }

    int Search::Flood(int from, std::vector<std::uint32_t>& marks, std::uint32_t stamp)
    {
        int lowest = from;
        int top = 0;
        marks[from] = stamp;
        stack[top++] = from;
        while (top > 0) {
            const int here = stack[--top];
            for (int d = 0; d < Directions; ++d) {
                const int next = board.Neighbour(here, d);
                if (next < 0 || marks[next] == stamp || occupied[next])
                    continue;
                marks[next] = stamp;
                stack[top++] = next;
                lowest = std::min(lowest, next);
            }
        }
        return lowest;
    }

    bool Search::MayAllocate(std::size_t bytes) const
    {
        return store->Bytes() + open.Bytes() + board.Bytes() + bytes <= limits.memoryBytes;
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

    bool Search::Expand(std::uint32_t index, int pushes, int f)
    {
        int man = 0;
        Unpack(store->State(index), objects.data(), man);
        for (int object : objects)
            occupied[object] = 1;
        Flood(man, reach, ++reachStamp);
        const auto allocate = [this] { return MayAllocate(OpenList::ChunkBytes); };

        bool ok = true;
        for (int i = 0; i < objectCount && ok; ++i) {
            const int x = objects[i];
            for (int d = 0; d < Directions && ok; ++d) {
                const int behind = board.Neighbour(x, opposite[d]);
                const int y = board.Neighbour(x, d);
                if (behind < 0 || reach[behind] != reachStamp || y < 0 || occupied[y]
                    || board.IsDead(y))
                    continue;
                ++searched;
                occupied[x] = 0;
                occupied[y] = 1;
                if (!board.FrozenOffTarget(y, occupied)) {
                    const int childMan = Flood(x, scratch, ++scratchStamp);
                    // The objects stay sorted: move y to its place.
                    std::copy(objects.begin(), objects.end(), child.begin());
                    int k = i;
                    child[k] = y;
                    while (k > 0 && child[k - 1] > child[k]) {
                        std::swap(child[k - 1], child[k]);
                        --k;
                    }
                    while (k + 1 < objectCount && child[k + 1] < child[k]) {
                        std::swap(child[k + 1], child[k]);
                        ++k;
                    }
                    Pack(child.data(), childMan, packed.data());
                    const std::uint64_t hash = PositionStore::Hash(packed.data(), stateBytes);
                    const std::uint32_t found = store->Find(packed.data(), hash);
                    const int childPushes = pushes + 1;
                    if (found == PositionStore::None
                        || (!store->Expanded(found) && store->Pushes(found) > childPushes)) {
                        const int h = board.LowerBound(child.data(), objectCount);
                        if (h < SolverBoard::Unreachable) {
                            std::uint32_t at = found;
                            if (found == PositionStore::None)
                                at = store->Add(packed.data(), hash, index, childPushes,
                                    open.Bytes() + board.Bytes());
                            else
                                store->SetPath(found, index, childPushes);
                            // Never below the f being expanded, so that nothing is left
                            // behind, even should the bound ever fall by more than one.
                            if (at == PositionStore::None || childPushes > MaxPushes
                                || !open.Push(std::max(f, childPushes + h), h, at, allocate)) {
                                // A rehash may have stopped for the clock or for Cancel.
                                if (stoppedBy == SolveLimit::None)
                                    stoppedBy = SolveLimit::Memory;
                                ok = false;
                            }
                        }
                    }
                }
                occupied[x] = 1;
                occupied[y] = 0;
            }
        }
        for (int object : objects)
            occupied[object] = 0;
        if (ok && ++expansions % CheckEvery == 0 && OverLimit())
            ok = false;
        return ok;
    }

    std::vector<GameMove> Search::Moves(const GamePosition& start, std::uint32_t goal) const
    {
        std::vector<std::uint32_t> chain;
        for (std::uint32_t at = goal; at != PositionStore::None; at = store->Parent(at))
            chain.push_back(at);
        std::reverse(chain.begin(), chain.end());

        GamePosition position = start;
        std::vector<GameMove> moves;
        std::vector<int> before(objectCount), after(objectCount), from, to;
        int man = 0;
        for (std::size_t k = 1; k < chain.size(); ++k) {
            Unpack(store->State(chain[k - 1]), before.data(), man);
            Unpack(store->State(chain[k]), after.data(), man);
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
        if (board.StrandedObject())
            return finish(SolveOutcome::Unsolvable);
        for (int object : objects)
            if (board.IsDead(object))
                return finish(SolveOutcome::Unsolvable);
        const int h0 = board.LowerBound(objects.data(), objectCount);
        if (h0 >= SolverBoard::Unreachable)
            return finish(SolveOutcome::Unsolvable);

        store = std::make_unique<PositionStore>(
            stateBytes, limits.memoryBytes, [this] { return OverLimit(); });
        for (int object : objects)
            occupied[object] = 1;
        Pack(objects.data(), Flood(board.StartMan(), scratch, ++scratchStamp), packed.data());
        for (int object : objects)
            occupied[object] = 0;
        const std::uint32_t root = store->Add(packed.data(),
            PositionStore::Hash(packed.data(), stateBytes), PositionStore::None, 0, 0);
        const auto allocate = [this] { return MayAllocate(OpenList::ChunkBytes); };
        if (root == PositionStore::None || !open.Push(h0, h0, root, allocate)) {
            stoppedBy = SolveLimit::Memory;
            return finish(SolveOutcome::GaveUp);
        }

        for (int f = h0; !open.Empty(); ++f) {
            std::uint32_t index = 0;
            int h = 0;
            while (open.Pop(f, index, h)) {
                // A position found again by fewer pushes is in the list twice; the first
                // time it comes out it is expanded, the second time skipped.
                if (store->Expanded(index))
                    continue;
                const int pushes = store->Pushes(index);
                if (h == 0) {
                    const std::vector<GameMove> moves = Moves(start, index);
                    result.pushes = pushes;
                    result.moves = static_cast<int>(moves.size());
                    result.solution = FormatSolution(moves);
                    return finish(SolveOutcome::Solved);
                }
                store->MarkExpanded(index);
                if (!Expand(index, pushes, f))
                    return finish(SolveOutcome::GaveUp);
            }
        }
        return finish(SolveOutcome::Unsolvable);
    }
}

SolveResult Solve(const GamePosition& start, const SolverLimits& limits, SolveControl* control)
{
    if (start.Check() != Playability::Playable) {
        SolveResult result;
        result.outcome = SolveOutcome::NotPlayable;
        return result;
    }
    const SolverBoard board(start);
    Search search(board, limits, control);
    return search.Run(start);
}

} // namespace quobix::game
