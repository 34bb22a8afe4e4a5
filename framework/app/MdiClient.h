// The MDI client window: the child of an MDI frame that holds the document
// windows. It keeps which child is active and whether it is maximised,
// arranges the children (cascade, tiles, icons), activates the next or
// previous one, and lists them in the frame's window menu. It is a window
// class of its own ("MDICLIENT") driven by the WM_MDI* messages, so a
// program can subclass it.
#pragma once

#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"

#define WM_MDICREATE 0x0220
#define WM_MDIDESTROY 0x0221
#define WM_MDIACTIVATE 0x0222
#define WM_MDIRESTORE 0x0223
#define WM_MDINEXT 0x0224
#define WM_MDIMAXIMIZE 0x0225
#define WM_MDITILE 0x0226
#define WM_MDICASCADE 0x0227
#define WM_MDIICONARRANGE 0x0228
#define WM_MDIGETACTIVE 0x0229
#define WM_MDISETMENU 0x0230
#define WM_MDIREFRESHMENU 0x0234

#define MDITILE_VERTICAL 0x0000
#define MDITILE_HORIZONTAL 0x0001
#define MDITILE_SKIPDISABLED 0x0002

// The "More Windows..." item after the ninth child in the window menu.
#define AFX_IDM_MORE_WINDOWS 0xFF09
#define MDI_CLIENT_CLASS "MDICLIENT"

// What WM_CREATE of the client receives in lpCreateParams.
struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu; // the pop-up that lists the children
    UINT idFirstChild; // the id of the first listed child
};

// Registers the class (once) and answers its name.
LPCTSTR PlexoRegisterMdiClientClass();
