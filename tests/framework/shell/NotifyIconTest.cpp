#include "WindowTestSupport.h"

#include "framework/shell/CriticalSection.h"
#include "framework/shellui/NotifyArea.h"
#include "framework/shellui/NotifyIcon.h"
#include "framework/window/MessageApi.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr UINT kCallback = WM_USER + 100;
constexpr UINT kIconId = 104;

NOTIFYICONDATA IconData(HWND hWnd, const char *tip)
{
    NOTIFYICONDATA data{};
    data.cbSize = 88;
    data.hWnd = hWnd;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallback;
    data.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    std::strncpy(data.szTip, tip, sizeof data.szTip - 1);
    return data;
}

bool g_trayThere = false;
bool TrayProbe()
{
    return g_trayThere;
}

class NotifyIconTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_trayThere = false;
        NotifyArea::SetTrayProbe(&TrayProbe);
        ASSERT_TRUE(CreateTopLevel(frame, RECT{0, 0, 200, 150}, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    }
    void TearDown() override
    {
        NOTIFYICONDATA data = IconData(frame.m_hWnd, "");
        Shell_NotifyIcon(NIM_DELETE, &data);
        NotifyArea::SetTrayProbe(nullptr);
    }
    std::vector<LPARAM> Callbacks()
    {
        std::vector<LPARAM> mouse;
        for (const RecordedMessage &m : frame.Only({kCallback})) {
            EXPECT_EQ(m.wParam, kIconId);
            mouse.push_back(m.lParam);
        }
        return mouse;
    }

    CRecordingWnd frame;
};

TEST_F(NotifyIconTest, TheStandInWindowGivesTheCallbackMessages)
{
    NOTIFYICONDATA data = IconData(frame.m_hWnd, "Kilnsmith");
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &data));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &data)); // one icon per window and id
    QWidget *standIn = NotifyArea::StandIn(frame.m_hWnd, kIconId);
    ASSERT_NE(standIn, nullptr);
    EXPECT_TRUE(standIn->isVisible());
    EXPECT_EQ(standIn->toolTip(), QString("Kilnsmith"));

    // The frame hides itself in the notification area; the stand-in stays.
    frame.ShowWindow(SW_HIDE);
    EXPECT_TRUE(standIn->isVisible());

    frame.Clear();
    QTest::mouseDClick(standIn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(standIn, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    PumpEvents();
    std::vector<LPARAM> mouse = Callbacks();
    EXPECT_NE(std::find(mouse.begin(), mouse.end(), WM_LBUTTONDBLCLK), mouse.end());
    EXPECT_EQ(mouse.back(), static_cast<LPARAM>(WM_RBUTTONUP));

    // A modified tip shows; a tip without its zero is cut at 63 bytes.
    std::memset(data.szTip, 'x', sizeof data.szTip);
    data.uFlags = NIF_TIP;
    ASSERT_TRUE(Shell_NotifyIcon(NIM_MODIFY, &data));
    EXPECT_EQ(standIn->toolTip(), QString(63, 'x'));
}

TEST_F(NotifyIconTest, DeleteAndAddAgain)
{
    NOTIFYICONDATA data = IconData(frame.m_hWnd, "tip");
    EXPECT_FALSE(Shell_NotifyIcon(NIM_DELETE, &data));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_MODIFY, &data));
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &data));
    ASSERT_TRUE(Shell_NotifyIcon(NIM_DELETE, &data));
    EXPECT_EQ(NotifyArea::StandIn(frame.m_hWnd, kIconId), nullptr);
    EXPECT_FALSE(Shell_NotifyIcon(NIM_DELETE, &data));
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &data));
    QWidget *standIn = NotifyArea::StandIn(frame.m_hWnd, kIconId);
    ASSERT_NE(standIn, nullptr);
    frame.Clear();
    QTest::mouseDClick(standIn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    PumpEvents();
    EXPECT_FALSE(Callbacks().empty());

    // No icon for a window that does not exist.
    NOTIFYICONDATA orphan = IconData(reinterpret_cast<HWND>(0x1234), "tip");
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &orphan));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, nullptr));
}

// A window-procedure hook on the frame, kept as a chain in a window
// property, as the wizard's icon hooks its frame.
struct Hook {
    WNDPROC previous = nullptr;
    Hook *next = nullptr;
    HWND hWnd = nullptr;
    std::vector<UINT> seen;
};

CCriticalSection g_chainLock;
const char kHeadProperty[] = "HookWnd_P";

