// The mouse: gutter clicks, drag selections, column blocks, double-clicks
// and the auto-scroll timer, through the window's real mouse events.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/text/SECEditDisplayMetrics.h"

#include "framework/window/WindowInternals.h"

#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class CMouseController : public CRecordingController {
public:
    UINT_PTR ScrollTimer() const { return m_nScrollTimer; }
};

class ControllerMouseTest : public ControllerTest<CMouseController> {
protected:
    int left = 0;

    void SetUp() override
    {
        std::string text;
        for (int i = 0; i < 8; ++i)
            text += "word" + std::to_string(i) + " more text\n";
        ASSERT_NO_FATAL_FAILURE(Open(text));
        left = controller->GetTextLeft();
    }
    // The client point in the middle of a line, x pixels into the text.
    QPoint At(int line, int column)
    {
        CPoint p = controller->PositionToPoint(SECEditPosition(line, column));
        return QPoint(p.x, p.y + lineHeight / 2);
    }
    void Press(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::mousePress(Widget(), Qt::LeftButton, m, p);
        PumpEditorEvents();
    }
    void Move(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QMouseEvent e(QEvent::MouseMove, p, Widget()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, m);
        QCoreApplication::sendEvent(Widget(), &e);
        PumpEditorEvents();
    }
    void Release(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::mouseRelease(Widget(), Qt::LeftButton, m, p);
        PumpEditorEvents();
    }
    const SECEditSelection &Selection() { return controller->GetSelectionObject(); }
};

TEST_F(ControllerMouseTest, GutterClickSelectsTheLineWhole)
{
    const QPoint gutter(5, 5 * lineHeight + 2);
    Press(gutter);
    EXPECT_TRUE(controller->IsMouseSelecting());
    EXPECT_NE(controller->ScrollTimer(), 0u);
    Release(gutter);
    EXPECT_FALSE(controller->IsMouseSelecting());
    EXPECT_EQ(controller->ScrollTimer(), 0u);
    EXPECT_EQ(Selection().GetMode(), SECEDIT_SEL_LINES);
    EXPECT_EQ(Selection().GetAnchor(), SECEditPosition(5, 0));
    EXPECT_EQ(Selection().GetEnd(), SECEditPosition(6, 0));
    EXPECT_EQ(controller->GetCaretLine(), 6);
    EXPECT_EQ(controller->GetCaretColumn(), 0);
}

TEST_F(ControllerMouseTest, GutterDragIntoTheTextBecomesAStream)
{
    Press(QPoint(5, 1 * lineHeight + 2));
    Move(At(3, 2)); // the first move after the press counts for a gutter drag
    Release(At(3, 2));
    EXPECT_EQ(Selection().GetMode(), SECEDIT_SEL_STREAM);
    EXPECT_EQ(Selection().GetAnchor(), SECEditPosition(1, 0));
    EXPECT_EQ(Selection().GetEnd(), SECEditPosition(3, 2));
}

TEST_F(ControllerMouseTest, ClicksMoveTheCaretAndShiftExtends)
{
    Press(At(2, 3));
    Release(At(2, 3));
    EXPECT_EQ(controller->GetCaretLine(), 2);
    EXPECT_EQ(controller->GetCaretColumn(), 3);
    EXPECT_FALSE(controller->HasSelection());
    Press(At(4, 1), Qt::ShiftModifier);
    Release(At(4, 1), Qt::ShiftModifier);
    EXPECT_EQ(Selection().GetAnchor(), SECEditPosition(2, 3));
    EXPECT_EQ(Selection().GetEnd(), SECEditPosition(4, 1));
    // A plain click elsewhere clears it.
    Press(At(0, 0));
    Release(At(0, 0));
    EXPECT_FALSE(controller->HasSelection());
}

