// Fonts, measurement and text output with a known font (Arial, drawn with
// its metric-compatible stand-in).
#include <QFontDatabase>

#include <string>

#include "GdiTestSupport.h"

#include "framework/gdi/FontFaces.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBack = RGB(0, 0, 255);

struct TextCanvas : Canvas {
    CFont font;
    TEXTMETRIC tm{};

    explicit TextCanvas(int w = 200, int h = 80, int height = -16) : Canvas(w, h)
    {
        font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        dc.SelectObject(&font);
        dc.GetTextMetrics(&tm);
        dc.SetBkColor(kBack);
    }
};

} // namespace

TEST(Fonts, FaceTableMapsClassicNames)
{
    EXPECT_EQ(FontFaces::FamilyFor("Arial", 0), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(FontFaces::FamilyFor("arial", 0), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(FontFaces::FamilyFor("Times New Roman", 0), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(FontFaces::FamilyFor("Courier New", 0), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(FontFaces::FamilyFor("No Such Face", FF_ROMAN), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(FontFaces::FamilyFor("", FIXED_PITCH), QStringLiteral("Liberation Mono"));
    for (const char *face : {"MS Sans Serif", "Tahoma", "Marlett", "Courier", "FixedSys", "MS Shell Dlg"}) {
        QString family = FontFaces::FamilyFor(face, 0);
        EXPECT_TRUE(QFontDatabase::families().contains(family, Qt::CaseInsensitive)) << face;
    }
}

struct HeightCase {
    LONG lfHeight;
    bool characterHeight; // negative: the em; positive: the cell
};

class FontHeightRule : public ::testing::TestWithParam<HeightCase> {};

TEST_P(FontHeightRule, SignChoosesCharacterOrCellHeight)
{
    const HeightCase &t = GetParam();
    TextCanvas c(10, 10, t.lfHeight);
    LONG size = std::abs(t.lfHeight);
    EXPECT_EQ(c.tm.tmAscent + c.tm.tmDescent, c.tm.tmHeight);
    if (t.characterHeight) {
        EXPECT_EQ(c.tm.tmHeight - c.tm.tmInternalLeading, size);
        EXPECT_GT(c.tm.tmHeight, size);
    } else {
        EXPECT_LE(c.tm.tmHeight, size);
        EXPECT_GE(c.tm.tmHeight, size - 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Heights, FontHeightRule,
                         ::testing::Values(HeightCase{-11, true}, HeightCase{-16, true}, HeightCase{-40, true},
                                           HeightCase{13, false}, HeightCase{20, false}, HeightCase{48, false}));

TEST(Fonts, PointFontsAtNinetySixDpi)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "MS Shell Dlg"));
    LOGFONT lf{};
    font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -11);
    CFont ten;
    Canvas c;
    c.dc.SetMapMode(MM_TWIPS);
    ASSERT_TRUE(ten.CreatePointFont(100, "Arial", &c.dc));
    ten.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -195); // 10 points make 13 pixels, which are 195 twips
}

TEST(Fonts, MetricsDescribeTheFont)
{
    TextCanvas c;
    EXPECT_TRUE(c.tm.tmPitchAndFamily & TMPF_FIXED_PITCH); // set for variable pitch
    EXPECT_GT(c.tm.tmAveCharWidth, 0);
    EXPECT_GE(c.tm.tmMaxCharWidth, c.tm.tmAveCharWidth);
    CFont mono;
    mono.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New");
    c.dc.SelectObject(&mono);
    TEXTMETRIC tm{};
    c.dc.GetTextMetrics(&tm);
    EXPECT_FALSE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH);
    EXPECT_EQ(c.dc.GetTextExtent("iiii").cx, c.dc.GetTextExtent("WWWW").cx);
    CString face;
    c.dc.GetTextFace(face);
    EXPECT_EQ(face, "Courier New");
}

TEST(Fonts, CharacterWidthsOfEveryClassicFaceAndStockFont)
{
    // The average lies between the narrowest and the widest letter; the
    // maximum covers every letter. Tabs expand at eight average widths.
    auto check = [](CDC &dc, const char *what) {
        TEXTMETRIC tm{};
        ASSERT_TRUE(dc.GetTextMetrics(&tm));
        LONG narrow = dc.GetTextExtent("i").cx, wide = dc.GetTextExtent("W").cx;
        EXPECT_GE(tm.tmAveCharWidth, std::min(narrow, dc.GetTextExtent("x").cx)) << what;
        EXPECT_LE(tm.tmAveCharWidth, tm.tmMaxCharWidth) << what;
        EXPECT_GE(tm.tmMaxCharWidth, wide) << what;
        CRect r(0, 0, 1000, 0);
        dc.DrawText("\tx", -1, &r, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
        EXPECT_EQ(r.right, 8 * tm.tmAveCharWidth + dc.GetTextExtent("x").cx) << what;
    };
    for (const char *face : {"System", "MS Sans Serif", "MS Shell Dlg", "Tahoma", "Arial", "Courier New", "Courier",
                             "FixedSys", "Small Fonts"}) {
        Canvas c(10, 10);
        CFont f;
        ASSERT_TRUE(f.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, face));
        c.dc.SelectObject(&f);
        check(c.dc, face);
    }
    for (int stock : {SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT, SYSTEM_FIXED_FONT}) {
        Canvas c(10, 10);
        c.dc.SelectStockObject(stock);
        check(c.dc, ("stock font " + std::to_string(stock)).c_str());
    }
}

TEST(TextExtents, EmptyStringHasTheLineHeight)
{
    TextCanvas c;
    EXPECT_EQ(c.dc.GetTextExtent("", 0), CSize(0, c.tm.tmHeight));
    SIZE s{};
    EXPECT_TRUE(GetTextExtentPoint32(c.dc.m_hDC, "Hello", 5, &s));
    EXPECT_EQ(CSize(s), c.dc.GetTextExtent("Hello"));
    // One glyph per character: no kerning, no ligatures.
    for (const char *pair : {"AV", "To", "fi", "ffl"}) {
        int sum = 0;
        for (const char *p = pair; *p; ++p)
            sum += c.dc.GetTextExtent(p, 1).cx;
        EXPECT_EQ(c.dc.GetTextExtent(pair).cx, sum) << pair;
    }
    int widths[2] = {};
    ASSERT_TRUE(c.dc.GetCharWidth('A', 'B', widths));
    EXPECT_EQ(widths[0], c.dc.GetTextExtent("A").cx);
}

TEST(TextExtents, CharacterExtraWidensEveryCharacter)
{
    TextCanvas c;
    int plain = c.dc.GetTextExtent("abcd").cx;
    c.dc.SetTextCharacterExtra(3);
    EXPECT_EQ(c.dc.GetTextExtent("abcd").cx, plain + 12);
}

struct AlignCase {
    UINT align;
    int dx;     // cell left relative to x: 0, -w/2 or -w (in units of w/2)
    int dyKind; // 0 top, 1 baseline, 2 bottom
};

class TextAlignment : public ::testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignment, CellPlacedAgainstTheReferencePoint)
{
    const AlignCase &t = GetParam();
    TextCanvas c;
    c.dc.SetTextAlign(t.align);
    CSize ext = c.dc.GetTextExtent("Hello");
    const int x = 100, y = 40;
    c.dc.TextOut(x, y, "Hello");
    int left = x + (t.dx == 0 ? 0 : (t.dx == 1 ? -ext.cx / 2 : -ext.cx));
    int top = y - (t.dyKind == 0 ? 0 : (t.dyKind == 1 ? c.tm.tmAscent : c.tm.tmHeight));
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(left, top, left + ext.cx, top + ext.cy)) << t.align;
}

