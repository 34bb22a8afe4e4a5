// The edit plug-in: its message filter, attaching to a view, the identifier
// look-up and the child listeners of its event-listener interface.
#include "editor/controller/SECEditPlugIn.h"
#include "editor/controller/ISECViewport.h"
#include "editor/controller/SECEditEvent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A plug-in whose map handles every message of the filter and a few
// outside it, and records what reached it.
class CRecordingPlugIn : public SECEditPlugIn {
public:
    std::vector<UINT> seen;

protected:
    afx_msg LRESULT OnAny(WPARAM, LPARAM)
    {
        seen.push_back(GetCurrentMessage()->message);
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingPlugIn, SECEditPlugIn)
ON_MESSAGE(WM_PAINT, OnAny)
ON_MESSAGE(WM_SIZE, OnAny)
ON_MESSAGE(WM_VSCROLL, OnAny)
ON_MESSAGE(WM_SETFOCUS, OnAny)
ON_MESSAGE(WM_KEYDOWN, OnAny)
ON_MESSAGE(WM_CHAR, OnAny)
ON_MESSAGE(WM_TIMER, OnAny)
ON_MESSAGE(WM_MOUSEMOVE, OnAny)
ON_MESSAGE(WM_MOUSEWHEEL, OnAny)
ON_MESSAGE(WM_CONTEXTMENU, OnAny)
END_MESSAGE_MAP()

class CHostWnd : public CWnd {
public:
    SECWndPlugIn *pPlugIn = nullptr;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        if (pPlugIn && pPlugIn->OnWndMsg(message, wParam, lParam, pResult))
            return TRUE;
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
};

class CNullViewport : public ISECViewport {
public:
    CPoint GetOrigin() override { return CPoint(0, 0); }
    CSize GetSize() override { return CSize(0, 0); }
    CPoint GetVirtualOrigin() override { return CPoint(0, 0); }
    CSize GetDocumentSize() override { return CSize(0, 0); }
    CPoint SetOrigin(int, int) override { return CPoint(0, 0); }
    void DPtoLP(LPPOINT, int) override {}
    void LPtoDP(LPPOINT, int) override {}
    void UpdateScrollBars() override {}
};

// A child listener that counts its references and the events it got.
class CCountingListener : public ISECEventListener {
public:
    int refs = 1;
    int events = 0;
    BOOL answer = FALSE;
    int AddRef() override { return ++refs; }
    int Release() override { return --refs; }
    BOOL Dispatch(SECEditEvent *) override
    {
        ++events;
        return answer;
    }
    BOOL AddListener(ISECEventListener *) override { return FALSE; }
    BOOL RemoveListener(ISECEventListener *) override { return FALSE; }
};

class EditPlugInTest : public ::testing::Test {
protected:
    CHostWnd host;
    CNullViewport viewport;

    void SetUp() override
    {
        ASSERT_TRUE(
            host.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "View", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
    }
    void TearDown() override
    {
        host.pPlugIn = nullptr;
        host.DestroyWindow();
    }
};

TEST_F(EditPlugInTest, FilterLetsOnlyEditorMessagesThrough)
{
    struct Case {
        UINT message;
        bool passes;
    };
    const Case cases[] = {
        {WM_CTLCOLOR, true},       {WM_SETCURSOR, true},     {WM_CONTEXTMENU, true}, {WM_KEYDOWN, true},
        {WM_KEYUP, true},          {WM_CHAR, true},          {WM_COMMAND, true},     {WM_TIMER, true},
        {WM_MOUSEMOVE, true},      {WM_LBUTTONDBLCLK, true}, {WM_MBUTTONUP, true},   {WM_MOUSEWHEEL, true},
        {WM_PAINT, false},         {WM_SIZE, false},         {WM_VSCROLL, false},    {WM_HSCROLL, false},
        {WM_SETFOCUS, false},      {WM_SYSKEYDOWN, false},   {WM_DEADCHAR, false},   {WM_MOUSEWHEEL + 1, false},
        {WM_MOUSEMOVE - 1, false}, {WM_CTLCOLOREDIT, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SECEditPlugIn::IsEditorMessage(c.message), c.passes) << std::hex << c.message;
}

TEST_F(EditPlugInTest, PaintSizeAndScrollNeverReachTheMap)
{
    CRecordingPlugIn plugIn;
    plugIn.Initialize(&host, &viewport);
    host.pPlugIn = &plugIn;
    host.SendMessage(WM_PAINT);
    host.SendMessage(WM_SIZE, 0, MAKELPARAM(10, 10));
    host.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    host.SendMessage(WM_SETFOCUS);
    EXPECT_TRUE(plugIn.seen.empty());
    host.SendMessage(WM_KEYDOWN, 'A');
    host.SendMessage(WM_CHAR, 'a');
    host.SendMessage(WM_TIMER, 45000);
    host.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
    host.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(3, 4));
    host.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(host.m_hWnd), -1);
    EXPECT_EQ(plugIn.seen,
              (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_TIMER, WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_CONTEXTMENU}));
}

