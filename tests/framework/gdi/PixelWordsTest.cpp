// Drawing results as exact 32-bit pixel words and pixel positions, where the
// platform's rules decide them: the top byte of pixels, line tie-breaks,
// channel widening, colour flags and compressed DIBs. (Hatch rows are in
// the brush tests.)
#include "GdiTestSupport.h"

#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/Icon.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

// A memory context on a 32-bit bitmap whose words start as given, read
// back word for word.
struct WordBitmap {
    CDC dc;
    CBitmap bitmap;
    CBitmap *previous = nullptr;
    int width;
    int height;

    WordBitmap(int w, int h, uint32_t fill) : width(w), height(h)
    {
        std::vector<uint32_t> words(static_cast<size_t>(w * h), fill);
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_TRUE(bitmap.CreateBitmap(w, h, 1, 32, words.data()));
        previous = dc.SelectObject(&bitmap);
    }
    ~WordBitmap() { dc.SelectObject(previous); }

    uint32_t Word(int x, int y)
    {
        std::vector<uint32_t> words(static_cast<size_t>(width * height));
        EXPECT_EQ(bitmap.GetBitmapBits(static_cast<DWORD>(words.size() * 4), words.data()), words.size() * 4);
        return words[static_cast<size_t>(y * width + x)];
    }
};

struct WordCase {
    const char *name;
    uint32_t before;
    std::function<void(CDC &)> draw; // draws over the pixel (1, 1)
    uint32_t after;
};

} // namespace

TEST(PixelWords, DrawingWritesWholeWordsAsThePlatformDoes)
{
    const WordCase cases[] = {
        {"PatBlt PATCOPY writes a zero top byte", 0xCCCCCCCCu,
         [](CDC &dc) {
             CBrush brush(RGB(0x33, 0xAA, 0xFF));
             CBrush *old = dc.SelectObject(&brush);
             dc.PatBlt(0, 0, 4, 4, PATCOPY);
             dc.SelectObject(old);
         },
         0x0033AAFFu},
        {"FillSolidRect writes a zero top byte", 0xCCCCCCCCu,
         [](CDC &dc) { dc.FillSolidRect(0, 0, 4, 4, RGB(0x12, 0x34, 0x56)); }, 0x00123456u},
        {"SetPixel writes a zero top byte", 0xFFFFFFFFu, [](CDC &dc) { dc.SetPixel(1, 1, RGB(1, 2, 3)); }, 0x00010203u},
        {"PatBlt DSTINVERT inverts all 32 bits", 0xCCCCCCCCu, [](CDC &dc) { dc.PatBlt(0, 0, 4, 4, DSTINVERT); },
         0x33333333u},
        {"R2_NOT inverts all 32 bits", 0xCCCCCCCCu,
         [](CDC &dc) {
             dc.SetROP2(R2_NOT);
             dc.MoveTo(0, 1);
             dc.LineTo(4, 1);
         },
         0x33333333u},
        {"R2_XORPEN leaves the top byte", 0xCCCCCCCCu,
         [](CDC &dc) {
             dc.SetROP2(R2_XORPEN);
             CBrush brush(RGB(0xFF, 0, 0x0F));
             CBrush *old = dc.SelectObject(&brush);
             dc.SelectStockObject(NULL_PEN);
             dc.Rectangle(0, 0, 5, 5);
             dc.SelectObject(old);
         },
         0xCC33CCC3u},
        {"TextOut writes zero top bytes", 0xCCCCCCCCu,
         [](CDC &dc) {
             // Text and background in one colour: every pixel of the cell takes it.
             dc.SetTextColor(RGB(0x12, 0x34, 0x56));
             dc.SetBkColor(RGB(0x12, 0x34, 0x56));
             dc.SetBkMode(OPAQUE);
             dc.TextOut(0, 0, CString("WW"));
         },
         0x00123456u},
        {"BLACKNESS clears the whole word", 0xCCCCCCCCu, [](CDC &dc) { dc.PatBlt(0, 0, 4, 4, BLACKNESS); }, 0u},
        {"WHITENESS sets the whole word", 0x00000000u, [](CDC &dc) { dc.PatBlt(0, 0, 4, 4, WHITENESS); }, 0xFFFFFFFFu},
    };
    for (const WordCase &c : cases) {
        WordBitmap target(4, 4, c.before);
        c.draw(target.dc);
        EXPECT_EQ(target.Word(1, 1), c.after) << c.name;
    }
}

