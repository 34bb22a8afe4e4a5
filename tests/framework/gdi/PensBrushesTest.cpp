// Hatch and pattern brushes, brush origin, and the dash patterns of
// one-pixel pens in both background modes.
#include "GdiTestSupport.h"

#include "framework/object/GlobalMemory.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kHatch = RGB(200, 0, 0);
const COLORREF kBack = RGB(0, 0, 200);
const COLORREF kPaper = RGB(0, 200, 0);

// The 8x8 cell of a hatch: 'x' for the hatch colour.
struct HatchCase {
    int style;
    const char *cell[8];
};

// Runs of one colour along a row: "xxx..." with 'x' for the pen colour,
// '.' for the background colour and ' ' for untouched paper.
std::string Row(const Canvas &c, int y, int from, int to, COLORREF pen, COLORREF back)
{
    std::string s;
    for (int x = from; x < to; ++x) {
        COLORREF p = c.At(x, y);
        s += p == pen ? 'x' : (p == back ? '.' : ' ');
    }
    return s;
}

} // namespace

class HatchBrushes : public ::testing::TestWithParam<HatchCase> {};

TEST_P(HatchBrushes, LinesInBrushColourGapsByBackgroundMode)
{
    const HatchCase &t = GetParam();
    for (int mode : {OPAQUE, TRANSPARENT}) {
        Canvas c(24, 24, kPaper);
        CBrush brush(t.style, kHatch);
        c.dc.SelectObject(&brush);
        c.dc.SetBkColor(kBack);
        c.dc.SetBkMode(mode);
        CRect all(0, 0, 24, 24);
        c.dc.FillRect(&all, &brush);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                bool line = t.cell[y % 8][x % 8] == 'x';
                COLORREF expected = line ? kHatch : (mode == OPAQUE ? kBack : kPaper);
                ASSERT_EQ(c.At(x, y), expected) << "style " << t.style << " mode " << mode << " at " << x << "," << y;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, HatchBrushes,
    ::testing::Values(
        HatchCase{HS_HORIZONTAL,
                  {"........", "........", "........", "xxxxxxxx", "........", "........", "........", "........"}},
        HatchCase{HS_VERTICAL,
                  {"....x...", "....x...", "....x...", "....x...", "....x...", "....x...", "....x...", "....x..."}},
        HatchCase{HS_FDIAGONAL,
                  {"x.......", ".x......", "..x.....", "...x....", "....x...", ".....x..", "......x.", ".......x"}},
        HatchCase{HS_BDIAGONAL,
                  {".......x", "......x.", ".....x..", "....x...", "...x....", "..x.....", ".x......", "x......."}},
        HatchCase{HS_CROSS,
                  {"....x...", "....x...", "....x...", "xxxxxxxx", "....x...", "....x...", "....x...", "....x..."}},
        HatchCase{HS_DIAGCROSS,
                  {"x......x", ".x....x.", "..x..x..", "...xx...", "...xx...", "..x..x..", ".x....x.", "x......x"}}));

TEST(Brushes, HatchFollowsTheBrushOrigin)
{
    Canvas c(16, 16, kPaper);
    CBrush brush(HS_VERTICAL, kHatch);
    c.dc.SetBrushOrg(3, 0);
    EXPECT_EQ(c.dc.GetBrushOrg(), CPoint(3, 0));
    CRect all(0, 0, 16, 16);
    c.dc.FillRect(&all, &brush);
    EXPECT_EQ(c.At(7, 5), kHatch); // column 4 of the pattern lands at x = 3 + 4
    EXPECT_EQ(c.At(15, 5), kHatch);
    EXPECT_EQ(c.At(4, 5), kWhite);
}

TEST(Brushes, MonochromePatternTakesTextAndBackgroundColours)
{
    // Rows of bits, most significant first: a 1 bit takes the background colour.
    const WORD rows[8] = {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F}; // low byte first
    CBitmap bits;
    ASSERT_TRUE(bits.CreateBitmap(8, 8, 1, 1, rows));
    CBrush brush;
    ASSERT_TRUE(brush.CreatePatternBrush(&bits));
    for (int mode : {OPAQUE, TRANSPARENT}) {
        Canvas c(16, 16, kPaper);
        c.dc.SetTextColor(kHatch);
        c.dc.SetBkColor(kBack);
        c.dc.SetBkMode(mode); // patterns colour both kinds of bit in either mode
        CRect all(0, 0, 16, 16);
        c.dc.FillRect(&all, &brush);
        EXPECT_EQ(c.At(0, 0), kBack);
        EXPECT_EQ(c.At(5, 0), kHatch);
        EXPECT_EQ(c.At(0, 5), kHatch);
        EXPECT_EQ(c.At(5, 5), kBack);
        EXPECT_EQ(c.At(8, 8), kBack);
    }
}

TEST(Brushes, PatternBrushKeepsItsOwnCopyOfTheBits)
{
    CBrush brush;
    {
        const WORD rows[8] = {0, 0, 0, 0, 0, 0, 0, 0};
        CBitmap bits;
        bits.CreateBitmap(8, 8, 1, 1, rows);
        brush.CreatePatternBrush(&bits);
    }
    Canvas c(8, 8);
    c.dc.SetTextColor(kHatch);
    CRect all(0, 0, 8, 8);
    c.dc.FillRect(&all, &brush);
    EXPECT_EQ(c.Count(kHatch), 64);
}

TEST(Brushes, MonochromeTargetsKeepBlackAndWhite)
{
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(nullptr));
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(8, 8, 1, 1, nullptr));
    CBitmap *old = mem.SelectObject(&mono);
    mem.FillSolidRect(0, 0, 8, 8, RGB(200, 200, 190));
    EXPECT_EQ(mem.GetPixel(1, 1), RGB(255, 255, 255));
    mem.FillSolidRect(0, 0, 8, 8, RGB(90, 20, 200));
    EXPECT_EQ(mem.GetPixel(1, 1), RGB(0, 0, 0));
    mem.SelectObject(old);
}

