// Replace and Replace All.  Replace All builds the new text in one pass over
// the document's bytes and puts it in with one deletion and one insertion
// per searched stretch, inside one undo group: the same text, count and
// messages as replacing match by match, at the cost of one scan.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditFindMessages.h"
#include "editor/controller/SECEditRegExp.h"
#include "editor/controller/SECEditUpdateLock.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// The document's bytes as Replace All reads them: in place, over the store's
// blocks, until something needs them in one piece; then a copy is made,
// unless the store holds them in one block anyway.
class DocumentText {
public:
    explicit DocumentText(SECEditTextBuffer &buffer) : m_buffer(buffer), m_store(*buffer.GetStore())
    {
        m_nLength = m_store.GetTextLength();
        const SECEditPosition end = buffer.GetEndPosition();
        char *p = nullptr;
        if (buffer.GetTextPointer(&p, 0, 0, end.m_nLine, end.m_nCol) == m_nLength && p)
            m_pData = p;
    }
    bool IsContiguous() const { return m_pData != nullptr; }
    const char *Data()
    {
        if (!m_pData) {
            m_copy.resize(static_cast<size_t>(m_nLength));
            m_store.CopyText(0, m_nLength, m_copy.data());
            m_pData = m_copy.data();
        }
        return m_pData;
    }
    int Length() const { return m_nLength; }
    SECEditTextStore &Store() { return m_store; }
    void Append(std::string &out, int offset, int length)
    {
        if (length <= 0)
            return;
        if (m_pData) {
            out.append(m_pData + offset, static_cast<size_t>(length));
            return;
        }
        const size_t at = out.size();
        out.resize(at + static_cast<size_t>(length));
        m_store.CopyText(offset, length, out.data() + at);
    }
    std::string Bytes(int offset, int length)
    {
        std::string bytes;
        Append(bytes, offset, length);
        return bytes;
    }
    unsigned char ByteAt(int offset)
    {
        char c = 0;
        if (m_pData)
            c = m_pData[offset];
        else
            m_store.CopyText(offset, 1, &c);
        return static_cast<unsigned char>(c);
    }
    // Where the line around offset starts, and where its text ends (before
    // CR LF or LF).
    int LineStart(int offset)
    {
        if (m_pData) {
            const void *nl = offset > 0 ? memrchr(m_pData, '\n', static_cast<size_t>(offset)) : nullptr;
            return nl ? static_cast<int>(static_cast<const char *>(nl) - m_pData) + 1 : 0;
        }
        int line = 0, col = 0;
        m_store.OffsetToPosition(offset, &line, &col);
        return offset - col;
    }
    int LineTextEnd(int offset)
    {
        if (m_pData) {
            const void *nl = std::memchr(m_pData + offset, '\n', static_cast<size_t>(m_nLength - offset));
            int end = nl ? static_cast<int>(static_cast<const char *>(nl) - m_pData) : m_nLength;
            if (end > offset && m_pData[end - 1] == '\r')
                --end;
            return end;
        }
        int line = 0, col = 0;
        m_store.OffsetToPosition(offset, &line, &col);
        return std::max(offset, offset - col + m_buffer.GetLineTextLength(line));
    }

private:
    SECEditTextBuffer &m_buffer;
    SECEditTextStore &m_store;
    std::string m_copy;
    const char *m_pData = nullptr;
    int m_nLength = 0;
};

// Where the search goes on after an empty match at offset: one character
// on, or at a line's end the start of the next line.
int StepPastEmptyMatch(DocumentText &text, int offset)
{
    const int length = text.Length();
    unsigned char p[4] = {};
    for (int i = 0; i < 4 && offset + i < length; ++i)
        p[i] = text.ByteAt(offset + i);
    if (p[0] == '\r' && offset + 1 < length && p[1] == '\n')
        return offset + 2;
    // The engine's own step: a whole UTF-8 sequence, or one byte that
    // starts none.
    const unsigned char lead = p[0];
    int step = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    for (int i = 1; i < step; ++i)
        if (offset + i >= length || (p[i] & 0xC0) != 0x80)
            step = 1;
    return offset + step;
}

bool HasTab(const char *p, int length)
{
    return length > 0 && std::memchr(p, '\t', static_cast<size_t>(length)) != nullptr;
}

