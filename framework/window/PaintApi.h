// The painting model: invalid regions, WM_PAINT with BeginPaint/EndPaint,
// device contexts on a window's backing image, and scrolling the image.
// Rectangles and regions are in client coordinates.
#pragma once

#include "framework/window/WinHandles.h"
#include "framework/window/WinStyles.h"

BOOL InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase);
BOOL InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase);
BOOL ValidateRect(HWND hWnd, const RECT *lpRect);
BOOL ValidateRgn(HWND hWnd, HRGN hRgn);
// Sends WM_PAINT at once when the window has an invalid region.
BOOL UpdateWindow(HWND hWnd);
// The bounding box of the invalid region; FALSE when it is empty.
BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);
// Copies the invalid region into hRgn; returns its region type.
int GetUpdateRgn(HWND hWnd, HRGN hRgn, BOOL bErase);
// RDW_FRAME (with RDW_INVALIDATE) has BeginPaint send WM_NCPAINT first, or
// RDW_ERASENOW send it at once; RDW_NOERASE and RDW_NOFRAME drop a pending
// erase or frame painting.
BOOL RedrawWindow(HWND hWnd, const RECT *lprcUpdate, HRGN hrgnUpdate, UINT flags);
BOOL LockWindowUpdate(HWND hWndLock);

// Opens a context on the client area clipped to the invalid region, sends
// WM_ERASEBKGND when an erase is pending, and validates the region.
HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT *lpPaint);
// A context on the client area (GetDC) or the whole window (GetWindowDC);
// what it draws is shown at once. Free it with ReleaseDC.
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
// GetDC or, with DCX_WINDOW, GetWindowDC; a NULL window is the screen.
// hrgnClip (client or window coordinates) limits the context with
// DCX_INTERSECTRGN or is taken out of it with DCX_EXCLUDERGN. The other
// flags describe what every context here already is.
#define DCX_WINDOW 0x00000001L
#define DCX_CACHE 0x00000002L
#define DCX_CLIPCHILDREN 0x00000008L
#define DCX_CLIPSIBLINGS 0x00000010L
#define DCX_PARENTCLIP 0x00000020L
#define DCX_EXCLUDERGN 0x00000040L
#define DCX_INTERSECTRGN 0x00000080L
#define DCX_LOCKWINDOWUPDATE 0x00000400L
HDC GetDCEx(HWND hWnd, HRGN hrgnClip, DWORD flags);

// Moves the client area's pixels (within lprcClip, the whole client area
// when NULL) and invalidates what is uncovered.
BOOL ScrollWindow(HWND hWnd, int XAmount, int YAmount, const RECT *lpRect, const RECT *lpClipRect);
int ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT *prcScroll, const RECT *prcClip, HRGN hrgnUpdate,
                   LPRECT prcUpdate, UINT flags);
