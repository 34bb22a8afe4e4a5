// The wizard's command table: for each menu command, the kind of class the
// generator writes, the dialog that asks for the names and the defaults
// put into its fields.
#pragma once

#include "kilnsmith/generator/ClassKinds.h"

#include "framework/base/WinTypes.h"

enum class ClassDialogKind {
    NewClass,    // class name and description
    ViewClass,   // class name, document class and description
    NormalClass, // class name, base class and description
};

struct WizardCommand {
    UINT nID;
    ClassKind kind;
    ClassDialogKind dialog;
    LPCTSTR pszClassName;
    LPCTSTR pszOtherName; // the document class or base class; NULL for none
    LPCTSTR pszDescription;
};

// The table's rows in menu order, and their number.
const WizardCommand *GetWizardCommands(int *pnCount);
// The row of a command id; NULL when the id is not a wizard command.
const WizardCommand *FindWizardCommand(UINT nID);
