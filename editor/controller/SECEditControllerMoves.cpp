// The controller's movement commands, with and without extending the
// selection, and selecting ranges.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/ISECViewport.h"

#include "framework/base/Mbcs.h"

#include <algorithm>

// ---- Horizontal moves

void SECEditController::MoveLeft()
{
    int line = m_caret.m_nLine;
    int column = m_caret.m_nCol;
    CString holder;
    const char *text = nullptr;
    const int length = LineText(line, holder, &text);
    BOOL bKeepVirtual = FALSE;
    if (column == 0) {
        if (line == 0)
            return;
        --line;
        column = GetBuffer()->GetLineTextLength(line);
    } else if (column > length) {
        // In virtual space one column at a time; back at the line end at
        // once where virtual space is not allowed.
        bKeepVirtual = IsVirtualSpaceAllowed(FALSE);
        column = bKeepVirtual ? column - 1 : length;
    } else {
        column = static_cast<int>(MbPreviousCharStart(reinterpret_cast<const unsigned char *>(text), column));
    }
    MoveCaretTo(line, column, bKeepVirtual);
    UpdateCaret();
    ScrollToCaret();
    SetDesiredX();
}

void SECEditController::MoveRight()
{
    int line = m_caret.m_nLine;
    int column = m_caret.m_nCol;
    CString holder;
    const char *text = nullptr;
    const int length = LineText(line, holder, &text);
    BOOL bKeepVirtual = FALSE;
    if (column < length) {
        column +=
            MbCharLength(reinterpret_cast<const unsigned char *>(text) + column, static_cast<size_t>(length - column));
    } else if (IsVirtualSpaceAllowed(FALSE)) {
        ++column;
        bKeepVirtual = TRUE;
    } else if (line < GetBuffer()->GetLastLine()) {
        ++line;
        column = 0;
    } else {
        return;
    }
    MoveCaretTo(line, column, bKeepVirtual);
    UpdateCaret();
    ScrollToCaret();
    SetDesiredX();
}

// ---- Vertical moves

void SECEditController::MoveUp()
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (m_caret.m_nLine == 0 || !pMetrics)
        return;
    const int x = m_bKeepDesiredX ? m_nDesiredX : m_nCaretX;
    const SECEditPosition position = PointToPosition(CPoint(x, m_nCaretY - pMetrics->GetLineHeight()), TRUE);
    MoveCaretTo(position.m_nLine, position.m_nCol, FALSE);
    ScrollToCaret();
}

void SECEditController::MoveDown()
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (m_caret.m_nLine >= GetBuffer()->GetLastLine() || !pMetrics)
        return;
    const int x = m_bKeepDesiredX ? m_nDesiredX : m_nCaretX;
    const SECEditPosition position = PointToPosition(CPoint(x, m_nCaretY + pMetrics->GetLineHeight()), TRUE);
    MoveCaretTo(position.m_nLine, position.m_nCol, FALSE);
    ScrollToCaret();
}

namespace {

int PageLines(CWnd &wnd, int lineHeight)
{
    CRect client;
    wnd.GetClientRect(&client);
    return lineHeight > 0 ? client.Height() / lineHeight : 0;
}

} // namespace

void SECEditController::MovePageDown()
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!pMetrics || !m_hWnd)
        return;
    const int lineHeight = pMetrics->GetLineHeight();
    const int page = PageLines(*this, lineHeight);
    if (page == 0)
        return;
    const int oldLine = m_caret.m_nLine;
    const int newLine = std::min(oldLine + page - 1, GetBuffer()->GetLastLine());
    const int dy = (newLine - oldLine) * lineHeight;
    if (ISECViewport *pViewport = GetViewport()) {
        const CPoint origin = pViewport->GetOrigin();
        pViewport->SetOrigin(origin.x, origin.y + dy);
        Invalidate(FALSE);
    }
    const int x = m_bKeepDesiredX ? m_nDesiredX : m_nCaretX;
    const SECEditPosition position = PointToPosition(CPoint(x, m_nCaretY + dy), TRUE);
    MoveCaretTo(position.m_nLine, position.m_nCol, FALSE);
    ScrollToCaret();
}

void SECEditController::MovePageUp()
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!pMetrics || !m_hWnd)
        return;
    const int lineHeight = pMetrics->GetLineHeight();
    const int page = PageLines(*this, lineHeight);
    if (page == 0)
        return;
    const int oldLine = m_caret.m_nLine;
    const int newLine = std::max(oldLine - page + 1, 0);
    const int dy = (newLine - oldLine) * lineHeight;
    if (ISECViewport *pViewport = GetViewport()) {
        const CPoint origin = pViewport->GetOrigin();
        pViewport->SetOrigin(origin.x, origin.y + dy);
        Invalidate(FALSE);
    }
    const int x = m_bKeepDesiredX ? m_nDesiredX : m_nCaretX;
    const SECEditPosition position = PointToPosition(CPoint(x, m_nCaretY + dy), TRUE);
    MoveCaretTo(position.m_nLine, position.m_nCol, FALSE);
    ScrollToCaret();
}

// ---- Line and document ends

void SECEditController::MoveHome()
{
    CString holder;
    const char *text = nullptr;
    const int length = LineText(m_caret.m_nLine, holder, &text);
    int first = 0;
    while (first < length && (text[first] == ' ' || text[first] == '\t'))
        ++first;
    // Smart: the first character that is not blank, or column 0 when the
    // caret is already there or the line is blank.
    const int target = (first == length || m_caret.m_nCol == first) ? 0 : first;
    MoveCaretTo(m_caret.m_nLine, target, FALSE);
    ScrollToCaret();
    SetDesiredX();
}

