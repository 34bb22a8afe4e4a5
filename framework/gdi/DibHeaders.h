// The file and info headers of device-independent bitmaps read from and
// written to little-endian bytes field by field (BMP files are 14 bytes of
// file header, then the info header, the colour table and the rows), and
// the one set of size limits every reader of DIBs applies.
//
// Size limits. A header comes from outside (a file, a resource, an archive,
// a metafile record), so no size in it is trusted. A DIB is taken only when:
//   - the header's own size field names a header size this reader knows
//     (IsDibHeaderSize) and the bytes given hold that many;
//   - its width is 1 to kDibMaxSide (32768) and its height is not 0 and at
//     most kDibMaxSide either way (negative heights are top-down rows; the
//     most negative LONG is refused like any other height beyond the side);
//   - its bit count is one the format defines: 1, 4, 8, 16, 24 or 32 (a
//     reader may take fewer of them, never more);
//   - width x rows is at most kDibMaxPixels (2^27), so its rows (4 bytes a
//     pixel at most) take at most 2^29 bytes: every later size sum fits a
//     DWORD, an int and a QImage, and no header asks for more memory;
//   - the colour table of a 1-, 4- or 8-bit DIB announces no more entries
//     than the bit count has (deeper DIBs are read without a table).
// Row bytes and totals are computed in 64 bits from 32-bit widths and 16-bit
// bit counts, so no product can overflow before the limits are compared.
#pragma once

#include "framework/gdi/GdiStructs.h"

#include <cstddef>
#include <cstdint>

constexpr size_t kBitmapFileHeaderSize = 14;
constexpr size_t kBitmapInfoHeaderSize = 40;

// FALSE when fewer bytes than the header are given.
BOOL ReadBitmapFileHeader(const BYTE *data, size_t size, BITMAPFILEHEADER *header);
BOOL ReadBitmapInfoHeader(const BYTE *data, size_t size, BITMAPINFOHEADER *header);
// Write exactly kBitmapFileHeaderSize / kBitmapInfoHeaderSize bytes.
void WriteBitmapFileHeader(const BITMAPFILEHEADER &header, BYTE *out);
void WriteBitmapInfoHeader(const BITMAPINFOHEADER &header, BYTE *out);

// Bytes of one row of a DIB: rows are padded to 32 bits. 0 for a width
// below 1 or a bit count of 0.
uint64_t DibRowBytes(LONG width, WORD bitCount);

constexpr LONG kDibMaxSide = 1 << 15;
constexpr uint64_t kDibMaxPixels = uint64_t(1) << 27;

// The rows a header announces, once the limits above have been applied.
struct DibGeometry {
    LONG width = 0;
    LONG rows = 0; // the height without its sign
    bool topDown = false;
    WORD bitCount = 0;
    uint64_t rowBytes = 0;
    uint64_t pixelBytes = 0; // rowBytes x rows
};

// False for a width, height or bit count beyond the limits; the geometry is
// written only on success.
bool CheckDibGeometry(LONG width, LONG height, WORD bitCount, DibGeometry *geometry);

// The info header sizes a reader accepts: the OS/2 core header (16-bit
// sizes, 3-byte colour entries), the 40-byte header, the OS/2 2.x header and
// the V4 and V5 headers, whose first 40 bytes are the 40-byte header's.
constexpr DWORD kBitmapCoreHeaderSize = 12;
constexpr DWORD kBitmapOs2HeaderSize = 64;
constexpr DWORD kBitmapV4HeaderSize = 108;
constexpr DWORD kBitmapV5HeaderSize = 124;
// One of the five sizes above.
bool IsDibHeaderSize(DWORD headerSize);

// An info header read from outside bytes and checked against the limits.
struct DibHeader {
    BITMAPINFOHEADER fields{}; // the 40-byte form; a core header's fields widened
    DWORD headerSize = 0;      // bytes the header takes in the data
    DWORD tableEntries = 0;    // colour table entries behind the header
    DWORD tableEntrySize = 4;  // 3 behind a core header
    DibGeometry geometry;
};

// Reads the info header at the front of size bytes. False, leaving the
// output untouched, when the bytes end inside the header, the header's size
// field is not one of the sizes above or runs past the bytes, or the sizes
// break the limits. Compression and the placement of the table and rows
// are the caller's to check: they depend on what holds the DIB.
bool ReadDibHeader(const BYTE *data, size_t size, DibHeader *header);
