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

char CHtmlBracketIndex::Before(int line, const char *text, int length, int offset)
{
    offset = std::clamp(offset, 0, std::max(length, 0));
    const bool sameLine = m_back.line == line && m_back.text == text && m_back.offset <= offset;
    const int from = sameLine ? m_back.offset : 0;
    char last = sameLine ? m_back.last : kNone;
    const char found = LastBracketIn(text + from, offset - from);
    if (found != kNone)
        last = found;
    m_back = BackwardPlace{line, text, offset, last};
    if (last != kNone || line <= 0)
        return last;
    return LastBeforeLine(line);
}

char CHtmlBracketIndex::After(int line, const char *text, int length, int offset)
{
    length = std::max(length, 0);
    offset = std::clamp(offset, 0, length);
    const bool known =
        m_ahead.line == line && m_ahead.text == text && m_ahead.offset <= offset && offset <= m_ahead.found;
    const int found = known ? m_ahead.found : FirstBracketFrom(text, length, offset);
    m_ahead = ForwardPlace{line, text, offset, found};
    if (found < length)
        return text[found];
    return FirstAfterLine(line);
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
    m_back = BackwardPlace{};
    m_ahead = ForwardPlace{};
}

void CHtmlBracketIndex::DropAll()
{
    m_before.clear();
    m_after.clear();
    m_back = BackwardPlace{};
    m_ahead = ForwardPlace{};
}
