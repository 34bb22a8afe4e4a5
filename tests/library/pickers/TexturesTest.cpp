#include "framework/resources/Resources.h"
#include "library/pickers/QYDibResource.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

typedef std::vector<BYTE> Bytes;

void PutDword(Bytes& b, size_t at, DWORD v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<BYTE>(v >> (8 * i));
}

// An 8-bit DIB of the given size with a two-colour table: index 0 red,
// index 1 green; pixels from the row-major (bottom-up as stored) list.
Bytes MakeDib(int width, int height, WORD bitCount, DWORD colorsUsed, const std::vector<BYTE>& pixels)
{
    const DWORD rowBytes = ((DWORD(width) * bitCount + 31) / 32) * 4;
    Bytes b(40 + 2 * 4 + rowBytes * DWORD(height < 0 ? -height : height), 0);
    PutDword(b, 0, 40);
    PutDword(b, 4, static_cast<DWORD>(width));
    PutDword(b, 8, static_cast<DWORD>(height));
    b[12] = 1;
    b[14] = static_cast<BYTE>(bitCount);
    PutDword(b, 32, colorsUsed);
    b[40 + 2] = 0xFF; // index 0: red (blue, green, red, 0)
    b[44 + 1] = 0xFF; // index 1: green
    for (size_t i = 0; i < pixels.size() && 48 + i < b.size(); ++i)
        b[48 + i] = pixels[i];
    return b;
}

TEST(DibResource, DecodesRowsBottomUp)
{
    // 2 by 2: stored bottom row first, rows padded to 4 bytes.
    Bytes dib = MakeDib(2, 2, 8, 2, {1, 0, 0, 0, 0, 1, 0, 0});
    CBitmap bitmap;
    ASSERT_TRUE(QYCreateBitmapFromDib(bitmap, dib.data(), static_cast<DWORD>(dib.size())));
    BITMAP info = {};
    bitmap.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 2);
    DWORD pixels[4] = {};
    bitmap.GetBitmapBits(sizeof(pixels), pixels);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u); // top-left: red (0x00RRGGBB)
    EXPECT_EQ(pixels[1] & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(pixels[2] & 0xFFFFFF, 0x00FF00u); // bottom-left
    EXPECT_EQ(pixels[3] & 0xFFFFFF, 0xFF0000u);
}

TEST(DibResource, MalformedDataIsRefused)
{
    struct Case {
        const char* name;
        Bytes dib;
    };
    Bytes compressed = MakeDib(2, 2, 8, 2, {});
    PutDword(compressed, 16, 1);
    Bytes shortRows = MakeDib(8, 8, 8, 2, {});
    shortRows.erase(shortRows.end() - 5, shortRows.end());
    Bytes hugeHeader = MakeDib(2, 2, 8, 2, {});
    PutDword(hugeHeader, 0, 0x7FFFFFFF);
    const Case cases[] = {
        {"too short for a header", Bytes(20, 0)},          {"header larger than the data", hugeHeader},
        {"zero width", MakeDib(0, 2, 8, 2, {})},           {"wider than the DIB limit", MakeDib(32769, 1, 8, 2, {})},
        {"zero height", MakeDib(2, 0, 8, 2, {})},          {"compressed", compressed},
        {"seven bits per pixel", MakeDib(2, 2, 7, 2, {})}, {"rows cut short", shortRows},
    };
    for (const Case& c : cases) {
        CBitmap bitmap;
        EXPECT_FALSE(QYCreateBitmapFromDib(bitmap, c.dib.data(), static_cast<DWORD>(c.dib.size()))) << c.name;
        EXPECT_EQ(bitmap.GetSafeHandle(), nullptr) << c.name;
    }
    CBitmap bitmap;
    EXPECT_FALSE(QYCreateBitmapFromDib(bitmap, nullptr, 100));
    EXPECT_FALSE(QYLoadBitmapResource(bitmap, 1));
}

TEST(DibResource, IndexesPastTheColourTableAreBlack)
{
    Bytes dib = MakeDib(1, 1, 8, 2, {7});
    CBitmap bitmap;
    ASSERT_TRUE(QYCreateBitmapFromDib(bitmap, dib.data(), static_cast<DWORD>(dib.size())));
    DWORD pixel = 1;
    bitmap.GetBitmapBits(sizeof(pixel), &pixel);
    EXPECT_EQ(pixel & 0xFFFFFF, 0u);
}

TEST(FillTextures, ThirtyTexturesLoadOnceWithTheirSizes)
{
    CQYGlobalData data;
    EXPECT_FALSE(data.m_bBitmapsLoaded);
    data.LoadBitmaps();
    EXPECT_TRUE(data.m_bBitmapsLoaded);
    for (int i = 0; i < QY_FILL_TEXTURE_COUNT; ++i) {
        BITMAP info = {};
        ASSERT_NE(data.m_bmpTextures[i].GetSafeHandle(), nullptr) << i;
        data.m_bmpTextures[i].GetBitmap(&info);
        const int expectedWidth = i < 12 ? 46 : i == 25 ? 58 : 42;
        const int expectedHeight = i < 12 ? 46 : i == 25 ? 57 : 42;
        EXPECT_EQ(info.bmWidth, expectedWidth) << i;
        EXPECT_EQ(info.bmHeight, expectedHeight) << i;
    }
    const HGDIOBJ hFirst = data.m_bmpTextures[0].GetSafeHandle();
    data.LoadBitmaps();
    EXPECT_EQ(data.m_bmpTextures[0].GetSafeHandle(), hFirst);
}

TEST(FillTextures, AProgramsOwnTextureWins)
{
    // A program registers its own 1-by-1 texture 26227 before first use.
    static const Bytes own = MakeDib(1, 1, 8, 2, {1});
    PlexoRegisterCustomResource(RT_BITMAP, 26227, own.data(), static_cast<DWORD>(own.size()));
    CQYGlobalData data;
    data.LoadBitmaps();
    BITMAP info = {};
    data.m_bmpTextures[29].GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 1);
    data.m_bmpTextures[0].GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 46);
}

} // namespace
