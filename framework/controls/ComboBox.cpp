// The combo box control: its field (an edit or the selected item), its
// drop-down list, and the translation of CB_ messages to the list's.
#include "framework/controls/ComboBox.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlPaint.h"
#include "framework/controls/ControlWindowState.h"
#include "framework/controls/ListBox.h"

#include "framework/base/CRect.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <map>
#include <string>

namespace {

constexpr int kListId = 1000;
constexpr int kButtonWidth = 16;

struct ComboState {
    HWND list = nullptr;
    HWND edit = nullptr;
    bool dropped = false;
    bool focus = false;
    int selectionWhenDropped = CB_ERR;
    int dropHeight = 100; // the list's height below the field
};

std::map<HWND, ComboState> &States()
{
    return ControlStates<ComboState>();
}

ComboState &State(HWND h)
{
    return ControlState<ComboState>(h);
}

DWORD Kind(HWND h)
{
    return static_cast<DWORD>(GetWindowLong(h, GWL_STYLE)) & 3;
}

void Notify(HWND h, WORD code)
{
    if (HWND hParent = GetParent(h))
        SendMessage(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), reinterpret_cast<LPARAM>(h));
}

int FieldHeight(HWND h)
{
    int height = 13;
    if (HDC hdc = GetDC(h)) {
        HGDIOBJ old = ControlPaint::SelectFont(h, hdc);
        TEXTMETRIC tm{};
        GetTextMetrics(hdc, &tm);
        if (tm.tmHeight > 0)
            height = tm.tmHeight;
        SelectObject(hdc, old);
        ReleaseDC(h, hdc);
    }
    return height + 8;
}

CRect ButtonRect(HWND h)
{
    CRect rc;
    GetClientRect(h, &rc);
    return CRect(rc.right - kButtonWidth - 2, 2, rc.right - 2, rc.bottom - 2);
}

std::string ItemText(HWND h, int index)
{
    HWND list = State(h).list;
    auto n = SendMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n < 0)
        return std::string();
    std::string text(static_cast<size_t>(n) + 1, '\0');
    SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(n));
    return text;
}

