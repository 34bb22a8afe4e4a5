// Colours and fonts of the standard controls.
#include "framework/controls/ControlPaint.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

HBRUSH ControlPaint::ParentColors(HWND hCtl, HDC hdc, UINT nCtlColorMsg)
{
    HWND hParent = GetParent(hCtl);
    HBRUSH brush = nullptr;
    if (hParent)
        brush = reinterpret_cast<HBRUSH>(
            SendMessage(hParent, nCtlColorMsg, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hCtl)));
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(
            DefWindowProc(hCtl, nCtlColorMsg, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hCtl)));
    return brush;
}

HGDIOBJ ControlPaint::SelectFont(HWND hCtl, HDC hdc)
{
    auto font = reinterpret_cast<HFONT>(SendMessage(hCtl, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return SelectObject(hdc, font);
}
