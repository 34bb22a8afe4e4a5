// The window hook chain: order of the hooks, taking them off in any order,
// the current-message record, and the end of a window.
#include "FrameTestSupport.h"

#include "framework/window/WindowApi.h"
#include "kilnsmith/frame/HookWnd.h"

namespace {

// Records what it sees into a shared log, then passes the message on.
class CLoggingHook : public CHookWnd {
public:
    CLoggingHook(const char *pszName, std::vector<std::string> &log) : m_strName(pszName), m_log(log) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kProbe) {
            m_log.push_back(m_strName);
            const MSG *pMsg = CWnd::GetCurrentMessage();
            m_bSawCurrent = pMsg->message == kProbe && pMsg->wParam == wParam && pMsg->lParam == lParam;
            if (m_bSwallow)
                return 99;
            return Default();
        }
        if (message == WM_NCDESTROY)
            m_bSawNcDestroy = true;
        return CHookWnd::WindowProc(message, wParam, lParam);
    }
    static constexpr UINT kProbe = WM_USER + 7;
    bool m_bSwallow = false;
    bool m_bSawCurrent = false;
    bool m_bSawNcDestroy = false;

private:
    std::string m_strName;
    std::vector<std::string> &m_log;
};

// A window that logs the probe as the end of the chain.
class CProbeWnd : public CWnd {
public:
    explicit CProbeWnd(std::vector<std::string> &log) : m_log(log) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == CLoggingHook::kProbe) {
            m_log.push_back("window");
            return 7;
        }
        if (message == WM_NCDESTROY)
            m_bNcDestroyProperty = ::GetProp(m_hWnd, HOOKWND_PROPERTY) != nullptr;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    bool m_bNcDestroyProperty = true;

private:
    std::vector<std::string> &m_log;
};

class HookWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_wnd.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
        m_pfnOriginal = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_wnd.m_hWnd, GWLP_WNDPROC));
    }
    void TearDown() override
    {
        if (::IsWindow(m_wnd.m_hWnd))
            m_wnd.DestroyWindow();
    }
    std::vector<std::string> Probe()
    {
        m_log.clear();
        m_lastResult = m_wnd.SendMessage(CLoggingHook::kProbe, 3, 4);
        return m_log;
    }
    WNDPROC Procedure() const { return reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_wnd.m_hWnd, GWLP_WNDPROC)); }

    std::vector<std::string> m_log;
    CProbeWnd m_wnd{m_log};
    WNDPROC m_pfnOriginal = nullptr;
    LRESULT m_lastResult = 0;
};

using Log = std::vector<std::string>;

TEST_F(HookWndTest, TheNewestHookSeesAMessageFirstAndTheWindowLast)
{
    CLoggingHook first("first", m_log), second("second", m_log);
    ASSERT_TRUE(first.HookWindow(&m_wnd));
    ASSERT_TRUE(second.HookWindow(&m_wnd));
    EXPECT_EQ(Probe(), (Log{"second", "first", "window"}));
    EXPECT_EQ(m_lastResult, 7);
    EXPECT_TRUE(first.m_bSawCurrent);
    EXPECT_TRUE(second.m_bSawCurrent);
    EXPECT_EQ(::GetProp(m_wnd.m_hWnd, HOOKWND_PROPERTY), &second);
    EXPECT_EQ(Procedure(), &HookWndProc);
    // A hook that answers itself ends the message there.
    second.m_bSwallow = true;
    EXPECT_EQ(Probe(), (Log{"second"}));
    EXPECT_EQ(m_lastResult, 99);
    // A hook cannot go on two windows at once.
    CProbeWnd other(m_log);
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_FALSE(first.HookWindow(&other));
    other.DestroyWindow();
}

TEST_F(HookWndTest, PostedAndRegisteredMessagesPassTheChainToo)
{
    CLoggingHook hook("hook", m_log);
    ASSERT_TRUE(hook.HookWindow(&m_wnd));
    m_log.clear();
    ASSERT_TRUE(m_wnd.PostMessage(CLoggingHook::kProbe, 3, 4));
    PumpMessages();
    EXPECT_EQ(m_log, (Log{"hook", "window"}));

    // A registered message reaches the hook like any other.
    class CRegisteredHook : public CHookWnd {
    public:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == m_uMessage)
                return 1234;
            return CHookWnd::WindowProc(message, wParam, lParam);
        }
        UINT m_uMessage = ::RegisterWindowMessage("Kilnsmith.Test.Hook");
    } registered;
    ASSERT_TRUE(registered.HookWindow(&m_wnd));
    EXPECT_EQ(m_wnd.SendMessage(registered.m_uMessage), 1234);
}

