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

// True when the result does not depend on the destination, so a span can
// be written without reading it.
inline bool IgnoresDestination(int rop2)
{
    unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
    return ((table >> 1) & 5) == (table & 5);
}

} // namespace Rop2
