// Top-level window states and system commands: minimising, restoring, the
// close box, Alt+F4, tracking limits; the 32-bit window longs.
#include "WindowTestSupport.h"

#include <QCloseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Closing hides the window instead, as a program living in the
// notification area does; other system commands get the default.
class CHidingFrame : public CRecordingWnd {
public:
    bool refuseRestore = false;

protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if ((nID & 0xFFF0) == SC_CLOSE) {
            ShowWindow(SW_MINIMIZE);
            return;
        }
        if ((nID & 0xFFF0) == SC_RESTORE && refuseRestore)
            return;
        CWnd::OnSysCommand(nID, lParam);
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO *lpMMI)
    {
        lpMMI->ptMinTrackSize = POINT{120, 90};
        CWnd::OnGetMinMaxInfo(lpMMI);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHidingFrame, CRecordingWnd)
ON_WM_SYSCOMMAND()
ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

class WindowStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(frame, RECT{10, 10, 310, 210}, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        frame.Clear();
    }
    std::vector<WPARAM> SizeTypes() const
    {
        std::vector<WPARAM> types;
        for (auto &m : frame.Only({WM_SIZE}))
            types.push_back(m.wParam);
        return types;
    }
    CHidingFrame frame;
};

TEST_F(WindowStateTest, MinimisingAndRestoringReportTheSizeType)
{
    frame.ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(frame.IsIconic());
    EXPECT_TRUE(frame.GetStyle() & WS_MINIMIZE);
    frame.ShowWindow(SW_HIDE);
    EXPECT_TRUE(frame.IsIconic());
    EXPECT_FALSE(frame.IsWindowVisible());
    frame.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(frame.IsIconic());
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_EQ(SizeTypes(), (std::vector<WPARAM>{SIZE_MINIMIZED, SIZE_RESTORED}));
    EXPECT_EQ(frame.Only({WM_SIZE}).back().lParam, MAKELPARAM(300, 200));
}

TEST_F(WindowStateTest, TheCloseBoxAsksTheWindowThroughItsSystemCommand)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(WidgetOf(frame.m_hWnd), &close);
    EXPECT_TRUE(IsWindow(frame.m_hWnd));
    EXPECT_TRUE(frame.IsIconic());
    auto commands = frame.Only({WM_SYSCOMMAND});
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(SC_CLOSE));
    EXPECT_TRUE(frame.Only({WM_CLOSE}).empty());

    // A plain window closes: SC_CLOSE becomes WM_CLOSE, which destroys it.
    CRecordingWnd plain;
    ASSERT_TRUE(CreateTopLevel(plain, RECT{0, 0, 50, 50}));
    QCoreApplication::sendEvent(WidgetOf(plain.m_hWnd), &close);
    EXPECT_EQ(plain.m_hWnd, nullptr);
}

TEST_F(WindowStateTest, AltF4IsTheCloseCommand)
{
    CRecordingWnd child;
    ASSERT_TRUE(child.Create(TestWindowClass(), "", WS_VISIBLE, RECT{0, 0, 20, 20}, &frame, 1));
    child.SetFocus();
    QTest::keyClick(WidgetOf(child.m_hWnd), Qt::Key_F4, Qt::AltModifier);
    PumpEvents();
    EXPECT_FALSE(child.Only({WM_SYSKEYDOWN}).empty());
    auto commands = frame.Only({WM_SYSCOMMAND});
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(SC_CLOSE));
}

TEST_F(WindowStateTest, TheDesktopsStateChangesArriveAsSystemCommands)
{
    QWidget *widget = WidgetOf(frame.m_hWnd);
    widget->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(frame.IsIconic());
    frame.refuseRestore = true;
    widget->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(frame.IsIconic());
    EXPECT_TRUE(widget->windowState() & Qt::WindowMinimized); // refused: put back
    std::vector<WPARAM> commands;
    for (auto &m : frame.Only({WM_SYSCOMMAND}))
        commands.push_back(m.wParam);
    EXPECT_EQ(commands, (std::vector<WPARAM>{SC_MINIMIZE, SC_RESTORE}));
}

TEST_F(WindowStateTest, UserSizesStayWithinTheTrackingLimitsButProgramSizesDoNot)
{
    WidgetOf(frame.m_hWnd)->setGeometry(10, 10, 50, 40);
    CRect rc;
    frame.GetWindowRect(&rc);
    EXPECT_EQ(rc, CRect(10, 10, 130, 100));
    frame.MoveWindow(10, 10, 50, 40);
    frame.GetWindowRect(&rc);
    EXPECT_EQ(rc, CRect(10, 10, 60, 50));
}

