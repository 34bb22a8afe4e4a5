// Typing and the basic edits: typed characters (UTF-8, byte by byte) with
// undo merging, overwrite, filling virtual space, replacing and deleting
// the selection, Backspace and Delete.
#include "editor/controller/SECEditController.h"
#include "editor/controller/SECEditUpdateLock.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextCommand.h"

#include "framework/base/Mbcs.h"

namespace {

const unsigned char *Bytes(LPCTSTR text)
{
    return reinterpret_cast<const unsigned char *>(text);
}

} // namespace

// ---- Typed characters

void SECEditController::OnChar(UINT nChar, UINT, UINT)
{
    if (!CanChangeText())
        return;
    const auto byte = static_cast<unsigned char>(nChar & 0xFF);
    const MbTypedChars::Ready ready = m_typedChars.Add(byte);
    // Bytes the typed byte could not continue go in unchanged.
    if (!ready.flushed.empty())
        InsertText(CString(ready.flushed));
    // A control character types nothing.
    if (ready.character.empty() || byte < 32)
        return;
    InsertText(CString(ready.character));
}

void SECEditController::InsertText(const CString &text)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || text.IsEmpty())
        return;
    if (pBuffer->IsCompoundOpen())
        pBuffer->SetCompound(FALSE);
    if (m_caret.m_nCol > pBuffer->GetLineTextLength(m_caret.m_nLine)) {
        m_nTypingSerial = 0;
        ExpandToVirtualColumn();
    }
    if (pBuffer->GetOvertype()) {
        m_nTypingSerial = 0;
        if (m_caret.m_nCol >= pBuffer->GetLineTextLength(m_caret.m_nLine)) {
            ReplaceSelection(text, FALSE);
            return;
        }
        SECEditCompoundScope group(*pBuffer);
        SECEditUpdateLock lock(*this);
        const BOOL bHadSelection = HasSelection();
        ReplaceSelection(text, FALSE);
        if (!bHadSelection)
            DeleteAtCaret();
        return;
    }
    const bool oneCharacter = MbCharLength(Bytes(text), static_cast<size_t>(text.GetLength())) == text.GetLength();
    if (HasSelection() || !oneCharacter) {
        m_nTypingSerial = 0;
        ReplaceSelection(text, FALSE);
        return;
    }
    TypeCharacter(text);
}

bool SECEditController::ContinuesTypingRun(const CString &text)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    SECEditCommand *pTop = pBuffer->GetUndoTop();
    // Only the insert record on top, and only the one the run made: a
    // freed record's address may come back for another record, its serial
    // number never does.
    if (m_nTypingSerial == 0 || !pTop || pTop->GetSerial() != m_nTypingSerial ||
        pTop->GetTypeId() != SECEditCommand::kTextCommandId)
        return false;
    auto *pRecord = static_cast<SECEditTextCommand *>(pTop);
    const SECEditRange range = pRecord->GetRange().Normalized();
    if (!pRecord->IsInsertion() || !pRecord->IsTextPresent() || pRecord->GetText().IsEmpty() ||
        range.m_start.m_nLine != range.m_end.m_nLine)
        return false;
    if (m_caret.m_nLine != range.m_start.m_nLine ||
        range.m_start.m_nCol + pRecord->GetText().GetLength() != m_caret.m_nCol)
        return false;
    const CString &first = pRecord->GetText();
    return pBuffer->CharClass(first, first.GetLength(), FALSE) == pBuffer->CharClass(text, text.GetLength(), FALSE);
}

