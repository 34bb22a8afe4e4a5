#include "library/shapes/QYLinkComponent.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYDrawingChanges.h"
#include "library/model/QYGeometry.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYRounding.h"
#include "library/shapes/QYElbow.h"
#include "library/shapes/QYLineEnds.h"
#include "library/shapes/QYShapeTypes.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

IMPLEMENT_SERIAL(CQYLinkComponent, CQYDrawComponent, 0)

CQYLinkComponent::CQYLinkComponent()
{
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        pProp->SetType(QY_COMP_LINK);
        pProp->SetBrushType(0);
    }
    SetOver4ResizeHandles(TRUE);
}

CQYLinkComponent::CQYLinkComponent(const CQYLinkComponent& src)
    : CQYDrawComponent(src), CQYPortLink(), m_ptLabel(src.m_ptLabel), m_nStartArrowType(src.m_nStartArrowType),
      m_nEndArrowType(src.m_nEndArrowType), m_bElbow(src.m_bElbow)
{
    SetOver4ResizeHandles(TRUE);
    LineEndSlots().CopyFrom(src.m_pStartArrow, src.m_pEndArrow);
    CQYDrawComponent::ResetTrackPoints();
}

CQYLinkComponent::~CQYLinkComponent()
{
    LineEndSlots().DeleteBoth();
    SetPort(m_pFromPort, nullptr);
    SetPort(m_pToPort, nullptr);
}

CQYDrawComponent* CQYLinkComponent::Copy()
{
    return new CQYLinkComponent(*this);
}

// ---------------------------------------------------------------------------
// Archive record

void CQYLinkComponent::Serialize(CArchive& ar)
{
    const CQYLoadingHold hold(this);
    CQYDrawComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bElbow;
        LineEndSlots().Store(ar);
        ar << m_ptLabel.x << m_ptLabel.y;
        return;
    }
    BOOL bElbow = FALSE;
    int nStartType = 0;
    int nEndType = 0;
    ar >> bElbow >> nStartType >> nEndType;
    CQYBaseEndObject* pStart = QYReadOwnedLineEnd(ar);
    CQYBaseEndObject* pEnd = nullptr;
    POINT label{};
    try {
        pEnd = QYReadOwnedLineEnd(ar);
        ar >> label.x >> label.y;
    } catch (...) {
        ar.DeleteLoadedObject(pStart);
        ar.DeleteLoadedObject(pEnd);
        throw;
    }
    m_bElbow = bElbow;
    m_nStartArrowType = nStartType;
    m_nEndArrowType = nEndType;
    delete m_pStartArrow;
    delete m_pEndArrow;
    m_pStartArrow = pStart;
    m_pEndArrow = pEnd;
    m_ptLabel = label;
    QYNoteDrawingChange();
    CQYDrawComponent::ResetTrackPoints();
}

// ---------------------------------------------------------------------------
// Creation

void CQYLinkComponent::SetPolyline(const std::vector<POINT>& points)
{
    AllocMemory(static_cast<int>(points.size()));
    std::copy(points.begin(), points.end(), m_lpCompPoints);
}

BOOL CQYLinkComponent::CreateFromPoints(const POINT* lpPoints, int nCount, CQYPortComponent* pFrom,
                                        CQYPortComponent* pTo)
{
    if (lpPoints == nullptr || nCount < 2)
        return FALSE;
    if (m_bElbow) {
        SetPolyline(QYElbowCorner(lpPoints[0], lpPoints[nCount - 1]));
        if (!IsOrthogonal())
            RouteElbow();
    } else {
        SetPolyline(std::vector<POINT>(lpPoints, lpPoints + nCount));
    }
    // Counted at once: binding the same port again later is then balanced.
    if (pFrom != nullptr)
        SetFromPort(pFrom);
    if (pTo != nullptr)
        SetToPort(pTo);
    UpdateComp();
    UpdatePosition();
    ResetTrackPoints();
    return TRUE;
}

BOOL CQYLinkComponent::CreateFromArray(const CArray<CPoint, CPoint>* pPoints, CQYPortComponent* pFrom,
                                       CQYPortComponent* pTo)
{
    if (pPoints == nullptr)
        return FALSE;
    return CreateFromPoints(pPoints->GetData(), static_cast<int>(pPoints->GetSize()), pFrom, pTo);
}

// ---------------------------------------------------------------------------
// Ports

void CQYLinkComponent::SetPort(CQYPortComponent*& rpSlot, CQYPortComponent* pPort)
{
    if (pPort != nullptr)
        pPort->AddRef();
    CQYPortComponent* pOld = rpSlot;
    rpSlot = pPort;
    if (pOld != nullptr)
        pOld->Release();
}