LRESULT Ignore(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

TEST_F(WindowStateTest, ThirtyTwoBitLongsRefusePointers)
{
    auto original = GetWindowLongPtr(frame.m_hWnd, GWLP_WNDPROC);
    EXPECT_EQ(SetWindowLong(frame.m_hWnd, GWL_WNDPROC, static_cast<LONG>(reinterpret_cast<LONG_PTR>(&Ignore))), 0);
    EXPECT_EQ(GetWindowLongPtr(frame.m_hWnd, GWLP_WNDPROC), original);
    EXPECT_EQ(GetWindowLong(frame.m_hWnd, GWL_WNDPROC), 0);
    EXPECT_EQ(SetWindowLong(frame.m_hWnd, GWL_USERDATA, 77), 0);
    EXPECT_EQ(GetWindowLong(frame.m_hWnd, GWL_USERDATA), 77);
    EXPECT_TRUE(frame.ModifyStyle(0, WS_CLIPCHILDREN));
    EXPECT_FALSE(frame.ModifyStyle(0, WS_CLIPCHILDREN));
    EXPECT_TRUE(GetWindowLong(frame.m_hWnd, GWL_STYLE) & WS_CLIPCHILDREN);
}

} // namespace

namespace {

TEST_F(WindowStateTest, LosingTheDesktopsActivationDeactivatesAndTakesTheFocus)
{
    CRecordingWnd view;
    ASSERT_TRUE(view.Create(TestWindowClass(), "", WS_VISIBLE, RECT{0, 0, 20, 20}, &frame, 1));
    view.SetFocus();
    ASSERT_EQ(CWnd::GetActiveWindow(), &frame);
    frame.Clear();
    view.Clear();
    QEvent change(QEvent::ActivationChange); // the desktop activated another program
    QCoreApplication::sendEvent(WidgetOf(frame.m_hWnd), &change);
    auto activations = frame.Only({WM_ACTIVATE});
    ASSERT_EQ(activations.size(), 1u);
    EXPECT_EQ(LOWORD(activations[0].wParam), WA_INACTIVE);
    EXPECT_EQ(view.Only({WM_KILLFOCUS}).size(), 1u);
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
    EXPECT_EQ(CWnd::GetActiveWindow(), nullptr);
}

} // namespace

namespace {

// A modal dialog disables its owner. The desktop may still report the owner
// active (a late report from before the dialog came up, or a click on it):
// the dialog keeps the activation and its focus window, so keys typed into
// it are not split between the two windows.
TEST_F(WindowStateTest, TheDesktopActivatingADisabledOwnerLeavesItsDialogActive)
{
    CRecordingWnd dialog;
    ASSERT_TRUE(
        dialog.CreateEx(0, TestWindowClass(), "Dialog", WS_POPUP | WS_VISIBLE, RECT{40, 40, 140, 100}, &frame, 0));
    CRecordingWnd field;
    ASSERT_TRUE(field.Create(TestWindowClass(), "", WS_VISIBLE, RECT{0, 0, 20, 20}, &dialog, 1));
    frame.EnableWindow(FALSE);
    field.SetFocus();
    ASSERT_EQ(CWnd::GetActiveWindow(), &dialog);
    dialog.Clear();
    field.Clear();

    QWidget *frameWidget = WidgetOf(frame.m_hWnd);
    frameWidget->activateWindow(); // the desktop's activation moves to the frame
    PumpEvents();
    ASSERT_TRUE(frameWidget->isActiveWindow());

    EXPECT_EQ(CWnd::GetActiveWindow(), &dialog);
    EXPECT_EQ(CWnd::GetFocus(), &field);
    EXPECT_TRUE(field.Only({WM_KILLFOCUS}).empty());
    for (auto &m : frame.Only({WM_ACTIVATE}))
        EXPECT_EQ(LOWORD(m.wParam), WA_INACTIVE);

    frame.EnableWindow(TRUE); // enabled again, the frame takes it as before
    WidgetOf(dialog.m_hWnd)->activateWindow();
    PumpEvents();
    frameWidget->activateWindow();
    PumpEvents();
    EXPECT_EQ(CWnd::GetActiveWindow(), &frame);
    dialog.DestroyWindow();
}

} // namespace
