// DrawText's line layout with a fixed-width measure (10 pixels a character),
// so break positions follow from the rules alone.
#include "framework/gdi/DrawTextLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

DrawTextLayout::Metrics Fixed()
{
    DrawTextLayout::Metrics m;
    m.width = [](const QString &s) { return static_cast<int>(s.size()) * 10; };
    m.aveCharWidth = 10;
    m.lineHeight = 16;
    return m;
}

std::vector<std::string> Lines(const char *text, UINT format, int width)
{
    std::vector<std::string> out;
    for (const auto &line : DrawTextLayout::Layout(QString::fromUtf8(text), format, width, Fixed()).lines)
        out.push_back(line.text.toStdString());
    return out;
}

struct BreakCase {
    const char *text;
    UINT format;
    int width;
    std::vector<std::string> lines;
};

} // namespace

class DrawTextBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(DrawTextBreaks, Lines)
{
    const BreakCase &t = GetParam();
    EXPECT_EQ(Lines(t.text, t.format, t.width), t.lines) << t.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawTextBreaks,
    ::testing::Values(
        BreakCase{"one two three", DT_WORDBREAK, 70, {"one two", "three"}},
        BreakCase{"one two three", DT_WORDBREAK, 69, {"one", "two", "three"}},
        BreakCase{"one  two", DT_WORDBREAK, 40, {"one", "two"}}, // spaces at a break vanish
        BreakCase{"  lead word", DT_WORDBREAK, 110, {"  lead word"}},
        BreakCase{"enormousword x", DT_WORDBREAK, 50, {"enormousword", "x"}}, // a long word overflows
        BreakCase{"enormous", DT_WORDBREAK | DT_EDITCONTROL, 30, {"eno", "rmo", "us"}},
        BreakCase{"a\nb\r\nc\rd", 0, 100, {"a", "b", "c", "d"}}, BreakCase{"a\nb", DT_SINGLELINE, 100, {"a\nb"}},
        BreakCase{"one two", DT_WORDBREAK | DT_SINGLELINE, 30, {"one two"}},
        BreakCase{"abc def\nghi", DT_WORDBREAK, 30, {"abc", "def", "ghi"}}, BreakCase{"", 0, 100, {""}},
        BreakCase{"abcdefghij", DT_END_ELLIPSIS | DT_SINGLELINE, 60, {"abc..."}},
        BreakCase{"abcdefghij", DT_END_ELLIPSIS | DT_SINGLELINE, 100, {"abcdefghij"}},
        BreakCase{"c:\\folder\\sub\\file.txt", DT_PATH_ELLIPSIS | DT_SINGLELINE, 150, {"c:\\...\\file.txt"}},
        BreakCase{"c:\\folder\\sub\\file.txt", DT_PATH_ELLIPSIS | DT_SINGLELINE, 170, {"c:\\fo...\\file.txt"}},
        BreakCase{"&File", DT_SINGLELINE, 100, {"File"}},
        BreakCase{"&File", DT_SINGLELINE | DT_NOPREFIX, 100, {"&File"}}));

TEST(DrawTextPrefix, StripAndUnderline)
{
    int index = -2;
    EXPECT_EQ(DrawTextLayout::StripPrefix("&Open", &index), QStringLiteral("Open"));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(DrawTextLayout::StripPrefix("Save &As", &index), QStringLiteral("Save As"));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(DrawTextLayout::StripPrefix("R&&D", &index), QStringLiteral("R&D"));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(DrawTextLayout::StripPrefix("end&", &index), QStringLiteral("end"));
    EXPECT_EQ(index, -1);
    auto result = DrawTextLayout::Layout(QStringLiteral("one\nt&wo"), 0, 100, Fixed());
    ASSERT_EQ(result.lines.size(), 2u);
    EXPECT_EQ(result.lines[0].underline, -1);
    EXPECT_EQ(result.lines[1].underline, 1);
    EXPECT_EQ(DrawTextLayout::Layout(QStringLiteral("&x"), DT_HIDEPREFIX, 100, Fixed()).lines[0].underline, -1);
}

TEST(DrawTextTabs, ExpandedToStopsOfEightCharacters)
{
    DrawTextLayout::Metrics m = Fixed();
    EXPECT_EQ(DrawTextLayout::TextWidth(QStringLiteral("ab\tc"), DT_EXPANDTABS, m), 90);
    EXPECT_EQ(DrawTextLayout::TextWidth(QStringLiteral("ab\tc"), 0, m), 40); // unexpanded: one cell
    UINT fourChars = DT_EXPANDTABS | DT_TABSTOP | (4 << 8);
    EXPECT_EQ(DrawTextLayout::TextWidth(QStringLiteral("a\tb\tc"), fourChars, m), 90);
    auto segments = DrawTextLayout::Segments(QStringLiteral("ab\tc"), DT_EXPANDTABS, m);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[1].first, 80);
    auto result = DrawTextLayout::Layout(QStringLiteral("a\tb\nlonger line"), DT_EXPANDTABS, 500, m);
    EXPECT_EQ(result.maxWidth, 110);
}
