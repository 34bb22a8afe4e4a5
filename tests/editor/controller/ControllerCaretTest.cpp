// Caret placement, pixel and position conversions, moves and selections.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/text/SECEditDisplayMetrics.h"

#include "framework/window/WindowInternals.h"

#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class ControllerCaretTest : public ControllerTest<> {};

TEST_F(ControllerCaretTest, LeftAndRightStopAtTheDocumentEnds)
{
    Open("ab\ncd");
    Type(Qt::Key_Left);
    EXPECT_EQ(Caret(), SECEditPosition(0, 0));
    Type(Qt::Key_Right);
    Type(Qt::Key_Right);
    EXPECT_EQ(Caret(), SECEditPosition(0, 2));
    Type(Qt::Key_Right); // over the line end
    EXPECT_EQ(Caret(), SECEditPosition(1, 0));
    Type(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Caret(), SECEditPosition(1, 2));
    Type(Qt::Key_Right);
    EXPECT_EQ(Caret(), SECEditPosition(1, 2));
    Type(Qt::Key_Home);
    Type(Qt::Key_Left); // back over the line end
    EXPECT_EQ(Caret(), SECEditPosition(0, 2));
}

TEST_F(ControllerCaretTest, MovesStepOverWholeUtf8Characters)
{
    Open("a\xC3\xA9\xE2\x82\xAC"
         "b\xF0\x9F\x98\x80");
    const int expected[] = {1, 3, 6, 7, 11};
    for (int col : expected) {
        Type(Qt::Key_Right);
        EXPECT_EQ(controller->GetCaretColumn(), col);
    }
    for (int col : {7, 6, 3, 1, 0}) {
        Type(Qt::Key_Left);
        EXPECT_EQ(controller->GetCaretColumn(), col);
    }
}

TEST_F(ControllerCaretTest, SmartHomeAlternates)
{
    Open("    text\n\t\n");
    controller->MoveCaretTo(0, 4, FALSE);
    Type(Qt::Key_Home);
    EXPECT_EQ(controller->GetCaretColumn(), 0);
    Type(Qt::Key_Home);
    EXPECT_EQ(controller->GetCaretColumn(), 4);
    controller->MoveCaretTo(0, 7, FALSE);
    Type(Qt::Key_Home);
    EXPECT_EQ(controller->GetCaretColumn(), 4);
    controller->MoveCaretTo(1, 1, FALSE); // a blank line: column 0
    Type(Qt::Key_Home);
    EXPECT_EQ(controller->GetCaretColumn(), 0);
    Type(Qt::Key_End);
    EXPECT_EQ(controller->GetCaretColumn(), 1);
}

TEST_F(ControllerCaretTest, PixelsAndPositionsRoundTrip)
{
    Open("ab\tc\n");
    const int tabWidth = 4 * charWidth; // the language's tab size is 4
    EXPECT_EQ(buffer->GetTabWidth(controller->GetMetrics()), tabWidth);
    const int left = controller->GetTextLeft();
    EXPECT_EQ(left, 20);
    EXPECT_EQ(controller->PositionToPoint(SECEditPosition(0, 2)), CPoint(left + 2 * charWidth, 0));
    EXPECT_EQ(controller->PositionToPoint(SECEditPosition(0, 3)), CPoint(left + tabWidth, 0));
    EXPECT_EQ(controller->PositionToPoint(SECEditPosition(1, 0)), CPoint(left, lineHeight));
    // Beyond the line end: character widths past the text.
    EXPECT_EQ(controller->PositionToPoint(SECEditPosition(1, 3)).x, left + 3 * charWidth);

    // A point over the gutter is column 0; below the text the last line.
    EXPECT_EQ(controller->PointToPosition(CPoint(3, 0), FALSE), SECEditPosition(0, 0));
    EXPECT_EQ(controller->PointToPosition(CPoint(left, 50 * lineHeight), FALSE), SECEditPosition(1, 0));
    // Right of a short line: its end (no virtual space).
    EXPECT_EQ(controller->PointToPosition(CPoint(left + 300, 0), FALSE), SECEditPosition(0, 4));

    // The tab: its left edge, without rounding, is the column before it;
    // one pixel right of it the column after.
    const int tabLeft = left + 2 * charWidth;
    EXPECT_EQ(controller->PointToPosition(CPoint(tabLeft, 0), FALSE), SECEditPosition(0, 2));
    EXPECT_EQ(controller->PointToPosition(CPoint(tabLeft + 1, 0), FALSE), SECEditPosition(0, 3));
    // With rounding the left one wins while the tab's end is more than 3
    // pixels away.
    EXPECT_EQ(controller->PointToPosition(CPoint(tabLeft + 1, 0), TRUE), SECEditPosition(0, 2));
    EXPECT_EQ(controller->PointToPosition(CPoint(left + tabWidth - 2, 0), TRUE), SECEditPosition(0, 3));

    // A plain character: the nearer boundary, ties to the left.
    EXPECT_EQ(controller->PointToPosition(CPoint(left + charWidth / 2, 0), FALSE), SECEditPosition(0, 0));
    EXPECT_EQ(controller->PointToPosition(CPoint(left + charWidth / 2 + 1, 0), FALSE), SECEditPosition(0, 1));
}

