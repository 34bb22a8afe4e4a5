// Regions: creation from shapes, combination and queries.
#include "framework/gdi/Rgn.h"

#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/RegionShapes.h"
#include "framework/gdi/RegionUtil.h"

namespace {

// Point lists longer than this are refused.
constexpr long long kMaxPoints = 1 << 22;

std::shared_ptr<RgnData> Data(HGDIOBJ h)
{
    return GdiHandles::LookupAs<RgnData>(h, GdiObjectKind::Region);
}

HRGN Insert(QRegion region)
{
    auto r = std::make_shared<RgnData>();
    r->region = std::move(region);
    return GdiHandles::Insert(std::move(r));
}

// A box shape from two corners in either order.
BoxShape MakeBox(BoxShape::Kind kind, int x1, int y1, int x2, int y2)
{
    BoxShape s;
    s.kind = kind;
    s.left = std::min(x1, x2);
    s.right = std::max(x1, x2);
    s.top = std::min(y1, y2);
    s.bottom = std::max(y1, y2);
    return s;
}

} // namespace

HRGN CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Insert(RegionUtil::FromRect(x1, y1, x2, y2));
}

HRGN CreateRectRgnIndirect(const RECT *lprect)
{
    return lprect ? CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom) : nullptr;
}

HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Insert(RegionShapes::Box(MakeBox(BoxShape::Ellipse, x1, y1, x2, y2)));
}

HRGN CreateEllipticRgnIndirect(const RECT *lprect)
{
    return lprect ? CreateEllipticRgn(lprect->left, lprect->top, lprect->right, lprect->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h)
{
    BoxShape s = MakeBox(BoxShape::RoundRect, x1, y1, x2, y2);
    s.cornerWidth = w < 0 ? -static_cast<double>(w) : w;
    s.cornerHeight = h < 0 ? -static_cast<double>(h) : h;
    return Insert(RegionShapes::Box(s));
}

HRGN CreatePolyPolygonRgn(const POINT *pptl, const INT *pc, int cPoly, int iMode)
{
    if (!pptl || !pc || cPoly < 1 || cPoly > kMaxPoints || (iMode != ALTERNATE && iMode != WINDING))
        return nullptr;
    long long total = 0;
    for (int i = 0; i < cPoly; ++i) {
        if (pc[i] < 0)
            return nullptr;
        total += pc[i];
    }
    if (total > kMaxPoints)
        return nullptr;
    PolygonScan::Polygons polygons;
    const POINT *p = pptl;
    for (int i = 0; i < cPoly; ++i) {
        std::vector<QPointF> poly;
        for (int k = 0; k < pc[i]; ++k, ++p)
            poly.emplace_back(p->x, p->y);
        if (poly.size() >= 3)
            polygons.push_back(std::move(poly));
    }
    return Insert(RegionShapes::Polygons(polygons, iMode == WINDING));
}

HRGN CreatePolygonRgn(const POINT *pptl, int cPoint, int iMode)
{
    INT counts[1] = {cPoint};
    return CreatePolyPolygonRgn(pptl, counts, 1, iMode);
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

BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2)
{
    auto a = Data(hrgn1);
    auto b = Data(hrgn2);
    // Equal pixel sets, however their rectangles are cut.
    return a && b && a->region.xored(b->region).isEmpty();
}

int OffsetRgn(HRGN hrgn, int x, int y)
{
    auto d = Data(hrgn);
    if (!d)
        return ERROR;
    // A move that would carry the region outside +-2^30 is refused; the region stays.
    QRect box = d->region.boundingRect();
    const long long limit = 1LL << 30;
    if (!box.isEmpty() &&
        (static_cast<long long>(box.left()) + x < -limit || static_cast<long long>(box.right()) + x > limit ||
         static_cast<long long>(box.top()) + y < -limit || static_cast<long long>(box.bottom()) + y > limit))
        return ERROR;
    d->region.translate(x, y);
    return RegionUtil::Type(d->region);
}

int GetRgnBox(HRGN hrgn, LPRECT lprc)
{
    auto d = Data(hrgn);
    if (!d || !lprc)
        return ERROR;
    *lprc = RegionUtil::ToRect(d->region.boundingRect());
    return RegionUtil::Type(d->region);
}

BOOL PtInRegion(HRGN hrgn, int x, int y)
{
    auto d = Data(hrgn);
    return d && d->region.contains(QPoint(x, y));
}

BOOL RectInRegion(HRGN hrgn, const RECT *lprect)
{
    auto d = Data(hrgn);
    if (!d || !lprect)
        return FALSE;
    return d->region.intersects(RegionUtil::FromRect(lprect->left, lprect->top, lprect->right, lprect->bottom));
}

BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom)
{
    auto d = Data(hrgn);
    if (!d)
        return FALSE;
    d->region = RegionUtil::FromRect(left, top, right, bottom);
    return TRUE;
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return AttachNew(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return lpRect ? CreateRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return AttachNew(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
    return lpRect ? CreateEllipticRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return AttachNew(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreatePolygonRgn(const POINT *lpPoints, int nCount, int nMode)
{
    return AttachNew(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT *lpPoints, const INT *lpPolyCounts, int nCount, int nPolyFillMode)
{
    return AttachNew(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    ::SetRectRgn(m_hObject, x1, y1, x2, y2);
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
    return ::EqualRgn(m_hObject, pRgn ? pRgn->m_hObject : nullptr);
}

int CRgn::OffsetRgn(int x, int y)
{
    return ::OffsetRgn(m_hObject, x, y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return ::GetRgnBox(m_hObject, lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion(m_hObject, x, y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return ::RectInRegion(m_hObject, lpRect);
}
