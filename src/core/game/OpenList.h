#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quobix::game {

// Positions waiting to be expanded, by f (pushes so far + lower bound) and then by the pushes
// so far: the smallest f first, and within it the deepest position, which is the nearest to a
// solution. A position waiting alone takes one 32-bit word, and a run of positions stored one
// after the other with the same f and pushes (the new children of one expansion) two: its
// first and, marked by the top bit, its length. Each bucket is a stack of 1 KiB chunks:
// memory is taken in small steps.
class OpenList {
public:
    static constexpr std::size_t ChunkBytes = 1024;

    // Positions are numbered below 2^31.
    static constexpr std::uint32_t RunMark = 0x80000000u;

    // Adds positions first .. first + count - 1; false when mayAllocate refuses a new chunk.
    bool Push(int f, int pushes, std::uint32_t first, std::uint32_t count,
        const std::function<bool()>& mayAllocate);
    // Takes the last position added to the first bucket of f that is not empty.
    bool Pop(int f, std::uint32_t& index, int& pushes);

    bool Empty() const { return waiting == 0; }
    std::size_t Bytes() const;

private:
    struct Chunk {
        static constexpr std::uint32_t Capacity
            = (ChunkBytes - sizeof(void*) - sizeof(std::uint32_t)) / sizeof(std::uint32_t);
        Chunk* next = nullptr;
        std::uint32_t count = 0;
        std::uint32_t words[Capacity];
    };
    struct Row {
        std::vector<Chunk*> byPushes;
        int highest = -1; // no bucket above holds a position
    };
    std::vector<Row> rows;
    std::vector<std::unique_ptr<Chunk>> owned;
    Chunk* spare = nullptr;
    std::size_t waiting = 0;
};

} // namespace quobix::game
