// The spin button with its buddy edit: range, position, base, the buddy's
// arrow keys, clicks, and the parent's chance to refuse a step.
#include "ControlTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

namespace {

class CSpinDialog : public CRecordingDialog {
public:
    bool refuse = false;
    std::vector<int> deltas;
    std::vector<int> scrolled;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR *>(lParam)->code == UDN_DELTAPOS) {
            deltas.push_back(reinterpret_cast<NMUPDOWN *>(lParam)->iDelta);
            return refuse;
        }
        if (message == WM_VSCROLL && LOWORD(wParam) == SB_THUMBPOSITION)
            scrolled.push_back(static_cast<short>(HIWORD(wParam)));
        return CRecordingDialog::WindowProc(message, wParam, lParam);
    }
};

class SpinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowSampleDialog(dialog));
        spin.Attach(::GetDlgItem(dialog.m_hWnd, IDC_COUNT_SPIN));
        count = ::GetDlgItem(dialog.m_hWnd, IDC_COUNT);
    }
    void TearDown() override { spin.Detach(); }

    CSpinDialog dialog;
    CSpinButtonCtrl spin;
    HWND count = nullptr;
};

TEST_F(SpinTest, TheAutomaticBuddyIsThePreviousControlAndTheSpinSitsAtItsRight)
{
    EXPECT_EQ(spin.GetBuddy()->m_hWnd, count);
    RECT buddy, own;
    ::GetWindowRect(count, &buddy);
    spin.GetWindowRect(&own);
    EXPECT_EQ(own.left, buddy.right);
    EXPECT_EQ(own.top, buddy.top);
    int lower = 0, upper = 0;
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 100); // the classic default runs backwards
    EXPECT_EQ(upper, 0);
}

TEST_F(SpinTest, PositionRangeAndBaseShowInTheBuddy)
{
    spin.SetBase(10);
    spin.SetRange(1, 20);
    spin.SetPos(25);
    EXPECT_EQ(LOWORD(spin.GetPos()), 20);
    EXPECT_STREQ(TextOf(count), "20");
    ::SetWindowText(count, "7");
    EXPECT_EQ(spin.GetPos(), 7);
    ::SetWindowText(count, "70");
    EXPECT_NE(HIWORD(spin.GetPos()), 0); // outside the range: an error
    ::SetWindowText(count, "7");
    ::SetFocus(count);
    Press(count, Qt::Key_Up);
    Press(count, Qt::Key_Up);
    Press(count, Qt::Key_Down);
    EXPECT_STREQ(TextOf(count), "8");
    EXPECT_EQ(dialog.deltas, (std::vector<int>{1, 1, -1}));
    EXPECT_EQ(dialog.scrolled, (std::vector<int>{8, 9, 8}));
}

TEST_F(SpinTest, ClicksStepAndTheParentMayRefuse)
{
    spin.SetRange(0, 5);
    spin.SetPos(5);
    RECT rc;
    spin.GetClientRect(&rc);
    Click(spin.m_hWnd, 2, 1); // the upper arrow, at the top already
    EXPECT_EQ(LOWORD(spin.GetPos()), 5);
    Click(spin.m_hWnd, 2, rc.bottom - 2);
    EXPECT_EQ(LOWORD(spin.GetPos()), 4);
    dialog.refuse = true;
    Click(spin.m_hWnd, 2, rc.bottom - 2);
    EXPECT_EQ(LOWORD(spin.GetPos()), 4);
    EXPECT_STREQ(TextOf(count), "4");
}

TEST_F(SpinTest, AHeldArrowRepeatsInLargerStepsTheLongerItIsHeld)
{
    spin.SetRange(0, 1000);
    spin.SetPos(0);
    RECT rc;
    spin.GetClientRect(&rc);
    POINT up{2, 1}, down{2, rc.bottom - 2};
    spin.ClientToScreen(&up);
    spin.ClientToScreen(&down);
    ::SetCursorPos(up.x, up.y);
    spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
    EXPECT_EQ(LOWORD(spin.GetPos()), 1);
    // Ticks of the repeat timer: the first after half a second, then every
    // tenth of a second; steps of 5 from 2 seconds on, 20 from 5 seconds.
    struct Phase {
        int nTicks;
        POINT cursor;
        int nExpected;
    };
    const Phase phases[] = {
        {15, up, 16},  // up to 1.9 seconds: steps of 1
        {1, up, 21},   // 2 seconds
        {3, down, 21}, // the mouse over the other arrow: paused
        {26, up, 151}, // up to 4.9 seconds
        {1, up, 171},  // 5 seconds
    };
    for (const Phase &phase : phases) {
        ::SetCursorPos(phase.cursor.x, phase.cursor.y);
        for (int i = 0; i < phase.nTicks; ++i)
            spin.SendMessage(WM_TIMER, 1);
        EXPECT_EQ(LOWORD(spin.GetPos()), phase.nExpected);
    }
    spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
    spin.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(LOWORD(spin.GetPos()), 171);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SpinTest, TheAccelerationTableCanBeSetAndBadTablesAreRefused)
{
    UDACCEL table[3] = {};
    EXPECT_EQ(spin.GetAccel(3, table), 3u);
    EXPECT_EQ(table[1].nSec, 2u);
    EXPECT_EQ(table[2].nInc, 20u);
    UDACCEL unordered[2] = {{3, 2}, {1, 4}};
    UDACCEL zero[1] = {{0, 0}};
    EXPECT_FALSE(spin.SetAccel(2, unordered));
    EXPECT_FALSE(spin.SetAccel(1, zero));
    EXPECT_FALSE(spin.SetAccel(0, table));
    UDACCEL own[2] = {{0, 2}, {1, 10}};
    ASSERT_TRUE(spin.SetAccel(2, own));
    EXPECT_EQ(spin.GetAccel(0, nullptr), 2u);

    spin.SetRange(0, 1000);
    spin.SetPos(0);
    POINT up{2, 1};
    spin.ClientToScreen(&up);
    ::SetCursorPos(up.x, up.y);
    spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
    EXPECT_EQ(LOWORD(spin.GetPos()), 1); // a click is one step
    for (int i = 0; i < 6; ++i)          // 0.5 to 1.0 seconds
        spin.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(LOWORD(spin.GetPos()), 1 + 5 * 2 + 10);
    spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
}

} // namespace
