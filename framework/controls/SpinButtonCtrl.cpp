// The up-down control: range, position, the buddy window and its keys.
#include "framework/controls/SpinButtonCtrl.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlPaint.h"
#include "framework/controls/ControlWindowState.h"
#include "framework/controls/DialogState.h"

#include "framework/base/CRect.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// Holding an arrow: the first repeat after kRepeatDelay, then one every
// kRepeatInterval milliseconds.
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kRepeatDelay = 500;
constexpr UINT kRepeatInterval = 100;

struct SpinState {
    int lower = 100;
    int upper = 0;
    int pos = 0;
    int base = 10;
    HWND buddy = nullptr;
    int pressed = 0; // +1 the up arrow, -1 the down arrow
    std::vector<UDACCEL> accel{{0, 1}, {2, 5}, {5, 20}};
    int repeats = 0; // steps repeated since the arrow went down
};

std::map<HWND, SpinState> &States()
{
    return ControlStates<SpinState>();
}

SpinState &State(HWND h)
{
    return ControlState<SpinState>(h);
}

// Buddies whose keys a spin takes: buddy -> (spin, the buddy's previous procedure).
struct BuddyHook {
    HWND spin;
    WNDPROC previous;
};

std::map<HWND, BuddyHook> &Hooks()
{
    static std::map<HWND, BuddyHook> hooks;
    return hooks;
}

int Clamp(const SpinState &s, int pos)
{
    int lo = s.lower < s.upper ? s.lower : s.upper;
    int hi = s.lower < s.upper ? s.upper : s.lower;
    return pos < lo ? lo : pos > hi ? hi : pos;
}

std::string Format(HWND h, int value)
{
    const SpinState &s = State(h);
    char digits[32];
    if (s.base == 16) {
        std::snprintf(digits, sizeof(digits), "0x%04X", static_cast<unsigned>(value));
        return digits;
    }
    std::snprintf(digits, sizeof(digits), "%d", value);
    std::string text = digits;
    if (!(ControlStyle(h) & UDS_NOTHOUSANDS)) {
        int firstDigit = value < 0 ? 1 : 0;
        for (int i = static_cast<int>(text.size()) - 3; i > firstDigit; i -= 3)
            text.insert(static_cast<size_t>(i), 1, ',');
    }
    return text;
}

void ShowInBuddy(HWND h)
{
    SpinState &s = State(h);
    if (s.buddy && (ControlStyle(h) & UDS_SETBUDDYINT) && IsWindow(s.buddy))
        SetWindowText(s.buddy, Format(h, s.pos).c_str());
}

// Reads the buddy's number; FALSE when it is none.
bool ReadBuddy(HWND h, int &value)
{
    SpinState &s = State(h);
    if (!s.buddy || !(ControlStyle(h) & UDS_SETBUDDYINT) || !IsWindow(s.buddy))
        return true;
    char text[64] = {};
    GetWindowText(s.buddy, text, sizeof(text));
    std::string digits;
    for (const char *p = text; *p; ++p)
        if (*p != ',' && *p != ' ')
            digits += *p;
    if (digits.empty())
        return false;
    errno = 0;
    char *end = nullptr;
    long parsed = std::strtol(digits.c_str(), &end, s.base == 16 ? 16 : 10);
    if (errno || *end)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// A step asked for by the user: the parent may refuse it.
void Step(HWND h, int direction, int increment = 1)
{
    SpinState &s = State(h);
    int current = s.pos;
    ReadBuddy(h, current);
    int delta = (s.upper >= s.lower ? 1 : -1) * direction * increment;
    NMUPDOWN nm{};
    nm.hdr.hwndFrom = h;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(h));
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = current;
    nm.iDelta = delta;
    HWND hParent = GetParent(h);
    if (hParent && SendMessage(hParent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm)))
        return;
    if (!IsWindow(h))
        return;
    int next = current + nm.iDelta;
    int lo = s.lower < s.upper ? s.lower : s.upper;
    int hi = s.lower < s.upper ? s.upper : s.lower;
    if (next < lo || next > hi)
        next = (ControlStyle(h) & UDS_WRAP) ? (next < lo ? hi : lo) : Clamp(s, next);
    s.pos = next;
    ShowInBuddy(h);
    if (hParent)
        SendMessage(hParent, (ControlStyle(h) & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, next),
                    reinterpret_cast<LPARAM>(h));
}

LRESULT BuddyProc(HWND hBuddy, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    auto it = Hooks().find(hBuddy);
    if (it == Hooks().end())
        return DefWindowProc(hBuddy, Msg, wParam, lParam);
    BuddyHook hook = it->second;
    if (Msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN) && IsWindow(hook.spin)) {
        Step(hook.spin, wParam == VK_UP ? 1 : -1);
        return 0;
    }
    if (Msg == WM_NCDESTROY)
        Hooks().erase(hBuddy);
    return CallWindowProc(hook.previous, hBuddy, Msg, wParam, lParam);
}

