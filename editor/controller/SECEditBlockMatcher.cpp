#include "editor/controller/SECEditBlockMatcher.h"

#include "editor/controller/SECEditRegExp.h"
#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditSeamWindow.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>

SECEditBlockMatcher::SECEditBlockMatcher(SECEditTextStore &store, SECEditRegExp &regExp)
    : m_store(store), m_regExp(regExp), m_nContext(regExp.GetLookbehindBytes() + 3)
{
}

int SECEditBlockMatcher::Next(int pos, int *start, int *end)
{
    if (pos < 0 || pos > m_store.GetTextLength())
        return 0;
    for (;;) {
        int result = MatchInBlock(pos, start, end);
        if (result == 2)
            result = MatchInWindow(pos, start, end);
        if (result != 2)
            return result;
    }
}

void SECEditBlockMatcher::AppendReplacement(std::string &out, const CString &replacement)
{
    m_regExp.AppendReplacement(out, replacement);
}

bool SECEditBlockMatcher::LoadBlock(int pos)
{
    const int textEnd = m_store.GetTextLength();
    if (m_pBlock && pos >= m_nBlockStart && pos < m_nBlockStart + m_nUsable)
        return true;
    const int k = pos < textEnd ? m_store.FindBlock(pos, TRUE) : -1;
    SECEditTextBlock *block = k >= 0 ? m_store.GetBlock(k) : nullptr;
    if (!block)
        return false;
    m_pBlock = block->GetData();
    m_nBlockStart = block->m_nOffset;
    const int length = block->GetTextLength();
    const bool last = m_nBlockStart + length >= textEnd;
    m_nUsable = last ? length : SECEditCompleteLength(m_pBlock, length);
    m_bMore = !last || m_nUsable < length;
    return true;
}

// Matches in the block that holds pos when that block holds the context
// before pos too.
int SECEditBlockMatcher::MatchInBlock(int &pos, int *start, int *end)
{
    if (!LoadBlock(pos))
        return 2;
    const bool hasContext = m_nBlockStart == 0 || pos - m_nBlockStart >= m_nContext;
    if (!hasContext || pos >= m_nBlockStart + m_nUsable)
        return 2;
    if (m_pSubject != m_pBlock) {
        m_regExp.BeginPass(m_pBlock, m_nUsable);
        m_pSubject = m_pBlock;
    }
    long first = 0, last = 0;
    const int result = m_regExp.NextMatchPiece(pos - m_nBlockStart, m_bMore, &first, &last);
    return SECEditBlockAnswer(
        SECEditTakePiece(result, m_nBlockStart, m_nUsable, m_bMore, first, last, pos, start, end));
}

// Matches in a copy of the text around pos, over the seam between blocks.
int SECEditBlockMatcher::MatchInWindow(int &pos, int *start, int *end)
{
    auto copyText = [this](int from, int length, char *into) { m_store.CopyText(from, length, into); };
    auto matchPiece = [this](const char *bytes, int length, int startOffset, bool more, long *first, long *last) {
        m_regExp.BeginPass(bytes, length);
        m_pSubject = bytes;
        return m_regExp.NextMatchPiece(startOffset, more, first, last);
    };
    return SECEditMatchInSeamWindow(m_window, 0, m_nContext, m_store.GetTextLength(), pos, start, end, copyText,
                                    matchPiece);
}
