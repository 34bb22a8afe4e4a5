// Window handles that name no window of this process (the shell's handles of
// another running copy's windows): the few calls that act on them are handed
// to the operations installed here; every other call fails on them as on a
// dead handle.  Also the hook that hears class registrations.
// Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

struct PlexoForeignWindowOps {
    BOOL (*isWindow)(HWND hWnd);
    BOOL (*isIconic)(HWND hWnd);
    BOOL (*showWindow)(HWND hWnd, int nCmdShow);
    BOOL (*setForegroundWindow)(HWND hWnd);
    // WM_COPYDATA sent to a foreign handle: the bytes are handed over to
    // the window; FALSE when they could not be.
    BOOL (*copyData)(HWND hWnd, HWND hFrom, const COPYDATASTRUCT *pData);
};
void PlexoSetForeignWindowOps(const PlexoForeignWindowOps *pOps);
// The installed operations; NULL when none.
const PlexoForeignWindowOps *PlexoForeignWindows();

// Called after RegisterClass registered a class (bRegistered TRUE) and after
// UnregisterClass removed one (FALSE).
typedef void (*PlexoClassHook)(LPCTSTR lpszClassName, BOOL bRegistered);
void PlexoSetClassHook(PlexoClassHook pfnHook);
// Called by the class registry.
void PlexoCallClassHook(LPCTSTR lpszClassName, BOOL bRegistered);
