// Painting by pixels: tab stops after a horizontal scroll, the whitespace
// glyph, stream and column selections, the highlight fill, the gutter's
// modes and markers, and lines holding UTF-8, invalid and control bytes,
// drawn where the controller measures them.
#include "EditViewTestSupport.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/controller/SECEditController.h"
#include "editor/lang/SECEditColorGroup.h"
#include "editor/text/SECEditDisplayMetrics.h"

#include "framework/gdi/Font.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class EditViewPaintTest : public ::testing::Test {
protected:
    void Open(const std::string &text, UINT gutterMode = ID_SECEDIT_GUTTER_NONE)
    {
        // A selection colour that no text has.
        SECEditColorGroup *pSelection = language.get()->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
        pSelection->m_crBackground = RGB(0, 0, 200);
        pSelection->m_crForeground = RGB(255, 255, 255);
        buffer = MakeBuffer(language.get(), text);
        harness = std::make_unique<ViewHarness>(buffer.get(), 480, 240);
        ASSERT_NE(harness->view, nullptr);
        Controller()->SetGutterMode(gutterMode);
        lineHeight = harness->view->GetLineHeight();
        charWidth = harness->view->GetCharWidth();
        CRect client;
        harness->view->GetClientRect(&client);
        right = client.right;
        Repaint();
    }
    SECEditController *Controller() { return harness->view->GetController(); }
    SECEditVisualPart &Part() { return harness->view->GetVisualPart(); }
    void Repaint()
    {
        harness->view->Invalidate();
        harness->Flush();
    }
    // The leftmost x in the line's band (from x0 on) that is not the
    // background, or -1.
    int FirstInk(int line, int x0, COLORREF background = kWhite)
    {
        for (int x = x0; x < right; ++x)
            if (harness->AnyOtherThan(CRect(x, line * lineHeight, x + 1, (line + 1) * lineHeight), background))
                return x;
        return -1;
    }
    CRect Band(int line, int left, int right) { return CRect(left, line * lineHeight, right, (line + 1) * lineHeight); }
    // The client x at which the controller places a position.
    int ClientX(int line, int column)
    {
        CPoint point = Controller()->PositionToPoint(SECEditPosition(line, column));
        Part().GetViewport().LPtoDP(&point, 1);
        return point.x;
    }
    COLORREF SelectionBack() { return language.get()->GetFixedColorGroup(SECEDIT_GROUP_SELECTION)->m_crBackground; }

    TestLanguage language{true};
    std::unique_ptr<SECEditTextBuffer> buffer;
    std::unique_ptr<ViewHarness> harness;
    int lineHeight = 0;
    int charWidth = 0;
    int right = 0; // the client area's right edge
};

TEST_F(EditViewPaintTest, ATabStopStaysAlignedWithColumnZeroAfterAHorizontalScroll)
{
    Open("\tX\n");
    const int tabWidth = buffer->GetTabWidth(buffer->GetDisplayMetrics());
    const int before = FirstInk(0, 0);
    ASSERT_GE(before, tabWidth);
    EXPECT_LT(before, tabWidth + charWidth);
    for (int i = 0; i < 3; ++i)
        harness->view->SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    harness->Flush();
    EXPECT_EQ(Part().GetLeftColumn(), 3);
    EXPECT_EQ(FirstInk(0, 0), before - 3 * charWidth);
}

TEST_F(EditViewPaintTest, TheWhitespaceGlyphSitsAtTheStartOfTheTab)
{
    Open("a\tb\n");
    const int tabStart = ClientX(0, 1);
    const int tabEnd = ClientX(0, 2);
    ASSERT_GT(tabEnd - tabStart, charWidth);
    EXPECT_FALSE(harness->AnyOtherThan(Band(0, tabStart + 1, tabEnd - 1), kWhite)); // a blank extent
    language.get()->SetShowWhitespace(TRUE);
    buffer->UpdateFonts();
    Repaint();
    const int glyphStart = ClientX(0, 1);
    const int bStart = ClientX(0, 2);
    EXPECT_TRUE(harness->AnyOtherThan(Band(0, glyphStart, glyphStart + charWidth), kWhite)); // the glyph
    EXPECT_FALSE(harness->AnyOtherThan(Band(0, glyphStart + charWidth + 1, bStart - 1), kWhite));
    EXPECT_TRUE(harness->AnyOtherThan(Band(0, bStart, bStart + charWidth), kWhite)); // then the letter
}

