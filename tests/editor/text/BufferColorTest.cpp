// Line colouring: tokens, tags with escapes, multi-line regions while the
// text changes, and the highlight mark.
#include "tests/editor/text/BufferTestSupport.h"

#include "editor/text/SECEditBufferHint.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
    const char *name;
    std::string text;
    std::vector<std::pair<int, const char *>> runs; // length, group name
};

class BufferColor : public ::testing::Test {
protected:
    WORD GroupOf(const char *name)
    {
        const std::string n = name;
        if (n == "Text")
            return language.text;
        if (n == "Number")
            return language.number;
        if (n == "Operator")
            return language.op;
        if (n == "Keyword")
            return language.keyword;
        if (n == "Comment")
            return language.comment;
        if (n == "String")
            return language.string;
        return language.highlight;
    }
    std::vector<DWORD> Expect(const std::vector<std::pair<int, const char *>> &runs)
    {
        std::vector<DWORD> out;
        for (const auto &run : runs)
            out.push_back(SECEditMakeRun(run.first, GroupOf(run.second)));
        return out;
    }
    TestLanguage language{true};
};

TEST_F(BufferColor, ColoursSingleLines)
{
    const std::vector<LineCase> cases = {
        {"keyword", "int", {{3, "Keyword"}}},
        {"keyword and spaces", "int  ", {{3, "Keyword"}, {2, "Text"}}},
        {"number", "12abc", {{5, "Number"}}},
        {"operators", "a+b", {{1, "Text"}, {1, "Operator"}, {1, "Text"}}},
        {"operators one by one", "x=-y", {{1, "Text"}, {1, "Operator"}, {1, "Operator"}, {1, "Text"}}},
        {"utf-8 words", "h\xc3\xa9llo+w\xc3\xb6rld", {{6, "Text"}, {1, "Operator"}, {6, "Text"}}},
        {"a nul byte", std::string("a\0b+c", 5), {{3, "Text"}, {1, "Operator"}, {1, "Text"}}},
        {"an invalid byte", "\xff+x", {{1, "Text"}, {1, "Operator"}, {1, "Text"}}},
        {"string", "\"abc\" x", {{5, "String"}, {2, "Text"}}},
        {"escaped end", "\"a\\\"b\" x", {{6, "String"}, {2, "Text"}}},
        {"escaped escape", "\"a\\\\\" x", {{5, "String"}, {2, "Text"}}},
        {"unterminated string", "\"abc", {{4, "String"}}},
        {"line comment", "x; // rest /* no", {{3, "Text"}, {13, "Comment"}}},
        {"block comment in a string",
         "s = \"/*\";",
         {{2, "Text"}, {1, "Operator"}, {1, "Text"}, {4, "String"}, {1, "Text"}}},
        {"closed block comment", "/* a */int", {{7, "Comment"}, {3, "Keyword"}}},
        {"empty line", "", {{0, "Text"}}},
    };
    for (const LineCase &c : cases) {
        auto buffer = MakeBuffer(language.get(), c.text + "\nint\n");
        EXPECT_EQ(Expect(c.runs), Runs(*buffer, 0)) << c.name;
        // Nothing of the line leaks into the next one.
        EXPECT_EQ(Expect({{3, "Keyword"}}), Runs(*buffer, 1)) << c.name;
    }
}

TEST_F(BufferColor, AMultiLineTagMakesARegion)
{
    auto buffer = MakeBuffer(language.get(), "a\nb\nc\nx /* one\ntwo\nthree\nfour\n*/ int\nz\n");
    EXPECT_EQ(Expect({{2, "Text"}, {6, "Comment"}}), Runs(*buffer, 3));
    for (int line = 4; line <= 6; ++line)
        EXPECT_EQ(Expect({{0, "Comment"}}), Runs(*buffer, line)) << line;
    EXPECT_EQ(Expect({{2, "Comment"}, {1, "Text"}, {3, "Keyword"}}), Runs(*buffer, 7));
    ASSERT_EQ(1, buffer->GetTagRegionCount());
    EXPECT_EQ(SECEditRange(3, 2, 7, 2), buffer->GetTagRegion(0).m_range);
    EXPECT_EQ(-1, buffer->GetTagRegion(0).m_nTag);
}

TEST_F(BufferColor, TypingInsideARegionDropsItAndTheScanStartsAtItsLine)
{
    auto buffer = MakeBuffer(language.get(), "a\nb\nc\nx /* one\ntwo\nthree\nfour\n*/ int\nz\n");
    Runs(*buffer, 8);
    ASSERT_EQ(1, buffer->GetTagRegionCount());
    RecordingObserver observer;
    buffer->Attach(&observer);
    ASSERT_TRUE(buffer->InsertText(5, 2, "q", 1));
    EXPECT_EQ(0, buffer->GetTagRegionCount());
    EXPECT_LE(buffer->GetColoredUpTo(), 3);
    ASSERT_FALSE(observer.entries.empty());
    EXPECT_EQ(22585, observer.entries[0].type);
    EXPECT_EQ(CString("Invalidate Lines 3 to 7"), observer.entries[0].description);
    EXPECT_EQ(nullptr, buffer->PeekCachedRow(6));
    EXPECT_EQ(Expect({{0, "Comment"}}), Runs(*buffer, 6));
    EXPECT_EQ(1, buffer->GetTagRegionCount());
    buffer->Detach(&observer);
}