void CQYLinkComponent::SetFromPort(CQYPortComponent* pPort)
{
    SetPort(m_pFromPort, pPort);
}

void CQYLinkComponent::SetToPort(CQYPortComponent* pPort)
{
    SetPort(m_pToPort, pPort);
}

void CQYLinkComponent::DetachPort(CQYPortComponent* pPort)
{
    if (pPort == nullptr)
        return;
    if (m_pFromPort == pPort)
        SetPort(m_pFromPort, nullptr);
    if (m_pToPort == pPort)
        SetPort(m_pToPort, nullptr);
}

void CQYLinkComponent::DetachFromPorts()
{
    // The ports' lists may hold the last references on this link.
    const CQYLoadingHold hold(this);
    for (CQYPortComponent* pPort : {m_pFromPort, m_pToPort}) {
        if (pPort != nullptr)
            pPort->RemoveLink(this);
    }
    SetPort(m_pFromPort, nullptr);
    SetPort(m_pToPort, nullptr);
}

CQYPortComponent* CQYLinkComponent::GetFromPort()
{
    return m_pFromPort;
}

CQYPortComponent* CQYLinkComponent::GetToPort()
{
    return m_pToPort;
}

CQYDrawComponent* CQYLinkComponent::GetFromComp()
{
    return m_pFromPort != nullptr ? m_pFromPort->GetParentComp() : nullptr;
}

CQYDrawComponent* CQYLinkComponent::GetToComp()
{
    return m_pToPort != nullptr ? m_pToPort->GetParentComp() : nullptr;
}

void CQYLinkComponent::SetFromPortParent(CQYDrawComponent* pParent)
{
    if (m_pFromPort != nullptr)
        m_pFromPort->SetParentComp(pParent);
}

void CQYLinkComponent::SetToPortParent(CQYDrawComponent* pParent)
{
    if (m_pToPort != nullptr)
        m_pToPort->SetParentComp(pParent);
}

void CQYLinkComponent::SetLabelPoint(const CPoint& point)
{
    QYNoteDrawingChange();
    m_ptLabel = point;
}

CPoint CQYLinkComponent::GetStartPoint()
{
    return m_nCompPtCount > 0 ? CPoint(m_lpCompPoints[0]) : CPoint(0, 0);
}

CPoint CQYLinkComponent::GetEndPoint()
{
    return m_nCompPtCount > 0 ? CPoint(m_lpCompPoints[m_nCompPtCount - 1]) : CPoint(0, 0);
}

BOOL CQYLinkComponent::IsEndPoint(int nIndex)
{
    return nIndex == 0 || nIndex == m_nCompPtCount - 1;
}

// ---------------------------------------------------------------------------
// Measures

int CQYLinkComponent::GetDistance(int x1, int y1, int x2, int y2)
{
    // Each difference is below 2^32, so its square fits in 64 unsigned bits;
    // a sum beyond them is a distance far beyond the int range.
    const unsigned long long ax = static_cast<unsigned long long>(std::llabs(static_cast<long long>(x2) - x1));
    const unsigned long long ay = static_cast<unsigned long long>(std::llabs(static_cast<long long>(y2) - y1));
    unsigned long long sum = 0;
    if (__builtin_add_overflow(ax * ax, ay * ay, &sum))
        return INT_MAX;
    return QYRound(std::sqrt(static_cast<double>(sum)));
}

int CQYLinkComponent::GetLength()
{
    long long nLength = 0;
    for (int i = 0; i + 1 < m_nCompPtCount; ++i)
        nLength +=
            GetDistance(m_lpCompPoints[i].x, m_lpCompPoints[i].y, m_lpCompPoints[i + 1].x, m_lpCompPoints[i + 1].y);
    return nLength > INT_MAX ? INT_MAX : static_cast<int>(nLength);
}

CPoint CQYLinkComponent::GetCenterPoint()
{
    if (m_nCompPtCount <= 0)
        return CPoint(0, 0);
    if (m_nCompPtCount == 1)
        return m_lpCompPoints[0];
    const long long nHalf = GetLength() / 2;
    long long nSum = 0;
    int k = 0;
    for (; k + 1 < m_nCompPtCount; ++k) {
        nSum += GetDistance(m_lpCompPoints[k].x, m_lpCompPoints[k].y, m_lpCompPoints[k + 1].x, m_lpCompPoints[k + 1].y);
        if (nSum >= nHalf)
            break;
    }
    if (k + 1 >= m_nCompPtCount)
        k = m_nCompPtCount - 2;
    const POINT a = m_lpCompPoints[k];
    const POINT b = m_lpCompPoints[k + 1];
    return CPoint(static_cast<int>((static_cast<long long>(a.x) + b.x) / 2),
                  static_cast<int>((static_cast<long long>(a.y) + b.y) / 2));
}

