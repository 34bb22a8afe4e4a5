// The text buffer's text operations: inserting and deleting with their undo
// records, breaking lines that grow too wide, and column arithmetic.
#include "editor/text/SECEditTextBuffer.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextCommand.h"
#include "editor/text/SECEditTextStore.h"

#include "framework/base/Mbcs.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// Reading

int SECEditTextBuffer::GetLineCount()
{
    return m_pStore ? m_pStore->GetLineCount() : 0;
}

int SECEditTextBuffer::GetLineLength(int line)
{
    return m_pStore ? m_pStore->GetLineLength(line) : -1;
}

int SECEditTextBuffer::GetLineTextLength(int line)
{
    return m_pStore ? m_pStore->GetLineTextLength(line) : -1;
}

int SECEditTextBuffer::GetLineText(int line, CString &holder, char **out)
{
    const int length = GetLineTextLength(line);
    if (length < 0 || !out)
        return -1;
    if (length == 0) {
        holder.Empty();
        *out = holder.GetBuffer(0);
        return 0;
    }
    if (m_pStore->GetTextPointer(out, line, 0, line, length) < 0) {
        m_pStore->GetText(holder, line, 0, line, length);
        *out = holder.GetBuffer(0);
    }
    return length;
}

BOOL SECEditTextBuffer::GetText(CString &out, int line1, int col1, int line2, int col2)
{
    if (!m_pStore) {
        out.Empty();
        return FALSE;
    }
    return m_pStore->GetText(out, line1, col1, line2, col2);
}

int SECEditTextBuffer::GetTextPointer(char **out, int line1, int col1, int line2, int col2)
{
    return m_pStore ? m_pStore->GetTextPointer(out, line1, col1, line2, col2) : -1;
}

int SECEditTextBuffer::Find(int startLine, int startCol, int *outLine, int *outCol, LPCTSTR pattern, BOOL bForward,
                            BOOL bWrap, BOOL bMatchCase, BOOL bWholeWord, BOOL bRegularExpression, int endLine,
                            int endCol)
{
    if (!m_pStore)
        return -1;
    return m_pStore->Find(startLine, startCol, outLine, outCol, pattern, bForward, bWrap, bMatchCase, bWholeWord,
                          bRegularExpression, endLine, endCol);
}

SECEditPosition SECEditTextBuffer::GetEndPosition()
{
    const int last = GetLastLine();
    return SECEditPosition(std::max(last, 0), last >= 0 ? GetLineLength(last) : 0);
}

CString SECEditTextBuffer::GetAllText()
{
    CString text;
    const SECEditPosition end = GetEndPosition();
    GetText(text, 0, 0, end.m_nLine, end.m_nCol);
    return text;
}

void SECEditTextBuffer::SetText(LPCTSTR text, int count)
{
    Initialize();
    SECEditRange range(0, 0, 0, 0);
    InsertText(range, text, count);
    ClearUndo();
    m_bModified = TRUE;
}

CString SECEditTextBuffer::GetLineBreak()
{
    CString lineBreak;
    if (m_pStore && m_pStore->GetReturnChar() != 0)
        lineBreak += static_cast<char>(m_pStore->GetReturnChar());
    lineBreak += static_cast<char>(m_pStore ? m_pStore->GetNewlineChar() : kSecLineFeed);
    return lineBreak;
}

// The bytes of a line before its line break: for a CR LF line both bytes are
// the break, whatever stray CRs the line holds before them.
int SECEditTextBuffer::DeletionEndLimit(int line)
{
    const int length = GetLineLength(line);
    if (length < 0)
        return -1;
    if (line == GetLastLine() || length == 0)
        return length;
    int limit = length - 1;
    const BYTE returnChar = m_pStore->GetReturnChar();
    if (returnChar != 0 && limit > 0) {
        CString last;
        m_pStore->GetText(last, line, limit - 1, line, limit);
        if (static_cast<BYTE>(last[0]) == returnChar)
            --limit;
    }
    return limit;
}

// ---------------------------------------------------------------------------
// Inserting

BOOL SECEditTextBuffer::InsertText(int line, int col, LPCTSTR text, int count)
{
    SECEditRange range(line, col, line, col);
    return InsertText(range, text, count);
}

