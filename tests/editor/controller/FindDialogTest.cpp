// The Find and Replace dialogs against a recording owner and the editor's
// shared find settings: button states, regular-expression options, the
// histories, activation, every button's action and what the dialog does
// after it, modal runs, and the 128-character limit.
#include "editor/controller/SECEditFindDialog.h"
#include "editor/text/SECEditFindState.h"
#include "tests/support/ModalDriver.h"

#include "framework/controls/ControlStyles.h"
#include "framework/object/Exceptions.h"
#include "framework/window/MessageApi.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void Pump()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

class RecordingOwner : public SECEditFindDialogOwner {
public:
    struct Press {
        int action;
        CString find;
        CString replace;
        BOOL down;
        BOOL inSelection;
    };
    BOOL OnFindDialogButton(SECEditFindDialog *pDialog) override
    {
        presses.push_back({pDialog->GetAction(), pDialog->GetFindString(), pDialog->GetReplaceString(),
                           pDialog->SearchDown(), pDialog->ReplaceInSelection()});
        return result;
    }
    BOOL CanReplaceInSelection() override { return canReplaceInSelection; }
    std::vector<Press> presses;
    BOOL result = FALSE;
    BOOL canReplaceInSelection = TRUE;
};

std::vector<std::string> g_messages;

int RecordMessage(LPCTSTR lpszText, UINT, UINT)
{
    g_messages.push_back(lpszText);
    return IDOK;
}

class FindDialogTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (dialog && dialog->GetSafeHwnd())
            dialog->DestroyWindow(); // a modeless dialog deletes itself
    }
    // A modeless dialog of the kind, filled as the owner fills it.
    void Open(BOOL bFindOnly, const char *text = "", BOOL bRegexAvailable = TRUE)
    {
        dialog = new SECEditFindDialog;
        dialog->m_bFindOnly = bFindOnly;
        dialog->m_bRegexAvailable = bRegexAvailable;
        dialog->m_pOwner = &owner;
        dialog->m_pFindHistory = &findHistory;
        dialog->m_pReplaceHistory = &replaceHistory;
        dialog->SetFindString(text);
        dialog->SetSearchDown(TRUE);
        dialog->SetSelectionAvailable();
        dialog->SetReplaceInSelection(FALSE);
        ASSERT_TRUE(dialog->CreateModeless(nullptr));
        dialog->ShowWindow(SW_SHOW);
        Pump();
    }
    void Notify(UINT id, UINT code)
    {
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                            reinterpret_cast<LPARAM>(dialog->GetDlgItem(static_cast<int>(id))->GetSafeHwnd()));
    }
    void Type(const char *text)
    {
        dialog->GetDlgItem(SECEDIT_IDC_FIND_TEXT)->SetWindowText(text);
        Notify(SECEDIT_IDC_FIND_TEXT, CBN_EDITCHANGE);
    }
    void Click(UINT id)
    {
        if (id == SECEDIT_IDC_REGEX || id == SECEDIT_IDC_RADIO_FIRST || id == SECEDIT_IDC_RADIO_SECOND ||
            id == SECEDIT_IDC_WHOLE_WORD)
            dialog->GetDlgItem(static_cast<int>(id))->SendMessage(BM_CLICK);
        else
            Notify(id, BN_CLICKED);
        Pump();
    }
    BOOL Enabled(UINT id) { return dialog->GetDlgItem(static_cast<int>(id))->IsWindowEnabled(); }
    UINT Checked(UINT id) { return dialog->IsDlgButtonChecked(static_cast<int>(id)); }
    RecordingOwner owner;
    CStringList findHistory;
    CStringList replaceHistory;
    SECEditFindDialog *dialog = nullptr;
};

struct ButtonStateCase {
    BOOL findOnly;
    const char *text;
    BOOL inSelection;
    BOOL findNext, markAll, replace, replaceAll;
};

class ButtonStates : public FindDialogTest, public ::testing::WithParamInterface<ButtonStateCase> {};

