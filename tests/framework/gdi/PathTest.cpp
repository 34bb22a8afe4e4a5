// Paths: figure rules, the uses of a finished path, clipping to a path
// made of Bezier curves, and gradient fills.
#include "GdiTestSupport.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

std::vector<BYTE> PathTypes(CDC &dc)
{
    int n = dc.GetPath(nullptr, nullptr, 0);
    if (n <= 0)
        return {};
    std::vector<POINT> pts(static_cast<size_t>(n));
    std::vector<BYTE> types(static_cast<size_t>(n));
    EXPECT_EQ(dc.GetPath(pts.data(), types.data(), n), n);
    return types;
}

// An ellipse of four Bezier quarters around (cx, cy).
std::vector<POINT> BezierEllipse(int cx, int cy, int rx, int ry)
{
    const double k = 0.5522847498;
    auto at = [](double x, double y) {
        return POINT{static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y))};
    };
    return {at(cx + rx, cy),          at(cx + rx, cy - k * ry), at(cx + k * rx, cy - ry), at(cx, cy - ry),
            at(cx - k * rx, cy - ry), at(cx - rx, cy - k * ry), at(cx - rx, cy),          at(cx - rx, cy + k * ry),
            at(cx - k * rx, cy + ry), at(cx, cy + ry),          at(cx + k * rx, cy + ry), at(cx + rx, cy + k * ry),
            at(cx + rx, cy)};
}

} // namespace

TEST(Path, FigureRules)
{
    Canvas c(40, 40);
    struct Case {
        const char *name;
        void (*record)(CDC &);
        std::vector<BYTE> types;
    } cases[] = {
        {"a PolyBezier after LineTo calls begins a new figure",
         [](CDC &dc) {
             dc.MoveTo(0, 0);
             dc.LineTo(10, 0);
             dc.LineTo(10, 10);
             const POINT curve[] = {{10, 10}, {12, 14}, {16, 14}, {20, 10}};
             dc.PolyBezier(curve, 4);
         },
         {PT_MOVETO, PT_LINETO, PT_LINETO, PT_MOVETO, PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO}},
        {"MoveTo starts a figure",
         [](CDC &dc) {
             dc.MoveTo(0, 0);
             dc.LineTo(10, 0);
             dc.MoveTo(20, 0);
             dc.LineTo(30, 0);
         },
         {PT_MOVETO, PT_LINETO, PT_MOVETO, PT_LINETO}},
        {"continuing calls extend the figure and CloseFigure ends it",
         [](CDC &dc) {
             dc.MoveTo(0, 0);
             dc.LineTo(10, 0);
             const POINT more[] = {{10, 10}, {0, 10}};
             dc.PolylineTo(more, 2);
             dc.CloseFigure();
             dc.LineTo(5, 5);
         },
         {PT_MOVETO, PT_LINETO, PT_LINETO, PT_LINETO | PT_CLOSEFIGURE, PT_MOVETO, PT_LINETO}},
        {"closed shapes are closed figures",
         [](CDC &dc) { dc.Rectangle(0, 0, 10, 10); },
         {PT_MOVETO, PT_LINETO, PT_LINETO, PT_LINETO | PT_CLOSEFIGURE}},
    };
    for (const Case &k : cases) {
        ASSERT_TRUE(c.dc.BeginPath());
        k.record(c.dc);
        ASSERT_TRUE(c.dc.EndPath());
        EXPECT_EQ(PathTypes(c.dc), k.types) << k.name;
    }
    EXPECT_EQ(c.Count(RGB(255, 255, 255)), 40 * 40) << "recording drew on the target";
}

TEST(Path, SelectClipPathLimitsAFillToABezierEllipse)
{
    Canvas c(100, 80);
    std::vector<POINT> ellipse = BezierEllipse(50, 40, 40, 30);
    ASSERT_TRUE(c.dc.BeginPath());
    ASSERT_TRUE(c.dc.PolyBezier(ellipse.data(), static_cast<int>(ellipse.size())));
    ASSERT_TRUE(c.dc.EndPath());
    ASSERT_TRUE(c.dc.SelectClipPath(RGN_COPY));
    c.dc.FillSolidRect(0, 0, 100, 80, RGB(0, 0, 255));
    const COLORREF blue = RGB(0, 0, 255);
    int wrong = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            double dx = (x - 50) / 40.0, dy = (y - 40) / 30.0, d = dx * dx + dy * dy;
            if (d < 0.9)
                wrong += c.At(x, y) != blue;
            else if (d > 1.1)
                wrong += c.At(x, y) == blue;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(c.At(11, 40), blue);
    EXPECT_EQ(c.At(5, 40), RGB(255, 255, 255));
    EXPECT_FALSE(c.dc.SelectClipPath(RGN_COPY)) << "the path was used up";
}

