// Message maps, the procedure chain, sending and posting.
#include "WindowTestSupport.h"

#include "framework/object/Exceptions.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

const UINT WM_PING = WM_USER + 1;
const UINT WM_NEST = WM_USER + 2;
const UINT WM_THROW = WM_USER + 3;
const UINT WM_HOOKED = WM_USER + 4;
UINT g_wmRegistered = RegisterWindowMessage("Plexo.Test.Registered");

std::string Args(const char *name, long long a, long long b, long long c = 0)
{
    return std::string(name) + " " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c);
}

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> log;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        log.push_back(Args("base-left", nFlags, point.x, point.y));
    }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point)
    {
        log.push_back(Args("base-right", nFlags, point.x, point.y));
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        log.push_back(Args("base-ping", static_cast<long long>(wParam), lParam));
        return 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_PING, OnPing)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
public:
    int nestDepthSeen = 0;
    std::vector<int> throwsSeen;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        log.push_back(Args("derived-left", nFlags, point.x, point.y));
        CBaseWnd::OnLButtonDown(nFlags, point);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) { log.push_back(Args("size", nType, cx, cy)); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        log.push_back(Args("key", nChar, nRepCnt, nFlags));
    }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        log.push_back(Args("wheel", nFlags, zDelta, pt.x));
        return TRUE;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { log.push_back(Args("timer", static_cast<long long>(nIDEvent), 0)); }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM)
    {
        log.push_back(Args("registered", static_cast<long long>(wParam), 0));
        return 11;
    }
    // Sends itself the same message with a smaller depth, then reads the
    // message it is handling: nested sends must not disturb it.
    afx_msg LRESULT OnNest(WPARAM wParam, LPARAM)
    {
        log.push_back("enter " + std::to_string(wParam));
        if (wParam > 1)
            SendMessage(WM_NEST, wParam - 1, 0);
        log.push_back("leave " + std::to_string(GetCurrentMessage()->wParam));
        return static_cast<LRESULT>(wParam * 10);
    }
    afx_msg LRESULT OnThrow(WPARAM wParam, LPARAM)
    {
        throwsSeen.push_back(static_cast<int>(wParam));
        if (wParam == 1)
            AfxThrowUserException();
        if (wParam == 2)
            throw std::runtime_error("handler failed");
        if (wParam == 4)
            AfxThrowMemoryException();
        return 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_WM_LBUTTONDOWN()
ON_WM_SIZE()
ON_WM_KEYDOWN()
ON_WM_MOUSEWHEEL()
ON_WM_TIMER()
ON_REGISTERED_MESSAGE(g_wmRegistered, OnRegistered)
ON_MESSAGE(WM_NEST, OnNest)
ON_MESSAGE(WM_THROW, OnThrow)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(wnd, RECT{10, 10, 210, 110}));
        wnd.log.clear();
    }
    CDerivedWnd wnd;
};

TEST_F(MessageMapTest, DerivedEntryRunsFirstAndBaseEntriesStillServe)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    wnd.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(5, 6));
    EXPECT_EQ(wnd.SendMessage(WM_PING, 8, 9), 7);
    std::vector<std::string> expected{"derived-left 1 3 4", "base-left 1 3 4", "base-right 6 5 6", "base-ping 8 9 0"};
    EXPECT_EQ(wnd.log, expected);
}

struct UnpackCase {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char *expected;
};

TEST_F(MessageMapTest, HandlersGetTheirArgumentsUnpacked)
{
    const UnpackCase cases[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(-5, -7), "derived-left 9 -5 -7"},
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), "size 2 640 480"},
        {WM_KEYDOWN, 'A', 0x401E0003, "key 65 3 16414"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-240)), MAKELPARAM(300, 20), "wheel 4 -240 300"},
        {WM_TIMER, 42, 0, "timer 42 0 0"},
    };
    for (const UnpackCase &c : cases) {
        wnd.log.clear();
        wnd.SendMessage(c.message, c.wParam, c.lParam);
        ASSERT_FALSE(wnd.log.empty()) << c.expected;
        EXPECT_EQ(wnd.log.front(), c.expected);
    }
}

