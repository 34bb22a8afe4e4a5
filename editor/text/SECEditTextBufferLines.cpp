// Per-line marks and item data of the text buffer.  A line object exists only
// while it holds a mark or a non-zero value; its slot is NULL otherwise.  The
// slot array itself is made with the first line object: until then it is
// empty and every line has none.
#include "editor/text/SECEditTextBuffer.h"

#include "editor/text/SECEditBufferHint.h"

#include <algorithm>

SECEditLineData *SECEditTextBuffer::PeekLineObject(int line)
{
    if (line < 0 || line >= static_cast<int>(m_lineObjects.size()))
        return nullptr;
    return m_lineObjects[static_cast<size_t>(line)];
}

SECEditLineData *SECEditTextBuffer::GetLineObject(int line)
{
    if (line < 0 || line >= GetLineCount())
        return nullptr;
    if (m_lineObjects.empty())
        m_lineObjects.assign(static_cast<size_t>(GetLineCount()), nullptr);
    SECEditLineData *&slot = m_lineObjects[static_cast<size_t>(line)];
    if (!slot) {
        slot = m_linePool.New();
        ++m_nLiveLineObjects;
    }
    return slot;
}

void SECEditTextBuffer::OnLineObjectReleased(SECEditLineData *) {}

void SECEditTextBuffer::FreeLineObject(int line)
{
    SECEditLineData *&slot = m_lineObjects[static_cast<size_t>(line)];
    if (!slot)
        return;
    OnLineObjectReleased(slot);
    m_linePool.Delete(slot);
    slot = nullptr;
    --m_nLiveLineObjects;
}

void SECEditTextBuffer::DeleteLineObject(int line)
{
    if (line >= 0 && line < static_cast<int>(m_lineObjects.size()))
        FreeLineObject(line);
}

void SECEditTextBuffer::RemoveAllLineObjects()
{
    for (int line = 0; line < static_cast<int>(m_lineObjects.size()); ++line)
        FreeLineObject(line);
    m_lineObjects.release();
    m_linePool.Release();
}

void SECEditTextBuffer::InsertLineSlots(int line, int count, BOOL bInLeadingWhitespace)
{
    if (count <= 0 || m_lineObjects.empty())
        return;
    const int size = static_cast<int>(m_lineObjects.size());
    const int at = std::min(bInLeadingWhitespace ? std::max(line, 0) : line + 1, size);
    m_lineObjects.insert(static_cast<size_t>(at), static_cast<size_t>(count), nullptr);
}

void SECEditTextBuffer::RemoveLineSlots(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(m_lineObjects.size()) - 1);
    if (first > last)
        return;
    for (int line = first; line <= last; ++line)
        FreeLineObject(line);
    m_lineObjects.erase(static_cast<size_t>(first), static_cast<size_t>(last) + 1);
}

BOOL SECEditTextBuffer::HasMark(int line, int mark)
{
    const SECEditLineData *data = PeekLineObject(line);
    return data && data->HasMark(mark);
}

void SECEditTextBuffer::SetMark(int line, int mark, BOOL bOn)
{
    if (line < 0 || line >= GetLineCount())
        return;
    if (bOn) {
        GetLineObject(line)->SetMark(mark, TRUE);
    } else if (SECEditLineData *data = PeekLineObject(line)) {
        data->SetMark(mark, FALSE);
        if (data->IsEmpty())
            FreeLineObject(line);
    }
    SendPlainHint(SECEDIT_HINT_GUTTER);
}

BOOL SECEditTextBuffer::ToggleMark(int line, int mark)
{
    if (line < 0 || line >= GetLineCount())
        return FALSE;
    SetMark(line, mark, !HasMark(line, mark));
    return TRUE;
}

int SECEditTextBuffer::ClearMark(int mark)
{
    if (m_nLiveLineObjects == 0)
        return -1;
    for (int line = 0; line < static_cast<int>(m_lineObjects.size()); ++line)
        if (HasMark(line, mark))
            ToggleMark(line, mark);
    return -1;
}

int SECEditTextBuffer::FindMarkedLine(int from, int mark, BOOL bForward)
{
    const int count = static_cast<int>(m_lineObjects.size());
    if (m_nLiveLineObjects == 0 || count == 0 || from < 0 || from >= count)
        return -1;
    // Every other line once, wrapping round, and the starting line last.
    for (int step = 1; step <= count; ++step) {
        const int line = bForward ? (from + step) % count : (from - step % count + count) % count;
        if (HasMark(line, mark))
            return line;
    }
    return -1;
}

int SECEditTextBuffer::CountMarkedLines(int mark)
{
    if (m_nLiveLineObjects == 0)
        return 0;
    int marked = 0;
    for (size_t line = 0; line < m_lineObjects.size(); ++line)
        if (m_lineObjects[line] && m_lineObjects[line]->HasMark(mark))
            ++marked;
    return marked;
}

int SECEditTextBuffer::GetLineData(int line)
{
    const SECEditLineData *data = PeekLineObject(line);
    return data ? data->m_nItemData : 0;
}

int SECEditTextBuffer::SetLineData(int line, int value)
{
    if (line < 0 || line >= GetLineCount())
        return 0;
    SECEditLineData *data = value != 0 ? GetLineObject(line) : PeekLineObject(line);
    if (!data)
        return 0;
    const int old = data->m_nItemData;
    data->m_nItemData = value;
    if (data->IsEmpty())
        FreeLineObject(line);
    return old;
}
