// Pen outlines against the path stroker's fill polygons as drawing used them
// before: the same pixels for every figure, cap and join, with the fast
// rectangles for thin outlines along horizontal and vertical lines.
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/PenOutline.h"
#include "framework/gdi/PolygonScan.h"
#include "tests/framework/gdi/PenOutlineTestSupport.h"

#include <QPainterPath>
#include <QPainterPathStroker>

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

namespace {

using Run = ScannedRun;

std::vector<Run> Pixels(const PenOutline::Polygons &polygons)
{
    return ScannedPixels(polygons, -100, 200);
}

// The stroke of a solid pen as the path stroker makes it, merged into fill
// polygons by the path.
PenOutline::Polygons ReferenceOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width)
{
    QPainterPath path;
    path.moveTo(points[0]);
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    if (closed)
        path.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    const UINT cap = pen.style & PS_ENDCAP_MASK;
    stroker.setCapStyle(cap == PS_ENDCAP_SQUARE ? Qt::SquareCap : cap == PS_ENDCAP_FLAT ? Qt::FlatCap : Qt::RoundCap);
    const UINT join = pen.style & PS_JOIN_MASK;
    stroker.setJoinStyle(join == PS_JOIN_BEVEL ? Qt::BevelJoin : join == PS_JOIN_MITER ? Qt::MiterJoin : Qt::RoundJoin);
    stroker.setMiterLimit(10);
    PenOutline::Polygons polygons;
    for (const QPolygonF &poly : stroker.createStroke(path).toFillPolygons())
        polygons.emplace_back(poly.begin(), poly.end());
    return polygons;
}

const UINT kCaps[] = {PS_ENDCAP_FLAT, PS_ENDCAP_SQUARE, PS_ENDCAP_ROUND};
const UINT kJoins[] = {PS_JOIN_MITER, PS_JOIN_BEVEL, PS_JOIN_ROUND};

// A polyline of horizontal and vertical segments turning at right angles.
std::vector<QPoint> AxisPolyline(std::mt19937 &random, int segments)
{
    std::vector<QPoint> points{QPoint(static_cast<int>(random() % 40) + 30, static_cast<int>(random() % 40) + 30)};
    bool horizontal = random() % 2;
    for (int i = 0; i < segments; ++i) {
        int length = static_cast<int>(random() % 12) + 1;
        if (random() % 2)
            length = -length;
        const QPoint last = points.back();
        points.push_back(horizontal ? QPoint(last.x() + length, last.y()) : QPoint(last.x(), last.y() + length));
        horizontal = !horizontal;
    }
    return points;
}

TEST(PenOutline, AxisOutlineCoversTheStrokersPixels)
{
    std::mt19937 random(11);
    int fast = 0;
    for (int round = 0; round < 3000; ++round) {
        const bool closed = round % 3 == 0;
        // A closed figure needs an even number of segments to turn at right
        // angles where it closes; odd ones test the fallback.
        std::vector<QPoint> points = AxisPolyline(random, static_cast<int>(random() % 6) + 1);
        if (closed && points.size() % 2 == 1 && random() % 4 != 0)
            points.pop_back();
        if (closed && points.size() < 3)
            continue;
        const PenData pen = SolidGeometricPen(kCaps[round % 3], kJoins[(round / 3) % 3]);
        PenOutline::Polygons rectangles;
        if (PenOutline::AxisOutline(points, closed, pen, 1, rectangles))
            ++fast;
        ASSERT_EQ(Pixels(PenOutline::Outline(points, closed, pen, 1)), Pixels(ReferenceOutline(points, closed, pen, 1)))
            << "round " << round;
    }
    EXPECT_GT(fast, 1000);
}

TEST(PenOutline, StrokerOutlineCoversTheSamePixelsAsTheMergedPolygons)
{
    std::mt19937 random(5);
    for (int round = 0; round < 1500; ++round) {
        std::vector<QPoint> points;
        const int count = static_cast<int>(random() % 6) + 2;
        for (int i = 0; i < count; ++i)
            points.emplace_back(static_cast<int>(random() % 60) + 20, static_cast<int>(random() % 60) + 20);
        const bool closed = round % 2 == 0;
        const int width = static_cast<int>(random() % 4) + 1;
        const PenData pen = SolidGeometricPen(kCaps[round % 3], kJoins[(round / 3) % 3], width);
        ASSERT_EQ(Pixels(PenOutline::StrokerOutline(points, closed, pen, width)),
                  Pixels(ReferenceOutline(points, closed, pen, width)))
            << "round " << round;
    }
}