TEST_F(MessageMapTest, UnmappedMessagesReachTheDefaultProcedure)
{
    wnd.SetWindowText("Orchard");
    char buffer[4];
    EXPECT_EQ(wnd.SendMessage(WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_STREQ(buffer, "Orc");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "Orchard");
}

TEST_F(MessageMapTest, RegisteredMessagesShareIdsByName)
{
    EXPECT_GE(g_wmRegistered, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("plexo.test.REGISTERED"), g_wmRegistered);
    EXPECT_NE(RegisterWindowMessage("Plexo.Test.Other"), g_wmRegistered);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
    EXPECT_EQ(wnd.SendMessage(g_wmRegistered, 3, 0), 11);
    EXPECT_EQ(wnd.log, std::vector<std::string>{"registered 3 0 0"});
}

TEST_F(MessageMapTest, SendIsSynchronousAndReentrant)
{
    EXPECT_EQ(wnd.SendMessage(WM_NEST, 3, 0), 30);
    std::vector<std::string> expected{"enter 3", "enter 2", "enter 1", "leave 1", "leave 2", "leave 3"};
    EXPECT_EQ(wnd.log, expected);
}

TEST_F(MessageMapTest, PostedMessagesArriveLaterInOrder)
{
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(wnd.PostMessage(WM_PING, static_cast<WPARAM>(i), 0));
    EXPECT_TRUE(wnd.log.empty());
    PumpEvents();
    std::vector<std::string> expected{"base-ping 1 0 0", "base-ping 2 0 0", "base-ping 3 0 0"};
    EXPECT_EQ(wnd.log, expected);
}

TEST_F(MessageMapTest, PostToADeadWindowFails)
{
    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_FALSE(PostMessage(hWnd, WM_PING, 0, 0));
    EXPECT_EQ(SendMessage(hWnd, WM_PING, 0, 0), 0);
}

std::vector<std::string> g_reports;
int RecordReport(LPCTSTR lpszText, UINT, UINT)
{
    g_reports.push_back(lpszText);
    return IDOK;
}

TEST_F(MessageMapTest, AThrowingHandlerIsReportedAndTheProgramGoesOn)
{
    g_reports.clear();
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&RecordReport);
    EXPECT_EQ(wnd.SendMessage(WM_THROW, 1, 0), 0); // the user was told already: no report
    EXPECT_EQ(wnd.SendMessage(WM_THROW, 2, 0), 0);
    EXPECT_EQ(wnd.SendMessage(WM_THROW, 4, 0), 0);
    wnd.PostMessage(WM_THROW, 4, 0);
    wnd.PostMessage(WM_THROW, 3, 0);
    PumpEvents();
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(wnd.throwsSeen, (std::vector<int>{1, 2, 4, 4, 3}));
    EXPECT_EQ(wnd.SendMessage(WM_THROW, 3, 0), 5);
    ASSERT_EQ(g_reports.size(), 3u);
    EXPECT_NE(g_reports[0].find("handler failed"), std::string::npos);
    EXPECT_EQ(g_reports[1], g_reports[2]);
}

class CFailingWnd : public CWnd {
public:
    int paints = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { AfxThrowMemoryException(); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WindowFailures, AFailingCreateHandlerFailsTheCreation)
{
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&RecordReport);
    CFailingWnd wnd;
    EXPECT_FALSE(CreateTopLevel(wnd, RECT{0, 0, 10, 10}));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    AfxSetMessageBoxHandler(previous);
}

// ---- The procedure chain

std::vector<std::string> g_hookLog;
WNDPROC g_previous = nullptr;

LRESULT HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PING)
        g_hookLog.push_back("hook " + std::to_string(wParam));
    if (message == WM_HOOKED)
        return 99; // eaten: the object never sees it
    return CallWindowProc(g_previous, hWnd, message, wParam, lParam);
}

