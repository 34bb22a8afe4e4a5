#include "library/shapes/QYLineComponent.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYGeometry.h"
#include "library/shapes/QYElbow.h"
#include "library/shapes/QYLineEndOwner.h"
#include "library/shapes/QYShapeTypes.h"

#include <vector>

IMPLEMENT_SERIAL(CQYLineComponent, CQYDrawComponent, 0)

CQYLineComponent::CQYLineComponent()
{
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        pProp->SetType(QY_COMP_LINE);
        pProp->SetBrushType(1);
        pProp->SetBkColor(0x57564A);
    }
    SetOver4ResizeHandles(TRUE);
}

CQYLineComponent::CQYLineComponent(const CQYLineComponent& src)
    : CQYDrawComponent(src), m_nStartArrowType(src.m_nStartArrowType), m_nEndArrowType(src.m_nEndArrowType),
      m_bElbow(src.m_bElbow)
{
    SetOver4ResizeHandles(TRUE);
    LineEndSlots().CopyFrom(src.m_pStartArrow, src.m_pEndArrow);
    CQYDrawComponent::ResetTrackPoints();
}

CQYLineComponent::~CQYLineComponent()
{
    LineEndSlots().DeleteBoth();
}

CQYDrawComponent* CQYLineComponent::Copy()
{
    return new CQYLineComponent(*this);
}

void CQYLineComponent::Serialize(CArchive& ar)
{
    const CQYLoadingHold hold(this);
    CQYDrawComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bElbow;
        LineEndSlots().Store(ar);
        return;
    }
    BOOL bElbow = FALSE;
    ar >> bElbow;
    LineEndSlots().Load(ar);
    m_bElbow = bElbow;
    CQYDrawComponent::ResetTrackPoints();
}

BOOL CQYLineComponent::CreateFromPoints(const POINT* lpPoints, int nCount)
{
    if (lpPoints == nullptr || nCount < 2)
        return FALSE;
    SetPoints(lpPoints, nCount);
    if (m_bElbow)
        RouteElbow();
    else if (IsOrthogonal())
        m_bElbow = TRUE;
    UpdateComp();
    UpdatePosition();
    ResetTrackPoints();
    return TRUE;
}

BOOL CQYLineComponent::CreateFromArray(const CArray<CPoint, CPoint>& points)
{
    return CreateFromPoints(points.GetData(), static_cast<int>(points.GetSize()));
}

BOOL CQYLineComponent::GetElbow()
{
    return m_bElbow;
}

void CQYLineComponent::SetElbow(BOOL bElbow)
{
    m_bElbow = bElbow;
}

BOOL CQYLineComponent::IsOrthogonal()
{
    return QYIsOrthogonal(m_lpCompPoints, m_nCompPtCount);
}

void CQYLineComponent::RouteElbow()
{
    if (m_nCompPtCount < 2)
        return;
    const std::vector<POINT> route = QYRouteElbow(m_lpCompPoints[0], m_lpCompPoints[m_nCompPtCount - 1]);
    AllocMemory(static_cast<int>(route.size()));
    std::copy(route.begin(), route.end(), m_lpCompPoints);
}

CPoint* CQYLineComponent::GetRectSpot(CPoint* pOut, const CRect& rc, int nSpot)
{
    return QYGetRectSpot(pOut, rc, nSpot);
}

CRect CQYLineComponent::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

void CQYLineComponent::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn == nullptr || m_lpCompPoints == nullptr || m_nCompPtCount <= 0)
        return;
    pRgn->BuildPolyLineArea(m_lpCompPoints, m_nCompPtCount);
    m_rectPosition = pRgn->GetRect();
    QYAddLineEndAreas(pRgn, m_pStartArrow, m_pEndArrow, m_lpCompPoints, m_nCompPtCount);
}

void CQYLineComponent::OnDrawFlat(CDC* pDC)
{
    if (m_lpCompPoints == nullptr || m_nCompPtCount <= 0)
        return;
    pDC->Polyline(m_lpCompPoints, m_nCompPtCount);
    QYDrawLineEnds(pDC, m_pStartArrow, m_pEndArrow, m_lpCompPoints, m_nCompPtCount, TRUE);
}

void CQYLineComponent::OnDraw3d(CDC* pDC)
{
    CQYLineComponent::OnDrawFlat(pDC);
}

void CQYLineComponent::OnDrawTrackCustom(CDC* pDC)
{
    if (m_lpCompTrackPoints == nullptr || m_nCompTrackPtCount <= 0)
        return;
    pDC->Polyline(m_lpCompTrackPoints, m_nCompTrackPtCount);
    QYDrawLineEnds(pDC, m_pStartArrow, m_pEndArrow, m_lpCompTrackPoints, m_nCompTrackPtCount, FALSE);
}

void CQYLineComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    GetPoints(pArray);
}

BOOL CQYLineComponent::OffsetPoint(int nIndex, int dx, int dy)
{
    if (nIndex < 0 || nIndex >= m_nCompPtCount)
        return FALSE;
    CPoint point = m_lpCompPoints[nIndex];
    QYMoveElbowPoint(m_lpCompPoints, m_nCompPtCount, nIndex, &point, dx, dy, m_bElbow);
    m_lpCompPoints[nIndex] = point;
    UpdateComp();
    return TRUE;
}

BOOL CQYLineComponent::OffsetTrackPoint(int nIndex, int dx, int dy)
{
    if (nIndex < 0 || nIndex >= m_nCompTrackPtCount)
        return FALSE;
    CPoint point = m_lpCompTrackPoints[nIndex];
    QYMoveElbowPoint(m_lpCompTrackPoints, m_nCompTrackPtCount, nIndex, &point, dx, dy, m_bElbow);
    m_lpCompTrackPoints[nIndex] = point;
    UpdateComp();
    return TRUE;
}

void CQYLineComponent::SetEndArrowType(const int& nType)
{
    QYLineEndAccess::SetEndArrowType(nType);
}

CRect CQYLineComponent::GetDrawingBounds(CDC* pDC, const CRect& rectPosition)
{
    CRect bounds = CQYDrawComponent::GetDrawingBounds(pDC, rectPosition);
    const int nReach = QYLineEndsReach(m_pStartArrow, m_pEndArrow);
    bounds.InflateRect(nReach, nReach);
    return bounds;
}
