#include "library/shapes/QYBezierLineComponent.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYGeometry.h"
#include "library/shapes/QYLineEndOwner.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeTypes.h"

IMPLEMENT_SERIAL(CQYBezierLineComponent, CQYDrawComponent, 0)

namespace {

// The points a curve can draw: whole cubic segments only.
int DrawableCount(int nCount)
{
    return nCount < 4 ? 0 : nCount - (nCount - 1) % 3;
}

} // namespace

CQYBezierLineComponent::CQYBezierLineComponent()
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->SetType(QY_COMP_BEZIERLINE);
    SetOver4ResizeHandles(TRUE);
}

CQYBezierLineComponent::CQYBezierLineComponent(const CQYBezierLineComponent& src)
    : CQYDrawComponent(src), m_nStartArrowType(src.m_nStartArrowType), m_nEndArrowType(src.m_nEndArrowType)
{
    SetOver4ResizeHandles(TRUE);
    LineEndSlots().CopyFrom(src.m_pStartArrow, src.m_pEndArrow);
    CQYDrawComponent::ResetTrackPoints();
}

CQYBezierLineComponent::~CQYBezierLineComponent()
{
    LineEndSlots().DeleteBoth();
}

CQYDrawComponent* CQYBezierLineComponent::Copy()
{
    return new CQYBezierLineComponent(*this);
}

void CQYBezierLineComponent::Serialize(CArchive& ar)
{
    const CQYLoadingHold hold(this);
    CQYDrawComponent::Serialize(ar);
    if (ar.IsStoring()) {
        LineEndSlots().Store(ar);
        return;
    }
    LineEndSlots().Load(ar);
    CQYDrawComponent::ResetTrackPoints();
}

BOOL CQYBezierLineComponent::CreateFromArray(const CArray<CPoint, CPoint>& points)
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

CRect CQYBezierLineComponent::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

void CQYBezierLineComponent::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn == nullptr || m_lpCompPoints == nullptr || m_nCompPtCount <= 0)
        return;
    pRgn->BuildBezierLineArea(m_lpCompPoints, m_nCompPtCount);
    m_rectPosition = pRgn->GetRect();
    QYAddLineEndAreas(pRgn, m_pStartArrow, m_pEndArrow, m_lpCompPoints, m_nCompPtCount);
}

void CQYBezierLineComponent::OnDrawFlat(CDC* pDC)
{
    const int n = DrawableCount(m_nCompPtCount);
    if (m_lpCompPoints == nullptr || n == 0)
        return;
    pDC->PolyBezier(m_lpCompPoints, n);
    QYDrawLineEnds(pDC, m_pStartArrow, m_pEndArrow, m_lpCompPoints, m_nCompPtCount, TRUE);
}

void CQYBezierLineComponent::OnDraw3d(CDC* pDC)
{
    CQYBezierLineComponent::OnDrawFlat(pDC);
}

void CQYBezierLineComponent::OnDrawTrackCustom(CDC* pDC)
{
    const int n = DrawableCount(m_nCompTrackPtCount);
    if (m_lpCompTrackPoints == nullptr || n == 0)
        return;
    pDC->PolyBezier(m_lpCompTrackPoints, n);
    QYDrawLineEnds(pDC, m_pStartArrow, m_pEndArrow, m_lpCompTrackPoints, m_nCompTrackPtCount, FALSE);
}

void CQYBezierLineComponent::OnDrawHighlight(CDC* pDC)
{
    QYDrawGreenDotted(pDC, m_lpCompPoints, m_nCompPtCount, FALSE);
}

void CQYBezierLineComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    GetPoints(pArray);
}

void CQYBezierLineComponent::SetEndArrowType(const int& nType)
{
    QYLineEndAccess::SetEndArrowType(nType);
}

CRect CQYBezierLineComponent::GetDrawingBounds(CDC* pDC, const CRect& rectPosition)
{
    CRect bounds = CQYDrawComponent::GetDrawingBounds(pDC, rectPosition);
    const int nReach = QYLineEndsReach(m_pStartArrow, m_pEndArrow);
    bounds.InflateRect(nReach, nReach);
    return bounds;
}
