#include "library/model/QYEllipseBezier.h"
#include "library/model/QYGeometry.h"
#include "library/model/QYRounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

bool SamePoint(POINT a, POINT b)
{
    return a.x == b.x && a.y == b.y;
}

TEST(Rounding, HalvesGoAwayFromZero)
{
    struct Case {
        double value;
        int expected;
    };
    for (const Case& c : {Case{2.5, 3}, Case{-2.5, -3}, Case{2.4999, 2}, Case{-2.4999, -2}, Case{0.0, 0},
                          Case{-0.5, -1}, Case{0.5, 1}, Case{7.0, 7}}) {
        EXPECT_EQ(QYRound(c.value), c.expected) << c.value;
        EXPECT_EQ(MoreNear(static_cast<float>(c.value)), c.expected) << c.value;
    }
}

TEST(Rounding, UnrepresentableValuesAreClamped)
{
    EXPECT_EQ(QYRound(1e20), INT_MAX);
    EXPECT_EQ(QYRound(-1e20), INT_MIN);
    EXPECT_EQ(QYRound(std::nan("")), 0);
    EXPECT_EQ(MoreNear(INFINITY), INT_MAX);
    EXPECT_EQ(MoreNear(-INFINITY), INT_MIN);
    EXPECT_EQ(MoreNear(NAN), 0);
    EXPECT_EQ(QYTruncate(-3.9), -3);
}

TEST(BoundRect, CoversThePointsAndIsZeroWithoutThem)
{
    const POINT points[] = {{5, -3}, {-2, 8}, {4, 4}};
    EXPECT_EQ(QYBoundRect(points, 3), CRect(-2, -3, 5, 8));
    EXPECT_EQ(QYBoundRect(points, 0), CRect(0, 0, 0, 0));
    EXPECT_EQ(QYBoundRect(points, -1), CRect(0, 0, 0, 0));
    EXPECT_EQ(QYBoundRect(points, 1), CRect(5, -3, 5, -3));
}

TEST(UnionRect, NormalisesAndSkipsAbsentRectangles)
{
    struct Case {
        CRect a, b, expected;
    };
    const Case cases[] = {
        {CRect(0, 0, 0, 0), CRect(5, 5, 10, 10), CRect(5, 5, 10, 10)},
        {CRect(5, 5, 10, 10), CRect(0, 0, 0, 0), CRect(5, 5, 10, 10)},
        {CRect(10, 10, 5, 5), CRect(20, 0, 30, 2), CRect(5, 0, 30, 10)},
        // A zero-area rectangle that is not all zero still counts.
        {CRect(3, 3, 3, 3), CRect(5, 5, 10, 10), CRect(3, 3, 10, 10)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QYUnionRect(c.a, c.b), c.expected);
}

TEST(LineAngle, TenthsOfADegreeClockwiseOnScreen)
{
    struct Case {
        int x1, y1, x2, y2, expected;
    };
    for (const Case& c : {Case{0, 0, 0, 10, 900}, Case{0, 0, 0, -10, -900}, Case{0, 0, -10, 0, 1800},
                          Case{0, 0, 10, 0, 0}, Case{0, 0, 0, 0, 900}, Case{0, 0, 100, 100, 450},
                          Case{0, 0, -100, -100, 2250}, Case{0, 0, 100, -100, -450}, Case{3, 3, 3 + 173, 3 + 100, 300},
                          Case{INT_MIN, INT_MIN, INT_MAX, INT_MAX, 450}, Case{INT_MAX, 0, INT_MIN, 0, 1800}})
        EXPECT_EQ(QYGetLineAngle(c.x1, c.y1, c.x2, c.y2), c.expected)
            << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
}

TEST(LineIntersection, RoundsToTheNearestPoint)
{
    // Perpendicular lines through (5, 5).
    EXPECT_TRUE(SamePoint(QYLineIntersection({0, 5}, {10, 5}, {5, 0}, {5, 10}), {5, 5}));
    // Diagonals of a 3 by 3 square meet at (1.5, 1.5), which rounds up.
    EXPECT_TRUE(SamePoint(QYLineIntersection({0, 0}, {3, 3}, {0, 3}, {3, 0}), {2, 2}));
    // The intersection may lie beyond the given segments.
    EXPECT_TRUE(SamePoint(QYLineIntersection({0, 0}, {1, 0}, {7, 1}, {7, 2}), {7, 0}));
    // Parallel lines answer without breaking.
    EXPECT_TRUE(SamePoint(QYLineIntersection({0, 0}, {10, 0}, {0, 5}, {10, 5}), {0, 0}));
    // Lines across the whole int range.
    EXPECT_TRUE(SamePoint(QYLineIntersection({INT_MIN, 0}, {INT_MAX, 0}, {0, INT_MIN}, {0, INT_MAX}), {0, 0}));
    EXPECT_TRUE(SamePoint(QYLineIntersection({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {-5, 5}, {5, -5}), {0, 0}));
}

TEST(EllipseBezier, ThirteenPointsClockwiseFromTheLeft)
{
    POINT out[13];
    QYEllipseToBezier(CRect(0, 0, 100, 50), out);
    const POINT expected[13] = {{0, 25},   {0, 12},  {23, 0},  {50, 0},  {77, 0}, {100, 12}, {100, 25},
                                {100, 38}, {77, 50}, {50, 50}, {23, 50}, {0, 38}, {0, 25}};
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(SamePoint(out[i], expected[i])) << i;
}

TEST(EllipseBezier, HalvesAndQuartersAreSlicesOfTheEllipse)
{
    const CRect rect(-40, 10, 61, 77);
    POINT full[13];
    QYEllipseToBezier(rect, full);

    POINT upper[7], lower[7];
    QYHalfEllipseToBezier(rect, upper, TRUE);
    QYHalfEllipseToBezier(rect, lower, FALSE);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(SamePoint(upper[i], full[i])) << i;
        EXPECT_TRUE(SamePoint(lower[i], full[6 + i])) << i;
    }

    const POINT box[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    for (UINT quarter = 0; quarter < 4; ++quarter) {
        POINT arc[4];
        QYArcToBezier(box, arc, quarter);
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(SamePoint(arc[i], full[quarter * 3 + i])) << quarter << ":" << i;
    }
    POINT untouched[4] = {{-7, -7}, {-7, -7}, {-7, -7}, {-7, -7}};
    QYArcToBezier(box, untouched, 4);
    EXPECT_TRUE(SamePoint(untouched[0], {-7, -7}));
}

TEST(EllipseBezier, ControlDistancesTruncateTowardZero)
{
    // Width 101 gives 27.89 -> 27, height 67 gives 18.5 -> 18; centre by
    // integer division of -40 + 61 = 21 -> 10.
    POINT out[13];
    QYEllipseToBezier(CRect(-40, 10, 61, 77), out);
    EXPECT_TRUE(SamePoint(out[1], {-40, 43 - 18}));
    EXPECT_TRUE(SamePoint(out[2], {10 - 27, 10}));
}

} // namespace