INSTANTIATE_TEST_SUITE_P(Flags, TextAlignment,
                         ::testing::Values(AlignCase{TA_LEFT | TA_TOP, 0, 0}, AlignCase{TA_CENTER | TA_TOP, 1, 0},
                                           AlignCase{TA_RIGHT | TA_TOP, 2, 0}, AlignCase{TA_LEFT | TA_BASELINE, 0, 1},
                                           AlignCase{TA_LEFT | TA_BOTTOM, 0, 2},
                                           AlignCase{TA_RIGHT | TA_BASELINE, 2, 1}));

TEST(TextOut, InkSitsInTheCellAboveTheBaseline)
{
    TextCanvas c;
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(20, 10, "H");
    CRect ink = c.BoundsNot(kWhite);
    CSize ext = c.dc.GetTextExtent("H");
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + ext.cx);
    EXPECT_GE(ink.top, 10 + c.tm.tmInternalLeading - 1);
    EXPECT_NEAR(ink.bottom, 10 + c.tm.tmAscent, 1); // "H" stands on the baseline
    EXPECT_EQ(c.Count(kBack), 0);
}

TEST(TextOut, UpdateCurrentPositionAdvancesByTheWidth)
{
    TextCanvas c;
    c.dc.SetTextAlign(TA_UPDATECP);
    c.dc.MoveTo(5, 7);
    c.dc.TextOut(0, 0, "abc");
    EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(5 + c.dc.GetTextExtent("abc").cx, 7));
    EXPECT_EQ(c.BoundsNot(kWhite).TopLeft(), CPoint(5, 7));
}

