#include "library/model/QYLoadedLinks.h"

#include "library/model/QYCompList.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"

#include <unordered_set>
#include <vector>

void QYDetachLoadedLinks(const CQYCompList& list)
{
    // The whole graph is gathered, and held, before anything is detached:
    // detaching releases references and may free what is still to be seen.
    CQYCompList reached;
    std::unordered_set<CQYDrawComponent*> seen;
    std::vector<CQYDrawComponent*> pending;
    std::vector<CQYPortComponent*> ports;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        pending.push_back(list.GetNext(pos));
    auto visit = [&](CQYDrawComponent* pComp) {
        if (pComp != nullptr && seen.find(pComp) == seen.end())
            pending.push_back(pComp);
    };
    while (!pending.empty()) {
        CQYDrawComponent* pComp = pending.back();
        pending.pop_back();
        if (!seen.insert(pComp).second)
            continue;
        reached.AddTail(pComp);
        if (auto* pOwner = dynamic_cast<CQYDrawPortsComponent*>(pComp)) {
            const CQYCompList& owned = *pOwner->GetPortList();
            for (POSITION pos = owned.GetHeadPosition(); pos != nullptr;)
                visit(owned.GetNext(pos));
        }
        if (auto* pPort = dynamic_cast<CQYPortComponent*>(pComp)) {
            ports.push_back(pPort);
            const CQYCompList& links = *pPort->GetLinkList();
            for (POSITION pos = links.GetHeadPosition(); pos != nullptr;)
                visit(links.GetNext(pos));
        }
    }
    for (CQYPortComponent* pPort : ports)
        pPort->DetachAllLinks();
    // Leaving here gives the held references back.
}
