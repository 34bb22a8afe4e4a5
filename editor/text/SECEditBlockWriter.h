// Writes a new stretch of text straight into text store blocks, one block
// at a time, cutting it where the store itself would cut a large insertion
// (after a line end in the second half of a block), so that a long text
// never has to be put together in one piece first.  The bytes are copied
// once, into the block that keeps them; a block is never cleared first.
// The blocks belong to the writer until they are taken.
#pragma once

#include "framework/base/WinTypes.h"

#include <cstddef>
#include <vector>

class SECEditTextBlock;

class SECEditBlockWriter {
public:
    explicit SECEditBlockWriter(BYTE chNewline);
    ~SECEditBlockWriter();
    SECEditBlockWriter(const SECEditBlockWriter &) = delete;
    SECEditBlockWriter &operator=(const SECEditBlockWriter &) = delete;

    // Blocks to write into before new ones are made (the writer takes them
    // over; their old bytes are dropped).
    void GiveSpareBlocks(std::vector<SECEditTextBlock *> blocks);
    void Append(const char *bytes, size_t length);
    // Bytes appended so far.
    long long GetLength() const { return m_nLength; }
    // The finished blocks, the last one cut too; the writer is empty after.
    std::vector<SECEditTextBlock *> TakeBlocks();

private:
    // The block being written is full: it keeps what the store would put
    // in one block, and the rest starts the next.
    void CutBlock();
    // An empty block with room for a full one: a spare, else a new one.
    SECEditTextBlock *NewBlock();

    BYTE m_chNewline;
    SECEditTextBlock *m_pCurrent = nullptr;
    long long m_nLength = 0;
    std::vector<SECEditTextBlock *> m_blocks;
    std::vector<SECEditTextBlock *> m_spares;
};
