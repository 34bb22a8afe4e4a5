#include "framework/resources/ResourceImages.h"
#include "framework/resources/Resources.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

const std::string kData = PLEXO_TEST_DATA_DIR "/resources/";

QByteArray FileBytes(const std::string &name)
{
    QFile file(QString::fromStdString(kData + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray ResourceBytes(UINT nID, LPCTSTR type)
{
    HRSRC found = FindResource(nullptr, MAKEINTRESOURCE(nID), type);
    if (!found)
        return QByteArray();
    const void *data = LockResource(LoadResource(nullptr, found));
    return QByteArray(static_cast<const char *>(data), static_cast<qsizetype>(SizeofResource(nullptr, found)));
}

WORD Word(const QByteArray &b, int at)
{
    return static_cast<WORD>(static_cast<BYTE>(b[at]) | static_cast<BYTE>(b[at + 1]) << 8);
}

DWORD Dword(const QByteArray &b, int at)
{
    DWORD v;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}

TEST(ImageResourceBytes, BitmapIsThePackedDibOfItsFile)
{
    PlexoRegisterBitmap(4101, (kData + "checker.bmp").c_str());
    const QByteArray file = FileBytes("checker.bmp");
    EXPECT_EQ(ResourceBytes(4101, RT_BITMAP), file.mid(14));
    // Through a name string too.
    EXPECT_NE(FindResource(nullptr, "#4101", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(4102), RT_BITMAP), nullptr);
    PlexoRegisterBitmap(4103, (kData + "not-an-image.bmp").c_str());
    EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(4103), RT_BITMAP), nullptr);
}

TEST(ImageResourceBytes, IconGroupAndImagesMatchTheIconFile)
{
    PlexoRegisterIcon(4201, (kData + "two-sizes.ico").c_str());
    PlexoRegisterIcon(4202, (kData + "broken.ico").c_str());
    const QByteArray file = FileBytes("two-sizes.ico");
    const QByteArray group = ResourceBytes(4201, RT_GROUP_ICON);
    ASSERT_EQ(group.size(), 6 + 2 * 14);
    EXPECT_EQ(group.left(6), file.left(6));
    std::set<WORD> ids;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const int entry = 6 + 16 * i, groupEntry = 6 + 14 * i;
        EXPECT_EQ(group.mid(groupEntry, 12), file.mid(entry, 12));
        const WORD id = Word(group, groupEntry + 12);
        ids.insert(id);
        const QByteArray image = ResourceBytes(id, RT_ICON);
        EXPECT_EQ(image, file.mid(static_cast<int>(Dword(file, entry + 12)), static_cast<int>(Dword(file, entry + 8))));
    }
    EXPECT_EQ(ids.size(), 2u);
    // An icon file whose directory points past its end answers nothing.
    EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(4202), RT_GROUP_ICON), nullptr);
    EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(60000), RT_ICON), nullptr);
}

} // namespace
