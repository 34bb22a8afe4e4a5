// Multiple-document frames. The MDI frame holds the MDI client window
// (m_hWndMDIClient), whose children are CMDIChildWnd frames, one per
// document window. The active child's template menu replaces the frame's
// menu while it is active; the window menu lists the children; commands
// go to the active child (its view, its document) before the frame.
#pragma once

#include "framework/app/FrameWnd.h"
#include "framework/app/MdiClient.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext) override;
    // Creates the MDI client listing the children in pWindowMenu.
    virtual BOOL CreateClient(LPCREATESTRUCT lpcs, HMENU hWindowMenu);
    // The pop-up of a menu bar that holds the window commands (NULL: none).
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CMDIChildWnd *MDIGetActive(BOOL *pbMaximized = NULL) const;
    void MDIActivate(CWnd *pWndActivate);
    void MDINext();
    void MDIPrev();
    void MDIMaximize(CWnd *pWnd);
    void MDIRestore(CWnd *pWnd);
    void MDICascade();
    void MDITile(int nType = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    // Sets the frame's menu and window menu; returns the old menu.
    CMenu *MDISetMenu(CMenu *pFrameMenu, CMenu *pWindowMenu);

    CFrameWnd *GetActiveFrame() override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The child's menu while one is active, the frame's own otherwise.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // "Program - Document".
    BOOL PrefixesDocumentTitle() const override { return FALSE; }

    HWND m_hWndMDIClient = nullptr;

protected:
    // The list of all windows behind "More Windows...": the dialogs layer's.
    virtual void OnMoreWindows();
    // The keys of document windows: Ctrl+F4, Ctrl+F6, Ctrl+Tab.
    BOOL TranslateDocumentWindowKey(CMDIChildWnd *pActive, const MSG *pMsg);

    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnWindowNew();
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI *pCmdUI);
    afx_msg BOOL OnActivateChildFromMenu(UINT nID);
    afx_msg LRESULT OnNoChildActive(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    // Creates the child inside the MDI frame's client; the template's menu
    // becomes the child's shared menu.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd *pParentWnd = NULL, CCreateContext *pContext = NULL) override;
    CMDIFrameWnd *GetMDIFrame() const;
    void ActivateFrame(int nCmdShow = -1) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    HMENU m_hMenuShared = nullptr;

private:
    BOOL m_bWasMaximized = FALSE;

protected:
    afx_msg LRESULT OnMDIActivateMessage(WPARAM wParam, LPARAM lParam);
    // Maximising, restoring, minimising and moving on go through the MDI
    // client, which keeps one maximised child at most.
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    // A click anywhere in the window (its caption too) activates it.
    afx_msg int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);
    // Entering or leaving the maximised state changes the frame's title
    // and menu bar.
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // The activation moved from pDeactivate to pActivate (either NULL).
    virtual void OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd);

    DECLARE_MESSAGE_MAP()
};