void SECEditController::TypeCharacter(const CString &text)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    const bool continues = ContinuesTypingRun(text);
    const SECEditPosition at = m_caret;
    auto *pRecord = new SECEditTextCommand(pBuffer, SECEditRange(at, at), TRUE, text);
    if (!pRecord->Execute()) {
        delete pRecord;
        m_nTypingSerial = 0;
        return;
    }
    const SECEditRange range = pRecord->GetRange().Normalized();
    const int line = at.m_nLine;
    const bool plain = range.m_start == at && range.m_end == SECEditPosition(line, at.m_nCol + text.GetLength());
    const int width = pBuffer->ConvertColumn(pBuffer->GetLineTextLength(line), FALSE, line, nullptr);
    if (!plain || width > pBuffer->GetMaxLineWidth()) {
        // Too wide: the buffer's ordinary insert breaks the line and
        // records the step itself.
        pRecord->Unexecute();
        delete pRecord;
        m_nTypingSerial = 0;
        pBuffer->InsertText(line, at.m_nCol, text, text.GetLength());
        return;
    }
    if (continues && !pBuffer->IsAtSavedState()) {
        auto *pTop = static_cast<SECEditTextCommand *>(pBuffer->GetUndoTop());
        const SECEditRange run = pTop->GetRange().Normalized();
        auto *pMerged =
            new SECEditTextCommand(pBuffer, SECEditRange(run.m_start, range.m_end), TRUE, pTop->GetText() + text);
        delete pBuffer->PopUndoTop();
        delete pRecord;
        pBuffer->AddCommand(pMerged);
        m_nTypingSerial = pMerged->GetSerial();
        return;
    }
    pBuffer->AddCommand(pRecord);
    m_nTypingSerial = pRecord->GetSerial();
}

// ---- Virtual space

CString SECEditController::GapWhitespace(int start, int gap)
{
    CString fill;
    SECEditLangConfig *pConfig = GetLangConfig();
    const int tabSize = std::max(1, GetBuffer()->GetTabSize());
    if (gap <= 0)
        return fill;
    const int toStop = tabSize - start % tabSize;
    if ((pConfig && pConfig->GetReplaceTabs()) || gap < toStop) {
        for (int i = 0; i < gap; ++i)
            fill += ' ';
        return fill;
    }
    fill += '\t';
    const int rest = gap - toStop;
    for (int i = 0; i < rest / tabSize; ++i)
        fill += '\t';
    for (int i = 0; i < rest % tabSize; ++i)
        fill += ' ';
    return fill;
}

void SECEditController::ExpandToVirtualColumn()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    const int line = m_caret.m_nLine;
    const int length = pBuffer->GetLineTextLength(line);
    if (m_caret.m_nCol <= length)
        return;
    const int gap = m_caret.m_nCol - length;
    const CString fill = GapWhitespace(pBuffer->ConvertColumn(length, FALSE, line, nullptr), gap);
    m_caret.m_nCol = length;
    const SECEditSelection saved = m_selection;
    pBuffer->InsertText(line, length, fill, fill.GetLength());
    m_selection = saved;
    if (!m_bCaretExists)
        MoveCaretTo(line, length + fill.GetLength(), FALSE);
}

BOOL SECEditController::InsertRange(SECEditRange &range, LPCTSTR text, int length)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return FALSE;
    if (length < 0)
        length = static_cast<int>(strlen(text));
    const int line = range.m_start.m_nLine;
    const int lineLength = pBuffer->GetLineTextLength(line);
    if (range.m_start.m_nCol > lineLength) {
        const CString fill =
            GapWhitespace(pBuffer->ConvertColumn(lineLength, FALSE, line, nullptr), range.m_start.m_nCol - lineLength);
        pBuffer->InsertText(line, lineLength, fill, fill.GetLength());
        range.m_start.m_nCol = pBuffer->GetLineTextLength(line);
        range.m_end = range.m_start;
    }
    return pBuffer->InsertText(range, text, length);
}

BOOL SECEditController::InsertAt(int line, int column, LPCTSTR text, int length)
{
    SECEditRange range(line, column, line, column);
    return InsertRange(range, text, length);
}

// ---- The selection

