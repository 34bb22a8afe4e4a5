#include "library/shapes/QYCloseBezierComponent.h"

#include "framework/gdi/CDC.h"
#include "library/model/QYGeometry.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeTypes.h"

IMPLEMENT_SERIAL(CQYCloseBezierComponent, CQYDrawComponent, 0)

CQYCloseBezierComponent::CQYCloseBezierComponent()
{
    QYSetShapeDefaults(this, QY_COMP_CLOSEBEZIER);
}

CQYCloseBezierComponent::CQYCloseBezierComponent(const CQYCloseBezierComponent& src) : CQYDrawComponent(src)
{
    m_bOver4ResizeHandles = TRUE;
    ResetTrackPoints();
}

CQYCloseBezierComponent::~CQYCloseBezierComponent() = default;

void CQYCloseBezierComponent::Serialize(CArchive& ar)
{
    CQYDrawComponent::Serialize(ar);
}

CQYDrawComponent* CQYCloseBezierComponent::Copy()
{
    return new CQYCloseBezierComponent(*this);
}

BOOL CQYCloseBezierComponent::CreateFromArray(const CArray<CPoint, CPoint>& points)
{
    int nKept = 0;
    if (!QYKeepBezierPoints(static_cast<int>(points.GetSize()), &nKept))
        return FALSE;
    SetPoints(points.GetData(), nKept);
    UpdateComp();
    UpdatePosition();
    ResetTrackPoints();
    return TRUE;
}

void CQYCloseBezierComponent::FlattenBezier(CArray<CPoint, CPoint>& out, const POINT* lpPoints, int nCount)
{
    // The hit area's flattening is this very algorithm.
    CQYArea area;
    area.FlattenBezier(&out, lpPoints, nCount);
}

void CQYCloseBezierComponent::SubdivideBezier(CArray<CPoint, CPoint>& out, float x0, float y0, float x1, float y1,
                                              float x2, float y2, float x3, float y3)
{
    CQYArea area;
    area.SubdivideBezier(&out, x0, y0, x1, y1, x2, y2, x3, y3);
}

CRect CQYCloseBezierComponent::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

void CQYCloseBezierComponent::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn == nullptr || m_nCompPtCount <= 0)
        return;
    pRgn->BuildBezierArea(m_lpCompPoints, m_nCompPtCount);
    m_rectPosition = pRgn->GetRect();
}

void CQYCloseBezierComponent::OnDrawFlat(CDC* pDC)
{
    // A stored figure without a whole segment draws nothing.
    if (m_nCompPtCount < 4)
        return;
    if (CQYCompProperties* pProp = GetDefaultProperty())
        FillBezier(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                   static_cast<UINT>(pProp->m_nBrushType));
}

void CQYCloseBezierComponent::OnDraw3d(CDC* pDC)
{
    CQYCloseBezierComponent::OnDrawFlat(pDC);
}

void CQYCloseBezierComponent::OnDrawShadow(CDC* pDC)
{
    if (m_nCompPtCount >= 4)
        FillShadowBezier(pDC, m_lpCompPoints, m_nCompPtCount);
}

void CQYCloseBezierComponent::OnDrawTrackCustom(CDC* pDC)
{
    const int n = m_nCompTrackPtCount - (m_nCompTrackPtCount - 1) % 3;
    if (m_lpCompTrackPoints == nullptr || m_nCompTrackPtCount < 4)
        return;
    pDC->PolyBezier(m_lpCompTrackPoints, n);
    const POINT first = m_lpCompTrackPoints[0];
    const POINT last = m_lpCompTrackPoints[n - 1];
    if (last.x != first.x || last.y != first.y) {
        pDC->MoveTo(last);
        pDC->LineTo(first);
    }
}

void CQYCloseBezierComponent::OnDrawHighlight(CDC* pDC)
{
    QYDrawGreenDotted(pDC, m_lpCompPoints, m_nCompPtCount, FALSE);
}

void CQYCloseBezierComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    QYRectHandles(m_CompArea.GetRect(), pArray);
}
