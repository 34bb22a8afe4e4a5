// The file and info headers of device-independent bitmaps read from and
// written to little-endian bytes field by field (BMP files are 14 bytes of
// file header, then the 40-byte info header, the colour table and the rows).
#pragma once

#include "framework/gdi/GdiStructs.h"

#include <cstddef>

constexpr size_t kBitmapFileHeaderSize = 14;
constexpr size_t kBitmapInfoHeaderSize = 40;

// FALSE when fewer bytes than the header are given.
BOOL ReadBitmapFileHeader(const BYTE *data, size_t size, BITMAPFILEHEADER *header);
BOOL ReadBitmapInfoHeader(const BYTE *data, size_t size, BITMAPINFOHEADER *header);
// Write exactly kBitmapFileHeaderSize / kBitmapInfoHeaderSize bytes.
void WriteBitmapFileHeader(const BITMAPFILEHEADER &header, BYTE *out);
void WriteBitmapInfoHeader(const BITMAPINFOHEADER &header, BYTE *out);
// Bytes of one row of a DIB: rows are padded to 32 bits.
DWORD DibRowBytes(LONG width, WORD bitCount);
