#include "editor/text/SECEditBlockWriter.h"

#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextStore.h"

#include <algorithm>
#include <memory>

namespace {

// A block being written fills up to one byte past a chunk, so that its cut
// can look for a line end in the chunk's second half.
constexpr int kFill = SECEditTextStore::kBlockChunk + 1;

} // namespace

SECEditTextBlock *SECEditBlockWriter::NewBlock()
{
    // Room for a full block and its terminator: no block ever grows while
    // it is written.
    if (!m_spares.empty()) {
        SECEditTextBlock *block = m_spares.back();
        m_spares.pop_back();
        block->RemoveBytes(0, block->GetTextLength());
        return block;
    }
    return new SECEditTextBlock(SECEditTextStore::kBlockGrowBy, kFill + 1);
}

void SECEditBlockWriter::GiveSpareBlocks(std::vector<SECEditTextBlock *> blocks)
{
    // Only blocks that hold a full one without growing are worth keeping.
    for (SECEditTextBlock *block : blocks) {
        if (block->GetCapacity() >= kFill + 1 && block->GetSize() >= 1)
            m_spares.push_back(block);
        else
            delete block;
    }
}

SECEditBlockWriter::SECEditBlockWriter(BYTE chNewline) : m_chNewline(chNewline) {}

SECEditBlockWriter::~SECEditBlockWriter()
{
    for (SECEditTextBlock *block : m_blocks)
        delete block;
    delete m_pCurrent;
    for (SECEditTextBlock *block : m_spares)
        delete block;
}

void SECEditBlockWriter::Append(const char *bytes, size_t length)
{
    m_nLength += static_cast<long long>(length);
    while (length > 0) {
        if (!m_pCurrent)
            m_pCurrent = NewBlock();
        const int held = m_pCurrent->GetTextLength();
        const int n = static_cast<int>(std::min(length, static_cast<size_t>(kFill - held)));
        m_pCurrent->AppendBytes(bytes, n, m_chNewline);
        bytes += n;
        length -= static_cast<size_t>(n);
        if (held + n == kFill)
            CutBlock();
    }
}

void SECEditBlockWriter::CutBlock()
{
    SECEditTextBlock *full = m_pCurrent;
    const int length = full->GetTextLength();
    const int keep = SECEditTextStore::ChunkLength(full->GetData(), length, m_chNewline);
    std::unique_ptr<SECEditTextBlock> next(NewBlock());
    next->AppendBytes(full->GetData() + keep, length - keep, m_chNewline);
    m_blocks.push_back(full);
    full->RemoveBytes(keep, length - keep);
    m_pCurrent = next.release();
}

std::vector<SECEditTextBlock *> SECEditBlockWriter::TakeBlocks()
{
    if (m_pCurrent && m_pCurrent->GetTextLength() > 0)
        m_blocks.push_back(m_pCurrent);
    else
        delete m_pCurrent;
    m_pCurrent = nullptr;
    for (SECEditTextBlock *block : m_spares)
        delete block;
    m_spares.clear();
    std::vector<SECEditTextBlock *> blocks;
    blocks.swap(m_blocks);
    m_nLength = 0;
    return blocks;
}
