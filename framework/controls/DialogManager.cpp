// The dialog window procedure, keyboard navigation among a dialog's
// controls, the default push button and the end of dialogs.
#include "framework/controls/ControlClasses.h"
#include "framework/controls/DialogManager.h"
#include "framework/controls/DialogNavigation.h"
#include "framework/controls/DialogState.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiObject.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"

#include <cctype>
#include <map>

// ---- Per-dialog state

namespace {

std::map<HWND, DialogState> &States()
{
    static std::map<HWND, DialogState> states;
    return states;
}

} // namespace

DialogState *DialogStates::Find(HWND hDlg)
{
    auto it = States().find(hDlg);
    return it == States().end() || !IsWindow(hDlg) ? nullptr : &it->second;
}

DialogState &DialogStates::Ensure(HWND hDlg)
{
    return States()[hDlg];
}

DialogState &DialogStates::Reset(HWND hDlg)
{
    return States()[hDlg] = DialogState{};
}

void DialogStates::Forget(HWND hDlg)
{
    auto it = States().find(hDlg);
    if (it == States().end())
        return;
    if (it->second.ownsFont && it->second.font)
        DeleteObject(it->second.font);
    States().erase(it);
}

// ---- The default push button

namespace {

UINT DlgCode(HWND hCtl, WPARAM wParam = 0, LPMSG lpMsg = nullptr)
{
    return hCtl ? static_cast<UINT>(SendMessage(hCtl, WM_GETDLGCODE, wParam, reinterpret_cast<LPARAM>(lpMsg))) : 0;
}

bool IsPushButton(UINT code)
{
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void SetButtonDefault(HWND hButton, bool bDefault)
{
    UINT code = DlgCode(hButton);
    if (!IsPushButton(code) || ((code & DLGC_DEFPUSHBUTTON) != 0) == bDefault)
        return;
    SendMessage(hButton, BM_SETSTYLE, bDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// Makes hWant the one push button of the dialog that looks default.
void ShowDefault(HWND hDlg, HWND hWant)
{
    std::vector<HWND> controls = DialogNavigation::Controls(hDlg, false);
    for (HWND h : controls)
        if (h != hWant)
            SetButtonDefault(h, false);
    if (hWant)
        SetButtonDefault(hWant, true);
}

HWND DefaultButton(HWND hDlg)
{
    LRESULT r = SendMessage(hDlg, DM_GETDEFID, 0, 0);
    if (HIWORD(r) != DC_HASDEFID)
        return nullptr;
    return DialogNavigation::FindControl(hDlg, LOWORD(r));
}

} // namespace

void DialogNavigation::FocusChanged(HWND hCtl, HWND hNewFocus)
{
    HWND hDlg = OwningDialog(hCtl);
    if (!hDlg)
        return;
    if (hNewFocus && (hNewFocus == hDlg || IsChild(hDlg, hNewFocus)) && IsPushButton(DlgCode(hNewFocus)))
        ShowDefault(hDlg, hNewFocus);
    else
        ShowDefault(hDlg, DefaultButton(hDlg));
}

// ---- Keys

namespace {

void Click(HWND hDlg, int nID, HWND hCtl)
{
    if (hCtl && !IsWindowEnabled(hCtl))
        return;
    SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hCtl));
}

void PressDefault(HWND hDlg, HWND hFocus)
{
    if (hFocus && IsPushButton(DlgCode(hFocus))) {
        Click(hDlg, GetDlgCtrlID(hFocus), hFocus);
        return;
    }
    LRESULT r = SendMessage(hDlg, DM_GETDEFID, 0, 0);
    int nID = HIWORD(r) == DC_HASDEFID ? LOWORD(r) : IDOK;
    Click(hDlg, nID, DialogNavigation::FindControl(hDlg, nID));
}

void Cancel(HWND hDlg)
{
    Click(hDlg, IDCANCEL, DialogNavigation::FindControl(hDlg, IDCANCEL));
}

// The mnemonic of a control's text: the character after a single '&'.
int MnemonicOf(HWND hCtl)
{
    if ((DlgCode(hCtl) & DLGC_STATIC) && (GetWindowLong(hCtl, GWL_STYLE) & SS_NOPREFIX) &&
        (GetWindowLong(hCtl, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT)
        return 0;
    char text[256];
    int n = GetWindowText(hCtl, text, sizeof(text));
    for (int i = 0; i + 1 < n; ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::tolower(static_cast<unsigned char>(text[i + 1]));
    }
    return 0;
}

void Activate(HWND hDlg, HWND hCtl, const std::vector<HWND> &controls, size_t index)
{
    UINT code = DlgCode(hCtl);
    if (code & DLGC_STATIC) {
        // A label hands the focus to the control after it.
        for (size_t i = index + 1; i < controls.size(); ++i) {
            if (!(DlgCode(controls[i]) & DLGC_STATIC)) {
                PlexoGotoDlgCtrl(hDlg, controls[i]);
                return;
            }
        }
        return;
    }
    if (IsPushButton(code)) {
        SendMessage(hCtl, BM_CLICK, 0, 0);
        return;
    }
    PlexoGotoDlgCtrl(hDlg, hCtl);
    if (code & DLGC_BUTTON)
        SendMessage(hCtl, BM_CLICK, 0, 0);
}

bool Mnemonic(HWND hDlg, HWND hFocus, WPARAM ch)
{
    int wanted = std::tolower(static_cast<int>(ch & 0xFF));
    if (!wanted)
        return false;
    std::vector<HWND> controls = DialogNavigation::Controls(hDlg, true);
    size_t start = 0;
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == hFocus)
            start = i + 1;
    for (size_t k = 0; k < controls.size(); ++k) {
        size_t i = (start + k) % controls.size();
        if (MnemonicOf(controls[i]) == wanted) {
            Activate(hDlg, controls[i], controls, i);
            return true;
        }
    }
    return false;
}

bool Arrow(HWND hDlg, HWND hFocus, WPARAM vk)
{
    if (!hFocus)
        return false;
    HWND next = GetNextDlgGroupItem(hDlg, hFocus, vk == VK_LEFT || vk == VK_UP);
    if (!next || next == hFocus)
        return true;
    PlexoGotoDlgCtrl(hDlg, next);
    UINT code = DlgCode(next);
    if ((code & DLGC_RADIOBUTTON) && (GetWindowLong(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        SendMessage(next, BM_CLICK, 0, 0);
    return true;
}

bool HandleKeyDown(HWND hDlg, LPMSG lpMsg)
{
    HWND hFocus = GetFocus();
    UINT code = DlgCode(lpMsg->hwnd, lpMsg->wParam, lpMsg);
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    switch (lpMsg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB)
            return false;
        if (HWND next = GetNextDlgTabItem(hDlg, hFocus, GetKeyState(VK_SHIFT) < 0))
            PlexoGotoDlgCtrl(hDlg, next);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS)
            return false;
        return Arrow(hDlg, hFocus, lpMsg->wParam);
    case VK_RETURN: PressDefault(hDlg, hFocus); return true;
    case VK_ESCAPE: Cancel(hDlg); return true;
    default: return false;
    }
}

bool HandleChar(HWND hDlg, LPMSG lpMsg)
{
    UINT code = DlgCode(lpMsg->hwnd, lpMsg->wParam, lpMsg);
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    WPARAM ch = lpMsg->wParam;
    // The characters of keys the dialog took for navigation.
    if ((ch == '\t' && !(code & DLGC_WANTTAB)) || ch == '\r' || ch == 0x1B)
        return true;
    if (code & DLGC_WANTCHARS)
        return false;
    return Mnemonic(hDlg, GetFocus(), ch);
}

} // namespace

BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg)
{
    if (!hDlg || !lpMsg || !IsWindow(hDlg) || !lpMsg->hwnd || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
        return FALSE;
    bool handled = false;
    switch (lpMsg->message) {
    case WM_KEYDOWN: handled = HandleKeyDown(hDlg, lpMsg); break;
    case WM_CHAR: handled = HandleChar(hDlg, lpMsg); break;
    case WM_SYSCHAR: handled = Mnemonic(hDlg, GetFocus(), lpMsg->wParam); break;
    default: break;
    }
    if (!handled) {
        TranslateMessage(lpMsg);
        DispatchMessage(lpMsg);
    }
    return TRUE;
}

// ---- Focus

void PlexoGotoDlgCtrl(HWND hDlg, HWND hCtl)
{
    if (!hCtl || !IsWindow(hCtl))
        return;
    SetFocus(hCtl);
    if (GetFocus() == hCtl && (DlgCode(hCtl) & DLGC_HASSETSEL))
        SendMessage(hCtl, EM_SETSEL, 0, -1);
    if (DialogState *state = DialogStates::Find(hDlg))
        state->lastFocus = hCtl;
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    if (!IsWindow(hDlg))
        return FALSE;
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
        if (HWND h = GetDlgItem(hDlg, nID))
            SendMessage(h, BM_SETCHECK, nID == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

// ---- Ending

BOOL EndDialog(HWND hDlg, INT_PTR nResult)
{
    DialogState *state = DialogStates::Find(hDlg);
    if (!state)
        return FALSE;
    state->ended = true;
    state->result = nResult;
    ShowWindow(hDlg, SW_HIDE);
    return TRUE;
}

BOOL PlexoDialogEnded(HWND hDlg, INT_PTR *pnResult)
{
    DialogState *state = DialogStates::Find(hDlg);
    if (!state || !state->ended)
        return FALSE;
    if (pnResult)
        *pnResult = state->result;
    return TRUE;
}

// ---- The dialog procedure

namespace {

void RestoreFocus(HWND hDlg)
{
    DialogState *state = DialogStates::Find(hDlg);
    HWND target = state && state->lastFocus && IsChild(hDlg, state->lastFocus) ? state->lastFocus : nullptr;
    if (!target)
        target = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    if (target)
        PlexoGotoDlgCtrl(hDlg, target);
}

} // namespace

void PlexoDialogRestoreFocus(HWND hDlg)
{
    HWND hFocus = GetFocus();
    if (hFocus && IsChild(hDlg, hFocus))
        return;
    RestoreFocus(hDlg);
}

namespace {

LRESULT EraseBackground(HWND hDlg, WPARAM wParam)
{
    auto hdc = reinterpret_cast<HDC>(wParam);
    if (!hdc)
        return 0;
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(hDlg, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hDlg)));
    if (!brush)
        return 0;
    RECT rc;
    GetClientRect(hDlg, &rc);
    FillRect(hdc, &rc, brush);
    return 1;
}

LRESULT SetDefId(HWND hDlg, WPARAM wParam)
{
    DialogState &state = DialogStates::Ensure(hDlg);
    state.defId = static_cast<UINT>(wParam);
    HWND hFocus = GetFocus();
    if (!(hFocus && IsChild(hDlg, hFocus) && IsPushButton(DlgCode(hFocus))))
        ShowDefault(hDlg, DialogNavigation::FindControl(hDlg, static_cast<int>(wParam)));
    return TRUE;
}

LRESULT NextDlgCtl(HWND hDlg, WPARAM wParam, LPARAM lParam)
{
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hDlg, GetFocus(), wParam != 0);
    PlexoGotoDlgCtrl(hDlg, target);
    return 0;
}

} // namespace

LRESULT DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_INITDIALOG: return TRUE;
    case DM_GETDEFID: {
        DialogState *state = DialogStates::Find(hDlg);
        return state && state->defId ? MAKELONG(state->defId, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: return SetDefId(hDlg, wParam);
    case WM_NEXTDLGCTL: return NextDlgCtl(hDlg, wParam, lParam);
    case WM_SETFOCUS: RestoreFocus(hDlg); return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND hFocus = GetFocus();
            if (hFocus && IsChild(hDlg, hFocus))
                DialogStates::Ensure(hDlg).lastFocus = hFocus;
        } else if (!IsChild(hDlg, GetFocus())) {
            RestoreFocus(hDlg);
        }
        return 0;
    case WM_CLOSE: Cancel(hDlg); return 0;
    case WM_ERASEBKGND: return EraseBackground(hDlg, wParam);
    case WM_NCDESTROY: {
        LRESULT r = DefWindowProc(hDlg, Msg, wParam, lParam);
        DialogStates::Forget(hDlg);
        return r;
    }
    default: return DefWindowProc(hDlg, Msg, wParam, lParam);
    }
}

void PlexoRegisterDialogClass()
{
    static const bool registered = []() {
        WNDCLASS wc{};
        wc.style = CS_DBLCLKS | CS_SAVEBITS;
        wc.lpfnWndProc = &DefDlgProc;
        wc.lpszClassName = PLEXO_DIALOG_CLASS;
        RegisterClass(&wc);
        WNDCLASS empty{};
        empty.lpfnWndProc = &DefWindowProc;
        empty.lpszClassName = PLEXO_EMPTY_CONTROL_CLASS;
        RegisterClass(&empty);
        return true;
    }();
    (void)registered;
}
