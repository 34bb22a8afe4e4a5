// Docking control bars: the frame's dock bars along each edge, rows shared
// by bars, the dock context's modal drag with its outline on the screen,
// Ctrl and Shift during a drag, cancelling, double clicks between the
// remembered places, floating frames closed by their own button, and a
// sizable bar that brings its own layout rules.
#include "AppTestSupport.h"

#include "framework/app/DockBar.h"
#include "framework/app/DockContext.h"
#include "framework/app/MiniFrameWnd.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr UINT ID_BAR_A = AFX_IDW_TOOLBAR; // the View menu's toolbar toggle
constexpr UINT ID_BAR_B = 0xE810;
constexpr UINT ID_BAR_C = 0xE811;

// A bar of a fixed size: cx by cy along a horizontal edge, turned along a
// vertical one.
class BoxBar : public CControlBar {
public:
    explicit BoxBar(CSize size = CSize(120, 26)) : m_size(size) {}
    BOOL Create(CWnd *pParent, UINT nID, LPCTSTR lpszTitle = "Box")
    {
        m_dwStyle = CBRS_ALIGN_TOP;
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        return CreateEx(0, lpszClass, lpszTitle, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? m_size : CSize(m_size.cy, m_size.cx); }
    void OnUpdateCmdUI(CFrameWnd *, BOOL) override {}
    CSize m_size;
};

// A sizable bar of the kind a program derives: it keeps a size for each
// orientation and for floating, commits floating sizes to the length it
// is given, never goes below a minimum, and its dock context keeps a bar
// clicked without moving where it is.
class SizableBar : public CControlBar {
public:
    CSize m_sizeHorz{200, 60};
    CSize m_sizeVert{60, 200};
    CSize m_sizeFloat{160, 90};
    CSize m_sizeMinFloat{37, 32};