void Unhook(HWND hBuddy)
{
    auto it = Hooks().find(hBuddy);
    if (it == Hooks().end())
        return;
    if (IsWindow(hBuddy) && reinterpret_cast<WNDPROC>(GetWindowLongPtr(hBuddy, GWLP_WNDPROC)) == &BuddyProc)
        SetWindowLongPtr(hBuddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
    Hooks().erase(it);
}

// Places the spin at the buddy's side, narrowing the buddy.
void Align(HWND h)
{
    SpinState &s = State(h);
    DWORD style = ControlStyle(h);
    if (!s.buddy || !(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)))
        return;
    RECT buddy, spin;
    GetWindowRect(s.buddy, &buddy);
    GetWindowRect(h, &spin);
    HWND hParent = GetParent(h);
    POINT tl{buddy.left, buddy.top};
    ScreenToClient(hParent, &tl);
    int width = spin.right - spin.left;
    int buddyWidth = (buddy.right - buddy.left) - width;
    int height = buddy.bottom - buddy.top;
    if (buddyWidth <= 0)
        return;
    if (style & UDS_ALIGNRIGHT) {
        MoveWindow(s.buddy, tl.x, tl.y, buddyWidth, height, TRUE);
        MoveWindow(h, tl.x + buddyWidth, tl.y, width, height, TRUE);
    } else {
        MoveWindow(h, tl.x, tl.y, width, height, TRUE);
        MoveWindow(s.buddy, tl.x + width, tl.y, buddyWidth, height, TRUE);
    }
}

LRESULT SetBuddy(HWND h, HWND hBuddy)
{
    SpinState &s = State(h);
    HWND old = s.buddy;
    if (old)
        Unhook(old);
    s.buddy = hBuddy && IsWindow(hBuddy) ? hBuddy : nullptr;
    if (s.buddy && (ControlStyle(h) & UDS_ARROWKEYS)) {
        auto previous =
            reinterpret_cast<WNDPROC>(SetWindowLongPtr(s.buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BuddyProc)));
        Hooks()[s.buddy] = BuddyHook{h, previous};
    }
    Align(h);
    return reinterpret_cast<LRESULT>(old);
}

void Paint(HWND h, HDC hdc)
{
    CDC &dc = *CDC::FromHandle(hdc);
    CRect rc;
    GetClientRect(h, &rc);
    bool horizontal = (ControlStyle(h) & UDS_HORZ) != 0;
    CRect first = rc, second = rc;
    if (horizontal) {
        first.right = second.left = rc.left + rc.Width() / 2;
    } else {
        first.bottom = second.top = rc.top + rc.Height() / 2;
    }
    const SpinState &s = State(h);
    UINT inactive = IsWindowEnabled(h) ? 0 : DFCS_INACTIVE;
    dc.DrawFrameControl(&first, DFC_SCROLL,
                        (horizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLUP) | inactive |
                            (s.pressed == (horizontal ? -1 : 1) ? DFCS_PUSHED : 0));
    dc.DrawFrameControl(&second, DFC_SCROLL,
                        (horizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN) | inactive |
                            (s.pressed == (horizontal ? 1 : -1) ? DFCS_PUSHED : 0));
}

// The arrow under a point of the client area: +1 up (or right), -1 down
// (or left).
int ArrowAt(HWND h, int x, int y)
{
    RECT rc;
    GetClientRect(h, &rc);
    return (ControlStyle(h) & UDS_HORZ) ? (x < rc.right / 2 ? -1 : 1) : (y < rc.bottom / 2 ? 1 : -1);
}

void MouseDown(HWND h, LPARAM lParam)
{
    int direction = ArrowAt(h, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    SpinState &s = State(h);
    s.pressed = direction;
    s.repeats = 0;
    InvalidateRect(h, nullptr, TRUE);
    SetCapture(h);
    if (s.buddy && IsWindow(s.buddy))
        SetFocus(s.buddy);
    SetTimer(h, kRepeatTimer, kRepeatDelay, nullptr);
    Step(h, direction);
}

void StopRepeating(HWND h)
{
    if (!IsWindow(h))
        return;
    KillTimer(h, kRepeatTimer);
    if (State(h).pressed != 0) {
        State(h).pressed = 0;
        InvalidateRect(h, nullptr, TRUE);
    }
}

void MouseUp(HWND h)
{
    StopRepeating(h);
    if (IsWindow(h) && GetCapture() == h)
        ReleaseCapture();
}

// The step of the acceleration entry the holding time has reached.
int Increment(const SpinState &s, UINT elapsedMs)
{
    int increment = 1;
    for (const UDACCEL &entry : s.accel) {
        if (static_cast<unsigned long long>(entry.nSec) * 1000 <= elapsedMs)
            increment = static_cast<int>(entry.nInc);
    }
    return increment;
}

// A tick of the held arrow: a step while the mouse is over the arrow that
// went down (the repeat pauses while it is elsewhere).
void Repeat(HWND h)
{
    SpinState &s = State(h);
    if (s.pressed == 0 || GetCapture() != h) {
        StopRepeating(h);
        return;
    }
    if (s.repeats == 0)
        SetTimer(h, kRepeatTimer, kRepeatInterval, nullptr);
    ++s.repeats;
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(h, &pt);
    RECT rc;
    GetClientRect(h, &rc);
    bool inside = pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
    if (!inside || ArrowAt(h, pt.x, pt.y) != s.pressed)
        return;
    UINT elapsed = kRepeatDelay + static_cast<UINT>(s.repeats - 1) * kRepeatInterval;
    Step(h, s.pressed, Increment(s, elapsed));
}

LRESULT SetAccel(SpinState &s, WPARAM count, const UDACCEL *entries)
{
    if (count == 0 || count > 64 || entries == nullptr)
        return FALSE;
    std::vector<UDACCEL> table(entries, entries + count);
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].nInc == 0 || table[i].nInc > 0x7FFF || (i > 0 && table[i].nSec < table[i - 1].nSec))
            return FALSE;
    }
    s.accel = std::move(table);
    return TRUE;
}

} // namespace

