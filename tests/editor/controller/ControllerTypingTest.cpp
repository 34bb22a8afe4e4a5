// Typing as the framework delivers it (one WM_CHAR per UTF-8 byte, input
// method commits), undo merging, overwrite, virtual space, Delete and
// Backspace.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/text/SECEditBufferHint.h"

#include "framework/window/WindowInternals.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

class ControllerTypingTest : public ControllerTest<> {
protected:
    // Typed text as the desktop delivers it: one key press per character,
    // the character in the event's text.
    void TypeText(const char *utf8)
    {
        const QString text = QString::fromUtf8(utf8);
        for (const uint codePoint : text.toUcs4()) {
            const QString character = QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1);
            if (codePoint < 0x80) {
                QTest::keyClick(Widget(), static_cast<char>(codePoint));
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
                QCoreApplication::sendEvent(Widget(), &press);
                QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
                QCoreApplication::sendEvent(Widget(), &release);
            }
        }
        PumpEditorEvents();
    }
    void Bytes(std::initializer_list<unsigned char> bytes)
    {
        for (unsigned char b : bytes)
            pane.view->SendMessage(WM_CHAR, b);
    }
    void Undo() { Command(ID_EDIT_UNDO); }
};

TEST_F(ControllerTypingTest, WordsAndSpacesUndoAsSeparateSteps)
{
    Open("");
    TypeText("ab cd");
    EXPECT_EQ(Text(), "ab cd");
    EXPECT_EQ(Caret(), SECEditPosition(0, 5));
    Undo();
    EXPECT_EQ(Text(), "ab ");
    Undo();
    EXPECT_EQ(Text(), "ab");
    Undo();
    EXPECT_EQ(Text(), "");
}

TEST_F(ControllerTypingTest, AnAccentedWordUndoesInOneStep)
{
    Open("");
    TypeText("caf\xC3\xA9 na\xC3\xAFve");
    EXPECT_EQ(Text(), "caf\xC3\xA9 na\xC3\xAFve");
    EXPECT_EQ(Caret(), SECEditPosition(0, 12));
    Undo();
    EXPECT_EQ(Text(), "caf\xC3\xA9 ");
    Undo();
    Undo();
    EXPECT_EQ(Text(), "");
}

TEST_F(ControllerTypingTest, Utf8BytesArriveOneByOne)
{
    Open("");
    Bytes({0xE2, 0x82});
    EXPECT_EQ(Text(), ""); // waiting for the third byte
    Bytes({0xAC});
    EXPECT_EQ(Text(), "\xE2\x82\xAC");
    // A byte that cannot continue a sequence flushes it unchanged.
    Bytes({0xC3, 'x'});
    EXPECT_EQ(Text(), "\xE2\x82\xAC\xC3x");
    // A stray continuation byte goes in as it is.
    Bytes({0x80});
    EXPECT_EQ(Text(), "\xE2\x82\xAC\xC3x\x80");
    EXPECT_EQ(Caret(), SECEditPosition(0, 6));
}

TEST_F(ControllerTypingTest, InputMethodCommitsGoIn)
{
    Open("ab");
    controller->MoveCaretTo(0, 1, FALSE);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));
    QCoreApplication::sendEvent(Widget(), &commit);
    PumpEditorEvents();
    EXPECT_EQ(Text(), "a\xE6\x97\xA5\xE6\x9C\xAC"
                      "b");
    EXPECT_EQ(Caret(), SECEditPosition(0, 7));
}

TEST_F(ControllerTypingTest, TypingAfterASaveStartsANewStep)
{
    Open("");
    TypeText("ab");
    buffer->MarkSaved();
    TypeText("c");
    Undo();
    EXPECT_EQ(Text(), "ab");
    Undo();
    EXPECT_EQ(Text(), "");
}

