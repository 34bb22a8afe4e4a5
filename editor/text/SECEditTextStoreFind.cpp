// Searching the text store: plain text (with or without case, whole words)
// and regular expressions, forwards and backwards, with wrap and a stop
// position.  The plain search walks the blocks in place; a match that runs
// over the seam of two blocks is compared byte by byte.
#include "editor/text/SECEditRegExpBase.h"
#include "editor/text/SECEditTextStore.h"
#include "framework/base/ByteSearch.h"
#include "framework/base/Mbcs.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

unsigned char FoldCase(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

struct FoldedEqual {
    bool operator()(char a, char b) const
    {
        return FoldCase(static_cast<unsigned char>(a)) == FoldCase(static_cast<unsigned char>(b));
    }
};

// The first place in [first, last) where the pattern occurs, last if none.
const char *SearchBytes(const char *first, const char *last, const char *pattern, int length, bool matchCase)
{
    const size_t n = static_cast<size_t>(last - first);
    const size_t m = static_cast<size_t>(length);
    const char *hit = matchCase ? FindBytes(first, n, pattern, m) : FindBytesIgnoringCase(first, n, pattern, m);
    return hit ? hit : last;
}

} // namespace

struct SECEditTextStore::FindRequest {
    const char *pattern = nullptr;
    int length = 0;
    bool matchCase = true;
    bool wholeWord = false;
    // A pattern that starts with a continuation byte could match inside a
    // character; only then are candidates checked for a character start.
    bool checkCharStart = false;
    SECEditRegExpBase *regExp = nullptr;
};

int SECEditTextStore::Find(int startLine, int startCol, int *outLine, int *outCol, LPCTSTR pattern, BOOL bForward,
                           BOOL bWrap, BOOL bMatchCase, BOOL bWholeWord, BOOL bRegularExpression, int endLine,
                           int endCol)
{
    m_strFindError.Empty();
    const int s = PositionToOffset(startLine, startCol);
    if (s < 0 || !pattern || !*pattern)
        return 0;

    FindRequest req;
    req.pattern = pattern;
    req.length = static_cast<int>(std::strlen(pattern));
    req.matchCase = bMatchCase != FALSE;
    req.wholeWord = bWholeWord != FALSE;
    req.checkCharStart = MbIsContinuation(static_cast<unsigned char>(pattern[0]));

    // Without an engine the search goes on as a plain one.
    std::unique_ptr<SECEditRegExpBase> regExp;
    if (bRegularExpression) {
        regExp.reset(SECEditNewRegExp());
        if (regExp && regExp->Create()) {
            regExp->SetPattern(pattern);
            regExp->SetIgnoreCase(!bMatchCase);
            CString error;
            if (!regExp->IsPatternValid(error)) {
                m_strFindError = error;
                return 0;
            }
            req.regExp = regExp.get();
        }
    }

    const SECEditPosition start(startLine, startCol);
    const SECEditPosition textEnd(GetLastLine(), GetLineLength(GetLastLine()));
    SECEditPosition stop = start;
    if (endLine != -1) {
        stop = SECEditPosition(endLine, endCol);
        if (stop > textEnd)
            stop = textEnd;
        else if (PositionToOffset(endLine, endCol) < 0)
            return 0;
    }
    const int stopOffset = PositionToOffset(stop.m_nLine, stop.m_nCol);
    const int endOffset = m_nTextLength;

    int found = -1;
    int length = 0;
    if (bForward) {
        if (start < stop) {
            length = FindSegment(req, s, stopOffset, true, &found);
        } else {
            // From the start to the end of the text, then from the top to
            // the stop position.
            if (start < textEnd)
                length = FindSegment(req, s, endOffset, true, &found);
            if (length == 0 && bWrap && stop > SECEditPosition(0, 0))
                length = FindSegment(req, 0, stopOffset, true, &found);
        }
    } else {
        if (start > stop) {
            length = FindSegment(req, s, stopOffset, false, &found);
        } else {
            if (start > SECEditPosition(0, 0))
                length = FindSegment(req, s, 0, false, &found);
            if (length == 0 && bWrap && start < textEnd)
                length = FindSegment(req, endOffset, stopOffset, false, &found);
        }
    }
    if (length <= 0)
        return 0;
    int line = 0, col = 0;
    OffsetToPosition(found, &line, &col);
    if (outLine)
        *outLine = line;
    if (outCol)
        *outCol = col;
    return length;
}

