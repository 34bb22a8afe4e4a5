#include "framework/base/CRect.h"

#include <gtest/gtest.h>

TEST(RectTest, PtInRectExcludesRightAndBottom)
{
    const CRect rect(10, 20, 30, 40);
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {10, 20, true}, {29, 39, true}, {30, 20, false}, {10, 40, false}, {9, 25, false}, {15, 19, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rect.PtInRect(CPoint(c.x, c.y)) != FALSE, c.inside) << c.x << "," << c.y;
}

TEST(RectTest, EmptyAndNull)
{
    EXPECT_TRUE(CRect(0, 0, 0, 0).IsRectNull());
    EXPECT_TRUE(CRect(0, 0, 0, 0).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(10, 0, 0, 10).IsRectEmpty()) << "an inverted rectangle has no area";
    EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 1, 1).IsRectEmpty());
}

TEST(RectTest, NormalizeSwapsInvertedEdges)
{
    CRect rect(30, 40, 10, 20);
    rect.NormalizeRect();
    EXPECT_EQ(rect, CRect(10, 20, 30, 40));
}

TEST(RectTest, IntersectAndUnion)
{
    struct Case {
        CRect a, b, intersection;
        BOOL intersects;
        CRect unionRect;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, TRUE, {0, 0, 15, 15}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, {0, 0, 0, 0}, FALSE, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {20, 20, 20, 30}, {0, 0, 0, 0}, FALSE, {0, 0, 10, 10}}, // empty source ignored
        {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, FALSE, {0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        CRect inter(1, 2, 3, 4);
        EXPECT_EQ(inter.IntersectRect(&c.a, &c.b), c.intersects);
        EXPECT_EQ(inter, c.intersection);
        CRect uni;
        uni.UnionRect(&c.a, &c.b);
        EXPECT_EQ(uni, c.unionRect);
    }
}

TEST(RectTest, InflateDeflateOffsetAndPoints)
{
    CRect rect(10, 10, 20, 20);
    rect.InflateRect(2, 3);
    EXPECT_EQ(rect, CRect(8, 7, 22, 23));
    rect.DeflateRect(1, 1, 2, 2);
    EXPECT_EQ(rect, CRect(9, 8, 20, 21));
    rect.OffsetRect(-9, -8);
    EXPECT_EQ(rect, CRect(0, 0, 11, 13));
    EXPECT_EQ(rect.CenterPoint(), CPoint(5, 6));
    rect.TopLeft() = CPoint(1, 1);
    EXPECT_EQ(rect, CRect(1, 1, 11, 13));
    EXPECT_EQ(rect.BottomRight() - rect.TopLeft(), CSize(10, 12));
    EXPECT_EQ(CPoint(MAKELONG(-5, 7)), CPoint(-5, 7)) << "message-packed points carry signed words";
}

TEST(RectTest, SubtractRectCutsOnlyWholeSides)
{
    CRect result;
    const CRect a(0, 0, 10, 10);
    const CRect top(0, 0, 10, 4);
    EXPECT_TRUE(result.SubtractRect(&a, &top));
    EXPECT_EQ(result, CRect(0, 4, 10, 10));
    const CRect middle(3, 3, 6, 6);
    EXPECT_TRUE(result.SubtractRect(&a, &middle));
    EXPECT_EQ(result, a);
    EXPECT_FALSE(result.SubtractRect(&a, &a));
}

TEST(MulDivTest, RoundsHalfAwayFromZeroAndReportsOverflow)
{
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {10, 3, 4, 8},   // 7.5 -> 8
        {-10, 3, 4, -8}, // -7.5 -> -8
        {10, -3, 4, -8},
        {10, 3, -4, -8},
        {-10, -3, -4, -8},
        {5, 1, 3, 2}, // 1.67 -> 2
        {4, 1, 3, 1}, // 1.33 -> 1
        {7, 0, 5, 0},
        {1, 1, 0, -1},                                    // division by zero
        {0x7fffffff, 2, 1, -1},                           // overflow
        {0x7fffffff, 0x7fffffff, 0x7fffffff, 0x7fffffff}, // 64-bit intermediate
        {96, 720, 72, 960},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << "*" << c.numerator << "/" << c.denominator;
}
