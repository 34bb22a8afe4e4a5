// What the metafile holder checks in Windows metafile files before it hands
// their records on, and how it fits a picture into a rectangle.
#pragma once

#include "framework/base/CRect.h"

#include <cstddef>
#include <cstdint>

// The key of the optional 22-byte header in front of a Windows metafile.
constexpr uint32_t kQYPlaceableKey = 0x9AC6CDD7;
constexpr size_t kQYPlaceableBytes = 22;
// The holder keeps the placeable header in a 24-byte block (2 zero bytes
// after the file's 22).
constexpr size_t kQYPlaceableBlockBytes = 24;
constexpr size_t kQYMetaHeaderBytes = 18;

// Where the metafile's records lie in a file's bytes, and its placeable
// header block (all zero without one).
struct QYWinMetaFileSpan {
    size_t nOffset = 0; // 0, or 22 behind a placeable header
    size_t nBytes = 0;  // mtSize x 2
    uint8_t placeable[kQYPlaceableBlockBytes] = {};
};

// FALSE unless the bytes hold a metafile header of type 1 or 2 with a
// header size of 9 words and a size (in words) of at least the header and
// at most the bytes that follow its start.
bool QYFindWinMetaFile(const uint8_t* pData, size_t nSize, QYWinMetaFileSpan* pSpan);

// Units per inch and the bounding box of a placeable header block; FALSE
// (nothing set) when the block gives no units per inch.
bool QYPlaceableFrame(const uint8_t* pBlock, int* pnInch, CRect* pBox);

// Fits a picture of the size into the rectangle: modes 1-9 place it in a
// 3 x 3 grid (1-3 top, 4-6 middle, 7-9 bottom; left, centre, right) and clip
// the result to the rectangle; 10 leaves the rectangle; 11 keeps the
// picture's aspect ratio, centred (a size without width or height fits as
// mode 10); other modes change nothing.
void QYFitRect(CRect& rc, const CSize& size, int nMode);
