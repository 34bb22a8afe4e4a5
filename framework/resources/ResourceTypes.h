// Resource identifiers and the record types in which programs and libraries
// describe their string tables, menus, accelerator tables and dialog
// templates as C++ tables.
#pragma once

#include "framework/base/WinTypes.h"

// A numeric id stands where a resource name is expected.
#define MAKEINTRESOURCE(i) ((LPTSTR)(ULONG_PTR)((WORD)(i)))
#define IS_INTRESOURCE(p) ((((ULONG_PTR)(p)) >> 16) == 0)

#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_ACCELERATOR MAKEINTRESOURCE(9)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_GROUP_CURSOR MAKEINTRESOURCE(12)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)

// The desktop's standard cursors and icons.
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_UPARROW MAKEINTRESOURCE(32516)
#define IDC_SIZE MAKEINTRESOURCE(32640)
#define IDC_ICON MAKEINTRESOURCE(32641)
#define IDC_SIZENWSE MAKEINTRESOURCE(32642)
#define IDC_SIZENESW MAKEINTRESOURCE(32643)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDC_APPSTARTING MAKEINTRESOURCE(32650)
#define IDC_HELP MAKEINTRESOURCE(32651)

#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define IDI_HAND MAKEINTRESOURCE(32513)
#define IDI_QUESTION MAKEINTRESOURCE(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCE(32515)
#define IDI_ASTERISK MAKEINTRESOURCE(32516)
#define IDI_WINLOGO MAKEINTRESOURCE(32517)
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_ERROR IDI_HAND
#define IDI_INFORMATION IDI_ASTERISK

// Menu item flags used in menu tables.
#ifndef MF_STRING
#define MF_STRING 0x00000000L
#endif
#ifndef MF_GRAYED
#define MF_GRAYED 0x00000001L
#endif
#ifndef MF_DISABLED
#define MF_DISABLED 0x00000002L
#endif
#ifndef MF_CHECKED
#define MF_CHECKED 0x00000008L
#endif
#ifndef MF_POPUP
#define MF_POPUP 0x00000010L
#endif
#ifndef MF_MENUBARBREAK
#define MF_MENUBARBREAK 0x00000020L
#endif
#ifndef MF_MENUBREAK
#define MF_MENUBREAK 0x00000040L
#endif
#ifndef MF_END
#define MF_END 0x00000080L
#endif
#ifndef MF_SEPARATOR
#define MF_SEPARATOR 0x00000800L
#endif
#ifndef MF_HELP
#define MF_HELP 0x00004000L
#endif

// Accelerator flags and entries.
#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

typedef struct tagACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
} ACCEL, *LPACCEL;

// One string of a string table.
struct RESOURCE_STRING {
    UINT nID;
    LPCTSTR lpszText;
};

// One item of a menu table.  Items follow each other in order; an item with
// MF_POPUP is followed by the items of its sub-menu; MF_END marks the last
// item of a level (as in the menu templates of the resource compiler).
struct RESOURCE_MENU_ITEM {
    UINT nFlags;
    UINT nID;
    LPCTSTR lpszText;
};

// A dialog template: the dialog's frame and its controls, in dialog units.
struct RESOURCE_DIALOG_ITEM {
    LPCTSTR lpszClass; // "BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX", ...
    LPCTSTR lpszText;
    UINT nID;
    short x, y, cx, cy;
    DWORD dwStyle;
    DWORD dwExStyle;
};

struct RESOURCE_DIALOG {
    DWORD dwStyle;
    DWORD dwExStyle;
    short x, y, cx, cy;
    LPCTSTR lpszCaption;
    LPCTSTR lpszFontFace; // NULL: the system's dialog font
    WORD wFontSize;
    UINT nMenuID; // 0: no menu
    const RESOURCE_DIALOG_ITEM *pItems;
    int nItems;
};

// A toolbar: the bitmap that holds the buttons' images side by side, the
// size of one image, and the buttons' command ids in order (0 makes a
// separator, which takes no image).
struct RESOURCE_TOOLBAR {
    UINT nBitmapID;
    WORD cxImage;
    WORD cyImage;
    const UINT *pIDs;
    int nCount;
};