BOOL SECEditTextBuffer::InsertText(SECEditRange &range, LPCTSTR text, int count)
{
    if (!m_pStore)
        return FALSE;
    // A column right after a line's break is the start of the next line:
    // the record must name the place where the text really goes.
    const int lineLength = GetLineLength(range.m_start.m_nLine);
    if (lineLength > 0 && range.m_start.m_nCol == lineLength && range.m_start.m_nLine < GetLastLine())
        range.m_start = SECEditPosition(range.m_start.m_nLine + 1, 0);
    const SECEditPosition start = range.m_start;
    const int textLength = GetLineTextLength(start.m_nLine);
    const int leading = textLength > 0 ? LeadingWhitespaceLength(start.m_nLine) : 0;
    const BOOL inLeading = (textLength > 0 && leading < textLength) ? start.m_nCol <= leading : start.m_nCol == 0;
    // A failed insertion changes nothing, records nothing and tells nobody.
    if (!m_pStore->InsertText(range, text, count))
        return FALSE;
    m_bEditInLeadingWhitespace = inLeading;
    DropRegionsFrom(start, range.m_end.m_nLine - start.m_nLine);
    if (!m_bBreakingLines && !m_bKeepWideLines)
        BreakInsertedLines(range);
    OnUpdate(nullptr, MakeInsertCommand(range));
    return TRUE;
}

BOOL SECEditTextBuffer::IsLineTooWide(int line)
{
    const long long length = DeletionEndLimit(line);
    if (length * GetTabSize() <= m_nMaxLineWidth)
        return FALSE;
    return DisplayWidth(line) > m_nMaxLineWidth;
}

int SECEditTextBuffer::DisplayWidth(int line)
{
    return ConvertColumn(DeletionEndLimit(line), FALSE, line, nullptr);
}

// Where a too wide line of an inserted range is cut: at the widest column
// allowed, or at the end of the inserted text when that still fits; never
// before the insertion point, so the break is always part of the record.
int SECEditTextBuffer::BreakColumn(int line, const SECEditRange &range)
{
    int col = ConvertColumn(m_nMaxLineWidth, TRUE, line, nullptr);
    if (line == range.m_end.m_nLine && ConvertColumn(range.m_end.m_nCol, FALSE, line, nullptr) <= m_nMaxLineWidth)
        col = range.m_end.m_nCol;
    col = AlignColumn(line, col, FALSE);
    if (line == range.m_start.m_nLine)
        col = std::max(col, range.m_start.m_nCol);
    return col;
}

void SECEditTextBuffer::BreakInsertedLines(SECEditRange &range)
{
    const CString lineBreak = GetLineBreak();
    for (int line = range.m_start.m_nLine; line <= range.m_end.m_nLine; ++line) {
        if (!IsLineTooWide(line))
            continue;
        const int col = BreakColumn(line, range);
        if (col <= 0 || col >= DeletionEndLimit(line))
            continue;
        SECEditRange inserted(line, col, line, col);
        if (!m_pStore->InsertText(inserted, lineBreak, lineBreak.GetLength()))
            return;
        // The rest of the line moves to the next line; so does the range's
        // end (and its start, when the break came before it).
        if (range.m_end.m_nLine == line && range.m_end.m_nCol >= col)
            range.m_end = SECEditPosition(line + 1, range.m_end.m_nCol - col);
        else
            ++range.m_end.m_nLine;
        if (range.m_start.m_nLine == line && range.m_start.m_nCol > col)
            range.m_start = SECEditPosition(line + 1, range.m_start.m_nCol - col);
    }
}

// ---------------------------------------------------------------------------
// Deleting

