// Building a dialog from its template: the window's placement in dialog
// units, its controls in template order, WM_INITDIALOG and the first focus.
#include "framework/controls/ControlClasses.h"
#include "framework/controls/DialogManager.h"
#include "framework/controls/DialogState.h"

#include "framework/base/CString.h"
#include "framework/gdi/GdiObject.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <cstdio>
#include <set>
#include <string>

namespace {

std::string &Problems()
{
    static std::string problems;
    return problems;
}

void Report(const RESOURCE_DIALOG *pTemplate, const std::string &text)
{
    std::string line = "Dialog \"" + std::string(pTemplate->lpszCaption ? pTemplate->lpszCaption : "") + "\": " + text;
    Problems() += line + "\n";
    std::fprintf(stderr, "%s\n", line.c_str());
}

RECT ToPixels(SIZE units, int x, int y, int cx, int cy)
{
    return RECT{MulDiv(x, units.cx, 4), MulDiv(y, units.cy, 8), MulDiv(x + cx, units.cx, 4),
                MulDiv(y + cy, units.cy, 8)};
}

void Shift(RECT &rc, int dx, int dy)
{
    rc.left += dx;
    rc.right += dx;
    rc.top += dy;
    rc.bottom += dy;
}

bool ClassKnown(LPCTSTR lpszClass)
{
    WNDCLASS wc;
    return lpszClass && *lpszClass && GetClassInfo(nullptr, lpszClass, &wc);
}

// Control ids that name no control: statics and group boxes carry them.
bool IsAnonymousId(UINT nID)
{
    return nID == 0 || static_cast<WORD>(nID) == 0xFFFF;
}

HWND CreateControl(HWND hDlg, const RESOURCE_DIALOG *pTemplate, const RESOURCE_DIALOG_ITEM &item, SIZE units,
                   std::set<UINT> &ids)
{
    char idText[32];
    std::snprintf(idText, sizeof(idText), "%d", static_cast<int>(item.nID));
    LPCTSTR lpszClass = item.lpszClass;
    if (!ClassKnown(lpszClass)) {
        Report(pTemplate, std::string("control ") + idText + " has the unknown class \"" +
                              (lpszClass ? lpszClass : "") + "\"; an empty control stands in for it.");
        lpszClass = PLEXO_EMPTY_CONTROL_CLASS;
    }
    if (!IsAnonymousId(item.nID) && !ids.insert(item.nID).second)
        Report(pTemplate, std::string("the control id ") + idText + " is used twice; the first control answers to it.");
    if (item.cx <= 0 || item.cy <= 0)
        Report(pTemplate, std::string("control ") + idText + " has no size.");
    RECT rc = ToPixels(units, item.x, item.y, plexoMax<short>(item.cx, 0), plexoMax<short>(item.cy, 0));
    DWORD style = (item.dwStyle | WS_CHILD) & ~WS_POPUP;
    auto hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(static_cast<WORD>(item.nID)));
    HWND hCtl = CreateWindowEx(item.dwExStyle, lpszClass, item.lpszText ? item.lpszText : "", style, rc.left, rc.top,
                               rc.right - rc.left, rc.bottom - rc.top, hDlg, hMenu, nullptr, nullptr);
    if (!hCtl) {
        Report(pTemplate,
               std::string("control ") + idText + " could not be created; an empty control stands in for it.");
        hCtl = CreateWindowEx(0, PLEXO_EMPTY_CONTROL_CLASS, "", style, rc.left, rc.top, rc.right - rc.left,
                              rc.bottom - rc.top, hDlg, hMenu, nullptr, nullptr);
    }
    // Template order is the tab order: each control goes below the ones
    // before it.
    if (!hCtl)
        return nullptr;
    SetWindowPos(hCtl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    // A spin that takes the control before it as its buddy.
    if ((item.dwStyle & UDS_AUTOBUDDY) && lpszClass && CString(lpszClass).CompareNoCase(UPDOWN_CLASS) == 0)
        SendMessage(hCtl, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetWindow(hCtl, GW_HWNDPREV)), 0);
    return hCtl;
}

UINT FirstDefaultButton(HWND hDlg)
{
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return static_cast<UINT>(GetDlgCtrlID(h));
    return 0;
}

} // namespace

const char *PlexoLastDialogProblems()
{
    return Problems().c_str();
}

RECT PlexoDialogWindowRect(const RESOURCE_DIALOG *pTemplate, HWND hWndParent)
{
    bool owns = false;
    HFONT font = DialogFonts::ForTemplate(pTemplate, owns);
    SIZE units = DialogFonts::BaseUnits(font);
    if (owns)
        DeleteObject(font);
    RECT client = ToPixels(units, 0, 0, plexoMax<short>(pTemplate->cx, 0), plexoMax<short>(pTemplate->cy, 0));
    RECT rc = client;
    AdjustWindowRectEx(&rc, pTemplate->dwStyle, pTemplate->nMenuID != 0, pTemplate->dwExStyle);
    Shift(rc, -rc.left, -rc.top);
    POINT origin{MulDiv(pTemplate->x, units.cx, 4), MulDiv(pTemplate->y, units.cy, 8)};
    bool child = (pTemplate->dwStyle & WS_CHILD) != 0;
    if (!child && hWndParent && !(pTemplate->dwStyle & DS_ABSALIGN))
        ClientToScreen(hWndParent, &origin);
    if (!child && (pTemplate->dwStyle & DS_CENTER)) {
        RECT over{0, 0, 1024, 768};
        if (hWndParent)
            GetWindowRect(hWndParent, &over);
        origin.x = over.left + ((over.right - over.left) - rc.right) / 2;
        origin.y = over.top + ((over.bottom - over.top) - rc.bottom) / 2;
    }
    Shift(rc, origin.x, origin.y);
    return rc;
}

BOOL PlexoBuildDialog(HWND hDlg, const RESOURCE_DIALOG *pTemplate, LPARAM lInitParam)
{
    Problems().clear();
    if (!IsWindow(hDlg) || !pTemplate)
        return FALSE;
    PlexoRegisterStandardControls();
    DialogState &state = DialogStates::Reset(hDlg);
    state.font = DialogFonts::ForTemplate(pTemplate, state.ownsFont);
    state.baseUnits = DialogFonts::BaseUnits(state.font);
    SendMessage(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);

    int count = pTemplate->pItems ? plexoMax(pTemplate->nItems, 0) : 0;
    if (pTemplate->nItems > 0 && !pTemplate->pItems)
        Report(pTemplate, "the template lists controls but holds none.");
    std::set<UINT> ids;
    for (int i = 0; i < count && IsWindow(hDlg); ++i) {
        if (HWND hCtl = CreateControl(hDlg, pTemplate, pTemplate->pItems[i], state.baseUnits, ids))
            SendMessage(hCtl, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    }
    if (!IsWindow(hDlg))
        return FALSE;
    state.defId = FirstDefaultButton(hDlg);

    HWND first = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    LRESULT setFocus = SendMessage(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), lInitParam);
    if (!IsWindow(hDlg))
        return FALSE;
    DialogState *live = DialogStates::Find(hDlg);
    if (setFocus && first && live && IsChild(hDlg, first)) {
        live->lastFocus = first;
        if (IsWindowVisible(hDlg))
            PlexoGotoDlgCtrl(hDlg, first);
    }
    return TRUE;
}
