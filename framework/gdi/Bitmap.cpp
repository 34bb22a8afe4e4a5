// Device-dependent bitmaps: creation and their bits in the classic row
// layout (rows padded to 16 bits).
#include "framework/gdi/Bitmap.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/PixelBuffers.h"

#include <algorithm>
#include <cstring>

namespace {

// Bitmaps larger than this are refused rather than allocated.
constexpr long long kMaxBitmapPixels = 1LL << 27;

bool SupportedDepth(UINT bits)
{
    return bits == 1 || bits == 24 || bits == 32;
}

int WidthBytes(int width, int bitsPixel)
{
    return ((width * bitsPixel + 15) / 16) * 2;
}

// The whole rows of bm that dwCount bytes hold, at most its height.
DWORD WholeRows(const BitmapData &bm, DWORD dwCount, DWORD stride)
{
    if (stride == 0)
        return 0;
    return std::min(dwCount / stride, static_cast<DWORD>(bm.image.height()));
}

void ReadRow(QImage &image, int y, const BYTE *row, int bitsPixel)
{
    QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        if (bitsPixel == 1) {
            bool set = (row[x >> 3] >> (7 - (x & 7))) & 1;
            out[x] = set ? 0xFFFFFFFFu : 0xFF000000u;
        } else {
            // A 32-bit pixel is one little-endian word, its top byte included.
            const BYTE *p = row + x * (bitsPixel / 8);
            uint32_t top = bitsPixel == 32 ? static_cast<uint32_t>(p[3]) << 24 : 0;
            out[x] = top | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
        }
    }
}

void WriteRow(const QImage &image, int y, BYTE *row, int bitsPixel)
{
    const QRgb *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    std::memset(row, 0, static_cast<size_t>(WidthBytes(image.width(), bitsPixel)));
    for (int x = 0; x < image.width(); ++x) {
        if (bitsPixel == 1) {
            if ((in[x] & 0xFFFFFF) == 0xFFFFFF)
                row[x >> 3] |= static_cast<BYTE>(0x80 >> (x & 7));
        } else {
            BYTE *p = row + x * (bitsPixel / 8);
            p[0] = static_cast<BYTE>(qBlue(in[x]));
            p[1] = static_cast<BYTE>(qGreen(in[x]));
            p[2] = static_cast<BYTE>(qRed(in[x]));
            if (bitsPixel == 32)
                p[3] = static_cast<BYTE>(in[x] >> 24);
        }
    }
}

} // namespace

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void *lpBits)
{
    if (nWidth <= 0 || nHeight <= 0 || nPlanes != 1 || !SupportedDepth(nBitCount))
        return nullptr;
    if (static_cast<long long>(nWidth) * nHeight > kMaxBitmapPixels)
        return nullptr;
    auto bm = std::make_shared<BitmapData>();
    // New bitmaps start as zero words (black); QImage::fill would set the
    // top byte.
    bm->image = PixelBuffers::NewZeroedImage(nWidth, nHeight);
    if (bm->image.isNull())
        return nullptr;
    bm->bitsPixel = static_cast<int>(nBitCount);
    if (lpBits) {
        const BYTE *bits = static_cast<const BYTE *>(lpBits);
        int stride = WidthBytes(nWidth, bm->bitsPixel);
        for (int y = 0; y < nHeight; ++y)
            ReadRow(bm->image, y, bits + static_cast<size_t>(y) * stride, bm->bitsPixel);
    }
    return GdiHandles::Insert(std::move(bm));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    if (!hdc || cx < 0 || cy < 0)
        return nullptr;
    // A zero-sized request gets the one-pixel monochrome bitmap, as the original does.
    if (cx == 0 || cy == 0)
        return CreateBitmap(1, 1, 1, 1, nullptr);
    return CreateBitmap(cx, cy, 1, static_cast<UINT>(hdc->BitsPixel()), nullptr);
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void *lpBits)
{
    return AttachNew(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP *lpBitmap)
{
    if (!lpBitmap)
        return FALSE;
    return CreateBitmap(lpBitmap->bmWidth, lpBitmap->bmHeight, lpBitmap->bmPlanes, lpBitmap->bmBitsPixel,
                        lpBitmap->bmBits);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC *pDC, int nWidth, int nHeight)
{
    return pDC ? AttachNew(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight)) : FALSE;
}

int CBitmap::GetBitmap(BITMAP *pBitMap) const
{
    return GetObject(sizeof(BITMAP), pBitMap);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void *lpBits)
{
    auto bm = GdiHandles::LookupAs<BitmapData>(m_hObject, GdiObjectKind::Bitmap);
    if (!bm || !lpBits)
        return 0;
    DWORD stride = static_cast<DWORD>(WidthBytes(bm->image.width(), bm->bitsPixel));
    const DWORD rows = WholeRows(*bm, dwCount, stride);
    const BYTE *bits = static_cast<const BYTE *>(lpBits);
    bm->Current();
    for (DWORD y = 0; y < rows; ++y)
        ReadRow(bm->image, static_cast<int>(y), bits + static_cast<size_t>(y) * stride, bm->bitsPixel);
    bm->Drawn();
    return rows * stride;
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
{
    auto bm = GdiHandles::LookupAs<BitmapData>(m_hObject, GdiObjectKind::Bitmap);
    if (!bm || !lpBits)
        return 0;
    DWORD stride = static_cast<DWORD>(WidthBytes(bm->image.width(), bm->bitsPixel));
    const DWORD rows = WholeRows(*bm, dwCount, stride);
    BYTE *bits = static_cast<BYTE *>(lpBits);
    bm->Current();
    for (DWORD y = 0; y < rows; ++y)
        WriteRow(bm->image, static_cast<int>(y), bits + static_cast<size_t>(y) * stride, bm->bitsPixel);
    return rows * stride;
}
