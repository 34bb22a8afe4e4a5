// The controls of a dialog in tab order. Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

#include <vector>

namespace DialogNavigation {
// The dialog's controls in tab order (creation order), entering children
// with WS_EX_CONTROLPARENT instead of listing them; bUsable leaves out
// hidden and disabled ones.
std::vector<HWND> Controls(HWND hDlg, bool bUsable);
// The control with the id among those controls.
HWND FindControl(HWND hDlg, int nID);
// The outermost dialog that holds the control (child dialogs such as
// property pages belong to the dialog around them).
HWND OwningDialog(HWND hCtl);
// A control lost the focus or got it: the default push button follows.
void FocusChanged(HWND hCtl, HWND hNewFocus);
} // namespace DialogNavigation
