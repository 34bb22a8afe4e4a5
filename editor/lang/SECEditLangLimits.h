// What a language configuration file may hold: a value outside these limits
// marks the file as corrupt.
#pragma once

#include "framework/base/WinTypes.h"

// Colour-group indices are WORDs.
constexpr DWORD SECEDIT_MAX_COLOR_GROUPS = 0xFFFF;
// The INI form names its groups and tags by number: more than this many is
// taken for a damaged count.
constexpr int SECEDIT_MAX_INI_ENTRIES = 1024;

// A colour is a plain RGB value (0x00BBGGRR).
inline bool SECEditIsValidColor(DWORD color)
{
    return (color & 0xFF000000u) == 0;
}

// Tabs expand to the next multiple of the tab size: 0 is never a size.
inline bool SECEditIsValidTabSize(int nTabSize)
{
    return nTabSize >= 1 && nTabSize <= 64;
}

inline bool SECEditIsValidFontSize(int nPoints)
{
    return nPoints >= 1 && nPoints <= 999;
}
