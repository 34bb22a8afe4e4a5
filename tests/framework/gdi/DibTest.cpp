// Device-independent bitmaps: every depth with its colour table onto a
// context, bottom-up and top-down rows, bands, conversion to and from
// bitmaps, DIB sections, the headers' byte layout and corrupt headers.
#include "GdiTestSupport.h"

#include "framework/gdi/DibHeaders.h"

#include <vector>

namespace {

// A DIB in one block: header, colour table, then the rows.
struct Dib {
    std::vector<BYTE> info;
    std::vector<BYTE> bits;

    Dib(int width, int height, int bitCount, std::vector<COLORREF> table, std::vector<BYTE> rows)
        : bits(std::move(rows))
    {
        info.resize(sizeof(BITMAPINFOHEADER) + 4 * std::max<size_t>(table.size(), 1));
        BITMAPINFOHEADER h{};
        h.biSize = sizeof(BITMAPINFOHEADER);
        h.biWidth = width;
        h.biHeight = height;
        h.biPlanes = 1;
        h.biBitCount = static_cast<WORD>(bitCount);
        h.biCompression = BI_RGB;
        h.biClrUsed = static_cast<DWORD>(table.size());
        std::memcpy(info.data(), &h, sizeof(h));
        for (size_t i = 0; i < table.size(); ++i) {
            RGBQUAD q{GetBValue(table[i]), GetGValue(table[i]), GetRValue(table[i]), 0};
            std::memcpy(info.data() + sizeof(h) + 4 * i, &q, 4);
        }
    }
    BITMAPINFO *Info() { return reinterpret_cast<BITMAPINFO *>(info.data()); }
};

std::vector<COLORREF> Ramp(int n)
{
    std::vector<COLORREF> t;
    for (int i = 0; i < n; ++i)
        t.push_back(RGB(i * 3, 255 - i * 2, (i * 7) & 0xFF));
    return t;
}

struct DepthCase {
    const char *name;
    int bitCount;
    std::vector<COLORREF> table;
    std::vector<BYTE> rows;     // bottom row first, each padded to 4 bytes
    COLORREF top[4], bottom[4]; // the expected pixels
};

std::vector<DepthCase> DepthCases()
{
    std::vector<COLORREF> t16 = Ramp(16), t81 = Ramp(81);
    const COLORREF navy = RGB(0, 0, 128), orange = RGB(255, 165, 0);
    return {
        {"1 bit",
         1,
         {navy, orange},
         {0x40, 0, 0, 0, 0xB0, 0, 0, 0},
         {orange, navy, orange, orange},
         {navy, orange, navy, navy}},
        {"4 bits",
         4,
         t16,
         {0x56, 0x78, 0, 0, 0x12, 0x3F, 0, 0},
         {t16[1], t16[2], t16[3], t16[15]},
         {t16[5], t16[6], t16[7], t16[8]}},
        {"8 bits, 81 colours",
         8,
         t81,
         {50, 60, 70, 80, 10, 20, 30, 0},
         {t81[10], t81[20], t81[30], t81[0]},
         {t81[50], t81[60], t81[70], t81[80]}},
        {"24 bits",
         24,
         {},
         {0, 0, 0, 255, 255, 255, 1, 2, 3, 10, 20, 30, 0, 0, 255, 0, 255, 0, 255, 0, 0, 9, 8, 7},
         {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(7, 8, 9)},
         {RGB(0, 0, 0), RGB(255, 255, 255), RGB(3, 2, 1), RGB(30, 20, 10)}},
        {"32 bits",
         32,
         {},
         {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 200, 100, 50, 0},
         {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(50, 100, 200)},
         {RGB(3, 2, 1), RGB(6, 5, 4), RGB(9, 8, 7), RGB(12, 11, 10)}},
    };
}

} // namespace

