#include "library/shapes/QYBmpFormat.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"

#include <algorithm>

int QYDibColorCount(int nBitCount)
{
    switch (nBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

BOOL QYCheckBmpFileHeader(const BITMAPFILEHEADER& header, uint64_t nFileLength)
{
    if (header.bfType != 0x4D42)
        return FALSE;
    if (header.bfOffBits < kBitmapFileHeaderSize + kBitmapInfoHeaderSize)
        return FALSE;
    return nFileLength == 0 || header.bfOffBits <= nFileLength;
}

BOOL QYReadBmpInfoHeader(const BYTE* lpInfo, size_t nSize, QYBmpLayout* pLayout)
{
    DibHeader header;
    if (!ReadDibHeader(lpInfo, nSize, &header))
        return FALSE;
    if (header.headerSize != kBitmapInfoHeaderSize || header.fields.biCompression != BI_RGB)
        return FALSE;
    const int nBits = header.fields.biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24)
        return FALSE;
    QYBmpLayout layout;
    layout.nRowBytes = header.geometry.rowBytes;
    layout.nRows = header.geometry.rows;
    layout.bTopDown = header.geometry.topDown;
    layout.nPixelBytes = header.geometry.pixelBytes;
    if (pLayout != nullptr)
        *pLayout = layout;
    return TRUE;
}

void QYFlipDibRows(BYTE* lpBits, uint64_t nRowBytes, int nRows)
{
    for (int top = 0, bottom = nRows - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(lpBits + nRowBytes * top, lpBits + nRowBytes * (top + 1), lpBits + nRowBytes * bottom);
}
