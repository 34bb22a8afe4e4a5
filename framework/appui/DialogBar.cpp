#include "framework/appui/DialogBar.h"

#include "framework/app/FrameWnd.h"
#include "framework/controls/DialogManager.h"
#include "framework/controls/ControlClasses.h"
#include "framework/resources/Resources.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BOOL CDialogBar::Create(CWnd *pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, nID);
}

BOOL CDialogBar::Create(CWnd *pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    UINT nIDTemplate = 0;
    const RESOURCE_DIALOG *pTemplate =
        PlexoResourceIdFromName(lpszTemplateName, nIDTemplate) ? PlexoFindDialog(nIDTemplate) : nullptr;
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr || pTemplate == nullptr)
        return FALSE;
    SetBarStyle(nStyle & CBRS_ALL);
    m_pDockSite = dynamic_cast<CFrameWnd *>(pParentWnd);
    PlexoRegisterStandardControls();
    const DWORD dwStyle = (nStyle & ~CBRS_ALL & ~WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS;
    // The template's size in pixels of its font is the bar's own.
    const CRect rect(PlexoDialogWindowRect(pTemplate, pParentWnd->GetSafeHwnd()));
    m_sizeDefault = rect.Size();
    if (!CreateEx(0, PLEXO_DIALOG_CLASS, "", dwStyle, 0, 0, rect.Width(), rect.Height(), pParentWnd->GetSafeHwnd(),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr))
        return FALSE;
    if (!PlexoBuildDialog(m_hWnd, pTemplate, 0)) {
        DestroyWindow();
        return FALSE;
    }
    if (nStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (!bStretch)
        return m_sizeDefault;
    return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

// The controls' commands are the frame's.
BOOL CDialogBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CWnd *pOwner = GetOwner();
    if (pOwner == nullptr)
        return CControlBar::OnCommand(wParam, lParam);
    pOwner->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}
