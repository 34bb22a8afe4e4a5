// Window timers: each (window, id) pair is one Qt timer that queues
// WM_TIMER (or calls the callback through the same queue).
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QTimer>

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

using TimerKey = std::pair<HWND, UINT_PTR>;

std::map<TimerKey, std::unique_ptr<QTimer>> &Table()
{
    static std::map<TimerKey, std::unique_ptr<QTimer>> table;
    return table;
}

// Killed timers wait here until no timer signal is running, because the
// one being killed may be the one whose signal called KillTimer.
std::vector<std::unique_ptr<QTimer>> &Retired()
{
    static std::vector<std::unique_ptr<QTimer>> retired;
    return retired;
}
int g_firing = 0;

void Retire(std::unique_ptr<QTimer> timer)
{
    timer->stop();
    timer->disconnect();
    Retired().push_back(std::move(timer));
}

void FreeRetired()
{
    if (g_firing == 0)
        Retired().clear();
}

UINT_PTR NextThreadTimerId()
{
    static UINT_PTR next = 0x7FF0;
    for (;;) {
        ++next;
        if (next == 0)
            next = 1;
        if (!Table().count(TimerKey(nullptr, next)))
            return next;
    }
}

} // namespace

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    FreeRetired();
    if (hWnd && !IsWindow(hWnd))
        return 0;
    if (!hWnd) {
        if (!lpTimerFunc)
            return 0;
        nIDEvent = Table().count(TimerKey(nullptr, nIDEvent)) ? nIDEvent : NextThreadTimerId();
    }
    TimerKey key(hWnd, nIDEvent);
    auto &timer = Table()[key];
    if (!timer)
        timer = std::make_unique<QTimer>();
    timer->disconnect();
    timer->setInterval(static_cast<int>(plexoMax<UINT>(uElapse, 10u)));
    QObject::connect(timer.get(), &QTimer::timeout, [hWnd, nIDEvent, lpTimerFunc]() {
        POINT pt;
        GetCursorPos(&pt);
        MSG msg{hWnd, WM_TIMER, nIDEvent, reinterpret_cast<LPARAM>(lpTimerFunc), MessageQueue::Now(), pt};
        ++g_firing;
        MessageQueue::PostInput(msg);
        --g_firing;
    });
    timer->start();
    return hWnd ? (nIDEvent ? nIDEvent : 1) : nIDEvent;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    FreeRetired();
    auto it = Table().find(TimerKey(hWnd, uIDEvent));
    if (it == Table().end())
        return FALSE;
    Retire(std::move(it->second));
    Table().erase(it);
    FreeRetired();
    return TRUE;
}

void Timers::Forget(HWND hWnd)
{
    for (auto it = Table().begin(); it != Table().end();) {
        if (it->first.first == hWnd) {
            Retire(std::move(it->second));
            it = Table().erase(it);
        } else {
            ++it;
        }
    }
}
