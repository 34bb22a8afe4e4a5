// CWnd: the object of a window. It attaches to an HWND (a window of the
// window layer, shown by a Qt widget), receives the window's messages
// through its procedure chain (WindowProc -> OnWndMsg -> message map ->
// handler, DefWindowProc when nobody handles them) and wraps the window
// functions as members.
//
// Handle maps: FromHandlePermanent finds the attached object; FromHandle
// also makes a temporary wrapper for a window nobody attached (freed by
// DeleteTempMap at idle time, or when the window goes away).
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/window/CaretApi.h"
#include "framework/window/CmdTarget.h"
#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/ScrollApi.h"
#include "framework/window/WindowApi.h"

class CBitmap;
class CDC;
class CFont;
class CMenu;
class CRgn;
class CScrollBar;
struct CCreateContext;

// Registers (once) a window class with DefWindowProc as its procedure and
// returns its name ("Afx:..."), which stays valid for the whole program.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = NULL, HBRUSH hbrBackground = NULL, HICON hIcon = NULL);
BOOL AfxRegisterClass(WNDCLASS *lpWndClass);
// The class CWnd::Create uses when no class is named: double clicks, redraw
// on size, the arrow cursor.
#define AFX_WND_CLASS_NAME "AfxWnd"
// The procedure that hands a window's messages to its CWnd.
LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The user-interface thread's state. m_lastSentMsg is the message being
// dispatched to an object (CWnd::GetCurrentMessage, Default); a procedure
// that hooks a window saves it, stores its own message and restores it.
struct AFX_THREAD_STATE {
    MSG m_lastSentMsg{};
};
AFX_THREAD_STATE *AfxGetThreadState();

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    // Places for SetWindowPos's pWndInsertAfter.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL operator==(const CWnd &wnd) const { return wnd.m_hWnd == m_hWnd; }

    static CWnd *FromHandle(HWND hWnd);
    static CWnd *FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Puts AfxWndProc at the head of an existing window's procedure chain;
    // the previous head becomes m_pfnSuper, which DefWindowProc calls.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd *pParent);
    HWND UnsubclassWindow();
    // Called when the object takes over a window (created or subclassed),
    // before its procedure is put in place.
    virtual void PreSubclassWindow();

    // ---- Creation and destruction
    virtual BOOL PreCreateWindow(CREATESTRUCT &cs);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                        CWnd *pParentWnd, UINT nID, CCreateContext *pContext = NULL);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                          int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                  CWnd *pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();
    // Called after WM_NCDESTROY, when the object no longer has a window;
    // objects made with new for their window's life delete themselves here.
    virtual void PostNcDestroy();

    // ---- Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE) const;
    // The message being dispatched to the window.
    static const MSG *GetCurrentMessage();
    // Passes the current message to DefWindowProc.
    LRESULT Default();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG *pMsg);
    // PreTranslateMessage of the target window and its parents up to hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG *pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    // A control gets its parent's notification first (reflection).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT *pResult = NULL);
    // Runs CCmdUI updates for the child controls (dialog bars, dialogs).
    void UpdateDialogControls(CCmdTarget *pTarget, BOOL bDisableIfNoHndler);

    // ---- Attributes
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void SetWindowText(LPCTSTR lpszString);
    // A message box owned by the window; NULL caption: the application title.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = 0);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString &rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont *pFont, BOOL bRedraw = TRUE);
    CFont *GetFont() const;
    CMenu *GetMenu() const;
    BOOL SetMenu(CMenu *pMenu);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd *GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString &rString) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    // The item's text as a number; *lpTrans FALSE (and 0) when it is not one
    // or does not fit.
    UINT GetDlgItemInt(int nID, BOOL *lpTrans = NULL, BOOL bSigned = TRUE) const;
    // Buttons: BM_SETCHECK / BM_GETCHECK.
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    BOOL SetProp(LPCTSTR lpszString, HANDLE hData);
    HANDLE GetProp(LPCTSTR lpszString) const;
    HANDLE RemoveProp(LPCTSTR lpszString);

    // ---- Relations
    CWnd *GetParent() const;
    CWnd *SetParent(CWnd *pWndNewParent);
    CWnd *GetOwner() const;
    CWnd *GetTopLevelParent() const;
    CWnd *GetWindow(UINT nCmd) const;
    CWnd *GetTopWindow() const;
    CWnd *GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    BOOL IsChild(const CWnd *pWnd) const;
    // The descendant with the control id (searching depth first).
    CWnd *GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;

    // ---- Geometry
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd *pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL BringWindowToTop();
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd *pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd *pwndTo, LPRECT lpRect) const;
    static CWnd *WindowFromPoint(POINT point);
    CWnd *ChildWindowFromPoint(POINT point) const;
    CWnd *ChildWindowFromPoint(POINT point, UINT nFlags) const;

    // ---- State
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    // Centres the window over its owner (top-level windows), its parent
    // (children), pAlternateOwner, or the screen.
    void CenterWindow(CWnd *pAlternateOwner = NULL);
    // WM_SETREDRAW: while off, the window does not paint.
    void SetRedraw(BOOL bRedraw = TRUE);

    // ---- Painting
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(CRgn *pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void ValidateRgn(CRgn *pRgn);
    void UpdateWindow();
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    int GetUpdateRgn(CRgn *pRgn, BOOL bErase = FALSE);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn *prgnUpdate = NULL,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();
    CDC *BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint);
    CDC *GetDC();
    CDC *GetWindowDC();
    // ::GetDCEx on this window (the screen when it has no window).
    CDC *GetDCEx(CRgn *prgnClip, DWORD flags);
    int ReleaseDC(CDC *pDC);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL);
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn *prgnUpdate, LPRECT lpRectUpdate,
                       UINT flags);

    // ---- Input
    CWnd *SetCapture();
    static CWnd *GetCapture();
    CWnd *SetFocus();
    static CWnd *GetFocus();
    CWnd *SetActiveWindow();
    static CWnd *GetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd *GetForegroundWindow();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // ---- Caret
    void CreateCaret(CBitmap *pBitmap);
    void CreateSolidCaret(int nWidth, int nHeight);
    void CreateGrayCaret(int nWidth, int nHeight);
    static CPoint GetCaretPos();
    static void SetCaretPos(POINT point);
    void HideCaret();
    void ShowCaret();

    // ---- Scroll bars
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollPos(int nBar) const;
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    // The largest position (nMax - nPage + 1, not below nMin).
    int GetScrollLimit(int nBar);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
    // A sibling scroll-bar control standing in for a window bar (none here).
    virtual CScrollBar *GetScrollBarCtrl(int nBar) const;

protected:
    WNDPROC m_pfnSuper = nullptr; // the procedure DefWindowProc passes messages on to

    // ---- Handlers: the default passes the message to Default().
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC *pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS *lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnSetFocus(CWnd *pOldWnd);
    afx_msg void OnKillFocus(CWnd *pNewWnd);
    afx_msg void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized);
    afx_msg int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnSetCursor(CWnd *pWnd, UINT nHitTest, UINT message);
    afx_msg void OnContextMenu(CWnd *pWnd, CPoint pos);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd *pWnd);
    afx_msg void OnSysColorChange();
    afx_msg UINT OnGetDlgCode();
    afx_msg HBRUSH OnCtlColor(CDC *pDC, CWnd *pWnd, UINT nCtlColor);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnInitMenu(CMenu *pMenu);
    afx_msg void OnInitMenuPopup(CMenu *pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnWindowPosChanging(WINDOWPOS *lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS *lpwndpos);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO *lpMMI);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    explicit CWnd(HWND hWndPlace) : m_hWnd(hWndPlace) {}
    friend LRESULT AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend void AfxAttachCreatedWindow(HWND hWnd);
};