TEST_F(ControllerTypingTest, TypingNeverMergesIntoAnotherRecord)
{
    Open("");
    TypeText("ab");
    Type(Qt::Key_Backspace); // a delete record on top
    TypeText("x");
    EXPECT_EQ(Text(), "ax");
    Undo();
    EXPECT_EQ(Text(), "a");
    Undo();
    EXPECT_EQ(Text(), "ab");
    Undo();
    EXPECT_EQ(Text(), "");

    // The run's record undone and freed: new typing starts its own record.
    TypeText("cd");
    Undo();
    EXPECT_EQ(Text(), "");
    TypeText("e");
    EXPECT_EQ(Text(), "e");
    Undo();
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(buffer->GetUndoCount(), 0);
}

TEST_F(ControllerTypingTest, OverwriteReplacesWholeCharacters)
{
    Open("\xC3\xA9 b\nabc");
    Type(Qt::Key_Insert);
    TypeText("x");
    EXPECT_EQ(Text(), "x b\nabc");
    controller->MoveCaretTo(1, 0, FALSE);
    TypeText("\xC3\xBC");
    EXPECT_EQ(Text(), "x b\n\xC3\xBC"
                      "bc");
    controller->MoveCaretTo(1, 4, FALSE); // the line end: appends
    TypeText("d");
    EXPECT_EQ(Text(), "x b\n\xC3\xBC"
                      "bcd");
    Undo();
    Undo();
    EXPECT_EQ(Text(), "x b\nabc");
}

TEST_F(ControllerTypingTest, TypingInVirtualSpaceFillsWithTabsAndSpaces)
{
    Open("\n");
    language.get()->SetTabSize(4);
    language.get()->SetReplaceTabs(FALSE);
    controller->MoveCaretTo(0, 10, TRUE);
    TypeText("x");
    EXPECT_EQ(Text(), "\t\t  x\n");
    EXPECT_EQ(Caret(), SECEditPosition(0, 5));

    language.get()->SetReplaceTabs(TRUE);
    controller->MoveCaretTo(1, 3, TRUE);
    TypeText("y");
    EXPECT_EQ(Text(), "\t\t  x\n   y");
}

TEST_F(ControllerTypingTest, DeleteAndBackspaceAtTheEnds)
{
    Open("ab\n\xC3\xA9z");
    controller->MoveCaretTo(0, 2, FALSE);
    Type(Qt::Key_Delete); // joins the lines
    EXPECT_EQ(Text(), "ab\xC3\xA9z");
    Type(Qt::Key_Delete); // the whole two-byte character
    EXPECT_EQ(Text(), "abz");
    controller->MoveCaretTo(0, 3, FALSE);
    Type(Qt::Key_Delete); // the end of the last line: nothing
    EXPECT_EQ(Text(), "abz");
    controller->MoveCaretTo(0, 0, FALSE);
    Type(Qt::Key_Backspace); // the start: nothing
    EXPECT_EQ(Text(), "abz");
    controller->MoveCaretTo(0, 2, FALSE);
    Type(Qt::Key_Backspace);
    EXPECT_EQ(Text(), "az");
    EXPECT_EQ(Caret(), SECEditPosition(0, 1));
}

TEST_F(ControllerTypingTest, TypingReplacesTheSelectionInOneStep)
{
    Open("hello world");
    controller->SelectRange(0, 0, 0, 5, SECEDIT_SEL_STREAM);
    TypeText("H");
    EXPECT_EQ(Text(), "H world");
    EXPECT_FALSE(controller->HasSelection());
    EXPECT_FALSE(buffer->IsCompoundOpen());
    EXPECT_EQ(controller->GetUpdateLock(), 0);
    Undo();
    EXPECT_EQ(Text(), "hello world");
}

TEST_F(ControllerTypingTest, ReadOnlyBuffersTakeNoTyping)
{
    Open("ab");
    buffer->SetReadOnly(TRUE);
    TypeText("xy");
    Type(Qt::Key_Delete);
    Type(Qt::Key_Backspace);
    EXPECT_EQ(Text(), "ab");
}

