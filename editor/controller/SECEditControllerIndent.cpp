// Tab and Shift+Tab: tabs, tab-stop moves, and indenting the lines or the
// column block of the selection.
#include "editor/controller/SECEditController.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditTextBuffer.h"

#include <algorithm>

BOOL SECEditController::MakeLineSelection()
{
    if (!HasSelection())
        return FALSE;
    if (m_selection.GetMode() == SECEDIT_SEL_LINES)
        return TRUE;
    const SECEditPosition start = m_selection.GetStart();
    SECEditPosition finish = m_selection.GetFinish();
    if (m_selection.GetMode() != SECEDIT_SEL_STREAM || start.m_nLine == finish.m_nLine)
        return FALSE;
    if (finish.m_nCol == 0)
        finish = SECEditPosition(finish.m_nLine - 1, 0);
    const bool anchorFirst = m_selection.GetAnchor() <= m_selection.GetEnd();
    m_selection.Begin(anchorFirst ? start : finish, SECEDIT_SEL_LINES);
    m_selection.ExtendTo(anchorFirst ? finish : start);
    return TRUE;
}

void SECEditController::PlaceCaretAfterIndent(const SECEditSelection &selection)
{
    // The block stays selected, so that it can be indented again.
    m_selection = selection;
    const SECEditPosition target =
        selection.GetAnchor() <= selection.GetEnd() ? selection.GetFinish() : selection.GetStart();
    MoveCaretTo(target.m_nLine, std::min(target.m_nCol, GetBuffer()->GetLineTextLength(target.m_nLine)), FALSE);
    RepaintSelectionLines();
}

void SECEditController::IndentColumnBlock()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    const SECEditPosition start = m_selection.GetStart();
    const SECEditPosition finish = m_selection.GetFinish();
    const int leftCol = std::min(m_selection.GetAnchor().m_nCol, m_selection.GetEnd().m_nCol);
    const int rightCol = std::max(m_selection.GetAnchor().m_nCol, m_selection.GetEnd().m_nCol);
    SECEditCompoundScope group(*pBuffer);
    DestroyCaret();
    int display = -1;
    int firstLine = -1, lastLine = -1;
    for (int line = start.m_nLine; line <= finish.m_nLine; ++line) {
        if (pBuffer->GetLineTextLength(line) < leftCol)
            continue;
        int col = leftCol;
        if (display < 0)
            display = pBuffer->ConvertColumn(leftCol, FALSE, line, nullptr);
        else
            col = pBuffer->ConvertColumn(display, TRUE, line, nullptr);
        pBuffer->InsertTab(line, col);
        if (firstLine < 0)
            firstLine = line;
        lastLine = line;
    }
    if (firstLine >= 0) {
        m_selection.Begin(SECEditPosition(firstLine, leftCol), SECEDIT_SEL_COLUMN);
        m_selection.ExtendTo(SECEditPosition(lastLine, rightCol + 1));
    }
    CreateCaret(TRUE);
    MoveCaretTo(m_caret.m_nLine, m_caret.m_nCol, FALSE);
    RepaintSelectionLines();
}

void SECEditController::Tab()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    m_nTypingSerial = 0;
    if (HasSelection() && m_selection.GetMode() == SECEDIT_SEL_COLUMN &&
        m_selection.GetStart().m_nLine != m_selection.GetFinish().m_nLine) {
        IndentColumnBlock();
        return;
    }
    if (MakeLineSelection()) {
        const SECEditSelection selection = m_selection;
        SECEditCompoundScope group(*pBuffer);
        LockUpdates(FALSE);
        for (int line = selection.GetStart().m_nLine; line <= selection.GetFinish().m_nLine; ++line)
            if (!pBuffer->IsLineBlank(line))
                pBuffer->InsertTab(line, 0);
        PlaceCaretAfterIndent(selection);
        LockUpdates(TRUE);
        return;
    }
    const int tabSize = std::max(1, pBuffer->GetTabSize());
    const int length = pBuffer->GetLineTextLength(m_caret.m_nLine);
    if (pBuffer->GetOvertype() && m_caret.m_nCol < length) {
        if (tabSize == 1) {
            MoveRight();
            return;
        }
        const int display = pBuffer->ConvertColumn(m_caret.m_nCol, FALSE, m_caret.m_nLine, nullptr);
        const int stop = display + tabSize - display % tabSize;
        MoveCaretTo(m_caret.m_nLine, pBuffer->ConvertColumn(stop, TRUE, m_caret.m_nLine, nullptr), FALSE);
        ScrollToCaret();
        SetDesiredX();
        return;
    }
    SECEditCompoundScope group(*pBuffer);
    ExpandToVirtualColumn();
    pBuffer->InsertTab(m_caret.m_nLine, m_caret.m_nCol);
}

void SECEditController::Unindent()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    m_nTypingSerial = 0;
    if (HasSelection() && m_selection.GetMode() == SECEDIT_SEL_COLUMN)
        return;
    const int tabSize = std::max(1, pBuffer->GetTabSize());
    if (MakeLineSelection()) {
        const SECEditSelection selection = m_selection;
        SECEditCompoundScope group(*pBuffer);
        LockUpdates(FALSE);
        for (int line = selection.GetStart().m_nLine; line <= selection.GetFinish().m_nLine; ++line) {
            CString holder;
            const char *text = nullptr;
            const int length = LineText(line, holder, &text);
            if (length > 0 && text[0] == '\t') {
                pBuffer->DeleteText(line, 0, line, 1);
                continue;
            }
            for (int i = 0; i < tabSize && i < length && text[i] == ' '; ++i)
                pBuffer->DeleteText(line, 0, line, 1);
        }
        PlaceCaretAfterIndent(selection);
        LockUpdates(TRUE);
        return;
    }
    ClearSelection(TRUE);
    if (m_caret.m_nCol == 0)
        return;
    if (tabSize == 1) {
        MoveLeft();
        return;
    }
    const int display = pBuffer->ConvertColumn(m_caret.m_nCol, FALSE, m_caret.m_nLine, nullptr);
    if (display >= 1 && display <= tabSize - 1) {
        MoveHome();
        return;
    }
    const int back = display % tabSize == 0 ? tabSize : display % tabSize;
    MoveCaretTo(m_caret.m_nLine, pBuffer->ConvertColumn(display - back, TRUE, m_caret.m_nLine, nullptr), FALSE);
    ScrollToCaret();
    SetDesiredX();
}

void SECEditController::OnTab()
{
    if (CanChangeText())
        Tab();
}

void SECEditController::OnUnindent()
{
    if (CanChangeText())
        Unindent();
}
