#include "library/model/QYCompCommandBases.h"

#include "library/model/QYDrawComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"

IMPLEMENT_DYNAMIC(CQYSingleCompCommand, CQYCommand)
IMPLEMENT_DYNAMIC(CQYListCompCommand, CQYCommand)
IMPLEMENT_DYNAMIC(CQYLinkCompCommand, CQYSingleCompCommand)

CQYSingleCompCommand::CQYSingleCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp) : CQYCommand(pModel)
{
    SetComponent(pComp);
}

CQYSingleCompCommand::~CQYSingleCompCommand()
{
    if (m_pComp != nullptr)
        m_pComp->Release();
}

void CQYSingleCompCommand::SetComponent(CQYDrawComponent* pComp)
{
    if (pComp == m_pComp)
        return;
    if (pComp != nullptr)
        pComp->AddRef();
    if (m_pComp != nullptr)
        m_pComp->Release();
    m_pComp = pComp;
}

CQYDrawComponent* CQYSingleCompCommand::GetComponent()
{
    return m_pComp;
}

CQYListCompCommand::CQYListCompCommand(CQYDataModel* pModel, CQYCompList* pList) : CQYCommand(pModel)
{
    // A plain copy: the lists handed in hold each component once.
    if (pList != nullptr)
        m_list.AddTail(pList);
}

CQYCompList* CQYListCompCommand::GetComponentList()
{
    return &m_list;
}

void CQYListCompCommand::AddComponent(CQYDrawComponent* pComp)
{
    if (pComp != nullptr && m_list.Find(pComp) == nullptr)
        m_list.AddTail(pComp);
}

void CQYListCompCommand::AddComponents(CQYCompList* pList)
{
    if (pList == nullptr || pList == &m_list)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
        AddComponent(pList->GetNext(pos));
}

void CQYListCompCommand::RemoveComponent(CQYDrawComponent* pComp)
{
    if (POSITION pos = m_list.Find(pComp))
        m_list.RemoveAt(pos);
}

void CQYListCompCommand::RemoveAllComponents()
{
    m_list.RemoveAll();
}

CQYLinkCompCommand::CQYLinkCompCommand(CQYDataModel* pModel, CQYDrawComponent* pLink)
    : CQYSingleCompCommand(pModel, pLink)
{
}

void CQYLinkCompCommand::SetToPort(CQYPortComponent* pPort)
{
    m_pToPort = pPort;
}

CQYPortComponent* CQYLinkCompCommand::GetToPort()
{
    return m_pToPort;
}

void CQYLinkCompCommand::SetFromPort(CQYPortComponent* pPort)
{
    m_pFromPort = pPort;
}

CQYPortComponent* CQYLinkCompCommand::GetFromPort()
{
    return m_pFromPort;
}

void CQYLinkCompCommand::AttachToPorts()
{
    CQYPortLink* pLink = QYGetPortLink(m_pComp);
    if (m_pFromPort != nullptr) {
        if (pLink != nullptr)
            pLink->SetFromPort(m_pFromPort);
        m_pFromPort->AddLink(m_pComp);
    }
    if (m_pToPort != nullptr) {
        if (pLink != nullptr)
            pLink->SetToPort(m_pToPort);
        m_pToPort->AddLink(m_pComp);
    }
}

void CQYLinkCompCommand::DetachFromPorts()
{
    CQYPortLink* pLink = QYGetPortLink(m_pComp);
    if (m_pFromPort != nullptr) {
        m_pFromPort->RemoveLink(m_pComp);
        if (pLink != nullptr)
            pLink->SetFromPort(nullptr);
    }
    if (m_pToPort != nullptr) {
        m_pToPort->RemoveLink(m_pComp);
        if (pLink != nullptr)
            pLink->SetToPort(nullptr);
    }
}
