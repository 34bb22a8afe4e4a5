#include "framework/shellui/DesktopDrops.h"

#include "framework/object/Exceptions.h"
#include "framework/shellui/ClipboardMime.h"
#include "framework/shellui/DropTargetRegistry.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDropTarget.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WinMessages.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>

namespace {

DWORD KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    DWORD state = 0;
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    if (modifiers & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (modifiers & Qt::AltModifier)
        state |= MK_ALT;
    return state;
}

DWORD EffectsOf(Qt::DropActions actions)
{
    DWORD effects = 0;
    if (actions & Qt::CopyAction)
        effects |= DROPEFFECT_COPY;
    if (actions & Qt::MoveAction)
        effects |= DROPEFFECT_MOVE;
    if (actions & Qt::LinkAction)
        effects |= DROPEFFECT_LINK;
    return effects;
}

Qt::DropAction ActionOf(DROPEFFECT effect)
{
    if (effect & DROPEFFECT_MOVE)
        return Qt::MoveAction;
    if (effect & DROPEFFECT_COPY)
        return Qt::CopyAction;
    if (effect & DROPEFFECT_LINK)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// Runs a step of the target, reporting what its handlers throw: nothing
// may reach Qt's event loop.
template <typename Step>
void Guarded(Step step)
{
    try {
        step();
    } catch (CException *e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception &e) {
        WindowCore::ReportUncaught(e.what());
    }
}

class DropListener : public QObject {
public:
    explicit DropListener(HWND hWnd) : m_hWnd(hWnd) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter: Move(static_cast<QDragMoveEvent *>(event), true); return true;
        case QEvent::DragMove: Move(static_cast<QDragMoveEvent *>(event), false); return true;
        case QEvent::DragLeave: Leave(); return true;
        case QEvent::Drop: Drop(static_cast<QDropEvent *>(event)); return true;
        default: return QObject::eventFilter(watched, event);
        }
    }

private:
    COleDropTarget *Target() const
    {
        HWND owner = nullptr;
        COleDropTarget *target = DropTargets::Find(m_hWnd, &owner);
        return owner == m_hWnd ? target : nullptr;
    }

    POINT ScreenPoint(const QDropEvent *event) const
    {
        QPoint screen = WindowGeometry::WindowOriginOnScreen(m_hWnd) + event->position().toPoint();
        return POINT{screen.x(), screen.y()};
    }

    void Move(QDragMoveEvent *event, bool enter)
    {
        COleDropTarget *target = Target();
        m_allowed = EffectsOf(event->possibleActions());
        m_effect = DROPEFFECT_NONE;
        if (target) {
            if (enter)
                m_data.PlexoAttachMimeData(event->mimeData(), FALSE);
            const DWORD keyState = KeyStateOf(event->buttons(), event->modifiers());
            const POINT screen = ScreenPoint(event);
            Guarded([&] {
                DROPEFFECT effect = enter ? target->PlexoEnter(m_hWnd, &m_data, keyState, screen, m_allowed)
                                          : target->PlexoOver(m_hWnd, &m_data, keyState, screen, m_allowed);
                m_effect = effect & (m_allowed | DROPEFFECT_SCROLL);
            });
        }
        m_inside = target != nullptr;
        // The enter is always taken, or the desktop sends no moves.
        event->setDropAction(ActionOf(m_effect));
        if (enter || (m_effect & ~DROPEFFECT_SCROLL))
            event->accept();
        else
            event->ignore();
    }

    void Leave()
    {
        COleDropTarget *target = Target();
        if (target && m_inside)
            Guarded([&] { target->PlexoLeave(m_hWnd); });
        m_inside = false;
        m_data.Release();
    }

    void Drop(QDropEvent *event)
    {
        COleDropTarget *target = Target();
        const POINT screen = ScreenPoint(event);
        const DWORD allowed = EffectsOf(event->possibleActions());
        m_inside = false;
        if (!target) {
            event->ignore();
            return;
        }
        if (event->source()) {
            // This program's own drag: the drop runs inside it.
            DROPEFFECT result = DROPEFFECT_NONE;
            m_data.PlexoAttachMimeData(event->mimeData(), FALSE);
            Guarded([&] { result = target->PlexoDrop(m_hWnd, &m_data, screen, allowed); });
            m_data.Release();
            event->setDropAction(ActionOf(result));
            event->setAccepted(result != DROPEFFECT_NONE);
            return;
        }
        const DROPEFFECT answer = m_effect & ~DROPEFFECT_SCROLL & allowed;
        m_data.Release();
        if (answer == DROPEFFECT_NONE) {
            Guarded([&] { target->PlexoLeave(m_hWnd); });
            event->ignore();
            return;
        }
        event->setDropAction(ActionOf(answer));
        event->accept();
        // The other program's data lasts only as long as the event.
        std::shared_ptr<QMimeData> copy(ClipboardMime::Copy(*event->mimeData()));
        HWND hWnd = m_hWnd;
        QTimer::singleShot(0, this, [target, hWnd, screen, allowed, copy]() {
            if (!DropTargets::IsRegistered(target, hWnd))
                return;
            COleDataObject data;
            data.PlexoAttachMimeData(copy.get(), FALSE);
            Guarded([&] { target->PlexoDrop(hWnd, &data, screen, allowed); });
        });
    }

    HWND m_hWnd;
    COleDataObject m_data;
    DWORD m_allowed = 0;
    DROPEFFECT m_effect = DROPEFFECT_NONE;
    bool m_inside = false;
};

std::map<HWND, QPointer<QObject>> &Listeners()
{
    static std::map<HWND, QPointer<QObject>> listeners;
    return listeners;
}

} // namespace

namespace DesktopDrops {

void Listen(HWND hWnd)
{
    StopListening(hWnd);
    QWidget *widget = WindowCore::Widget(hWnd);
    if (!widget)
        return;
    // A child of the widget: it goes with the window.
    auto *listener = new DropListener(hWnd);
    listener->setParent(widget);
    widget->installEventFilter(listener);
    widget->setAcceptDrops(true);
    Listeners()[hWnd] = listener;
}

void StopListening(HWND hWnd)
{
    auto it = Listeners().find(hWnd);
    if (it == Listeners().end())
        return;
    QPointer<QObject> listener = it->second;
    Listeners().erase(it);
    if (!listener)
        return;
    if (auto *widget = qobject_cast<QWidget *>(listener->parent()))
        widget->setAcceptDrops(false);
    delete listener.data();
}

} // namespace DesktopDrops
