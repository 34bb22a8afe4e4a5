#include "editor/text/SECEditTextStore.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kText[] = "alpha beta_gamma delta\n"
                     "Beta betamax alphabet\n"
                     "alpha";

struct FindCase {
    const char *name;
    SECEditPosition start;
    const char *pattern;
    bool forward, wrap, matchCase, wholeWord;
    SECEditPosition end; // (-1, x): no end position
    int length;          // 0: not found
    SECEditPosition found;
};

class StoreFind : public ::testing::TestWithParam<FindCase> {
protected:
    void SetUp() override
    {
        SECEditRange range(0, 0, 0, 0);
        ASSERT_TRUE(m_store.InsertText(range, kText, -1));
    }
    SECEditTextStore m_store;
};

TEST_P(StoreFind, FindsTheExpectedMatch)
{
    const FindCase &c = GetParam();
    int line = -1, col = -1;
    const int length = m_store.Find(c.start.m_nLine, c.start.m_nCol, &line, &col, c.pattern, c.forward, c.wrap,
                                    c.matchCase, c.wholeWord, FALSE, c.end.m_nLine, c.end.m_nCol);
    EXPECT_EQ(c.length, length);
    if (c.length > 0) {
        EXPECT_EQ(c.found, SECEditPosition(line, col));
    }
}

const SECEditPosition kNoEnd(-1, 0);

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreFind,
    ::testing::Values(
        FindCase{"AtTheCaret", {0, 6}, "beta", true, false, true, false, kNoEnd, 4, {0, 6}},
        FindCase{"ForwardNext", {0, 7}, "beta", true, false, true, false, kNoEnd, 4, {1, 5}},
        FindCase{"CaseMatters", {0, 7}, "Beta", true, false, true, false, kNoEnd, 4, {1, 0}},
        FindCase{"CaseIgnored", {0, 0}, "BETA", true, false, false, false, kNoEnd, 4, {0, 6}},
        FindCase{"WordBetweenUnderscoreAndSpace", {0, 0}, "gamma", true, false, true, true, kNoEnd, 5, {0, 11}},
        FindCase{"UnderscoreIsABreak", {0, 0}, "beta", true, false, true, true, kNoEnd, 4, {0, 6}},
        FindCase{"WordInsideALongerWord", {1, 0}, "alpha", true, false, true, true, kNoEnd, 5, {2, 0}},
        FindCase{"NoWrapAtTheEnd", {2, 1}, "beta", true, false, true, false, kNoEnd, 0, {}},
        FindCase{"WrapsToTheTop", {2, 1}, "beta", true, true, true, false, kNoEnd, 4, {0, 6}},
        FindCase{"StopsAtTheEndPosition", {0, 0}, "delta", true, false, true, false, {0, 16}, 0, {}},
        FindCase{"CandidateAtTheEndPositionCounts", {0, 0}, "delta", true, false, true, false, {0, 17}, 5, {0, 17}},
        FindCase{"EndBeyondTheText", {1, 0}, "alpha", true, false, true, false, {9, 9}, 5, {1, 13}},
        FindCase{"BackwardFromTheTopWithoutWrap", {0, 0}, "alpha", false, false, true, false, kNoEnd, 0, {}},
        FindCase{"BackwardWrapsToTheEnd", {0, 0}, "alpha", false, true, true, false, kNoEnd, 5, {2, 0}},
        FindCase{"BackwardFindsThePrevious", {2, 0}, "alpha", false, false, true, false, kNoEnd, 5, {1, 13}},
        FindCase{"BackwardSkipsTheCaret", {0, 6}, "beta", false, true, true, false, kNoEnd, 4, {1, 5}},
        FindCase{"BackwardWholeWord", {2, 5}, "alpha", false, false, true, true, kNoEnd, 5, {2, 0}},
        FindCase{"BackwardStopsAtTheEnd", {2, 0}, "alpha", false, false, true, false, {1, 14}, 0, {}},
        FindCase{"Missing", {0, 0}, "omega", true, true, false, false, kNoEnd, 0, {}},
        FindCase{"EmptyPattern", {0, 0}, "", true, true, true, false, kNoEnd, 0, {}},
        FindCase{"StartDoesNotExist", {7, 0}, "alpha", true, true, true, false, kNoEnd, 0, {}},
        FindCase{"EndDoesNotExist", {0, 0}, "alpha", true, true, true, false, {0, 40}, 0, {}}),
    [](const ::testing::TestParamInfo<FindCase> &info) { return std::string(info.param.name); });

// A match that lies over the seam of two blocks of text.
TEST(StoreFindSeams, FindsMatchesOverBlockSeams)
{
    SECEditTextStore store;
    std::string text(3 * SECEditTextStore::kBlockChunk, 'x');
    const int at = SECEditTextStore::kBlockChunk - 3;
    text.replace(static_cast<size_t>(at), 6, "NeEdLe");
    SECEditRange range(0, 0, 0, 0);
    ASSERT_TRUE(store.InsertText(range, text.data(), static_cast<int>(text.size())));
    ASSERT_GT(store.GetBlockCount(), 1);
    int line = -1, col = -1;
    EXPECT_EQ(6, store.Find(0, 0, &line, &col, "NeEdLe", TRUE, FALSE, TRUE, FALSE, FALSE, -1, 0));
    EXPECT_EQ(at, col);
    EXPECT_EQ(6, store.Find(0, 0, &line, &col, "needle", TRUE, FALSE, FALSE, FALSE, FALSE, -1, 0));
    EXPECT_EQ(at, col);
    const int end = static_cast<int>(text.size());
    EXPECT_EQ(6, store.Find(0, end, &line, &col, "NEEDLE", FALSE, FALSE, FALSE, FALSE, FALSE, -1, 0));
    EXPECT_EQ(at, col);
}

TEST(StoreFindBytes, NulAndInvalidBytesAreOrdinary)
{
    SECEditTextStore store;
    const std::string text("a\0needle \xE2\x82\xAC \x82\xAC", 15);
    SECEditRange range(0, 0, 0, 0);
    ASSERT_TRUE(store.InsertText(range, text.data(), static_cast<int>(text.size())));
    int line = -1, col = -1;
    EXPECT_EQ(6, store.Find(0, 0, &line, &col, "needle", TRUE, FALSE, TRUE, FALSE, FALSE, -1, 0));
    EXPECT_EQ(2, col);
    // The tail of the euro sign is not a character of its own; the two
    // stray bytes at the end are.
    EXPECT_EQ(2, store.Find(0, 0, &line, &col, "\x82\xAC", TRUE, FALSE, TRUE, FALSE, FALSE, -1, 0));
    EXPECT_EQ(13, col);
    EXPECT_EQ(2, store.Find(0, 15, &line, &col, "\x82\xAC", FALSE, FALSE, TRUE, FALSE, FALSE, -1, 0));
    EXPECT_EQ(13, col);
}

TEST(StoreFindRegExp, WithoutAnEngineSearchesPlainText)
{
    SECEditTextStore store;
    SECEditRange range(0, 0, 0, 0);
    ASSERT_TRUE(store.InsertText(range, "a.c abc", -1));
    int line = -1, col = -1;
    EXPECT_EQ(3, store.Find(0, 0, &line, &col, "a.c", TRUE, FALSE, TRUE, FALSE, TRUE, -1, 0));
    EXPECT_EQ(0, col);
    EXPECT_EQ(3, store.Find(0, 1, &line, &col, "a.c", TRUE, TRUE, TRUE, FALSE, TRUE, -1, 0));
    EXPECT_EQ(0, col);
}

} // namespace
