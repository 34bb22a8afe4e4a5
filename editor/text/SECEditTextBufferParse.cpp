// The token parser of the text buffer: it cuts a line into tokens and gives
// each a colour group (keyword, tag, operator or plain text).  Tokens are
// walked on (pointer, length): a NUL byte is an ordinary character.
#include "editor/text/SECEditTextBuffer.h"

#include "editor/lang/SECEditCharSet.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditTag.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextStore.h"

#include "framework/base/Mbcs.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

const unsigned char *Bytes(LPCTSTR p)
{
    return reinterpret_cast<const unsigned char *>(p);
}

int CharLength(LPCTSTR p, int available)
{
    if (available <= 0)
        return 0;
    return static_cast<unsigned char>(*p) < 0x80 ? 1 : MbCharLength(Bytes(p), static_cast<size_t>(available));
}

} // namespace

// ---------------------------------------------------------------------------
// Tokens

void SECEditTextBuffer::RebuildParseTables()
{
    std::fill(std::begin(m_asciiSets), std::end(m_asciiSets), 0);
    std::fill(std::begin(m_tagStarts), std::end(m_tagStarts), false);
    if (!m_pLangConfig)
        return;
    for (unsigned int c = 0; c < 128; ++c)
        for (int set = SECEDIT_KWSTARTCHARS; set <= SECEDIT_OPERATORS; ++set)
            if (m_pLangConfig->IsInCharSet(c, set))
                m_asciiSets[c] = static_cast<BYTE>(m_asciiSets[c] | (1u << set));
    std::fill(std::begin(m_keywordStarts), std::end(m_keywordStarts), false);
    for (int digit = '0'; digit <= '9'; ++digit)
        m_keywordStarts[digit] = true;
    const BOOL matchCase = m_pLangConfig->GetMatchCase();
    for (int byte = 0x80; byte < 256 && !matchCase; ++byte)
        m_keywordStarts[byte] = true;
    SECEditWordMap &keywords = m_pLangConfig->GetKeywordMap();
    for (POSITION pos = keywords.GetStartPosition(); pos != nullptr;) {
        CString word;
        WORD group = 0;
        keywords.GetNextAssoc(pos, word, group);
        if (word.IsEmpty())
            continue;
        const auto first = static_cast<unsigned char>(word[0]);
        m_keywordStarts[first] = true;
        if (first < 0x80 && std::isalpha(first)) {
            m_keywordStarts[std::tolower(first)] = true;
            m_keywordStarts[std::toupper(first)] = true;
        }
    }
    CPtrList tags;
    m_pLangConfig->GetTags(tags, SECEDIT_TAG_ANY);
    for (POSITION pos = tags.GetHeadPosition(); pos != nullptr;) {
        const auto *tag = static_cast<const SECEditTag *>(tags.GetNext(pos));
        if (!tag->m_strBeginTag.IsEmpty())
            m_tagStarts[static_cast<unsigned char>(tag->m_strBeginTag[0])] = true;
    }
}

BOOL SECEditTextBuffer::InCharSet(LPCTSTR p, int available, int set, int *pLength)
{
    const auto first = static_cast<unsigned char>(*p);
    if (first < 0x80) {
        if (pLength)
            *pLength = 1;
        return (m_asciiSets[first] >> set) & 1u;
    }
    int length = 0;
    const unsigned int code = SECEditCharCode(Bytes(p), static_cast<size_t>(available), &length);
    if (pLength)
        *pLength = std::max(length, 1);
    return m_pLangConfig && m_pLangConfig->IsInCharSet(code, set);
}

int SECEditTextBuffer::CharClass(LPCTSTR p, int available, BOOL bForTokens)
{
    if (*p == ' ' || *p == '\t')
        return bForTokens ? 0 : 1;
    return InCharSet(p, available, SECEDIT_DELIMITERS, nullptr) ? 1 : 2;
}

// Whether the character at p belongs to the set; one-byte characters come
// from the table, the others from the language.
inline bool SECEditTextBuffer::CharIn(const char *p, const char *end, int set, int *pLength)
{
    const auto first = static_cast<unsigned char>(*p);
    if (first < 0x80) {
        *pLength = 1;
        return (m_asciiSets[first] >> set) & 1u;
    }
    return InCharSet(p, static_cast<int>(end - p), set, pLength) != FALSE;
}

// A word character: neither space, tab nor delimiter.
inline bool SECEditTextBuffer::IsWordChar(const char *p, const char *end, int *pLength)
{
    if (*p == ' ' || *p == '\t') {
        *pLength = 1;
        return false;
    }
    return !CharIn(p, end, SECEDIT_DELIMITERS, pLength);
}

