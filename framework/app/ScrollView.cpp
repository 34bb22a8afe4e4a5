#include "framework/app/ScrollView.h"

#include "framework/app/AppIds.h"
#include "framework/app/SplitterWnd.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/ScrollBar.h"
#include "framework/window/WindowDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// Lines per wheel notch (WHEEL_DELTA = 120).
constexpr int kWheelLines = 3;
constexpr int kWheelDelta = 120;

} // namespace

CScrollView::CScrollView() = default;

CScrollView::~CScrollView() = default;

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE &sizePage, const SIZE &sizeLine)
{
    CSize totalDev = sizeTotal;
    CSize pageDev = sizePage;
    CSize lineDev = sizeLine;
    if (nMapMode != MM_TEXT) {
        // Logical sizes to pixels with a screen DC of that mapping mode.
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SetMapMode(nMapMode);
        dc.LPtoDP(&totalDev);
        dc.LPtoDP(&pageDev);
        dc.LPtoDP(&lineDev);
        totalDev = CSize(std::abs(totalDev.cx), std::abs(totalDev.cy));
        pageDev = CSize(std::abs(pageDev.cx), std::abs(pageDev.cy));
        lineDev = CSize(std::abs(lineDev.cx), std::abs(lineDev.cy));
    }
    if (pageDev.cx == 0)
        pageDev.cx = totalDev.cx / 10;
    if (pageDev.cy == 0)
        pageDev.cy = totalDev.cy / 10;
    if (lineDev.cx == 0)
        lineDev.cx = std::max(pageDev.cx / 10, 1);
    if (lineDev.cy == 0)
        lineDev.cy = std::max(pageDev.cy / 10, 1);

    if (nMapMode == m_nMapMode && CSize(sizeTotal) == m_totalLog && totalDev == m_totalDev && pageDev == m_pageDev &&
        lineDev == m_lineDev)
        return; // the same again: nothing moves, nothing repaints
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = totalDev;
    m_pageDev = pageDev;
    m_lineDev = lineDev;
    if (m_hWnd != nullptr)
        UpdateBars();
}

void CScrollView::GetDeviceScrollSizes(int &nMapMode, SIZE &sizeTotal, SIZE &sizePage, SIZE &sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CSplitterWnd *CScrollView::GetParentSplitter() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return dynamic_cast<CSplitterWnd *>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

CScrollBar *CScrollView::GetScrollBarCtrl(int nBar) const
{
    // A splitter lends its shared bars to its panes.
    if (CSplitterWnd *pSplitter = GetParentSplitter())
        return pSplitter->GetPaneScrollBar(this, nBar);
    return CView::GetScrollBarCtrl(nBar);
}

int CScrollView::GetBarPos(int nBar) const
{
    if (CScrollBar *pBar = GetScrollBarCtrl(nBar))
        return pBar->GetScrollPos();
    return GetScrollPos(nBar);
}

void CScrollView::SetBarPos(int nBar, int nPos)
{
    if (CScrollBar *pBar = GetScrollBarCtrl(nBar))
        pBar->SetScrollPos(nPos);
    else
        SetScrollPos(nBar, nPos);
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetBarPos(SB_HORZ), GetBarPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT && m_nMapMode != 0) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.DPtoLP(&pt);
    }
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint ptDev = pt;
    if (m_nMapMode != MM_TEXT && m_nMapMode != 0) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.LPtoDP(&ptDev);
        ptDev.y = std::abs(ptDev.y);
    }
    CPoint ptOld = GetDeviceScrollPosition();
    OnScrollBy(CSize(ptDev.x - ptOld.x, ptDev.y - ptOld.y), TRUE);
}

int CScrollView::ScrollLimit(int nBar) const
{
    if (CScrollBar *pBar = GetScrollBarCtrl(nBar)) {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        pBar->GetScrollInfo(&info, SIF_ALL);
        return std::max(info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0), info.nMin);
    }
    return const_cast<CScrollView *>(this)->GetScrollLimit(nBar);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    CPoint ptOld = GetDeviceScrollPosition();
    DWORD dwStyle = GetStyle();
    BOOL bHasHorz = (dwStyle & WS_HSCROLL) != 0 || GetScrollBarCtrl(SB_HORZ) != nullptr;
    BOOL bHasVert = (dwStyle & WS_VSCROLL) != 0 || GetScrollBarCtrl(SB_VERT) != nullptr;
    int x = bHasHorz ? std::clamp(ptOld.x + sizeScroll.cx, 0, std::max(ScrollLimit(SB_HORZ), 0)) : ptOld.x;
    int y = bHasVert ? std::clamp(ptOld.y + sizeScroll.cy, 0, std::max(ScrollLimit(SB_VERT), 0)) : ptOld.y;
    if (x == ptOld.x && y == ptOld.y)
        return FALSE;
    if (bDoScroll) {
        ScrollWindow(ptOld.x - x, ptOld.y - y);
        if (x != ptOld.x)
            SetBarPos(SB_HORZ, x);
        if (y != ptOld.y)
            SetBarPos(SB_VERT, y);
        // The panes sharing the bars follow.
        if (CSplitterWnd *pSplitter = GetParentSplitter())
            pSplitter->SyncPaneScroll(this, x - ptOld.x, y - ptOld.y);
    }
    return TRUE;
}

