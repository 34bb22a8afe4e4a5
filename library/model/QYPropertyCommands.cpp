#include "library/model/QYPropertyCommands.h"

#include "library/model/QYCommandStrings.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYGroupMembers.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CQYColorChangeCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYFormColorChangeCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYFormSizeCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYSizeSpotCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYSizePortCommand, CQYLinkCompCommand)
IMPLEMENT_DYNAMIC(CQYGroupCommand, CQYListCompCommand)
IMPLEMENT_DYNAMIC(CQYUnGroupCommand, CQYListCompCommand)

namespace {

// Where every component of the page stands and its tab order.
QY_GROUP_PLACES RecordPage(CQYDataModel* pModel, CQYCompList* pOnly)
{
    QY_GROUP_PLACES places;
    CQYCompList& page = pModel->GetComponents();
    int nIndex = 0;
    for (POSITION pos = page.GetHeadPosition(); pos != nullptr; ++nIndex) {
        CQYDrawComponent* pComp = page.GetNext(pos);
        if (pOnly == nullptr || pOnly->Find(pComp) != nullptr)
            places.indices.emplace_back(pComp, nIndex);
        CQYCompProperties* pProp = pComp->GetDefaultProperty();
        places.tabOrders.emplace_back(pComp, pProp != nullptr ? pProp->m_nTabOrder : 0);
    }
    return places;
}

void RestoreTabOrders(const QY_GROUP_PLACES& places)
{
    for (const auto& [pComp, nTabOrder] : places.tabOrders) {
        if (CQYCompProperties* pProp = pComp->GetDefaultProperty())
            pProp->m_nTabOrder = nTabOrder;
    }
}

void HoldGroup(CQYDrawComponent*& pHeld, CQYDrawComponent* pGroup)
{
    if (pGroup != nullptr)
        pGroup->AddRef();
    if (pHeld != nullptr)
        pHeld->Release();
    pHeld = pGroup;
}

} // namespace

// Colour change.

CQYColorChangeCommand::CQYColorChangeCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, COLORREF crBack,
                                             COLORREF crText)
    : CQYSingleCompCommand(pModel, pComp), m_crNewBack(crBack), m_crNewText(crText)
{
}

int CQYColorChangeCommand::GetCommandID()
{
    return QY_CMD_COLORCHANGE;
}

BOOL CQYColorChangeCommand::Execute()
{
    CQYCompProperties* pProp = m_pComp != nullptr ? m_pComp->GetDefaultProperty() : nullptr;
    if (pProp == nullptr)
        return TRUE;
    m_crOldBack = pProp->GetBkColor();
    m_crOldText = pProp->m_crFontColor;
    pProp->SetFontColor(m_crNewText);
    pProp->SetBkColor(m_crNewBack);
    return TRUE;
}

CQYBaseCommand* CQYColorChangeCommand::GetUndoCommand() const
{
    return new CQYColorChangeCommand(m_pModel, m_pComp, m_crOldBack, m_crOldText);
}

CQYBaseCommand* CQYColorChangeCommand::GetRedoCommand() const
{
    return new CQYColorChangeCommand(m_pModel, m_pComp, m_crNewBack, m_crNewText);
}

void CQYColorChangeCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_COLORCHANGE);
}

// Form colour change.

CQYFormColorChangeCommand::CQYFormColorChangeCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, COLORREF crBack,
                                                     COLORREF crText)
    : CQYSingleCompCommand(pModel, pComp), m_crNewBack(crBack), m_crNewText(crText)
{
}

int CQYFormColorChangeCommand::GetCommandID()
{
    return QY_CMD_FORMCOLORCHANGE;
}

BOOL CQYFormColorChangeCommand::Execute()
{
    if (CQYFormProperties* pForm = m_pModel->GetDefaultProperty()) {
        m_crOldBack = pForm->GetBkColor();
        m_crOldText = pForm->GetFontColor();
    }
    CQYCompProperties* pProp = m_pComp != nullptr ? m_pComp->GetDefaultProperty() : nullptr;
    if (pProp != nullptr) {
        m_crOldCompBack = pProp->GetBkColor();
        m_crOldCompText = pProp->m_crFontColor;
    }
    m_pModel->SetFormColors(m_pComp, m_crNewBack, m_crNewText);
    if (m_bOwnCompColors && pProp != nullptr) {
        pProp->SetFontColor(m_crCompText);
        pProp->SetBkColor(m_crCompBack);
    }
    return TRUE;
}

void CQYFormColorChangeCommand::SetComponentColors(COLORREF crBack, COLORREF crText)
{
    m_bOwnCompColors = true;
    m_crCompBack = crBack;
    m_crCompText = crText;
}

CQYBaseCommand* CQYFormColorChangeCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYFormColorChangeCommand(m_pModel, m_pComp, m_crOldBack, m_crOldText);
    pCommand->SetComponentColors(m_crOldCompBack, m_crOldCompText);
    return pCommand;
}

