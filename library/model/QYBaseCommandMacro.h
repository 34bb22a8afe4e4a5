// A composite command: an ordered list of sub-commands run as one step.
// The macro owns its sub-commands.  Its inverse runs the sub-commands'
// inverses in reverse order; its redo copy runs their copies in order.  The
// history notifies once per sub-command (each with its own type code).
#pragma once

#include "framework/collections/Lists.h"
#include "library/model/QYBaseCommand.h"

class CQYBaseCommandMacro : public CQYBaseCommand {
    DECLARE_DYNAMIC(CQYBaseCommandMacro)
public:
    ~CQYBaseCommandMacro() override;

    // QY_CMD_MACRO.
    int GetCommandID() override;
    // FALSE for an empty macro; otherwise runs every sub-command from head
    // to tail (their results are not looked at) and returns TRUE.
    BOOL Execute() override;
    // A new macro of the same class holding the sub-commands' inverses, last
    // sub-command first.
    CQYBaseCommand* GetUndoCommand() const override;
    // A new macro of the same class holding the sub-commands' redo copies in
    // order.
    CQYBaseCommand* GetRedoCommand() const override;
    // The list of sub-commands (CQYBaseCommand pointers, owned by the macro).
    virtual CObList* GetCommandList();

    // Appends a sub-command, which the macro then owns; NULL is ignored.
    void AddCommand(CQYBaseCommand* pCommand);
    int GetCommandCount() const { return static_cast<int>(m_listCommands.GetCount()); }

protected:
    CQYBaseCommandMacro() = default;
    // A new, empty macro of this object's own class (and model, where it has
    // one), which GetUndoCommand and GetRedoCommand fill.
    virtual CQYBaseCommandMacro* NewEmptyMacro() const = 0;

    CObList m_listCommands;
};
