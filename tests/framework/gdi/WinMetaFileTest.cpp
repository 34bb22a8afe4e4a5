#include "GdiTestSupport.h"

#include "framework/gdi/WinMetaFile.h"

#include <cstring>
#include <functional>
#include <initializer_list>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Windows metafile bytes from records of 16-bit parameters (published layout).
class WmfBuilder {
public:
    explicit WmfBuilder(WORD objects = 4) : m_objects(objects) {}

    WmfBuilder &Add(WORD function, std::initializer_list<WORD> params)
    {
        return AddWords(function, std::vector<WORD>(params));
    }
    WmfBuilder &AddWords(WORD function, const std::vector<WORD> &params)
    {
        const DWORD words = static_cast<DWORD>(3 + params.size());
        m_records.push_back(static_cast<WORD>(words & 0xFFFF));
        m_records.push_back(static_cast<WORD>(words >> 16));
        m_records.push_back(function);
        m_records.insert(m_records.end(), params.begin(), params.end());
        return *this;
    }

    std::vector<BYTE> Bytes(bool placeable = false) const
    {
        std::vector<WORD> words = {1, 9, 0x300, 0, 0, m_objects, 0, 0, 0};
        words.insert(words.end(), m_records.begin(), m_records.end());
        words.insert(words.end(), {3, 0, 0}); // end record
        const DWORD size = static_cast<DWORD>(words.size());
        words[3] = static_cast<WORD>(size & 0xFFFF);
        words[4] = static_cast<WORD>(size >> 16);
        // Placed into a buffer of the final size: growing the vector by two
        // inserts draws a false -Wstringop-overflow from GCC 12's release build.
        const WORD head[11] = {0xCDD7, 0x9AC6, 0, 0, 0, 200, 100, 1440, 0, 0, 0};
        const size_t headSize = placeable ? sizeof(head) : 0;
        std::vector<BYTE> bytes(headSize + 2 * words.size());
        std::memcpy(bytes.data(), head, headSize);
        std::memcpy(bytes.data() + headSize, words.data(), 2 * words.size());
        return bytes;
    }

private:
    WORD m_objects;
    std::vector<WORD> m_records;
};

constexpr WORD SETWINDOWORG = 0x020B, SETWINDOWEXT = 0x020C, CREATEBRUSHINDIRECT = 0x02FC, CREATEPENINDIRECT = 0x02FA,
               SELECTOBJECT = 0x012D, DELETEOBJECT = 0x01F0, RECTANGLE = 0x041B, STRETCHDIB = 0x0F43, TEXTOUT = 0x0521,
               ESCAPE = 0x0626, SETMAPMODE = 0x0103, SAVEDC = 0x001E, RESTOREDC = 0x0127;

WORD Lo(COLORREF c)
{
    return static_cast<WORD>(c & 0xFFFF);
}
WORD Hi(COLORREF c)
{
    return static_cast<WORD>(c >> 16);
}

// A 200x100 window with a red rectangle over its top-left quarter, no outline.
WmfBuilder RedQuarter()
{
    WmfBuilder b;
    b.Add(SETMAPMODE, {MM_ANISOTROPIC})
        .Add(SETWINDOWORG, {0, 0})
        .Add(SETWINDOWEXT, {100, 200})
        .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kRed), Hi(kRed), 0})
        .Add(SELECTOBJECT, {0})
        .Add(CREATEPENINDIRECT, {PS_NULL, 0, 0, 0, 0})
        .Add(SELECTOBJECT, {1})
        .Add(ESCAPE, {15, 0})
        .Add(RECTANGLE, {50, 100, 0, 0});
    return b;
}

HENHMETAFILE Convert(const std::vector<BYTE> &bytes)
{
    return SetWinMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data(), nullptr, nullptr);
}

void Play(Canvas &canvas, HENHMETAFILE emf, RECT target)
{
    EXPECT_TRUE(PlayEnhMetaFile(canvas.dc.m_hDC, emf, &target));
}

TEST(WinMetaFile, WindowStretchesOntoTheRectangleWithOrWithoutPlaceableHeader)
{
    for (bool placeable : {false, true}) {
        SCOPED_TRACE(placeable);
        HENHMETAFILE emf = Convert(RedQuarter().Bytes(placeable));
        ASSERT_NE(emf, nullptr);
        Canvas small(120, 60);
        Play(small, emf, RECT{0, 0, 100, 50});
        EXPECT_EQ(small.BoundsNot(kWhite), CRect(0, 0, 49, 24)); // half size, the fill a pixel short
        Canvas large(420, 220);
        Play(large, emf, RECT{10, 10, 410, 210});
        EXPECT_EQ(large.BoundsNot(kWhite), CRect(10, 10, 209, 109));
        DeleteEnhMetaFile(emf);
    }
}

