// Bitmaps from the resource registry: an image file registered under the
// id, or a packed DIB registered as a bitmap resource.
#include "framework/gdi/Bitmap.h"

#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/PackedDib.h"
#include "framework/resources/ResourceImages.h"
#include "framework/resources/Resources.h"

namespace {

QImage PackedDibResource(LPCTSTR name)
{
    HRSRC info = FindResource(nullptr, name, RT_BITMAP);
    if (!info)
        return QImage();
    const BYTE *bytes = static_cast<const BYTE *>(LockResource(LoadResource(nullptr, info)));
    return bytes ? PackedDib::Decode(bytes, SizeofResource(nullptr, info)) : QImage();
}

// The picture as a bitmap's 32-bit words: colours with a zero top byte, or
// with their alpha there when the picture has an alpha channel.
QImage Words(const QImage &picture)
{
    bool alpha = picture.hasAlphaChannel();
    QImage source = picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImage words(source.size(), QImage::Format_RGB32);
    if (source.isNull() || words.isNull())
        return QImage();
    for (int y = 0; y < source.height(); ++y) {
        const uint32_t *in = reinterpret_cast<const uint32_t *>(source.constScanLine(y));
        uint32_t *out = reinterpret_cast<uint32_t *>(words.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            out[x] = alpha ? in[x] : in[x] & 0x00FFFFFFu;
    }
    return words;
}

} // namespace

HBITMAP LoadBitmap(HINSTANCE, LPCTSTR lpBitmapName)
{
    if (!lpBitmapName)
        return nullptr;
    QImage image = PlexoLoadBitmapImage(lpBitmapName);
    if (image.isNull())
        image = PackedDibResource(lpBitmapName);
    if (image.isNull())
        return nullptr;
    auto bm = std::make_shared<BitmapData>();
    bm->image = Words(image);
    if (bm->image.isNull())
        return nullptr;
    bm->bitsPixel = 32;
    return GdiHandles::Insert(std::move(bm));
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    return AttachNew(::LoadBitmap(nullptr, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCE(nIDResource));
}