TEST_F(EditPlugInTest, AttachingStoresTheViewAndViewport)
{
    CRecordingPlugIn plugIn;
    EXPECT_EQ(plugIn.GetHostView(), nullptr);
    EXPECT_EQ(plugIn.GetEventListener().GetViewport(), nullptr);
    EXPECT_EQ(plugIn.GetEventListener().GetBuffer(), nullptr);
    plugIn.AttachToView(&host, &viewport);
    EXPECT_EQ(plugIn.GetHostView(), &host);
    EXPECT_EQ(plugIn.GetEventListener().GetViewport(), &viewport);
    EXPECT_TRUE(plugIn.IsPlugged());
    EXPECT_EQ(plugIn.m_hWnd, host.m_hWnd);
}

TEST_F(EditPlugInTest, LookUpAnswersOnlyTheEventListener)
{
    CRecordingPlugIn plugIn;
    void *pv = &plugIn;
    ASSERT_TRUE(plugIn.QueryInterface(IID_ISECEventListener, &pv));
    EXPECT_EQ(pv, static_cast<ISECEventListener *>(&plugIn.GetEventListener()));
    const GUID other = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    EXPECT_FALSE(plugIn.QueryInterface(other, &pv));
    EXPECT_EQ(pv, nullptr);
    EXPECT_EQ(plugIn.GetEventListener().AddRef(), 1);
    EXPECT_EQ(plugIn.GetEventListener().Release(), 1);
}

TEST_F(EditPlugInTest, DispatchReachesEveryChildListener)
{
    CCountingListener yes, no; // outlive the plug-in that holds them
    yes.answer = TRUE;
    CRecordingPlugIn plugIn;
    ISECEventListener &events = plugIn.GetEventListener();
    SECEditEvent event{WM_KEYDOWN, 'A', 0};
    EXPECT_FALSE(events.Dispatch(&event));
    EXPECT_FALSE(events.Dispatch(nullptr));

    ASSERT_TRUE(events.AddListener(&yes));
    ASSERT_TRUE(events.AddListener(&no));
    EXPECT_FALSE(events.AddListener(nullptr));
    EXPECT_EQ(yes.refs, 2);
    EXPECT_TRUE(events.Dispatch(&event));
    EXPECT_EQ(yes.events, 1);
    EXPECT_EQ(no.events, 1);
    EXPECT_FALSE(events.Dispatch(nullptr));
    EXPECT_EQ(no.events, 1);

    ASSERT_TRUE(events.RemoveListener(&yes));
    EXPECT_EQ(yes.refs, 1);
    EXPECT_FALSE(events.Dispatch(&event));
    EXPECT_EQ(no.events, 2);
}

TEST_F(EditPlugInTest, RemovingAnAbsentListenerChangesNothing)
{
    CCountingListener kept, stranger;
    {
        CRecordingPlugIn plugIn;
        plugIn.GetEventListener().AddListener(&kept);
        EXPECT_FALSE(plugIn.GetEventListener().RemoveListener(&stranger));
        EXPECT_EQ(stranger.refs, 1);
        SECEditEvent event{WM_CHAR, 'x', 0};
        plugIn.GetEventListener().Dispatch(&event);
        EXPECT_EQ(kept.events, 1);
        EXPECT_EQ(kept.refs, 2);
    }
    // The plug-in's teardown releases what it still held.
    EXPECT_EQ(kept.refs, 1);
}

} // namespace
