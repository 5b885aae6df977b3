#include "game/PositionStore.h"

#include <cstring>

namespace quobix::game {

namespace {
    constexpr std::size_t FirstSlots = 16;
    constexpr std::size_t RehashCheckEvery = 1 << 16;
    constexpr std::size_t RehashPrefetch = 8; // slots between a position's fetch and its use

    // A shard grows by a quarter when nine tenths of it are used, so that the index holds its
    // positions at a load between 0.72 and 0.9 at every size; linear probing stays short
    // because the hash bits in the slots spare the comparisons.
    std::size_t LimitOf(std::size_t size) { return size - size / 10; }

    // The slot a probe starts at: the hash scaled to the shard's size, which need not be a
    // power of two.
    std::size_t StartOf(std::uint64_t hash, std::size_t size)
    {
        return static_cast<std::size_t>(((hash & 0xFFFFFFFFu) * size) >> 32);
    }
}

PositionStore::PositionStore(int keyBytes, std::size_t memoryCap, std::function<bool()> stop)
    : keyBytes(keyBytes)
    , stride(static_cast<std::size_t>(keyBytes) + 2)
    , cap(memoryCap)
    , shouldStop(std::move(stop))
{
    // No more positions than the cap has room for: the rest of a slot holds hash bits.
    const std::size_t most = memoryCap / stride + 1;
    indexBits = 1;
    while (indexBits < 32 && (std::size_t(1) << indexBits) <= most)
        ++indexBits;
    indexMask = indexBits == 32 ? 0xFFFFFFFFu : (1u << indexBits) - 1;
}

std::uint64_t PositionStore::Hash(const unsigned char* key, int bytes)
{
    std::uint64_t hash = 0x243F6A8885A308D3ull ^ static_cast<std::uint64_t>(bytes);
    for (int at = 0; at < bytes; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, key + at, static_cast<std::size_t>(bytes - at < 8 ? bytes - at : 8));
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
        hash ^= hash >> 29;
    }
    hash *= 0xBF58476D1CE4E5B9ull;
    return hash ^ (hash >> 31);
}

std::uint32_t PositionStore::Find(const unsigned char* key, std::uint64_t hash) const
{
    const Shard& shard = shards[hash >> (64 - ShardBits)];
    if (shard.table.empty())
        return None;
    const std::size_t size = shard.table.size();
    const std::uint32_t tag = static_cast<std::uint32_t>(hash >> 24) & ~indexMask;
    for (std::size_t at = StartOf(hash, size);; at = at + 1 == size ? 0 : at + 1) {
        const std::uint32_t slot = shard.table[at];
        if (slot == 0)
            return None;
        if ((slot & ~indexMask) == tag
            && std::memcmp(Record((slot & indexMask) - 1), key, static_cast<std::size_t>(keyBytes))
                == 0)
            return (slot & indexMask) - 1;
    }
}

void PositionStore::PrefetchSlot(std::uint64_t hash) const
{
    const Shard& shard = shards[hash >> (64 - ShardBits)];
    if (!shard.table.empty())
        __builtin_prefetch(&shard.table[StartOf(hash, shard.table.size())]);
}

void PositionStore::PrefetchRecord(std::uint64_t hash) const
{
    const Shard& shard = shards[hash >> (64 - ShardBits)];
    if (shard.table.empty())
        return;
    const std::uint32_t slot = shard.table[StartOf(hash, shard.table.size())];
    const std::uint32_t tag = static_cast<std::uint32_t>(hash >> 24) & ~indexMask;
    if (slot != 0 && (slot & ~indexMask) == tag)
        __builtin_prefetch(Record((slot & indexMask) - 1));
}

void PositionStore::Place(Shard& shard, std::uint64_t hash, std::uint32_t index) const
{
    const std::size_t size = shard.table.size();
    std::size_t at = StartOf(hash, size);
    while (shard.table[at] != 0)
        at = at + 1 == size ? 0 : at + 1;
    shard.table[at] = (static_cast<std::uint32_t>(hash >> 24) & ~indexMask) | (index + 1);
    ++shard.used;
}

bool PositionStore::Grow(int k, std::size_t otherBytes)
{
    // During the rehash the old and the new table both exist.
    Shard& shard = shards[k];
    const std::size_t newSize
        = shard.table.empty() ? FirstSlots : shard.table.size() + shard.table.size() / 4;
    if (Bytes() + newSize * sizeof(std::uint32_t) + otherBytes > cap)
        return false;
    Shard grown;
    grown.table.assign(newSize, 0);
    std::size_t moved = 0;
    // The positions lie anywhere in memory: each is asked for a few slots before it is read.
    const std::size_t size = shard.table.size();
    for (std::size_t at = 0; at < size; ++at) {
        const std::size_t ahead = at + RehashPrefetch;
        if (ahead < size && shard.table[ahead] != 0)
            __builtin_prefetch(Record((shard.table[ahead] & indexMask) - 1));
        const std::uint32_t slot = shard.table[at];
        if (slot == 0)
            continue;
        if (++moved % RehashCheckEvery == 0 && shouldStop && shouldStop())
            return false;
        const std::uint32_t index = (slot & indexMask) - 1;
        Place(grown, Hash(Record(index), keyBytes), index);
    }
    grown.limit = LimitOf(newSize);
    indexBytes += (newSize - shard.table.size()) * sizeof(std::uint32_t);
    shard = std::move(grown);
    return true;
}

std::uint32_t PositionStore::Add(
    const unsigned char* key, std::uint64_t hash, int pushes, std::size_t otherBytes)
{
    const int k = static_cast<int>(hash >> (64 - ShardBits));
    if (shards[k].used + 1 > shards[k].limit && !Grow(k, otherBytes))
        return None;
    // The open list marks runs with the top bit of a position's number.
    if (count >= indexMask || count >= 0x7FFFFFFFu)
        return None;
    if (count % BlockRecords == 0) {
        if (Bytes() + BlockRecords * stride + otherBytes > cap)
            return None;
        blocks.emplace_back(new unsigned char[BlockRecords * stride]);
        recordBytes += BlockRecords * stride;
    }
    const auto index = static_cast<std::uint32_t>(count++);
    unsigned char* record = Record(index);
    std::memcpy(record, key, static_cast<std::size_t>(keyBytes));
    SetPushes(index, pushes);
    Place(shards[k], hash, index);
    return index;
}

} // namespace quobix::game
