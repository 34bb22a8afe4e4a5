// Find, Mark All, Replace and Replace All through the dialog's owner
// interface, the F3 family, and the dialog runner the controller shows its
// dialog through.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/controller/SECEditReplaceAllPass.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBlock.h"
#include "editor/text/SECEditTextStore.h"
#include "framework/app/AppIds.h"
#include "framework/shell/ScriptRegExp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ControllerFindTest : public ControllerTest<> {
protected:
    MessageRecorder messages;
    SECEditFindState &state = SECEditGetFindState();
    ISECEditFindDialogRunner *installedRunner = nullptr;

    void SetUp() override
    {
        // The commands run here without the modal dialogs the library
        // installed; the tests of the seam give their own runner.
        installedRunner = SECEditController::SetFindDialogRunner(nullptr);
        state.m_pDialog = nullptr;
        state.m_pOwner = nullptr;
        state.m_bFindOnly = TRUE;
        state.m_strFindText.Empty();
        state.m_strReplaceText.Empty();
        state.m_bMatchCase = FALSE;
        state.m_bSearchDown = TRUE;
        state.m_bWholeWord = FALSE;
        state.m_bInSelection = FALSE;
        state.m_bRegularExpression = FALSE;
    }
    void TearDown() override
    {
        ControllerTest::TearDown();
        SECEditController::SetFindDialogRunner(installedRunner);
    }
    std::vector<std::string> &Shown() { return MessageRecorder::Messages(); }
    // A button press of the dialog with the given texts and options.
    BOOL Press(int action, const char *find, const char *replace = "", BOOL regex = FALSE, BOOL matchCase = FALSE,
               BOOL findOnly = FALSE, BOOL inSelection = FALSE)
    {
        SECEditFindRequest request;
        request.m_nAction = action;
        request.m_strFindText = find;
        request.m_strReplaceText = replace;
        request.m_bRegularExpression = regex;
        request.m_bMatchCase = matchCase;
        request.m_bFindOnly = findOnly;
        request.m_bInSelection = inSelection;
        return controller->OnFindRequest(request);
    }
};

TEST_F(ControllerFindTest, RepeatedSearchWrapsBackToTheOnlyMatch)
{
    Open("alpha beta\ngamma\n");
    controller->MoveCaretTo(0, 7, FALSE); // inside "beta"
    Command(ID_SECEDIT_FIND_NEXT_WORD);
    EXPECT_EQ(Selected(), "beta");
    EXPECT_TRUE(Shown().empty());
    Command(ID_SECEDIT_FIND_NEXT_WORD);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "Finished searching for 'beta'.");
    EXPECT_EQ(Selected(), "beta");
    // F3 forgets the remembered match, so it selects the word again.
    Command(ID_SECEDIT_FIND_NEXT);
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Selected(), "beta");
    // So does the dialog's Find Next.
    EXPECT_TRUE(Press(SECEditFindRequest::findNext, "beta", "", FALSE, FALSE, TRUE));
    EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(ControllerFindTest, MissingTextMessageDependsOnTheDialog)
{
    struct Case {
        BOOL findOnly;
        const char *message;
    } cases[] = {{TRUE, "Cannot find the string 'zzz'."}, {FALSE, "Finished searching for 'zzz'."}};
    Open("alpha\n");
    for (const Case &c : cases) {
        Shown().clear();
        EXPECT_FALSE(Press(SECEditFindRequest::findNext, "zzz", "", FALSE, FALSE, c.findOnly));
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0], c.message);
    }
}

