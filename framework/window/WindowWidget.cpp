// The widget of a window: presentation of the backing image and the
// translation of Qt's events into window messages.
#include "framework/window/WindowWidget.h"

#include "framework/window/CaretApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QWheelEvent>

namespace {

enum class MouseAction { Move, Press, Release, DoubleClick };

UINT ButtonBase(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return WM_RBUTTONDOWN;
    case Qt::MiddleButton: return WM_MBUTTONDOWN;
    default: return WM_LBUTTONDOWN;
    }
}

// The message of a button action in the client area (non-client messages
// are 0xA0 lower for the same action).
UINT ButtonMessage(MouseAction action, Qt::MouseButton button, bool classWantsDoubleClicks)
{
    UINT down = ButtonBase(button);
    switch (action) {
    case MouseAction::Press: return down;
    case MouseAction::Release: return down + 1;
    case MouseAction::DoubleClick: return classWantsDoubleClicks ? down + 2 : down;
    default: return WM_MOUSEMOVE;
    }
}

MSG MakeMsg(HWND h, UINT message, WPARAM wParam, LPARAM lParam, const QPoint &screen)
{
    return MSG{h, message, wParam, lParam, MessageQueue::Now(), POINT{screen.x(), screen.y()}};
}

LPARAM KeyData(const QKeyEvent *e, bool up, bool altDown)
{
    DWORD data = 1;
    data |= (e->nativeScanCode() & 0xFF) << 16;
    if (altDown)
        data |= 1u << 29;
    if (up || e->isAutoRepeat())
        data |= 1u << 30;
    if (up)
        data |= 1u << 31;
    return static_cast<LPARAM>(data);
}

HWND KeyTarget(HWND self)
{
    HWND focus = GetFocus();
    return focus ? focus : self;
}

} // namespace

WindowWidget::WindowWidget(HWND hWnd, QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags), m_hWnd(hWnd)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAttribute(Qt::WA_KeyCompression, false);
}

WindowWidget::~WindowWidget()
{
    // Qt deleted the widget (its Qt parent went away): the window goes too.
    if (!m_released && WindowCore::Live(m_hWnd)) {
        m_released = true;
        m_hWnd->widget = nullptr;
        DestroyWindow(m_hWnd);
    }
}

void WindowWidget::Release()
{
    m_released = true;
    m_hWnd = nullptr;
    hide();
    if (m_eventDepth == 0) {
        delete this;
    } else {
        setParent(nullptr);
        deleteLater();
    }
}

void WindowWidget::SetGeometryQuietly(const QRect &rect)
{
    RunQuietly([this, &rect]() { setGeometry(rect); });
}

void WindowWidget::RunQuietly(const std::function<void()> &change)
{
    QPointer<WindowWidget> self(this);
    bool wasQuiet = m_quietGeometry;
    m_quietGeometry = true;
    change();
    if (self)
        m_quietGeometry = wasQuiet;
}

bool WindowWidget::event(QEvent *e)
{
    if (m_released)
        return QWidget::event(e);
    ++m_eventDepth;
    bool result = true;
    if (e->type() == kPaintRequestEvent) {
        if (WindowCore::Live(m_hWnd)) {
            m_hWnd->paintRequested = false;
            WindowPainting::PaintNow(m_hWnd);
        }
    } else if (e->type() == QEvent::ShortcutOverride) {
        // Keys belong to the window; accelerators are translated by the message loop.
        e->accept();
    } else {
        result = QWidget::event(e);
    }
    --m_eventDepth;
    return result;
}

void WindowWidget::paintEvent(QPaintEvent *e)
{
    if (!WindowCore::Live(m_hWnd))
        return;
    QPainter painter(this);
    painter.drawImage(e->rect(), m_hWnd->backing, e->rect());
    Caret::DrawOver(m_hWnd, painter);
}

// ---- Mouse