CQYBaseCommand* CQYFormColorChangeCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYFormColorChangeCommand(m_pModel, m_pComp, m_crNewBack, m_crNewText);
    if (m_bOwnCompColors)
        pCommand->SetComponentColors(m_crCompBack, m_crCompText);
    return pCommand;
}

void CQYFormColorChangeCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_FORMCOLORCHANGE);
}

// Form size.

CQYFormSizeCommand::CQYFormSizeCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nLeft, int nTop, int nRight,
                                       int nBottom)
    : CQYSingleCompCommand(pModel, pComp), m_rectNew(nLeft, nTop, nRight, nBottom)
{
}

int CQYFormSizeCommand::GetCommandID()
{
    return QY_CMD_FORMSIZE;
}

BOOL CQYFormSizeCommand::Execute()
{
    if (m_pComp != nullptr)
        m_rectOld = m_pComp->GetRect();
    m_pModel->ResizeFormComponent(m_pComp, m_rectNew.left, m_rectNew.top, m_rectNew.right, m_rectNew.bottom);
    return TRUE;
}

CQYBaseCommand* CQYFormSizeCommand::GetUndoCommand() const
{
    return new CQYFormSizeCommand(m_pModel, m_pComp, m_rectOld.left, m_rectOld.top, m_rectOld.right, m_rectOld.bottom);
}

CQYBaseCommand* CQYFormSizeCommand::GetRedoCommand() const
{
    return new CQYFormSizeCommand(m_pModel, m_pComp, m_rectNew.left, m_rectNew.top, m_rectNew.right, m_rectNew.bottom);
}

void CQYFormSizeCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_FORMSIZE);
}

// Size spot.

CQYSizeSpotCommand::CQYSizeSpotCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nIndex, int dx, int dy)
    : CQYSingleCompCommand(pModel, pComp), m_nIndex(nIndex), m_dx(dx), m_dy(dy)
{
}

int CQYSizeSpotCommand::GetCommandID()
{
    return QY_CMD_SIZESPOT;
}

BOOL CQYSizeSpotCommand::Execute()
{
    m_nRecordedIndex = m_nIndex;
    return m_pModel->OffsetComponentPoint(m_pComp, m_nIndex, m_dx, m_dy);
}

CQYBaseCommand* CQYSizeSpotCommand::GetUndoCommand() const
{
    return new CQYSizeSpotCommand(m_pModel, m_pComp, m_nRecordedIndex, -m_dx, -m_dy);
}

CQYBaseCommand* CQYSizeSpotCommand::GetRedoCommand() const
{
    return new CQYSizeSpotCommand(m_pModel, m_pComp, m_nIndex, m_dx, m_dy);
}

void CQYSizeSpotCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_SIZESPOT);
}

// Size port.

CQYSizePortCommand::CQYSizePortCommand(CQYDataModel* pModel, CQYDrawComponent* pLink, int nIndex, int dx, int dy)
    : CQYLinkCompCommand(pModel, pLink), m_nIndex(nIndex), m_dx(dx), m_dy(dy)
{
}

int CQYSizePortCommand::GetCommandID()
{
    return QY_CMD_SIZEPORT;
}

BOOL CQYSizePortCommand::Execute()
{
    // A link that is not on the page keeps its bonds.
    if (m_pComp == nullptr || m_pModel->GetComponents().Find(m_pComp) == nullptr)
        return FALSE;
    m_nRecordedIndex = m_nIndex;
    CQYPortLink* pLink = QYGetPortLink(m_pComp);
    const bool bStart = m_nIndex == 0;
    CQYPortComponent* pLeft = m_pToPort;
    CQYPortComponent* pJoined = m_pFromPort;
    if (pLeft != nullptr) {
        pLeft->RemoveLink(m_pComp);
        if (pLink != nullptr)
            bStart ? pLink->SetFromPort(nullptr) : pLink->SetToPort(nullptr);
    }
    if (pJoined != nullptr) {
        pJoined->AddLink(m_pComp);
        if (pLink != nullptr)
            bStart ? pLink->SetFromPort(pJoined) : pLink->SetToPort(pJoined);
    }
    return m_pModel->OffsetComponentPoint(m_pComp, m_nIndex, m_dx, m_dy);
}

CQYBaseCommand* CQYSizePortCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYSizePortCommand(m_pModel, m_pComp, m_nRecordedIndex, -m_dx, -m_dy);
    pCommand->SetToPort(m_pFromPort);
    pCommand->SetFromPort(m_pToPort);
    return pCommand;
}

CQYBaseCommand* CQYSizePortCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYSizePortCommand(m_pModel, m_pComp, m_nIndex, m_dx, m_dy);
    pCommand->SetToPort(m_pToPort);
    pCommand->SetFromPort(m_pFromPort);
    return pCommand;
}

void CQYSizePortCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_SIZEPORT);
}

// Group.

CQYGroupCommand::CQYGroupCommand(CQYDataModel* pModel, const CQYCompList* pList, CQYDrawComponent* pGroup)
    : CQYListCompCommand(pModel, pList)
{
    HoldGroup(m_pGroup, pGroup);
}

