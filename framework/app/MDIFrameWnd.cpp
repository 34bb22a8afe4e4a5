#include "framework/app/MDIFrameWnd.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/WinApp.h"
#include "framework/window/Menu.h"
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_NEW, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
ON_COMMAND_EX_RANGE(AFX_IDM_FIRST_MDICHILD, AFX_IDM_MORE_WINDOWS, OnActivateChildFromMenu)
ON_MESSAGE(WM_MDIACTIVATE, OnNoChildActive)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

CMDIFrameWnd::~CMDIFrameWnd() = default;

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr || !::IsMenu(hMenuBar))
        return nullptr;
    // The pop-up that holds a window command.
    int nCount = ::GetMenuItemCount(hMenuBar);
    for (int i = nCount - 1; i >= 0; --i) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == nullptr)
            continue;
        int nItems = ::GetMenuItemCount(hPopup);
        for (int j = 0; j < nItems; ++j) {
            UINT nID = ::GetMenuItemID(hPopup, j);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT)
                return hPopup;
        }
    }
    return nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *)
{
    return CreateClient(lpcs, GetWindowMenuPopup(lpcs->hMenu));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, HMENU hWindowMenu)
{
    CLIENTCREATESTRUCT ccs{hWindowMenu, AFX_IDM_FIRST_MDICHILD};
    RECT rect{};
    GetClientRect(&rect);
    m_hWndMDIClient =
        ::CreateWindowEx(WS_EX_CLIENTEDGE, PlexoRegisterMdiClientClass(), nullptr,
                         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, rect.right, rect.bottom, m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)), nullptr, &ccs);
    return m_hWndMDIClient != nullptr;
}

void CMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    LayoutBars(rectClient);
    if (m_hWndMDIClient != nullptr && ::IsWindow(m_hWndMDIClient))
        ::SetWindowPos(m_hWndMDIClient, nullptr, rectClient.left, rectClient.top, rectClient.Width(),
                       rectClient.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    (void)bNotify;
}

CMDIChildWnd *CMDIFrameWnd::MDIGetActive(BOOL *pbMaximized) const
{
    if (m_hWndMDIClient == nullptr)
        return nullptr;
    auto hActive = reinterpret_cast<HWND>(
        ::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(pbMaximized)));
    return dynamic_cast<CMDIChildWnd *>(CWnd::FromHandlePermanent(hActive));
}

void CMDIFrameWnd::MDIActivate(CWnd *pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIPrev()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMDIFrameWnd::MDIMaximize(CWnd *pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd *pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessage(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

CMenu *CMDIFrameWnd::MDISetMenu(CMenu *pFrameMenu, CMenu *pWindowMenu)
{
    auto hOld = reinterpret_cast<HMENU>(
        ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(pFrameMenu->GetSafeHmenu()),
                      reinterpret_cast<LPARAM>(pWindowMenu ? pWindowMenu->GetSafeHmenu() : nullptr)));
    return CMenu::FromHandle(hOld);
}

CFrameWnd *CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd *pActive = MDIGetActive();
    return pActive != nullptr ? static_cast<CFrameWnd *>(pActive) : this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd *pActive = MDIGetActive(&bMaximized);
    if (pActive != nullptr && bMaximized) {
        // The maximised child's caption is out of sight: its title joins
        // the frame's, "Program - [Document]".
        CString strChild;
        pActive->GetWindowText(strChild);
        CString strText = m_strTitle.IsEmpty() ? "[" + strChild + "]" : m_strTitle + " - [" + strChild + "]";
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strText)
            SetWindowText(strText);
        return;
    }
    CDocument *pDocument = pActive != nullptr ? pActive->GetActiveDocument() : nullptr;
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    HMENU hMenu = hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault;
    if (hMenu == nullptr || m_hWndMDIClient == nullptr)
        return;
    ::SendMessage(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu),
                  reinterpret_cast<LPARAM>(GetWindowMenuPopup(hMenu)));
    ::DrawMenuBar(m_hWnd);
    RecalcLayout();
}

LRESULT CMDIFrameWnd::OnNoChildActive(WPARAM, LPARAM)
{
    // The client tells the frame that its last child went.
    OnUpdateFrameMenu(nullptr);
    OnUpdateFrameTitle(TRUE);
    return 0;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    CMDIChildWnd *pActive = MDIGetActive();
    if (pActive != nullptr && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG *pMsg)
{
    // The active child's accelerators, then the frame's.
    CMDIChildWnd *pActive = MDIGetActive();
    if (pActive != nullptr && pActive->PreTranslateMessage(pMsg))
        return TRUE;
    if (pActive != nullptr && TranslateDocumentWindowKey(pActive, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CMDIFrameWnd::TranslateDocumentWindowKey(CMDIChildWnd *pActive, const MSG *pMsg)
{
    // Ctrl+F4 closes the active document window, Ctrl+F6 and Ctrl+Tab move
    // to the next one (with Shift, the previous one).
    if (pMsg->message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0 || ::GetKeyState(VK_MENU) < 0)
        return FALSE;
    UINT nCommand = 0;
    if (pMsg->wParam == VK_F4)
        nCommand = SC_CLOSE;
    else if (pMsg->wParam == VK_F6 || pMsg->wParam == VK_TAB)
        nCommand = ::GetKeyState(VK_SHIFT) < 0 ? SC_PREVWINDOW : SC_NEXTWINDOW;
    if (nCommand == 0)
        return FALSE;
    pActive->SendMessage(WM_SYSCOMMAND, nCommand, 0);
    return TRUE;
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE: MDIIconArrange(); break;
    case ID_WINDOW_CASCADE: MDICascade(); break;
    case ID_WINDOW_TILE_HORZ: MDITile(MDITILE_HORIZONTAL); break;
    case ID_WINDOW_TILE_VERT: MDITile(MDITILE_VERTICAL); break;
    default: return FALSE;
    }
    return TRUE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd *pActive = MDIGetActive();
    CDocument *pDocument = pActive != nullptr ? pActive->GetActiveDocument() : nullptr;
    if (pDocument == nullptr || pDocument->GetDocTemplate() == nullptr)
        return;
    CDocTemplate *pTemplate = pDocument->GetDocTemplate();
    CFrameWnd *pFrame = pTemplate->CreateNewFrame(pDocument, pActive);
    if (pFrame != nullptr)
        pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

BOOL CMDIFrameWnd::OnActivateChildFromMenu(UINT nID)
{
    if (nID == AFX_IDM_MORE_WINDOWS) {
        OnMoreWindows();
        return TRUE;
    }
    for (HWND h = ::GetWindow(m_hWndMDIClient, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (static_cast<UINT>(::GetDlgCtrlID(h)) == nID) {
            ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(h), 0);
            return TRUE;
        }
    }
    return FALSE;
}

void CMDIFrameWnd::OnMoreWindows() {}
