// The root of every undoable edit.  A command is built by its caller, run
// once by the model's history (CQYCommandHistory), kept there, and later
// asked for a fresh inverse (undo) or a fresh copy of itself (redo), which
// the history runs and deletes.  Commands are never stored in a document.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/Object.h"
#include "library/model/QYCommandCodes.h"
#include "library/model/QYExport.h"

class CQYBaseCommand : public CObject {
    DECLARE_DYNAMIC(CQYBaseCommand)
public:
    ~CQYBaseCommand() override = default;

    // Commands keep no archive record.
    void Serialize(CArchive& ar) override;

    // The command's type code (QY_CMD_...).
    virtual int GetCommandID() = 0;
    // Performs the change; FALSE means nothing was done.
    virtual BOOL Execute() = 0;
    // A new command that reverses this one; the caller owns it.
    virtual CQYBaseCommand* GetUndoCommand() const = 0;
    // A new copy of this command that does the same change again; the
    // caller owns it.
    virtual CQYBaseCommand* GetRedoCommand() const = 0;
    // The command's description from the string table.
    virtual void Sprint(CString& strText) const = 0;

protected:
    CQYBaseCommand() = default;
};

// Declares a command class's run-time class and its command id; pair it with
// IMPLEMENT_COMMAND in the class's source file.
#define DECLARE_COMMAND(class_name)                                                                                    \
    DECLARE_DYNAMIC(class_name)                                                                                        \
public:                                                                                                                \
    int GetCommandID() override;

// Defines the run-time class (derived from base_class_name) and makes
// GetCommandID return command_id.
#define IMPLEMENT_COMMAND(class_name, base_class_name, command_id)                                                     \
    IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                     \
    int class_name::GetCommandID()                                                                                     \
    {                                                                                                                  \
        return (command_id);                                                                                           \
    }