CQYGroupCommand::~CQYGroupCommand()
{
    HoldGroup(m_pGroup, nullptr);
}

int CQYGroupCommand::GetCommandID()
{
    return QY_CMD_GROUP;
}

BOOL CQYGroupCommand::Execute()
{
    if (m_list.IsEmpty())
        return FALSE;
    if (m_pGroup == nullptr) {
        CObject* pObject = CRuntimeClass::CreateObject("CQYGroupComponent");
        auto* pGroup = dynamic_cast<CQYDrawComponent*>(pObject);
        if (pGroup == nullptr) {
            delete pObject;
            return FALSE;
        }
        HoldGroup(m_pGroup, pGroup);
        CRect rect(100, 100, 200, 200);
        m_pGroup->Create(rect, "");
    }
    CQYGroupMembers* pMembers = QYGetGroupMembers(m_pGroup);
    if (pMembers == nullptr)
        return FALSE;
    m_recorded = RecordPage(m_pModel, &m_list);
    const CString strCaption = m_pGroup->GetObjectCaption();
    const CString strName = m_pGroup->GetObjectName();
    CQYCompList* pOld = pMembers->GetMemberList();
    while (!pOld->IsEmpty())
        pMembers->RemoveComponent(pOld->GetHead());
    // GroupComponents gives back one reference on the group: the command
    // keeps its own.
    m_pGroup->AddRef();
    if (!m_pModel->GroupComponents(&m_list, m_pGroup))
        return FALSE;
    if (!m_restore.IsEmpty()) {
        // Undoing an ungroup: the group returns to its place, with its name.
        m_pModel->MoveInDrawingOrder(m_pGroup, m_restore.indices.front().second);
        RestoreTabOrders(m_restore);
        m_pGroup->SetObjectCaption(strCaption);
        m_pGroup->SetObjectName(strName);
    }
    return TRUE;
}

CQYBaseCommand* CQYGroupCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYUnGroupCommand(m_pModel, m_pGroup);
    pCommand->RemoveAllComponents();
    pCommand->AddComponents(&m_list);
    pCommand->SetRestore(m_recorded);
    return pCommand;
}

CQYBaseCommand* CQYGroupCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYGroupCommand(m_pModel, &m_list, m_pGroup);
    pCommand->SetRestore(m_restore);
    return pCommand;
}

void CQYGroupCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_GROUP);
}

// Ungroup.

CQYUnGroupCommand::CQYUnGroupCommand(CQYDataModel* pModel, CQYDrawComponent* pGroup)
    : CQYListCompCommand(pModel, nullptr), m_pGroup(nullptr)
{
    HoldGroup(m_pGroup, pGroup);
    if (CQYGroupMembers* pMembers = QYGetGroupMembers(pGroup))
        AddComponents(pMembers->GetMemberList());
}

CQYUnGroupCommand::~CQYUnGroupCommand()
{
    HoldGroup(m_pGroup, nullptr);
}

int CQYUnGroupCommand::GetCommandID()
{
    return QY_CMD_UNGROUP;
}

BOOL CQYUnGroupCommand::Execute()
{
    CQYGroupMembers* pMembers = QYGetGroupMembers(m_pGroup);
    if (pMembers == nullptr)
        return FALSE;
    CQYCompList only;
    only.AddTail(m_pGroup);
    m_recorded = RecordPage(m_pModel, &only);
    // The members' tab orders too: putting them on the page renumbers them.
    for (POSITION pos = m_list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_list.GetNext(pos);
        CQYCompProperties* pProp = pComp->GetDefaultProperty();
        m_recorded.tabOrders.emplace_back(pComp, pProp != nullptr ? pProp->m_nTabOrder : 0);
    }
    if (m_restore.IsEmpty())
        return m_pModel->UnGroupComponent(m_pGroup);
    // Undoing a group: the members go back to their places and tab orders.
    if (!m_pModel->RemoveComponent(m_pGroup))
        return FALSE;
    auto indices = m_restore.indices;
    std::sort(indices.begin(), indices.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& [pComp, nIndex] : indices)
        m_pModel->RestoreComponent(pComp, nIndex, 0);
    RestoreTabOrders(m_restore);
    return TRUE;
}

CQYBaseCommand* CQYUnGroupCommand::GetUndoCommand() const
{
    auto* pCommand = new CQYGroupCommand(m_pModel, &m_list, m_pGroup);
    if (!m_recorded.IsEmpty())
        pCommand->SetRestore(m_recorded);
    return pCommand;
}

CQYBaseCommand* CQYUnGroupCommand::GetRedoCommand() const
{
    auto* pCommand = new CQYUnGroupCommand(m_pModel, m_pGroup);
    pCommand->RemoveAllComponents();
    pCommand->AddComponents(&m_list);
    pCommand->SetRestore(m_restore);
    return pCommand;
}

void CQYUnGroupCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_UNGROUP);
}
