// Lines and filled shapes: GDI's pixel rules, ROP2 modes and clipping.
#include "GdiTestSupport.h"

#include "framework/gdi/DeviceContext.h"

#include <functional>
#include <string>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

enum class Figure { Rectangle, Ellipse, RoundRect, Polygon };

void DrawFigure(CDC &dc, Figure f, const CRect &r)
{
    switch (f) {
    case Figure::Rectangle: dc.Rectangle(&r); break;
    case Figure::Ellipse: dc.Ellipse(&r); break;
    case Figure::RoundRect: dc.RoundRect(&r, CPoint(6, 6)); break;
    case Figure::Polygon: {
        POINT pts[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        dc.Polygon(pts, 4);
        break;
    }
    }
}

struct FigureCase {
    const char *name;
    Figure figure;
    bool withPen;
    CRect expected; // the pixels the figure covers, right and bottom exclusive
};

} // namespace

class FilledFigureEdges : public ::testing::TestWithParam<FigureCase> {};

TEST_P(FilledFigureEdges, RightAndBottomEdgesAreLeftOut)
{
    const FigureCase &t = GetParam();
    Canvas c(40, 40);
    CBrush brush(kRed);
    c.dc.SelectObject(&brush);
    if (!t.withPen)
        c.dc.SelectStockObject(NULL_PEN);
    DrawFigure(c.dc, t.figure, CRect(5, 6, 25, 20));
    EXPECT_EQ(c.BoundsNot(kWhite), t.expected) << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FilledFigureEdges,
    ::testing::Values(FigureCase{"rectangle with pen", Figure::Rectangle, true, CRect(5, 6, 25, 20)},
                      FigureCase{"rectangle without pen", Figure::Rectangle, false, CRect(5, 6, 24, 19)},
                      FigureCase{"ellipse with pen", Figure::Ellipse, true, CRect(5, 6, 25, 20)},
                      FigureCase{"ellipse without pen", Figure::Ellipse, false, CRect(5, 6, 24, 19)},
                      FigureCase{"round rect with pen", Figure::RoundRect, true, CRect(5, 6, 25, 20)},
                      FigureCase{"round rect without pen", Figure::RoundRect, false, CRect(5, 6, 24, 19)},
                      // A polygon's outline runs through its vertices; its fill alone leaves out right and bottom.
                      FigureCase{"polygon with pen", Figure::Polygon, true, CRect(5, 6, 26, 21)},
                      FigureCase{"polygon without pen", Figure::Polygon, false, CRect(5, 6, 25, 20)}));

TEST(Primitives, RectangleOutlineAndInterior)
{
    Canvas c(20, 20);
    CBrush brush(kRed);
    c.dc.SelectObject(&brush);
    c.dc.Rectangle(2, 3, 12, 10);
    EXPECT_EQ(c.At(2, 3), kBlack);
    EXPECT_EQ(c.At(11, 9), kBlack);
    EXPECT_EQ(c.At(3, 4), kRed);
    EXPECT_EQ(c.At(10, 8), kRed);
    EXPECT_EQ(c.Count(kBlack), 2 * 10 + 2 * 5);
    EXPECT_EQ(c.Count(kRed), 8 * 5);
}

TEST(Primitives, EllipseIsSymmetric)
{
    Canvas c(40, 40);
    c.dc.SelectStockObject(BLACK_BRUSH);
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.Ellipse(4, 4, 25, 19); // covers 4..23 x 4..17
    for (int y = 4; y < 18; ++y)
        for (int x = 4; x < 24; ++x)
            EXPECT_EQ(c.At(x, y), c.At(27 - x, y)) << x << "," << y;
    for (int x = 4; x < 24; ++x)
        for (int y = 4; y < 18; ++y)
            EXPECT_EQ(c.At(x, y), c.At(x, 21 - y)) << x << "," << y;
    EXPECT_EQ(c.At(13, 11), kBlack);
    EXPECT_EQ(c.At(4, 4), kWhite);
}