TEST(Dib, StretchDIBitsOfEveryDepth)
{
    for (DepthCase &k : DepthCases()) {
        Dib dib(4, 2, k.bitCount, k.table, k.rows);
        Canvas same(4, 2), doubled(8, 4);
        EXPECT_EQ(
            StretchDIBits(same.dc.m_hDC, 0, 0, 4, 2, 0, 0, 4, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY),
            2)
            << k.name;
        EXPECT_EQ(StretchDIBits(doubled.dc.m_hDC, 0, 0, 8, 4, 0, 0, 4, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS,
                                SRCCOPY),
                  2)
            << k.name;
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(same.At(x, 0), k.top[x]) << k.name << " top " << x;
            EXPECT_EQ(same.At(x, 1), k.bottom[x]) << k.name << " bottom " << x;
            EXPECT_EQ(doubled.At(2 * x + 1, 1), k.top[x]) << k.name << " doubled top " << x;
            EXPECT_EQ(doubled.At(2 * x, 2), k.bottom[x]) << k.name << " doubled bottom " << x;
        }
    }
}

TEST(Dib, RowOrderAndSourceRectangles)
{
    DepthCase k = DepthCases()[3];
    // Top-down: the same bytes read the other way up.
    Dib topDown(4, -2, 24, {}, k.rows);
    Canvas c(4, 2);
    ASSERT_EQ(
        StretchDIBits(c.dc.m_hDC, 0, 0, 4, 2, 0, 0, 4, 2, topDown.bits.data(), topDown.Info(), DIB_RGB_COLORS, SRCCOPY),
        2);
    EXPECT_EQ(c.At(0, 0), k.bottom[0]);
    EXPECT_EQ(c.At(0, 1), k.top[0]);
    // A bottom-up DIB counts the source's y from its bottom row.
    Dib bottomUp(4, 2, 24, {}, k.rows);
    Canvas one(4, 1);
    ASSERT_EQ(StretchDIBits(one.dc.m_hDC, 0, 0, 4, 1, 0, 0, 4, 1, bottomUp.bits.data(), bottomUp.Info(), DIB_RGB_COLORS,
                            SRCCOPY),
              1);
    EXPECT_EQ(one.At(1, 0), k.bottom[1]);
    // A band of scan lines sets only its own rows: scan 0 is the bottom row.
    Canvas band(4, 2);
    EXPECT_EQ(
        SetDIBitsToDevice(band.dc.m_hDC, 0, 0, 4, 2, 0, 0, 0, 1, bottomUp.bits.data(), bottomUp.Info(), DIB_RGB_COLORS),
        1);
    EXPECT_EQ(band.At(2, 1), k.bottom[2]);
    EXPECT_EQ(band.At(2, 0), RGB(255, 255, 255));
}

TEST(Dib, SetDIBitsToDeviceCountsFromTheLowerLeftCornerWhateverTheRowOrder)
{
    DepthCase k = DepthCases()[3];
    // The same picture both ways: shown top row k.top, bottom row k.bottom.
    std::vector<BYTE> topFirst(k.rows.begin() + 12, k.rows.end());
    topFirst.insert(topFirst.end(), k.rows.begin(), k.rows.begin() + 12);
    Dib bottomUp(4, 2, 24, {}, k.rows), topDown(4, -2, 24, {}, topFirst);
    for (Dib *dib : {&bottomUp, &topDown}) {
        const char *name = dib == &topDown ? "top-down" : "bottom-up";
        // One row from ySrc 0: the picture's bottom row.
        Canvas one(4, 1);
        EXPECT_EQ(
            SetDIBitsToDevice(one.dc.m_hDC, 0, 0, 4, 1, 0, 0, 0, 2, dib->bits.data(), dib->Info(), DIB_RGB_COLORS), 2)
            << name;
        EXPECT_EQ(one.At(1, 0), k.bottom[1]) << name;
        // A band of scan line 0 alone: the bottom row, given as the band's only row.
        const BYTE *bottomRow = dib == &topDown ? dib->bits.data() + 12 : dib->bits.data();
        Canvas band(4, 2);
        EXPECT_EQ(SetDIBitsToDevice(band.dc.m_hDC, 0, 0, 4, 2, 0, 0, 0, 1, bottomRow, dib->Info(), DIB_RGB_COLORS), 1)
            << name;
        EXPECT_EQ(band.At(2, 1), k.bottom[2]) << name;
        EXPECT_EQ(band.At(2, 0), RGB(255, 255, 255)) << name;
    }
}