TEST_F(EditViewPaintTest, AStreamSelectionHighlightsItsLinesAndOneCellPastTheirEnd)
{
    Open("line zero\nline one\nselected line two\nthird\nfourth\n");
    Controller()->SelectRange(2, 5, 4, 0, SECEDIT_SEL_STREAM);
    Repaint();
    const COLORREF selection = SelectionBack();
    EXPECT_FALSE(harness->AnyOf(Band(1, 0, right), selection));
    EXPECT_FALSE(harness->AnyOf(Band(2, 0, ClientX(2, 5) - 1), selection));
    EXPECT_TRUE(harness->AnyOf(Band(2, ClientX(2, 5), ClientX(2, 17)), selection));
    const int end3 = ClientX(3, 5);
    EXPECT_TRUE(harness->AnyOf(Band(3, end3, end3 + charWidth), selection)); // the line break's cell
    EXPECT_FALSE(harness->AnyOf(Band(3, end3 + 2 * charWidth, right), selection));
    EXPECT_FALSE(harness->AnyOf(Band(4, 0, right), selection));
    // With virtual whitespace the selection runs to the edge.
    language.get()->SetVirtualWhitespace(TRUE);
    Repaint();
    EXPECT_FALSE(harness->AnyOtherThan(Band(3, end3, right), selection));
}

TEST_F(EditViewPaintTest, AColumnSelectionCoversTheSameColumnsOnEveryLine)
{
    Open("abcdefgh\nab\nabcdefgh\n");
    Controller()->SelectRange(0, 2, 2, 5, SECEDIT_SEL_COLUMN);
    Repaint();
    const COLORREF selection = SelectionBack();
    for (int line = 0; line < 3; ++line) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(harness->AnyOf(Band(line, 0, ClientX(0, 2) - 1), selection));
        EXPECT_TRUE(harness->AnyOf(Band(line, ClientX(0, 2), ClientX(0, 3)), selection));
        EXPECT_TRUE(harness->AnyOf(Band(line, ClientX(0, 4), ClientX(0, 5)), selection));
        EXPECT_FALSE(harness->AnyOf(Band(line, ClientX(0, 5) + 1, right), selection));
    }
    // The short line: the columns past its end are selected too.
    EXPECT_TRUE(harness->AnyOf(Band(1, ClientX(0, 3), ClientX(0, 5)), selection));
}

TEST_F(EditViewPaintTest, AHighlightedLineIsFilledToTheEdgeInItsColours)
{
    Open("plain\nmarked\nplain\n");
    language.get()->GetColorGroup(language.highlight)->m_crBackground = RGB(255, 255, 0);
    buffer->SetMark(1, SECEditTextBuffer::kMarkHighlight, TRUE);
    buffer->ResetColorCache();
    Repaint();
    EXPECT_FALSE(harness->AnyOtherThan(Band(1, ClientX(1, 6), right), RGB(255, 255, 0)));
    EXPECT_FALSE(harness->AnyOf(Band(0, 0, right), RGB(255, 255, 0)));
    EXPECT_FALSE(harness->AnyOf(Band(2, 0, right), RGB(255, 255, 0)));
}

struct GutterCase {
    UINT mode;
    bool numbers;
    bool markersFirst;
};

class EditViewGutterTest : public EditViewPaintTest, public ::testing::WithParamInterface<GutterCase> {};

TEST_P(EditViewGutterTest, TheModeDecidesNumbersAndWhereMarkersSit)
{
    const GutterCase &c = GetParam();
    Open("one\ntwo\nthree\n", c.mode);
    buffer->SetMark(1, SECEDIT_MARK_BOOKMARK, TRUE);
    Repaint();
    const int gutter = Part().GetGutterWidth();
    ASSERT_GT(gutter, 0);
    const int margin = Controller()->GetSelectionMarginWidth();
    const int numbers = Controller()->GetLineNumberWidth();
    const COLORREF black = RGB(0, 0, 0);
    const CRect numberCell = c.markersFirst ? Band(0, margin, gutter) : Band(0, 0, numbers);
    EXPECT_EQ(c.numbers, !numberCell.IsRectEmpty() && harness->AnyOf(numberCell, black));
    const COLORREF cyan = RGB(0, 255, 255);
    if (margin > 0) {
        const CRect markerCell = c.markersFirst ? Band(1, 0, margin) : Band(1, numbers, gutter);
        EXPECT_TRUE(harness->AnyOf(markerCell, cyan));
        EXPECT_FALSE(harness->AnyOf(Band(0, 0, gutter), cyan));
    }
    EXPECT_FALSE(harness->AnyOf(Band(1, gutter, right), cyan));
}

