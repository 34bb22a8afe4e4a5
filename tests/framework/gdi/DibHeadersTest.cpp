// The checked DIB header reader and the row size: one table of the hostile
// headers readers have to refuse (or, at the limits, take), and the row
// bytes at the edges of the widths and bit counts.
#include "framework/gdi/DibHeaders.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

namespace {

typedef std::vector<BYTE> Bytes;

void Put32(Bytes &b, size_t at, DWORD v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<BYTE>(v >> (8 * i));
}

void Put16(Bytes &b, size_t at, WORD v)
{
    b[at] = static_cast<BYTE>(v);
    b[at + 1] = static_cast<BYTE>(v >> 8);
}

// A 40-byte header of a 6 x 4 picture at 8 bits, all of whose rows a
// reader would find behind it.
Bytes Header()
{
    Bytes b(kBitmapInfoHeaderSize, 0);
    Put32(b, 0, kBitmapInfoHeaderSize);
    Put32(b, 4, 6);
    Put32(b, 8, 4);
    Put16(b, 12, 1);
    Put16(b, 14, 8);
    return b;
}

Bytes Sized(LONG width, LONG height, WORD bitCount)
{
    Bytes b = Header();
    Put32(b, 4, static_cast<DWORD>(width));
    Put32(b, 8, static_cast<DWORD>(height));
    Put16(b, 14, bitCount);
    return b;
}

// A header of a larger size: the 40-byte fields, then zeros.
Bytes Longer(DWORD headerSize)
{
    Bytes b = Header();
    b.resize(headerSize, 0);
    Put32(b, 0, headerSize);
    return b;
}

Bytes Core(WORD width, WORD height, WORD bitCount)
{
    Bytes b(kBitmapCoreHeaderSize, 0);
    Put32(b, 0, kBitmapCoreHeaderSize);
    Put16(b, 4, width);
    Put16(b, 6, height);
    Put16(b, 8, 1);
    Put16(b, 10, bitCount);
    return b;
}

Bytes With(Bytes b, const std::function<void(Bytes &)> &change)
{
    change(b);
    return b;
}

struct HeaderCase {
    const char *name;
    Bytes bytes;
    bool taken;
    // What a taken header reads as.
    LONG width = 0;
    LONG rows = 0;
    bool topDown = false;
    uint64_t rowBytes = 0;
    uint64_t pixelBytes = 0;
    DWORD tableEntries = 0;
};

std::vector<HeaderCase> HeaderCases()
{
    const auto cut = [](Bytes b, size_t size) {
        b.resize(size);
        return b;
    };
    return {
        // Good headers, and the limits themselves.
        {"6 x 4 at 8 bits", Header(), true, 6, 4, false, 8, 32, 256},
        {"top-down rows", Sized(6, -4, 8), true, 6, 4, true, 8, 32, 256},
        {"widest row", Sized(kDibMaxSide, 1, 32), true, kDibMaxSide, 1, false, 4u * kDibMaxSide, 4u * kDibMaxSide, 0},
        {"tallest top-down", Sized(1, -kDibMaxSide, 1), true, 1, kDibMaxSide, true, 4, 4u * kDibMaxSide, 2},
        {"most pixels", Sized(1 << 14, 1 << 13, 24), true, 1 << 14, 1 << 13, false, 3u << 14, uint64_t(3u << 14) << 13,
         0},
        {"core header", Core(5, 3, 4), true, 5, 3, false, 4, 12, 16},
        {"OS/2 2.x header", Longer(kBitmapOs2HeaderSize), true, 6, 4, false, 8, 32, 256},
        {"V4 header", Longer(kBitmapV4HeaderSize), true, 6, 4, false, 8, 32, 256},
        {"V5 header", Longer(kBitmapV5HeaderSize), true, 6, 4, false, 8, 32, 256},
        {"16 used colours at 4 bits", With(Sized(6, 4, 4), [](Bytes &b) { Put32(b, 32, 16); }), true, 6, 4, false, 4,
         16, 16},
        {"used colours of a 24-bit picture ignored", With(Sized(6, 4, 24), [](Bytes &b) { Put32(b, 32, 300); }), true,
         6, 4, false, 20, 80, 0},
        // Widths.
        {"zero width", Sized(0, 4, 8), false},
        {"negative width", Sized(-6, 4, 8), false},
        {"most negative width", Sized(INT_MIN, 4, 8), false},
        {"width past the side", Sized(kDibMaxSide + 1, 1, 1), false},
        {"widest LONG", Sized(INT_MAX, 1, 32), false},
        // Heights, either way.
        {"zero height", Sized(6, 0, 8), false},
        {"height past the side", Sized(1, kDibMaxSide + 1, 1), false},
        {"top-down past the side", Sized(1, -kDibMaxSide - 1, 1), false},
        {"most negative height", Sized(6, INT_MIN, 8), false},
        {"tallest LONG", Sized(6, INT_MAX, 8), false},
        // Totals: each side within the limit, their product not.
        {"one row of pixels too many", Sized(1 << 14, (1 << 13) + 1, 1), false},
        {"both sides at the limit", Sized(kDibMaxSide, kDibMaxSide, 1), false},
        {"top-down both sides at the limit", Sized(kDibMaxSide, -kDibMaxSide, 32), false},
        // Bit counts.
        {"0 bits", Sized(6, 4, 0), false},
        {"2 bits", Sized(6, 4, 2), false},
        {"7 bits", Sized(6, 4, 7), false},
        {"15 bits", Sized(6, 4, 15), false},
        {"33 bits", Sized(6, 4, 33), false},
        {"64 bits", Sized(6, 4, 64), false},
        {"65535 bits", Sized(6, 4, 0xFFFF), false},
        {"core header at 2 bits", Core(5, 3, 2), false},
        // Truncated headers.
        {"no bytes", Bytes(), false},
        {"three bytes", cut(Header(), 3), false},
        {"40-byte header cut short", cut(Header(), 39), false},
        {"core header cut short", cut(Core(5, 3, 4), 11), false},
        {"V5 header cut short", cut(Longer(kBitmapV5HeaderSize), 100), false},
        // Header sizes that lie.
        {"header size 0", With(Header(), [](Bytes &b) { Put32(b, 0, 0); }), false},
        {"header size 39", With(Header(), [](Bytes &b) { Put32(b, 0, 39); }), false},
        {"header size 41", Longer(41), false},
        {"header size 56", Longer(56), false},
        {"header size 4096", Longer(4096), false},
        {"header size 2^31 - 1", With(Header(), [](Bytes &b) { Put32(b, 0, 0x7FFFFFFF); }), false},
        {"header size 2^32 - 1", With(Header(), [](Bytes &b) { Put32(b, 0, 0xFFFFFFFF); }), false},
        // Colour tables larger than the bit count allows.
        {"257 colours at 8 bits", With(Header(), [](Bytes &b) { Put32(b, 32, 257); }), false},
        {"17 colours at 4 bits", With(Sized(6, 4, 4), [](Bytes &b) { Put32(b, 32, 17); }), false},
        {"3 colours at 1 bit", With(Sized(6, 4, 1), [](Bytes &b) { Put32(b, 32, 3); }), false},
        {"2^32 - 1 colours", With(Header(), [](Bytes &b) { Put32(b, 32, 0xFFFFFFFF); }), false},
    };
}

TEST(DibHeaders, HostileHeadersAreRefusedAndTheLimitsTaken)
{
    for (const HeaderCase &c : HeaderCases()) {
        SCOPED_TRACE(c.name);
        DibHeader header;
        header.headerSize = 777; // untouched on refusal
        ASSERT_EQ(ReadDibHeader(c.bytes.data(), c.bytes.size(), &header), c.taken);
        if (!c.taken) {
            EXPECT_EQ(header.headerSize, 777u);
            continue;
        }
        EXPECT_EQ(header.headerSize, c.bytes.size());
        EXPECT_EQ(header.geometry.width, c.width);
        EXPECT_EQ(header.geometry.rows, c.rows);
        EXPECT_EQ(header.geometry.topDown, c.topDown);
        EXPECT_EQ(header.geometry.rowBytes, c.rowBytes);
        EXPECT_EQ(header.geometry.pixelBytes, c.pixelBytes);
        EXPECT_EQ(header.tableEntries, c.tableEntries);
        EXPECT_EQ(header.tableEntrySize, c.bytes.size() == kBitmapCoreHeaderSize ? 3u : 4u);
        // Whatever the header, a taken picture's rows fit a DWORD and an int.
        EXPECT_LT(header.geometry.pixelBytes, uint64_t(1) << 30);
    }
}

TEST(DibHeaders, ReaderTakesNoNullBytesAndMayBeAskedOnlyWhetherItWouldTake)
{
    DibHeader header;
    EXPECT_FALSE(ReadDibHeader(nullptr, 40, &header));
    const Bytes good = Header();
    EXPECT_TRUE(ReadDibHeader(good.data(), good.size(), nullptr));
    // Bytes behind the header (the colour table, the rows) are the caller's.
    Bytes longer = good;
    longer.resize(5000, 0xEE);
    ASSERT_TRUE(ReadDibHeader(longer.data(), longer.size(), &header));
    EXPECT_EQ(header.headerSize, kBitmapInfoHeaderSize);
}

TEST(DibHeaders, CoreHeadersWidenTheirFieldsToTheFortyByteForm)
{
    const Bytes core = Core(0xFFFF, 2, 24); // 16-bit sizes are unsigned
    DibHeader header;
    ASSERT_FALSE(ReadDibHeader(core.data(), core.size(), &header)); // wider than the side
    const Bytes small = Core(300, 2, 24);
    ASSERT_TRUE(ReadDibHeader(small.data(), small.size(), &header));
    EXPECT_EQ(header.fields.biSize, kBitmapCoreHeaderSize);
    EXPECT_EQ(header.fields.biWidth, 300);
    EXPECT_EQ(header.fields.biHeight, 2);
    EXPECT_EQ(header.fields.biPlanes, 1);
    EXPECT_EQ(header.fields.biBitCount, 24);
    EXPECT_EQ(header.fields.biCompression, 0u);
    EXPECT_EQ(header.tableEntries, 0u);
}

TEST(DibHeaders, GeometryAppliesTheSameLimitsToHeadersInMemory)
{
    struct Case {
        LONG width, height;
        WORD bitCount;
        bool taken;
    };
    const Case cases[] = {
        {6, 4, 8, true},
        {6, -4, 8, true},
        {0, 4, 8, false},
        {-1, 4, 8, false},
        {6, 0, 8, false},
        {6, INT_MIN, 8, false},
        {6, 4, 3, false},
        {6, 4, 0, false},
        {kDibMaxSide, 1, 1, true},
        {kDibMaxSide + 1, 1, 1, false},
        {1 << 14, 1 << 13, 32, true},
        {1 << 14, (1 << 13) + 1, 32, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.bitCount);
        DibGeometry geometry;
        geometry.rows = -7; // untouched on refusal
        EXPECT_EQ(CheckDibGeometry(c.width, c.height, c.bitCount, &geometry), c.taken);
        if (c.taken) {
            EXPECT_EQ(geometry.rows, c.height < 0 ? -c.height : c.height);
            EXPECT_EQ(geometry.pixelBytes, geometry.rowBytes * static_cast<uint64_t>(geometry.rows));
        } else {
            EXPECT_EQ(geometry.rows, -7);
        }
    }
}

TEST(DibHeaders, RowBytesArePaddedTo32BitsWithoutOverflow)
{
    struct Case {
        LONG width;
        WORD bitCount;
        uint64_t bytes;
    };
    const Case cases[] = {
        {1, 1, 4},
        {32, 1, 4},
        {33, 1, 8},
        {3, 8, 4},
        {5, 24, 16},
        {13, 4, 8},
        {7, 16, 16},
        {6, 32, 24},
        {0, 8, 0},
        {-5, 8, 0},
        {INT_MIN, 32, 0},
        {10, 0, 0},
        // The largest products: computed in 64 bits, never wrapped to 32.
        {INT_MAX, 32, uint64_t(INT_MAX) * 4},
        {INT_MAX, 0xFFFF, (uint64_t(INT_MAX) * 0xFFFF + 31) / 32 * 4},
        {0x08000000, 32, uint64_t(1) << 29},
        {0x40000000, 24, uint64_t(3) << 30},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DibRowBytes(c.width, c.bitCount), c.bytes) << c.width << " at " << c.bitCount;
}

} // namespace