// Finds the matches of one search in the document's bytes, one after
// another, and gives each one's replacement.
class MatchScanner {
public:
    MatchScanner(SECEditTextBuffer &buffer, SECEditFindState &state, DocumentText &text)
        : m_buffer(buffer), m_state(state), m_text(text)
    {
        if (state.m_bRegularExpression) {
            m_pRegExp = std::make_unique<SECEditRegExp>();
            if (m_pRegExp->Create()) {
                m_pRegExp->SetPattern(state.m_strFindText);
                m_pRegExp->SetIgnoreCase(!state.m_bMatchCase);
            } else {
                m_pRegExp.reset();
            }
        }
    }
    // A regular expression sees the whole document: anchors and
    // look-behinds work as in a search over all of it.  The text is matched
    // over the store's blocks in place while it is in several, unless the
    // pattern or the replacement needs it in one piece.
    void Begin()
    {
        if (!m_pRegExp)
            return;
        const CString &replacement = m_state.m_strReplaceText;
        m_bLiteral = replacement.Find('$') < 0;
        if (m_text.IsContiguous() || m_state.m_strFindText.Find("\\G") >= 0 || replacement.Find("$`") >= 0 ||
            replacement.Find("$'") >= 0)
            MakeContiguous();
    }
    // From now on the text is matched in one piece (many matches make
    // reading it piece by piece dearer than one copy).
    void MakeContiguous()
    {
        if (m_pRegExp && !m_bContiguous) {
            m_pRegExp->BeginPass(m_text.Data(), m_text.Length());
            m_bContiguous = true;
        }
    }
    // The first match at from or later that starts no later than lastStart:
    // 1 with its bounds, 0 for none, -1 when the engine gave up.
    int Next(int from, int lastStart, int &start, int &end)
    {
        if (from > lastStart || from > m_text.Length())
            return 0;
        if (m_pRegExp) {
            long first = 0, last = 0;
            int result = 0;
            if (m_bContiguous) {
                result = m_pRegExp->NextMatch(from, &first, &last);
            } else {
                int s = 0, e = 0;
                result = m_text.Store().NextRegExpMatch(*m_pRegExp, 0, from, &s, &e);
                first = s;
                last = e;
            }
            if (result <= 0)
                return result;
            start = static_cast<int>(first);
            end = static_cast<int>(last);
            return start <= lastStart ? 1 : 0;
        }
        SECEditTextStore *pStore = m_buffer.GetStore();
        int line = 0, col = 0, stopLine = 0, stopCol = 0, foundLine = 0, foundCol = 0;
        if (!pStore->OffsetToPosition(from, &line, &col))
            return 0;
        pStore->OffsetToPosition(std::min(lastStart, m_text.Length()), &stopLine, &stopCol);
        const int length = m_buffer.Find(line, col, &foundLine, &foundCol, m_state.m_strFindText, TRUE, FALSE,
                                         m_state.m_bMatchCase, m_state.m_bWholeWord, FALSE, stopLine, stopCol);
        if (length <= 0)
            return 0;
        start = pStore->PositionToOffset(foundLine, foundCol);
        end = start + length;
        return start >= from && start <= lastStart ? 1 : 0;
    }
    // Appends the replacement of the match [start, end) that Next found
    // last; FALSE when the engine gave up.
    BOOL AppendReplacement(std::string &out, int start, int end)
    {
        if (!m_pRegExp || m_bLiteral) {
            out += m_state.m_strReplaceText.Str();
            return TRUE;
        }
        if (m_bContiguous || ExpandInWindow(out, start, end)) {
            if (!m_bContiguous)
                return TRUE;
            m_pRegExp->AppendReplacement(out, m_state.m_strReplaceText);
            return TRUE;
        }
        // The window did not give the same match: in one piece it does.
        MakeContiguous();
        long first = 0, last = 0;
        if (m_pRegExp->NextMatch(start, &first, &last) != 1)
            return FALSE;
        m_pRegExp->AppendReplacement(out, m_state.m_strReplaceText);
        return TRUE;
    }
    const CString &GetError() const
    {
        static const CString none;
        return m_pRegExp ? m_pRegExp->GetLastError() : none;
    }

private:
    // The groups of a match found over the blocks: the match is found again
    // in a copy of the bytes around it (the context its look-behinds may
    // see, and after it as much as the engine needs), and expanded there.
    bool ExpandInWindow(std::string &out, int start, int end)
    {
        const int windowStart = std::max(0, start - m_pRegExp->GetLookbehindBytes() - 3);
        for (int after = 256;; after *= 2) {
            const int windowEnd = static_cast<int>(std::min<long long>(m_text.Length(), 1LL * end + after));
            m_window.clear();
            m_text.Append(m_window, windowStart, windowEnd - windowStart);
            m_pRegExp->BeginPass(m_window.data(), static_cast<int>(m_window.size()));
            const BOOL more = windowEnd < m_text.Length();
            long first = 0, last = 0;
            const int result = m_pRegExp->NextMatchPiece(start - windowStart, more, &first, &last);
            if (result == 1 && first == start - windowStart && last == end - windowStart) {
                m_pRegExp->AppendReplacement(out, m_state.m_strReplaceText);
                return true;
            }
            if (result != 2 || !more)
                return false;
        }
    }