struct LineCase {
    CPoint from;
    CPoint to;
};

class LineEndRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEndRule, OnePixelLineLeavesOutItsEndPoint)
{
    const LineCase &t = GetParam();
    Canvas c(40, 40);
    c.dc.MoveTo(t.from);
    c.dc.LineTo(t.to);
    EXPECT_EQ(c.At(t.from.x, t.from.y), kBlack);
    EXPECT_EQ(c.At(t.to.x, t.to.y), kWhite);
    int steps = std::max(std::abs(t.to.x - t.from.x), std::abs(t.to.y - t.from.y));
    EXPECT_EQ(c.Count(kBlack), steps);
    EXPECT_EQ(c.dc.GetCurrentPosition(), t.to);
}

INSTANTIATE_TEST_SUITE_P(Directions, LineEndRule,
                         ::testing::Values(LineCase{{5, 5}, {30, 5}}, LineCase{{30, 5}, {5, 5}},
                                           LineCase{{5, 5}, {5, 30}}, LineCase{{5, 30}, {5, 5}},
                                           LineCase{{5, 5}, {30, 30}}, LineCase{{30, 30}, {5, 5}},
                                           LineCase{{5, 5}, {30, 14}}, LineCase{{5, 30}, {12, 2}}));

TEST(Primitives, PolylineDrawsEveryVertexButTheLast)
{
    Canvas c(20, 20);
    POINT pts[3] = {{2, 2}, {10, 2}, {10, 10}};
    c.dc.Polyline(pts, 3);
    EXPECT_EQ(c.At(10, 2), kBlack);
    EXPECT_EQ(c.At(10, 9), kBlack);
    EXPECT_EQ(c.At(10, 10), kWhite);
    EXPECT_EQ(c.Count(kBlack), 16);
}

TEST(Primitives, PolylineToAndPolyBezierToMoveTheCurrentPosition)
{
    Canvas c(40, 40);
    c.dc.MoveTo(1, 1);
    POINT pts[2] = {{10, 1}, {10, 10}};
    EXPECT_TRUE(c.dc.PolylineTo(pts, 2));
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(10, 10));
    POINT curve[3] = {{20, 10}, {20, 30}, {30, 30}};
    EXPECT_TRUE(c.dc.PolyBezierTo(curve, 3));
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(30, 30));
    EXPECT_EQ(c.At(10, 10), kBlack); // joined: the bezier starts where the polyline ended
    EXPECT_EQ(c.At(30, 30), kWhite);
    EXPECT_FALSE(c.dc.PolyBezier(curve, 3)); // needs 1 + 3n points
}

TEST(Primitives, FillModesOfAStar)
{
    // A five-pointed star: its centre is inside for WINDING, a hole for ALTERNATE.
    POINT star[5] = {{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}};
    for (int mode : {ALTERNATE, WINDING}) {
        Canvas c(40, 40);
        c.dc.SelectStockObject(BLACK_BRUSH);
        c.dc.SelectStockObject(NULL_PEN);
        c.dc.SetPolyFillMode(mode);
        c.dc.Polygon(star, 5);
        EXPECT_EQ(c.At(20, 20), mode == WINDING ? kBlack : kWhite) << mode;
        EXPECT_EQ(c.At(20, 8), kBlack) << mode;
    }
}

TEST(Primitives, PolyPolygonFillsEachRing)
{
    Canvas c(40, 40);
    c.dc.SelectStockObject(BLACK_BRUSH);
    c.dc.SelectStockObject(NULL_PEN);
    POINT pts[8] = {{2, 2}, {20, 2}, {20, 20}, {2, 20}, {8, 8}, {14, 8}, {14, 14}, {8, 14}};
    INT counts[2] = {4, 4};
    c.dc.PolyPolygon(pts, counts, 2);
    EXPECT_EQ(c.At(4, 4), kBlack);
    EXPECT_EQ(c.At(10, 10), kWhite); // the inner ring is a hole in ALTERNATE mode
    EXPECT_EQ(c.Count(kBlack), 18 * 18 - 6 * 6);
    INT bad[2] = {4, 1};
    EXPECT_FALSE(c.dc.PolyPolygon(pts, bad, 2));
}

