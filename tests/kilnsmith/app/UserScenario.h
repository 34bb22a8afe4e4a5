// A user's session written as steps: each step waits (polled from a timer,
// so it also runs inside modal loops and menus) until the window it expects
// is active, then acts with keys as a user would.  A step that does not
// come within the time limit fails the test and closes what is open, so
// that the program ends.
#pragma once

#include <QString>
#include <Qt>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QTimer;
class QWidget;

class UserScenario {
public:
    using Ready = std::function<bool()>;
    using Act = std::function<void()>;

    explicit UserScenario(std::chrono::milliseconds limit = std::chrono::seconds(30));
    ~UserScenario();
    UserScenario(const UserScenario &) = delete;
    UserScenario &operator=(const UserScenario &) = delete;

    void Step(std::string description, Ready ready, Act act);
    // Starts polling; the steps then run from whatever loop is running.
    void Start();
    bool Finished() const { return m_next == m_steps.size(); }
    // The step that timed out; empty when none did.
    const std::string &Failure() const { return m_failure; }

    // The window that gets keys now: an open menu, else a modal dialog,
    // else the active window.
    static QWidget *KeyTarget();
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void Type(const QString &text);
    // The title of the active window (a modal dialog's or the frame's).
    static QString ActiveTitle();

private:
    struct Entry {
        std::string description;
        Ready ready;
        Act act;
    };
    void Poll();
    void GiveUp();

    std::vector<Entry> m_steps;
    size_t m_next = 0;
    std::chrono::steady_clock::time_point m_deadline;
    std::chrono::milliseconds m_limit;
    QTimer *m_timer = nullptr;
    std::string m_failure;
};