TEST(WinMetaFile, NewObjectsTakeTheLowestFreeSlot)
{
    WmfBuilder b(3);
    b.Add(SETWINDOWEXT, {100, 100})
        .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kRed), Hi(kRed), 0}) // slot 0
        .Add(CREATEPENINDIRECT, {PS_NULL, 0, 0, 0, 0})               // slot 1
        .Add(SELECTOBJECT, {1})
        .Add(DELETEOBJECT, {0})
        .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kGreen), Hi(kGreen), 0}) // slot 0 again
        .Add(SELECTOBJECT, {0})
        .Add(RECTANGLE, {50, 50, 0, 0});
    HENHMETAFILE emf = Convert(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(100, 100);
    Play(canvas, emf, RECT{0, 0, 100, 100});
    EXPECT_EQ(canvas.At(20, 20), kGreen);
    EXPECT_EQ(canvas.Count(kRed), 0);
    DeleteEnhMetaFile(emf);
}

std::vector<WORD> DibWords(LONG width, LONG height, const std::vector<BYTE> &rows)
{
    std::vector<BYTE> bytes(40, 0);
    const DWORD fields[] = {40, DWORD(width), DWORD(height)};
    std::memcpy(bytes.data(), fields, sizeof fields);
    bytes[12] = 1;  // planes
    bytes[14] = 24; // bits
    bytes.insert(bytes.end(), rows.begin(), rows.end());
    bytes.resize((bytes.size() + 1) & ~size_t(1), 0);
    std::vector<WORD> words(bytes.size() / 2);
    std::memcpy(words.data(), bytes.data(), bytes.size());
    return words;
}

