#include "framework/app/ControlBar.h"

#include "framework/app/AppIds.h"
#include "framework/app/FrameWnd.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowDC.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if (m_hWnd != nullptr)
        Invalidate();
}

CFrameWnd *CControlBar::GetDockingFrame() const
{
    if (m_pDockSite != nullptr)
        return m_pDockSite;
    return dynamic_cast<CFrameWnd *>(GetParent());
}

CWnd *CControlBar::GetOwner() const
{
    if (m_hWndOwner != nullptr && ::IsWindow(m_hWndOwner))
        return CWnd::FromHandle(m_hWndOwner);
    return GetParent();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // Hidden bars are left alone; the frame routes for the visible ones.
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CFrameWnd *pTarget = GetDockingFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}

BOOL CControlBar::OnEraseBkgnd(CDC *pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::CalcInsideRect(CRect &rect) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorderSize;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorderSize;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= kBorderSize;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= kBorderSize;
}

void CControlBar::DrawBorders(CDC *pDC, CRect &rect)
{
    // An etched line: shadow then highlight on each bordered edge.
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, shadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, light);
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, shadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, light);
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), shadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), light);
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), shadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), light);
    }
    CalcInsideRect(rect);
}

void CControlBar::DrawGripper(CDC *pDC, const CRect &rect)
{
    if (!(m_dwStyle & CBRS_GRIPPER) || IsFloating())
        return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (IsHorzBar() || !(m_dwStyle & CBRS_ORIENT_VERT))
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, 3, rect.Height() - 4, light, shadow);
    else
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, rect.Width() - 4, 3, light, shadow);
}

namespace {

// Set while the layout only asks for the bars' sizes.
bool g_bQueryLayout = false;

// Takes the bar's room off one edge of rectClient and moves the bar there.
void PlaceBar(CControlBar *pBar, CRect &rectClient)
{
    DWORD dwAlign = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    BOOL bHorz = (dwAlign & CBRS_ORIENT_HORZ) != 0 || dwAlign == 0;
    pBar->m_rectLayout = rectClient;
    pBar->m_bLayoutQuery = g_bQueryLayout;
    CSize size = pBar->CalcFixedLayout(TRUE, bHorz);
    pBar->m_bLayoutQuery = FALSE;
    CRect rect = rectClient;
    if (dwAlign & CBRS_ALIGN_BOTTOM) {
        size.cy = std::min<int>(size.cy, rectClient.Height());
        rect.top = rect.bottom - size.cy;
        rectClient.bottom -= size.cy;
    } else if (dwAlign & CBRS_ALIGN_LEFT) {
        size.cx = std::min<int>(size.cx, rectClient.Width());
        rect.right = rect.left + size.cx;
        rectClient.left += size.cx;
    } else if (dwAlign & CBRS_ALIGN_RIGHT) {
        size.cx = std::min<int>(size.cx, rectClient.Width());
        rect.left = rect.right - size.cx;
        rectClient.right -= size.cx;
    } else {
        size.cy = std::min<int>(size.cy, rectClient.Height());
        rect.bottom = rect.top + size.cy;
        rectClient.top += size.cy;
    }
    CRect rectOld;
    pBar->GetWindowRect(&rectOld);
    pBar->GetParent()->ScreenToClient(&rectOld);
    if (rectOld != rect && !g_bQueryLayout)
        pBar->MoveWindow(&rect);
}

} // namespace

void PlexoQueryBarLayout(CWnd *pParent, CRect &rectClient)
{
    g_bQueryLayout = true;
    PlexoRepositionBars(pParent, rectClient);
    g_bQueryLayout = false;
}

void PlexoRepositionBars(CWnd *pParent, CRect &rectClient)
{
    // The bar made first lies outermost: the window layer keeps the newest
    // child first, so the bars are placed from the last child back.
    std::vector<CControlBar *> bars;
    for (CWnd *pChild = pParent->GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow()) {
        auto *pBar = dynamic_cast<CControlBar *>(CWnd::FromHandlePermanent(pChild->GetSafeHwnd()));
        // Hidden and floating bars take no room.
        if (pBar != nullptr && (pBar->GetStyle() & WS_VISIBLE) != 0 && !pBar->IsFloating())
            bars.push_back(pBar);
    }
    for (auto it = bars.rbegin(); it != bars.rend(); ++it)
        PlaceBar(*it, rectClient);
}
