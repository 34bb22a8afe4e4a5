#include "library/shapes/QYBmpFormat.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"

#include <algorithm>
#include <climits>

uint64_t QYDibRowBytes(int64_t nWidth, int nBitCount)
{
    if (nWidth <= 0 || nBitCount <= 0)
        return 0;
    return ((static_cast<uint64_t>(nWidth) * static_cast<uint64_t>(nBitCount) + 31) / 32) * 4;
}

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

BOOL QYCheckBmpInfoHeader(const BITMAPINFOHEADER& header, QYBmpLayout* pLayout)
{
    if (header.biSize != kBitmapInfoHeaderSize || header.biCompression != BI_RGB)
        return FALSE;
    const int nBits = header.biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24)
        return FALSE;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT_MIN)
        return FALSE;
    if (nBits <= 8 && header.biClrUsed > (1u << nBits))
        return FALSE;
    QYBmpLayout layout;
    layout.nRowBytes = QYDibRowBytes(header.biWidth, nBits);
    layout.nRows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    layout.bTopDown = header.biHeight < 0;
    layout.nPixelBytes = layout.nRowBytes * static_cast<uint64_t>(layout.nRows);
    if (layout.nPixelBytes > kQYMaxPixelBytes)
        return FALSE;
    if (pLayout != nullptr)
        *pLayout = layout;
    return TRUE;
}

void QYFlipDibRows(BYTE* lpBits, uint64_t nRowBytes, int nRows)
{
    for (int top = 0, bottom = nRows - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(lpBits + nRowBytes * top, lpBits + nRowBytes * (top + 1), lpBits + nRowBytes * bottom);
}