    BOOL Create(CWnd *pParent, UINT nID)
    {
        m_dwStyle = CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC;
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        return CreateEx(0, lpszClass, "Sizable", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }
    void EnableSizableDocking(DWORD dwDockStyle);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        if (bStretch)
            return bHorz ? CSize(32767, m_sizeHorz.cy) : CSize(m_sizeVert.cx, 32767);
        return bHorz ? m_sizeHorz : m_sizeVert;
    }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override
    {
        if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
            return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
        if ((dwMode & LM_COMMIT) && nLength >= 0) {
            if (dwMode & LM_LENGTHY)
                m_sizeFloat.cy = std::max<int>(nLength, m_sizeMinFloat.cy);
            else
                m_sizeFloat.cx = std::max<int>(nLength, m_sizeMinFloat.cx);
        }
        return m_sizeFloat;
    }
    void OnUpdateCmdUI(CFrameWnd *, BOOL) override {}
};

class SizableDockContext : public CDockContext {
public:
    using CDockContext::CDockContext;
    int m_nDrags = 0;
    void StartDrag(CPoint pt) override
    {
        ++m_nDrags;
        CDockContext::StartDrag(pt);
    }
};

void SizableBar::EnableSizableDocking(DWORD dwDockStyle)
{
    if (m_pDockContext == nullptr)
        m_pDockContext = new SizableDockContext(this);
    EnableDocking(dwDockStyle);
}

// Records the outlines the dock context draws, and what the screen shows
// at an outline's corner right after.
class RecordingDockContext : public CDockContext {
public:
    using CDockContext::CDockContext;
    struct Drawn {
        CRect rect;
        COLORREF cornerPixel;
        COLORREF insidePixel;
        BOOL bRemove;
    };
    std::vector<Drawn> m_drawn;
    void DrawFocusRect(BOOL bRemoveRect) override
    {
        CDockContext::DrawFocusRect(bRemoveRect);
        if (m_pDC == nullptr)
            return;
        CRect rect = m_rectLast.IsRectEmpty() ? m_rectDragHorz : m_rectLast;
        m_drawn.push_back(Drawn{rect, m_pDC->GetPixel(rect.right - 1, rect.bottom - 1),
                                m_pDC->GetPixel(rect.CenterPoint().x, rect.CenterPoint().y), bRemoveRect});
    }
};

constexpr UINT ID_BAR_COMMAND = 0x8123;

class DockFrame : public CFrameWnd {
public:
    BoxBar m_barA;
    BoxBar m_barB{CSize(90, 26)};
    BoxBar m_barC{CSize(70, 30)};
    SizableBar m_sizable;
    CWnd m_pane;
    int m_nCommands = 0;

protected:
    afx_msg void OnBarCommand() { ++m_nCommands; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DockFrame, CFrameWnd)
ON_COMMAND(ID_BAR_COMMAND, OnBarCommand)
END_MESSAGE_MAP()

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = ::GetDC(nullptr);
    COLORREF color = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return color;
}

void PumpEvents()
{
    QCoreApplication::processEvents();
    PlexoDrainMessages();
}

class DockingTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        m_pFrame = new DockFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 740, 580)));
        LPCTSTR lpszClass = AfxRegisterWndClass(0);
        ASSERT_TRUE(m_pFrame->m_pane.CreateEx(0, lpszClass, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame,
                                              AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(m_pFrame->m_barA.Create(m_pFrame, ID_BAR_A, "Bar A"));
        ASSERT_TRUE(m_pFrame->m_barB.Create(m_pFrame, ID_BAR_B, "Bar B"));
        ASSERT_TRUE(m_pFrame->m_barC.Create(m_pFrame, ID_BAR_C, "Bar C"));
        for (CControlBar *pBar : Bars())
            pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->ActivateFrame();
    }
    void TearDown() override
    {
        Desktop::SetPlacesTopLevelWindows(false);
        if (::IsWindow(m_hFrame()))
            m_pFrame->DestroyWindow();
        PlexoDrainMessages();
        AppTestBase::TearDown();
    }
    HWND m_hFrame() const { return m_pFrame->GetSafeHwnd(); }
    std::vector<CControlBar *> Bars() { return {&m_pFrame->m_barA, &m_pFrame->m_barB, &m_pFrame->m_barC}; }
    CRect InFrame(CWnd *pWnd) const
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return rect;
    }
    static CRect OnScreen(CWnd *pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect;
    }
    CDockBar *DockBar(UINT nID) { return m_pFrame->GetDockBar(nID); }
    static UINT DockBarIdOf(CControlBar *pBar)
    {
        return pBar->m_pDockBar != nullptr ? static_cast<UINT>(pBar->m_pDockBar->GetDlgCtrlID()) : 0;
    }
    static CMiniDockFrameWnd *FloatingFrameOf(CControlBar *pBar)
    {
        return pBar->m_pDockBar != nullptr ? dynamic_cast<CMiniDockFrameWnd *>(pBar->m_pDockBar->GetParent()) : nullptr;
    }
    // Posts the rest of a drag (screen points) ahead of the press that
    // starts it: the modal loop then finds them queued.
    static void QueueMove(CWnd *pBar, CPoint ptScreen)
    {
        CPoint pt = ptScreen;
        pBar->ScreenToClient(&pt);
        pBar->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    static void QueueRelease(CWnd *pBar, CPoint ptScreen)
    {
        CPoint pt = ptScreen;
        pBar->ScreenToClient(&pt);
        pBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    static void QueueKey(CWnd *pWnd, int nKey, bool bDown)
    {
        pWnd->PostMessage(bDown ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(nKey), 0);
    }
    // Presses on the bar at a point of its own (screen coordinates).
    static void Press(CWnd *pBar, CPoint ptScreen)
    {
        CPoint pt = ptScreen;
        pBar->ScreenToClient(&pt);
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    // Drags a bar from a point inside it by an offset, releasing there.
    static void Drag(CControlBar *pBar, CPoint from, CSize by)
    {
        QueueMove(pBar, from + CSize(by.cx / 2, by.cy / 2));
        QueueMove(pBar, from + by);
        QueueRelease(pBar, from + by);
        Press(pBar, from);
    }
    void DockAllTop()
    {
        for (CControlBar *pBar : Bars())
            m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
    }

    DockFrame *m_pFrame = nullptr;
};

TEST_F(DockingTest, EachSideTakesTheBarAlongItsEdgeAndThePaneKeepsTheRest)
{
    struct Case {
        UINT nDockBarID;
        DWORD dwAlign;
    };
    const Case cases[] = {
        {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
        {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
        {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
        {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT},
    };
    CRect client;
    m_pFrame->GetClientRect(&client);
    BoxBar &bar = m_pFrame->m_barA;
    m_pFrame->ShowControlBar(&m_pFrame->m_barB, FALSE, TRUE);
    m_pFrame->ShowControlBar(&m_pFrame->m_barC, FALSE, TRUE);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nDockBarID);
        m_pFrame->DockControlBar(&bar, c.nDockBarID);
        m_pFrame->RecalcLayout();
        ASSERT_EQ(DockBarIdOf(&bar), c.nDockBarID);
        EXPECT_EQ(bar.GetParent(), DockBar(c.nDockBarID));
        EXPECT_EQ(bar.m_dwStyle & CBRS_ALIGN_ANY, c.dwAlign);
        EXPECT_FALSE(bar.IsFloating());
        CRect rectBar = InFrame(&bar);
        CRect pane = InFrame(&m_pFrame->m_pane);
        const bool bHorz = (c.dwAlign & CBRS_ORIENT_HORZ) != 0;
        // Turned along a vertical edge; docked bars start the overlap
        // outside their dock bar and leave as much at its far side.
        EXPECT_EQ(rectBar.Size(), bHorz ? CSize(120, 26) : CSize(26, 120));
        switch (c.dwAlign) {
        case CBRS_ALIGN_TOP:
            EXPECT_EQ(rectBar.top, client.top - CDockBar::kOverlap);
            EXPECT_EQ(pane.top, rectBar.bottom + CDockBar::kOverlap);
            break;
        case CBRS_ALIGN_BOTTOM:
            EXPECT_EQ(rectBar.bottom, client.bottom - CDockBar::kOverlap);
            EXPECT_EQ(pane.bottom, rectBar.top + CDockBar::kOverlap);
            break;
        case CBRS_ALIGN_LEFT:
            EXPECT_EQ(rectBar.left, client.left - CDockBar::kOverlap);
            EXPECT_EQ(pane.left, rectBar.right + CDockBar::kOverlap);
            break;
        default:
            EXPECT_EQ(rectBar.right, client.right - CDockBar::kOverlap);
            EXPECT_EQ(pane.right, rectBar.left + CDockBar::kOverlap);
            break;
        }
        // The other dock bars hold nothing and take no room.
        for (UINT nID = AFX_IDW_DOCKBAR_TOP; nID <= AFX_IDW_DOCKBAR_BOTTOM; ++nID)
            if (nID != c.nDockBarID) {
                EXPECT_EQ(DockBar(nID)->GetDockedCount(), 0);
            }
    }
    EXPECT_EQ(m_pFrame->GetControlBar(ID_BAR_A), &bar);
}

TEST_F(DockingTest, BarsShareARowWhenDroppedOnItAndStartANewRowOtherwise)
{
    BoxBar &a = m_pFrame->m_barA;
    BoxBar &b = m_pFrame->m_barB;
    BoxBar &c = m_pFrame->m_barC;
    m_pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    // Dropped one pixel right of a: the same row, right after it.
    CRect rect = OnScreen(&a);
    rect.OffsetRect(1, 0);
    m_pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rect);
    m_pFrame->DockControlBar(&c, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    CDockBar *pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_EQ(pTop->m_arrBars.GetSize(), 6); // NULL a b NULL c NULL
    EXPECT_EQ(pTop->GetDockedBar(1), &a);
    EXPECT_EQ(pTop->GetDockedBar(2), &b);
    EXPECT_EQ(pTop->GetDockedBar(3), nullptr);
    EXPECT_EQ(pTop->GetDockedBar(4), &c);
    const CRect ra = InFrame(&a), rb = InFrame(&b), rc = InFrame(&c);
    EXPECT_EQ(rb.top, ra.top);
    EXPECT_EQ(rb.left, ra.right - CDockBar::kOverlap);
    EXPECT_EQ(rc.top, ra.bottom - CDockBar::kOverlap);
    EXPECT_EQ(rc.left, ra.left);
    EXPECT_EQ(InFrame(pTop).Height(), 26 + 30 - CDockBar::kOverlap);

    // Dropped in front of a: first in the row.
    rect = OnScreen(&a);
    rect.OffsetRect(-5, 0);
    m_pFrame->DockControlBar(&c, AFX_IDW_DOCKBAR_TOP, &rect);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(pTop->m_arrBars.GetSize(), 5); // the emptied row went
    EXPECT_EQ(pTop->GetDockedBar(1), &c);
    EXPECT_EQ(InFrame(&a).left, InFrame(&c).right - CDockBar::kOverlap);
}

TEST_F(DockingTest, HiddenBarsLeaveNoGapAndARowOfHiddenBarsNoRoom)
{
    BoxBar &a = m_pFrame->m_barA;
    BoxBar &b = m_pFrame->m_barB;
    BoxBar &c = m_pFrame->m_barC;
    m_pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    CRect rect = OnScreen(&a);
    rect.OffsetRect(1, 0);
    m_pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rect);
    m_pFrame->DockControlBar(&c, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    const CRect ra = InFrame(&a);

    m_pFrame->ShowControlBar(&a, FALSE, FALSE);
    EXPECT_EQ(InFrame(&b).left, ra.left);
    m_pFrame->ShowControlBar(&b, FALSE, FALSE);
    // The first row is all hidden: c moves up and the pane follows.
    EXPECT_EQ(InFrame(&c).top, ra.top);
    EXPECT_EQ(InFrame(&m_pFrame->m_pane).top, InFrame(&c).bottom + CDockBar::kOverlap);
    m_pFrame->ShowControlBar(&c, FALSE, FALSE);
    EXPECT_EQ(InFrame(DockBar(AFX_IDW_DOCKBAR_TOP)).Height(), 0);
    EXPECT_EQ(InFrame(&m_pFrame->m_pane).top, 0);
    m_pFrame->ShowControlBar(&a, TRUE, FALSE);
    EXPECT_EQ(InFrame(&a), ra);

    // A delayed hide counts at once and happens at the next layout.
    a.DelayShow(FALSE);
    EXPECT_FALSE(a.IsVisible());
    EXPECT_TRUE(a.GetStyle() & WS_VISIBLE);
    m_pFrame->RecalcLayout();
    EXPECT_FALSE(a.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(InFrame(DockBar(AFX_IDW_DOCKBAR_TOP)).Height(), 0);
    a.DelayShow(TRUE);
    EXPECT_TRUE(a.IsVisible());
    m_pFrame->RecalcLayout();
    EXPECT_EQ(InFrame(&a), ra);
}

TEST_F(DockingTest, ABarStartingAtTheEndOfItsRowWrapsToTheNext)
{
    m_pFrame->MoveWindow(100, 100, 200, 300);
    BoxBar &a = m_pFrame->m_barA;
    BoxBar &b = m_pFrame->m_barB;
    BoxBar &c = m_pFrame->m_barC;
    m_pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
    m_pFrame->RecalcLayout();
    for (CControlBar *pBar : {static_cast<CControlBar *>(&b), static_cast<CControlBar *>(&c)}) {
        CRect rect = OnScreen(&a);
        rect.OffsetRect(150, 0);
        m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP, &rect);
    }
    m_pFrame->RecalcLayout();
    // a and b fill the 200 pixels; c would start past the end.
    CDockBar *pTop = DockBar(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(InFrame(&b).top, InFrame(&a).top);
    EXPECT_EQ(InFrame(&c).top, InFrame(&a).bottom - CDockBar::kOverlap);
    EXPECT_EQ(InFrame(&c).left, -CDockBar::kOverlap);
    EXPECT_EQ(pTop->GetDockedBar(3), nullptr);
    EXPECT_EQ(pTop->GetDockedBar(4), &c);
}

TEST_F(DockingTest, DraggingFarFromTheEdgesFloatsTheBarAndTheOutlineShowsOnTheScreen)
{
    BoxBar &a = m_pFrame->m_barA;
    delete a.m_pDockContext;
    auto *pContext = new RecordingDockContext(&a);
    a.m_pDockContext = pContext;
    DockAllTop();
    PumpEvents(); // the bars painted
    const CRect before = OnScreen(&a);
    const COLORREF corner = ScreenPixel(before.right - 1, before.bottom - 1);
    const COLORREF inside = ScreenPixel(before.CenterPoint().x, before.CenterPoint().y);
    ASSERT_NE(corner, CLR_INVALID);
    const CPoint from = before.TopLeft() + CSize(10, 10);
    Drag(&a, from, CSize(150, 200));

    ASSERT_TRUE(a.IsFloating());
    CMiniDockFrameWnd *pFloat = FloatingFrameOf(&a);
    ASSERT_NE(pFloat, nullptr);
    EXPECT_TRUE(pFloat->IsWindowVisible());
    EXPECT_EQ(pFloat->GetOwner(), m_pFrame);
    // The frame lies where its outline was dropped; the bar is its client.
    CRect frameOutline(before.TopLeft(), CSize(120, 26));
    CMiniFrameWnd::CalcBorders(&frameOutline, WS_CAPTION);
    frameOutline.OffsetRect(150, 200);
    EXPECT_EQ(OnScreen(pFloat).TopLeft(), frameOutline.TopLeft());
    EXPECT_EQ(OnScreen(&a).Size(), CSize(120, 26));
    CString strTitle;
    pFloat->GetWindowText(strTitle);
    EXPECT_EQ(std::string(strTitle), "Bar A");
    // b and c close up in the row a left.
    EXPECT_EQ(InFrame(&m_pFrame->m_barB).left, -CDockBar::kOverlap);
    EXPECT_EQ(m_pFrame->GetControlBar(ID_BAR_A), &a);

    // The outline went over the screen: docked first (inverted in white,
    // over the top dock bar), then the floating frame's; its corner pixel
    // changed while shown, and the last drawing only took it away.
    ASSERT_GE(pContext->m_drawn.size(), 3u);
    const auto &first = pContext->m_drawn.front();
    EXPECT_EQ(first.rect, before);
    EXPECT_EQ(first.cornerPixel, RGB(255 - GetRValue(corner), 255 - GetGValue(corner), 255 - GetBValue(corner)));
    EXPECT_EQ(first.insidePixel, inside);
    EXPECT_TRUE(pContext->m_drawn.back().bRemove);
    EXPECT_NE(pContext->m_drawn[pContext->m_drawn.size() - 2].rect.Size(), before.Size()); // the frame's outline
}

TEST_F(DockingTest, CtrlForcesFloatingAndShiftFlipsTheOrientation)
{
    struct Case {
        const char *name;
        std::vector<int> keys; // pressed during the drag
        bool bFloats;
        DWORD dwAlign; // where it ends: the dock bar's edge or the floating orientation
    };
    const Case cases[] = {
        {"plain", {}, false, CBRS_ALIGN_LEFT},
        {"ctrl", {VK_CONTROL}, true, CBRS_ALIGN_TOP},
        {"shift", {VK_SHIFT}, false, CBRS_ALIGN_LEFT},
        {"ctrl shift", {VK_CONTROL, VK_SHIFT}, true, CBRS_ALIGN_LEFT},
    };
    BoxBar &a = m_pFrame->m_barA;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        m_pFrame->DockControlBar(&a, AFX_IDW_DOCKBAR_TOP);
        m_pFrame->RecalcLayout();
        // Over the left edge of the frame, half way down.
        CRect client;
        m_pFrame->GetClientRect(&client);
        m_pFrame->ClientToScreen(&client);
        const CPoint from = OnScreen(&a).TopLeft() + CSize(5, 5);
        const CPoint to(client.left + 3, client.top + 200);
        QueueMove(&a, to);
        for (int nKey : c.keys)
            QueueKey(&a, nKey, true);
        QueueMove(&a, to + CSize(1, 1));
        QueueRelease(&a, to + CSize(1, 1));
        for (int nKey : c.keys)
            QueueKey(&a, nKey, false);
        Press(&a, from);
        PlexoDrainMessages();
        EXPECT_EQ(a.IsFloating() != FALSE, c.bFloats);
        EXPECT_EQ(a.m_dwStyle & CBRS_ALIGN_ANY, c.dwAlign);
        if (!c.bFloats) {
            EXPECT_EQ(DockBarIdOf(&a), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
        } else {
            EXPECT_EQ(OnScreen(&a).Size(), c.dwAlign == CBRS_ALIGN_TOP ? CSize(120, 26) : CSize(26, 120));
        }
    }
}

TEST_F(DockingTest, EscapeAndRightClickCancelTheDragLeavingEverythingAsItWas)
{
    DockAllTop();
    BoxBar &a = m_pFrame->m_barA;
    for (UINT nCancel : {static_cast<UINT>(WM_KEYDOWN), static_cast<UINT>(WM_RBUTTONDOWN)}) {
        SCOPED_TRACE(nCancel);
        const CRect before = OnScreen(&a);
        QueueMove(&a, before.TopLeft() + CSize(200, 250));
        if (nCancel == WM_KEYDOWN)
            QueueKey(&a, VK_ESCAPE, true);
        else
            a.PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, 0);
        QueueRelease(&a, before.TopLeft() + CSize(200, 250));
        Press(&a, before.TopLeft() + CSize(5, 5));
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_FALSE(a.IsFloating());
        EXPECT_EQ(DockBarIdOf(&a), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));
        EXPECT_EQ(OnScreen(&a), before);
        // The release left over reaches the bar as a plain message.
        PlexoDrainMessages();
        EXPECT_FALSE(a.IsFloating());
    }
}

TEST_F(DockingTest, DoubleClicksToggleBetweenTheRememberedDockedAndFloatingPlaces)
{
    DockAllTop();
    BoxBar &b = m_pFrame->m_barB;
    CRect rect = OnScreen(&m_pFrame->m_barA);
    rect.OffsetRect(1, 0);
    m_pFrame->DockControlBar(&b, AFX_IDW_DOCKBAR_TOP, &rect); // beside a
    m_pFrame->RecalcLayout();
    const CRect docked = OnScreen(&b);

    // Never floated: it floats where it was docked.
    b.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_TRUE(b.IsFloating());
    CMiniDockFrameWnd *pFloat = FloatingFrameOf(&b);
    ASSERT_NE(pFloat, nullptr);
    EXPECT_EQ(OnScreen(pFloat).TopLeft(), docked.TopLeft());
    EXPECT_EQ(b.m_pDockContext->m_uMRUDockID, static_cast<UINT>(AFX_IDW_DOCKBAR_TOP));

    // Moved elsewhere by its caption, then double-clicked: back beside a.
    const CPoint caption = OnScreen(pFloat).TopLeft() + CSize(10, 6);
    ASSERT_EQ(pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
    const CPoint floatAt = caption + CSize(60, 180);
    QueueMove(&b, floatAt);
    QueueRelease(&b, floatAt);
    pFloat->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    ASSERT_TRUE(b.IsFloating());
    pFloat = FloatingFrameOf(&b);
    const CPoint floatCorner = OnScreen(pFloat).TopLeft();
    EXPECT_EQ(floatCorner, docked.TopLeft() + CSize(60, 180));
    const CPoint dblclk = floatCorner + CSize(10, 6);
    pFloat->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(dblclk.x, dblclk.y));
    EXPECT_FALSE(b.IsFloating());
    EXPECT_EQ(OnScreen(&b), docked);
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP)->GetDockedBar(2), &b);
    // The emptied floating frame goes once its messages are done.
    PlexoDrainMessages();
    EXPECT_EQ(m_pFrame->GetControlBar(ID_BAR_B), &b);

    // And again: it floats where it floated last.
    b.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_TRUE(b.IsFloating());
    EXPECT_EQ(OnScreen(FloatingFrameOf(&b)).TopLeft(), floatCorner);
}

