// The screen context draws on an overlay above every window: drag outlines
// show there and go when drawn again; batches of window moves; the window
// and screen contexts of GetDCEx; the outline-dragging system setting.
#include "WindowTestSupport.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/window/ScreenOverlay.h"
#include "framework/window/SystemParametersApi.h"
#include "framework/window/WindowApi.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kFill = RGB(200, 30, 60);
constexpr COLORREF kInverted = RGB(255 - 200, 255 - 30, 255 - 60);

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = ::GetDC(nullptr);
    COLORREF color = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return color;
}

// Visible top-level widgets that are not the program's windows.
int OverlayWidgetsShown()
{
    int nShown = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->testAttribute(Qt::WA_TransparentForMouseEvents))
            ++nShown;
    return nShown;
}

class ScreenOverlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(m_window, CRect(50, 60, 250, 220)));
        PumpEvents(); // its first paint done
        CDC *pDC = m_window.GetDC();
        CRect client;
        m_window.GetClientRect(&client);
        pDC->FillSolidRect(&client, kFill);
        m_window.ReleaseDC(pDC);
    }
    void TearDown() override { m_window.DestroyWindow(); }
    CWnd m_window;
};

TEST_F(ScreenOverlayTest, ADragOutlineInvertsTheScreenUntilDrawnAgain)
{
    HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    ASSERT_NE(hdc, nullptr);
    CDC *pDC = CDC::FromHandle(hdc);
    CBrush white(RGB(255, 255, 255));
    const CRect outline(80, 90, 180, 150);
    pDC->DrawDragRect(&outline, CSize(3, 3), nullptr, CSize(0, 0), &white, &white);
    EXPECT_EQ(pDC->GetPixel(80, 90), kInverted);
    EXPECT_EQ(pDC->GetPixel(82, 120), kInverted);
    EXPECT_EQ(pDC->GetPixel(83, 120), kFill); // inside the outline
    EXPECT_EQ(pDC->GetPixel(179, 149), kInverted);
    EXPECT_EQ(pDC->GetPixel(180, 150), kFill);
    // Other contexts on the screen see it too, and the overlay shows it.
    EXPECT_EQ(ScreenPixel(100, 90), kInverted);
    EXPECT_EQ(OverlayWidgetsShown(), 0);
    EXPECT_TRUE(ScreenOverlay::Refresh());
    EXPECT_EQ(OverlayWidgetsShown(), 1);

    // Moved by 10 pixels: the old outline goes where the new one is not.
    const CRect moved = outline + CPoint(10, 0);
    pDC->DrawDragRect(&moved, CSize(3, 3), &outline, CSize(3, 3), &white, &white);
    EXPECT_EQ(pDC->GetPixel(80, 120), kFill);
    EXPECT_EQ(pDC->GetPixel(90, 120), kInverted);
    EXPECT_EQ(pDC->GetPixel(90, 90), kInverted);
    // A size of 0 only erases.
    pDC->DrawDragRect(&moved, CSize(0, 0), &moved, CSize(3, 3), &white, &white);
    EXPECT_EQ(pDC->GetPixel(90, 120), kFill);
    EXPECT_EQ(pDC->GetPixel(90, 90), kFill);
    EXPECT_FALSE(ScreenOverlay::Refresh());
    EXPECT_EQ(OverlayWidgetsShown(), 0);
    ::ReleaseDC(nullptr, hdc);
    // The window's own pixels were never touched.
    CDC *pWindowDC = m_window.GetDC();
    EXPECT_EQ(pWindowDC->GetPixel(30, 30), kFill);
    m_window.ReleaseDC(pWindowDC);
}

