#include "library/shapes/QYRectComponent.h"

#include "library/model/QYGeometry.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeTypes.h"

IMPLEMENT_SERIAL(CQYRectComponent, CQYDrawPortsComponent, 0)

CQYRectComponent::CQYRectComponent()
{
    QYSetShapeDefaults(this, QY_COMP_RECTANGLE);
}

CQYRectComponent::CQYRectComponent(const CQYRectComponent& src) : CQYDrawPortsComponent()
{
    m_bOver4ResizeHandles = TRUE;
    CQYDrawPortsComponent::operator=(src);
}

CQYRectComponent::~CQYRectComponent() = default;

void CQYRectComponent::Serialize(CArchive& ar)
{
    CQYDrawPortsComponent::Serialize(ar);
}

CQYDrawComponent* CQYRectComponent::Copy()
{
    return new CQYRectComponent(*this);
}

void CQYRectComponent::Create(CRect& rcPos, CString strCaption)
{
    AllocMemory(4);
    QYRectCorners(rcPos, m_lpCompPoints);
    SetObjectCaption(strCaption);
    UpdateComp();
    UpdatePosition();
    ResetTrackPoints();
    const double ratios[5][2] = {{0.5, 0.5}, {0, 0.5}, {0.5, 1}, {1, 0.5}, {0.5, 0}};
    for (const auto& ratio : ratios)
        CreateDefaultPort(ratio[0], ratio[1]);
}

CRect CQYRectComponent::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

void CQYRectComponent::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn == nullptr || m_nCompPtCount <= 0)
        return;
    pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
    m_rectPosition = pRgn->GetRect();
}

void CQYRectComponent::OnDrawFlat(CDC* pDC)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        FillPoly(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                 static_cast<UINT>(pProp->m_nBrushType));
    OnDrawPorts(pDC, TRUE);
}

void CQYRectComponent::OnDraw3d(CDC* pDC)
{
    CQYRectComponent::OnDrawFlat(pDC);
}

void CQYRectComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    QYRectHandles(m_CompArea.GetRect(), pArray);
}
