#include "editor/controller/SECEditReplaceAllPass.h"

#include "editor/controller/SECEditBlockMatcher.h"
#include "editor/controller/SECEditDocumentText.h"
#include "editor/controller/SECEditRegExp.h"
#include "editor/text/SECEditBlockWriter.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool HasTab(const char *p, int length)
{
    return length > 0 && std::memchr(p, '\t', static_cast<size_t>(length)) != nullptr;
}

// Finds the matches of one search in the document's bytes, one after
// another, and gives each one's replacement.
class MatchScanner {
public:
    MatchScanner(SECEditTextBuffer &buffer, SECEditFindState &state, SECEditDocumentText &text)
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
    // pattern or the replacement needs it in one piece ('\G' counts from
    // where each search starts; "$`" and "$'" copy the text before and after
    // a match).
    void Begin()
    {
        if (!m_pRegExp)
            return;
        const CString &replacement = m_state.m_strReplaceText;
        m_bLiteral = replacement.Find('$') < 0;
        if (m_text.IsContiguous() || m_state.m_strFindText.Find("\\G") >= 0 || replacement.Find("$`") >= 0 ||
            replacement.Find("$'") >= 0) {
            m_pRegExp->BeginPass(m_text.Data(), m_text.Length());
        } else {
            m_pBlocks = std::make_unique<SECEditBlockMatcher>(m_text.Store(), *m_pRegExp);
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
            if (m_pBlocks) {
                int s = 0, e = 0;
                result = m_pBlocks->Next(from, &s, &e);
                first = s;
                last = e;
            } else {
                result = m_pRegExp->NextMatch(from, &first, &last);
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
    // Appends the replacement of the match that Next found last, expanded
    // against that match as the engine found it.
    void AppendReplacement(std::string &out)
    {
        if (!m_pRegExp || m_bLiteral)
            out += m_state.m_strReplaceText.Str();
        else if (m_pBlocks)
            m_pBlocks->AppendReplacement(out, m_state.m_strReplaceText);
        else
            m_pRegExp->AppendReplacement(out, m_state.m_strReplaceText);
    }
    const CString &GetError() const
    {
        static const CString none;
        return m_pRegExp ? m_pRegExp->GetLastError() : none;
    }

private:
    SECEditTextBuffer &m_buffer;
    SECEditFindState &m_state;
    SECEditDocumentText &m_text;
    std::unique_ptr<SECEditRegExp> m_pRegExp;
    // Over the store's blocks in place; without it, over the text in one
    // piece.
    std::unique_ptr<SECEditBlockMatcher> m_pBlocks;
    bool m_bLiteral = true;
};

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
    // The replacements, one after another: all of them while they are
    // few; once the stretch is written as it is scanned, only those of the
    // line the scan is on.
    std::string out;
    std::vector<Piece> pieces;
    int count = 0;
    // What the replacements added to the stretch's length.
    long long growth = 0;
    // With many matches the new text of the stretch, written as the scan
    // goes (the old bytes up to `written`, each replacement in turn).
    std::unique_ptr<SECEditBlockWriter> writer;
    int written = -1;

    bool IsWritten() const { return writer != nullptr; }
    // From now on the new text is written as the scan goes, starting with
    // what was found so far.
    void StartWriting(SECEditDocumentText &text, BYTE chNewline, std::vector<SECEditTextBlock *> spares)
    {
        writer = std::make_unique<SECEditBlockWriter>(chNewline);
        writer->GiveSpareBlocks(std::move(spares));
        written = start;
        for (const Piece &piece : pieces)
            Write(text, piece);
    }
    void Write(SECEditDocumentText &text, const Piece &piece)
    {
        text.AppendTo(*writer, written, piece.start - written);
        writer->Append(out.data() + piece.at, piece.length);
        written = piece.end;
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
    void MoveTo(int lineStart, size_t pieceCount)
    {
        if (m_nFrom >= lineStart)
            return;
        m_nFrom = lineStart;
        m_tail.clear();
        m_nGrowth = 0;
        m_nFirstPiece = pieceCount;
        m_nTabs = 0;
        m_nCounted = lineStart;
    }
    // The tabs of the line before offset as it will read (counted on from
    // the last call, so a line costs one pass over its bytes).
    long long TabsBefore(SECEditDocumentText &text, int offset)
    {
        if (offset > m_nCounted) {
            m_nTabs += text.CountByte(m_nCounted, offset - m_nCounted, '\t');
            m_nCounted = offset;
        }
        return m_nTabs;
    }
    // The pieces before the line's first are no longer needed.
    bool NeedsPiecesBefore(size_t pieceCount) const { return m_nFirstPiece < pieceCount; }
    void PiecesDropped() { m_nFirstPiece = 0; }
    long long LengthBefore(int offset) const
    {
        return static_cast<long long>(m_tail.size()) + (offset - m_nFrom) + m_nGrowth;
    }
    std::string Before(SECEditDocumentText &text, const ReplacedSpan &span, int offset) const
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
        m_nCounted = piece.end;
        if (!lastBreak) {
            m_nGrowth += static_cast<long long>(piece.length) - (piece.end - piece.start);
            m_nTabs += std::count(replacement, replacement + piece.length, '\t');
            return;
        }
        const char *tail = static_cast<const char *>(lastBreak) + 1;
        m_tail.assign(tail, static_cast<size_t>(replacement + piece.length - tail));
        m_nFrom = piece.end;
        m_nGrowth = 0;
        m_nFirstPiece = span.pieces.size();
        m_nTabs = std::count(m_tail.begin(), m_tail.end(), '\t');
    }

private:
    int m_nFrom = -1;
    std::string m_tail;
    long long m_nGrowth = 0;
    size_t m_nFirstPiece = 0;
    long long m_nTabs = 0; // tabs of the line as it will read, up to m_nCounted
    int m_nCounted = -1;   // the old byte the tab count has reached
};

// The old line around the matches of a pass, and the tabs after a match on
// it. Matches come in order, so one line is searched for its ends once and
// its bytes are counted once, however many matches it holds.
class MatchLine {
public:
    int Start(SECEditDocumentText &text, int offset)
    {
        Find(text, offset);
        return m_nStart;
    }
    int TextEnd(SECEditDocumentText &text, int offset)
    {
        Find(text, offset);
        return m_nTextEnd;
    }
    // The tabs of the old bytes from offset to the line's text end.
    long long TabsAfter(SECEditDocumentText &text, int offset)
    {
        Find(text, offset);
        if (m_nTabsFrom < 0 || offset < m_nTabsFrom) {
            m_nTabsAfter = text.CountByte(offset, std::max(m_nTextEnd - offset, 0), '\t');
        } else {
            m_nTabsAfter -= text.CountByte(m_nTabsFrom, std::min(offset, m_nTextEnd) - m_nTabsFrom, '\t');
        }
        m_nTabsFrom = std::min(offset, m_nTextEnd);
        return m_nTabsAfter;
    }

private:
    void Find(SECEditDocumentText &text, int offset)
    {
        if (m_nStart >= 0 && offset >= m_nStart && offset <= m_nTextEnd)
            return;
        m_nStart = text.LineStart(offset);
        m_nTextEnd = text.LineTextEnd(offset);
        m_nTabsFrom = -1;
    }

    int m_nStart = -1;
    int m_nTextEnd = -1;
    int m_nTabsFrom = -1;
    long long m_nTabsAfter = 0;
};

} // namespace

bool SECEditLineFits(SECEditTextBuffer &buffer, std::string_view before, std::string_view replacement,
                     std::string_view after, std::string_view match)
{
    const auto length = [](std::string_view s) { return static_cast<int>(s.size()); };
    if (replacement.size() <= match.size() && HasTab(match.data(), length(match)) &&
        HasTab(replacement.data(), length(replacement)))
        return true;
    const int limit = buffer.GetMaxLineWidth();
    // No tab widens a line past tab size columns a byte.
    const long long bytes = static_cast<long long>(before.size() + replacement.size() + after.size());
    if (bytes * buffer.GetTabSize() <= limit)
        return true;
    std::string line(before);
    line.append(replacement);
    line.append(after);
    size_t from = 0;
    while (from <= line.size()) {
        size_t to = line.find('\n', from);
        if (to == std::string::npos)
            to = line.size();
        size_t textEnd = to;
        if (textEnd > from && line[textEnd - 1] == '\r')
            --textEnd;
        const CString piece(std::string_view(line.data() + from, textEnd - from));
        if (buffer.ConvertColumn(piece.GetLength(), FALSE, piece, nullptr) > limit)
            return false;
        from = to + 1;
    }
    return true;
}

struct SECEditReplaceAllPass::Impl {
    Impl(SECEditTextBuffer &buffer, SECEditFindState &state)
        : buffer(buffer), text(buffer), scanner(buffer, state, text)
    {
    }
    // Collects the matches from `from` on into span; ends at the last start
    // allowed, at a match reaching past endLimit, or on the line limit.
    void Scan(ReplacedSpan &span, int from, int lastStart, int endLimit);
    // Puts one stretch in; where its last replacement now ends.
    // Puts one stretch in (with many matches the text written for it, as
    // one record); where its last replacement now ends.
    int ApplySpan(const ReplacedSpan &span);