namespace {

void HandleMouse(HWND self, QMouseEvent *e, MouseAction action)
{
    InputState::SetMouseButtons(e->buttons());
    InputState::SetModifiers(e->modifiers());
    QPoint local = e->position().toPoint();
    QPoint screen = WindowGeometry::WindowOriginOnScreen(self) + local;
    InputState::SetCursorPosition(screen);

    HWND capture = GetCapture();
    HWND target = capture ? capture : self;
    LPARAM screenParam = MAKELPARAM(screen.x(), screen.y());
    int hit = HTCLIENT;
    if (!capture) {
        // A transparent part (a group box's inside) hands the mouse to the window below.
        for (;;) {
            hit = static_cast<short>(SendMessage(target, WM_NCHITTEST, 0, screenParam));
            if (!WindowCore::Live(target))
                return;
            if (hit != HTTRANSPARENT || !target->parent)
                break;
            target = target->parent;
        }
    }
    UINT message = action == MouseAction::Move
                       ? WM_MOUSEMOVE
                       : ButtonMessage(action, e->button(), (target->windowClass.style & CS_DBLCLKS) != 0);

    bool press = action == MouseAction::Press || action == MouseAction::DoubleClick;
    if (press && target->parent) {
        // The parents hear of a press in a child first (a double click as a press).
        WindowCore::SendParentNotify(target, ButtonBase(e->button()), screenParam, true);
        if (!WindowCore::Live(target))
            return;
    }
    if (!capture) {
        if (press) {
            HWND top = GetTopLevelWindow(target);
            LRESULT activate = MA_ACTIVATE;
            if (GetFocus() != target || GetActiveWindow() != top)
                activate =
                    SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(hit, message));
            if (!WindowCore::Live(target))
                return;
            if ((activate == MA_ACTIVATE || activate == MA_ACTIVATEANDEAT) && GetActiveWindow() != top)
                InputState::ActivateFromClick(top);
            if (activate == MA_ACTIVATEANDEAT || activate == MA_NOACTIVATEANDEAT)
                return;
        }
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, message));
        if (!WindowCore::Live(target))
            return;
        Cursors::Apply(target);
    }

    if (hit == HTCLIENT) {
        POINT pt{screen.x(), screen.y()};
        ScreenToClient(target, &pt);
        WPARAM flags = InputState::MouseKeyFlags();
        MessageQueue::PostInput(MakeMsg(target, message, flags, MAKELPARAM(pt.x, pt.y), screen));
    } else if (hit != HTNOWHERE && hit != HTTRANSPARENT) {
        // The frame always gets its double clicks, whatever the class says.
        UINT clientMessage = action == MouseAction::Move ? WM_MOUSEMOVE : ButtonMessage(action, e->button(), true);
        UINT ncMessage = clientMessage - (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
        MessageQueue::PostInput(MakeMsg(target, ncMessage, static_cast<WPARAM>(hit), screenParam, screen));
    }
}

} // namespace

void WindowWidget::mousePressEvent(QMouseEvent *e)
{
    if (WindowCore::Live(m_hWnd))
        HandleMouse(m_hWnd, e, MouseAction::Press);
}

void WindowWidget::mouseReleaseEvent(QMouseEvent *e)
{
    if (WindowCore::Live(m_hWnd))
        HandleMouse(m_hWnd, e, MouseAction::Release);
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (WindowCore::Live(m_hWnd))
        HandleMouse(m_hWnd, e, MouseAction::DoubleClick);
}

void WindowWidget::mouseMoveEvent(QMouseEvent *e)
{
    if (WindowCore::Live(m_hWnd))
        HandleMouse(m_hWnd, e, MouseAction::Move);
}

void WindowWidget::wheelEvent(QWheelEvent *e)
{
    if (!WindowCore::Live(m_hWnd))
        return;
    InputState::SetMouseButtons(e->buttons());
    InputState::SetModifiers(e->modifiers());
    QPoint screen = WindowGeometry::WindowOriginOnScreen(m_hWnd) + e->position().toPoint();
    int delta = e->angleDelta().y();
    if (delta == 0)
        return;
    HWND target = GetFocus() ? GetFocus() : m_hWnd;
    WPARAM wParam = MAKEWPARAM(InputState::MouseKeyFlags(), static_cast<WORD>(static_cast<short>(delta)));
    MessageQueue::PostInput(MakeMsg(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(screen.x(), screen.y()), screen));
}

void WindowWidget::contextMenuEvent(QContextMenuEvent *e)
{
    // WM_CONTEXTMENU comes from the right button's release (DefWindowProc).
    e->accept();
}

// ---- Keys and typing