BOOL SECEditTextBuffer::DeleteText(int line1, int col1, int line2, int col2)
{
    if (!m_pStore)
        return FALSE;
    SECEditRange range = SECEditRange(line1, col1, line2, col2).Normalized();
    const int endLimit = DeletionEndLimit(range.m_end.m_nLine);
    const int startLimit = DeletionEndLimit(range.m_start.m_nLine);
    if (endLimit < 0 || startLimit < 0 || range.m_start.m_nCol < 0)
        return FALSE;
    // A record being undone or redone deletes its own range whole, whatever
    // bytes it holds; a new deletion stops at the line break.
    if (!m_pExecuting) {
        range.m_end.m_nCol = std::min(range.m_end.m_nCol, endLimit);
        range.m_start.m_nCol = std::min(range.m_start.m_nCol, startLimit);
    }
    if (range.m_end < range.m_start)
        return FALSE;

    const BOOL inLeading = !(LeadingWhitespaceLength(range.m_start.m_nLine) < range.m_start.m_nCol ||
                             range.m_end.m_nCol >= GetLineTextLength(range.m_end.m_nLine));
    SECEditTextCommand *record = m_pExecuting;
    if (!record) {
        CString text;
        if (!GetText(text, range.m_start.m_nLine, range.m_start.m_nCol, range.m_end.m_nLine, range.m_end.m_nCol))
            return FALSE;
        record = new SECEditTextCommand(this, range, FALSE, text);
    }
    if (!m_pStore->DeleteExactly(range)) {
        if (record != m_pExecuting)
            delete record;
        return FALSE;
    }
    m_bEditInLeadingWhitespace = inLeading;
    DropRegionsFrom(range.m_start, 0);
    if (record == m_pExecuting) {
        OnUpdate(nullptr, record);
        return TRUE;
    }
    if (!m_bKeepWideLines && IsLineTooWide(range.m_start.m_nLine)) {
        // The joined line is too wide: it is broken again where it was
        // joined, and both edits undo as one.
        SECEditCompoundScope compound(*this);
        AddCommand(record);
        OnUpdate(nullptr, record);
        const CString lineBreak = GetLineBreak();
        InsertText(range.m_start.m_nLine, range.m_start.m_nCol, lineBreak, lineBreak.GetLength());
        return TRUE;
    }
    AddCommand(record);
    OnUpdate(nullptr, record);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Caches after a change

void SECEditTextBuffer::OnTextCommand(SECEditTextCommand *pRecord)
{
    if (pRecord == m_pSwapDeletion || pRecord == m_pSwapInsertion) {
        if (pRecord == m_pSwapDeletion) {
            const SECEditRange removed = m_pSwapDeletion->GetRange().Normalized();
            const SECEditRange added = m_pSwapInsertion->GetRange().Normalized();
            OnLinesSwapped(removed.m_start.m_nLine, removed.m_end.m_nLine - removed.m_start.m_nLine,
                           added.m_end.m_nLine - added.m_start.m_nLine, removed.m_start != removed.m_end,
                           added.m_start != added.m_end);
        }
        Notify(nullptr, pRecord);
        return;
    }
    const SECEditRange range = pRecord->GetRange().Normalized();
    if (range.m_start == range.m_end) {
        Notify(nullptr, pRecord);
        return;
    }
    const int first = range.m_start.m_nLine;
    const int last = range.m_end.m_nLine;
    const int count = last - first;
    if (pRecord->IsTextPresent()) {
        if (count > 0) {
            InsertCacheRows(first, count);
            InsertLineSlots(first, count, m_bEditInLeadingWhitespace);
        }
        for (int line = first; line <= last; ++line)
            GetLineObject(line)->SetMark(kMarkEdited, TRUE);
    } else {
        // The slots go first, so that the mark lands on the line object the
        // joined line keeps.
        if (count > 0) {
            RemoveCacheRows(first + 1, last);
            if (m_bEditInLeadingWhitespace)
                RemoveLineSlots(first, last - 1);
            else
                RemoveLineSlots(first + 1, last);
        }
        GetLineObject(first)->SetMark(kMarkEdited, TRUE);
    }
    DeleteRow(first);
    m_nColoredUpTo = std::min(m_nColoredUpTo, first);
    Notify(nullptr, pRecord);
}

// ---------------------------------------------------------------------------
// Long lines

BOOL SECEditTextBuffer::BreakLongLines(BOOL bDoIt, int firstLine, int lastLine)
{
    if (!m_pStore)
        return FALSE;
    if (lastLine < 0)
        lastLine = GetLastLine();
    BOOL changed = FALSE;
    const CString lineBreak = GetLineBreak();
    for (int line = std::max(firstLine, 0); line <= lastLine && line <= GetLastLine(); ++line) {
        if (!IsLineTooWide(line))
            continue;
        if (!bDoIt)
            return TRUE;
        const int col = AlignColumn(line, ConvertColumn(m_nMaxLineWidth, TRUE, line, nullptr), FALSE);
        if (col <= 0)
            continue;
        m_bBreakingLines = TRUE;
        const BOOL inserted = InsertText(line, col, lineBreak, lineBreak.GetLength());
        m_bBreakingLines = FALSE;
        if (!inserted)
            break;
        ++lastLine;
        changed = TRUE;
    }
    if (changed) {
        ClearUndo();
        m_bModified = TRUE;
        ResetColorCache();
        Notify(nullptr, nullptr);
    }
    return changed;
}

// ---------------------------------------------------------------------------
// Positions and columns

BOOL SECEditTextBuffer::IsValidPosition(int line, int col, BOOL bAllowBeyond)
{
    if (line < 0 || line >= GetLineCount() || col < 0)
        return FALSE;
    return bAllowBeyond || col <= DeletionEndLimit(line);
}

int SECEditTextBuffer::AlignColumn(int line, int col, BOOL bAllowBeyond)
{
    if (!IsValidPosition(line, col, bAllowBeyond))
        return -1;
    const int limit = DeletionEndLimit(line);
    if (col >= limit || !IsMultiByteCodePage())
        return col;
    CString holder;
    GetText(holder, line, 0, line, limit);
    const auto *p = reinterpret_cast<const unsigned char *>(static_cast<LPCTSTR>(holder));
    int at = 0;
    while (at < col) {
        const int length = MbCharLength(p + at, static_cast<size_t>(limit - at));
        if (at + length > col)
            return at;
        at += length;
    }
    return col;
}

BOOL SECEditTextBuffer::IsLineBlank(int line)
{
    if (line < 0 || line >= GetLineCount())
        return TRUE;
    return LeadingWhitespaceLength(line) == GetLineTextLength(line);
}

int SECEditTextBuffer::LeadingWhitespaceLength(int line)
{
    CString holder;
    char *text = nullptr;
    const int length = GetLineText(line, holder, &text);
    int n = 0;
    while (n < length && (text[n] == ' ' || text[n] == '\t'))
        ++n;
    return n;
}

int SECEditTextBuffer::ConvertColumn(int col, BOOL bToBytes, int line, int *pTabStart)
{
    const int limit = DeletionEndLimit(line);
    if (limit < 0)
        return -1;
    CString holder;
    GetText(holder, line, 0, line, limit);
    return ConvertColumn(col, bToBytes, holder, pTabStart);
}

int SECEditTextBuffer::ConvertColumn(int col, BOOL bToBytes, const CString &text, int *pTabStart)
{
    const int tabSize = GetTabSize();
    const int length = text.GetLength();
    const char *p = text;
    if (!bToBytes) {
        const int n = std::min(std::max(col, 0), length);
        int display = 0;
        for (int i = 0; i < n; ++i)
            display += p[i] == '\t' ? tabSize - display % tabSize : 1;
        return display + std::max(col - length, 0);
    }
    int display = 0;
    for (int i = 0; i < length; ++i) {
        const int width = p[i] == '\t' ? tabSize - display % tabSize : 1;
        if (col < display + width) {
            if (pTabStart)
                *pTabStart = display;
            return i;
        }
        display += width;
    }
    if (pTabStart)
        *pTabStart = display;
    return length;
}

int SECEditTextBuffer::ColumnsToNextTab(const SECEditPosition &position)
{
    const int tabSize = GetTabSize();
    return tabSize - ConvertColumn(position.m_nCol, FALSE, position.m_nLine, nullptr) % tabSize;
}

void SECEditTextBuffer::MakeFill(CString &out, int columns, const SECEditPosition &position, BOOL bUseTabs)
{
    out.Empty();
    if (columns <= 0)
        return;
    const int tabSize = GetTabSize();
    const BOOL replaceTabs = m_pLangConfig && m_pLangConfig->GetReplaceTabs();
    if (bUseTabs && !replaceTabs) {
        const int d = ConvertColumn(position.m_nCol, FALSE, position.m_nLine, nullptr) % tabSize;
        if (columns < tabSize - d) {
            out = CString(' ', columns);
            return;
        }
        const int rest = columns - (tabSize - d);
        out = CString('\t', 1 + rest / tabSize);
        out += CString(' ', rest % tabSize);
        return;
    }
    out = CString(' ', columns);
}

BOOL SECEditTextBuffer::InsertTab(int line, int col)
{
    if (m_pLangConfig && m_pLangConfig->GetReplaceTabs()) {
        const CString spaces(' ', ColumnsToNextTab(SECEditPosition(line, col)));
        return InsertText(line, col, spaces, spaces.GetLength());
    }
    return InsertText(line, col, "\t", 1);
}
