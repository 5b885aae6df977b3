#pragma once

#include "game/SolverBoard.h"

#include <cstdint>
#include <vector>

namespace quobix::game {

// A corral is a connected part of the area the man cannot reach, with the objects in it and
// around it. When every push the man can make of its objects goes into it (or onto a dead cell),
// and it is not yet solved (an object in it off target, or a target in it empty), some solution
// with the fewest pushes begins with a push into it: the pushes elsewhere that come first in a
// solution never touch it and can wait. So only the pushes into one such corral, the one with
// the fewest, need be tried; one with none means no solution at all.
class CorralFinder {
public:
    static constexpr int NoCorral = -1;

    explicit CorralFinder(const SolverBoard& board);

    // occupied marks the objects; reach[cell] == stamp where the man can walk. Returns NoCorral,
    // or the number of pushes into the corral found, whose objects are then marked in allowed
    // (by index into objects).
    int Find(const std::vector<std::uint8_t>& occupied, const std::vector<std::uint32_t>& reach,
        std::uint32_t stamp, const int* objects, int count, std::vector<std::uint8_t>& allowed);

private:
    const SolverBoard& board;
    std::vector<std::uint32_t> seen;
    std::uint32_t seenStamp = 0;
    std::vector<int> cells;
    std::vector<int> best;
};

} // namespace quobix::game