TEST(Primitives, ArcsStayInTheirBoxAndPieCoversACentre)
{
    Canvas c(60, 60);
    c.dc.Arc(10, 10, 50, 50, 50, 30, 30, 10); // the upper-right quarter, counter-clockwise
    CRect ink = c.BoundsNot(kWhite);
    EXPECT_GE(ink.left, 29);
    EXPECT_LE(ink.bottom, 31);
    EXPECT_LE(ink.right, 50);
    EXPECT_GE(ink.top, 10);

    Canvas p(60, 60);
    p.dc.SelectStockObject(BLACK_BRUSH);
    p.dc.Pie(10, 10, 50, 50, 50, 30, 30, 10);
    EXPECT_EQ(p.At(36, 24), kBlack);
    EXPECT_EQ(p.At(20, 40), kWhite);

    Canvas ch(60, 60);
    ch.dc.SelectStockObject(BLACK_BRUSH);
    ch.dc.Chord(10, 10, 50, 50, 50, 30, 10, 30); // the upper half
    EXPECT_EQ(ch.At(30, 20), kBlack);
    EXPECT_EQ(ch.At(30, 40), kWhite);
}

TEST(Primitives, AngleArcStartsWithALineFromTheCurrentPosition)
{
    Canvas c(60, 60);
    c.dc.MoveTo(5, 30);
    c.dc.AngleArc(30, 30, 10, 180.0f, 180.0f); // from (20,30) round the bottom to (40,30)
    EXPECT_EQ(c.At(10, 30), kBlack);
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(40, 30));
    EXPECT_EQ(c.BoundsNot(kWhite).bottom, 41);
}

// Drawing a figure twice in XOR mode restores every pixel.
struct XorCase {
    const char *name;
    std::function<void(CDC &)> draw;
};

class XorTwiceRestores : public ::testing::TestWithParam<XorCase> {};

TEST_P(XorTwiceRestores, EveryPixel)
{
    Canvas c(64, 64);
    // A background with every kind of pixel under the figure.
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            c.image.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 0xFF));
    QImage before = c.image.copy();
    CPen pen(PS_SOLID, 1, RGB(0x5A, 0xC3, 0x3C));
    CBrush brush(RGB(0x12, 0x34, 0x56));
    c.dc.SelectObject(&pen);
    c.dc.SelectObject(&brush);
    for (int rop : {R2_XORPEN, R2_NOTXORPEN, R2_NOT}) {
        c.dc.SetROP2(rop);
        GetParam().draw(c.dc);
        EXPECT_NE(c.image, before) << GetParam().name << " rop " << rop;
        GetParam().draw(c.dc);
        EXPECT_EQ(c.image, before) << GetParam().name << " rop " << rop;
    }
}

