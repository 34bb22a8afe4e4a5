// The clipboard: one window at a time opens it, empties it to take it over,
// sets data by format and closes it; everything set between one open and
// close goes to the desktop's clipboard together.  Text and registered
// formats are global memory blocks, CF_BITMAP a bitmap handle; the
// clipboard owns what is set on it (blocks and bitmaps are freed once
// handed on).  Handles that GetClipboardData returns belong to the
// clipboard and stay valid until it is opened or emptied again.
#pragma once

#include "framework/shell/ClipboardFormats.h"
#include "framework/window/WinHandles.h"

// FALSE while the clipboard is open.  hWndNewOwner may be NULL.
BOOL OpenClipboard(HWND hWndNewOwner);
// FALSE when the clipboard is not open.
BOOL CloseClipboard();
// Takes the clipboard over with no data; FALSE when it is not open.
BOOL EmptyClipboard();
// hMem on success (the clipboard now owns it); NULL when the clipboard is
// not open, the format cannot travel or the data is unusable (the caller
// then keeps hMem).
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// NULL when the clipboard is not open or has no data of the format.
HANDLE GetClipboardData(UINT uFormat);
// Works whether or not the clipboard is open.
BOOL IsClipboardFormatAvailable(UINT format);
// The window that has the clipboard open; NULL when it is closed or was
// opened without a window.
HWND GetOpenClipboardWindow();
