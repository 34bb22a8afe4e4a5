// Several undo records done and undone as one step.  The composite owns its
// records.
#pragma once

#include "editor/text/SECEditCommand.h"

#include <vector>

class SECEditCompositeCommand : public SECEditCommand {
public:
    SECEditCompositeCommand() = default;
    ~SECEditCompositeCommand() override;

    int GetTypeId() override { return kCompositeCommandId; }
    void GetDescription(CString &description) override { description = "SECEditCompositeCommand"; }
    // First to last; stops with FALSE at the first record that fails.
    BOOL Execute() override;
    // Last to first; stops with FALSE at the first record that fails.
    BOOL Unexecute() override;
    virtual int GetCount() { return static_cast<int>(m_records.size()); }
    virtual BOOL AllSucceeded();
    // Hands every record, in order, to the observer's update operation.
    virtual void ForEach(void *pArgument, SECEditObserver *pObserver);
    // Appends a record and takes it over; FALSE (and nothing taken) for a
    // record that this composite already holds, itself or in a composite it
    // holds, and for the composite itself.
    virtual BOOL Add(SECEditCommand *pCommand);
    virtual BOOL CanAdd(SECEditCommand *pCommand);

    // TRUE for this composite and every record inside it, at any depth.
    BOOL Holds(const SECEditCommand *pCommand);
    SECEditCommand *GetAt(int index) { return m_records[static_cast<size_t>(index)]; }

private:
    std::vector<SECEditCommand *> m_records;
};
