// LoadIcon of a program's icon group (RT_GROUP_ICON with its RT_ICON
// images): the icon carries the group's images for the large and the small
// icon size, transparent where their masks are set.
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/Resources.h"
#include "framework/window/CursorApi.h"
#include "framework/window/CursorHandles.h"

#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

namespace {

void PutWord(std::vector<BYTE> &bytes, unsigned value)
{
    bytes.push_back(static_cast<BYTE>(value & 0xFF));
    bytes.push_back(static_cast<BYTE>((value >> 8) & 0xFF));
}

void PutDword(std::vector<BYTE> &bytes, unsigned value)
{
    PutWord(bytes, value & 0xFFFF);
    PutWord(bytes, value >> 16);
}

// A 32-bit icon image of one colour whose left half is masked
// (transparent): the packed DIB, then the 1-bit mask rows.
std::vector<BYTE> IconImage(int size, unsigned rgb)
{
    std::vector<BYTE> bytes;
    PutDword(bytes, 40);
    PutDword(bytes, static_cast<unsigned>(size));
    PutDword(bytes, static_cast<unsigned>(size * 2)); // colour and mask rows
    PutWord(bytes, 1);
    PutWord(bytes, 32);
    for (int i = 0; i < 6; ++i)
        PutDword(bytes, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool masked = x < size / 2;
            bytes.push_back(masked ? 0 : static_cast<BYTE>(rgb & 0xFF));
            bytes.push_back(masked ? 0 : static_cast<BYTE>((rgb >> 8) & 0xFF));
            bytes.push_back(masked ? 0 : static_cast<BYTE>((rgb >> 16) & 0xFF));
            bytes.push_back(0); // no alpha: the mask alone decides
        }
    const int stride = ((size + 31) / 32) * 4;
    for (int y = 0; y < size; ++y) {
        std::vector<BYTE> row(static_cast<size_t>(stride), 0);
        for (int x = 0; x < size / 2; ++x)
            row[static_cast<size_t>(x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

struct GroupEntry {
    int size;
    UINT imageId;
    DWORD bytes;
};

std::vector<BYTE> IconGroup(const std::vector<GroupEntry> &entries)
{
    std::vector<BYTE> bytes;
    PutWord(bytes, 0);
    PutWord(bytes, 1);
    PutWord(bytes, static_cast<unsigned>(entries.size()));
    for (const GroupEntry &entry : entries) {
        bytes.push_back(static_cast<BYTE>(entry.size));
        bytes.push_back(static_cast<BYTE>(entry.size));
        bytes.push_back(0);
        bytes.push_back(0);
        PutWord(bytes, 1);
        PutWord(bytes, 32);
        PutDword(bytes, entry.bytes);
        PutWord(bytes, entry.imageId);
    }
    return bytes;
}

// The icon drawn at size by size pixels over white.
QImage Drawn(HICON hIcon, int size)
{
    QImage target(size, size, QImage::Format_RGB32);
    target.fill(Qt::white);
    HDC hdc = CreateImageDC(&target);
    EXPECT_NE(hdc, nullptr);
    EXPECT_TRUE(DrawIconEx(hdc, 0, 0, hIcon, size, size, 0, nullptr, DI_NORMAL));
    DeleteDC(hdc);
    return target;
}

TEST(IconResources, AnIconGroupLoadsWithItsImageForEachIconSize)
{
    const int large = GetSystemMetrics(SM_CXICON), small = GetSystemMetrics(SM_CXSMICON);
    ASSERT_EQ(large, 32);
    ASSERT_EQ(small, 16);
    static const std::vector<BYTE> blue = IconImage(32, 0x0000FF);
    static const std::vector<BYTE> red = IconImage(16, 0xFF0000);
    static const std::vector<BYTE> group =
        IconGroup({{16, 7311, static_cast<DWORD>(red.size())}, {32, 7312, static_cast<DWORD>(blue.size())}});
    PlexoRegisterCustomResource(RT_ICON, 7311, red.data(), static_cast<DWORD>(red.size()));
    PlexoRegisterCustomResource(RT_ICON, 7312, blue.data(), static_cast<DWORD>(blue.size()));
    PlexoRegisterCustomResource(RT_GROUP_ICON, 7301, group.data(), static_cast<DWORD>(group.size()));

    HICON hIcon = LoadIcon(nullptr, MAKEINTRESOURCE(7301));
    ASSERT_NE(hIcon, nullptr);
    EXPECT_NE(hIcon, LoadIcon(nullptr, IDI_APPLICATION));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(7301)), hIcon) << "loaded icons are shared";
    const QList<QSize> sizes = PlexoIconFromHandle(hIcon).availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(large, large)));
    EXPECT_TRUE(sizes.contains(QSize(small, small)));

    // Its own size is the large icon size, as the icon's bitmaps say.
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hIcon, &info));
    BITMAP colour{};
    ASSERT_NE(GetObject(info.hbmColor, sizeof colour, &colour), 0);
    EXPECT_EQ(colour.bmWidth, large);
    EXPECT_EQ(colour.bmHeight, large);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);

    // Each size draws the group's image for it, the masked half clear.
    const QImage drawnLarge = Drawn(hIcon, large);
    EXPECT_EQ(drawnLarge.pixel(large - 2, large / 2), qRgb(0, 0, 255));
    EXPECT_EQ(drawnLarge.pixel(1, large / 2), qRgb(255, 255, 255));
    const QImage drawnSmall = Drawn(hIcon, small);
    EXPECT_EQ(drawnSmall.pixel(small - 2, small / 2), qRgb(255, 0, 0));
    EXPECT_EQ(drawnSmall.pixel(1, small / 2), qRgb(255, 255, 255));
}

