#include "library/model/QYPointsSnapshot.h"

#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYGroupMembers.h"
#include "library/model/QYPortComponent.h"

namespace {

template <class FN>
void ForEachIn(CQYCompList* pList, FN fn)
{
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        fn(pList->GetNext(pos));
}

CQYCompList* PortsOf(CQYDrawComponent* pComp)
{
    auto* pPorts = dynamic_cast<CQYDrawPortsComponent*>(pComp);
    return pPorts != nullptr ? pPorts->GetPortList() : nullptr;
}

CQYCompList* MembersOf(CQYDrawComponent* pComp)
{
    CQYGroupMembers* pMembers = QYGetGroupMembers(pComp);
    return pMembers != nullptr ? pMembers->GetMemberList() : nullptr;
}

} // namespace

CQYPointsSnapshot CQYPointsSnapshot::Take(CQYDrawComponent* pComp)
{
    CQYPointsSnapshot snapshot;
    snapshot.m_pComp = pComp;
    if (pComp == nullptr)
        return snapshot;
    if (pComp->m_lpCompPoints != nullptr)
        snapshot.m_points.assign(pComp->m_lpCompPoints, pComp->m_lpCompPoints + pComp->m_nCompPtCount);
    ForEachIn(MembersOf(pComp), [&](CQYDrawComponent* pMember) { snapshot.m_members.push_back(Take(pMember)); });
    ForEachIn(PortsOf(pComp), [&](CQYDrawComponent* pPort) { snapshot.m_ports.push_back(Take(pPort)); });
    return snapshot;
}

bool CQYPointsSnapshot::Matches() const
{
    return m_pComp != nullptr && m_pComp->m_nCompPtCount == static_cast<int>(m_points.size()) &&
           (m_points.empty() || m_pComp->m_lpCompPoints != nullptr);
}

void CQYPointsSnapshot::Restore() const
{
    if (!Matches())
        return;
    for (const CQYPointsSnapshot& member : m_members)
        member.Restore();
    RestoreOwnPoints();
    for (const CQYPointsSnapshot& port : m_ports)
        port.RestorePort();
    m_pComp->UpdateComp();
}

void CQYPointsSnapshot::RestoreOwnPoints() const
{
    for (size_t i = 0; i < m_points.size(); ++i)
        m_pComp->m_lpCompPoints[i] = m_points[i];
    m_pComp->UpdatePosition();
    m_pComp->ResetTrackPoints();
    m_pComp->UpdateComp();
}

void CQYPointsSnapshot::RestorePort() const
{
    // A port moves by offsetting, so that the ends of its links follow.
    auto* pPort = dynamic_cast<CQYPortComponent*>(m_pComp);
    if (pPort == nullptr || !Matches() || m_points.size() != 1) {
        Restore();
        return;
    }
    const POINT now = m_pComp->m_lpCompPoints[0];
    if (now.x != m_points[0].x || now.y != m_points[0].y)
        pPort->OffsetComponent(m_points[0].x - now.x, m_points[0].y - now.y);
    pPort->UpdateComp();
}
