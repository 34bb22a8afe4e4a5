// Saved states, separate output and attribute contexts, mapping modes and
// device capabilities.
#include "GdiTestSupport.h"

#include "framework/gdi/SystemColors.h"

#include <functional>

namespace {

// One piece of context state: how to change it and how to read it back.
struct StatePiece {
    const char *name;
    std::function<void(CDC &)> change;
    std::function<long long(CDC &)> read;
};

std::vector<StatePiece> Pieces()
{
    static CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    static CBrush brush(RGB(4, 5, 6));
    static CFont font;
    if (!font.m_hObject)
        font.CreatePointFont(120, "Arial");
    auto handle = [](CGdiObject *o) { return static_cast<long long>(reinterpret_cast<uintptr_t>(o->m_hObject)); };
    return {
        {"pen", [](CDC &dc) { dc.SelectObject(&pen); }, [=](CDC &dc) { return handle(dc.GetCurrentPen()); }},
        {"brush", [](CDC &dc) { dc.SelectObject(&brush); }, [=](CDC &dc) { return handle(dc.GetCurrentBrush()); }},
        {"font", [](CDC &dc) { dc.SelectObject(&font); }, [=](CDC &dc) { return handle(dc.GetCurrentFont()); }},
        {"text colour", [](CDC &dc) { dc.SetTextColor(RGB(9, 9, 9)); }, [](CDC &dc) { return dc.GetTextColor(); }},
        {"background colour", [](CDC &dc) { dc.SetBkColor(RGB(8, 8, 8)); }, [](CDC &dc) { return dc.GetBkColor(); }},
        {"background mode", [](CDC &dc) { dc.SetBkMode(TRANSPARENT); }, [](CDC &dc) { return dc.GetBkMode(); }},
        {"rop2", [](CDC &dc) { dc.SetROP2(R2_XORPEN); }, [](CDC &dc) { return dc.GetROP2(); }},
        {"text align", [](CDC &dc) { dc.SetTextAlign(TA_BASELINE | TA_RIGHT); },
         [](CDC &dc) { return dc.GetTextAlign(); }},
        {"fill mode", [](CDC &dc) { dc.SetPolyFillMode(WINDING); }, [](CDC &dc) { return dc.GetPolyFillMode(); }},
        {"map mode", [](CDC &dc) { dc.SetMapMode(MM_LOMETRIC); }, [](CDC &dc) { return dc.GetMapMode(); }},
        {"window origin", [](CDC &dc) { dc.SetWindowOrg(7, 11); },
         [](CDC &dc) { return dc.GetWindowOrg().x * 1000LL + dc.GetWindowOrg().y; }},
        {"viewport origin", [](CDC &dc) { dc.SetViewportOrg(13, 17); },
         [](CDC &dc) { return dc.GetViewportOrg().x * 1000LL + dc.GetViewportOrg().y; }},
        {"extents",
         [](CDC &dc) {
             dc.SetMapMode(MM_ANISOTROPIC);
             dc.SetWindowExt(3, 5);
             dc.SetViewportExt(7, 9);
         },
         [](CDC &dc) {
             return dc.GetWindowExt().cx * 1000000LL + dc.GetWindowExt().cy * 10000LL + dc.GetViewportExt().cx * 100LL +
                    dc.GetViewportExt().cy;
         }},
        {"brush origin", [](CDC &dc) { dc.SetBrushOrg(3, 4); },
         [](CDC &dc) { return dc.GetBrushOrg().x * 100LL + dc.GetBrushOrg().y; }},
        {"character extra", [](CDC &dc) { dc.SetTextCharacterExtra(2); },
         [](CDC &dc) { return dc.GetTextCharacterExtra(); }},
        {"clip", [](CDC &dc) { dc.IntersectClipRect(1, 2, 3, 4); },
         [](CDC &dc) {
             CRect r;
             dc.GetClipBox(&r);
             return r.left * 1000LL + r.top * 100LL + r.right * 10LL + r.bottom;
         }},
        {"current position", [](CDC &dc) { dc.MoveTo(5, 6); },
         [](CDC &dc) { return dc.GetCurrentPosition().x * 100LL + dc.GetCurrentPosition().y; }},
    };
}

} // namespace

TEST(SavedState, RestoreDCBringsBackEveryPiece)
{
    for (const StatePiece &piece : Pieces()) {
        Canvas c(20, 20);
        long long before = piece.read(c.dc);
        int saved = c.dc.SaveDC();
        EXPECT_EQ(saved, 1);
        piece.change(c.dc);
        EXPECT_NE(piece.read(c.dc), before) << piece.name << ": the change did not take";
        EXPECT_TRUE(c.dc.RestoreDC(-1));
        EXPECT_EQ(piece.read(c.dc), before) << piece.name;
    }
}

