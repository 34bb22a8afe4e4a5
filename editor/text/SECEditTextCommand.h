// One insertion or one deletion of text, able to do and undo itself.
#pragma once

#include "editor/text/SECEditCommand.h"
#include "editor/text/SECEditCommandTarget.h"
#include "editor/text/SECEditRange.h"

class SECEditTextCommand : public SECEditCommand {
public:
    // text may be empty: it is then fetched from the buffer the first time
    // the record takes its text out.
    SECEditTextCommand(SECEditCommandTarget *pBuffer, const SECEditRange &range, BOOL bInsertion,
                       const CString &text = CString());

    int GetTypeId() override { return kTextCommandId; }
    void GetDescription(CString &description) override;
    BOOL IsEffective() override { return m_bSucceeded; }
    void SetEffective(BOOL bEffective) override { SECEditCommand::SetEffective(bEffective); }
    BOOL Execute() override;
    BOOL Unexecute() override;
    virtual BOOL DoDelete();
    virtual BOOL DoInsert();

    const SECEditRange &GetRange() const { return m_range; }
    void SetRange(const SECEditRange &range) { m_range = range; }
    const CString &GetText() const { return m_strText; }
    BOOL IsInsertion() const { return m_bInsertion; }
    BOOL IsTextPresent() const { return m_bTextPresent; }
    BOOL HasSucceeded() const { return m_bSucceeded; }

private:
    BOOL RunWhileExecuting(BOOL (SECEditTextCommand::*step)());

    SECEditRange m_range;
    CString m_strText;
    SECEditCommandTarget *m_pBuffer;
    BOOL m_bInsertion;
    BOOL m_bTextPresent;
    BOOL m_bSucceeded = TRUE;
};
