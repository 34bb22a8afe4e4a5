// One stretch of text replaced by another in a single step (Replace All
// over many matches): done and undone by swapping the text store's blocks.
// The record keeps the blocks of whichever text is not in the document, so
// undo puts back exactly the old bytes and redo exactly the new ones,
// without a copy of either.  Observers are told of each swap as a deletion
// of the text that went and an insertion of the text that came.
#pragma once

#include "editor/text/SECEditCommand.h"

#include <vector>

class SECEditTextBlock;
class SECEditTextBuffer;

class SECEditReplaceCommand : public SECEditCommand {
public:
    // A record of the buffer's own: observers never receive it as a hint.
    static constexpr int kReplaceCommandId = 22588;

    // The text [start, start + newLength) is in the document; blocks hold
    // the text it replaced (the record takes them over).
    SECEditReplaceCommand(SECEditTextBuffer *pBuffer, int start, int newLength,
                          std::vector<SECEditTextBlock *> oldBlocks);
    ~SECEditReplaceCommand() override;

    int GetTypeId() override { return kReplaceCommandId; }
    void GetDescription(CString &description) override;
    BOOL Execute() override;
    BOOL Unexecute() override;

    BOOL IsDone() const { return m_bDone; }
    // Hands over the blocks the record keeps (for a record that is about to
    // be deleted: it can no longer be done or undone).
    void TakeBlocks(std::vector<SECEditTextBlock *> &out);

private:
    BOOL Swap();

    SECEditTextBuffer *m_pBuffer;
    int m_nStart;
    // The length of the text in the document now.
    int m_nLength;
    std::vector<SECEditTextBlock *> m_blocks;
    BOOL m_bDone = TRUE;
};
