#include "AppTestSupport.h"

#include "framework/app/StatusBar.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"

#include <QCoreApplication>
#include <QTest>

namespace {

constexpr UINT ID_INDICATOR_LINE = 0x7101; // a program's own pane
constexpr UINT ID_INDICATOR_NOSTRING = 0x7102;

const RESOURCE_STRING g_barStrings[] = {
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_INDICATOR_OVR, "OVR"},
    {ID_INDICATOR_LINE, "Line 99999, Col 999"},
};

const UINT g_indicators[] = {ID_SEPARATOR,     ID_INDICATOR_LINE, ID_INDICATOR_CAPS,
                             ID_INDICATOR_NUM, ID_INDICATOR_SCRL, ID_INDICATOR_OVR};

// A frame with a status bar whose custom pane its own handler fills.
class StatusFrame : public CFrameWnd {
    DECLARE_DYNCREATE(StatusFrame)
public:
    CStatusBar m_wndStatusBar;
    CString m_strLine = "Line 1, Col 1";
    BOOL m_bLineEnabled = TRUE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        if (!m_wndStatusBar.Create(this) ||
            !m_wndStatusBar.SetIndicators(g_indicators, static_cast<int>(std::size(g_indicators))))
            return -1;
        return 0;
    }
    afx_msg void OnUpdateLine(CCmdUI *pCmdUI)
    {
        pCmdUI->SetText(m_strLine);
        pCmdUI->Enable(m_bLineEnabled);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(StatusFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(StatusFrame, CFrameWnd)
ON_WM_CREATE()
ON_UPDATE_COMMAND_UI(ID_INDICATOR_LINE, OnUpdateLine)
END_MESSAGE_MAP()

class StatusBarTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        PlexoRegisterStrings(g_barStrings, static_cast<int>(std::size(g_barStrings)));
        m_pApp->AddDocTemplate(new CSingleDocTemplate(IDR_SCRIBBLE, RUNTIME_CLASS(CScribbleDoc),
                                                      RUNTIME_CLASS(StatusFrame), RUNTIME_CLASS(CScribbleView)));
        m_pApp->OnFileNew();
        m_pFrame = static_cast<StatusFrame *>(m_pApp->m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->MoveWindow(0, 0, 640, 400);
        m_pBar = &m_pFrame->m_wndStatusBar;
    }
    void Idle()
    {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
        m_pApp->OnIdle(0);
    }
    BOOL PaneEnabled(UINT nID) const
    {
        return (m_pBar->GetPaneStyle(m_pBar->CommandToIndex(nID)) & SBPS_DISABLED) == 0;
    }
    static CRect ClientRectOf(CWnd *pWnd, CWnd *pParent)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        pParent->ScreenToClient(&rect);
        return rect;
    }

    StatusFrame *m_pFrame = nullptr;
    CStatusBar *m_pBar = nullptr;
};

TEST_F(StatusBarTest, BarSitsAtTheBottomAndTheViewEndsAboveIt)
{
    CRect client;
    m_pFrame->GetClientRect(&client);
    CRect bar = ClientRectOf(m_pBar, m_pFrame);
    CRect view = ClientRectOf(m_pFrame->GetActiveView(), m_pFrame);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.Width(), client.Width());
    EXPECT_GT(bar.Height(), 0);
    EXPECT_EQ(view.bottom, bar.top);
}

TEST_F(StatusBarTest, PaneWidthsFollowTheirTextsAndTheMessagePaneStretches)
{
    ASSERT_EQ(m_pBar->GetCount(), 6);
    CRect message, line, caps, num;
    m_pBar->GetItemRect(0, &message);
    m_pBar->GetItemRect(m_pBar->CommandToIndex(ID_INDICATOR_LINE), &line);
    m_pBar->GetItemRect(m_pBar->CommandToIndex(ID_INDICATOR_CAPS), &caps);
    m_pBar->GetItemRect(m_pBar->CommandToIndex(ID_INDICATOR_NUM), &num);
    EXPECT_GT(line.Width(), 3 * caps.Width());
    EXPECT_LT(caps.right, num.left + 1);
    EXPECT_GT(message.Width(), line.Width());
    CRect last;
    m_pBar->GetItemRect(5, &last);
    CRect client;
    m_pBar->GetClientRect(&client);
    EXPECT_LE(last.right, client.right);
    EXPECT_GE(last.right, client.right - 8);
    EXPECT_TRUE(m_pBar->GetPaneStyle(0) & SBPS_STRETCH);
    EXPECT_EQ(m_pBar->CommandToIndex(0x7FFF), -1);
}

