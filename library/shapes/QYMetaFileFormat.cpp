#include "library/shapes/QYMetaFileFormat.h"

#include <cstring>

namespace {

uint32_t Le(const uint8_t* p, int nBytes)
{
    uint32_t value = 0;
    for (int i = nBytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

int Le16Signed(const uint8_t* p)
{
    return static_cast<int16_t>(static_cast<uint16_t>(Le(p, 2)));
}

} // namespace

bool QYFindWinMetaFile(const uint8_t* pData, size_t nSize, QYWinMetaFileSpan* pSpan)
{
    if (pData == nullptr || pSpan == nullptr || nSize < 4)
        return false;
    QYWinMetaFileSpan span;
    if (Le(pData, 4) == kQYPlaceableKey) {
        if (nSize < kQYPlaceableBytes)
            return false;
        std::memcpy(span.placeable, pData, kQYPlaceableBytes);
        span.nOffset = kQYPlaceableBytes;
    }
    if (nSize - span.nOffset < kQYMetaHeaderBytes)
        return false;
    const uint8_t* pHeader = pData + span.nOffset;
    const uint32_t nType = Le(pHeader, 2);
    const uint32_t nHeaderWords = Le(pHeader + 2, 2);
    const uint64_t nBytes = static_cast<uint64_t>(Le(pHeader + 6, 4)) * 2;
    if ((nType != 1 && nType != 2) || nHeaderWords != 9)
        return false;
    if (nBytes < kQYMetaHeaderBytes || nBytes > nSize - span.nOffset)
        return false;
    span.nBytes = static_cast<size_t>(nBytes);
    *pSpan = span;
    return true;
}

bool QYPlaceableFrame(const uint8_t* pBlock, int* pnInch, CRect* pBox)
{
    const int nInch = static_cast<int>(Le(pBlock + 14, 2));
    if (nInch == 0)
        return false;
    *pnInch = nInch;
    *pBox = CRect(Le16Signed(pBlock + 6), Le16Signed(pBlock + 8), Le16Signed(pBlock + 10), Le16Signed(pBlock + 12));
    return true;
}

void QYFitRect(CRect& rc, const CSize& size, int nMode)
{
    if (nMode >= 1 && nMode <= 9) {
        const int nColumn = (nMode - 1) % 3;
        const int nRow = (nMode - 1) / 3;
        const int x = nColumn == 0 ? rc.left : nColumn == 1 ? (rc.left + rc.right - size.cx) / 2 : rc.right - size.cx;
        const int y = nRow == 0 ? rc.top : nRow == 1 ? (rc.top + rc.bottom - size.cy) / 2 : rc.bottom - size.cy;
        CRect placed(x, y, x + size.cx, y + size.cy);
        placed.IntersectRect(&placed, &rc);
        rc = placed;
        return;
    }
    if (nMode != 11 || size.cx == 0 || size.cy == 0)
        return;
    const int64_t nWidth = rc.Width(), nHeight = rc.Height();
    if (nWidth * size.cy > nHeight * size.cx) {
        const int nNewWidth = static_cast<int>(nHeight * size.cx / size.cy);
        rc.left += static_cast<int>((nWidth - nNewWidth) / 2);
        rc.right = rc.left + nNewWidth;
    } else {
        const int nNewHeight = static_cast<int>(nWidth * size.cy / size.cx);
        rc.top += static_cast<int>((nHeight - nNewHeight) / 2);
        rc.bottom = rc.top + nNewHeight;
    }
}
