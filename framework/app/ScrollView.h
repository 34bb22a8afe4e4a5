// CScrollView: a view of a page larger than its window. The page has a
// total size, a page step and a line step in a mapping mode; the view's
// scroll bars appear only while the page outgrows the client area, and the
// screen DC's origin follows the scroll position (printing has none). In a
// splitter, the panes of a row or column share the splitter's scroll bars.
#pragma once

#include "framework/app/View.h"

class CScrollBar;
class CSplitterWnd;

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    static const SIZE sizeDefault;

    CScrollView();
    ~CScrollView() override;

    // Sizes in logical units of nMapMode (MM_TEXT, MM_LOMETRIC...). Page and
    // line default to a tenth of the total and of the page. Setting the
    // same sizes again changes nothing (no scroll, no repaint).
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE &sizePage = sizeDefault,
                        const SIZE &sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    int GetMapMode() const { return m_nMapMode; }
    void GetDeviceScrollSizes(int &nMapMode, SIZE &sizeTotal, SIZE &sizePage, SIZE &sizeLine) const;
    // The scroll position in logical units and in pixels.
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    // Scrolls so that the logical point is the top-left corner (clamped).
    void ScrollToPosition(POINT pt);

    // nScrollCode: LOBYTE the horizontal SB_ code, HIBYTE the vertical one
    // (0xFF: no scrolling in that direction). FALSE when nothing moved.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    // Scrolls by pixels, clamped to the page; bDoScroll FALSE only tests.
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);
    void OnPrepareDC(CDC *pDC, CPrintInfo *pInfo = NULL) override;

    // Shows or hides the bars and sets their ranges for the client size.
    void UpdateBars();
    // The window's own bar, or the splitter's shared bar.
    CScrollBar *GetScrollBarCtrl(int nBar) const override;

protected:
    int m_nMapMode = 0; // 0: no sizes set yet
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    BOOL m_bInsideUpdate = FALSE;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    DECLARE_MESSAGE_MAP()

private:
    CSplitterWnd *GetParentSplitter() const;
    // Sizes of one direction of the bars after deciding which ones show.
    void ClientSizeWithBars(CSize &sizeClient, BOOL &bHorz, BOOL &bVert) const;
    int ScrollLimit(int nBar) const;
    int NewPosition(int nBar, UINT nCode, UINT nPos) const;
    int GetBarPos(int nBar) const;
    void SetBarPos(int nBar, int nPos);
};
