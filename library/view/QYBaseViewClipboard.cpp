// Cut, copy, paste and delete of the canvas view through the desktop
// clipboard in the "Plexo Component" format.  While a label is edited in
// place, the edit commands go to its edit window.
#include "library/view/QYBaseView.h"

#include "framework/app/MessageBoxes.h"
#include "framework/shellui/Clipboard.h"
#include "framework/window/WinMessages.h"
#include "library/model/QYCompCommandBases.h"
#include "library/model/QYCompTypeTable.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYClipboardPayload.h"
#include "library/view/QYPasteNames.h"

namespace {

// Where a pasted copy lands, relative to what was copied.
constexpr int kPasteOffset = 7;
// Where a single component brought in from outside lands.
constexpr int kAddPastedOffset = 20;

// Moves a pasted component by (nOffset, nOffset).  Fitting a group into a
// rectangle fits each of its members into that whole rectangle, so a group
// is moved as one instead: every member once, then its rectangle taken
// again from theirs.
void MoveByPasteOffset(CQYDrawComponent* pComp, int nOffset)
{
    if (pComp->IsKindOf(RUNTIME_CLASS(CQYGroupComponent))) {
        pComp->OffsetComponent(nOffset, nOffset);
        pComp->UpdatePosition();
        pComp->ResetTrackPoints();
    } else if (pComp->IsOver4ResizeHandles()) {
        pComp->OffsetComponent(nOffset, nOffset);
    } else {
        CRect rect = pComp->GetRect();
        rect.OffsetRect(nOffset, nOffset);
        pComp->PositionComponent(&rect);
    }
    pComp->UpdateComp();
}

bool HasNonLink(CQYCompList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        if (!list.GetNext(pos)->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)))
            return true;
    return false;
}

} // namespace

CWnd* CQYBaseView::GetLabelEditWindow()
{
    return m_pLabelEdit != nullptr && ::IsWindow(m_pLabelEdit->GetSafeHwnd()) ? m_pLabelEdit : nullptr;
}

BOOL CQYBaseView::CopyToClipboard(CQYCompList* pList)
{
    HGLOBAL hPayload = QYWriteComponentPayload(pList);
    if (hPayload == nullptr)
        return FALSE; // only links: the clipboard keeps what it has
    if (!::OpenClipboard(GetSafeHwnd())) {
        ::GlobalFree(hPayload);
        return FALSE;
    }
    ::EmptyClipboard();
    if (::SetClipboardData(QYGetComponentClipboardFormat(), hPayload) == nullptr)
        ::GlobalFree(hPayload);
    ::CloseClipboard();
    return TRUE;
}

CQYBaseCommand* CQYBaseView::DeleteComponents(CQYCompList* pList)
{
    if (m_pModel == nullptr || pList == nullptr || pList->IsEmpty())
        return nullptr;
    CQYCompList list(*pList);
    // The command cuts the port bonds itself, so that its undo ties them
    // again.
    auto* pCommand = new CQYRemoveCompsCommand(m_pModel, &list);
    pCommand->SetCutBonds(TRUE);
    CQYBaseCommand* pDone = RunCommand(pCommand);
    ClearSelection();
    return pDone;
}

CQYBaseCommand* CQYBaseView::PasteComponents(CQYCompList* pList)
{
    if (m_pModel == nullptr || pList == nullptr || pList->IsEmpty())
        return nullptr;
    CQYPasteNames names(m_pModel->GetComponents());
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = pList->GetNext(pos);
        if (auto* pPorts = DYNAMIC_DOWNCAST(CQYDrawPortsComponent, pComp))
            pPorts->ClearPortLinks();
        MoveByPasteOffset(pComp, kPasteOffset);
        pComp->SetObjectName(names.Take(pComp->GetType()));
    }
    CQYBaseCommand* pCommand = RunCommand(new CQYAddCompsCommand(m_pModel, pList));
    if (pCommand != nullptr)
        m_pModel->SetModifiedFlag(TRUE);
    return pCommand;
}

CQYBaseCommand* CQYBaseView::AddPastedComponent(CQYDrawComponent* pComp)
{
    if (m_pModel == nullptr || pComp == nullptr)
        return nullptr;
    const CString strName = m_pModel->GetUniqueName(pComp->GetType());
    MoveByPasteOffset(pComp, kAddPastedOffset);
    pComp->SetObjectName(strName);
    return RunCommand(new CQYAddCompCommand(m_pModel, pComp));
}

BOOL CQYBaseView::ReadClipboardComponents(CQYCompList& list, CString& strError)
{
    const UINT nFormat = QYGetComponentClipboardFormat();
    if (!::IsClipboardFormatAvailable(nFormat) || !::OpenClipboard(GetSafeHwnd()))
        return TRUE; // nothing to paste
    BOOL bRead = TRUE;
    if (HANDLE hData = ::GetClipboardData(nFormat)) {
        auto* pBytes = static_cast<const BYTE*>(::GlobalLock(hData));
        if (pBytes != nullptr) {
            bRead = QYReadComponentPayload(pBytes, ::GlobalSize(hData), GetDocument(), list, strError);
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return bRead;
}

void CQYBaseView::OnEditCopy()
{
    if (CWnd* pEdit = GetLabelEditWindow()) {
        pEdit->SendMessage(WM_COPY);
        return;
    }
    if (IsDesignMode())
        CopyToClipboard(&m_listSelected);
}

void CQYBaseView::OnEditCut()
{
    if (CWnd* pEdit = GetLabelEditWindow()) {
        pEdit->SendMessage(WM_CUT);
        return;
    }
    if (!IsDesignMode() || !CopyToClipboard(&m_listSelected))
        return;
    DeleteComponents(&m_listSelected);
}

void CQYBaseView::OnEditClear()
{
    if (CWnd* pEdit = GetLabelEditWindow()) {
        pEdit->SendMessage(WM_CLEAR);
        return;
    }
    if (IsDesignMode())
        DeleteComponents(&m_listSelected);
}

void CQYBaseView::OnEditPaste()
{
    if (CWnd* pEdit = GetLabelEditWindow()) {
        pEdit->SendMessage(WM_PASTE);
        return;
    }
    if (!IsDesignMode())
        return;
    CQYCompList list;
    CString strError;
    if (!ReadClipboardComponents(list, strError)) {
        AfxMessageBox(strError, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    PasteComponents(&list);
}

void CQYBaseView::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetLabelEditWindow() != nullptr || (IsDesignMode() && HasNonLink(m_listSelected)));
}

void CQYBaseView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetLabelEditWindow() != nullptr ||
                   (IsDesignMode() && ::IsClipboardFormatAvailable(QYGetComponentClipboardFormat())));
}

void CQYBaseView::OnUpdateEditClear(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetLabelEditWindow() != nullptr || (IsDesignMode() && !m_listSelected.IsEmpty()));
}