INSTANTIATE_TEST_SUITE_P(Figures, XorTwiceRestores,
                         ::testing::Values(XorCase{"line",
                                                   [](CDC &dc) {
                                                       dc.MoveTo(3, 3);
                                                       dc.LineTo(60, 41);
                                                   }},
                                           XorCase{"rectangle", [](CDC &dc) { dc.Rectangle(5, 5, 50, 40); }},
                                           XorCase{"ellipse", [](CDC &dc) { dc.Ellipse(5, 5, 50, 40); }},
                                           XorCase{"round rect", [](CDC &dc) { dc.RoundRect(5, 5, 50, 40, 12, 10); }},
                                           XorCase{"closed polyline",
                                                   [](CDC &dc) {
                                                       POINT pts[5] = {{5, 5}, {50, 9}, {40, 50}, {9, 30}, {5, 5}};
                                                       dc.Polyline(pts, 5);
                                                   }},
                                           XorCase{"dashed rectangle",
                                                   [](CDC &dc) {
                                                       CPen dash(PS_DOT, 1, RGB(200, 10, 10));
                                                       CPen *old = dc.SelectObject(&dash);
                                                       CBrush *oldBrush =
                                                           static_cast<CBrush *>(dc.SelectStockObject(NULL_BRUSH));
                                                       dc.Rectangle(4, 4, 60, 60);
                                                       dc.SelectObject(oldBrush);
                                                       dc.SelectObject(old);
                                                   }},
                                           XorCase{"dashed one pixel wide rectangle",
                                                   [](CDC &dc) {
                                                       CPen dash(PS_DOT, 1, RGB(200, 10, 10));
                                                       CPen *old = dc.SelectObject(&dash);
                                                       dc.Rectangle(10, 4, 11, 60);
                                                       dc.Rectangle(4, 30, 60, 31);
                                                       dc.SelectObject(old);
                                                   }},
                                           XorCase{"dashed two by two rectangle",
                                                   [](CDC &dc) {
                                                       CPen dash(PS_DASH, 1, RGB(200, 10, 10));
                                                       CPen *old = dc.SelectObject(&dash);
                                                       dc.Rectangle(10, 10, 12, 12);
                                                       dc.SelectObject(old);
                                                   }},
                                           XorCase{"wide pen line",
                                                   [](CDC &dc) {
                                                       CPen wide(PS_SOLID, 5, RGB(1, 200, 3));
                                                       CPen *old = dc.SelectObject(&wide);
                                                       POINT pts[3] = {{5, 5}, {50, 20}, {20, 55}};
                                                       dc.Polyline(pts, 3);
                                                       dc.SelectObject(old);
                                                   }},
                                           XorCase{"hatched ellipse",
                                                   [](CDC &dc) {
                                                       CBrush hatch(HS_DIAGCROSS, RGB(255, 0, 255));
                                                       CBrush *old = dc.SelectObject(&hatch);
                                                       dc.Ellipse(2, 2, 62, 50);
                                                       dc.SelectObject(old);
                                                   }}),
                         [](const ::testing::TestParamInfo<XorCase> &info) {
                             std::string s = info.param.name;
                             std::replace(s.begin(), s.end(), ' ', '_');
                             return s;
                         });

TEST(Primitives, DashedRectanglesOfNoneOneAndTwoPixels)
{
    struct Case {
        RECT rect;
        int dashed; // pixels left inverted by a dashed pen (transparent gaps)
        int solid;  // pixels a solid pen draws
    } cases[] = {
        {{10, 10, 10, 20}, 0, 0}, // empty: nothing
        {{10, 10, 20, 10}, 0, 0},
        {{10, 10, 11, 11}, 0, 0}, // one pixel: nothing with either pen
        {{10, 10, 12, 12}, 4, 4}, // the four pixels of the loop, each once
        // One pixel wide or tall: the loop runs back over itself, so the
        // inner pixels are inverted twice and only the ends stay.
        {{10, 10, 11, 14}, 2, 4},
        {{10, 10, 14, 11}, 2, 4},
    };
    for (const Case &c : cases) {
        DibCanvas canvas(32, 32);
        CPen dash(PS_DASH, 1, kBlack);
        canvas.dc.SelectObject(&dash);
        canvas.dc.SelectStockObject(NULL_BRUSH);
        canvas.dc.SetBkMode(TRANSPARENT);
        canvas.dc.SetROP2(R2_NOT);
        canvas.dc.Rectangle(&c.rect);
        EXPECT_EQ(canvas.Count(kBlack), c.dashed) << c.rect;
        canvas.dc.SelectStockObject(BLACK_PEN);
        DibCanvas solid(32, 32);
        CPen pen(PS_SOLID, 1, kBlack);
        solid.dc.SelectObject(&pen);
        solid.dc.SelectStockObject(NULL_BRUSH);
        solid.dc.Rectangle(&c.rect);
        EXPECT_EQ(solid.Count(kBlack), c.solid) << c.rect << " solid";
        solid.dc.SelectStockObject(BLACK_PEN);
    }
}