TEST_F(DockingTest, ClosingAFloatingFrameByItsButtonHidesTheBarAndClearsTheViewMenuCheck)
{
    DockAllTop();
    BoxBar &a = m_pFrame->m_barA;
    m_pFrame->FloatControlBar(&a, CPoint(300, 300));
    CMiniDockFrameWnd *pFloat = FloatingFrameOf(&a);
    ASSERT_NE(pFloat, nullptr);
    ASSERT_TRUE(pFloat->IsWindowVisible());
    CRect button = pFloat->GetCloseButtonRect();
    button.OffsetRect(OnScreen(pFloat).TopLeft());
    const CPoint pt = button.CenterPoint();
    ASSERT_EQ(pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTCLOSE);

    struct CheckProbe : CCmdUI {
        int nCheck = -1;
        void Enable(BOOL) override {}
        void SetCheck(int n) override { nCheck = n; }
        void SetRadio(BOOL) override {}
        void SetText(LPCTSTR) override {}
    } check;
    check.m_nID = ID_VIEW_TOOLBAR;
    check.DoUpdate(m_pFrame, TRUE);
    EXPECT_EQ(check.nCheck, 1);

    // A press on the button released off it does nothing.
    pFloat->SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(pt.x, pt.y));
    pFloat->SendMessage(WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(pt.x - 20, pt.y));
    EXPECT_TRUE(pFloat->IsWindowVisible());
    pFloat->SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(pt.x, pt.y));
    pFloat->SendMessage(WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(pt.x, pt.y));
    EXPECT_FALSE(a.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(pFloat->IsWindowVisible());
    check.DoUpdate(m_pFrame, TRUE);
    EXPECT_EQ(check.nCheck, 0);

    // The View menu's toggle brings bar and frame back.
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(a.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(pFloat->IsWindowVisible());
    check.DoUpdate(m_pFrame, TRUE);
    EXPECT_EQ(check.nCheck, 1);
}

TEST_F(DockingTest, BarsThatFloatTogetherShareAFloatingFrame)
{
    DockAllTop();
    BoxBar &a = m_pFrame->m_barA;
    BoxBar &b = m_pFrame->m_barB;
    for (CControlBar *pBar : {static_cast<CControlBar *>(&a), static_cast<CControlBar *>(&b)})
        pBar->EnableDocking(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    m_pFrame->FloatControlBar(&a, CPoint(300, 350), CBRS_ALIGN_TOP | CBRS_FLOAT_MULTI);
    CMiniDockFrameWnd *pShared = FloatingFrameOf(&a);
    ASSERT_NE(pShared, nullptr);
    const CRect alone = OnScreen(pShared);

    // b dropped onto a's floating frame joins it, below a.
    const CRect rectB = OnScreen(&b);
    const CPoint target = OnScreen(&a).TopLeft() + CSize(5, 20);
    Drag(&b, rectB.TopLeft() + CSize(5, 5), target - (rectB.TopLeft() + CSize(5, 5)));
    ASSERT_TRUE(b.IsFloating());
    EXPECT_EQ(FloatingFrameOf(&b), pShared);
    EXPECT_EQ(pShared->m_wndDockBar.GetDockedCount(), 2);
    EXPECT_EQ(OnScreen(pShared).TopLeft(), alone.TopLeft());
    EXPECT_EQ(OnScreen(pShared).Height(), alone.Height() + 26);

    // The shared frame's caption moves the frame with both bars.
    const CPoint caption = alone.TopLeft() + CSize(10, 6);
    QueueRelease(pShared, caption + CSize(44, 33));
    pShared->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    EXPECT_EQ(FloatingFrameOf(&a), pShared);
    EXPECT_EQ(FloatingFrameOf(&b), pShared);
    EXPECT_EQ(OnScreen(pShared).TopLeft(), alone.TopLeft() + CSize(44, 33));

    // a dragged out by itself leaves b alone in the frame, which shrinks.
    Drag(&a, OnScreen(&a).TopLeft() + CSize(5, 5), CSize(0, 150));
    EXPECT_NE(FloatingFrameOf(&a), pShared);
    EXPECT_EQ(FloatingFrameOf(&b), pShared);
    EXPECT_EQ(OnScreen(pShared).Height(), alone.Height());
}

TEST_F(DockingTest, CommandsOfDockedAndFloatingBarsReachTheFrame)
{
    DockAllTop();
    BoxBar &a = m_pFrame->m_barA;
    a.GetParent()->SendMessage(WM_COMMAND, ID_BAR_COMMAND, reinterpret_cast<LPARAM>(a.GetSafeHwnd()));
    EXPECT_EQ(m_pFrame->m_nCommands, 1);
    m_pFrame->FloatControlBar(&a, CPoint(300, 300));
    a.GetParent()->SendMessage(WM_COMMAND, ID_BAR_COMMAND, reinterpret_cast<LPARAM>(a.GetSafeHwnd()));
    EXPECT_EQ(m_pFrame->m_nCommands, 2);
}

TEST_F(DockingTest, AQueryLayoutTellsThePanesRoomAndMovesNothing)
{
    DockAllTop();
    m_pFrame->DockControlBar(&m_pFrame->m_barC, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    const CRect pane = InFrame(&m_pFrame->m_pane);
    const CRect barA = InFrame(&m_pFrame->m_barA);
    // Half the client area: the top row wraps only in the query's eyes.
    CRect client;
    m_pFrame->GetClientRect(&client);
    CRect half(0, 0, client.Width() / 2, client.Height());
    CRect left;
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CFrameWnd::reposQuery, &left, &half);
    EXPECT_EQ(left, CRect(InFrame(&m_pFrame->m_barC).right + CDockBar::kOverlap, pane.top, half.right, pane.bottom));
    EXPECT_EQ(InFrame(&m_pFrame->m_pane), pane);
    EXPECT_EQ(InFrame(&m_pFrame->m_barA), barA);
    EXPECT_EQ(InFrame(DockBar(AFX_IDW_DOCKBAR_LEFT)).right, pane.left);
}

TEST_F(DockingTest, WhereTheDesktopPlacesWindowsTheFloatingPointIsKeptButNotEnforced)
{
    Desktop::SetPlacesTopLevelWindows(true);
    DockAllTop();
    BoxBar &a = m_pFrame->m_barA;
    const CRect docked = OnScreen(&a);
    Drag(&a, docked.TopLeft() + CSize(10, 10), CSize(150, 200));
    ASSERT_TRUE(a.IsFloating());
    const CPoint asked = a.m_pDockContext->m_ptMRUFloatPos;
    EXPECT_EQ(asked, a.m_pDockContext->m_rectFrameDragHorz.TopLeft());
    // Docked again and floated again: the same point is asked for.
    a.m_pDockContext->ToggleDocking();
    EXPECT_FALSE(a.IsFloating());
    EXPECT_EQ(OnScreen(&a), docked);
    a.m_pDockContext->ToggleDocking();
    EXPECT_TRUE(a.IsFloating());
    EXPECT_EQ(a.m_pDockContext->m_ptMRUFloatPos, asked);
}

TEST(ControlBarLayout, TheBasesFixedSizeIsTheRoomItsBordersTake)
{
    BoxBar bar;
    bar.m_dwStyle = CBRS_ALIGN_TOP | CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM | CBRS_BORDER_LEFT;
    EXPECT_EQ(bar.CControlBar::CalcFixedLayout(FALSE, TRUE), CSize(2, 4));
    EXPECT_EQ(bar.CControlBar::CalcFixedLayout(TRUE, TRUE), CSize(32767, 4));
    EXPECT_EQ(bar.CControlBar::CalcFixedLayout(TRUE, FALSE), CSize(2, 32767));
    // Bars of a fixed size answer every dynamic mode with their fixed layout.
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK), CSize(120, 26));
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_VERTDOCK), CSize(26, 120));
    EXPECT_EQ(bar.CalcDynamicLayout(500, LM_HORZ | LM_COMMIT), CSize(120, 26));
}

