// The off-screen drawing context: copied to its target on destruction, with
// the target's mapping as it was when it was made.
#include "editor/view/SECMemDC.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/object/Exceptions.h"

#include <gtest/gtest.h>

namespace {

class MemDCTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(target.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(bitmap.CreateBitmap(40, 30, 1, 32, nullptr));
        old = target.SelectObject(&bitmap);
        target.FillSolidRect(0, 0, 40, 30, RGB(255, 255, 255));
    }
    void TearDown() override { target.SelectObject(old); }
    CDC target;
    CBitmap bitmap;
    CBitmap *old = nullptr;
};

TEST_F(MemDCTest, TheRectangleReachesTheTargetOnlyWhenItGoes)
{
    {
        SECMemDC dc(&target, 0, 0, 20, 30);
        dc.FillSolidRect(0, 0, 20, 30, RGB(0, 0, 255));
        dc.FillSolidRect(5, 5, 4, 4, RGB(255, 0, 0));
        EXPECT_EQ(target.GetPixel(6, 6), RGB(255, 255, 255)); // nothing copied yet
    }
    EXPECT_EQ(target.GetPixel(6, 6), RGB(255, 0, 0));
    EXPECT_EQ(target.GetPixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(target.GetPixel(19, 29), RGB(0, 0, 255));
    EXPECT_EQ(target.GetPixel(20, 0), RGB(255, 255, 255)); // outside the rectangle
}

TEST_F(MemDCTest, ChangesToTheMappingAreUndoneBeforeTheCopy)
{
    target.SetViewportOrg(10, 5);
    {
        // The rectangle starts at the target's device origin.
        SECMemDC dc(&target, -10, -5, 20, 20);
        dc.FillSolidRect(-10, -5, 30, 25, RGB(0, 128, 0)); // logical, as on the target
        dc.SetViewportOrg(0, 0);
        dc.SetWindowOrg(7, 7);
    }
    target.SetViewportOrg(0, 0);
    EXPECT_EQ(target.GetPixel(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(target.GetPixel(29, 24), RGB(0, 128, 0));
    EXPECT_EQ(target.GetPixel(30, 0), RGB(255, 255, 255));
    EXPECT_EQ(target.GetPixel(0, 25), RGB(255, 255, 255));
}

// TRUE when making the context threw the resource exception.
bool ThrowsResourceException(CDC *pTarget, int right, int bottom)
{
    try {
        SECMemDC dc(pTarget, 0, 0, right, bottom);
    } catch (CResourceException *e) {
        e->Delete();
        return true;
    }
    return false;
}

TEST(MemDCFailures, ANullTargetOrAnEmptyRectangleThrowsTheResourceException)
{
    EXPECT_TRUE(ThrowsResourceException(nullptr, 10, 10));
    CDC screen;
    ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
    EXPECT_TRUE(ThrowsResourceException(&screen, 0, 10));
    EXPECT_FALSE(ThrowsResourceException(&screen, 10, 10));
}

} // namespace
