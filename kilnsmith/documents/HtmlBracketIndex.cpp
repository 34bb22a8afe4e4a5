#include "kilnsmith/documents/HtmlBracketIndex.h"

#include "editor/text/SECEditTextBuffer.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

// "<" and ">" are ASCII: in UTF-8 no byte of another character equals them,
// so byte searches find exactly the characters.

namespace {

// Whether a byte is "<" (0x3C) or ">" (0x3E): the only bytes that are ">"
// with bit 1 set.
inline bool IsBracket(char c)
{
    return (c | 2) == '>';
}

// The offsets of the brackets in text, in order, into out (room for length
// entries at least); answers how many. Eight bytes are looked at together,
// and a stretch of text without brackets costs one test per eight bytes.
size_t ScanBrackets(const char *text, int length, int *out)
{
    size_t count = 0;
    int i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t kOnes = 0x0101010101010101ull;
        for (; i + 8 <= length; i += 8) {
            uint64_t bytes = 0;
            std::memcpy(&bytes, text + i, sizeof(bytes));
            // Brackets become zero bytes; the top bit of each zero byte is
            // then set, exactly (no carry runs between the bytes).
            const uint64_t x = (bytes | kOnes * 2) ^ (kOnes * '>');
            uint64_t zeros = ~(((x & kOnes * 0x7F) + kOnes * 0x7F) | x) & (kOnes * 0x80);
            for (; zeros != 0; zeros &= zeros - 1)
                out[count++] = i + std::countr_zero(zeros) / 8;
        }
    }
    // The rest byte by byte; every offset is written and only a bracket's
    // kept, so no branch depends on the text.
    for (; i < length; ++i) {
        out[count] = i;
        count += IsBracket(text[i]);
    }
    return count;
}

} // namespace

char CHtmlBracketIndex::LastBracketIn(const char *text, int length)
{
    for (int i = length - 1; i >= 0; --i)
        if (text[i] == '<' || text[i] == '>')
            return text[i];
    return kNone;
}

int CHtmlBracketIndex::FirstBracketIn(const char *text, int length)
{
    for (int i = 0; i < length; ++i)
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

void CHtmlBracketIndex::ReadLine(int line, const char *text, int length)
{
    ForgetLine();
    m_line.line = line;
    m_line.text = text;
    m_line.length = length;
    if (m_offsets.size() < static_cast<size_t>(length) + 1)
        m_offsets.resize(static_cast<size_t>(length) + 1);
    const size_t count = ScanBrackets(text, length, m_offsets.data());
    FindTags(count);
    NoteLastBracket(count);
}

// A tag is a "<" and the ">" right after it among the brackets, with all
// between; where the line's first bracket is ">" the tag began on an
// earlier line, and where its last is "<" it may end on a later one. A line
// without brackets lies wholly in a tag or wholly outside.
void CHtmlBracketIndex::FindTags(size_t count)
{
    const int *offsets = m_offsets.data();
    const char *text = m_line.text;
    const int line = m_line.line;
    std::vector<Stretch> &tags = m_line.tags;
    if (count == 0) {
        if (LastBeforeLine(line) == '<' && FirstAfterLine(line) == '>')
            tags.push_back(Stretch{0, m_line.length});
        return;
    }
    if (text[offsets[0]] == '>' && LastBeforeLine(line) == '<')
        tags.push_back(Stretch{0, offsets[0]});
    for (size_t k = 0; k + 1 < count; ++k)
        if (text[offsets[k]] == '<' && text[offsets[k + 1]] == '>')
            tags.push_back(Stretch{offsets[k], offsets[k + 1]});
    if (text[offsets[count - 1]] == '<' && FirstAfterLine(line) == '>')
        tags.push_back(Stretch{offsets[count - 1], m_line.length});
}

void CHtmlBracketIndex::ForgetLine()
{
    m_line.line = -1;
    m_line.text = nullptr;
    m_line.length = 0;
    m_line.tags.clear();
    m_line.next = 0;
}

// When the last bracket before the line is known, so is the one before the
// next line: colouring line after line reads no line twice.
void CHtmlBracketIndex::NoteLastBracket(size_t count)
{
    if (m_before.empty())
        m_before.push_back(kNone);
    if (m_line.line >= 0 && m_before.size() == static_cast<size_t>(m_line.line) + 1)
        m_before.push_back(count == 0 ? m_before.back() : m_line.text[m_offsets[count - 1]]);
}

char CHtmlBracketIndex::LastBeforeLine(int line)
{
    if (line <= 0)
        return kNone;
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
        const int at = FirstBracketIn(text, length);
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
    ForgetLine();
}

void CHtmlBracketIndex::DropAll()
{
    m_before.clear();
    m_after.clear();
    ForgetLine();
}