TEST_F(DockingTest, AFloatingBarThatGoesTakesItsEmptyFrameWithIt)
{
    auto pBar = std::make_unique<BoxBar>();
    ASSERT_TRUE(pBar->Create(m_pFrame, 0xE813));
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->FloatControlBar(pBar.get(), CPoint(300, 300));
    CMiniDockFrameWnd *pFloat = FloatingFrameOf(pBar.get());
    ASSERT_NE(pFloat, nullptr);
    const HWND hFloat = pFloat->GetSafeHwnd();
    pBar.reset();
    EXPECT_FALSE(::IsWindowVisible(hFloat));
    PlexoDrainMessages();
    EXPECT_FALSE(::IsWindow(hFloat));
    EXPECT_EQ(m_pFrame->GetControlBar(0xE813), nullptr);
}

TEST_F(DockingTest, TheModalLoopPassesWmQuitOnAndAnotherCaptureStopsIt)
{
    DockAllTop();
    BoxBar &a = m_pFrame->m_barA;
    const CRect before = OnScreen(&a);
    QueueMove(&a, before.TopLeft() + CSize(100, 200));
    ::PostQuitMessage(7);
    Press(&a, before.TopLeft() + CSize(5, 5));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(OnScreen(&a), before);
    MSG msg{};
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);

    // Another window holding the mouse: no drag starts.
    m_pFrame->m_pane.SetCapture();
    QueueRelease(&a, before.TopLeft() + CSize(100, 200));
    Press(&a, before.TopLeft() + CSize(5, 5));
    EXPECT_EQ(CWnd::GetCapture(), &m_pFrame->m_pane);
    ::ReleaseCapture();
    PlexoDrainMessages();
    EXPECT_EQ(OnScreen(&a), before);
}