LRESULT PlexoSpinProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    SpinState &s = State(h);
    switch (Msg) {
    case WM_CREATE:
        // New windows go on top of their siblings, so the one made just
        // before is next. A dialog's builder restacks its controls into
        // template order and names the buddy itself.
        if ((ControlStyle(h) & UDS_AUTOBUDDY) && !DialogStates::Find(GetParent(h)))
            SetBuddy(h, GetWindow(h, GW_HWNDNEXT));
        return 0;
    case UDM_SETRANGE:
        s.lower = static_cast<short>(HIWORD(lParam));
        s.upper = static_cast<short>(LOWORD(lParam));
        s.pos = Clamp(s, s.pos);
        return 0;
    case UDM_SETRANGE32:
        s.lower = static_cast<int>(wParam);
        s.upper = static_cast<int>(lParam);
        s.pos = Clamp(s, s.pos);
        return 0;
    case UDM_GETRANGE: return MAKELONG(s.upper, s.lower);
    case UDM_GETRANGE32:
        if (wParam)
            *reinterpret_cast<int *>(wParam) = s.lower;
        if (lParam)
            *reinterpret_cast<int *>(lParam) = s.upper;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        int old = s.pos;
        s.pos = Clamp(s, Msg == UDM_SETPOS ? static_cast<short>(LOWORD(lParam)) : static_cast<int>(lParam));
        ShowInBuddy(h);
        return Msg == UDM_SETPOS ? MAKELONG(static_cast<WORD>(old), 0) : old;
    }
    case UDM_GETPOS:
    case UDM_GETPOS32: {
        int value = s.pos;
        bool ok = ReadBuddy(h, value) && value == Clamp(s, value);
        if (ok)
            s.pos = value;
        if (Msg == UDM_GETPOS32) {
            if (lParam)
                *reinterpret_cast<BOOL *>(lParam) = ok ? FALSE : TRUE;
            return s.pos;
        }
        return MAKELONG(static_cast<WORD>(s.pos), ok ? 0 : 1);
    }
    case UDM_SETBUDDY: return SetBuddy(h, reinterpret_cast<HWND>(wParam));
    case UDM_GETBUDDY: return reinterpret_cast<LRESULT>(s.buddy);
    case UDM_SETBASE: {
        int old = s.base;
        if (wParam != 10 && wParam != 16)
            return 0;
        s.base = static_cast<int>(wParam);
        ShowInBuddy(h);
        return old;
    }
    case UDM_GETBASE: return s.base;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MouseDown(h, lParam); return 0;
    case WM_LBUTTONUP: MouseUp(h); return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer)
            Repeat(h);
        return 0;
    case WM_CAPTURECHANGED: StopRepeating(h); return 0;
    case WM_CANCELMODE: MouseUp(h); return 0;
    case UDM_SETACCEL: return SetAccel(s, wParam, reinterpret_cast<const UDACCEL *>(lParam));
    case UDM_GETACCEL: {
        auto *out = reinterpret_cast<UDACCEL *>(lParam);
        for (size_t i = 0; out && i < s.accel.size() && i < static_cast<size_t>(wParam); ++i)
            out[i] = s.accel[i];
        return static_cast<LRESULT>(s.accel.size());
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_NCDESTROY:
        if (s.buddy)
            Unhook(s.buddy);
        States().erase(h);
        return DefWindowProc(h, Msg, wParam, lParam);
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterSpinClass()
{
    static const bool registered = RegisterControlClass(UPDOWN_CLASS, &PlexoSpinProc, CS_DBLCLKS);
    (void)registered;
}

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID)
{
    PlexoRegisterStandardControls();
    return CWnd::Create(UPDOWN_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

CWnd *CSpinButtonCtrl::SetBuddy(CWnd *pWndBuddy)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy ? pWndBuddy->GetSafeHwnd() : nullptr))));
}

CWnd *CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)));
}

void CSpinButtonCtrl::GetRange(int &lower, int &upper) const
{
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}
