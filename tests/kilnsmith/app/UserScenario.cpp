#include "UserScenario.h"

#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>

UserScenario::UserScenario(std::chrono::milliseconds limit) : m_limit(limit)
{
    m_timer = new QTimer;
    m_timer->setInterval(10);
    QObject::connect(m_timer, &QTimer::timeout, [this]() { Poll(); });
}

UserScenario::~UserScenario()
{
    delete m_timer;
}

void UserScenario::Step(std::string description, Ready ready, Act act)
{
    m_steps.push_back({std::move(description), std::move(ready), std::move(act)});
}

void UserScenario::Start()
{
    m_deadline = std::chrono::steady_clock::now() + m_limit;
    m_timer->start();
}

void UserScenario::Poll()
{
    if (Finished()) {
        m_timer->stop();
        return;
    }
    Entry &entry = m_steps[m_next];
    if (entry.ready()) {
        ++m_next;
        // The step may open a modal loop (a menu, a dialog) in which the
        // next steps must be polled: it runs after this timer event returns,
        // since Qt does not fire a timer again inside its own handler.
        m_deadline = std::chrono::steady_clock::now() + m_limit;
        QTimer::singleShot(0, m_timer, entry.act);
        return;
    }
    if (std::chrono::steady_clock::now() > m_deadline)
        GiveUp();
}

void UserScenario::GiveUp()
{
    m_failure = m_steps[m_next].description;
    m_next = m_steps.size();
    m_timer->stop();
    // Close menus and dialogs, then end the program's loop.
    while (QWidget *pPopup = QApplication::activePopupWidget())
        pPopup->close();
    while (auto *pModal = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
        pModal->reject();
    ::PostQuitMessage(1);
}

QWidget *UserScenario::KeyTarget()
{
    if (QWidget *pPopup = QApplication::activePopupWidget())
        return pPopup;
    if (QWidget *pModal = QApplication::activeModalWidget(); pModal && pModal->inherits("QMessageBox"))
        return pModal;
    // Our own windows: the one with the focus gets the keys.
    if (HWND hFocus = ::GetFocus())
        return WindowCore::Widget(hFocus);
    if (HWND hActive = ::GetActiveWindow())
        return WindowCore::Widget(hActive);
    return QApplication::activeWindow();
}

namespace {

// A key is read with the keyboard's state of its moment: its messages are
// handled before the next key comes.
void HandleQueuedMessages()
{
    QCoreApplication::processEvents();
    PlexoDrainMessages();
}

} // namespace

// Ctrl goes down before the key and up after it, as a user's does.
void UserScenario::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const bool bControl = (modifiers & Qt::ControlModifier) != 0;
    if (QWidget *pTarget = KeyTarget(); pTarget && bControl) {
        QTest::keyPress(pTarget, Qt::Key_Control, Qt::NoModifier);
        HandleQueuedMessages();
    }
    if (QWidget *pTarget = KeyTarget())
        QTest::keyClick(pTarget, key, modifiers);
    HandleQueuedMessages();
    if (QWidget *pTarget = KeyTarget(); pTarget && bControl) {
        QTest::keyRelease(pTarget, Qt::Key_Control, Qt::NoModifier);
        HandleQueuedMessages();
    }
}

void UserScenario::Type(const QString &text)
{
    for (QChar c : text) {
        if (QWidget *pTarget = KeyTarget())
            QTest::keyClick(pTarget, c.toLatin1());
        HandleQueuedMessages();
    }
}

QString UserScenario::ActiveTitle()
{
    // Message boxes are the toolkit's own dialogs; every other window is ours.
    if (QWidget *pModal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        pModal && pModal->inherits("QMessageBox"))
        return pModal->windowTitle();
    char szTitle[512] = {};
    ::GetWindowText(::GetActiveWindow(), szTitle, sizeof(szTitle));
    return QString::fromUtf8(szTitle);
}
