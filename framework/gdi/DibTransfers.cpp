// Device-independent bitmaps onto contexts and to and from bitmaps:
// StretchDIBits, SetDIBitsToDevice, GetDIBits, SetDIBits, CreateDIBitmap
// and CreateDIBSection.
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/Blit.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DibCodec.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/DibSection.h"
#include "framework/gdi/Saturate.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

const PaletteData *PaletteOf(HDC h)
{
    return h ? h->state.palette.get() : nullptr;
}

std::shared_ptr<BitmapData> BitmapOf(HBITMAP h)
{
    return GdiHandles::LookupAs<BitmapData>(h, GdiObjectKind::Bitmap);
}

// The whole DIB as a top-down image (and, for compressed bits, the pixels
// they set); FALSE for a bad header or no bits.
bool DecodeWhole(const BITMAPINFO *info, UINT usage, const PaletteData *palette, const void *bits,
                 DibCodec::Layout &layout, QImage &image, DibCodec::Coverage &covered)
{
    if (!bits || !DibCodec::Read(info, usage, palette, layout))
        return false;
    image = QImage(static_cast<int>(layout.width), static_cast<int>(layout.height), QImage::Format_RGB32);
    if (image.isNull())
        return false;
    if (layout.Compressed())
        return DibCodec::DecodeCompressed(layout, bits, image, covered);
    DibCodec::Decode(layout, bits, 0, static_cast<int>(layout.height), image);
    return true;
}

// The image row where a DIB source rectangle starts: bottom-up DIBs count
// ySrc from their bottom row. Kept inside +-2^30 for hostile values.
int SourceTop(const DibCodec::Layout &layout, int ySrc, int height)
{
    long long top = layout.topDown ? ySrc : static_cast<long long>(layout.height) - ySrc - height;
    return static_cast<int>(std::clamp(top, -(1LL << 30), 1LL << 30));
}

// The part of the image a source rectangle (a corner and an extent of either
// sign) covers, worked out in 64 bits: hostile corners and extents can be
// anywhere in the int range.
QRect SourceRectInImage(int x, int y, int width, int height, const QRect &image)
{
    const long long x2 = static_cast<long long>(x) + width, y2 = static_cast<long long>(y) + height;
    const long long left = std::max<long long>(std::min<long long>(x, x2), image.left());
    const long long top = std::max<long long>(std::min<long long>(y, y2), image.top());
    const long long right = std::min<long long>(std::max<long long>(x, x2), image.right() + 1LL);
    const long long bottom = std::min<long long>(std::max<long long>(y, y2), image.bottom() + 1LL);
    if (left >= right || top >= bottom)
        return QRect();
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

// The size of an extent of either sign; the lowest int's stays the highest.
int Magnitude(int extent)
{
    return Saturate::ToInt(std::llabs(static_cast<long long>(extent)));
}

// The format a GetDIBits caller asks for, with the standard colour table
// for 8 bits and fewer; its size is the caller's (checked by the caller).
bool FormatOf(const BITMAPINFO *info, DibCodec::Layout &layout)
{
    const BITMAPINFOHEADER &h = info->bmiHeader;
    layout.width = h.biWidth;
    layout.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    layout.topDown = h.biHeight < 0;
    layout.bitCount = h.biBitCount;
    layout.rowBytes = static_cast<DWORD>(DibRowBytes(layout.width, layout.bitCount));
    switch (h.biBitCount) {
    case 1:
    case 4:
    case 8: layout.colours = DibCodec::StandardTable(h.biBitCount); return h.biCompression == BI_RGB;
    case 24: return h.biCompression == BI_RGB;
    case 16:
    case 32: {
        bool sixteen = h.biBitCount == 16;
        uint32_t defaults[3] = {sixteen ? 0x7C00u : 0xFF0000u, sixteen ? 0x03E0u : 0xFF00u, sixteen ? 0x1Fu : 0xFFu};
        if (h.biCompression == BI_BITFIELDS) {
            std::memcpy(layout.masks, reinterpret_cast<const BYTE *>(info) + kBitmapInfoHeaderSize, 12);
            return layout.masks[0] || layout.masks[1] || layout.masks[2];
        }
        std::memcpy(layout.masks, defaults, sizeof(defaults));
        return h.biCompression == BI_RGB;
    }
    default: return false;
    }
}

} // namespace

int StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc, int SrcWidth,
                  int SrcHeight, const void *lpBits, const BITMAPINFO *lpbmi, UINT iUsage, DWORD rop)
{
    if (!hdc)
        return 0;
    DibCodec::Layout layout;
    QImage image;
    DibCodec::Coverage covered;
    if (!DecodeWhole(lpbmi, iUsage, PaletteOf(hdc), lpBits, layout, image, covered))
        return 0;
    const int sourceTop = SourceTop(layout, ySrc, SrcHeight);
    if (EmfRecorder *recorder = RecorderOf(hdc)) {
        // On a metafile context the source rectangle's pixels go into the record.
        const QRect rect = SourceRectInImage(xSrc, sourceTop, SrcWidth, SrcHeight, image.rect());
        if (rect.isEmpty())
            return 0;
        recorder->Transfer(xDest, yDest, DestWidth, DestHeight, image.copy(rect), rop,
                           rect.size() != QSize(Magnitude(DestWidth), Magnitude(DestHeight)));
        return Magnitude(SrcHeight);
    }
    Blit::Source source;
    source.image = &image;
    source.covered = covered.empty() ? nullptr : &covered;
    source.rect = Blit::Rect{xSrc, sourceTop, SrcWidth, SrcHeight};
    if (!Blit::Run(hdc, Blit::DeviceRect(hdc, xDest, yDest, DestWidth, DestHeight), &source, rop))
        return 0;
    return Magnitude(SrcHeight);
}

int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan, UINT cLines,
                      const void *lpvBits, const BITMAPINFO *lpbmi, UINT ColorUse)
{
    DibCodec::Layout layout;
    if (!hdc || !lpvBits || !DibCodec::Read(lpbmi, ColorUse, PaletteOf(hdc), layout))
        return 0;
    if (w > static_cast<DWORD>(layout.width) || h > static_cast<DWORD>(layout.height) ||
        StartScan >= static_cast<UINT>(layout.height))
        return 0;
    UINT lines = std::min<UINT>(cLines, static_cast<UINT>(layout.height) - StartScan);
    QImage image(static_cast<int>(layout.width), static_cast<int>(layout.height), QImage::Format_RGB32);
    if (image.isNull())
        return 0;
    // Scan lines and the source's y count from the picture's lower-left
    // corner whatever the row order: a top-down band holds the picture's
    // rows [height - StartScan - lines, height - StartScan), top row first.
    int height = static_cast<int>(layout.height);
    int bandTop = height - static_cast<int>(StartScan + lines);
    int bandBottom = bandTop + static_cast<int>(lines);
    const int top = static_cast<int>(
        std::clamp(static_cast<long long>(height) - ySrc - static_cast<long long>(h), -(1LL << 30), 1LL << 30));
    // Compressed bits are decoded whole; the band still picks the rows drawn.
    DibCodec::Coverage covered;
    if (layout.Compressed()) {
        if (!DibCodec::DecodeCompressed(layout, lpvBits, image, covered))
            return 0;
    } else {
        DibCodec::Decode(layout, lpvBits, layout.topDown ? bandTop : static_cast<int>(StartScan),
                         static_cast<int>(lines), image);
    }
    int from = std::max(top, bandTop), to = std::min(top + static_cast<int>(h), bandBottom);
    if (from >= to)
        return static_cast<int>(lines);
    // The target extent is in device pixels, one per DIB pixel.
    POINT origin = hdc->state.mapping.ToDevice(POINT{xDest, yDest});
    if (EmfRecorder *recorder = RecorderOf(hdc)) {
        // On a metafile context the rows drawn go into a transfer record,
        // its extent turned into logical units.
        const QRect rect = QRect(xSrc, from, static_cast<int>(w), to - from).intersected(image.rect());
        if (rect.isEmpty())
            return static_cast<int>(lines);
        const POINT at = hdc->state.mapping.ToLogical(POINT{origin.x, origin.y + (from - top)});
        const POINT end =
            hdc->state.mapping.ToLogical(POINT{origin.x + rect.width(), origin.y + (from - top) + rect.height()});
        const int cx = end.x - at.x, cy = end.y - at.y;
        recorder->Transfer(at.x, at.y, cx, cy, image.copy(rect), SRCCOPY, QSize(cx, cy) != rect.size());
        return static_cast<int>(lines);
    }
    Blit::Source source;
    source.image = &image;
    source.covered = covered.empty() ? nullptr : &covered;
    source.rect = Blit::Rect{xSrc, from, static_cast<int>(w), to - from};
    Blit::Rect target{origin.x, origin.y + (from - top), static_cast<int>(w), to - from};
    return Blit::Run(hdc, target, &source, SRCCOPY) ? static_cast<int>(lines) : 0;
}

