#include "editor/text/SECEditRange.h"
#include "editor/text/SECEditTagRegion.h"

#include <gtest/gtest.h>

namespace {

struct AdjustCase {
    SECEditRange edit;
    bool inserted;
    SECEditPosition before;
    SECEditPosition after;
    BOOL touched;
};

class PositionAdjust : public ::testing::TestWithParam<AdjustCase> {};

TEST_P(PositionAdjust, FollowsTheEdit)
{
    const AdjustCase &c = GetParam();
    SECEditPosition p = c.before;
    EXPECT_EQ(c.touched, p.AdjustForEdit(c.edit, c.inserted));
    EXPECT_EQ(c.after.m_nLine, p.m_nLine);
    EXPECT_EQ(c.after.m_nCol, p.m_nCol);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, PositionAdjust,
    ::testing::Values(
        // Two characters inserted at (3, 2).
        AdjustCase{{3, 2, 3, 4}, true, {3, 2}, {3, 4}, TRUE}, AdjustCase{{3, 2, 3, 4}, true, {3, 5}, {3, 7}, TRUE},
        AdjustCase{{3, 2, 3, 4}, true, {2, 9}, {2, 9}, FALSE}, AdjustCase{{3, 2, 3, 4}, true, {3, 1}, {3, 1}, FALSE},
        AdjustCase{{3, 2, 3, 4}, true, {4, 1}, {4, 1}, TRUE},
        // Two lines inserted at (3, 2), ending at (5, 1); a reversed range
        // is normalised first.
        AdjustCase{{3, 2, 5, 1}, true, {3, 6}, {5, 5}, TRUE}, AdjustCase{{5, 1, 3, 2}, true, {4, 0}, {6, 0}, TRUE},
        AdjustCase{{3, 2, 5, 1}, true, {7, 3}, {9, 3}, TRUE},
        // (3, 2)-(5, 1) deleted.
        AdjustCase{{3, 2, 5, 1}, false, {4, 7}, {3, 2}, TRUE}, AdjustCase{{3, 2, 5, 1}, false, {5, 4}, {3, 5}, TRUE},
        AdjustCase{{3, 2, 5, 1}, false, {3, 2}, {3, 2}, FALSE}, AdjustCase{{3, 2, 5, 1}, false, {5, 1}, {3, 2}, TRUE},
        AdjustCase{{3, 2, 5, 1}, false, {8, 4}, {6, 4}, TRUE}, AdjustCase{{3, 2, 5, 1}, false, {1, 0}, {1, 0}, FALSE},
        // Deleting within one line.
        AdjustCase{{0, 1, 0, 3}, false, {0, 5}, {0, 3}, TRUE}));

TEST(Position, OrdersByLineThenColumn)
{
    const SECEditPosition a(1, 9), b(2, 0), c(2, 0);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a <= b);
    EXPECT_TRUE(b > a);
    EXPECT_TRUE(b >= c);
    EXPECT_TRUE(b == c);
    EXPECT_TRUE(a != b);
    EXPECT_FALSE(b < c);
    EXPECT_TRUE(SECEditPosition(2, 1) > SECEditPosition(2, 0));
}

TEST(Range, NormalisesAndContainsBothEnds)
{
    const SECEditRange backwards(4, 3, 2, 1);
    EXPECT_FALSE(backwards.IsOrdered());
    const SECEditRange n = backwards.Normalized();
    EXPECT_EQ(SECEditPosition(2, 1), n.m_start);
    EXPECT_EQ(SECEditPosition(4, 3), n.m_end);
    for (const SECEditRange &r : {backwards, n}) {
        EXPECT_TRUE(r.Contains({2, 1}));
        EXPECT_TRUE(r.Contains({4, 3}));
        EXPECT_TRUE(r.Contains({3, 100}));
        EXPECT_FALSE(r.Contains({2, 0}));
        EXPECT_FALSE(r.Contains({4, 4}));
    }
    EXPECT_TRUE(backwards == n);
}

TEST(Range, IntersectsAndCompares)
{
    const SECEditRange a(1, 0, 3, 0);
    EXPECT_TRUE(a.Intersects(SECEditRange(3, 0, 5, 0))); // shares an end
    EXPECT_TRUE(a.Intersects(SECEditRange(0, 0, 9, 0))); // encloses it
    EXPECT_TRUE(a.Intersects(SECEditRange(2, 0, 2, 5))); // inside it
    EXPECT_FALSE(a.Intersects(SECEditRange(3, 1, 4, 0)));
    EXPECT_TRUE(SECEditRange(0, 0, 5, 0) > SECEditRange(4, 0, 2, 0));
    EXPECT_FALSE(SECEditRange(0, 0, 4, 0) > SECEditRange(9, 0, 4, 0));
    EXPECT_TRUE(SECEditRange(1, 0, 2, 0) != SECEditRange(1, 0, 2, 1));
}

TEST(Range, AdjustsBothEnds)
{
    SECEditRange r(3, 4, 6, 0);
    EXPECT_TRUE(r.AdjustForEdit(SECEditRange(3, 2, 4, 1), TRUE));
    EXPECT_EQ(SECEditPosition(4, 3), r.m_start);
    EXPECT_EQ(SECEditPosition(7, 0), r.m_end);
    SECEditRange before(0, 0, 1, 0);
    EXPECT_FALSE(before.AdjustForEdit(SECEditRange(2, 0, 3, 0), FALSE));
}

TEST(TagRegion, StartsWithoutTag)
{
    const SECEditTagRegion region;
    EXPECT_EQ(-1, region.m_nTag);
    EXPECT_EQ(SECEditRange(), region.m_range);
}

} // namespace