BOOL CQYLinkComponent::IsOrthogonal()
{
    return QYIsOrthogonal(m_lpCompPoints, m_nCompPtCount);
}

// ---------------------------------------------------------------------------
// Elbow routing

BOOL CQYLinkComponent::GetElbow()
{
    return m_bElbow;
}

void CQYLinkComponent::SetElbow(BOOL bElbow)
{
    m_bElbow = bElbow;
}

CPoint* CQYLinkComponent::GetRectSpot(CPoint* pOut, const CRect& rc, int nSpot)
{
    return QYGetRectSpot(pOut, rc, nSpot);
}

void CQYLinkComponent::RouteElbow()
{
    if (m_nCompPtCount < 2)
        return;
    SetPolyline(QYRouteElbow(m_lpCompPoints[0], m_lpCompPoints[m_nCompPtCount - 1]));
}

void CQYLinkComponent::RouteTrackElbow()
{
    if (m_nCompTrackPtCount < 2)
        return;
    const std::vector<POINT> route = QYRouteElbow(m_lpCompTrackPoints[0], m_lpCompTrackPoints[m_nCompTrackPtCount - 1]);
    SetTrackPoints(route.data(), static_cast<int>(route.size()));
}

BOOL CQYLinkComponent::MoveElbowPoint(int nIndex, CPoint* pPoint, int dx, int dy)
{
    return QYMoveElbowPoint(m_lpCompPoints, m_nCompPtCount, nIndex, pPoint, dx, dy, m_bElbow);
}

BOOL CQYLinkComponent::MoveElbowTrackPoint(int nIndex, CPoint* pPoint, int dx, int dy)
{
    return QYMoveElbowPoint(m_lpCompTrackPoints, m_nCompTrackPtCount, nIndex, pPoint, dx, dy, m_bElbow);
}

// ---------------------------------------------------------------------------
// Moving points

BOOL CQYLinkComponent::OffsetPoint(int nIndex, int dx, int dy)
{
    if (nIndex < 0 || nIndex >= m_nCompPtCount)
        return FALSE;
    CPoint point = m_lpCompPoints[nIndex];
    MoveElbowPoint(nIndex, &point, dx, dy);
    m_lpCompPoints[nIndex] = point;
    UpdateComp();
    return TRUE;
}

BOOL CQYLinkComponent::OffsetTrackPoint(int nIndex, int dx, int dy)
{
    if (nIndex < 0 || nIndex >= m_nCompTrackPtCount)
        return FALSE;
    CPoint point = m_lpCompTrackPoints[nIndex];
    MoveElbowTrackPoint(nIndex, &point, dx, dy);
    m_lpCompTrackPoints[nIndex] = point;
    return TRUE;
}

BOOL CQYLinkComponent::OffsetTransformedTrackPoint(int nIndex, int dx, int dy)
{
    if (!OffsetTrackPoint(nIndex, dx, dy))
        return FALSE;
    UpdateComp();
    return TRUE;
}

BOOL CQYLinkComponent::OffsetLinkTrackPoint(CQYPortComponent*, int nIndex, int dx, int dy)
{
    return OffsetTrackPoint(nIndex, dx, dy);
}

BOOL CQYLinkComponent::MoveEndAtPort(CQYPortComponent* pPort, int dx, int dy)
{
    if (pPort != nullptr && pPort == m_pFromPort)
        OffsetPoint(0, dx, dy);
    else if (pPort != nullptr && pPort == m_pToPort)
        OffsetPoint(m_nCompPtCount - 1, dx, dy);
    return TRUE;
}

BOOL CQYLinkComponent::MoveTrackEndAtPort(CQYPortComponent* pPort, int dx, int dy)
{
    if (pPort != nullptr && pPort == m_pFromPort)
        OffsetTrackPoint(0, dx, dy);
    else if (pPort != nullptr && pPort == m_pToPort)
        OffsetTrackPoint(m_nCompTrackPtCount - 1, dx, dy);
    return TRUE;
}

BOOL CQYLinkComponent::MovePortBy(CQYPortComponent* pPort, int dx, int dy)
{
    if (pPort != nullptr) {
        CPoint point = pPort->GetLinkPoint();
        point.Offset(dx, dy);
        pPort->MoveLinkPoint(&point);
    }
    return TRUE;
}

