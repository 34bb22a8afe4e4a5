#include "library/shapes/QYPolygonComponent.h"

#include "library/model/QYGeometry.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeTypes.h"

IMPLEMENT_SERIAL(CQYPolygonComponent, CQYDrawComponent, 0)

CQYPolygonComponent::CQYPolygonComponent()
{
    QYSetShapeDefaults(this, QY_COMP_POLYGON);
}

CQYPolygonComponent::CQYPolygonComponent(const CQYPolygonComponent& src) : CQYDrawComponent(src)
{
    m_bOver4ResizeHandles = TRUE;
    ResetTrackPoints();
}

CQYPolygonComponent::~CQYPolygonComponent() = default;

void CQYPolygonComponent::Serialize(CArchive& ar)
{
    CQYDrawComponent::Serialize(ar);
}

CQYDrawComponent* CQYPolygonComponent::Copy()
{
    return new CQYPolygonComponent(*this);
}

BOOL CQYPolygonComponent::CreateFromArray(const CArray<CPoint, CPoint>& points)
{
    SetPoints(points.GetData(), static_cast<int>(points.GetSize()));
    UpdateComp();
    UpdatePosition();
    ResetTrackPoints();
    return TRUE;
}

CRect CQYPolygonComponent::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

void CQYPolygonComponent::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn == nullptr || m_nCompPtCount <= 0)
        return;
    pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
    m_rectPosition = pRgn->GetRect();
}

void CQYPolygonComponent::OnDrawFlat(CDC* pDC)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        FillPoly(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                 static_cast<UINT>(pProp->m_nBrushType));
}

void CQYPolygonComponent::OnDraw3d(CDC* pDC)
{
    CQYPolygonComponent::OnDrawFlat(pDC);
}

void CQYPolygonComponent::OnDrawShadow(CDC* pDC)
{
    FillShadowPoly(pDC, m_lpCompPoints, m_nCompPtCount);
}

void CQYPolygonComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    QYRectHandles(m_CompArea.GetRect(), pArray);
}
