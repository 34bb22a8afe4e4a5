#include "library/model/QYCompSelection.h"

#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"
#include "library/model/QYTrackPass.h"
#include "library/model/QYMultiTracker.h"

#include <algorithm>
#include <unordered_set>

IMPLEMENT_SERIAL(CQYCompSelection, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr int kRedrawBlockSize = 10;

bool IsAllZero(const CRect& rect)
{
    return rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0;
}

// The union of two rectangles, an all-zero one counting as none.
CRect UnionOf(CRect a, CRect b)
{
    a.NormalizeRect();
    b.NormalizeRect();
    if (IsAllZero(a))
        return b;
    if (IsAllZero(b))
        return a;
    return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom));
}

// A link dragged alone moves through its own track rules.
CQYPortLink* LoneLink(const std::vector<CQYMultiTracker*>& trackers, int nCount)
{
    if (nCount != 1 || trackers[0]->GetComponent() == nullptr)
        return nullptr;
    return QYGetPortLink(trackers[0]->GetComponent());
}

} // namespace

CPoint QYGetHandlePoint(const CRect& rect, UINT nHandle)
{
    const int nMidX = (rect.left + rect.right) / 2;
    const int nMidY = (rect.top + rect.bottom) / 2;
    switch (nHandle) {
    case 0: return CPoint(rect.left, rect.top);
    case 1: return CPoint(nMidX, rect.top);
    case 2: return CPoint(rect.right, rect.top);
    case 3: return CPoint(rect.right, nMidY);
    case 4: return CPoint(rect.right, rect.bottom);
    case 5: return CPoint(nMidX, rect.bottom);
    case 6: return CPoint(rect.left, rect.bottom);
    case 7: return CPoint(rect.left, nMidY);
    default: return CPoint(nMidX, nMidY);
    }
}

CQYCompSelection::CQYCompSelection() : m_rectUnion(0, 0, 0, 0), m_listRedraw(kRedrawBlockSize) {}

CQYCompSelection::~CQYCompSelection()
{
    Clear();
}

void CQYCompSelection::Serialize(CArchive&) {}

void CQYCompSelection::DeleteTrackers(Trackers& trackers)
{
    for (CQYMultiTracker* pTracker : trackers)
        delete pTracker;
    trackers.clear();
}

