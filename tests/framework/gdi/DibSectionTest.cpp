// DIB sections at every depth the framework reads, top-down and bottom-up:
// the bytes behind bmBits are in the platform's row layout both ways, for
// what the program writes and for what drawing writes.
#include "GdiTestSupport.h"

#include "framework/gdi/DibHeaders.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 5;
constexpr int kHeight = 3;

struct SectionCase {
    const char *name;
    WORD bitCount;
    bool topDown;
    DWORD compression;
    std::vector<uint32_t> table;  // RGBQUAD words (0x00RRGGBB), or the three masks for BI_BITFIELDS
    COLORREF drawn;               // drawn at (2, 1) ...
    std::vector<BYTE> drawnBytes; // ... gives these bytes (at 1 and 4 bits: the byte holding the pixel)
    std::vector<BYTE> written;    // the program writes these bytes for (1, 0) (same rule) ...
    COLORREF read;                // ... and the context reads this colour there
};

std::vector<uint32_t> Greys()
{
    std::vector<uint32_t> t;
    for (uint32_t i = 0; i < 256; ++i)
        t.push_back(i * 0x010101u);
    return t;
}

const std::vector<uint32_t> kClassic16 = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                          0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                          0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

std::vector<SectionCase> Cases()
{
    std::vector<SectionCase> cases;
    for (bool topDown : {false, true}) {
        cases.push_back({"1 bit black and white",
                         1,
                         topDown,
                         BI_RGB,
                         {0x000000, 0xFFFFFF},
                         RGB(255, 255, 255),
                         {0x20},
                         {0x40},
                         RGB(255, 255, 255)});
        cases.push_back({"1 bit red and blue",
                         1,
                         topDown,
                         BI_RGB,
                         {0xFF0000, 0x0000FF},
                         RGB(0, 0, 200),
                         {0x20},
                         {0x40},
                         RGB(0, 0, 255)});
        cases.push_back({"4 bits", 4, topDown, BI_RGB, kClassic16, RGB(0, 0x80, 0), {0x20}, {0x09}, RGB(255, 0, 0)});
        cases.push_back({"8 bits of grey",
                         8,
                         topDown,
                         BI_RGB,
                         Greys(),
                         RGB(0x41, 0x40, 0x3F),
                         {0x40},
                         {0x80},
                         RGB(0x80, 0x80, 0x80)});
        cases.push_back({"16 bits 5-5-5",
                         16,
                         topDown,
                         BI_RGB,
                         {},
                         RGB(0xFF, 0x80, 0x08),
                         {0x01, 0x7E},
                         {0x1F, 0x00},
                         RGB(0, 0, 255)});
        cases.push_back({"16 bits 5-6-5",
                         16,
                         topDown,
                         BI_BITFIELDS,
                         {0xF800, 0x07E0, 0x001F},
                         RGB(0xFF, 0x80, 0x08),
                         {0x01, 0xFC},
                         {0xE0, 0x07},
                         RGB(0, 255, 0)});
        cases.push_back(
            {"24 bits", 24, topDown, BI_RGB, {}, RGB(1, 2, 3), {3, 2, 1}, {0x30, 0x20, 0x10}, RGB(0x10, 0x20, 0x30)});
        cases.push_back({"32 bits",
                         32,
                         topDown,
                         BI_RGB,
                         {},
                         RGB(1, 2, 3),
                         {3, 2, 1, 0},
                         {0x30, 0x20, 0x10, 0x80},
                         RGB(0x10, 0x20, 0x30)});
        cases.push_back({"32 bits 10-10-10",
                         32,
                         topDown,
                         BI_BITFIELDS,
                         {0x3FF00000, 0x000FFC00, 0x000003FF},
                         RGB(0xFF, 0, 0),
                         {0x00, 0x00, 0xF0, 0x3F},
                         {0x00, 0x00, 0x40, 0x00},
                         RGB(1, 0, 0)});
    }
    return cases;
}

struct Section {
    std::vector<BYTE> info;
    void *bits = nullptr;
    HBITMAP bitmap = nullptr;

    explicit Section(const SectionCase &c)
    {
        info.assign(kBitmapInfoHeaderSize + 4 * 256, 0);
        BITMAPINFOHEADER h{};
        h.biSize = kBitmapInfoHeaderSize;
        h.biWidth = kWidth;
        h.biHeight = c.topDown ? -kHeight : kHeight;
        h.biPlanes = 1;
        h.biBitCount = c.bitCount;
        h.biCompression = c.compression;
        h.biClrUsed = c.bitCount <= 8 ? static_cast<DWORD>(c.table.size()) : 0;
        std::memcpy(info.data(), &h, sizeof(h));
        for (size_t i = 0; i < c.table.size(); ++i)
            std::memcpy(info.data() + kBitmapInfoHeaderSize + 4 * i, &c.table[i], 4);
        bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO *>(info.data()), DIB_RGB_COLORS, &bits,
                                  nullptr, 0);
    }
    ~Section() { DeleteObject(bitmap); }
};

