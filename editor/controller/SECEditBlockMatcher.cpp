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
    if (result < 0)
        return -1;
    // A match may only start where the engine saw everything it looked at;
    // an empty one at the very end is decided in the window over the seam.
    if (result == 1 && (!m_bMore || first < m_nUsable)) {
        *start = m_nBlockStart + static_cast<int>(first);
        *end = m_nBlockStart + static_cast<int>(last);
        return 1;
    }
    if (result == 2) {
        pos = m_nBlockStart + static_cast<int>(first);
        return 2;
    }
    if (!m_bMore)
        return 0;
    pos = m_nBlockStart + m_nUsable;
    return 2;
}

// Matches in a copy of the text around pos: its context before and, at
// first, a few hundred bytes after; an attempt at pos that needs more doubles
// the window.
int SECEditBlockMatcher::MatchInWindow(int &pos, int *start, int *end)
{
    const int textEnd = m_store.GetTextLength();
    int size = kSECEditSeamWindow;
    for (;;) {
        const int windowStart = std::max(0, pos - m_nContext);
        const int windowEnd = static_cast<int>(std::min<long long>(textEnd, static_cast<long long>(pos) + size));
        m_window.resize(static_cast<size_t>(windowEnd - windowStart));
        m_store.CopyText(windowStart, windowEnd - windowStart, m_window.data());
        const bool more = windowEnd < textEnd;
        const int length =
            more ? SECEditCompleteLength(m_window.data(), windowEnd - windowStart) : windowEnd - windowStart;
        if (more && length <= pos - windowStart) {
            size *= 2; // only half a character after pos
            continue;
        }
        m_regExp.BeginPass(m_window.data(), length);
        m_pSubject = m_window.data();
        long first = 0, last = 0;
        const int result = m_regExp.NextMatchPiece(pos - windowStart, more, &first, &last);
        if (result < 0)
            return -1;
        if (result == 1 && (!more || first < length)) {
            *start = windowStart + static_cast<int>(first);
            *end = windowStart + static_cast<int>(last);
            return 1;
        }
        if (result == 2) {
            const int at = windowStart + static_cast<int>(first);
            if (at == pos)
                size = size > textEnd / 2 ? textEnd : size * 2;
            pos = at;
            continue;
        }
        if (!more)
            return 0;
        pos = windowStart + length;
        return 2;
    }
}
