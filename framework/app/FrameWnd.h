// CFrameWnd: a top-level window with a menu, accelerators and a title from
// its resource id, holding a view (or a splitter of views) that fills what
// the control bars leave. It routes commands to its active view first,
// shows prompts in its message bar and closes its documents with prompts.
#pragma once

#include "framework/app/AppIds.h"
#include "framework/app/ControlBar.h"
#include "framework/base/CString.h"
#include "framework/window/MenuBar.h"
#include "framework/window/Wnd.h"

#include <vector>

class CDockBar;
class CDocTemplate;
class CMiniDockFrameWnd;
class CDocument;
class CSplitterWnd;
class CView;
struct CCreateContext;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame with the menu, accelerators, icon and title of
    // nIDResource (the title: the string's part before the first "\n").
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd *pParentWnd = NULL, CCreateContext *pContext = NULL);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT &rect = rectDefault, CWnd *pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                DWORD dwExStyle = 0, CCreateContext *pContext = NULL);
    static const CRect rectDefault;

    // Makes the view of the context as child AFX_IDW_PANE_FIRST.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext);
    CWnd *CreateView(CCreateContext *pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Places the control bars, then gives the rest to the pane.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Shows (or makes visible) and activates the frame.
    virtual void ActivateFrame(int nCmdShow = -1);
    // Sends the first update to every view of the frame.
    void InitialUpdateFrame(CDocument *pDoc, BOOL bMakeVisible);

    CView *GetActiveView() const { return m_pViewActive; }
    // The views are told with OnActivateView; bNotify FALSE skips that.
    void SetActiveView(CView *pViewNew, BOOL bNotify = TRUE);
    virtual CDocument *GetActiveDocument();
    // The frame whose view is active: this one here, the active child in
    // an MDI frame.
    virtual CFrameWnd *GetActiveFrame();
    virtual BOOL IsFrameWnd() const { return TRUE; }

    // ---- Titles and the message bar
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }
    CString GetTitle() const { return m_strTitle; }
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // What the message bar shows now.
    const CString &GetMessageText() const { return m_strMessageText; }
    // The prompt of a command: its string's part before "\n".
    virtual void GetMessageString(UINT nID, CString &rMessage) const;

    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG *pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void PostNcDestroy() override;
    // TRUE: the title reads "Document - Program" (FWS_PREFIXTITLE).
    virtual BOOL PrefixesDocumentTitle() const { return TRUE; }

    // The control bar that is the frame's child nID, or NULL.
    CControlBar *GetControlBar(UINT nID);
    // Shows or hides a bar; bDelay leaves the layout to the caller's
    // RecalcLayout.
    void ShowControlBar(CControlBar *pBar, BOOL bShow, BOOL bDelay);

    // ---- Docking
    // Makes the dock bars of the sides dwDockStyle names (CBRS_ALIGN_).
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar into the dock bar of that id (0: the one of the bar's
    // own edge, else the first its docking style allows), at lpRect
    // (screen coordinates; NULL: a new row).
    void DockControlBar(CControlBar *pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    void DockControlBar(CControlBar *pBar, CDockBar *pDockBar, LPCRECT lpRect = NULL);
    // Floats the bar in a floating frame whose corner is at point (screen
    // coordinates); dwStyle: CBRS_ALIGN_TOP lays it out horizontally,
    // CBRS_ALIGN_LEFT vertically.
    void FloatControlBar(CControlBar *pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // The edge (CBRS_ALIGN_ bit) of the first dock bar among those
    // dwDockStyle allows that rect (screen coordinates) touches; 0 when none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar **ppDockBar = NULL);
    CDockBar *GetDockBar(UINT nID);
    // The frame that floats bars; override to float them in another kind.
    virtual CMiniDockFrameWnd *CreateFloatingFrame(DWORD dwStyle);
    // RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Lays the control bars out in lpRectClient (the client area when
    // NULL); with reposQuery only puts what remains for the pane into
    // lpRectParam, and nothing moves. The ids select nothing here: every
    // control bar of the frame takes part.
    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2 };
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = NULL, LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);

    // The bar that shows the frame's menu (none for a frame without one).
    CMenuBar *GetMenuBar() { return m_wndMenuBar.GetSafeHwnd() ? &m_wndMenuBar : nullptr; }

    BOOL m_bAutoMenuEnable = TRUE;
    int m_nWindow = -1; // the frame's number among its document's frames
    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccelTable = nullptr;

protected:
    // The control bars take their room from rectClient: the hook of the
    // control-bar layer (none here).
    virtual void RepositionControlBars(CRect &rectClient);
    // The menu bar along the top, then the control bars; rectClient keeps
    // what is left for the pane.
    void LayoutBars(CRect &rectClient);
    // The next or previous pane (views of a splitter).
    virtual void OnNextPane(BOOL bPrevious);
    // The splitter the active view is a pane of, or NULL.
    CSplitterWnd *GetActiveSplitter() const;
    void LoadAccelTable(UINT nIDResource);
    // A template's menu, which the frame must not destroy.
    BOOL IsSharedMenu(HMENU hMenu) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd *pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized);
    afx_msg void OnInitMenuPopup(CMenu *pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnBarCommand(UINT nID);
    afx_msg void OnUpdateNextPane(CCmdUI *pCmdUI);
    // The View menu's bar toggles (the command id is the bar's id).
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI *pCmdUI);
    afx_msg void OnUpdateKeyIndicator(CCmdUI *pCmdUI);
    // Idle time: a delayed layout, and the floating bars' updates.
    afx_msg LRESULT OnFrameIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // The floating frames this frame made that still exist.
    std::vector<CMiniDockFrameWnd *> FloatingFrames() const;
    std::vector<HWND> m_floatingFrames;
    // A bar of nID docked in one of the frame's dock bars or floating.
    CControlBar *FindDockedBar(UINT nID);
    void RecalcFloatingFrames();
    // A floating bar's frame shows while one of its bars does.
    void ShowFloatingFrameOf(CControlBar *pBar);
    BOOL m_bRecalcLayoutPending = FALSE;

    CMenuBar m_wndMenuBar;
    CView *m_pViewActive = nullptr;
    CString m_strTitle;
    CString m_strMessageText;
    UINT m_nIDHelp = 0;
    CCreateContext *m_pCreatingContext = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The nearest frame a window lies in (the window itself when it is one).
CFrameWnd *AfxGetParentFrame(const CWnd *pWnd);
