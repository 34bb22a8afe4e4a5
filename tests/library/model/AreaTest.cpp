#include "library/model/QYArea.h"
#include "library/model/QYAreaGeometry.h"

#include <gtest/gtest.h>

#include <climits>

#include <vector>

namespace {

struct HitCase {
    int x, y;
    bool hit;
};

void ExpectHits(const CQYArea& area, int nTolerance, const std::vector<HitCase>& cases)
{
    for (const HitCase& c : cases)
        EXPECT_EQ(area.PtInArea(c.x, c.y, nTolerance) != FALSE, c.hit) << "(" << c.x << ", " << c.y << ")";
}

TEST(AreaHitTest, SquareDecidedByTheCrossingCount)
{
    const POINT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    CQYArea area;
    area.BuildPolygonArea(square, 4);
    ExpectHits(area, 8,
               {{5, 5, true},
                {5, 0, true},
                {0, 5, false},
                {10, 5, false},
                {5, 10, false},
                {11, 5, false},
                {-1, 5, false},
                {5, -1, false}});
}

TEST(AreaHitTest, SegmentsHitWithinABandOfTheTolerance)
{
    const POINT horizontal[] = {{0, 0}, {100, 0}};
    CQYArea area;
    area.BuildPolygonArea(horizontal, 2);
    ExpectHits(area, 8, {{50, 7, true}, {50, -7, true}, {50, 9, false}, {-5, 0, false}, {105, 0, false}});

    const POINT diagonal[] = {{0, 0}, {100, 100}};
    area.BuildPolygonArea(diagonal, 2);
    ExpectHits(area, 8, {{50, 55, true}, {50, 70, false}, {55, 50, true}, {-20, -20, false}});

    // Without tolerance a segment has no inside at all.
    area.BuildPolygonArea(horizontal, 2);
    ExpectHits(area, 0, {{50, 0, false}, {50, 1, false}});
}

TEST(AreaHitTest, PolylineMakesOneSegmentPerPair)
{
    const POINT elbow[] = {{0, 0}, {100, 0}, {100, 100}};
    CQYArea area;
    area.BuildPolyLineArea(elbow, 3);
    ASSERT_EQ(area.GetCount(), 2);
    ExpectHits(area, 8, {{50, 4, true}, {96, 50, true}, {50, 50, false}});
    EXPECT_EQ(area.GetRect(), CRect(0, 0, 100, 100));
}

TEST(AreaHitTest, EmptyPolygonsHitNothing)
{
    CQYArea area;
    area.BuildPolygonArea(nullptr, 0);
    EXPECT_FALSE(area.PtInArea(0, 0, 8));
    CQYMPtArea empty;
    EXPECT_FALSE(empty.PtInPolygon(0, 0, 8));
    EXPECT_EQ(empty.GetPointAt(0), CPoint(0, 0));
}

TEST(AreaHitTest, HugeCoordinatesDoNotOverflow)
{
    const POINT wide[] = {
        {-2000000000, -2000000000}, {2000000000, -2000000000}, {2000000000, 2000000000}, {-2000000000, 2000000000}};
    CQYArea area;
    area.BuildPolygonArea(wide, 4);
    EXPECT_TRUE(area.PtInArea(0, 0, 8));
    EXPECT_TRUE(area.PtInArea(1999999999, 1, 2147483647));
}

TEST(AreaHitTest, SegmentBandsAtTheEndsOfTheRange)
{
    // The band's corners lie past the int range: they are held at its ends.
    const POINT low[] = {{0, INT_MIN + 1}, {100, INT_MIN + 1}};
    const POINT high[] = {{0, INT_MAX - 1}, {100, INT_MAX - 1}};
    CQYArea area;
    area.BuildPolygonArea(low, 2);
    EXPECT_FALSE(area.PtInArea(-8, INT_MIN + 9, 8));
    area.BuildPolygonArea(high, 2);
    EXPECT_FALSE(area.PtInArea(108, INT_MAX - 9, 8));
}

TEST(AreaRect, UnionIgnoresAllZeroRectangles)
{
    CQYArea first, second;
    const POINT origin[] = {{0, 0}, {0, 0}};
    const POINT box[] = {{5, 5}, {10, 5}, {10, 10}};
    first.BuildPolygonArea(origin, 2);
    second.BuildPolygonArea(box, 3);
    first.Append(second);
    EXPECT_EQ(first.GetCount(), 2);
    EXPECT_EQ(first.GetRect(), CRect(5, 5, 10, 10));

    first.RemoveAll();
    EXPECT_EQ(first.GetCount(), 0);
    EXPECT_EQ(first.GetRect(), CRect(0, 0, 0, 0));
}

TEST(AreaCopy, CopiesAreIndependent)
{
    const POINT box[] = {{0, 0}, {20, 0}, {20, 20}, {0, 20}};
    CQYArea source;
    source.BuildPolygonArea(box, 4);
    CQYArea copy(source);
    source.RemoveAll();
    EXPECT_EQ(copy.GetCount(), 1);
    EXPECT_TRUE(copy.PtInArea(10, 10, 0));
    EXPECT_EQ(copy.GetAt(0).GetPointAt(2), CPoint(20, 20));

    CQYArea assigned;
    assigned = copy;
    assigned = assigned;
    EXPECT_EQ(assigned.GetRect(), CRect(0, 0, 20, 20));
}

std::vector<CPoint> Flatten(const std::vector<POINT>& points)
{
    CQYArea area;
    CQYPointArray out;
    area.FlattenBezier(&out, points.data(), static_cast<int>(points.size()));
    return std::vector<CPoint>(out.GetData(), out.GetData() + out.GetSize());
}

TEST(BezierFlattening, StraightPieceGivesItsEndsAndMiddle)
{
    // A straight piece is flat in both halves at the first split: its start,
    // the middle and its end.
    EXPECT_EQ(Flatten({{0, 0}, {10, 0}, {20, 0}, {30, 0}}),
              (std::vector<CPoint>{CPoint(0, 0), CPoint(15, 0), CPoint(30, 0)}));
}

TEST(BezierFlattening, ShortListsAndLeftoverPoints)
{
    EXPECT_EQ(Flatten({{3, 4}, {5, 6}}), (std::vector<CPoint>{CPoint(3, 4), CPoint(5, 6)}));
    EXPECT_TRUE(Flatten({{3, 4}, {5, 6}, {7, 8}}).empty());
    // Points after the last whole triple are ignored.
    EXPECT_EQ(Flatten({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {99, 99}}),
              (std::vector<CPoint>{CPoint(0, 0), CPoint(15, 0), CPoint(30, 0)}));
}

TEST(BezierFlattening, CurvesStayWithinOneUnitAndEndOnTheirEnds)
{
    const std::vector<POINT> arc = {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {100, -100}, {200, -100}, {200, 0}};
    const std::vector<CPoint> flat = Flatten(arc);
    ASSERT_GT(flat.size(), 10u);
    EXPECT_EQ(flat.front(), CPoint(0, 0));
    EXPECT_EQ(flat.back(), CPoint(200, 0));
    // The curve's extreme: y = 75 at x = 50 for the first piece.
    int nMaxY = 0;
    for (const CPoint& p : flat)
        nMaxY = std::max<int>(nMaxY, p.y);
    EXPECT_GE(nMaxY, 74);
    EXPECT_LE(nMaxY, 75);
}

TEST(BezierArea, ClosedFigureHitsInsideAndLineHitsAlong)
{
    const POINT blob[] = {{0, 50}, {0, 0}, {100, 0}, {100, 50}, {100, 100}, {0, 100}, {0, 50}};
    CQYArea area;
    area.BuildBezierArea(blob, 7);
    EXPECT_EQ(area.GetCount(), 1);
    EXPECT_TRUE(area.PtInArea(50, 50, 8));
    EXPECT_FALSE(area.PtInArea(50, -5, 8));

    area.BuildBezierLineArea(blob, 7);
    EXPECT_GT(area.GetCount(), 4);
    EXPECT_FALSE(area.PtInArea(50, 50, 8));
    EXPECT_TRUE(area.PtInArea(50, 17, 8));

    // Three points or fewer are taken as they are.
    area.BuildBezierArea(blob, 3);
    EXPECT_EQ(area.GetAt(0).GetCount(), 3);
}

TEST(AreaGeometry, FlatnessAndSegmentCrossing)
{
    EXPECT_TRUE(QYIsFlatEnough(0, 0, 5, 1, 10, 0));
    EXPECT_FALSE(QYIsFlatEnough(0, 0, 5, 2, 10, 0));
    EXPECT_TRUE(QYSegmentsIntersect({0, 0}, {10, 10}, {0, 10}, {10, 0}));
    EXPECT_FALSE(QYSegmentsIntersect({0, 0}, {10, 0}, {0, 1}, {10, 1}));
    EXPECT_EQ(QYSegmentAngle({0, 0}, {0, -5}), -900);
    const POINT turned = QYRotatePointAboutOrigin({100, 0}, 900);
    EXPECT_EQ(turned.x, 0);
    EXPECT_EQ(turned.y, 100);
}

} // namespace
