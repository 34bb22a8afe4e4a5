#include "framework/app/FrameWnd.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/SplitterWnd.h"
#include "framework/app/StatusBar.h"
#include "framework/app/WinApp.h"
#include "framework/window/InputApi.h"
#include "framework/window/Menu.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_COMMAND_EX(ID_NEXT_PANE, OnBarCommand)
ON_COMMAND_EX(ID_PREV_PANE, OnBarCommand)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI_RANGE(ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_NEXT_PANE, OnUpdateNextPane)
ON_UPDATE_COMMAND_UI(ID_PREV_PANE, OnUpdateNextPane)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnFrameIdleUpdateCmdUI)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd *AfxGetParentFrame(const CWnd *pWnd)
{
    for (const CWnd *p = pWnd; p != nullptr && p->GetSafeHwnd() != nullptr; p = p->GetParent()) {
        if (auto *pFrame = dynamic_cast<CFrameWnd *>(CWnd::FromHandlePermanent(p->GetSafeHwnd())))
            return pFrame;
    }
    return nullptr;
}

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    if (m_hMenuDefault != nullptr && ::IsMenu(m_hMenuDefault) && !IsSharedMenu(m_hMenuDefault))
        ::DestroyMenu(m_hMenuDefault);
}

BOOL CFrameWnd::IsSharedMenu(HMENU hMenu) const
{
    CWinApp *pApp = AfxGetApp();
    if (pApp == nullptr)
        return FALSE;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        if (pApp->GetNextDocTemplate(pos)->m_hMenuShared == hMenu)
            return TRUE;
    }
    return FALSE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                       LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext *pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenu(nullptr, lpszMenuName);
        if (hMenu == nullptr) {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    m_pCreatingContext = pContext;
    bool bDefault = CRect(rect) == rectDefault;
    BOOL bCreated = CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, bDefault ? CW_USEDEFAULT : rect.left,
                             bDefault ? CW_USEDEFAULT : rect.top, bDefault ? CW_USEDEFAULT : rect.right - rect.left,
                             bDefault ? CW_USEDEFAULT : rect.bottom - rect.top,
                             pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, hMenu, pContext);
    m_pCreatingContext = nullptr;
    if (!bCreated) {
        if (hMenu != nullptr && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd *pParentWnd, CCreateContext *pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    strFull.LoadString(nIDResource);
    int nBreak = strFull.Find('\n');
    m_strTitle = nBreak < 0 ? strFull : strFull.Left(nBreak);

    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                            ::LoadIcon(nullptr, MAKEINTRESOURCE(nIDResource)));
    LoadAccelTable(nIDResource);
    HMENU hMenu = ::LoadMenu(nullptr, MAKEINTRESOURCE(nIDResource));
    CString strTitle = m_strTitle;
    m_pCreatingContext = pContext;
    BOOL bCreated = CreateEx(0, lpszClass, strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, hMenu, pContext);
    m_pCreatingContext = nullptr;
    if (!bCreated) {
        if (hMenu != nullptr && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = ::GetMenu(m_hWnd);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT &cs)
{
    // A frame that shows one document names it first.
    if ((cs.style & FWS_ADDTOTITLE) && PrefixesDocumentTitle())
        cs.style |= FWS_PREFIXTITLE;
    return CWnd::PreCreateWindow(cs);
}

void CFrameWnd::LoadAccelTable(UINT nIDResource)
{
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAccelerators(nullptr, MAKEINTRESOURCE(nIDResource));
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if ((GetStyle() & WS_CHILD) == 0 && ::GetMenu(m_hWnd) != nullptr && !m_wndMenuBar.Create(this))
        return -1;
    auto *pContext = static_cast<CCreateContext *>(lpcs->lpCreateParams);
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext *pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd *CFrameWnd::CreateView(CCreateContext *pContext, UINT nID)
{
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr)
        return nullptr;
    auto *pView = dynamic_cast<CWnd *>(pContext->m_pNewViewClass->CreateObject());
    if (pView == nullptr)
        return nullptr;
    // A view deletes itself when its window goes, also when creation fails.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::RepositionControlBars(CRect &rectClient)
{
    PlexoRepositionBars(this, rectClient);
}

void CFrameWnd::LayoutBars(CRect &rectClient)
{
    if (m_wndMenuBar.GetSafeHwnd() != nullptr) {
        int cy = std::min(m_wndMenuBar.GetBarHeight(), rectClient.Height());
        m_wndMenuBar.MoveWindow(rectClient.left, rectClient.top, rectClient.Width(), cy);
        rectClient.top += cy;
    }
    RepositionControlBars(rectClient);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    LayoutBars(rectClient);
    if (CWnd *pPane = GetDlgItem(AFX_IDW_PANE_FIRST)) {
        CRect rectOld;
        pPane->GetWindowRect(&rectOld);
        ScreenToClient(&rectOld);
        if (rectOld != rectClient)
            pPane->MoveWindow(&rectClient);
    }
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::InitialUpdateFrame(CDocument *pDoc, BOOL bMakeVisible)
{
    CView *pView = GetActiveView();
    if (pView == nullptr) {
        // The first pane becomes the active view (inside a splitter, its
        // first pane).
        CWnd *pPane = GetDlgItem(AFX_IDW_PANE_FIRST);
        pView = dynamic_cast<CView *>(pPane);
        if (pView == nullptr && pPane != nullptr)
            pView = dynamic_cast<CView *>(pPane->GetDlgItem(AFX_IDW_PANE_FIRST));
        if (pView != nullptr)
            SetActiveView(pView, FALSE);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible) {
        ActivateFrame();
        // A top-level frame that was active already hears no activation.
        if (pView != nullptr && (GetStyle() & WS_CHILD) == 0)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
    }
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if ((GetStyle() & WS_CHILD) == 0)
        SetActiveWindow();
}

void CFrameWnd::SetActiveView(CView *pViewNew, BOOL bNotify)
{
    CView *pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;
    if (pViewOld != nullptr && bNotify)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument *CFrameWnd::GetActiveDocument()
{
    CView *pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

CFrameWnd *CFrameWnd::GetActiveFrame()
{
    return this;
}

// ---- Titles and the message bar

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument *pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString strText;
    if (lpszDocName != nullptr && *lpszDocName != '\0') {
        CString strDoc = lpszDocName;
        if (m_nWindow > 0) {
            CString strNumber;
            strNumber.Format(":%d", m_nWindow);
            strDoc += strNumber;
        }
        if (m_strTitle.IsEmpty())
            strText = strDoc;
        else if (GetStyle() & FWS_PREFIXTITLE)
            strText = strDoc + " - " + m_strTitle; // "Custom - Orchard"
        else
            strText = m_strTitle + " - " + strDoc; // "Kilnsmith - Kilnsmith1"
    } else {
        strText = m_strTitle;
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

void CFrameWnd::GetMessageString(UINT nID, CString &rMessage) const
{
    rMessage.Empty();
    CString strFull;
    if (!strFull.LoadString(nID))
        return;
    int nBreak = strFull.Find('\n');
    rMessage = nBreak < 0 ? strFull : strFull.Left(nBreak);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID, 0);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    // lParam: the text; otherwise wParam: a string id (0: the idle text).
    if (lParam != 0) {
        m_strMessageText = reinterpret_cast<LPCTSTR>(lParam);
    } else {
        UINT nID = wParam != 0 ? static_cast<UINT>(wParam) : AFX_IDS_IDLEMESSAGE;
        GetMessageString(nID, m_strMessageText);
        if (nID == AFX_IDS_IDLEMESSAGE && m_strMessageText.IsEmpty())
            m_strMessageText = "Ready";
    }
    if (auto *pStatus = dynamic_cast<CStatusBar *>(GetControlBar(AFX_IDW_STATUS_BAR)))
        pStatus->SetPaneText(0, m_strMessageText);
    return 0;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    // The menu closed: the idle text; a command item: its prompt.
    if (nFlags == 0xFFFF && hSysMenu == nullptr)
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    else if ((nFlags & (MF_POPUP | MF_SEPARATOR)) == 0 && nItemID != 0)
        SetMessageText(nItemID);
    else
        SetMessageText("");
}

void CFrameWnd::OnInitMenuPopup(CMenu *pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pPopupMenu == nullptr)
        return;
    PlexoUpdateMenuCommandUI(pPopupMenu, this, m_bAutoMenuEnable);
}

// ---- Commands and keys

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    // The active view (and through it the document), the frame, the
    // application.
    CView *pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp *pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG *pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (m_hAccelTable != nullptr && ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg) != 0)
        return TRUE;
    return m_wndMenuBar.GetSafeHwnd() != nullptr && m_wndMenuBar.TranslateFrameKey(pMsg);
}

BOOL CFrameWnd::OnBarCommand(UINT nID)
{
    OnNextPane(nID == ID_PREV_PANE);
    return TRUE;
}

// ---- Control bars

CControlBar *CFrameWnd::GetControlBar(UINT nID)
{
    HWND hBar = m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, static_cast<int>(nID)) : nullptr;
    if (auto *pBar = hBar != nullptr ? dynamic_cast<CControlBar *>(CWnd::FromHandlePermanent(hBar)) : nullptr)
        return pBar;
    return FindDockedBar(nID);
}

void CFrameWnd::ShowControlBar(CControlBar *pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    ShowFloatingFrameOf(pBar);
    if (!bDelay)
        RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    // The View menu's toggle of the bar with the command's id.
    CControlBar *pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI *pCmdUI)
{
    CControlBar *pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI *pCmdUI)
{
    // The lock keys' toggle state; Scroll Lock is never reported on.
    BOOL bOn = FALSE;
    if (pCmdUI->m_nID == ID_INDICATOR_CAPS)
        bOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    else if (pCmdUI->m_nID == ID_INDICATOR_NUM)
        bOn = (::GetKeyState(VK_NUMLOCK) & 1) != 0;
    pCmdUI->Enable(bOn);
}

CSplitterWnd *CFrameWnd::GetActiveSplitter() const
{
    CView *pView = GetActiveView();
    if (pView == nullptr || pView->GetSafeHwnd() == nullptr)
        return nullptr;
    return dynamic_cast<CSplitterWnd *>(CWnd::FromHandlePermanent(::GetParent(pView->GetSafeHwnd())));
}

void CFrameWnd::OnNextPane(BOOL bPrevious)
{
    if (CSplitterWnd *pSplitter = GetActiveSplitter())
        pSplitter->ActivateNext(bPrevious);
}

void CFrameWnd::OnUpdateNextPane(CCmdUI *pCmdUI)
{
    CSplitterWnd *pSplitter = GetActiveSplitter();
    pCmdUI->Enable(pSplitter != nullptr && pSplitter->CanActivateNext(pCmdUI->m_nID == ID_PREV_PANE));
}

// ---- Activation and closing

void CFrameWnd::OnSetFocus(CWnd *pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->GetSafeHwnd() != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CFrameWnd *pActiveFrame = GetActiveFrame();
    CView *pView = pActiveFrame != nullptr ? pActiveFrame->GetActiveView() : nullptr;
    if (pView != nullptr) {
        if (nState != WA_INACTIVE && !bMinimized)
            pView->OnActivateView(TRUE, pView, pView);
        pView->OnActivateFrame(nState, pActiveFrame);
    }
}

void CFrameWnd::OnClose()
{
    CWinApp *pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        // The main frame: every document is asked about, then all close
        // and the program ends with the frame.
        if (!pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == nullptr)
            return; // closing the documents took the frame (it is gone)
        DestroyWindow();
        return;
    }
    CDocument *pDocument = GetActiveDocument();
    if (pDocument != nullptr && !pDocument->CanCloseFrame(this))
        return;
    if (pDocument != nullptr && pDocument->m_bAutoDelete) {
        // Is this the document's last frame? Then the document closes.
        BOOL bOtherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != nullptr) {
            if (pDocument->GetNextView(pos)->GetParentFrame() != this)
                bOtherFrame = TRUE;
        }
        if (!bOtherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp *pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    delete this;
}
