// Shows a wizard command's class dialog with the given names in its fields
// and takes back what the user typed.
#pragma once

#include "kilnsmith/wizard/WizardCommands.h"
#include "kilnsmith/generator/CodeGenerator.h"

class CWnd;

// The command's defaults, as the dialog first shows them.
GeneratedClassNames GetDefaultClassNames(const WizardCommand &command);

// TRUE when the user chose OK; names then holds the fields' texts.
BOOL PromptForClassNames(const WizardCommand &command, GeneratedClassNames &names, CWnd *pParentWnd);
