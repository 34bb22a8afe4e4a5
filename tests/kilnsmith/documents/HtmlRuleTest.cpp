// The HTML rule of the wizard's buffer: text outside "<...>" tags is plain
// text, brackets on other lines count, and other languages colour as the
// editor's buffer does.
#include "DocumentsTestSupport.h"

#include <string>

namespace {

struct OutsideCase {
    const char *text;
    int line;
    int col;
    bool outside;
};

// The position's byte as the buffer sees it, through the line's own text.
bool IsOutside(CMDITextBuffer &buffer, int line, int col)
{
    CString holder;
    char *text = nullptr;
    buffer.GetLineText(line, holder, &text);
    return buffer.IsOutsideTag(line, text, text + col) != FALSE;
}

class IsOutsideTagTable : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(IsOutsideTagTable, AnswersAsTheBracketsSay)
{
    const OutsideCase &c = GetParam();
    auto buffer = MakeWizardBuffer("HTML", c.text);
    EXPECT_EQ(IsOutside(*buffer, c.line, c.col), c.outside) << c.text << " at " << c.line << ":" << c.col;
}

INSTANTIATE_TEST_SUITE_P(Positions, IsOutsideTagTable,
                         ::testing::Values(
                             // An opening bracket with its tag after it.
                             OutsideCase{"<b>bold</b>", 0, 0, false},
                             // The tag's name and its closing bracket.
                             OutsideCase{"<b>bold</b>", 0, 1, false}, OutsideCase{"<b>bold</b>", 0, 2, false},
                             // Text between ">" and "<".
                             OutsideCase{"<b>bold</b>", 0, 3, true}, OutsideCase{"<b>bold</b>", 0, 6, true},
                             // The closing tag.
                             OutsideCase{"<b>bold</b>", 0, 7, false}, OutsideCase{"<b>bold</b>", 0, 9, false},
                             // Text before any bracket and after the last.
                             OutsideCase{"plain <i>x</i> tail", 0, 0, true},
                             OutsideCase{"plain <i>x</i> tail", 0, 16, true},
                             // An unmatched "<" with no ">" anywhere later.
                             OutsideCase{"a < b\nand more", 0, 2, true}, OutsideCase{"a < b\nand more", 0, 4, true},
                             OutsideCase{"a < b\nand more", 1, 0, true},
                             // A ">" with no "<" before it.
                             OutsideCase{"x > y", 0, 2, true}, OutsideCase{"x > y", 0, 4, true},
                             // A tag split over two lines: the second line's
                             // attributes and closing bracket are inside it.
                             OutsideCase{"<a\nhref=x>text", 1, 0, false}, OutsideCase{"<a\nhref=x>text", 1, 6, false},
                             OutsideCase{"<a\nhref=x>text", 1, 7, true},
                             // The first line of a split tag looks ahead.
                             OutsideCase{"<div\nclass=1>", 0, 1, false},
                             // Blank lines in between do not stop the search.
                             OutsideCase{"<p\n\n\nid=2>", 3, 0, false},
                             // After a closed tag on an earlier line.
                             OutsideCase{"<p>\n\nwords", 2, 2, true},
                             // Two brackets in a row: the later one counts.
                             OutsideCase{"<<x>", 0, 0, true}, OutsideCase{"<<x>", 0, 2, false},
                             // The end of a line is looked at, not past.
                             OutsideCase{"<p>text", 0, 7, true}));

class HtmlColouringTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestLanguages(); }
};

TEST_F(HtmlColouringTest, TextBetweenTagsIsNeitherKeywordNorNumber)
{
    auto buffer = MakeWizardBuffer("HTML", "<div>div 12, b</div>");
    const int text = GroupNamed(*buffer, "Text");
    const int keyword = GroupNamed(*buffer, "Keyword");
    const int op = GroupNamed(*buffer, "Operator");
    ASSERT_GE(text, 0);
    ASSERT_GE(keyword, 0);
    // Inside the tags: the bracket as an operator and the name as a keyword.
    EXPECT_EQ(GroupAt(*buffer, 0, 0), op);
    EXPECT_EQ(GroupAt(*buffer, 0, 1), keyword);
    EXPECT_EQ(GroupAt(*buffer, 0, 16), keyword);
    // Between them: plain text, the delimiter too.
    for (int col = 5; col < 14; ++col)
        EXPECT_EQ(GroupAt(*buffer, 0, col), text) << col;
}

TEST_F(HtmlColouringTest, ASplitTagColoursItsSecondLineAsATag)
{
    auto buffer = MakeWizardBuffer("HTML", "<a\nhref=1>b=2");
    const int op = GroupNamed(*buffer, "Operator");
    const int text = GroupNamed(*buffer, "Text");
    // "=" inside the tag is an operator; outside it is text.
    EXPECT_EQ(GroupAt(*buffer, 1, 4), op);
    EXPECT_EQ(GroupAt(*buffer, 1, 9), text);
}

TEST_F(HtmlColouringTest, AnUnmatchedBracketLeavesTheRestPlain)
{
    auto buffer = MakeWizardBuffer("HTML", "a < div 5");
    const int text = GroupNamed(*buffer, "Text");
    EXPECT_EQ(GroupAt(*buffer, 0, 4), text);
    EXPECT_EQ(GroupAt(*buffer, 0, 8), text);
}

TEST_F(HtmlColouringTest, TheLanguageNameMatchesWithoutCase)
{
    RegisterTestLanguages();
    auto buffer = MakeWizardBuffer("HTML", "<b>b</b>");
    EXPECT_TRUE(buffer->IsHtml());
    auto other = MakeWizardBuffer("C", "<b>b</b>");
    EXPECT_FALSE(other->IsHtml());
}

TEST_F(HtmlColouringTest, OtherLanguagesColourKeywordsBetweenBrackets)
{
    auto buffer = MakeWizardBuffer("C", "a > if < 12");
    const int keyword = GroupNamed(*buffer, "Keyword");
    ASSERT_GE(keyword, 0);
    EXPECT_EQ(GroupAt(*buffer, 0, 4), keyword);
    EXPECT_NE(GroupAt(*buffer, 0, 9), GroupNamed(*buffer, "Text"));
}

TEST_F(HtmlColouringTest, AnEditThatOpensATagChangesTheLinesAfterIt)
{
    auto buffer = MakeWizardBuffer("HTML", "x\ndiv>y");
    const int text = GroupNamed(*buffer, "Text");
    const int keyword = GroupNamed(*buffer, "Keyword");
    EXPECT_EQ(GroupAt(*buffer, 1, 0), text);
    // A "<" at the end of the first line puts "div" inside a tag; the line
    // coloured again sees the new bracket.
    buffer->InsertText(0, 1, "<", 1);
    buffer->ResetColorCache();
    EXPECT_EQ(GroupAt(*buffer, 1, 0), keyword);
}

} // namespace
