// Block transfers: every raster operation as its boolean function,
// monochrome and colour conversions, the masked transparent transfer,
// stretching, clipping and refused input.
#include "GdiTestSupport.h"

#include <functional>

namespace {

// A memory context holding a colour bitmap filled with one colour.
struct MemoryBitmap {
    CDC dc;
    CBitmap bitmap;
    CBitmap *previous = nullptr;

    MemoryBitmap(int w, int h, int bits, COLORREF fill)
    {
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_TRUE(bitmap.CreateBitmap(w, h, 1, static_cast<UINT>(bits), nullptr));
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, w, h, fill);
    }
    ~MemoryBitmap() { dc.SelectObject(previous); }
};

using Bits = std::function<uint32_t(uint32_t p, uint32_t s, uint32_t d)>;

struct RopCase {
    const char *name;
    DWORD rop;
    Bits expected;
};

} // namespace

TEST(Blit, EveryRasterOperationIsItsBooleanFunction)
{
    const RopCase cases[] = {
        {"SRCCOPY", SRCCOPY, [](uint32_t, uint32_t s, uint32_t) { return s; }},
        {"SRCPAINT", SRCPAINT, [](uint32_t, uint32_t s, uint32_t d) { return s | d; }},
        {"SRCAND", SRCAND, [](uint32_t, uint32_t s, uint32_t d) { return s & d; }},
        {"SRCINVERT", SRCINVERT, [](uint32_t, uint32_t s, uint32_t d) { return s ^ d; }},
        {"SRCERASE", SRCERASE, [](uint32_t, uint32_t s, uint32_t d) { return s & ~d; }},
        {"NOTSRCCOPY", NOTSRCCOPY, [](uint32_t, uint32_t s, uint32_t) { return ~s; }},
        {"NOTSRCERASE", NOTSRCERASE, [](uint32_t, uint32_t s, uint32_t d) { return ~(s | d); }},
        {"MERGECOPY", MERGECOPY, [](uint32_t p, uint32_t s, uint32_t) { return p & s; }},
        {"MERGEPAINT", MERGEPAINT, [](uint32_t, uint32_t s, uint32_t d) { return ~s | d; }},
        {"PATCOPY", PATCOPY, [](uint32_t p, uint32_t, uint32_t) { return p; }},
        {"PATPAINT", PATPAINT, [](uint32_t p, uint32_t s, uint32_t d) { return p | ~s | d; }},
        {"PATINVERT", PATINVERT, [](uint32_t p, uint32_t, uint32_t d) { return p ^ d; }},
        {"DSTINVERT", DSTINVERT, [](uint32_t, uint32_t, uint32_t d) { return ~d; }},
        {"BLACKNESS", BLACKNESS, [](uint32_t, uint32_t, uint32_t) { return 0u; }},
        {"WHITENESS", WHITENESS, [](uint32_t, uint32_t, uint32_t) { return ~0u; }},
        {"0x00220326", 0x00220326, [](uint32_t, uint32_t s, uint32_t d) { return ~s & d; }},
        {"0x00B8074A", 0x00B8074A, [](uint32_t p, uint32_t s, uint32_t d) { return (s & d) | (~s & p); }},
    };
    // Each channel holds another mix of bits, so all eight (P, S, D)
    // combinations meet in every channel.
    const COLORREF pattern = RGB(0xF0, 0x3C, 0x0F);
    const COLORREF source = RGB(0xCC, 0x5A, 0x33);
    const COLORREF dest = RGB(0xAA, 0x96, 0x55);
    for (const RopCase &c : cases) {
        MemoryBitmap src(4, 4, 32, source);
        Canvas target(8, 8, dest);
        CBrush brush(pattern);
        target.dc.SelectObject(&brush);
        EXPECT_TRUE(target.dc.BitBlt(2, 2, 4, 4, &src.dc, 0, 0, c.rop)) << c.name;
        auto channel = [&](BYTE (*get)(COLORREF)) {
            return static_cast<BYTE>(c.expected(get(pattern), get(source), get(dest)) & 0xFF);
        };
        COLORREF want = RGB(channel([](COLORREF v) { return static_cast<BYTE>(GetRValue(v)); }),
                            channel([](COLORREF v) { return static_cast<BYTE>(GetGValue(v)); }),
                            channel([](COLORREF v) { return static_cast<BYTE>(GetBValue(v)); }));
        EXPECT_EQ(target.At(3, 3), want) << c.name;
        EXPECT_EQ(target.At(1, 1), dest) << c.name << " wrote outside its rectangle";
        EXPECT_EQ(target.At(6, 6), dest) << c.name << " wrote outside its rectangle";
    }
}

