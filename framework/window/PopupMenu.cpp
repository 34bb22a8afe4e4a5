// The pop-up menu loop on QMenu: WM_INITMENUPOPUP before each level opens
// (so CCmdUI handlers can enable and check items), WM_MENUSELECT while the
// user moves over items, then the chosen command.
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include "framework/window/PopupMenuLoop.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <QCoreApplication>

#include <functional>
#include <memory>

namespace {

struct MenuLoop {
    HWND owner;
    bool notify;
    QObject *filter = nullptr; // watches every level's keys and mouse
};

void Fill(QMenu *qmenu, HMENU hMenu, const MenuLoop &loop);

QString ItemText(HMENU hMenu, int index)
{
    char buffer[512];
    GetMenuString(hMenu, static_cast<UINT>(index), buffer, sizeof(buffer), MF_BYPOSITION);
    return QString::fromUtf8(buffer);
}

// Each level is built when it opens, after its owner prepared it.
void Prepare(QMenu *qmenu, HMENU hMenu, int indexInParent, const MenuLoop &loop)
{
    QObject::connect(qmenu, &QMenu::aboutToShow, qmenu, [qmenu, hMenu, indexInParent, loop]() {
        if (loop.notify && IsWindow(loop.owner))
            SendMessage(loop.owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu),
                        MAKELPARAM(indexInParent, FALSE));
        qmenu->clear();
        if (IsMenu(hMenu))
            Fill(qmenu, hMenu, loop);
    });
}

void Fill(QMenu *qmenu, HMENU hMenu, const MenuLoop &loop)
{
    int count = GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        UINT state = GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            qmenu->addSeparator();
            continue;
        }
        bool enabled = !(state & (MF_GRAYED | MF_DISABLED));
        if (state & MF_POPUP) {
            QMenu *sub = qmenu->addMenu(ItemText(hMenu, i));
            sub->setEnabled(enabled);
            if (loop.filter)
                sub->installEventFilter(loop.filter);
            Prepare(sub, GetSubMenu(hMenu, i), i, loop);
            continue;
        }
        UINT id = GetMenuItemID(hMenu, i);
        QAction *action = qmenu->addAction(ItemText(hMenu, i));
        action->setData(id);
        action->setEnabled(enabled);
        if (state & MF_DEFAULT) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            qmenu->setDefaultAction(action);
        }
        if (state & MF_CHECKED) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (loop.notify) {
            QObject::connect(action, &QAction::hovered, qmenu, [loop, id, state, hMenu]() {
                if (IsWindow(loop.owner))
                    SendMessage(loop.owner, WM_MENUSELECT, MAKEWPARAM(id, state & 0xFFFF),
                                reinterpret_cast<LPARAM>(hMenu));
            });
        }
    }
}

// Watches a menu bar's pop-up: Left, Right (on an item without a pop-up of
// its own) and the mouse over another bar item close it and name the bar
// item to open next.
class BarSwitcher : public QObject {
public:
    explicit BarSwitcher(PlexoMenuBarTracking &tracking) : m_tracking(tracking) {}
    void SetTop(QMenu *top) { m_top = top; }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        auto *menu = qobject_cast<QMenu *>(watched);
        if (!menu || !m_top || m_tracking.nCount <= 0)
            return false;
        int next = -1;
        if (e->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent *>(e)->key();
            QAction *active = menu->activeAction();
            // Left in a cascaded pop-up only closes that pop-up.
            if (key == Qt::Key_Left && menu == m_top)
                next = (m_tracking.nCurrent + m_tracking.nCount - 1) % m_tracking.nCount;
            else if (key == Qt::Key_Right && !(active && active->menu() && active->isEnabled()))
                next = (m_tracking.nCurrent + 1) % m_tracking.nCount;
        } else if (e->type() == QEvent::MouseMove && m_tracking.itemAt) {
            QPoint global = static_cast<QMouseEvent *>(e)->globalPosition().toPoint();
            int item = m_tracking.itemAt(POINT{global.x(), global.y()});
            if (item >= 0 && item != m_tracking.nCurrent)
                next = item;
        }
        if (next < 0)
            return false;
        m_tracking.nNext = next;
        // Every level goes, the cascaded ones first.
        for (QMenu *open = menu; open && open != m_top; open = qobject_cast<QMenu *>(open->parentWidget()))
            open->close();
        m_top->close();
        return true;
    }

private:
    PlexoMenuBarTracking &m_tracking;
    QMenu *m_top = nullptr;
};

