// CDockContext: moves a control bar with the mouse. StartDrag runs a modal
// loop while the bar holds the mouse capture: the outline shows where the
// bar would go (a docked outline over a dock bar that takes it, the
// floating frame's outline elsewhere), drawn through the screen context;
// the button's release docks or floats the bar there. Ctrl held forces
// floating, Shift flips the orientation; Escape or a right click cancels
// and leaves the bar where it was. StartResize does the same for the
// border of a floating bar of CBRS_SIZE_DYNAMIC. ToggleDocking (a double
// click) moves the bar between its remembered docked and floating places.
// The protected state and the virtual operations let a bar bring its own
// rules.
#pragma once

#include "framework/app/ControlBar.h"

class CDC;
class CDockBar;
class CFrameWnd;

class CDockContext {
public:
    explicit CDockContext(CControlBar *pBar);
    virtual ~CDockContext();

    // ---- Dragging (pt in screen coordinates)
    virtual void StartDrag(CPoint pt);
    virtual void Move(CPoint pt);
    virtual void EndDrag();
    // Ctrl and Shift pressed or released during a drag.
    virtual void OnKey(int nChar, BOOL bDown);

    // ---- Resizing a floating bar by its frame's border (HTLEFT..)
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void Stretch(CPoint pt);
    virtual void EndResize();

    // ---- Double click
    virtual void ToggleDocking();

    // Removes the outline, ends the capture and gives back the screen.
    virtual void CancelLoop();
    // The dock bar style (CBRS_ALIGN_ bit) of the dock bar the bar would go
    // into now, 0 for floating.
    virtual DWORD CanDock();
    CDockBar *GetDockBar(DWORD dwOverDockStyle);
    // Draws the outline for the state now (bRemoveRect: erases it only).
    virtual void DrawFocusRect(BOOL bRemoveRect = FALSE);

    // ---- State
    CPoint m_ptLast;  // the mouse, screen coordinates
    CPoint m_ptStart; // where the drag began
    CRect m_rectLast; // the outline drawn last
    CSize m_sizeLast;
    BOOL m_bDitherLast = FALSE;
    // The bar docked horizontally and vertically, and the floating frames
    // of both orientations, all in screen coordinates.
    CRect m_rectDragHorz;
    CRect m_rectDragVert;
    CRect m_rectFrameDragHorz;
    CRect m_rectFrameDragVert;

    CControlBar *m_pBar;
    CFrameWnd *m_pDockSite = nullptr;
    DWORD m_dwDockStyle = 0;     // the bar's docking style
    DWORD m_dwOverDockStyle = 0; // where it would dock now
    DWORD m_dwStyle = 0;         // the bar's style when the loop began
    BOOL m_bFlip = FALSE;        // Shift: the other orientation
    BOOL m_bForceFrame = FALSE;  // Ctrl: float whatever lies below
    CDC *m_pDC = nullptr;        // the screen during the loop
    BOOL m_bDragging = FALSE;
    int m_nHitTest = 0;

    // The remembered places: the dock bar and the rectangle in its client
    // coordinates; the floating frame's corner and style ((-1, -1): never
    // floated).
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos{-1, -1};

    // Resizing: the size asked for, the bar's size and its frame's, and
    // the frame's border widths around the bar.
    CRect m_rectRequestedSize;
    CRect m_rectActualSize;
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders;

protected:
    // Runs the modal loop; TRUE when it ended with the button's release.
    virtual BOOL Track();
    void InitLoop();
    void UpdateState(BOOL *pFlag, BOOL bNewValue);
    // Moves rect along one axis so that it contains pt.
    static void MoveToContain(CRect &rect, CPoint pt);
    // Remembers where the bar sits now (docked in a frame dock bar, or
    // floating) before it leaves.
    void RememberPlace();
    void DockAtRemembered(BOOL bWiden);
};