TEST_F(BufferColor, ATagOpeningWhereTheLastClosedKeepsBothRegions)
{
    auto buffer = MakeBuffer(language.get(), "/* a\nb *//* c\nd\ne */ int\n");
    EXPECT_EQ(Expect({{4, "Comment"}, {1, "Text"}, {3, "Keyword"}}), Runs(*buffer, 3));
    ASSERT_EQ(2, buffer->GetTagRegionCount());
    EXPECT_EQ(SECEditRange(0, 0, 1, 4), buffer->GetTagRegion(0).m_range);
    EXPECT_EQ(SECEditRange(1, 4, 3, 4), buffer->GetTagRegion(1).m_range);
    EXPECT_EQ(Expect({{0, "Comment"}}), Runs(*buffer, 2));
    EXPECT_EQ(Expect({{4, "Comment"}, {4, "Comment"}}), Runs(*buffer, 1));
    EXPECT_EQ(Expect({{4, "Comment"}}), Runs(*buffer, 0));
}

TEST_F(BufferColor, ABeginTextInsideAStringOpensNoRegion)
{
    auto buffer = MakeBuffer(language.get(), "s = \"/*\";\nint\nint\n");
    EXPECT_EQ(Expect({{3, "Keyword"}}), Runs(*buffer, 2));
    EXPECT_EQ(0, buffer->GetTagRegionCount());
    // Also when the string ends right before the begin text.
    auto after = MakeBuffer(language.get(), "\"s\"/* a\nint\n*/\n");
    EXPECT_EQ(Expect({{0, "Comment"}}), Runs(*after, 1));
}

TEST_F(BufferColor, ARegionOpenedClosedReopenedAndRemovedByTyping)
{
    auto buffer = MakeBuffer(language.get(), "int\nint\nint\n");
    const auto keyword = Expect({{3, "Keyword"}});
    EXPECT_EQ(keyword, Runs(*buffer, 2));
    buffer->InsertText(0, 0, "/*", 2);
    EXPECT_EQ(Expect({{0, "Comment"}}), Runs(*buffer, 2));
    buffer->InsertText(1, 3, "*/", 2);
    EXPECT_EQ(keyword, Runs(*buffer, 2));
    EXPECT_EQ(Expect({{5, "Comment"}}), Runs(*buffer, 1));
    buffer->DeleteText(1, 3, 1, 5);
    EXPECT_EQ(Expect({{0, "Comment"}}), Runs(*buffer, 2));
    buffer->DeleteText(0, 0, 0, 2);
    EXPECT_EQ(keyword, Runs(*buffer, 2));
    EXPECT_EQ(keyword, Runs(*buffer, 0));
    EXPECT_EQ(0, buffer->GetTagRegionCount());
}

TEST_F(BufferColor, TheHighlightMarkUsesTheHighlightGroup)
{
    auto buffer = MakeBuffer(language.get(), "int x;\nint\n");
    buffer->SetMark(0, SECEditTextBuffer::kMarkHighlight, TRUE);
    EXPECT_EQ(Expect({{6, "Highlight"}}), Runs(*buffer, 0));
    EXPECT_EQ(Expect({{3, "Keyword"}}), Runs(*buffer, 1));

    TestLanguage plain(false);
    auto other = MakeBuffer(plain.get(), "int x;\n");
    other->SetMark(0, SECEditTextBuffer::kMarkHighlight, TRUE);
    EXPECT_EQ((std::vector<DWORD>{SECEditMakeRun(3, plain.keyword), SECEditMakeRun(3, plain.text)}), Runs(*other, 0));
}

TEST_F(BufferColor, ColouringCanBeSwitchedOffAndTheLanguageResetsTheCache)
{
    auto buffer = MakeBuffer(language.get(), "/* a\nb */\n");
    Runs(*buffer, 1);
    EXPECT_EQ(1, buffer->GetTagRegionCount());
    buffer->EnableColoring(FALSE);
    EXPECT_EQ(nullptr, buffer->GetLineColors(0));
    buffer->EnableColoring(TRUE);
    EXPECT_EQ(nullptr, buffer->GetLineColors(5));
    // The language tells its buffers that the colours must be worked out
    // again.
    language.get()->SetCharSet("@", SECEDIT_OPERATORS, FALSE);
    EXPECT_EQ(0, buffer->GetTagRegionCount());
    EXPECT_EQ(nullptr, buffer->PeekCachedRow(0));
    EXPECT_EQ(Expect({{4, "Comment"}}), Runs(*buffer, 0));
    EXPECT_EQ(1, buffer->GetTagRegionCount());
}

} // namespace
