#include "library/pickers/QYDibResource.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/resources/Resources.h"
#include "library/pickers/QYFillTextureData.h"

#include <cstdint>
#include <vector>

namespace {

constexpr DWORD kFileHeaderSize = 14;

struct DibLayout {
    LONG width = 0;
    LONG height = 0;
    bool bTopDown = false;
    WORD bitCount = 0;
    DWORD paletteOffset = 0;
    DWORD paletteCount = 0;
    uint64_t bitsOffset = 0;
    uint64_t rowBytes = 0;
};

// Checks the header and that the palette and every row lie inside the data.
// Resources hold 4-byte colour entries, so OS/2 core headers are not taken.
bool ReadLayout(const BYTE* pDib, DWORD nSize, DibLayout& layout)
{
    DibHeader header;
    if (!ReadDibHeader(pDib, nSize, &header) || header.headerSize < kBitmapInfoHeaderSize)
        return false;
    const BITMAPINFOHEADER& fields = header.fields;
    const WORD bitCount = fields.biBitCount;
    if (fields.biPlanes != 1 || fields.biCompression != BI_RGB || bitCount == 16)
        return false;
    layout.width = header.geometry.width;
    layout.height = header.geometry.rows;
    layout.bTopDown = header.geometry.topDown;
    layout.bitCount = bitCount;
    layout.paletteOffset = header.headerSize;
    layout.paletteCount = header.tableEntries;
    layout.bitsOffset = header.headerSize + uint64_t(header.tableEntries) * 4;
    layout.rowBytes = header.geometry.rowBytes;
    return layout.bitsOffset + header.geometry.pixelBytes <= nSize;
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