TEST_F(HookWndTest, HooksComeOffInAnyOrderAndTheProcedureReturnsWithTheLast)
{
    struct Case {
        const char *name;
        std::vector<int> removeOrder; // indexes into the three hooks, put on 0, 1, 2
        std::vector<Log> after;       // what the probe reaches after each removal
    };
    const Case cases[] = {
        {"newest first", {2, 1, 0}, {{"h1", "h0", "window"}, {"h0", "window"}, {"window"}}},
        {"oldest first", {0, 1, 2}, {{"h2", "h1", "window"}, {"h2", "window"}, {"window"}}},
        {"middle first", {1, 2, 0}, {{"h2", "h0", "window"}, {"h0", "window"}, {"window"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CLoggingHook h0("h0", m_log), h1("h1", m_log), h2("h2", m_log);
        CLoggingHook *hooks[] = {&h0, &h1, &h2};
        for (CLoggingHook *pHook : hooks)
            ASSERT_TRUE(pHook->HookWindow(&m_wnd));
        EXPECT_EQ(Probe(), (Log{"h2", "h1", "h0", "window"}));
        for (size_t i = 0; i < c.removeOrder.size(); ++i) {
            hooks[c.removeOrder[i]]->Unhook();
            EXPECT_FALSE(hooks[c.removeOrder[i]]->IsHooked());
            EXPECT_EQ(Probe(), c.after[i]);
            const bool bLast = i + 1 == c.removeOrder.size();
            // The hook procedure stays until the last hook goes.
            EXPECT_EQ(Procedure(), bLast ? m_pfnOriginal : &HookWndProc);
            EXPECT_EQ(::GetProp(m_wnd.m_hWnd, HOOKWND_PROPERTY) == nullptr, bLast);
        }
        // Taking off a hook that is on no window is harmless.
        h0.Unhook();
        EXPECT_EQ(Probe(), (Log{"window"}));
    }
}

TEST_F(HookWndTest, TheEndOfTheWindowTakesEveryHookOffBeforeTheWindowHearsIt)
{
    CLoggingHook first("first", m_log), second("second", m_log);
    ASSERT_TRUE(first.HookWindow(&m_wnd));
    ASSERT_TRUE(second.HookWindow(&m_wnd));
    HWND hWnd = m_wnd.m_hWnd;
    m_wnd.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(first.IsHooked());
    EXPECT_FALSE(second.IsHooked());
    // The hooks are off already when WM_NCDESTROY arrives, so they never
    // see it; the window itself does, with no chain left on it.
    EXPECT_FALSE(first.m_bSawNcDestroy);
    EXPECT_FALSE(second.m_bSawNcDestroy);
    EXPECT_FALSE(m_wnd.m_bNcDestroyProperty);
    EXPECT_EQ(m_wnd.m_hWnd, nullptr);
}

TEST_F(HookWndTest, AHookDestroyedWhileOnAWindowComesOffFirst)
{
    CLoggingHook kept("kept", m_log);
    ASSERT_TRUE(kept.HookWindow(&m_wnd));
    {
        CLoggingHook brief("brief", m_log);
        ASSERT_TRUE(brief.HookWindow(&m_wnd));
        EXPECT_EQ(Probe(), (Log{"brief", "kept", "window"}));
    }
    EXPECT_EQ(Probe(), (Log{"kept", "window"}));
}

TEST_F(HookWndTest, TheCurrentMessageRecordIsRestoredAfterTheChain)
{
    CLoggingHook hook("hook", m_log);
    ASSERT_TRUE(hook.HookWindow(&m_wnd));
    MSG &record = AfxGetThreadState()->m_lastSentMsg;
    const MSG saved = record;
    record.message = WM_USER + 55;
    record.wParam = 11;
    Probe();
    EXPECT_TRUE(hook.m_bSawCurrent);
    EXPECT_EQ(record.message, static_cast<UINT>(WM_USER + 55));
    EXPECT_EQ(record.wParam, 11u);
    record = saved;
}

TEST(HookChainLock, IsOneReentrantLock)
{
    EXPECT_EQ(&HookChainLock(), &HookChainLock());
    EXPECT_TRUE(HookChainLock().Lock());
    EXPECT_TRUE(HookChainLock().Lock());
    HookChainLock().Unlock();
    HookChainLock().Unlock();
}

} // namespace
