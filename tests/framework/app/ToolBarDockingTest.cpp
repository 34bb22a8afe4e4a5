// The sample frame's toolbar docked: dragged by its gripper it floats, its
// buttons still command the frame, and its floating frame narrowed by its
// border wraps the buttons into rows.
#include "AppTestSupport.h"
#include "BarsSample.h"

#include "framework/app/DockBar.h"
#include "framework/app/DockContext.h"
#include "framework/app/MiniFrameWnd.h"
#include "framework/window/MessageApi.h"

namespace {

class ToolBarDockingTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        RegisterSampleResources();
        m_pApp->AddDocTemplate(new CSingleDocTemplate(IDR_SAMPLE, RUNTIME_CLASS(CScribbleDoc),
                                                      RUNTIME_CLASS(CSampleFrame), RUNTIME_CLASS(CPagesView)));
        m_pApp->OnFileNew();
        m_pFrame = static_cast<CSampleFrame *>(m_pApp->m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->MoveWindow(0, 0, 640, 400);
        m_pFrame->ShowWindow(SW_SHOW);
        m_pBar = &m_pFrame->m_wndFormatBar;
        m_pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
    }
    static CRect OnScreen(CWnd *pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect;
    }
    CMiniDockFrameWnd *FloatingFrame() const
    {
        return m_pBar->m_pDockBar != nullptr ? dynamic_cast<CMiniDockFrameWnd *>(m_pBar->m_pDockBar->GetParent())
                                             : nullptr;
    }
    void Click(int nIndex)
    {
        CRect rect;
        m_pBar->GetItemRect(nIndex, &rect);
        const CPoint pt = rect.CenterPoint();
        m_pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }

    CSampleFrame *m_pFrame = nullptr;
    CToolBar *m_pBar = nullptr;
};

TEST_F(ToolBarDockingTest, DraggedByItsGripperItFloatsAndItsButtonsStillCommandTheFrame)
{
    Click(0); // Bold, docked
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 1);
    CRect first;
    m_pBar->GetItemRect(0, &first);
    const CPoint grip(first.left - 3, first.CenterPoint().y); // the gripper, left of the buttons
    ASSERT_GE(grip.x, 0);
    ASSERT_EQ(m_pBar->HitTest(grip), -1);
    m_pBar->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grip.x + 120, grip.y + 160));
    m_pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(grip.x + 120, grip.y + 160));
    m_pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
    ASSERT_TRUE(m_pBar->IsFloating());
    ASSERT_NE(FloatingFrame(), nullptr);
    EXPECT_EQ(m_pFrame->GetControlBar(IDW_SAMPLE_FORMAT), m_pBar);
    Click(0); // Bold, floating
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 2);
}

TEST_F(ToolBarDockingTest, ADoubleClickOnAButtonClicksItTwiceAndOffTheButtonsFloatsTheBar)
{
    CRect rect;
    m_pBar->GetItemRect(0, &rect);
    const CPoint bold = rect.CenterPoint();
    m_pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bold.x, bold.y));
    m_pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(bold.x, bold.y));
    m_pBar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(bold.x, bold.y));
    m_pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(bold.x, bold.y));
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 2);
    EXPECT_FALSE(m_pBar->IsFloating());
    const CPoint grip(rect.left - 3, bold.y);
    m_pBar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(grip.x, grip.y));
    EXPECT_TRUE(m_pBar->IsFloating());
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 2);
}

TEST_F(ToolBarDockingTest, DockedAlongASideItStandsUpright)
{
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    const CRect rect = OnScreen(m_pBar);
    EXPECT_GT(rect.Height(), rect.Width());
    CRect bold, locked;
    m_pBar->GetItemRect(0, &bold);
    m_pBar->GetItemRect(2, &locked);
    EXPECT_EQ(locked.left, bold.left);
    EXPECT_GT(locked.top, bold.bottom - 1);
    // The view starts right of the left dock bar.
    CRect view;
    m_pFrame->GetActiveView()->GetWindowRect(&view);
    EXPECT_GE(view.left, rect.right - CDockBar::kOverlap);
}

TEST_F(ToolBarDockingTest, AFloatingToolBarWrapsWhenItsFrameIsNarrowed)
{
    m_pFrame->FloatControlBar(m_pBar, CPoint(200, 200));
    CMiniDockFrameWnd *pFloat = FloatingFrame();
    ASSERT_NE(pFloat, nullptr);
    EXPECT_TRUE(pFloat->GetStyle() & WS_THICKFRAME); // CBRS_SIZE_DYNAMIC: a sizing border
    const CRect oneRow = OnScreen(m_pBar);
    CRect bold, locked;
    m_pBar->GetItemRect(0, &bold);
    m_pBar->GetItemRect(2, &locked);
    EXPECT_EQ(locked.top, bold.top);

    // The right border dragged in to two buttons' width.
    const CRect frame = OnScreen(pFloat);
    const CPoint edge(frame.right - 1, frame.CenterPoint().y);
    ASSERT_EQ(pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTRIGHT);
    const CPoint to = edge - CSize(oneRow.Width() - 2 * bold.Width() - 4, 0);
    CPoint client = to;
    m_pBar->ScreenToClient(&client);
    m_pBar->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    m_pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    pFloat->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(edge.x, edge.y));

    pFloat = FloatingFrame();
    ASSERT_NE(pFloat, nullptr);
    const CRect wrapped = OnScreen(m_pBar);
    EXPECT_LT(wrapped.Width(), oneRow.Width());
    EXPECT_GT(wrapped.Height(), oneRow.Height());
    EXPECT_EQ(OnScreen(pFloat).Height() - wrapped.Height(), frame.Height() - oneRow.Height());
    m_pBar->GetItemRect(0, &bold);
    m_pBar->GetItemRect(2, &locked);
    EXPECT_GT(locked.top, bold.top); // the next row
    // The width stays the bar's: floated again, it keeps its rows.
    m_pFrame->DockControlBar(m_pBar, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->FloatControlBar(m_pBar, CPoint(220, 220));
    EXPECT_EQ(OnScreen(m_pBar).Size(), wrapped.Size());
}

} // namespace
