// Ternary raster operations on 32-bit pixels. Bits 16-23 of the operation
// code are a truth table of pattern bit P, source bit S and destination bit
// D indexed by (P << 2) | (S << 1) | D, applied to all 32 bits of the pixel
// words. Framework-internal.
#pragma once

#include "framework/base/WinTypes.h"
#include "framework/gdi/GdiConstants.h"

#include <cstdint>

namespace Rop3 {

constexpr unsigned Table(DWORD rop)
{
    return (rop >> 16) & 0xFFu;
}

// The truth tables of the operations transfers use most.
inline constexpr unsigned kSourceCopy = Table(SRCCOPY);
inline constexpr unsigned kSourceAnd = Table(SRCAND);
inline constexpr unsigned kSourcePaint = Table(SRCPAINT);
inline constexpr unsigned kSourceInvert = Table(SRCINVERT);
inline constexpr unsigned kPatternCopy = Table(PATCOPY);

inline uint32_t Apply(unsigned table, uint32_t p, uint32_t s, uint32_t d)
{
    // The operations transfers use most, without walking the table.
    switch (table) {
    case kSourceCopy: return s;
    case kSourceAnd: return s & d;
    case kSourcePaint: return s | d;
    case kSourceInvert: return s ^ d;
    case kPatternCopy: return p;
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
