// Finds the angle bracket ("<" or ">") nearest to a point of a buffer's
// text, looking back or ahead across lines, for the HTML colouring rule.
//
// A plain search looks back over every earlier line for each token of a
// line that has no bracket before it; the index remembers, per line, the
// last bracket of all the lines before it and the first bracket of all the
// lines after it, and the places of the brackets in the line being
// coloured, so colouring a whole file touches each byte a bounded number
// of times. An edit drops what it may have changed; a new text or language
// drops all.
#pragma once

#include "framework/base/CString.h"

#include <vector>

class SECEditTextBuffer;

class CHtmlBracketIndex {
public:
    // What a search finds: a bracket character, or kNone.
    static constexpr char kNone = 0;

    explicit CHtmlBracketIndex(SECEditTextBuffer &buffer) : m_buffer(buffer) {}

    // Whether the offset of the line lies outside every "<...>" tag: a ">"
    // is inside when the last bracket before it is "<", a "<" when the
    // first bracket after it is ">", any other byte when both hold. The
    // brackets of other lines count where the line has none. text and
    // length are the line's whole text (without its line break); offset
    // lies within it or at its end.
    BOOL IsOutside(int line, const char *text, int length, int offset);

    // The text changed from this line on (its own line included).
    void DropFrom(int line);
    void DropAll();

private:
    // The bracket before the count-th of the line's brackets (the last of
    // the lines before it for the first), and the count-th itself (the
    // first of the lines after it when the line has no more).
    char Before(size_t count);
    char From(size_t count);
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

    // The brackets of the line last asked about: their offsets in order,
    // found in one pass, and how many lie before the offset last asked
    // (colouring asks left to right, so finding the next answer is a step
    // or two from the last).
    struct LineBrackets {
        int line = -1;
        const char *text = nullptr;
        int length = 0;
        std::vector<int> offsets;
        size_t before = 0;
    } m_line;
    // The line's brackets, scanned when the line (or its text) is new.
    // Scanning a line also tells the last bracket up to the next line.
    LineBrackets &Brackets(int line, const char *text, int length);
    // Adds the last bracket up to the end of the scanned line to m_before
    // when that ends right before it.
    void NoteLastBracket();
    // How many of the line's brackets lie before offset.
    size_t CountBefore(LineBrackets &brackets, int offset);
};
