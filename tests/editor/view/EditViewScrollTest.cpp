// Scrolling: the scroll messages' tables, the bars' ranges, a document
// that fits, the horizontal range of a file with a long line, and the
// repaint after a size change.
#include "EditViewTestSupport.h"

#include "editor/controller/SECEditController.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\n";
    return text;
}

class EditViewScrollTest : public ::testing::Test {
protected:
    void Open(const std::string &text, int width = 400, int height = 200)
    {
        buffer = MakeBuffer(language.get(), text);
        Show(width, height);
    }
    void Show(int width, int height)
    {
        harness = std::make_unique<ViewHarness>(buffer.get(), width, height);
        ASSERT_NE(harness->view, nullptr);
        lineHeight = harness->view->GetLineHeight();
        charWidth = harness->view->GetCharWidth();
        ASSERT_GT(lineHeight, 0);
    }
    SECEditVisualPart &Part() { return harness->view->GetVisualPart(); }
    SCROLLINFO Info(int nBar)
    {
        SCROLLINFO info{};
        harness->view->GetScrollInfo(nBar, &info, SIF_ALL);
        return info;
    }

    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    std::unique_ptr<ViewHarness> harness;
    int lineHeight = 0;
    int charWidth = 0;
};

struct ScrollCase {
    const char *name;
    int nBar;
    int start; // first line or column shown before
    UINT code;
    UINT pos;
    int expected; // -1: the last full page, -2: the last column page
};

