// Brushes: creation and their logical descriptions.
#include "framework/gdi/Brush.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/DibCodec.h"
#include "framework/gdi/FillPaint.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/SystemColors.h"

HBRUSH CreateSolidBrush(COLORREF color)
{
    auto b = std::make_shared<BrushData>();
    b->style = BS_SOLID;
    b->color = Paints::KeepFlags(color); // palette colours resolve when drawn
    return GdiHandles::Insert(std::move(b));
}

HBRUSH CreateHatchBrush(int iHatch, COLORREF color)
{
    if (iHatch < HS_HORIZONTAL || iHatch > HS_DIAGCROSS)
        return nullptr;
    auto b = std::make_shared<BrushData>();
    b->style = BS_HATCHED;
    b->color = Paints::KeepFlags(color); // palette colours resolve when drawn
    b->hatch = iHatch;
    return GdiHandles::Insert(std::move(b));
}

HBRUSH CreatePatternBrush(HBITMAP hbm)
{
    auto bitmap = GdiHandles::LookupAs<BitmapData>(hbm, GdiObjectKind::Bitmap);
    if (!bitmap || bitmap->image.isNull())
        return nullptr;
    auto b = std::make_shared<BrushData>();
    b->style = BS_PATTERN;
    // The brush keeps its own copy: the bitmap may be deleted afterwards.
    b->pattern = bitmap->Current().copy();
    b->monoPattern = bitmap->bitsPixel == 1;
    return GdiHandles::Insert(std::move(b));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH *plbrush)
{
    if (!plbrush)
        return nullptr;
    switch (plbrush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(plbrush->lbColor);
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(plbrush->lbHatch), plbrush->lbColor);
    case BS_PATTERN:
    case BS_PATTERN8X8: return CreatePatternBrush(reinterpret_cast<HBITMAP>(plbrush->lbHatch));
    case BS_NULL: return GetStockObject(NULL_BRUSH);
    default: return nullptr;
    }
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return AttachNew(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return AttachNew(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap *pBitmap)
{
    return pBitmap ? AttachNew(::CreatePatternBrush(pBitmap->GetSafeHandle())) : FALSE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH *lpLogBrush)
{
    return AttachNew(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return AttachNew(::CreateSolidBrush(GetSysColor(nIndex)));
}

int CBrush::GetLogBrush(LOGBRUSH *pLogBrush) const
{
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

BOOL CBrush::CreateDIBPatternBrush(const void *lpPackedDIB, UINT nUsage)
{
    return AttachNew(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}

HBRUSH CreateDIBPatternBrushPt(const void *lpPackedDIB, UINT iUsage)
{
    if (!lpPackedDIB)
        return nullptr;
    const auto *info = static_cast<const BITMAPINFO *>(lpPackedDIB);
    DibCodec::Layout layout;
    if (!DibCodec::Read(info, iUsage, nullptr, layout) || layout.Compressed())
        return nullptr;
    // The rows follow the header and its colour table (or bit-field masks).
    const BITMAPINFOHEADER &h = info->bmiHeader;
    size_t table = layout.colours.size() * (iUsage == DIB_PAL_COLORS ? 2 : 4);
    if (h.biCompression == BI_BITFIELDS && h.biSize == sizeof(BITMAPINFOHEADER))
        table = 12;
    const BYTE *bits = static_cast<const BYTE *>(lpPackedDIB) + h.biSize + table;
    QImage pattern(layout.width, layout.height, QImage::Format_RGB32);
    if (pattern.isNull())
        return nullptr;
    pattern.fill(0);
    DibCodec::Decode(layout, bits, 0, layout.height, pattern);
    auto b = std::make_shared<BrushData>();
    b->style = BS_DIBPATTERN;
    b->pattern = std::move(pattern);
    return GdiHandles::Insert(std::move(b));
}