TEST_F(ControllerFindTest, FindMovesBothWaysAndCentresTheMatch)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += i == 30 ? "needle\n" : "hay\n";
    Open(text + "needle");
    controller->MoveCaretTo(5, 0, FALSE);
    EXPECT_TRUE(Press(SECEditFindRequest::findNext, "NEEDLE", "", FALSE, FALSE, TRUE));
    EXPECT_EQ(controller->GetCaretLine(), 30);
    EXPECT_EQ(controller->GetCaretColumn(), 6);
    // The match's line stands in the middle of the ten visible lines.
    const int lineHeight = controller->GetMetrics()->GetLineHeight();
    EXPECT_EQ(pane.Viewport().GetOrigin().y / lineHeight, 30 - pane.Viewport().GetSize().cy / lineHeight / 2);
    // Case matters when asked for.
    EXPECT_FALSE(Press(SECEditFindRequest::findNext, "NEEDLE", "", FALSE, TRUE, TRUE));
    state.m_bSearchDown = FALSE;
    state.m_strFindText = "needle";
    controller->ClearSelection(FALSE);
    controller->MoveCaretTo(35, 0, FALSE);
    EXPECT_TRUE(controller->Find(state));
    EXPECT_EQ(controller->GetSelectionObject().GetStart(), SECEditPosition(30, 0));
    // Upwards again from the selected match: wraps to the last line.
    EXPECT_TRUE(controller->Find(state));
    EXPECT_EQ(controller->GetSelectionObject().GetStart(), SECEditPosition(40, 0));
}

TEST_F(ControllerFindTest, MarkAllMarksEachLineOnceAndGoesToTheFirst)
{
    Open("x\nab ab\nx\nab\n");
    controller->MoveCaretTo(2, 0, FALSE);
    EXPECT_TRUE(Press(SECEditFindRequest::markAll, "ab"));
    EXPECT_EQ(buffer->CountMarkedLines(SECEDIT_MARK_BOOKMARK), 2);
    EXPECT_TRUE(buffer->HasMark(1, SECEDIT_MARK_BOOKMARK));
    EXPECT_TRUE(buffer->HasMark(3, SECEDIT_MARK_BOOKMARK));
    // Searching down from line 2, the first match is on line 3.
    EXPECT_EQ(controller->GetCaretLine(), 3);
    EXPECT_EQ(controller->GetCaretColumn(), 0);
    EXPECT_FALSE(Press(SECEditFindRequest::markAll, "zz"));
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "Cannot find the string 'zz'.");
}

TEST_F(ControllerFindTest, ReplaceReplacesTheSelectedMatchOnlyAndSelectsTheNext)
{
    Open("cat dog cat dog\n");
    // Something else selected: only finds.
    controller->SelectRange(0, 4, 0, 7, SECEDIT_SEL_STREAM);
    EXPECT_TRUE(Press(SECEditFindRequest::replaceCurrent, "cat", "cow"));
    EXPECT_EQ(Text(), "cat dog cat dog\n");
    EXPECT_EQ(controller->GetSelectionObject().GetStart(), SECEditPosition(0, 8));
    // The match selected: replaced, and the next one selected.
    EXPECT_TRUE(Press(SECEditFindRequest::replaceCurrent, "cat", "cow"));
    EXPECT_EQ(Text(), "cat dog cow dog\n");
    EXPECT_EQ(controller->GetSelectionObject().GetStart(), SECEditPosition(0, 0));
    EXPECT_EQ(Selected(), "cat");
}

