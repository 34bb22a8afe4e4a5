// Ternary raster operations on 32-bit pixels. Bits 16-23 of the operation
// code are a truth table of pattern bit P, source bit S and destination bit
// D indexed by (P << 2) | (S << 1) | D, applied to all 32 bits of the pixel
// words. Framework-internal.
#pragma once

#include "framework/base/WinTypes.h"

#include <cstdint>

namespace Rop3 {

inline unsigned Table(DWORD rop)
{
    return (rop >> 16) & 0xFFu;
}

inline uint32_t Apply(unsigned table, uint32_t p, uint32_t s, uint32_t d)
{
    // The operations transfers use most, without walking the table.
    switch (table) {
    case 0xCC: return s;     // SRCCOPY
    case 0x88: return s & d; // SRCAND
    case 0xEE: return s | d; // SRCPAINT
    case 0x66: return s ^ d; // SRCINVERT
    case 0xF0: return p;     // PATCOPY
    default: break;
    }
    uint32_t result = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!((table >> i) & 1))
            continue;
        result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result;
}

// Whether the result changes with the source, the pattern or the destination.
inline bool UsesSource(unsigned table)
{
    return ((table >> 2) & 0x33u) != (table & 0x33u);
}

inline bool UsesPattern(unsigned table)
{
    return ((table >> 4) & 0x0Fu) != (table & 0x0Fu);
}

inline bool UsesDestination(unsigned table)
{
    return ((table >> 1) & 0x55u) != (table & 0x55u);
}

} // namespace Rop3
