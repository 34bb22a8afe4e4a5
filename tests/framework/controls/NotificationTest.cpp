// Notifications and their order: edits changed by the program, check boxes
// clicked, focus moving between edits, owner-drawn buttons hearing which
// part changed, statics that notify.
#include "ControlTestSupport.h"

#include "framework/gdi/CDC.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class CNotifyDialog : public CRecordingDialog {
public:
    int checkAtClick = -1;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == IDC_BOLD && HIWORD(wParam) == BN_CLICKED)
            checkAtClick = static_cast<int>(::SendMessage(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0));
        return CRecordingDialog::OnCommand(wParam, lParam);
    }
};

class NotificationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowSampleDialogFocused(dialog));
        dialog.drawn.clear();
    }
    HWND Item(int id) const { return ::GetDlgItem(dialog.m_hWnd, id); }
    // Where a control is, in the dialog's client coordinates.
    RECT Place(int id) const
    {
        RECT rc;
        ::GetWindowRect(Item(id), &rc);
        POINT tl{rc.left, rc.top}, br{rc.right, rc.bottom};
        ::ScreenToClient(dialog.m_hWnd, &tl);
        ::ScreenToClient(dialog.m_hWnd, &br);
        return RECT{tl.x, tl.y, br.x, br.y};
    }

    CNotifyDialog dialog;
};

TEST_F(NotificationTest, TextSetByTheProgramSendsUpdateThenChange)
{
    ::SetWindowText(Item(IDC_NAME), "abc");
    EXPECT_EQ(dialog.CodesFor(IDC_NAME), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
    dialog.commands.clear();
    ::SendMessage(Item(IDC_NAME), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("d"));
    EXPECT_EQ(dialog.CodesFor(IDC_NAME), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
    dialog.commands.clear();
    TypeText(dialog.m_hWnd, "x");
    EXPECT_EQ(dialog.CodesFor(IDC_NAME), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
}

TEST_F(NotificationTest, ClickedComesAfterTheCheckChanged)
{
    RECT rc = Place(IDC_BOLD);
    Click(Item(IDC_BOLD), 3, 3);
    EXPECT_EQ(dialog.checkAtClick, BST_CHECKED);
    EXPECT_EQ(dialog.CodesFor(IDC_BOLD), std::vector<int>{BN_CLICKED});
    // Space on the focused box clicks it again.
    Press(dialog.m_hWnd, Qt::Key_Space);
    EXPECT_EQ(dialog.checkAtClick, BST_UNCHECKED);
    // A press that leaves the button before the release does not click.
    dialog.commands.clear();
    MouseDown(Item(IDC_BOLD), 3, 3);
    QTest::mouseMove(WidgetOf(Item(IDC_BOLD)), QPoint(rc.right - rc.left + 20, 3));
    PumpEvents();
    MouseUp(Item(IDC_BOLD), rc.right - rc.left + 20, 3);
    EXPECT_TRUE(dialog.CodesFor(IDC_BOLD).empty());
    EXPECT_EQ(::SendMessage(Item(IDC_BOLD), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(NotificationTest, SettingTheCheckOrStateByProgramSendsNothing)
{
    ::SendMessage(Item(IDC_BOLD), BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessage(Item(IDOK), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(::SendMessage(Item(IDOK), BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    EXPECT_TRUE(dialog.commands.empty());
}

TEST_F(NotificationTest, TheOldEditHearsItLostTheFocusBeforeTheNewOneHearsItGotIt)
{
    ASSERT_EQ(FocusId(), IDC_NAME);
    Press(dialog.m_hWnd, Qt::Key_Tab);
    std::vector<CRecordingDialog::Command> focus;
    for (const auto &c : dialog.commands)
        if (c.code == EN_KILLFOCUS || c.code == EN_SETFOCUS)
            focus.push_back(c);
    ASSERT_EQ(focus.size(), 2u);
    EXPECT_EQ(focus[0].id, IDC_NAME);
    EXPECT_EQ(focus[0].code, EN_KILLFOCUS);
    EXPECT_EQ(focus[1].id, IDC_COUNT);
    EXPECT_EQ(focus[1].code, EN_SETFOCUS);
}

TEST_F(NotificationTest, OwnerDrawnButtonsHearWhichPartChanged)
{
    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_SWATCH));
    MouseDown(Item(IDC_SWATCH), 4, 4);
    MouseUp(Item(IDC_SWATCH), 4, 4);
    struct Step {
        UINT action;
        UINT state;
    };
    std::vector<Step> steps;
    for (const DRAWITEMSTRUCT &d : dialog.drawn)
        if (d.CtlID == IDC_SWATCH && d.itemAction != ODA_DRAWENTIRE)
            steps.push_back(Step{d.itemAction, d.itemState & (ODS_FOCUS | ODS_SELECTED)});
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].action, static_cast<UINT>(ODA_FOCUS));
    EXPECT_EQ(steps[0].state, static_cast<UINT>(ODS_FOCUS));
    EXPECT_EQ(steps[1].action, static_cast<UINT>(ODA_SELECT));
    EXPECT_EQ(steps[1].state, static_cast<UINT>(ODS_FOCUS | ODS_SELECTED));
    EXPECT_EQ(steps[2].action, static_cast<UINT>(ODA_SELECT));
    EXPECT_EQ(steps[2].state, static_cast<UINT>(ODS_FOCUS));
    EXPECT_EQ(dialog.CodesFor(IDC_SWATCH), std::vector<int>{BN_CLICKED});
    for (const DRAWITEMSTRUCT &d : dialog.drawn)
        EXPECT_EQ(d.CtlType, static_cast<UINT>(ODT_BUTTON));
}

TEST_F(NotificationTest, AWholePaintOfAnOwnerDrawnButtonDrawsIntoTheGivenContext)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    ::SendMessage(Item(IDC_SWATCH), WM_PAINT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    ASSERT_FALSE(dialog.drawn.empty());
    EXPECT_EQ(dialog.drawn.back().itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(dialog.drawn.back().hDC, dc.GetSafeHdc());
}

TEST_F(NotificationTest, ANotifyingStaticReportsClicks)
{
    Click(Item(IDC_TITLE), 2, 2);
    EXPECT_EQ(dialog.CodesFor(IDC_TITLE), std::vector<int>{STN_CLICKED});
}

} // namespace
