#include "library/model/QYArea.h"

#include "library/model/QYAreaGeometry.h"
#include "library/model/QYGeometry.h"
#include "library/model/QYRounding.h"

IMPLEMENT_SERIAL(CQYArea, CObject, 0)
QY_IMPLEMENT_FILE_PERSISTENCE(CQYArea)

namespace {

// Halving stops long before this for any curve in int coordinates; the
// limit only guards the stack against pathological float input.
constexpr int kMaxSubdivisionDepth = 64;

} // namespace

CQYArea::CQYArea() = default;

CQYArea::CQYArea(const CQYArea& src) : CObject()
{
    *this = src;
}

CQYArea::~CQYArea() = default;

void CQYArea::Serialize(CArchive&)
{
    // Never stored: the area is rebuilt from the component's points.
}

CQYArea& CQYArea::operator=(const CQYArea& src)
{
    if (this == &src)
        return *this;
    RemoveAll();
    Append(src);
    return *this;
}

void CQYArea::Append(const CQYArea& src)
{
    const int nCount = src.GetCount();
    for (int i = 0; i < nCount; ++i)
        m_arPolygons.Add(src.m_arPolygons[i]);
    UpdateRect();
}

void CQYArea::RemoveAll()
{
    m_arPolygons.RemoveAll();
    m_rect.SetRectEmpty();
}

const CRect& CQYArea::GetRect()
{
    UpdateRect();
    return m_rect;
}

void CQYArea::UpdateRect()
{
    // An area without polygons keeps the rectangle it has.
    const int nCount = GetCount();
    if (nCount == 0)
        return;
    CRect rect = m_arPolygons[0].m_rect;
    for (int i = 1; i < nCount; ++i)
        rect = QYUnionRect(rect, m_arPolygons[i].m_rect);
    m_rect = rect;
}

BOOL CQYArea::PtInArea(int x, int y, int nTolerance) const
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i) {
        if (m_arPolygons[i].PtInPolygon(x, y, nTolerance))
            return TRUE;
    }
    return FALSE;
}

void CQYArea::AddPolygon(const POINT* lpPoints, int nCount)
{
    m_arPolygons.Add(CQYMPtArea(lpPoints, nCount));
}

void CQYArea::BuildPolygonArea(const POINT* lpPoints, int nCount)
{
    RemoveAll();
    AddPolygon(lpPoints, nCount);
    UpdateRect();
}

void CQYArea::BuildPolyLineArea(const POINT* lpPoints, int nCount)
{
    RemoveAll();
    for (int i = 0; i + 1 < nCount; ++i)
        AddPolygon(lpPoints + i, 2);
    UpdateRect();
}

void CQYArea::BuildBezierArea(const POINT* lpPoints, int nCount)
{
    RemoveAll();
    if (nCount <= 3) {
        BuildPolygonArea(lpPoints, nCount);
        return;
    }
    CQYPointArray flattened;
    FlattenBezier(&flattened, lpPoints, nCount);
    BuildPolygonArea(flattened.GetData(), static_cast<int>(flattened.GetSize()));
}

void CQYArea::BuildBezierLineArea(const POINT* lpPoints, int nCount)
{
    RemoveAll();
    if (nCount <= 3) {
        BuildPolyLineArea(lpPoints, nCount);
        return;
    }
    CQYPointArray flattened;
    FlattenBezier(&flattened, lpPoints, nCount);
    BuildPolyLineArea(flattened.GetData(), static_cast<int>(flattened.GetSize()));
}

void CQYArea::FlattenBezier(CQYPointArray* pOut, const POINT* lpPoints, int nCount)
{
    if (nCount <= 2) {
        for (int i = 0; i < nCount; ++i)
            pOut->Add(CPoint(lpPoints[i]));
        return;
    }
    if (nCount == 3)
        return;
    // Points after the last whole (control, control, end) triple are ignored.
    const int nPieces = (nCount - 1) / 3;
    for (int piece = 0; piece < nPieces; ++piece) {
        const POINT* p = lpPoints + piece * 3;
        SubdivideBezier(pOut, float(p[0].x), float(p[0].y), float(p[1].x), float(p[1].y), float(p[2].x), float(p[2].y),
                        float(p[3].x), float(p[3].y));
    }
}

void CQYArea::SubdivideBezier(CQYPointArray* pOut, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                              float y3)
{
    SubdivideToDepth(pOut, x0, y0, x1, y1, x2, y2, x3, y3, 0);
}

void CQYArea::AppendFlatPoint(CQYPointArray* pOut, float x, float y)
{
    pOut->Add(CPoint(QYTruncate(x), QYTruncate(y)));
}

void CQYArea::SubdivideToDepth(CQYPointArray* pOut, float x0, float y0, float x1, float y1, float x2, float y2,
                               float x3, float y3, int nDepth)
{
    // de Casteljau at t = 0.5.
    const float x01 = (x0 + x1) * 0.5f, y01 = (y0 + y1) * 0.5f;
    const float x12 = (x1 + x2) * 0.5f, y12 = (y1 + y2) * 0.5f;
    const float x23 = (x2 + x3) * 0.5f, y23 = (y2 + y3) * 0.5f;
    const float x012 = (x01 + x12) * 0.5f, y012 = (y01 + y12) * 0.5f;
    const float x123 = (x12 + x23) * 0.5f, y123 = (y12 + y23) * 0.5f;
    const float xm = (x012 + x123) * 0.5f, ym = (y012 + y123) * 0.5f;
    const bool bDeeper = nDepth < kMaxSubdivisionDepth;

    if (QYIsFlatEnough(x0, y0, x012, y012, xm, ym)) {
        if (pOut->GetSize() == 0)
            AppendFlatPoint(pOut, x0, y0);
        AppendFlatPoint(pOut, xm, ym);
    } else if (bDeeper && (x01 != x1 || y01 != y1 || x012 != x2 || y012 != y2 || xm != x3 || ym != y3)) {
        // A half equal to its whole would recurse for ever: it is dropped.
        SubdivideToDepth(pOut, x0, y0, x01, y01, x012, y012, xm, ym, nDepth + 1);
    }

    if (QYIsFlatEnough(xm, ym, x23, y23, x3, y3)) {
        if (pOut->GetSize() == 0)
            AppendFlatPoint(pOut, xm, ym);
        AppendFlatPoint(pOut, x3, y3);
    } else if (bDeeper && (xm != x0 || ym != y0 || x123 != x1 || y123 != y1 || x23 != x2 || y23 != y2)) {
        SubdivideToDepth(pOut, xm, ym, x123, y123, x23, y23, x3, y3, nDepth + 1);
    }
}
