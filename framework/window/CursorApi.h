// Mouse cursors: the desktop's standard shapes and cursors from image
// resources. SetCursor sets the shape shown over the window under the mouse
// (or the capture window); windows set it again on WM_SETCURSOR.
#pragma once

#include "framework/resources/ResourceTypes.h"
#include "framework/window/WinHandles.h"

// A standard cursor (hInstance NULL, IDC_*) or a registered cursor resource
// (any other id, or any id with an instance); NULL when missing or when its
// image does not load. Cursors stay until the program ends.
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
// Registers a cursor resource: an image file (a Qt resource path such as
// ":/cursors/pen.png") and the hot spot.
void PlexoRegisterCursor(UINT nID, LPCTSTR lpszImagePath, int xHotSpot, int yHotSpot);
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
int ShowCursor(BOOL bShow);
BOOL DestroyCursor(HCURSOR hCursor);
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
