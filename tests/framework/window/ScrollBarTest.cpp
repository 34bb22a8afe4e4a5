// Scroll bars of windows and scroll-bar controls.
#include "WindowTestSupport.h"

#include "framework/window/ScrollBar.h"
#include "framework/window/WindowState.h"

#include "framework/gdi/SystemColors.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

TEST(ScrollBarTest, PositionsAreClampedToTheRangeAndPage)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 100, 100}));
    struct Case {
        int nMin, nMax;
        UINT nPage;
        int nPos, expected;
    } cases[] = {
        {0, 99, 10, 200, 90}, {0, 99, 10, -5, 0}, {0, 99, 0, 99, 99}, {10, 20, 50, 15, 10}, {-50, 50, 1, -20, -20},
    };
    for (const Case &c : cases) {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, c.nMin, c.nMax, c.nPage, c.nPos, 0};
        wnd.SetScrollInfo(SB_VERT, &si);
        EXPECT_EQ(wnd.GetScrollPos(SB_VERT), c.expected) << c.nMin << ".." << c.nMax << " page " << c.nPage;
    }
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 99, 10, 0, 0};
    wnd.SetScrollInfo(SB_HORZ, &si);
    EXPECT_EQ(wnd.GetScrollLimit(SB_HORZ), 90);
    EXPECT_EQ(wnd.SetScrollPos(SB_HORZ, 40), 0);
    EXPECT_EQ(wnd.SetScrollPos(SB_HORZ, 50), 40);
}

TEST(ScrollBarTest, AWindowBarShowsWhileThereIsSomethingToScroll)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 100, 80}));
    wnd.Clear();
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 199, 80, 0, 0};
    wnd.SetScrollInfo(SB_VERT, &si);
    EXPECT_TRUE(wnd.GetStyle() & WS_VSCROLL);
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 100 - GetSystemMetrics(SM_CXVSCROLL));
    auto sizes = wnd.Only({WM_SIZE});
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(LOWORD(sizes.back().lParam), client.Width());

    si.nMax = 50;
    wnd.SetScrollInfo(SB_VERT, &si);
    EXPECT_FALSE(wnd.GetStyle() & WS_VSCROLL);
    wnd.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 100);
}

TEST(ScrollBarTest, ABarKeptWithNothingToScrollIsDisabled)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 100, 80}));
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 199, 80, 0, 0};
    wnd.SetScrollInfo(SB_VERT, &si);
    QScrollBar *bar = wnd.m_hWnd->bars[SB_VERT].widget;
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isEnabled());
    si.fMask |= SIF_DISABLENOSCROLL;
    si.nPage = 200; // the page now shows everything
    wnd.SetScrollInfo(SB_VERT, &si);
    EXPECT_TRUE(wnd.GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(bar->isEnabled());
}

class CScrollingWnd : public CRecordingWnd {
public:
    std::vector<std::pair<UINT, CScrollBar *>> seen;

protected:
    afx_msg void OnVScroll(UINT nSBCode, UINT, CScrollBar *pScrollBar)
    {
        seen.emplace_back(nSBCode, pScrollBar);
        if (nSBCode == SB_LINEDOWN)
            SetScrollPos(SB_VERT, GetScrollPos(SB_VERT) + 1);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CScrollingWnd, CRecordingWnd)
ON_WM_VSCROLL()
END_MESSAGE_MAP()

TEST(ScrollBarTest, UserActionsSendScrollCodesAndTheHandlerOwnsThePosition)
{
    CScrollingWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 100, 80}));
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 99, 10, 5, 0};
    wnd.SetScrollInfo(SB_VERT, &si);
    QScrollBar *bar = wnd.m_hWnd->bars[SB_VERT].widget;
    ASSERT_NE(bar, nullptr);

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    std::vector<UINT> codes;
    for (auto &s : wnd.seen) {
        codes.push_back(s.first);
        EXPECT_EQ(s.second, nullptr);
    }
    EXPECT_EQ(codes, (std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEUP, SB_ENDSCROLL}));
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), 6); // the page-up handler did nothing
    EXPECT_EQ(bar->value(), 6);

    // A scroll-bar control notifies its parent and names itself.
    CScrollBar control;
    ASSERT_TRUE(control.Create(SBS_VERT | WS_VISIBLE, CRect(0, 0, 16, 60), &wnd, 9));
    control.SetScrollRange(0, 10);
    wnd.seen.clear();
    control.m_hWnd->bars[0].widget->triggerAction(QAbstractSlider::SliderToMaximum);
    ASSERT_FALSE(wnd.seen.empty());
    EXPECT_EQ(wnd.seen[0].first, static_cast<UINT>(SB_BOTTOM));
    EXPECT_EQ(wnd.seen[0].second, &control);
}

} // namespace