struct DashCase {
    int style;
    const char *pattern; // the first 40 pixels of a horizontal line
};

class CosmeticDashes : public ::testing::TestWithParam<DashCase> {};

TEST_P(CosmeticDashes, PatternAndGaps)
{
    const DashCase &t = GetParam();
    for (int mode : {OPAQUE, TRANSPARENT}) {
        Canvas c(48, 4, kPaper);
        CPen pen(t.style, 1, kHatch);
        c.dc.SelectObject(&pen);
        c.dc.SetBkColor(kBack);
        c.dc.SetBkMode(mode);
        c.dc.MoveTo(0, 1);
        c.dc.LineTo(40, 1);
        std::string expected = t.pattern;
        if (mode == TRANSPARENT)
            std::replace(expected.begin(), expected.end(), '.', ' ');
        EXPECT_EQ(Row(c, 1, 0, 40, kHatch, kBack), expected) << "style " << t.style << " mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, CosmeticDashes,
                         ::testing::Values(DashCase{PS_SOLID, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
                                           DashCase{PS_DASH, "xxxxxxxxxxxxxxxxxx......xxxxxxxxxxxxxxxx"},
                                           DashCase{PS_DOT, "xxx...xxx...xxx...xxx...xxx...xxx...xxx."},
                                           DashCase{PS_DASHDOT, "xxxxxxxxx......xxx......xxxxxxxxx......x"},
                                           DashCase{PS_DASHDOTDOT, "xxxxxxxxx...xxx...xxx...xxxxxxxxx...xxx."}));

TEST(Pens, DashPatternRunsOnAcrossPolylineCorners)
{
    Canvas c(40, 40, kPaper);
    CPen pen(PS_DOT, 1, kHatch);
    c.dc.SelectObject(&pen);
    c.dc.SetBkMode(TRANSPARENT);
    POINT pts[3] = {{0, 0}, {4, 0}, {4, 10}};
    c.dc.Polyline(pts, 3);
    // x 0..2 on, 3 off, then (4,0) off, (4,1) off, (4,2)..(4,4) on.
    EXPECT_EQ(c.At(2, 0), kHatch);
    EXPECT_EQ(c.At(3, 0), kPaper);
    EXPECT_EQ(c.At(4, 1), kPaper);
    EXPECT_EQ(c.At(4, 2), kHatch);
}

TEST(Pens, WideCreatePenDrawsSolid)
{
    CPen pen(PS_DASH, 3, kHatch);
    LOGPEN lp{};
    pen.GetLogPen(&lp);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_SOLID));
    Canvas c(40, 10, kPaper);
    c.dc.SelectObject(&pen);
    c.dc.MoveTo(2, 5);
    c.dc.LineTo(38, 5);
    EXPECT_EQ(Row(c, 5, 4, 36, kHatch, kBack), std::string(32, 'x'));
}

