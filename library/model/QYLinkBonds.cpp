#include "library/model/QYLinkBonds.h"

#include "library/model/QYCompList.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"

namespace {

void Hold(CQYDrawComponent* pComp)
{
    if (pComp != nullptr)
        pComp->AddRef();
}

void Drop(CQYDrawComponent* pComp)
{
    if (pComp != nullptr)
        pComp->Release();
}

} // namespace

CQYLinkBonds::~CQYLinkBonds()
{
    Clear();
}

void CQYLinkBonds::Clear()
{
    for (PortBond& bond : m_ports) {
        for (CQYDrawComponent* pLink : bond.links)
            Drop(pLink);
        Drop(bond.pPort);
    }
    for (LinkBond& bond : m_links) {
        Drop(bond.pFrom);
        Drop(bond.pTo);
        Drop(bond.pLink);
    }
    m_ports.clear();
    m_links.clear();
}

void CQYLinkBonds::Record(CQYCompList* pList)
{
    Clear();
    if (pList == nullptr)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        RecordPorts(pComp);
        RecordLink(pComp);
    }
}

void CQYLinkBonds::RecordPorts(CQYDrawComponent* pComp)
{
    auto* pShape = dynamic_cast<CQYDrawPortsComponent*>(pComp);
    if (pShape == nullptr)
        return;
    CQYCompList* pPorts = pShape->GetPortList();
    for (POSITION pos = pPorts->GetHeadPosition(); pos != nullptr;) {
        auto* pPort = dynamic_cast<CQYPortComponent*>(pPorts->GetNext(pos));
        if (pPort == nullptr || pPort->GetLinkCount() == 0)
            continue;
        PortBond bond{pPort, {}};
        Hold(pPort);
        CQYCompList* pLinks = pPort->GetLinkList();
        for (POSITION linkPos = pLinks->GetHeadPosition(); linkPos != nullptr;) {
            CQYDrawComponent* pLink = pLinks->GetNext(linkPos);
            Hold(pLink);
            bond.links.push_back(pLink);
        }
        m_ports.push_back(std::move(bond));
    }
}

void CQYLinkBonds::RecordLink(CQYDrawComponent* pComp)
{
    CQYPortLink* pLink = QYGetPortLink(pComp);
    if (pLink == nullptr)
        return;
    LinkBond bond{pComp, pLink->GetFromPort(), pLink->GetToPort()};
    if (bond.pFrom == nullptr && bond.pTo == nullptr)
        return;
    Hold(bond.pLink);
    Hold(bond.pFrom);
    Hold(bond.pTo);
    m_links.push_back(bond);
}

void CQYLinkBonds::Cut()
{
    for (PortBond& bond : m_ports)
        bond.pPort->RemoveAllLinks();
    for (LinkBond& bond : m_links) {
        CQYPortLink* pLink = QYGetPortLink(bond.pLink);
        for (CQYPortComponent* pPort : {bond.pFrom, bond.pTo}) {
            if (pPort != nullptr)
                pPort->RemoveLink(bond.pLink);
        }
        pLink->SetFromPort(nullptr);
        pLink->SetToPort(nullptr);
    }
}

void CQYLinkBonds::Restore()
{
    for (LinkBond& bond : m_links) {
        CQYPortLink* pLink = QYGetPortLink(bond.pLink);
        pLink->SetFromPort(bond.pFrom);
        pLink->SetToPort(bond.pTo);
        // Ports outside the recorded set get the connector back at the end.
        for (CQYPortComponent* pPort : {bond.pFrom, bond.pTo}) {
            if (pPort != nullptr)
                pPort->AddLink(bond.pLink);
        }
    }
    for (PortBond& bond : m_ports) {
        bond.pPort->RemoveAllLinks();
        for (CQYDrawComponent* pLink : bond.links)
            bond.pPort->AddLink(pLink);
    }
}
