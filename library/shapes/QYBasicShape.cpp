#include "library/shapes/QYBasicShape.h"

#include "framework/gdi/CDC.h"
#include "library/model/QYBitmapFill.h"
#include "library/model/QYGeometry.h"
#include "library/model/QYGradientFill.h"
#include "library/shapes/QYShapeCommon.h"
#include "library/shapes/QYShapeOutlines.h"
#include "library/shapes/QYShapeTypes.h"

#include <vector>

namespace {

// The can's points: P0-P12 the top ellipse, P13-P19 the lower half of the
// bottom ellipse.
constexpr int kCanPoints = 20;

} // namespace

CQYBasicShape::CQYBasicShape(int nType)
{
    QYSetShapeDefaults(this, nType);
}

CQYBasicShape::CQYBasicShape(const CQYBasicShape& src) : CQYDrawPortsComponent()
{
    m_bOver4ResizeHandles = TRUE;
    CQYDrawPortsComponent::operator=(src);
}

CQYBasicShape::~CQYBasicShape() = default;

void CQYBasicShape::Serialize(CArchive& ar)
{
    CQYDrawPortsComponent::Serialize(ar);
}

void CQYBasicShape::Create(CRect& rcPos, CString strCaption)
{
    const std::vector<POINT> outline = QYBuildShapeOutline(GetShapeType(), rcPos);
    SetPoints(outline.data(), static_cast<int>(outline.size()));
    SetObjectCaption(strCaption);
    UpdateComp();
    UpdatePosition();
    ResetTrackPoints();
    for (const auto& ratio : QYShapePortRatios(GetShapeType()))
        CreateDefaultPort(ratio.first, ratio.second);
}

CRect CQYBasicShape::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

void CQYBasicShape::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn == nullptr || m_nCompPtCount <= 0)
        return;
    if (QYIsBoxHitShape(GetShapeType())) {
        const CRect r = GetPointsRect();
        const POINT corners[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        pRgn->BuildPolygonArea(corners, 4);
    } else {
        pRgn->BuildPolygonArea(m_lpCompPoints, m_nCompPtCount);
    }
    m_rectPosition = pRgn->GetRect();
}

void CQYBasicShape::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    QYRectHandles(m_CompArea.GetRect(), pArray);
}

// ---------------------------------------------------------------------------
// Drawing

void CQYBasicShape::FillPoints(CDC* pDC, std::initializer_list<int> indexes)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr)
        return;
    std::vector<POINT> points;
    for (int i : indexes) {
        if (i < m_nCompPtCount)
            points.push_back(m_lpCompPoints[i]);
    }
    FillPoly(pDC, points.data(), static_cast<int>(points.size()), pProp->m_crBkColor, pProp->m_crPatternColor,
             static_cast<UINT>(pProp->m_nBrushType));
}

void CQYBasicShape::DrawFaces(CDC* pDC, std::initializer_list<std::initializer_list<int>> faces)
{
    for (const auto& face : faces)
        FillPoints(pDC, face);
}

void CQYBasicShape::OnDrawFlat(CDC* pDC)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr || m_nCompPtCount <= 0)
        return;
    switch (GetShapeType()) {
    case QY_COMP_CUBE:
        if (m_nCompPtCount == 8)
            DrawFaces(pDC, {{0, 1, 5, 4}, {4, 5, 6, 7}, {5, 1, 2, 6}});
        break;
    case QY_COMP_BEVEL:
        if (m_nCompPtCount == 8)
            DrawFaces(pDC, {{0, 4, 7, 3}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {4, 5, 6, 7}});
        break;
    case QY_COMP_CORNER:
        FillPoly(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                 static_cast<UINT>(pProp->m_nBrushType));
        if (m_nCompPtCount == 6)
            FillPoints(pDC, {2, 4, 3});
        break;
    case QY_COMP_CAN: DrawCan(pDC); return;
    default:
        FillPoly(pDC, m_lpCompPoints, m_nCompPtCount, pProp->m_crBkColor, pProp->m_crPatternColor,
                 static_cast<UINT>(pProp->m_nBrushType));
        break;
    }
    OnDrawPorts(pDC, TRUE);
}

void CQYBasicShape::OnDraw3d(CDC* pDC)
{
    CQYBasicShape::OnDrawFlat(pDC);
}

