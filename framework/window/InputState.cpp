// Capture, focus, activation, the keyboard and mouse-button state and the
// cursor position.
#include "framework/window/ForeignWindows.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QStyleHints>

#include <array>

using WindowCore::Live;

namespace {

struct State {
    HWND capture = nullptr;
    HWND focus = nullptr;
    HWND active = nullptr;
    bool programActive = false; // the desktop's activation is with this program
    std::array<bool, 256> down{};
    std::array<bool, 256> toggled{};
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool knowCursor = false;
    QPoint cursor;
};

State &S()
{
    static State state;
    return state;
}

// WM_ACTIVATEAPP to every top-level window of the program when the
// activation comes from or goes to another program.
void TellProgramActivation(bool active)
{
    S().programActive = active;
    for (HWND top : WindowRegistry::TopLevelWindows())
        if (Live(top))
            SendMessage(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

WPARAM ActivateParam(WORD how, HWND h)
{
    return MAKEWPARAM(how, Live(h) && h->sizeState == SIZE_MINIMIZED ? 1 : 0);
}

// The focus follows the activation: when the newly active window (or no
// window) does not hold it after WM_ACTIVATE, it goes to that window (or to
// no window).
void FocusActiveWindow(HWND top)
{
    if (Live(S().active) != top)
        return;
    HWND focus = Live(S().focus);
    if (!top) {
        if (focus) {
            S().focus = nullptr;
            SendMessage(focus, WM_KILLFOCUS, 0, 0);
        }
        return;
    }
    if (top->sizeState != SIZE_MINIMIZED && (!focus || GetTopLevelWindow(focus) != top))
        SetFocus(top);
}

// Moves the activation to top (NULL: no window is active). leavingProgram:
// another program takes it.
void Activate(HWND top, WORD how, bool leavingProgram = false)
{
    HWND old = Live(S().active);
    if (old == top)
        return;
    S().active = top;
    if (old) {
        // A mode the old window's mouse capture was tracking ends with it.
        HWND capture = Live(S().capture);
        if (capture && (capture == old || IsChild(old, capture)))
            SendMessage(capture, WM_CANCELMODE, 0, 0);
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(old, WM_ACTIVATE, ActivateParam(WA_INACTIVE, old), reinterpret_cast<LPARAM>(top));
    }
    if (leavingProgram && S().programActive)
        TellProgramActivation(false);
    if (top && Live(top)) {
        if (!S().programActive)
            TellProgramActivation(true);
        SendMessage(top, WM_NCACTIVATE, TRUE, 0);
        SendMessage(top, WM_ACTIVATE, ActivateParam(how, top), reinterpret_cast<LPARAM>(old));
        // The offscreen platform has no window manager to activate windows.
        if (Live(top) && top->widget && top->widget->isVisible() &&
            QGuiApplication::platformName() != QLatin1String("offscreen"))
            top->widget->activateWindow();
    }
    FocusActiveWindow(top);
}

// The window that takes the activation from one that goes: its owner when
// that can take it, else the newest other shown, enabled, not minimised
// top-level window.
bool CanTakeActivation(HWND h, HWND leaving)
{
    return Live(h) && h != leaving && !h->destroying && (h->style & WS_VISIBLE) && !(h->style & WS_DISABLED) &&
           h->sizeState != SIZE_MINIMIZED && h->owner != leaving;
}

HWND NextActive(HWND leaving)
{
    if (CanTakeActivation(leaving->owner, leaving))
        return leaving->owner;
    std::vector<HWND> tops = WindowRegistry::TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (CanTakeActivation(*it, leaving))
            return *it;
    return nullptr;
}

} // namespace

// ---- Capture
//
// The window layer routes every mouse event of its widgets to the capture
// window. On a desktop the capturing widget also grabs the pointer, so that
// clicks outside the program's windows reach it as well (the offscreen
// platform has no pointer to grab).

namespace {

bool CanGrabPointer()
{
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}

void GrabPointer(HWND h, bool grab)
{
    if (!Live(h) || !h->widget || !CanGrabPointer())
        return;
    if (grab && h->widget->isVisible())
        h->widget->grabMouse();
    else if (!grab)
        h->widget->releaseMouse();
}

} // namespace

HWND SetCapture(HWND hWnd)
{
    HWND h = Live(hWnd);
    HWND old = Live(S().capture);
    S().capture = h;
    if (old && old != h) {
        GrabPointer(old, false);
        SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(h));
    }
    if (h && h == Live(S().capture))
        GrabPointer(h, true);
    return old;
}

BOOL ReleaseCapture()
{
    HWND old = Live(S().capture);
    S().capture = nullptr;
    if (old) {
        GrabPointer(old, false);
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture()
{
    return Live(S().capture);
}

// ---- Focus and activation

HWND SetFocus(HWND hWnd)
{
    HWND h = Live(hWnd);
    if (hWnd && !h)
        return nullptr;
    HWND old = Live(S().focus);
    if (old == h)
        return old;
    if (h) {
        HWND top = GetTopLevelWindow(h);
        if (Live(S().active) != top)
            Activate(top, WA_ACTIVE);
        if (Live(S().focus) == h)
            return old;
        old = Live(S().focus);
    }
    if (old) {
        S().focus = nullptr;
        SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(h), 0);
    }
    if (h && Live(h)) {
        S().focus = h;
        if (h->widget)
            h->widget->setFocus(Qt::OtherFocusReason);
        SendMessage(h, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    }
    return old;
}

HWND GetFocus()
{
    return Live(S().focus);
}

HWND SetActiveWindow(HWND hWnd)
{
    HWND old = Live(S().active);
    if (!hWnd) {
        Activate(nullptr, WA_INACTIVE); // deactivates the active window
        return old;
    }
    HWND top = GetTopLevelWindow(hWnd);
    if (!top)
        return nullptr;
    Activate(top, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow()
{
    return Live(S().active);
}

HWND GetForegroundWindow()
{
    return Live(S().active);
}

BOOL SetForegroundWindow(HWND hWnd)
{
    if (!Live(hWnd)) {
        const PlexoForeignWindowOps *foreign = PlexoForeignWindows();
        return hWnd && foreign ? foreign->setForegroundWindow(hWnd) : FALSE;
    }
    SetActiveWindow(hWnd);
    return TRUE;
}

namespace {

bool OwnedBy(HWND h, HWND owner)
{
    for (HWND o = Live(h) ? h->owner : nullptr; o; o = Live(o) ? o->owner : nullptr)
        if (o == owner)
            return true;
    return false;
}

// The newest shown, enabled window that the disabled window owns (directly
// or through other owned windows): the modal dialog that blocks it.
HWND EnabledOwnedPopup(HWND disabled)
{
    std::vector<HWND> tops = WindowRegistry::TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (Live(*it) && !(*it)->destroying && ((*it)->style & WS_VISIBLE) && !((*it)->style & WS_DISABLED) &&
            OwnedBy(*it, disabled))
            return *it;
    return nullptr;
}

} // namespace

void InputState::ActivateFromClick(HWND hTopLevel)
{
    HWND top = GetTopLevelWindow(hTopLevel);
    if (!Live(top) || !(top->style & WS_DISABLED)) {
        Activate(top, WA_CLICKACTIVE);
        return;
    }
    // A disabled window (the owner of a modal dialog) never takes the
    // activation: its dialog does, and the desktop's focus goes back to the
    // dialog. The desktop's report may also be a late one from before the
    // dialog came up; taking the activation from the dialog for it would
    // make the two windows trade the focus while the user types.
    HWND popup = EnabledOwnedPopup(top);
    if (!popup)
        return;
    Activate(popup, WA_CLICKACTIVE);
    if (Live(popup) && popup->widget && popup->widget->isVisible() &&
        QGuiApplication::platformName() != QLatin1String("offscreen"))
        popup->widget->activateWindow();
}

void InputState::DeactivateFromDesktop(HWND hTopLevel)
{
    HWND top = Live(hTopLevel);
    if (!top || Live(S().active) != top)
        return;
    Activate(nullptr, WA_INACTIVE, true);
}

void InputState::ActivateOther(HWND hLeaving)
{
    HWND leaving = Live(hLeaving);
    if (!leaving || Live(S().active) != leaving)
        return;
    Activate(NextActive(leaving), WA_ACTIVE);
}

void InputState::MoveFocusFromDestroyed(HWND hDestroyed)
{
    HWND h = Live(hDestroyed);
    HWND focus = Live(S().focus);
    if (!h || !focus || (focus != h && !IsChild(h, focus)))
        return;
    HWND parent = h->parent;
    if (parent && !parent->destroying && GetTopLevelWindow(parent) == Live(S().active)) {
        SetFocus(parent);
        return;
    }
    S().focus = nullptr;
    SendMessage(focus, WM_KILLFOCUS, 0, 0);
}

void InputState::Forget(HWND hWnd)
{
    if (S().capture == hWnd)
        S().capture = nullptr;
    if (S().focus == hWnd)
        S().focus = nullptr;
    if (S().active == hWnd)
        S().active = nullptr;
}

// ---- Keys and buttons

void InputState::SetKeyDown(int vk, bool down)
{
    if (vk <= 0 || vk > 255)
        return;
    if (down && !S().down[vk])
        S().toggled[vk] = !S().toggled[vk];
    S().down[vk] = down;
    // A modifier key's own event reports the state before it: the key wins.
    Qt::KeyboardModifier modifier = vk == VK_SHIFT     ? Qt::ShiftModifier
                                    : vk == VK_CONTROL ? Qt::ControlModifier
                                    : vk == VK_MENU    ? Qt::AltModifier
                                                       : Qt::NoModifier;
    if (modifier != Qt::NoModifier)
        S().modifiers.setFlag(modifier, down);
}

void InputState::SetMouseButtons(Qt::MouseButtons buttons)
{
    S().buttons = buttons;
}

void InputState::SetModifiers(Qt::KeyboardModifiers modifiers)
{
    S().modifiers = modifiers;
}

InputState::KeyboardState InputState::CurrentKeyboard()
{
    return KeyboardState{S().down, S().toggled, S().modifiers};
}

void InputState::RestoreKeyboard(const KeyboardState &state)
{
    S().down = state.down;
    S().toggled = state.toggled;
    S().modifiers = state.modifiers;
}

UINT InputState::MouseKeyFlags()
{
    UINT flags = 0;
    Qt::MouseButtons b = S().buttons;
    Qt::KeyboardModifiers m = S().modifiers;
    if (b & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (b & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (b & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (m & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (m & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

namespace {

bool IsDown(int vk, Qt::MouseButtons b, Qt::KeyboardModifiers m)
{
    switch (vk) {
    case VK_LBUTTON: return (b & Qt::LeftButton) != 0;
    case VK_RBUTTON: return (b & Qt::RightButton) != 0;
    case VK_MBUTTON: return (b & Qt::MiddleButton) != 0;
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT: return (m & Qt::ShiftModifier) != 0;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL: return (m & Qt::ControlModifier) != 0;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU: return (m & Qt::AltModifier) != 0;
    default: return vk > 0 && vk < 256 && S().down[vk];
    }
}

SHORT KeyState(int vk, bool down)
{
    SHORT state = down ? static_cast<SHORT>(0x8000) : 0;
    if (vk > 0 && vk < 256 && S().toggled[vk])
        state |= 1;
    return state;
}

} // namespace

SHORT GetKeyState(int nVirtKey)
{
    return KeyState(nVirtKey, IsDown(nVirtKey, S().buttons, S().modifiers));
}

SHORT GetAsyncKeyState(int vKey)
{
    Qt::MouseButtons b = S().buttons | QGuiApplication::mouseButtons();
    Qt::KeyboardModifiers m = S().modifiers | QGuiApplication::queryKeyboardModifiers();
    return KeyState(vKey, IsDown(vKey, b, m));
}

// ---- The cursor position

void InputState::SetCursorPosition(const QPoint &screen)
{
    S().knowCursor = true;
    S().cursor = screen;
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
    if (!lpPoint)
        return FALSE;
    QPoint p = S().knowCursor ? S().cursor : QCursor::pos();
    *lpPoint = POINT{p.x(), p.y()};
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    QCursor::setPos(x, y);
    InputState::SetCursorPosition(QPoint(x, y));
    return TRUE;
}

UINT GetDoubleClickTime()
{
    return static_cast<UINT>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}