TEST_F(ControllerFindTest, RegularExpressionReplacementSeesGroupsCaseAndContext)
{
    struct Case {
        const char *text, *pattern, *replacement;
        BOOL matchCase;
        const char *result;
    } cases[] = {
        {"key=value\n", "(\\w+)=(\\w+)", "$2=$1", FALSE, "value=key\n"},
        {"ABC abc\n", "b", "[$&]", FALSE, "A[B]C a[b]c\n"},
        {"ABC abc\n", "b", "[$&]", TRUE, "ABC a[b]c\n"},
        {"xy zy\n", "(?<=x)y", "Y", FALSE, "xY zy\n"},
        {"aa aa\n", "^a", "b", FALSE, "ba aa\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pattern);
        TearDown();
        Open(c.text);
        Shown().clear();
        EXPECT_TRUE(Press(SECEditFindRequest::replaceAll, c.pattern, c.replacement, TRUE, c.matchCase));
        EXPECT_EQ(Text(), c.result);
        // Replace one at a time gives the same for the first match.
        buffer->Undo();
        controller->ClearSelection(FALSE);
        controller->MoveCaretTo(0, 0, FALSE);
        EXPECT_TRUE(Press(SECEditFindRequest::replaceCurrent, c.pattern, c.replacement, TRUE, c.matchCase));
        EXPECT_TRUE(Press(SECEditFindRequest::replaceCurrent, c.pattern, c.replacement, TRUE, c.matchCase));
        EXPECT_EQ(Text().substr(0, std::string(c.result).find(' ')),
                  std::string(c.result).substr(0, std::string(c.result).find(' ')));
        EXPECT_EQ(Text().find("$"), std::string::npos);
    }
}

// A controller that counts how often the caret is put on the screen.
class CaretCountingController : public SECEditController {
public:
    int placements = 0;
    void MoveCaretTo(int line, int column, BOOL bKeepVirtual) override
    {
        ++placements;
        SECEditController::MoveCaretTo(line, column, bKeepVirtual);
    }
};

// The undo (and redo) of a Replace All that joined many lines puts the
// caret on the screen once, where the last record leaves it, not once per
// joined line (each of which measured the joined line again).
TEST_F(ControllerFindTest, UndoOfAReplaceAllPlacesTheCaretOnce)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line\n";
    buffer = MakeBuffer(language.get(), text);
    ASSERT_TRUE(pane.Create(buffer.get(), &MakeController<CaretCountingController>));
    controller = pane.Controller();
    auto &counting = pane.ControllerAs<CaretCountingController>();
    pane.view->SetFocus();
    PumpEditorEvents();
    ASSERT_TRUE(Press(SECEditFindRequest::replaceAll, "\\n", "x", TRUE));
    ASSERT_EQ(buffer->GetLineCount(), 1);
    for (BOOL bUndo : {TRUE, FALSE}) {
        SCOPED_TRACE(bUndo ? "undo" : "redo");
        counting.placements = 0;
        Command(bUndo ? ID_EDIT_UNDO : ID_EDIT_REDO);
        EXPECT_EQ(buffer->GetLineCount(), bUndo ? 201 : 1);
        EXPECT_LE(counting.placements, 2); // placed, and placed again by the scroll to it
    }
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Text(), text);
    // The caret is where the last record undone leaves it: after the line
    // break it put back at the end of the text.
    EXPECT_EQ(controller->GetCaretLine(), 200);
    EXPECT_EQ(controller->GetCaretColumn(), 0);
}

TEST_F(ControllerFindTest, InvalidPatternChangesNothing)
{
    Open("abc abc\n");
    controller->SelectRange(0, 0, 0, 3, SECEDIT_SEL_STREAM);
    const int undo = buffer->GetUndoCount();
    for (int action : {SECEditFindRequest::findNext, SECEditFindRequest::replaceCurrent, SECEditFindRequest::replaceAll,
                       SECEditFindRequest::markAll}) {
        Shown().clear();
        EXPECT_FALSE(Press(action, "a(b", "x", TRUE));
        if (action == SECEditFindRequest::markAll)
            continue; // Mark All searches plain text
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].rfind("Invalid regular expression: ", 0), 0u) << Shown()[0];
        EXPECT_EQ(Text(), "abc abc\n");
        EXPECT_EQ(buffer->GetUndoCount(), undo);
        EXPECT_EQ(controller->GetUpdateLock(), 0);
        EXPECT_FALSE(buffer->IsCompoundOpen());
    }
}

