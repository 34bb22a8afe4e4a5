#include "library/model/QYComponentCommands.h"

#include "library/model/QYCommandStrings.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"

IMPLEMENT_DYNAMIC(CQYAddCompCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYRemoveCompCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYMoveCompCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYAddCompsCommand, CQYListCompCommand)
IMPLEMENT_DYNAMIC(CQYRemoveCompsCommand, CQYListCompCommand)
IMPLEMENT_DYNAMIC(CQYMoveCompsCommand, CQYListCompCommand)
IMPLEMENT_DYNAMIC(CQYAddLinkCommand, CQYLinkCompCommand)
IMPLEMENT_DYNAMIC(CQYRemoveLinkCommand, CQYLinkCompCommand)

namespace {

// Puts a component in at its recorded place, or on top when it has none.
BOOL PutBack(CQYDataModel* pModel, CQYDrawComponent* pComp, int nIndex, int nTabOrder)
{
    if (nIndex < 0)
        return pModel->InsertComponent(pComp);
    return pModel->RestoreComponent(pComp, nIndex, nTabOrder);
}

} // namespace

// Add one.

CQYAddCompCommand::CQYAddCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp)
    : CQYSingleCompCommand(pModel, pComp)
{
}

int CQYAddCompCommand::GetCommandID()
{
    return QY_CMD_ADDCOMP;
}

BOOL CQYAddCompCommand::Execute()
{
    return PutBack(m_pModel, m_pComp, m_nIndex, m_nTabOrder);
}

CQYBaseCommand* CQYAddCompCommand::GetUndoCommand() const
{
    return new CQYRemoveCompCommand(m_pModel, m_pComp);
}

CQYBaseCommand* CQYAddCompCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYAddCompCommand(m_pModel, m_pComp);
    pCommand->SetPlace(m_nIndex, m_nTabOrder);
    return pCommand;
}

void CQYAddCompCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_ADDCOMP);
}

void CQYAddCompCommand::SetPlace(int nIndex, int nTabOrder)
{
    m_nIndex = nIndex;
    m_nTabOrder = nTabOrder;
}

// Remove one.

CQYRemoveCompCommand::CQYRemoveCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp)
    : CQYSingleCompCommand(pModel, pComp)
{
}

int CQYRemoveCompCommand::GetCommandID()
{
    return QY_CMD_REMOVECOMP;
}

BOOL CQYRemoveCompCommand::Execute()
{
    if (!m_pModel->FindComponentPlace(m_pComp, m_nIndex, m_nTabOrder))
        return FALSE;
    return m_pModel->RemoveComponent(m_pComp);
}

CQYBaseCommand* CQYRemoveCompCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYAddCompCommand(m_pModel, m_pComp);
    pCommand->SetPlace(m_nIndex, m_nTabOrder);
    return pCommand;
}

CQYBaseCommand* CQYRemoveCompCommand::GetRedoCommand() const
{
    return new CQYRemoveCompCommand(m_pModel, m_pComp);
}

void CQYRemoveCompCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_REMOVECOMP);
}

// Move one.

CQYMoveCompCommand::CQYMoveCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int dx, int dy)
    : CQYSingleCompCommand(pModel, pComp), m_dx(dx), m_dy(dy)
{
}

int CQYMoveCompCommand::GetCommandID()
{
    return QY_CMD_MOVECOMP;
}

BOOL CQYMoveCompCommand::Execute()
{
    return m_pModel->MoveComponent(m_pComp, m_dx, m_dy);
}

CQYBaseCommand* CQYMoveCompCommand::GetUndoCommand() const
{
    return new CQYMoveCompCommand(m_pModel, m_pComp, -m_dx, -m_dy);
}

CQYBaseCommand* CQYMoveCompCommand::GetRedoCommand() const
{
    return new CQYMoveCompCommand(m_pModel, m_pComp, m_dx, m_dy);
}

void CQYMoveCompCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_MOVECOMP);
}

// Add a list.

CQYAddCompsCommand::CQYAddCompsCommand(CQYDataModel* pModel, const CQYCompList* pList)
    : CQYListCompCommand(pModel, pList)
{
}

int CQYAddCompsCommand::GetCommandID()
{
    return QY_CMD_ADDCOMPS;
}

BOOL CQYAddCompsCommand::Execute()
{
    if (m_places.empty())
        return m_pModel->InsertComponents(&m_list) > 0;
    // Back in the reverse order of their removal: each then finds the
    // drawing order and tab orders as they were when it left.
    const int nAdded = m_pModel->RestoreComponentsInTurn(m_places);
    if (m_bonds)
        m_bonds->Restore();
    return nAdded > 0;
}

CQYBaseCommand* CQYAddCompsCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYRemoveCompsCommand(m_pModel, &m_list);
    pCommand->SetCutBonds(m_bonds != nullptr);
    return pCommand;
}

CQYBaseCommand* CQYAddCompsCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYAddCompsCommand(m_pModel, &m_list);
    pCommand->SetPlaces(m_places, m_bonds);
    return pCommand;
}

void CQYAddCompsCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_ADDCOMPS);
}

void CQYAddCompsCommand::SetPlaces(const CQYCompPlaces& places, std::shared_ptr<CQYLinkBonds> bonds)
{
    m_places = places;
    m_bonds = std::move(bonds);
}

// Remove a list.

CQYRemoveCompsCommand::CQYRemoveCompsCommand(CQYDataModel* pModel, const CQYCompList* pList)
    : CQYListCompCommand(pModel, pList)
{
}

