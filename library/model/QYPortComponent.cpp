#include "library/model/QYPortComponent.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYGeometry.h"
#include "library/model/QYPortLink.h"
#include "library/model/QYTrackPass.h"

#include <algorithm>
#include <climits>

IMPLEMENT_SERIAL(CQYPortComponent, CQYDrawComponent, 0)

namespace {

// value + delta held inside the int range: a port's point and size come from
// documents and may lie anywhere.
int Shifted(int value, int delta)
{
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(value) + delta, INT_MIN, INT_MAX));
}

// The box of half-extents (w, h) around (x, y).
CRect BoxAround(int x, int y, int w, int h)
{
    return CRect(Shifted(x, -w), Shifted(y, -h), Shifted(x, w), Shifted(y, h));
}

} // namespace

CQYPortLink* QYGetPortLink(CQYDrawComponent* pComp)
{
    return dynamic_cast<CQYPortLink*>(pComp);
}

CQYPortComponent::CQYPortComponent()
{
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        pProp->SetType(QY_COMP_PORT);
        pProp->SetLineColor(RGB(255, 255, 255));
        pProp->SetBkColor(RGB(0, 0, 255));
        pProp->SetLineWidth(1);
    }
    // A port always has its one connection point.
    AllocMemory(1);
    m_lpCompPoints[0] = POINT{0, 0};
    ResetTrackPoints();
}

CQYPortComponent::CQYPortComponent(const CQYPortComponent& src)
    : CQYDrawComponent(src), m_nPortWidth(src.m_nPortWidth), m_nPortHeight(src.m_nPortHeight),
      m_fRelativeX(src.m_fRelativeX), m_fRelativeY(src.m_fRelativeY)
{
    // The copy's box and track point start on its point (it has no links
    // to reset).
    UpdatePosition();
    CQYDrawComponent::ResetTrackPoints();
}

CQYPortComponent::~CQYPortComponent() = default;

CQYDrawComponent* CQYPortComponent::Copy()
{
    return new CQYPortComponent(*this);
}

// ---------------------------------------------------------------------------
// Archive record

void CQYPortComponent::Serialize(CArchive& ar)
{
    // Nothing read inside the record may delete this object (CQYLoadingHold).
    const CQYLoadingHold hold(this);
    CQYDrawComponent::Serialize(ar);
    if (ar.IsStoring()) {
        m_listLinks.Serialize(ar);
        ar << m_nPortWidth << m_nPortHeight;
        ar << m_fRelativeX << m_fRelativeY;
        return;
    }
    CQYCompList links;
    links.Serialize(ar);
    int nWidth = 0;
    int nHeight = 0;
    double fX = 0.0;
    double fY = 0.0;
    ar >> nWidth >> nHeight;
    ar >> fX >> fY;

    m_listLinks = links;
    m_nPortWidth = nWidth;
    m_nPortHeight = nHeight;
    m_fRelativeX = fX;
    m_fRelativeY = fY;
    UpdateLinks();
}

// ---------------------------------------------------------------------------
// Geometry

CPoint CQYPortComponent::PointOrOrigin(const POINT* lpPoints, int nCount) const
{
    return nCount > 0 && lpPoints != nullptr ? CPoint(lpPoints[0]) : CPoint(0, 0);
}

CRect CQYPortComponent::GetPortRect()
{
    if (m_nCompPtCount <= 0)
        return CRect(0, 0, 0, 0);
    const CRect bounds = QYBoundRect(m_lpCompPoints, m_nCompPtCount);
    const int w = m_nPortWidth / 2;
    const int h = m_nPortHeight / 2;
    return CRect(Shifted(bounds.left, -w), Shifted(bounds.top, -h), Shifted(bounds.right, w),
                 Shifted(bounds.bottom, h));
}

void CQYPortComponent::GeometryUpdated(CQYArea* pRgn)
{
    CQYBaseComponent::GeometryUpdated(pRgn);
    if (pRgn == nullptr || m_nCompPtCount != 1)
        return;
    const int x = m_lpCompPoints[0].x;
    const int y = m_lpCompPoints[0].y;
    const CRect box = BoxAround(x, y, m_nPortWidth / 2, m_nPortHeight / 2);
    const POINT square[] = {{box.left, box.top}, {box.left, box.bottom}, {box.right, box.bottom}, {box.right, box.top}};
    pRgn->BuildPolygonArea(square, 4);
}

void CQYPortComponent::UpdatePosition()
{
    m_rectPosition = GetPortRect();
}

void CQYPortComponent::GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    pArray->RemoveAll();
}

