// The outline of straight pens without curves, made without the path
// stroker, against the stroker's own: the same polygons point for point,
// hence the same pixels, for random figures of every kind of turn.
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/PenOutline.h"
#include "framework/gdi/PolygonScan.h"
#include "tests/framework/gdi/PenOutlineTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <tuple>
#include <vector>

namespace {

using Run = ScannedRun;

std::vector<Run> Pixels(const PenOutline::Polygons &polygons)
{
    return ScannedPixels(polygons, -400, 800);
}

// The same polygons to the last bit of every coordinate.
testing::AssertionResult SameVertices(const PenOutline::Polygons &a, const PenOutline::Polygons &b)
{
    if (a.size() != b.size())
        return testing::AssertionFailure() << a.size() << " polygons against " << b.size();
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].size() != b[i].size())
            return testing::AssertionFailure()
                   << "polygon " << i << ": " << a[i].size() << " points against " << b[i].size();
        for (size_t j = 0; j < a[i].size(); ++j)
            if (a[i][j].x() != b[i][j].x() || a[i][j].y() != b[i][j].y())
                return testing::AssertionFailure()
                       << "polygon " << i << " point " << j << ": (" << a[i][j].x() << ", " << a[i][j].y()
                       << ") against (" << b[i][j].x() << ", " << b[i][j].y() << ")";
    }
    return testing::AssertionSuccess();
}

// Steps along which offsets of half a pixel fall on pixel centres and
// edges (Pythagorean directions, diagonals), and plain ones.
const QPoint kSteps[] = {{3, 4}, {4, 3}, {5, 12}, {12, 5}, {8, 15}, {1, 1}, {2, 1}, {1, 0}, {0, 1}, {7, 3}};

QPoint RandomStep(std::mt19937 &random)
{
    QPoint step = kSteps[random() % std::size(kSteps)] * static_cast<int>(random() % 4 + 1);
    if (random() % 2)
        step.setX(-step.x());
    if (random() % 2)
        step.setY(-step.y());
    if (random() % 2)
        step = QPoint(step.y(), step.x());
    return step;
}

// A random figure of one of several kinds: scattered points; steps along
// Pythagorean directions; nearly straight runs; spikes that turn back on
// themselves, sharp enough to pass the miter limit; repeated points.
std::vector<QPoint> RandomFigure(std::mt19937 &random, int kind)
{
    const int count = static_cast<int>(random() % 6) + 2;
    std::vector<QPoint> points{QPoint(static_cast<int>(random() % 60) + 40, static_cast<int>(random() % 60) + 40)};
    for (int i = 1; i < count; ++i) {
        const QPoint last = points.back();
        switch (kind) {
        case 0:
            points.emplace_back(static_cast<int>(random() % 100) + 20, static_cast<int>(random() % 100) + 20);
            break;
        case 1: points.push_back(last + RandomStep(random)); break;
        case 2: {
            // Long steps that hardly turn from the first one.
            const QPoint first = i == 1 ? RandomStep(random) * 8 : points[1] - points[0];
            points.push_back(last + first +
                             QPoint(static_cast<int>(random() % 3) - 1, static_cast<int>(random() % 3) - 1));
            break;
        }
        case 3: {
            // Back almost the way it came.
            const QPoint step = i % 2 ? RandomStep(random) * 5 : -(points[i - 1] - points[i - 2]);
            points.push_back(last + step +
                             QPoint(static_cast<int>(random() % 3) - 1, static_cast<int>(random() % 3) - 1));
            break;
        }
        default: points.push_back(random() % 3 == 0 ? last : last + RandomStep(random)); break;
        }
    }
    return points;
}

