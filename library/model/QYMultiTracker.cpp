#include "library/model/QYMultiTracker.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"

IMPLEMENT_SERIAL(CQYMultiTracker, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr int kFrameInset = 14;
constexpr int kCaptionBar = 18;

void DrawFrame(CDC* pDC, const CRect& rect)
{
    const POINT points[5] = {{rect.left, rect.top},
                             {rect.right, rect.top},
                             {rect.right, rect.bottom},
                             {rect.left, rect.bottom},
                             {rect.left, rect.top}};
    pDC->Polyline(points, 5);
}

// How far a track outline may reach beyond its points: arrow heads on link
// ends, plus the line width (as for drawing the page).
constexpr int kTrackReach = 48;

void AddTrackReach(CRect& rectReach, CQYDrawComponent* pComp)
{
    CRect rect = pComp->GetTrackRect();
    rect.NormalizeRect();
    CQYCompProperties* pProp = pComp->GetDefaultProperty();
    const int nReach = kTrackReach + (pProp != nullptr ? pProp->m_nLineWidth : 0);
    rect.InflateRect(nReach, nReach);
    rectReach.UnionRect(&rectReach, &rect);
}

// Where a component's track outline can leave pixels: its own track points
// and, for a shape with ports, the outlines of the links at its ports,
// which it draws too.  The ports' squares lie on the shape's rectangle,
// well inside its reach.
CRect TrackReach(CQYDrawComponent* pComp)
{
    CRect rectReach(0, 0, 0, 0);
    AddTrackReach(rectReach, pComp);
    if (!pComp->IsKindOf(RUNTIME_CLASS(CQYDrawPortsComponent)))
        return rectReach;
    CQYCompList* pPorts = static_cast<CQYDrawPortsComponent*>(pComp)->GetPortList();
    for (POSITION pos = pPorts->GetHeadPosition(); pos != nullptr;) {
        CQYCompList* pLinks = static_cast<CQYPortComponent*>(pPorts->GetNext(pos))->GetLinkList();
        for (POSITION posLink = pLinks->GetHeadPosition(); posLink != nullptr;)
            AddTrackReach(rectReach, pLinks->GetNext(posLink));
    }
    return rectReach;
}

// Whether an outline that can reach rectReach would leave pixels on the DC.
// A drag of many components draws most outlines outside the window; they
// are left out.  Drawing and erasing decide alike, as both see the same
// track points.
bool ReachesClipBox(CDC* pDC, const CRect& rectReach)
{
    CRect rectClip;
    const int nRegion = pDC->GetClipBox(&rectClip);
    if (nRegion == NULLREGION)
        return false;
    if (nRegion == ERROR)
        return true; // nothing known: drawn
    CRect rectCommon;
    return rectCommon.IntersectRect(&rectReach, &rectClip) != FALSE;
}

} // namespace

CQYMultiTracker::CQYMultiTracker(CQYDrawComponent* pComp)
{
    m_pen.CreatePen(PS_SOLID, 1, static_cast<COLORREF>(0));
    SetComponent(pComp);
}

CQYMultiTracker::~CQYMultiTracker()
{
    SetComponent(nullptr);
}

void CQYMultiTracker::SetComponent(CQYDrawComponent* pComp)
{
    if (pComp == m_pComp)
        return;
    if (pComp != nullptr)
        pComp->AddRef();
    if (m_pComp != nullptr)
        m_pComp->Release();
    m_pComp = pComp;
}

void CQYMultiTracker::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<CObject*>(m_pComp);
        return;
    }
    CObject* pObject = nullptr;
    ar >> pObject;
    auto* pComp = dynamic_cast<CQYDrawComponent*>(pObject);
    if (pComp == nullptr && pObject != nullptr) {
        delete pObject;
        AfxThrowArchiveException(CArchiveException::badClass);
    }
    SetComponent(pComp);
}

void CQYMultiTracker::DrawTrack(CDC* pDC)
{
    if (m_pComp == nullptr)
        return;
    const CRect rect = m_pComp->GetTrackRect();
    m_pComp->SetAuxRect(&rect);
    if (ReachesClipBox(pDC, TrackReach(m_pComp)))
        m_pComp->OnDrawTrack(pDC);
}

void CQYMultiTracker::DrawOutline(CDC* pDC)
{
    if (m_pComp == nullptr)
        return;
    const CRect rect = m_pComp->GetTrackRect();
    m_pComp->SetAuxRect(&rect);
    CQYCompProperties* pProp = m_pComp->GetDefaultProperty();
    const int nType = pProp != nullptr ? pProp->GetType() : 0;
    const int nSaved = pDC->SaveDC();
    pDC->SelectObject(&m_pen);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->SetROP2(R2_NOTXORPEN);
    pDC->SetBkMode(TRANSPARENT);
    switch (nType) {
    case 0:
    case 100: DrawFrame(pDC, rect); break;
    case 101:
        DrawFrame(pDC, rect);
        DrawFrame(pDC, CRect(rect.left + kFrameInset, rect.top + kFrameInset, rect.right - kFrameInset,
                             rect.bottom - kFrameInset));
        break;
    case 102:
        DrawFrame(pDC, rect);
        DrawFrame(pDC, CRect(rect.left + kFrameInset, rect.top + kFrameInset + kCaptionBar, rect.right - kFrameInset,
                             rect.bottom - kFrameInset));
        break;
    default: break;
    }
    pDC->RestoreDC(nSaved);
}