// A dashed outline starts at the top right pixel and runs anticlockwise:
// left along the top, down the left side, right along the bottom and up the
// right side; each rectangle starts the pattern (18 on, 6 off) afresh.
TEST(Primitives, DashedRectangleStartsTopRightAndRunsAnticlockwise)
{
    DibCanvas canvas(40, 30);
    CPen dash(PS_DASH, 1, kBlack);
    canvas.dc.SelectObject(&dash);
    canvas.dc.SelectStockObject(NULL_BRUSH);
    canvas.dc.SetBkMode(TRANSPARENT);
    const auto row = [&](int y, int x0, int x1) {
        std::string out;
        for (int x = x0; x <= x1; ++x)
            out += canvas.At(x, y) == kBlack ? 'x' : '.';
        return out;
    };
    const auto column = [&](int x, int y0, int y1) {
        std::string out;
        for (int y = y0; y <= y1; ++y)
            out += canvas.At(x, y) == kBlack ? 'x' : '.';
        return out;
    };
    for (int top : {2, 16}) {
        canvas.dc.Rectangle(2, top, 32, top + 10);
        SCOPED_TRACE(top);
        EXPECT_EQ(row(top, 2, 31), "xxxxxx......xxxxxxxxxxxxxxxxxx");
        EXPECT_EQ(column(2, top, top + 9), "xxxxxxxxxx");
        EXPECT_EQ(row(top + 9, 2, 31), "xxxx......xxxxxxxxxxxxxxxxxx..");
        EXPECT_EQ(column(31, top, top + 9), "xxxxx.....");
    }
    canvas.dc.SelectStockObject(BLACK_PEN);
}

struct RopCase {
    int rop;
    COLORREF expected; // a pure red pen over RGB(0x99, 0x66, 0x33)
};

class Rop2Modes : public ::testing::TestWithParam<RopCase> {};

TEST_P(Rop2Modes, CombinePenAndTarget)
{
    const COLORREF dst = RGB(0x99, 0x66, 0x33);
    Canvas c(8, 8, dst);
    CPen pen(PS_SOLID, 1, RGB(0xFF, 0x00, 0x00));
    c.dc.SelectObject(&pen);
    c.dc.SetROP2(GetParam().rop);
    c.dc.MoveTo(0, 4);
    c.dc.LineTo(8, 4);
    EXPECT_EQ(c.At(3, 4), GetParam().expected) << GetParam().rop;
    EXPECT_EQ(c.At(3, 3), dst);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Rop2Modes,
    ::testing::Values(RopCase{R2_COPYPEN, RGB(0xFF, 0x00, 0x00)}, RopCase{R2_NOT, RGB(0x66, 0x99, 0xCC)},
                      RopCase{R2_XORPEN, RGB(0x66, 0x66, 0x33)}, RopCase{R2_NOTXORPEN, RGB(0x99, 0x99, 0xCC)},
                      RopCase{R2_MASKPEN, RGB(0x99, 0x00, 0x00)}, RopCase{R2_MERGEPEN, RGB(0xFF, 0x66, 0x33)},
                      RopCase{R2_NOP, RGB(0x99, 0x66, 0x33)}, RopCase{R2_BLACK, RGB(0, 0, 0)},
                      RopCase{R2_WHITE, RGB(0xFF, 0xFF, 0xFF)}, RopCase{R2_NOTCOPYPEN, RGB(0x00, 0xFF, 0xFF)},
                      RopCase{R2_MASKPENNOT, RGB(0x66, 0x00, 0x00)}, RopCase{R2_MERGENOTPEN, RGB(0x99, 0xFF, 0xFF)}));

