#pragma once

#include "game/SolverBoard.h"

#include <cstdint>
#include <vector>

namespace quobix::game {

// Packs a position of the search (the set of object cells and the man's cell) into few bytes.
// Objects never stand on dead cells, so only the other cells count; the set is written as its
// rank among all sets of that many cells (the combinatorial number system) when that fits in
// 128 bits, and as one bit per cell otherwise.
class StateCodec {
public:
    StateCodec(const SolverBoard& board, int objects);

    int KeyBytes() const { return keyBytes; }
    // objects: sorted cells, none of them dead.
    void Pack(const int* objects, int man, unsigned char* key) const;
    void Unpack(const unsigned char* key, int* objects, int& man) const;

private:
    __extension__ typedef unsigned __int128 Wide;

    Wide Choose(int n, int k) const { return binomial[k * width + n]; }

    int objectCount;
    int slotCount = 0; // cells where an object may stand
    int width = 1;
    std::vector<int> slotOfCell;
    std::vector<int> cellOfSlot;
    bool ranked = false;
    std::vector<Wide> binomial; // C(n, k) at k * width + n
    int setBits = 0;
    bool whole = false;
    int manBits = 1;
    int keyBytes = 1;
};

} // namespace quobix::game
