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

void Activate(HWND top, WORD how)
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
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(top));
    }
    if (top && Live(top)) {
        SendMessage(top, WM_NCACTIVATE, TRUE, 0);
        SendMessage(top, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(old));
        // The offscreen platform has no window manager to activate windows.
        if (Live(top) && top->widget && top->widget->isVisible() &&
            QGuiApplication::platformName() != QLatin1String("offscreen"))
            top->widget->activateWindow();
    }
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
    HWND top = GetTopLevelWindow(hWnd);
    if (!top)
        return old;
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

void InputState::ActivateFromClick(HWND hTopLevel)
{
    Activate(GetTopLevelWindow(hTopLevel), WA_CLICKACTIVE);
}

void InputState::DeactivateFromDesktop(HWND hTopLevel)
{
    HWND top = Live(hTopLevel);
    if (!top || Live(S().active) != top)
        return;
    HWND capture = Live(S().capture);
    if (capture && (capture == top || IsChild(top, capture)))
        SendMessage(capture, WM_CANCELMODE, 0, 0);
    S().active = nullptr;
    SendMessage(top, WM_NCACTIVATE, FALSE, 0);
    SendMessage(top, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    HWND focus = Live(S().focus);
    if (focus && (focus == top || IsChild(top, focus))) {
        S().focus = nullptr;
        SendMessage(focus, WM_KILLFOCUS, 0, 0);
    }
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
    Qt::KeyboardModifier modifier = vk == VK_SHIFT ? Qt::ShiftModifier
                                  : vk == VK_CONTROL ? Qt::ControlModifier
                                  : vk == VK_MENU ? Qt::AltModifier
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

UINT InputState::MouseKeyFlags()
{
    UINT flags = 0;
    Qt::MouseButtons b = S().buttons;
    Qt::KeyboardModifiers m = S().modifiers;
    if (b & Qt::LeftButton) flags |= MK_LBUTTON;
    if (b & Qt::RightButton) flags |= MK_RBUTTON;
    if (b & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (m & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (m & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

namespace {

bool IsDown(int vk, Qt::MouseButtons b, Qt::KeyboardModifiers m)
{
    switch (vk) {
    case VK_LBUTTON: return (b & Qt::LeftButton) != 0;
    case VK_RBUTTON: return (b & Qt::RightButton) != 0;
    case VK_MBUTTON: return (b & Qt::MiddleButton) != 0;
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: return (m & Qt::ShiftModifier) != 0;
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return (m & Qt::ControlModifier) != 0;
    case VK_MENU: case VK_LMENU: case VK_RMENU: return (m & Qt::AltModifier) != 0;
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