void CQYCompSelection::FillTrackers(Trackers& trackers, CQYCompList* pList, CRect* pUnion)
{
    const int nCount = pList != nullptr ? pList->GetCount() : 0;
    trackers.reserve(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        trackers.push_back(new CQYMultiTracker);
    size_t nNext = 0;
    for (POSITION pos = pList != nullptr ? pList->GetHeadPosition() : nullptr; pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (pComp == nullptr)
            continue;
        trackers[nNext++]->SetComponent(pComp);
        if (pUnion != nullptr)
            *pUnion = UnionOf(*pUnion, pComp->GetRect());
    }
}

void CQYCompSelection::BeginTrack(CQYCompList* pList)
{
    m_rectUnion = CRect(0, 0, 0, 0);
    DeleteTrackers(m_pTrackers);
    m_nCount = pList != nullptr ? pList->GetCount() : 0;
    FillTrackers(m_pTrackers, pList, &m_rectUnion);
}

CPoint CQYCompSelection::GetHandlePoint()
{
    return QYGetHandlePoint(m_rectUnion, static_cast<UINT>(m_nCurHandle));
}

void CQYCompSelection::Clear()
{
    m_listRedraw.RemoveAll();
    DeleteTrackers(m_pTrackers);
    m_nCount = 0;
    DeleteTrackers(m_pSecondTrackers);
    m_nSecondCount = 0;
}

void CQYCompSelection::SetTrackComponents(CQYCompList* pList)
{
    DeleteTrackers(m_pSecondTrackers);
    m_nSecondCount = pList != nullptr ? pList->GetCount() : 0;
    FillTrackers(m_pSecondTrackers, pList, nullptr);
}

void CQYCompSelection::MoveTrack(CDC* pDC, int dx, int dy, int rx, int ry)
{
    if (CQYPortLink* pLink = LoneLink(m_pTrackers, m_nCount)) {
        pLink->CopyToTrackPoints();
        pLink->OffsetSelectedTrack(dx, dy, rx, ry);
        m_listRedraw.AddTail(m_pTrackers[0]);
    } else {
        for (int i = 0; i < m_nCount; ++i) {
            CQYDrawComponent* pComp = m_pTrackers[static_cast<size_t>(i)]->GetComponent();
            if (pComp == nullptr)
                continue;
            pComp->ResetTrackPoints();
            pComp->MoveTrackComponent(dx, dy, rx, ry);
            m_listRedraw.AddTail(m_pTrackers[static_cast<size_t>(i)]);
        }
        FollowBothEnds(dx, dy, rx, ry);
    }
    DrawTrack(pDC);
}

// Each port moves the track end of its links, but resets their track points
// first: of a link between two dragged components, the second port undid
// the first one's move.  Such a link is placed again as the drop will place
// it: a link dragged itself moves whole; any other moves both ends and keeps
// its other points where they are on the screen.
void CQYCompSelection::FollowBothEnds(int dx, int dy, int rx, int ry)
{
    std::unordered_set<const CQYDrawComponent*> tracked;
    for (int i = 0; i < m_nCount; ++i)
        tracked.insert(m_pTrackers[static_cast<size_t>(i)]->GetComponent());
    std::unordered_set<const CQYDrawComponent*> visited;
    for (int i = 0; i < m_nCount; ++i) {
        CQYDrawComponent* pComp = m_pTrackers[static_cast<size_t>(i)]->GetComponent();
        if (pComp == nullptr || !pComp->IsKindOf(RUNTIME_CLASS(CQYDrawPortsComponent)))
            continue;
        CQYCompList* pPorts = static_cast<CQYDrawPortsComponent*>(pComp)->GetPortList();
        for (POSITION pos = pPorts->GetHeadPosition(); pos != nullptr;) {
            CQYCompList* pLinks = static_cast<CQYPortComponent*>(pPorts->GetNext(pos))->GetLinkList();
            for (POSITION posLink = pLinks->GetHeadPosition(); posLink != nullptr;) {
                CQYDrawComponent* pLinkComp = pLinks->GetNext(posLink);
                CQYPortLink* pLink = QYGetPortLink(pLinkComp);
                if (pLink == nullptr || !visited.insert(pLinkComp).second)
                    continue;
                CQYPortComponent* pFrom = pLink->GetFromPort();
                CQYPortComponent* pTo = pLink->GetToPort();
                if (pFrom == nullptr || pTo == nullptr || tracked.count(pFrom->GetParentComp()) == 0 ||
                    tracked.count(pTo->GetParentComp()) == 0)
                    continue;
                pLink->CopyToTrackPoints();
                if (tracked.count(pLinkComp) != 0) {
                    pLink->OffsetAllTrackPoints(dx, dy);
                    continue;
                }
                pLink->MoveTrackByPort(pFrom, dx, dy, rx, ry);
                // The rest moved by (-rx, -ry) already, the far end with it.
                pLink->MoveTrackEndAtPort(pTo, dx + rx, dy + ry);
            }
        }
    }
}

void CQYCompSelection::SizeTrack(CDC* pDC, int x, int y, float fScaleX, float fScaleY, int nHandle)
{
    for (int i = 0; i < m_nCount; ++i) {
        CQYDrawComponent* pComp = m_pTrackers[static_cast<size_t>(i)]->GetComponent();
        if (pComp == nullptr)
            continue;
        pComp->ResetTrackPoints();
        pComp->OffsetTrackComponent(-x, -y, -x, -y);
        const CPoint anchor = QYGetHandlePoint(pComp->GetTrackRect(), static_cast<UINT>(nHandle));
        pComp->ScaleTrackComponent(fScaleX, fScaleY, static_cast<float>(anchor.x), static_cast<float>(anchor.y));
        m_listRedraw.AddTail(m_pTrackers[static_cast<size_t>(i)]);
    }
    DrawTrack(pDC);
}

void CQYCompSelection::RotateTrack(CDC* pDC, int nAngle, int x, int y)
{
    for (int i = 0; i < m_nCount; ++i) {
        CQYDrawComponent* pComp = m_pTrackers[static_cast<size_t>(i)]->GetComponent();
        if (pComp == nullptr)
            continue;
        pComp->ResetTrackPoints();
        pComp->OffsetTrackComponent(-x, -y, -x, -y);
        // Each component turns about the centre of its own outline.
        const CPoint centre = QYGetHandlePoint(pComp->GetTrackRect(), 8);
        pComp->RotateTrackComponent(nAngle, static_cast<float>(centre.x), static_cast<float>(centre.y));
        m_listRedraw.AddTail(m_pTrackers[static_cast<size_t>(i)]);
    }
    DrawTrack(pDC);
}

void CQYCompSelection::SizeTrackBySpot(CDC* pDC, int px, int py, int nSpot, int x, int y)
{
    for (int i = 0; i < m_nCount; ++i) {
        CQYDrawComponent* pComp = m_pTrackers[static_cast<size_t>(i)]->GetComponent();
        if (pComp == nullptr)
            continue;
        CRect rect = pComp->GetRect();
        rect.OffsetRect(-x, -y);
        const CRect before = pComp->GetTrackRect();
        pComp->SetAuxRect(&before);
        pComp->SizeTrackBySpot(rect, static_cast<UINT>(nSpot), CPoint(px, py), 0, 0);
        m_listRedraw.AddTail(m_pTrackers[static_cast<size_t>(i)]);
    }
    DrawOutline(pDC);
}

void CQYCompSelection::MoveTrackPoint(CDC* pDC, int x, int y, int nIndex, int dx, int dy, int rx, int ry)
{
    if (m_nCount < 1 || m_pTrackers[0]->GetComponent() == nullptr)
        return;
    CQYDrawComponent* pComp = m_pTrackers[0]->GetComponent();
    pComp->ResetTrackPoints();
    pComp->OffsetTrackPoint(nIndex, dx, dy);
    m_listRedraw.AddTail(m_pTrackers[0]);
    OffsetTrack(pDC, x, y, rx, ry);
}

void CQYCompSelection::MoveLinkTrackPoint(CDC* pDC, int x, int y, int nIndex, int dx, int dy, int rx, int ry)
{
    if (m_nCount < 1 || m_pTrackers[0]->GetComponent() == nullptr)
        return;
    CQYPortLink* pLink = QYGetPortLink(m_pTrackers[0]->GetComponent());
    if (pLink == nullptr)
        return;
    pLink->CopyToTrackPoints();
    pLink->OffsetTransformedTrackPoint(nIndex, dx, dy);
    m_listRedraw.AddTail(m_pTrackers[0]);
    OffsetLinkTrack(pDC, x, y, rx, ry);
}

void CQYCompSelection::OffsetTrack(CDC* pDC, int x, int y, int rx, int ry)
{
    const CQYTrackPass pass;
    ClaimOwnOutlines();
    for (POSITION pos = m_listRedraw.GetHeadPosition(); pos != nullptr;) {
        auto* pTracker = static_cast<CQYMultiTracker*>(m_listRedraw.GetNext(pos));
        if (pTracker->GetComponent() != nullptr)
            pTracker->GetComponent()->OffsetTrackComponent(-x, -y, rx, ry);
        pTracker->DrawTrack(pDC);
    }
}

void CQYCompSelection::OffsetLinkTrack(CDC* pDC, int x, int y, int, int)
{
    const CQYTrackPass pass;
    ClaimOwnOutlines();
    for (POSITION pos = m_listRedraw.GetHeadPosition(); pos != nullptr;) {
        auto* pTracker = static_cast<CQYMultiTracker*>(m_listRedraw.GetNext(pos));
        if (CQYPortLink* pLink = QYGetPortLink(pTracker->GetComponent()))
            pLink->OffsetAllTrackPoints(-x, -y);
        pTracker->DrawTrack(pDC);
    }
}

// Every tracked component draws its own outline, even a link that a port
// of another tracked component would reach first.
void CQYCompSelection::ClaimOwnOutlines()
{
    for (POSITION pos = m_listRedraw.GetHeadPosition(); pos != nullptr;) {
        const CQYDrawComponent* pComp = static_cast<CQYMultiTracker*>(m_listRedraw.GetNext(pos))->GetComponent();
        if (pComp != nullptr)
            CQYTrackPass::Claim(pComp, pComp);
    }
}

void CQYCompSelection::DrawTrack(CDC* pDC)
{
    // One pass: a link between two dragged shapes, or dragged with them, is
    // drawn once and so shows (and the next pass erases it once).
    const CQYTrackPass pass;
    ClaimOwnOutlines();
    for (POSITION pos = m_listRedraw.GetHeadPosition(); pos != nullptr;)
        static_cast<CQYMultiTracker*>(m_listRedraw.GetNext(pos))->DrawTrack(pDC);
}

void CQYCompSelection::DrawOutline(CDC* pDC)
{
    for (POSITION pos = m_listRedraw.GetHeadPosition(); pos != nullptr;)
        static_cast<CQYMultiTracker*>(m_listRedraw.GetNext(pos))->DrawOutline(pDC);
}

void CQYCompSelection::RemoveTrack(CDC* pDC)
{
    DrawTrack(pDC);
    m_listRedraw.RemoveAll();
}

void CQYCompSelection::RemoveOutline(CDC* pDC)
{
    DrawOutline(pDC);
    m_listRedraw.RemoveAll();
}
