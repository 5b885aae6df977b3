#include "game/OpenList.h"

#include <algorithm>

namespace quobix::game {

bool OpenList::Push(int f, int pushes, std::uint32_t first, std::uint32_t count,
    const std::function<bool()>& mayAllocate)
{
    if (static_cast<int>(rows.size()) <= f)
        rows.resize(f + 1);
    Row& row = rows[f];
    if (static_cast<int>(row.byPushes.size()) <= pushes)
        row.byPushes.resize(pushes + 1, nullptr);
    row.highest = std::max(row.highest, pushes);
    Chunk*& top = row.byPushes[pushes];
    waiting += count;
    // A run or a lone position just before extends.
    if (top && top->count > 0) {
        std::uint32_t& last = top->words[top->count - 1];
        if ((last & RunMark) != 0 && top->words[top->count - 2] + (last & ~RunMark) == first) {
            last += count;
            return true;
        }
        if ((last & RunMark) == 0 && last + 1 == first && top->count < Chunk::Capacity) {
            top->words[top->count++] = (count + 1) | RunMark;
            return true;
        }
    }
    const std::uint32_t words = count == 1 ? 1 : 2;
    if (!top || top->count + words > Chunk::Capacity) {
        Chunk* chunk = spare;
        if (chunk) {
            spare = chunk->next;
        } else {
            if (!mayAllocate()) {
                waiting -= count;
                return false;
            }
            owned.push_back(std::make_unique<Chunk>());
            chunk = owned.back().get();
        }
        chunk->count = 0;
        chunk->next = top;
        top = chunk;
    }
    top->words[top->count++] = first;
    if (count > 1)
        top->words[top->count++] = count | RunMark;
    return true;
}

bool OpenList::Pop(int f, std::uint32_t& index, int& pushes)
{
    if (f >= static_cast<int>(rows.size()))
        return false;
    Row& row = rows[f];
    for (; row.highest >= 0; --row.highest) {
        Chunk*& top = row.byPushes[row.highest];
        if (!top)
            continue;
        std::uint32_t& last = top->words[top->count - 1];
        if ((last & RunMark) == 0) {
            index = last;
            --top->count;
        } else {
            // The last of the run goes; a run of one is a lone position again.
            const std::uint32_t left = (last & ~RunMark) - 1;
            index = top->words[top->count - 2] + left;
            if (left == 1)
                --top->count;
            else
                last = left | RunMark;
        }
        if (top->count == 0) {
            Chunk* empty = top;
            top = empty->next;
            empty->next = spare;
            spare = empty;
        }
        pushes = row.highest;
        --waiting;
        return true;
    }
    return false;
}

std::size_t OpenList::Bytes() const
{
    std::size_t bytes = owned.size() * ChunkBytes + rows.capacity() * sizeof(Row);
    for (const Row& row : rows)
        bytes += row.byPushes.capacity() * sizeof(Chunk*);
    return bytes;
}

} // namespace quobix::game