TEST_F(ControllerTypingTest, TypingPastTheLineLimitBreaksTheLine)
{
    Open(std::string(2048, 'a'));
    controller->MoveCaretTo(0, 2048, FALSE);
    TypeText("b");
    EXPECT_EQ(controller->GetTypingSerial(), 0u);
    EXPECT_GT(buffer->GetLineCount(), 1);
    Undo();
    EXPECT_EQ(Text(), std::string(2048, 'a'));
}

TEST_F(ControllerTypingTest, ReturnIndentsLikeTheLineAbove)
{
    Open("    text");
    language.get()->SetAutoIndent(TRUE);
    language.get()->SetReplaceTabs(TRUE);
    controller->MoveCaretTo(0, 8, FALSE);
    Type(Qt::Key_Return);
    EXPECT_EQ(Text(), "    text\n");
    EXPECT_EQ(Caret(), SECEditPosition(1, 4)); // in virtual space
    TypeText("x");
    EXPECT_EQ(Text(), "    text\n    x");

    // Inside a line the rest moves down behind the indent.
    controller->MoveCaretTo(0, 6, FALSE);
    Type(Qt::Key_Return);
    EXPECT_EQ(Text(), "    te\n    xt\n    x");
    EXPECT_EQ(Caret(), SECEditPosition(1, 4));

    // Overwrite: only the caret moves.
    Type(Qt::Key_Insert);
    Type(Qt::Key_Return);
    EXPECT_EQ(Text(), "    te\n    xt\n    x");
    EXPECT_EQ(Caret(), SECEditPosition(2, 4));
}

