// CStatic: text (SS_LEFT, SS_CENTER, SS_RIGHT, SS_CENTERIMAGE to centre one
// line vertically), rectangles and frames, etched lines, icons (SS_ICON)
// and bitmaps (SS_BITMAP) set with STM_SETIMAGE ("STATIC" windows). With
// SS_NOTIFY a click sends STN_CLICKED and a double click STN_DBLCLK;
// otherwise the static is transparent to the mouse. Colours come from the
// parent's WM_CTLCOLORSTATIC (reflected to a CStatic's own map).
#pragma once

#include "framework/controls/ControlStyles.h"
#include "framework/window/Wnd.h"

LRESULT PlexoStaticProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;

    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID = 0xFFFF);
    HICON SetIcon(HICON hIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
    HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)); }
};
