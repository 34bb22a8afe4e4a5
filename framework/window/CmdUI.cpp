// CCmdUI: the update of one command's interface (menu item or control),
// and the wait cursor.
#include "framework/window/CmdTarget.h"

#include "framework/window/Menu.h"
#include "framework/window/Wnd.h"

#define BM_SETCHECK 0x00F1

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu) {
        if (!m_pSubMenu)
            m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther) {
        // A control losing its enabled state hands the focus on first.
        if (!bOn && CWnd::GetFocus() == m_pOther)
            if (CWnd *pParent = m_pOther->GetParent())
                pParent->SetFocus();
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu) {
        if (!m_pSubMenu)
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther) {
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu) {
        if (!m_pSubMenu)
            m_pMenu->CheckMenuRadioItem(m_nIndex, m_nIndex, bOn ? m_nIndex : static_cast<UINT>(-1), MF_BYPOSITION);
    } else {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu) {
        if (m_pSubMenu)
            return;
        UINT state =
            m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MFT_RADIOCHECK);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, lpszText);
    } else if (m_pOther) {
        CString current;
        m_pOther->GetWindowText(current);
        if (current != lpszText)
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget *pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || !pTarget)
        return TRUE;
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        // Nobody decided: enabled when some target would run the command.
        AFX_CMDHANDLERINFO info{nullptr, nullptr};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bResult;
}

// ---- The wait cursor

namespace {
int g_waitCount = 0;
HCURSOR g_beforeWait = nullptr;

void ApplyWait()
{
    if (g_waitCount > 0)
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
    else
        SetCursor(g_beforeWait ? g_beforeWait : LoadCursor(nullptr, IDC_ARROW));
}
} // namespace

void CCmdTarget::BeginWaitCursor()
{
    if (g_waitCount++ == 0)
        g_beforeWait = GetCursor();
    ApplyWait();
}

void CCmdTarget::EndWaitCursor()
{
    if (g_waitCount > 0)
        --g_waitCount;
    ApplyWait();
}

void CCmdTarget::RestoreWaitCursor()
{
    ApplyWait();
}

CWaitCursor::CWaitCursor()
{
    CCmdTarget().BeginWaitCursor();
}

CWaitCursor::~CWaitCursor()
{
    CCmdTarget().EndWaitCursor();
}

void CWaitCursor::Restore()
{
    CCmdTarget().RestoreWaitCursor();
}

void PlexoUpdateMenuCommandUI(CMenu *pPopupMenu, CCmdTarget *pTarget, BOOL bDisableIfNoHndler)
{
    if (!pPopupMenu || !pTarget)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue; // a separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            state.m_pSubMenu = pPopupMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (!state.m_pSubMenu)
                continue;
            state.m_nID = state.m_pSubMenu->GetMenuItemID(0);
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(pTarget, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(pTarget, bDisableIfNoHndler && state.m_nID < 0xF000);
        }
        // An update handler may have added or removed items.
        UINT nCount = pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= plexoMin(state.m_nIndex + 1, state.m_nIndexMax - nCount);
            while (state.m_nIndex + 1 < nCount &&
                   pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex + 1)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}