TEST_F(ControllerFindTest, ReplaceAllCountsAndUndoesInOneStep)
{
    struct Case {
        const char *text, *pattern, *replacement;
        BOOL regex;
        int caretLine;
        const char *result;
        const char *message;
    } cases[] = {
        {"a1\nb2\nc3\n", "\\d", "#", TRUE, 0, "a#\nb#\nc#\n",
         "The document has been searched and 3 replacements were made."},
        // From the middle: the end first, then wrapped to the top.
        {"x\nx\nx\n", "x", "yy", FALSE, 1, "yy\nyy\nyy\n",
         "The document has been searched and 3 replacements were made."},
        // Empty matches move on one character, and over a line break.
        {"ab\ncd", "x*", "-", TRUE, 0, "-a-b-\n-c-d-", "The document has been searched and 6 replacements were made."},
        {"ab\ncd", "x*", "", TRUE, 0, "ab\ncd", "The document has been searched and 6 replacements were made."},
        {"ab\r\ncd", "x*", "-", TRUE, 0, "-a-b-\r\n-c-d-",
         "The document has been searched and 6 replacements were made."},
        // A byte that starts no character is one step, whatever follows.
        {"a\xfe\x82\xc3\xa9", "x*", "-", TRUE, 0, "-a-\xfe-\x82-\xc3\xa9-",
         "The document has been searched and 5 replacements were made."},
        {"abc\n", "z", "y", FALSE, 0, "abc\n", "Finished searching for 'z'."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        TearDown();
        Open(c.text);
        Shown().clear();
        controller->MoveCaretTo(c.caretLine, 0, FALSE);
        const int undo = buffer->GetUndoCount();
        Press(SECEditFindRequest::replaceAll, c.pattern, c.replacement, c.regex);
        EXPECT_EQ(Text(), c.result);
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0], c.message);
        EXPECT_FALSE(controller->HasSelection());
        if (Text() != c.text) {
            EXPECT_EQ(buffer->GetUndoCount(), undo + 1);
            buffer->Undo();
            EXPECT_EQ(Text(), c.text);
        }
    }
}

TEST_F(ControllerFindTest, ReplaceAllLeavesTheCaretAfterTheLastReplacement)
{
    Open("x1\nx2\nx3\n");
    controller->MoveCaretTo(1, 0, FALSE);
    Press(SECEditFindRequest::replaceAll, "x", "yy");
    // Lines 1 and 2 first, then line 0 after the wrap.
    EXPECT_EQ(controller->GetCaretLine(), 0);
    EXPECT_EQ(controller->GetCaretColumn(), 2);
}

TEST_F(ControllerFindTest, ReplaceAllInSelectionKeepsToIt)
{
    Open("aaa\naaa\naaa\n");
    controller->SelectRange(0, 2, 1, 2, SECEDIT_SEL_STREAM);
    Press(SECEditFindRequest::replaceAll, "a", "b", FALSE, FALSE, FALSE, TRUE);
    EXPECT_EQ(Text(), "aab\nbba\naaa\n");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "The selection has been searched and 3 replacements were made.");
}

TEST_F(ControllerFindTest, ReplacementsOverTheLineLimitAreRefused)
{
    const std::string line(2040, 'a');
    Open(line + "X\nX\n");
    Press(SECEditFindRequest::replaceAll, "X", "0123456789");
    // The second line takes its replacement, the first is refused and ends
    // the command; what was replaced stays, as one undo step.
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "Cannot replace text. Line would exceed 2048 characters.");
    EXPECT_EQ(Text(), line + "X\nX\n");

    Shown().clear();
    controller->MoveCaretTo(1, 0, FALSE);
    Press(SECEditFindRequest::replaceAll, "X", "0123456789");
    EXPECT_EQ(Text(), line + "X\n0123456789\n");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "Cannot replace text. Line would exceed 2048 characters.");

    Shown().clear();
    controller->MoveCaretTo(0, 0, FALSE);
    Press(SECEditFindRequest::replaceCurrent, "X", "0123456789");
    Press(SECEditFindRequest::replaceCurrent, "X", "0123456789");
    EXPECT_EQ(Text(), line + "X\n0123456789\n");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "Cannot replace text. Line would exceed 2048 characters.");
}

