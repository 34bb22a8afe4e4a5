// The visual part's scrolling: whole lines vertically and whole character
// widths horizontally, the scroll bars (the window's own or a splitter's
// shared ones), the scroll messages, the drag auto-scroll and the repaint
// after a size change.
#include "editor/view/SECEditVisualPart.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditTextBuffer.h"

#include "framework/gdi/Rgn.h"
#include "framework/window/ScrollBar.h"

#include <algorithm>

CScrollBar *SECEditVisualPart::GetBarControl(int nBar)
{
    return m_pOwner ? m_pOwner->GetScrollBarCtrl(nBar) : nullptr;
}

void SECEditVisualPart::UpdateBar(int nBar, int visible, int total, int position)
{
    CScrollBar *pControl = GetBarControl(nBar);
    const DWORD style = m_pOwner->GetStyle();
    if (!pControl && !(style & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)))
        return;
    const BOOL bKeeps = m_host.KeepsScrollPosition();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.nMin = 0;
    if (visible < total) {
        info.nPage = static_cast<UINT>(visible);
        info.nMax = total - 1;
        info.nPos = position;
    } else {
        info.nMax = visible;
        info.nPage = static_cast<UINT>(visible + 1);
        info.nPos = 0;
        if (!bKeeps && position != 0) {
            // Everything fits: back to the start.
            if (pControl)
                pControl->SetScrollPos(0, FALSE);
            else
                m_pOwner->SetScrollPos(nBar, 0, FALSE);
            ScrollStep(nBar, -position);
        }
    }
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!(pControl && bKeeps))
        info.fMask |= SIF_DISABLENOSCROLL;
    if (pControl) {
        pControl->SetScrollInfo(&info, TRUE);
        if (!bKeeps)
            pControl->EnableScrollBar(info.nMax - info.nMin < static_cast<int>(info.nPage) ? ESB_DISABLE_BOTH
                                                                                           : ESB_ENABLE_BOTH);
    } else {
        m_pOwner->SetScrollInfo(nBar, &info, TRUE);
    }
}

void SECEditVisualPart::UpdateScrollBars()
{
    if (!m_pController || !m_pOwner || !m_pOwner->GetSafeHwnd() || GetLineHeight() <= 0 || GetCharWidth() <= 0)
        return;
    UpdateBar(SB_VERT, GetVisibleLines(), GetTotalLines(), GetTopLine());
    UpdateBar(SB_HORZ, GetVisibleColumns(), GetTotalColumns(), GetLeftColumn());
}

void SECEditVisualPart::ScrollStep(int nBar, int delta)
{
    const int lineHeight = GetLineHeight();
    const int charWidth = GetCharWidth();
    if (delta == 0 || !m_pOwner || !m_pOwner->GetSafeHwnd() || lineHeight <= 0 || charWidth <= 0)
        return;
    const BOOL bVertical = nBar == SB_VERT;
    const int position = (bVertical ? GetTopLine() : GetLeftColumn()) + delta;
    if (CScrollBar *pControl = GetBarControl(nBar))
        pControl->SetScrollPos(position, TRUE);
    else
        m_pOwner->SetScrollPos(nBar, position, TRUE);
    m_bScrolling = TRUE;
    if (bVertical)
        m_viewport.SetOrigin(m_origin.x, m_origin.y + delta * lineHeight);
    else
        m_viewport.SetOrigin(m_origin.x + delta * charWidth, m_origin.y);
    m_bScrolling = FALSE;
    if (bVertical) {
        m_pOwner->ScrollWindow(0, -delta * lineHeight);
    } else {
        // The gutter stays where it is.
        CRect text;
        m_pOwner->GetClientRect(&text);
        text.left += GetGutterWidth();
        m_pOwner->ScrollWindow(-delta * charWidth, 0, &text, &text);
    }
    if (m_pController)
        m_pController->UpdateCaret();
    m_pOwner->UpdateWindow();
}

