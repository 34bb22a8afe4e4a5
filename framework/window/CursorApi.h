// Mouse cursors and icons as handles. Shapes come from the resource
// registry: images registered under numeric ids (PlexoRegisterCursor,
// PlexoRegisterIcon) or the desktop's standard cursors (IDC_*) and icons
// (IDI_*). SetCursor sets the shape shown over the window under the mouse
// (or the capture window); windows set it again on WM_SETCURSOR.
#pragma once

#include "framework/resources/ResourceTypes.h"
#include "framework/window/WinHandles.h"

// NULL when missing or when its image does not load. Loaded cursors and
// icons are shared and stay until the program ends.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
int ShowCursor(BOOL bShow);
BOOL DestroyCursor(HCURSOR hCursor);
BOOL DestroyIcon(HICON hIcon);
