// CControlBar: the base of the bars a frame lays out along its edges (the
// status bar, toolbars). A bar keeps its CBRS_ style, tells the frame the
// size it needs (CalcFixedLayout) and updates its items from the command
// routing at idle time (OnUpdateCmdUI).
#pragma once

#include "framework/window/Wnd.h"

class CDockBar;
class CDockContext;
class CFrameWnd;

// ---- Bar styles (m_dwStyle)
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// ---- CalcDynamicLayout modes
#define LM_STRETCH 0x01  // stretch to the frame's width (LM_HORZ) or height
#define LM_HORZ 0x02     // lay out horizontally
#define LM_MRUWIDTH 0x04 // the floating width last committed
#define LM_HORZDOCK 0x08 // docked along a horizontal edge
#define LM_VERTDOCK 0x10 // docked along a vertical edge
#define LM_LENGTHY 0x20  // nLength is a height, not a width
#define LM_COMMIT 0x40   // keep the result as the bar's floating layout

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar() = default;
    ~CControlBar() override;

    // Only the CBRS_ bits are kept.
    void SetBarStyle(DWORD dwStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }
    // The sides the bar may dock on (CBRS_ALIGN_ bits; CBRS_FLOAT_MULTI
    // lets it share a floating frame). Any side gives the bar its dock
    // context, which moves it with the mouse.
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetDockStyle() const { return m_dwDockStyle; }
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    BOOL IsHorzBar() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

    // The size the bar needs: bStretch fills the frame's width (or
    // height), bHorz lays it out along a horizontal edge. Every bar
    // answers it; the base's answer, which bars may start from, is the
    // room its borders take (32767 along a stretched edge).
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) = 0;
    // Updates the bar's items from pTarget's routing; with
    // bDisableIfNoHndler an item nobody handles is disabled.
    virtual void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler) = 0;
    // The size for a length (a width, or with LM_LENGTHY a height) in the
    // LM_ mode: bars whose size does not follow a length answer their
    // fixed layout (LM_STRETCH stretched, LM_HORZ or LM_HORZDOCK along a
    // horizontal edge).
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual BOOL IsDockBar() const { return FALSE; }
    // The gripper of a docked bar with CBRS_GRIPPER: a raised line three
    // pixels wide along the leading edge of rect (the bar's inside, its
    // borders taken off). Bars with their own caption band draw their own.
    virtual void DrawGripper(CDC *pDC, const CRect &rect);
    // Shows or hides the bar at its dock bar's next layout; IsVisible
    // answers with such a change counted in.
    void DelayShow(BOOL bShow);
    BOOL IsVisible() const;
    // Carries out a change DelayShow left; TRUE when the bar's visibility
    // changed.
    BOOL ApplyDelayedShow();
    // The frame the bar sits in.
    CFrameWnd *GetDockingFrame() const;
    // The window the bar's commands go to: the one set, else the parent.
    void SetOwner(CWnd *pOwnerWnd) { m_hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->GetSafeHwnd() : nullptr; }
    CWnd *GetOwner() const;

    CFrameWnd *m_pDockSite = nullptr;
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    // Docking: the dock bar the bar sits in (NULL when the frame places it
    // itself) and the context that drags it (NULL until EnableDocking).
    CDockBar *m_pDockBar = nullptr;
    CDockContext *m_pDockContext = nullptr;
    // What the frame's layout offered the bar last, in the parent's client
    // coordinates, and whether that layout only asked for sizes.
    CRect m_rectLayout;
    BOOL m_bLayoutQuery = FALSE;
    enum StateFlags { delayHide = 1, delayShow = 2 };
    UINT m_nStateFlags = 0;

protected:
    HWND m_hWndOwner = nullptr;

    // The frame's borders drawn on the edges the CBRS_BORDER_ bits name;
    // CalcInsideRect takes them off a rectangle.
    void DrawBorders(CDC *pDC, CRect &rect);
    void CalcInsideRect(CRect &rect) const;
    static constexpr int kBorderSize = 2;

    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // A press starts dragging the bar, a double click toggles it between
    // its docked and floating places (through its dock context).
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC *pDC);

    DECLARE_MESSAGE_MAP()
};

// Lays the visible control bars among pParent's children out along its
// edges, in z-order, and leaves in rectClient what remains for the pane.
void PlexoRepositionBars(CWnd *pParent, CRect &rectClient);
// The same layout asked for its sizes only: no bar moves.
void PlexoQueryBarLayout(CWnd *pParent, CRect &rectClient);
