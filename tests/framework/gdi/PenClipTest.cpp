// Dashed wide pens stroke only the runs of a figure near the target: the
// runs and their dash lengths, and the same pixels as when the whole
// figure is stroked on a target large enough to hold it.
#include "GdiTestSupport.h"

#include "framework/gdi/PenClip.h"

#include <vector>

namespace {

struct ClipCase {
    const char *name;
    std::vector<QPoint> points;
    bool closed;
    bool clipped;
    std::vector<std::vector<QPointF>> runs;
    std::vector<double> startLengths;
};

} // namespace

TEST(PenClip, RunsAreThePartsInsideTheBoxWithTheLengthBeforeThem)
{
    const QRectF box(0, 0, 100, 100);
    const ClipCase cases[] = {
        {"wholly inside", {{10, 10}, {90, 10}, {90, 90}}, false, false, {}, {}},
        {"closed and wholly inside", {{10, 10}, {90, 10}, {90, 90}}, true, false, {}, {}},
        {"one point", {{500, 500}}, false, false, {}, {}},
        {"wholly outside", {{200, 0}, {300, 50}}, false, true, {}, {}},
        {"crossing", {{-100, 50}, {300, 50}}, false, true, {{{0, 50}, {100, 50}}}, {100}},
        {"in, out and in again",
         {{50, 50}, {50, 150}, {60, 150}, {60, 50}},
         false,
         true,
         {{{50, 50}, {50, 100}}, {{60, 100}, {60, 50}}},
         {0, 160}},
        {"corners inside are kept",
         {{-50, 20}, {20, 20}, {20, 80}, {250, 80}},
         false,
         true,
         {{{0, 20}, {20, 20}, {20, 80}, {100, 80}}},
         {50}},
        {"closed figure through its first point outside",
         {{-100, 50}, {50, 50}, {50, -100}},
         true,
         true,
         {{{0, 50}, {50, 50}, {50, 0}}},
         {100}},
    };
    for (const ClipCase &c : cases) {
        std::vector<PenClip::Run> runs;
        EXPECT_EQ(PenClip::ClipToBox(c.points, c.closed, box, runs), c.clipped) << c.name;
        ASSERT_EQ(runs.size(), c.runs.size()) << c.name;
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].points, c.runs[i]) << c.name << " run " << i;
            EXPECT_DOUBLE_EQ(runs[i].startLength, c.startLengths[i]) << c.name << " run " << i;
        }
    }
}

namespace {

const COLORREF kInk = RGB(0, 0, 160);

HPEN DashedPen(DWORD style, DWORD width)
{
    LOGBRUSH brush{BS_SOLID, kInk, 0};
    static const DWORD kUserDashes[] = {11, 4, 2, 4};
    const bool user = (style & PS_STYLE_MASK) == PS_USERSTYLE;
    return ExtCreatePen(PS_GEOMETRIC | style, width, &brush, user ? 4 : 0, user ? kUserDashes : nullptr);
}

// Strokes the figure on a canvas whose origin lies at (originX, originY)
// of the figure's coordinates.
void Draw(Canvas &canvas, HPEN pen, const std::vector<POINT> &points, bool closed, int originX, int originY)
{
    canvas.dc.SetViewportOrg(-originX, -originY);
    CGdiObject *old = canvas.dc.SelectObject(CGdiObject::FromHandle(pen));
    if (closed) {
        canvas.dc.SelectStockObject(NULL_BRUSH);
        canvas.dc.Polygon(points.data(), static_cast<int>(points.size()));
    } else {
        canvas.dc.Polyline(points.data(), static_cast<int>(points.size()));
    }
    canvas.dc.SelectObject(old);
}

} // namespace

TEST(PenClip, ATargetSeesTheSameDashesAsOneHoldingTheWholeFigure)
{
    // Figures reaching thousands of pixels past a small window at (2000, 40).
    const std::vector<POINT> open{{10, 60}, {2030, 45}, {2060, 110}, {3990, 20}};
    const std::vector<POINT> closed{{3900, 150}, {2010, 50}, {2080, 70}};
    const DWORD styles[] = {PS_DASH | PS_ENDCAP_FLAT | PS_JOIN_MITER, PS_DOT | PS_ENDCAP_ROUND,
                            PS_DASHDOTDOT | PS_ENDCAP_SQUARE | PS_JOIN_BEVEL, PS_USERSTYLE | PS_ENDCAP_FLAT};
    for (DWORD style : styles)
        for (DWORD width : {2u, 5u})
            for (bool isClosed : {false, true}) {
                HPEN pen = DashedPen(style, width);
                ASSERT_NE(pen, nullptr);
                const std::vector<POINT> &figure = isClosed ? closed : open;
                Canvas whole(4000, 160);
                Draw(whole, pen, figure, isClosed, 0, 0);
                Canvas window(100, 80);
                Draw(window, pen, figure, isClosed, 2000, 40);
                int differing = 0, inked = 0;
                for (int y = 0; y < 80; ++y)
                    for (int x = 0; x < 100; ++x) {
                        differing += window.At(x, y) != whole.At(x + 2000, y + 40);
                        inked += window.At(x, y) == kInk;
                    }
                EXPECT_EQ(differing, 0) << "style " << style << " width " << width << " closed " << isClosed;
                EXPECT_GT(inked, 0) << "style " << style << " width " << width << " closed " << isClosed;
                DeleteObject(pen);
            }
}
