// The controller's mouse: clicks in the gutter and the text, drag
// selection with auto-scroll, column blocks, double-clicks and cursors.
#include "editor/controller/SECEditController.h"

#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/ISECViewport.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/Rgn.h"

namespace {

// The auto-scroll timer of a mouse selection.
const UINT_PTR kScrollTimerId = 45000;
const UINT kScrollTimerMs = 100;

} // namespace

BOOL SECEditController::IsInSelection(const SECEditPosition &position)
{
    if (!HasSelection())
        return FALSE;
    const SECEditPosition start = m_selection.GetStart();
    const SECEditPosition finish = m_selection.GetFinish();
    switch (m_selection.GetMode()) {
    case SECEDIT_SEL_LINES: return position.m_nLine >= start.m_nLine && position.m_nLine <= finish.m_nLine;
    case SECEDIT_SEL_COLUMN:
    case SECEDIT_SEL_COLUMN_DRAG: {
        if (position.m_nLine < start.m_nLine || position.m_nLine > finish.m_nLine)
            return FALSE;
        const int x = PositionToPoint(position).x;
        const int x1 = PositionToPoint(m_selection.GetAnchor()).x;
        const int x2 = PositionToPoint(m_selection.GetEnd()).x;
        return x >= std::min(x1, x2) && x < std::max(x1, x2);
    }
    default: return start <= position && position < finish;
    }
}

void SECEditController::BeginMouseSelection()
{
    m_nScrollTimer = SetTimer(kScrollTimerId, kScrollTimerMs, nullptr);
    SetCapture();
    m_bMouseSelecting = TRUE;
}

void SECEditController::EndMouseSelection()
{
    m_bMouseSelecting = FALSE;
    m_bDragStartPending = FALSE;
    if (CWnd::GetCapture() && CWnd::GetCapture()->m_hWnd == m_hWnd)
        ::ReleaseCapture();
    if (m_nScrollTimer) {
        KillTimer(m_nScrollTimer);
        m_nScrollTimer = 0;
    }
}

void SECEditController::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!GetBuffer())
        return;
    const int left = GetTextLeft();
    if (point.x < left) {
        ClearSelection(TRUE);
        if (nFlags & MK_CONTROL) {
            OnSelectAll();
            LockUpdates(FALSE);
            MoveDocEnd();
            LockUpdates(TRUE);
            return;
        }
        MoveCaretToPoint(left, point.y, FALSE);
        MoveCaretTo(m_caret.m_nLine, 0, FALSE);
        m_selection.Begin(m_caret, SECEDIT_SEL_LINES);
        RepaintSelectionLines();
        BeginMouseSelection();
        return;
    }
    CPoint document = point;
    if (GetViewport())
        GetViewport()->DPtoLP(&document, 1);
    if (IsInSelection(PointToPosition(document, TRUE))) {
        MoveCaretToPoint(point.x, point.y, FALSE);
        StartDrag();
        Invalidate(FALSE);
        return;
    }
    const BOOL bShift = (nFlags & MK_SHIFT) != 0;
    if (!bShift)
        ClearSelection(TRUE);
    const SECEditPosition oldCaret = m_caret;
    MoveCaretToPoint(point.x, point.y, FALSE);
    ScrollToCaret();
    SetDesiredX();
    if (bShift) {
        if (!HasSelection())
            m_selection.Begin(oldCaret, SECEDIT_SEL_STREAM);
        m_selection.ExtendTo(m_caret);
        InvalidateLines(std::min(oldCaret.m_nLine, m_caret.m_nLine), std::max(oldCaret.m_nLine, m_caret.m_nLine));
        return;
    }
    if (nFlags & MK_CONTROL) {
        SelectWordAtCaret();
        return;
    }
    const BOOL bAlt = GetKeyState(VK_MENU) < 0;
    m_selection.Begin(m_caret, bAlt ? SECEDIT_SEL_COLUMN_DRAG : SECEDIT_SEL_STREAM);
    m_dragAnchor = m_dragPoint = CPoint(m_nCaretX, m_nCaretY);
    BeginMouseSelection();
    m_bDragStartPending = TRUE;
}

