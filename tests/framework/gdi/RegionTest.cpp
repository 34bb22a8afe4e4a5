// Regions: shapes and their pixels, both polygon fill modes, combination,
// drawing (fill, frame, invert) and clipping to general regions.
#include "GdiTestSupport.h"

#include "framework/gdi/RegionBands.h"

#include <vector>

namespace {

const POINT kStar[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};

// Every pixel of the canvas is painted exactly where the region holds it.
void ExpectPaintedIsRegion(const Canvas &c, const CRgn &rgn, COLORREF paint)
{
    int wrong = 0;
    for (int y = 0; y < c.image.height(); ++y)
        for (int x = 0; x < c.image.width(); ++x)
            wrong += (c.At(x, y) == paint) != static_cast<bool>(rgn.PtInRegion(x, y));
    EXPECT_EQ(wrong, 0);
}

} // namespace

TEST(Region, PolygonFillModes)
{
    struct Case {
        int mode;
        POINT point;
        bool inside;
    } cases[] = {
        {ALTERNATE, {50, 50}, false}, // the star's centre is crossed twice
        {WINDING, {50, 50}, true},    // ... but wound round once
        {ALTERNATE, {50, 10}, true},  {WINDING, {50, 10}, true}, {ALTERNATE, {5, 5}, false}, {WINDING, {5, 5}, false},
    };
    for (const Case &c : cases) {
        CRgn star;
        ASSERT_TRUE(star.CreatePolygonRgn(kStar, 5, c.mode));
        EXPECT_EQ(static_cast<bool>(star.PtInRegion(c.point)), c.inside)
            << "mode " << c.mode << " at " << c.point.x << "," << c.point.y;
    }
}

TEST(Region, ShapesCoverTheirPixels)
{
    const POINT square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    CRgn poly, rect, ellipse, round;
    ASSERT_TRUE(poly.CreatePolygonRgn(square, 4, ALTERNATE));
    ASSERT_TRUE(rect.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(ellipse.CreateEllipticRgn(0, 0, 20, 10));
    ASSERT_TRUE(round.CreateRoundRectRgn(0, 0, 20, 20, 8, 8));
    EXPECT_TRUE(poly.EqualRgn(&rect)); // left and top edges in, right and bottom out
    EXPECT_TRUE(poly.PtInRegion(0, 0));
    EXPECT_FALSE(poly.PtInRegion(10, 5));
    CRect box;
    EXPECT_EQ(ellipse.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 20, 10));
    EXPECT_TRUE(ellipse.PtInRegion(10, 5));
    EXPECT_FALSE(ellipse.PtInRegion(0, 0));
    EXPECT_FALSE(ellipse.PtInRegion(19, 9));
    EXPECT_FALSE(round.PtInRegion(0, 0));
    EXPECT_TRUE(round.PtInRegion(10, 0));
    EXPECT_TRUE(round.PtInRegion(0, 10));
    EXPECT_EQ(rect.OffsetRgn(5, -5), SIMPLEREGION);
    EXPECT_TRUE(rect.PtInRegion(14, 4));
    EXPECT_FALSE(rect.PtInRegion(4, 4));
    CRect inside(12, 0, 13, 1);
    EXPECT_TRUE(rect.RectInRegion(&inside));
}