TEST_F(ControllerCaretTest, VerticalMovesKeepTheDesiredX)
{
    std::string wide(60, 'x');
    Open(wide + "\n" + std::string(10, 'y') + "\n" + wide + "\n");
    controller->MoveCaretTo(0, 40, FALSE);
    Type(Qt::Key_Right);
    Type(Qt::Key_Left); // sets the desired x at column 40
    Type(Qt::Key_Down);
    EXPECT_EQ(Caret(), SECEditPosition(1, 10));
    Type(Qt::Key_Down);
    EXPECT_EQ(Caret(), SECEditPosition(2, 40));
    Type(Qt::Key_Up);
    Type(Qt::Key_Up);
    EXPECT_EQ(Caret(), SECEditPosition(0, 40));
    Type(Qt::Key_Up); // first line: nothing
    EXPECT_EQ(Caret(), SECEditPosition(0, 40));
}

TEST_F(ControllerCaretTest, PageDownMovesAPageLessOne)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "line\n";
    Open(text);
    // A client area of exactly ten lines.
    pane.SetClientSize(400, 10 * lineHeight);
    Type(Qt::Key_PageDown);
    EXPECT_EQ(controller->GetCaretLine(), 9);
    EXPECT_EQ(pane.Origin().y, 9 * lineHeight);
    EXPECT_EQ(pane.view->GetVisualPart().GetTopLine(), 9);
    Type(Qt::Key_PageUp);
    EXPECT_EQ(controller->GetCaretLine(), 0);
    EXPECT_EQ(pane.Origin().y, 0);
}

TEST_F(ControllerCaretTest, ScrollingTheCaretIntoViewAddsEightColumns)
{
    Open(std::string(200, 'x') + "\n");
    pane.view->GetVisualPart().ScrollStep(SB_HORZ, 20);
    ASSERT_EQ(pane.Origin(), CPoint(20 * charWidth, 0));
    // Three columns left of the visible text.
    controller->MoveCaretTo(0, 17, FALSE);
    controller->ScrollToCaret();
    EXPECT_EQ(pane.Origin().x, (20 - 11) * charWidth);
    // Back at column 0 the view returns to its left end.
    controller->MoveCaretTo(0, 0, FALSE);
    controller->ScrollToCaret();
    EXPECT_EQ(pane.Origin().x, 0);
}

TEST_F(ControllerCaretTest, ExtendingMovesAndSelectAll)
{
    Open("one two\nthree\n");
    Type(Qt::Key_Right, Qt::ShiftModifier);
    Type(Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_TRUE(controller->HasSelection());
    EXPECT_EQ(controller->GetSelectionObject().GetAnchor(), SECEditPosition(0, 0));
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(0, 2));
    Type(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(1, 2));
    Type(Qt::Key_Left); // a plain move clears it
    EXPECT_FALSE(controller->HasSelection());

    Type(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Caret(), SECEditPosition(0, 0));
    EXPECT_EQ(controller->GetSelectionObject().GetAnchor(), SECEditPosition(2, 0));
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(0, 0));
    EXPECT_EQ(controller->GetSelectionObject().GetMode(), SECEDIT_SEL_STREAM);
}

TEST_F(ControllerCaretTest, ExtendSelectionToMovesTheEndAndScrollsOnRequest)
{
    Open("one two\nthree\n" + std::string(200, 'x') + "\n");
    controller->MoveCaretTo(0, 2, FALSE);
    controller->ExtendSelectionTo(1, 3, TRUE);
    EXPECT_EQ(controller->GetSelectionObject().GetAnchor(), SECEditPosition(0, 2));
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(1, 3));
    EXPECT_EQ(controller->GetSelectionObject().GetMode(), SECEDIT_SEL_STREAM);
    EXPECT_EQ(Caret(), SECEditPosition(1, 3));
    // The anchor stays; the column is clamped to the line.
    controller->ExtendSelectionTo(0, 99, FALSE);
    EXPECT_EQ(controller->GetSelectionObject().GetAnchor(), SECEditPosition(0, 2));
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(0, 7));
    // Far right on the long line: the view follows only when asked to.
    controller->ExtendSelectionTo(2, 190, FALSE);
    EXPECT_EQ(pane.Origin().x, 0);
    controller->ExtendSelectionTo(2, 180, TRUE);
    EXPECT_GT(pane.Origin().x, 0);
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(2, 180));
}

