// Successive regular-expression matches over the text store's blocks in
// place, each with its groups, so that a replacement is expanded from the
// match as the engine found it, without a copy of the document.  A block is
// handed to the engine as it is; the first bytes of a block (whose
// look-behind context lies in the block before) and an attempt that runs
// into a block's end are matched in a small window copied over the seam:
// the bytes a look-behind may see before the start position, then a few
// hundred after it, doubled while an attempt needs more.  The searched text
// is the whole document: '^' matches only at its start, and a look-behind
// sees the bytes before a match whichever block they are in.
#pragma once

#include "framework/base/CString.h"

#include <string>

class SECEditRegExp;
class SECEditTextStore;

class SECEditBlockMatcher {
public:
    // The engine has its pattern and options; the store does not change
    // while the matcher is used.
    SECEditBlockMatcher(SECEditTextStore &store, SECEditRegExp &regExp);
    SECEditBlockMatcher(const SECEditBlockMatcher &) = delete;
    SECEditBlockMatcher &operator=(const SECEditBlockMatcher &) = delete;

    // The first match that starts at pos or later: 1 with its bounds (an
    // empty match too), 0 for none, -1 when the engine gave up (its
    // GetLastError tells why).
    int Next(int pos, int *start, int *end);
    // Appends the replacement, its tokens expanded for the match Next found
    // last.
    void AppendReplacement(std::string &out, const CString &replacement);

private:
    // 1, 0 or -1 as Next; 2 when the search goes on at pos (moved on to
    // where the block can no longer decide).
    int MatchInBlock(int &pos, int *start, int *end);
    int MatchInWindow(int &pos, int *start, int *end);
    // Makes the block that holds pos the current one; false when pos is the
    // end of the text.
    bool LoadBlock(int pos);

    SECEditTextStore &m_store;
    SECEditRegExp &m_regExp;
    // Bytes before a start position that a match may look at, with room to
    // reach back to the start of a character.
    int m_nContext;
    // The current block: its bytes, where they start, how many of them the
    // engine may see (not half a character at its end), and whether text
    // follows them.
    const char *m_pBlock = nullptr;
    int m_nBlockStart = 0;
    int m_nUsable = 0;
    bool m_bMore = false;
    // What the engine has as its subject: the current block, or the window.
    const char *m_pSubject = nullptr;
    std::string m_window;
};
