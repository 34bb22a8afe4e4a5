#include "framework/resources/ResourceImages.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceImagesTest, LoadsBitmapsById)
{
    PlexoRegisterBitmap(300, ":/test/checker.bmp");
    PlexoRegisterBitmap(301, ":/test/broken.bmp");
    QImage image = PlexoLoadBitmapImage(300);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_FALSE(PlexoLoadBitmapImage("#300").isNull());
    EXPECT_TRUE(PlexoLoadBitmapImage(301).isNull()); // unreadable
    EXPECT_TRUE(PlexoLoadBitmapImage(302).isNull()); // missing
}

TEST(ResourceImagesTest, LoadsIconsAndStandardIcons)
{
    PlexoRegisterIcon(101, ":/test/cross.bmp");
    QImage icon = PlexoLoadIconImage(MAKEINTRESOURCE(101), 16);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(QColor(icon.pixel(8, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(icon.pixel(0, 0)), QColor(Qt::white));
    EXPECT_TRUE(PlexoLoadIconResource(MAKEINTRESOURCE(102)).isNull());
    EXPECT_FALSE(PlexoLoadIconResource(IDI_WARNING).isNull());
    EXPECT_TRUE(PlexoLoadIconImage(MAKEINTRESOURCE(102)).isNull());
}

TEST(ResourceImagesTest, LoadsCursors)
{
    struct {
        LPCTSTR name;
        Qt::CursorShape shape;
    } standard[] = {
        {IDC_ARROW, Qt::ArrowCursor},        {IDC_IBEAM, Qt::IBeamCursor},       {IDC_WAIT, Qt::WaitCursor},
        {IDC_CROSS, Qt::CrossCursor},        {IDC_SIZEALL, Qt::SizeAllCursor},   {IDC_SIZENWSE, Qt::SizeFDiagCursor},
        {IDC_SIZENESW, Qt::SizeBDiagCursor}, {IDC_SIZEWE, Qt::SizeHorCursor},    {IDC_SIZENS, Qt::SizeVerCursor},
        {IDC_NO, Qt::ForbiddenCursor},       {IDC_HAND, Qt::PointingHandCursor}, {IDC_UPARROW, Qt::UpArrowCursor},
    };
    for (const auto &c : standard) {
        QCursor cursor;
        ASSERT_TRUE(PlexoLoadCursorResource(c.name, cursor));
        EXPECT_EQ(cursor.shape(), c.shape);
    }

    PlexoRegisterCursor(200, ":/test/cross.bmp", 8, 8);
    PlexoRegisterCursor(201, ":/test/broken.bmp", 0, 0);
    QCursor cursor;
    ASSERT_TRUE(PlexoLoadCursorResource(MAKEINTRESOURCE(200), cursor));
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(8, 8));
    EXPECT_FALSE(PlexoLoadCursorResource(MAKEINTRESOURCE(201), cursor));
    EXPECT_FALSE(PlexoLoadCursorResource(MAKEINTRESOURCE(202), cursor));
    EXPECT_FALSE(PlexoLoadCursorResource("arrow", cursor));
}

} // namespace
