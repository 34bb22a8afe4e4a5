// The messages between the colour wells, the colour well button and their
// owners, and the ids they share.
#pragma once

#include "framework/window/WinMessages.h"

// A colour was chosen: wParam = the sender's control id (0 from a pop-up),
// lParam = the colour as a COLORREF.
#define WM_SECCOLORWELL_SELCHANGE (WM_USER + 101)
// The pop-up's other-colour button was clicked: open the colour dialog.
#define WM_SECCOLORWELL_OTHER (WM_USER + 102)

// The control id of a well's other-colour button and the string id of its
// caption.
#define SEC_IDC_COLORWELL_OTHER 59953
#define SEC_IDS_COLORWELL_OTHER 23100

// The reasons given to SECColorWell::SelectCell.
enum SECColorWellReason { SECWellByKey = 0, SECWellByHover = 1, SECWellByChoice = 2 };
