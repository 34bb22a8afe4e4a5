// Handles of another running copy's windows, and the requests that act on
// them over the copy's socket.  Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

namespace RemoteWindows {
// The running copy's window of the class (and title), or NULL.
HWND Find(LPCTSTR lpClassName, LPCTSTR lpWindowName);
bool IsRemote(HWND hWnd);
} // namespace RemoteWindows