LPCTSTR SECEditTextBuffer::FindTokenEnd(LPCTSTR p, int length)
{
    if (!p || length <= 0)
        return nullptr;
    const char *end = p + length;
    if (*p == ' ' || *p == '\t') {
        while (p < end && (*p == ' ' || *p == '\t'))
            ++p;
        return p;
    }
    const char *q = p;
    int step = 1;
    if (IsWordChar(q, end, &step) || CharIn(q, end, SECEDIT_KWSTARTCHARS, &step))
        q += CharLength(q, static_cast<int>(end - q));
    while (q < end && (IsWordChar(q, end, &step) || CharIn(q, end, SECEDIT_KWMIDDLECHARS, &step)))
        q += CharLength(q, static_cast<int>(end - q));
    if (q < end && CharIn(q, end, SECEDIT_KWENDCHARS, &step))
        q += step;
    return q;
}

// ---------------------------------------------------------------------------
// Classifying

int SECEditTextBuffer::ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                  WORD *pPending, SECEditColorRuns *pRuns)
{
    int consumed = ClassifyKeyword(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    if (!consumed)
        consumed = ClassifyTag(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    if (!consumed)
        consumed = ClassifyOperator(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    if (consumed)
        return consumed;
    const int amount = tokenLength > 0 ? tokenLength : CharLength(token, remaining);
    // The pending count is a word: longer plain text goes out in pieces.
    if (static_cast<int>(*pPending) + amount > 0xFFFF)
        FlushPending(pRuns, pPending);
    if (amount > 0xFFFF)
        pRuns->Add(amount, FixedGroup(SECEDIT_GROUP_TEXT));
    else
        *pPending = static_cast<WORD>(*pPending + amount);
    return amount;
}

int SECEditTextBuffer::ClassifyKeyword(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                       WORD *pPending, SECEditColorRuns *pRuns)
{
    if (tokenLength <= 0)
        return 0;
    WORD group = 0;
    if (!LookupKeyword(token, tokenLength, &group))
        return 0;
    FlushPending(pRuns, pPending);
    pRuns->Add(tokenLength, group);
    return tokenLength;
}

int SECEditTextBuffer::ClassifyTag(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                   WORD *pPending, SECEditColorRuns *pRuns)
{
    SECEditTag *tag = FindTag(line, lineText, token, tokenLength, remaining, SECEDIT_TAG_ANY);
    if (!tag)
        return 0;
    FlushPending(pRuns, pPending);
    if (tag->m_bMultiLine)
        return ColorMultiLineTag(line, lineText, token, remaining, pRuns, tag);
    return ColorSingleLineTag(line, lineText, token, remaining, pRuns, tag);
}

int SECEditTextBuffer::ClassifyOperator(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                        WORD *pPending, SECEditColorRuns *pRuns)
{
    int length = 0;
    if (remaining <= 0 || !InCharSet(token, remaining, SECEDIT_OPERATORS, &length))
        return 0;
    FlushPending(pRuns, pPending);
    pRuns->Add(length, FixedGroup(SECEDIT_GROUP_OPERATOR));
    return length;
}

void SECEditTextBuffer::FlushPending(SECEditColorRuns *pRuns, WORD *pPending)
{
    if (*pPending > 0) {
        pRuns->Add(*pPending, FixedGroup(SECEDIT_GROUP_TEXT));
        *pPending = 0;
    }
}

int SECEditTextBuffer::LookupKeyword(LPCTSTR token, int length, WORD *pGroup)
{
    // A token that no keyword (nor a number) begins with is none.
    if (!m_pLangConfig || length <= 0 || !m_keywordStarts[static_cast<unsigned char>(*token)])
        return 0;
    return m_pLangConfig->LookupKeyword(token, length, pGroup);
}

SECEditTag *SECEditTextBuffer::FindTag(int line, LPCTSTR lineText, LPCTSTR at, int length, int remaining, int kind)
{
    if (!m_pLangConfig || remaining <= 0 || !m_tagStarts[static_cast<unsigned char>(*at)])
        return nullptr;
    return m_pLangConfig->FindTag(at, remaining, length, kind);
}

// ---------------------------------------------------------------------------
// Tags

SECEditPosition &SECEditTextBuffer::FindTagEnd(SECEditPosition &out, int fromLine, int fromCol, SECEditTag *pTag)
{
    const int lineLength = GetLineTextLength(fromLine);
    if (pTag->m_strEndTag.IsEmpty()) {
        out = SECEditPosition(fromLine, lineLength);
        return out;
    }
    const SECEditPosition limit = pTag->m_bMultiLine ? GetEndPosition() : SECEditPosition(fromLine, lineLength);
    const BOOL matchCase = m_pLangConfig ? m_pLangConfig->GetMatchCase() : TRUE;
    const BOOL escapes = !pTag->m_bMultiLine && !pTag->m_strEscapeChar.IsEmpty();
    const CString &endTag = pTag->m_strEndTag;
    SECEditPosition from(fromLine, fromCol);
    for (;;) {
        if (from >= limit) {
            out = limit;
            return out;
        }
        int line = -1, col = -1;
        if (!pTag->m_bMultiLine) {
            line = fromLine;
            col = FindInLine(fromLine, from.m_nCol, limit.m_nCol, endTag, matchCase);
        } else if (m_pStore->Find(from.m_nLine, from.m_nCol, &line, &col, endTag, TRUE, FALSE, matchCase, FALSE, FALSE,
                                  limit.m_nLine, limit.m_nCol) <= 0) {
            col = -1;
        }
        if (col < 0 || SECEditPosition(line, col) < from || SECEditPosition(line, col) > limit) {
            out = limit;
            return out;
        }
        const SECEditPosition found(line, col);
        if (!escapes || found == from)
            return out = SECEditPosition(line, col + endTag.GetLength());
        // Count the escape characters right before the end text.
        const CString &escape = pTag->m_strEscapeChar;
        int count = 0;
        for (int at = col; at - escape.GetLength() >= from.m_nCol;) {
            CString before;
            GetText(before, line, at - escape.GetLength(), line, at);
            if (before != escape)
                break;
            ++count;
            at = AlignColumn(line, at - escape.GetLength(), FALSE);
            if (at < 0)
                break;
        }
        if (count % 2 == 0)
            return out = SECEditPosition(line, col + endTag.GetLength());
        from = SECEditPosition(line, col + endTag.GetLength());
    }
}

int SECEditTextBuffer::FindInLine(int line, int fromCol, int limitCol, const CString &pattern, BOOL bMatchCase)
{
    const int lineLength = GetLineLength(line);
    const int patternLength = pattern.GetLength();
    if (lineLength < 0 || patternLength == 0)
        return -1;
    CString holder;
    char *text = nullptr;
    if (m_pStore->GetTextPointer(&text, line, 0, line, lineLength) < 0) {
        m_pStore->GetText(holder, line, 0, line, lineLength);
        text = holder.GetBuffer(0);
    }
    auto fold = [bMatchCase](char c) {
        return bMatchCase ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    const char first = fold(pattern[0]);
    const int lastStart = std::min(limitCol, lineLength - patternLength);
    for (int col = std::max(fromCol, 0); col <= lastStart; ++col) {
        if (fold(text[col]) != first)
            continue;
        int i = 1;
        while (i < patternLength && fold(text[col + i]) == fold(pattern[i]))
            ++i;
        if (i == patternLength)
            return col;
    }
    return -1;
}

int SECEditTextBuffer::ColorSingleLineTag(int line, LPCTSTR lineText, LPCTSTR at, int remaining,
                                          SECEditColorRuns *pRuns, SECEditTag *pTag)
{
    const int col = static_cast<int>(at - lineText);
    SECEditPosition end;
    FindTagEnd(end, line, col + pTag->m_strBeginTag.GetLength(), pTag);
    const int length = std::max(std::min(end.m_nCol - col, remaining), 1);
    pRuns->Add(length, pTag->m_wColorGroup);
    return length;
}

int SECEditTextBuffer::ColorMultiLineTag(int line, LPCTSTR lineText, LPCTSTR at, int remaining, SECEditColorRuns *pRuns,
                                         SECEditTag *pTag)
{
    const int col = static_cast<int>(at - lineText);
    SECEditPosition end;
    FindTagEnd(end, line, col + pTag->m_strBeginTag.GetLength(), pTag);
    if (end.m_nLine == line) {
        const int length = std::max(std::min(end.m_nCol - col, remaining), 1);
        pRuns->Add(length, pTag->m_wColorGroup);
        return length;
    }
    pRuns->Add(remaining, pTag->m_wColorGroup);
    // The lines in between are coloured when they are asked for: each
    // starts inside the region just recorded.
    const unsigned id = RecordRegion(SECEditPosition(line, col), end, pTag->m_wColorGroup);
    SendPlainHint(SECEDIT_HINT_INVALIDATE_LINES, line, end.m_nLine);
    NewRowOfOneRun(end.m_nLine, id, end.m_nCol, pTag->m_wColorGroup);
    m_nColoredUpTo = std::max(m_nColoredUpTo, end.m_nLine);
    m_continuation = end;
    return remaining;
}

// ---------------------------------------------------------------------------
// Single-line tag spans

BOOL SECEditTextBuffer::FindTagSpan(int line, int *pCol, int *pEnd)
{
    CString holder;
    char *text = nullptr;
    const int length = GetLineText(line, holder, &text);
    int col = pCol ? std::max(*pCol, 0) : 0;
    if (length <= 0 || col >= length)
        return FALSE;
    const char *p = text + col;
    int n = length - col;
    while (const char *e = FindTokenEnd(p, n)) {
        const int tokenLength = static_cast<int>(e - p);
        if (SECEditTag *tag = FindTag(line, text, p, tokenLength, n, SECEDIT_TAG_SINGLELINE)) {
            const int start = static_cast<int>(p - text);
            SECEditPosition end;
            FindTagEnd(end, line, start + tag->m_strBeginTag.GetLength(), tag);
            if (pCol)
                *pCol = start;
            if (pEnd)
                *pEnd = end.m_nCol;
            return TRUE;
        }
        const int step = tokenLength > 0 ? tokenLength : CharLength(p, n);
        p += step;
        n -= step;
    }
    return FALSE;
}