void CQYBasicShape::AddCanBody(CDC* pDC)
{
    const POINT* p = m_lpCompPoints;
    pDC->MoveTo(p[19]);
    pDC->LineTo(p[12]);
    pDC->LineTo(p[6]);
    pDC->LineTo(p[13]);
    pDC->LineTo(p[19]);
    pDC->PolyBezier(p + 13, 7);
}

void CQYBasicShape::DrawCan(CDC* pDC)
{
    CQYDrawPortsComponent::OnDrawFlat(pDC);
    CQYCompProperties* pProp = GetDefaultProperty();
    // A can read from a document may have lost points: only a whole can draws.
    if (pProp == nullptr || m_nCompPtCount != kCanPoints)
        return;
    const int nBrushType = pProp->m_nBrushType;
    if (nBrushType > QY_MAX_BRUSH_TYPE || nBrushType < 0)
        return;
    if (nBrushType < QY_FIRST_GRADIENT_BRUSH) {
        pDC->BeginPath();
        AddCanBody(pDC);
        pDC->EndPath();
        pDC->StrokeAndFillPath();
    } else {
        const int nSaved = pDC->SaveDC();
        pDC->BeginPath();
        AddCanBody(pDC);
        pDC->CloseFigure();
        pDC->EndPath();
        pDC->SelectClipPath(RGN_AND);
        const CRect r = QYGetPointsRect(m_lpCompPoints, kCanPoints);
        if (nBrushType < QY_FIRST_BITMAP_BRUSH)
            QYGradientFill(pDC, r.left, r.top, r.right, r.bottom, pProp->m_crBkColor, pProp->m_crPatternColor,
                           static_cast<UINT>(nBrushType - QY_FIRST_GRADIENT_BRUSH), nullptr);
        else
            QYFillBitmapRect(pDC, r.left, r.top, r.right, r.bottom, 1, nBrushType - QY_FIRST_BITMAP_BRUSH, nullptr);
        pDC->RestoreDC(nSaved);
        AddCanBody(pDC);
    }
    FillCloseBezier(pDC, m_lpCompPoints, 13, pProp->m_crBkColor, pProp->m_crPatternColor,
                    static_cast<UINT>(nBrushType));
    OnDrawPorts(pDC, TRUE);
}

// ---------------------------------------------------------------------------
// Track outlines

void CQYBasicShape::OnDrawTrackCustom(CDC* pDC)
{
    const int nType = GetShapeType();
    if (!QYIsBoxHitShape(nType)) {
        CQYDrawPortsComponent::OnDrawTrackCustom(pDC);
        return;
    }
    OnDrawTrackPorts(pDC);
    if (nType == QY_COMP_CUBE || nType == QY_COMP_BEVEL)
        TrackCubeOrBevel(pDC);
    else if (nType == QY_COMP_CORNER)
        TrackCorner(pDC);
    else
        TrackCan(pDC);
}

void CQYBasicShape::TrackCubeOrBevel(CDC* pDC)
{
    if (m_nCompTrackPtCount != 8)
        return;
    const POINT* t = m_lpCompTrackPoints;
    pDC->MoveTo(t[0]);
    for (int i : {1, 2, 3, 0})
        pDC->LineTo(t[i]);
    pDC->MoveTo(t[4]);
    for (int i : {5, 6, 7, 4, 0})
        pDC->LineTo(t[i]);
    for (int i = 0; i < 3; ++i) {
        pDC->MoveTo(t[5 + i]);
        pDC->LineTo(t[1 + i]);
    }
}

void CQYBasicShape::TrackCorner(CDC* pDC)
{
    if (m_nCompTrackPtCount != 6)
        return;
    const POINT* t = m_lpCompTrackPoints;
    pDC->MoveTo(t[0]);
    for (int i : {1, 2, 4, 3, 2})
        pDC->LineTo(t[i]);
    pDC->MoveTo(t[4]);
    pDC->LineTo(t[5]);
    pDC->LineTo(t[0]);
}

void CQYBasicShape::TrackCan(CDC* pDC)
{
    if (m_nCompTrackPtCount != kCanPoints)
        return;
    const POINT* t = m_lpCompTrackPoints;
    pDC->BeginPath();
    pDC->PolyBezier(t, 13);
    pDC->MoveTo(t[19]);
    for (int i : {12, 6, 13, 19})
        pDC->LineTo(t[i]);
    pDC->PolyBezier(t + 13, 7);
    pDC->EndPath();
    pDC->StrokeAndFillPath();
}
