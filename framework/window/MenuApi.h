// Menus: menu bars and pop-up menus as handles, built from the resource
// registry or item by item, and the pop-up menu loop (on QMenu).
#pragma once

#include "framework/resources/ResourceTypes.h"
#include "framework/window/WinHandles.h"

#ifndef MF_INSERT
#define MF_INSERT 0x00000000L
#endif
#ifndef MF_CHANGE
#define MF_CHANGE 0x00000080L
#endif
#ifndef MF_APPEND
#define MF_APPEND 0x00000100L
#endif
#ifndef MF_DELETE
#define MF_DELETE 0x00000200L
#endif
#ifndef MF_REMOVE
#define MF_REMOVE 0x00001000L
#endif
#ifndef MF_BYCOMMAND
#define MF_BYCOMMAND 0x00000000L
#endif
#ifndef MF_BYPOSITION
#define MF_BYPOSITION 0x00000400L
#endif
#ifndef MF_ENABLED
#define MF_ENABLED 0x00000000L
#endif
#ifndef MF_UNCHECKED
#define MF_UNCHECKED 0x00000000L
#endif
#ifndef MF_BITMAP
#define MF_BITMAP 0x00000004L
#endif
#ifndef MF_OWNERDRAW
#define MF_OWNERDRAW 0x00000100L
#endif
#ifndef MF_DEFAULT
#define MF_DEFAULT 0x00001000L
#endif
#ifndef MF_HILITE
#define MF_HILITE 0x00000080L
#endif
#define MFT_RADIOCHECK 0x00000200L

#define TPM_LEFTBUTTON 0x0000L
#define TPM_RIGHTBUTTON 0x0002L
#define TPM_LEFTALIGN 0x0000L
#define TPM_CENTERALIGN 0x0004L
#define TPM_RIGHTALIGN 0x0008L
#define TPM_TOPALIGN 0x0000L
#define TPM_VCENTERALIGN 0x0010L
#define TPM_BOTTOMALIGN 0x0020L
#define TPM_NONOTIFY 0x0080L
#define TPM_RETURNCMD 0x0100L

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU hMenu);
BOOL IsMenu(HMENU hMenu);
// The menu registered under the id, as a new menu; NULL when missing or malformed.
HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName);
// For MF_POPUP, uIDNewItem is the sub-menu (which the menu then owns).
BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL InsertMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL ModifyMenu(HMENU hMnu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
// DeleteMenu destroys a sub-menu; RemoveMenu only detaches it.
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
// Return the previous state (MF_CHECKED / MF_ENABLED|MF_GRAYED|MF_DISABLED), or -1 (0xFFFFFFFF).
DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);
BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
BOOL CheckMenuRadioItem(HMENU hmenu, UINT first, UINT last, UINT check, UINT flags);
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
// The default item is shown in bold; (UINT)-1 clears it.
BOOL SetMenuDefaultItem(HMENU hMenu, UINT uItem, UINT fByPos);
UINT GetMenuDefaultItem(HMENU hMenu, UINT fByPos, UINT gmdiFlags);
int GetMenuItemCount(HMENU hMenu);
// The command id of the item; -1 (0xFFFFFFFF) for a pop-up or a missing item.
UINT GetMenuItemID(HMENU hMenu, int nPos);
HMENU GetSubMenu(HMENU hMenu, int nPos);
int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags);
BOOL SetMenu(HWND hWnd, HMENU hMenu);
HMENU GetMenu(HWND hWnd);
BOOL DrawMenuBar(HWND hWnd);
// Shows the pop-up menu at the screen point, sending WM_INITMENUPOPUP to
// the owner first. Returns the chosen command with TPM_RETURNCMD (0 when
// none); otherwise posts WM_COMMAND to the owner and returns TRUE when an
// item was chosen.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd, const RECT *prcRect);
// TrackPopupMenu for a menu that opens while the user types (a completion
// menu after a typed character): a printable key (a character typed without
// Ctrl or Alt) closes the pop-up and goes on to the window with the keyboard
// focus as if typed after the menu closed, so the menu never takes a
// keystroke as a mnemonic. Arrows, Return, Escape and the mouse work as in
// any pop-up. Returns as TrackPopupMenu does.
BOOL PlexoTrackPopupMenuTypeThrough(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd);