TEST(Path, FillStrokeAndRegion)
{
    const POINT triangle[] = {{2, 2}, {30, 2}, {2, 30}};
    Canvas byPath(32, 32), byPolygon(32, 32);
    CBrush red(RGB(255, 0, 0));
    for (Canvas *c : {&byPath, &byPolygon}) {
        c->dc.SelectObject(&red);
        c->dc.SelectStockObject(NULL_PEN);
    }
    byPath.dc.BeginPath();
    byPath.dc.Polygon(triangle, 3);
    byPath.dc.EndPath();
    ASSERT_TRUE(byPath.dc.FillPath());
    byPolygon.dc.Polygon(triangle, 3);
    EXPECT_EQ(byPath.image, byPolygon.image);
    EXPECT_FALSE(byPath.dc.FillPath()) << "the path was used up";

    Canvas stroked(32, 32);
    stroked.dc.BeginPath();
    stroked.dc.Rectangle(4, 4, 20, 20);
    stroked.dc.EndPath();
    ASSERT_TRUE(stroked.dc.StrokePath());
    EXPECT_EQ(stroked.At(4, 10), RGB(0, 0, 0));
    EXPECT_EQ(stroked.At(10, 10), RGB(255, 255, 255));

    Canvas c(32, 32);
    c.dc.BeginPath();
    c.dc.Rectangle(3, 4, 13, 9);
    c.dc.EndPath();
    CRgn fromPath, rect;
    ASSERT_TRUE(fromPath.CreateFromPath(&c.dc));
    rect.CreateRectRgn(3, 4, 13, 9);
    EXPECT_TRUE(fromPath.EqualRgn(&rect));
}

TEST(Path, FlattenTurnsCurvesIntoLines)
{
    Canvas c(40, 40);
    std::vector<POINT> ellipse = BezierEllipse(20, 20, 15, 10);
    c.dc.BeginPath();
    c.dc.PolyBezier(ellipse.data(), static_cast<int>(ellipse.size()));
    c.dc.EndPath();
    ASSERT_TRUE(c.dc.FlattenPath());
    std::vector<BYTE> types = PathTypes(c.dc);
    ASSERT_GT(types.size(), 13u);
    EXPECT_EQ(types[0], PT_MOVETO);
    for (size_t i = 1; i < types.size(); ++i)
        EXPECT_EQ(types[i], PT_LINETO) << i;
}

TEST(Path, FlattensCurvesAcrossTheWholeCoordinateRange)
{
    Canvas c(40, 40);
    const POINT curve[] = {
        {-2000000000, -2000000000}, {2000000000, 2000000000}, {-2000000000, 2000000000}, {2000000000, -2000000000}};
    c.dc.BeginPath();
    c.dc.PolyBezier(curve, 4);
    c.dc.EndPath();
    ASSERT_TRUE(c.dc.FlattenPath());
    // A curve this long gets the most steps, not the fewest.
    EXPECT_GT(PathTypes(c.dc).size(), 100u);
}

TEST(Path, ArcsOfBoxesAcrossTheWholeCoordinateRange)
{
    Canvas c(40, 40);
    c.dc.BeginPath();
    EXPECT_TRUE(c.dc.Arc(-69, -69, 2147483646, 2147483646, 0, 0, 40, 40));
    EXPECT_TRUE(c.dc.Chord(-2147483647, 0, 2147483647, 40, 0, 0, 40, 40));
    c.dc.EndPath();
    // Arcs this large get the most steps, not the fewest.
    EXPECT_GT(PathTypes(c.dc).size(), 4000u);
}