CRect SECEditController::DragBlockRect(CPoint dragPoint)
{
    CPoint corners[2] = {m_dragAnchor, dragPoint};
    if (GetViewport())
        GetViewport()->LPtoDP(corners, 2);
    CRect block(corners[0], corners[1]);
    block.NormalizeRect();
    block.left = std::max(block.left, static_cast<LONG>(GetTextLeft()));
    block.bottom += GetMetrics() ? GetMetrics()->GetLineHeight() : 0;
    return block;
}

void SECEditController::InvertDragFeedback(const CRect &oldBlock, const CRect &newBlock)
{
    CRgn oldRegion, newRegion, changed;
    oldRegion.CreateRectRgnIndirect(&oldBlock);
    newRegion.CreateRectRgnIndirect(&newBlock);
    changed.CreateRectRgn(0, 0, 0, 0);
    changed.CombineRgn(&oldRegion, &newRegion, RGN_XOR);
    CDC *pDC = GetDC();
    if (pDC) {
        pDC->InvertRgn(&changed);
        ReleaseDC(pDC);
    }
}

void SECEditController::OnMouseMove(UINT, CPoint point)
{
    if (!m_bMouseSelecting || !GetBuffer())
        return;
    if (m_bDragStartPending) {
        m_bDragStartPending = FALSE;
        return;
    }
    const int mode = m_selection.GetMode();
    const SECEditPosition oldEnd = m_selection.GetEnd();
    MoveCaretToPoint(point.x, point.y, mode == SECEDIT_SEL_COLUMN_DRAG);
    ScrollToCaret();
    if (mode == SECEDIT_SEL_LINES && point.x >= GetTextLeft()) {
        m_selection.SetMode(SECEDIT_SEL_STREAM);
        ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
    }
    m_selection.ExtendTo(m_caret);
    if (mode == SECEDIT_SEL_COLUMN_DRAG) {
        const CPoint newPoint(m_nCaretX, m_nCaretY);
        InvertDragFeedback(DragBlockRect(m_dragPoint), DragBlockRect(newPoint));
        m_dragPoint = newPoint;
        return;
    }
    InvalidateLines(std::min(oldEnd.m_nLine, m_caret.m_nLine), std::max(oldEnd.m_nLine, m_caret.m_nLine));
}

void SECEditController::OnLButtonUp(UINT, CPoint)
{
    if (!m_bMouseSelecting)
        return;
    EndMouseSelection();
    if (m_selection.GetMode() == SECEDIT_SEL_LINES && m_selection.GetAnchor() == m_selection.GetEnd()) {
        // A click in the gutter selects the clicked line whole.
        MoveCaretTo(m_caret.m_nLine + 1, 0, FALSE);
        m_selection.ExtendTo(m_caret);
    } else if (m_selection.GetMode() == SECEDIT_SEL_COLUMN_DRAG) {
        InvertDragFeedback(DragBlockRect(m_dragPoint), CRect(0, 0, 0, 0));
        m_selection.SetMode(SECEDIT_SEL_COLUMN);
        m_selection.ExtendTo(m_caret);
        if (PositionToPoint(m_selection.GetAnchor()).x == PositionToPoint(m_selection.GetEnd()).x) {
            ClearSelection(TRUE);
            return;
        }
    }
    RepaintSelectionLines();
}

void SECEditController::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (point.x >= GetTextLeft())
        SelectWordAtCaret();
    else if (!(nFlags & MK_CONTROL))
        ClearSelection(TRUE);
}

void SECEditController::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScrollTimerId) {
        // Not ours: the view handles its own timers.
        SetMsgResult(0);
        return;
    }
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
}

BOOL SECEditController::OnSetCursor(CWnd *, UINT nHitTest, UINT)
{
    if (nHitTest == HTCLIENT) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        if (cursor.x < GetTextLeft()) {
            ::SetCursor(m_hGutterCursor ? m_hGutterCursor : ::LoadCursor(nullptr, IDC_ARROW));
            return TRUE;
        }
        CPoint document = cursor;
        if (GetViewport())
            GetViewport()->DPtoLP(&document, 1);
        if (IsInSelection(PointToPosition(document, TRUE))) {
            ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
            return TRUE;
        }
    }
    RequestDefault();
    return static_cast<BOOL>(Default());
}
