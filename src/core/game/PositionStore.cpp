#include "game/PositionStore.h"

#include <cstring>

namespace quobix::game {

namespace {
    constexpr std::uint16_t ExpandedBit = 0x8000;
    constexpr std::size_t FirstSlots = 1 << 12;
    constexpr std::size_t RehashCheckEvery = 1 << 16;
}

PositionStore::PositionStore(int stateBytes, std::size_t memoryCap, std::function<bool()> stop)
    : stateBytes(stateBytes)
    , stride(static_cast<std::size_t>(stateBytes) + 6)
    , cap(memoryCap)
    , shouldStop(std::move(stop))
{
}

std::uint64_t PositionStore::Hash(const unsigned char* state, int bytes)
{
    std::uint64_t hash = 0x243F6A8885A308D3ull ^ static_cast<std::uint64_t>(bytes);
    for (int at = 0; at < bytes; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, state + at, static_cast<std::size_t>(bytes - at < 8 ? bytes - at : 8));
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
        hash ^= hash >> 29;
    }
    hash *= 0xBF58476D1CE4E5B9ull;
    return hash ^ (hash >> 31);
}

std::uint32_t PositionStore::Find(const unsigned char* state, std::uint64_t hash) const
{
    if (buckets.empty())
        return None;
    const std::size_t mask = buckets.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const std::uint32_t slot = buckets[at];
        if (slot == 0)
            return None;
        if (std::memcmp(Record(slot - 1), state, static_cast<std::size_t>(stateBytes)) == 0)
            return slot - 1;
    }
}

bool PositionStore::Grow(std::size_t otherBytes)
{
    // During the rehash the old and the new table both exist.
    const std::size_t newSize = buckets.empty() ? FirstSlots : 2 * buckets.size();
    if (Bytes() + newSize * sizeof(std::uint32_t) + otherBytes > cap)
        return false;
    std::vector<std::uint32_t> grown(newSize, 0);
    const std::size_t mask = newSize - 1;
    for (std::size_t index = 0; index < count; ++index) {
        if (index % RehashCheckEvery == RehashCheckEvery - 1 && shouldStop && shouldStop())
            return false;
        const auto* state = Record(static_cast<std::uint32_t>(index));
        std::size_t at = Hash(state, stateBytes) & mask;
        while (grown[at] != 0)
            at = (at + 1) & mask;
        grown[at] = static_cast<std::uint32_t>(index + 1);
    }
    buckets.swap(grown);
    return true;
}

std::uint32_t PositionStore::Add(const unsigned char* state, std::uint64_t hash,
    std::uint32_t parent, int pushes, std::size_t otherBytes)
{
    // At most three quarters of the buckets in use keeps the probes short.
    if (4 * (count + 1) > 3 * buckets.size() && !Grow(otherBytes))
        return None;
    if (count == None - 1)
        return None;
    if (count % BlockRecords == 0) {
        if (Bytes() + BlockRecords * stride + otherBytes > cap)
            return None;
        blocks.emplace_back(new unsigned char[BlockRecords * stride]);
    }
    const auto index = static_cast<std::uint32_t>(count++);
    unsigned char* record = Record(index);
    std::memcpy(record, state, static_cast<std::size_t>(stateBytes));
    SetPath(index, parent, pushes);
    const std::size_t mask = buckets.size() - 1;
    std::size_t at = hash & mask;
    while (buckets[at] != 0)
        at = (at + 1) & mask;
    buckets[at] = index + 1;
    return index;
}

std::uint32_t PositionStore::Parent(std::uint32_t index) const
{
    std::uint32_t parent;
    std::memcpy(&parent, Record(index) + stateBytes, sizeof parent);
    return parent;
}

int PositionStore::Pushes(std::uint32_t index) const
{
    std::uint16_t pushes;
    std::memcpy(&pushes, Record(index) + stateBytes + 4, sizeof pushes);
    return pushes & ~ExpandedBit;
}

bool PositionStore::Expanded(std::uint32_t index) const
{
    std::uint16_t pushes;
    std::memcpy(&pushes, Record(index) + stateBytes + 4, sizeof pushes);
    return (pushes & ExpandedBit) != 0;
}

void PositionStore::SetPath(std::uint32_t index, std::uint32_t parent, int pushes)
{
    unsigned char* record = Record(index);
    const auto value = static_cast<std::uint16_t>(pushes);
    std::memcpy(record + stateBytes, &parent, sizeof parent);
    std::memcpy(record + stateBytes + 4, &value, sizeof value);
}

void PositionStore::MarkExpanded(std::uint32_t index)
{
    std::uint16_t pushes;
    unsigned char* at = Record(index) + stateBytes + 4;
    std::memcpy(&pushes, at, sizeof pushes);
    pushes |= ExpandedBit;
    std::memcpy(at, &pushes, sizeof pushes);
}

std::size_t PositionStore::Bytes() const
{
    return blocks.size() * BlockRecords * stride + buckets.size() * sizeof(std::uint32_t);
}

} // namespace quobix::game