void CQYLinkComponent::OffsetComponent(int dx, int dy)
{
    if (m_nCompPtCount <= 0)
        return;
    // Free at both ends: the whole link moves as it is.
    if (m_pFromPort == nullptr && m_pToPort == nullptr) {
        CQYDrawComponent::OffsetComponent(dx, dy);
        return;
    }
    const int last = m_nCompPtCount - 1;
    if (m_pFromPort != nullptr) {
        CPoint point = m_lpCompPoints[0];
        const CPoint target = m_pFromPort->GetLinkPoint();
        MoveElbowPoint(0, &point, target.x - point.x, target.y - point.y);
        m_lpCompPoints[0] = point;
    }
    if (m_pToPort != nullptr) {
        CPoint point = m_lpCompPoints[last];
        const CPoint target = m_pToPort->GetLinkPoint();
        MoveElbowPoint(last, &point, target.x - point.x, target.y - point.y);
        m_lpCompPoints[last] = point;
    }
    for (int i = 0; i <= last; ++i) {
        if ((i == 0 && m_pFromPort != nullptr) || (i == last && m_pToPort != nullptr))
            continue;
        CPoint point = m_lpCompPoints[i];
        MoveElbowPoint(i, &point, dx, dy);
        m_lpCompPoints[i] = point;
    }
}

void CQYLinkComponent::MoveTrackPointsBy(int nFirst, int nLast, int dx, int dy)
{
    for (int i = nFirst; i <= nLast; ++i) {
        CPoint point = m_lpCompTrackPoints[i];
        MoveElbowTrackPoint(i, &point, dx, dy);
        m_lpCompTrackPoints[i] = point;
    }
}

void CQYLinkComponent::OffsetTrackComponent(int dx, int dy, int, int)
{
    if (m_nCompTrackPtCount <= 0)
        return;
    if (m_pFromPort == nullptr && m_pToPort == nullptr) {
        OffsetAllTrackPoints(dx, dy);
        return;
    }
    const int last = m_nCompTrackPtCount - 1;
    for (int i = 0; i <= last; ++i) {
        if ((i == 0 && m_pFromPort != nullptr) || (i == last && m_pToPort != nullptr))
            continue;
        MoveTrackPointsBy(i, i, dx, dy);
    }
}

void CQYLinkComponent::OffsetAllTrackPoints(int dx, int dy)
{
    for (int i = 0; i < m_nCompTrackPtCount; ++i) {
        m_lpCompTrackPoints[i].x += dx;
        m_lpCompTrackPoints[i].y += dy;
    }
}

void CQYLinkComponent::OffsetSelectedTrack(int dx, int dy, int ex, int ey)
{
    const int last = m_nCompTrackPtCount - 1;
    for (int i = 0; i <= last; ++i) {
        const bool bAttached = (i == 0 && m_pFromPort != nullptr) || (i == last && m_pToPort != nullptr);
        if (bAttached) {
            m_lpCompTrackPoints[i].x -= ex;
            m_lpCompTrackPoints[i].y -= ey;
        } else {
            MoveTrackPointsBy(i, i, dx, dy);
        }
    }
}

void CQYLinkComponent::MoveTrackByPort(CQYPortComponent* pPort, int dx, int dy, int rx, int ry)
{
    const int last = m_nCompTrackPtCount - 1;
    if (last < 0)
        return;
    if (pPort != nullptr && pPort == m_pFromPort) {
        MoveTrackPointsBy(0, 0, dx, dy);
        MoveTrackPointsBy(1, last, -rx, -ry);
    } else if (pPort != nullptr && pPort == m_pToPort) {
        MoveTrackPointsBy(last, last, dx, dy);
        MoveTrackPointsBy(0, last - 1, -rx, -ry);
    } else {
        MoveTrackPointsBy(0, last, -rx, -ry);
    }
}

void CQYLinkComponent::CopyToTrackPoints()
{
    CQYDrawComponent::ResetTrackPoints();
}

void CQYLinkComponent::ResetTrackPoints()
{
    CQYDrawComponent::ResetTrackPoints();
    if (m_nCompTrackPtCount <= 0)
        return;
    if (m_pFromPort != nullptr)
        m_lpCompTrackPoints[0] = m_pFromPort->GetTrackLinkPoint();
    if (m_pToPort != nullptr)
        m_lpCompTrackPoints[m_nCompTrackPtCount - 1] = m_pToPort->GetTrackLinkPoint();
}

// ---------------------------------------------------------------------------
// Geometry and drawing

CRect CQYLinkComponent::GetRect()
{
    m_rectPosition = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    return m_rectPosition;
}

