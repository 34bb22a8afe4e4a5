// The button control: its window procedure, its states and its painting in
// the classic style.
#include "framework/controls/Button.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlPaint.h"
#include "framework/controls/ControlWindowState.h"
#include "framework/controls/DialogManager.h"
#include "framework/controls/DialogNavigation.h"

#include "framework/base/CRect.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include "framework/window/WindowInternals.h"

#include <QRegion>
#include <QWidget>

#include <map>

namespace {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focus = false;
    bool mouseTracking = false;
    bool keyPressed = false;
};

std::map<HWND, ButtonState> &States()
{
    return ControlStates<ButtonState>();
}

ButtonState &State(HWND h)
{
    return ControlState<ButtonState>(h);
}

UINT Type(HWND h)
{
    return static_cast<UINT>(GetWindowLong(h, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsCheckType(UINT type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

bool IsRadioType(UINT type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

UINT DlgCodeFor(UINT type)
{
    switch (type) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_PUSHBOX:
    case BS_OWNERDRAW:
    case BS_USERBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
    }
}

// ---- Painting

UINT OwnerDrawState(HWND h, const ButtonState &s)
{
    UINT state = 0;
    if (s.pushed)
        state |= ODS_SELECTED;
    if (s.focus)
        state |= ODS_FOCUS;
    if (!IsWindowEnabled(h))
        state |= ODS_DISABLED;
    if (s.check)
        state |= ODS_CHECKED;
    return state;
}

void SendDrawItem(HWND h, HDC hdc, UINT action)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(h));
    dis.itemAction = action;
    dis.itemState = OwnerDrawState(h, State(h));
    dis.hwndItem = h;
    dis.hDC = hdc;
    GetClientRect(h, &dis.rcItem);
    if (HWND hParent = GetParent(h))
        SendMessage(hParent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

CString Text(HWND h)
{
    CString text;
    int n = GetWindowTextLength(h);
    GetWindowText(h, text.GetBuffer(n + 1), n + 1);
    text.ReleaseBuffer();
    return text;
}

void DrawLabel(HWND h, CDC &dc, CRect rc, UINT format, bool focus)
{
    CString text = Text(h);
    bool enabled = IsWindowEnabled(h) != FALSE;
    dc.SetBkMode(TRANSPARENT);
    if (!enabled) {
        dc.SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        CRect shadow = rc;
        shadow.OffsetRect(1, 1);
        dc.DrawText(text, &shadow, format);
        dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    }
    dc.DrawText(text, &rc, format);
    if (focus && !text.IsEmpty()) {
        CRect measured = rc;
        dc.DrawText(text, &measured, format | DT_CALCRECT);
        CRect box(rc.left, rc.top, rc.left + measured.Width(), rc.top + measured.Height());
        if (format & DT_CENTER)
            box.OffsetRect((rc.Width() - measured.Width()) / 2, 0);
        if (format & DT_VCENTER)
            box.OffsetRect(0, (rc.Height() - measured.Height()) / 2);
        box.InflateRect(1, 1);
        box.IntersectRect(&box, &rc);
        dc.DrawFocusRect(&box);
    }
}

void PaintPush(HWND h, CDC &dc, const ButtonState &s, CRect rc)
{
    bool isDefault = Type(h) == BS_DEFPUSHBUTTON;
    if (isDefault) {
        CBrush black(RGB(0, 0, 0));
        dc.FrameRect(&rc, &black);
        rc.DeflateRect(1, 1);
    }
    UINT state = DFCS_BUTTONPUSH;
    if (s.pushed)
        state |= DFCS_PUSHED;
    if (!IsWindowEnabled(h))
        state |= DFCS_INACTIVE;
    dc.DrawFrameControl(&rc, DFC_BUTTON, state);
    CRect text = rc;
    text.DeflateRect(3, 3);
    if (s.pushed)
        text.OffsetRect(1, 1);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    DrawLabel(h, dc, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, false);
    if (s.focus) {
        CRect focus = rc;
        focus.DeflateRect(3, 3);
        dc.DrawFocusRect(&focus);
    }
}

void PaintCheck(HWND h, CDC &dc, const ButtonState &s, CRect rc)
{
    constexpr int kBox = 13;
    UINT type = Type(h);
    DWORD style = static_cast<DWORD>(GetWindowLong(h, GWL_STYLE));
    bool leftText = (style & BS_LEFTTEXT) != 0;
    int top = rc.top + (rc.Height() - kBox) / 2;
    CRect box =
        leftText ? CRect(rc.right - kBox, top, rc.right, top + kBox) : CRect(rc.left, top, rc.left + kBox, top + kBox);
    UINT state =
        IsRadioType(type) ? DFCS_BUTTONRADIO : (s.check == BST_INDETERMINATE ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK);
    if (s.check)
        state |= DFCS_CHECKED;
    if (s.pushed)
        state |= DFCS_PUSHED;
    if (!IsWindowEnabled(h))
        state |= DFCS_INACTIVE;
    dc.DrawFrameControl(&box, DFC_BUTTON, state);
    CRect text = rc;
    if (leftText)
        text.right = box.left - 4;
    else
        text.left = box.right + 4;
    UINT align = (style & BS_CENTER) == BS_CENTER ? DT_CENTER : (style & BS_RIGHT) ? DT_RIGHT : DT_LEFT;
    DrawLabel(h, dc, text, align | DT_VCENTER | DT_SINGLELINE, s.focus);
}

void PaintGroup(HWND h, CDC &dc, CRect rc, HBRUSH background)
{
    CString text = Text(h);
    CSize extent = dc.GetTextExtent(text.IsEmpty() ? CString("X") : text);
    CRect frame = rc;
    frame.top += extent.cy / 2;
    dc.DrawEdge(&frame, EDGE_ETCHED, BF_RECT);
    if (text.IsEmpty())
        return;
    CRect label(rc.left + 8, rc.top, rc.left + 8 + dc.GetTextExtent(text).cx + 4, rc.top + extent.cy);
    FillRect(dc.GetSafeHdc(), &label, background);
    label.left += 2;
    DrawLabel(h, dc, label, DT_LEFT | DT_TOP | DT_SINGLELINE, false);
}

void Paint(HWND h, HDC hdc, UINT action)
{
    ButtonState &s = State(h);
    UINT type = Type(h);
    if (type == BS_OWNERDRAW) {
        SendDrawItem(h, hdc, action);
        return;
    }
    CDC &dc = *CDC::FromHandle(hdc);
    CRect rc;
    GetClientRect(h, &rc);
    bool pushLike = !(IsCheckType(type) || IsRadioType(type) || type == BS_GROUPBOX);
    HBRUSH brush = ControlPaint::ParentColors(h, hdc, pushLike ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
    if (type != BS_GROUPBOX && brush)
        FillRect(hdc, &rc, brush);
    HGDIOBJ oldFont = ControlPaint::SelectFont(h, hdc);
    if (type == BS_GROUPBOX)
        PaintGroup(h, dc, rc, brush);
    else if (pushLike)
        PaintPush(h, dc, s, rc);
    else
        PaintCheck(h, dc, s, rc);
    SelectObject(hdc, oldFont);
}

// A change of state is drawn at once: owner-drawn buttons hear which part
// changed.
void Redraw(HWND h, UINT action)
{
    if (!IsWindowVisible(h))
        return;
    if (Type(h) != BS_OWNERDRAW) {
        InvalidateRect(h, nullptr, TRUE);
        return;
    }
    if (HDC hdc = GetDC(h)) {
        Paint(h, hdc, action);
        ReleaseDC(h, hdc);
    }
}

// ---- Behaviour

void SetPushed(HWND h, bool pushed)
{
    ButtonState &s = State(h);
    if (s.pushed == pushed)
        return;
    s.pushed = pushed;
    Redraw(h, ODA_SELECT);
}

void SetCheck(HWND h, UINT check)
{
    UINT type = Type(h);
    if (!IsCheckType(type) && !IsRadioType(type))
        return;
    if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE)
        check = BST_CHECKED;
    ButtonState &s = State(h);
    if (s.check == check)
        return;
    s.check = check;
    Redraw(h, ODA_SELECT);
}

void UncheckGroupSiblings(HWND h)
{
    HWND hParent = GetParent(h);
    for (HWND other = GetNextDlgGroupItem(hParent, h, FALSE); other && other != h;
         other = GetNextDlgGroupItem(hParent, other, FALSE)) {
        if (IsRadioType(Type(other)) && (SendMessage(other, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
            SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Notify(HWND h, WORD code)
{
    if (HWND hParent = GetParent(h))
        SendMessage(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), reinterpret_cast<LPARAM>(h));
}

void Clicked(HWND h)
{
    ButtonState &s = State(h);
    switch (Type(h)) {
    case BS_AUTOCHECKBOX: SetCheck(h, s.check ? BST_UNCHECKED : BST_CHECKED); break;
    case BS_AUTO3STATE: SetCheck(h, (s.check + 1) % 3); break;
    case BS_AUTORADIOBUTTON:
        SetCheck(h, BST_CHECKED);
        UncheckGroupSiblings(h);
        break;
    default: break;
    }
    Notify(h, BN_CLICKED);
}

LRESULT SetStyle(HWND h, WPARAM wParam, LPARAM lParam)
{
    DWORD style = static_cast<DWORD>(GetWindowLong(h, GWL_STYLE));
    // An owner-drawn button stays owner-drawn when the default moves.
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW && (wParam & ~BS_TYPEMASK & 0xFFFF) == 0)
        return 0;
    DWORD mask = (wParam & ~BS_TYPEMASK & 0xFFFF) ? 0xFFFF : BS_TYPEMASK;
    SetWindowLong(h, GWL_STYLE, static_cast<LONG>((style & ~mask) | (static_cast<DWORD>(wParam) & mask)));
    if (lParam)
        InvalidateRect(h, nullptr, TRUE);
    return 0;
}

void MouseDown(HWND h)
{
    if (Type(h) == BS_GROUPBOX)
        return;
    if (GetFocus() != h)
        SetFocus(h);
    if (!IsWindow(h))
        return;
    SetCapture(h);
    State(h).mouseTracking = true;
    SetPushed(h, true);
}

void MouseMove(HWND h, LPARAM lParam)
{
    if (!State(h).mouseTracking)
        return;
    RECT rc;
    GetClientRect(h, &rc);
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    SetPushed(h, pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom);
}

void MouseUp(HWND h)
{
    ButtonState &s = State(h);
    if (!s.mouseTracking)
        return;
    s.mouseTracking = false;
    bool inside = s.pushed;
    SetPushed(h, false);
    if (GetCapture() == h)
        ReleaseCapture();
    if (inside && IsWindow(h))
        Clicked(h);
}

void FocusChange(HWND h, bool gained, HWND hOther)
{
    ButtonState &s = State(h);
    s.focus = gained;
    if (!gained && s.keyPressed) {
        s.keyPressed = false;
        SetPushed(h, false);
    }
    Redraw(h, ODA_FOCUS);
    DialogNavigation::FocusChanged(h, gained ? h : hOther);
    if (GetWindowLong(h, GWL_STYLE) & BS_NOTIFY)
        Notify(h, gained ? BN_SETFOCUS : BN_KILLFOCUS);
}

LRESULT KeyDown(HWND h, WPARAM vk)
{
    if (vk == VK_SPACE && Type(h) != BS_GROUPBOX && !State(h).pushed) {
        State(h).keyPressed = true;
        SetPushed(h, true);
    }
    return 0;
}

LRESULT KeyUp(HWND h, WPARAM vk)
{
    ButtonState &s = State(h);
    if (vk == VK_SPACE && s.keyPressed) {
        s.keyPressed = false;
        SetPushed(h, false);
        Clicked(h);
    }
    return 0;
}

// A group box shows only its frame and caption: the controls inside it,
// below it in the z-order, stay visible through it.
void MaskGroupBox(HWND h)
{
    QWidget *widget = WindowCore::Widget(h);
    if (!widget || Type(h) != BS_GROUPBOX)
        return;
    RECT rc;
    GetClientRect(h, &rc);
    int captionHeight = 8;
    if (HDC hdc = GetDC(h)) {
        HGDIOBJ old = ControlPaint::SelectFont(h, hdc);
        SIZE size{0, 0};
        GetTextExtentPoint32(hdc, "X", 1, &size);
        captionHeight = size.cy;
        SelectObject(hdc, old);
        ReleaseDC(h, hdc);
    }
    QRegion whole(0, 0, rc.right, rc.bottom);
    QRegion inside(2, captionHeight, plexoMax<int>(0, rc.right - 4), plexoMax<int>(0, rc.bottom - captionHeight - 2));
    widget->setMask(whole.subtracted(inside));
}

} // namespace

LRESULT PlexoButtonProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_GETDLGCODE: return DlgCodeFor(Type(h));
    case BM_GETCHECK: return State(h).check;
    case BM_SETCHECK: SetCheck(h, static_cast<UINT>(wParam)); return 0;
    case BM_GETSTATE: {
        const ButtonState &s = State(h);
        return s.check | (s.pushed ? BST_PUSHED : 0) | (s.focus ? BST_FOCUS : 0);
    }
    case BM_SETSTATE: SetPushed(h, wParam != 0); return 0;
    case BM_SETSTYLE: return SetStyle(h, wParam, lParam);
    case BM_CLICK:
        if (IsWindowEnabled(h) && Type(h) != BS_GROUPBOX)
            Clicked(h);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MouseDown(h); return 0;
    case WM_MOUSEMOVE: MouseMove(h, lParam); return 0;
    case WM_LBUTTONUP: MouseUp(h); return 0;
    case WM_CAPTURECHANGED:
        if (State(h).mouseTracking && GetCapture() != h) {
            State(h).mouseTracking = false;
            SetPushed(h, false);
        }
        return 0;
    case WM_KEYDOWN: return KeyDown(h, wParam);
    case WM_KEYUP: return KeyUp(h, wParam);
    case WM_CHAR: return 0;
    case WM_SETFOCUS: FocusChange(h, true, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_KILLFOCUS: FocusChange(h, false, reinterpret_cast<HWND>(wParam)); return 0;
    case WM_ENABLE: InvalidateRect(h, nullptr, TRUE); return 0;
    case WM_SETTEXT: {
        LRESULT r = DefWindowProc(h, Msg, wParam, lParam);
        InvalidateRect(h, nullptr, TRUE);
        return r;
    }
    case WM_SIZE:
    case WM_SETFONT: {
        LRESULT r = DefWindowProc(h, Msg, wParam, lParam);
        MaskGroupBox(h);
        return r;
    }
    case WM_NCHITTEST:
        if (Type(h) == BS_GROUPBOX)
            return HTTRANSPARENT;
        return DefWindowProc(h, Msg, wParam, lParam);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc, ODA_DRAWENTIRE); }); return 0;
    case WM_NCDESTROY: States().erase(h); return DefWindowProc(h, Msg, wParam, lParam);
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterButtonClass()
{
    static const bool registered = RegisterControlClass("BUTTON", &PlexoButtonProc, CS_DBLCLKS | CS_PARENTDC);
    (void)registered;
}

// ---- CButton

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (message == WM_DRAWITEM && (GetStyle() & BS_TYPEMASK) == BS_OWNERDRAW) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (pResult)
            *pResult = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
