// The control bar's side of docking: its dock context, the dynamic layout
// of bars of a fixed size, and the mouse starting a drag.
#include "framework/app/ControlBar.h"

#include "framework/app/DockBar.h"
#include "framework/app/DockContext.h"
#include "framework/app/MiniFrameWnd.h"

CControlBar::~CControlBar()
{
    if (CDockBar *pDockBar = m_pDockBar) {
        pDockBar->RemoveControlBar(this);
        // A floating frame left without bars goes too.
        if (pDockBar->m_bFloating && pDockBar->GetDockedCount() == 0)
            PlexoFloatingFrameEmptied(pDockBar->GetParent());
    }
    delete m_pDockContext;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (m_pDockContext == nullptr && (m_dwDockStyle & CBRS_ALIGN_ANY) != 0)
        m_pDockContext = new CDockContext(this);
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect);
    CSize size(-rect.Width(), -rect.Height());
    if (bStretch) {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    const BOOL bHorz = (dwMode & (LM_HORZ | LM_HORZDOCK)) != 0;
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, bHorz);
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

BOOL CControlBar::ApplyDelayedShow()
{
    const UINT nFlags = m_nStateFlags & (delayHide | delayShow);
    m_nStateFlags &= ~(delayHide | delayShow);
    if (nFlags == 0 || GetSafeHwnd() == nullptr)
        return FALSE;
    ShowWindow((nFlags & delayShow) ? SW_SHOWNOACTIVATE : SW_HIDE);
    return TRUE;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    // A press on the bar itself (not on an item of it) drags the bar.
    if (m_pDockContext != nullptr && m_pDockBar != nullptr) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockContext != nullptr && m_pDockBar != nullptr) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}