void WindowWidget::keyPressEvent(QKeyEvent *e)
{
    if (!WindowCore::Live(m_hWnd))
        return;
    InputState::SetModifiers(e->modifiers());
    int vk = KeyMapping::VirtualKey(e->key(), e->modifiers(), e->nativeVirtualKey());
    if (vk == 0 && e->text().isEmpty())
        return;
    if (vk == 0)
        vk = VK_PACKET; // a character without a key code of its own
    InputState::SetKeyDown(vk, true);
    bool alt = (e->modifiers() & Qt::AltModifier) != 0;
    HWND target = KeyTarget(m_hWnd);
    UINT message = (alt || vk == VK_F10) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    QPoint screen = QCursor::pos();
    MSG msg = MakeMsg(target, message, static_cast<WPARAM>(vk), KeyData(e, false, alt), screen);
    QByteArray text = e->text().toUtf8();
    if (vk == VK_DELETE || (text.size() == 1 && static_cast<BYTE>(text[0]) == 0x7F))
        text.clear();
    if (!text.isEmpty())
        MessageQueue::RememberTypedText(msg, text);
    MessageQueue::PostInput(msg);
}

void WindowWidget::keyReleaseEvent(QKeyEvent *e)
{
    if (!WindowCore::Live(m_hWnd) || e->isAutoRepeat())
        return;
    InputState::SetModifiers(e->modifiers());
    int vk = KeyMapping::VirtualKey(e->key(), e->modifiers(), e->nativeVirtualKey());
    if (vk == 0 && e->text().isEmpty())
        return;
    if (vk == 0)
        vk = VK_PACKET;
    InputState::SetKeyDown(vk, false);
    bool alt = (e->modifiers() & Qt::AltModifier) != 0 || vk == VK_MENU;
    UINT message = (alt || vk == VK_F10) ? WM_SYSKEYUP : WM_KEYUP;
    MessageQueue::PostInput(
        MakeMsg(KeyTarget(m_hWnd), message, static_cast<WPARAM>(vk), KeyData(e, true, alt), QCursor::pos()));
}

void WindowWidget::inputMethodEvent(QInputMethodEvent *e)
{
    if (!WindowCore::Live(m_hWnd))
        return;
    HWND target = KeyTarget(m_hWnd);
    QPoint screen = QCursor::pos();
    if (!m_composing && !e->preeditString().isEmpty()) {
        m_composing = true;
        SendMessage(target, WM_IME_STARTCOMPOSITION, 0, 0);
    }
    QByteArray text = e->commitString().toUtf8();
    if (m_composing && (e->preeditString().isEmpty() || !text.isEmpty())) {
        m_composing = !e->preeditString().isEmpty();
        if (!m_composing)
            SendMessage(target, WM_IME_ENDCOMPOSITION, 0, 0);
    }
    // Composed text takes the typing path: one WM_CHAR per UTF-8 byte.
    for (char byte : text)
        MessageQueue::PostInput(MakeMsg(target, WM_CHAR, static_cast<BYTE>(byte), 1, screen));
    e->accept();
}

QVariant WindowWidget::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return true;
    if (query == Qt::ImCursorRectangle) {
        HWND owner = nullptr;
        RECT rc{};
        if (PlexoIsCaretVisible(&owner, &rc) && owner == m_hWnd) {
            QPoint origin = WindowGeometry::ClientOrigin(m_hWnd);
            return QRect(rc.left + origin.x(), rc.top + origin.y(), rc.right - rc.left, rc.bottom - rc.top);
        }
        return QRect();
    }
    return QWidget::inputMethodQuery(query);
}

void WindowWidget::focusInEvent(QFocusEvent *)
{
    if (!WindowCore::Live(m_hWnd))
        return;
    HWND focus = GetFocus();
    if (!focus || GetTopLevelWindow(focus) != GetTopLevelWindow(m_hWnd))
        SetFocus(m_hWnd);
}

void WindowWidget::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    // The desktop's colours changed: top-level windows hear it, and pass it
    // on to their children as the framework's frames do.
    if (e->type() == QEvent::ApplicationPaletteChange && WindowCore::Live(m_hWnd) && !m_hWnd->parent)
        SendMessage(m_hWnd, WM_SYSCOLORCHANGE, 0, 0);
    if (e->type() == QEvent::ActivationChange && WindowCore::Live(m_hWnd) && !m_hWnd->parent && isWindow()) {
        if (isActiveWindow() && GetActiveWindow() != m_hWnd)
            InputState::ActivateFromClick(m_hWnd);
        // A window the layer hid (or is destroying) gave the activation
        // away itself: the desktop's report of it changes nothing more.
        // Nor does a move to another of the program's windows: that window
        // hears of it next and takes the activation (or, disabled, leaves it
        // with its dialog), so the focus is not dropped in between.
        else if (!isActiveWindow() && GetActiveWindow() == m_hWnd && !QApplication::activePopupWidget() &&
                 (m_hWnd->style & WS_VISIBLE) && !m_hWnd->destroying &&
                 !dynamic_cast<WindowWidget *>(QApplication::activeWindow()))
            InputState::DeactivateFromDesktop(m_hWnd);
    }
    if (e->type() == QEvent::WindowStateChange && WindowCore::Live(m_hWnd) && !m_hWnd->parent && isWindow())
        FollowDesktopState();
}

