#include "framework/app/MDIFrameWnd.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/window/MenuApi.h"
#include "framework/window/WindowApi.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivateMessage)
ON_WM_SYSCOMMAND()
ON_WM_MOUSEACTIVATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

CMDIChildWnd::~CMDIChildWnd() = default;

CMDIFrameWnd *CMDIChildWnd::GetMDIFrame() const
{
    HWND hClient = ::GetParent(m_hWnd);
    HWND hFrame = hClient != nullptr ? ::GetParent(hClient) : nullptr;
    return dynamic_cast<CMDIFrameWnd *>(CWnd::FromHandlePermanent(hFrame));
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd *pParentWnd, CCreateContext *pContext)
{
    auto *pMDIFrame = dynamic_cast<CMDIFrameWnd *>(pParentWnd);
    if (pMDIFrame == nullptr)
        pMDIFrame = dynamic_cast<CMDIFrameWnd *>(AfxGetMainWnd());
    if (pMDIFrame == nullptr || pMDIFrame->m_hWndMDIClient == nullptr) {
        PostNcDestroy();
        return FALSE;
    }
    m_nIDHelp = nIDResource;
    CString strFull;
    strFull.LoadString(nIDResource);
    int nBreak = strFull.Find('\n');
    m_strTitle = nBreak < 0 ? strFull : strFull.Left(nBreak);
    LoadAccelTable(nIDResource);
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr)
        m_hMenuShared = pContext->m_pNewDocTemplate->m_hMenuShared;

    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                            ::LoadIcon(nullptr, MAKEINTRESOURCE(nIDResource)));
    // Made hidden; ActivateFrame shows and activates it.
    DWORD dwStyle = (dwDefaultStyle | WS_CHILD | WS_CLIPSIBLINGS) & ~WS_VISIBLE;
    BOOL bCreated = CreateEx(WS_EX_MDICHILD, lpszClass, m_strTitle, dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, pMDIFrame->m_hWndMDIClient, nullptr, pContext);
    if (!bCreated)
        return FALSE;
    // Placed like a cascade step below the last child.
    CRect rectClient;
    ::GetClientRect(pMDIFrame->m_hWndMDIClient, &rectClient);
    int nChildren = 0;
    for (HWND h = ::GetWindow(pMDIFrame->m_hWndMDIClient, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        ++nChildren;
    int nStep = 24 * ((nChildren - 1) % 8);
    SetWindowPos(nullptr, nStep, nStep, rectClient.Width() * 3 / 4, rectClient.Height() * 3 / 4,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (!IsWindowVisible())
        ShowWindow(nCmdShow == -1 ? SW_SHOWNOACTIVATE : nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument *pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr) {
        CString strText = pDocument->GetTitle();
        if (m_nWindow > 0) {
            CString strNumber;
            strNumber.Format(":%d", m_nWindow);
            strText += strNumber;
        }
        CString strOld;
        GetWindowText(strOld);
        if (strOld != strText) {
            SetWindowText(strText);
            if (CMDIFrameWnd *pFrame = GetMDIFrame())
                ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
        }
    }
    if (CMDIFrameWnd *pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}

void CMDIChildWnd::MDIDestroy()
{
    if (CMDIFrameWnd *pFrame = GetMDIFrame())
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd *pFrame = GetMDIFrame())
        pFrame->MDIActivate(this);
}

void CMDIChildWnd::MDIMaximize()
{
    if (CMDIFrameWnd *pFrame = GetMDIFrame())
        pFrame->MDIMaximize(this);
}

void CMDIChildWnd::MDIRestore()
{
    if (CMDIFrameWnd *pFrame = GetMDIFrame())
        pFrame->MDIRestore(this);
}

LRESULT CMDIChildWnd::OnMDIActivateMessage(WPARAM wParam, LPARAM lParam)
{
    auto hDeactivate = reinterpret_cast<HWND>(wParam);
    auto hActivate = reinterpret_cast<HWND>(lParam);
    OnMDIActivate(hActivate == m_hWnd, CWnd::FromHandlePermanent(hActivate), CWnd::FromHandlePermanent(hDeactivate));
    return 0;
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd)
{
    CView *pView = GetActiveView();
    if (bActivate) {
        auto *pOther = dynamic_cast<CFrameWnd *>(pDeactivateWnd);
        CView *pOldView = pOther != nullptr ? pOther->GetActiveView() : nullptr;
        if (CMDIFrameWnd *pFrame = GetMDIFrame()) {
            pFrame->OnUpdateFrameMenu(m_hMenuShared);
            pFrame->OnUpdateFrameTitle(TRUE);
        }
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pOldView);
        return;
    }
    auto *pOther = dynamic_cast<CFrameWnd *>(pActivateWnd);
    CView *pNewView = pOther != nullptr ? pOther->GetActiveView() : nullptr;
    if (pView != nullptr)
        pView->OnActivateView(FALSE, pNewView, pView);
}

void CMDIChildWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    CMDIFrameWnd *pFrame = GetMDIFrame();
    if (pFrame == nullptr) {
        CFrameWnd::OnSysCommand(nID, lParam);
        return;
    }
    switch (nID & 0xFFF0) {
    case SC_MAXIMIZE: MDIMaximize(); break;
    case SC_RESTORE: {
        const BOOL bWasIconic = IsIconic();
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
        if (bWasIconic) // an icon opened again comes forward
            MDIActivate();
        break;
    }
    case SC_MINIMIZE: {
        if (IsZoomed())
            MDIRestore();
        ShowWindow(SW_MINIMIZE);
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
        // The activation moves on to the top document window still open.
        if (pFrame->MDIGetActive() != this)
            break;
        for (HWND h = ::GetWindow(pFrame->m_hWndMDIClient, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
            if (h != m_hWnd && ::IsWindowVisible(h) && !::IsIconic(h)) {
                ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(h), 0);
                break;
            }
        }
        break;
    }
    case SC_NEXTWINDOW: ::SendMessage(pFrame->m_hWndMDIClient, WM_MDINEXT, 0, 0); break;
    case SC_PREVWINDOW: ::SendMessage(pFrame->m_hWndMDIClient, WM_MDINEXT, 0, 1); break;
    default: CFrameWnd::OnSysCommand(nID, lParam); break;
    }
}

int CMDIChildWnd::OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    CMDIFrameWnd *pFrame = GetMDIFrame();
    if (pFrame != nullptr && pFrame->MDIGetActive() != this && nResult != MA_NOACTIVATE &&
        nResult != MA_NOACTIVATEANDEAT)
        MDIActivate();
    return nResult;
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    BOOL bMaximized = nType == SIZE_MAXIMIZED;
    if (bMaximized == m_bWasMaximized)
        return;
    m_bWasMaximized = bMaximized;
    if (CMDIFrameWnd *pFrame = GetMDIFrame()) {
        pFrame->OnUpdateFrameTitle(TRUE);
        ::DrawMenuBar(pFrame->GetSafeHwnd());
    }
}