TEST_F(DockingTest, ASizableBarDocksByItsOwnSizesAndResizesItsFloatingFrame)
{
    SizableBar &bar = m_pFrame->m_sizable;
    ASSERT_TRUE(bar.Create(m_pFrame, 0xE812));
    bar.EnableSizableDocking(CBRS_ALIGN_ANY);
    auto *pContext = dynamic_cast<SizableDockContext *>(bar.m_pDockContext);
    ASSERT_NE(pContext, nullptr);
    m_pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(OnScreen(&bar).Size(), CSize(60, 200));
    m_pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(OnScreen(&bar).Size(), CSize(200, 60));

    // Dragged out, it floats at its floating size in a sizing frame.
    Drag(&bar, OnScreen(&bar).TopLeft() + CSize(10, 10), CSize(100, -250));
    EXPECT_EQ(pContext->m_nDrags, 1);
    ASSERT_TRUE(bar.IsFloating());
    CMiniDockFrameWnd *pFloat = FloatingFrameOf(&bar);
    ASSERT_NE(pFloat, nullptr);
    EXPECT_TRUE(pFloat->GetStyle() & WS_THICKFRAME);
    EXPECT_EQ(OnScreen(&bar).Size(), CSize(160, 90));

    // Its right border widens it; the bar commits each width.
    const CRect frame = OnScreen(pFloat);
    const CPoint edge(frame.right - 2, frame.CenterPoint().y);
    ASSERT_EQ(pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)), HTRIGHT);
    QueueMove(&bar, edge + CSize(30, 0));
    QueueMove(&bar, edge + CSize(40, 5));
    QueueRelease(&bar, edge + CSize(40, 5));
    pFloat->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(edge.x, edge.y));
    EXPECT_EQ(bar.m_sizeFloat, CSize(200, 90));
    pFloat = FloatingFrameOf(&bar);
    EXPECT_EQ(OnScreen(&bar).Size(), CSize(200, 90));
    EXPECT_EQ(OnScreen(pFloat).TopLeft(), frame.TopLeft());
    EXPECT_EQ(OnScreen(pFloat).Width(), frame.Width() + 40);

    // Dragged left past its minimum, it stops there.
    const CRect wider = OnScreen(pFloat);
    const CPoint left(wider.left + 1, wider.CenterPoint().y);
    ASSERT_EQ(pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(left.x, left.y)), HTLEFT);
    QueueMove(&bar, left + CSize(400, 0));
    QueueRelease(&bar, left + CSize(400, 0));
    pFloat->SendMessage(WM_NCLBUTTONDOWN, HTLEFT, MAKELPARAM(left.x, left.y));
    EXPECT_EQ(bar.m_sizeFloat.cx, bar.m_sizeMinFloat.cx);
    EXPECT_EQ(OnScreen(FloatingFrameOf(&bar)).right, wider.right);
}

} // namespace