// Tabs widen a line by up to the tab size each: a few bytes of tabs can
// pass the limit, before the match, in the replacement or after it.
TEST_F(ControllerFindTest, TabsCountTowardsTheLineLimit)
{
    Open("x\n");
    const int tabSize = buffer->GetTabSize();
    ASSERT_GT(tabSize, 1);
    const int tabsToTheLimit = 2048 / tabSize;
    const std::string third(static_cast<size_t>(tabsToTheLimit / 3), '\t');
    const std::string rest(static_cast<size_t>(tabsToTheLimit - 2 * (tabsToTheLimit / 3)), '\t');
    struct Case {
        std::string text, replacement;
        bool refused;
    } cases[] = {
        {third + "X" + third + "\n", rest, false},       // exactly at the limit
        {third + "X" + third + "\n", rest + "\t", true}, // one tab stop past it
        {third + third + "X\n", rest + "\t", true},      // the tabs all before the match
        {"X" + third + third + "\n", rest + "\t", true}, // the tabs all after it
    };
    for (const Case &c : cases) {
        Open(c.text);
        Shown().clear();
        Press(SECEditFindRequest::replaceAll, "X", c.replacement.c_str());
        const std::string replaced =
            c.text.substr(0, c.text.find('X')) + c.replacement + c.text.substr(c.text.find('X') + 1);
        EXPECT_EQ(Text(), c.refused ? c.text : replaced) << c.text.size() << " bytes, " << c.replacement.size();
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0] == "Cannot replace text. Line would exceed 2048 characters.", c.refused);
    }
}

TEST_F(ControllerFindTest, ReadOnlyBufferRefusesReplacing)
{
    Open("abc\n");
    buffer->SetReadOnly(TRUE);
    for (int action : {SECEditFindRequest::replaceCurrent, SECEditFindRequest::replaceAll}) {
        controller->SelectRange(0, 0, 0, 1, SECEDIT_SEL_STREAM);
        Shown().clear();
        EXPECT_FALSE(Press(action, "a", "b"));
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0], "Text is read-only. Cannot perform replace.");
    }
    EXPECT_EQ(Text(), "abc\n");
}

// A runner standing in for the dialog: it records what it was given and,
// while "modal", presses the buttons it was told to.
class FakeRunner : public ISECEditFindDialogRunner {
public:
    SECEditFindDialogSetup setup;
    std::vector<SECEditFindRequest> presses;
    std::vector<std::string> calls;
    SECEditFindDialog *const dialog = reinterpret_cast<SECEditFindDialog *>(&setup);
    size_t next = 0;

    SECEditFindDialog *New(const SECEditFindDialogSetup &s) override
    {
        setup = s;
        calls.push_back("New");
        return dialog;
    }
    int DoModal(SECEditFindDialog *pDialog) override
    {
        calls.push_back("DoModal");
        while (next < presses.size())
            setup.m_pOwner->OnFindDialogButton(pDialog);
        return IDOK;
    }
    BOOL CreateModeless(SECEditFindDialog *) override
    {
        calls.push_back("CreateModeless");
        return TRUE;
    }
    void Activate(SECEditFindDialog *) override { calls.push_back("Activate"); }
    void Destroy(SECEditFindDialog *) override { calls.push_back("Destroy"); }
    void Delete(SECEditFindDialog *) override { calls.push_back("Delete"); }
    void Read(SECEditFindDialog *, SECEditFindRequest &request) override { request = presses[next++]; }
};