// ---- Window states and geometry changed by the window manager or the user

// The desktop minimised, maximised or restored the window: the window hears
// it as the system command (and may refuse it, which puts the state back).
void WindowWidget::FollowDesktopState()
{
    Qt::WindowStates state = windowState();
    UINT wanted = (state & Qt::WindowMinimized)   ? SIZE_MINIMIZED
                  : (state & Qt::WindowMaximized) ? SIZE_MAXIMIZED
                                                  : SIZE_RESTORED;
    if (wanted == m_hWnd->sizeState)
        return;
    UINT command = wanted == SIZE_MINIMIZED ? SC_MINIMIZE : (wanted == SIZE_MAXIMIZED ? SC_MAXIMIZE : SC_RESTORE);
    HWND h = m_hWnd;
    SendMessage(h, WM_SYSCOMMAND, command, 0);
    if (WindowCore::Live(h) && h->sizeState != wanted && !m_released)
        WindowGeometry::ShowInSizeState(h);
}

namespace {

// The edge being dragged, from what moved.
UINT SizingEdge(const RECT &from, const RECT &to)
{
    bool left = to.left != from.left, top = to.top != from.top;
    bool right = !left && to.right != from.right, bottom = !top && to.bottom != from.bottom;
    if (top)
        return left ? WMSZ_TOPLEFT : (right ? WMSZ_TOPRIGHT : WMSZ_TOP);
    if (bottom)
        return left ? WMSZ_BOTTOMLEFT : (right ? WMSZ_BOTTOMRIGHT : WMSZ_BOTTOM);
    return left ? WMSZ_LEFT : WMSZ_RIGHT;
}

} // namespace

void WindowWidget::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (m_quietGeometry || !WindowCore::Live(m_hWnd) || m_hWnd->parent)
        return;
    // The user (or the desktop) resized the window: it may correct the new
    // rectangle first (WM_SIZING), as during a sizing drag.
    QRect g = geometry();
    RECT rc{g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
    const RECT &now = m_hWnd->windowRect;
    if (rc.left == now.left && rc.top == now.top && rc.right == now.right && rc.bottom == now.bottom)
        return; // the platform confirming the geometry the window already has
    if (isWindow() && isMinimized())
        return; // the desktop's icon, not a size of the window
    // A maximised window takes the size the desktop gives it: no drag.
    if (isWindow() && !isMaximized()) {
        UINT edge = SizingEdge(m_hWnd->windowRect, rc);
        WindowGeometry::ClampToTrackingLimits(m_hWnd, rc, edge);
        if (!WindowCore::Live(m_hWnd))
            return;
        SendMessage(m_hWnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&rc));
        if (!WindowCore::Live(m_hWnd))
            return;
    }
    Desktop::Report report;
    SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowWidget::moveEvent(QMoveEvent *e)
{
    QWidget::moveEvent(e);
    if (m_quietGeometry || !WindowCore::Live(m_hWnd) || m_hWnd->parent)
        return;
    QRect g = geometry();
    // A move that comes with a resize is handled with the resize (WM_SIZING
    // must see which edge moved).
    if (g.width() != m_hWnd->windowRect.right - m_hWnd->windowRect.left ||
        g.height() != m_hWnd->windowRect.bottom - m_hWnd->windowRect.top)
        return;
    // The desktop confirming the place the window already has, or placing
    // the icon of a minimised window.
    if (g.x() == m_hWnd->windowRect.left && g.y() == m_hWnd->windowRect.top)
        return;
    if (isWindow() && isMinimized())
        return;
    Desktop::Report report;
    SetWindowPos(m_hWnd, nullptr, g.x(), g.y(), 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void WindowWidget::closeEvent(QCloseEvent *e)
{
    // The close box: a system command the window may turn into something else.
    e->ignore();
    if (WindowCore::Live(m_hWnd))
        SendMessage(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}