    SECEditTextBuffer &buffer;
    SECEditDocumentText text;
    MatchScanner scanner;
    ReplacedSpan after, wrapped;
    bool stopped = false;
    CString engineError;
};

void SECEditReplaceAllPass::Impl::Scan(ReplacedSpan &span, int from, int lastStart, int endLimit)
{
    const long long tabSize = std::max(buffer.GetTabSize(), 1);
    const long long maxWidth = buffer.GetMaxLineWidth();
    ReplacedLine line;
    MatchLine startLine, endLine;
    for (;;) {
        int matchStart = 0, matchEnd = 0;
        const int found = scanner.Next(from, lastStart, matchStart, matchEnd);
        if (found < 0)
            engineError = scanner.GetError();
        if (found <= 0 || matchEnd > endLimit)
            return;
        line.MoveTo(startLine.Start(text, matchStart), span.pieces.size());
        // A stretch written as it goes keeps the pieces of one line only.
        if (span.IsWritten() && !line.NeedsPiecesBefore(span.pieces.size())) {
            span.pieces.clear();
            span.out.clear();
            line.PiecesDropped();
        }
        const size_t replacementAt = span.out.size();
        scanner.AppendReplacement(span.out);
        const size_t replacementLength = span.out.size() - replacementAt;
        const long long beforeLength = line.LengthBefore(matchStart);
        const int afterLength = std::max(endLine.TextEnd(text, matchEnd) - matchEnd, 0);
        const char *replacement = span.out.data() + replacementAt;
        const long long tabs = line.TabsBefore(text, matchStart) +
                               std::count(replacement, replacement + replacementLength, '\t') +
                               endLine.TabsAfter(text, matchEnd);
        // Every byte but a tab takes one column, a tab at most tab size:
        // only a line that could be too wide is put together and measured.
        if (beforeLength + static_cast<long long>(replacementLength) + afterLength + tabs * (tabSize - 1) > maxWidth &&
            !SECEditLineFits(buffer, line.Before(text, span, matchStart),
                             std::string_view(span.out.data() + replacementAt, replacementLength),
                             text.Bytes(matchEnd, afterLength), text.Bytes(matchStart, matchEnd - matchStart))) {
            span.out.resize(replacementAt);
            stopped = true;
            return;
        }
        span.pieces.push_back({matchStart, matchEnd, replacementAt, replacementLength});
        line.Replaced(span, span.pieces.back());
        if (span.start < 0)
            span.start = matchStart;
        span.end = matchEnd;
        span.growth += static_cast<long long>(replacementLength) - (matchEnd - matchStart);
        ++span.count;
        if (span.IsWritten()) {
            span.Write(text, span.pieces.back());
        } else if (span.count == kPieceByPiece + 1) {
            // The edit will now be recorded, which drops the redo records:
            // their blocks are written again.  (Only a text grown past the
            // store's limit is refused after this; the redo records are then
            // gone without an edit.)
            span.StartWriting(text, text.Store().GetNewlineChar(), buffer.TakeRedoBlocks());
        }
        if (matchEnd > matchStart)
            from = matchEnd;
        else if (matchStart >= text.Length())
            return;
        else
            from = text.StepPastEmptyMatch(matchStart);
    }
}

int SECEditReplaceAllPass::Impl::ApplySpan(const ReplacedSpan &span)
{
    if (!span.IsWritten()) {
        SECEditTextStore &store = text.Store();
        // Every line the replacements make was found to fit while they were
        // collected; a deletion may join two long lines until its
        // replacement goes in, which must not break them.
        struct KeepWideLines {
            SECEditTextBuffer &buffer;
            explicit KeepWideLines(SECEditTextBuffer &b) : buffer(b) { buffer.SetKeepWideLines(TRUE); }
            ~KeepWideLines() { buffer.SetKeepWideLines(FALSE); }
        } keep(buffer);
        // Each in place, the last first, so that the offsets before it hold.
        for (auto piece = span.pieces.rbegin(); piece != span.pieces.rend(); ++piece) {
            SECEditPosition from, to;
            store.OffsetToPosition(piece->start, &from.m_nLine, &from.m_nCol);
            store.OffsetToPosition(piece->end, &to.m_nLine, &to.m_nCol);
            if (piece->end > piece->start)
                buffer.DeleteText(from.m_nLine, from.m_nCol, to.m_nLine, to.m_nCol);
            if (piece->length > 0)
                buffer.InsertText(from.m_nLine, from.m_nCol, span.out.data() + piece->at,
                                  static_cast<int>(piece->length));
        }
    } else if (!buffer.ReplaceText(span.start, span.end, *span.writer)) {
        return -1;
    }
    return static_cast<int>(span.end + span.growth);
}

SECEditReplaceAllPass::SECEditReplaceAllPass(SECEditTextBuffer &buffer, SECEditFindState &state)
    : m_pImpl(std::make_unique<Impl>(buffer, state))
{
}

SECEditReplaceAllPass::~SECEditReplaceAllPass() = default;

void SECEditReplaceAllPass::Collect(int start, int stop, bool bInSelection)
{
    Impl &m = *m_pImpl;
    const int end = m.text.Length();
    m.scanner.Begin();
    m.Scan(m.after, start, bInSelection ? stop : end, bInSelection ? stop : end);
    if (bInSelection || m.stopped || !m.engineError.IsEmpty() || start == 0)
        return;
    const int first = m.after.start >= 0 ? m.after.start : start;
    m.Scan(m.wrapped, 0, first - 1, m.after.start >= 0 ? m.after.start : end);
}

int SECEditReplaceAllPass::Apply()
{
    Impl &m = *m_pImpl;
    int end = -1;
    // The later stretch first, so that the earlier one's offsets hold; the
    // earlier one's last replacement is the last made.  A stretch of many
    // matches was written in full while it was scanned.
    if (m.after.count > 0)
        end = m.ApplySpan(m.after);
    if (m.wrapped.count > 0)
        end = m.ApplySpan(m.wrapped);
    return end;
}

int SECEditReplaceAllPass::GetCount() const
{
    return m_pImpl->after.count + m_pImpl->wrapped.count;
}

bool SECEditReplaceAllPass::IsStoppedByLineLimit() const
{
    return m_pImpl->stopped;
}

const CString &SECEditReplaceAllPass::GetEngineError() const
{
    return m_pImpl->engineError;
}