    SECEditTextBuffer &m_buffer;
    SECEditFindState &m_state;
    DocumentText &m_text;
    std::unique_ptr<SECEditRegExp> m_pRegExp;
    bool m_bContiguous = false;
    bool m_bLiteral = true;
    std::string m_window;
};

// Up to this many matches are replaced one by one; more go in as one new
// stretch of text.
constexpr int kPieceByPiece = 4096;

// One searched stretch of the document: the text from its first match's
// start to its last match's end becomes `out`.
struct ReplacedSpan {
    // One match: its old bytes, and where its replacement is in `out`.
    struct Piece {
        int start;
        int end;
        size_t at;
        size_t length;
    };
    int start = -1;
    int end = -1;
    // The replacements, one after another.
    std::string out;
    std::vector<Piece> pieces;
    int count = 0;

    // The new text of the whole stretch, from the old bytes and the
    // replacements.
    std::string Assemble(DocumentText &text) const
    {
        std::string whole;
        whole.reserve(static_cast<size_t>(end - start) + out.size());
        int copied = start;
        for (const Piece &piece : pieces) {
            text.Append(whole, copied, piece.start - copied);
            whole.append(out, piece.at, piece.length);
            copied = piece.end;
        }
        return whole;
    }
};

// How the line of the next match reads once the matches before it on that
// line are replaced: the new bytes after the last line break a replacement
// brought (if any), then the old bytes from `from` on, the pieces after it
// replaced.  Only its length is kept up to date; the bytes are put together
// when a line may be too wide.
class ReplacedLine {
public:
    // The match at offset is on a line of its own unless a piece before it
    // reached into its old line.
    void MoveTo(DocumentText &text, int offset, size_t pieceCount)
    {
        const int lineStart = text.LineStart(offset);
        if (m_nFrom >= lineStart)
            return;
        m_nFrom = lineStart;
        m_tail.clear();
        m_nGrowth = 0;
        m_nFirstPiece = pieceCount;
    }
    long long LengthBefore(int offset) const
    {
        return static_cast<long long>(m_tail.size()) + (offset - m_nFrom) + m_nGrowth;
    }
    std::string Before(DocumentText &text, const ReplacedSpan &span, int offset) const
    {
        std::string before = m_tail;
        int copied = m_nFrom;
        for (size_t i = m_nFirstPiece; i < span.pieces.size(); ++i) {
            const ReplacedSpan::Piece &piece = span.pieces[i];
            text.Append(before, copied, piece.start - copied);
            before.append(span.out, piece.at, piece.length);
            copied = piece.end;
        }
        text.Append(before, copied, offset - copied);
        return before;
    }
    void Replaced(const ReplacedSpan &span, const ReplacedSpan::Piece &piece)
    {
        const char *replacement = span.out.data() + piece.at;
        const void *lastBreak = piece.length ? memrchr(replacement, '\n', piece.length) : nullptr;
        if (!lastBreak) {
            m_nGrowth += static_cast<long long>(piece.length) - (piece.end - piece.start);
            return;
        }
        const char *tail = static_cast<const char *>(lastBreak) + 1;
        m_tail.assign(tail, static_cast<size_t>(replacement + piece.length - tail));
        m_nFrom = piece.end;
        m_nGrowth = 0;
        m_nFirstPiece = span.pieces.size();
    }

private:
    int m_nFrom = -1;
    std::string m_tail;
    long long m_nGrowth = 0;
    size_t m_nFirstPiece = 0;
};

} // namespace

// ---- Replacements