TEST(Primitives, Rop2AppliesToBrushesButNotToFillRect)
{
    Canvas c(20, 20, RGB(0x10, 0x20, 0x30));
    CBrush brush(RGB(0xFF, 0xFF, 0xFF));
    c.dc.SetROP2(R2_XORPEN);
    c.dc.SelectObject(&brush);
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.Rectangle(0, 0, 11, 11);
    EXPECT_EQ(c.At(5, 5), RGB(0xEF, 0xDF, 0xCF));
    CRect r(12, 12, 20, 20);
    c.dc.FillRect(&r, &brush);
    EXPECT_EQ(c.At(15, 15), RGB(0xFF, 0xFF, 0xFF));
}

TEST(Primitives, PixelsAndRectangleFills)
{
    Canvas c(20, 20);
    EXPECT_EQ(c.dc.SetPixel(3, 4, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(c.dc.GetPixel(3, 4), RGB(1, 2, 3));
    EXPECT_EQ(c.dc.GetPixel(-1, 4), CLR_INVALID);
    EXPECT_EQ(c.dc.GetPixel(20, 0), CLR_INVALID);
    EXPECT_FALSE(c.dc.SetPixelV(25, 25, 0));

    c.dc.FillSolidRect(CRect(2, 2, 6, 5), RGB(9, 8, 7));
    EXPECT_EQ(c.dc.GetBkColor(), RGB(9, 8, 7)); // FillSolidRect leaves its colour as the background
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(2, 2, 6, 5));

    Canvas f(20, 20);
    CBrush blue(RGB(0, 0, 255));
    CRect frame(3, 3, 10, 8);
    f.dc.FrameRect(&frame, &blue);
    EXPECT_EQ(f.Count(RGB(0, 0, 255)), 2 * 7 + 2 * 3);
    EXPECT_EQ(f.At(4, 4), kWhite);

    Canvas inv(10, 10, RGB(0x10, 0x20, 0x30));
    CRect whole(0, 0, 5, 5);
    inv.dc.InvertRect(&whole);
    EXPECT_EQ(inv.At(4, 4), RGB(0xEF, 0xDF, 0xCF));
    EXPECT_EQ(inv.At(5, 5), RGB(0x10, 0x20, 0x30));
}

TEST(Primitives, WidePenIsCentredOnTheOutline)
{
    Canvas c(40, 40);
    CPen wide(PS_SOLID, 3, kBlack);
    c.dc.SelectObject(&wide);
    c.dc.SelectStockObject(NULL_BRUSH);
    c.dc.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(9, 9, 31, 31));
    EXPECT_EQ(c.At(11, 20), kBlack);
    EXPECT_EQ(c.At(12, 20), kWhite);

    Canvas in(40, 40);
    CPen inside(PS_INSIDEFRAME, 3, kBlack);
    in.dc.SelectObject(&inside);
    in.dc.SelectStockObject(NULL_BRUSH);
    in.dc.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(in.BoundsNot(kWhite), CRect(10, 10, 30, 30));
}

TEST(Primitives, GeometricFlatCapsEndAtTheEndPoints)
{
    Canvas c(40, 40);
    LOGBRUSH lb{BS_SOLID, kBlack, 0};
    CPen pen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 4, &lb);
    c.dc.SelectObject(&pen);
    c.dc.MoveTo(10, 20);
    c.dc.LineTo(30, 20);
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(10, 18, 30, 22));
}

