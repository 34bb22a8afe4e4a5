// Case commands, deleting whole lines, the language dialog and the input
// method's composition.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditCaseMap.h"
#include "editor/langdialogs/SECEditFontColorDlg.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"

#include <algorithm>

namespace {

// The Configure Language command shows the Font and Color Settings dialog.
const bool kFontColorDialogInstalled = [] {
    SECEditInstallFontColorDialog();
    return true;
}();

} // namespace

void SECEditController::GetBlockSpan(int line, int &startCol, int &endCol)
{
    const int x1 = PositionToPoint(m_selection.GetAnchor()).x;
    const int x2 = PositionToPoint(m_selection.GetEnd()).x;
    const int y = line * (GetMetrics() ? GetMetrics()->GetLineHeight() : 0);
    const BOOL bOldExact = m_bExactHits;
    m_bExactHits = TRUE;
    const int length = GetBuffer()->GetLineTextLength(line);
    startCol = std::min(PointToPosition(CPoint(std::min(x1, x2), y), TRUE).m_nCol, length);
    endCol = std::min(PointToPosition(CPoint(std::max(x1, x2), y), TRUE).m_nCol, length);
    m_bExactHits = bOldExact;
}

void SECEditController::ChangeBlockCase(bool bUpper)
{
    // Each row's span is converted where it stands; the block stays.
    SECEditTextBuffer *pBuffer = GetBuffer();
    const SECEditSelection saved = m_selection;
    const SECEditPosition caret = m_caret;
    SECEditCompoundScope group(*pBuffer);
    LockUpdates(FALSE);
    for (int line = saved.GetStart().m_nLine; line <= saved.GetFinish().m_nLine; ++line) {
        m_selection = saved;
        int c1 = 0, c2 = 0;
        GetBlockSpan(line, c1, c2);
        if (c2 <= c1)
            continue;
        CString text;
        pBuffer->GetText(text, line, c1, line, c2);
        const CString converted = SECEditChangeCase(text, bUpper);
        if (converted == text)
            continue;
        pBuffer->DeleteText(line, c1, line, c2);
        pBuffer->InsertText(line, c1, converted, converted.GetLength());
    }
    m_selection = saved;
    MoveCaretTo(caret.m_nLine, caret.m_nCol, TRUE);
    LockUpdates(TRUE);
    RepaintSelectionLines();
}

void SECEditController::ChangeCase(bool bUpper)
{
    if (!HasSelection())
        return;
    m_nTypingSerial = 0;
    if (m_selection.GetMode() == SECEDIT_SEL_COLUMN) {
        ChangeBlockCase(bUpper);
        return;
    }
    const SECEditSelection saved = m_selection;
    const CString converted = SECEditChangeCase(GetSelectionText(), bUpper);
    SECEditPosition start = saved.GetStart();
    if (saved.GetMode() == SECEDIT_SEL_LINES)
        start.m_nCol = 0;
    // The selection is replaced as plain text; afterwards the same range,
    // ending where the converted text ends, is selected again.
    ReplaceSelection(converted, FALSE);
    SECEditPosition end = m_caret;
    if (!m_bCaretExists) {
        end = start;
        for (int i = 0; i < converted.GetLength(); ++i) {
            if (converted[i] == '\n') {
                ++end.m_nLine;
                end.m_nCol = 0;
            } else if (converted[i] != '\r') {
                ++end.m_nCol;
            }
        }
    }
    const bool anchorFirst = saved.GetAnchor() <= saved.GetEnd();
    if (saved.GetMode() == SECEDIT_SEL_LINES) {
        m_selection = saved;
    } else {
        m_selection.Begin(anchorFirst ? start : end, saved.GetMode());
        m_selection.ExtendTo(anchorFirst ? end : start);
    }
    MoveCaretTo(m_selection.GetEnd().m_nLine, m_selection.GetEnd().m_nCol, FALSE);
    RepaintSelectionLines();
}

void SECEditController::DeleteLines()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    int first = m_caret.m_nLine, last = m_caret.m_nLine;
    if (HasSelection()) {
        first = m_selection.GetStart().m_nLine;
        last = m_selection.GetFinish().m_nLine;
    }
    m_selection.Clear();
    // The lines with their line breaks; the document's last line takes the
    // break before it instead.
    SECEditPosition start(first, 0);
    SECEditPosition end(last + 1, 0);
    if (last >= pBuffer->GetLastLine()) {
        end = SECEditPosition(last, pBuffer->GetLineTextLength(last));
        if (first > 0)
            start = SECEditPosition(first - 1, pBuffer->GetLineTextLength(first - 1));
    }
    if (start != end)
        pBuffer->DeleteText(start.m_nLine, start.m_nCol, end.m_nLine, end.m_nCol);
}

void SECEditController::OnLowerCase()
{
    if (CanChangeText())
        ChangeCase(false);
}

void SECEditController::OnUpperCase()
{
    if (CanChangeText())
        ChangeCase(true);
}

void SECEditController::OnDeleteLines()
{
    if (CanChangeText())
        DeleteLines();
}

void SECEditController::OnConfigureLanguage()
{
    if (!GetBuffer())
        return;
    DestroyCaret();
    GetBuffer()->ShowFontColorDialog();
    CreateCaret(TRUE);
    MoveCaretTo(m_caret.m_nLine, m_caret.m_nCol, FALSE);
    ScrollToCaret();
}

LRESULT SECEditController::OnImeStartComposition(WPARAM, LPARAM)
{
    // The composition window follows the caret, which the framework
    // reports to the input method; the caret itself goes while composing.
    DestroyCaret();
    ScrollToCaret();
    RequestDefault();
    return Default();
}

LRESULT SECEditController::OnImeEndComposition(WPARAM, LPARAM)
{
    CreateCaret(TRUE);
    MoveCaretTo(m_caret.m_nLine, m_caret.m_nCol, FALSE);
    RequestDefault();
    return Default();
}
