// One Replace All over a buffer.  The matches are found in one pass over
// the text, from a start to the end of the document and then, wrapped, from
// its top up to the first match (or from the start of a selection to its
// end), each replacement worked out as the pass goes; then the new text is
// put in, inside the caller's undo group.  Up to a few thousand matches are
// replaced one by one from the last; with more, the stretch from the first
// match to the last is written anew, block by block, and the text store
// swaps it in as one undo record that keeps the old blocks.
#pragma once

#include "framework/base/CString.h"

#include <memory>
#include <string_view>

class SECEditFindState;
class SECEditTextBuffer;

// Whether the lines before + replacement + after makes (a replacement with
// line breaks makes several) fit the buffer's line width; also true when a
// replacement no longer than the match and the match both hold a tab.
bool SECEditLineFits(SECEditTextBuffer &buffer, std::string_view before, std::string_view replacement,
                     std::string_view after, std::string_view match);

class SECEditReplaceAllPass {
public:
    // Up to this many matches are replaced one by one.
    static constexpr int kPieceByPiece = 4096;

    SECEditReplaceAllPass(SECEditTextBuffer &buffer, SECEditFindState &state);
    ~SECEditReplaceAllPass();
    SECEditReplaceAllPass(const SECEditReplaceAllPass &) = delete;
    SECEditReplaceAllPass &operator=(const SECEditReplaceAllPass &) = delete;

    // Finds the matches and their replacements (byte offsets).
    void Collect(int start, int stop, bool bInSelection);
    // Puts the new text in; where the last replacement now ends, -1 when
    // there is none.
    int Apply();
    int GetCount() const;
    // A replacement would have made a line too wide: collecting stopped
    // there, and what was found before it is kept.
    bool IsStoppedByLineLimit() const;
    // Why the engine gave up, empty when it did not.
    const CString &GetEngineError() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};
