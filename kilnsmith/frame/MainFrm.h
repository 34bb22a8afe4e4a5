// CMainFrame: Kilnsmith's multiple-document main window.  It lives mostly
// in the notification area: the close box (and Alt+F4) and minimising hide
// it there, its notification icon brings it back, and File Exit or the
// icon's Exit end the program with the usual save prompts.  It carries the
// toolbar, the status bar (message, caret position, CAP, NUM, OVR), the
// window-management commands, the welcome box of the first start, and a
// subclass of its MDI client that adds the "Windows" item to the window
// menu.  Ending the desktop session ends the program as File Exit does.
#pragma once

#include "framework/app/MDIFrameWnd.h"
#include "framework/app/StatusBar.h"
#include "framework/appui/ToolBar.h"
#include "kilnsmith/frame/MDIClientWnd.h"
#include "kilnsmith/frame/TrayNotifyIcon.h"

// The main window's class, by which a second start finds the first copy
// (the application registers it before the frame is made).
#define KILNSMITH_WINDOW_CLASS "Author:marrowdale"
// The notification icon's callback message.
#define WM_KILNSMITH_TRAY (WM_USER + 100)
// The smallest size the frame can be dragged to.
#define KILNSMITH_MIN_TRACK_WIDTH 620
#define KILNSMITH_MIN_TRACK_HEIGHT 435

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;

    CTrayNotifyIcon &GetTrayIcon() { return m_trayIcon; }
    CMDIClientWnd &GetMDIClientWnd() { return m_wndMDIClient; }
    CStatusBar &GetStatusBar() { return m_wndStatusBar; }
    CToolBar &GetToolBar() { return m_wndToolBar; }
    HICON GetSmallIcon() const { return m_hSmallIcon; }
    // The number of document windows in the MDI client.
    int GetMDIChildCount() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO *lpMMI);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTrayOpen();
    afx_msg void OnOptions();
    afx_msg void OnTrayExit();
    afx_msg void OnWindowNext();
    afx_msg void OnWindowPrevious();
    afx_msg void OnUpdateWindowNext(CCmdUI *pCmdUI);
    afx_msg void OnWindowClose();
    afx_msg void OnUpdateWindowClose(CCmdUI *pCmdUI);
    afx_msg void OnWindowCloseAll();
    afx_msg void OnWindowWindows();
    afx_msg void OnUpdateAlwaysEnabled(CCmdUI *pCmdUI);
    afx_msg void OnHomePage();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateTrayIcon();
    void ShowWelcomeOnce();
    BOOL CreateBars();
    void RecordStartTime();

    CTrayNotifyIcon m_trayIcon;
    CMDIClientWnd m_wndMDIClient;
    HICON m_hSmallIcon = nullptr;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};