TEST_F(ControllerTypingTest, WordDeletes)
{
    Open("one two three");
    controller->MoveCaretTo(0, 8, FALSE);
    Type(Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(Text(), "one three");
    EXPECT_EQ(Caret(), SECEditPosition(0, 4));
    Type(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Text(), "one ");
    Undo();
    EXPECT_EQ(Text(), "one three");
}

TEST_F(ControllerTypingTest, TabIndentsTheSelectedLinesOnly)
{
    Open("a\nb\n\nc\nd\n");
    language.get()->SetReplaceTabs(FALSE);
    // Lines 1 to 3 (the last line reached only at column 0 stays out).
    controller->SelectRange(1, 0, 4, 0, SECEDIT_SEL_STREAM);
    Type(Qt::Key_Tab);
    EXPECT_EQ(Text(), "a\n\tb\n\n\tc\nd\n"); // the blank line untouched
    EXPECT_EQ(controller->GetSelectionObject().GetMode(), SECEDIT_SEL_LINES);
    Undo();
    EXPECT_EQ(Text(), "a\nb\n\nc\nd\n");
    controller->SelectRange(1, 0, 3, 1, SECEDIT_SEL_STREAM);
    Type(Qt::Key_Tab);
    Type(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Text(), "a\nb\n\nc\nd\n");
}

TEST_F(ControllerTypingTest, TabWithoutSelectionAndInOverwrite)
{
    Open("abcdefgh");
    language.get()->SetTabSize(4);
    language.get()->SetReplaceTabs(FALSE);
    controller->MoveCaretTo(0, 1, FALSE);
    Type(Qt::Key_Insert);
    Type(Qt::Key_Tab); // overwrite: to the next tab stop, no text change
    EXPECT_EQ(Caret(), SECEditPosition(0, 4));
    EXPECT_EQ(Text(), "abcdefgh");
    Type(Qt::Key_Insert);
    Type(Qt::Key_Tab);
    EXPECT_EQ(Text(), "abcd\tefgh");
    Type(Qt::Key_Backtab, Qt::ShiftModifier); // display column 8: back to 4
    EXPECT_EQ(Caret(), SECEditPosition(0, 4));
}

TEST_F(ControllerTypingTest, CaseCommandsKeepTheRangeSelected)
{
    Open("x caf\xC3\xA9 na\xC3\xAFve \xFF!\nnext");
    controller->SelectRange(0, 2, 0, 17, SECEDIT_SEL_STREAM);
    Type(Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(), "x CAF\xC3\x89 NA\xC3\x8FVE \xFF!\nnext"); // the stray byte stays
    EXPECT_EQ(controller->GetSelectionObject().GetStart(), SECEditPosition(0, 2));
    EXPECT_EQ(controller->GetSelectionObject().GetFinish(), SECEditPosition(0, 17));
    Type(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Text(), "x caf\xC3\xA9 na\xC3\xAFve \xFF!\nnext");
    Undo();
    EXPECT_EQ(Text(), "x CAF\xC3\x89 NA\xC3\x8FVE \xFF!\nnext");
}

TEST_F(ControllerTypingTest, CaseOfAColumnBlockChangesInPlace)
{
    Open("abcdef\nabcdef\nab\n");
    controller->SelectRange(0, 1, 2, 4, SECEDIT_SEL_COLUMN);
    Type(Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    // Rows stay rows; a short row converts what it has.
    EXPECT_EQ(Text(), "aBCDef\naBCDef\naB\n");
    EXPECT_EQ(controller->GetSelectionObject().GetMode(), SECEDIT_SEL_COLUMN);
    EXPECT_EQ(controller->GetSelectionObject().GetAnchor(), SECEditPosition(0, 1));
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(2, 4));
    Undo(); // one step
    EXPECT_EQ(Text(), "abcdef\nabcdef\nab\n");
}

TEST_F(ControllerTypingTest, DeleteLinesTakesWholeLines)
{
    Open("one\ntwo\nthree\nfour");
    controller->MoveCaretTo(1, 1, FALSE);
    Type(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(), "one\nthree\nfour");
    controller->SelectRange(0, 2, 1, 1, SECEDIT_SEL_STREAM);
    Type(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(), "four");
    controller->MoveCaretTo(0, 2, FALSE);
    Type(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(), "");
    Undo();
    EXPECT_EQ(Text(), "four");
}

TEST_F(ControllerTypingTest, CompositionHidesTheCaretUntilItEnds)
{
    Open("ab");
    pane.view->SendMessage(WM_IME_STARTCOMPOSITION);
    EXPECT_FALSE(controller->CaretExists());
    pane.view->SendMessage(WM_IME_ENDCOMPOSITION);
    EXPECT_TRUE(controller->CaretExists());
}

TEST_F(ControllerTypingTest, AnotherPaneKeepsItsCaretOnItsText)
{
    Open("hello world\nsecond");
    // A second pane on the same buffer, without the focus.
    CEditorPane otherPane;
    ASSERT_TRUE(otherPane.Create(buffer.get()));
    SECEditController &other = *otherPane.Controller();
    PumpEditorEvents();
    pane.view->SetFocus();
    PumpEditorEvents();
    ASSERT_TRUE(controller->CaretExists());
    ASSERT_FALSE(other.CaretExists());
    other.MoveCaretTo(0, 6, FALSE);
    other.SelectRange(1, 0, 1, 3, SECEDIT_SEL_STREAM);

    controller->MoveCaretTo(0, 0, FALSE);
    TypeText("\xC3\xA9!");
    EXPECT_EQ(other.GetCaretLine(), 1); // SelectRange left it at the range's end
    EXPECT_EQ(other.GetCaretColumn(), 3);
    EXPECT_EQ(other.GetSelectionObject().GetAnchor(), SECEditPosition(1, 0));
    other.ClearSelection(FALSE);
    other.MoveCaretTo(0, 9, FALSE); // after "é!hello"
    Type(Qt::Key_Return);
    EXPECT_EQ(other.GetCaretLine(), 1); // the break went in before it
    EXPECT_EQ(other.GetCaretColumn(), 6);

    // A reset from the buffer puts the caret at the start.
    auto *reset = new SECEditBufferHint(SECEDIT_HINT_INITIALIZE);
    other.OnUpdate(nullptr, reset);
    reset->Release();
    EXPECT_EQ(other.GetCaretLine(), 0);
    EXPECT_EQ(other.GetCaretColumn(), 0);
}

} // namespace
