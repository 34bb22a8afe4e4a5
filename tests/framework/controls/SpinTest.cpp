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

} // namespace
