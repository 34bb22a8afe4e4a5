#include "kilnsmith/frame/MainFrm.h"

#include "framework/app/WinApp.h"
#include "framework/base/CTime.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/SystemColors.h"
#include "framework/settings/AppProfile.h"
#include "framework/shell/ShellExecute.h"
#include "framework/window/MessageBoxApi.h"
#include "kilnsmith/frame/FrameResources.h"
#include "kilnsmith/frame/OpenFilesMessage.h"
#include "kilnsmith/frame/OptionsDlg.h"
#include "kilnsmith/frame/ResourceIds.h"
#include "kilnsmith/frame/WindowsDlg.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_SYSCOMMAND()
ON_WM_GETMINMAXINFO()
ON_WM_SIZE()
ON_MESSAGE(WM_KILNSMITH_TRAY, OnTrayNotification)
ON_MESSAGE(WM_QUERYENDSESSION, OnQueryEndSession)
ON_MESSAGE(WM_ENDSESSION, OnEndSession)
ON_MESSAGE(WM_COPYDATA, OnCopyData)
ON_COMMAND(ID_TRAY_OPEN, OnTrayOpen)
ON_COMMAND(ID_FILE_OPTIONS, OnOptions)
ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
ON_COMMAND(ID_WINDOW_NEXT, OnWindowNext)
ON_COMMAND(ID_WINDOW_PREVIOUS, OnWindowPrevious)
ON_UPDATE_COMMAND_UI(ID_WINDOW_NEXT, OnUpdateWindowNext)
ON_UPDATE_COMMAND_UI(ID_WINDOW_PREVIOUS, OnUpdateWindowNext)
ON_COMMAND(ID_WINDOW_CLOSE, OnWindowClose)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CLOSE, OnUpdateWindowClose)
ON_COMMAND(ID_WINDOW_CLOSE_ALL, OnWindowCloseAll)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CLOSE_ALL, OnUpdateAlwaysEnabled)
ON_COMMAND(ID_WINDOW_WINDOWS, OnWindowWindows)
ON_UPDATE_COMMAND_UI(ID_WINDOW_WINDOWS, OnUpdateAlwaysEnabled)
ON_COMMAND(ID_HELP_HOMEPAGE, OnHomePage)
END_MESSAGE_MAP()

namespace {

const char kFirstStartEntry[] = "First tyne";
const char kStartTimeEntry[] = "Start time";

} // namespace

CMainFrame::CMainFrame()
{
    RegisterFrameResources();
}

CMainFrame::~CMainFrame()
{
    if (m_hSmallIcon != nullptr)
        ::DestroyIcon(m_hSmallIcon);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.lpszClass = KILNSMITH_WINDOW_CLASS;
    cs.x = 0;
    cs.y = 0;
    cs.cx = ::GetSystemMetrics(SM_CXSCREEN);
    cs.cy = ::GetSystemMetrics(SM_CYSCREEN);
    return CMDIFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_wndMDIClient.SubclassWindow(m_hWndMDIClient);
    if (!CreateTrayIcon())
        return -1;
    ShowWelcomeOnce();
    if (!CreateBars())
        return -1;
    RecordStartTime();
    return 0;
}

