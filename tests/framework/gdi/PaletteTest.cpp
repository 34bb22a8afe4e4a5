// Palettes (entries, selection, PALETTEINDEX colours, palette-indexed DIBs)
// and bitmaps loaded from the resource registry.
#include "GdiTestSupport.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/resources/ResourceImages.h"
#include "framework/resources/Resources.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace {

// A logical palette in one block.
struct LogPalette {
    std::vector<BYTE> bytes;
    explicit LogPalette(const std::vector<PALETTEENTRY> &entries)
        : bytes(sizeof(LOGPALETTE) + entries.size() * sizeof(PALETTEENTRY))
    {
        auto *p = Get();
        p->palVersion = 0x300;
        p->palNumEntries = static_cast<WORD>(entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
            p->palPalEntry[i] = entries[i];
    }
    LOGPALETTE *Get() { return reinterpret_cast<LOGPALETTE *>(bytes.data()); }
};

const std::vector<PALETTEENTRY> kEntries = {{10, 20, 30, 0}, {200, 0, 0, PC_RESERVED}, {0, 0, 250, 0}};

} // namespace

TEST(Palette, EntriesAndNearestIndex)
{
    LogPalette log(kEntries);
    CPalette pal;
    ASSERT_TRUE(pal.CreatePalette(log.Get()));
    EXPECT_EQ(pal.GetEntryCount(), 3);
    PALETTEENTRY out[3] = {};
    EXPECT_EQ(pal.GetPaletteEntries(1, 5, out), 2u);
    EXPECT_EQ(out[0].peRed, 200);
    EXPECT_EQ(out[0].peFlags, PC_RESERVED);
    EXPECT_EQ(pal.GetNearestPaletteIndex(RGB(190, 10, 5)), 1u);
    EXPECT_EQ(pal.GetNearestPaletteIndex(RGB(0, 0, 200)), 2u);
    PALETTEENTRY moved[2] = {{1, 1, 1, 0}, {2, 2, 2, 0}};
    pal.AnimatePalette(0, 2, moved); // only the reserved entry moves
    EXPECT_EQ(pal.GetPaletteEntries(0, 2, out), 2u);
    EXPECT_EQ(out[0].peRed, 10);
    EXPECT_EQ(out[1].peRed, 2);
    EXPECT_TRUE(pal.ResizePalette(5));
    EXPECT_EQ(pal.GetEntryCount(), 5);
    CPalette halftone;
    ASSERT_TRUE(halftone.CreateHalftonePalette(nullptr));
    EXPECT_EQ(halftone.GetEntryCount(), 256);
    PALETTEENTRY red{};
    halftone.GetPaletteEntries(halftone.GetNearestPaletteIndex(RGB(255, 0, 0)), 1, &red);
    EXPECT_EQ(RGB(red.peRed, red.peGreen, red.peBlue), RGB(255, 0, 0));
}

TEST(Palette, IndexColoursResolveThroughTheSelectedPalette)
{
    LogPalette log(kEntries);
    CPalette pal;
    ASSERT_TRUE(pal.CreatePalette(log.Get()));
    Canvas c(8, 8);
    CBrush brush(PALETTEINDEX(2));
    CRect left(0, 0, 4, 8), right(4, 0, 8, 8);
    c.dc.FillRect(&left, &brush); // the default palette's entry 2
    CPalette *old = c.dc.SelectPalette(&pal, FALSE);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->m_hObject, GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(c.dc.RealizePalette(), 0u);
    c.dc.FillRect(&right, &brush);
    c.dc.SetPixel(0, 0, PALETTEINDEX(1));
    EXPECT_EQ(c.At(1, 1), RGB(0, 128, 0));
    EXPECT_EQ(c.At(5, 5), RGB(0, 0, 250));
    EXPECT_EQ(c.At(0, 0), RGB(200, 0, 0));
    EXPECT_EQ(c.dc.SelectPalette(old, FALSE), &pal);
}

TEST(Palette, SetEntriesTakeEffectAtOnce)
{
    LogPalette log(kEntries);
    CPalette pal;
    ASSERT_TRUE(pal.CreatePalette(log.Get()));
    DibCanvas c(1, 1);
    CPalette *old = c.dc.SelectPalette(&pal, FALSE);
    c.dc.RealizePalette();
    struct Step {
        const char *name;
        std::function<void()> act;
        COLORREF index0, index1; // what PALETTEINDEX(0) and (1) draw afterwards
    } steps[] = {
        {"realized", [] {}, RGB(10, 20, 30), RGB(200, 0, 0)},
        // The next drawing takes the new entries, realized or not.
        {"entries set",
         [&] {
             PALETTEENTRY e[2] = {{1, 2, 3, 0}, {4, 5, 6, PC_RESERVED}};
             pal.SetPaletteEntries(0, 2, e);
         },
         RGB(1, 2, 3), RGB(4, 5, 6)},
        {"realized again", [&] { c.dc.RealizePalette(); }, RGB(1, 2, 3), RGB(4, 5, 6)},
        {"reserved entry animated",
         [&] {
             PALETTEENTRY e[2] = {{7, 7, 7, 0}, {8, 8, 8, PC_RESERVED}};
             pal.AnimatePalette(0, 2, e); // only the reserved entry moves, at once
         },
         RGB(1, 2, 3), RGB(8, 8, 8)},
    };
    for (const Step &s : steps) {
        s.act();
        c.dc.SetPixel(0, 0, PALETTEINDEX(0));
        EXPECT_EQ(c.At(0, 0), s.index0) << s.name;
        CBrush brush(PALETTEINDEX(1));
        CRect all(0, 0, 1, 1);
        c.dc.FillRect(&all, &brush);
        EXPECT_EQ(c.At(0, 0), s.index1) << s.name;
    }
    c.dc.SelectPalette(old, FALSE);
}

