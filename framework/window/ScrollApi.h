// Scroll bars of a window (SB_HORZ, SB_VERT: shown in its non-client area
// when it has WS_HSCROLL/WS_VSCROLL or ShowScrollBar asks) and scroll-bar
// controls (SB_CTL, the "SCROLLBAR" class). Moving a bar sends
// WM_HSCROLL/WM_VSCROLL with SB_* codes to the window (controls: to the
// parent, lParam the control).
#pragma once

#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"

// Returns the new position; clamps nPos into [nMin, nMax - max(nPage-1, 0)].
int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw);
BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi);
int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw); // the old position
int GetScrollPos(HWND hWnd, int nBar);
BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw);
BOOL GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos);
BOOL EnableScrollBar(HWND hWnd, UINT wSBflags, UINT wArrows);
BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow);