void SECEditController::MoveEnd()
{
    MoveCaretTo(m_caret.m_nLine, GetBuffer()->GetLineTextLength(m_caret.m_nLine), FALSE);
    ScrollToCaret();
    SetDesiredX();
}

void SECEditController::MoveDocStart()
{
    MoveCaretTo(0, 0, FALSE);
    ScrollToCaret();
    SetDesiredX();
}

void SECEditController::MoveDocEnd()
{
    const int last = GetBuffer()->GetLastLine();
    MoveCaretTo(last, GetBuffer()->GetLineTextLength(last), FALSE);
    ScrollToCaret();
    SetDesiredX();
}

// ---- Selections

void SECEditController::ExtendSelectionWith(void (SECEditController::*pfnMove)())
{
    if (!HasSelection())
        m_selection.Begin(m_caret, SECEDIT_SEL_STREAM);
    const int oldEndLine = m_selection.GetEnd().m_nLine;
    if (m_bCaretExists && !m_bCaretHidden)
        HideCaret();
    (this->*pfnMove)();
    m_selection.ExtendTo(m_caret);
    InvalidateLines(std::min(oldEndLine, m_caret.m_nLine), std::max(oldEndLine, m_caret.m_nLine));
    if (m_bCaretExists && !m_bCaretHidden)
        ShowCaret();
}

void SECEditController::ExtendSelectionTo(int line, int column, BOOL bScroll)
{
    if (!HasSelection())
        m_selection.Begin(m_caret, SECEDIT_SEL_STREAM);
    const int oldEndLine = m_selection.GetEnd().m_nLine;
    if (m_bCaretExists && !m_bCaretHidden)
        HideCaret();
    MoveCaretTo(line, column, FALSE);
    if (bScroll)
        ScrollToCaret();
    SetDesiredX();
    m_selection.ExtendTo(m_caret);
    InvalidateLines(std::min(oldEndLine, m_caret.m_nLine), std::max(oldEndLine, m_caret.m_nLine));
    if (m_bCaretExists && !m_bCaretHidden)
        ShowCaret();
}

void SECEditController::SelectRange(int startLine, int startCol, int endLine, int endCol, int mode)
{
    ClearSelection(TRUE);
    MoveCaretTo(startLine, startCol, mode >= SECEDIT_SEL_COLUMN);
    m_selection.Begin(m_caret, mode == SECEDIT_SEL_COLUMN_DRAG ? SECEDIT_SEL_COLUMN : mode);
    MoveCaretTo(endLine, endCol, mode >= SECEDIT_SEL_COLUMN);
    m_selection.ExtendTo(m_caret);
    ScrollToCaret();
    RepaintSelectionLines();
}

void SECEditController::OnSelectAll()
{
    ClearSelection(TRUE);
    MoveDocEnd();
    ExtendSelectionWith(&SECEditController::MoveDocStart);
}

void SECEditController::OnMoveCommand(UINT nID)
{
    if (!GetBuffer())
        return;
    struct Move {
        UINT nID;
        void (SECEditController::*pfn)();
        bool extend;
    };
    static const Move kMoves[] = {
        {ID_SECEDIT_EXTEND_DOC_END, &SECEditController::MoveDocEnd, true},
        {ID_SECEDIT_EXTEND_DOC_START, &SECEditController::MoveDocStart, true},
        {ID_SECEDIT_DOC_END, &SECEditController::MoveDocEnd, false},
        {ID_SECEDIT_DOC_START, &SECEditController::MoveDocStart, false},
        {ID_SECEDIT_UP, &SECEditController::MoveUp, false},
        {ID_SECEDIT_DOWN, &SECEditController::MoveDown, false},
        {ID_SECEDIT_LEFT, &SECEditController::MoveLeft, false},
        {ID_SECEDIT_RIGHT, &SECEditController::MoveRight, false},
        {ID_SECEDIT_EXTEND_UP, &SECEditController::MoveUp, true},
        {ID_SECEDIT_EXTEND_DOWN, &SECEditController::MoveDown, true},
        {ID_SECEDIT_EXTEND_LEFT, &SECEditController::MoveLeft, true},
        {ID_SECEDIT_EXTEND_RIGHT, &SECEditController::MoveRight, true},
        {ID_SECEDIT_PAGE_UP, &SECEditController::MovePageUp, false},
        {ID_SECEDIT_PAGE_DOWN, &SECEditController::MovePageDown, false},
        {ID_SECEDIT_EXTEND_PAGE_UP, &SECEditController::MovePageUp, true},
        {ID_SECEDIT_EXTEND_PAGE_DOWN, &SECEditController::MovePageDown, true},
        {ID_SECEDIT_HOME, &SECEditController::MoveHome, false},
        {ID_SECEDIT_END, &SECEditController::MoveEnd, false},
        {ID_SECEDIT_EXTEND_HOME, &SECEditController::MoveHome, true},
        {ID_SECEDIT_EXTEND_END, &SECEditController::MoveEnd, true},
        {ID_SECEDIT_WORD_LEFT, &SECEditController::MoveWordLeft, false},
        {ID_SECEDIT_WORD_RIGHT, &SECEditController::MoveWordRight, false},
        {ID_SECEDIT_EXTEND_WORD_LEFT, &SECEditController::MoveWordLeft, true},
        {ID_SECEDIT_EXTEND_WORD_RIGHT, &SECEditController::MoveWordRight, true},
    };
    for (const Move &move : kMoves) {
        if (move.nID != nID)
            continue;
        if (move.extend) {
            ExtendSelectionWith(move.pfn);
        } else {
            ClearSelection(TRUE);
            (this->*move.pfn)();
        }
        return;
    }
}