TEST_F(ScreenOverlayTest, TheHalftoneBrushInvertsEveryOtherPixel)
{
    HDC hdc = ::GetDC(nullptr);
    CDC *pDC = CDC::FromHandle(hdc);
    const CRect outline(60, 70, 200, 200);
    pDC->DrawDragRect(&outline, CSize(4, 4), nullptr, CSize(0, 0));
    int nInverted = 0;
    for (int x = 60; x < 68; ++x)
        nInverted += pDC->GetPixel(x, 70) == kInverted ? 1 : 0;
    EXPECT_EQ(nInverted, 4);
    EXPECT_NE(pDC->GetPixel(60, 70), pDC->GetPixel(61, 70));
    EXPECT_NE(pDC->GetPixel(60, 70), pDC->GetPixel(60, 71));
    ::ReleaseDC(nullptr, hdc);
    // Released: the screen shows the windows as they are.
    EXPECT_EQ(ScreenPixel(60, 70), kFill);
    EXPECT_EQ(ScreenPixel(61, 70), kFill);
}

TEST_F(ScreenOverlayTest, GetDCExGivesWindowAndClientContextsClippedToARegion)
{
    HDC hdc = ::GetDCEx(m_window.GetSafeHwnd(), nullptr, DCX_WINDOW | DCX_CACHE);
    ASSERT_NE(hdc, nullptr);
    ::ReleaseDC(m_window.GetSafeHwnd(), hdc);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 10, 10);
    hdc = ::GetDCEx(m_window.GetSafeHwnd(), static_cast<HRGN>(rgn.GetSafeHandle()), DCX_EXCLUDERGN);
    ASSERT_NE(hdc, nullptr);
    CDC *pDC = CDC::FromHandle(hdc);
    pDC->FillSolidRect(0, 0, 20, 20, RGB(0, 0, 255));
    ::ReleaseDC(m_window.GetSafeHwnd(), hdc);
    pDC = m_window.GetDC();
    EXPECT_EQ(pDC->GetPixel(5, 5), kFill);
    EXPECT_EQ(pDC->GetPixel(15, 15), RGB(0, 0, 255));
    m_window.ReleaseDC(pDC);
}

TEST(DeferWindowPos, ABatchMovesItsWindowsAtTheEndAndALaterChangeWins)
{
    CWnd parent, first, second;
    ASSERT_TRUE(CreateTopLevel(parent, CRect(10, 10, 400, 300)));
    ASSERT_TRUE(first.CreateEx(0, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1));
    ASSERT_TRUE(second.CreateEx(0, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 2));
    HDWP hdwp = ::BeginDeferWindowPos(2);
    ASSERT_NE(hdwp, nullptr);
    hdwp = ::DeferWindowPos(hdwp, first.GetSafeHwnd(), nullptr, 5, 6, 50, 60, SWP_NOZORDER);
    hdwp = ::DeferWindowPos(hdwp, second.GetSafeHwnd(), nullptr, 70, 80, 20, 30, SWP_NOZORDER);
    hdwp = ::DeferWindowPos(hdwp, first.GetSafeHwnd(), nullptr, 7, 8, 40, 50, SWP_NOZORDER);
    CRect rect;
    first.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(0, 0, 10, 10)); // nothing moved yet
    EXPECT_TRUE(::EndDeferWindowPos(hdwp));
    first.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(7, 8, 47, 58));
    second.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(70, 80, 90, 110));
    // A dead window drops the batch.
    hdwp = ::BeginDeferWindowPos(1);
    HWND hDead = second.GetSafeHwnd();
    second.DestroyWindow();
    EXPECT_EQ(::DeferWindowPos(hdwp, hDead, nullptr, 0, 0, 1, 1, SWP_NOZORDER), nullptr);
    EXPECT_FALSE(::EndDeferWindowPos(nullptr));
    parent.DestroyWindow();
}

TEST(SystemParameters, WindowsAreDraggedAsOutlines)
{
    BOOL bFull = TRUE;
    EXPECT_TRUE(::SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &bFull, 0));
    EXPECT_FALSE(bFull);
    EXPECT_FALSE(::SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, nullptr, 0));
}

} // namespace