TEST_F(ControllerCaretTest, SelectRangeStoresADraggedBlockAsABlock)
{
    Open("abcdef\nabcdef\n");
    controller->SelectRange(0, 1, 1, 4, SECEDIT_SEL_COLUMN_DRAG);
    EXPECT_EQ(controller->GetSelectionObject().GetMode(), SECEDIT_SEL_COLUMN);
    EXPECT_EQ(Caret(), SECEditPosition(1, 4));
    controller->SelectRange(1, 2, 9, 99, SECEDIT_SEL_STREAM); // clamped to the document
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(2, 0));
}

TEST_F(ControllerCaretTest, FocusMakesAndDestroysTheCaret)
{
    Open("abc\n");
    CWnd other;
    ASSERT_TRUE(CreatePlainWindow(other));
    other.SetFocus();
    PumpEditorEvents();
    EXPECT_FALSE(controller->CaretExists());
    // The view saw the focus messages too.
    const std::vector<UINT> &seen = pane.view->hostMessages;
    EXPECT_NE(std::find(seen.begin(), seen.end(), (UINT)WM_KILLFOCUS), seen.end());
    pane.view->SetFocus();
    PumpEditorEvents();
    EXPECT_TRUE(controller->CaretExists());
    other.DestroyWindow();
}

TEST_F(ControllerCaretTest, WordMovesOverUtf8Words)
{
    // "café  naïve;x" then a second line.
    Open("caf\xC3\xA9  na\xC3\xAFve;x\nnext");
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        SECEditPosition caret;
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::ControlModifier, {0, 7}},  // over "café" and the blanks
        {Qt::Key_Right, Qt::ControlModifier, {0, 13}}, // over "naïve"
        {Qt::Key_Right, Qt::ControlModifier, {0, 14}}, // over ";"
        {Qt::Key_Right, Qt::ControlModifier, {0, 15}}, // over "x" to the line end
        {Qt::Key_Right, Qt::ControlModifier, {1, 0}},  // over the line break
        {Qt::Key_Left, Qt::ControlModifier, {0, 14}},  // back over the break to the last word
        {Qt::Key_Left, Qt::ControlModifier, {0, 13}},  {Qt::Key_Left, Qt::ControlModifier, {0, 7}},
        {Qt::Key_Left, Qt::ControlModifier, {0, 0}}, // over the blanks and "café"
        {Qt::Key_Left, Qt::ControlModifier, {0, 0}},
    };
    for (const Step &step : steps) {
        Type(step.key, step.modifiers);
        EXPECT_EQ(Caret(), step.caret) << step.caret.m_nLine << "," << step.caret.m_nCol;
    }
    Type(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(controller->GetSelectionObject().GetAnchor(), SECEditPosition(0, 0));
    EXPECT_EQ(controller->GetSelectionObject().GetEnd(), SECEditPosition(0, 7));
}

TEST_F(ControllerCaretTest, SelectWordTakesTheUtf8WordAroundTheCaret)
{
    Open("caf\xC3\xA9  na\xC3\xAFve;x\n\n");
    struct Case {
        int column;
        int start;
        int end; // -1: nothing selected
    };
    const Case cases[] = {
        {2, 0, 5},    // inside "café"
        {5, 0, 5},    // at its end, a blank after
        {9, 7, 13},   // inside "naïve" (after the two-byte ï)
        {13, 13, 14}, // between "naïve" and ";": the delimiter after
        {6, -1, -1},  // between two blanks
    };
    for (const Case &c : cases) {
        controller->ClearSelection(FALSE);
        controller->MoveCaretTo(0, c.column, FALSE);
        Type(Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        if (c.start < 0) {
            EXPECT_FALSE(controller->HasSelection()) << c.column;
            continue;
        }
        ASSERT_TRUE(controller->HasSelection()) << c.column;
        EXPECT_EQ(controller->GetSelectionObject().GetStart(), SECEditPosition(0, c.start)) << c.column;
        EXPECT_EQ(controller->GetSelectionObject().GetFinish(), SECEditPosition(0, c.end)) << c.column;
        EXPECT_EQ(Caret(), SECEditPosition(0, c.end));
    }
    controller->ClearSelection(FALSE);
    controller->MoveCaretTo(1, 0, FALSE); // an empty line
    CString word;
    EXPECT_FALSE(controller->GetWordAtCaret(word));
    EXPECT_TRUE(word.IsEmpty());
}

} // namespace
