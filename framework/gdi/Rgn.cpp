// Rectangle regions and their combinations.
#include "framework/gdi/Rgn.h"

#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/RegionUtil.h"

namespace {

std::shared_ptr<RgnData> Data(HGDIOBJ h)
{
    return GdiHandles::LookupAs<RgnData>(h, GdiObjectKind::Region);
}

} // namespace

HRGN CreateRectRgn(int x1, int y1, int x2, int y2)
{
    auto r = std::make_shared<RgnData>();
    r->region = RegionUtil::FromRect(x1, y1, x2, y2);
    return GdiHandles::Insert(std::move(r));
}

int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode)
{
    auto dst = Data(hrgnDst);
    auto a = Data(hrgnSrc1);
    if (!dst || !a)
        return ERROR;
    if (iMode == RGN_COPY) {
        dst->region = a->region;
        return RegionUtil::Type(dst->region);
    }
    auto b = Data(hrgnSrc2);
    if (!b)
        return ERROR;
    switch (iMode) {
    case RGN_AND: dst->region = a->region.intersected(b->region); break;
    case RGN_OR: dst->region = a->region.united(b->region); break;
    case RGN_XOR: dst->region = a->region.xored(b->region); break;
    case RGN_DIFF: dst->region = a->region.subtracted(b->region); break;
    default: return ERROR;
    }
    return RegionUtil::Type(dst->region);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return AttachNew(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return lpRect ? CreateRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    if (auto d = Data(m_hObject))
        d->region = RegionUtil::FromRect(x1, y1, x2, y2);
}

int CRgn::CombineRgn(const CRgn *pRgn1, const CRgn *pRgn2, int nCombineMode)
{
    return ::CombineRgn(m_hObject, pRgn1 ? pRgn1->m_hObject : nullptr, pRgn2 ? pRgn2->m_hObject : nullptr,
                        nCombineMode);
}

int CRgn::CopyRgn(const CRgn *pRgnSrc)
{
    return CombineRgn(pRgnSrc, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn *pRgn) const
{
    auto a = Data(m_hObject);
    auto b = Data(pRgn ? pRgn->m_hObject : nullptr);
    return a && b && a->region == b->region;
}

int CRgn::OffsetRgn(int x, int y)
{
    auto d = Data(m_hObject);
    if (!d)
        return ERROR;
    d->region.translate(x, y);
    return RegionUtil::Type(d->region);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    auto d = Data(m_hObject);
    if (!d || !lpRect)
        return ERROR;
    *lpRect = RegionUtil::ToRect(d->region.boundingRect());
    return RegionUtil::Type(d->region);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    auto d = Data(m_hObject);
    return d && d->region.contains(QPoint(x, y));
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    auto d = Data(m_hObject);
    if (!d || !lpRect)
        return FALSE;
    return d->region.intersects(RegionUtil::FromRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom));
}
