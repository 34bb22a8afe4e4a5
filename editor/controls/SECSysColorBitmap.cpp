#include "editor/controls/SECSysColorBitmap.h"

#include "editor/controls/SECDibFormat.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/Resources.h"

#include <cstring>
#include <vector>

namespace {

struct ColourSwap {
    BYTE red, green, blue;
    int sysColor;
};

const ColourSwap kButtonColours[] = {
    {0, 0, 0, COLOR_BTNTEXT},
    {128, 128, 128, COLOR_BTNSHADOW},
    {192, 192, 192, COLOR_BTNFACE},
    {255, 255, 255, COLOR_BTNHIGHLIGHT},
};

void MapButtonColours(RGBQUAD *table, int entries)
{
    for (int i = 0; i < entries; ++i) {
        RGBQUAD &entry = table[i];
        for (const ColourSwap &swap : kButtonColours) {
            if (entry.rgbRed != swap.red || entry.rgbGreen != swap.green || entry.rgbBlue != swap.blue)
                continue;
            const COLORREF colour = GetSysColor(swap.sysColor);
            entry = RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
            break;
        }
    }
}

// The header and colour table as BITMAPINFO memory, checked against the
// resource's size; empty when the bytes are not a packed bitmap we take.
std::vector<BYTE> CopyHeader(const BYTE *data, size_t size, size_t &bitsOffset)
{
    DibHeader read;
    if (!ReadDibHeader(data, size, &read) || read.headerSize != kBitmapInfoHeaderSize ||
        read.fields.biCompression != 0 || read.geometry.topDown)
        return {};
    BITMAPINFOHEADER header = read.fields;
    const int bits = header.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        return {};
    const int entries = DibColourCount(bits);
    bitsOffset = kBitmapInfoHeaderSize + 4 * size_t(entries);
    if (bitsOffset > size || read.geometry.pixelBytes > size - bitsOffset)
        return {};
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + sizeof(RGBQUAD) * (entries ? entries : 1));
    header.biClrUsed = 0;
    std::memcpy(info.data(), &header, sizeof header);
    auto *table = reinterpret_cast<RGBQUAD *>(info.data() + sizeof(BITMAPINFOHEADER));
    const BYTE *source = data + kBitmapInfoHeaderSize;
    for (int i = 0; i < entries; ++i)
        table[i] = RGBQUAD{source[4 * i], source[4 * i + 1], source[4 * i + 2], 0};
    MapButtonColours(table, entries);
    return info;
}

} // namespace

BOOL SECLoadSysColorBitmap(CBitmap &bitmap, LPCTSTR lpszResourceName)
{
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HRSRC resource = FindResource(module, lpszResourceName, RT_BITMAP);
    if (!resource)
        return FALSE;
    HGLOBAL loaded = LoadResource(module, resource);
    const auto *data = static_cast<const BYTE *>(LockResource(loaded));
    const size_t size = SizeofResource(module, resource);
    size_t bitsOffset = 0;
    const std::vector<BYTE> info = data ? CopyHeader(data, size, bitsOffset) : std::vector<BYTE>{};
    if (info.empty())
        return FALSE;
    const auto *bitmapInfo = reinterpret_cast<const BITMAPINFO *>(info.data());
    const int width = bitmapInfo->bmiHeader.biWidth;
    const int height = bitmapInfo->bmiHeader.biHeight;

    HDC screen = CreateCompatibleDC(nullptr);
    // A fresh memory context holds a one-bit bitmap; the new bitmap takes
    // the screen's depth, which the context reports.
    HBITMAP made = screen ? CreateBitmap(width, height, 1, UINT(GetDeviceCaps(screen, BITSPIXEL)), nullptr) : nullptr;
    BOOL drawn = FALSE;
    if (made) {
        HGDIOBJ previous = SelectObject(screen, made);
        drawn = StretchDIBits(screen, 0, 0, width, height, 0, 0, width, height, data + bitsOffset, bitmapInfo,
                              DIB_RGB_COLORS, SRCCOPY) != 0;
        SelectObject(screen, previous);
    }
    if (screen)
        DeleteDC(screen);
    if (!drawn) {
        if (made)
            DeleteObject(made);
        return FALSE;
    }
    bitmap.DeleteObject();
    return bitmap.Attach(made);
}
