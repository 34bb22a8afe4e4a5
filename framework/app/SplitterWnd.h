// CSplitterWnd: a dynamic splitter of at most 2 x 2 panes. It starts with
// one pane; dragging a split box (at the ends of the shared scroll bars)
// splits it, dragging a splitter bar moves it, and a bar dragged so far that
// a pane would be smaller than the minimum joins the panes again. New panes
// are views of the same document, made from the creation context's view
// class. Each column shares one horizontal and each row one vertical
// scroll bar of the splitter (a pane's GetScrollBarCtrl answers it).
#pragma once

#include "framework/app/AppIds.h"
#include "framework/window/ScrollBar.h"
#include "framework/window/Wnd.h"

#include <memory>

struct CCreateContext;

#define SPLS_DYNAMIC_SPLIT 0x0001

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // WS_HSCROLL / WS_VSCROLL in dwStyle give the shared scroll bars; the
    // first pane is made from pContext's view class.
    BOOL Create(CWnd *pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext *pContext,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
                UINT nID = AFX_IDW_PANE_FIRST);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetMaxRowCount() const { return m_nMaxRows; }
    int GetMaxColumnCount() const { return m_nMaxCols; }
    CWnd *GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    // TRUE when pWnd is a pane of this splitter (its row and column out).
    BOOL IsChildPane(CWnd *pWnd, int *pRow, int *pCol) const;
    // The pane that is the frame's active view (or has the focus), or NULL.
    CWnd *GetActivePane(int *pRow = NULL, int *pCol = NULL) const;
    void SetActivePane(int row, int col, CWnd *pWnd = NULL);
    // The next (previous) pane becomes active, row by row.
    virtual void ActivateNext(BOOL bPrev = FALSE);
    BOOL CanActivateNext(BOOL bPrev = FALSE) const;

    // Splits at the given height (width) of the first row (column); FALSE
    // when there is no room or the maximum is reached.
    virtual BOOL SplitRow(int cyBefore);
    virtual BOOL SplitColumn(int cxBefore);
    virtual void DeleteRow(int rowDelete);
    virtual void DeleteColumn(int colDelete);
    virtual BOOL CreateView(int row, int col, CRuntimeClass *pViewClass, SIZE sizeInit, CCreateContext *pContext);
    void RecalcLayout();

    // The shared bar of a pane (NULL: the splitter has none for nBar).
    CScrollBar *GetPaneScrollBar(const CWnd *pPane, int nBar) const;
    // A pane scrolled by dx, dy: the panes sharing its bars follow.
    void SyncPaneScroll(const CWnd *pPane, int dx, int dy);

    // Where things are, in client coordinates (for drawing and tests).
    CRect GetSplitBoxRect(BOOL bRowBox) const;
    CRect GetSplitterBarRect(BOOL bRowBar) const;

    int m_cxSplitter = 6; // width of a splitter bar
    CSize m_sizeMin;

protected:
    enum Tracking { trackNone, trackRowBox, trackColBox, trackRowBar, trackColBar };

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);

    DECLARE_MESSAGE_MAP()

private:
    Tracking HitTest(CPoint point) const;
    void EndTracking(CPoint point);
    CRect PaneArea() const; // the client area without the shared bars
    void CreateScrollBar(BOOL bHorz, int index);
    void RenumberPane(int rowOld, int colOld, int rowNew, int colNew);

    int m_nMaxRows = 1;
    int m_nMaxCols = 1;
    int m_nRows = 0;
    int m_nCols = 0;
    int m_cyFirstRow = 0; // height of row 0 while there are two rows
    int m_cxFirstCol = 0; // width of column 0 while there are two columns
    BOOL m_bHasHScroll = FALSE;
    BOOL m_bHasVScroll = FALSE;
    CRuntimeClass *m_pViewClass = nullptr;
    std::unique_ptr<CScrollBar> m_hBars[2]; // per column
    std::unique_ptr<CScrollBar> m_vBars[2]; // per row
    Tracking m_tracking = trackNone;
};