TEST(WinMetaFile, DibTransferAndTextAreConverted)
{
    // 2x2, bottom row blue and green, top row red and white; drawn 40x40 at (10,10).
    const std::vector<BYTE> rows = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    std::vector<WORD> params = {0x0020, 0x00CC, DIB_RGB_COLORS, 2, 2, 0, 0, 40, 40, 10, 10};
    const std::vector<WORD> dib = DibWords(2, 2, rows);
    params.insert(params.end(), dib.begin(), dib.end());
    WmfBuilder b;
    b.Add(SETWINDOWEXT, {100, 100}).AddWords(STRETCHDIB, params).Add(TEXTOUT, {2, 'H' | 'i' << 8, 60, 55});
    HENHMETAFILE emf = Convert(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(100, 100);
    Play(canvas, emf, RECT{0, 0, 100, 100});
    EXPECT_EQ(canvas.At(15, 15), kRed);
    EXPECT_EQ(canvas.At(45, 15), kWhite);
    EXPECT_EQ(canvas.At(15, 45), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(45, 45), kGreen);
    int dark = 0;
    for (int y = 60; y < 80; ++y)
        for (int x = 55; x < 80; ++x)
            dark += canvas.At(x, y) == RGB(0, 0, 0);
    EXPECT_GT(dark, 5);
    DeleteEnhMetaFile(emf);
}

TEST(WinMetaFile, DibSourceRectanglesBeyondThePictureAreClipped)
{
    // The same 2x2 picture with a source rectangle twice as wide as the picture:
    // only the picture's part is drawn, into the left half of the destination.
    const std::vector<BYTE> rows = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    const std::vector<WORD> dib = DibWords(2, 2, rows);
    std::vector<WORD> wide = {0x0020, 0x00CC, DIB_RGB_COLORS, 2, 4, 0, 0, 40, 40, 10, 10};
    wide.insert(wide.end(), dib.begin(), dib.end());
    // A source rectangle of 32767 x 32767 pixels over the same picture would
    // need gigabytes if it were copied whole.
    std::vector<WORD> huge = {0x0020, 0x00CC, DIB_RGB_COLORS, 0x7FFF, 0x7FFF, 0, 0, 40, 40, 50, 50};
    huge.insert(huge.end(), dib.begin(), dib.end());
    WmfBuilder b;
    b.Add(SETWINDOWEXT, {100, 100}).AddWords(STRETCHDIB, wide).AddWords(STRETCHDIB, huge);
    HENHMETAFILE emf = Convert(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(100, 100);
    Play(canvas, emf, RECT{0, 0, 100, 100});
    EXPECT_EQ(canvas.At(15, 15), kRed);
    EXPECT_EQ(canvas.At(15, 45), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(25, 45), kGreen);
    EXPECT_EQ(canvas.At(35, 45), kWhite); // the part of the source beyond the picture
    DeleteEnhMetaFile(emf);
}

TEST(WinMetaFile, CorruptFilesAreRefused)
{
    const std::vector<BYTE> good = RedQuarter().Bytes();
    auto edit = [&](size_t at, WORD value) {
        std::vector<BYTE> bytes = good;
        std::memcpy(bytes.data() + at, &value, 2);
        return bytes;
    };
    struct Case {
        const char *name;
        std::vector<BYTE> bytes;
    };
    const std::vector<Case> cases = {
        {"empty", {}},
        {"truncated header", std::vector<BYTE>(good.begin(), good.begin() + 10)},
        {"unknown type", edit(0, 7)},
        {"header size not nine words", edit(2, 12)},
        {"size beyond the file", edit(6, static_cast<WORD>(good.size() / 2 + 1))},
        {"size below the header", edit(6, 4)},
        {"record size zero", edit(18, 0)},
        {"record past the end", edit(18, 0x7FFF)},
        {"cut before the end record", std::vector<BYTE>(good.begin(), good.end() - 6)},
        {"placeable key with nothing after", {0xD7, 0xCD, 0xC6, 0x9A, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HENHMETAFILE emf = Convert(c.bytes);
        EXPECT_EQ(emf, nullptr);
        if (emf)
            DeleteEnhMetaFile(emf);
    }
}

constexpr WORD CREATEREGION = 0x06FF, FILLREGION = 0x0228, FRAMEREGION = 0x0429, PAINTREGION = 0x012B,
               INVERTREGION = 0x012A, SELECTCLIPREGION = 0x012C;

// A region record's words: the header, then each scan (top, bottom and its
// left-right pairs) with its count before and after.
std::vector<WORD> RegionWords(const std::vector<std::pair<std::pair<short, short>, std::vector<short>>> &scans)
{
    std::vector<WORD> words = {0, 6, 0, 0, 0, static_cast<WORD>(scans.size()), 0, 0, 0, 0, 0};
    for (const auto &scan : scans) {
        const WORD count = static_cast<WORD>(scan.second.size());
        words.push_back(count);
        words.push_back(static_cast<WORD>(scan.first.first));
        words.push_back(static_cast<WORD>(scan.first.second));
        for (short x : scan.second)
            words.push_back(static_cast<WORD>(x));
        words.push_back(count);
    }
    return words;
}

TEST(WinMetaFile, RegionsFillFramePaintInvertAndClip)
{
    // Two bands: y 10-30 at x 10-30 and 50-70, y 30-40 at x 10-70.
    const std::vector<WORD> region = RegionWords({{{10, 30}, {10, 30, 50, 70}}, {{30, 40}, {10, 70}}});
    struct Probe {
        int x, y;
        COLORREF colour;
    };
    struct Case {
        const char *name;
        std::function<void(WmfBuilder &)> records;
        std::vector<Probe> probes;
    };
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    const Case cases[] = {
        {"fill",
         [](WmfBuilder &b) {
             b.Add(FILLREGION, {1, 0});
         },
         {{15, 15, kRed}, {55, 15, kRed}, {40, 15, kWhite}, {40, 35, kRed}, {80, 35, kWhite}, {15, 5, kWhite}}},
        {"frame",
         [](WmfBuilder &b) {
             b.Add(FRAMEREGION, {1, 0, 2, 2});
         },
         {{10, 15, kRed}, {11, 15, kRed}, {15, 15, kWhite}, {40, 39, kRed}, {40, 36, kWhite}}},
        {"paint with the selected brush",
         [](WmfBuilder &b) { b.Add(SELECTOBJECT, {0}).Add(PAINTREGION, {1}); },
         {{15, 15, kRed}, {40, 15, kWhite}}},
        {"invert",
         [](WmfBuilder &b) { b.Add(INVERTREGION, {1}); },
         {{15, 15, kBlack}, {40, 15, kWhite}, {40, 35, kBlack}}},
        {"clip",
         [](WmfBuilder &b) {
             b.Add(SELECTCLIPREGION, {1})
                 .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kGreen), Hi(kGreen), 0})
                 .Add(SELECTOBJECT, {2})
                 .Add(RECTANGLE, {100, 100, 0, 0});
         },
         {{15, 15, kGreen}, {40, 15, kWhite}, {40, 35, kGreen}, {5, 5, kWhite}, {80, 80, kWhite}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        WmfBuilder b;
        b.Add(SETMAPMODE, {MM_ANISOTROPIC})
            .Add(SETWINDOWORG, {0, 0})
            .Add(SETWINDOWEXT, {100, 100})
            .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kRed), Hi(kRed), 0})
            .AddWords(CREATEREGION, region);
        c.records(b);
        HENHMETAFILE emf = Convert(b.Bytes());
        ASSERT_NE(emf, nullptr);
        Canvas canvas(100, 100);
        Play(canvas, emf, RECT{0, 0, 100, 100});
        for (const Probe &probe : c.probes)
            EXPECT_EQ(canvas.At(probe.x, probe.y), probe.colour) << probe.x << "," << probe.y;
        DeleteEnhMetaFile(emf);
    }
}