// The byte offset of pixel (x, y) in the platform's layout: rows padded to
// 32 bits, the bottom row first unless top-down, pixels packed from the
// high bits of a byte at 1 and 4 bits.
size_t Offset(const SectionCase &c, int x, int y)
{
    size_t stride = ((static_cast<size_t>(kWidth) * c.bitCount + 31) / 32) * 4;
    size_t row = static_cast<size_t>(c.topDown ? y : kHeight - 1 - y);
    return row * stride + static_cast<size_t>(x) * c.bitCount / 8;
}

} // namespace

TEST(DibSections, BitsAreInThePlatformsRowLayoutBothWays)
{
    for (const SectionCase &c : Cases()) {
        std::string name = std::string(c.name) + (c.topDown ? " top-down" : " bottom-up");
        Section s(c);
        ASSERT_NE(s.bitmap, nullptr) << name;
        ASSERT_NE(s.bits, nullptr) << name;
        auto *bytes = static_cast<BYTE *>(s.bits);
        DWORD stride = ((kWidth * c.bitCount + 31) / 32) * 4;

        DIBSECTION ds{};
        ASSERT_EQ(GetObject(s.bitmap, sizeof(ds), &ds), static_cast<int>(sizeof(ds))) << name;
        EXPECT_EQ(ds.dsBm.bmBits, s.bits) << name;
        EXPECT_EQ(ds.dsBm.bmWidthBytes, static_cast<LONG>(stride)) << name;
        EXPECT_EQ(ds.dsBm.bmBitsPixel, c.bitCount) << name;
        EXPECT_EQ(ds.dsBmih.biHeight, c.topDown ? -kHeight : kHeight) << name;
        EXPECT_EQ(ds.dsBmih.biSizeImage, stride * kHeight) << name;
        BITMAP bm{};
        ASSERT_EQ(GetObject(s.bitmap, sizeof(bm), &bm), static_cast<int>(sizeof(bm))) << name;
        EXPECT_EQ(bm.bmBits, s.bits) << name;

        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        HGDIOBJ old = SelectObject(dc.m_hDC, s.bitmap);
        // What the program writes, the context reads.
        std::memcpy(bytes + Offset(c, 1, 0), c.written.data(), c.written.size());
        EXPECT_EQ(dc.GetPixel(1, 0), c.read) << name;
        // What the context draws lands in the bytes, matched to what they can hold.
        dc.FillSolidRect(2, 1, 1, 1, c.drawn);
        for (size_t i = 0; i < c.drawnBytes.size(); ++i)
            EXPECT_EQ(bytes[Offset(c, 2, 1) + i], c.drawnBytes[i]) << name << " byte " << i;
        // The other rows are untouched zero bytes.
        size_t otherRow = Offset(c, 0, 2);
        for (size_t i = 0; i < stride; ++i)
            ASSERT_EQ(bytes[otherRow + i], 0) << name;
        SelectObject(dc.m_hDC, old);
    }
}

TEST(DibSections, DrawingReadsBackWhatTheBitsHoldAndTransfersTheirWords)
{
    // An 8-bit section keeps table colours only: drawing reads back the nearest.
    SectionCase grey = Cases()[3];
    Section s(grey);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.m_hDC, s.bitmap);
    dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(0x41, 0x40, 0x3F));
    EXPECT_EQ(dc.GetPixel(4, 2), RGB(0x40, 0x40, 0x40));
    // A transfer out of a bottom-up 32-bit section carries the words' top bytes.
    SelectObject(dc.m_hDC, old);
    SectionCase words = Cases()[7];
    ASSERT_EQ(words.bitCount, 32);
    Section w(words);
    std::vector<uint32_t> fill(kWidth * kHeight, 0x80102030u);
    std::memcpy(w.bits, fill.data(), fill.size() * 4);
    SelectObject(dc.m_hDC, w.bitmap);
    CDC target;
    ASSERT_TRUE(target.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(kWidth, kHeight, 1, 32, nullptr));
    CBitmap *previous = target.SelectObject(&bitmap);
    ASSERT_TRUE(target.BitBlt(0, 0, kWidth, kHeight, &dc, 0, 0, SRCCOPY));
    uint32_t out[kWidth * kHeight] = {};
    EXPECT_EQ(bitmap.GetBitmapBits(sizeof(out), out), sizeof(out));
    EXPECT_EQ(out[7], 0x80102030u);
    target.SelectObject(previous);
    SelectObject(dc.m_hDC, old);
}

