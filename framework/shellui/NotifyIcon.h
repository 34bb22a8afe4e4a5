// The notification-area icon.  A program adds an icon for one of its
// windows; clicks on it come to that window as the callback message, with
// the icon's id in wParam and the mouse message (WM_LBUTTONDOWN,
// WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEMOVE...) in lParam.  Where the
// desktop has no notification area a small plain window stands in, showing
// the icon and the tip and giving the same callbacks; when a notification
// area appears the icons move into it and every top-level window gets the
// registered message "TaskbarCreated".
#pragma once

#include "framework/window/WinHandles.h"

#define NIM_ADD 0x00000000
#define NIM_MODIFY 0x00000001
#define NIM_DELETE 0x00000002

#define NIF_MESSAGE 0x00000001
#define NIF_ICON 0x00000002
#define NIF_TIP 0x00000004

// cbSize is not checked: the classic 88 and sizeof(NOTIFYICONDATA) both do.
struct NOTIFYICONDATA {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[64];
};
typedef NOTIFYICONDATA *PNOTIFYICONDATA;

// NIM_ADD: FALSE when the window does not exist or already has an icon of
// that id.  NIM_MODIFY: changes the flagged fields of an existing icon.
// NIM_DELETE: removes it.  The tip is read up to its terminating zero, at
// most 63 bytes; the icon is copied as it looks when the call is made.
BOOL Shell_NotifyIcon(DWORD dwMessage, PNOTIFYICONDATA lpData);
