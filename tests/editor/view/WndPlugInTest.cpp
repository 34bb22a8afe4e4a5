// The window plug-in: borrowing a host's handle, the answer a handler sets,
// default processing on request only, and a host that outlives its plug-in.
#include "editor/plugin/SECWndListener.h"
#include "editor/plugin/SECWndPlugIn.h"

#include "framework/collections/Maps.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const UINT WM_HOST_PING = WM_USER + 10;
const UINT WM_PLUGIN_PING = WM_USER + 11;

// A plug-in with handlers: a ping answered as told, a text-length request
// that asks for the window's default processing when told, a command.
class CTestPlugIn : public SECWndPlugIn {
public:
    LRESULT forcedAnswer = -1; // >= 0: SetMsgResult with it
    bool askForDefault = false;
    int pings = 0;
    int commands = 0;
    LRESULT defaultAnswer = -1;

protected:
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        ++pings;
        if (forcedAnswer >= 0)
            SetMsgResult(forcedAnswer);
        return 5;
    }
    afx_msg LRESULT OnGetTextLength(WPARAM, LPARAM)
    {
        if (askForDefault)
            RequestDefault();
        defaultAnswer = Default();
        return defaultAnswer;
    }
    afx_msg void OnTestCommand() { ++commands; }
    DECLARE_MESSAGE_MAP()
};

const UINT ID_TEST_COMMAND = 40100;

BEGIN_MESSAGE_MAP(CTestPlugIn, SECWndPlugIn)
ON_MESSAGE(WM_PLUGIN_PING, OnPing)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_COMMAND(ID_TEST_COMMAND, OnTestCommand)
END_MESSAGE_MAP()

// A host that offers every message to its plug-in first, as the editor
// view does, and answers a ping of its own.
class CHostWnd : public CWnd {
public:
    SECWndPlugIn *pPlugIn = nullptr;
    int hostPings = 0;

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        if (pPlugIn && pPlugIn->OnWndMsg(message, wParam, lParam, pResult))
            return TRUE;
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }

