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
    bm->image = image.convertToFormat(QImage::Format_RGB32);
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