void CQYPortComponent::GetPointSpotLocation(CArray<CPoint, CPoint>* pArray)
{
    pArray->RemoveAll();
}

BOOL CQYPortComponent::HitTest(CPoint point)
{
    return m_nCompPtCount > 0 && GetPortRect().PtInRect(point);
}

void CQYPortComponent::PlacePort(int x, int y, CQYDrawComponent* pParent)
{
    AllocMemory(1);
    m_lpCompPoints[0] = POINT{x, y};
    UpdatePosition();
    ResetTrackPoints();
    SetParentComp(pParent);
    UpdateComp();
}

CQYDrawComponent* CQYPortComponent::GetParentComp()
{
    return m_pParentComp;
}

void CQYPortComponent::SetParentComp(CQYDrawComponent* pParent)
{
    m_pParentComp = pParent;
}

CPoint CQYPortComponent::GetLinkPoint()
{
    return PointOrOrigin(m_lpCompPoints, m_nCompPtCount);
}

CPoint CQYPortComponent::GetTrackLinkPoint()
{
    return PointOrOrigin(m_lpCompTrackPoints, m_nCompTrackPtCount);
}

int CQYPortComponent::GetPortWidth()
{
    return m_nPortWidth;
}

int CQYPortComponent::GetPortHeight()
{
    return m_nPortHeight;
}

void CQYPortComponent::SetPortWidth(int nWidth)
{
    m_nPortWidth = nWidth;
}

void CQYPortComponent::SetPortHeight(int nHeight)
{
    m_nPortHeight = nHeight;
}

double CQYPortComponent::GetRelativeX()
{
    return m_fRelativeX;
}

double CQYPortComponent::GetRelativeY()
{
    return m_fRelativeY;
}

void CQYPortComponent::SetRelativePosition(double fX, double fY)
{
    m_fRelativeX = fX;
    m_fRelativeY = fY;
}

// ---------------------------------------------------------------------------
// Links

template <class FN>
void CQYPortComponent::ForEachLink(FN fn)
{
    for (POSITION pos = m_listLinks.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listLinks.GetNext(pos);
        if (CQYPortLink* pLink = QYGetPortLink(pComp))
            fn(pComp, pLink);
    }
}

void CQYPortComponent::MoveLinkEnds(int dx, int dy)
{
    ForEachLink([&](CQYDrawComponent*, CQYPortLink* pLink) { pLink->MoveEndAtPort(this, dx, dy); });
}

void CQYPortComponent::MoveLinkTrackEnds(int dx, int dy)
{
    ForEachLink([&](CQYDrawComponent*, CQYPortLink* pLink) { pLink->MoveTrackEndAtPort(this, dx, dy); });
}

int CQYPortComponent::GetLinkCount()
{
    return m_listLinks.GetCount();
}

void CQYPortComponent::AddLink(CQYDrawComponent* pLink)
{
    if (pLink != nullptr && m_listLinks.Find(pLink) == nullptr)
        m_listLinks.AddTail(pLink);
}

void CQYPortComponent::RemoveLink(CQYDrawComponent* pLink)
{
    if (POSITION pos = m_listLinks.Find(pLink))
        m_listLinks.RemoveAt(pos);
}

void CQYPortComponent::RemoveAllLinks()
{
    m_listLinks.RemoveAll();
}

void CQYPortComponent::DetachAllLinks()
{
    // The caller holds this port; the links may go with the list.
    ForEachLink([this](CQYDrawComponent*, CQYPortLink* pLink) { pLink->DetachPort(this); });
    RemoveAllLinks();
}

void CQYPortComponent::UpdateLinks()
{
    if (m_nCompPtCount <= 0)
        return;
    const CPoint point = GetLinkPoint();
    ForEachLink([&](CQYDrawComponent*, CQYPortLink* pLink) {
        if (pLink->GetStartPoint() == point)
            pLink->SetFromPort(this);
        if (pLink->GetEndPoint() == point)
            pLink->SetToPort(this);
    });
}

void CQYPortComponent::MoveLinkPoint(CPoint* pPoint)
{
    if (pPoint == nullptr)
        return;
    const CPoint old = GetLinkPoint();
    MoveLinkEnds(pPoint->x - old.x, pPoint->y - old.y);
    if (m_nCompPtCount <= 0)
        AllocMemory(1);
    m_lpCompPoints[0] = *pPoint;
    UpdatePosition();
    UpdateComp();
}

