// Finding a program's top-level windows, in this process and in another
// running copy.  A process that registers a window class and shows a
// top-level window of it listens on a per-user local socket named after the
// class; FindWindow with that class in another process then returns a
// remote handle, on which IsWindow, IsIconic, GetLastActivePopup (the
// handle itself), ShowWindow and SetForegroundWindow act in the running
// copy, and SendMessage with WM_COPYDATA hands it bytes.  Every other call
// fails on a remote handle, and nothing else passes between the copies.
#pragma once

#include "framework/window/WinHandles.h"

// The first top-level window (shown or hidden) whose class and title match
// (NULL matches any; classes compare without case); a window of this
// process first, else a running copy's.  NULL when none.
HWND FindWindow(LPCTSTR lpClassName, LPCTSTR lpWindowName);
// The pop-up window owned by hWnd that was active last (the window itself
// when there is none, and for a remote handle); NULL for no window.
HWND GetLastActivePopup(HWND hWnd);