int SECEditController::SearchDown(SECEditFindState &state, const SECEditPosition &from, const SECEditPosition *pStop,
                                  SECEditPosition &at)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    SECEditRegExp regExp;
    if (!state.m_bRegularExpression || !regExp.Create()) {
        return pBuffer->Find(from.m_nLine, from.m_nCol, &at.m_nLine, &at.m_nCol, state.m_strFindText, TRUE,
                             pStop == nullptr, state.m_bMatchCase, state.m_bWholeWord, FALSE,
                             pStop ? pStop->m_nLine : -1, pStop ? pStop->m_nCol : 0);
    }
    regExp.SetPattern(state.m_strFindText);
    regExp.SetIgnoreCase(!state.m_bMatchCase);
    SECEditTextStore *pStore = pBuffer->GetStore();
    DocumentText text(*pBuffer);
    regExp.BeginPass(text.Data(), text.Length());
    // The first non-empty match that starts in [first, last].
    auto search = [&](int first, int last, long &matchStart, long &matchEnd) {
        while (first <= last && regExp.NextMatch(first, &matchStart, &matchEnd) == 1 && matchStart <= last) {
            if (matchEnd > matchStart)
                return true;
            if (matchStart >= text.Length())
                break;
            first = StepPastEmptyMatch(text, static_cast<int>(matchStart));
        }
        return false;
    };
    const int start = pStore->PositionToOffset(from.m_nLine, from.m_nCol);
    if (start < 0)
        return 0;
    long matchStart = 0, matchEnd = 0;
    bool found = false;
    if (pStop)
        found = search(start, pStore->PositionToOffset(pStop->m_nLine, pStop->m_nCol), matchStart, matchEnd);
    else
        found = search(start, text.Length(), matchStart, matchEnd) || search(0, start, matchStart, matchEnd);
    if (!found)
        return 0;
    pStore->OffsetToPosition(static_cast<int>(matchStart), &at.m_nLine, &at.m_nCol);
    return static_cast<int>(matchEnd - matchStart);
}

CString SECEditController::ReplacementFor(SECEditFindState &state, int matchStart, int matchLength)
{
    if (!state.m_bRegularExpression)
        return state.m_strReplaceText;
    SECEditRegExp regExp;
    if (!regExp.Create())
        return state.m_strReplaceText;
    regExp.SetPattern(state.m_strFindText);
    regExp.SetIgnoreCase(!state.m_bMatchCase);
    DocumentText text(*GetBuffer());
    // The match as the search found it: in the whole document, from its
    // own start.
    regExp.BeginPass(text.Data(), text.Length());
    long first = 0, last = 0;
    if (regExp.NextMatch(matchStart, &first, &last) == 1 && first == matchStart && last - first == matchLength) {
        std::string out;
        regExp.AppendReplacement(out, state.m_strReplaceText);
        return CString(std::move(out));
    }
    return state.m_strReplaceText;
}

BOOL SECEditController::CheckLineLimit(const char *before, int beforeLength, const char *replacement,
                                       int replacementLength, const char *after, int afterLength, const char *match,
                                       int matchLength)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (replacementLength <= matchLength && HasTab(match, matchLength) && HasTab(replacement, replacementLength))
        return TRUE;
    const int limit = pBuffer->GetMaxLineWidth();
    const long long bytes = static_cast<long long>(beforeLength) + replacementLength + afterLength;
    // No tab can widen a line past tab size columns a byte.
    if (bytes * pBuffer->GetTabSize() <= limit)
        return TRUE;
    std::string line(before, static_cast<size_t>(beforeLength));
    line.append(replacement, static_cast<size_t>(replacementLength));
    line.append(after, static_cast<size_t>(afterLength));
    // A replacement holding line breaks makes several lines: each counts.
    size_t from = 0;
    while (from <= line.size()) {
        size_t to = line.find('\n', from);
        if (to == std::string::npos)
            to = line.size();
        size_t textEnd = to;
        if (textEnd > from && line[textEnd - 1] == '\r')
            --textEnd;
        const CString piece(std::string_view(line.data() + from, textEnd - from));
        if (pBuffer->ConvertColumn(piece.GetLength(), FALSE, piece, nullptr) > limit) {
            SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_LINE_TOO_LONG, limit), MB_ICONEXCLAMATION);
            return FALSE;
        }
        from = to + 1;
    }
    return TRUE;
}

