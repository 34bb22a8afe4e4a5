#include "kilnsmith/documents/HtmlBracketIndex.h"

#include "editor/text/SECEditTextBuffer.h"

#include <algorithm>
#include <cstring>

// "<" and ">" are ASCII: in UTF-8 no byte of another character equals them,
// so byte searches find exactly the characters.

char CHtmlBracketIndex::LastBracketIn(const char *text, int length)
{
    for (int i = length - 1; i >= 0; --i)
        if (text[i] == '<' || text[i] == '>')
            return text[i];
    return kNone;
}

int CHtmlBracketIndex::FirstBracketFrom(const char *text, int length, int from)
{
    for (int i = from; i < length; ++i)
        if (text[i] == '<' || text[i] == '>')
            return i;
    return length;
}

int CHtmlBracketIndex::LineText(int line, const char *&text)
{
    char *pointer = nullptr;
    const int length = m_buffer.GetLineText(line, m_holder, &pointer);
    text = pointer;
    return text ? std::max(length, 0) : 0;
}

CHtmlBracketIndex::LineBrackets &CHtmlBracketIndex::Brackets(int line, const char *text, int length)
{
    length = text ? std::max(length, 0) : 0;
    if (m_line.line == line && m_line.text == text && m_line.length == length)
        return m_line;
    m_line.line = line;
    m_line.text = text;
    m_line.length = length;
    m_line.offsets.clear();
    m_line.before = 0;
    for (int i = 0; i < length; ++i)
        if ((text[i] | 2) == '>') // '<' (0x3C) or '>' (0x3E), nothing else
            m_line.offsets.push_back(i);
    NoteLastBracket();
    return m_line;
}

// When the last bracket before the line is known, so is the one before the
// next line: colouring line after line reads no line twice.
void CHtmlBracketIndex::NoteLastBracket()
{
    if (m_before.empty())
        m_before.push_back(kNone);
    if (m_line.line >= 0 && m_before.size() == static_cast<size_t>(m_line.line) + 1)
        m_before.push_back(m_line.offsets.empty() ? m_before.back() : m_line.text[m_line.offsets.back()]);
}

size_t CHtmlBracketIndex::CountBefore(LineBrackets &brackets, int offset)
{
    size_t count = brackets.before;
    while (count > 0 && brackets.offsets[count - 1] >= offset)
        --count;
    while (count < brackets.offsets.size() && brackets.offsets[count] < offset)
        ++count;
    brackets.before = count;
    return count;
}

BOOL CHtmlBracketIndex::IsOutside(int line, const char *text, int length, int offset)
{
    LineBrackets &brackets = Brackets(line, text, length);
    offset = std::clamp(offset, 0, brackets.length);
    const size_t count = CountBefore(brackets, offset);
    const char at = offset < brackets.length ? text[offset] : kNone;
    if (at == '>' && Before(count) == '<')
        return FALSE;
    // A "<" at the offset is the count-th bracket; the next one follows it.
    if (at == '<' && From(count + 1) == '>')
        return FALSE;
    if (Before(count) != '<')
        return TRUE;
    return From(count) != '>';
}

char CHtmlBracketIndex::Before(size_t count)
{
    if (count > 0)
        return m_line.text[m_line.offsets[count - 1]];
    if (m_line.line <= 0)
        return kNone;
    const char last = LastBeforeLine(m_line.line);
    NoteLastBracket();
    return last;
}

char CHtmlBracketIndex::From(size_t count)
{
    if (count < m_line.offsets.size())
        return m_line.text[m_line.offsets[count]];
    return FirstAfterLine(m_line.line);
}

char CHtmlBracketIndex::LastBeforeLine(int line)
{
    if (m_before.empty())
        m_before.push_back(kNone);
    for (int next = static_cast<int>(m_before.size()); next <= line; ++next) {
        const char *text = nullptr;
        const int length = LineText(next - 1, text);
        const char own = LastBracketIn(text, length);
        m_before.push_back(own != kNone ? own : m_before.back());
    }
    return m_before[static_cast<size_t>(line)];
}

char CHtmlBracketIndex::FirstAfterLine(int line)
{
    const int lines = m_buffer.GetLineCount();
    if (line >= lines - 1)
        return kNone;
    if (static_cast<int>(m_after.size()) != lines)
        m_after.assign(static_cast<size_t>(lines), kUnknown);
    if (m_after[static_cast<size_t>(line)] != kUnknown)
        return m_after[static_cast<size_t>(line)];
    // Walk down to the first line with a bracket (or one already known);
    // every line passed on the way has the same answer.
    char answer = kNone;
    int next = line + 1;
    for (; next < lines; ++next) {
        const char *text = nullptr;
        const int length = LineText(next, text);
        const int at = FirstBracketFrom(text, length, 0);
        if (at < length) {
            answer = text[at];
            break;
        }
        if (m_after[static_cast<size_t>(next)] != kUnknown) {
            answer = m_after[static_cast<size_t>(next)];
            break;
        }
    }
    for (int passed = line; passed < next && passed < lines; ++passed)
        m_after[static_cast<size_t>(passed)] = answer;
    return answer;
}

void CHtmlBracketIndex::DropFrom(int line)
{
    // The lines up to this one keep what they know of the lines before
    // them; what lies after a line can change with any edit below it, and
    // line numbers after an edit may have moved.
    const size_t keep = static_cast<size_t>(std::max(line, 0)) + 1;
    if (m_before.size() > keep)
        m_before.resize(keep);
    m_after.clear();
    m_line = LineBrackets{};
}

void CHtmlBracketIndex::DropAll()
{
    m_before.clear();
    m_after.clear();
    m_line = LineBrackets{};
}