// Watches a pop-up opened while the user types: a printable key closes every
// level and is kept, to be typed once the menu is gone.
class TypeThrough : public QObject {
public:
    // Delivers the kept key to the window with the focus (else hWnd).
    void Deliver(HWND hWnd)
    {
        if (!m_pKey)
            return;
        HWND target = GetFocus() ? GetFocus() : hWnd;
        QWidget *widget = IsWindow(target) ? WindowCore::Widget(target) : nullptr;
        if (widget)
            QCoreApplication::sendEvent(widget, m_pKey.get());
        m_pKey.reset();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress || !qobject_cast<QMenu *>(watched))
            return false;
        auto *key = static_cast<QKeyEvent *>(e);
        if (!IsTyped(key))
            return false;
        m_pKey = std::make_unique<QKeyEvent>(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
                                             key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                                             key->isAutoRepeat(), static_cast<quint16>(key->count()));
        // Every level goes, the cascaded ones first.
        for (auto *open = static_cast<QMenu *>(watched); open; open = qobject_cast<QMenu *>(open->parentWidget()))
            open->close();
        return true;
    }

private:
    static bool IsTyped(const QKeyEvent *key)
    {
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString text = key->text();
        if (text.isEmpty())
            return false;
        for (QChar c : text)
            if (!c.isPrint())
                return false;
        return true;
    }
    std::unique_ptr<QKeyEvent> m_pKey;
};

UINT RunPopup(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd, QObject *pFilter,
              const std::function<void(QMenu *)> &made = nullptr)
{
    MenuLoop loop{hWnd, !(uFlags & TPM_NONOTIFY), pFilter};
    // The menu takes the mouse: a window tracking it hears that it lost it.
    if (GetCapture())
        ReleaseCapture();
    if (!IsWindow(hWnd))
        return 0;
    SendMessage(hWnd, WM_ENTERMENULOOP, TRUE, 0);
    QMenu qmenu;
    if (pFilter)
        qmenu.installEventFilter(pFilter);
    if (made)
        made(&qmenu);
    Prepare(&qmenu, hMenu, 0, loop);
    // Build once for the size, so the alignment flags can place the menu.
    Fill(&qmenu, hMenu, MenuLoop{hWnd, false});
    QSize size = qmenu.sizeHint();
    QPoint pos(x, y);
    if (uFlags & TPM_RIGHTALIGN)
        pos.rx() -= size.width();
    else if (uFlags & TPM_CENTERALIGN)
        pos.rx() -= size.width() / 2;
    if (uFlags & TPM_BOTTOMALIGN)
        pos.ry() -= size.height();
    else if (uFlags & TPM_VCENTERALIGN)
        pos.ry() -= size.height() / 2;
    QAction *chosen = qmenu.exec(pos);
    UINT id = chosen ? chosen->data().toUInt() : 0;
    if (IsWindow(hWnd)) {
        if (loop.notify)
            SendMessage(hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessage(hWnd, WM_EXITMENULOOP, TRUE, 0);
    }
    return id;
}

} // namespace

UINT PlexoTrackMenuBarPopup(HMENU hMenu, int x, int y, HWND hWnd, PlexoMenuBarTracking &tracking)
{
    tracking.nNext = -1;
    if (!IsMenu(hMenu) || !IsWindow(hWnd))
        return 0;
    BarSwitcher switcher(tracking);
    return RunPopup(hMenu, TPM_LEFTALIGN, x, y, hWnd, &switcher, [&switcher](QMenu *top) { switcher.SetTop(top); });
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT *)
{
    if (!IsMenu(hMenu) || !IsWindow(hWnd))
        return FALSE;
    UINT id = RunPopup(hMenu, uFlags, x, y, hWnd, nullptr);
    if (uFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(id);
    if (id && IsWindow(hWnd))
        PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(id, CMD_FROM_MENU), 0);
    return TRUE; // the menu ran, whether or not the user chose an item
}

BOOL PlexoTrackPopupMenuTypeThrough(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd)
{
    if (!IsMenu(hMenu) || !IsWindow(hWnd))
        return FALSE;
    TypeThrough typing;
    UINT id = RunPopup(hMenu, uFlags, x, y, hWnd, &typing);
    typing.Deliver(hWnd);
    if (uFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(id);
    if (id && IsWindow(hWnd))
        PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(id, CMD_FROM_MENU), 0);
    return TRUE;
}