TEST(Dib, BitmapRoundTripThroughDIBits)
{
    Canvas screen(4, 4);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen.dc, 5, 3));
    CDC mem;
    mem.CreateCompatibleDC(&screen.dc);
    CBitmap *old = mem.SelectObject(&bitmap);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            mem.SetPixel(x, y, RGB(x * 50, y * 100, 7));
    mem.SelectObject(old);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    ASSERT_NE(GetDIBits(screen.dc.m_hDC, bitmap, 0, 3, nullptr, &info, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.bmiHeader.biWidth, 5);
    EXPECT_EQ(info.bmiHeader.biHeight, 3);
    info.bmiHeader.biBitCount = 24;
    std::vector<BYTE> bits(DibRowBytes(5, 24) * 3);
    ASSERT_EQ(GetDIBits(screen.dc.m_hDC, bitmap, 0, 3, bits.data(), &info, DIB_RGB_COLORS), 3);
    EXPECT_EQ(info.bmiHeader.biSizeImage, bits.size());
    // Bottom-up: the first row is the bitmap's last; blue, green, red.
    EXPECT_EQ(bits[0], 7);
    EXPECT_EQ(bits[1], 200);
    EXPECT_EQ(bits[3 * 4 + 2], 200);

    CBitmap copy;
    copy.Attach(CreateDIBitmap(screen.dc.m_hDC, &info.bmiHeader, CBM_INIT, bits.data(), &info, DIB_RGB_COLORS));
    ASSERT_NE(copy.m_hObject, nullptr);
    std::vector<BYTE> a(5 * 3 * 4), b(5 * 3 * 4);
    EXPECT_EQ(bitmap.GetBitmapBits(static_cast<DWORD>(a.size()), a.data()), a.size());
    EXPECT_EQ(copy.GetBitmapBits(static_cast<DWORD>(b.size()), b.data()), b.size());
    EXPECT_EQ(a, b);
}

TEST(Dib, MonochromeBitmapsAndTheirOneBitTable)
{
    const BYTE rows[] = {0xA0, 0x00, 0x50, 0x00}; // WORD rows: 1010 / 0101
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(4, 2, 1, 1, rows));
    Canvas screen(1, 1);
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD));
    auto *bmi = reinterpret_cast<BITMAPINFO *>(info.data());
    bmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi->bmiHeader.biWidth = 4;
    bmi->bmiHeader.biHeight = -2;
    bmi->bmiHeader.biPlanes = 1;
    bmi->bmiHeader.biBitCount = 1;
    BYTE bits[8] = {};
    ASSERT_EQ(GetDIBits(screen.dc.m_hDC, mono, 0, 2, bits, bmi, DIB_RGB_COLORS), 2);
    EXPECT_EQ(bits[0], 0xA0);
    EXPECT_EQ(bits[4], 0x50);
    EXPECT_EQ(bmi->bmiColors[0].rgbRed, 0);
    EXPECT_EQ(bmi->bmiColors[1].rgbRed, 255);
    // A DIB made compatible with a fresh memory context is monochrome, as
    // that context holds a monochrome bitmap.
    DepthCase k = DepthCases()[3];
    Dib dib(4, 2, 24, {}, k.rows);
    CDC mem;
    mem.CreateCompatibleDC(nullptr);
    CBitmap made;
    made.Attach(
        CreateDIBitmap(mem.m_hDC, &dib.Info()->bmiHeader, CBM_INIT, dib.bits.data(), dib.Info(), DIB_RGB_COLORS));
    BITMAP bm{};
    ASSERT_TRUE(made.GetBitmap(&bm));
    EXPECT_EQ(bm.bmBitsPixel, 1);
}

