#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quobix::game {

// The positions the solver has seen, each stored once as a fixed number of packed bytes with
// the index of the position it came from and its push count, found again through an
// open-addressing hash table of 32-bit indices. Memory grows in blocks and never past the cap.
class PositionStore {
public:
    static constexpr std::uint32_t None = 0xFFFFFFFFu;

    // shouldStop is asked now and then during a long rehash; when it says yes, the rehash is
    // dropped and the insertion fails.
    PositionStore(int stateBytes, std::size_t memoryCap, std::function<bool()> shouldStop);

    // The index of the position, or None.
    std::uint32_t Find(const unsigned char* state, std::uint64_t hash) const;
    // Adds a position not yet stored; None when the memory cap (with otherBytes already used
    // elsewhere) or shouldStop forbids it.
    std::uint32_t Add(const unsigned char* state, std::uint64_t hash, std::uint32_t parent,
        int pushes, std::size_t otherBytes);

    const unsigned char* State(std::uint32_t index) const { return Record(index); }
    std::uint32_t Parent(std::uint32_t index) const;
    int Pushes(std::uint32_t index) const;
    bool Expanded(std::uint32_t index) const;
    void SetPath(std::uint32_t index, std::uint32_t parent, int pushes);
    void MarkExpanded(std::uint32_t index);

    std::size_t Size() const { return count; }
    std::size_t Bytes() const;
    int StateBytes() const { return stateBytes; }

    static std::uint64_t Hash(const unsigned char* state, int bytes);

private:
    static constexpr int BlockBits = 16;
    static constexpr std::size_t BlockRecords = std::size_t(1) << BlockBits;

    unsigned char* Record(std::uint32_t index) const
    {
        return blocks[index >> BlockBits].get() + (index & (BlockRecords - 1)) * stride;
    }
    bool Grow(std::size_t otherBytes);

    int stateBytes;
    std::size_t stride; // state, parent (4 bytes), pushes with the expanded bit (2 bytes)
    std::size_t cap;
    std::function<bool()> shouldStop;
    std::vector<std::unique_ptr<unsigned char[]>> blocks;
    std::vector<std::uint32_t> buckets; // index + 1, 0 for an empty slot
    std::size_t count = 0;
};

} // namespace quobix::game
