#include "DrawingCanvas.h"

#include "framework/gdi/CDC.h"
#include "library/model/QYBitmapFill.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYFillPatterns.h"
#include "library/model/QYGradientFill.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

#include <climits>

#include <cstdlib>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class Canvas : public DrawingCanvas {
protected:
    static constexpr int kSize = 160;

    Canvas() : DrawingCanvas(kSize) {}
    static bool Near(COLORREF a, COLORREF b, int tolerance)
    {
        return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
               std::abs(GetGValue(a) - GetGValue(b)) <= tolerance && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
    }
};

TEST_F(Canvas, PatternFillsMatchTheirBitsExactly)
{
    CQYCompProperties props;
    for (int nKind = 3; nKind <= 35; ++nKind) {
        props.SetBrushType(nKind);
        m_dc.SetBkColor(kWhite);  // set bits
        m_dc.SetTextColor(kBlue); // clear bits
        const CRect area(0, 0, 16, 16);
        m_dc.FillRect(&area, props.GetBrush(&m_dc));
        const BYTE* rows = qyFillPatternRows[nKind - 3];
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const bool bSet = (rows[y % 8] >> (7 - x % 8)) & 1;
                ASSERT_EQ(Pixel(x, y), bSet ? kWhite : kBlue) << "kind " << nKind << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(Canvas, HollowAndSolidKindsFillWithTheirColours)
{
    struct Case {
        int kind;
        COLORREF expected;
    };
    CQYCompProperties props;
    props.SetBkColor(RGB(10, 20, 30));
    props.m_crPatternColor = RGB(200, 100, 50);
    for (const Case& c : {Case{0, kWhite}, Case{1, RGB(10, 20, 30)}, Case{2, RGB(200, 100, 50)}, Case{50, kWhite}}) {
        props.SetBrushType(c.kind);
        Clear();
        CBrush* pOld = m_dc.SelectObject(props.GetBrush(&m_dc));
        CGdiObject* pOldPen = m_dc.SelectStockObject(NULL_PEN);
        const POINT triangle[] = {{10, 10}, {100, 10}, {10, 100}};
        m_dc.Polygon(triangle, 3);
        m_dc.SelectObject(pOldPen);
        m_dc.SelectObject(pOld);
        EXPECT_EQ(Pixel(30, 30), c.expected) << c.kind;
        EXPECT_EQ(Pixel(90, 90), kWhite) << c.kind;
    }
}

TEST(FillPatterns, TableRowsAndBitmapWords)
{
    WORD bits[8];
    ASSERT_TRUE(QYGetFillPatternBits(0, bits));
    EXPECT_EQ(bits[0], 0x0044);
    EXPECT_EQ(bits[1], 0x0011);
    ASSERT_TRUE(QYGetFillPatternBits(32, bits));
    EXPECT_EQ(bits[2], 0x00F3);
    EXPECT_FALSE(QYGetFillPatternBits(33, bits));
    EXPECT_FALSE(QYGetFillPatternBits(-1, bits));
    CQYCompProperties props;
    EXPECT_EQ(props.GetPatternBitmap(33), nullptr);
    EXPECT_EQ(props.GetPatternBitmap(40), nullptr);
    EXPECT_NE(props.GetPatternBitmap(32), nullptr);
}

TEST_F(Canvas, HatchFillsRunInTheirDirections)
{
    // Which neighbours of a hatch pixel continue its line: right, down,
    // down-right and down-left.
    struct Case {
        int kind;
        bool row, column, falling, rising;
    };
    const Case cases[] = {
        {36, true, false, false, false}, {37, false, true, false, false}, {38, false, false, true, false},
        {39, false, false, false, true}, {40, true, true, false, false},  {41, false, false, true, true},
    };
    CQYCompProperties props;
    props.m_crPatternColor = kRed;
    for (const Case& c : cases) {
        props.SetBrushType(c.kind);
        m_dc.SetBkColor(kWhite);
        m_dc.SetBkMode(OPAQUE);
        const CRect area(0, 0, 32, 32);
        m_dc.FillRect(&area, props.GetBrush(&m_dc));
        bool bRow = false, bColumn = false, bFalling = false, bRising = false;
        for (int i = 0; i < 24; ++i) {
            bool rowFull = true, columnFull = true, fallFull = true, riseFull = true;
            for (int j = 0; j < 24; ++j) {
                rowFull = rowFull && Pixel(j, i) == kRed;
                columnFull = columnFull && Pixel(i, j) == kRed;
                fallFull = fallFull && Pixel(j, (i + j) % 24) == kRed;
                riseFull = riseFull && Pixel(j, (i + 24 - j) % 24) == kRed;
            }
            bRow |= rowFull;
            bColumn |= columnFull;
            bFalling |= fallFull;
            bRising |= riseFull;
        }
        EXPECT_EQ(bRow, c.row) << c.kind;
        EXPECT_EQ(bColumn, c.column) << c.kind;
        EXPECT_EQ(bFalling, c.falling) << c.kind;
        EXPECT_EQ(bRising, c.rising) << c.kind;
        Clear();
    }
}

TEST(GradientStrip, BandsFollowTheColourDistance)
{
    EXPECT_EQ(QYGradientStrip(69, kRed, kBlue), 1);
    EXPECT_EQ(QYGradientStrip(100, kRed, kRed), 300); // one band for equal colours
    EXPECT_EQ(QYGradientStrip(100, kRed, kBlue), 3);  // 2.55 per unit: one unit per step
    EXPECT_EQ(QYGradientStrip(255, RGB(0, 0, 0), RGB(10, 0, 0)), 3 * 25);
    EXPECT_EQ(QYGradientStrip(0, kRed, kBlue), 1);
}

TEST_F(Canvas, GradientTypesEndOnTheirColours)
{
    // Probe points as fractions of the 100-by-100 rectangle at (20, 20), and
    // the colour expected there (exact at the start, near at the far end).
    struct Probe {
        int x, y;
        COLORREF colour;
        int tolerance;
    };
    struct Case {
        UINT type;
        Probe probes[3];
    };
    const int L = 20, T = 20, R = 120, B = 120;
    const Case cases[] = {
        {0, {{70, T, kRed, 0}, {70, B - 1, kBlue, 12}, {L, 70, RGB(128, 0, 127), 12}}},
        {1, {{70, T, kBlue, 0}, {70, B - 1, kRed, 12}, {R - 1, 70, RGB(128, 0, 127), 12}}},
        {2, {{L, 70, kRed, 0}, {R - 1, 70, kBlue, 12}, {70, T, RGB(128, 0, 127), 12}}},
        {3, {{L, 70, kBlue, 0}, {R - 1, 70, kRed, 12}, {70, B - 1, RGB(128, 0, 127), 12}}},
        {4, {{70, T, kRed, 0}, {70, 69, kBlue, 20}, {70, B - 1, kRed, 20}}},
        {5, {{70, T, kBlue, 0}, {70, 69, kRed, 20}, {70, B - 1, kBlue, 20}}},
        {6, {{L, 70, kRed, 0}, {69, 70, kBlue, 20}, {R - 1, 70, kRed, 20}}},
        {7, {{L, 70, kBlue, 0}, {69, 70, kRed, 20}, {R - 1, 70, kBlue, 20}}},
        {8, {{R - 1, B - 1, kRed, 0}, {L, T, kBlue, 12}, {R - 1, T, kRed, 0}}},
        {9, {{L, B - 1, kRed, 0}, {R - 1, T, kBlue, 12}, {L, T, kRed, 0}}},
        {10, {{L, T, kRed, 0}, {R - 1, B - 1, kBlue, 12}, {R - 1, T, kRed, 0}}},
        {11, {{R - 1, T, kRed, 0}, {L, B - 1, kBlue, 12}, {L, T, kRed, 0}}},
        {12, {{L, T, kRed, 0}, {70, 70, kBlue, 12}, {R - 1, B - 1, kRed, 0}}},
        {13, {{L, T, kBlue, 0}, {70, 70, kRed, 12}, {R - 1, B - 1, kBlue, 0}}},
        {14, {{L, T, kRed, 0}, {70, 70, kBlue, 12}, {R - 1, B - 1, kRed, 0}}},
        {15, {{L, T, kBlue, 0}, {70, 70, kRed, 12}, {R - 1, B - 1, kBlue, 0}}},
        {16, {{L, T, kBlue, 0}, {R - 1, B - 1, kRed, 60}, {70, 70, RGB(128, 0, 127), 40}}},
        {17, {{R - 1, T, kRed, 0}, {L, B - 1, kBlue, 60}, {70, 70, RGB(128, 0, 127), 40}}},
        {18, {{L, T, kRed, 0}, {R - 1, B - 1, kBlue, 60}, {70, 70, RGB(128, 0, 127), 40}}},
        {19, {{R - 1, T, kBlue, 0}, {L, B - 1, kRed, 60}, {70, 70, RGB(128, 0, 127), 40}}},
    };
    for (const Case& c : cases) {
        Clear();
        QYGradientFill(&m_dc, L, T, R, B, kRed, kBlue, c.type, nullptr);
        for (const Probe& p : c.probes) {
            const COLORREF got = Pixel(p.x, p.y);
            EXPECT_TRUE(Near(got, p.colour, p.tolerance))
                << "type " << c.type << " at " << p.x << "," << p.y << ": " << std::hex << got;
        }
        EXPECT_TRUE(OutsideIsBackground(CRect(L, T, R, B))) << "type " << c.type;
    }
}

TEST_F(Canvas, GradientsStayInsideTheirRectangleAndClip)
{
    for (UINT nType = 0; nType < 20; ++nType) {
        Clear();
        QYGradientFill(&m_dc, 33, 41, 97, 89, kRed, kBlue, nType, nullptr);
        EXPECT_TRUE(OutsideIsBackground(CRect(33, 41, 97, 89))) << nType;
    }
    // A clip region narrows the fill further; the DC's own clip comes back.
    CRgn clip;
    clip.CreateRectRgn(50, 50, 60, 60);
    Clear();
    QYGradientFill(&m_dc, 0, 0, 100, 100, kRed, kBlue, 0, &clip);
    EXPECT_TRUE(OutsideIsBackground(CRect(50, 50, 60, 60)));
    Clear();
    EXPECT_EQ(Pixel(5, 5), kWhite);
    EXPECT_EQ(Pixel(150, 150), kWhite);
}

TEST_F(Canvas, DegenerateGradientsDrawNothing)
{
    QYGradientFill(&m_dc, 10, 10, 90, 90, kRed, kBlue, 20, nullptr);
    QYGradientFill(&m_dc, 10, 10, 10, 10, kRed, kBlue, 8, nullptr);
    QYGradientFill(nullptr, 10, 10, 90, 90, kRed, kBlue, 0, nullptr);
    EXPECT_TRUE(OutsideIsBackground(CRect(0, 0, 0, 0)));
}

TEST_F(Canvas, FillsAtTheEndsOfTheIntRange)
{
    // Rectangles wider than the int range are not filled; rectangles that
    // end at its limits fill what they reach.
    for (UINT nType : {0u, 2u, 4u, 8u, 12u, 14u, 16u, 17u}) {
        QYGradientFill(&m_dc, INT_MIN, 0, INT_MAX, 10, kRed, kBlue, nType, nullptr);
        QYGradientFill(&m_dc, 0, INT_MIN, 10, INT_MAX, kRed, kBlue, nType, nullptr);
        QYGradientFill(&m_dc, 0, INT_MAX - 100, 10, INT_MAX, kRed, kBlue, nType, nullptr);
        QYGradientFill(&m_dc, INT_MAX - 100, 0, INT_MAX, 10, kRed, kBlue, nType, nullptr);
    }
    for (BOOL bTiled : {TRUE, FALSE})
        QYFillBitmapRect(&m_dc, INT_MIN, 0, INT_MAX, 10, bTiled, 0, nullptr);
    EXPECT_TRUE(OutsideIsBackground(CRect(0, 0, 0, 0)));
}

TEST_F(Canvas, EqualColoursFillEvenly)
{
    QYGradientFill(&m_dc, 0, 0, 150, 150, kRed, kRed, 0, nullptr);
    QYGradientFill(&m_dc, 0, 0, 150, 150, kRed, kRed, 16, nullptr);
    for (int i = 0; i < 150; i += 7)
        EXPECT_EQ(Pixel(i, 149 - i), kRed) << i;
}

// The pixels of fill texture nIndex, row by row (0x00RRGGBB words).
std::vector<DWORD> TexturePixels(int nIndex, BITMAP& info)
{
    qyGlobalData.LoadBitmaps();
    CBitmap& texture = qyGlobalData.m_bmpTextures[nIndex];
    texture.GetBitmap(&info);
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    texture.GetBitmapBits(static_cast<DWORD>(pixels.size() * 4), pixels.data());
    return pixels;
}

COLORREF AsColorRef(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

TEST_F(Canvas, BitmapFillTilesFromTheTopLeftCorner)
{
    for (int nIndex : {0, 12, 25, 29}) {
        BITMAP info = {};
        const std::vector<DWORD> texture = TexturePixels(nIndex, info);
        Clear();
        QYFillBitmapRect(&m_dc, 7, 11, 150, 140, TRUE, nIndex, nullptr);
        for (int y = 11; y < 140; y += 5)
            for (int x = 7; x < 150; x += 3)
                ASSERT_EQ(Pixel(x, y),
                          AsColorRef(texture[((y - 11) % info.bmHeight) * info.bmWidth + (x - 7) % info.bmWidth]))
                    << "texture " << nIndex << " at " << x << "," << y;
        EXPECT_TRUE(OutsideIsBackground(CRect(7, 11, 150, 140))) << nIndex;
    }
}

TEST_F(Canvas, BitmapFillStretchesAndClips)
{
    BITMAP info = {};
    const std::vector<DWORD> texture = TexturePixels(0, info); // 46 by 46
    QYFillBitmapRect(&m_dc, 0, 0, 92, 92, FALSE, 0, nullptr);
    for (int y = 0; y < 46; y += 5)
        for (int x = 0; x < 46; x += 3) {
            ASSERT_EQ(Pixel(2 * x, 2 * y), AsColorRef(texture[y * 46 + x])) << x << "," << y;
            ASSERT_EQ(Pixel(2 * x + 1, 2 * y + 1), AsColorRef(texture[y * 46 + x])) << x << "," << y;
        }
    EXPECT_TRUE(OutsideIsBackground(CRect(0, 0, 92, 92)));

    CRgn clip;
    clip.CreateRectRgn(20, 20, 40, 40);
    Clear();
    QYFillBitmapRect(&m_dc, 0, 0, 150, 150, TRUE, 3, &clip);
    EXPECT_TRUE(OutsideIsBackground(CRect(20, 20, 40, 40)));
    EXPECT_NE(Pixel(30, 30), kWhite);
}

TEST_F(Canvas, BitmapFillIgnoresBadIndexes)
{
    for (int nIndex : {-1, 30, 1000})
        QYFillBitmapRect(&m_dc, 0, 0, 100, 100, TRUE, nIndex, nullptr);
    QYFillBitmapRect(&m_dc, 50, 50, 50, 90, TRUE, 0, nullptr);
    QYFillBitmapRect(nullptr, 0, 0, 100, 100, TRUE, 0, nullptr);
    EXPECT_TRUE(OutsideIsBackground(CRect(0, 0, 0, 0)));
}

} // namespace