TEST(PenOutlineLines, GivesTheStrokersPolygonsForEveryCapJoinAndWidth)
{
    const UINT caps[] = {PS_ENDCAP_FLAT, PS_ENDCAP_SQUARE};
    const UINT joins[] = {PS_JOIN_MITER, PS_JOIN_BEVEL};
    std::mt19937 random(29);
    for (int round = 0; round < 24000; ++round) {
        std::vector<QPoint> points = RandomFigure(random, round % 5);
        const bool closed = random() % 2;
        // Some open figures end where they start, which the stroker closes.
        if (!closed && random() % 8 == 0)
            points.push_back(points.front());
        const PenData pen = SolidGeometricPen(caps[round % 2], joins[(round / 2) % 2]);
        const int width = round % 3 == 0 ? static_cast<int>(random() % 16) + 1 : 1;
        PenOutline::Polygons fast;
        ASSERT_TRUE(PenOutline::LineOutline(points, closed, pen, width, fast)) << "round " << round;
        const PenOutline::Polygons stroked = PenOutline::StrokerOutline(points, closed, pen, width);
        ASSERT_TRUE(SameVertices(fast, stroked))
            << "round " << round << " closed " << closed << " width " << width << " " << testing::PrintToString(points);
        ASSERT_EQ(Pixels(fast), Pixels(stroked)) << "round " << round;
    }
}

TEST(PenOutlineLines, OutlineTakesItForDiagonalFigures)
{
    const PenData pen = SolidGeometricPen(PS_ENDCAP_FLAT, PS_JOIN_MITER);
    const std::vector<QPoint> arrow{{10, 10}, {22, 15}, {10, 20}};
    PenOutline::Polygons fast;
    ASSERT_TRUE(PenOutline::LineOutline(arrow, true, pen, 1, fast));
    EXPECT_TRUE(SameVertices(PenOutline::Outline(arrow, true, pen, 1), fast));
}

TEST(PenOutlineLines, TakesOnlySolidPensWithoutCurves)
{
    const std::vector<QPoint> bend{{0, 0}, {10, 5}, {3, 12}};
    const PenData dashed = DashedPen();
    const PenData hatched = HatchedPen();
    const PenData roundJoins = SolidGeometricPen(PS_ENDCAP_FLAT, PS_JOIN_ROUND);
    const PenData roundCaps = SolidGeometricPen(PS_ENDCAP_ROUND, PS_JOIN_BEVEL);
    const PenData plain = SolidGeometricPen(PS_ENDCAP_SQUARE, PS_JOIN_BEVEL);
    struct Case {
        const char *name;
        std::vector<QPoint> points;
        bool closed;
        const PenData *pen;
        int width;
        bool taken;
    };
    const Case cases[] = {
        {"solid pen", bend, false, &plain, 1, true},
        {"sixteen pixels", bend, false, &plain, 16, true},
        {"seventeen pixels", bend, false, &plain, 17, false},
        {"dashes", bend, false, &dashed, 1, false},
        {"hatched pen", bend, false, &hatched, 1, false},
        {"round joins", bend, true, &roundJoins, 1, false},
        {"round caps on an open figure", bend, false, &roundCaps, 1, false},
        {"round caps on a closed figure", bend, true, &roundCaps, 1, true},
        {"round caps on a figure back at its start", {{0, 0}, {10, 5}, {3, 12}, {0, 0}}, false, &roundCaps, 1, true},
        {"far coordinates", {{0, 0}, {1 << 25, 5}}, false, &plain, 1, false},
        {"the lowest coordinate", {{0, 0}, {std::numeric_limits<int>::min(), 5}}, false, &plain, 1, false},
        {"the highest coordinate", {{0, 0}, {5, std::numeric_limits<int>::max()}}, false, &plain, 1, false},
        {"no points", {}, false, &plain, 1, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PenOutline::Polygons out;
        EXPECT_EQ(PenOutline::LineOutline(c.points, c.closed, *c.pen, c.width, out), c.taken);
        if (c.taken) {
            EXPECT_TRUE(SameVertices(out, PenOutline::StrokerOutline(c.points, c.closed, *c.pen, c.width)));
        }
    }
}

TEST(PenOutlineLines, AFigureOfOnePointCoversNoPixel)
{
    const std::vector<QPoint> dot{{5, 5}, {5, 5}, {5, 5}};
    const PenData pen = SolidGeometricPen(PS_ENDCAP_FLAT, PS_JOIN_MITER);
    PenOutline::Polygons out;
    ASSERT_TRUE(PenOutline::LineOutline(dot, true, pen, 1, out));
    EXPECT_TRUE(SameVertices(out, PenOutline::StrokerOutline(dot, true, pen, 1)));
    EXPECT_TRUE(Pixels(out).empty());
}

} // namespace