TEST_F(ControllerMouseTest, DragSelectsFromThePressToTheRelease)
{
    Press(At(1, 2));
    Move(At(1, 5)); // ignored: the first move after a press in the text
    EXPECT_FALSE(controller->HasSelection());
    Move(At(2, 4));
    EXPECT_TRUE(controller->HasSelection());
    Release(At(2, 4));
    EXPECT_EQ(Selection().GetMode(), SECEDIT_SEL_STREAM);
    EXPECT_EQ(Selection().GetAnchor(), SECEditPosition(1, 2));
    EXPECT_EQ(Selection().GetEnd(), SECEditPosition(2, 4));
}

TEST_F(ControllerMouseTest, AltDragMakesAColumnBlock)
{
    Press(At(1, 2), Qt::AltModifier);
    Move(At(1, 3), Qt::AltModifier);
    Move(At(3, 6), Qt::AltModifier);
    EXPECT_EQ(Selection().GetMode(), SECEDIT_SEL_COLUMN_DRAG);
    Release(At(3, 6), Qt::AltModifier);
    EXPECT_EQ(Selection().GetMode(), SECEDIT_SEL_COLUMN);
    EXPECT_EQ(Selection().GetAnchor(), SECEditPosition(1, 2));
    EXPECT_EQ(Selection().GetEnd(), SECEditPosition(3, 6));

    // Ending in the same display column leaves no selection.
    Press(At(4, 2), Qt::AltModifier);
    Move(At(4, 3), Qt::AltModifier);
    Move(At(6, 2), Qt::AltModifier);
    Release(At(6, 2), Qt::AltModifier);
    EXPECT_FALSE(controller->HasSelection());
}

TEST_F(ControllerMouseTest, DoubleClickSelectsTheWord)
{
    Press(At(2, 2)); // the first click of the two places the caret
    Release(At(2, 2));
    QTest::mouseDClick(Widget(), Qt::LeftButton, Qt::NoModifier, At(2, 2));
    PumpEditorEvents();
    ASSERT_TRUE(controller->HasSelection());
    EXPECT_EQ(Selection().GetStart(), SECEditPosition(2, 0));
    EXPECT_EQ(Selection().GetFinish(), SECEditPosition(2, 5)); // "word2"
}

TEST_F(ControllerMouseTest, TheScrollTimerDrivesMovesAndOtherTimersGoToTheView)
{
    // The window shows four lines; the mouse is held below it.
    pane.SetClientSize(400, 4 * lineHeight);
    Press(At(1, 1));
    Move(At(1, 1));
    const QPoint below(left + 2, 4 * lineHeight + lineHeight / 2);
    Move(below);
    ASSERT_NE(controller->ScrollTimer(), 0u);
    const int lineAfterMove = controller->GetCaretLine();
    const int originAfterMove = pane.Origin().y;
    // Each tick repeats the move at the cursor, which scrolls on.
    pane.view->SendMessage(WM_TIMER, controller->ScrollTimer());
    PumpEditorEvents();
    EXPECT_GT(controller->GetCaretLine(), lineAfterMove);
    EXPECT_GT(pane.Origin().y, originAfterMove);
    EXPECT_EQ(Selection().GetEnd().m_nLine, controller->GetCaretLine());
    Release(below);

    std::vector<UINT> &seen = pane.view->hostMessages;
    seen.clear();
    pane.view->SendMessage(WM_TIMER, 7);
    EXPECT_NE(std::find(seen.begin(), seen.end(), (UINT)WM_TIMER), seen.end());
}

TEST_F(ControllerMouseTest, LosingTheFocusEndsAMouseSelection)
{
    Press(At(1, 1));
    ASSERT_TRUE(controller->IsMouseSelecting());
    CWnd other;
    ASSERT_TRUE(CreatePlainWindow(other));
    other.SetFocus();
    PumpEditorEvents();
    EXPECT_FALSE(controller->IsMouseSelecting());
    EXPECT_EQ(controller->ScrollTimer(), 0u);
    other.DestroyWindow();
}

} // namespace
