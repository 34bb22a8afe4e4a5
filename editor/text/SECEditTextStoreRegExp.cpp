// Regular-expression search over the store's blocks in place.  The engine
// matches each block's own bytes; an attempt that runs into a block's end
// stops as partial and is taken up again in a small window copied over the
// seam, which grows until the attempt is decided.  A window also serves the
// first bytes of a block, whose look-behind context lies in the block before.
// The searched text starts at the search's first position: there '^' and
// '\A' match and look-behinds see nothing, exactly as if that part of the
// text had been copied out and searched whole.
#include "editor/text/SECEditRegExpBase.h"
#include "editor/text/SECEditSeamWindow.h"
#include "editor/text/SECEditTextStore.h"
#include "framework/base/Mbcs.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Patterns with '\G' match relative to where each search call starts; they
// are searched on one copy of the text so that this stays where it was.
bool NeedsWholeCopy(const CString &pattern)
{
    return pattern.Find("\\G") >= 0;
}

} // namespace

struct SECEditTextStore::RegExpScan {
    SECEditRegExpBase *regExp = nullptr;
    // Where the searched text starts.
    int begin = 0;
    // Bytes before a start position that a match may look at (with room to
    // reach back to the start of a character).
    int context = 0;
    bool wholeCopy = false;
    bool copied = false;
    std::string window;
};

// Forward: the first match from `from` to the end of the text that starts no
// later than stop.  Backward: the successive matches from stop on; the last
// that starts before `from` wins (it may run on past `from`, as in plain
// search).  An empty match is no match.
int SECEditTextStore::FindRegExp(SECEditRegExpBase &regExp, int from, int stop, bool bForward, int *length)
{
    const int begin = bForward ? from : stop;
    const int end = m_nTextLength;
    if (end < begin || (!bForward && from <= stop))
        return -1;
    RegExpScan scan;
    scan.regExp = &regExp;
    scan.begin = begin;
    scan.context = regExp.GetLookbehindBytes() + 3;
    scan.wholeCopy = NeedsWholeCopy(regExp.GetPattern());

    int start = -1, matchEnd = -1;
    if (bForward) {
        if (FirstRegExpMatch(scan, begin, &start, &matchEnd) != 1 || start > stop)
            return -1;
    } else {
        for (int pos = begin; pos <= end;) {
            int s = 0, e = 0;
            const int result = FirstRegExpMatch(scan, pos, &s, &e);
            if (result < 0)
                return -1;
            if (result == 0 || s >= from)
                break;
            start = s;
            matchEnd = e;
            pos = e;
            if (e == s) {
                if (pos >= end)
                    break;
                pos += EngineCharLength(pos);
            }
        }
    }
    if (start < 0 || matchEnd <= start)
        return -1;
    *length = matchEnd - start;
    return start;
}

// The first match that starts at pos or later: 1 with it, 0 for none, -1
// when the engine failed (a pattern that needs too much work).
int SECEditTextStore::FirstRegExpMatch(RegExpScan &scan, int pos, int *start, int *end)
{
    if (scan.wholeCopy)
        return MatchInWholeCopy(scan, pos, start, end);
    for (;;) {
        int result = MatchInBlock(scan, pos, start, end);
        if (result == 2)
            result = MatchInWindow(scan, pos, start, end);
        if (result != 2)
            return result;
    }
}

// Matches in the block that holds pos when that block holds the context
// before pos too.  1, 0 or -1 as above; 2 when the search goes on at pos (a
// seam or the first bytes of a block).
int SECEditTextStore::MatchInBlock(RegExpScan &scan, int &pos, int *start, int *end)
{
    const int textEnd = m_nTextLength;
    const int k = pos < textEnd ? FindBlock(pos, TRUE) : -1;
    if (k < 0)
        return 2;
    SECEditTextBlock *block = GetBlock(k);
    const int blockStart = block->m_nOffset;
    const int blockEnd = blockStart + block->GetTextLength();
    const int subjectStart = std::max(blockStart, scan.begin);
    const char *subject = block->GetData() + (subjectStart - blockStart);
    const int usable =
        blockEnd == textEnd ? blockEnd - subjectStart : SECEditCompleteLength(subject, blockEnd - subjectStart);
    const bool hasContext = subjectStart == scan.begin || pos - subjectStart >= scan.context;
    if (!hasContext || pos >= subjectStart + usable)
        return 2;

    const bool more = subjectStart + usable < textEnd;
    long first = 0, last = 0;
    const int result = scan.regExp->MatchPiece(subject, usable, pos - subjectStart, more, &first, &last);
    return SECEditBlockAnswer(SECEditTakePiece(result, subjectStart, usable, more, first, last, pos, start, end));
}

// Matches in a copy of the text around pos, over the seam between blocks.
// 1, 0 or -1 as above; 2 when the search goes on at pos, past the window.
int SECEditTextStore::MatchInWindow(RegExpScan &scan, int &pos, int *start, int *end)
{
    auto copyText = [this](int from, int length, char *into) { CopyBytes(from, length, into); };
    auto matchPiece = [&scan](const char *bytes, int length, int startOffset, bool more, long *first, long *last) {
        return scan.regExp->MatchPiece(bytes, length, startOffset, more, first, last);
    };
    return SECEditMatchInSeamWindow(scan.window, scan.begin, scan.context, m_nTextLength, pos, start, end, copyText,
                                    matchPiece);
}

// Matches on one copy of the whole searched text, made on first use.
int SECEditTextStore::MatchInWholeCopy(RegExpScan &scan, int pos, int *start, int *end)
{
    const int length = m_nTextLength - scan.begin;
    if (!scan.copied) {
        scan.window.assign(static_cast<size_t>(length), '\0');
        CopyBytes(scan.begin, length, scan.window.data());
        scan.copied = true;
    }
    long first = 0, last = 0;
    const int result = scan.regExp->MatchPiece(scan.window.data(), length, pos - scan.begin, FALSE, &first, &last);
    if (result == SECEditRegExpBase::pieceError)
        return -1;
    if (result != SECEditRegExpBase::pieceMatch)
        return 0;
    *start = scan.begin + static_cast<int>(first);
    *end = scan.begin + static_cast<int>(last);
    return 1;
}

// The length the engine gives the character at offset when an empty match
// moves on: a whole UTF-8 sequence, or 1 for a byte that does not start one.
int SECEditTextStore::EngineCharLength(int offset)
{
    unsigned char p[4] = {};
    const int left = std::min(4, m_nTextLength - offset);
    CopyBytes(offset, left, reinterpret_cast<char *>(p));
    return MbEngineCharLength(p, static_cast<size_t>(std::max(0, left)));
}