BOOL SECEditController::Replace(SECEditFindState &state)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || state.m_strFindText.IsEmpty())
        return FALSE;
    if (pBuffer->IsReadOnly()) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_REPLACE_READ_ONLY, CString()), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!CheckPattern(state))
        return FALSE;
    SECEditTextStore *pStore = pBuffer->GetStore();
    SECEditPosition from = HasFindSelection() ? m_selection.GetStart() : m_caret;
    from.m_nCol = std::min(from.m_nCol, std::max(pBuffer->GetLineTextLength(from.m_nLine), 0));
    SECEditPosition at;
    const int length = SearchDown(state, from, nullptr, at);
    const int line = at.m_nLine, col = at.m_nCol;
    if (length <= 0) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_FINISHED_SEARCHING, state.m_strFindText),
                               MB_ICONEXCLAMATION);
        return FALSE;
    }
    const int matchStart = pStore->PositionToOffset(line, col);
    SECEditPosition matchEnd;
    pStore->OffsetToPosition(matchStart + length, &matchEnd.m_nLine, &matchEnd.m_nCol);
    SelectMatch(SECEditPosition(line, col), matchEnd);
    MoveCaretTo(matchEnd.m_nLine, matchEnd.m_nCol, FALSE);
    const CString replacement = ReplacementFor(state, matchStart, length);
    {
        DocumentText text(*pBuffer);
        const int lineStart = text.LineStart(matchStart);
        const int lineEnd = text.LineTextEnd(matchStart + length);
        const char *p = text.Data();
        if (!CheckLineLimit(p + lineStart, matchStart - lineStart, replacement, replacement.GetLength(),
                            p + matchStart + length, std::max(lineEnd - matchStart - length, 0), p + matchStart,
                            length))
            return FALSE;
    }
    m_nTypingSerial = 0;
    ReplaceSelection(replacement, FALSE);
    // The next match is selected, ready for the next press.
    Find(state);
    return TRUE;
}

