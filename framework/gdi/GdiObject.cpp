// CGdiObject: handle ownership, the permanent and temporary wrapper maps,
// and the plain-function forms that work on any object handle.
#include "framework/gdi/GdiObject.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/DibSection.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/Palette.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/Pen.h"
#include "framework/gdi/Rgn.h"

#include "framework/base/HandleMap.h"

#include <cstring>
#include <memory>

namespace {

using WrapperMap = CHandleMap<HGDIOBJ, CGdiObject>;

// GUI thread only (see HandleMap.h).
WrapperMap &Map()
{
    static WrapperMap *map = new WrapperMap; // outlives every static wrapper
    return *map;
}

std::unique_ptr<CGdiObject> MakeWrapper(GdiObjectKind kind)
{
    switch (kind) {
    case GdiObjectKind::Pen: return std::make_unique<CPen>();
    case GdiObjectKind::Brush: return std::make_unique<CBrush>();
    case GdiObjectKind::Font: return std::make_unique<CFont>();
    case GdiObjectKind::Bitmap: return std::make_unique<CBitmap>();
    case GdiObjectKind::Region: return std::make_unique<CRgn>();
    case GdiObjectKind::Palette: return std::make_unique<CPalette>();
    default: return std::make_unique<CGdiObject>();
    }
}

// Temporary wrappers borrow their handle: they must not delete it.
void ReleaseTemporary(CGdiObject &wrapper)
{
    wrapper.m_hObject = nullptr;
}

template <typename T>
int CopyOut(const T &value, int nCount, LPVOID lpObject)
{
    if (!lpObject)
        return static_cast<int>(sizeof(T));
    int n = nCount < static_cast<int>(sizeof(T)) ? nCount : static_cast<int>(sizeof(T));
    if (n <= 0)
        return 0;
    std::memcpy(lpObject, &value, static_cast<size_t>(n));
    return n;
}

int GetPenObject(const PenData &pen, int nCount, LPVOID lpObject)
{
    if (!pen.extended) {
        LOGPEN lp{pen.style, {pen.width, 0}, pen.color};
        return CopyOut(lp, nCount, lpObject);
    }
    EXTLOGPEN ep{};
    ep.elpPenStyle = pen.style;
    ep.elpWidth = static_cast<DWORD>(pen.width);
    ep.elpBrushStyle = pen.brush.lbStyle;
    ep.elpColor = pen.brush.lbColor;
    ep.elpHatch = pen.brush.lbHatch;
    ep.elpNumEntries = static_cast<DWORD>(pen.userStyle.size());
    // The style entries follow the fixed part; only the first fits in the struct.
    int fixed = static_cast<int>(offsetof(EXTLOGPEN, elpStyleEntry));
    int need = fixed + static_cast<int>(sizeof(DWORD) * (pen.userStyle.empty() ? 1 : pen.userStyle.size()));
    if (!lpObject)
        return need;
    if (nCount < need)
        return 0;
    std::memcpy(lpObject, &ep, static_cast<size_t>(fixed));
    DWORD *entries = reinterpret_cast<DWORD *>(static_cast<BYTE *>(lpObject) + fixed);
    if (pen.userStyle.empty())
        entries[0] = 0;
    for (size_t i = 0; i < pen.userStyle.size(); ++i)
        entries[i] = pen.userStyle[i];
    return need;
}

int GetBitmapObject(const BitmapData &bm, int nCount, LPVOID lpObject)
{
    BITMAP b{};
    b.bmWidth = bm.image.width();
    b.bmHeight = bm.image.height();
    b.bmPlanes = 1;
    b.bmBitsPixel = static_cast<WORD>(bm.bitsPixel);
    b.bmWidthBytes = ((b.bmWidth * bm.bitsPixel + 15) / 16) * 2;
    if (!bm.dibSection || !bm.sectionInfo)
        return CopyOut(b, nCount, lpObject);
    // A DIB section reports its bits in their own layout and, asked for
    // the larger record, its header and masks.
    const DibSectionBits &s = *bm.sectionInfo;
    b.bmBitsPixel = s.layout.bitCount;
    b.bmWidthBytes = static_cast<LONG>(s.layout.rowBytes);
    b.bmBits = bm.section ? const_cast<BYTE *>(bm.section->bits.data()) : const_cast<uchar *>(bm.image.constBits());
    if (nCount < static_cast<int>(sizeof(DIBSECTION)) || !lpObject)
        return CopyOut(b, nCount, lpObject);
    DIBSECTION ds{};
    ds.dsBm = b;
    ds.dsBmih = s.header;
    ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
    ds.dsBmih.biSizeImage = s.layout.rowBytes * static_cast<DWORD>(s.layout.height);
    // Only BI_BITFIELDS sections report masks; BI_RGB ones report zeros,
    // even though their pixels follow fixed masks.
    if (s.header.biCompression == BI_BITFIELDS)
        for (int i = 0; i < 3; ++i)
            ds.dsBitfields[i] = s.layout.masks[i];
    return CopyOut(ds, nCount, lpObject);
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject *CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    if (CGdiObject *pObject = Map().Lookup(hObject))
        return pObject;
    return Map().TemporaryFor(hObject, [hObject]() -> std::unique_ptr<CGdiObject> {
        std::shared_ptr<GdiObjectData> data = GdiHandles::Lookup(hObject);
        if (!data)
            return nullptr;
        std::unique_ptr<CGdiObject> wrapper = MakeWrapper(data->kind);
        wrapper->m_hObject = hObject;
        return wrapper;
    });
}

void CGdiObject::DeleteTempMap()
{
    Map().DeleteTemporaries(ReleaseTemporary);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (m_hObject || !hObject || !GdiHandles::Lookup(hObject))
        return FALSE;
    m_hObject = hObject;
    Map().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h)
        Map().RemovePermanent(h, this);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::AttachNew(HGDIOBJ hObject)
{
    if (!hObject)
        return FALSE;
    DeleteObject();
    return Attach(hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    HGDIOBJ h = ::GetStockObject(nIndex);
    if (!h)
        return FALSE;
    DeleteObject();
    return Attach(h);
}

BOOL CGdiObject::UnrealizeObject()
{
    // Brush origins are applied at fill time, so nothing is cached to reset.
    return m_hObject != nullptr && GdiHandles::Lookup(m_hObject) != nullptr;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return ::GetObjectType(m_hObject);
}

HGDIOBJ GetStockObject(int nIndex)
{
    return GdiHandles::Stock(nIndex);
}

BOOL DeleteObject(HGDIOBJ hObject)
{
    if (!hObject)
        return FALSE;
    // A context that still has the object selected keeps its own reference,
    // so removing the handle here never leaves it with freed memory.
    if (!GdiHandles::Remove(hObject))
        return FALSE;
    // A stock object's handle stays valid; any other temporary wrapper
    // names nothing now.
    if (!GdiHandles::Lookup(hObject))
        Map().RemoveTemporary(hObject, ReleaseTemporary);
    return TRUE;
}

int GetObject(HGDIOBJ hObject, int nCount, LPVOID lpObject)
{
    std::shared_ptr<GdiObjectData> data = GdiHandles::Lookup(hObject);
    if (!data)
        return 0;
    switch (data->kind) {
    case GdiObjectKind::Pen: return GetPenObject(static_cast<const PenData &>(*data), nCount, lpObject);
    case GdiObjectKind::Brush: {
        const auto &b = static_cast<const BrushData &>(*data);
        LOGBRUSH lb{b.style, b.color, static_cast<ULONG_PTR>(b.hatch)};
        return CopyOut(lb, nCount, lpObject);
    }
    case GdiObjectKind::Font: return CopyOut(static_cast<const FontData &>(*data).logFont, nCount, lpObject);
    case GdiObjectKind::Bitmap: return GetBitmapObject(static_cast<const BitmapData &>(*data), nCount, lpObject);
    case GdiObjectKind::Palette: {
        WORD entries = static_cast<WORD>(static_cast<const PaletteData &>(*data).entries.size());
        return CopyOut(entries, nCount, lpObject);
    }
    default: return 0;
    }
}

DWORD GetObjectType(HGDIOBJ hObject)
{
    std::shared_ptr<GdiObjectData> data = GdiHandles::Lookup(hObject);
    if (!data)
        return 0;
    switch (data->kind) {
    case GdiObjectKind::Pen: return static_cast<const PenData &>(*data).extended ? OBJ_EXTPEN : OBJ_PEN;
    case GdiObjectKind::Brush: return OBJ_BRUSH;
    case GdiObjectKind::Font: return OBJ_FONT;
    case GdiObjectKind::Bitmap: return OBJ_BITMAP;
    case GdiObjectKind::Region: return OBJ_REGION;
    case GdiObjectKind::Palette: return OBJ_PAL;
    }
    return 0;
}
