// Shared internals of the window layer's source files. Framework-internal.
#pragma once

#include "framework/window/WindowState.h"

#include <array>
#include <QByteArray>

class QWidget;

// Called by CreateWindowEx once the window exists and before WM_NCCREATE,
// so that an object can attach to it (CWnd::CreateEx uses this).
typedef void (*PlexoCreationHook)(HWND hWnd);
void PlexoSetCreationHook(PlexoCreationHook pfnHook);

namespace WindowCore {
// The live window, or NULL for a dead or NULL handle.
HWND Live(HWND hWnd);
// The widget of a window that has one.
QWidget *Widget(HWND hWnd);
// The window shown by a widget (NULL when it is not ours).
HWND FromWidget(const QWidget *widget);
// Destroys the window: WM_PARENTNOTIFY, hiding, owned windows, then
// WM_DESTROY to it and every descendant (parents first) before any of them
// gets WM_NCDESTROY (children first), each record freed after its own.
void Destroy(HWND hWnd);
// WM_PARENTNOTIFY (event in the low word, the child's id in the high word)
// up the parent chain, until a window with WS_EX_NOPARENTNOTIFY.
// lParam is the child for WM_CREATE/WM_DESTROY; for button presses pass
// bPoint: lParam is then a screen point, converted for each parent.
void SendParentNotify(HWND hChild, UINT event, LPARAM lParam, bool bPoint = false);
// Runs a message through the window's procedure chain, catching what a
// handler throws (reported the framework's way).
LRESULT Call(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Reports an exception that reached the dispatcher.
void ReportUncaught(const char *what);
// The Qt window flags of a top-level window with these styles.
Qt::WindowFlags TopLevelFlags(DWORD style, DWORD exStyle);
} // namespace WindowCore

namespace Desktop {
// TRUE where the desktop places top-level windows itself and refuses the
// program's moves (Wayland compositors): a move of such a window is then
// refused as a WM_WINDOWPOSCHANGING handler refuses it (SWP_NOMOVE).
bool PlacesTopLevelWindows();
// Stands in for such a desktop (tests on the offscreen platform); false
// goes back to asking the platform.
void SetPlacesTopLevelWindows(bool places);
// While one lives, position changes report where the desktop put a window:
// they are never refused.
class Report {
public:
    Report();
    ~Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;
};
bool Reporting();
} // namespace Desktop

namespace MessageQueue {
// Queues an input message (mouse, key, timer) and dispatches the queue at
// once, unless a modal loop is fetching messages itself.
void PostInput(const MSG &msg);
// Queues the text typed by a key-down, for TranslateMessage.
void RememberTypedText(const MSG &keyDown, const QByteArray &utf8);
// Drops every queued message of a dead window.
void Forget(HWND hWnd);
// The time stamp of a new message.
DWORD Now();
} // namespace MessageQueue

namespace InputState {
void Forget(HWND hWnd); // capture, focus, activation of a dead window
// The active window is being hidden, minimised or destroyed: the next
// top-level window that can take the activation gets it, or none does.
void ActivateOther(HWND hLeaving);
// A window is being destroyed while it or a descendant has the focus: the
// focus window loses it, and the parent of the destroyed window takes it
// when that parent is in the active window.
void MoveFocusFromDestroyed(HWND hDestroyed);
void SetKeyDown(int vk, bool down);
void SetMouseButtons(Qt::MouseButtons buttons);
void SetModifiers(Qt::KeyboardModifiers modifiers);
// The keys and modifiers down as an input message was made. The queue keeps
// one with each input message and restores it when the message is read, so
// GetKeyState answers for the message being handled, not for the keyboard
// of a later moment.
struct KeyboardState {
    std::array<bool, 256> down{};
    std::array<bool, 256> toggled{};
    Qt::KeyboardModifiers modifiers;
};
KeyboardState CurrentKeyboard();
void RestoreKeyboard(const KeyboardState &state);
UINT MouseKeyFlags(); // MK_* from the remembered state
void SetCursorPosition(const QPoint &screen);
// Activates the top-level window (WM_NCACTIVATE/WM_ACTIVATE) on a click.
void ActivateFromClick(HWND hTopLevel);
// The desktop took the activation away from the program's active window
// (another program, a Qt dialog): it is deactivated and its focus window
// loses the focus.
void DeactivateFromDesktop(HWND hTopLevel);
} // namespace InputState

namespace Timers {
void Forget(HWND hWnd);
}
namespace Caret {
void Forget(HWND hWnd);
// Draws the caret over the presented image when this window owns it.
void DrawOver(HWND hWnd, class QPainter &painter);
} // namespace Caret
namespace Cursors {
// The shape the widget shows, after WM_SETCURSOR.
void Apply(HWND hWnd);
} // namespace Cursors
namespace ScrollBars {
// Places the bars' widgets in the non-client area.
void Layout(HWND hWnd);
} // namespace ScrollBars

namespace KeyMapping {
// The virtual-key code of a Qt key (0 when none).
int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeVirtualKey);
} // namespace KeyMapping

// Called by DestroyWindow for each window just before its record is freed.
typedef void (*PlexoDestroyHook)(HWND hWnd);
void PlexoSetDestroyHook(PlexoDestroyHook pfnHook);