// Forward: candidates start at from and go up to stop, both included.
// Backward: candidates start one character before from and go down to stop.
int SECEditTextStore::FindSegment(const FindRequest &req, int from, int stop, bool bForward, int *found)
{
    if (req.regExp) {
        int length = 0;
        const int at = FindRegExp(*req.regExp, from, stop, bForward, &length);
        if (at < 0)
            return 0;
        *found = at;
        return length;
    }
    const int at = bForward ? FindPlainForward(req, from, stop) : FindPlainBackward(req, from, stop);
    if (at < 0)
        return 0;
    *found = at;
    return req.length;
}

bool SECEditTextStore::IsCharStart(int offset)
{
    if (offset <= 0 || offset >= m_nTextLength)
        return true;
    // Only the nearest byte before the offset that is not a continuation
    // byte can begin a character that covers the offset; a character is at
    // most four bytes long.
    const int from = std::max(0, offset - 3);
    unsigned char window[7] = {};
    const int before = offset - from;
    const int total = before + std::min(4, m_nTextLength - offset);
    CopyBytes(from, total, reinterpret_cast<char *>(window));
    for (int p = before - 1; p >= 0; --p) {
        if (MbIsContinuation(window[p]))
            continue;
        const int length = MbCharLength(window + p, static_cast<size_t>(total - p));
        return p + length <= before;
    }
    return true;
}

bool SECEditTextStore::MatchesAt(const FindRequest &req, int offset)
{
    if (offset < 0 || offset + req.length > m_nTextLength)
        return false;
    int k = FindBlock(offset, TRUE);
    int matched = 0;
    while (matched < req.length && k < GetBlockCount()) {
        SECEditTextBlock *b = GetBlock(k);
        const int local = offset + matched - b->m_nOffset;
        const int n = std::min(req.length - matched, b->GetTextLength() - local);
        const char *p = b->GetData() + local;
        const char *q = req.pattern + matched;
        const bool same =
            req.matchCase ? std::memcmp(p, q, static_cast<size_t>(n)) == 0 : std::equal(p, p + n, q, FoldedEqual());
        if (!same)
            return false;
        matched += n;
        ++k;
    }
    if (matched < req.length)
        return false;
    if (req.checkCharStart && !IsCharStart(offset))
        return false;
    if (req.wholeWord && !IsWholeWord(offset, req.length))
        return false;
    return true;
}

int SECEditTextStore::FindPlainForward(const FindRequest &req, int from, int stop)
{
    stop = std::min(stop, m_nTextLength - req.length);
    if (from > stop)
        return -1;
    for (int k = FindBlock(from, TRUE); k >= 0 && k < GetBlockCount(); ++k) {
        SECEditTextBlock *b = GetBlock(k);
        const int blockStart = b->m_nOffset;
        const int blockLength = b->GetTextLength();
        if (blockStart > stop)
            break;
        const int lo = std::max(from, blockStart) - blockStart;
        const int hi = stop - blockStart; // last candidate, block-relative
        // Candidates whose match lies inside the block: a fast search.
        const int lastInside = std::min(hi, blockLength - req.length);
        const char *data = b->GetData();
        for (int c = lo; c <= lastInside;) {
            const char *first = data + c;
            const char *last = data + lastInside + req.length;
            const char *hit = SearchBytes(first, last, req.pattern, req.length, req.matchCase);
            if (hit == last)
                break;
            const int offset = blockStart + static_cast<int>(hit - data);
            if ((!req.checkCharStart || IsCharStart(offset)) && (!req.wholeWord || IsWholeWord(offset, req.length)))
                return offset;
            c = static_cast<int>(hit - data) + 1;
        }
        // Candidates whose match runs over the seam into the next block.
        for (int c = std::max(lo, blockLength - req.length + 1); c <= std::min(hi, blockLength - 1); ++c)
            if (MatchesAt(req, blockStart + c))
                return blockStart + c;
    }
    return -1;
}

int SECEditTextStore::FindPlainBackward(const FindRequest &req, int from, int stop)
{
    if (from <= stop)
        return -1;
    // The character before from is the first candidate.
    int c = from - 1;
    while (c > stop && !IsCharStart(c))
        --c;
    const unsigned char firstByte = static_cast<unsigned char>(req.pattern[0]);
    const unsigned char foldedFirst = FoldCase(firstByte);
    c = std::min(c, m_nTextLength - req.length);
    for (int k = FindBlock(std::max(c, 0), TRUE); c >= stop && k >= 0; --k) {
        SECEditTextBlock *b = GetBlock(k);
        const int blockStart = b->m_nOffset;
        for (; c >= stop && c >= blockStart; --c) {
            const unsigned char byte = static_cast<unsigned char>(b->GetData()[c - blockStart]);
            const bool firstMatches = req.matchCase ? byte == firstByte : FoldCase(byte) == foldedFirst;
            if (firstMatches && MatchesAt(req, c))
                return c;
        }
    }
    return -1;
}
