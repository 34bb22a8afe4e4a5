#include "framework/shellui/DragLoop.h"

#include "framework/object/Exceptions.h"
#include "framework/shellui/ClipboardMime.h"
#include "framework/shellui/DropTargetRegistry.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDropSource.h"
#include "framework/shellui/OleDropTarget.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDrag>
#include <QGuiApplication>
#include <QMimeData>

namespace {

struct InputState {
    POINT screen{0, 0};
    DWORD keyState = 0;
};

InputState &Current()
{
    static InputState state;
    return state;
}

constexpr DWORD kButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

// Ticks are taken out of the queue by the loop; the callback only makes the
// timer one without a window.
void TickProc(HWND, UINT, UINT_PTR, DWORD) {}

bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

// The buttons still held after a mouse message: its key flags, less the
// button an up message reports.
DWORD ButtonsAfter(const MSG &msg)
{
    DWORD state = static_cast<DWORD>(LOWORD(msg.wParam));
    switch (msg.message) {
    case WM_LBUTTONUP: state &= ~static_cast<DWORD>(MK_LBUTTON); break;
    case WM_RBUTTONUP: state &= ~static_cast<DWORD>(MK_RBUTTON); break;
    case WM_MBUTTONUP: state &= ~static_cast<DWORD>(MK_MBUTTON); break;
    default: break;
    }
    return state;
}

// The cursor shown for an effect while the source leaves the cursor to us.
Qt::CursorShape CursorFor(DROPEFFECT effect)
{
    switch (effect & ~DROPEFFECT_SCROLL) {
    case DROPEFFECT_COPY: return Qt::DragCopyCursor;
    case DROPEFFECT_MOVE: return Qt::DragMoveCursor;
    case DROPEFFECT_LINK: return Qt::DragLinkCursor;
    default: return Qt::ForbiddenCursor;
    }
}

class DragCursor {
public:
    ~DragCursor() { Restore(); }
    void Show(DROPEFFECT effect)
    {
        if (m_shown)
            QGuiApplication::changeOverrideCursor(QCursor(CursorFor(effect)));
        else
            QGuiApplication::setOverrideCursor(QCursor(CursorFor(effect)));
        m_shown = true;
    }
    void Restore()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
        m_shown = false;
    }

private:
    bool m_shown = false;
};

// An effect the source allows: the target's answer when allowed (keeping
// the scroll bit), else none.
DROPEFFECT Allowed(DROPEFFECT effect, DWORD dwEffects)
{
    DROPEFFECT scroll = effect & DROPEFFECT_SCROLL;
    DROPEFFECT plain = effect & ~DROPEFFECT_SCROLL & dwEffects;
    return plain | scroll;
}

Qt::DropActions ActionsOf(DWORD dwEffects)
{
    Qt::DropActions actions;
    if (dwEffects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (dwEffects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    if (dwEffects & DROPEFFECT_LINK)
        actions |= Qt::LinkAction;
    return actions;
}

DROPEFFECT EffectOf(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction: return DROPEFFECT_COPY;
    case Qt::MoveAction: return DROPEFFECT_MOVE;
    case Qt::LinkAction: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
    }
}

// The mouse left every window of the program with the button held: the
// desktop carries the drag on.  A drop back on one of our windows reaches
// its target from the drop event (the source is this program).
DROPEFFECT HandToDesktop(const QMimeData &data, DWORD dwEffects)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return DROPEFFECT_NONE;
    // The desktop's drag takes the pointer itself.
    if (GetCapture())
        ReleaseCapture();
    auto *drag = new QDrag(QCoreApplication::instance());
    drag->setMimeData(ClipboardMime::Copy(data));
    Qt::DropAction action = drag->exec(ActionsOf(dwEffects));
    return EffectOf(action) & dwEffects;
}

// The drag as it moves over our windows.
class TargetTracker {
public:
    TargetTracker(const QMimeData &data, DWORD dwEffects) : m_dwEffects(dwEffects)
    {
        m_dataObject.PlexoAttachMimeData(&data, FALSE);
    }
    // A drag that ends by an exception (a handler's) still tells the target
    // it left; what that throws in turn is dropped, the first exception is
    // the one that counts.
    ~TargetTracker()
    {
        try {
            Leave();
        } catch (CException *e) {
            e->Delete();
        } catch (...) {
        }
    }

