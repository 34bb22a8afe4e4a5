#include "library/model/QYDrawPortsComponent.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYPortComponent.h"

#include <cmath>
#include <climits>
#include <memory>

IMPLEMENT_SERIAL(CQYDrawPortsComponent, CQYDrawComponent, 0)

namespace {

// Truncation toward zero, held inside the int range (ratios read from a
// file may be anything).
int TruncToInt(double fValue)
{
    if (std::isnan(fValue))
        return 0;
    if (fValue >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (fValue <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(fValue);
}

// The point at fractions (fX, fY) of the rectangle from its top-left corner.
CPoint PointAtRatio(const CRect& rect, double fX, double fY)
{
    const double fLeft =
        rect.left + static_cast<double>(TruncToInt((static_cast<double>(rect.right) - rect.left) * fX));
    const double fTop = rect.top + static_cast<double>(TruncToInt((static_cast<double>(rect.bottom) - rect.top) * fY));
    return CPoint(TruncToInt(fLeft), TruncToInt(fTop));
}

CQYPortComponent* AsPort(CQYDrawComponent* pComp)
{
    return DYNAMIC_DOWNCAST(CQYPortComponent, pComp);
}

} // namespace

CQYDrawPortsComponent::CQYDrawPortsComponent()
{
    if (CQYCompProperties* pProp = GetDefaultProperty()) {
        pProp->SetLineWidth(1);
        ReleasePen();
        pProp->SetLineColor(RGB(0, 0, 0));
    }
}

CQYDrawPortsComponent::CQYDrawPortsComponent(const CQYDrawPortsComponent& src) : CQYDrawComponent()
{
    *this = src;
}

CQYDrawPortsComponent::~CQYDrawPortsComponent()
{
    RemoveAllPorts();
}

CQYDrawPortsComponent& CQYDrawPortsComponent::operator=(const CQYDrawPortsComponent& src)
{
    if (this == &src)
        return *this;
    CQYDrawComponent::operator=(src);
    RemoveAllPorts();
    for (POSITION pos = src.m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYPortComponent* pPort = AsPort(src.m_listPorts.GetNext(pos));
        if (pPort == nullptr)
            continue;
        auto* pCopy = static_cast<CQYPortComponent*>(pPort->Copy());
        pCopy->SetParentComp(this);
        AddPort(pCopy);
    }
    return *this;
}

CQYDrawComponent* CQYDrawPortsComponent::Copy()
{
    return new CQYDrawPortsComponent(*this);
}

CQYPortComponent* CQYDrawPortsComponent::GetPortAt(POSITION position) const
{
    return AsPort(m_listPorts.GetAt(position));
}

// ---------------------------------------------------------------------------
// Archive record: the draw record, the port count, then each port's own
// record inline.

void CQYDrawPortsComponent::Serialize(CArchive& ar)
{
    // Nothing read inside the record may delete this object (CQYLoadingHold).
    const CQYLoadingHold hold(this);
    CQYDrawComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<int>(m_listPorts.GetCount());
        for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
            m_listPorts.GetNext(pos)->Serialize(ar);
        return;
    }

    int nCount = 0;
    ar >> nCount;
    if (nCount < 0)
        AfxThrowArchiveException(CArchiveException::generic);
    // Read in full before the old ports go, so a bad record loses nothing.
    CQYCompList loaded;
    try {
        for (int i = 0; i < nCount; ++i) {
            auto pPort = std::make_unique<CQYPortComponent>();
            pPort->Serialize(ar);
            pPort->SetParentComp(this);
            loaded.AddTail(pPort.release());
        }
    } catch (...) {
        // Ports read so far may be bound to their links already.
        for (POSITION pos = loaded.GetHeadPosition(); pos != nullptr;)
            AsPort(loaded.GetNext(pos))->DetachAllLinks();
        throw;
    }
    RemoveAllPorts();
    m_listPorts.AddTail(&loaded);
}

// ---------------------------------------------------------------------------
// Ports

int CQYDrawPortsComponent::GetPortCount()
{
    return m_listPorts.GetCount();
}

void CQYDrawPortsComponent::AddPort(CQYPortComponent* pPort)
{
    if (pPort != nullptr)
        m_listPorts.AddTail(pPort);
}

void CQYDrawPortsComponent::AddPorts(CQYCompList* pList)
{
    if (pList == nullptr || pList == &m_listPorts)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        AddPort(AsPort(pList->GetNext(pos)));
}

void CQYDrawPortsComponent::RemovePort(CQYPortComponent* pPort)
{
    POSITION pos = m_listPorts.Find(pPort);
    if (pos == nullptr)
        return;
    // A port that outlives its owner (a link still holds it) must not point
    // back to it.
    if (pPort->GetParentComp() == this)
        pPort->SetParentComp(nullptr);
    m_listPorts.RemoveAt(pos);
}

void CQYDrawPortsComponent::RemovePorts(CQYCompList* pList)
{
    if (pList == nullptr)
        return;
    // A copy, so the list may be this component's own.
    const CQYCompList ports(*pList);
    for (POSITION pos = ports.GetHeadPosition(); pos != nullptr;)
        RemovePort(AsPort(ports.GetNext(pos)));
}

void CQYDrawPortsComponent::RemoveAllPorts()
{
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYPortComponent* pPort = AsPort(m_listPorts.GetNext(pos));
        if (pPort != nullptr && pPort->GetParentComp() == this) {
            pPort->SetParentComp(nullptr);
            // Ports going with their owner let their links go, so that no
            // port and link keep each other alive.
            pPort->DetachAllLinks();
        }
    }
    m_listPorts.RemoveAll();
}

