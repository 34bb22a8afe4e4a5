// What the block-by-block regular-expression searches share: how they read
// the engine's answer on one piece of the text, and the small window they
// copy over the seam between two blocks.
#pragma once

#include <algorithm>
#include <string>

// Bytes a seam window holds after its first start position at first.
constexpr int kSECEditSeamWindow = 256;

// The bytes without a character at their end that the text after them may
// still complete, so that the engine never sees half of a character there.
inline int SECEditCompleteLength(const char *bytes, int length)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes);
    for (int back = 1; back <= 3 && back <= length; ++back) {
        const unsigned char c = p[length - back];
        if (c >= 0x80 && c <= 0xBF)
            continue;
        const int needed = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return needed > back ? length - back : length;
    }
    return length;
}

// How a search goes on after the engine looked at one piece of the text.
enum class SECEditPieceStep {
    error,   // the engine gave up
    none,    // no match up to the end of the text
    match,   // a match, its bounds given
    partial, // an attempt ran into the piece's end: go on at its start (pos)
    past,    // nothing in the piece: go on after it (pos)
};

// Reads the engine's answer (-1 error, 0 no match, 1 match, 2 partial, with
// the offsets first and last in the piece) on a piece that starts at
// pieceStart in the text, of which the engine saw `seen` bytes; `more` says
// whether text follows them.
inline SECEditPieceStep SECEditTakePiece(int result, int pieceStart, int seen, bool more, long first, long last,
                                         int &pos, int *start, int *end)
{
    if (result < 0)
        return SECEditPieceStep::error;
    // A match may only start where the engine saw everything it looked at;
    // an empty one at the very end is decided in the window over the seam.
    if (result == 1 && (!more || first < seen)) {
        *start = pieceStart + static_cast<int>(first);
        *end = pieceStart + static_cast<int>(last);
        return SECEditPieceStep::match;
    }
    if (result == 2) {
        pos = pieceStart + static_cast<int>(first);
        return SECEditPieceStep::partial;
    }
    if (!more)
        return SECEditPieceStep::none;
    pos = pieceStart + seen;
    return SECEditPieceStep::past;
}

// What a search over one block answers for a step: 1 a match, 0 none, -1
// the engine gave up, 2 the search goes on at pos.
inline int SECEditBlockAnswer(SECEditPieceStep step)
{
    switch (step) {
    case SECEditPieceStep::error: return -1;
    case SECEditPieceStep::none: return 0;
    case SECEditPieceStep::match: return 1;
    case SECEditPieceStep::partial:
    case SECEditPieceStep::past: break;
    }
    return 2;
}

// Matches in a copy of the text around pos: the `context` bytes before it
// (none before `lowest`) and, at first, kSECEditSeamWindow bytes after it;
// an attempt at pos that needs more doubles the window.
// copyText(from, length, into) copies text out of the store;
// matchPiece(bytes, length, startOffset, more, &first, &last) runs the
// engine on the window and answers as SECEditTakePiece reads it.
// Returns 1 with the match's bounds, 0 for none, -1 when the engine gave up,
// 2 when the search goes on at pos, past the window.
template <class CopyText, class MatchPiece>
int SECEditMatchInSeamWindow(std::string &window, int lowest, int context, int textEnd, int &pos, int *start, int *end,
                             CopyText copyText, MatchPiece matchPiece)
{
    int size = kSECEditSeamWindow;
    for (;;) {
        const int windowStart = std::max(lowest, pos - context);
        const int windowEnd = static_cast<int>(std::min<long long>(textEnd, static_cast<long long>(pos) + size));
        window.resize(static_cast<size_t>(windowEnd - windowStart));
        copyText(windowStart, windowEnd - windowStart, window.data());
        const bool more = windowEnd < textEnd;
        const int length =
            more ? SECEditCompleteLength(window.data(), windowEnd - windowStart) : windowEnd - windowStart;
        if (more && length <= pos - windowStart) {
            size *= 2; // only half a character after pos
            continue;
        }
        long first = 0, last = 0;
        const int result = matchPiece(window.data(), length, pos - windowStart, more, &first, &last);
        const int attemptAt = pos;
        switch (SECEditTakePiece(result, windowStart, length, more, first, last, pos, start, end)) {
        case SECEditPieceStep::error: return -1;
        case SECEditPieceStep::none: return 0;
        case SECEditPieceStep::match: return 1;
        case SECEditPieceStep::past: return 2;
        case SECEditPieceStep::partial:
            // The same attempt needs more text after it than the window has.
            if (pos == attemptAt)
                size = size > textEnd / 2 ? textEnd : size * 2;
            break;
        }
    }
}
