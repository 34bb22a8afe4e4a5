// Conversion between device-independent bitmap rows and 32-bit images:
// 1, 4 and 8 bits through a colour table (RGB entries, or indexes into a
// context's palette), run-length compressed 4 and 8 bits, 16 bits (5-5-5 or
// bit fields), 24 and 32 bits. Framework-internal.
#pragma once

#include <QImage>

#include "framework/gdi/GdiObjectData.h"

#include <array>
#include <vector>

namespace DibCodec {

// What a BITMAPINFO describes, checked: sizes within bounds, a known depth
// and compression, a colour table no longer than the depth allows.
struct Layout {
    LONG width = 0;
    LONG height = 0;      // rows, always positive
    bool topDown = false; // first row in memory is the top row
    WORD bitCount = 0;
    DWORD rowBytes = 0;
    std::vector<uint32_t> colours; // 0xRRGGBB per table entry
    uint32_t masks[3] = {0, 0, 0}; // red, green, blue for 16 and 32 bits
    DWORD compression = BI_RGB;    // BI_RLE8 and BI_RLE4 bits are decoded whole
    DWORD imageBytes = 0;          // the size of compressed bits
    bool Compressed() const { return compression == BI_RLE8 || compression == BI_RLE4; }
};

// Which pixels of a decoded image the bits set (1) or left unset (0):
// compressed bits may skip pixels, which drawing leaves as they were.
// Empty when the bits set every pixel.
using Coverage = std::vector<uint8_t>;

// FALSE for a header that is not a usable DIB. palette resolves
// DIB_PAL_COLORS tables (NULL: indexes give black).
bool Read(const BITMAPINFO *info, UINT usage, const PaletteData *palette, Layout &layout);

// Decodes rows [firstScan, firstScan + lines) of the DIB's scan numbering
// (scan 0 is the bottom row of a bottom-up DIB) into image rows; the image
// has the DIB's full size, rows not given stay as they are.
void Decode(const Layout &layout, const void *bits, int firstScan, int lines, QImage &image);

// Decodes compressed bits (layout.imageBytes of them) into the whole image,
// top row first; bad bits stop decoding where they start. False when the
// memory for it cannot be had.
bool DecodeCompressed(const Layout &layout, const void *bits, QImage &image, Coverage &covered);

// The table entries nearest to colours met before (one slot per hash of
// the colour), for encoding many short spans against one table.
class NearestCache {
public:
    NearestCache() { m_index.fill(-1); }
    int Find(const std::vector<uint32_t> &table, uint32_t pixel);

private:
    std::array<uint32_t, 256> m_colour{};
    std::array<int, 256> m_index{};
};

// Encodes pixels [x0, x1) of one scan line into its bits, leaving the
// others as they are, and decodes such a span back into the image.
void EncodeSpan(const QImage &image, const Layout &layout, int scan, int x0, int x1, void *scanBits,
                NearestCache &cache);
void DecodeSpan(const Layout &layout, const void *scanBits, int scan, int x0, int x1, QImage &image);

// Encodes image rows into bitCount-bit DIB rows in the same numbering;
// colours are matched to the table for 8 bits and fewer.
void Encode(const QImage &image, const Layout &layout, int firstScan, int lines, void *bits);

// The colour table GetDIBits gives for a depth: black and white for one
// bit (or a monochrome bitmap), the 16 classic colours for four bits, the
// halftone palette for eight.
std::vector<uint32_t> StandardTable(int bitCount);
// The 256 halftone colours (a 6x6x6 colour cube, grey ramp and the classic colours).
const std::vector<uint32_t> &HalftoneColours();
// The index of the table entry nearest to a colour.
int Nearest(const std::vector<uint32_t> &table, uint32_t pixel);

} // namespace DibCodec
