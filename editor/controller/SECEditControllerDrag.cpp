// Dragging text: this pane as the drag source, and as the drop target the
// view forwards its drag steps to.  Between panes of one buffer the buffer
// names the running drag's source; a move inside one pane puts the text
// where the drop position ends up once the source text is gone.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditUpdateLock.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/ISECViewport.h"

#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDataSource.h"

#include <memory>

DROPEFFECT SECEditController::RunDragDrop(COleDataSource *pSource)
{
    return pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_SCROLL);
}

DROPEFFECT SECEditController::StartDrag()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return DROPEFFECT_NONE;
    std::unique_ptr<COleDataSource> pSource(CopyToDataSource(FALSE));
    const SECEditPosition savedCaret = m_caret;
    DestroyCaret();
    DROPEFFECT effect = DROPEFFECT_NONE;
    if (pSource) {
        pBuffer->SetDragSource(this);
        pBuffer->SetDragTakenElsewhere(FALSE);
        m_bDroppedHere = FALSE;
        effect = RunDragDrop(pSource.get()) & ~DROPEFFECT_SCROLL;
        pSource.reset();
    }
    const BOOL bTakenElsewhere = pBuffer->IsDragTakenElsewhere();
    if (effect == DROPEFFECT_MOVE) {
        if (bTakenElsewhere) {
            // The other pane has deleted the text here already.
            if (HasSelection())
                MoveCaretTo(m_selection.GetAnchor().m_nLine, m_selection.GetAnchor().m_nCol, FALSE);
        } else if (!m_bDroppedHere) {
            // Another program (or another document) took the text.
            ReplaceSelection(CString(), FALSE);
        }
    } else if (effect == DROPEFFECT_COPY) {
        if (HasSelection())
            MoveCaretTo(m_selection.GetEnd().m_nLine, m_selection.GetEnd().m_nCol, FALSE);
    } else {
        ClearSelection(FALSE);
        MoveCaretTo(savedCaret.m_nLine, savedCaret.m_nCol, TRUE);
        effect = DROPEFFECT_NONE;
    }
    // The source is named only while its drag runs.
    pBuffer->SetDragSource(nullptr);
    pBuffer->SetDragTakenElsewhere(FALSE);
    m_bDroppedHere = FALSE;
    if (m_hWnd && ::GetFocus() == m_hWnd) {
        CreateCaret(TRUE);
        UpdateCaret();
    }
    return effect;
}

BOOL SECEditController::IsInsideDragSource(CPoint point)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    SECEditController *pSource = pBuffer ? pBuffer->GetDragSource() : nullptr;
    if (!pSource || !pSource->HasSelection())
        return FALSE;
    CPoint document = point;
    if (GetViewport())
        GetViewport()->DPtoLP(&document, 1);
    const SECEditPosition position = PointToPosition(document, TRUE);
    const SECEditSelection &selection = pSource->GetSelectionObject();
    if (selection.GetMode() != SECEDIT_SEL_STREAM) {
        // A block or whole lines: inside as the selection itself counts it,
        // its corners excluded.
        return pSource->IsInSelection(position) && !(position == selection.GetStart()) &&
               !(position == selection.GetFinish());
    }
    return selection.GetStart() < position && position < selection.GetFinish();
}

DROPEFFECT SECEditController::OnDragEnter(COleDataObject *pDataObject, DWORD dwKeyState, CPoint point)
{
    m_bDropAccepted = FALSE;
    if (pDataObject && pDataObject->IsDataAvailable(CF_TEXT) && !IsBufferReadOnly()) {
        m_bDropAccepted = TRUE;
        CreateCaret(FALSE);
        MoveCaretToPoint(point.x, point.y, FALSE);
    }
    m_bDropCaretShown = TRUE;
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT SECEditController::OnDragOver(COleDataObject *, DWORD dwKeyState, CPoint point)
{
    if (!m_bDropAccepted)
        return DROPEFFECT_NONE;
    MoveCaretToPoint(point.x, point.y, FALSE);
    const BOOL bCopy = (dwKeyState & MK_CONTROL) != 0;
    if (IsInsideDragSource(point)) {
        // Dropping the text onto itself: no caret, and only its own pane
        // may take it (to change nothing).
        if (m_bDropCaretShown && m_bCaretExists && !m_bCaretHidden) {
            HideCaret();
            m_bCaretHidden = TRUE;
        }
        m_bDropCaretShown = FALSE;
        if (bCopy)
            return DROPEFFECT_COPY;
        return GetBuffer()->GetDragSource() == this ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    }
    if (!m_bDropCaretShown) {
        m_bDropCaretShown = TRUE;
        UpdateCaret();
    }
    return bCopy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void SECEditController::OnDragLeave()
{
    if (!m_bDropAccepted)
        return;
    DestroyCaret();
    m_bDropAccepted = FALSE;
}

BOOL SECEditController::OnDrop(COleDataObject *pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    dropEffect &= ~DROPEFFECT_SCROLL;
    if (!pBuffer || !pDataObject || dropEffect == DROPEFFECT_NONE)
        return FALSE;
    MoveCaretToPoint(point.x, point.y, FALSE);
    OnDragLeave();
    SECEditController *pSource = pBuffer->GetDragSource();
    if (IsInsideDragSource(point)) {
        ClearSelection(TRUE);
        if (pSource == this)
            m_bDroppedHere = TRUE;
        return TRUE;
    }
    BOOL bDone = FALSE;
    {
        SECEditCompoundScope group(*pBuffer);
        SECEditUpdateLock lock(*this);
        ExpandToVirtualColumn();
        CString text;
        BOOL bColumn = FALSE;
        if (PasteFromDataObject(pDataObject, text, bColumn)) {
            SECEditPosition at = m_caret;
            if (pSource && dropEffect == DROPEFFECT_MOVE && pSource->HasSelection()) {
                // Where the drop position lands once the dragged text has
                // gone from its source (in this pane or another).
                const SECEditSelection &selection = pSource->GetSelectionObject();
                const SECEditRange removed(selection.GetStart(), selection.GetFinish());
                if (pSource->GetSelectionObject().GetMode() == SECEDIT_SEL_STREAM)
                    at.AdjustForEdit(removed, FALSE);
                else
                    at = SECEditPosition(-1, -1);
                pSource->m_nTypingSerial = 0;
                pSource->ReplaceSelection(CString(), FALSE);
                if (at.m_nLine < 0)
                    at = m_caret; // a block or lines: the caret followed the text
                MoveCaretTo(at.m_nLine, at.m_nCol, TRUE);
            }
            ClearSelection(FALSE);
            m_nTypingSerial = 0;
            if (bColumn) {
                InsertColumnBlock(at, text);
            } else {
                SECEditRange range(at.m_nLine, at.m_nCol, at.m_nLine, at.m_nCol);
                InsertRange(range, text, text.GetLength());
                m_selection.Begin(range.m_start, SECEDIT_SEL_STREAM);
                m_selection.ExtendTo(range.m_end);
                MoveCaretTo(range.m_end.m_nLine, range.m_end.m_nCol, FALSE);
                InvalidateLines(range.m_start.m_nLine, range.m_end.m_nLine);
            }
            if (pSource == this)
                m_bDroppedHere = TRUE;
            else if (pSource)
                pBuffer->SetDragTakenElsewhere(TRUE);
            bDone = TRUE;
        }
    }
    if (!pSource && m_hWnd && ::GetFocus() == m_hWnd) {
        CreateCaret(TRUE);
        UpdateCaret();
    }
    return bDone;
}
