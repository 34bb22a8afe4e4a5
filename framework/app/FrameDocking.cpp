// The frame's side of docking: its dock bars along the four edges, docking
// and floating bars, finding where a dragged bar would dock, and the
// floating frames it owns.
#include "framework/app/FrameWnd.h"

#include "framework/app/DockBar.h"
#include "framework/app/MiniFrameWnd.h"

#include <algorithm>

namespace {

struct DockSide {
    DWORD dwStyle;
    UINT nID;
};

// In the order the dock bars are made, the outermost first.
constexpr DockSide kDockSides[] = {
    {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
    {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
    {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
    {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT},
};

} // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const DockSide &side : kDockSides) {
        if (!(dwDockStyle & side.dwStyle) || GetDockBar(side.nID) != nullptr)
            continue;
        auto *pDockBar = new CDockBar;
        pDockBar->m_pDockSite = this;
        if (!pDockBar->Create(this, WS_VISIBLE | side.dwStyle, side.nID))
            delete pDockBar;
    }
}

CDockBar *CFrameWnd::GetDockBar(UINT nID)
{
    HWND hDockBar = m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, static_cast<int>(nID)) : nullptr;
    return hDockBar != nullptr ? dynamic_cast<CDockBar *>(CWnd::FromHandlePermanent(hDockBar)) : nullptr;
}

void CFrameWnd::DockControlBar(CControlBar *pBar, UINT nDockBarID, LPCRECT lpRect)
{
    DockControlBar(pBar, nDockBarID != 0 ? GetDockBar(nDockBarID) : nullptr, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar *pBar, CDockBar *pDockBar, LPCRECT lpRect)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    if (pDockBar == nullptr) {
        // The dock bar of the bar's own edge, else the first it may use.
        const DWORD dwAlign = pBar->m_dwStyle & CBRS_ALIGN_ANY;
        for (const DockSide &side : kDockSides)
            if ((dwAlign & side.dwStyle) && (pBar->m_dwDockStyle & side.dwStyle) && GetDockBar(side.nID))
                pDockBar = GetDockBar(side.nID);
        for (const DockSide &side : kDockSides)
            if (pDockBar == nullptr && (pBar->m_dwDockStyle & side.dwStyle))
                pDockBar = GetDockBar(side.nID);
    }
    if (pDockBar == nullptr)
        return;
    pBar->m_pDockSite = this;
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcFloatingFrames();
    DelayRecalcLayout();
}

void CFrameWnd::RecalcFloatingFrames()
{
    // Floating frames a bar joined or left fit their bars again.
    for (CMiniDockFrameWnd *pFrame : FloatingFrames())
        if (pFrame->m_wndDockBar.GetDockedCount() > 0)
            pFrame->RecalcLayout();
}

CMiniDockFrameWnd *CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    auto *pFrame = new CMiniDockFrameWnd;
    if (!pFrame->Create(this, dwStyle)) {
        if (pFrame->GetSafeHwnd() == nullptr)
            delete pFrame;
        return nullptr;
    }
    m_floatingFrames.push_back(pFrame->GetSafeHwnd());
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar *pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    pBar->m_pDockSite = this;
    CMiniDockFrameWnd *pFrame = nullptr;
    CDockBar *pOld = pBar->m_pDockBar;
    if (pOld != nullptr && pOld->m_bFloating && pOld->GetDockedCount() == 1)
        pFrame = dynamic_cast<CMiniDockFrameWnd *>(pOld->GetParent());
    const DWORD dwAlign = (dwStyle & CBRS_ALIGN_ANY) ? (dwStyle & CBRS_ALIGN_ANY) : CBRS_ALIGN_TOP;
    if (pFrame != nullptr && (pFrame->m_wndDockBar.m_dwStyle & CBRS_ALIGN_ANY) == dwAlign) {
        // Alone in its floating frame already: the frame just moves.
    } else {
        pFrame = CreateFloatingFrame(dwAlign | (dwStyle & (CBRS_FLOAT_MULTI | CBRS_SIZE_DYNAMIC)) |
                                     (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC));
        if (pFrame == nullptr)
            return;
        pFrame->m_wndDockBar.DockControlBar(pBar);
    }
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcFloatingFrames();
    if (pBar->GetStyle() & WS_VISIBLE)
        pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar **ppDockBar)
{
    for (const DockSide &side : kDockSides) {
        if (!(dwDockStyle & side.dwStyle))
            continue;
        CDockBar *pDockBar = GetDockBar(side.nID);
        if (pDockBar == nullptr || !pDockBar->IsWindowVisible())
            continue;
        // An empty edge still takes a bar dragged onto it.
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        if (rectBar.Width() == 0)
            rectBar.right++;
        if (rectBar.Height() == 0)
            rectBar.bottom++;
        CRect rectCommon;
        if (rectCommon.IntersectRect(&rectBar, &rect)) {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return side.dwStyle;
        }
    }
    // A bar that may share a floating frame docks into one of the same
    // orientation that allows it.
    if (!(dwDockStyle & CBRS_FLOAT_MULTI))
        return 0;
    for (CMiniDockFrameWnd *pFrame : FloatingFrames()) {
        CDockBar *pDockBar = &pFrame->m_wndDockBar;
        const DWORD dwAlign = pDockBar->m_dwStyle & CBRS_ALIGN_ANY;
        if (!pFrame->IsWindowVisible() || !(pDockBar->m_dwStyle & CBRS_FLOAT_MULTI) || !(dwDockStyle & dwAlign))
            continue;
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        CRect rectCommon;
        if (rectCommon.IntersectRect(&rectBar, &rect)) {
            if (ppDockBar != nullptr)
                *ppDockBar = pDockBar;
            return dwAlign;
        }
    }
    return 0;
}