TEST_F(StatusBarTest, MessagePaneShowsReadyWhenIdleAndPromptsOtherwise)
{
    m_pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(std::string(m_pBar->GetPaneText(0)), "Ready");
    m_pFrame->SetMessageText("Drawing");
    EXPECT_EQ(std::string(m_pBar->GetPaneText(0)), "Drawing");
    EXPECT_TRUE(m_pBar->SetPaneText(0, "Direct"));
    EXPECT_EQ(std::string(m_pBar->GetPaneText(0)), "Direct");
    EXPECT_FALSE(m_pBar->SetPaneText(17, "Nowhere"));
    EXPECT_FALSE(m_pBar->SetPaneText(-1, "Nowhere"));
}

TEST_F(StatusBarTest, IdleUpdateSetsTextAndDisablesUnhandledPanes)
{
    Idle();
    EXPECT_EQ(std::string(m_pBar->GetPaneText(m_pBar->CommandToIndex(ID_INDICATOR_LINE))), "Line 1, Col 1");
    EXPECT_TRUE(PaneEnabled(ID_INDICATOR_LINE));
    EXPECT_FALSE(PaneEnabled(ID_INDICATOR_OVR));  // no handler
    EXPECT_FALSE(PaneEnabled(ID_INDICATOR_SCRL)); // Scroll Lock is never on
    m_pFrame->m_strLine = "Line 7, Col 3";
    m_pFrame->m_bLineEnabled = FALSE;
    Idle();
    EXPECT_EQ(std::string(m_pBar->GetPaneText(m_pBar->CommandToIndex(ID_INDICATOR_LINE))), "Line 7, Col 3");
    EXPECT_FALSE(PaneEnabled(ID_INDICATOR_LINE));
}

TEST_F(StatusBarTest, LockPanesFollowTheKeyboard)
{
    Idle();
    BOOL bCaps = (GetKeyState(VK_CAPITAL) & 1) != 0;
    EXPECT_EQ(PaneEnabled(ID_INDICATOR_CAPS), bCaps);
    CWnd *pView = m_pFrame->GetActiveView();
    pView->SetFocus();
    QTest::keyClick(WindowCore::Widget(pView->GetSafeHwnd()), Qt::Key_CapsLock);
    Idle();
    EXPECT_EQ(PaneEnabled(ID_INDICATOR_CAPS), !bCaps);
    BOOL bNum = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    QTest::keyClick(WindowCore::Widget(pView->GetSafeHwnd()), Qt::Key_NumLock);
    Idle();
    EXPECT_EQ(PaneEnabled(ID_INDICATOR_NUM), !bNum);
    // Back as the keyboard was, for the tests after this one.
    QTest::keyClick(WindowCore::Widget(pView->GetSafeHwnd()), Qt::Key_CapsLock);
    QTest::keyClick(WindowCore::Widget(pView->GetSafeHwnd()), Qt::Key_NumLock);
}

TEST_F(StatusBarTest, ViewMenuToggleHidesTheBarLeavingNoGapAndChecksFollow)
{
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(m_pBar->GetStyle() & WS_VISIBLE);
    CRect client;
    m_pFrame->GetClientRect(&client);
    EXPECT_EQ(ClientRectOf(m_pFrame->GetActiveView(), m_pFrame).bottom, client.bottom);

    // The menu item's check mark follows the bar.
    struct CheckProbe : CCmdUI {
        int nCheck = -1;
        void Enable(BOOL) override {}
        void SetCheck(int n) override { nCheck = n; }
        void SetRadio(BOOL) override {}
        void SetText(LPCTSTR) override {}
    } check;
    check.m_nID = ID_VIEW_STATUS_BAR;
    check.DoUpdate(m_pFrame, TRUE);
    EXPECT_EQ(check.nCheck, 0);
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(m_pBar->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(ClientRectOf(m_pFrame->GetActiveView(), m_pFrame).bottom, ClientRectOf(m_pBar, m_pFrame).top);
    check.DoUpdate(m_pFrame, TRUE);
    EXPECT_EQ(check.nCheck, 1);

    // No toolbar in this frame: its toggle changes nothing.
    CRect before = ClientRectOf(m_pFrame->GetActiveView(), m_pFrame);
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_EQ(ClientRectOf(m_pFrame->GetActiveView(), m_pFrame), before);
    EXPECT_TRUE(m_pBar->GetStyle() & WS_VISIBLE);
}

TEST(StatusBarIndicators, IdsWithoutAStringMakeBlankPanesAndBadListsFail)
{
    CStatusBar bar; // no window: panes can still be set up
    const UINT ids[] = {ID_SEPARATOR, ID_INDICATOR_NOSTRING};
    EXPECT_FALSE(bar.SetIndicators(ids, 2));
    ASSERT_EQ(bar.GetCount(), 2);
    EXPECT_TRUE(bar.GetPaneText(1).IsEmpty());
    EXPECT_FALSE(bar.SetIndicators(nullptr, 3));
    EXPECT_EQ(bar.GetCount(), 0);
    EXPECT_FALSE(bar.SetIndicators(ids, -1));
    CRect rect(1, 2, 3, 4);
    bar.GetItemRect(5, &rect);
    EXPECT_TRUE(rect.IsRectEmpty());
}

} // namespace
