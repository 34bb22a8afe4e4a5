// The bitmap loader that gives button bitmaps the current system colours.
#include "editor/controls/SECDibFormat.h"
#include "editor/controls/SECSysColorBitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/Resources.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kButtonsId = 23901;
constexpr UINT kTruncatedId = 23902;

// A 5 x 1 picture of 4 bits whose pixels are colour-table entries 0..4:
// black, dark grey, light grey, white and a red no system colour replaces.
std::vector<BYTE> ButtonPicture()
{
    BITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = 5;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = 4;
    std::vector<BYTE> dib(40 + 16 * 4 + 4);
    WriteBitmapInfoHeader(header, dib.data());
    const BYTE colours[5][3] = {{0, 0, 0}, {128, 128, 128}, {192, 192, 192}, {255, 255, 255}, {20, 30, 200}};
    for (int i = 0; i < 5; ++i) {
        dib[40 + 4 * i] = colours[i][0];
        dib[41 + 4 * i] = colours[i][1];
        dib[42 + 4 * i] = colours[i][2];
    }
    BYTE *row = dib.data() + 40 + 64;
    row[0] = 0x01;
    row[1] = 0x23;
    row[2] = 0x40;
    return dib;
}

const std::vector<BYTE> &Picture()
{
    static const std::vector<BYTE> picture = ButtonPicture();
    return picture;
}

TEST(SysColorBitmap, MapsTheFourButtonColours)
{
    PlexoRegisterCustomResource(RT_BITMAP, kButtonsId, Picture().data(), DWORD(Picture().size()));
    CBitmap bitmap;
    ASSERT_TRUE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(kButtonsId)));

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap *old = dc.SelectObject(&bitmap);
    EXPECT_EQ(dc.GetPixel(0, 0), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(dc.GetPixel(1, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(dc.GetPixel(2, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(dc.GetPixel(3, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(dc.GetPixel(4, 0), RGB(200, 30, 20));
    dc.SelectObject(old);
}

TEST(SysColorBitmap, MissingOrShortResourceFails)
{
    static const std::vector<BYTE> cut(Picture().begin(), Picture().end() - 4);
    PlexoRegisterCustomResource(RT_BITMAP, kTruncatedId, cut.data(), DWORD(cut.size()));
    CBitmap bitmap;
    EXPECT_FALSE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(kTruncatedId)));
    EXPECT_FALSE(SECLoadSysColorBitmap(bitmap, MAKEINTRESOURCE(23999)));
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
}

} // namespace
