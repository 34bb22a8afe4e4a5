// Classic 3-D edges, focus rectangles, frame controls, system colours and
// metrics.
#include "GdiTestSupport.h"

#include "framework/gdi/SystemColors.h"

namespace {

const COLORREF kPaper = RGB(0, 128, 128);

} // namespace

TEST(SystemColors, ClassicTable)
{
    struct Case {
        int index;
        COLORREF colour;
    };
    const Case cases[] = {
        {COLOR_BTNFACE, RGB(192, 192, 192)},      {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_3DDKSHADOW, RGB(0, 0, 0)},
        {COLOR_3DLIGHT, RGB(192, 192, 192)},      {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_WINDOW, RGB(255, 255, 255)},       {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_HIGHLIGHT, RGB(0, 0, 128)},        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_ACTIVECAPTION, RGB(0, 0, 128)},    {COLOR_INACTIVECAPTION, RGB(128, 128, 128)},
        {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},  {COLOR_INACTIVECAPTIONTEXT, RGB(192, 192, 192)},
        {COLOR_MENU, RGB(192, 192, 192)},         {COLOR_MENUTEXT, RGB(0, 0, 0)},
        {COLOR_GRAYTEXT, RGB(128, 128, 128)},     {COLOR_SCROLLBAR, RGB(192, 192, 192)},
        {COLOR_DESKTOP, RGB(0, 128, 128)},        {COLOR_APPWORKSPACE, RGB(128, 128, 128)},
        {COLOR_INFOBK, RGB(255, 255, 225)},       {COLOR_INFOTEXT, RGB(0, 0, 0)},
        {COLOR_3DFACE, RGB(192, 192, 192)},       {COLOR_HOTLIGHT, RGB(0, 0, 128)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetSysColor(c.index), c.colour) << c.index;
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(1000), 0u);
}

TEST(SystemColors, BrushesAreSharedAndSurviveDeletion)
{
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    DeleteObject(face);
    LOGBRUSH lb{};
    ASSERT_EQ(GetObject(face, sizeof(lb), &lb), static_cast<int>(sizeof(lb)));
    EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

TEST(SystemMetrics, ClassicValues)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CYEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CXHTHUMB), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_LT(GetSystemMetrics(SM_CYFULLSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(GetSystemMetrics(12345), 0);
}

TEST(Edges, Draw3dRectCorners)
{
    Canvas c(20, 20, kPaper);
    const COLORREF tl = RGB(255, 0, 0), br = RGB(0, 0, 255);
    c.dc.Draw3dRect(2, 3, 10, 8, tl, br);
    EXPECT_EQ(c.At(2, 3), tl);
    EXPECT_EQ(c.At(10, 3), tl);
    EXPECT_EQ(c.At(11, 3), br); // the top-right corner takes the bottom-right colour
    EXPECT_EQ(c.At(2, 10), br); // so does the bottom-left corner
    EXPECT_EQ(c.At(11, 10), br);
    EXPECT_EQ(c.At(3, 4), kPaper);
    EXPECT_EQ(c.BoundsNot(kPaper), CRect(2, 3, 12, 11));
    EXPECT_EQ(c.dc.GetBkColor(), br);
}

struct EdgeCase {
    UINT edge;
    COLORREF outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

class ClassicEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ClassicEdges, TwoRingsOfSystemColours)
{
    const EdgeCase &t = GetParam();
    Canvas c(20, 20, kPaper);
    CRect r(2, 2, 18, 18);
    EXPECT_TRUE(c.dc.DrawEdge(&r, t.edge, BF_RECT | BF_ADJUST | BF_MIDDLE));
    EXPECT_EQ(r, CRect(4, 4, 16, 16));
    EXPECT_EQ(c.At(5, 2), t.outerTopLeft);
    EXPECT_EQ(c.At(2, 5), t.outerTopLeft);
    EXPECT_EQ(c.At(17, 5), t.outerBottomRight);
    EXPECT_EQ(c.At(5, 17), t.outerBottomRight);
    EXPECT_EQ(c.At(5, 3), t.innerTopLeft);
    EXPECT_EQ(c.At(16, 5), t.innerBottomRight);
    EXPECT_EQ(c.At(9, 9), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(c.At(1, 1), kPaper);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ClassicEdges,
    ::testing::Values(EdgeCase{EDGE_RAISED, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW),
                               GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW)},
                      EdgeCase{EDGE_SUNKEN, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT),
                               GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)},
                      EdgeCase{EDGE_ETCHED, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHILIGHT),
                               GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW)},
                      EdgeCase{EDGE_BUMP, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW),
                               GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)}));

TEST(Edges, PartialSidesAndFlat)
{
    Canvas c(20, 20, kPaper);
    CRect r(2, 2, 18, 18);
    c.dc.DrawEdge(&r, BDR_SUNKENOUTER, BF_BOTTOM);
    EXPECT_EQ(c.BoundsNot(kPaper), CRect(2, 17, 18, 18));
    Canvas f(20, 20, kPaper);
    f.dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_FLAT);
    EXPECT_EQ(f.At(2, 2), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(f.At(17, 17), GetSysColor(COLOR_3DSHADOW));
}

