#include "editor/lang/SECEditLangDefaults.h"

#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"

void SECEditGetDefaultFont(CString &face, int &nSize)
{
    // A multibyte console code page would call for "FixedSys" 12; the
    // console code page here is never a double-byte one, so the default is
    // the fixed-pitch "Courier" at 10 points.
    face = "Courier";
    nSize = 10;
}

COLORREF SECEditGetWindowTextColor()
{
    return GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF SECEditGetWindowColor()
{
    return GetSysColor(COLOR_WINDOW);
}