void CQYLinkComponent::GeometryUpdated(CQYArea* pRgn)
{
    if (pRgn == nullptr || m_lpCompPoints == nullptr || m_nCompPtCount <= 0)
        return;
    pRgn->BuildPolyLineArea(m_lpCompPoints, m_nCompPtCount);
    m_rectPosition = pRgn->GetRect();
    QYAddLineEndAreas(pRgn, m_pStartArrow, m_pEndArrow, m_lpCompPoints, m_nCompPtCount);
    m_ptLabel = GetCenterPoint();
}

void CQYLinkComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    GetPoints(pArray);
}

void CQYLinkComponent::OnDrawFlat(CDC* pDC)
{
    if (m_lpCompPoints == nullptr || m_nCompPtCount <= 0)
        return;
    pDC->Polyline(m_lpCompPoints, m_nCompPtCount);
    QYDrawLineEnds(pDC, m_pStartArrow, m_pEndArrow, m_lpCompPoints, m_nCompPtCount, TRUE);
    DrawCaption(pDC);
}

void CQYLinkComponent::OnDraw3d(CDC* pDC)
{
    CQYLinkComponent::OnDrawFlat(pDC);
}

CRect CQYLinkComponent::GetDrawingBounds(CDC* pDC, const CRect& rectPosition)
{
    CRect bounds = CQYDrawComponent::GetDrawingBounds(pDC, rectPosition);
    const int nReach = QYLineEndsReach(m_pStartArrow, m_pEndArrow);
    bounds.InflateRect(nReach, nReach);
    CString strCaption = GetObjectCaption();
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pDC == nullptr || pProp == nullptr || strCaption.IsEmpty())
        return bounds;
    // The caption's box as DrawCaption makes it, in the font PrepareDC
    // selects, with a pixel to spare.
    const int nSaved = pDC->SaveDC();
    pDC->SelectObject(pProp->GetFont(pDC));
    const CSize extent = pDC->GetTextExtent(strCaption, strCaption.GetLength());
    pDC->RestoreDC(nSaved);
    const int hx = (extent.cx + 5) / 2 + 1;
    const int hy = (extent.cy + 5) / 2 + 1;
    // Drawing sets the rectangle again, which brings the label point back
    // to the middle of the length: both places count.
    for (const CPoint pt : {m_ptLabel, GetCenterPoint()}) {
        const CRect rectLabel(pt.x - hx, pt.y - hy, pt.x + hx, pt.y + hy);
        bounds.UnionRect(&bounds, &rectLabel);
    }
    return bounds;
}

void CQYLinkComponent::DrawCaption(CDC* pDC)
{
    CString strCaption = GetObjectCaption();
    CQYCompProperties* pProp = GetDefaultProperty();
    // A link without a caption shows no label box.
    if (pProp == nullptr || strCaption.IsEmpty()) {
        m_rcLabel = CRect(m_ptLabel, m_ptLabel);
        return;
    }
    const CSize extent = pDC->GetTextExtent(strCaption, strCaption.GetLength());
    const int hx = (extent.cx + 5) / 2;
    const int hy = (extent.cy + 5) / 2;
    m_rcLabel = CRect(m_ptLabel.x - hx, m_ptLabel.y - hy, m_ptLabel.x + hx, m_ptLabel.y + hy);
    if (!pProp->m_bTransparent)
        pDC->FillSolidRect(&m_rcLabel, pProp->m_crBkColor);
    UINT nFormat = 0;
    static const UINT kHorz[3] = {0, DT_CENTER, DT_RIGHT};
    const int nHorz = pProp->m_nTextHorzAlign;
    const UINT nHorzFlag = nHorz >= 0 && nHorz <= 2 ? kHorz[nHorz] : 0;
    if (pProp->m_bMultiLine) {
        nFormat = DT_WORDBREAK | nHorzFlag;
    } else {
        nFormat = DT_SINGLELINE | nHorzFlag;
        if (pProp->m_nTextVertAlign == 1)
            nFormat |= DT_VCENTER;
        else if (pProp->m_nTextVertAlign == 2)
            nFormat |= DT_BOTTOM;
    }
    DrawText(pDC, strCaption, &m_rcLabel, nFormat);
}

void CQYLinkComponent::OnDrawTrackCustom(CDC* pDC)
{
    if (m_lpCompTrackPoints == nullptr || m_nCompTrackPtCount <= 0)
        return;
    pDC->Polyline(m_lpCompTrackPoints, m_nCompTrackPtCount);
    QYDrawLineEnds(pDC, m_pStartArrow, m_pEndArrow, m_lpCompTrackPoints, m_nCompTrackPtCount, FALSE);
}

void CQYLinkComponent::SetEndArrowType(const int& nType)
{
    QYLineEndAccess::SetEndArrowType(nType);
}