void CFrameWnd::DelayRecalcLayout(BOOL)
{
    m_bRecalcLayoutPending = TRUE;
}

void CFrameWnd::RepositionBars(UINT, UINT, UINT, UINT nFlag, LPRECT lpRectParam, LPCRECT lpRectClient, BOOL)
{
    CRect rectClient;
    if (lpRectClient != nullptr)
        rectClient = *lpRectClient;
    else
        GetClientRect(&rectClient);
    if (nFlag & reposQuery) {
        PlexoQueryBarLayout(this, rectClient);
        if (lpRectParam != nullptr)
            *lpRectParam = rectClient;
        return;
    }
    PlexoRepositionBars(this, rectClient);
    if (lpRectParam != nullptr)
        *lpRectParam = rectClient;
}

std::vector<CMiniDockFrameWnd *> CFrameWnd::FloatingFrames() const
{
    std::vector<CMiniDockFrameWnd *> frames;
    for (HWND hFrame : m_floatingFrames)
        if (::IsWindow(hFrame))
            if (auto *pFrame = dynamic_cast<CMiniDockFrameWnd *>(CWnd::FromHandlePermanent(hFrame)))
                frames.push_back(pFrame);
    return frames;
}

CControlBar *CFrameWnd::FindDockedBar(UINT nID)
{
    std::vector<CDockBar *> dockBars;
    for (const DockSide &side : kDockSides)
        if (CDockBar *pDockBar = GetDockBar(side.nID))
            dockBars.push_back(pDockBar);
    for (CMiniDockFrameWnd *pFrame : FloatingFrames())
        dockBars.push_back(&pFrame->m_wndDockBar);
    for (CDockBar *pDockBar : dockBars) {
        HWND hBar = ::GetDlgItem(pDockBar->GetSafeHwnd(), static_cast<int>(nID));
        if (auto *pBar = hBar != nullptr ? dynamic_cast<CControlBar *>(CWnd::FromHandlePermanent(hBar)) : nullptr)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::ShowFloatingFrameOf(CControlBar *pBar)
{
    CDockBar *pDockBar = pBar->m_pDockBar;
    if (pDockBar == nullptr || !pDockBar->m_bFloating)
        return;
    auto *pFrame = dynamic_cast<CMiniDockFrameWnd *>(pDockBar->GetParent());
    if (pFrame == nullptr)
        return;
    pFrame->RecalcLayout();
    pFrame->ShowWindow(pDockBar->GetDockedVisibleCount() > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
}

LRESULT CFrameWnd::OnFrameIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_bRecalcLayoutPending) {
        m_bRecalcLayoutPending = FALSE;
        RecalcLayout();
    }
    // Floating bars lie outside the frame: they hear of idle time from it.
    for (CMiniDockFrameWnd *pFrame : FloatingFrames()) {
        if (!pFrame->IsWindowVisible())
            continue;
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, wParam);
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, 0, TRUE, TRUE);
    }
    return 0;
}
