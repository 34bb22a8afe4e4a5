// What the dialog manager keeps for each dialog window. Framework-internal.
#pragma once

#include "framework/base/WinTypes.h"
#include "framework/resources/ResourceTypes.h"
#include "framework/window/WinHandles.h"

struct DialogState {
    HFONT font = nullptr;     // the template's font (NULL: the system dialog font)
    bool ownsFont = false;    // made for this dialog, freed with it
    SIZE baseUnits{0, 0};     // dialog units of that font
    UINT defId = 0;           // DM_SETDEFID's id; 0 when none was set
    HWND lastFocus = nullptr; // the control that had the focus when the dialog lost it
    bool ended = false;       // EndDialog was called
    INT_PTR result = 0;
};

namespace DialogStates {
// The state of a dialog window, or NULL when the window is no dialog.
DialogState *Find(HWND hDlg);
DialogState &Ensure(HWND hDlg);
// A fresh state for a dialog being built (whatever a window that had the
// same handle left behind is dropped, not freed).
DialogState &Reset(HWND hDlg);
void Forget(HWND hDlg);
} // namespace DialogStates

namespace DialogFonts {
// The font of a template: its face and point size, or the system's dialog
// font when it names none. owns tells whether the caller must free it.
HFONT ForTemplate(const RESOURCE_DIALOG *pTemplate, bool &owns);
// The base units of a font: the average width of the 52 letters (rounded)
// and the cell height.
SIZE BaseUnits(HFONT hFont);
} // namespace DialogFonts