TEST_P(ButtonStates, FollowTheTextAndTheRange)
{
    const ButtonStateCase &c = GetParam();
    Open(c.findOnly);
    // Nothing to find: every action is off.
    EXPECT_FALSE(Enabled(IDOK));
    if (c.findOnly) {
        EXPECT_FALSE(Enabled(SECEDIT_IDC_MARK_ALL));
        EXPECT_EQ(dialog->GetDlgItem(SECEDIT_IDC_REPLACE), nullptr);
    } else {
        EXPECT_FALSE(Enabled(SECEDIT_IDC_REPLACE));
        EXPECT_FALSE(Enabled(SECEDIT_IDC_REPLACE_ALL));
        EXPECT_EQ(dialog->GetDlgItem(SECEDIT_IDC_MARK_ALL), nullptr);
    }
    if (c.inSelection)
        Click(SECEDIT_IDC_RADIO_FIRST);
    Type(c.text);
    EXPECT_EQ(Enabled(IDOK), c.findNext);
    if (c.findOnly) {
        EXPECT_EQ(Enabled(SECEDIT_IDC_MARK_ALL), c.markAll);
    } else {
        EXPECT_EQ(Enabled(SECEDIT_IDC_REPLACE), c.replace);
        EXPECT_EQ(Enabled(SECEDIT_IDC_REPLACE_ALL), c.replaceAll);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonStates,
                         ::testing::Values(ButtonStateCase{TRUE, "a", FALSE, TRUE, TRUE, FALSE, FALSE},
                                           ButtonStateCase{TRUE, "", FALSE, FALSE, FALSE, FALSE, FALSE},
                                           ButtonStateCase{FALSE, "a", FALSE, TRUE, FALSE, TRUE, TRUE},
                                           ButtonStateCase{FALSE, "a", TRUE, FALSE, FALSE, FALSE, TRUE},
                                           ButtonStateCase{FALSE, "", TRUE, FALSE, FALSE, FALSE, FALSE}));

TEST_F(FindDialogTest, ARegularExpressionForcesDownAndNoWholeWordsUntilItIsCleared)
{
    Open(TRUE, "x");
    Click(SECEDIT_IDC_RADIO_FIRST); // "&Up"
    Click(SECEDIT_IDC_WHOLE_WORD);
    ASSERT_EQ(Checked(SECEDIT_IDC_WHOLE_WORD), UINT(BST_CHECKED));
    ASSERT_FALSE(dialog->SearchDown());
    Click(SECEDIT_IDC_REGEX);
    EXPECT_EQ(Checked(SECEDIT_IDC_WHOLE_WORD), UINT(BST_UNCHECKED));
    EXPECT_FALSE(Enabled(SECEDIT_IDC_WHOLE_WORD));
    EXPECT_EQ(Checked(SECEDIT_IDC_RADIO_SECOND), UINT(BST_CHECKED));
    EXPECT_FALSE(Enabled(SECEDIT_IDC_RADIO_FIRST));
    EXPECT_TRUE(dialog->SearchDown());
    EXPECT_FALSE(dialog->MatchWholeWord());
    Click(SECEDIT_IDC_REGEX);
    EXPECT_TRUE(Enabled(SECEDIT_IDC_WHOLE_WORD));
    EXPECT_TRUE(Enabled(SECEDIT_IDC_RADIO_FIRST));
    // The old values are not restored.
    EXPECT_EQ(Checked(SECEDIT_IDC_WHOLE_WORD), UINT(BST_UNCHECKED));
    EXPECT_EQ(Checked(SECEDIT_IDC_RADIO_SECOND), UINT(BST_CHECKED));
}

TEST_F(FindDialogTest, TheRegularExpressionBoxIsHiddenWithoutAnEngine)
{
    for (BOOL findOnly : {TRUE, FALSE}) {
        Open(findOnly, "x", FALSE);
        EXPECT_FALSE(dialog->GetDlgItem(SECEDIT_IDC_REGEX)->IsWindowVisible());
        dialog->DestroyWindow();
        dialog = nullptr;
    }
    Open(TRUE, "x", TRUE);
    EXPECT_TRUE(dialog->GetDlgItem(SECEDIT_IDC_REGEX)->IsWindowVisible());
}

TEST_F(FindDialogTest, TheHistoryKeepsSixteenDistinctTextsMostRecentFirst)
{
    Open(TRUE);
    const char *texts[] = {"abc", "ABC", "abc"};
    for (const char *text : texts) {
        Type(text);
        Click(IDOK);
    }
    ASSERT_EQ(findHistory.GetCount(), 2);
    EXPECT_STREQ(findHistory.GetHead(), "abc");
    EXPECT_STREQ(findHistory.GetTail(), "ABC");
    for (int i = 0; i < 16; ++i) {
        CString text;
        text.Format("t%d", i);
        Type(text);
        Click(IDOK);
    }
    ASSERT_EQ(findHistory.GetCount(), 16);
    EXPECT_STREQ(findHistory.GetHead(), "t15");
    EXPECT_STREQ(findHistory.GetTail(), "t0");
    // The drop-down lists the history in the same order.
    auto *box = static_cast<CComboBox *>(dialog->GetDlgItem(SECEDIT_IDC_FIND_TEXT));
    ASSERT_EQ(box->GetCount(), 16);
    CString first;
    box->GetLBText(0, first);
    EXPECT_STREQ(first, "t15");
    // Picking an entry makes it the find text.
    box->SetCurSel(3);
    Notify(SECEDIT_IDC_FIND_TEXT, CBN_SELCHANGE);
    Click(IDOK);
    EXPECT_STREQ(owner.presses.back().find, "t12");
}

TEST_F(FindDialogTest, AnEmptyFindTextStartsFromTheLatestHistoryEntry)
{
    findHistory.AddTail("latest");
    findHistory.AddTail("older");
    replaceHistory.AddTail("with");
    Open(FALSE);
    CString text;
    dialog->GetDlgItem(SECEDIT_IDC_FIND_TEXT)->GetWindowText(text);
    EXPECT_STREQ(text, "latest");
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_EQ(static_cast<CComboBox *>(dialog->GetDlgItem(SECEDIT_IDC_REPLACE_TEXT))->GetCount(), 1);
}

TEST_F(FindDialogTest, ActivationWithoutASelectionSwitchesToTheWholeFile)
{
    Open(FALSE, "x");
    Click(SECEDIT_IDC_RADIO_FIRST);
    ASSERT_TRUE(dialog->ReplaceInSelection());
    owner.canReplaceInSelection = FALSE;
    dialog->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_FALSE(Enabled(SECEDIT_IDC_RADIO_FIRST));
    EXPECT_EQ(Checked(SECEDIT_IDC_RADIO_SECOND), UINT(BST_CHECKED));
    EXPECT_EQ(Checked(SECEDIT_IDC_RADIO_FIRST), UINT(BST_UNCHECKED));
    EXPECT_FALSE(dialog->ReplaceInSelection());
    EXPECT_TRUE(Enabled(SECEDIT_IDC_REPLACE));
    owner.canReplaceInSelection = TRUE;
    dialog->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(Enabled(SECEDIT_IDC_RADIO_FIRST));
}

struct ActionCase {
    BOOL findOnly;
    UINT button;
    int action;
    bool modelessStaysVisible; // after the owner answered TRUE
};

class Actions : public FindDialogTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(Actions, EachButtonReachesTheOwnerWithItsAction)
{
    const ActionCase &c = GetParam();
    Open(c.findOnly, "needle");
    if (CWnd *replaceBox = dialog->GetDlgItem(SECEDIT_IDC_REPLACE_TEXT))
        replaceBox->SetWindowText("pin");
    owner.result = TRUE;
    Click(c.button);
    ASSERT_EQ(owner.presses.size(), 1u);
    EXPECT_EQ(owner.presses[0].action, c.action);
    EXPECT_STREQ(owner.presses[0].find, "needle");
    EXPECT_TRUE(owner.presses[0].down);
    if (!c.findOnly) {
        EXPECT_STREQ(owner.presses[0].replace, "pin");
    }
    EXPECT_EQ(dialog->IsWindowVisible() != FALSE, c.modelessStaysVisible);
}

INSTANTIATE_TEST_SUITE_P(Buttons, Actions,
                         ::testing::Values(ActionCase{TRUE, IDOK, SECEDIT_FIND_NEXT, true},
                                           ActionCase{TRUE, SECEDIT_IDC_MARK_ALL, SECEDIT_FIND_MARK_ALL, false},
                                           ActionCase{FALSE, IDOK, SECEDIT_FIND_NEXT, true},
                                           ActionCase{FALSE, SECEDIT_IDC_REPLACE, SECEDIT_FIND_REPLACE, true},
                                           ActionCase{FALSE, SECEDIT_IDC_REPLACE_ALL, SECEDIT_FIND_REPLACE_ALL, true}));

TEST_F(FindDialogTest, CancellingAModelessDialogTellsTheOwnerAndDeletesIt)
{
    Open(TRUE, "x");
    Click(IDCANCEL);
    ASSERT_EQ(owner.presses.size(), 1u);
    EXPECT_EQ(owner.presses[0].action, SECEDIT_FIND_TERMINATING);
    dialog = nullptr; // gone with its window
}

TEST_F(FindDialogTest, ATextOverTheLimitIsRefusedWithTheStandardMessage)
{
    Open(FALSE, "x");
    g_messages.clear();
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&RecordMessage);
    std::string tooLong(129, 'z');
    dialog->GetDlgItem(SECEDIT_IDC_REPLACE_TEXT)->SetWindowText(tooLong.c_str());
    Click(SECEDIT_IDC_REPLACE_ALL);
    EXPECT_TRUE(owner.presses.empty());
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_EQ(g_messages[0], "Please enter no more than 128 characters.");
    std::string longest(128, 'z');
    dialog->GetDlgItem(SECEDIT_IDC_REPLACE_TEXT)->SetWindowText(longest.c_str());
    Click(SECEDIT_IDC_REPLACE_ALL);
    EXPECT_EQ(owner.presses.size(), 1u);
    AfxSetMessageBoxHandler(previous);
}