SECEditPosition SECEditController::DeleteSelection()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || !HasSelection())
        return m_caret;
    const SECEditPosition start = m_selection.GetStart();
    const SECEditPosition finish = m_selection.GetFinish();
    SECEditPosition result = start;
    if (m_selection.GetMode() == SECEDIT_SEL_COLUMN) {
        SECEditCompoundScope group(*pBuffer);
        const int x1 = PositionToPoint(m_selection.GetAnchor()).x;
        const int x2 = PositionToPoint(m_selection.GetEnd()).x;
        const SECEditSelection saved = m_selection;
        const BOOL bOldExact = m_bExactHits;
        m_bExactHits = TRUE;
        for (int line = start.m_nLine; line <= finish.m_nLine; ++line) {
            const int y = line * (GetMetrics() ? GetMetrics()->GetLineHeight() : 0);
            const int length = pBuffer->GetLineTextLength(line);
            const int c1 = std::min(PointToPosition(CPoint(std::min(x1, x2), y), TRUE).m_nCol, length);
            const int c2 = std::min(PointToPosition(CPoint(std::max(x1, x2), y), TRUE).m_nCol, length);
            if (line == start.m_nLine)
                result = SECEditPosition(line, c1);
            if (c2 > c1)
                pBuffer->DeleteText(line, c1, line, c2);
            m_selection = saved;
        }
        m_bExactHits = bOldExact;
    } else {
        SECEditPosition end = finish;
        if (m_selection.GetMode() == SECEDIT_SEL_LINES) {
            result = SECEditPosition(start.m_nLine, 0);
            end = finish.m_nLine < pBuffer->GetLastLine()
                      ? SECEditPosition(finish.m_nLine + 1, 0)
                      : SECEditPosition(finish.m_nLine, pBuffer->GetLineTextLength(finish.m_nLine));
            if (finish.m_nCol == 0 && finish.m_nLine > start.m_nLine)
                end = SECEditPosition(finish.m_nLine, 0);
        }
        const int endLength = pBuffer->GetLineTextLength(end.m_nLine);
        end.m_nCol = std::min(end.m_nCol, endLength);
        result.m_nCol = std::min(result.m_nCol, pBuffer->GetLineTextLength(result.m_nLine));
        if (result != end)
            pBuffer->DeleteText(result.m_nLine, result.m_nCol, end.m_nLine, end.m_nCol);
    }
    m_selection.Clear();
    return result;
}

void SECEditController::ReplaceSelection(const CString &text, BOOL bColumnBlock)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return;
    // Guards: every way out closes the group it opened and unlocks.
    SECEditCompoundScope group(*pBuffer);
    SECEditUpdateLock lock(*this);
    const SECEditPosition at = DeleteSelection();
    if (!text.IsEmpty()) {
        if (bColumnBlock) {
            InsertColumnBlock(at, text);
            return;
        }
        if (!m_bCaretExists)
            m_caret = at;
        InsertAt(at.m_nLine, at.m_nCol, text, text.GetLength());
        if (!m_bCaretExists)
            MoveCaretTo(m_caret.m_nLine, m_caret.m_nCol + text.GetLength(), FALSE);
    }
}

// ---- Delete and Backspace

void SECEditController::DeleteAtCaret()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (HasSelection()) {
        ReplaceSelection(CString(), FALSE);
        return;
    }
    const int line = m_caret.m_nLine;
    if (line == pBuffer->GetLastLine() && m_caret.m_nCol >= pBuffer->GetLineTextLength(line))
        return;
    ExpandToVirtualColumn();
    CString holder;
    const char *text = nullptr;
    const int length = LineText(m_caret.m_nLine, holder, &text);
    SECEditPosition end(m_caret.m_nLine + 1, 0);
    if (m_caret.m_nCol < length)
        end = SECEditPosition(
            m_caret.m_nLine,
            m_caret.m_nCol + MbCharLength(Bytes(text) + m_caret.m_nCol, static_cast<size_t>(length - m_caret.m_nCol)));
    ScrollToCaret();
    pBuffer->DeleteText(m_caret.m_nLine, m_caret.m_nCol, end.m_nLine, end.m_nCol);
}

void SECEditController::Backspace()
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (HasSelection()) {
        ReplaceSelection(CString(), FALSE);
        return;
    }
    if (m_caret.m_nLine == 0 && m_caret.m_nCol == 0)
        return;
    const int length = pBuffer->GetLineTextLength(m_caret.m_nLine);
    if (m_caret.m_nCol > length) {
        MoveCaretTo(m_caret.m_nLine, length, FALSE);
        return;
    }
    MoveLeft();
    DeleteAtCaret();
    ScrollToCaret();
}

void SECEditController::OnDelete()
{
    if (CanChangeText())
        DeleteAtCaret();
}

void SECEditController::OnBackspace()
{
    if (CanChangeText())
        Backspace();
}