TEST(Region, CombineModes)
{
    struct Case {
        int mode;
        int type;
        POINT in[2];
        POINT out[2];
    } cases[] = {
        {RGN_AND, SIMPLEREGION, {{5, 5}, {9, 9}}, {{2, 2}, {12, 12}}},
        {RGN_OR, COMPLEXREGION, {{2, 2}, {12, 12}}, {{2, 12}, {12, 2}}},
        {RGN_XOR, COMPLEXREGION, {{2, 2}, {12, 12}}, {{7, 7}, {2, 12}}},
        {RGN_DIFF, COMPLEXREGION, {{2, 2}, {9, 4}}, {{7, 7}, {12, 12}}},
        {RGN_COPY, SIMPLEREGION, {{2, 2}, {9, 9}}, {{12, 12}, {10, 0}}},
    };
    for (const Case &c : cases) {
        CRgn a, b, result;
        a.CreateRectRgn(0, 0, 10, 10);
        b.CreateRectRgn(5, 5, 15, 15);
        result.CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(result.CombineRgn(&a, &b, c.mode), c.type) << c.mode;
        for (POINT p : c.in)
            EXPECT_TRUE(result.PtInRegion(p)) << c.mode << ": " << p.x << "," << p.y;
        for (POINT p : c.out)
            EXPECT_FALSE(result.PtInRegion(p)) << c.mode << ": " << p.x << "," << p.y;
    }
    CRgn a, empty;
    a.CreateRectRgn(0, 0, 10, 10);
    empty.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(a.CombineRgn(&a, &a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(a.CombineRgn(&a, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(a.CombineRgn(&a, &empty, 99), ERROR);
}

TEST(Region, FrameWidths)
{
    struct Case {
        int w, h;
    } cases[] = {{1, 1}, {2, 3}, {4, 1}};
    for (const Case &f : cases) {
        Canvas c(16, 16);
        CRgn rgn;
        rgn.CreateRectRgn(2, 2, 12, 12);
        CBrush red(RGB(255, 0, 0));
        ASSERT_TRUE(c.dc.FrameRgn(&rgn, &red, f.w, f.h));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                bool inRect = x >= 2 && x < 12 && y >= 2 && y < 12;
                bool inBorder = x < 2 + f.w || x >= 12 - f.w || y < 2 + f.h || y >= 12 - f.h;
                EXPECT_EQ(c.At(x, y) == RGB(255, 0, 0), inRect && inBorder)
                    << "frame " << f.w << "x" << f.h << " at " << x << "," << y;
            }
    }
}

TEST(Region, FillInvertAndClipFollowTheRegion)
{
    CRgn star;
    ASSERT_TRUE(star.CreatePolygonRgn(kStar, 5, WINDING));
    CBrush blue(RGB(0, 0, 255));
    {
        Canvas c(100, 100);
        ASSERT_TRUE(c.dc.FillRgn(&star, &blue));
        ExpectPaintedIsRegion(c, star, RGB(0, 0, 255));
        QImage before = c.image.copy();
        ASSERT_TRUE(c.dc.InvertRgn(&star));
        EXPECT_EQ(c.At(50, 50), RGB(255, 255, 0));
        ASSERT_TRUE(c.dc.InvertRgn(&star));
        EXPECT_EQ(c.image, before);
    }
    {
        Canvas c(100, 100);
        CRgn ellipse;
        ellipse.CreateEllipticRgn(10, 20, 90, 70);
        EXPECT_EQ(c.dc.SelectClipRgn(&ellipse), COMPLEXREGION);
        c.dc.FillSolidRect(0, 0, 100, 100, RGB(0, 0, 255));
        ExpectPaintedIsRegion(c, ellipse, RGB(0, 0, 255));
        CRgn copy;
        copy.CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(c.dc.m_hDC, copy), 1);
        EXPECT_TRUE(copy.EqualRgn(&ellipse));
        // RGN_AND with the star leaves their common pixels.
        EXPECT_NE(c.dc.SelectClipRgn(&star, RGN_AND), ERROR);
        EXPECT_EQ(GetClipRgn(c.dc.m_hDC, copy), 1);
        CRgn both;
        both.CreateRectRgn(0, 0, 0, 0);
        both.CombineRgn(&ellipse, &star, RGN_AND);
        EXPECT_TRUE(copy.EqualRgn(&both));
        c.dc.SelectClipRgn(nullptr);
        EXPECT_EQ(GetClipRgn(c.dc.m_hDC, copy), 0);
    }
}

TEST(Region, RegionsDrawnThroughTheMapping)
{
    Canvas c(40, 40);
    c.dc.SetViewportOrg(10, 5);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 4, 4);
    CBrush red(RGB(255, 0, 0));
    ASSERT_TRUE(c.dc.FillRgn(&rgn, &red));
    EXPECT_EQ(c.BoundsNot(RGB(255, 255, 255)), CRect(10, 5, 14, 9));
}

TEST(Region, BadInputIsRefused)
{
    const POINT three[] = {{0, 0}, {5, 0}, {0, 5}};
    const INT badCounts[] = {3, -1};
    CRgn rgn;
    EXPECT_FALSE(rgn.CreatePolygonRgn(nullptr, 3, ALTERNATE));
    EXPECT_FALSE(rgn.CreatePolygonRgn(three, 3, 7));
    EXPECT_FALSE(rgn.CreatePolyPolygonRgn(three, badCounts, 2, ALTERNATE));
    EXPECT_FALSE(rgn.CreatePolyPolygonRgn(three, badCounts, -3, ALTERNATE));
    // Enormous coordinates give a bounded region instead of an endless scan.
    const POINT huge[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    ASSERT_TRUE(rgn.CreatePolygonRgn(huge, 3, WINDING));
    EXPECT_TRUE(rgn.PtInRegion(0, 0));
    CRgn all;
    ASSERT_TRUE(all.CreateRectRgn(-2147483647 - 1, -2147483647 - 1, 2147483647, -2147483647 - 1));
    CRect box;
    EXPECT_EQ(all.GetRgnBox(&box), NULLREGION);
    ASSERT_TRUE(all.CreateEllipticRgn(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647));
    EXPECT_TRUE(all.PtInRegion(0, 0));
    EXPECT_EQ(all.OffsetRgn(2147483647, 0), ERROR);
    EXPECT_TRUE(all.PtInRegion(0, 0)) << "a refused move leaves the region";
    Canvas c(8, 8);
    EXPECT_FALSE(c.dc.FillRgn(nullptr, nullptr));
    EXPECT_FALSE(FrameRgn(c.dc.m_hDC, rgn, GetStockObject(BLACK_BRUSH), -1, 1));
    EXPECT_EQ(GetClipRgn(c.dc.m_hDC, nullptr), -1);
}

// Rectangles in any order, overlapping, touching or empty give the region
// that uniting them one by one gives.
TEST(RegionBands, TheUnionOfAnyRectanglesInOnePass)
{
    const std::vector<std::vector<QRect>> cases = {
        {},
        {QRect(0, 0, 0, 5)},
        {QRect(10, 10, 40, 40), QRect(30, 30, 40, 40)},                    // overlapping, not in bands
        {QRect(30, 30, 40, 40), QRect(10, 10, 40, 40), QRect(0, 0, 5, 5)}, // unsorted
        {QRect(0, 0, 10, 10), QRect(10, 0, 10, 10), QRect(0, 10, 20, 5)},  // touching sideways and below
        {QRect(0, 0, 50, 50), QRect(10, 10, 5, 5)},                        // one inside another
        {QRect(0, 0, 10, 30), QRect(20, 10, 10, 5), QRect(5, 40, 10, 10), QRect(-100, 45, 300, 1)},
        {QRect(QPoint(-(1 << 30), 0), QPoint((1 << 30) - 1, 3)), QRect(5, 2, 10, 10)},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        QRegion expected;
        for (const QRect &r : cases[i])
            expected += r;
        const QRegion banded = RegionFromRects(cases[i]);
        EXPECT_EQ(banded, expected);
        EXPECT_TRUE(banded.xored(expected).isEmpty());
        EXPECT_EQ(banded.boundingRect(), expected.boundingRect());
    }
}
