// The message queue: posted messages, input and timer messages in order,
// the pump that pre-translates and dispatches them, and registered messages.
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/ForeignWindows.h"

#include "framework/window/Wnd.h"

#include "framework/object/Exceptions.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>

#include <algorithm>
#include <deque>
#include <exception>
#include <map>
#include <string>

namespace {

struct TypedText {
    MSG keyDown;
    QByteArray utf8;
};

// The keyboard as an input message was made, restored when it is read.
struct KeyboardAtInput {
    MSG input;
    InputState::KeyboardState keyboard;
};

struct QueueState {
    std::deque<MSG> queue;
    std::deque<TypedText> typed;
    std::deque<KeyboardAtInput> keyboards;
    int fetchingLoops = 0; // modal loops fetching messages themselves
    int draining = 0;
    bool quitPosted = false;
    int quitCode = 0;
    MSG current{}; // the message being dispatched
    PlexoPreTranslateHook preTranslate = nullptr;
    PlexoIdleHook idle = nullptr;
    bool idleNeeded = true;
    POINT lastMouse{-1, -1};
};

QueueState &State()
{
    static QueueState state;
    return state;
}

constexpr QEvent::Type kDrainEvent = static_cast<QEvent::Type>(QEvent::User + 1);

// Receives the Qt event that asks for the queue to be dispatched.
class QueueDrainer : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() != kDrainEvent)
            return QObject::event(e);
        PlexoDrainMessages();
        return true;
    }
};

QueueDrainer &Drainer()
{
    static QueueDrainer drainer;
    return drainer;
}

void RunIdle();

// The event loop is about to wait: idle time.
void ConnectIdle()
{
    static bool connected = false;
    auto *dispatcher = QAbstractEventDispatcher::instance();
    if (connected || !dispatcher)
        return;
    connected = true;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &Drainer(), []() { RunIdle(); });
}

void RequestDrain()
{
    QCoreApplication::postEvent(&Drainer(), new QEvent(kDrainEvent));
}

// A loop that fetched messages itself is done for now. The drain requests
// that arrived meanwhile were spent while it fetched, so what it left in the
// queue (other messages, or one it only peeked at) asks for a new one.
void EndFetching()
{
    if (--State().fetchingLoops == 0 && !State().queue.empty())
        RequestDrain();
}

bool Matches(const MSG &msg, HWND hWnd, UINT min, UINT max)
{
    if (hWnd && msg.hwnd != hWnd && !IsChild(hWnd, msg.hwnd))
        return false;
    if (min == 0 && max == 0)
        return true;
    return msg.message >= min && msg.message <= max;
}

bool SameMessage(const MSG &a, const MSG &b)
{
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam &&
           a.time == b.time;
}

bool IsKeyboardInput(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

// An input message leaves the queue: the keyboard is as it was when the
// message was made, as the desktop's key state follows the messages read.
void RestoreKeyboardOf(const MSG &msg)
{
    if (!IsKeyboardInput(msg.message))
        return;
    auto &keyboards = State().keyboards;
    for (auto it = keyboards.begin(); it != keyboards.end(); ++it) {
        if (!SameMessage(it->input, msg))
            continue;
        InputState::RestoreKeyboard(it->keyboard);
        keyboards.erase(it);
        return;
    }
}

bool TakeMatching(MSG *pMsg, HWND hWnd, UINT min, UINT max, bool remove)
{
    auto &queue = State().queue;
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!Matches(*it, hWnd, min, max))
            continue;
        if (pMsg)
            *pMsg = *it;
        if (remove) {
            MSG taken = *it;
            queue.erase(it);
            RestoreKeyboardOf(taken);
        }
        return true;
    }
    if (State().quitPosted && (min == 0 || (WM_QUIT >= min && WM_QUIT <= max))) {
        if (pMsg)
            *pMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(State().quitCode), 0, MessageQueue::Now(), {0, 0}};
        if (remove)
            State().quitPosted = false;
        return true;
    }
    return false;
}

// Without an application hook, the windows from the target up to its
// top-level window get PreTranslateMessage.
BOOL PreTranslate(MSG *pMsg)
{
    if (State().preTranslate)
        return State().preTranslate(pMsg);
    if (!pMsg->hwnd)
        return FALSE;
    return CWnd::WalkPreTranslateTree(GetTopLevelWindow(pMsg->hwnd), pMsg);
}

