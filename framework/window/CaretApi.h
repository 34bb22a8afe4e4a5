// The caret: one per program, owned by a window, drawn over the window's
// presented image (never into its backing image), blinking at the desktop's
// cursor flash rate. ShowCaret/HideCaret nest.
#pragma once

#include "framework/window/WinHandles.h"

// hBitmap NULL: a solid caret; (HBITMAP)1: a grey caret.
BOOL CreateCaret(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hWnd);
BOOL HideCaret(HWND hWnd);
BOOL SetCaretPos(int X, int Y);
BOOL GetCaretPos(LPPOINT lpPoint);
UINT GetCaretBlinkTime();
// FALSE when no caret exists; TRUE and the visibility state otherwise
// (visible: created, shown as often as hidden, the owner alive).
BOOL PlexoIsCaretVisible(HWND *phOwner, RECT *prcCaret);