int CScrollView::NewPosition(int nBar, UINT nCode, UINT nPos) const
{
    int nCurrent = GetBarPos(nBar);
    int nLine = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int nPage = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    switch (nCode) {
    case SB_TOP: return 0;
    case SB_BOTTOM: return ScrollLimit(nBar);
    case SB_LINEUP: return nCurrent - nLine;
    case SB_LINEDOWN: return nCurrent + nLine;
    case SB_PAGEUP: return nCurrent - nPage;
    case SB_PAGEDOWN: return nCurrent + nPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return static_cast<int>(nPos);
    default: return nCurrent;
    }
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    UINT nHorz = LOBYTE(nScrollCode);
    UINT nVert = HIBYTE(nScrollCode);
    CPoint ptOld = GetDeviceScrollPosition();
    CSize sizeScroll(0, 0);
    if (nHorz != 0xFF)
        sizeScroll.cx = NewPosition(SB_HORZ, nHorz, nPos) - ptOld.x;
    if (nVert != 0xFF)
        sizeScroll.cy = NewPosition(SB_VERT, nVert, nPos) - ptOld.y;
    return OnScrollBy(sizeScroll, bDoScroll);
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    if (pScrollBar != nullptr && pScrollBar != GetScrollBarCtrl(SB_HORZ))
        return; // a control of its own
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *pScrollBar)
{
    if (pScrollBar != nullptr && pScrollBar != GetScrollBarCtrl(SB_VERT))
        return;
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (m_nMapMode == 0)
        return FALSE;
    int nLines = -zDelta * kWheelLines / kWheelDelta;
    BOOL bVert = (GetStyle() & WS_VSCROLL) != 0 || GetScrollBarCtrl(SB_VERT) != nullptr;
    CSize sizeScroll = bVert ? CSize(0, nLines * m_lineDev.cy) : CSize(nLines * m_lineDev.cx, 0);
    return OnScrollBy(sizeScroll, TRUE);
}

void CScrollView::OnPrepareDC(CDC *pDC, CPrintInfo *pInfo)
{
    if (m_nMapMode != 0)
        pDC->SetMapMode(m_nMapMode);
    if (pInfo == nullptr) {
        // The screen: the page moves with the scroll position.
        CPoint ptOrigin = GetDeviceScrollPosition();
        pDC->SetViewportOrg(-ptOrigin.x, -ptOrigin.y);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_nMapMode != 0)
        UpdateBars();
}

void CScrollView::ClientSizeWithBars(CSize &sizeClient, BOOL &bHorz, BOOL &bVert) const
{
    // The client area without any bar of the window's own.
    CRect rectClient;
    GetClientRect(&rectClient);
    CSize sizeFull = rectClient.Size();
    DWORD dwStyle = GetStyle();
    if (dwStyle & WS_VSCROLL)
        sizeFull.cx += GetSystemMetrics(SM_CXVSCROLL);
    if (dwStyle & WS_HSCROLL)
        sizeFull.cy += GetSystemMetrics(SM_CYHSCROLL);
    if (GetScrollBarCtrl(SB_HORZ) != nullptr || GetScrollBarCtrl(SB_VERT) != nullptr) {
        // Shared bars live outside the pane.
        sizeClient = rectClient.Size();
        bHorz = m_totalDev.cx > sizeClient.cx;
        bVert = m_totalDev.cy > sizeClient.cy;
        return;
    }
    bHorz = m_totalDev.cx > sizeFull.cx;
    bVert = m_totalDev.cy > sizeFull.cy;
    // A bar takes room from the other direction.
    if (bHorz && !bVert)
        bVert = m_totalDev.cy > sizeFull.cy - GetSystemMetrics(SM_CYHSCROLL);
    if (bVert && !bHorz)
        bHorz = m_totalDev.cx > sizeFull.cx - GetSystemMetrics(SM_CXVSCROLL);
    sizeClient = CSize(sizeFull.cx - (bVert ? GetSystemMetrics(SM_CXVSCROLL) : 0),
                       sizeFull.cy - (bHorz ? GetSystemMetrics(SM_CYHSCROLL) : 0));
}

void CScrollView::UpdateBars()
{
    if (m_bInsideUpdate || m_hWnd == nullptr || m_nMapMode == 0)
        return;
    m_bInsideUpdate = TRUE;
    CSize sizeClient;
    BOOL bHorz = FALSE;
    BOOL bVert = FALSE;
    ClientSizeWithBars(sizeClient, bHorz, bVert);
    CPoint ptOld = GetDeviceScrollPosition();

    const int bars[2] = {SB_HORZ, SB_VERT};
    for (int nBar : bars) {
        BOOL bNeeded = nBar == SB_HORZ ? bHorz : bVert;
        int nTotal = nBar == SB_HORZ ? m_totalDev.cx : m_totalDev.cy;
        int nClient = nBar == SB_HORZ ? sizeClient.cx : sizeClient.cy;
        SCROLLINFO info{sizeof(SCROLLINFO),
                        SIF_PAGE | SIF_RANGE,
                        0,
                        bNeeded ? nTotal - 1 : 0,
                        bNeeded ? static_cast<UINT>(std::max(nClient, 0)) : 0U,
                        0,
                        0};
        if (CScrollBar *pBar = GetScrollBarCtrl(nBar)) {
            pBar->SetScrollInfo(&info, TRUE);
            pBar->EnableScrollBar(bNeeded ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
        } else {
            if (!bNeeded)
                SetScrollPos(nBar, 0, FALSE);
            ShowScrollBar(nBar, bNeeded);
            if (bNeeded)
                SetScrollInfo(nBar, &info, TRUE);
        }
    }
    // The range may have shrunk under the position: the page follows.
    CPoint ptNew = GetDeviceScrollPosition();
    if (ptNew != ptOld)
        ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);
    m_bInsideUpdate = FALSE;
}
