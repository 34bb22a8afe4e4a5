// Keyboard navigation in a dialog: tab order, groups and arrows, mnemonics,
// Enter and Escape, the default button following the focus, and controls
// that keep keys for themselves.
#include "ControlTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

namespace {

class DialogKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowSampleDialogFocused(dialog)); }

    HWND Item(int id) const { return ::GetDlgItem(dialog.m_hWnd, id); }
    UINT DlgCode(int id) const { return static_cast<UINT>(::SendMessage(Item(id), WM_GETDLGCODE, 0, 0)); }

    CRecordingDialog dialog;
};

TEST_F(DialogKeyboardTest, TabAndShiftTabFollowTheTemplateOrderOfTabStops)
{
    EXPECT_EQ(FocusId(), IDC_NAME); // WM_INITDIALOG answered TRUE: the first tab stop
    const int forward[] = {IDC_COUNT,
                           IDC_BOLD,
                           IDC_LEFT,
                           IDC_SWATCH,
                           IDC_NOTES,
                           IDOK,
                           IDCANCEL,
                           IDC_LIST,
                           IDC_OWNER_LIST,
                           PLEXO_COMBO_EDIT_ID, // the drop-down combo's edit takes its focus
                           IDC_KIND,
                           IDC_NAME};
    for (int id : forward) {
        Press(dialog.m_hWnd, Qt::Key_Tab);
        EXPECT_EQ(FocusId(), id);
    }
    const int backward[] = {IDC_KIND, PLEXO_COMBO_EDIT_ID, IDC_OWNER_LIST, IDC_LIST, IDCANCEL, IDOK, IDC_NOTES};
    for (int id : backward) {
        Press(dialog.m_hWnd, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(FocusId(), id);
    }
    EXPECT_TRUE(dialog.CodesFor(IDOK).empty());
    EXPECT_TRUE(dialog.CodesFor(IDCANCEL).empty());
}

TEST_F(DialogKeyboardTest, TabSkipsDisabledAndHiddenControlsAndEntersARadioGroupAtItsCheckedButton)
{
    ::EnableWindow(Item(IDC_COUNT), FALSE);
    ::ShowWindow(Item(IDC_BOLD), SW_HIDE);
    ::SendMessage(Item(IDC_RIGHT), BM_SETCHECK, BST_CHECKED, 0);
    Press(dialog.m_hWnd, Qt::Key_Tab);
    EXPECT_EQ(FocusId(), IDC_RIGHT);
}

TEST_F(DialogKeyboardTest, ArrowsMoveWithinTheGroupAndCheckAutomaticRadioButtons)
{
    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_LEFT));
    Press(dialog.m_hWnd, Qt::Key_Down);
    EXPECT_EQ(FocusId(), IDC_CENTRE);
    EXPECT_EQ(::SendMessage(Item(IDC_CENTRE), BM_GETCHECK, 0, 0), BST_CHECKED);
    Press(dialog.m_hWnd, Qt::Key_Right);
    EXPECT_EQ(FocusId(), IDC_RIGHT);
    EXPECT_EQ(::SendMessage(Item(IDC_CENTRE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Press(dialog.m_hWnd, Qt::Key_Down); // wraps inside the group
    EXPECT_EQ(FocusId(), IDC_LEFT);
    Press(dialog.m_hWnd, Qt::Key_Up);
    EXPECT_EQ(FocusId(), IDC_RIGHT);
    EXPECT_TRUE(dialog.Got(IDC_RIGHT, BN_CLICKED));
}

TEST_F(DialogKeyboardTest, MnemonicsPickLabelledControlsAndButtons)
{
    Press(dialog.m_hWnd, Qt::Key_O, Qt::AltModifier); // "C&ount:" labels the count edit
    EXPECT_EQ(FocusId(), IDC_COUNT);
    Press(dialog.m_hWnd, Qt::Key_B, Qt::AltModifier); // "&Bold" checks the box
    EXPECT_EQ(FocusId(), IDC_BOLD);
    EXPECT_EQ(::SendMessage(Item(IDC_BOLD), BM_GETCHECK, 0, 0), BST_CHECKED);
    Press(dialog.m_hWnd, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(FocusId(), IDC_CENTRE);
    EXPECT_EQ(::SendMessage(Item(IDC_CENTRE), BM_GETCHECK, 0, 0), BST_CHECKED);
    // On a control that takes no characters, the letter alone is enough.
    Press(dialog.m_hWnd, Qt::Key_N);
    EXPECT_EQ(FocusId(), IDC_NAME);
    // In an edit, the letter is typed.
    Press(dialog.m_hWnd, Qt::Key_B);
    EXPECT_EQ(FocusId(), IDC_NAME);
    EXPECT_STREQ(TextOf(Item(IDC_NAME)), "b");
}

TEST_F(DialogKeyboardTest, EnterPressesTheDefaultButtonAndEscapeCancels)
{
    Press(dialog.m_hWnd, Qt::Key_Return);
    EXPECT_EQ(dialog.CodesFor(IDOK), std::vector<int>{BN_CLICKED});
    dialog.commands.clear();
    Press(dialog.m_hWnd, Qt::Key_Escape);
    EXPECT_EQ(dialog.CodesFor(IDCANCEL), std::vector<int>{BN_CLICKED});
    EXPECT_TRUE(dialog.CodesFor(IDOK).empty());
}

TEST_F(DialogKeyboardTest, TheDefaultLookFollowsTheFocusedPushButton)
{
    EXPECT_EQ(dialog.GetDefID(), static_cast<DWORD>(MAKELONG(IDOK, DC_HASDEFID)));
    EXPECT_TRUE(DlgCode(IDOK) & DLGC_DEFPUSHBUTTON);
    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDCANCEL));
    EXPECT_TRUE(DlgCode(IDCANCEL) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(DlgCode(IDOK) & DLGC_UNDEFPUSHBUTTON);
    Press(dialog.m_hWnd, Qt::Key_Return);
    EXPECT_EQ(dialog.CodesFor(IDCANCEL), std::vector<int>{BN_CLICKED});
    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_NAME));
    EXPECT_TRUE(DlgCode(IDOK) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(DlgCode(IDCANCEL) & DLGC_UNDEFPUSHBUTTON);
    // DM_SETDEFID moves the default.
    dialog.SetDefID(IDCANCEL);
    EXPECT_TRUE(DlgCode(IDCANCEL) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(DlgCode(IDOK) & DLGC_UNDEFPUSHBUTTON);
    dialog.commands.clear();
    Press(dialog.m_hWnd, Qt::Key_Return);
    EXPECT_EQ(dialog.CodesFor(IDCANCEL), std::vector<int>{BN_CLICKED});
}

TEST_F(DialogKeyboardTest, AControlThatWantsAllKeysKeepsEnter)
{
    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_NOTES));
    TypeText(dialog.m_hWnd, "ab");
    Press(dialog.m_hWnd, Qt::Key_Return);
    TypeText(dialog.m_hWnd, "c");
    EXPECT_STREQ(TextOf(Item(IDC_NOTES)), "ab\r\nc");
    EXPECT_TRUE(dialog.CodesFor(IDOK).empty());
    // Tab still leaves it.
    Press(dialog.m_hWnd, Qt::Key_Tab);
    EXPECT_EQ(FocusId(), IDOK);
}

TEST_F(DialogKeyboardTest, TabIntoAnEditSelectsItsText)
{
    ::SetWindowText(Item(IDC_COUNT), "42");
    Press(dialog.m_hWnd, Qt::Key_Tab);
    ASSERT_EQ(FocusId(), IDC_COUNT);
    DWORD start = 1, end = 0;
    ::SendMessage(Item(IDC_COUNT), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
}

TEST_F(DialogKeyboardTest, NextAndPreviousControlAndTheTabItemFunctions)
{
    dialog.NextDlgCtrl();
    EXPECT_EQ(FocusId(), IDC_COUNT);
    dialog.PrevDlgCtrl();
    EXPECT_EQ(FocusId(), IDC_NAME);
    EXPECT_EQ(::GetNextDlgTabItem(dialog.m_hWnd, nullptr, TRUE), Item(IDC_KIND));
    EXPECT_EQ(::GetNextDlgGroupItem(dialog.m_hWnd, Item(IDC_RIGHT), FALSE), Item(IDC_LEFT));
    EXPECT_EQ(::GetNextDlgGroupItem(dialog.m_hWnd, Item(IDC_LEFT), TRUE), Item(IDC_RIGHT));
}

} // namespace