int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi, UINT usage)
{
    auto bm = BitmapOf(hbm);
    if (!hdc || !bm || !lpbmi || lpbmi->bmiHeader.biSize < kBitmapInfoHeaderSize ||
        (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS))
        return 0;
    BITMAPINFOHEADER &h = lpbmi->bmiHeader;
    const QImage &image = bm->Current();
    if (h.biBitCount == 0) {
        // Describe the bitmap only.
        h.biWidth = image.width();
        h.biHeight = image.height();
        h.biPlanes = 1;
        h.biBitCount = static_cast<WORD>(bm->bitsPixel);
        h.biCompression = BI_RGB;
        h.biSizeImage = static_cast<DWORD>(DibRowBytes(h.biWidth, h.biBitCount)) * static_cast<DWORD>(image.height());
        h.biClrUsed = 0;
        return lpvBits ? 0 : 1;
    }
    // The caller's header names the format; its width and height must be the bitmap's.
    if (h.biWidth != image.width() || (h.biHeight != image.height() && h.biHeight != -image.height()))
        return 0;
    DibCodec::Layout layout;
    if (!FormatOf(lpbmi, layout))
        return 0;
    if (layout.bitCount <= 8) {
        BYTE *table = reinterpret_cast<BYTE *>(lpbmi) + h.biSize;
        for (size_t i = 0; i < layout.colours.size(); ++i) {
            if (usage == DIB_RGB_COLORS) {
                RGBQUAD q{static_cast<BYTE>(layout.colours[i]), static_cast<BYTE>(layout.colours[i] >> 8),
                          static_cast<BYTE>(layout.colours[i] >> 16), 0};
                std::memcpy(table + 4 * i, &q, 4);
            } else {
                table[2 * i] = static_cast<BYTE>(i);
                table[2 * i + 1] = static_cast<BYTE>(i >> 8);
            }
        }
    }
    h.biSizeImage = layout.rowBytes * static_cast<DWORD>(layout.height);
    if (!lpvBits)
        return 1;
    if (start >= static_cast<UINT>(layout.height))
        return 0;
    UINT lines = std::min<UINT>(cLines, static_cast<UINT>(layout.height) - start);
    DibCodec::Encode(image, layout, static_cast<int>(start), static_cast<int>(lines), lpvBits);
    return static_cast<int>(lines);
}

int SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void *lpBits, const BITMAPINFO *lpbmi, UINT ColorUse)
{
    auto bm = BitmapOf(hbm);
    DibCodec::Layout layout;
    if (!bm || !lpBits || !DibCodec::Read(lpbmi, ColorUse, PaletteOf(hdc), layout))
        return 0;
    if (start >= static_cast<UINT>(layout.height))
        return 0;
    UINT lines = std::min<UINT>(cLines, static_cast<UINT>(layout.height) - start);
    QImage decoded(static_cast<int>(layout.width), static_cast<int>(layout.height), QImage::Format_RGB32);
    if (decoded.isNull())
        return 0;
    std::memset(decoded.bits(), 0, static_cast<size_t>(decoded.sizeInBytes()));
    // Compressed bits are decoded whole; pixels they skip keep the bitmap's own.
    DibCodec::Coverage covered;
    if (layout.Compressed()) {
        if (!DibCodec::DecodeCompressed(layout, lpBits, decoded, covered))
            return 0;
    } else {
        DibCodec::Decode(layout, lpBits, static_cast<int>(start), static_cast<int>(lines), decoded);
    }
    int bandTop =
        layout.topDown ? static_cast<int>(start) : static_cast<int>(layout.height) - static_cast<int>(start + lines);
    QImage &target = bm->Current();
    int rows = std::min(bandTop + static_cast<int>(lines), target.height());
    int cols = std::min(static_cast<int>(layout.width), target.width());
    for (int y = std::max(bandTop, 0); y < rows; ++y) {
        const uint32_t *in = reinterpret_cast<const uint32_t *>(decoded.constScanLine(y));
        uint32_t *out = reinterpret_cast<uint32_t *>(target.scanLine(y));
        const uint8_t *set = covered.empty() ? nullptr : covered.data() + static_cast<size_t>(y) * layout.width;
        for (int x = 0; x < cols; ++x)
            if (!set || set[x])
                out[x] = bm->bitsPixel == 1 ? (Paints::ToMono(in[x] & 0xFFFFFFu) | 0xFF000000u) : in[x];
    }
    bm->Drawn();
    return static_cast<int>(lines);
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER *pbmih, DWORD flInit, const void *pjBits, const BITMAPINFO *pbmi,
                       UINT iUsage)
{
    if (!pbmih || pbmih->biSize < kBitmapInfoHeaderSize || pbmih->biWidth <= 0 || pbmih->biHeight == 0 ||
        pbmih->biHeight == (-2147483647 - 1))
        return nullptr;
    int width = pbmih->biWidth, height = pbmih->biHeight < 0 ? -pbmih->biHeight : pbmih->biHeight;
    // The bitmap is compatible with the context (a screen when NULL).
    UINT depth = hdc ? static_cast<UINT>(hdc->BitsPixel()) : 32u;
    HBITMAP bitmap = CreateBitmap(width, height, 1, depth, nullptr);
    if (!bitmap)
        return nullptr;
    if ((flInit & CBM_INIT) && SetDIBits(hdc, bitmap, 0, static_cast<UINT>(height), pjBits, pbmi, iUsage) == 0) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, void **ppvBits, void *hSection, DWORD offset)
{
    (void)offset;
    if (ppvBits)
        *ppvBits = nullptr;
    DibCodec::Layout layout;
    if (hSection || !DibCodec::Read(pbmi, usage, PaletteOf(hdc), layout))
        return nullptr;
    // The program writes the bits itself: compressed layouts cannot be drawn into.
    if (layout.Compressed())
        return nullptr;
    return DibSection::Create(layout, pbmi->bmiHeader, ppvBits);
}
