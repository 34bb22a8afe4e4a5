// The plain window functions: window classes, creation and destruction,
// window longs and properties, relations, text, geometry and state.
// Coordinates of child windows are in the parent's client coordinates,
// those of top-level windows in screen coordinates.
#pragma once

#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"
#include "framework/window/WinStyles.h"

typedef WORD ATOM;

// ---- Window classes
// Registers a class by name (compared without case); 0 when the name is
// missing or already registered.
ATOM RegisterClass(const WNDCLASS *lpWndClass);
BOOL UnregisterClass(LPCTSTR lpClassName, HINSTANCE hInstance);
BOOL GetClassInfo(HINSTANCE hInstance, LPCTSTR lpClassName, LPWNDCLASS lpWndClass);
int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount);
// A value of the window's class: GCL_HICON, GCL_HICONSM (the class icon;
// one icon serves both sizes here), GCL_HCURSOR, GCL_HBRBACKGROUND,
// GCL_STYLE, GCL_WNDPROC. Handles are pointer-sized, so both names answer
// the whole value. 0 for a dead window or an unknown index.
ULONG_PTR GetClassLongPtr(HWND hWnd, int nIndex);
inline ULONG_PTR GetClassLong(HWND hWnd, int nIndex)
{
    return GetClassLongPtr(hWnd, nIndex);
}
#ifndef GCL_HICON
#define GCL_HBRBACKGROUND (-10)
#define GCL_HCURSOR (-12)
#define GCL_HICON (-14)
#define GCL_WNDPROC (-24)
#define GCL_STYLE (-26)
#define GCL_HICONSM (-34)
#endif

// ---- Creation and destruction
// hMenu is the control id of a child window. NULL when the class is
// unknown, a child has no parent, or WM_NCCREATE/WM_CREATE refuse.
// Sequence: WM_GETMINMAXINFO (top-level), WM_NCCREATE, WM_NCCALCSIZE
// (FALSE), WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY up the parent chain
// (children without WS_EX_NOPARENTNOTIFY), then ShowWindow for WS_VISIBLE.
HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, int x, int y, int nWidth,
                    int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
inline HWND CreateWindow(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, int x, int y, int nWidth,
                         int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    return CreateWindowEx(0, lpClassName, lpWindowName, dwStyle, x, y, nWidth, nHeight, hWndParent, hMenu, hInstance,
                          lpParam);
}
// Destroys the window, its children and owned windows: WM_PARENTNOTIFY,
// hiding a visible window through SetWindowPos (focus and activation move
// on), then WM_DESTROY to every window (parents first, a capture holder
// hearing WM_CAPTURECHANGED before its own) before any WM_NCDESTROY
// (children first).
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);

// ---- Window longs and properties
LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex);
// GWLP_WNDPROC replaces the head of the procedure chain and returns the old
// one, which the new procedure passes messages on to with CallWindowProc.
LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
// The 32-bit forms return 0 and change nothing for GWL_WNDPROC,
// GWL_HINSTANCE and GWL_HWNDPARENT, whose pointers do not fit a LONG: use
// the Ptr forms for those.
// GWL_STYLE/GWL_EXSTYLE send WM_STYLECHANGING (the window may change the
// new styles) and WM_STYLECHANGED, and apply WS_VISIBLE (shown or hidden
// without other messages), WS_CHILD (a child of its owner, or a top-level
// window owned by its parent's top-level window), WS_DISABLED; new frame
// styles then change the frame as SetWindowPos(SWP_FRAMECHANGED) does.
LONG GetWindowLong(HWND hWnd, int nIndex);
LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong);
BOOL SetProp(HWND hWnd, LPCTSTR lpString, HANDLE hData);
HANDLE GetProp(HWND hWnd, LPCTSTR lpString);
HANDLE RemoveProp(HWND hWnd, LPCTSTR lpString);

// ---- Relations
HWND GetParent(HWND hWnd);
// Hidden (ShowWindow), moved to the new parent (NULL: a top-level window)
// at the same coordinates, then SetWindowPos(HWND_TOP, SWP_NOSIZE, shown
// again if it was visible), so the window hears the change with its new
// parent in place. Returns the old parent, NULL for a top-level window.
HWND SetParent(HWND hWndChild, HWND hWndNewParent);
HWND GetWindow(HWND hWnd, UINT uCmd);
HWND GetTopWindow(HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
BOOL IsChild(HWND hWndParent, HWND hWnd);
HWND GetDesktopWindow();
// The window itself when it has no parent, else its top-level ancestor.
HWND GetTopLevelWindow(HWND hWnd);
typedef BOOL (*WNDENUMPROC)(HWND, LPARAM);
BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam);

// ---- Text
BOOL SetWindowText(HWND hWnd, LPCTSTR lpString);
int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount);
int GetWindowTextLength(HWND hWnd);

// ---- Geometry
// WM_WINDOWPOSCHANGING (the window may change the request), the change,
// WM_WINDOWPOSCHANGED with the flags of what changed (SWP_NOMOVE, SWP_NOSIZE,
// SWP_NOCLIENTMOVE, SWP_NOCLIENTSIZE); its default handling sends WM_MOVE and
// WM_SIZE. A resize or frame change sends WM_NCCALCSIZE (TRUE). Showing or
// hiding sends no WM_SHOWWINDOW (and leaves a hidden active window active);
// without SWP_NOACTIVATE a child hears WM_CHILDACTIVATE and a top-level
// window is activated.
BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
// A batch of position changes made together by EndDeferWindowPos, each as
// SetWindowPos makes it, in the order given (a later change of the same
// window replaces an earlier one). DeferWindowPos returns the batch, NULL
// for a dead window (the batch is then dropped).
struct HDWP__;
typedef HDWP__ *HDWP;
HDWP BeginDeferWindowPos(int nNumWindows);
HDWP DeferWindowPos(HDWP hWinPosInfo, HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
BOOL EndDeferWindowPos(HDWP hWinPosInfo);
// Puts the window on top of its siblings and activates it (a child through
// WM_CHILDACTIVATE): SetWindowPos(HWND_TOP) without moving or sizing.
BOOL BringWindowToTop(HWND hWnd);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect); // screen coordinates
BOOL GetClientRect(HWND hWnd, LPRECT lpRect); // (0, 0, width, height)
BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
// Maps points between the client areas of two windows (NULL: the screen).
int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle);
// The deepest visible, enabled window at a screen point.
HWND WindowFromPoint(POINT point);
// The child (or the window itself) at a point in the window's client area;
// NULL when the point is outside the window.
HWND ChildWindowFromPoint(HWND hWndParent, POINT point);
HWND ChildWindowFromPointEx(HWND hWndParent, POINT point, UINT uFlags);

// ---- State
// WM_SHOWWINDOW when the visibility changes, then SetWindowPos with the
// change (SWP_STATECHANGED for minimising, maximising, restoring). A hidden
// or minimised active window gives the activation and focus away; a
// restored one is repainted whole.
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsIconic(HWND hWnd);
BOOL IsZoomed(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsWindowEnabled(HWND hWnd);