// Whether a message makes the next idle time run the idle hook.
void NoteForIdle(const MSG &msg)
{
    auto &state = State();
    if (msg.message == WM_PAINT)
        return;
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        if (msg.pt.x == state.lastMouse.x && msg.pt.y == state.lastMouse.y)
            return;
        state.lastMouse = msg.pt;
    }
    state.idleNeeded = true;
}

// Runs program code that no window procedure wraps (pre-translation, idle
// time, timer callbacks) so that nothing it throws reaches Qt: the failure is reported as a
// handler's is, and the caller learns that the code did not finish.
template <class Code>
bool RunGuarded(Code &&code)
{
    try {
        code();
        return true;
    } catch (CException *e) {
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONSTOP);
        e->Delete();
    } catch (const std::exception &e) {
        WindowCore::ReportUncaught(e.what());
    } catch (...) {
        WindowCore::ReportUncaught("unknown exception");
    }
    return false;
}

void RunIdle()
{
    auto &state = State();
    if (!state.idle || !state.idleNeeded || state.fetchingLoops > 0)
        return;
    state.idleNeeded = false;
    for (LONG count = 0; count < 32; ++count) {
        bool more = false;
        if (!RunGuarded([&]() { more = state.idle(count) != FALSE; }) || !more)
            break;
    }
}

void Dispatch(MSG &msg)
{
    if (msg.message == WM_QUIT)
        return;
    NoteForIdle(msg);
    // A message whose pre-translation failed is dropped.
    BOOL translated = FALSE;
    if (!RunGuarded([&]() { translated = PreTranslate(&msg); }))
        return;
    if (!translated) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

} // namespace

DWORD MessageQueue::Now()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return static_cast<DWORD>(clock.elapsed());
}

void MessageQueue::PostInput(const MSG &msg)
{
    // A timer whose WM_TIMER still waits in the queue is not queued again:
    // a loop that reads slowly gets one tick per timer, not a burst.
    auto &queue = State().queue;
    bool waiting =
        msg.message == WM_TIMER && std::any_of(queue.begin(), queue.end(), [&msg](const MSG &m) {
            return m.message == WM_TIMER && m.hwnd == msg.hwnd && m.wParam == msg.wParam && m.lParam == msg.lParam;
        });
    if (!waiting)
        queue.push_back(msg);
    if (!waiting && IsKeyboardInput(msg.message)) {
        auto &keyboards = State().keyboards;
        keyboards.push_back(KeyboardAtInput{msg, InputState::CurrentKeyboard()});
        while (keyboards.size() > 256)
            keyboards.pop_front();
    }
    if (State().fetchingLoops == 0)
        PlexoDrainMessages();
}

void MessageQueue::RememberTypedText(const MSG &keyDown, const QByteArray &utf8)
{
    auto &typed = State().typed;
    typed.push_back(TypedText{keyDown, utf8});
    while (typed.size() > 64)
        typed.pop_front();
}

void MessageQueue::Forget(HWND hWnd)
{
    auto &queue = State().queue;
    for (auto it = queue.begin(); it != queue.end();)
        it = it->hwnd == hWnd ? queue.erase(it) : it + 1;
    auto &typed = State().typed;
    for (auto it = typed.begin(); it != typed.end();)
        it = it->keyDown.hwnd == hWnd ? typed.erase(it) : it + 1;
    auto &keyboards = State().keyboards;
    for (auto it = keyboards.begin(); it != keyboards.end();)
        it = it->input.hwnd == hWnd ? keyboards.erase(it) : it + 1;
}

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    // WM_COPYDATA is the one message that can reach another running copy's
    // window: its data is bytes, not pointers into this process.
    if (Msg == WM_COPYDATA && lParam != 0 && !WindowRegistry::IsLive(hWnd)) {
        const PlexoForeignWindowOps *foreign = PlexoForeignWindows();
        return foreign && foreign->copyData ? foreign->copyData(hWnd, reinterpret_cast<HWND>(wParam),
                                                                reinterpret_cast<const COPYDATASTRUCT *>(lParam))
                                            : FALSE;
    }
    return WindowCore::Call(hWnd, Msg, wParam, lParam);
}

BOOL SendNotifyMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd))
        return FALSE;
    SendMessage(hWnd, Msg, wParam, lParam);
    return TRUE;
}

BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd && !IsWindow(hWnd))
        return FALSE;
    POINT pt;
    GetCursorPos(&pt);
    State().queue.push_back(MSG{hWnd, Msg, wParam, lParam, MessageQueue::Now(), pt});
    RequestDrain();
    return TRUE;
}

void PostQuitMessage(int nExitCode)
{
    State().quitPosted = true;
    State().quitCode = nExitCode;
    RequestDrain();
}

int PlexoQuitCode()
{
    return State().quitCode;
}

BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
    ++State().fetchingLoops;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    BOOL found = TakeMatching(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, (wRemoveMsg & PM_REMOVE) != 0) ? TRUE : FALSE;
    EndFetching();
    return found;
}

BOOL GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax)
{
    ++State().fetchingLoops;
    MSG msg{};
    while (!TakeMatching(&msg, hWnd, wMsgFilterMin, wMsgFilterMax, true))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    EndFetching();
    if (lpMsg)
        *lpMsg = msg;
    return msg.message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage()
{
    ++State().fetchingLoops;
    if (State().queue.empty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    EndFetching();
    return TRUE;
}

BOOL TranslateMessage(const MSG *lpMsg)
{
    if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN))
        return FALSE;
    auto &typed = State().typed;
    for (auto it = typed.begin(); it != typed.end(); ++it) {
        const MSG &k = it->keyDown;
        if (k.hwnd != lpMsg->hwnd || k.message != lpMsg->message || k.wParam != lpMsg->wParam ||
            k.lParam != lpMsg->lParam || k.time != lpMsg->time)
            continue;
        QByteArray utf8 = it->utf8;
        typed.erase(it);
        UINT charMessage = lpMsg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
        // The characters come next, ahead of anything queued meanwhile.
        auto &queue = State().queue;
        for (int i = utf8.size() - 1; i >= 0; --i)
            queue.push_front(
                MSG{lpMsg->hwnd, charMessage, static_cast<BYTE>(utf8[i]), lpMsg->lParam, lpMsg->time, lpMsg->pt});
        return utf8.isEmpty() ? FALSE : TRUE;
    }
    return FALSE;
}

LRESULT DispatchMessage(const MSG *lpMsg)
{
    if (!lpMsg)
        return 0;
    MSG saved = State().current;
    State().current = *lpMsg;
    LRESULT result = 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        auto callback = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
        RunGuarded([&]() { callback(lpMsg->hwnd, WM_TIMER, static_cast<UINT_PTR>(lpMsg->wParam), lpMsg->time); });
    } else if (lpMsg->hwnd) {
        result = SendMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
    }
    State().current = saved;
    return result;
}

DWORD GetMessageTime()
{
    return State().current.time;
}

DWORD GetMessagePos()
{
    const POINT &pt = State().current.pt;
    return static_cast<DWORD>(MAKELONG(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
}

PlexoIdleHook PlexoSetIdleHook(PlexoIdleHook pfnHook)
{
    PlexoIdleHook old = State().idle;
    State().idle = pfnHook;
    State().idleNeeded = true;
    ConnectIdle();
    return old;
}

PlexoPreTranslateHook PlexoSetPreTranslateHook(PlexoPreTranslateHook pfnHook)
{
    PlexoPreTranslateHook old = State().preTranslate;
    State().preTranslate = pfnHook;
    return old;
}

BOOL PlexoPumpMessage()
{
    MSG msg;
    if (!GetMessage(&msg, nullptr, 0, 0))
        return FALSE;
    Dispatch(msg);
    return TRUE;
}

void PlexoDrainMessages()
{
    auto &state = State();
    if (state.fetchingLoops > 0)
        return;
    ++state.draining;
    while (!state.queue.empty() && state.fetchingLoops == 0) {
        MSG msg = state.queue.front();
        state.queue.pop_front();
        RestoreKeyboardOf(msg);
        Dispatch(msg);
    }
    --state.draining;
}

UINT RegisterWindowMessage(LPCTSTR lpString)
{
    static std::map<std::string, UINT> ids;
    static UINT next = 0xC000;
    if (!lpString || !*lpString)
        return 0;
    std::string key = QByteArray(lpString).toLower().toStdString();
    auto it = ids.find(key);
    if (it != ids.end())
        return it->second;
    if (next > 0xFFFF)
        return 0;
    ids.emplace(key, next);
    return next++;
}

LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}
