// CDockBar: the strip along one edge of a frame (or inside a floating
// frame) that holds docked control bars in rows. m_arrBars lists the bars
// row by row; a NULL entry ends a row, and the list starts with one. Rows
// are laid out one after the other from the frame's edge inwards, the bars
// of a row side by side; a hidden bar takes no room, and a row of hidden
// bars none at all.
#pragma once

#include "framework/app/ControlBar.h"
#include "framework/collections/Arrays.h"

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    // dwStyle carries the edge (CBRS_ALIGN_ bit); nID is one of the
    // AFX_IDW_DOCKBAR_ ids.
    BOOL Create(CWnd *pParentWnd, DWORD dwStyle, UINT nID);

    // Takes the bar out of the dock bar it sits in and puts it here. With
    // lpRect (screen coordinates) the bar joins the row that rectangle's
    // middle lies in, before the first bar that starts at or right of the
    // rectangle's left (top along a vertical edge), or a new row above,
    // between or below the rows; without it, a new row after the others.
    void DockControlBar(CControlBar *pBar, LPCRECT lpRect = NULL);
    // Takes the bar out; a row it leaves empty goes with it.
    BOOL RemoveControlBar(CControlBar *pBar);
    int FindBar(CControlBar *pBar) const;
    // The bars held, and those of them that are visible.
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    CControlBar *GetDockedBar(int nPos) const { return static_cast<CControlBar *>(m_arrBars[nPos]); }
    // The row a bar lies in: the first index after the row's start and the
    // index of the NULL that ends it.
    void GetRowBounds(int nPos, int &nFirst, int &nEnd) const;
    // A row break before the entry at nPos (which then starts a row).
    void InsertRowBreak(int nPos);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd *pTarget, BOOL bDisableIfNoHndler) override;
    BOOL IsDockBar() const override { return TRUE; }
    BOOL IsHorzDock() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

    CPtrArray m_arrBars;
    BOOL m_bFloating;

    // Neighbouring docked bars overlap by this much, so that their borders
    // meet; the first row and the first bar of a row start this far
    // outside the dock bar.
    static constexpr int kOverlap = 2;

protected:
    // Where in m_arrBars a bar dropped at rect (client coordinates) goes.
    int InsertPosition(const CRect &rect) const;
    // The size a bar asks for in this dock bar.
    CSize BarSize(CControlBar *pBar) const;
    static bool IsLiveBar(const CControlBar *pBar);

    void PostNcDestroy() override;
    // The docked bars' commands and notifications go to the frame they
    // are docked in, as if the bars were its own children.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

    DECLARE_MESSAGE_MAP()
};
