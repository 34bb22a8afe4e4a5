// Binary raster operations on 32-bit pixels. The operation code minus one is
// a truth table of pen bit P and destination bit D, indexed by (P << 1) | D,
// applied to all 32 bits of the pixel word.
#pragma once

#include <cstdint>

namespace Rop2 {

inline uint32_t Apply(int rop2, uint32_t pen, uint32_t dst)
{
    unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
    uint32_t result = 0;
    if (table & 8)
        result |= pen & dst;
    if (table & 4)
        result |= pen & ~dst;
    if (table & 2)
        result |= ~pen & dst;
    if (table & 1)
        result |= ~pen & ~dst;
    return result;
}

// An operation with a fixed pen word, as a function of the destination
// alone: each result bit is a constant, its destination bit or that bit
// inverted, so Apply(rop2, pen, dst) == ((dst & keep) ^ flip) for every
// dst.  A span of one pen colour combines word after word without a
// branch, in a loop the compiler turns into vector instructions.
struct FixedPen {
    uint32_t keep; // destination bits that pass through (inverted where flip has them)
    uint32_t flip; // bits inverted after the mask

    FixedPen(int rop2, uint32_t pen)
    {
        // The result for destination bit 1 and for destination bit 0.
        const uint32_t whereSet = Apply(rop2, pen, 0xFFFFFFFFu);
        const uint32_t whereClear = Apply(rop2, pen, 0);
        keep = whereSet ^ whereClear;
        flip = whereClear;
    }
    uint32_t operator()(uint32_t dst) const { return (dst & keep) ^ flip; }
};

// True when the result does not depend on the destination, so a span can
// be written without reading it.
inline bool IgnoresDestination(int rop2)
{
    unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
    return ((table >> 1) & 5) == (table & 5);
}

} // namespace Rop2
