// The BMP file layout of the control library's images: parsing a whole file
// held in memory, refusing anything it cannot represent faithfully, and
// writing the layout back.  Only uncompressed bottom-up pictures of 1, 4, 8
// or 24 bits are taken; the info header may be the 40-byte one, the OS/2
// core (12) or 2.x (64) header, or the V4 (108) and V5 (124) headers, of
// which the common fields are read (framework/gdi's DIB header reader, with
// its size limits).
#pragma once

#include "framework/gdi/GdiStructs.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct DibPicture {
    BITMAPINFOHEADER header{};    // always normalised to the 40-byte header
    std::vector<RGBQUAD> colours; // 2, 16 or 256 entries; empty for 24 bits
    std::vector<BYTE> bits;       // rows padded to 4 bytes, bottom row first
};

// Entries of the colour table for a bit count: 2, 16, 256, or 0.
WORD DibColourCount(int bitsPerPixel);
// Bytes of a row packed to whole bytes, without the 32-bit padding of DIB
// rows (DibRowBytes); 0 on overflow.
uint64_t DibPackedRowBytes(int64_t width, int bitsPerPixel);

// Where a checked file's parts lie: the normalised header, the colour
// table, and the rows as a range of the file's bytes.
struct DibLayout {
    BITMAPINFOHEADER header{};
    std::vector<RGBQUAD> colours;
    size_t bitsOffset = 0;
    size_t bitsSize = 0;
};

// FALSE, leaving the output untouched, for a file it cannot take.
BOOL ParseBmpLayout(const BYTE *data, size_t size, DibLayout &layout);
// The same from the file's first bytes (at least the headers and the
// colour table, else FALSE) and the whole file's size, for readers that
// fetch the rows straight into their own memory.
BOOL ParseBmpLayout(const BYTE *head, size_t headSize, uint64_t fileSize, DibLayout &layout);
BOOL ParseBmpFile(const BYTE *data, size_t size, DibPicture &picture);
// The most bytes the file header, the largest info header and a full
// colour table take: all a reader needs before the rows.
constexpr size_t kBmpLargestHead = 14 + 124 + 4 * 256;

// The 14-byte file header, the 40-byte info header and the colour table:
// all that comes before the rows.
std::vector<BYTE> BuildBmpHead(LONG width, LONG height, int bitsPerPixel, const RGBQUAD *colours);
// The bytes of the rows: height x aligned row bytes.
size_t BmpImageBytes(LONG width, LONG height, int bitsPerPixel);
// The head and the rows of `bits` (height x aligned row bytes, bottom row
// first) as one file.
std::vector<BYTE> BuildBmpFile(LONG width, LONG height, int bitsPerPixel, const RGBQUAD *colours, const BYTE *bits);