BOOL SECEditController::ReplaceAll(SECEditFindState &state)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || state.m_strFindText.IsEmpty())
        return FALSE;
    if (pBuffer->IsReadOnly()) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_REPLACE_READ_ONLY, CString()), MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!CheckPattern(state))
        return FALSE;
    SECEditTextStore *pStore = pBuffer->GetStore();
    const BOOL bInSelection = state.m_bInSelection && HasFindSelection();
    auto offsetOf = [&](SECEditPosition position) {
        position.m_nCol = std::min(position.m_nCol, std::max(pBuffer->GetLineTextLength(position.m_nLine), 0));
        return pStore->PositionToOffset(position.m_nLine, position.m_nCol);
    };
    const int start = offsetOf(HasFindSelection() ? m_selection.GetStart() : m_caret);
    const int stop = bInSelection ? offsetOf(m_selection.GetFinish()) : start;
    if (start < 0 || stop < 0)
        return FALSE;

    DocumentText text(*pBuffer);
    MatchScanner scanner(*pBuffer, state, text);
    BOOL bStopped = FALSE;
    CString engineError;
    const long long tabSize = std::max(pBuffer->GetTabSize(), 1);
    const long long maxWidth = pBuffer->GetMaxLineWidth();
    // Collects the matches from `from` on into span; ends at the last start
    // allowed, at a match reaching past endLimit, or on the line limit.
    auto scan = [&](ReplacedSpan &span, int from, int lastStart, int endLimit) {
        ReplacedLine line;
        for (;;) {
            int matchStart = 0, matchEnd = 0;
            const int found = scanner.Next(from, lastStart, matchStart, matchEnd);
            if (found < 0)
                engineError = scanner.GetError();
            if (found <= 0 || matchEnd > endLimit)
                break;
            const size_t replacementAt = span.out.size();
            if (!scanner.AppendReplacement(span.out, matchStart, matchEnd)) {
                engineError = scanner.GetError();
                break;
            }
            const size_t replacementLength = span.out.size() - replacementAt;
            line.MoveTo(text, matchStart, span.pieces.size());
            const long long beforeLength = line.LengthBefore(matchStart);
            const int afterLength = std::max(text.LineTextEnd(matchEnd) - matchEnd, 0);
            // Only a line that could be too wide is put together and measured.
            if ((beforeLength + static_cast<long long>(replacementLength) + afterLength) * tabSize > maxWidth) {
                const std::string before = line.Before(text, span, matchStart);
                const std::string rest = text.Bytes(matchEnd, afterLength);
                const std::string matched = text.Bytes(matchStart, matchEnd - matchStart);
                if (!CheckLineLimit(before.data(), static_cast<int>(before.size()), span.out.data() + replacementAt,
                                    static_cast<int>(replacementLength), rest.data(), afterLength, matched.data(),
                                    static_cast<int>(matched.size()))) {
                    span.out.resize(replacementAt);
                    bStopped = TRUE;
                    break;
                }
            }
            span.pieces.push_back({matchStart, matchEnd, replacementAt, replacementLength});
            line.Replaced(span, span.pieces.back());
            if (span.start < 0)
                span.start = matchStart;
            span.end = matchEnd;
            ++span.count;
            if (span.count == kPieceByPiece + 1)
                scanner.MakeContiguous();
            if (matchEnd > matchStart)
                from = matchEnd;
            else if (matchStart >= text.Length())
                break;
            else
                from = StepPastEmptyMatch(text, matchStart);
        }
    };

    // From the start to the end of the document (or of the selection), then
    // from the top up to the first match.
    ReplacedSpan after, wrapped;
    scanner.Begin();
    scan(after, start, bInSelection ? stop : text.Length(), bInSelection ? stop : text.Length());
    if (!bInSelection && !bStopped && engineError.IsEmpty() && start > 0) {
        const int limit = after.start >= 0 ? after.start : start;
        scan(wrapped, 0, limit - 1, after.start >= 0 ? after.start : text.Length());
    }

    // The new stretches are put together before any edit moves the bytes.
    std::string afterText, wrappedText;
    if (after.count > kPieceByPiece)
        afterText = after.Assemble(text);
    if (wrapped.count > kPieceByPiece)
        wrappedText = wrapped.Assemble(text);
    int caretOffset = -1;
    {
        SECEditCompoundScope group(*pBuffer);
        SECEditUpdateLock lock(*this);
        // The later stretch first, so that the earlier one's offsets hold.
        for (ReplacedSpan *span : {&after, &wrapped}) {
            const std::string &whole = span == &after ? afterText : wrappedText;
            if (span->count == 0)
                continue;
            if (span->count <= kPieceByPiece) {
                // Few matches: each is replaced in place, the last first, so
                // that the offsets before it still hold.
                for (auto piece = span->pieces.rbegin(); piece != span->pieces.rend(); ++piece) {
                    SECEditPosition from, to;
                    pStore->OffsetToPosition(piece->start, &from.m_nLine, &from.m_nCol);
                    pStore->OffsetToPosition(piece->end, &to.m_nLine, &to.m_nCol);
                    if (piece->end > piece->start)
                        pBuffer->DeleteText(from.m_nLine, from.m_nCol, to.m_nLine, to.m_nCol);
                    if (piece->length > 0)
                        pBuffer->InsertText(from.m_nLine, from.m_nCol, span->out.data() + piece->at,
                                            static_cast<int>(piece->length));
                }
            } else {
                SECEditPosition from, to;
                pStore->OffsetToPosition(span->start, &from.m_nLine, &from.m_nCol);
                pStore->OffsetToPosition(span->end, &to.m_nLine, &to.m_nCol);
                if (span->end > span->start)
                    pBuffer->DeleteText(from.m_nLine, from.m_nCol, to.m_nLine, to.m_nCol);
                if (!whole.empty())
                    pBuffer->InsertText(from.m_nLine, from.m_nCol, whole.data(), static_cast<int>(whole.size()));
            }
            const ReplacedSpan::Piece &last = span->pieces.back();
            // The end of the last replacement, in the text as it now is.
            long long growth = 0;
            for (const ReplacedSpan::Piece &piece : span->pieces)
                growth += static_cast<long long>(piece.length) - (piece.end - piece.start);
            caretOffset = static_cast<int>(last.end + growth);
        }
        m_nTypingSerial = 0;
    }
    const int count = after.count + wrapped.count;
    if (count > 0) {
        ClearSelection(TRUE);
        SECEditPosition caret;
        pStore->OffsetToPosition(caretOffset, &caret.m_nLine, &caret.m_nCol);
        MoveCaretTo(caret.m_nLine, caret.m_nCol, FALSE);
        ScrollToCaret();
    }
    if (!engineError.IsEmpty()) {
        SECEditShowFindMessage("Invalid regular expression: " + engineError, MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (bStopped)
        return FALSE;
    ReportReplaceAll(state, count, bInSelection);
    return count > 0;
}

void SECEditController::ReportReplaceAll(SECEditFindState &state, int count, BOOL bInSelection)
{
    if (count == 0) {
        SECEditShowFindMessage(SECEditFindMessage(SECEDIT_MSG_FINISHED_SEARCHING, state.m_strFindText),
                               MB_ICONEXCLAMATION);
        return;
    }
    const UINT nID = bInSelection ? SECEDIT_MSG_REPLACED_IN_SELECTION : SECEDIT_MSG_REPLACED_IN_DOCUMENT;
    SECEditShowFindMessage(SECEditFindMessage(nID, count), MB_OK);
}
