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
    if (top && top->count > 0) {
        Run& last = top->runs[top->count - 1];
        if (last.first + last.count == first) {
            last.count += count;
            waiting += count;
            return true;
        }
    }
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
    top->runs[top->count++] = { first, count };
    waiting += count;
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
        Run& last = top->runs[top->count - 1];
        index = last.first + --last.count;
        pushes = row.highest;
        if (last.count == 0 && --top->count == 0) {
            Chunk* empty = top;
            top = empty->next;
            empty->next = spare;
            spare = empty;
        }
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
