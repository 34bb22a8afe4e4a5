// Replacing a long stretch of text in one step: the text store swaps the
// stretch's blocks for new ones, and one record keeps the old blocks.  The
// blocks of records that are dropped for a new edit can be written again.
#include "editor/text/SECEditTextBuffer.h"

#include "editor/text/SECEditBlockWriter.h"
#include "editor/text/SECEditCompositeCommand.h"
#include "editor/text/SECEditReplaceCommand.h"
#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextCommand.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>

BOOL SECEditTextBuffer::ReplaceText(int start, int end, SECEditBlockWriter &newText)
{
    if (!m_pStore || m_bReadOnly)
        return FALSE;
    const long long newLength = newText.GetLength();
    if (start < 0 || end < start || end > m_pStore->GetTextLength() ||
        newLength - (end - start) > SECEditTextStore::kMaxTextLength - m_pStore->GetTextLength())
        return FALSE;
    std::vector<SECEditTextBlock *> blocks = newText.TakeBlocks();
    if (!SwapText(start, end, blocks)) {
        for (SECEditTextBlock *block : blocks)
            delete block;
        return FALSE;
    }
    AddCommand(new SECEditReplaceCommand(this, start, static_cast<int>(newLength), std::move(blocks)));
    return TRUE;
}

namespace {

void CollectBlocks(SECEditCommand *pCommand, std::vector<SECEditTextBlock *> &blocks)
{
    if (auto *replace = dynamic_cast<SECEditReplaceCommand *>(pCommand)) {
        replace->TakeBlocks(blocks);
    } else if (auto *composite = dynamic_cast<SECEditCompositeCommand *>(pCommand)) {
        for (int i = 0; i < composite->GetCount(); ++i)
            CollectBlocks(composite->GetAt(i), blocks);
    }
}

} // namespace

std::vector<SECEditTextBlock *> SECEditTextBuffer::TakeRedoBlocks()
{
    std::vector<SECEditTextBlock *> blocks;
    while (SECEditCommand *record = PopRedoTop()) {
        CollectBlocks(record, blocks);
        delete record;
    }
    return blocks;
}

BOOL SECEditTextBuffer::SwapText(int start, int end, std::vector<SECEditTextBlock *> &blocks)
{
    if (!m_pStore)
        return FALSE;
    SECEditRange removed;
    if (!m_pStore->OffsetToPosition(start, &removed.m_start.m_nLine, &removed.m_start.m_nCol) ||
        !m_pStore->OffsetToPosition(end, &removed.m_end.m_nLine, &removed.m_end.m_nCol))
        return FALSE;
    const int lengthBefore = m_pStore->GetTextLength();
    if (!m_pStore->SwapText(start, end, blocks))
        return FALSE;
    const int newEnd = end + (m_pStore->GetTextLength() - lengthBefore);
    SECEditRange added(removed.m_start, removed.m_start);
    m_pStore->OffsetToPosition(newEnd, &added.m_end.m_nLine, &added.m_end.m_nCol);
    // The marks of the first line stay with it; the lines after it are the
    // ones that go and come.
    m_bEditInLeadingWhitespace = FALSE;
    DropRegionsFrom(removed.m_start, std::max(0, added.m_end.m_nLine - removed.m_end.m_nLine));
    // Only the ranges of these notices are read: they need no text.  The
    // caches are brought up to date for both at the first.
    SECEditTextCommand deletion(this, removed, FALSE);
    SECEditTextCommand insertion(this, added, TRUE);
    m_pSwapDeletion = &deletion;
    m_pSwapInsertion = &insertion;
    OnUpdate(nullptr, &deletion);
    OnUpdate(nullptr, &insertion);
    m_pSwapDeletion = m_pSwapInsertion = nullptr;
    return TRUE;
}

void SECEditTextBuffer::OnLinesSwapped(int first, int gone, int came, bool bRemoved, bool bAdded)
{
    if (!bRemoved && !bAdded)
        return;
    const int kept = bRemoved && bAdded ? std::min(gone, came) : 0;
    const int removedLines = bRemoved ? gone : 0;
    const int addedLines = bAdded ? came : 0;
    for (int line = first + 1; line <= first + kept; ++line) {
        DeleteRow(line);
        if (line < static_cast<int>(m_lineObjects.size()))
            FreeLineObject(line);
    }
    if (removedLines > kept) {
        RemoveCacheRows(first + kept + 1, first + removedLines);
        RemoveLineSlots(first + kept + 1, first + removedLines);
    } else if (addedLines > kept) {
        InsertCacheRows(first + kept, addedLines - kept);
        InsertLineSlots(first + kept, addedLines - kept, FALSE);
    }
    for (int line = first; line <= first + addedLines; ++line)
        GetLineObject(line)->SetMark(kMarkEdited, TRUE);
    DeleteRow(first);
    m_nColoredUpTo = std::min(m_nColoredUpTo, first);
}
