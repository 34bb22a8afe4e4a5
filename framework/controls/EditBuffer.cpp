// The edit control's text, selection and undo step.
#include "framework/controls/EditBuffer.h"

#include "framework/base/Mbcs.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsWordByte(unsigned char c)
{
    return c >= 0x80 || std::isalnum(c) || c == '_';
}

const unsigned char *Bytes(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}

} // namespace

void EditBuffer::SetText(const std::string &text)
{
    m_text = text;
    m_anchor = m_caret = 0;
    EmptyUndo();
}

size_t EditBuffer::Snap(size_t pos) const
{
    pos = MbCharBoundary(Bytes(m_text), m_text.size(), pos);
    // Never between the two bytes of a line end.
    if (pos > 0 && pos < m_text.size() && m_text[pos] == '\n' && m_text[pos - 1] == '\r')
        --pos;
    return pos;
}

void EditBuffer::Select(size_t anchor, size_t caret)
{
    m_anchor = Snap(anchor);
    m_caret = Snap(caret);
    m_typing = false;
}

void EditBuffer::MoveCaret(size_t caret, bool extend)
{
    m_caret = Snap(caret);
    if (!extend)
        m_anchor = m_caret;
    m_typing = false;
}

size_t EditBuffer::Prev(size_t pos) const
{
    pos = Snap(pos);
    if (pos == 0)
        return 0;
    pos = MbPreviousCharStart(Bytes(m_text), pos);
    if (pos > 0 && m_text[pos] == '\n' && m_text[pos - 1] == '\r')
        --pos;
    return pos;
}

size_t EditBuffer::Next(size_t pos) const
{
    pos = Snap(pos);
    if (pos >= m_text.size())
        return m_text.size();
    if (m_text[pos] == '\r' && pos + 1 < m_text.size() && m_text[pos + 1] == '\n')
        return pos + 2;
    return pos + static_cast<size_t>(MbCharLength(Bytes(m_text) + pos, m_text.size() - pos));
}

size_t EditBuffer::WordLeft(size_t pos) const
{
    pos = Snap(pos);
    while (pos > 0 && !IsWordByte(static_cast<unsigned char>(m_text[pos - 1])))
        pos = Prev(pos);
    while (pos > 0 && IsWordByte(static_cast<unsigned char>(m_text[pos - 1])))
        pos = Prev(pos);
    return pos;
}

size_t EditBuffer::WordRight(size_t pos) const
{
    pos = Snap(pos);
    while (pos < m_text.size() && IsWordByte(static_cast<unsigned char>(m_text[pos])))
        pos = Next(pos);
    while (pos < m_text.size() && !IsWordByte(static_cast<unsigned char>(m_text[pos])))
        pos = Next(pos);
    return pos;
}

bool EditBuffer::ReplaceSelection(const std::string &text, bool undoable, size_t limit, bool typing)
{
    size_t start = SelStart(), end = SelEnd();
    size_t room = limit > m_text.size() - (end - start) ? limit - (m_text.size() - (end - start)) : 0;
    std::string insert = text;
    bool fits = insert.size() <= room;
    if (!fits)
        insert.resize(MbCharBoundary(Bytes(text), text.size(), room));
    if (undoable && !(typing && m_typing && m_canUndo)) {
        m_undoText = m_text;
        m_undoAnchor = m_anchor;
        m_undoCaret = m_caret;
        m_canUndo = true;
    } else if (!undoable) {
        m_canUndo = false;
    }
    m_text.replace(start, end - start, insert);
    m_anchor = m_caret = start + insert.size();
    m_typing = undoable && typing;
    return fits;
}

bool EditBuffer::Undo()
{
    if (!m_canUndo)
        return false;
    std::swap(m_text, m_undoText);
    std::swap(m_anchor, m_undoAnchor);
    std::swap(m_caret, m_undoCaret);
    m_typing = false;
    return true;
}

int EditBuffer::LineCount() const
{
    return static_cast<int>(std::count(m_text.begin(), m_text.end(), '\n')) + 1;
}

int EditBuffer::LineFromChar(size_t pos) const
{
    pos = std::min(pos, m_text.size());
    return static_cast<int>(std::count(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
}

size_t EditBuffer::LineIndex(int line) const
{
    if (line <= 0)
        return 0;
    size_t pos = 0;
    for (int i = 0; i < line; ++i) {
        size_t nl = m_text.find('\n', pos);
        if (nl == std::string::npos)
            return std::string::npos;
        pos = nl + 1;
    }
    return pos;
}

size_t EditBuffer::LineLength(int line) const
{
    size_t start = LineIndex(line);
    if (start == std::string::npos)
        return 0;
    size_t nl = m_text.find('\n', start);
    size_t end = nl == std::string::npos ? m_text.size() : nl;
    if (end > start && m_text[end - 1] == '\r')
        --end;
    return end - start;
}
