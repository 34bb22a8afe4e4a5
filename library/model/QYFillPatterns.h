// The 33 fill patterns of the pattern fill kinds (3 to 35): 8 by 8 pixels,
// one bit per pixel, most significant bit leftmost.  A set bit takes the
// device context's background colour, a clear bit its text colour.
#pragma once

#include "framework/base/WinTypes.h"
#include "library/model/QYFillKinds.h"

#define QY_FILL_PATTERN_COUNT (QY_FIRST_HATCH_BRUSH - QY_FIRST_PATTERN_BRUSH)

// Row bytes, top to bottom, of pattern nIndex (0 to 32).
extern const BYTE qyFillPatternRows[QY_FILL_PATTERN_COUNT][8];

// The pattern as the bits of a monochrome bitmap: 8 rows of one 16-bit word
// each, the row's pixels in the low byte and 0 in the high byte (16 bytes).
// FALSE, with nothing written, for an index without a pattern.
BOOL QYGetFillPatternBits(int nIndex, WORD bits[8]);