TEST(Dib, SectionsShareTheirPixels)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    CBitmap section;
    section.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(section.m_hObject, nullptr);
    ASSERT_NE(bits, nullptr);
    auto *pixels = static_cast<DWORD *>(bits);
    pixels[1] = 0x00112233; // row 0, x 1: red 0x11, green 0x22, blue 0x33
    CDC mem;
    mem.CreateCompatibleDC(nullptr);
    CBitmap *old = mem.SelectObject(&section);
    EXPECT_EQ(mem.GetPixel(1, 0), RGB(0x11, 0x22, 0x33));
    mem.SetPixel(2, 1, RGB(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(pixels[3 + 2] & 0xFFFFFF, 0xAABBCCu);
    BITMAP bm{};
    ASSERT_TRUE(section.GetBitmap(&bm));
    EXPECT_EQ(bm.bmBits, bits);
    EXPECT_EQ(bm.bmWidthBytes, 12);
    mem.SelectObject(old);
    info.bmiHeader.biBitCount = 7; // no such depth
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
}

TEST(Dib, HeadersAreLittleEndianFields)
{
    BITMAPFILEHEADER file{0x4D42, 70, 0, 0, 54};
    BYTE bytes[kBitmapFileHeaderSize];
    WriteBitmapFileHeader(file, bytes);
    const BYTE expected[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    EXPECT_EQ(std::memcmp(bytes, expected, sizeof(expected)), 0);
    BITMAPFILEHEADER back{};
    ASSERT_TRUE(ReadBitmapFileHeader(bytes, sizeof(bytes), &back));
    EXPECT_EQ(back.bfOffBits, 54u);
    EXPECT_FALSE(ReadBitmapFileHeader(bytes, 13, &back));
    BITMAPINFOHEADER info{40, -3, 5, 1, 24, BI_RGB, 60, 2835, 2835, 0, 0};
    BYTE infoBytes[kBitmapInfoHeaderSize];
    WriteBitmapInfoHeader(info, infoBytes);
    EXPECT_EQ(infoBytes[4], 0xFD); // -3
    EXPECT_EQ(infoBytes[7], 0xFF);
    BITMAPINFOHEADER infoBack{};
    ASSERT_TRUE(ReadBitmapInfoHeader(infoBytes, sizeof(infoBytes), &infoBack));
    EXPECT_EQ(infoBack.biWidth, -3);
    EXPECT_EQ(infoBack.biSizeImage, 60u);
}

TEST(Dib, CorruptHeadersAreRefused)
{
    struct Case {
        const char *name;
        void (*spoil)(BITMAPINFOHEADER &);
    } cases[] = {
        {"header size", [](BITMAPINFOHEADER &h) { h.biSize = 12; }},
        {"depth", [](BITMAPINFOHEADER &h) { h.biBitCount = 7; }},
        {"width", [](BITMAPINFOHEADER &h) { h.biWidth = -4; }},
        {"height", [](BITMAPINFOHEADER &h) { h.biHeight = 0x7FFFFFFF; }},
        {"huge", [](BITMAPINFOHEADER &h) { h.biWidth = 30000, h.biHeight = 30000; }},
        {"colours", [](BITMAPINFOHEADER &h) { h.biClrUsed = 300; }},
        {"compression", [](BITMAPINFOHEADER &h) { h.biCompression = BI_RLE8; }},
        {"planes", [](BITMAPINFOHEADER &h) { h.biPlanes = 3; }},
    };
    for (const Case &k : cases) {
        Dib dib(4, 2, 8, Ramp(4), std::vector<BYTE>(8, 1));
        k.spoil(dib.Info()->bmiHeader);
        Canvas c(4, 2);
        EXPECT_EQ(
            StretchDIBits(c.dc.m_hDC, 0, 0, 4, 2, 0, 0, 4, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY), 0)
            << k.name;
        EXPECT_EQ(SetDIBitsToDevice(c.dc.m_hDC, 0, 0, 4, 2, 0, 0, 0, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS), 0)
            << k.name;
        EXPECT_EQ(
            CreateDIBitmap(c.dc.m_hDC, &dib.Info()->bmiHeader, CBM_INIT, dib.bits.data(), dib.Info(), DIB_RGB_COLORS),
            nullptr)
            << k.name;
        EXPECT_EQ(c.Count(RGB(255, 255, 255)), 8) << k.name;
    }
    Canvas c(2, 2);
    Dib dib(4, 2, 8, Ramp(4), std::vector<BYTE>(8, 1));
    EXPECT_EQ(StretchDIBits(c.dc.m_hDC, 0, 0, 4, 2, 0, 0, 4, 2, nullptr, dib.Info(), DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(c.dc.m_hDC, 0, 0, 4, 2, 0, 0, 4, 2, dib.bits.data(), dib.Info(), 9, SRCCOPY), 0);
}

TEST(Dib, ExtremeSourceRectanglesDrawNothingAndDoNotFail)
{
    DepthCase k = DepthCases()[3];
    Dib dib(4, 2, 24, {}, k.rows);
    Canvas c(4, 2);
    const int extremes[][4] = {{2147483647, 0, 4, 2},
                               {0, -2147483647 - 1, 4, 2},
                               {0, 0, -2147483647 - 1, 2},
                               {-5, -5, 2147483647, 2147483647}};
    for (const auto &e : extremes)
        StretchDIBits(c.dc.m_hDC, 0, 0, 4, 2, e[0], e[1], e[2], e[3], dib.bits.data(), dib.Info(), DIB_RGB_COLORS,
                      SRCCOPY);
    EXPECT_EQ(c.Count(RGB(255, 255, 255)), 8);
}

TEST(Dib, MirroringFollowsTheSignsWhateverTheRowOrder)
{
    DepthCase k = DepthCases()[3]; // 4 x 2, 24 bits
    struct Signs {
        int xDest, yDest, destW, destH, xSrc, ySrc, srcW, srcH;
        bool mirrorX, mirrorY;
    } signs[] = {
        {0, 0, 4, 2, 0, 0, 4, 2, false, false}, {4, 0, -4, 2, 0, 0, 4, 2, true, false},
        {0, 2, 4, -2, 0, 0, 4, 2, false, true}, {0, 0, 4, 2, 4, 0, -4, 2, true, false},
        {0, 0, 4, 2, 0, 2, 4, -2, false, true}, {4, 2, -4, -2, 4, 2, -4, -2, false, false},
    };
    for (LONG height : {2, -2}) {
        Dib dib(4, height, 24, {}, k.rows);
        // The picture as shown: a top-down DIB shows its first row on top.
        const COLORREF *shownTop = height > 0 ? k.top : k.bottom;
        const COLORREF *shownBottom = height > 0 ? k.bottom : k.top;
        for (const Signs &s : signs) {
            Canvas c(4, 2);
            EXPECT_NE(StretchDIBits(c.dc.m_hDC, s.xDest, s.yDest, s.destW, s.destH, s.xSrc, s.ySrc, s.srcW, s.srcH,
                                    dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY),
                      0);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 4; ++x) {
                    int sx = s.mirrorX ? 3 - x : x;
                    bool top = (y == 0) != s.mirrorY;
                    EXPECT_EQ(c.At(x, y), (top ? shownTop : shownBottom)[sx])
                        << "height " << height << " dest " << s.destW << "x" << s.destH << " source " << s.srcW << "x"
                        << s.srcH << " at " << x << "," << y;
                }
        }
    }
}
