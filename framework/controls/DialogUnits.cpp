// Dialog units: the template's font, its base units, and the conversion of
// dialog rectangles to pixels.
#include "framework/controls/DialogManager.h"
#include "framework/controls/DialogState.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/GdiStructs.h"

#include <cstring>

namespace {

constexpr int kScreenDpi = 96;
constexpr int kDefaultPointSize = 8;
const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

} // namespace

HFONT DialogFonts::ForTemplate(const RESOURCE_DIALOG *pTemplate, bool &owns)
{
    owns = false;
    if (!pTemplate || !pTemplate->lpszFontFace || !*pTemplate->lpszFontFace)
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONT lf{};
    int points = pTemplate->wFontSize ? pTemplate->wFontSize : kDefaultPointSize;
    lf.lfHeight = -MulDiv(points, kScreenDpi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, pTemplate->lpszFontFace, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirect(&lf);
    if (!font)
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    owns = true;
    return font;
}

SIZE DialogFonts::BaseUnits(HFONT hFont)
{
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return SIZE{6, 13};
    CFont *old = dc.SelectObject(CFont::FromHandle(hFont));
    CSize letters = dc.GetTextExtent(kLetters, 52);
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    if (old)
        dc.SelectObject(old);
    LONG cx = (letters.cx / 26 + 1) / 2;
    return SIZE{plexoMax<LONG>(cx, 1), plexoMax<LONG>(tm.tmHeight, 1)};
}

LONG GetDialogBaseUnits()
{
    static const SIZE units = DialogFonts::BaseUnits(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    return MAKELONG(units.cx, units.cy);
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    const DialogState *state = DialogStates::Find(hDlg);
    if (!state || !lpRect)
        return FALSE;
    lpRect->left = MulDiv(lpRect->left, state->baseUnits.cx, 4);
    lpRect->right = MulDiv(lpRect->right, state->baseUnits.cx, 4);
    lpRect->top = MulDiv(lpRect->top, state->baseUnits.cy, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, state->baseUnits.cy, 8);
    return TRUE;
}