TEST(TextOut, ExtTextOutOpaqueAndClipped)
{
    TextCanvas c;
    c.dc.SetBkMode(TRANSPARENT);
    CRect r(10, 10, 30, 20);
    c.dc.ExtTextOut(0, 0, ETO_OPAQUE, &r, "", 0, nullptr);
    EXPECT_EQ(c.BoundsNot(kWhite), r);
    EXPECT_EQ(c.Count(kBack), 200);

    TextCanvas clipped;
    clipped.dc.SetBkMode(OPAQUE);
    CRect clip(10, 10, 14, 40);
    clipped.dc.ExtTextOut(10, 10, ETO_CLIPPED, &clip, "WWWW", 4, nullptr);
    EXPECT_EQ(clipped.BoundsNot(kWhite), CRect(10, 10, 14, 10 + clipped.tm.tmHeight));

    TextCanvas spaced;
    INT dx[3] = {30, 30, 30};
    spaced.dc.ExtTextOut(10, 10, 0, nullptr, "iii", 3, dx);
    EXPECT_EQ(spaced.BoundsNot(kWhite), CRect(10, 10, 100, 10 + spaced.tm.tmHeight));
}

TEST(TextOut, RotatedTextRunsUpwards)
{
    Canvas c(100, 200);
    CFont font;
    font.CreateFont(-20, 0, 900, 900, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    c.dc.SelectObject(&font);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(30, 180, "Rotated text");
    CRect ink = c.BoundsNot(kWhite);
    EXPECT_GT(ink.Height(), 3 * ink.Width());
    EXPECT_LE(ink.bottom, 181);
    EXPECT_GE(ink.left, 29);
}

TEST(TabbedText, StopsOriginAndExtent)
{
    TextCanvas c;
    int b = c.dc.GetTextExtent("b").cx, cc = c.dc.GetTextExtent("c").cx;
    INT stops[2] = {40, 100};
    EXPECT_EQ(c.dc.GetTabbedTextExtent("a\tb\tc", 2, stops).cx, 100 + cc);
    INT every[1] = {30};
    EXPECT_EQ(c.dc.GetTabbedTextExtent("a\tb\tc", 1, every).cx, 60 + cc);
    EXPECT_EQ(c.dc.GetTabbedTextExtent("a\tb", 0, nullptr).cx, 8 * c.tm.tmAveCharWidth + b);
    EXPECT_EQ(c.dc.GetTabbedTextExtent("ab", 0, nullptr).cy, c.tm.tmHeight);

    // Drawn at x = 10 with stops measured from 0: "b" starts at 40.
    CSize drawn = c.dc.TabbedTextOut(10, 5, "a\tb", 1, stops, 0);
    EXPECT_EQ(drawn, CSize(30 + b, c.tm.tmHeight));
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(10, 5, 40 + b, 5 + c.tm.tmHeight)); // opaque background across the gap
}

struct DrawTextCase {
    UINT format;
    int hKind; // 0 left, 1 centre, 2 right
    int vKind; // 0 top, 1 centre, 2 bottom
};

class DrawTextAlignment : public ::testing::TestWithParam<DrawTextCase> {};

TEST_P(DrawTextAlignment, SingleLinePlacement)
{
    const DrawTextCase &t = GetParam();
    TextCanvas c;
    CRect box(10, 10, 190, 70);
    CSize ext = c.dc.GetTextExtent("Hello");
    int result = c.dc.DrawText("Hello", -1, &box, t.format | DT_SINGLELINE);
    int left = t.hKind == 0 ? 10 : (t.hKind == 1 ? 10 + (180 - ext.cx) / 2 : 190 - ext.cx);
    int top = t.vKind == 0 ? 10 : (t.vKind == 1 ? 10 + (60 - ext.cy) / 2 : 70 - ext.cy);
    EXPECT_EQ(c.BoundsNot(kWhite), CRect(left, top, left + ext.cx, top + ext.cy)) << t.format;
    EXPECT_EQ(result, t.vKind == 0 ? ext.cy : top - 10 + ext.cy);
}

INSTANTIATE_TEST_SUITE_P(Flags, DrawTextAlignment,
                         ::testing::Values(DrawTextCase{DT_LEFT | DT_TOP, 0, 0}, DrawTextCase{DT_CENTER, 1, 0},
                                           DrawTextCase{DT_RIGHT, 2, 0}, DrawTextCase{DT_VCENTER, 0, 1},
                                           DrawTextCase{DT_BOTTOM | DT_RIGHT, 2, 2},
                                           DrawTextCase{DT_CENTER | DT_VCENTER, 1, 1}));