TEST(Blit, MonochromeSourceTakesTheTargetsTextAndBackgroundColours)
{
    const BYTE rows[] = {0xA0, 0x00}; // one row: white, black, white, black
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(4, 1, 1, 1, rows));
    CDC src;
    ASSERT_TRUE(src.CreateCompatibleDC(nullptr));
    CBitmap *old = src.SelectObject(&mono);
    Canvas target(4, 1);
    target.dc.SetTextColor(RGB(200, 0, 0));
    target.dc.SetBkColor(RGB(0, 0, 200));
    ASSERT_TRUE(target.dc.BitBlt(0, 0, 4, 1, &src, 0, 0, SRCCOPY));
    EXPECT_EQ(target.At(0, 0), RGB(0, 0, 200)); // 1 bit: background colour
    EXPECT_EQ(target.At(1, 0), RGB(200, 0, 0)); // 0 bit: text colour
    EXPECT_EQ(target.At(2, 0), RGB(0, 0, 200));
    EXPECT_EQ(target.At(3, 0), RGB(200, 0, 0));
    src.SelectObject(old);
}

TEST(Blit, ColourToMonochromeMakesTheSourceBackgroundWhite)
{
    MemoryBitmap colour(3, 1, 32, RGB(0, 255, 0));
    colour.dc.SetPixel(1, 0, RGB(255, 255, 255)); // light, but not the background colour
    colour.dc.SetPixel(2, 0, RGB(10, 10, 10));
    colour.dc.SetBkColor(RGB(0, 255, 0));
    MemoryBitmap mask(3, 1, 1, RGB(0, 0, 0));
    ASSERT_TRUE(mask.dc.BitBlt(0, 0, 3, 1, &colour.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(mask.dc.GetPixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(mask.dc.GetPixel(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(mask.dc.GetPixel(2, 0), RGB(0, 0, 0));
    BYTE bits[2] = {};
    EXPECT_EQ(mask.bitmap.GetBitmapBits(2, bits), 2u);
    EXPECT_EQ(bits[0], 0x80);
}

TEST(Blit, TransparentTransferThroughAMask)
{
    const COLORREF key = RGB(255, 0, 255);
    const COLORREF ink = RGB(30, 120, 60);
    // A picture: a 2x2 block of ink in a 4x4 field of the key colour.
    MemoryBitmap picture(4, 4, 32, key);
    picture.dc.FillSolidRect(1, 1, 2, 2, ink);
    picture.dc.SetBkColor(key);
    MemoryBitmap mask(4, 4, 1, RGB(0, 0, 0));
    ASSERT_TRUE(mask.dc.BitBlt(0, 0, 4, 4, &picture.dc, 0, 0, SRCCOPY)); // key: white
    // A striped background the transfer must keep where the key is.
    Canvas target(4, 4);
    for (int x = 0; x < 4; ++x)
        target.dc.FillSolidRect(x, 0, 1, 4, x % 2 ? RGB(0, 0, 90) : RGB(250, 250, 0));
    QImage before = target.image.copy();
    // Text white and background black turn the mask's white (key) into black
    // and its black (picture) into white for the 0x00220326 (~S & D) step.
    target.dc.SetTextColor(RGB(255, 255, 255));
    target.dc.SetBkColor(RGB(0, 0, 0));
    ASSERT_TRUE(target.dc.BitBlt(0, 0, 4, 4, &picture.dc, 0, 0, SRCINVERT));
    ASSERT_TRUE(target.dc.BitBlt(0, 0, 4, 4, &mask.dc, 0, 0, 0x00220326));
    ASSERT_TRUE(target.dc.BitBlt(0, 0, 4, 4, &picture.dc, 0, 0, SRCINVERT));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
            QRgb old = before.pixel(x, y);
            COLORREF want = inside ? ink : RGB(qRed(old), qGreen(old), qBlue(old));
            EXPECT_EQ(target.At(x, y), want) << x << "," << y;
        }
}

TEST(Blit, StretchingEnlargesMirrorsAndShrinks)
{
    MemoryBitmap src(2, 2, 32, RGB(0, 0, 0));
    src.dc.SetPixel(0, 0, RGB(255, 0, 0));
    src.dc.SetPixel(1, 0, RGB(0, 255, 0));
    src.dc.SetPixel(0, 1, RGB(0, 0, 255));
    src.dc.SetPixel(1, 1, RGB(255, 255, 255));
    Canvas big(4, 4);
    ASSERT_TRUE(big.dc.StretchBlt(0, 0, 4, 4, &src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(big.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(big.At(2, 1), RGB(0, 255, 0));
    EXPECT_EQ(big.At(1, 2), RGB(0, 0, 255));
    EXPECT_EQ(big.At(3, 3), RGB(255, 255, 255));
    // A negative target width mirrors left to right.
    Canvas mirrored(2, 2);
    ASSERT_TRUE(mirrored.dc.StretchBlt(2, 0, -2, 2, &src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(mirrored.At(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(mirrored.At(1, 0), RGB(255, 0, 0));
    // Shrinking: HALFTONE averages, BLACKONWHITE keeps black (AND), WHITEONBLACK keeps white (OR).
    struct ShrinkCase {
        int mode;
        COLORREF want;
    } shrink[] = {{HALFTONE, RGB(128, 128, 128)}, {BLACKONWHITE, RGB(0, 0, 0)}, {WHITEONBLACK, RGB(255, 255, 255)}};
    for (const ShrinkCase &c : shrink) {
        Canvas one(1, 1);
        EXPECT_EQ(one.dc.SetStretchBltMode(c.mode), BLACKONWHITE);
        ASSERT_TRUE(one.dc.StretchBlt(0, 0, 1, 1, &src.dc, 0, 0, 2, 2, SRCCOPY));
        EXPECT_EQ(one.At(0, 0), c.want) << "mode " << c.mode;
    }
}

TEST(Blit, PatternOperationsAndClipping)
{
    Canvas c(8, 8, RGB(10, 20, 30));
    CBrush hatch(HS_CROSS, RGB(255, 0, 0));
    c.dc.SelectObject(&hatch);
    c.dc.IntersectClipRect(0, 0, 4, 8);
    ASSERT_TRUE(c.dc.PatBlt(0, 0, 8, 8, PATCOPY));
    EXPECT_EQ(c.At(1, 3), RGB(255, 0, 0));     // hatch line
    EXPECT_EQ(c.At(2, 2), RGB(255, 255, 255)); // gap: background colour
    EXPECT_EQ(c.At(5, 7), RGB(10, 20, 30));    // clipped away
    c.dc.SelectClipRgn(nullptr);
    QImage before = c.image.copy();
    ASSERT_TRUE(c.dc.PatBlt(0, 0, 8, 8, DSTINVERT));
    ASSERT_TRUE(c.dc.PatBlt(0, 0, 8, 8, DSTINVERT));
    EXPECT_EQ(c.image, before);
    EXPECT_FALSE(c.dc.PatBlt(0, 0, 8, 8, SRCCOPY)) << "a source operation has no source here";
}

TEST(Blit, OverlappingTransferWithinOneContext)
{
    Canvas c(6, 1);
    for (int x = 0; x < 6; ++x)
        c.dc.SetPixel(x, 0, RGB(x * 40, 0, 0));
    ASSERT_TRUE(c.dc.BitBlt(1, 0, 5, 1, &c.dc, 0, 0, SRCCOPY));
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(c.At(x, 0), RGB((x - 1) * 40, 0, 0)) << x;
}

TEST(Blit, RefusedOrHarmlessInput)
{
    Canvas c(4, 4, RGB(1, 2, 3));
    QImage before = c.image.copy();
    EXPECT_FALSE(c.dc.BitBlt(0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
    MemoryBitmap src(2, 2, 32, RGB(9, 9, 9));
    EXPECT_FALSE(c.dc.StretchBlt(0, 0, 4, 4, &src.dc, 0, 0, 0, 2, SRCCOPY));
    EXPECT_TRUE(c.dc.BitBlt(0, 0, 4, 4, &src.dc, 100, 100, SRCCOPY)); // nothing to read: nothing drawn
    EXPECT_TRUE(c.dc.BitBlt(0, 0, 0, 4, &src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(c.image, before);
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, src.dc.m_hDC, 0, 0, SRCCOPY));
    // Enormous or extreme rectangles work on the visible part only.
    EXPECT_TRUE(c.dc.StretchBlt(0, 0, 1 << 30, 1 << 30, &src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(c.At(3, 3), RGB(9, 9, 9));
    EXPECT_TRUE(c.dc.BitBlt(2147483600, -2147483600, 2147483647, 2147483647, &src.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(c.dc.PatBlt(-2147483647, -2147483647, 2147483647, 2147483647, BLACKNESS));
    EXPECT_EQ(c.At(0, 0), RGB(9, 9, 9)) << "the rectangle ends left of and above the image";
}

TEST(Blit, MaskedDrawingOnAPaintDevice)
{
    // A paint device cannot be read back: the mask pass (SRCAND) and the
    // masked picture pass (SRCPAINT) still keep what lies under the mask.
    QImage page(4, 1, QImage::Format_RGB32);
    page.fill(Qt::white);
    CDC dc;
    ASSERT_TRUE(dc.CreatePaintDeviceDC(&page, FALSE));
    dc.FillSolidRect(0, 0, 4, 1, RGB(200, 0, 0)); // the drawing under the picture
    MemoryBitmap mask(4, 1, 32, RGB(255, 255, 255));
    mask.dc.SetPixel(1, 0, RGB(0, 0, 0));
    mask.dc.SetPixel(2, 0, RGB(0, 0, 0));
    MemoryBitmap picture(4, 1, 32, RGB(0, 0, 0));
    picture.dc.SetPixel(1, 0, RGB(0, 90, 0));
    picture.dc.SetPixel(2, 0, RGB(0, 0, 90));
    ASSERT_TRUE(dc.BitBlt(0, 0, 4, 1, &mask.dc, 0, 0, SRCAND));
    ASSERT_TRUE(dc.BitBlt(0, 0, 4, 1, &picture.dc, 0, 0, SRCPAINT));
    dc.DeleteDC();
    auto at = [&](int x) {
        QRgb p = page.pixel(x, 0);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    };
    EXPECT_EQ(at(0), RGB(200, 0, 0));
    EXPECT_EQ(at(1), RGB(0, 90, 0));
    EXPECT_EQ(at(2), RGB(0, 0, 90));
    EXPECT_EQ(at(3), RGB(200, 0, 0));
}
