// The portrait sizes of the device mode's paper codes 1 to 41 with the unit
// each is measured in (PSD_INTHOUSANDTHSOFINCHES or
// PSD_INHUNDREDTHSOFMILLIMETERS).
#pragma once

#include "framework/base/WinTypes.h"

#define QY_PAPER_CODE_COUNT 41

struct QYPaperSize {
    int nWidth;
    int nHeight;
    DWORD dwUnit;
};

// FALSE (and 0 x 0 with no unit) for a code outside 1..41.
BOOL QYGetPaperSize(int nPaperCode, QYPaperSize& size);
