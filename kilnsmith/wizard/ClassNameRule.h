// The rule that the class dialogs check on OK: a class name is made of
// ASCII letters, ASCII digits and '_' only (a leading digit is accepted).
#pragma once

#include "framework/base/CString.h"

BOOL IsWizardClassName(const CString &strName);