TEST(Primitives, ClippingLimitsEveryPrimitive)
{
    Canvas c(30, 30);
    c.dc.IntersectClipRect(5, 5, 20, 20);
    c.dc.ExcludeClipRect(10, 10, 15, 15);
    c.dc.SelectStockObject(BLACK_BRUSH);
    c.dc.Rectangle(0, 0, 30, 30);
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(5, 5, 20, 20));
    EXPECT_EQ(c.At(12, 12), kWhite);
    EXPECT_TRUE(c.dc.PtVisible(6, 6));
    EXPECT_FALSE(c.dc.PtVisible(12, 12));
    EXPECT_FALSE(c.dc.PtVisible(25, 25));
    CRect inHole(11, 11, 14, 14), crossing(0, 0, 6, 6);
    EXPECT_FALSE(c.dc.RectVisible(&inHole));
    EXPECT_TRUE(c.dc.RectVisible(&crossing));
    CRect box;
    EXPECT_EQ(c.dc.GetClipBox(&box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(5, 5, 20, 20));

    EXPECT_EQ(c.dc.SelectClipRgn(nullptr), SIMPLEREGION);
    c.dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 30, 30));

    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 3, 3);
    EXPECT_EQ(c.dc.SelectClipRgn(&rgn), SIMPLEREGION);
    EXPECT_TRUE(c.dc.PtVisible(2, 2));
    EXPECT_FALSE(c.dc.PtVisible(3, 3));
    EXPECT_EQ(c.dc.SelectClipRgn(&rgn, RGN_DIFF), NULLREGION);
}

TEST(Primitives, HugeCoordinatesAndCountsAreHandled)
{
    Canvas c(20, 20);
    c.dc.MoveTo(-2000000000, 10);
    c.dc.LineTo(2000000000, 10);
    EXPECT_EQ(c.Count(kBlack), 20);
    c.dc.Rectangle(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_FALSE(c.dc.Polyline(nullptr, 5));
    POINT one[1] = {{1, 1}};
    EXPECT_FALSE(c.dc.Polyline(one, -3));
    EXPECT_FALSE(c.dc.Polygon(one, 1 << 30));
}

// Lines and regions at the very ends of the coordinate range: a diagonal
// from corner to corner of the int range runs through the canvas on its
// diagonal, and a region mapped past the lowest coordinate stays off it.
TEST(Primitives, LinesAndRegionsAcrossTheWholeCoordinateRange)
{
    Canvas c(20, 20);
    c.dc.MoveTo(-2147483647 - 1, -2147483647 - 1);
    c.dc.LineTo(2147483647, 2147483647);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(c.At(i, i), kBlack) << i;
    EXPECT_EQ(c.Count(kBlack), 20);

    Canvas far(20, 20);
    far.dc.SetMapMode(MM_ANISOTROPIC);
    far.dc.SetWindowExt(1, 1);
    far.dc.SetViewportExt(1 << 30, 1 << 30);
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(-10, -10, -5, -5));
    CBrush red(kRed);
    EXPECT_TRUE(far.dc.FillRgn(&rgn, &red));
    EXPECT_EQ(far.Count(kRed), 0);
}

TEST(Primitives, SystemClipOutlivesTheProgramsClip)
{
    Canvas c(20, 20);
    // The windowing layer limits a painting context to the update region.
    c.dc.m_hDC->systemClipped = true;
    c.dc.m_hDC->systemClip = QRegion(QRect(0, 0, 10, 10));
    c.dc.IntersectClipRect(5, 5, 20, 20);
    c.dc.FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(5, 5, 10, 10));
    c.dc.SelectClipRgn(nullptr); // resets the program's clip only
    c.dc.FillSolidRect(0, 0, 20, 20, kBlack);
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(0, 0, 10, 10));
    CRect box;
    c.dc.GetClipBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 10, 10));
    EXPECT_FALSE(c.dc.PtVisible(12, 3));
}

TEST(Primitives, NearestColourOnColourAndMonochromeTargets)
{
    Canvas c;
    EXPECT_EQ(c.dc.GetNearestColor(RGB(12, 34, 56)), RGB(12, 34, 56));
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&c.dc));
    EXPECT_EQ(mem.GetNearestColor(RGB(200, 210, 220)), RGB(255, 255, 255));
    EXPECT_EQ(mem.GetNearestColor(RGB(20, 10, 90)), RGB(0, 0, 0));
}