TEST_F(MessageMapTest, ASubclassingProcedureSeesMessagesFirstAndPassesThemOn)
{
    g_hookLog.clear();
    g_previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(wnd.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
    ASSERT_NE(g_previous, nullptr);
    EXPECT_EQ(wnd.SendMessage(WM_PING, 4, 0), 7);
    EXPECT_EQ(wnd.SendMessage(WM_HOOKED, 0, 0), 99);
    EXPECT_EQ(g_hookLog, std::vector<std::string>{"hook 4"});
    EXPECT_EQ(wnd.log, std::vector<std::string>{"base-ping 4 0 0"});

    SetWindowLongPtr(wnd.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    wnd.SendMessage(WM_PING, 5, 0);
    EXPECT_EQ(g_hookLog.size(), 1u);
}

std::vector<std::string> g_classLog;
LRESULT ClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PING) {
        g_classLog.push_back("class " + std::to_string(wParam));
        return 3;
    }
    return DefWindowProc(hWnd, message, wParam, lParam);
}

class CPassOnWnd : public CWnd {
public:
    std::vector<std::string> log;

protected:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM)
    {
        log.push_back("object " + std::to_string(wParam));
        return Default() + 100;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPassOnWnd, CWnd)
ON_MESSAGE(WM_PING, OnPing)
END_MESSAGE_MAP()

