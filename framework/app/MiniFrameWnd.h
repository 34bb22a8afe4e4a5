// Floating frames. CMiniFrameWnd is a top-level tool window that draws its
// own small caption with a close button and its own border (a sizing
// border with WS_THICKFRAME), classic look, on every desktop.
// CMiniDockFrameWnd holds floating control bars in its floating dock bar,
// sizes itself to them, moves them back into the frame when dragged or
// double-clicked by its caption, resizes a bar of CBRS_SIZE_DYNAMIC by its
// border, and hides its bars (as the View menu does) when closed.
#pragma once

#include "framework/app/DockBar.h"
#include "framework/app/FrameWnd.h"

// Mini frame styles (the low word of the window style).
#define MFS_SYNCACTIVE 0x00000100L
#define MFS_4THICKFRAME 0x00000200L // the sizing border has no corners
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00010000L

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd() = default;

    // WS_CAPTION asks for the small caption; pParentWnd owns the window.
    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd = NULL,
                UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT &rect,
                  CWnd *pParentWnd = NULL, UINT nID = 0);
    // Grows a client rectangle into the window rectangle of a mini frame
    // of these styles.
    static void CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_THICKFRAME | WS_CAPTION, DWORD dwExStyle = 0);
    // The window's styles with the caption it draws itself.
    DWORD GetMiniFrameStyle() const;

    // Window coordinates of the caption band and its close button.
    CRect GetCaptionRect() const;
    CRect GetCloseButtonRect() const;

    // Moves the window with the mouse from pt (screen coordinates) until
    // the button comes up; Escape or a right click puts it back. FALSE
    // when another window holds the mouse or the move was cancelled.
    BOOL TrackMove(CPoint pt);

protected:
    static int BorderWidth(DWORD dwStyle);
    void DrawFrame(CDC *pDC);

    BOOL m_bCaption = FALSE;
    BOOL m_bClosePressed = FALSE;

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS *lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()
};

class CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    // A floating frame owned by pParent for bars of dwBarStyle (CBRS_ALIGN_
    // bit: the bars' orientation; CBRS_SIZE_DYNAMIC: a sizing border).
    virtual BOOL Create(CWnd *pParent, DWORD dwBarStyle);
    // Sizes the frame to its dock bar's bars and takes the first one's title.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The first bar held, or NULL.
    CControlBar *GetFirstBar() const;

    CDockBar m_wndDockBar;

protected:
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnClose();
    afx_msg LRESULT OnEmptied(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// A floating frame's last bar left it: the frame hides now and goes once
// the message that caused it is done.
void PlexoFloatingFrameEmptied(CWnd *pFrame);