TEST(Edges, FocusRectDrawnTwiceDisappears)
{
    Canvas c(20, 20, kPaper);
    QImage before = c.image.copy();
    CRect r(3, 3, 15, 12);
    c.dc.DrawFocusRect(&r);
    EXPECT_EQ(c.BoundsNot(kPaper), r);
    EXPECT_NE(c.At(3, 3), c.At(4, 3)); // every other pixel
    EXPECT_EQ(c.At(5, 5), kPaper);
    c.dc.DrawFocusRect(&r);
    EXPECT_EQ(c.image, before);
}

struct FrameCase {
    const char *name;
    UINT type;
    UINT state;
    bool expectText; // glyph pixels in COLOR_BTNTEXT/WINDOWTEXT
};

class FrameControls : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameControls, DrawInsideTheirRectangle)
{
    const FrameCase &t = GetParam();
    Canvas c(40, 40, kPaper);
    CRect r(4, 4, 22, 22);
    EXPECT_TRUE(c.dc.DrawFrameControl(&r, t.type, t.state)) << t.name;
    CRect ink = c.BoundsNot(kPaper);
    EXPECT_FALSE(ink.IsRectEmpty()) << t.name;
    EXPECT_GE(ink.left, 4);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.right, 22);
    EXPECT_LE(ink.bottom, 22);
    // The classic dark shadow is black too: glyph ink is the black the same
    // control lacks when drawn unchecked and inactive (grey glyph, same edges).
    Canvas plain(40, 40, kPaper);
    EXPECT_TRUE(plain.dc.DrawFrameControl(&r, t.type, (t.state & ~DFCS_CHECKED) | DFCS_INACTIVE));
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            dark += c.At(x, y) == RGB(0, 0, 0) && plain.At(x, y) != RGB(0, 0, 0);
    EXPECT_EQ(dark > 0, t.expectText) << t.name << " dark pixels " << dark;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FrameControls,
    ::testing::Values(FrameCase{"push", DFC_BUTTON, DFCS_BUTTONPUSH, false},
                      FrameCase{"pushed", DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, false},
                      FrameCase{"check", DFC_BUTTON, DFCS_BUTTONCHECK, false},
                      FrameCase{"checked", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, true},
                      FrameCase{"radio", DFC_BUTTON, DFCS_BUTTONRADIO, false},
                      FrameCase{"radio checked", DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, true},
                      FrameCase{"close", DFC_CAPTION, DFCS_CAPTIONCLOSE, true},
                      FrameCase{"minimise", DFC_CAPTION, DFCS_CAPTIONMIN, true},
                      FrameCase{"maximise", DFC_CAPTION, DFCS_CAPTIONMAX, true},
                      FrameCase{"restore", DFC_CAPTION, DFCS_CAPTIONRESTORE, true},
                      FrameCase{"help", DFC_CAPTION, DFCS_CAPTIONHELP, true},
                      FrameCase{"inactive close", DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_INACTIVE, false},
                      FrameCase{"scroll up", DFC_SCROLL, DFCS_SCROLLUP, true},
                      FrameCase{"scroll down pushed", DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED, true},
                      FrameCase{"scroll left", DFC_SCROLL, DFCS_SCROLLLEFT, true},
                      FrameCase{"scroll right inactive", DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_INACTIVE, false},
                      FrameCase{"combo", DFC_SCROLL, DFCS_SCROLLCOMBOBOX, true}));

TEST(FrameControls, ScrollArrowsPointTheirWay)
{
    // The arrow's widest row (or column) lies on the side it points away from.
    Canvas up(16, 16, kPaper), down(16, 16, kPaper);
    CRect r(0, 0, 16, 16);
    up.dc.DrawFrameControl(&r, DFC_SCROLL, DFCS_SCROLLUP);
    down.dc.DrawFrameControl(&r, DFC_SCROLL, DFCS_SCROLLDOWN);
    auto rowCount = [](const Canvas &c, int y) {
        int n = 0;
        for (int x = 2; x < 14; ++x)
            n += c.At(x, y) == RGB(0, 0, 0);
        return n;
    };
    int firstUp = -1, lastUp = -1;
    for (int y = 2; y < 14; ++y)
        if (rowCount(up, y)) {
            if (firstUp < 0)
                firstUp = y;
            lastUp = y;
        }
    ASSERT_GE(firstUp, 0);
    EXPECT_LT(rowCount(up, firstUp), rowCount(up, lastUp));
    int firstDown = -1, lastDown = -1;
    for (int y = 2; y < 14; ++y)
        if (rowCount(down, y)) {
            if (firstDown < 0)
                firstDown = y;
            lastDown = y;
        }
    ASSERT_GE(firstDown, 0);
    EXPECT_GT(rowCount(down, firstDown), rowCount(down, lastDown));
}

TEST(FrameControls, AdjustRectAndUnknownType)
{
    Canvas c(30, 30);
    CRect r(0, 0, 20, 20);
    EXPECT_TRUE(c.dc.DrawFrameControl(&r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(r, CRect(2, 2, 18, 18));
    EXPECT_FALSE(c.dc.DrawFrameControl(&r, 77, 0));
}