protected:
    afx_msg LRESULT OnHostPing(WPARAM, LPARAM)
    {
        ++hostPings;
        return 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
ON_MESSAGE(WM_HOST_PING, OnHostPing)
END_MESSAGE_MAP()

class WndPlugInTest : public ::testing::Test {
protected:
    CHostWnd host;

    void SetUp() override
    {
        LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS);
        ASSERT_TRUE(host.CreateEx(0, cls, "Host", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
    }
    void TearDown() override
    {
        host.pPlugIn = nullptr;
        if (host.m_hWnd)
            host.DestroyWindow();
    }
};

TEST_F(WndPlugInTest, DetachedPlugInAnswersNothing)
{
    CTestPlugIn plugIn;
    LRESULT result = 77;
    EXPECT_EQ(plugIn.m_hWnd, nullptr);
    EXPECT_FALSE(plugIn.IsPlugged());
    EXPECT_FALSE(plugIn.OnWndMsg(WM_PLUGIN_PING, 0, 0, &result));
    EXPECT_EQ(result, 77);
    EXPECT_EQ(plugIn.pings, 0);
    EXPECT_FALSE(plugIn.OnCmdMsg(ID_TEST_COMMAND, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(plugIn.commands, 0);
    EXPECT_EQ(plugIn.DefWindowProc(WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(WndPlugInTest, PlugInBorrowsTheHandleWithoutTakingTheWindow)
{
    CTestPlugIn plugIn;
    ASSERT_TRUE(plugIn.PlugInTo(&host));
    EXPECT_TRUE(plugIn.IsPlugged());
    EXPECT_EQ(plugIn.m_hWnd, host.m_hWnd);
    // The handle still belongs to the host's object.
    EXPECT_EQ(CWnd::FromHandlePermanent(host.m_hWnd), &host);

    // NULL leaves it attached to the previous host.
    EXPECT_FALSE(plugIn.PlugInTo(nullptr));
    EXPECT_TRUE(plugIn.IsPlugged());
    EXPECT_EQ(plugIn.m_hWnd, host.m_hWnd);

    EXPECT_FALSE(plugIn.UnPlug());
    EXPECT_FALSE(plugIn.IsPlugged());
    EXPECT_EQ(plugIn.m_hWnd, nullptr);
    EXPECT_FALSE(plugIn.UnPlug());
}

TEST_F(WndPlugInTest, HandledMessagesAndTheAnswerAHandlerSets)
{
    CTestPlugIn plugIn;
    plugIn.PlugInTo(&host);
    host.pPlugIn = &plugIn;

    EXPECT_EQ(host.SendMessage(WM_PLUGIN_PING), 5);
    EXPECT_EQ(plugIn.pings, 1);

    // Answering 0 lets the host handle the message too: the host has no
    // handler for it, so the default answer 0 comes back.
    plugIn.forcedAnswer = 0;
    LRESULT result = 0;
    EXPECT_FALSE(plugIn.OnWndMsg(WM_PLUGIN_PING, 0, 0, &result));
    EXPECT_EQ(plugIn.pings, 2);

    // The next message starts with the result flag clear.
    plugIn.forcedAnswer = -1;
    EXPECT_TRUE(plugIn.OnWndMsg(WM_PLUGIN_PING, 0, 0, &result));
    EXPECT_EQ(result, 5);

    // A message without a handler goes on to the host.
    EXPECT_EQ(host.SendMessage(WM_HOST_PING), 9);
    EXPECT_EQ(host.hostPings, 1);
}

TEST_F(WndPlugInTest, MapHoldsOnlyTheDerivedClassesHandlers)
{
    // CWnd's own map handles WM_NCDESTROY; through a plug-in it must not
    // run (it would detach the host's window).
    CTestPlugIn plugIn;
    plugIn.PlugInTo(&host);
    LRESULT result = 0;
    EXPECT_FALSE(plugIn.OnWndMsg(WM_NCDESTROY, 0, 0, &result));
    EXPECT_EQ(CWnd::FromHandlePermanent(host.m_hWnd), &host);
    EXPECT_EQ(plugIn.m_hWnd, host.m_hWnd);
}

TEST_F(WndPlugInTest, CommandsRouteOnlyWhileAttached)
{
    CTestPlugIn plugIn;
    plugIn.PlugInTo(&host);
    EXPECT_TRUE(plugIn.OnCmdMsg(ID_TEST_COMMAND, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(plugIn.commands, 1);
    LRESULT result = 0;
    EXPECT_TRUE(plugIn.OnWndMsg(WM_COMMAND, ID_TEST_COMMAND, 0, &result));
    EXPECT_EQ(plugIn.commands, 2);
    plugIn.UnPlug();
    EXPECT_FALSE(plugIn.OnCmdMsg(ID_TEST_COMMAND, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(plugIn.commands, 2);
}

TEST_F(WndPlugInTest, DefaultProcessingOnlyWhenRequested)
{
    CTestPlugIn plugIn;
    plugIn.PlugInTo(&host);
    host.pPlugIn = &plugIn;

    host.SendMessage(WM_GETTEXTLENGTH);
    EXPECT_EQ(plugIn.defaultAnswer, 0);

    plugIn.askForDefault = true;
    EXPECT_EQ(host.SendMessage(WM_GETTEXTLENGTH), 4); // "Host"
    EXPECT_EQ(plugIn.defaultAnswer, 4);

    // The request lasts for one message only.
    plugIn.askForDefault = false;
    host.SendMessage(WM_GETTEXTLENGTH);
    EXPECT_EQ(plugIn.defaultAnswer, 0);
}

TEST_F(WndPlugInTest, HostOutlivesItsPlugIn)
{
    HWND hWnd = host.m_hWnd;
    {
        auto plugIn = std::make_unique<CTestPlugIn>();
        plugIn->PlugInTo(&host);
        host.pPlugIn = plugIn.get();
        EXPECT_EQ(host.SendMessage(WM_PLUGIN_PING), 5);
        host.pPlugIn = nullptr;
    }
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &host);
    EXPECT_EQ(host.SendMessage(WM_HOST_PING), 9);
    host.SetWindowText("Still here");
    EXPECT_EQ(host.GetWindowTextLength(), 10);
}

TEST(WndListenerTest, ModuleRegistersItsMessageAndMap)
{
    UINT nMessage = SECWndListener::RemoveFromChainMessage();
    EXPECT_GE(nMessage, 0xC000u);
    EXPECT_EQ(nMessage, RegisterWindowMessage("editor.Listener.RemoveFromChain"));
    EXPECT_EQ(SECWndListener::ChainMap().GetCount(), 0);
    SECWndListener listener;
    EXPECT_TRUE(listener.IsKindOf(RUNTIME_CLASS(SECWndPlugIn)));
    EXPECT_FALSE(listener.IsPlugged());
}

} // namespace
