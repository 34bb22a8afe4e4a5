// Mouse capture, keyboard focus, activation, key state, the cursor
// position, timers and accelerator tables.
#pragma once

#include "framework/window/VirtualKeys.h"
#include "framework/window/WinHandles.h"

// ---- Capture, focus, activation
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND hWnd);
HWND GetFocus();
// NULL deactivates the active window (WM_NCACTIVATE, WM_ACTIVATE
// WA_INACTIVE, WM_KILLFOCUS). Activation coming from or going to another
// program sends WM_ACTIVATEAPP to the program's top-level windows.
HWND SetActiveWindow(HWND hWnd);
HWND GetActiveWindow();
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND hWnd);

// ---- Keys and the mouse position
// High bit: the key is down; low bit: the key is toggled (Caps Lock...).
SHORT GetKeyState(int nVirtKey);
SHORT GetAsyncKeyState(int vKey);
BOOL GetCursorPos(LPPOINT lpPoint);
BOOL SetCursorPos(int x, int y);
UINT GetDoubleClickTime();

// ---- Timers: WM_TIMER (wParam = id, lParam = callback) or the callback
// itself. Setting an existing id of a window replaces it. With no window,
// a new id is returned.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

// ---- Accelerators
// The table registered under the id; NULL when missing.
HACCEL LoadAccelerators(HINSTANCE hInstance, LPCTSTR lpTableName);
HACCEL CreateAcceleratorTable(const struct tagACCEL *paccel, int cAccel);
BOOL DestroyAcceleratorTable(HACCEL hAccel);
// A key-down matching an entry sends WM_COMMAND (HIWORD 1) to the window
// and returns TRUE.
int TranslateAccelerator(HWND hWnd, HACCEL hAccTable, LPMSG lpMsg);
