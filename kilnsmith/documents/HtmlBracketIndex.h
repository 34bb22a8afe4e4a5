// Finds the angle bracket ("<" or ">") nearest to a point of a buffer's
// text, looking back or ahead across lines, for the HTML colouring rule.
//
// A plain search looks back over every earlier line for each token of a
// line that has no bracket before it; the index remembers, per line, the
// last bracket of all the lines before it and the first bracket of all the
// lines after it, and keeps its place within the line being coloured, so
// colouring a whole file touches each byte a bounded number of times. An
// edit drops what it may have changed; a new text or language drops all.
#pragma once

#include "framework/base/CString.h"

#include <vector>

class SECEditTextBuffer;

class CHtmlBracketIndex {
public:
    // What a search finds: a bracket character, or kNone.
    static constexpr char kNone = 0;

    explicit CHtmlBracketIndex(SECEditTextBuffer &buffer) : m_buffer(buffer) {}

    // The later of the last "<" and the last ">" in the first offset bytes
    // of the line's text; when neither is there, the last bracket of the
    // lines before it.
    char Before(int line, const char *text, int length, int offset);
    // The earlier of the first "<" and the first ">" from byte
    // min(offset, length) of the line's text on; when neither is there, the
    // first bracket of the lines after it.
    char After(int line, const char *text, int length, int offset);

    // The text changed from this line on (its own line included).
    void DropFrom(int line);
    void DropAll();

private:
    // The last bracket of the lines 0 to line - 1.
    char LastBeforeLine(int line);
    // The first bracket of the lines line + 1 to the last.
    char FirstAfterLine(int line);
    static char LastBracketIn(const char *text, int length);
    // The first bracket at or after from: its offset, or length when none.
    static int FirstBracketFrom(const char *text, int length, int from);
    // The line's own text (without its line break).
    int LineText(int line, const char *&text);

    SECEditTextBuffer &m_buffer;
    CString m_holder; // a line's text when the store cannot point at it
    // m_before[L]: the last bracket of the lines before L, known for every
    // L below its size.
    std::vector<char> m_before;
    // m_after[L]: the first bracket of the lines after L, or kUnknown.
    static constexpr char kUnknown = 1;
    std::vector<char> m_after;

    // Where the last backward search of a line stopped, so the next token
    // of the same line scans only the bytes in between.
    struct BackwardPlace {
        int line = -1;
        const char *text = nullptr;
        int offset = 0;
        char last = kNone; // the last bracket in the first offset bytes
    } m_back;
    // The last forward search of a line: from `offset`, the first bracket
    // lies at `found` (length when none), so any search from offset to
    // found finds the same one.
    struct ForwardPlace {
        int line = -1;
        const char *text = nullptr;
        int offset = 0;
        int found = 0;
    } m_ahead;
};
