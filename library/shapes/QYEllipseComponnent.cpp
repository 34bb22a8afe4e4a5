#include "library/shapes/QYEllipseComponnent.h"

#include "framework/gdi/CDC.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeOutlines.h"
#include "library/shapes/QYShapeTypes.h"

#include <cmath>

IMPLEMENT_SERIAL(CQYEllipseComponnent, CQYDrawPortsComponent, 0)

namespace {

constexpr int kEllipsePoints = 13;

// Truncation toward zero of a single-precision coordinate.
int Trunc(float value)
{
    return static_cast<int>(value);
}

} // namespace

void QYBuildEllipsePoints(const CRect& rect, POINT out[13])
{
    const float a = static_cast<float>(rect.right - rect.left) * 0.5f;
    const float b = static_cast<float>(rect.bottom - rect.top) * 0.5f;
    const float cx = static_cast<float>(rect.left) + a;
    const float cy = static_cast<float>(rect.top) + b;
    const float s = std::sqrt(2.0f);
    const float sixth = 0.16666667f;
    const float dx = a / s;
    const float dy = b / s;
    const float ta = a * (8.0f - s) * sixth;
    const float tb = b * (8.0f - s) * sixth;
    const float va = a * (7.0f * s - 8.0f) * sixth;
    const float vb = b * (7.0f * s - 8.0f) * sixth;
    const float points[12][2] = {
        {cx + dx, cy + dy}, {cx + ta, cy + vb}, {cx + ta, cy - vb}, {cx + dx, cy - dy},
        {cx + va, cy - tb}, {cx - va, cy - tb}, {cx - dx, cy - dy}, {cx - ta, cy - vb},
        {cx - ta, cy + vb}, {cx - dx, cy + dy}, {cx - va, cy + tb}, {cx + va, cy + tb},
    };
    for (int i = 0; i < 12; ++i)
        out[i] = POINT{Trunc(points[i][0]), Trunc(points[i][1])};
    out[12] = out[0];
}

CQYEllipseComponnent::CQYEllipseComponnent()
{
    QYSetShapeDefaults(this, QY_COMP_ELLIPSE);
    if (CQYCompProperties* pProp = GetDefaultProperty())
        pProp->m_bTransparent = FALSE;
}

CQYEllipseComponnent::CQYEllipseComponnent(const CQYEllipseComponnent& src) : CQYDrawPortsComponent()
{
    m_bOver4ResizeHandles = TRUE;
    CQYDrawPortsComponent::operator=(src);
}

CQYEllipseComponnent::~CQYEllipseComponnent() = default;

void CQYEllipseComponnent::Serialize(CArchive& ar)
{
    CQYDrawPortsComponent::Serialize(ar);
}

CQYDrawComponent* CQYEllipseComponnent::Copy()
{
    return new CQYEllipseComponnent(*this);
}

void CQYEllipseComponnent::BuildEllipsePoints(const CRect& rect)
{
    if (m_lpCompPoints == nullptr || m_nCompPtCount < kEllipsePoints)
        return;
    QYBuildEllipsePoints(rect, m_lpCompPoints);
}

void CQYEllipseComponnent::Create(CRect& rcPos, CString strCaption)
{
    AllocMemory(kEllipsePoints);
    BuildEllipsePoints(rcPos);
    SetObjectCaption(strCaption);
    UpdateComp();
    UpdatePosition();
    ResetTrackPoints();
    for (const auto& ratio : QYShapePortRatios(QY_COMP_ELLIPSE))
        CreateDefaultPort(ratio.first, ratio.second);
}

void CQYEllipseComponnent::GeometryUpdated(CQYArea* pRgn)
{
    CQYDrawPortsComponent::GeometryUpdated(pRgn);
    if (pRgn == nullptr || m_nCompPtCount <= 0)
        return;
    pRgn->BuildBezierArea(m_lpCompPoints, m_nCompPtCount);
    m_rectPosition = pRgn->GetRect();
}

void CQYEllipseComponnent::OnDrawTrackCustom(CDC* pDC)
{
    if (m_lpCompTrackPoints == nullptr || m_nCompTrackPtCount < 4)
        return;
    pDC->BeginPath();
    pDC->PolyBezier(m_lpCompTrackPoints, m_nCompTrackPtCount - (m_nCompTrackPtCount - 1) % 3);
    pDC->EndPath();
    pDC->StrokeAndFillPath();
}

void CQYEllipseComponnent::OnDrawFlat(CDC* pDC)
{
    if (CQYCompProperties* pProp = GetDefaultProperty())
        FillCloseBezier(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                        static_cast<UINT>(pProp->m_nBrushType));
    OnDrawPorts(pDC, TRUE);
}

void CQYEllipseComponnent::OnDraw3d(CDC* pDC)
{
    CQYEllipseComponnent::OnDrawFlat(pDC);
}

void CQYEllipseComponnent::OnDrawShadow(CDC* pDC)
{
    FillShadowCloseBezier(pDC, m_lpCompPoints, m_nCompPtCount);
}