TEST(Palette, DibColourTablesCanIndexThePalette)
{
    LogPalette log(kEntries);
    CPalette pal;
    ASSERT_TRUE(pal.CreatePalette(log.Get()));
    Canvas c(2, 1);
    c.dc.SelectPalette(&pal, FALSE);
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 2 * sizeof(WORD) + 2);
    auto *bmi = reinterpret_cast<BITMAPINFO *>(info.data());
    bmi->bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 1, 1, 8, BI_RGB, 0, 0, 0, 2, 0};
    const WORD indexes[2] = {2, 0};
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), indexes, sizeof(indexes));
    const BYTE bits[4] = {0, 1, 0, 0};
    ASSERT_EQ(StretchDIBits(c.dc.m_hDC, 0, 0, 2, 1, 0, 0, 2, 1, bits, bmi, DIB_PAL_COLORS, SRCCOPY), 1);
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 250));
    EXPECT_EQ(c.At(1, 0), RGB(10, 20, 30));
}

TEST(Palette, BadPalettesAreRefused)
{
    LogPalette log(kEntries);
    CPalette pal;
    log.Get()->palVersion = 0x200;
    EXPECT_FALSE(pal.CreatePalette(log.Get()));
    log.Get()->palVersion = 0x300;
    log.Get()->palNumEntries = 0;
    EXPECT_FALSE(pal.CreatePalette(log.Get()));
    EXPECT_FALSE(pal.CreatePalette(nullptr));
    EXPECT_EQ(SelectPalette(nullptr, nullptr, FALSE), nullptr);
    EXPECT_EQ(RealizePalette(nullptr), GDI_ERROR);
}

TEST(LoadBitmap, FromAPackedDibResourceAndAnImageFile)
{
    // A 2x1 24-bit packed DIB: header, then one row (blue, green, red each).
    std::vector<BYTE> dib(kBitmapInfoHeaderSize + 8, 0);
    BITMAPINFOHEADER h{40, 2, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    WriteBitmapInfoHeader(h, dib.data());
    const BYTE row[] = {0, 0, 255, 255, 0, 0, 0, 0};
    std::memcpy(dib.data() + kBitmapInfoHeaderSize, row, sizeof(row));
    PlexoRegisterCustomResource(RT_BITMAP, 31001, dib.data(), static_cast<DWORD>(dib.size()));
    PlexoRegisterCustomResource(RT_BITMAP, 31002, dib.data(), static_cast<DWORD>(dib.size() - 3)); // cut short
    // A 2x1 RLE8 packed DIB (two entries: black, then blue): a run of two of entry 1.
    std::vector<BYTE> rle(kBitmapInfoHeaderSize + 8 + 4, 0);
    BITMAPINFOHEADER rh{40, 2, 1, 1, 8, BI_RLE8, 4, 0, 0, 2, 0};
    WriteBitmapInfoHeader(rh, rle.data());
    const BYTE rleTail[] = {0, 0, 0, 0, 255, 0, 0, 0, 2, 1, 0, 1};
    std::memcpy(rle.data() + kBitmapInfoHeaderSize, rleTail, sizeof(rleTail));
    PlexoRegisterCustomResource(RT_BITMAP, 31004, rle.data(), static_cast<DWORD>(rle.size()));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    QString path = QDir(dir.path()).filePath("picture.png");
    ASSERT_TRUE(picture.save(path));
    QByteArray utf8 = path.toUtf8();
    PlexoRegisterBitmap(31003, utf8.constData());

    struct Case {
        UINT id;
        bool loads;
        int width;
        COLORREF first;
        uint32_t firstWord; // as GetBitmapBits gives it: colours have a zero top byte
    } cases[] = {{31001, true, 2, RGB(255, 0, 0), 0x00FF0000u},
                 {31002, false, 0, 0, 0},
                 {31003, true, 3, RGB(10, 200, 30), 0x000AC81Eu},
                 {31004, true, 2, RGB(0, 0, 255), 0x000000FFu},
                 {31099, false, 0, 0, 0}};
    for (const Case &k : cases) {
        CBitmap bitmap;
        ASSERT_EQ(static_cast<bool>(bitmap.LoadBitmap(k.id)), k.loads) << k.id;
        if (!k.loads)
            continue;
        BITMAP bm{};
        bitmap.GetBitmap(&bm);
        EXPECT_EQ(bm.bmWidth, k.width);
        std::vector<uint32_t> words(static_cast<size_t>(bm.bmWidth * bm.bmHeight));
        EXPECT_EQ(bitmap.GetBitmapBits(static_cast<DWORD>(words.size() * 4), words.data()), words.size() * 4);
        EXPECT_EQ(words[0], k.firstWord) << k.id;
        CDC mem;
        mem.CreateCompatibleDC(nullptr);
        CBitmap *old = mem.SelectObject(&bitmap);
        EXPECT_EQ(mem.GetPixel(0, 0), k.first) << k.id;
        mem.SelectObject(old);
    }
}