TEST(DibSections, DibIndexColoursTakeTheSectionsTableEntry)
{
    struct Case {
        size_t section; // index into Cases()
        COLORREF colour;
        BYTE byte; // the byte holding pixel (2, 1)
    } cases[] = {
        {3, DIBINDEX(0x42), 0x42}, // 8-bit grey table
        {2, DIBINDEX(9), 0x9F},    // 4-bit classic table: entry 9 beside white (15)
        {3, DIBINDEX(300), 0x00},  // past the table: black
        {7, DIBINDEX(5), 0x00},    // no table (32 bits): black
    };
    for (const Case &c : cases) {
        SectionCase sc = Cases()[c.section];
        Section s(sc);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        HGDIOBJ old = SelectObject(dc.m_hDC, s.bitmap);
        dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
        CBrush brush(c.colour);
        CRect pixel(2, 1, 3, 2);
        dc.FillRect(&pixel, &brush);
        EXPECT_EQ(static_cast<BYTE *>(s.bits)[Offset(sc, 2, 1)], c.byte) << sc.name << " " << std::hex << c.colour;
        SelectObject(dc.m_hDC, old);
    }
}

TEST(DibSections, ProgramWritesAndDrawingInterleaveRowByRow)
{
    SectionCase grey = Cases()[3]; // 8 bits, bottom-up
    ASSERT_FALSE(grey.topDown);
    Section s(grey);
    auto *bytes = static_cast<BYTE *>(s.bits);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.m_hDC, s.bitmap);
    bytes[Offset(grey, 0, 0)] = 0x10;
    dc.SetPixel(4, 2, RGB(0x20, 0x20, 0x20));
    EXPECT_EQ(bytes[Offset(grey, 4, 2)], 0x20);
    EXPECT_EQ(bytes[Offset(grey, 0, 0)], 0x10);
    bytes[Offset(grey, 4, 2)] = 0x30;
    EXPECT_EQ(dc.GetPixel(4, 2), RGB(0x30, 0x30, 0x30));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0x10, 0x10, 0x10));
    CPen pen(PS_SOLID, 0, RGB(0x50, 0x50, 0x50));
    CPen *oldPen = dc.SelectObject(&pen);
    dc.MoveTo(0, 1);
    dc.LineTo(kWidth, 1);
    for (int x = 0; x < kWidth; ++x)
        EXPECT_EQ(bytes[Offset(grey, x, 1)], 0x50) << x;
    EXPECT_EQ(bytes[Offset(grey, 0, 0)], 0x10);
    EXPECT_EQ(bytes[Offset(grey, 4, 2)], 0x30);
    dc.SelectObject(oldPen);
    SelectObject(dc.m_hDC, old);
}

// Only 0x10FF in the high word marks a DIB index; another colour with a top
// byte of 0x10 is plain RGB.
TEST(DibSections, OnlyTheDibIndexHighWordIndexesTheTable)
{
    const struct {
        COLORREF colour;
        COLORREF drawn;
    } cases[] = {
        {0x10000001u, RGB(1, 0, 0)},
        {0x10203040u, RGB(0x40, 0x30, 0x20)},
        {DIBINDEX(1), RGB(0, 0, 0)}, // no colour table at 32 bits: black
    };
    for (const auto &c : cases) {
        DibCanvas canvas(4, 4);
        CBrush brush(c.colour);
        CRect pixel(1, 1, 2, 2);
        canvas.dc.FillRect(&pixel, &brush);
        EXPECT_EQ(canvas.At(1, 1), c.drawn) << std::hex << c.colour;
        canvas.dc.SetPixel(2, 2, c.colour);
        EXPECT_EQ(canvas.At(2, 2), c.drawn) << std::hex << c.colour;
    }
}

// A BI_RGB section has no colour masks to report; a BI_BITFIELDS one its own.
TEST(DibSections, OnlyBitFieldSectionsReportMasks)
{
    for (const SectionCase &c : Cases()) {
        if (c.bitCount < 16)
            continue;
        Section s(c);
        DIBSECTION ds{};
        ds.dsBitfields[0] = ds.dsBitfields[1] = ds.dsBitfields[2] = 0xDEADBEEF;
        ASSERT_EQ(GetObject(s.bitmap, sizeof(ds), &ds), static_cast<int>(sizeof(ds))) << c.name;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ds.dsBitfields[i], c.compression == BI_BITFIELDS ? c.table[static_cast<size_t>(i)] : 0u)
                << c.name << " mask " << i;
    }
}