BOOL CMainFrame::CreateTrayIcon()
{
    m_hSmallIcon =
        static_cast<HICON>(::LoadImage(nullptr, MAKEINTRESOURCE(IDI_SMALLICON), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    HICON hIcon = m_hSmallIcon != nullptr ? m_hSmallIcon : ::LoadIcon(nullptr, MAKEINTRESOURCE(IDI_SMALLICON));
    return m_trayIcon.Create(this, IDR_TRAYMENU, "Kilnsmith", hIcon, WM_KILNSMITH_TRAY);
}

void CMainFrame::ShowWelcomeOnce()
{
    CAppProfile &profile = PlexoGetAppProfile();
    if (profile.GetProfileInt("", kFirstStartEntry, 1) == 0)
        return;
    CString strText = "Thank you for using Plexo Kilnsmith!\n\n"
                      "If you have meet problem when using Plexo Kilnsmith,please contact us:\n";
    strText += kKilnsmithSupportAddress;
    MessageBox(strText, "Welcome to Kilnsmith", MB_ICONINFORMATION);
    profile.WriteProfileInt("", kFirstStartEntry, 0);
}

BOOL CMainFrame::CreateBars()
{
    const DWORD dwToolBarStyle =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, dwToolBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    int nIndicators = 0;
    const UINT *pIndicators = MainFrameIndicators(&nIndicators);
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(pIndicators, nIndicators))
        return FALSE;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return TRUE;
}

void CMainFrame::RecordStartTime()
{
    // Local date and time in ISO 8601; the result of the write is not needed.
    PlexoGetAppProfile().WriteProfileString("", kStartTimeEntry, CTime::GetCurrentTime().Format("%Y-%m-%dT%H:%M:%S"));
}

int CMainFrame::GetMDIChildCount() const
{
    if (m_hWndMDIClient == nullptr)
        return 0;
    int nCount = 0;
    for (HWND hChild = ::GetWindow(m_hWndMDIClient, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        ++nCount;
    return nCount;
}

void CMainFrame::OnSysCommand(UINT nID, LPARAM lParam)
{
    // The close box and Alt+F4 put the program into the notification area.
    if (nID == SC_CLOSE) {
        ShowWindow(SW_MINIMIZE);
        return;
    }
    Default();
}

void CMainFrame::OnGetMinMaxInfo(MINMAXINFO *lpMMI)
{
    lpMMI->ptMinTrackSize.x = KILNSMITH_MIN_TRACK_WIDTH;
    lpMMI->ptMinTrackSize.y = KILNSMITH_MIN_TRACK_HEIGHT;
    Default();
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CMDIFrameWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED)
        ShowWindow(SW_HIDE);
}

LRESULT CMainFrame::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    return m_trayIcon.OnTrayNotification(wParam, lParam);
}

LRESULT CMainFrame::OnQueryEndSession(WPARAM, LPARAM)
{
    // The session may end once every modified document is saved or given up.
    CWinApp *pApp = AfxGetApp();
    return pApp == nullptr || pApp->SaveAllModified();
}

LRESULT CMainFrame::OnEndSession(WPARAM wParam, LPARAM)
{
    if (!wParam)
        return 0;
    // The documents were saved or given up when the session asked: close
    // them and the frame, which ends the program; the notification area is
    // not a place to go to now.
    if (CWinApp *pApp = AfxGetApp())
        pApp->CloseAllDocuments(TRUE);
    DestroyWindow();
    return 0;
}

LRESULT CMainFrame::OnCopyData(WPARAM, LPARAM lParam)
{
    // The files of a second start: each opened as File Open opens it (a
    // path that cannot be opened gets the usual message).  Anything else
    // is no message of this program and is left alone.
    std::vector<CString> paths;
    if (lParam == 0 || !DecodeOpenFiles(*reinterpret_cast<const COPYDATASTRUCT *>(lParam), paths))
        return FALSE;
    if (CWinApp *pApp = AfxGetApp()) {
        for (const CString &path : paths)
            pApp->OpenDocumentFile(path);
    }
    return TRUE;
}

void CMainFrame::OnTrayOpen()
{
    if (IsIconic()) {
        ShowWindow(SW_RESTORE);
        SetForegroundWindow();
    } else {
        ShowWindow(SW_MINIMIZE);
    }
}

void CMainFrame::OnOptions()
{
    COptionsDlg dlg(this);
    dlg.DoModal();
}

void CMainFrame::OnTrayExit()
{
    CMDIFrameWnd::OnClose();
}

void CMainFrame::OnWindowNext()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMainFrame::OnWindowPrevious()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMainFrame::OnUpdateWindowNext(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(GetMDIChildCount() > 1);
}

void CMainFrame::OnWindowClose()
{
    // Through WM_CLOSE, so that a modified document asks to be saved first.
    if (CMDIChildWnd *pChild = MDIGetActive())
        pChild->SendMessage(WM_CLOSE);
}

void CMainFrame::OnUpdateWindowClose(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

void CMainFrame::OnWindowCloseAll()
{
    CWinApp *pApp = AfxGetApp();
    if (pApp != nullptr && pApp->SaveAllModified())
        pApp->CloseAllDocuments(FALSE);
}

void CMainFrame::OnWindowWindows()
{
    CWindowsDlg dlg(this);
    dlg.DoModal();
}

void CMainFrame::OnUpdateAlwaysEnabled(CCmdUI *)
{
    // Present so that the item stays enabled.
}

void CMainFrame::OnHomePage()
{
    // What the desktop makes of the address is not reported.
    ::ShellExecute(m_hWnd, "open", kKilnsmithHomePage, nullptr, nullptr, SW_SHOW);
}
