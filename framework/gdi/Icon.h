// Icons as drawable objects: a colour image and a monochrome mask (1 where
// the target shows through). Drawing ANDs the mask into the target, then
// XORs the colour image (black where the mask is set) over it. Icons made
// here (CreateIconIndirect, CreateIconFromResource(Ex), CopyIcon of such an
// icon) are freed by PlexoDestroyGdiIcon, which the window layer's
// DestroyIcon calls; icons and cursors the window layer loads are drawn
// through the image source it registers (IconImageSource.h).
#pragma once

#include "framework/gdi/GdiStructs.h"

struct HCURSOR__;
typedef HCURSOR__ *HCURSOR;
typedef HCURSOR HICON;

struct ICONINFO {
    BOOL fIcon;
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;  // a monochrome icon stacks its AND mask over its XOR image
    HBITMAP hbmColor; // NULL for a monochrome icon
};
typedef ICONINFO *PICONINFO;

// Copies the bitmaps; NULL when the mask is missing or the sizes disagree.
HICON CreateIconIndirect(PICONINFO piconinfo);
// Fills in new bitmaps the caller deletes.
BOOL GetIconInfo(HICON hIcon, PICONINFO piconinfo);
// A new icon for one made here; icons the window layer loads are shared
// and come back as they are.
HICON CopyIcon(HICON hIcon);
// An icon image as icon files and resources hold it: a packed DIB whose
// height covers the colour rows and the 1-bit mask rows after them.
// cxDesired/cyDesired 0 keep the image's size; otherwise it is stretched.
HICON CreateIconFromResourceEx(LPBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD dwVer, int cxDesired, int cyDesired,
                               UINT Flags);
HICON CreateIconFromResource(LPBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD dwVer);
BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon);
// cxWidth/cyWidth 0: the icon's size (DI_DEFAULTSIZE: the system icon
// size); DI_MASK and DI_IMAGE draw one part alone; hbrFlickerFreeDraw
// fills the rectangle first.
BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT istepIfAniCur,
                HBRUSH hbrFlickerFreeDraw, UINT diFlags);
#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x0000
#define LR_DEFAULTSIZE 0x0040
#define LR_SHARED 0x8000

// A bitmap or icon resource by name. Icons come from the icon group: the
// image nearest to cx by cy (cx and cy 0: the system icon size with
// LR_DEFAULTSIZE, else the group's first image), stretched to the size
// asked for. NULL for a missing resource or another image type.
HANDLE LoadImage(HINSTANCE hInst, LPCTSTR name, UINT type, int cx, int cy, UINT fuLoad);
// TRUE when the icon was made here (and is now freed).
BOOL PlexoDestroyGdiIcon(HICON hIcon);
