// DIB sections: bitmaps whose pixels the program reads and writes through
// bmBits in the DIB's own layout (any depth, top-down or bottom-up rows,
// colour tables and bit fields). Drawing works on the bitmap's 32-bit image;
// the bits are decoded into the image before it is used whenever the
// program changed them, and each drawing operation writes its result back
// into the bits (colours matched to the table at 8 bits and fewer), leaving
// the image exactly what the bits hold. 32-bit top-down rows with the
// standard masks are the image's own pixels and need neither step.
// Framework-internal.
#pragma once

#include "framework/gdi/DibCodec.h"

#include <vector>

struct DibSectionBits {
    DibCodec::Layout layout;
    BITMAPINFOHEADER header{}; // as the program described it
    std::vector<BYTE> bits;    // what bmBits points at; never resized
    std::vector<BYTE> synced;  // the bits as the image last matched them
    DibCodec::NearestCache nearest;
};

namespace DibSection {

// A DIB section for a checked layout; *ppvBits receives its bits.
HBITMAP Create(const DibCodec::Layout &layout, const BITMAPINFOHEADER &header, void **ppvBits);

} // namespace DibSection
