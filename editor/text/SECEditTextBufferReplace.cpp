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
    // Only the ranges of these notices are read: they need no text.
    SECEditTextCommand deletion(this, removed, FALSE);
    OnUpdate(nullptr, &deletion);
    SECEditTextCommand insertion(this, added, TRUE);
    OnUpdate(nullptr, &insertion);
    return TRUE;
}
