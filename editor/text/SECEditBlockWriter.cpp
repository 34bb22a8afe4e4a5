#include "editor/text/SECEditBlockWriter.h"

#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>

SECEditBlockWriter::SECEditBlockWriter(BYTE chNewline) : m_chNewline(chNewline) {}

SECEditBlockWriter::~SECEditBlockWriter()
{
    for (SECEditTextBlock *block : m_blocks)
        delete block;
}

void SECEditBlockWriter::Append(const char *bytes, size_t length)
{
    if (length == 0)
        return;
    m_nLength += static_cast<long long>(length);
    // A block is cut only once more than two blocks' worth is waiting, so
    // the cut can look for a line end in the block's second half; a long
    // piece goes in slice by slice, so little ever waits.
    const size_t slice = 4 * static_cast<size_t>(SECEditTextStore::kBlockChunk);
    while (length > 0) {
        const size_t n = std::min(length, slice);
        m_pending.append(bytes, n);
        bytes += n;
        length -= n;
        if (m_pending.size() - m_nPendingFrom > 2 * static_cast<size_t>(SECEditTextStore::kBlockChunk))
            CutBlocks(false);
    }
}

void SECEditBlockWriter::CutBlocks(bool bAll)
{
    const size_t chunk = SECEditTextStore::kBlockChunk;
    while (m_pending.size() > m_nPendingFrom && (bAll || m_pending.size() - m_nPendingFrom > chunk)) {
        const char *p = m_pending.data() + m_nPendingFrom;
        const int available = static_cast<int>(std::min(m_pending.size() - m_nPendingFrom, 2 * chunk));
        const int n = SECEditTextStore::ChunkLength(p, available, m_chNewline);
        auto *block = new SECEditTextBlock(SECEditTextStore::kBlockGrowBy);
        block->Reserve(n + 1);
        block->InsertBytes(0, p, n, m_chNewline);
        m_blocks.push_back(block);
        m_nPendingFrom += static_cast<size_t>(n);
    }
    // What is left moves to the front, so the waiting bytes stay small.
    m_pending.erase(0, m_nPendingFrom);
    m_nPendingFrom = 0;
}

std::vector<SECEditTextBlock *> SECEditBlockWriter::TakeBlocks()
{
    CutBlocks(true);
    std::vector<SECEditTextBlock *> blocks;
    blocks.swap(m_blocks);
    m_nLength = 0;
    return blocks;
}