TEST_F(ControllerFindTest, DialogRunsModallyThroughTheRunner)
{
    FakeRunner runner;
    ISECEditFindDialogRunner *previous = SECEditController::SetFindDialogRunner(&runner);
    Open("one two one\n");
    controller->MoveCaretTo(0, 5, FALSE);
    state.m_bMatchCase = TRUE;
    state.m_strReplaceText = "old";
    SECEditFindRequest press;
    press.m_nAction = SECEditFindRequest::replaceAll;
    press.m_strFindText = "one";
    press.m_strReplaceText = "1";
    runner.presses.push_back(press);
    Command(ID_EDIT_REPLACE);
    EXPECT_EQ(runner.calls, (std::vector<std::string>{"New", "DoModal", "Delete"}));
    EXPECT_EQ(runner.setup.m_pOwner, static_cast<ISECEditFindOwner *>(controller));
    EXPECT_FALSE(runner.setup.m_bFindOnly);
    EXPECT_TRUE(runner.setup.m_bSelectionAvailable);
    EXPECT_TRUE(runner.setup.m_bMatchCase);
    EXPECT_EQ(std::string(runner.setup.m_strFindText.GetString()), "two");
    EXPECT_EQ(std::string(runner.setup.m_strReplaceText.GetString()), "old");
    EXPECT_EQ(runner.setup.m_pFindHistory, &state.m_findHistory);
    EXPECT_EQ(Text(), "1 two 1\n");
    // The press's options became the shared state; the dialog is gone.
    EXPECT_FALSE(state.m_bMatchCase);
    EXPECT_EQ(std::string(state.m_strReplaceText.GetString()), "1");
    EXPECT_EQ(state.m_pDialog, nullptr);
    EXPECT_EQ(state.m_pOwner, nullptr);
    SECEditController::SetFindDialogRunner(previous);
}

TEST_F(ControllerFindTest, OpenDialogIsOnlyBroughtForwardAndGoesWithItsOwner)
{
    FakeRunner runner;
    ISECEditFindDialogRunner *previous = SECEditController::SetFindDialogRunner(&runner);
    Open("one\n");
    {
        struct ModelessController : SECEditController {
            ModelessController() { m_bModalFind = FALSE; }
        } owner;
        owner.GetEventListener().SetBuffer(buffer.get());
        owner.ShowFindDialog(TRUE);
        EXPECT_EQ(state.m_pOwner, &owner);
        EXPECT_EQ(runner.calls, (std::vector<std::string>{"New", "CreateModeless"}));
        // Another pane's Find, and F3, only bring it forward.
        Command(ID_EDIT_FIND);
        Command(ID_SECEDIT_FIND_NEXT);
        EXPECT_EQ(runner.calls.size(), 4u);
        EXPECT_EQ(runner.calls[3], "Activate");
    }
    EXPECT_EQ(runner.calls.back(), "Destroy");
    EXPECT_EQ(state.m_pDialog, nullptr);
    SECEditController::SetFindDialogRunner(previous);
}

TEST_F(ControllerFindTest, FindKeysSearchBothWays)
{
    struct Case {
        UINT command;
        int caretCol;
        int selectedAt;
    } cases[] = {
        {ID_SECEDIT_FIND_NEXT_WORD, 1, 4},
        {ID_SECEDIT_FIND_PREV_WORD, 9, 4},
        {ID_SECEDIT_FIND_PREV_WORD, 1, 8},
    };
    Open("ab; ab; ab\n");
    for (const Case &c : cases) {
        controller->ClearSelection(FALSE);
        controller->MoveCaretTo(0, c.caretCol, FALSE);
        Command(c.command);
        EXPECT_EQ(controller->GetSelectionObject().GetStart().m_nCol, c.selectedAt) << c.command << " " << c.caretCol;
    }
}

} // namespace

namespace {

TEST_F(ControllerFindTest, ManyReplacementsGoInAsOneStretch)
{
    // Enough matches that the new text goes in as one stretch, with a
    // replacement holding a line break and a wrap past the end.
    std::string text, expected;
    for (int i = 0; i < 6000; ++i) {
        text += "a" + std::to_string(i) + "\n";
        expected += "<" + std::to_string(i) + ">\n-\n";
    }
    Open(text);
    controller->MoveCaretTo(3000, 0, FALSE);
    const int undo = buffer->GetUndoCount();
    EXPECT_TRUE(Press(SECEditFindRequest::replaceAll, "a(\\d+)\\n", "<$1>\n-\n", TRUE));
    EXPECT_EQ(Text(), expected);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "The document has been searched and 6000 replacements were made.");
    // The last replacement was the one before the starting line.
    EXPECT_EQ(controller->GetCaretLine(), 6000);
    EXPECT_EQ(controller->GetCaretColumn(), 0);
    EXPECT_EQ(buffer->GetUndoCount(), undo + 1);
    buffer->Undo();
    EXPECT_EQ(Text(), text);
}

} // namespace

