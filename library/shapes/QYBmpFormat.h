// The checks and layout rules of BMP file images as the image holders read
// and write them: a 14-byte file header, a 40-byte info header, the colour
// table and the pixel rows.  No field of a file is trusted: the reader
// accepts uncompressed 1-, 4-, 8- and 24-bit pictures whose every size and
// offset lies within the bytes that are there.
#pragma once

#include "framework/gdi/GdiStructs.h"

#include <cstdint>
#include <vector>

// Bytes of the block that holds the info header and the colour table in
// memory: the file's header bytes plus room for a full 256-entry table.
constexpr uint64_t kQYInfoBlockSlack = 1024;

// 2, 16 or 256 for 1, 4 or 8 bits per pixel, else 0.
int QYDibColorCount(int nBitCount);

// The file header is a picture's ("BM") and its pixel offset lies behind the
// two headers and, when nFileLength is not 0, within the file.
BOOL QYCheckBmpFileHeader(const BITMAPFILEHEADER& header, uint64_t nFileLength);

// What a valid info header tells about the pixel rows.
struct QYBmpLayout {
    uint64_t nRowBytes = 0;
    uint64_t nPixelBytes = 0; // row bytes x |height|
    int nRows = 0;            // |height|
    BOOL bTopDown = FALSE;
};

// Reads the info header at the front of nSize bytes with the framework's
// DIB header reader, whose size limits apply, and takes what the holders
// keep: a 40-byte header, 1/4/8/24 bits and BI_RGB.  FALSE on anything else.
BOOL QYReadBmpInfoHeader(const BYTE* lpInfo, size_t nSize, QYBmpLayout* pLayout);

// A picture as the holders keep it: the info header and colour table in one
// block (with kQYInfoBlockSlack bytes of room behind the file's bytes), the
// pixel rows, bottom row first, in another.
struct QYDibParts {
    std::vector<BYTE> info;
    std::vector<BYTE> bits;
};

// Reverses the order of the rows in place (top-down into bottom-up).
void QYFlipDibRows(BYTE* lpBits, uint64_t nRowBytes, int nRows);
