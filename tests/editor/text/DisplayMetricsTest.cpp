#include "editor/text/SECEditDisplayMetrics.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONT EditorFont(int pointSize, bool bold = false)
{
    LOGFONT lf = {};
    lf.lfHeight = -MulDiv(pointSize, 96, 72);
    lf.lfWeight = bold ? 700 : 400;
    lf.lfPitchAndFamily = FIXED_PITCH;
    std::strcpy(lf.lfFaceName, "Courier New");
    return lf;
}

const char kTabGlyph[] = "\xC2\xBB";

TEST(DisplayMetrics, MeasuresTheEditorFont)
{
    SECEditDisplayMetrics metrics;
    EXPECT_EQ(0, metrics.GetFontCount());
    ASSERT_TRUE(metrics.SetEditorFont(EditorFont(10), 10, kTabGlyph));
    EXPECT_EQ(1, metrics.GetFontCount());
    EXPECT_EQ(10, metrics.GetPointSize());
    EXPECT_EQ(metrics.m_tm.tmHeight, metrics.GetLineHeight());
    EXPECT_EQ(metrics.m_tm.tmAveCharWidth, metrics.GetCharWidth());
    // A fixed-pitch face: a space and the tab glyph are one cell wide, and
    // the cell is higher than the character size of 13 pixels.
    EXPECT_GT(metrics.GetCharWidth(), 0);
    EXPECT_EQ(metrics.GetCharWidth(), metrics.GetSpaceWidth());
    EXPECT_EQ(metrics.GetCharWidth(), metrics.GetTabGlyphWidth());
    EXPECT_GE(metrics.GetLineHeight(), 13);
}

TEST(DisplayMetrics, SameFontSameFigures)
{
    SECEditDisplayMetrics a, b;
    ASSERT_TRUE(a.SetEditorFont(EditorFont(12, true), 12, kTabGlyph));
    ASSERT_TRUE(b.SetEditorFont(EditorFont(12, true), 12, kTabGlyph));
    EXPECT_EQ(a.GetLineHeight(), b.GetLineHeight());
    EXPECT_EQ(a.GetCharWidth(), b.GetCharWidth());
    EXPECT_EQ(a.GetTabGlyphWidth(), b.GetTabGlyphWidth());
    EXPECT_EQ(a.GetSpaceWidth(), b.GetSpaceWidth());
}

TEST(DisplayMetrics, ALargerFontIsTallerAndWider)
{
    SECEditDisplayMetrics small, large;
    ASSERT_TRUE(small.SetEditorFont(EditorFont(8), 8, kTabGlyph));
    ASSERT_TRUE(large.SetEditorFont(EditorFont(20), 20, kTabGlyph));
    EXPECT_LT(small.GetLineHeight(), large.GetLineHeight());
    EXPECT_LT(small.GetCharWidth(), large.GetCharWidth());
    // A second font goes first and becomes the editor font.
    ASSERT_TRUE(small.SetEditorFont(EditorFont(20), 20, kTabGlyph));
    EXPECT_EQ(2, small.GetFontCount());
    EXPECT_EQ(large.GetLineHeight(), small.GetLineHeight());
}

} // namespace