// A rounded rectangle from the lowest coordinate to the canvas is
// recorded whole, its width beyond what an int holds.
TEST(Path, RoundRectFromTheLowestCoordinate)
{
    Canvas c(20, 20);
    c.dc.BeginPath();
    EXPECT_TRUE(c.dc.RoundRect(-2147483647 - 1, 2, 10, 12, 4, 4));
    c.dc.EndPath();
    CBrush red(RGB(255, 0, 0));
    c.dc.SelectObject(&red);
    EXPECT_TRUE(c.dc.FillPath());
    EXPECT_EQ(c.At(5, 6), RGB(255, 0, 0));
    EXPECT_EQ(c.At(15, 6), RGB(255, 255, 255));
}

TEST(Path, MisuseIsRefused)
{
    Canvas c(8, 8);
    EXPECT_FALSE(c.dc.EndPath());
    EXPECT_FALSE(c.dc.StrokePath());
    c.dc.BeginPath();
    c.dc.Rectangle(0, 0, 4, 4);
    EXPECT_FALSE(c.dc.FillPath()) << "still recording";
    c.dc.EndPath();
    EXPECT_FALSE(c.dc.SelectClipPath(42));
    POINT pts[1];
    BYTE types[1];
    EXPECT_EQ(c.dc.GetPath(pts, types, 1), -1) << "buffer too small";
    EXPECT_TRUE(c.dc.AbortPath());
    EXPECT_EQ(c.dc.GetPath(nullptr, nullptr, 0), -1);
}

TEST(Gradient, RectanglesShadeAlongTheirAxis)
{
    struct Case {
        ULONG mode;
        bool reversed;
    } cases[] = {{GRADIENT_FILL_RECT_H, false}, {GRADIENT_FILL_RECT_V, false}, {GRADIENT_FILL_RECT_H, true}};
    for (const Case &k : cases) {
        Canvas c(4, 4);
        TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {4, 4, 0xFF00, 0, 0x8000, 0}};
        if (k.reversed)
            v[0].x = 4, v[1].x = 0; // the shade still runs from the first vertex
        GRADIENT_RECT mesh{0, 1};
        ASSERT_TRUE(c.dc.GradientFill(v, 2, &mesh, 1, k.mode));
        for (int i = 0; i < 4; ++i) {
            int step = k.reversed ? 4 - i : i;
            COLORREF want = RGB(255 * step / 4, 0, 128 * step / 4);
            int x = k.mode == GRADIENT_FILL_RECT_H ? i : 1, y = k.mode == GRADIENT_FILL_RECT_H ? 2 : i;
            EXPECT_EQ(c.At(x, y), want) << "mode " << k.mode << " step " << i;
        }
    }
}