class EditViewScrollTableTest : public EditViewScrollTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(EditViewScrollTableTest, EachCodeMovesByWholeCells)
{
    const ScrollCase &c = GetParam();
    Open(Lines(100));
    const int visible = Part().GetVisibleLines();
    const int visibleColumns = Part().GetVisibleColumns();
    const bool vertical = c.nBar == SB_VERT;
    const int total = buffer->GetLineCount();
    int start = c.start;
    if (start == -1)
        start = total - visible - 2;
    if (vertical)
        Part().ScrollStep(SB_VERT, start);
    else
        Part().ScrollStep(SB_HORZ, start);
    harness->view->SendMessage(vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(c.code, c.pos), 0);
    int expected = c.expected;
    if (expected == -1)
        expected = total - visible;
    if (expected == -3)
        expected = visible;
    if (expected == -4)
        expected = visibleColumns;
    if (vertical) {
        EXPECT_EQ(Part().GetTopLine(), expected);
        EXPECT_EQ(Part().GetViewport().GetOrigin(), CPoint(0, expected * lineHeight));
        EXPECT_EQ(Info(SB_VERT).nPos, expected);
    } else {
        EXPECT_EQ(Part().GetLeftColumn(), expected);
        EXPECT_EQ(Part().GetViewport().GetOrigin(), CPoint(expected * charWidth, 0));
        EXPECT_EQ(Info(SB_HORZ).nPos, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, EditViewScrollTableTest,
                         ::testing::Values(ScrollCase{"LineUpAtTheTop", SB_VERT, 0, SB_LINEUP, 0, 0},
                                           ScrollCase{"LineUp", SB_VERT, 5, SB_LINEUP, 0, 4},
                                           ScrollCase{"LineDown", SB_VERT, 0, SB_LINEDOWN, 0, 1},
                                           ScrollCase{"PageDown", SB_VERT, 0, SB_PAGEDOWN, 0, -3},
                                           ScrollCase{"PageDownNearTheEnd", SB_VERT, -1, SB_PAGEDOWN, 0, -1},
                                           ScrollCase{"PageUpNearTheTop", SB_VERT, 3, SB_PAGEUP, 0, 0},
                                           ScrollCase{"ThumbPosition", SB_VERT, 0, SB_THUMBPOSITION, 40, 40},
                                           ScrollCase{"ThumbTrack", SB_VERT, 7, SB_THUMBTRACK, 12, 12},
                                           ScrollCase{"EndScroll", SB_VERT, 7, SB_ENDSCROLL, 0, 7},
                                           ScrollCase{"ColumnLeftAtZero", SB_HORZ, 0, SB_LINELEFT, 0, 0},
                                           ScrollCase{"ColumnRight", SB_HORZ, 0, SB_LINERIGHT, 0, 1},
                                           ScrollCase{"ColumnPageRight", SB_HORZ, 0, SB_PAGERIGHT, 0, -4},
                                           ScrollCase{"ColumnPageLeft", SB_HORZ, 4, SB_PAGELEFT, 0, 0},
                                           ScrollCase{"ColumnThumb", SB_HORZ, 0, SB_THUMBPOSITION, 300, 300}),
                         [](const ::testing::TestParamInfo<ScrollCase> &info) { return std::string(info.param.name); });

TEST_F(EditViewScrollTest, TheBarsSpanTheLinesAndTheWidestLineWidth)
{
    Open(Lines(100));
    const SCROLLINFO vertical = Info(SB_VERT);
    EXPECT_EQ(vertical.nMin, 0);
    EXPECT_EQ(vertical.nMax, buffer->GetLineCount() - 1);
    EXPECT_EQ(static_cast<int>(vertical.nPage), Part().GetVisibleLines());
    const SCROLLINFO horizontal = Info(SB_HORZ);
    EXPECT_EQ(horizontal.nMax, buffer->GetMaxLineWidth() - 1);
    EXPECT_EQ(static_cast<int>(horizontal.nPage), Part().GetVisibleColumns());
}

TEST_F(EditViewScrollTest, ADocumentThatFitsShowsADisabledBarAndScrollsBackToTheTop)
{
    Open(Lines(40));
    Part().ScrollStep(SB_VERT, 5);
    ASSERT_EQ(Part().GetTopLine(), 5);
    // Lines go until everything fits.
    ASSERT_TRUE(buffer->DeleteText(3, 0, 39, 0));
    harness->Flush();
    EXPECT_EQ(Part().GetTopLine(), 0);
    EXPECT_EQ(Part().GetViewport().GetOrigin().y, 0);
    const SCROLLINFO vertical = Info(SB_VERT);
    const int visible = Part().GetVisibleLines();
    EXPECT_EQ(vertical.nMax, visible);
    EXPECT_EQ(static_cast<int>(vertical.nPage), visible + 1);
    EXPECT_EQ(vertical.nPos, 0);
    EXPECT_NE(harness->view->GetStyle() & WS_VSCROLL, 0u); // still shown
}

TEST_F(EditViewScrollTest, TheHorizontalRangeIsThatOfAFileWithALongerLine)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "plexo_view_wide_line.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(3000, 'w') << "\nshort\n";
    }
    buffer = std::make_unique<SECEditTextBuffer>();
    buffer->SetLangConfig(language.get());
    ASSERT_TRUE(buffer->Open(path.string().c_str()));
    std::filesystem::remove(path);
    ASSERT_GE(buffer->GetMaxLineWidth(), 3000);
    Show(400, 200);
    EXPECT_EQ(Info(SB_HORZ).nMax, buffer->GetMaxLineWidth() - 1);
    harness->view->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2900), 0);
    EXPECT_EQ(Part().GetLeftColumn(), 2900);
}

TEST_F(EditViewScrollTest, ASizeChangeRepaintsOnlyTheStripsThatAppeared)
{
    Open(Lines(100), 300, 150);
    harness->view->MoveWindow(0, 0, 300, 150);
    harness->Paint(RGB(1, 2, 3));
    harness->host.MoveWindow(0, 0, 360, 190);
    harness->view->MoveWindow(0, 0, 360, 190);
    harness->Flush();
    CRect client;
    harness->view->GetClientRect(&client);
    ASSERT_GT(client.right, 300);
    // The old text area is left as it was (the gutter is drawn whole on
    // every paint); the new strips are painted.
    const int gutter = Part().GetGutterWidth();
    EXPECT_FALSE(harness->AnyOtherThan(CRect(gutter, 0, 200, 100), RGB(1, 2, 3)));
    EXPECT_FALSE(harness->AnyOf(CRect(client.right - 20, 0, client.right, 100), RGB(1, 2, 3)));
    EXPECT_FALSE(harness->AnyOf(CRect(0, client.bottom - 10, 200, client.bottom), RGB(1, 2, 3)));
}

} // namespace