TEST(PenOutline, AxisOutlineTakesOnlyThinSolidRightAngledFigures)
{
    const PenData flat = SolidGeometricPen(PS_ENDCAP_FLAT, PS_JOIN_MITER);
    const PenData dashed = DashedPen();
    const PenData hatched = HatchedPen();
    const std::vector<QPoint> elbow{{0, 0}, {10, 0}, {10, 10}};
    const std::vector<QPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct Case {
        std::vector<QPoint> points;
        bool closed;
        const PenData *pen;
        int width;
        bool taken;
    };
    const Case cases[] = {
        {elbow, false, &flat, 1, true},
        {square, true, &flat, 1, true},
        {elbow, false, &flat, 2, false},
        {elbow, false, &dashed, 1, false},
        {elbow, false, &hatched, 1, false},
        {{{0, 0}, {10, 5}}, false, &flat, 1, false},
        {{{0, 0}, {10, 0}, {20, 0}}, false, &flat, 1, false},
        {{{0, 0}, {10, 0}, {0, 0}}, false, &flat, 1, false},
        {{{0, 0}, {0, 0}, {10, 0}}, false, &flat, 1, false},
        {{{0, 0}, {10, 0}, {10, 10}, {0, 0}}, true, &flat, 1, false},
        {{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, true, &flat, 1, false},
        {{{5, 5}}, false, &flat, 1, false},
    };
    for (const Case &c : cases) {
        PenOutline::Polygons out;
        EXPECT_EQ(PenOutline::AxisOutline(c.points, c.closed, *c.pen, c.width, out), c.taken);
        EXPECT_EQ(out.empty(), !c.taken);
    }
}

// Whether the runs cover every pixel of the box.
bool CoversEveryPixel(const std::vector<Run> &runs, const QRect &box)
{
    for (int y = box.top(); y <= box.bottom(); ++y) {
        int covered = box.left();
        for (const auto &[row, x0, x1] : runs)
            if (row == y && x0 <= covered && x1 > covered)
                covered = x1;
        if (covered <= box.right())
            return false;
    }
    return true;
}

TEST(PenOutline, AWideRoundPenCoversTheBoxOnlyWhereItsOutlineDoes)
{
    const PenData round = SolidGeometricPen(PS_ENDCAP_ROUND, PS_JOIN_ROUND);
    const PenData flatCaps = SolidGeometricPen(PS_ENDCAP_FLAT, PS_JOIN_ROUND);
    const PenData mitered = SolidGeometricPen(PS_ENDCAP_ROUND, PS_JOIN_MITER);
    PenData dashed = round;
    dashed.style = PS_GEOMETRIC | PS_DASH | PS_ENDCAP_ROUND | PS_JOIN_ROUND;
    PenData wideCosmetic;
    wideCosmetic.style = PS_DASH;
    const std::vector<QPoint> bend{{-150, 40}, {-100, 40}, {-100, 90}};
    struct Case {
        const char *name;
        const PenData *pen;
        bool closed;
        int width;
        QRect box;
        bool covers;
    };
    const Case cases[] = {
        {"round pen reaching past the box", &round, false, 400, QRect(0, 0, 64, 48), true},
        {"wide dashed pen made without a geometric type", &wideCosmetic, false, 400, QRect(0, 0, 64, 48), true},
        {"closed figure with round joins and flat caps", &flatCaps, true, 400, QRect(0, 0, 64, 48), true},
        {"round pen falling short of the far corner", &round, false, 260, QRect(0, 0, 64, 48), false},
        {"box far away", &round, false, 400, QRect(500, 500, 10, 10), false},
        {"open figure with flat caps", &flatCaps, false, 400, QRect(0, 0, 64, 48), false},
        {"mitred joins", &mitered, true, 400, QRect(0, 0, 64, 48), false},
        {"dashes", &dashed, false, 400, QRect(0, 0, 64, 48), false},
        {"empty box", &round, false, 400, QRect(), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PenOutline::CoversBox(bend, c.closed, *c.pen, c.width, c.box), c.covers);
        // The claim holds for the stroker's own outline.
        if (c.covers && c.pen != &wideCosmetic) {
            EXPECT_TRUE(CoversEveryPixel(Pixels(PenOutline::StrokerOutline(bend, c.closed, *c.pen, c.width)), c.box));
        }
    }
}

} // namespace