    // The effect at the point, entering and leaving targets on the way.
    DROPEFFECT Over(const POINT &screen, DWORD keyState)
    {
        HWND hWnd = WindowFromPoint(screen);
        COleDropTarget *target = DropTargets::Find(hWnd, &hWnd);
        if (target != m_target || hWnd != m_hWnd) {
            Leave();
            m_target = target;
            m_hWnd = hWnd;
            m_effect =
                target ? Allowed(target->PlexoEnter(hWnd, &m_dataObject, keyState, screen, m_dwEffects), m_dwEffects)
                       : DROPEFFECT_NONE;
        } else if (target) {
            m_effect = Allowed(target->PlexoOver(hWnd, &m_dataObject, keyState, screen, m_dwEffects), m_dwEffects);
        }
        return m_effect;
    }
    DROPEFFECT Drop(const POINT &screen)
    {
        if (!m_target || !DropTargets::IsRegistered(m_target, m_hWnd))
            return DROPEFFECT_NONE;
        COleDropTarget *target = m_target;
        m_target = nullptr;
        return target->PlexoDrop(m_hWnd, &m_dataObject, screen, m_dwEffects) & m_dwEffects;
    }
    void Leave()
    {
        if (m_target && DropTargets::IsRegistered(m_target, m_hWnd))
            m_target->PlexoLeave(m_hWnd);
        m_target = nullptr;
        m_hWnd = nullptr;
        m_effect = DROPEFFECT_NONE;
    }
    bool OverOurWindow(const POINT &screen) const { return WindowFromPoint(screen) != nullptr; }

private:
    DWORD m_dwEffects;
    COleDataObject m_dataObject;
    COleDropTarget *m_target = nullptr;
    HWND m_hWnd = nullptr;
    DROPEFFECT m_effect = DROPEFFECT_NONE;
};

} // namespace

namespace DragLoop {

MouseHold::MouseHold()
{
    if (GetCapture())
        return;
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    m_hWnd = WindowFromPoint(cursor);
    if (m_hWnd)
        SetCapture(m_hWnd);
}

MouseHold::~MouseHold()
{
    if (m_hWnd && GetCapture() == m_hWnd)
        ReleaseCapture();
}

DWORD ModifierKeyState()
{
    DWORD state = 0;
    if (GetKeyState(VK_CONTROL) < 0)
        state |= MK_CONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        state |= MK_SHIFT;
    if (GetKeyState(VK_MENU) < 0)
        state |= MK_ALT;
    return state;
}

void Begin(DWORD buttons)
{
    InputState &state = Current();
    state.keyState = (buttons & kButtons) | ModifierKeyState();
    GetCursorPos(&state.screen);
}

Input Next(UINT tickMs)
{
    InputState &state = Current();
    const UINT_PTR timer = SetTimer(nullptr, 0, tickMs, &TickProc);
    Input input;
    for (;;) {
        MSG msg;
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(PlexoQuitCode()); // the program's loop still has to see it
            input.kind = Input::Quit;
            break;
        }
        if (IsMouseMessage(msg.message) && msg.message != WM_MOUSEWHEEL) {
            POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            if (msg.hwnd)
                ClientToScreen(msg.hwnd, &pt);
            state.screen = pt;
            state.keyState = (ButtonsAfter(msg) & ~static_cast<DWORD>(MK_ALT)) | (ModifierKeyState() & MK_ALT);
            input.kind = Input::Mouse;
            break;
        }
        if (IsKeyMessage(msg.message)) {
            state.keyState = (state.keyState & kButtons) | ModifierKeyState();
            input.kind = Input::Key;
            input.escape = (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && msg.wParam == VK_ESCAPE;
            break;
        }
        if (msg.message == WM_TIMER && !msg.hwnd && msg.wParam == timer) {
            input.kind = Input::Tick;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    KillTimer(nullptr, timer);
    input.screen = state.screen;
    input.keyState = state.keyState;
    return input;
}

DROPEFFECT Run(const QMimeData &data, DWORD dwEffects, COleDropSource &source)
{
    TargetTracker tracker(data, dwEffects);
    DragCursor cursor;
    // Ticks keep drag scrolling going while the mouse rests.
    constexpr UINT kTickMs = 50;
    Input input;
    input.screen = Current().screen;
    input.keyState = Current().keyState;
    for (;;) {
        SCODE sc =
            input.kind == Input::Quit ? DRAGDROP_S_CANCEL : source.QueryContinueDrag(input.escape, input.keyState);
        if (sc == DRAGDROP_S_CANCEL)
            return DROPEFFECT_NONE;
        if (sc == DRAGDROP_S_DROP) {
            cursor.Restore();
            return tracker.Drop(input.screen);
        }
        if (!tracker.OverOurWindow(input.screen) && input.kind == Input::Mouse &&
            QGuiApplication::platformName() != QLatin1String("offscreen")) {
            tracker.Leave();
            cursor.Restore();
            return HandToDesktop(data, dwEffects);
        }
        DROPEFFECT effect = tracker.Over(input.screen, input.keyState);
        if (source.GiveFeedback(effect) == DRAGDROP_S_USEDEFAULTCURSORS)
            cursor.Show(effect);
        else
            cursor.Restore();
        input = Next(kTickMs);
    }
}

} // namespace DragLoop
