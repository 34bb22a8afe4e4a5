// Icons (from bitmaps and icon images, drawn through mask and image) and
// image lists (cut from bitmaps, masked by a colour, drawn transparently or
// on their background colour).
#include "GdiTestSupport.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/ImageList.h"
#include "framework/resources/ResourceImages.h"
#include "framework/resources/Resources.h"

#include <vector>

namespace {

const COLORREF kInk = RGB(20, 140, 60);
const COLORREF kKey = RGB(255, 0, 255);

// A colour bitmap filled with one colour, and a rectangle of another.
HBITMAP ColourBitmap(int w, int h, COLORREF fill, CRect patch, COLORREF patchColour)
{
    CDC mem;
    mem.CreateCompatibleDC(nullptr);
    HBITMAP bm = CreateBitmap(w, h, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(mem.m_hDC, bm);
    mem.FillSolidRect(0, 0, w, h, fill);
    mem.FillSolidRect(&patch, patchColour);
    SelectObject(mem.m_hDC, old);
    return bm;
}

// A striped canvas: columns alternate between two colours.
void Stripe(Canvas &c)
{
    for (int x = 0; x < c.image.width(); ++x)
        c.dc.FillSolidRect(x, 0, 1, c.image.height(), x % 2 ? RGB(0, 0, 90) : RGB(250, 250, 0));
}

COLORREF StripeAt(int x)
{
    return x % 2 ? RGB(0, 0, 90) : RGB(250, 250, 0);
}

} // namespace

TEST(Icon, DrawsThroughItsMask)
{
    // Ink in the middle 2x2 of a 4x4 icon; the mask is white elsewhere.
    HBITMAP colour = ColourBitmap(4, 4, RGB(0, 0, 0), CRect(1, 1, 3, 3), kInk);
    HBITMAP mask = CreateBitmap(4, 4, 1, 1, nullptr);
    {
        CDC mem;
        mem.CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(mem.m_hDC, mask);
        mem.FillSolidRect(0, 0, 4, 4, RGB(255, 255, 255));
        mem.FillSolidRect(1, 1, 2, 2, RGB(0, 0, 0));
        SelectObject(mem.m_hDC, old);
    }
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    ASSERT_NE(icon, nullptr);
    struct Case {
        UINT flags;
        COLORREF inside, outside; // 0xFFFFFFFF: the stripe shows
    } cases[] = {
        {DI_NORMAL, kInk, CLR_INVALID}, {DI_IMAGE, kInk, RGB(0, 0, 0)}, {DI_MASK, RGB(0, 0, 0), RGB(255, 255, 255)}};
    for (const Case &k : cases) {
        Canvas c(6, 6);
        Stripe(c);
        ASSERT_TRUE(DrawIconEx(c.dc.m_hDC, 1, 1, icon, 0, 0, 0, nullptr, k.flags)) << k.flags;
        EXPECT_EQ(c.At(2, 2), k.inside) << k.flags;
        EXPECT_EQ(c.At(1, 1), k.outside == CLR_INVALID ? StripeAt(1) : k.outside) << k.flags;
        EXPECT_EQ(c.At(5, 5), StripeAt(5)) << k.flags;
    }
    ICONINFO back{};
    ASSERT_TRUE(GetIconInfo(icon, &back));
    BITMAP bm{};
    GetObject(back.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(back.xHotspot, 2u);
    DeleteObject(back.hbmMask);
    DeleteObject(back.hbmColor);

    HICON copy = CopyIcon(icon);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, icon);
    EXPECT_TRUE(PlexoDestroyGdiIcon(icon));
    EXPECT_FALSE(PlexoDestroyGdiIcon(icon));
    Canvas c(6, 6);
    EXPECT_FALSE(DrawIconEx(c.dc.m_hDC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL)) << "a freed icon";
    EXPECT_TRUE(DrawIconEx(c.dc.m_hDC, 0, 0, copy, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(1, 1), kInk);
    EXPECT_TRUE(PlexoDestroyGdiIcon(copy));
}

TEST(Icon, MonochromeIconsInvertWhereMaskAndImageAreSet)
{
    // Stacked 2x1 halves: AND mask (1, 0) over XOR image (1, 1).
    const BYTE rows[] = {0x80, 0, 0xC0, 0};
    HBITMAP stacked = CreateBitmap(2, 2, 1, 1, rows);
    ICONINFO info{TRUE, 0, 0, stacked, nullptr};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(stacked);
    ASSERT_NE(icon, nullptr);
    Canvas c(2, 1, RGB(10, 20, 30));
    ASSERT_TRUE(DrawIconEx(c.dc.m_hDC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(0, 0), RGB(245, 235, 225)); // kept, then inverted
    EXPECT_EQ(c.At(1, 0), RGB(255, 255, 255));
    PlexoDestroyGdiIcon(icon);
}

TEST(Icon, FromAnIconImageAndRefusedWhenCorrupt)
{
    // A 2x2 24-bit icon image: header (height doubled), colour rows, mask rows.
    std::vector<BYTE> image(kBitmapInfoHeaderSize + 2 * 8 + 2 * 4, 0);
    BITMAPINFOHEADER h{40, 2, 4, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    WriteBitmapInfoHeader(h, image.data());
    BYTE *colour = image.data() + kBitmapInfoHeaderSize; // bottom row first: blue, green, red
    colour[0] = 255;                                     // bottom-left blue
    colour[8 + 5] = 200;                                 // top-right red 200
    BYTE *mask = colour + 16;
    mask[0] = 0x40; // bottom row: right pixel transparent
    mask[4] = 0x00;
    HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x30000, 0, 0, 0);
    ASSERT_NE(icon, nullptr);
    Canvas c(2, 2, RGB(9, 9, 9));
    ASSERT_TRUE(DrawIconEx(c.dc.m_hDC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(c.At(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(c.At(1, 0), RGB(200, 0, 0));
    PlexoDestroyGdiIcon(icon);
    for (size_t cut : {size_t{0}, size_t{10}, kBitmapInfoHeaderSize, image.size() - 1})
        EXPECT_EQ(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(cut), TRUE, 0x30000, 0, 0, 0), nullptr)
            << cut;
    WriteBitmapInfoHeader(BITMAPINFOHEADER{40, 2, 4, 1, 24, BI_RGB, 0, 0, 0, 1000, 0}, image.data());
    EXPECT_EQ(CreateIconFromResource(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x30000), nullptr);
    EXPECT_EQ(CreateIconFromResource(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x12345), nullptr);
}

TEST(ImageList, MaskedDrawing)
{
    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 1));
    // Two images: the first with ink at (1,1)-(3,3), the second all ink.
    CBitmap strip;
    strip.Attach(ColourBitmap(8, 4, kKey, CRect(1, 1, 3, 3), kInk));
    {
        CDC mem;
        mem.CreateCompatibleDC(nullptr);
        CBitmap *old = mem.SelectObject(&strip);
        mem.FillSolidRect(4, 0, 4, 4, kInk);
        mem.SelectObject(old);
    }
    EXPECT_EQ(list.Add(&strip, kKey), 0);
    EXPECT_EQ(list.GetImageCount(), 2);
    int cx = 0, cy = 0;
    ASSERT_TRUE(list.GetIconSize(cx, cy));
    EXPECT_EQ(cx, 4);
    struct Case {
        UINT style;
        COLORREF bk;
        COLORREF keyShows; // CLR_INVALID: the stripe
    } cases[] = {{ILD_TRANSPARENT, CLR_NONE, CLR_INVALID},
                 {ILD_NORMAL, CLR_NONE, CLR_INVALID},
                 {ILD_NORMAL, RGB(128, 128, 128), RGB(128, 128, 128)},
                 {ILD_TRANSPARENT, RGB(128, 128, 128), CLR_INVALID}};
    for (const Case &k : cases) {
        list.SetBkColor(k.bk);
        Canvas c(6, 6);
        Stripe(c);
        ASSERT_TRUE(list.Draw(&c.dc, 0, CPoint(1, 1), k.style));
        EXPECT_EQ(c.At(2, 2), kInk) << k.style;
        EXPECT_EQ(c.At(1, 1), k.keyShows == CLR_INVALID ? StripeAt(1) : k.keyShows) << k.style;
        ASSERT_TRUE(list.Draw(&c.dc, 1, CPoint(1, 1), k.style));
        EXPECT_EQ(c.At(1, 1), kInk) << k.style;
    }
    Canvas maskOnly(4, 4);
    ASSERT_TRUE(list.Draw(&maskOnly.dc, 0, CPoint(0, 0), ILD_MASK));
    EXPECT_EQ(maskOnly.At(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(maskOnly.At(1, 1), RGB(0, 0, 0));

    Canvas c(6, 6);
    EXPECT_FALSE(list.Draw(&c.dc, 2, CPoint(0, 0), ILD_NORMAL));
    EXPECT_FALSE(list.Draw(&c.dc, -1, CPoint(0, 0), ILD_NORMAL));
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(list.GetImageCount(), 1);
    EXPECT_FALSE(list.Remove(5));
}

TEST(ImageList, WithoutMasksAndFromResources)
{
    CImageList plain;
    ASSERT_TRUE(plain.Create(2, 2, ILC_COLOR24, 1, 1));
    CBitmap bm;
    bm.Attach(ColourBitmap(2, 2, kKey, CRect(0, 0, 1, 1), kInk));
    EXPECT_EQ(plain.Add(&bm, kKey), 0);
    Canvas c(2, 2);
    ASSERT_TRUE(plain.Draw(&c.dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(c.At(1, 1), kKey) << "a list without masks copies its images";
    CBitmap narrow;
    narrow.Attach(ColourBitmap(1, 2, kKey, CRect(), kInk));
    EXPECT_EQ(plain.Add(&narrow, kKey), -1);

    // A 4x2 bitmap resource: two images 2 wide, the key colour transparent.
    std::vector<BYTE> dib(kBitmapInfoHeaderSize + 2 * 12, 0);
    WriteBitmapInfoHeader(BITMAPINFOHEADER{40, 4, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, dib.data());
    for (int i = 0; i < 8; ++i) {
        BYTE *p = dib.data() + kBitmapInfoHeaderSize + (i / 4) * 12 + (i % 4) * 3;
        bool key = i % 2 == 0;
        p[0] = key ? 255 : 60, p[1] = key ? 0 : 140, p[2] = key ? 255 : 20;
    }
    PlexoRegisterCustomResource(RT_BITMAP, 31101, dib.data(), static_cast<DWORD>(dib.size()));
    CImageList fromResource;
    ASSERT_TRUE(fromResource.Create(31101, 2, 1, kKey));
    EXPECT_EQ(fromResource.GetImageCount(), 2);
    Canvas r(2, 2);
    Stripe(r);
    ASSERT_TRUE(fromResource.Draw(&r.dc, 1, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(r.At(0, 0), StripeAt(0));
    EXPECT_EQ(r.At(1, 0), kInk);
    CImageList missing;
    EXPECT_FALSE(missing.Create(31199, 2, 1, kKey));
    EXPECT_FALSE(missing.Create(0, 4, ILC_MASK, 1, 1));
}

TEST(Icon, AlphaMarksTransparencyInThirtyTwoBitImages)
{
    // 2x1, 32 bits: a clear pixel then an opaque one; the mask sets neither.
    std::vector<BYTE> image(kBitmapInfoHeaderSize + 8 + 4, 0);
    WriteBitmapInfoHeader(BITMAPINFOHEADER{40, 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, image.data());
    BYTE *px = image.data() + kBitmapInfoHeaderSize;
    px[0] = 200, px[3] = 0;           // blue, fully clear
    px[4 + 2] = 200, px[4 + 3] = 255; // red, opaque
    HICON icon = CreateIconFromResource(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x30000);
    ASSERT_NE(icon, nullptr);
    Canvas c(2, 1, RGB(7, 7, 7));
    ASSERT_TRUE(DrawIconEx(c.dc.m_hDC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(0, 0), RGB(7, 7, 7));
    EXPECT_EQ(c.At(1, 0), RGB(200, 0, 0));
    PlexoDestroyGdiIcon(icon);
}

namespace {

TEST(LoadImage, IconsComeAtTheNearestSizeStretchedToTheSizeAsked)
{
    PlexoRegisterIcon(4301, PLEXO_TEST_DATA_DIR "/resources/two-sizes.ico");
    struct Case {
        int cx, cy;
        int width;       // of the icon made
        COLORREF colour; // its pixels: the 16-pixel image is red, the 32-pixel one green
    };
    const Case cases[] = {{16, 16, 16, RGB(255, 0, 0)},
                          {32, 32, 32, RGB(0, 255, 0)},
                          {30, 30, 30, RGB(0, 255, 0)},
                          {0, 0, 16, RGB(255, 0, 0)}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.cx);
        HICON icon = static_cast<HICON>(LoadImage(nullptr, MAKEINTRESOURCE(4301), IMAGE_ICON, c.cx, c.cy, 0));
        ASSERT_NE(icon, nullptr);
        Canvas canvas(40, 40);
        ASSERT_TRUE(DrawIconEx(canvas.dc.m_hDC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
        EXPECT_EQ(canvas.BoundsNot(RGB(255, 255, 255)), CRect(0, 0, c.width, c.width));
        EXPECT_EQ(canvas.At(c.width / 2, c.width / 2), c.colour);
        PlexoDestroyGdiIcon(icon);
    }
    EXPECT_EQ(LoadImage(nullptr, MAKEINTRESOURCE(4399), IMAGE_ICON, 16, 16, 0), nullptr);
    EXPECT_EQ(LoadImage(nullptr, MAKEINTRESOURCE(4301), IMAGE_CURSOR, 16, 16, 0), nullptr);
}

} // namespace