namespace {

TEST_F(ControllerFindTest, ReplaceAllOverTheStoresBlocksMatchesAsOverOnePiece)
{
    // Several blocks of text; matches with a look-behind and groups, some of
    // them over the seams of the blocks.
    for (int lines : {4000, 9000}) {
        SCOPED_TRACE(lines);
        std::string text, expected;
        const std::string filler(57, '.');
        for (int i = 0; i < lines; ++i) {
            text += filler + "k" + std::to_string(i) + "=v" + std::to_string(i * 7) + "\n";
            expected += filler + "k" + std::to_string(i * 7) + "v" + std::to_string(i) + "\n";
        }
        TearDown();
        Open(text);
        ASSERT_GT(buffer->GetStore()->GetBlockCount(), 1);
        Shown().clear();
        EXPECT_TRUE(Press(SECEditFindRequest::replaceAll, "(?<=k)(\\d+)=(v)(\\d+)", "$3$2$1", TRUE));
        EXPECT_EQ(Text(), expected);
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0],
                  "The document has been searched and " + std::to_string(lines) + " replacements were made.");
    }
}

} // namespace

namespace {

TEST_F(ControllerFindTest, ManyReplacementsUndoAndRedoToTheExactBytes)
{
    // Enough matches that the stretch is written anew and swapped in as one
    // record: lines joined, lines added, replacements that are empty, and a
    // CR LF document with odd bytes in it.
    std::string text;
    for (int i = 0; i < 13000; ++i)
        text += "  item" + std::to_string(i) + (i % 3 ? "\r\n" : "\x01\xff\r\n");
    struct Case {
        const char *pattern, *replacement;
        int lineDelta; // lines added (per match)
    } cases[] = {
        {"\\r\\n(  item\\d*[13579])\\r", "\t$1\r", -1}, // joins each odd line to the one before
        {"item(\\d+)", "$1\r\n", 1},                    // breaks every line in two
        {"  ", "", 0},                                  // empty replacement
        {"(?<=item)(\\d)", "$1$1", 0},                  // look-behind and a group
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pattern);
        TearDown();
        Open(text);
        controller->MoveCaretTo(700, 0, FALSE); // wrapped past the end
        Shown().clear();
        const int undo = buffer->GetUndoCount();
        const int lines = buffer->GetLineCount();
        ASSERT_TRUE(Press(SECEditFindRequest::replaceAll, c.pattern, c.replacement, TRUE, TRUE));
        const std::string replaced = Text();
        ASSERT_EQ(Shown().size(), 1u);
        const int count = std::stoi(Shown()[0].substr(Shown()[0].find("and ") + 4));
        EXPECT_GT(count, SECEditReplaceAllPass::kPieceByPiece);
        EXPECT_EQ(buffer->GetLineCount(), lines + c.lineDelta * count);
        EXPECT_NE(replaced, text);
        EXPECT_EQ(buffer->GetUndoCount(), undo + 1);
        buffer->Undo();
        EXPECT_EQ(Text(), text);
        EXPECT_EQ(buffer->GetLineCount(), lines);
        buffer->Redo();
        EXPECT_EQ(Text(), replaced);
        buffer->Undo();
        EXPECT_EQ(Text(), text);
    }
}