TEST(SavedState, PositiveAndNegativeIndexes)
{
    Canvas c;
    int first = c.dc.SaveDC();
    c.dc.SetTextColor(RGB(1, 0, 0));
    int second = c.dc.SaveDC();
    c.dc.SetTextColor(RGB(2, 0, 0));
    c.dc.SaveDC();
    c.dc.SetTextColor(RGB(3, 0, 0));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_TRUE(c.dc.RestoreDC(-2)); // back to the second save, dropping the third
    EXPECT_EQ(c.dc.GetTextColor(), RGB(1, 0, 0));
    EXPECT_FALSE(c.dc.RestoreDC(2)); // already gone
    EXPECT_TRUE(c.dc.RestoreDC(first));
    EXPECT_EQ(c.dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_FALSE(c.dc.RestoreDC(-1));
    EXPECT_FALSE(c.dc.RestoreDC(0));
}

TEST(SavedState, BadAttributeValuesAreRefused)
{
    Canvas c;
    EXPECT_EQ(c.dc.SetBkMode(7), 0);
    EXPECT_EQ(c.dc.SetROP2(0), 0);
    EXPECT_EQ(c.dc.SetROP2(17), 0);
    EXPECT_EQ(c.dc.SetMapMode(99), 0);
    EXPECT_EQ(c.dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(c.dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(c.dc.GetMapMode(), MM_TEXT);
}

TEST(SavedState, SeparateAttributeContextMeasuresOutputContextDraws)
{
    QImage out(20, 20, QImage::Format_RGB32), attr(20, 20, QImage::Format_RGB32);
    out.fill(Qt::white);
    attr.fill(Qt::white);
    CDC draw, measure;
    ASSERT_TRUE(draw.CreateImageDC(&out));
    ASSERT_TRUE(measure.CreateImageDC(&attr));
    CDC dc;
    dc.SetOutputDC(draw.m_hDC);
    dc.SetAttribDC(measure.m_hDC);
    dc.SetTextColor(RGB(1, 2, 3)); // attributes go to both
    EXPECT_EQ(draw.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(measure.GetTextColor(), RGB(1, 2, 3));
    measure.SetMapMode(MM_LOMETRIC); // queries come from the attribute context
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    dc.FillSolidRect(0, 0, 5, 5, RGB(0, 0, 0));
    EXPECT_EQ(out.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(attr.pixel(1, 1), qRgb(255, 255, 255));
    dc.ReleaseOutputDC();
    dc.ReleaseAttribDC();
}

struct MappingCase {
    const char *name;
    int mode;
    CPoint logical;
    CPoint device;
};

class MappingModes : public ::testing::TestWithParam<MappingCase> {};

TEST_P(MappingModes, LogicalToDeviceAndBack)
{
    const MappingCase &t = GetParam();
    Canvas c(8, 8);
    c.dc.SetMapMode(t.mode);
    CPoint p = t.logical;
    c.dc.LPtoDP(&p);
    EXPECT_EQ(p, t.device) << t.name;
    c.dc.DPtoLP(&p);
    // Back-conversion is exact where one device pixel is at most one logical unit.
    CPoint again = p;
    c.dc.LPtoDP(&again);
    EXPECT_EQ(again, t.device) << t.name;
}

INSTANTIATE_TEST_SUITE_P(Modes, MappingModes,
                         ::testing::Values(MappingCase{"text", MM_TEXT, {10, 20}, {10, 20}},
                                           // 96 pixels per inch: 254 tenths of a millimetre, y grows upwards
                                           MappingCase{"lometric", MM_LOMETRIC, {254, -254}, {96, 96}},
                                           MappingCase{"himetric", MM_HIMETRIC, {2540, -1270}, {96, 48}},
                                           MappingCase{"loenglish", MM_LOENGLISH, {100, -50}, {96, 48}},
                                           MappingCase{"hienglish", MM_HIENGLISH, {1000, 250}, {96, -24}},
                                           MappingCase{"twips", MM_TWIPS, {1440, -720}, {96, 48}},
                                           MappingCase{"rounding", MM_LOMETRIC, {10, -10}, {4, 4}}));

TEST(Mapping, AnisotropicOriginsAndExtents)
{
    Canvas c;
    c.dc.SetMapMode(MM_ANISOTROPIC);
    c.dc.SetWindowOrg(100, 100);
    c.dc.SetWindowExt(1000, 1000);
    c.dc.SetViewportOrg(10, 20);
    c.dc.SetViewportExt(500, -250);
    CPoint p(300, 500);
    c.dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(10 + 100, 20 - 100));
    CRect r(100, 100, 1100, 1100);
    c.dc.LPtoDP(&r);
    EXPECT_EQ(r, CRect(10, 20, 510, -230));
    CSize s(1000, 1000);
    c.dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(500, 250)); // sizes convert as magnitudes
    c.dc.DPtoLP(&s);
    EXPECT_EQ(s, CSize(1000, 1000));
    c.dc.OffsetViewportOrg(5, 5);
    c.dc.OffsetWindowOrg(-10, 0);
    EXPECT_EQ(c.dc.GetViewportOrg(), CPoint(15, 25));
    EXPECT_EQ(c.dc.GetWindowOrg(), CPoint(90, 100));
}

TEST(Mapping, IsotropicKeepsUnitsSquare)
{
    Canvas c;
    c.dc.SetMapMode(MM_ISOTROPIC);
    c.dc.SetWindowExt(100, 100);
    c.dc.SetViewportExt(400, -200);
    EXPECT_EQ(c.dc.GetViewportExt(), CSize(200, -200));
    CPoint p(50, 50);
    c.dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(100, -100));
}

TEST(Mapping, IsotropicStartsFromMetricExtentsAnisotropicKeepsTheCurrentOnes)
{
    Canvas c;
    c.dc.SetMapMode(MM_ANISOTROPIC);
    EXPECT_EQ(c.dc.GetWindowExt(), CSize(1, 1));
    EXPECT_EQ(c.dc.GetViewportExt(), CSize(1, 1));
    c.dc.SetMapMode(MM_ISOTROPIC);
    EXPECT_EQ(c.dc.GetWindowExt(), CSize(254, 254));
    EXPECT_EQ(c.dc.GetViewportExt(), CSize(96, -96));
    c.dc.SetWindowExt(10, 10);
    c.dc.SetMapMode(MM_ISOTROPIC); // setting the same mode again keeps the extents
    EXPECT_EQ(c.dc.GetWindowExt(), CSize(10, 10));
}

TEST(Mapping, ExtentsOnlyChangeInScalableModes)
{
    Canvas c;
    c.dc.SetMapMode(MM_LOMETRIC);
    c.dc.SetWindowExt(5, 5);
    EXPECT_EQ(c.dc.GetWindowExt(), CSize(254, 254));
    c.dc.SetMapMode(MM_ANISOTROPIC); // keeps the extents it had
    EXPECT_EQ(c.dc.GetWindowExt(), CSize(254, 254));
    c.dc.SetWindowExt(0, 5); // a zero extent is refused
    EXPECT_EQ(c.dc.GetWindowExt(), CSize(254, 254));
    c.dc.SetMapMode(MM_TEXT);
    EXPECT_EQ(c.dc.GetViewportExt(), CSize(1, 1));
}

TEST(Mapping, HimetricConversions)
{
    Canvas c;
    CSize s(96, 48);
    c.dc.DPtoHIMETRIC(&s);
    EXPECT_EQ(s, CSize(2540, 1270));
    c.dc.HIMETRICtoDP(&s);
    EXPECT_EQ(s, CSize(96, 48));
}

TEST(Mapping, DrawingFollowsTheMapping)
{
    Canvas c(40, 40);
    c.dc.SetMapMode(MM_ANISOTROPIC);
    c.dc.SetWindowExt(10, 10);
    c.dc.SetViewportExt(20, 20);
    c.dc.SetViewportOrg(5, 5);
    c.dc.SelectStockObject(BLACK_BRUSH);
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.Rectangle(0, 0, 10, 5);
    EXPECT_EQ(c.BoundsNot(RGB(255, 255, 255)), CRect(5, 5, 24, 14));
}

TEST(DeviceCaps, ScreenAndMemoryContexts)
{
    Canvas c;
    EXPECT_EQ(c.dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(c.dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(c.dc.GetDeviceCaps(BITSPIXEL), 32);
    EXPECT_EQ(c.dc.GetDeviceCaps(PLANES), 1);
    EXPECT_EQ(c.dc.GetDeviceCaps(HORZRES), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_TRUE(c.dc.GetDeviceCaps(RASTERCAPS) & RC_BITBLT);
    EXPECT_EQ(c.dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(c.dc.GetDeviceCaps(PHYSICALWIDTH), 0);
    EXPECT_FALSE(c.dc.IsPrinting());
    CDC mem;
    ASSERT_TRUE(mem.CreateCompatibleDC(&c.dc));
    EXPECT_EQ(mem.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
}