void CQYPortComponent::MoveTrackLinkPoint(CPoint* pPoint, int, int)
{
    if (pPoint == nullptr)
        return;
    const CPoint old = GetTrackLinkPoint();
    ForEachLink([&](CQYDrawComponent* pComp, CQYPortLink* pLink) {
        pComp->ResetTrackPoints();
        pLink->MoveTrackEndAtPort(this, pPoint->x - old.x, pPoint->y - old.y);
    });
    if (m_nCompTrackPtCount <= 0)
        AllocTrackMemory(1);
    m_lpCompTrackPoints[0] = *pPoint;
    UpdateComp();
}

// ---------------------------------------------------------------------------
// Moving the point drags the attached link ends along.

void CQYPortComponent::ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    const CPoint old = GetLinkPoint();
    CQYDrawComponent::ScaleComponent(fScaleX, fScaleY, fOriginX, fOriginY);
    const CPoint now = GetLinkPoint();
    MoveLinkEnds(now.x - old.x, now.y - old.y);
    UpdateComp();
}

void CQYPortComponent::RotateComponent(int nAngle, float fOriginX, float fOriginY)
{
    const CPoint old = GetLinkPoint();
    CQYDrawComponent::RotateComponent(nAngle, fOriginX, fOriginY);
    const CPoint now = GetLinkPoint();
    MoveLinkEnds(now.x - old.x, now.y - old.y);
    UpdateComp();
}

void CQYPortComponent::OffsetComponent(int dx, int dy)
{
    CQYDrawComponent::OffsetComponent(dx, dy);
    // The stored box follows the point, as after every other edit.
    UpdatePosition();
    MoveLinkEnds(dx, dy);
}

BOOL CQYPortComponent::OffsetPoint(int nIndex, int dx, int dy)
{
    // The links follow only when the point itself moved.
    if (!CQYDrawComponent::OffsetPoint(nIndex, dx, dy))
        return FALSE;
    UpdatePosition();
    MoveLinkEnds(dx, dy);
    return TRUE;
}

void CQYPortComponent::ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    const CPoint old = GetTrackLinkPoint();
    CQYDrawComponent::ScaleTrackComponent(fScaleX, fScaleY, fOriginX, fOriginY);
    const CPoint now = GetTrackLinkPoint();
    MoveLinkTrackEnds(now.x - old.x, now.y - old.y);
    UpdateComp();
}

void CQYPortComponent::RotateTrackComponent(int nAngle, float fOriginX, float fOriginY)
{
    const CPoint old = GetTrackLinkPoint();
    CQYDrawComponent::RotateTrackComponent(nAngle, fOriginX, fOriginY);
    const CPoint now = GetTrackLinkPoint();
    MoveLinkTrackEnds(now.x - old.x, now.y - old.y);
    UpdateComp();
}

BOOL CQYPortComponent::OffsetTrackPoint(int nIndex, int dx, int dy)
{
    if (!CQYDrawComponent::OffsetTrackPoint(nIndex, dx, dy))
        return FALSE;
    ForEachLink([&](CQYDrawComponent*, CQYPortLink* pLink) { pLink->OffsetLinkTrackPoint(this, nIndex, dx, dy); });
    return TRUE;
}

void CQYPortComponent::OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2)
{
    CQYDrawComponent::OffsetTrackComponent(dx, dy, nParam1, nParam2);
    ForEachLink([&](CQYDrawComponent*, CQYPortLink* pLink) { pLink->MoveTrackByPort(this, dx, dy, nParam1, nParam2); });
}

void CQYPortComponent::ResetTrackPoints()
{
    CQYDrawComponent::ResetTrackPoints();
    ForEachLink([](CQYDrawComponent*, CQYPortLink* pLink) { pLink->CopyToTrackPoints(); });
}

// ---------------------------------------------------------------------------
// Drawing

void CQYPortComponent::OnDrawFlat(CDC* pDC)
{
    if (m_nCompPtCount != 1)
        return;
    const int x = m_lpCompPoints[0].x;
    const int y = m_lpCompPoints[0].y;
    pDC->Rectangle(BoxAround(x, y, m_nPortWidth / 4, m_nPortHeight / 4));
}

void CQYPortComponent::OnDraw3d(CDC* pDC)
{
    CQYPortComponent::OnDrawFlat(pDC);
}

void CQYPortComponent::OnDrawTrackCustom(CDC* pDC)
{
    CQYDrawComponent::OnDrawTrackCustom(pDC);
    // Connectors only: a document may list the port's own shape here, whose
    // track would draw this port again without end.  A link whose other end
    // is dragged too, or that is dragged itself, has one drawer in the pass:
    // itself when it is dragged, else the first port that reaches it.
    ForEachLink([this, pDC](CQYDrawComponent* pComp, CQYPortLink*) {
        if (CQYTrackPass::Claim(pComp, this))
            pComp->OnDrawTrackCustom(pDC);
    });
}