TEST(Gradient, TrianglesBlendTheirCorners)
{
    Canvas c(40, 40);
    TRIVERTEX v[3] = {{0, 0, 0xFF00, 0, 0, 0}, {30, 0, 0, 0xFF00, 0, 0}, {0, 30, 0, 0, 0xFF00, 0}};
    GRADIENT_TRIANGLE mesh{0, 1, 2};
    ASSERT_TRUE(c.dc.GradientFill(v, 3, &mesh, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(c.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(c.At(10, 10), RGB(85, 85, 85));
    EXPECT_EQ(c.At(20, 20), RGB(255, 255, 255)) << "outside the triangle";
    EXPECT_EQ(c.At(29, 0), RGB(8, 246, 0));
}

TEST(Gradient, BadMeshesAreRefused)
{
    Canvas c(8, 8);
    TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {8, 8, 0xFF00, 0, 0, 0}};
    GRADIENT_RECT bad{0, 5};
    EXPECT_FALSE(c.dc.GradientFill(v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
    GRADIENT_RECT good{0, 1};
    EXPECT_FALSE(c.dc.GradientFill(v, 2, &good, 1, 7));
    EXPECT_FALSE(c.dc.GradientFill(nullptr, 2, &good, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(c.Count(RGB(255, 255, 255)), 64);
    // Extreme vertices fill the visible part.
    TRIVERTEX wide[2] = {{-2147483647 - 1, -2147483647 - 1, 0, 0, 0, 0}, {2147483647, 2147483647, 0, 0, 0, 0}};
    EXPECT_TRUE(c.dc.GradientFill(wide, 2, &good, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(c.At(7, 7), RGB(0, 0, 0));
    GRADIENT_TRIANGLE tri{0, 1, 1};
    EXPECT_TRUE(c.dc.GradientFill(wide, 2, &tri, 1, GRADIENT_FILL_TRIANGLE)) << "a flat triangle covers nothing";
}

TEST(Path, ClosedPolylineClipCombinesWithTheClip)
{
    // A diamond of polyline points, closed, ANDed with a clip rectangle.
    Canvas c(40, 40);
    c.dc.SaveDC();
    c.dc.IntersectClipRect(0, 0, 20, 40);
    const POINT diamond[] = {{20, 0}, {40, 20}, {20, 40}, {0, 20}};
    ASSERT_TRUE(c.dc.BeginPath());
    ASSERT_TRUE(c.dc.Polyline(diamond, 4));
    ASSERT_TRUE(c.dc.CloseFigure());
    ASSERT_TRUE(c.dc.EndPath());
    ASSERT_TRUE(c.dc.SelectClipPath(RGN_AND));
    c.dc.FillSolidRect(0, 0, 40, 40, RGB(0, 128, 0));
    EXPECT_EQ(c.At(15, 20), RGB(0, 128, 0));
    EXPECT_EQ(c.At(25, 20), RGB(255, 255, 255)) << "outside the rectangle";
    EXPECT_EQ(c.At(2, 2), RGB(255, 255, 255)) << "outside the diamond";
    c.dc.RestoreDC(-1);
    c.dc.FillSolidRect(0, 0, 1, 1, RGB(1, 1, 1));
    EXPECT_EQ(c.At(0, 0), RGB(1, 1, 1)) << "RestoreDC brings the old clip back";
}

TEST(Path, StrokeAndFillDrawsBoth)
{
    Canvas c(20, 20);
    CBrush red(RGB(255, 0, 0));
    c.dc.SelectObject(&red);
    c.dc.BeginPath();
    c.dc.Rectangle(2, 2, 18, 18);
    c.dc.EndPath();
    ASSERT_TRUE(c.dc.StrokeAndFillPath());
    EXPECT_EQ(c.At(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(c.At(2, 10), RGB(0, 0, 0));
    EXPECT_EQ(c.At(0, 0), RGB(255, 255, 255));
}

TEST(Path, TextBecomesGlyphOutlines)
{
    Canvas c(60, 40);
    CFont arial;
    ASSERT_TRUE(arial.CreatePointFont(160, "Arial"));
    c.dc.SelectObject(&arial);
    c.dc.SetBkMode(OPAQUE);
    ASSERT_TRUE(c.dc.BeginPath());
    ASSERT_TRUE(c.dc.TextOut(4, 4, "HI"));
    ASSERT_TRUE(c.dc.EndPath());
    EXPECT_EQ(c.Count(RGB(255, 255, 255)), 60 * 40) << "text in a path bracket draws nothing";
    EXPECT_GT(c.dc.GetPath(nullptr, nullptr, 0), 8);
    c.dc.SelectStockObject(BLACK_BRUSH);
    ASSERT_TRUE(c.dc.FillPath());
    CSize extent = c.dc.GetTextExtent("HI");
    CRect ink = c.BoundsNot(RGB(255, 255, 255));
    EXPECT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.left, 4);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.right, 4 + extent.cx);
    EXPECT_LE(ink.bottom, 4 + extent.cy);
}

// Glyph outlines that reach past the end of the coordinates stay at that end
// instead of wrapping around to the other.
TEST(Path, TextPastTheCoordinateRangeStaysAtItsEnd)
{
    Canvas c(60, 40);
    CFont arial;
    ASSERT_TRUE(arial.CreatePointFont(160, "Arial"));
    c.dc.SelectObject(&arial);
    const int x = std::numeric_limits<int>::max() - 5;
    ASSERT_TRUE(c.dc.BeginPath());
    ASSERT_TRUE(c.dc.TextOut(x, 4, "WWW"));
    ASSERT_TRUE(c.dc.EndPath());
    const int n = c.dc.GetPath(nullptr, nullptr, 0);
    ASSERT_GT(n, 3);
    std::vector<POINT> points(static_cast<size_t>(n));
    std::vector<BYTE> types(static_cast<size_t>(n));
    ASSERT_EQ(c.dc.GetPath(points.data(), types.data(), n), n);
    for (const POINT &pt : points)
        EXPECT_GE(pt.x, x - 100) << pt.x;
}
