#include "library/pickers/QYDibResource.h"

#include "framework/resources/Resources.h"
#include "library/pickers/QYFillTextureData.h"

#include <cstring>
#include <vector>

namespace {

constexpr DWORD kFileHeaderSize = 14;
constexpr DWORD kInfoHeaderSize = 40;
constexpr LONG kMaxSide = 4096;

DWORD ReadDword(const BYTE* p)
{
    return DWORD(p[0]) | DWORD(p[1]) << 8 | DWORD(p[2]) << 16 | DWORD(p[3]) << 24;
}
WORD ReadWord(const BYTE* p)
{
    return WORD(p[0] | p[1] << 8);
}

struct DibLayout {
    LONG width = 0;
    LONG height = 0;
    bool bTopDown = false;
    WORD bitCount = 0;
    DWORD paletteOffset = 0;
    DWORD paletteCount = 0;
    DWORD bitsOffset = 0;
    DWORD rowBytes = 0;
};

// Checks the header and that the palette and every row lie inside the data.
bool ReadLayout(const BYTE* pDib, DWORD nSize, DibLayout& layout)
{
    if (pDib == nullptr || nSize < kInfoHeaderSize)
        return false;
    const DWORD headerSize = ReadDword(pDib);
    if (headerSize < kInfoHeaderSize || headerSize > nSize)
        return false;
    const LONG width = static_cast<LONG>(ReadDword(pDib + 4));
    const LONG height = static_cast<LONG>(ReadDword(pDib + 8));
    const WORD planes = ReadWord(pDib + 12);
    const WORD bitCount = ReadWord(pDib + 14);
    const DWORD compression = ReadDword(pDib + 16);
    DWORD colorsUsed = ReadDword(pDib + 32);
    if (planes != 1 || compression != 0 || width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide ||
        height > kMaxSide)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return false;
    if (bitCount <= 8) {
        const DWORD maxColors = DWORD(1) << bitCount;
        if (colorsUsed == 0 || colorsUsed > maxColors)
            colorsUsed = maxColors;
    } else {
        colorsUsed = 0;
    }
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.bTopDown = height < 0;
    layout.bitCount = bitCount;
    layout.paletteOffset = headerSize;
    layout.paletteCount = colorsUsed;
    layout.bitsOffset = headerSize + colorsUsed * 4;
    layout.rowBytes = ((DWORD(width) * bitCount + 31) / 32) * 4;
    const unsigned long long needed =
        layout.bitsOffset + static_cast<unsigned long long>(layout.rowBytes) * layout.height;
    return needed <= nSize;
}

DWORD PixelAt(const BYTE* pRow, LONG x, const DibLayout& layout, const BYTE* pPalette)
{
    DWORD index;
    switch (layout.bitCount) {
    case 32:
    case 24: {
        const BYTE* p = pRow + x * (layout.bitCount / 8);
        return 0xFF000000u | DWORD(p[2]) << 16 | DWORD(p[1]) << 8 | p[0];
    }
    case 8: index = pRow[x]; break;
    case 4: index = (pRow[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F; break;
    default: index = (pRow[x / 8] >> (7 - x % 8)) & 1; break;
    }
    if (index >= layout.paletteCount)
        return 0xFF000000u;
    const BYTE* q = pPalette + index * 4; // blue, green, red, reserved
    return 0xFF000000u | DWORD(q[2]) << 16 | DWORD(q[1]) << 8 | q[0];
}

} // namespace

BOOL QYCreateBitmapFromDib(CBitmap& bitmap, const BYTE* pDib, DWORD nSize)
{
    DibLayout layout;
    if (!ReadLayout(pDib, nSize, layout))
        return FALSE;
    // 32-bit rows, top row first, pixels as 0xAARRGGBB words.
    std::vector<DWORD> pixels(static_cast<size_t>(layout.width) * static_cast<size_t>(layout.height));
    const BYTE* pPalette = pDib + layout.paletteOffset;
    for (LONG y = 0; y < layout.height; ++y) {
        const LONG sourceRow = layout.bTopDown ? y : layout.height - 1 - y;
        const BYTE* pRow = pDib + layout.bitsOffset + static_cast<size_t>(sourceRow) * layout.rowBytes;
        for (LONG x = 0; x < layout.width; ++x)
            pixels[static_cast<size_t>(y) * layout.width + x] = PixelAt(pRow, x, layout, pPalette);
    }
    bitmap.DeleteObject();
    return bitmap.CreateBitmap(layout.width, layout.height, 1, 32, pixels.data());
}

void QYRegisterFillTextures()
{
    for (int i = 0; i < qyEmbeddedTextureCount; ++i) {
        const QYEmbeddedTexture& texture = qyEmbeddedTextures[i];
        if (texture.nSize <= kFileHeaderSize)
            continue;
        if (FindResource(nullptr, MAKEINTRESOURCE(texture.nID), RT_BITMAP) != nullptr)
            continue;
        // A bitmap resource is the file without its 14-byte file header.
        PlexoRegisterCustomResource(RT_BITMAP, texture.nID, texture.pData + kFileHeaderSize,
                                    texture.nSize - kFileHeaderSize);
    }
}

BOOL QYLoadBitmapResource(CBitmap& bitmap, UINT nID)
{
    HRSRC hInfo = FindResource(nullptr, MAKEINTRESOURCE(nID), RT_BITMAP);
    if (hInfo == nullptr)
        return FALSE;
    HGLOBAL hData = LoadResource(nullptr, hInfo);
    const BYTE* pData = static_cast<const BYTE*>(LockResource(hData));
    return QYCreateBitmapFromDib(bitmap, pData, SizeofResource(nullptr, hInfo));
}
