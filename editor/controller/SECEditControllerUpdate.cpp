// Buffer notifications: fonts and colours, a reset, and text changes that
// move the caret and the selection.
#include "editor/controller/SECEditController.h"

#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextCommand.h"
#include "editor/controller/ISECViewport.h"

void SECEditController::OnUpdate(void *, SECEditHint *pHint)
{
    if (!pHint || !GetBuffer())
        return;
    switch (pHint->GetTypeId()) {
    case SECEDIT_HINT_FONT_UPDATE:
    case SECEDIT_HINT_RECOLOR:
        if (ISECViewport *pViewport = GetViewport()) {
            // Keep the same text at the top-left under the new metrics.
            const int left = GetTextLeft();
            const CPoint origin = pViewport->GetOrigin();
            const SECEditPosition top = PointToPosition(CPoint(origin.x + left, origin.y), FALSE);
            const CPoint point = PositionToPoint(top);
            pViewport->SetOrigin(point.x - left, point.y);
            pViewport->UpdateScrollBars();
        }
        break;
    case SECEDIT_HINT_INITIALIZE: ResetEditState(); break;
    case SECEDIT_HINT_HISTORY_BEGIN: ++m_nHistoryDepth; break;
    case SECEDIT_HINT_HISTORY_END:
        if (m_nHistoryDepth > 0 && --m_nHistoryDepth == 0)
            PlacePendingCaret();
        break;
    case SECEditCommand::kTextCommandId: {
        auto *pEdit = static_cast<SECEditTextCommand *>(pHint);
        AdjustCaretForEdit(pEdit);
        m_selection.AdjustForEdit(pEdit->GetRange(), pEdit->IsTextPresent());
        if (m_nHistoryDepth > 0)
            m_bCaretPlacementPending = TRUE;
        else if (m_bCaretExists) {
            ClearSelection(FALSE);
            ScrollToCaret();
        }
        break;
    }
    default: break;
    }
}

void SECEditController::AdjustCaretForEdit(SECEditTextCommand *pEdit)
{
    const SECEditRange range = pEdit->GetRange().Normalized();
    const BOOL bInserted = pEdit->IsTextPresent();
    SECEditPosition caret = m_caret;
    if (m_bCaretExists)
        caret = bInserted ? range.m_end : range.m_start;
    else
        caret.AdjustForEdit(range, bInserted);
    if (caret == m_caret)
        return;
    m_caret = caret;
    // An undo of many records (a Replace All that joined thousands of lines)
    // would measure the joined line at every step: its caret goes on the
    // screen once, at the end.
    if (m_nHistoryDepth > 0) {
        m_bCaretPlacementPending = TRUE;
        return;
    }
    MoveCaretTo(caret.m_nLine, caret.m_nCol, TRUE);
    SetDesiredX();
}

void SECEditController::PlacePendingCaret()
{
    if (!m_bCaretPlacementPending)
        return;
    m_bCaretPlacementPending = FALSE;
    MoveCaretTo(m_caret.m_nLine, m_caret.m_nCol, TRUE);
    SetDesiredX();
    if (m_bCaretExists) {
        ClearSelection(FALSE);
        ScrollToCaret();
    }
}