// A wide geometric pen made with a pattern brush paints its stroke with the
// pattern (columns 0-3 of each cell red, 4-7 blue), not with lbColor.
TEST(Pens, PatternBrushPensPaintWithThePattern)
{
    const uint32_t kRedWord = 0x00FF0000u, kBlueWord = 0x000000FFu;
    std::vector<uint32_t> cell(64);
    for (size_t i = 0; i < cell.size(); ++i)
        cell[i] = i % 8 < 4 ? kRedWord : kBlueWord;
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 32, cell.data()));
    // The same cell as a packed DIB in global memory.
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = 8;
    header.biHeight = 8;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    HGLOBAL hDib = GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + cell.size() * 4);
    ASSERT_NE(hDib, nullptr);
    auto *pDib = static_cast<BYTE *>(GlobalLock(hDib));
    std::memcpy(pDib, &header, sizeof(header));
    std::memcpy(pDib + sizeof(header), cell.data(), cell.size() * 4);
    GlobalUnlock(hDib);

    const LOGBRUSH brushes[] = {
        {BS_PATTERN, RGB(0, 255, 0), reinterpret_cast<ULONG_PTR>(bitmap.GetSafeHandle())},
        {BS_DIBPATTERN, DIB_RGB_COLORS, reinterpret_cast<ULONG_PTR>(hDib)},
    };
    for (const LOGBRUSH &lb : brushes) {
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 6, &lb)) << lb.lbStyle;
        DibCanvas c(32, 16);
        c.dc.SelectObject(&pen);
        c.dc.MoveTo(0, 8);
        c.dc.LineTo(32, 8);
        c.dc.SelectStockObject(BLACK_PEN);
        for (int y = 5; y <= 10; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(c.At(x, y), x % 8 < 4 ? RGB(255, 0, 0) : RGB(0, 0, 255))
                    << lb.lbStyle << " at " << x << "," << y;
        EXPECT_EQ(c.At(0, 3), kWhite) << lb.lbStyle;
    }
    GlobalFree(hDib);
}

TEST(Pens, NullPenDrawsNothing)
{
    Canvas c(20, 20);
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.MoveTo(0, 0);
    c.dc.LineTo(19, 19);
    EXPECT_EQ(c.Count(kWhite), 400);
}

TEST(Pens, WidthsScaleWithTheMappingExceptWidthZero)
{
    for (int width : {0, 1, 2}) {
        Canvas c(60, 60, kPaper);
        c.dc.SetMapMode(MM_ANISOTROPIC);
        c.dc.SetWindowExt(1, 1);
        c.dc.SetViewportExt(4, 4);
        CPen pen(PS_SOLID, width, kHatch);
        c.dc.SelectObject(&pen);
        c.dc.MoveTo(2, 5);
        c.dc.LineTo(12, 5);
        int thickness = 0;
        for (int y = 0; y < 60; ++y)
            thickness += c.At(24, y) == kHatch;
        EXPECT_EQ(thickness, width == 0 ? 1 : 4 * width) << "width " << width;
    }
}