TEST_F(ControllerFindTest, ReplaceAllOverALargeFileAgreesWithOnePieceAtATime)
{
    // About 2 MB over many blocks: the result is what replacing each match
    // of the plain text would give, and undo gives the file back.
    std::string text, expected;
    for (int i = 0; i < 60000; ++i) {
        const std::string n = std::to_string(i);
        text += "    value" + n + " = compute(" + n + ");\n";
        // The first line has no line end before it: it stays as it is.
        expected += (i == 0 ? "    value" + n : "value" + n + "    ") + " = compute(" + n + ");\n";
    }
    Open(text);
    ASSERT_GT(buffer->GetStore()->GetBlockCount(), 10);
    EXPECT_TRUE(Press(SECEditFindRequest::replaceAll, "\\n( *)(\\S+)", "\n$2$1", TRUE, TRUE));
    EXPECT_EQ(Text(), expected);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "The document has been searched and 59999 replacements were made.");
    buffer->Undo();
    EXPECT_EQ(Text(), text);
}

} // namespace

namespace {

TEST_F(ControllerFindTest, ReplaceAllAtTheSeamsOfBlocksAgreesWithOnePiece)
{
    // The store cuts its blocks after line ends, so a match that runs over a
    // line end, a look-behind that looks back over one and an empty match
    // after one all meet the seams of the blocks.  Few matches are replaced
    // one by one, many written anew: both give what one global replacement
    // over the text in one piece gives.
    struct Case {
        const char *pattern, *replacement;
        BOOL matchCase;
    } cases[] = {
        {";\\n( *)v", ";$1\nV", TRUE},              // over each line end
        {"(?<=\\n)", "> ", TRUE},                   // empty, right after each line end
        {"(?<=;\\n {4})VALUE(\\d)", "<$1>", FALSE}, // looks back into the line before, case ignored
        {"(\\d)\\)", "$1 )", TRUE},                 // a group, no line end
    };
    // Few long lines over several blocks (joining two of them for a moment
    // must not break them), then many short ones.
    for (int lines : {100, 4500}) {
        const std::string filler(lines < 1000 ? 1400 : 100, '.');
        std::string text;
        for (int i = 0; i < lines; ++i)
            text +=
                "    value" + std::to_string(i) + " = compute(\"" + filler + "\", " + std::to_string(i * 3) + ");\n";
        for (const Case &c : cases) {
            SCOPED_TRACE(std::to_string(lines) + " " + c.pattern);
            CScriptRegExp oneRegExp;
            oneRegExp.SetPattern(c.pattern);
            oneRegExp.SetIgnoreCase(!c.matchCase);
            oneRegExp.SetGlobal(TRUE);
            const std::string expected = oneRegExp.Replace(CString(text), CString(c.replacement)).Str();
            const long count = oneRegExp.Execute(CString(text)).GetCount();
            ASSERT_GT(count, 0);
            TearDown();
            Open(text);
            SECEditTextStore &store = *buffer->GetStore();
            ASSERT_GT(store.GetBlockCount(), 1);
            // The seams do lie right after line ends.
            for (int k = 1; k < store.GetBlockCount(); ++k)
                ASSERT_EQ(text[static_cast<size_t>(store.GetBlock(k)->m_nOffset) - 1], '\n');
            Shown().clear();
            EXPECT_TRUE(Press(SECEditFindRequest::replaceAll, c.pattern, c.replacement, TRUE, c.matchCase));
            EXPECT_EQ(Text(), expected);
            ASSERT_EQ(Shown().size(), 1u);
            EXPECT_EQ(Shown()[0],
                      "The document has been searched and " + std::to_string(count) + " replacements were made.");
            buffer->Undo();
            EXPECT_EQ(Text(), text);
            // Again after the undo: the new text may go into the blocks the
            // dropped redo record kept.
            if (count <= SECEditReplaceAllPass::kPieceByPiece)
                continue;
            EXPECT_TRUE(Press(SECEditFindRequest::replaceAll, c.pattern, c.replacement, TRUE, c.matchCase));
            EXPECT_EQ(Text(), expected);
            EXPECT_EQ(buffer->GetRedoCount(), 0);
            buffer->Undo();
            EXPECT_EQ(Text(), text);
        }
    }
}

} // namespace