int SECEditVisualPart::ScrollDelta(int nBar, UINT nSBCode, UINT nPos)
{
    const BOOL bVertical = nBar == SB_VERT;
    const int first = bVertical ? GetTopLine() : GetLeftColumn();
    const int visible = bVertical ? GetVisibleLines() : GetVisibleColumns();
    const int total = bVertical ? GetTotalLines() : GetTotalColumns();
    const int maxFirst = total - visible;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    if (CScrollBar *pControl = GetBarControl(nBar))
        pControl->GetScrollInfo(&info, SIF_ALL);
    else
        m_pOwner->GetScrollInfo(nBar, &info, SIF_ALL);
    // The message carries 16 bits of the position; the bar knows all 32.
    auto thumb = [&](int known) { return (known & 0xFFFF) == static_cast<int>(nPos & 0xFFFF) ? known : int(nPos); };
    switch (nSBCode) {
    case SB_LINEUP: return first > 0 ? -1 : 0;
    case SB_LINEDOWN: return first < maxFirst ? 1 : 0;
    case SB_PAGEUP: return first > 0 ? -std::min(visible, first) : 0;
    case SB_PAGEDOWN: return first < maxFirst ? std::min(visible, maxFirst - first) : 0;
    case SB_THUMBPOSITION: return thumb(info.nPos) - first;
    case SB_THUMBTRACK: return thumb(info.nTrackPos) - first;
    default: return 0;
    }
}

void SECEditVisualPart::OnScrollMessage(int nBar, UINT nSBCode, UINT nPos)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd() || GetLineHeight() <= 0 || GetCharWidth() <= 0)
        return;
    const int delta = ScrollDelta(nBar, nSBCode, nPos);
    if (delta == 0)
        return;
    ScrollStep(nBar, delta);
    m_host.OnHostScrolled(nBar, delta);
}

BOOL SECEditVisualPart::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    if (GetLineHeight() <= 0 || GetCharWidth() <= 0)
        return FALSE;
    const UINT horizontal = LOBYTE(nScrollCode);
    const UINT vertical = HIBYTE(nScrollCode);
    BOOL bHorizontal = FALSE;
    if (horizontal == 0) {
        bHorizontal = GetLeftColumn() > 0;
        if (bHorizontal && bDoScroll)
            ScrollStep(SB_HORZ, -1);
    } else if (horizontal == 1) {
        bHorizontal = GetLeftColumn() < GetTotalColumns();
        if (bHorizontal && bDoScroll)
            OnScrollMessage(SB_HORZ, SB_LINEDOWN, nPos);
    }
    if (vertical == 0) {
        const BOOL bPossible = GetTopLine() > 0;
        if (bPossible && bDoScroll)
            OnScrollMessage(SB_VERT, SB_LINEUP, nPos);
        return bPossible;
    }
    if (vertical == 1) {
        const BOOL bPossible = GetTopLine() < GetTotalLines() - GetVisibleLines();
        if (bPossible && bDoScroll)
            OnScrollMessage(SB_VERT, SB_LINEDOWN, nPos);
        return bPossible;
    }
    return bHorizontal;
}

void SECEditVisualPart::OnSize(int cx, int cy, CRect &lastClient)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd())
        return;
    if (m_pBuffer) {
        m_boundsIf.SetSize(cx, cy);
        UpdateScrollBars();
    }
    m_pOwner->ValidateRect(nullptr);
    CRect now;
    m_pOwner->GetClientRect(&now);
    CRect last = lastClient;
    m_pOwner->ScreenToClient(&last);
    BOOL bAll = now.TopLeft() != last.TopLeft();
    if (!bAll) {
        // Only the strips that appeared or went.
        CRgn newRegion, oldRegion, changed;
        bAll = !newRegion.CreateRectRgnIndirect(&now) || !oldRegion.CreateRectRgnIndirect(&last) ||
               !changed.CreateRectRgn(0, 0, 0, 0) || changed.CombineRgn(&newRegion, &oldRegion, RGN_XOR) == ERROR;
        if (!bAll)
            m_pOwner->InvalidateRgn(&changed, TRUE);
    }
    if (bAll)
        m_pOwner->Invalidate(TRUE);
    m_pOwner->UpdateWindow();
    m_pOwner->ClientToScreen(&now);
    lastClient = now;
}