void CQYDrawPortsComponent::ClearPortLinks()
{
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        if (CQYPortComponent* pPort = AsPort(m_listPorts.GetNext(pos)))
            pPort->RemoveAllLinks();
    }
}

CQYPortComponent* CQYDrawPortsComponent::HitTestPort(CPoint point)
{
    CQYPortComponent* pFound = nullptr;
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYPortComponent* pPort = AsPort(m_listPorts.GetNext(pos));
        if (pPort != nullptr && pPort->HitTest(point))
            pFound = pPort;
    }
    return pFound;
}

CQYPortComponent* CQYDrawPortsComponent::FindPort(double fX, double fY)
{
    CQYPortComponent* pFound = nullptr;
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYPortComponent* pPort = AsPort(m_listPorts.GetNext(pos));
        if (pPort != nullptr && pPort->GetRelativeX() == fX && pPort->GetRelativeY() == fY)
            pFound = pPort;
    }
    return pFound;
}

CQYPortComponent* CQYDrawPortsComponent::CreateDefaultPort(double fX, double fY)
{
    const CPoint point = PointAtRatio(GetRect(), fX, fY);
    auto* pPort = new CQYPortComponent;
    pPort->PlacePort(point.x, point.y, this);
    pPort->SetRelativePosition(fX, fY);
    AddPort(pPort);
    return pPort;
}

void CQYDrawPortsComponent::PlacePortsOn(CRect rect)
{
    rect.NormalizeRect();
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYPortComponent* pPort = AsPort(m_listPorts.GetNext(pos));
        if (pPort == nullptr)
            continue;
        CPoint point = PointAtRatio(rect, pPort->GetRelativeX(), pPort->GetRelativeY());
        pPort->MoveLinkPoint(&point);
        pPort->UpdateComp();
    }
}

void CQYDrawPortsComponent::PlaceTrackPortsOn(CRect rect)
{
    rect.NormalizeRect();
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYPortComponent* pPort = AsPort(m_listPorts.GetNext(pos));
        if (pPort == nullptr)
            continue;
        CPoint point = PointAtRatio(rect, pPort->GetRelativeX(), pPort->GetRelativeY());
        pPort->MoveTrackLinkPoint(&point);
    }
}

// ---------------------------------------------------------------------------
// Geometry: every change reaches the ports.

void CQYDrawPortsComponent::Create(CRect& rcPos, CString strCaption)
{
    CQYDrawComponent::Create(rcPos, strCaption);
}

void CQYDrawPortsComponent::GeometryUpdated(CQYArea* pRgn)
{
    CQYDrawComponent::GeometryUpdated(pRgn);
}

void CQYDrawPortsComponent::SetCompRect(CRect& rect, int nParam1, int nParam2, int nParam3, int nParam4)
{
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pPort = m_listPorts.GetNext(pos);
        pPort->SetCompRect(rect, nParam1, nParam2, nParam3, nParam4);
        pPort->UpdateComp();
    }
    m_rectPosition = rect;
    UpdateComp();
}