LRESULT HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT PassDown(Hook *hook, UINT message, WPARAM wParam, LPARAM lParam)
{
    hook->seen.push_back(message);
    if (hook->next)
        return PassDown(hook->next, message, wParam, lParam);
    return CallWindowProc(hook->previous, hook->hWnd, message, wParam, lParam);
}

LRESULT HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Hook *head = static_cast<Hook *>(GetProp(hWnd, kHeadProperty));
    return head ? PassDown(head, message, wParam, lParam) : DefWindowProc(hWnd, message, wParam, lParam);
}

void HookWindow(Hook &hook, HWND hWnd)
{
    g_chainLock.Lock();
    hook.hWnd = hWnd;
    hook.next = static_cast<Hook *>(GetProp(hWnd, kHeadProperty));
    SetProp(hWnd, kHeadProperty, &hook);
    if (hook.next)
        hook.previous = hook.next->previous;
    else
        hook.previous =
            reinterpret_cast<WNDPROC>(SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
    g_chainLock.Unlock();
}

void Unhook(Hook &hook)
{
    g_chainLock.Lock();
    Hook *head = static_cast<Hook *>(GetProp(hook.hWnd, kHeadProperty));
    if (head == &hook) {
        if (hook.next) {
            SetProp(hook.hWnd, kHeadProperty, hook.next);
        } else {
            RemoveProp(hook.hWnd, kHeadProperty);
            SetWindowLongPtr(hook.hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.previous));
        }
    } else {
        for (Hook *h = head; h; h = h->next)
            if (h->next == &hook)
                h->next = hook.next;
    }
    hook.hWnd = nullptr;
    hook.next = nullptr;
    g_chainLock.Unlock();
}

TEST_F(NotifyIconTest, TaskbarCreatedReachesAHookedFrameWhenTheAreaAppears)
{
    const UINT taskbarCreated = RegisterWindowMessage("TaskbarCreated");
    NOTIFYICONDATA data = IconData(frame.m_hWnd, "Kilnsmith");
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &data));
    Hook hook;
    HookWindow(hook, frame.m_hWnd);

    g_trayThere = true;
    NotifyArea::Recheck();
    EXPECT_TRUE(NotifyArea::IsInNotificationArea(frame.m_hWnd, kIconId));
    EXPECT_EQ(NotifyArea::StandIn(frame.m_hWnd, kIconId), nullptr);
    EXPECT_NE(std::find(hook.seen.begin(), hook.seen.end(), taskbarCreated), hook.seen.end());
    EXPECT_EQ(frame.Only({taskbarCreated}).size(), 1u); // the hook passed it on to the window
    Unhook(hook);

    // Gone again: the icon goes back to its stand-in.
    g_trayThere = false;
    NotifyArea::Recheck();
    EXPECT_NE(NotifyArea::StandIn(frame.m_hWnd, kIconId), nullptr);
}

TEST_F(NotifyIconTest, ChainedHooksComeOffInEitherOrder)
{
    const WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtr(frame.m_hWnd, GWLP_WNDPROC));
    for (bool firstOffFirst : {true, false}) {
        SCOPED_TRACE(firstOffFirst ? "older hook off first" : "newer hook off first");
        Hook older, newer;
        HookWindow(older, frame.m_hWnd);
        HookWindow(newer, frame.m_hWnd);
        frame.Clear();
        frame.SendMessage(WM_USER + 7, 1, 2);
        EXPECT_EQ(older.seen.size(), 1u);
        EXPECT_EQ(newer.seen.size(), 1u);
        EXPECT_EQ(frame.Only({WM_USER + 7}).size(), 1u);

        Unhook(firstOffFirst ? older : newer);
        Hook &remaining = firstOffFirst ? newer : older;
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(frame.m_hWnd, GWLP_WNDPROC)), &HookProc);
        frame.SendMessage(WM_USER + 7, 3, 4);
        EXPECT_EQ(remaining.seen.size(), 2u);
        EXPECT_EQ(frame.Only({WM_USER + 7}).size(), 2u);

        Unhook(remaining);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(frame.m_hWnd, GWLP_WNDPROC)), original);
        EXPECT_EQ(GetProp(frame.m_hWnd, kHeadProperty), nullptr);
        frame.SendMessage(WM_USER + 7, 5, 6);
        EXPECT_EQ(frame.Only({WM_USER + 7}).size(), 3u);
    }
}

} // namespace