TEST(IconResources, ATopLevelWindowShowsItsClassIconToTheDesktop)
{
    static const std::vector<BYTE> image = IconImage(32, 0x00FF00);
    static const std::vector<BYTE> group = IconGroup({{32, 7321, static_cast<DWORD>(image.size())}});
    PlexoRegisterCustomResource(RT_ICON, 7321, image.data(), static_cast<DWORD>(image.size()));
    PlexoRegisterCustomResource(RT_GROUP_ICON, 7320, group.data(), static_cast<DWORD>(group.size()));
    WNDCLASS wc{};
    wc.lpfnWndProc = DefWindowProc;
    wc.hIcon = LoadIcon(nullptr, MAKEINTRESOURCE(7320));
    wc.lpszClassName = "IconResourceTestWindow";
    ASSERT_NE(wc.hIcon, nullptr);
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND hWnd = CreateWindowEx(0, wc.lpszClassName, "Icon", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    const QIcon shown = WidgetOf(hWnd)->windowIcon();
    EXPECT_TRUE(shown.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(shown.pixmap(32, 32).toImage().pixel(30, 16), qRgb(0, 255, 0));
    DestroyWindow(hWnd);
}

TEST(IconResources, ABrokenIconGroupLoadsNoIcon)
{
    static const std::vector<BYTE> image = IconImage(32, 0x00FF00);
    // The entry names an image that is not there.
    static const std::vector<BYTE> dangling = IconGroup({{32, 7399, static_cast<DWORD>(image.size())}});
    PlexoRegisterCustomResource(RT_GROUP_ICON, 7302, dangling.data(), static_cast<DWORD>(dangling.size()));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(7302)), nullptr);

    // The directory claims more entries than it holds.
    std::vector<BYTE> truncated = IconGroup({{32, 7313, static_cast<DWORD>(image.size())}});
    truncated[4] = 9;
    static const std::vector<BYTE> kept = truncated;
    PlexoRegisterCustomResource(RT_ICON, 7313, image.data(), static_cast<DWORD>(image.size()));
    PlexoRegisterCustomResource(RT_GROUP_ICON, 7303, kept.data(), static_cast<DWORD>(kept.size()));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(7303)), nullptr);

    // The image's bytes are not an icon image.
    static const BYTE garbage[] = {1, 2, 3, 4, 5, 6, 7, 8};
    static const std::vector<BYTE> group = IconGroup({{32, 7314, sizeof garbage}});
    PlexoRegisterCustomResource(RT_ICON, 7314, garbage, sizeof garbage);
    PlexoRegisterCustomResource(RT_GROUP_ICON, 7304, group.data(), static_cast<DWORD>(group.size()));
    EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(7304)), nullptr);
}

} // namespace