TEST(WindowSubclassing, AnObjectBorrowsAWindowAndGivesItBack)
{
    WNDCLASS wc{};
    wc.lpfnWndProc = &ClassProc;
    wc.lpszClassName = "PlexoTestPlainClass";
    RegisterClass(&wc);
    HWND hWnd =
        CreateWindowEx(0, "PlexoTestPlainClass", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    g_classLog.clear();

    CPassOnWnd object;
    ASSERT_TRUE(object.SubclassWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &object);
    EXPECT_EQ(SendMessage(hWnd, WM_PING, 1, 0), 103);
    EXPECT_EQ(object.log, std::vector<std::string>{"object 1"});
    EXPECT_EQ(g_classLog, std::vector<std::string>{"class 1"});

    EXPECT_EQ(object.UnsubclassWindow(), hWnd);
    EXPECT_EQ(SendMessage(hWnd, WM_PING, 2, 0), 3);
    EXPECT_EQ(object.log.size(), 1u);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    DestroyWindow(hWnd);
    EXPECT_FALSE(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(
        CreateWindowEx(0, "PlexoTestPlainClass", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(MessageMapTest, WindowPropertiesAreKeptByNameWithoutCase)
{
    int a = 0, b = 0;
    EXPECT_TRUE(wnd.SetProp("Plexo.Hook", &a));
    EXPECT_TRUE(wnd.SetProp("Other", &b));
    EXPECT_EQ(wnd.GetProp("plexo.hook"), &a);
    EXPECT_EQ(wnd.RemoveProp("PLEXO.HOOK"), &a);
    EXPECT_EQ(wnd.GetProp("Plexo.Hook"), nullptr);
    EXPECT_EQ(wnd.GetProp("other"), &b);
}

// ---- Creation and destruction

std::vector<std::string> g_lifeLog;

class CLifeWnd : public CWnd {
public:
    explicit CLifeWnd(std::string name, bool refuse = false) : m_name(std::move(name)), m_refuse(refuse) {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        g_lifeLog.push_back(m_name + " create " + lpcs->lpszName);
        return m_refuse ? -1 : CWnd::OnCreate(lpcs);
    }
    afx_msg void OnDestroy()
    {
        g_lifeLog.push_back(m_name + " destroy");
        CWnd::OnDestroy();
    }
    afx_msg void OnNcDestroy()
    {
        g_lifeLog.push_back(m_name + " ncdestroy");
        CWnd::OnNcDestroy();
    }
    void PostNcDestroy() override { g_lifeLog.push_back(m_name + " gone"); }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
    bool m_refuse;
};

BEGIN_MESSAGE_MAP(CLifeWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

TEST(WindowLife, ParentsAreDestroyedFirstAndFinishedLast)
{
    g_lifeLog.clear();
    CLifeWnd parent("parent"), child("child");
    ASSERT_TRUE(CreateTopLevel(parent, RECT{0, 0, 100, 100}, WS_POPUP));
    ASSERT_TRUE(child.Create(nullptr, "c", WS_VISIBLE, RECT{0, 0, 10, 10}, &parent, 5));
    EXPECT_EQ(parent.GetDlgItem(5), &child);
    EXPECT_EQ(child.GetParent(), &parent);
    HWND hChild = child.m_hWnd;
    parent.DestroyWindow();
    EXPECT_FALSE(IsWindow(hChild));
    EXPECT_EQ(child.m_hWnd, nullptr);
    std::vector<std::string> expected{"parent create Test", "child create c", "parent destroy",   "child destroy",
                                      "child ncdestroy",    "child gone",     "parent ncdestroy", "parent gone"};
    EXPECT_EQ(g_lifeLog, expected);
}

TEST(WindowLife, CreateFailsWhenOnCreateRefuses)
{
    g_lifeLog.clear();
    CLifeWnd refusing("refusing", true);
    EXPECT_FALSE(CreateTopLevel(refusing, RECT{0, 0, 10, 10}));
    EXPECT_EQ(refusing.m_hWnd, nullptr);
    EXPECT_EQ(g_lifeLog.back(), "refusing gone");
}

} // namespace

namespace {

// An object that borrows another window's handle without attaching to it,
// running the host's messages through its own map.
class CBorrower : public CWnd {
public:
    std::vector<UINT> keys;
    BOOL Borrow(CWnd *pHost)
    {
        m_hWnd = pHost->m_hWnd;
        return TRUE;
    }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT) { keys.push_back(nChar); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBorrower, CWnd)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

TEST(WindowBorrowing, ABorrowerHandlesTheHostsMessagesAndLeavesTheHostAlive)
{
    CRecordingWnd host;
    ASSERT_TRUE(CreateTopLevel(host, RECT{0, 0, 40, 40}));
    {
        CBorrower borrower;
        borrower.Borrow(&host);
        LRESULT result = 0;
        EXPECT_TRUE(borrower.OnWndMsg(WM_KEYDOWN, 'K', 1, &result));
        EXPECT_FALSE(borrower.OnWndMsg(WM_KEYUP, 'K', 1, &result));
        EXPECT_EQ(borrower.keys, std::vector<UINT>{'K'});
        EXPECT_EQ(CWnd::FromHandlePermanent(host.m_hWnd), &host);
    }
    EXPECT_TRUE(IsWindow(host.m_hWnd));
}

std::vector<std::string> g_preSubclass;

class CPreparingWnd : public CWnd {
protected:
    void PreSubclassWindow() override
    {
        // The object already has its window; its procedure is not in place yet.
        bool procInPlace = GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc);
        g_preSubclass.push_back(procInPlace ? "after" : "before");
    }
};

TEST(WindowSubclassing, PreSubclassWindowRunsWhenAnObjectTakesAWindow)
{
    g_preSubclass.clear();
    CPreparingWnd created;
    ASSERT_TRUE(CreateTopLevel(created, RECT{0, 0, 10, 10}));
    HWND plain = CreateWindowEx(0, TestWindowClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CPreparingWnd subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(plain));
    EXPECT_EQ(g_preSubclass, (std::vector<std::string>{"before", "before"}));
}

} // namespace

#include <QEventLoop>
#include <QTimer>

namespace {

// Runs a real event loop (which waits, and so has idle times) for a while.
void RunEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

std::vector<LONG> g_idleCounts;
BOOL CountIdle(LONG lCount)
{
    g_idleCounts.push_back(lCount);
    return lCount < 2; // three passes: 0, 1, 2
}

TEST(IdleTime, TheIdleHookRunsWhenTheLoopWaitsAfterAMessage)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 10, 10}));
    PlexoIdleHook previous = PlexoSetIdleHook(&CountIdle);
    RunEventLoop(10); // the first idle time after start
    EXPECT_FALSE(g_idleCounts.empty());
    g_idleCounts.clear();
    wnd.PostMessage(WM_USER + 20, 0, 0);
    RunEventLoop(30);
    EXPECT_EQ(g_idleCounts, (std::vector<LONG>{0, 1, 2}));
    EXPECT_EQ(wnd.Only({WM_USER + 20}).size(), 1u);
    // Nothing happened since: waiting again runs no idle pass.
    g_idleCounts.clear();
    RunEventLoop(30);
    EXPECT_TRUE(g_idleCounts.empty());
    PlexoSetIdleHook(previous);
}

// Pre-translation and idle time run program code outside any window
// procedure: what it throws is reported and the loop goes on.
class CThrowingPreTranslateWnd : public CRecordingWnd {
public:
    BOOL PreTranslateMessage(MSG *pMsg) override
    {
        if (pMsg->message == WM_USER + 40)
            throw std::runtime_error("pre-translation failed");
        if (pMsg->message == WM_USER + 41)
            throw 41;
        return FALSE;
    }
};

BOOL ThrowingIdle(LONG)
{
    throw 7;
}

TEST(LoopFailures, PreTranslationAndIdleFailuresAreReportedAndTheLoopGoesOn)
{
    g_reports.clear();
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&RecordReport);
    CThrowingPreTranslateWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 10, 10}));
    wnd.PostMessage(WM_USER + 40, 0, 0);
    wnd.PostMessage(WM_USER + 41, 0, 0);
    wnd.PostMessage(WM_USER + 42, 0, 0);
    EXPECT_NO_THROW(PumpEvents());
    EXPECT_TRUE(wnd.Only({WM_USER + 40, WM_USER + 41}).empty()); // dropped
    EXPECT_EQ(wnd.Only({WM_USER + 42}).size(), 1u);
    ASSERT_EQ(g_reports.size(), 2u);
    EXPECT_NE(g_reports[0].find("pre-translation failed"), std::string::npos);

    PlexoIdleHook previousIdle = PlexoSetIdleHook(&ThrowingIdle);
    wnd.PostMessage(WM_USER + 43, 0, 0);
    RunEventLoop(20);
    PlexoSetIdleHook(previousIdle);
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(wnd.Only({WM_USER + 43}).size(), 1u);
    EXPECT_GE(g_reports.size(), 3u);
}

