#include "editor/text/SECEditReplaceCommand.h"

#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextBuffer.h"

SECEditReplaceCommand::SECEditReplaceCommand(SECEditTextBuffer *pBuffer, int start, int newLength,
                                             std::vector<SECEditTextBlock *> oldBlocks)
    : m_pBuffer(pBuffer), m_nStart(start), m_nLength(newLength), m_blocks(std::move(oldBlocks))
{
}

SECEditReplaceCommand::~SECEditReplaceCommand()
{
    for (SECEditTextBlock *block : m_blocks)
        delete block;
}

void SECEditReplaceCommand::GetDescription(CString &description)
{
    description.Format("Replace text having length %d at offset %d", m_nLength, m_nStart);
}

BOOL SECEditReplaceCommand::Swap()
{
    if (!m_pBuffer)
        return FALSE;
    int otherLength = 0;
    for (const SECEditTextBlock *block : m_blocks)
        otherLength += block->GetTextLength();
    if (!m_pBuffer->SwapText(m_nStart, m_nStart + m_nLength, m_blocks))
        return FALSE;
    m_nLength = otherLength;
    m_bDone = !m_bDone;
    return TRUE;
}

void SECEditReplaceCommand::TakeBlocks(std::vector<SECEditTextBlock *> &out)
{
    out.insert(out.end(), m_blocks.begin(), m_blocks.end());
    m_blocks.clear();
    m_pBuffer = nullptr;
}

BOOL SECEditReplaceCommand::Execute()
{
    return m_bDone ? TRUE : Swap();
}

BOOL SECEditReplaceCommand::Unexecute()
{
    return m_bDone ? Swap() : TRUE;
}