TEST(PixelWords, TransfersCarryTheSourceTopByte)
{
    struct Case {
        DWORD rop;
        uint32_t after;
    } cases[] = {
        {SRCCOPY, 0x80123456u},
        {SRCINVERT, 0x80123456u ^ 0xCCCCCCCCu},
        {SRCAND, 0x80123456u & 0xCCCCCCCCu},
        {NOTSRCCOPY, ~0x80123456u},
    };
    for (const Case &c : cases) {
        WordBitmap source(4, 4, 0x80123456u);
        WordBitmap target(4, 4, 0xCCCCCCCCu);
        EXPECT_TRUE(target.dc.BitBlt(0, 0, 4, 4, &source.dc, 0, 0, c.rop));
        EXPECT_EQ(target.Word(1, 1), c.after) << std::hex << c.rop;
        // Stretched transfers take the same words.
        WordBitmap stretched(4, 4, 0xCCCCCCCCu);
        EXPECT_TRUE(stretched.dc.StretchBlt(0, 0, 4, 4, &source.dc, 0, 0, 2, 2, c.rop));
        EXPECT_EQ(stretched.Word(1, 1), c.after) << std::hex << c.rop << " stretched";
    }
}

TEST(PixelWords, WindowImagesGiveColoursWithAZeroTopByte)
{
    Canvas window(4, 4, RGB(0x12, 0x34, 0x56));
    WordBitmap target(4, 4, 0xCCCCCCCCu);
    EXPECT_TRUE(target.dc.BitBlt(0, 0, 4, 4, &window.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(target.Word(1, 1), 0x00123456u);
    WordBitmap stretched(4, 4, 0xCCCCCCCCu);
    EXPECT_TRUE(stretched.dc.StretchBlt(0, 0, 4, 4, &window.dc, 0, 0, 2, 2, SRCINVERT));
    EXPECT_EQ(stretched.Word(1, 1), 0x00123456u ^ 0xCCCCCCCCu);
}

TEST(PixelWords, IconsDrawTheirColoursWithAZeroTopByte)
{
    // An opaque icon (mask all 0) of one colour: its pixels replace the target's words.
    std::vector<uint32_t> colourWords(4 * 4, 0x00112233u);
    CBitmap colour, mask;
    ASSERT_TRUE(colour.CreateBitmap(4, 4, 1, 32, colourWords.data()));
    ASSERT_TRUE(mask.CreateBitmap(4, 4, 1, 1, nullptr));
    ICONINFO info{TRUE, 0, 0, static_cast<HBITMAP>(mask.m_hObject), static_cast<HBITMAP>(colour.m_hObject)};
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    WordBitmap target(4, 4, 0xCCCCCCCCu);
    EXPECT_TRUE(DrawIconEx(target.dc.m_hDC, 0, 0, icon, 4, 4, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(target.Word(1, 1), 0x00112233u);
    PlexoDestroyGdiIcon(icon);
}

TEST(PixelWords, GradientFillsWriteTheVerticesAlpha)
{
    WordBitmap target(4, 4, 0xCCCCCCCCu);
    TRIVERTEX v[2] = {{0, 0, 0x1200, 0x3400, 0x5600, 0x8000}, {4, 4, 0x1200, 0x3400, 0x5600, 0x8000}};
    GRADIENT_RECT r{0, 1};
    EXPECT_TRUE(target.dc.GradientFill(v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(target.Word(2, 2), 0x80123456u);
}

TEST(PixelWords, NewBitmapsAreZeroWordsAndScreenImagesStayOpaque)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 32, nullptr));
    uint32_t words[4] = {1, 1, 1, 1};
    EXPECT_EQ(bitmap.GetBitmapBits(sizeof(words), words), sizeof(words));
    EXPECT_EQ(words[0], 0u);
    EXPECT_EQ(words[3], 0u);

    // Window images keep an opaque top byte whatever is drawn.
    Canvas canvas(4, 4, RGB(0xCC, 0xCC, 0xCC));
    canvas.dc.FillSolidRect(0, 0, 2, 2, RGB(1, 2, 3));
    canvas.dc.PatBlt(2, 2, 2, 2, DSTINVERT);
    EXPECT_EQ(reinterpret_cast<const uint32_t *>(canvas.image.constScanLine(1))[1], 0xFF010203u);
    EXPECT_EQ(reinterpret_cast<const uint32_t *>(canvas.image.constScanLine(3))[3], 0xFF333333u);
}

TEST(PixelWords, LineTiesTakeTheSmallerCoordinateInEveryOctant)
{
    struct Case {
        POINT from, to;
        POINT drawn;  // the exact minor coordinate here is a half
        POINT missed; // the other candidate
    } cases[] = {
        {{100, 100}, {200, 50}, {101, 99}, {101, 100}}, // x-major, y falling
        {{200, 50}, {100, 100}, {101, 99}, {101, 100}}, // the same line drawn backwards
        {{10, 10}, {20, 15}, {11, 10}, {11, 11}},       // x-major, y rising
        {{20, 15}, {10, 10}, {19, 14}, {19, 15}},       {{10, 10}, {5, 20}, {9, 11}, {10, 11}}, // y-major, x falling
        {{5, 20}, {10, 10}, {5, 19}, {6, 19}},                                                  // y-major, x rising
        {{30, 30}, {40, 50}, {30, 31}, {31, 31}},
    };
    for (const Case &c : cases) {
        Canvas canvas(210, 110);
        canvas.dc.MoveTo(c.from.x, c.from.y);
        canvas.dc.LineTo(c.to.x, c.to.y);
        EXPECT_EQ(canvas.At(c.drawn.x, c.drawn.y), RGB(0, 0, 0))
            << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_EQ(canvas.At(c.missed.x, c.missed.y), RGB(255, 255, 255))
            << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
    }
}

TEST(PixelWords, ColourFlagsPickPaletteAndTableIndexes)
{
    struct Case {
        COLORREF colour;
        uint32_t word;
    } cases[] = {
        {PALETTEINDEX(5), 0x00800080u}, // default palette entry 5
        {0x03000005u, 0x00800080u},     // bit 24 set: an index, whatever else the top byte holds
        {0xFF00000Du, 0x00FF0000u},     // entry 13 of the default palette
        {PALETTERGB(1, 2, 3), 0x00010203u},
        {0x04030201u, 0x00010203u}, // other flags: the RGB part
        {DIBINDEX(5), 0u},          // no colour table: black
    };
    for (const Case &c : cases) {
        WordBitmap solid(2, 2, 0xCCCCCCCCu);
        solid.dc.FillSolidRect(0, 0, 2, 2, c.colour);
        EXPECT_EQ(solid.Word(1, 1), c.word) << std::hex << c.colour << " solid";
        WordBitmap brushed(2, 2, 0xCCCCCCCCu);
        CBrush brush(c.colour);
        CRect all(0, 0, 2, 2);
        brushed.dc.FillRect(&all, &brush);
        EXPECT_EQ(brushed.Word(1, 1), c.word) << std::hex << c.colour << " brush";
        WordBitmap pen(2, 2, 0xCCCCCCCCu);
        pen.dc.SetPixel(1, 1, c.colour);
        EXPECT_EQ(pen.Word(1, 1), c.word) << std::hex << c.colour << " pixel";
    }
}

namespace {

// A one-pixel DIB of the given depth: header, masks when given, then the pixel.
std::vector<BYTE> OnePixelDib(WORD bitCount, uint32_t pixel, const uint32_t *masks)
{
    std::vector<BYTE> dib(kBitmapInfoHeaderSize + 12 + 4, 0);
    BITMAPINFOHEADER h{};
    h.biSize = kBitmapInfoHeaderSize;
    h.biWidth = 1;
    h.biHeight = 1;
    h.biPlanes = 1;
    h.biBitCount = bitCount;
    h.biCompression = masks ? BI_BITFIELDS : BI_RGB;
    std::memcpy(dib.data(), &h, sizeof(h));
    size_t at = kBitmapInfoHeaderSize;
    if (masks) {
        std::memcpy(dib.data() + at, masks, 12);
        at += 12;
    }
    std::memcpy(dib.data() + at, &pixel, 4);
    dib.resize(at + 4);
    return dib;
}

} // namespace

TEST(PixelWords, NarrowChannelsRepeatTheirHighBitsAndWideOnesKeepTheTop)
{
    const uint32_t m565[3] = {0xF800, 0x07E0, 0x001F};
    const uint32_t m101010[3] = {0x3FF00000, 0x000FFC00, 0x000003FF};
    struct Case {
        const char *name;
        WORD bitCount;
        const uint32_t *masks;
        uint32_t pixel;
        uint32_t word;
    } cases[] = {
        {"5-5-5 blue 28", 16, nullptr, 28, 0x0000E7u},
        {"5-5-5 red 1", 16, nullptr, 1u << 10, 0x080000u},
        {"5-5-5 green 16", 16, nullptr, 16u << 5, 0x008400u},
        {"5-5-5 white", 16, nullptr, 0x7FFF, 0xFFFFFFu},
        {"5-6-5 green 33", 16, m565, 33u << 5, 0x008600u},
        {"5-6-5 red 17", 16, m565, 17u << 11, 0x8C0000u},
        {"10-10-10 red 4", 32, m101010, 4u << 20, 0x010000u},
        {"10-10-10 blue 1023", 32, m101010, 1023u, 0x0000FFu},
        {"10-10-10 green 0x155", 32, m101010, 0x155u << 10, 0x005500u},
    };
    for (const Case &c : cases) {
        std::vector<BYTE> dib = OnePixelDib(c.bitCount, c.pixel, c.masks);
        const auto *info = reinterpret_cast<const BITMAPINFO *>(dib.data());
        const BYTE *bits = dib.data() + dib.size() - 4;
        WordBitmap target(1, 1, 0xCCCCCCCCu);
        EXPECT_EQ(SetDIBitsToDevice(target.dc.m_hDC, 0, 0, 1, 1, 0, 0, 0, 1, bits, info, DIB_RGB_COLORS), 1) << c.name;
        EXPECT_EQ(target.Word(0, 0), c.word) << c.name;
    }
}

namespace {

// A compressed 6 x 3 DIB with a 16-entry grey table (entry i is 0x00iiiiii),
// its bits in a buffer of exactly their size.
struct RleDib {
    std::vector<BYTE> info;
    std::vector<BYTE> bits;

    RleDib(DWORD compression, std::vector<BYTE> data, LONG height = 3) : bits(std::move(data))
    {
        info.assign(kBitmapInfoHeaderSize + 16 * 4, 0);
        BITMAPINFOHEADER h{};
        h.biSize = kBitmapInfoHeaderSize;
        h.biWidth = 6;
        h.biHeight = height;
        h.biPlanes = 1;
        h.biBitCount = compression == BI_RLE8 ? 8 : 4;
        h.biCompression = compression;
        h.biSizeImage = static_cast<DWORD>(bits.size());
        h.biClrUsed = 16;
        std::memcpy(info.data(), &h, sizeof(h));
        for (BYTE i = 0; i < 16; ++i)
            std::memset(info.data() + kBitmapInfoHeaderSize + 4 * i, i, 3);
    }
    const BITMAPINFO *Info() const { return reinterpret_cast<const BITMAPINFO *>(info.data()); }
};

// The rows of a 6 x 3 word bitmap top first: a hex digit for a grey table
// entry, '.' for a pixel left at 0xCCCCCCCC.
std::vector<std::string> Rows(WordBitmap &target)
{
    std::vector<std::string> rows;
    for (int y = 0; y < 3; ++y) {
        std::string row;
        for (int x = 0; x < 6; ++x) {
            uint32_t w = target.Word(x, y);
            row += w == 0xCCCCCCCCu
                       ? '.'
                       : (w <= 0x0F0F0F && (w & 0xFF) * 0x010101u == w ? "0123456789ABCDEF"[w & 0xF] : '?');
        }
        rows.push_back(row);
    }
    return rows;
}

struct RleCase {
    const char *name;
    DWORD compression;
    std::vector<BYTE> bits;
    std::vector<std::string> rows;
};

const RleCase kRleCases[] = {
    {"runs and end of line", BI_RLE8, {2, 1, 2, 2, 0, 0, 6, 3, 0, 1}, {"......", "333333", "1122.."}},
    {"absolute run padded to a word", BI_RLE8, {0, 3, 5, 6, 7, 0, 1, 8, 0, 1}, {"......", "......", "5678.."}},
    {"delta right and up", BI_RLE8, {1, 1, 0, 2, 2, 1, 1, 9, 0, 1}, {"......", "...9..", "1....."}},
    {"run past the row stops", BI_RLE8, {2, 4, 0, 0, 7, 1, 1, 2}, {"......", "......", "44...."}},
    {"delta past the image stops", BI_RLE8, {1, 5, 0, 2, 0, 3, 1, 1}, {"......", "......", "5....."}},
    {"end of line past the image stops", BI_RLE8, {1, 1, 0, 0, 0, 0, 0, 0, 1, 2}, {"......", "......", "1....."}},
    {"escape cut short stops", BI_RLE8, {1, 6, 0, 2, 1}, {"......", "......", "6....."}},
    {"absolute run cut short stops", BI_RLE8, {1, 7, 0, 4, 1, 2}, {"......", "......", "7....."}},
    {"pair cut short stops", BI_RLE8, {1, 7, 3}, {"......", "......", "7....."}},
    {"bits ending without end of bitmap", BI_RLE8, {2, 3}, {"......", "......", "33...."}},
    {"nothing after end of bitmap", BI_RLE8, {1, 1, 0, 1, 4, 2}, {"......", "......", "1....."}},
    {"nibble runs alternate", BI_RLE4, {3, 0x12, 0, 0, 6, 0x34, 0, 1}, {"......", "343434", "121..."}},
    {"absolute nibbles padded to a word",
     BI_RLE4,
     {0, 5, 0x12, 0x34, 0x50, 0, 1, 0x60, 0, 1},
     {"......", "......", "123456"}},
    {"absolute nibbles in whole words", BI_RLE4, {0, 3, 0x78, 0x90, 0, 1}, {"......", "......", "789..."}},
    {"nibble run past the row stops", BI_RLE4, {7, 0x11}, {"......", "......", "......"}},
    {"absolute nibbles cut short stop", BI_RLE4, {1, 0x20, 0, 6, 0x12}, {"......", "......", "2....."}},
};

} // namespace

TEST(CompressedDibs, DrawnRowsLeaveSkippedPixelsAndStopAtBadBits)
{
    for (const RleCase &c : kRleCases) {
        RleDib dib(c.compression, c.bits);
        WordBitmap stretched(6, 3, 0xCCCCCCCCu);
        EXPECT_EQ(StretchDIBits(stretched.dc.m_hDC, 0, 0, 6, 3, 0, 0, 6, 3, dib.bits.data(), dib.Info(), DIB_RGB_COLORS,
                                SRCCOPY),
                  3)
            << c.name;
        EXPECT_EQ(Rows(stretched), c.rows) << c.name << " (StretchDIBits)";
        WordBitmap device(6, 3, 0xCCCCCCCCu);
        EXPECT_EQ(
            SetDIBitsToDevice(device.dc.m_hDC, 0, 0, 6, 3, 0, 0, 0, 3, dib.bits.data(), dib.Info(), DIB_RGB_COLORS), 3)
            << c.name;
        EXPECT_EQ(Rows(device), c.rows) << c.name << " (SetDIBitsToDevice)";
        // A bitmap's own pixels stay where the bits set nothing.
        WordBitmap bitmap(6, 3, 0xCCCCCCCCu);
        EXPECT_EQ(SetDIBits(bitmap.dc.m_hDC, static_cast<HBITMAP>(bitmap.bitmap.m_hObject), 0, 3, dib.bits.data(),
                            dib.Info(), DIB_RGB_COLORS),
                  3)
            << c.name;
        EXPECT_EQ(Rows(bitmap), c.rows) << c.name << " (SetDIBits)";
    }
}

TEST(CompressedDibs, MakeBitmapsAndRefuseWhatCannotBeReadSafely)
{
    RleDib dib(BI_RLE8, {2, 1, 0, 0, 6, 3, 0, 1});
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HBITMAP made =
        CreateDIBitmap(nullptr, &dib.Info()->bmiHeader, CBM_INIT, dib.bits.data(), dib.Info(), DIB_RGB_COLORS);
    ASSERT_NE(made, nullptr);
    HGDIOBJ old = SelectObject(dc.m_hDC, made);
    EXPECT_EQ(dc.GetPixel(0, 2), RGB(1, 1, 1));
    EXPECT_EQ(dc.GetPixel(5, 1), RGB(3, 3, 3));
    EXPECT_EQ(dc.GetPixel(5, 2), RGB(0, 0, 0)); // skipped: the new bitmap's black
    SelectObject(dc.m_hDC, old);
    DeleteObject(made);

    // Without their size, or top-down, compressed bits are refused.
    RleDib unsized(BI_RLE8, {2, 1, 0, 1});
    reinterpret_cast<BITMAPINFOHEADER *>(unsized.info.data())->biSizeImage = 0;
    RleDib topDown(BI_RLE8, {2, 1, 0, 1}, -3);
    RleDib wrongDepth(BI_RLE4, {2, 1, 0, 1});
    reinterpret_cast<BITMAPINFOHEADER *>(wrongDepth.info.data())->biBitCount = 8;
    for (const RleDib *bad : {&unsized, &topDown, &wrongDepth}) {
        WordBitmap target(6, 3, 0xCCCCCCCCu);
        EXPECT_EQ(StretchDIBits(target.dc.m_hDC, 0, 0, 6, 3, 0, 0, 6, 3, bad->bits.data(), bad->Info(), DIB_RGB_COLORS,
                                SRCCOPY),
                  0);
        EXPECT_EQ(target.Word(0, 2), 0xCCCCCCCCu);
    }
}
