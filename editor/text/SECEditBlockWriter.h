// Writes a new stretch of text straight into text store blocks, one block
// at a time, cutting it where the store itself would cut a large insertion
// (after a line end in the second half of a block), so that a long text
// never has to be put together in one piece first.  The blocks belong to
// the writer until they are taken.
#pragma once

#include "framework/base/WinTypes.h"

#include <string>
#include <vector>

class SECEditTextBlock;

class SECEditBlockWriter {
public:
    explicit SECEditBlockWriter(BYTE chNewline);
    ~SECEditBlockWriter();
    SECEditBlockWriter(const SECEditBlockWriter &) = delete;
    SECEditBlockWriter &operator=(const SECEditBlockWriter &) = delete;

    void Append(const char *bytes, size_t length);
    // Bytes appended so far.
    long long GetLength() const { return m_nLength; }
    // The finished blocks, the last one cut too; the writer is empty after.
    std::vector<SECEditTextBlock *> TakeBlocks();

private:
    void CutBlocks(bool bAll);

    BYTE m_chNewline;
    std::string m_pending;
    size_t m_nPendingFrom = 0;
    long long m_nLength = 0;
    std::vector<SECEditTextBlock *> m_blocks;
};
