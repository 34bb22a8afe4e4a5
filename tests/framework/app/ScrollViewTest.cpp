#include "framework/app/ScrollView.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"

#include <gtest/gtest.h>

namespace {

class PageView : public CScrollView {
public:
    void OnDraw(CDC *) override {}
};

class ScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
        m_pView = new PageView;
        ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_parent, 1));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    BOOL HasBar(DWORD dwBar) const { return (m_pView->GetStyle() & dwBar) != 0; }

    CWnd m_parent;
    PageView *m_pView = nullptr; // deletes itself with its window
};

TEST_F(ScrollViewTest, BarsOnlyWhileThePageOutgrowsTheClient)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(150, 80));
    EXPECT_FALSE(HasBar(WS_HSCROLL));
    EXPECT_FALSE(HasBar(WS_VSCROLL));
    EXPECT_FALSE(m_pView->OnScrollBy(CSize(10, 10)));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 0));

    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    EXPECT_TRUE(HasBar(WS_HSCROLL));
    EXPECT_TRUE(HasBar(WS_VSCROLL));
    CRect rectClient;
    m_pView->GetClientRect(&rectClient);
    EXPECT_LT(rectClient.Width(), 200);

    // Only wider than the client: the horizontal bar alone.
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 50));
    EXPECT_TRUE(HasBar(WS_HSCROLL));
    EXPECT_FALSE(HasBar(WS_VSCROLL));
}

TEST_F(ScrollViewTest, ScrollToPositionClampsToThePage)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    m_pView->ScrollToPosition(CPoint(100, 50));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(100, 50));
    EXPECT_EQ(m_pView->GetDeviceScrollPosition(), CPoint(100, 50));
    CRect rectClient;
    m_pView->GetClientRect(&rectClient);
    m_pView->ScrollToPosition(CPoint(5000, 5000));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(1000 - rectClient.Width(), 800 - rectClient.Height()));
    m_pView->ScrollToPosition(CPoint(-20, -20));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 0));
}

TEST_F(ScrollViewTest, ScrollCodesMoveByLineAndPage)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800), CSize(90, 70), CSize(9, 7));
    m_pView->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 7));
    m_pView->SendMessage(WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(90, 7));
    m_pView->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(90, 300));
    m_pView->SendMessage(WM_HSCROLL, SB_TOP);
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 300));
    // OnScrollBy without scrolling only tests.
    EXPECT_TRUE(m_pView->OnScrollBy(CSize(0, 10), FALSE));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 300));
    // The wheel: three lines a notch.
    m_pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 321));
}

TEST_F(ScrollViewTest, RepeatedSizesKeepThePosition)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    m_pView->ScrollToPosition(CPoint(120, 60));
    m_pView->UpdateWindow();
    m_pView->ValidateRect(nullptr);
    CRect rectUpdate;
    ASSERT_FALSE(m_pView->GetUpdateRect(&rectUpdate))
        << rectUpdate.left << "," << rectUpdate.top << "," << rectUpdate.right << "," << rectUpdate.bottom;
    for (int i = 0; i < 3; ++i)
        m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(120, 60));
    EXPECT_FALSE(m_pView->GetUpdateRect(&rectUpdate)); // nothing to repaint
    // A smaller page pulls the position back inside it.
    m_pView->SetScrollSizes(MM_TEXT, CSize(250, 800));
    CRect rectClient;
    m_pView->GetClientRect(&rectClient);
    EXPECT_EQ(m_pView->GetScrollPosition().x, 250 - rectClient.Width());
}

TEST_F(ScrollViewTest, ScreenDCTakesTheScrollOriginPrintingDoesNot)
{
    m_pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    m_pView->ScrollToPosition(CPoint(40, 30));
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    m_pView->OnPrepareDC(&screen, nullptr);
    EXPECT_EQ(screen.GetViewportOrg(), CPoint(-40, -30));
    CDC printer;
    printer.CreateCompatibleDC(nullptr);
    int printInfoStandIn = 0;
    m_pView->OnPrepareDC(&printer, reinterpret_cast<CPrintInfo *>(&printInfoStandIn));
    EXPECT_EQ(printer.GetViewportOrg(), CPoint(0, 0));
}

TEST_F(ScrollViewTest, MappingModeSizesBecomePixels)
{
    // 2540 hundredths... of a tenth of a millimetre: ten inches, 960 pixels.
    m_pView->SetScrollSizes(MM_LOMETRIC, CSize(2540, 2540));
    int nMapMode = 0;
    SIZE total, page, line;
    m_pView->GetDeviceScrollSizes(nMapMode, total, page, line);
    EXPECT_EQ(nMapMode, MM_LOMETRIC);
    EXPECT_EQ(CSize(total), CSize(960, 960));
    EXPECT_EQ(m_pView->GetTotalSize(), CSize(2540, 2540));
    m_pView->ScrollToPosition(CPoint(254, -254)); // one inch right and down
    EXPECT_EQ(m_pView->GetDeviceScrollPosition(), CPoint(96, 96));
}

} // namespace
