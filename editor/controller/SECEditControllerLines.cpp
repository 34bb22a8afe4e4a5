// Return with auto-indent, the word deletes and running edit commands.
#include "editor/controller/SECEditController.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditTextBuffer.h"

void SECEditController::NewLine()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    m_nTypingSerial = 0;
    if (pBuffer->GetOvertype()) {
        // Overwrite: only the caret moves, to the next line's smart home.
        if (m_caret.m_nLine < pBuffer->GetLastLine()) {
            MoveCaretTo(m_caret.m_nLine + 1, 0, FALSE);
            MoveHome();
        }
        return;
    }
    const int line = m_caret.m_nLine;
    int rememberedDisplay = -1;
    const CString lineBreak = pBuffer->GetLineBreak();
    if (HasSelection()) {
        ReplaceSelection(lineBreak, FALSE);
    } else {
        const int length = pBuffer->GetLineTextLength(line);
        if (m_caret.m_nCol > length) {
            // A caret in virtual space after a blank line keeps its column
            // as the indent.
            if (pBuffer->LeadingWhitespaceLength(line) >= length)
                rememberedDisplay = pBuffer->ConvertColumn(length, FALSE, line, nullptr) + m_caret.m_nCol - length;
            MoveCaretTo(line, length, FALSE);
        }
        const SECEditPosition at = m_caret;
        pBuffer->InsertText(at.m_nLine, at.m_nCol, lineBreak, lineBreak.GetLength());
        if (!m_bCaretExists)
            MoveCaretTo(at.m_nLine + 1, 0, FALSE);
    }
    SECEditLangConfig *pConfig = GetLangConfig();
    if (!pConfig || !pConfig->GetAutoIndent())
        return;
    int indent = rememberedDisplay;
    if (indent < 0) {
        const int first = pBuffer->LeadingWhitespaceLength(line);
        indent = first > 0 ? pBuffer->ConvertColumn(first, FALSE, line, nullptr) : 0;
    }
    if (indent <= 0)
        return;
    const int newLine = m_caret.m_nLine;
    if (pBuffer->GetLineTextLength(newLine) == 0) {
        // The indent waits in virtual space until something is typed.
        MoveCaretTo(newLine, indent, TRUE);
        return;
    }
    const CString fill = GapWhitespace(0, indent);
    pBuffer->InsertText(newLine, m_caret.m_nCol, fill, fill.GetLength());
}

void SECEditController::DeleteWord(BOOL bForward)
{
    const SECEditPosition target = bForward ? NextWordStart() : PreviousWordStart();
    if (target == m_caret)
        return;
    m_selection.Begin(m_caret, SECEDIT_SEL_STREAM);
    m_selection.ExtendTo(target);
    ReplaceSelection(CString(), FALSE);
}

BOOL SECEditController::ExecuteCommand(SECEditCommand *pCommand)
{
    if (!GetBuffer() || !pCommand)
        return FALSE;
    LockUpdates(FALSE);
    const BOOL result = GetBuffer()->ExecuteCommand(pCommand);
    LockUpdates(TRUE);
    return result;
}

void SECEditController::OnReturn()
{
    if (CanChangeText())
        NewLine();
}

void SECEditController::OnDeleteWordBack()
{
    if (CanChangeText() && !HasSelection())
        DeleteWord(FALSE);
    else if (CanChangeText())
        ReplaceSelection(CString(), FALSE);
}

void SECEditController::OnDeleteWord()
{
    if (CanChangeText() && !HasSelection())
        DeleteWord(TRUE);
    else if (CanChangeText())
        ReplaceSelection(CString(), FALSE);
}