TEST(DrawText, CalcRectMatchesMeasuredExtents)
{
    TextCanvas c;
    CSize one = c.dc.GetTextExtent("Hello");
    CSize two = c.dc.GetTextExtent("wide world");
    CRect r(5, 5, 6, 6);
    int h = c.dc.DrawText("Hello\nwide world", -1, &r, DT_CALCRECT);
    EXPECT_EQ(h, 2 * one.cy);
    EXPECT_EQ(r, CRect(5, 5, 5 + std::max(one.cx, two.cx), 5 + 2 * one.cy));
    EXPECT_EQ(c.BoundsNot(kWhite), CRect()); // measuring draws nothing

    CRect single(5, 5, 6, 6);
    c.dc.DrawText("Hello\nwide world", -1, &single, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(single.Height(), one.cy);

    // Word breaking inside a width that holds "wide" but not "wide world".
    int wide = c.dc.GetTextExtent("wide").cx;
    CRect wrap(0, 0, wide + 2, 0);
    h = c.dc.DrawText("wide world wide", -1, &wrap, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(h, 3 * one.cy);
    EXPECT_EQ(wrap.right, std::max(wide, c.dc.GetTextExtent("world").cx));
}

TEST(DrawText, WordBreakDrawsLinesBelowEachOther)
{
    TextCanvas c;
    int wide = c.dc.GetTextExtent("wide").cx;
    CRect box(0, 0, wide + 2, 80);
    c.dc.DrawText("wide wide", -1, &box, DT_WORDBREAK);
    CRect ink = c.BoundsNot(kWhite);
    EXPECT_EQ(ink, CRect(0, 0, wide, 2 * c.tm.tmHeight));
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip)
{
    TextCanvas c;
    CRect box(10, 10, 20, 20);
    c.dc.DrawText("Hello", -1, &box, DT_SINGLELINE);
    EXPECT_EQ(c.BoundsNot(kWhite), box);
    TextCanvas free;
    free.dc.DrawText("Hello", -1, &box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(free.BoundsNot(kWhite).right, 10 + free.dc.GetTextExtent("Hello").cx);
}

TEST(DrawText, PrefixUnderlinesOneCharacter)
{
    TextCanvas c;
    c.dc.SetBkMode(TRANSPARENT);
    CRect box(0, 0, 200, 80);
    c.dc.DrawText("&_", -1, &box, DT_SINGLELINE | DT_NOCLIP);
    CRect withPrefix = c.BoundsNot(kWhite);
    TextCanvas plain;
    plain.dc.SetBkMode(TRANSPARENT);
    plain.dc.DrawText("&_", -1, &box, DT_SINGLELINE | DT_NOPREFIX);
    // With the prefix rule only "_" is drawn, underlined; without it "&" comes first.
    EXPECT_LT(withPrefix.Width(), plain.BoundsNot(kWhite).Width());
    CRect calc(0, 0, 0, 0);
    c.dc.DrawText("a&&b", -1, &calc, DT_CALCRECT);
    EXPECT_EQ(calc.Width(), c.dc.GetTextExtent("a&b").cx);
}

TEST(DrawText, EndEllipsisFitsTheRectangle)
{
    TextCanvas c;
    int full = c.dc.GetTextExtent("A long caption that does not fit").cx;
    CRect box(0, 0, full / 2, 30);
    CRect calc = box;
    c.dc.DrawText("A long caption that does not fit", -1, &calc, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(calc.Width(), box.Width());
    EXPECT_GT(calc.Width(), box.Width() - c.tm.tmMaxCharWidth - 1);
}

TEST(DrawText, WorksInUpwardMappingModes)
{
    Canvas c(200, 100);
    c.dc.SetMapMode(MM_LOMETRIC); // 0.1 mm units, y grows upwards
    CFont font;
    font.CreateFont(-50, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"); // 5 mm: 19 pixels
    c.dc.SelectObject(&font);
    TEXTMETRIC tm{};
    c.dc.GetTextMetrics(&tm);
    EXPECT_GT(tm.tmHeight, 50);
    EXPECT_LT(tm.tmHeight, 70);
    CRect calc(0, 0, 0, 0);
    int h = c.dc.DrawText("Hello", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.top, 0);
    EXPECT_LT(calc.bottom, 0); // below the top in an upward mode
    EXPECT_NEAR(-calc.bottom, h, 3);
    EXPECT_NEAR(calc.right, c.dc.GetTextExtent("Hello").cx, 3);

    c.dc.SetBkColor(RGB(0, 0, 255));
    CRect box(0, 0, 400, -200);
    c.dc.DrawText("Hello", -1, &box, DT_SINGLELINE | DT_LEFT | DT_TOP);
    CRect ink = c.BoundsNot(RGB(255, 255, 255));
    EXPECT_EQ(ink.TopLeft(), CPoint(0, 0));
    EXPECT_NEAR(ink.Height(), MulDiv(tm.tmHeight, 96, 254), 1);
}

TEST(Fonts, MarlettDrawsCaptionGlyphs)
{
    // "r" in the caption-glyph face is the close cross: as wide as tall and
    // mirror-symmetric, unlike a letter.
    Canvas c(60, 60);
    CFont font;
    font.CreatePointFont(180, "Marlett", &c.dc);
    c.dc.SelectObject(&font);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(5, 5, "r");
    CRect ink = c.BoundsNot(RGB(255, 255, 255));
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_NEAR(ink.Width(), ink.Height(), 2);
    int same = 0, total = 0;
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x) {
            ++total;
            same += c.At(x, y) == c.At(ink.left + ink.right - 1 - x, y);
        }
    EXPECT_GT(same * 10, total * 9);
}

TEST(DrawText, HostileInputsAreHandled)
{
    TextCanvas c;
    const char *texts[] = {"&",
                           "&&&",
                           "\t\t\t",
                           "\xff\xfe\x80 broken",
                           "\r\n\r\n\n",
                           "a&",
                           "....../////\\\\\\",
                           "averyveryveryveryveryveryveryveryveryveryverylongword"};
    const UINT formats[] = {0u,
                            0xFFFFFFFFu,
                            DT_WORDBREAK | DT_EDITCONTROL,
                            DT_PATH_ELLIPSIS | DT_SINGLELINE,
                            DT_END_ELLIPSIS | DT_WORDBREAK,
                            DT_EXPANDTABS | DT_TABSTOP | 0xFF00,
                            DT_CALCRECT};
    for (const char *text : texts)
        for (UINT format : formats)
            for (const CRect &r : {CRect(0, 0, 0, 0), CRect(10, 10, 5, 5), CRect(0, 0, 3, 200), CRect(0, 0, 200, 80)}) {
                CRect box = r;
                int h = c.dc.DrawText(text, -1, &box, format);
                EXPECT_GE(h, 0) << text << " " << format;
            }
    CRect box(0, 0, 50, 50);
    EXPECT_EQ(c.dc.DrawText(nullptr, 5, &box, 0), 0);
    EXPECT_EQ(c.dc.DrawText("x", 1, nullptr, 0), 0);
    EXPECT_FALSE(c.dc.TextOut(0, 0, nullptr, 3));
    EXPECT_EQ(c.dc.TabbedTextOut(0, 0, "a\tb", -5, 0, nullptr, 0), CSize(0, 0));
    INT zeroStops[2] = {0, 0};
    EXPECT_GT(c.dc.GetTabbedTextExtent("a\tb\tc", 2, zeroStops).cx, 0);
    INT negative[1] = {-40};
    EXPECT_EQ(c.dc.GetTabbedTextExtent("a\tb", 1, negative).cx, 40 + c.dc.GetTextExtent("b").cx);
}

TEST(Fonts, WidthWeightAndDecorations)
{
    TextCanvas c;
    int normal = c.dc.GetTextExtent("Sample text").cx;
    CFont wide;
    wide.CreateFont(-16, 2 * c.tm.tmAveCharWidth, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    c.dc.SelectObject(&wide);
    EXPECT_NEAR(c.dc.GetTextExtent("Sample text").cx, 2 * normal, normal / 5);
    TEXTMETRIC tm{};
    c.dc.GetTextMetrics(&tm);
    EXPECT_NEAR(tm.tmAveCharWidth, 2 * c.tm.tmAveCharWidth, 2);

    CFont bold;
    bold.CreateFont(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    c.dc.SelectObject(&bold);
    c.dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_GT(c.dc.GetTextExtent("Sample text").cx, normal);

    // An underline puts ink below the baseline under letters that have none there.
    for (BYTE underline : {0, 1}) {
        TextCanvas u;
        CFont f;
        f.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, underline, 0, 0, 0, 0, 0, 0, "Arial");
        u.dc.SelectObject(&f);
        u.dc.SetBkMode(TRANSPARENT);
        u.dc.TextOut(0, 0, "ace");
        EXPECT_EQ(u.BoundsNot(RGB(255, 255, 255)).bottom > u.tm.tmAscent + 1, underline == 1);
    }
}
