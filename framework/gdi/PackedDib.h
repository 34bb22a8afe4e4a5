// A packed DIB held in bytes (an info header, its colour table and the rows,
// as bitmap resources and icon images store them) read with every size
// checked against the bytes given. Framework-internal.
#pragma once

#include <QImage>

#include "framework/gdi/GdiStructs.h"

#include <cstddef>

namespace PackedDib {

// The picture's header fields and, where the bytes hold them, its colour
// table; rows counts the rows the bytes must hold (icon images stack their
// colour rows and mask rows, so their header height is twice the picture's).
struct Parsed {
    BITMAPINFOHEADER header{};
    size_t bitsOffset = 0;
    int width = 0;
    int height = 0;
};

// Decodes rows [0, rows) of a packed DIB whose header is heightDivisor
// times taller than the picture (2 for icon images): the top rows of the
// picture as an image. Null image for bytes that do not hold such a DIB.
QImage Decode(const BYTE *data, size_t size, int heightDivisor = 1, Parsed *parsed = nullptr);
// The 1-bit mask that follows the colour rows of an icon image (1 = transparent).
QImage DecodeIconMask(const BYTE *data, size_t size, const Parsed &parsed);

} // namespace PackedDib