// The field shows the selected item.
void ShowSelection(HWND h)
{
    ComboState &s = State(h);
    auto sel = static_cast<int>(SendMessage(s.list, LB_GETCURSEL, 0, 0));
    std::string text = sel >= 0 ? ItemText(h, sel) : std::string();
    if (s.edit) {
        SetWindowText(s.edit, text.c_str());
        SendMessage(s.edit, EM_SETSEL, 0, -1);
    }
    DefWindowProc(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    InvalidateRect(h, nullptr, TRUE);
}

// ---- Layout

void Layout(HWND h)
{
    ComboState &s = State(h);
    CRect rc;
    GetClientRect(h, &rc);
    int field = FieldHeight(h);
    if (s.edit) {
        int right = Kind(h) == CBS_SIMPLE ? rc.right : rc.right - kButtonWidth - 2;
        MoveWindow(s.edit, 0, 0, right, field, TRUE);
    }
    if (Kind(h) == CBS_SIMPLE && s.list)
        MoveWindow(s.list, 0, field, rc.right, plexoMax(0, static_cast<int>(rc.bottom) - field), TRUE);
}

// A drop-down combo keeps the field's height; the rest of its template
// height is the list's.
void FitField(HWND h)
{
    if (Kind(h) == CBS_SIMPLE)
        return;
    RECT rc;
    GetWindowRect(h, &rc);
    int field = FieldHeight(h);
    int total = rc.bottom - rc.top;
    if (total > field)
        State(h).dropHeight = total - field;
    SetWindowPos(h, nullptr, 0, 0, rc.right - rc.left, field, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout(h);
}

// ---- Dropping down

void CloseUp(HWND h, bool chosen)
{
    ComboState &s = State(h);
    if (!s.dropped)
        return;
    s.dropped = false;
    ShowWindow(s.list, SW_HIDE);
    if (GetCapture() == h)
        ReleaseCapture();
    auto sel = static_cast<int>(SendMessage(s.list, LB_GETCURSEL, 0, 0));
    if (!chosen && sel != s.selectionWhenDropped) {
        SendMessage(s.list, LB_SETCURSEL, static_cast<WPARAM>(s.selectionWhenDropped), 0);
        ShowSelection(h);
    }
    if (chosen) {
        ShowSelection(h);
        if (sel != s.selectionWhenDropped)
            Notify(h, CBN_SELCHANGE);
    }
    if (!IsWindow(h))
        return;
    Notify(h, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (IsWindow(h))
        Notify(h, CBN_CLOSEUP);
}

void DropDown(HWND h)
{
    ComboState &s = State(h);
    if (s.dropped || Kind(h) == CBS_SIMPLE)
        return;
    Notify(h, CBN_DROPDOWN);
    if (!IsWindow(h))
        return;
    RECT rc;
    GetWindowRect(h, &rc);
    SetWindowPos(s.list, HWND_TOP, rc.left, rc.bottom, rc.right - rc.left, s.dropHeight,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    s.dropped = true;
    s.selectionWhenDropped = static_cast<int>(SendMessage(s.list, LB_GETCURSEL, 0, 0));
    SetCapture(h);
}

// While the list is down the combo has the mouse: a press in the list picks
// the item under it, a press anywhere else closes the list.
void DroppedMouse(HWND h, UINT Msg, LPARAM lParam)
{
    ComboState &s = State(h);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(h, &pt);
    RECT listRect;
    GetWindowRect(s.list, &listRect);
    bool inList = pt.x >= listRect.left && pt.x < listRect.right && pt.y >= listRect.top && pt.y < listRect.bottom;
    if (inList) {
        ScreenToClient(s.list, &pt);
        auto hit = static_cast<DWORD>(SendMessage(s.list, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
        if (HIWORD(hit) == 0)
            SendMessage(s.list, LB_SETCURSEL, LOWORD(hit), 0);
        if (Msg == WM_LBUTTONUP)
            CloseUp(h, true);
        return;
    }
    // A press on the field itself or anywhere else closes the list.
    if (Msg == WM_LBUTTONDOWN)
        CloseUp(h, false);
}

// ---- Keys

void StepSelection(HWND h, int delta)
{
    ComboState &s = State(h);
    auto count = static_cast<int>(SendMessage(s.list, LB_GETCOUNT, 0, 0));
    if (count == 0)
        return;
    auto sel = static_cast<int>(SendMessage(s.list, LB_GETCURSEL, 0, 0));
    int next = sel < 0 ? 0 : plexoMax(0, plexoMin(count - 1, sel + delta));
    if (next == sel)
        return;
    SendMessage(s.list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    if (s.dropped)
        return;
    ShowSelection(h);
    Notify(h, CBN_SELCHANGE);
}

LRESULT KeyDown(HWND h, WPARAM vk)
{
    ComboState &s = State(h);
    bool alt = GetKeyState(VK_MENU) < 0;
    switch (vk) {
    case VK_F4: s.dropped ? CloseUp(h, true) : DropDown(h); return 0;
    case VK_UP:
    case VK_DOWN:
        if (alt) {
            s.dropped ? CloseUp(h, true) : DropDown(h);
            return 0;
        }
        StepSelection(h, vk == VK_UP ? -1 : 1);
        return 0;
    case VK_RETURN: CloseUp(h, true); return 0;
    case VK_ESCAPE: CloseUp(h, false); return 0;
    default: return 0;
    }
}

void Char(HWND h, WPARAM ch)
{
    if (ch < 0x20 || State(h).edit)
        return;
    char prefix[2] = {static_cast<char>(ch), 0};
    ComboState &s = State(h);
    auto sel = SendMessage(s.list, LB_GETCURSEL, 0, 0);
    auto found = SendMessage(s.list, LB_FINDSTRING, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(prefix));
    if (found >= 0 && found != sel) {
        SendMessage(s.list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
        ShowSelection(h);
        Notify(h, CBN_SELCHANGE);
    }
}

// ---- Painting

void Paint(HWND h, HDC hdc)
{
    ComboState &s = State(h);
    CDC &dc = *CDC::FromHandle(hdc);
    CRect rc;
    GetClientRect(h, &rc);
    bool list = Kind(h) == CBS_DROPDOWNLIST;
    HBRUSH brush = ControlPaint::ParentColors(h, hdc, list ? WM_CTLCOLORLISTBOX : WM_CTLCOLOREDIT);
    if (brush)
        FillRect(hdc, &rc, brush);
    if (Kind(h) == CBS_SIMPLE)
        return;
    dc.DrawEdge(&rc, EDGE_SUNKEN, BF_RECT);
    CRect button = ButtonRect(h);
    dc.DrawFrameControl(&button, DFC_SCROLL,
                        DFCS_SCROLLCOMBOBOX | (s.dropped ? DFCS_PUSHED : 0) | (IsWindowEnabled(h) ? 0 : DFCS_INACTIVE));
    if (!list)
        return;
    CRect field(rc.left + 3, rc.top + 3, button.left - 1, rc.bottom - 3);
    HGDIOBJ oldFont = ControlPaint::SelectFont(h, hdc);
    dc.SetBkMode(TRANSPARENT);
    if (s.focus && !s.dropped) {
        dc.FillSolidRect(&field, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        dc.SetTextColor(GetSysColor(IsWindowEnabled(h) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    }
    auto sel = static_cast<int>(SendMessage(s.list, LB_GETCURSEL, 0, 0));
    std::string text = sel >= 0 ? ItemText(h, sel) : std::string();
    CRect textRect = field;
    textRect.left += 1;
    dc.DrawText(CString(text.c_str(), static_cast<int>(text.size())), &textRect,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (s.focus && !s.dropped)
        dc.DrawFocusRect(&field);
    SelectObject(hdc, oldFont);
}

// ---- Creation

LRESULT Create(HWND h, LPARAM lParam)
{
    auto *cs = reinterpret_cast<CREATESTRUCT *>(lParam);
    DWORD style = cs ? static_cast<DWORD>(cs->style) : 0;
    ComboState &s = State(h);
    DWORD listStyle = LBS_NOTIFY | WS_VSCROLL | WS_BORDER | LBS_HASSTRINGS;
    if (style & CBS_SORT)
        listStyle |= LBS_SORT;
    if (Kind(h) == CBS_SIMPLE)
        listStyle |= WS_CHILD | WS_VISIBLE;
    else
        listStyle |= WS_POPUP;
    s.list = CreateWindowEx(Kind(h) == CBS_SIMPLE ? 0 : WS_EX_TOOLWINDOW, "LISTBOX", "", listStyle, 0, 0, 10, 10, h,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)), nullptr, nullptr);
    if (!s.list)
        return -1;
    if (Kind(h) != CBS_DROPDOWNLIST) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE | ((style & CBS_AUTOHSCROLL) ? ES_AUTOHSCROLL : 0);
        s.edit = CreateWindowEx(0, "EDIT", cs && cs->lpszName ? cs->lpszName : "", editStyle, 0, 0, 10, 10, h,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(PLEXO_COMBO_EDIT_ID)), nullptr, nullptr);
        if (!s.edit)
            return -1;
    }
    return 0;
}

LRESULT ChildCommand(HWND h, WPARAM wParam)
{
    ComboState &s = State(h);
    WORD code = HIWORD(wParam);
    if (LOWORD(wParam) == PLEXO_COMBO_EDIT_ID) {
        switch (code) {
        case EN_CHANGE: {
            // The combo's own text follows its edit's.
            CString text;
            int n = GetWindowTextLength(s.edit);
            GetWindowText(s.edit, text.GetBuffer(n + 1), n + 1);
            text.ReleaseBuffer();
            DefWindowProc(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
            Notify(h, CBN_EDITCHANGE);
            break;
        }
        case EN_UPDATE: Notify(h, CBN_EDITUPDATE); break;
        case EN_SETFOCUS: Notify(h, CBN_SETFOCUS); break;
        case EN_KILLFOCUS:
            CloseUp(h, false);
            Notify(h, CBN_KILLFOCUS);
            break;
        default: break;
        }
        return 0;
    }
    if (LOWORD(wParam) == kListId && Kind(h) == CBS_SIMPLE && code == LBN_SELCHANGE) {
        ShowSelection(h);
        Notify(h, CBN_SELCHANGE);
    } else if (LOWORD(wParam) == kListId && code == LBN_DBLCLK) {
        Notify(h, CBN_DBLCLK);
    }
    return 0;
}

LRESULT ListMessage(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    ComboState &s = State(h);
    switch (Msg) {
    case CB_ADDSTRING: return SendMessage(s.list, LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING: return SendMessage(s.list, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: {
        LRESULT r = SendMessage(s.list, LB_DELETESTRING, wParam, lParam);
        InvalidateRect(h, nullptr, TRUE);
        return r;
    }
    case CB_RESETCONTENT:
        SendMessage(s.list, LB_RESETCONTENT, 0, 0);
        if (Kind(h) == CBS_DROPDOWNLIST)
            ShowSelection(h);
        return CB_OKAY;
    case CB_GETCOUNT: return SendMessage(s.list, LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL: return SendMessage(s.list, LB_GETCURSEL, 0, 0);
    case CB_SETCURSEL: {
        LRESULT r = SendMessage(s.list, LB_SETCURSEL, wParam, 0);
        ShowSelection(h);
        return r;
    }
    case CB_GETLBTEXT: return SendMessage(s.list, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return SendMessage(s.list, LB_GETTEXTLEN, wParam, lParam);
    case CB_GETITEMDATA: return SendMessage(s.list, LB_GETITEMDATA, wParam, lParam);
    case CB_SETITEMDATA: return SendMessage(s.list, LB_SETITEMDATA, wParam, lParam);
    case CB_FINDSTRING: return SendMessage(s.list, LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return SendMessage(s.list, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
        LRESULT r = SendMessage(s.list, LB_SELECTSTRING, wParam, lParam);
        if (r != LB_ERR)
            ShowSelection(h);
        return r;
    }
    case CB_GETITEMHEIGHT: return SendMessage(s.list, LB_GETITEMHEIGHT, 0, 0);
    case CB_SETITEMHEIGHT: return SendMessage(s.list, LB_SETITEMHEIGHT, 0, lParam);
    case CB_LIMITTEXT: return s.edit ? (SendMessage(s.edit, EM_LIMITTEXT, wParam, 0), TRUE) : CB_ERR;
    case CB_GETEDITSEL: {
        if (!s.edit)
            return CB_ERR;
        return SendMessage(s.edit, EM_GETSEL, wParam, lParam);
    }
    case CB_SETEDITSEL:
        if (!s.edit)
            return CB_ERR;
        SendMessage(s.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<short>(LOWORD(lParam))),
                    static_cast<short>(HIWORD(lParam)));
        return TRUE;
    case CB_SHOWDROPDOWN: wParam ? DropDown(h) : CloseUp(h, true); return TRUE;
    case CB_GETDROPPEDSTATE: return s.dropped;
    case CB_GETDROPPEDCONTROLRECT:
        if (lParam) {
            RECT rc;
            GetWindowRect(h, &rc);
            rc.bottom += s.dropHeight;
            *reinterpret_cast<RECT *>(lParam) = rc;
        }
        return TRUE;
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

} // namespace

LRESULT PlexoComboBoxProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    ComboState &s = State(h);
    switch (Msg) {
    case WM_NCCREATE:
        // The scroll bar a template gives the combo belongs to its list.
        SetWindowLong(h, GWL_STYLE, GetWindowLong(h, GWL_STYLE) & ~static_cast<LONG>(WS_VSCROLL | WS_HSCROLL));
        return DefWindowProc(h, Msg, wParam, lParam);
    case WM_CREATE: return Create(h, lParam);
    case WM_SETFONT:
        if (s.edit)
            SendMessage(s.edit, WM_SETFONT, wParam, lParam);
        SendMessage(s.list, WM_SETFONT, wParam, lParam);
        DefWindowProc(h, Msg, wParam, lParam);
        FitField(h);
        return 0;
    case WM_SIZE: Layout(h); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (s.dropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETTEXT:
        if (s.edit)
            return SendMessage(s.edit, WM_SETTEXT, wParam, lParam);
        return DefWindowProc(h, Msg, wParam, lParam);
    case WM_COMMAND: return ChildCommand(h, wParam);
    case WM_SETFOCUS:
        if (s.edit) {
            SetFocus(s.edit);
            return 0;
        }
        s.focus = true;
        InvalidateRect(h, nullptr, TRUE);
        Notify(h, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (s.edit)
            return 0;
        s.focus = false;
        CloseUp(h, false);
        InvalidateRect(h, nullptr, TRUE);
        Notify(h, CBN_KILLFOCUS);
        return 0;
    case WM_KEYDOWN: return KeyDown(h, wParam);
    case WM_CHAR: Char(h, wParam); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (s.dropped) {
            DroppedMouse(h, WM_LBUTTONDOWN, lParam);
            return 0;
        }
        if (Kind(h) == CBS_SIMPLE)
            return 0;
        if (GetFocus() != h && !(s.edit && GetFocus() == s.edit))
            SetFocus(h);
        if (Kind(h) == CBS_DROPDOWNLIST || ButtonRect(h).PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
            DropDown(h);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        if (s.dropped)
            DroppedMouse(h, Msg, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (s.dropped && GetCapture() != h)
            CloseUp(h, false);
        return 0;
    case WM_ENABLE: InvalidateRect(h, nullptr, TRUE); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_DESTROY:
        if (s.list && !(GetWindowLong(s.list, GWL_STYLE) & WS_CHILD))
            DestroyWindow(s.list);
        return 0;
    case WM_NCDESTROY: States().erase(h); return DefWindowProc(h, Msg, wParam, lParam);
    default: return ListMessage(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterComboBoxClass()
{
    static const bool registered = RegisterControlClass("COMBOBOX", &PlexoComboBoxProc, CS_DBLCLKS | CS_PARENTDC);
    (void)registered;
}

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString &rString) const
{
    int n = GetLBTextLen(nIndex);
    if (n < 0) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBuffer(n + 1));
    rString.ReleaseBuffer(n);
}