int CQYRemoveCompsCommand::GetCommandID()
{
    return QY_CMD_REMOVECOMPS;
}

BOOL CQYRemoveCompsCommand::Execute()
{
    m_places.clear();
    std::vector<QY_COMP_PLACE> present;
    for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr;) {
        QY_COMP_PLACE place{m_list.GetNext(pos), -1, 0};
        present.push_back(place);
    }
    // Nothing on the page: nothing is cut either.
    bool bAny = false;
    for (const QY_COMP_PLACE& place : present)
        bAny = bAny || m_pModel->GetComponents().Find(place.pComp) != nullptr;
    if (!bAny)
        return FALSE;
    if (m_bCutBonds) {
        m_bonds = std::make_shared<CQYLinkBonds>();
        m_bonds->Record(&m_list);
        m_bonds->Cut();
    }
    // Taken off from the top down, so that each recorded index is the
    // component's place among those still there when it is put back.
    std::vector<CQYDrawComponent*> topDown;
    topDown.reserve(present.size());
    for (auto it = present.rbegin(); it != present.rend(); ++it)
        topDown.push_back(it->pComp);
    m_pModel->RemoveComponentsInTurn(topDown, m_places);
    return !m_places.empty();
}

CQYBaseCommand* CQYRemoveCompsCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYAddCompsCommand(m_pModel, &m_list);
    pCommand->SetPlaces(m_places, m_bonds);
    return pCommand;
}

CQYBaseCommand* CQYRemoveCompsCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYRemoveCompsCommand(m_pModel, &m_list);
    pCommand->SetCutBonds(m_bCutBonds);
    return pCommand;
}

void CQYRemoveCompsCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_REMOVECOMPS);
}

// Move a list.

CQYMoveCompsCommand::CQYMoveCompsCommand(CQYDataModel* pModel, const CQYCompList* pList, int dx, int dy)
    : CQYListCompCommand(pModel, pList), m_dx(dx), m_dy(dy)
{
}

int CQYMoveCompsCommand::GetCommandID()
{
    return QY_CMD_MOVECOMPS;
}

BOOL CQYMoveCompsCommand::Execute()
{
    return m_pModel->MoveComponents(&m_list, m_dx, m_dy) > 0;
}

CQYBaseCommand* CQYMoveCompsCommand::GetUndoCommand() const
{
    return new CQYMoveCompsCommand(m_pModel, &m_list, -m_dx, -m_dy);
}

CQYBaseCommand* CQYMoveCompsCommand::GetRedoCommand() const
{
    return new CQYMoveCompsCommand(m_pModel, &m_list, m_dx, m_dy);
}

void CQYMoveCompsCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_MOVECOMPS);
}

// Add a link.

CQYAddLinkCommand::CQYAddLinkCommand(CQYDataModel* pModel, CQYDrawComponent* pLink) : CQYLinkCompCommand(pModel, pLink)
{
}

int CQYAddLinkCommand::GetCommandID()
{
    return QY_CMD_ADDLINK;
}

BOOL CQYAddLinkCommand::Execute()
{
    // A link already on the page is not bound a second time.
    if (m_pModel->GetComponents().Find(m_pComp) != nullptr)
        return FALSE;
    AttachToPorts();
    if (PutBack(m_pModel, m_pComp, m_nIndex, m_nTabOrder))
        return TRUE;
    DetachFromPorts();
    return FALSE;
}

CQYBaseCommand* CQYAddLinkCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYRemoveLinkCommand(m_pModel, m_pComp);
    pCommand->SetFromPort(m_pFromPort);
    pCommand->SetToPort(m_pToPort);
    return pCommand;
}

CQYBaseCommand* CQYAddLinkCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYAddLinkCommand(m_pModel, m_pComp);
    pCommand->SetToPort(m_pToPort);
    pCommand->SetFromPort(m_pFromPort);
    pCommand->SetPlace(m_nIndex, m_nTabOrder);
    return pCommand;
}

void CQYAddLinkCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_ADDLINK);
}

void CQYAddLinkCommand::SetPlace(int nIndex, int nTabOrder)
{
    m_nIndex = nIndex;
    m_nTabOrder = nTabOrder;
}

// Remove a link.

CQYRemoveLinkCommand::CQYRemoveLinkCommand(CQYDataModel* pModel, CQYDrawComponent* pLink)
    : CQYLinkCompCommand(pModel, pLink)
{
}

int CQYRemoveLinkCommand::GetCommandID()
{
    return QY_CMD_REMOVELINK;
}

BOOL CQYRemoveLinkCommand::Execute()
{
    // A link that is not on the page keeps its bonds.
    if (!m_pModel->FindComponentPlace(m_pComp, m_nIndex, m_nTabOrder))
        return FALSE;
    DetachFromPorts();
    return m_pModel->RemoveComponent(m_pComp);
}

CQYBaseCommand* CQYRemoveLinkCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYAddLinkCommand(m_pModel, m_pComp);
    pCommand->SetToPort(m_pToPort);
    pCommand->SetFromPort(m_pFromPort);
    pCommand->SetPlace(m_nIndex, m_nTabOrder);
    return pCommand;
}

CQYBaseCommand* CQYRemoveLinkCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYRemoveLinkCommand(m_pModel, m_pComp);
    pCommand->SetFromPort(m_pFromPort);
    pCommand->SetToPort(m_pToPort);
    return pCommand;
}

void CQYRemoveLinkCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_REMOVELINK);
}