INSTANTIATE_TEST_SUITE_P(Modes, EditViewGutterTest,
                         ::testing::Values(GutterCase{ID_SECEDIT_GUTTER_NUMBERS, true, false},
                                           GutterCase{45311, true, true}, GutterCase{45312, true, false},
                                           GutterCase{ID_SECEDIT_GUTTER_MARGIN, false, false}));

TEST_F(EditViewPaintTest, TheGutterStaysPutWhenTheTextScrollsSideways)
{
    Open("some text here\n", ID_SECEDIT_GUTTER_NUMBERS);
    const int gutter = Part().GetGutterWidth();
    const QRgb before = harness->Pixel(1, lineHeight / 2);
    std::vector<QRgb> column;
    for (int y = 0; y < lineHeight; ++y)
        for (int x = 0; x < gutter; ++x)
            column.push_back(harness->Pixel(x, y));
    harness->view->SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    harness->Flush();
    std::vector<QRgb> after;
    for (int y = 0; y < lineHeight; ++y)
        for (int x = 0; x < gutter; ++x)
            after.push_back(harness->Pixel(x, y));
    EXPECT_EQ(column, after);
    EXPECT_EQ(harness->Pixel(1, lineHeight / 2), before);
}

TEST_F(EditViewPaintTest, InvalidAndControlBytesAreDrawnWhereTheControllerPutsThem)
{
    const std::string line = std::string("a\xC3\xA9") + '\x01' + "b" + '\xFF' + "c" + '\0' + "d\x7F" + "e";
    Open(line + "\n");
    ASSERT_EQ(buffer->GetLineTextLength(0), static_cast<int>(line.size()));
    SECEditDisplayMetrics *pMetrics = buffer->GetDisplayMetrics();
    INT tabWidth = buffer->GetTabWidth(pMetrics);
    const int full = pMetrics->m_dc.GetTabbedTextExtent(line.data(), static_cast<int>(line.size()), 1, &tabWidth).cx;
    // Every character shows: the control pictures and U+FFFD have ink.
    const std::vector<int> starts = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10};
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        SCOPED_TRACE(i);
        const int left = ClientX(0, starts[i]);
        const int right = ClientX(0, starts[i + 1]);
        EXPECT_GT(right, left);
        EXPECT_TRUE(harness->AnyOtherThan(Band(0, left, right), kWhite));
    }
    EXPECT_EQ(ClientX(0, static_cast<int>(line.size())), full);
    EXPECT_FALSE(harness->AnyOtherThan(Band(0, full + 1, right), kWhite));
    // A click at each character's start puts the caret there.
    for (int column : starts) {
        SCOPED_TRACE(column);
        const int x = ClientX(0, column);
        harness->view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, lineHeight / 2));
        harness->view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, lineHeight / 2));
        EXPECT_EQ(Controller()->GetCaretColumn(), column);
        EXPECT_EQ(Controller()->GetCaretLine(), 0);
    }
}

TEST(TabbedTextMeasure, APrefixMeasuresTheSameAloneAsInsideTheLineEvenInAProportionalFont)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    CFont *pOld = dc.SelectObject(&font);
    INT tab = 40;
    const std::string line = std::string("AVAWAToLTy\xC3\xA9") + "fi\x01\xFE.";
    int previousStart = 0;
    for (size_t n = 1; n <= line.size(); ++n) {
        const auto *p = reinterpret_cast<const unsigned char *>(line.data());
        if (n < line.size() && (p[n] & 0xC0) == 0x80)
            continue; // inside a character
        const int whole = dc.GetTabbedTextExtent(line.data(), static_cast<int>(n), 1, &tab).cx;
        const int before = dc.GetTabbedTextExtent(line.data(), previousStart, 1, &tab).cx;
        const int alone =
            dc.GetTabbedTextExtent(line.data() + previousStart, static_cast<int>(n) - previousStart, 1, &tab).cx;
        EXPECT_EQ(whole, before + alone) << n;
        EXPECT_GT(alone, 0) << n;
        previousStart = static_cast<int>(n);
    }
    dc.SelectObject(pOld);
}

} // namespace
