// The Find and Replace dialogs run modally from Ctrl+F and Ctrl+H through
// the controller, with nothing installed by the program: each button
// reaches the controller with its action and the text changes as the press
// asks.
#include "editor/controller/SECEditFindDialog.h"

#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/controller/ISECEditFindOwner.h"
#include "editor/controller/SECEditCommandIds.h"
#include "editor/text/SECEditFindState.h"
#include "tests/support/ModalDriver.h"

#include "framework/controls/ControlStyles.h"
#include "framework/window/WindowInternals.h"

#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

void SetText(CWnd *pDialog, UINT nID, const char *text)
{
    CWnd *box = pDialog->GetDlgItem(static_cast<int>(nID));
    box->SetWindowText(text);
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(box->GetSafeHwnd()));
}

void PressButton(CWnd *pDialog, UINT nID)
{
    if (!pDialog->GetSafeHwnd() || !pDialog->IsWindowVisible())
        return;
    CWnd *button = pDialog->GetDlgItem(static_cast<int>(nID));
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(button->GetSafeHwnd()));
}

struct CommandCase {
    Qt::Key key;
    const char *caption;
    const char *find;
    const char *replace;
    std::vector<UINT> buttons; // pressed in turn; a dialog still open is then cancelled
    const char *expectedText;
    const char *expectedSelection;
};

class FindDialogCommands : public ControllerTest<>, public ::testing::WithParamInterface<CommandCase> {
protected:
    void SetUp() override
    {
        SECEditFindState &state = SECEditGetFindState();
        state.m_pDialog = nullptr;
        state.m_pOwner = nullptr;
        state.m_strFindText.Empty();
        state.m_strReplaceText.Empty();
        state.m_bMatchCase = FALSE;
        state.m_bWholeWord = FALSE;
        state.m_bInSelection = FALSE;
        state.m_bRegularExpression = FALSE;
        state.m_bSearchDown = TRUE;
        // The controller's library installed the dialog when it loaded.
        ASSERT_NE(SECEditController::GetFindDialogRunner(), nullptr);
        ASSERT_NO_FATAL_FAILURE(Open("one two one\n"));
    }
    MessageRecorder messages;
};

TEST_P(FindDialogCommands, RunModallyAndReachTheController)
{
    const CommandCase &c = GetParam();
    ModalDriver driver(c.caption, [&c](CWnd *dialog) {
        SetText(dialog, SECEDIT_IDC_FIND_TEXT, c.find);
        if (dialog->GetDlgItem(SECEDIT_IDC_REPLACE_TEXT))
            SetText(dialog, SECEDIT_IDC_REPLACE_TEXT, c.replace);
        for (UINT button : c.buttons)
            PressButton(dialog, button);
        PressButton(dialog, IDCANCEL);
    });
    QTest::keyClick(WindowCore::Widget(pane.view->GetSafeHwnd()), c.key, Qt::ControlModifier);
    PumpEditorEvents();
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_EQ(AllText(*buffer), c.expectedText);
    EXPECT_EQ(std::string(controller->GetSelectionText().GetString()), c.expectedSelection);
    SECEditFindState &state = SECEditGetFindState();
    EXPECT_EQ(state.m_pDialog, nullptr);
    EXPECT_STREQ(state.m_findHistory.GetHead(), c.find);
}

TEST_F(FindDialogCommands, MarkAllFromTheFindDialogBookmarksEveryLineWithTheText)
{
    buffer->InsertText(1, 0, "two\nzero\nand one more\n", 22);
    ModalDriver driver("Find", [](CWnd *dialog) {
        SetText(dialog, SECEDIT_IDC_FIND_TEXT, "one");
        PressButton(dialog, SECEDIT_IDC_MARK_ALL);
        // Marking closed the dialog: a cancel now reaches nothing.
        PressButton(dialog, IDCANCEL);
    });
    QTest::keyClick(WindowCore::Widget(pane.view->GetSafeHwnd()), Qt::Key_F, Qt::ControlModifier);
    PumpEditorEvents();
    EXPECT_TRUE(ModalDriver::Ran());
    const bool marked[] = {true, false, false, true};
    for (int line = 0; line < 4; ++line)
        EXPECT_EQ(buffer->HasMark(line, SECEDIT_MARK_BOOKMARK) != FALSE, marked[line]) << "line " << line;
    EXPECT_EQ(SECEditGetFindState().m_pDialog, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FindDialogCommands,
    ::testing::Values(
        CommandCase{Qt::Key_F, "Find", "two", "", {IDOK}, "one two one\n", "two"},
        CommandCase{Qt::Key_F, "Find", "three", "", {IDOK}, "one two one\n", ""},
        CommandCase{Qt::Key_H, "Replace", "one", "1", {SECEDIT_IDC_REPLACE_ALL}, "1 two 1\n", ""},
        CommandCase{Qt::Key_H, "Replace", "two", "2", {SECEDIT_IDC_REPLACE, SECEDIT_IDC_REPLACE}, "one 2 one\n", ""},
        CommandCase{Qt::Key_H, "Replace", "one", "1", {IDOK}, "one two one\n", "one"}));

} // namespace