TEST(WinMetaFile, ARegionThatDoesNotHoldTogetherStillTakesItsSlot)
{
    const std::vector<std::vector<WORD>> broken = {
        {0, 6, 0, 0, 0, 1, 0, 0, 0, 0, 0, 3, 10, 30, 10, 30, 50, 3}, // odd count
        {0, 6, 0, 0, 0, 1, 0, 0, 0, 0, 0, 2, 10, 30, 10, 30, 4},     // counts disagree
        {0, 6, 0, 0, 0, 9, 0, 0, 0, 0, 0, 2, 10, 30, 10, 30, 2},     // more scans than words
        {0, 6, 0},                                                   // header cut short
    };
    for (const std::vector<WORD> &words : broken) {
        WmfBuilder b;
        b.Add(SETWINDOWEXT, {100, 100})
            .AddWords(CREATEREGION, words)
            .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kRed), Hi(kRed), 0})
            .Add(FILLREGION, {0, 1}) // the empty region fills nothing
            .Add(SELECTOBJECT, {1})
            .Add(RECTANGLE, {30, 30, 0, 0});
        HENHMETAFILE emf = Convert(b.Bytes());
        ASSERT_NE(emf, nullptr);
        Canvas canvas(100, 100);
        Play(canvas, emf, RECT{0, 0, 100, 100});
        EXPECT_EQ(canvas.At(10, 10), kRed);
        EXPECT_EQ(canvas.At(60, 60), kWhite);
        DeleteEnhMetaFile(emf);
    }
}

TEST(WinMetaFile, HostileRecordsAreSkipped)
{
    std::vector<WORD> hugeDib = {0x0020, 0x00CC, DIB_RGB_COLORS, 2, 2, 0, 0, 40, 40, 10, 10};
    const std::vector<WORD> dib = DibWords(100000, 100000, std::vector<BYTE>(16, 0));
    hugeDib.insert(hugeDib.end(), dib.begin(), dib.end());
    WmfBuilder b(2);
    b.Add(SETWINDOWEXT, {100, 100})
        .Add(SELECTOBJECT, {50}) // outside the table
        .Add(SELECTOBJECT, {1})  // empty slot
        .Add(DELETEOBJECT, {9})
        .AddWords(STRETCHDIB, hugeDib)           // header far larger than its bits
        .Add(0x0324, {1000, 1, 1})               // polygon: count beyond the record
        .Add(TEXTOUT, {500, 'a'})                // text count beyond the record
        .Add(RESTOREDC, {static_cast<WORD>(-3)}) // nothing saved
        .Add(SAVEDC, {})
        .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kRed), Hi(kRed), 0})
        .Add(CREATEBRUSHINDIRECT, {BS_SOLID, Lo(kGreen), Hi(kGreen), 0})
        .Add(CREATEBRUSHINDIRECT, {BS_SOLID, 0, 0, 0}) // no slot left: dropped
        .Add(SELECTOBJECT, {0})
        .Add(RECTANGLE, {30, 30, 0, 0});
    HENHMETAFILE emf = Convert(b.Bytes());
    ASSERT_NE(emf, nullptr);
    Canvas canvas(100, 100);
    Play(canvas, emf, RECT{0, 0, 100, 100});
    EXPECT_EQ(canvas.At(10, 10), kRed);
    EXPECT_EQ(canvas.At(60, 60), kWhite);
    DeleteEnhMetaFile(emf);
}

} // namespace
