// Finds the angle bracket ("<" or ">") nearest to a point of a buffer's
// text, looking back or ahead across lines, for the HTML colouring rule.
//
// A plain search looks back over every earlier line for each token of a
// line that has no bracket before it; the index remembers, per line, the
// last bracket of all the lines before it and the first bracket of all the
// lines after it, so colouring a whole file touches each byte a bounded
// number of times. An edit drops what it may have changed; a new text or
// language drops all.
//
// The line being coloured is read once into its tags: the stretches from a
// "<" to the ">" that closes it (or from the line's start, or to its end,
// when the tag crosses a line break). Every question about that line is
// then a step along that short list, made inline: colouring asks about
// nearly every token, left to right.
#pragma once

#include "framework/base/CString.h"

#include <algorithm>
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
    BOOL IsOutside(int line, const char *text, int length, int offset)
    {
        length = text ? std::max(length, 0) : 0;
        if (!IsLineRead(line, text, length))
            ReadLine(line, text, length);
        return !InTag(std::clamp(offset, 0, length));
    }

    // Whether the line is the one last read and the offset lies in the tag
    // the last question stopped at (FALSE says nothing): IsOutside's answer
    // for the tokens after a tag's first, at the cost of a few comparisons.
    bool IsKnownInside(int line, const char *text, int length, int offset) const
    {
        if (!IsLineRead(line, text, length) || m_line.next >= m_line.tags.size())
            return false;
        const Stretch &tag = m_line.tags[m_line.next];
        return offset >= tag.begin && offset <= tag.end;
    }

    // The text changed from this line on (its own line included).
    void DropFrom(int line);
    void DropAll();

private:
    // The bytes from begin to end, both included, lie inside a tag.
    struct Stretch {
        int begin;
        int end;
    };

    bool IsLineRead(int line, const char *text, int length) const
    {
        return line == m_line.line && text == m_line.text && length == m_line.length;
    }
    // Whether the offset lies in one of the read line's tags; starts from
    // the tag of the last question.
    bool InTag(int offset)
    {
        const std::vector<Stretch> &tags = m_line.tags;
        size_t i = m_line.next;
        while (i < tags.size() && tags[i].end < offset)
            ++i;
        while (i > 0 && tags[i - 1].end >= offset)
            --i;
        m_line.next = i;
        return i < tags.size() && tags[i].begin <= offset;
    }
    // Reads the line's brackets and works out its tags.
    void ReadLine(int line, const char *text, int length);
    void FindTags(size_t count);
    // The last bracket of the lines 0 to line - 1.
    char LastBeforeLine(int line);
    // The first bracket of the lines line + 1 to the last.
    char FirstAfterLine(int line);
    static char LastBracketIn(const char *text, int length);
    // The offset of the first bracket, or length when there is none.
    static int FirstBracketIn(const char *text, int length);
    // The line's own text (without its line break).
    int LineText(int line, const char *&text);
    // Adds the last bracket up to the end of the read line to m_before
    // when that ends right before it.
    void NoteLastBracket(size_t count);
    void ForgetLine();

    SECEditTextBuffer &m_buffer;
    CString m_holder; // a line's text when the store cannot point at it
    // m_before[L]: the last bracket of the lines before L, known for every
    // L below its size.
    std::vector<char> m_before;
    // m_after[L]: the first bracket of the lines after L, or kUnknown.
    static constexpr char kUnknown = 1;
    std::vector<char> m_after;
    // The offsets of the read line's brackets (working space that only
    // grows).
    std::vector<int> m_offsets;

    // The line last read: its tags in order, and the one the last question
    // stopped at.
    struct LineTags {
        int line = -1;
        const char *text = nullptr;
        int length = 0;
        std::vector<Stretch> tags;
        size_t next = 0;
    } m_line;
};
