#include "game/StateCodec.h"

#include <cstring>

namespace quobix::game {

namespace {
    // Little-endian bit fields in a byte string.
    void PutBits(unsigned char* out, int& at, std::uint64_t value, int bits)
    {
        for (int k = 0; k < bits; ++k, ++at)
            if ((value >> k) & 1)
                out[at >> 3] |= static_cast<unsigned char>(1 << (at & 7));
    }

    std::uint64_t TakeBits(const unsigned char* in, int& at, int bits)
    {
        std::uint64_t value = 0;
        for (int k = 0; k < bits; ++k, ++at)
            value |= static_cast<std::uint64_t>((in[at >> 3] >> (at & 7)) & 1) << k;
        return value;
    }

    int BitsFor(std::uint64_t count)
    {
        int bits = 1;
        while (bits < 64 && (std::uint64_t(1) << bits) < count)
            ++bits;
        return bits;
    }
}

StateCodec::StateCodec(const SolverBoard& board, int objects)
    : objectCount(objects)
    , slotOfCell(board.CellCount(), -1)
{
    for (int cell = 0; cell < board.CellCount(); ++cell)
        if (!board.IsDead(cell)) {
            slotOfCell[cell] = slotCount++;
            cellOfSlot.push_back(cell);
        }
    manBits = BitsFor(static_cast<std::uint64_t>(board.CellCount()));

    // C(n, k) by Pascal's rule while it stays below 2^127; the largest rank is C(slotCount, k) - 1.
    const Wide limit = Wide(1) << 127;
    width = slotCount + 1;
    binomial.assign(static_cast<std::size_t>(objects + 1) * width, 0);
    ranked = objects <= slotCount;
    for (int n = 0; n <= slotCount && ranked; ++n) {
        binomial[n] = 1;
        for (int k = 1; k <= objects && k <= n; ++k) {
            const Wide value = binomial[(k - 1) * width + n - 1] + binomial[k * width + n - 1];
            ranked = ranked && value < limit;
            binomial[k * width + n] = value;
        }
    }
    if (ranked) {
        Wide largest = Choose(slotCount, objects) - 1;
        while (largest != 0) {
            ++setBits;
            largest >>= 1;
        }
    } else {
        binomial.clear();
        setBits = slotCount;
    }
    keyBytes = (setBits + manBits + 7) / 8;
    // A key of up to 16 bytes is one number.
    whole = ranked && setBits + manBits <= 128;
}

void StateCodec::Pack(const int* objects, int man, unsigned char* key) const
{
    if (whole) {
        Wide value = static_cast<Wide>(man) << setBits;
        for (int i = 0; i < objectCount; ++i)
            value += Choose(slotOfCell[objects[i]], i + 1);
        for (int b = 0; b < keyBytes; ++b, value >>= 8)
            key[b] = static_cast<unsigned char>(value);
        return;
    }
    std::memset(key, 0, static_cast<std::size_t>(keyBytes));
    int at = setBits;
    if (ranked) {
        Wide rank = 0;
        for (int i = 0; i < objectCount; ++i)
            rank += Choose(slotOfCell[objects[i]], i + 1);
        at = 0;
        PutBits(key, at, static_cast<std::uint64_t>(rank), setBits < 64 ? setBits : 64);
        if (setBits > 64)
            PutBits(key, at, static_cast<std::uint64_t>(rank >> 64), setBits - 64);
    } else {
        for (int i = 0; i < objectCount; ++i) {
            const int slot = slotOfCell[objects[i]];
            key[slot >> 3] |= static_cast<unsigned char>(1 << (slot & 7));
        }
    }
    PutBits(key, at, static_cast<std::uint64_t>(man), manBits);
}

void StateCodec::Unpack(const unsigned char* key, int* objects, int& man) const
{
    int at = setBits;
    Wide rank = 0;
    if (whole) {
        for (int b = keyBytes - 1; b >= 0; --b)
            rank = rank << 8 | key[b];
        man = static_cast<int>(rank >> setBits);
        rank &= (Wide(1) << setBits) - 1;
    } else if (ranked) {
        at = 0;
        rank = TakeBits(key, at, setBits < 64 ? setBits : 64);
        if (setBits > 64)
            rank |= static_cast<Wide>(TakeBits(key, at, setBits - 64)) << 64;
    }
    if (ranked) {
        // From the largest slot down: the largest n with C(n, i + 1) <= rank.
        int high = slotCount - 1;
        for (int i = objectCount - 1; i >= 0; --i) {
            int low = i;
            while (low < high) {
                const int mid = (low + high + 1) / 2;
                if (Choose(mid, i + 1) <= rank)
                    low = mid;
                else
                    high = mid - 1;
            }
            objects[i] = cellOfSlot[low];
            rank -= Choose(low, i + 1);
            high = low - 1;
        }
    } else {
        int i = 0;
        for (int slot = 0; slot < setBits; ++slot)
            if ((key[slot >> 3] >> (slot & 7)) & 1)
                objects[i++] = cellOfSlot[slot];
    }
    if (!whole)
        man = static_cast<int>(TakeBits(key, at, manBits));
}

} // namespace quobix::game