void CQYDrawPortsComponent::ScaleComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    CQYDrawComponent::ScaleComponent(fScaleX, fScaleY, fOriginX, fOriginY);
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pPort = m_listPorts.GetNext(pos);
        pPort->ScaleComponent(fScaleX, fScaleY, fOriginX, fOriginY);
        pPort->UpdateComp();
    }
    UpdateComp();
}

void CQYDrawPortsComponent::RotateComponent(int nAngle, float fOriginX, float fOriginY)
{
    CQYDrawComponent::RotateComponent(nAngle, fOriginX, fOriginY);
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pPort = m_listPorts.GetNext(pos);
        pPort->RotateComponent(nAngle, fOriginX, fOriginY);
        pPort->UpdateComp();
    }
    UpdateComp();
}

void CQYDrawPortsComponent::ScaleTrackComponent(float fScaleX, float fScaleY, float fOriginX, float fOriginY)
{
    CQYDrawComponent::ScaleTrackComponent(fScaleX, fScaleY, fOriginX, fOriginY);
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
        m_listPorts.GetNext(pos)->ScaleTrackComponent(fScaleX, fScaleY, fOriginX, fOriginY);
}

void CQYDrawPortsComponent::RotateTrackComponent(int nAngle, float fOriginX, float fOriginY)
{
    CQYDrawComponent::RotateTrackComponent(nAngle, fOriginX, fOriginY);
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
        m_listPorts.GetNext(pos)->RotateTrackComponent(nAngle, fOriginX, fOriginY);
}

void CQYDrawPortsComponent::OffsetTrackComponent(int dx, int dy, int nParam1, int nParam2)
{
    CQYDrawComponent::OffsetTrackComponent(dx, dy, nParam1, nParam2);
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
        m_listPorts.GetNext(pos)->OffsetTrackComponent(dx, dy, nParam1, nParam2);
}

void CQYDrawPortsComponent::ResetTrackPoints()
{
    CQYDrawComponent::ResetTrackPoints();
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
        m_listPorts.GetNext(pos)->ResetTrackPoints();
}

void CQYDrawPortsComponent::OffsetComponent(int dx, int dy)
{
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
        m_listPorts.GetNext(pos)->OffsetComponent(dx, dy);
    CQYDrawComponent::OffsetComponent(dx, dy);
}

BOOL CQYDrawPortsComponent::OffsetPoint(int nIndex, int dx, int dy)
{
    if (!CQYDrawComponent::OffsetPoint(nIndex, dx, dy))
        return FALSE;
    PlacePortsOn(GetPointsRect());
    return TRUE;
}

BOOL CQYDrawPortsComponent::OffsetTrackPoint(int nIndex, int dx, int dy)
{
    if (!CQYDrawComponent::OffsetTrackPoint(nIndex, dx, dy))
        return FALSE;
    PlaceTrackPortsOn(GetTrackRect());
    return TRUE;
}

void CQYDrawPortsComponent::PositionComponent(LPCRECT lpRect)
{
    // An empty rectangle changes nothing, ports included.
    if (lpRect == nullptr || CRect(lpRect).IsRectEmpty())
        return;
    CQYDrawComponent::PositionComponent(lpRect);
    PlacePortsOn(CRect(lpRect));
}

// ---------------------------------------------------------------------------
// Drawing

void CQYDrawPortsComponent::OnDrawFlat(CDC* pDC)
{
    CQYDrawComponent::OnDrawFlat(pDC);
    OnDrawPorts(pDC, TRUE);
}

void CQYDrawPortsComponent::OnDraw3d(CDC* pDC)
{
    CQYDrawPortsComponent::OnDrawFlat(pDC);
}

void CQYDrawPortsComponent::OnDrawPorts(CDC* pDC, BOOL bDraw)
{
    if (!bDraw || pDC->IsPrinting())
        return;
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
        m_listPorts.GetNext(pos)->OnDraw(pDC);
}

void CQYDrawPortsComponent::OnDrawShadow(CDC* pDC)
{
    FillShadowPoly(pDC, m_lpCompPoints, m_nCompPtCount);
}

void CQYDrawPortsComponent::OnDrawTrackCustom(CDC* pDC)
{
    CQYDrawComponent::OnDrawTrackCustom(pDC);
    OnDrawTrackPorts(pDC);
}

void CQYDrawPortsComponent::OnDrawTrackPorts(CDC* pDC)
{
    for (POSITION pos = m_listPorts.GetHeadPosition(); pos != nullptr;)
        m_listPorts.GetNext(pos)->OnDrawTrackCustom(pDC);
}
