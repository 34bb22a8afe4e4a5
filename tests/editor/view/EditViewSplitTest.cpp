// Split panes over one buffer: edits repaint every pane, the panes of a
// row share the vertical origin and those of a column the horizontal one,
// and only the active pane of a dynamic splitter broadcasts its moves.
#include "EditViewTestSupport.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditBufferHint.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/SplitterWnd.h"
#include "framework/window/ScrollBar.h"
#include "framework/window/WindowState.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class EditViewSplitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += "line number " + std::to_string(i) + "\n";
        buffer = MakeBuffer(language.get(), text);
        CTestEditView::s_pNextBuffer = buffer.get();
        host.CreateEx(0, AfxRegisterWndClass(0), "Split host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 480), nullptr,
                      0);
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CTestEditView);
        ASSERT_TRUE(splitter.Create(&host, 2, 2, CSize(10, 10), &context));
        splitter.MoveWindow(0, 0, 640, 480);
        Pane(0, 0)->OnInitialUpdate();
        buffer->Attach(&recorder);
        PumpViewEvents();
    }
    void TearDown() override
    {
        buffer->Detach(&recorder);
        host.DestroyWindow();
        CTestEditView::s_pNextBuffer = nullptr;
    }
    CTestEditView *Pane(int row, int col) { return dynamic_cast<CTestEditView *>(splitter.GetPane(row, col)); }
    CPoint Origin(int row, int col) { return Pane(row, col)->GetVisualPart().GetViewport().GetOrigin(); }
    void SplitAll()
    {
        ASSERT_TRUE(splitter.SplitRow(220));
        ASSERT_TRUE(splitter.SplitColumn(300));
        PumpViewEvents();
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 2; ++col)
                ASSERT_NE(Pane(row, col), nullptr);
    }

    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    CWnd host;
    CSplitterWnd splitter;
    RecordingObserver recorder;
};

TEST_F(EditViewSplitTest, AnEditInOnePaneRepaintsTheOthers)
{
    ASSERT_TRUE(splitter.SplitRow(220));
    PumpViewEvents();
    ASSERT_NE(Pane(1, 0), nullptr);
    EXPECT_EQ(Pane(1, 0)->GetTextBuffer(), buffer.get());
    Pane(0, 0)->UpdateWindow();
    Pane(1, 0)->UpdateWindow();
    Pane(0, 0)->SetFocus();
    Pane(0, 0)->SendMessage(WM_CHAR, 'q', 1);
    EXPECT_EQ(AllText(*buffer).substr(0, 5), "qline");
    EXPECT_TRUE(Pane(1, 0)->GetUpdateRect(nullptr));
    // Panes of a splitter with shared bars have no bars of their own.
    EXPECT_EQ(Pane(1, 0)->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
}

TEST_F(EditViewSplitTest, ASharedBarMovesItsRowWithoutABroadcast)
{
    SplitAll();
    recorder.entries.clear();
    CScrollBar *pRowBar = Pane(0, 0)->GetScrollBarCtrl(SB_VERT);
    ASSERT_NE(pRowBar, nullptr);
    splitter.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), reinterpret_cast<LPARAM>(pRowBar->m_hWnd));
    const int lineHeight = Pane(0, 0)->GetLineHeight();
    EXPECT_EQ(Origin(0, 0).y, 30 * lineHeight);
    EXPECT_EQ(Origin(0, 1).y, 30 * lineHeight);
    EXPECT_EQ(Origin(1, 0).y, 0);
    EXPECT_EQ(Origin(1, 1).y, 0);
    EXPECT_EQ(pRowBar->GetScrollPos(), 30);
    ASSERT_NE(pRowBar->m_hWnd->bars[0].widget, nullptr);
    EXPECT_EQ(pRowBar->m_hWnd->bars[0].widget->value(), 30); // the bar shows it
    EXPECT_TRUE(pRowBar->m_hWnd->bars[0].widget->isEnabled());
    CScrollBar *pColumnBar = Pane(1, 1)->GetScrollBarCtrl(SB_HORZ);
    splitter.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(pColumnBar->m_hWnd));
    const int charWidth = Pane(0, 0)->GetCharWidth();
    EXPECT_EQ(Origin(0, 1).x, charWidth);
    EXPECT_EQ(Origin(1, 1).x, charWidth);
    EXPECT_EQ(Origin(0, 0).x, 0);
    EXPECT_EQ(recorder.Count(SECEDIT_HINT_SPLITTER_SYNC), 0);
}

TEST_F(EditViewSplitTest, TheActivePaneFollowingItsCaretBringsItsRowAndColumnAlong)
{
    SplitAll();
    Pane(1, 1)->SetFocus();
    PumpViewEvents();
    recorder.entries.clear();
    SECEditController *pController = Pane(1, 1)->GetController();
    pController->MoveCaretTo(150, 0, FALSE);
    pController->ScrollToCaret();
    const CPoint active = Origin(1, 1);
    EXPECT_GT(active.y, 0);
    EXPECT_GE(recorder.Count(SECEDIT_HINT_SPLITTER_SYNC), 1);
    EXPECT_EQ(Origin(1, 0).y, active.y); // same row
    EXPECT_EQ(Origin(0, 1).y, 0);        // same column: only x is shared
    EXPECT_EQ(Origin(0, 0).y, 0);
    EXPECT_EQ(Pane(1, 0)->GetScrollBarCtrl(SB_VERT)->GetScrollPos(), active.y / Pane(1, 1)->GetLineHeight());
}

TEST_F(EditViewSplitTest, ANewPaneStartsWhereItsRowShows)
{
    Pane(0, 0)->GetVisualPart().ScrollStep(SB_VERT, 12);
    ASSERT_TRUE(splitter.SplitColumn(300));
    PumpViewEvents();
    ASSERT_NE(Pane(0, 1), nullptr);
    EXPECT_EQ(Origin(0, 1).y, Origin(0, 0).y);
}

TEST(EditViewSingle, AViewOutsideASplitterNeverBroadcastsItsMoves)
{
    TestLanguage language;
    auto buffer = MakeBuffer(language.get(), std::string(300, '\n'));
    RecordingObserver recorder;
    buffer->Attach(&recorder);
    {
        ViewHarness harness(buffer.get(), 300, 200);
        harness.view->SetFocus();
        harness.view->GetController()->MoveCaretTo(250, 0, FALSE);
        harness.view->GetController()->ScrollToCaret();
        harness.view->SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
        EXPECT_GT(harness.view->GetVisualPart().GetTopLine(), 0);
    }
    buffer->Detach(&recorder);
    EXPECT_EQ(recorder.Count(SECEDIT_HINT_SPLITTER_SYNC), 0);
}

} // namespace
