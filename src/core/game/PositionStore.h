#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quobix::game {

// The positions the solver has seen, each stored once as a fixed number of key bytes and its
// push count, in blocks that are never moved, and found again through a hash index of 32-bit
// slots. The index is cut into shards that grow by a quarter each, one at a time, so that its
// size follows the positions closely and a rehash is short; the bits a slot does not need for
// the position's number hold a few bits of its hash, which spare most comparisons with other
// positions. Memory never passes the cap.
class PositionStore {
public:
    static constexpr std::uint32_t None = 0xFFFFFFFFu;

    // shouldStop is asked now and then during a long rehash; when it says yes, the insertion
    // fails.
    PositionStore(int keyBytes, std::size_t memoryCap, std::function<bool()> shouldStop);

    // The index of the position, or None.
    std::uint32_t Find(const unsigned char* key, std::uint64_t hash) const;
    // Asks the processor to fetch what Find(key, hash) will read first: its slot of the index,
    // and once that has arrived, the position in that slot when its hash bits agree. A search
    // that calls both for a batch of positions before it looks them up waits for memory once
    // per batch instead of once per position.
    void PrefetchSlot(std::uint64_t hash) const;
    void PrefetchRecord(std::uint64_t hash) const;
    // Adds a position not yet stored; None when the memory cap (with otherBytes already used
    // elsewhere) or shouldStop forbids it.
    std::uint32_t Add(
        const unsigned char* key, std::uint64_t hash, int pushes, std::size_t otherBytes);

    const unsigned char* Key(std::uint32_t index) const { return Record(index); }
    int Pushes(std::uint32_t index) const
    {
        const unsigned char* at = Record(index) + keyBytes;
        return at[0] | at[1] << 8;
    }
    void SetPushes(std::uint32_t index, int pushes)
    {
        unsigned char* at = Record(index) + keyBytes;
        at[0] = static_cast<unsigned char>(pushes);
        at[1] = static_cast<unsigned char>(pushes >> 8);
    }

    std::size_t Size() const { return count; }
    std::size_t Bytes() const { return recordBytes + indexBytes; }

    static std::uint64_t Hash(const unsigned char* key, int bytes);

private:
    static constexpr int ShardBits = 8;
    static constexpr int Shards = 1 << ShardBits;
    static constexpr int BlockBits = 10;
    static constexpr std::size_t BlockRecords = std::size_t(1) << BlockBits;

    struct Shard {
        std::vector<std::uint32_t> table;
        std::size_t used = 0;
        std::size_t limit = 0; // grows when used would pass it
    };

    unsigned char* Record(std::uint32_t index) const
    {
        return blocks[index >> BlockBits].get() + (index & (BlockRecords - 1)) * stride;
    }
    bool Grow(int shard, std::size_t otherBytes);
    void Place(Shard& shard, std::uint64_t hash, std::uint32_t index) const;

    int keyBytes;
    std::size_t stride; // key, then the push count in two bytes
    std::size_t cap;
    std::function<bool()> shouldStop;
    int indexBits; // of a slot: position number + 1, 0 for an empty slot
    std::uint32_t indexMask;
    std::vector<std::unique_ptr<unsigned char[]>> blocks;
    Shard shards[Shards];
    std::size_t count = 0;
    std::size_t recordBytes = 0;
    std::size_t indexBytes = 0;
};

} // namespace quobix::game
