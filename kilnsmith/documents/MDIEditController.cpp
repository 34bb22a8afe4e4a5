#include "kilnsmith/documents/MDIEditController.h"

#include "kilnsmith/documents/DocumentIds.h"
#include "kilnsmith/documents/SelectLanguageDlg.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/ISECViewport.h"

#include "framework/resources/ResourceTypes.h"
#include "framework/window/CmdTarget.h"
#include "framework/window/InputApi.h"
#include "framework/window/Menu.h"
#include "framework/window/VirtualKeys.h"

IMPLEMENT_DYNAMIC(CMDIEditController, SECEditController)

BEGIN_MESSAGE_MAP(CMDIEditController, SECEditController)
ON_COMMAND(ID_SET_LANGUAGE, OnSetLanguage)
ON_COMMAND(ID_PSEUDO_INTELLISENSE, OnPseudoIntellisense)
ON_UPDATE_COMMAND_UI(ID_PSEUDO_INTELLISENSE, OnUpdatePseudoIntellisense)
ON_UPDATE_COMMAND_UI(ID_SECEDIT_STATUS_POSITION, OnUpdatePositionPane)
END_MESSAGE_MAP()

namespace {

// The menu shows Ctrl+R for Replace, so the key issues it too (the
// editor's own table has Ctrl+H).
HACCEL WizardAccelerators()
{
    static const ACCEL kEntries[] = {
        {FVIRTKEY | FCONTROL | FNOINVERT, 'R', ID_EDIT_REPLACE},
    };
    static const HACCEL table = ::CreateAcceleratorTable(kEntries, 1);
    return table;
}

} // namespace

CMDIEditController::CMDIEditController() = default;
CMDIEditController::~CMDIEditController() = default;

void CMDIEditController::InsertText(const CString &text)
{
    SECEditController::InsertText(text);
    if (!m_bPseudoIntellisense || text != "." || GetCaretColumn() <= 0)
        return;
    ShowPopupAtCaret();
}

CPoint CMDIEditController::GetPopupPoint()
{
    CPoint point = GetCaretPoint();
    if (GetViewport())
        GetViewport()->LPtoDP(&point, 1);
    if (SECEditDisplayMetrics *metrics = GetMetrics())
        point.y += metrics->GetLineHeight();
    ClientToScreen(&point);
    return point;
}

// The context menu opens where the caret is, without moving the caret or
// the selection (a right click would move them to the point clicked).
void CMDIEditController::ShowPopupAtCaret()
{
    if (!m_hWnd)
        return;
    const CPoint point = GetPopupPoint();
    CMenu menu;
    CMenu *pPopup = nullptr;
    if (CreateContextMenu(menu, pPopup)) {
        UpdateMenuItems(pPopup);
        const BOOL caret = CaretExists();
        if (caret)
            HideCaret();
        ::PlexoTrackPopupMenuTypeThrough(pPopup->GetSafeHmenu(), TPM_RIGHTBUTTON, point.x, point.y, m_hWnd);
        if (caret && CaretExists())
            ShowCaret();
    }
    menu.DestroyMenu();
}

BOOL CMDIEditController::CreateContextMenu(CMenu &menu, CMenu *&pPopup)
{
    if (!SECEditController::CreateContextMenu(menu, pPopup))
        return FALSE;
    pPopup->AppendMenu(MF_SEPARATOR);
    pPopup->AppendMenu(MF_STRING, ID_TOGGLE_PAGE_BREAK, "&Toggle Page Break");
    return TRUE;
}

BOOL CMDIEditController::PreTranslateMessage(MSG *pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd && WizardAccelerators() &&
        ::TranslateAccelerator(m_hWnd, WizardAccelerators(), pMsg))
        return TRUE;
    return SECEditController::PreTranslateMessage(pMsg);
}

void CMDIEditController::OnSetLanguage()
{
    SECEditTextBuffer *buffer = GetBuffer();
    CSelectLanguageDlg dialog;
    if (dialog.DoModal() != IDOK || !buffer)
        return;
    if (dialog.m_strLanguage != buffer->GetLanguageName())
        buffer->SetLanguage(dialog.m_strLanguage);
}

void CMDIEditController::OnPseudoIntellisense()
{
    m_bPseudoIntellisense = !m_bPseudoIntellisense;
}

void CMDIEditController::OnUpdatePseudoIntellisense(CCmdUI *pCmdUI)
{
    pCmdUI->SetCheck(m_bPseudoIntellisense ? 1 : 0);
}

// The pane has no command behind it: a status bar greys out (and shows no
// text in) a pane whose update does not enable it.
void CMDIEditController::OnUpdatePositionPane(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetText(FormatStatusPosition());
}