// ---- Modal runs with the editor's shared find settings

struct ModalCase {
    BOOL findOnly;
    UINT button;
    BOOL ownerResult;
    INT_PTR expected; // what DoModal returns; 0: the dialog stayed (then cancelled)
};

class ModalRuns : public ::testing::TestWithParam<ModalCase> {};

TEST_P(ModalRuns, CloseAsTheButtonAndTheOwnersAnswerSay)
{
    const ModalCase &c = GetParam();
    SECEditFindState &state = SECEditGetFindState();
    RecordingOwner owner;
    owner.result = c.ownerResult;
    SECEditFindDialog dialog;
    dialog.m_bFindOnly = c.findOnly;
    dialog.m_bRegexAvailable = state.m_bRegexAvailable;
    dialog.m_pOwner = &owner;
    dialog.m_pFindHistory = &state.m_findHistory;
    dialog.m_pReplaceHistory = &state.m_replaceHistory;
    dialog.SetFindString("modal");
    dialog.SetSearchDown(TRUE);
    dialog.SetSelectionAvailable();
    dialog.SetReplaceInSelection(FALSE);
    const char *caption = c.findOnly ? "Find" : "Replace";
    UINT button = c.button;
    ModalDriver driver(caption, [button](CWnd *dlg) {
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(dlg->GetDlgItem(static_cast<int>(button))->GetSafeHwnd()));
        // A dialog that stays is cancelled.
        if (dlg->GetSafeHwnd() && dlg->IsWindowVisible())
            dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    INT_PTR result = dialog.DoModal();
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_EQ(result, c.expected == 0 ? INT_PTR(IDCANCEL) : c.expected);
    ASSERT_EQ(owner.presses.size(), 1u);
    EXPECT_TRUE(dialog.IsModal());
    EXPECT_STREQ(state.m_findHistory.GetHead(), "modal");
}

INSTANTIATE_TEST_SUITE_P(Buttons, ModalRuns,
                         ::testing::Values(ModalCase{TRUE, IDOK, TRUE, IDOK}, ModalCase{TRUE, IDOK, FALSE, 0},
                                           ModalCase{TRUE, SECEDIT_IDC_MARK_ALL, TRUE, IDOK},
                                           ModalCase{FALSE, IDOK, TRUE, 0},
                                           ModalCase{FALSE, SECEDIT_IDC_REPLACE, TRUE, 0},
                                           ModalCase{FALSE, SECEDIT_IDC_REPLACE_ALL, TRUE, IDOK},
                                           ModalCase{FALSE, SECEDIT_IDC_REPLACE_ALL, FALSE, 0}));

} // namespace