// A loop that peeks for some messages leaves the others to the program's
// loop, which still dispatches them afterwards.
TEST(LoopFailures, MessagesAPeekingLoopLeavesStillArrive)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 10, 10}));
    MSG msg;
    wnd.PostMessage(WM_USER + 50, 0, 0);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)); // another filter
    RunEventLoop(10);
    EXPECT_EQ(wnd.Only({WM_USER + 50}).size(), 1u);
    wnd.PostMessage(WM_USER + 51, 0, 0);
    EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)); // only looked at
    RunEventLoop(10);
    EXPECT_EQ(wnd.Only({WM_USER + 51}).size(), 1u);
}

// A timer callback that fails is reported like a handler, except a user
// exception, which means the user was told already.
void FailingTimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    if (nIDEvent == 1)
        AfxThrowUserException();
    throw std::runtime_error("timer callback failed");
}

TEST(LoopFailures, TimerCallbackFailuresAreReportedLikeHandlers)
{
    g_reports.clear();
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&RecordReport);
    for (UINT_PTR id : {1, 2}) {
        MSG msg{nullptr, WM_TIMER, id, reinterpret_cast<LPARAM>(&FailingTimerProc), 0, {0, 0}};
        EXPECT_NO_THROW(DispatchMessage(&msg));
    }
    AfxSetMessageBoxHandler(previous);
    ASSERT_EQ(g_reports.size(), 1u);
    EXPECT_NE(g_reports[0].find("timer callback failed"), std::string::npos);
}

} // namespace
