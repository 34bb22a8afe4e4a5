#include "editor/text/SECEditTextCommand.h"

SECEditTextCommand::SECEditTextCommand(SECEditCommandTarget *pBuffer, const SECEditRange &range, BOOL bInsertion,
                                       const CString &text)
    : m_range(range), m_strText(text), m_pBuffer(pBuffer), m_bInsertion(bInsertion), m_bTextPresent(bInsertion)
{
}

void SECEditTextCommand::GetDescription(CString &description)
{
    if (m_bInsertion)
        description.Format("Insert text having length %d at line %d, column %d", m_strText.GetLength(),
                           m_range.m_start.m_nLine, m_range.m_start.m_nCol);
    else
        description.Format("Delete text from line %d, column %d to line %d, column %d", m_range.m_start.m_nLine,
                           m_range.m_start.m_nCol, m_range.m_end.m_nLine, m_range.m_end.m_nCol);
}

// The buffer must not record the edits that the record itself makes.
BOOL SECEditTextCommand::RunWhileExecuting(BOOL (SECEditTextCommand::*step)())
{
    if (!m_pBuffer) {
        m_bSucceeded = FALSE;
        return FALSE;
    }
    SECEditTextCommand *previous = m_pBuffer->SetExecutingCommand(this);
    const BOOL result = (this->*step)();
    m_pBuffer->SetExecutingCommand(previous);
    return result;
}

BOOL SECEditTextCommand::Execute()
{
    return RunWhileExecuting(m_bInsertion ? &SECEditTextCommand::DoInsert : &SECEditTextCommand::DoDelete);
}

BOOL SECEditTextCommand::Unexecute()
{
    return RunWhileExecuting(m_bInsertion ? &SECEditTextCommand::DoDelete : &SECEditTextCommand::DoInsert);
}

BOOL SECEditTextCommand::DoDelete()
{
    m_bTextPresent = FALSE;
    const SECEditRange r = m_range.Normalized();
    if (m_strText.IsEmpty() &&
        !m_pBuffer->GetText(m_strText, r.m_start.m_nLine, r.m_start.m_nCol, r.m_end.m_nLine, r.m_end.m_nCol))
        m_bSucceeded = FALSE;
    const BOOL result = m_pBuffer->DeleteText(r.m_start.m_nLine, r.m_start.m_nCol, r.m_end.m_nLine, r.m_end.m_nCol);
    m_bSucceeded = m_bSucceeded && result;
    return result;
}

BOOL SECEditTextCommand::DoInsert()
{
    m_bTextPresent = TRUE;
    const SECEditRange remembered = m_range;
    // The text's own length, so that NUL bytes go back in as well.
    BOOL result = m_pBuffer->InsertText(m_range, m_strText, m_strText.GetLength());
    if (result && m_range != remembered) {
        // The buffer broke a long line: the record now holds what is there.
        result = m_pBuffer->GetText(m_strText, m_range.m_start.m_nLine, m_range.m_start.m_nCol, m_range.m_end.m_nLine,
                                    m_range.m_end.m_nCol);
    }
    m_bSucceeded = m_bSucceeded && result;
    return result;
}
