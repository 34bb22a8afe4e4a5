// Words: runs of characters of one class (blanks, the language's
// delimiters, everything else), word moves and selecting the word at the
// caret.
#include "editor/controller/SECEditController.h"

#include "editor/text/SECEditTextBuffer.h"

#include "framework/base/Mbcs.h"

namespace {

enum { kBlank = 0, kDelimiter = 1, kWord = 2 };

const unsigned char *Bytes(const char *text)
{
    return reinterpret_cast<const unsigned char *>(text);
}

} // namespace

BOOL SECEditController::GetWordAt(CString &out, int line, int column, BOOL bAfter, SECEditPosition &farEnd)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    out.Empty();
    if (!pBuffer || line < 0 || line > pBuffer->GetLastLine())
        return FALSE;
    CString holder;
    const char *text = nullptr;
    const int length = LineText(line, holder, &text);
    column = std::max(0, std::min(column, length));
    if (bAfter) {
        if (column == length) {
            // The line break is the run; it ends on the next line.
            if (line >= pBuffer->GetLastLine())
                return FALSE;
            out = pBuffer->GetLineBreak();
            farEnd = SECEditPosition(line + 1, 0);
            return TRUE;
        }
        const int cls = pBuffer->CharClass(text + column, length - column, TRUE);
        int end = column;
        while (end < length && pBuffer->CharClass(text + end, length - end, TRUE) == cls)
            end += MbCharLength(Bytes(text) + end, static_cast<size_t>(length - end));
        out = CString(text + column, end - column);
        farEnd = SECEditPosition(line, end);
        return TRUE;
    }
    if (column == 0) {
        if (line == 0)
            return FALSE;
        out = pBuffer->GetLineBreak();
        farEnd = SECEditPosition(line - 1, pBuffer->GetLineTextLength(line - 1));
        return TRUE;
    }
    size_t start = MbPreviousCharStart(Bytes(text), static_cast<size_t>(column));
    const int cls = pBuffer->CharClass(text + start, length - static_cast<int>(start), TRUE);
    while (start > 0) {
        const size_t before = MbPreviousCharStart(Bytes(text), start);
        if (pBuffer->CharClass(text + before, length - static_cast<int>(before), TRUE) != cls)
            break;
        start = before;
    }
    out = CString(text + start, column - static_cast<int>(start));
    farEnd = SECEditPosition(line, static_cast<int>(start));
    return TRUE;
}

BOOL SECEditController::GetWordAtCaret(CString &out)
{
    int start = 0, end = 0;
    return GetTokenAt(out, m_caret.m_nLine, m_caret.m_nCol, start, end);
}

SECEditPosition SECEditController::PreviousWordStart()
{
    CString run;
    SECEditPosition start = m_caret;
    if (!GetWordAt(run, m_caret.m_nLine, m_caret.m_nCol, FALSE, start))
        return m_caret;
    const bool otherLine = start.m_nLine != m_caret.m_nLine;
    const bool blank = !run.IsEmpty() && (run[0] == ' ' || run[0] == '\t');
    if ((start.m_nCol > 0 && blank && !otherLine) || otherLine) {
        SECEditPosition further = start;
        if (GetWordAt(run, start.m_nLine, start.m_nCol, FALSE, further))
            start = further;
    }
    return start;
}

SECEditPosition SECEditController::NextWordStart()
{
    CString run;
    SECEditPosition end = m_caret;
    if (!GetWordAt(run, m_caret.m_nLine, m_caret.m_nCol, TRUE, end))
        return m_caret;
    if (end.m_nLine == m_caret.m_nLine && end.m_nCol < GetBuffer()->GetLineTextLength(end.m_nLine)) {
        SECEditPosition further = end;
        if (GetWordAt(run, end.m_nLine, end.m_nCol, TRUE, further) && (run[0] == ' ' || run[0] == '\t'))
            end = further;
    }
    return end;
}

void SECEditController::MoveWordLeft()
{
    const SECEditPosition target = PreviousWordStart();
    MoveCaretTo(target.m_nLine, target.m_nCol, FALSE);
    ScrollToCaret();
    SetDesiredX();
}

void SECEditController::MoveWordRight()
{
    const SECEditPosition target = NextWordStart();
    MoveCaretTo(target.m_nLine, target.m_nCol, FALSE);
    ScrollToCaret();
    SetDesiredX();
}

BOOL SECEditController::GetTokenAt(CString &out, int line, int column, int &start, int &end)
{
    out.Empty();
    start = end = -1;
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || line < 0 || line > pBuffer->GetLastLine())
        return FALSE;
    CString holder;
    const char *text = nullptr;
    const int length = LineText(line, holder, &text);
    if (length == 0)
        return FALSE;
    column = std::max(0, std::min(column, length));

    // The two sides: [beforeStart, column) and [column, afterEnd).
    CString before, after;
    SECEditPosition beforeStart(line, column), afterEnd(line, column);
    bool useBefore = column > 0 && GetWordAt(before, line, column, FALSE, beforeStart);
    bool useAfter = column < length && GetWordAt(after, line, column, TRUE, afterEnd);
    if (useBefore && (before.IsEmpty() || before[before.GetLength() - 1] == ' '))
        useBefore = false;
    if (useAfter && (after.IsEmpty() || after[0] == ' '))
        useAfter = false;
    int bStart = beforeStart.m_nCol, aEnd = afterEnd.m_nCol;
    // A tab next to the position stands alone.
    if (useBefore && before[before.GetLength() - 1] == '\t')
        bStart = column - 1;
    if (useAfter && after[0] == '\t')
        aEnd = column + 1;
    if (!useBefore && !useAfter)
        return FALSE;
    if (useBefore && useAfter) {
        const int beforeClass = pBuffer->CharClass(text + bStart, length - bStart, TRUE);
        const int afterClass = pBuffer->CharClass(text + column, length - column, TRUE);
        // Blanks and delimiters next to the position are taken one at a time.
        if (beforeClass != kWord)
            bStart = static_cast<int>(MbPreviousCharStart(Bytes(text), static_cast<size_t>(column)));
        if (afterClass != kWord)
            aEnd = column + MbCharLength(Bytes(text) + column, static_cast<size_t>(length - column));
        if (beforeClass == kWord && afterClass == kWord) {
            start = bStart;
            end = aEnd;
        } else {
            start = column;
            end = aEnd;
        }
    } else if (useBefore) {
        start = bStart;
        end = column;
    } else {
        start = column;
        end = aEnd;
    }
    out = CString(text + start, end - start);
    return !out.IsEmpty();
}

void SECEditController::SelectWordAtCaret()
{
    CString word;
    int start = -1, end = -1;
    if (!GetTokenAt(word, m_caret.m_nLine, m_caret.m_nCol, start, end) || start < 0 || end < 0 || start == end)
        return;
    ClearSelection(TRUE);
    m_selection.Begin(SECEditPosition(m_caret.m_nLine, start), SECEDIT_SEL_STREAM);
    m_selection.ExtendTo(SECEditPosition(m_caret.m_nLine, end));
    MoveCaretTo(m_caret.m_nLine, end, FALSE);
    RepaintSelectionLines();
}

void SECEditController::OnSelectWord()
{
    SelectWordAtCaret();
}
