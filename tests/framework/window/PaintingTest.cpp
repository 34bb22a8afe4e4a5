// The painting model: invalidation and WM_PAINT, CPaintDC clipping, XOR
// drawing through CClientDC, ScrollWindow, the caret over the presented
// image, and a small scribble window driven by real input.
#include "WindowTestSupport.h"

#include "framework/object/Exceptions.h"
#include "framework/window/WindowDC.h"
#include "framework/window/WindowState.h"

#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

QRgb Pixel(HWND hWnd, int x, int y)
{
    QPoint origin(hWnd->clientRect.left, hWnd->clientRect.top);
    return hWnd->backing.pixel(origin.x() + x, origin.y() + y) & 0xFFFFFF;
}

class CPaintingWnd : public CRecordingWnd {
public:
    int paints = 0;
    CRect lastPaint;

protected:
    afx_msg void OnPaint()
    {
        ++paints;
        CPaintDC dc(this);
        lastPaint = dc.m_ps.rcPaint;
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, kRed); // the clip keeps it to the invalid part
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintingWnd, CRecordingWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

class PaintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 100, 80}));
        PumpEvents();
        ValidateRect(wnd.m_hWnd, nullptr);
        CClientDC dc(&wnd);
        dc.FillSolidRect(0, 0, 100, 80, RGB(255, 255, 255));
        wnd.paints = 0;
        wnd.Clear();
    }
    CPaintingWnd wnd;
};

TEST_F(PaintingTest, InvalidationPaintsOnlyTheInvalidPartAfterErasing)
{
    CRect part(10, 20, 30, 25);
    wnd.InvalidateRect(&part, TRUE);
    CRect update;
    EXPECT_TRUE(wnd.GetUpdateRect(&update));
    EXPECT_EQ(update, part);
    EXPECT_EQ(wnd.paints, 0); // WM_PAINT waits for the queue
    PumpEvents();
    EXPECT_EQ(wnd.paints, 1);
    EXPECT_EQ(wnd.lastPaint, part);
    EXPECT_FALSE(wnd.GetUpdateRect(&update));
    EXPECT_EQ(wnd.Only({WM_ERASEBKGND}).size(), 1u);
    EXPECT_EQ(Pixel(wnd.m_hWnd, 10, 20), 0xFF0000u);
    EXPECT_EQ(Pixel(wnd.m_hWnd, 29, 24), 0xFF0000u);
    EXPECT_EQ(Pixel(wnd.m_hWnd, 30, 24), 0xFFFFFFu);
    EXPECT_EQ(Pixel(wnd.m_hWnd, 9, 20), 0xFFFFFFu);
}

TEST_F(PaintingTest, UpdateWindowPaintsAtOnceAndValidationCancels)
{
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.paints, 1);
    EXPECT_TRUE(wnd.Only({WM_ERASEBKGND}).empty());
    wnd.Invalidate();
    wnd.ValidateRect(nullptr);
    PumpEvents();
    EXPECT_EQ(wnd.paints, 1);
}

TEST_F(PaintingTest, TheDefaultEraseFillsTheVisibleAreaWhateverTheContextsOrigin)
{
    CClientDC dc(&wnd);
    dc.FillSolidRect(0, 0, 100, 80, kRed);
    dc.SetViewportOrg(-50, -40); // as a handler that scrolled its context first
    EXPECT_TRUE(wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0));
    for (CPoint pt : {CPoint(0, 0), CPoint(49, 39), CPoint(99, 79)})
        EXPECT_EQ(Pixel(wnd.m_hWnd, pt.x, pt.y), 0xFFFFFFu) << pt.x << "," << pt.y;
}

TEST_F(PaintingTest, XorDrawnTwiceThroughAClientDcRestoresTheImage)
{
    {
        CClientDC dc(&wnd);
        dc.FillSolidRect(0, 0, 50, 80, RGB(10, 200, 30));
    }
    QImage before = wnd.m_hWnd->backing.copy();
    auto rubberBand = [this]() {
        CClientDC dc(&wnd);
        dc.SetROP2(R2_NOT);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(20, 10, 70, 60);
        dc.MoveTo(0, 0);
        dc.LineTo(99, 79);
    };
    rubberBand();
    EXPECT_NE(wnd.m_hWnd->backing, before);
    rubberBand();
    EXPECT_EQ(wnd.m_hWnd->backing, before);
}

TEST_F(PaintingTest, ScrollWindowMovesPixelsAndInvalidatesWhatIsUncovered)
{
    {
        CClientDC dc(&wnd);
        for (int y = 0; y < 80; y += 2)
            dc.FillSolidRect(0, y, 100, 1, RGB(0, 0, y * 3));
    }
    QImage before = wnd.m_hWnd->backing.copy();
    CRect pending(0, 50, 10, 60);
    wnd.InvalidateRect(&pending, FALSE);
    wnd.ScrollWindow(0, 10);
    for (int y = 10; y < 80; ++y)
        ASSERT_EQ(Pixel(wnd.m_hWnd, 40, y), before.pixel(40, y - 10) & 0xFFFFFF) << y;
    CRgn update;
    update.CreateRectRgn(0, 0, 0, 0);
    wnd.GetUpdateRgn(&update);
    EXPECT_TRUE(update.PtInRegion(50, 0));
    EXPECT_TRUE(update.PtInRegion(50, 9));
    EXPECT_FALSE(update.PtInRegion(50, 10));
    EXPECT_TRUE(update.PtInRegion(5, 65)); // the pending part moved with its pixels
    EXPECT_FALSE(update.PtInRegion(5, 55));
}

TEST_F(PaintingTest, PendingPaintsFollowPixelsScrolledIntoTheClipAndStayWhereNothingArrived)
{
    CRect aboveClip(0, 0, 100, 10), insideClip(0, 20, 100, 25);
    wnd.InvalidateRect(&aboveClip, FALSE);
    wnd.InvalidateRect(&insideClip, FALSE);
    CRect clip(0, 20, 100, 80);
    ScrollWindowEx(wnd.m_hWnd, 0, 30, nullptr, &clip, nullptr, nullptr, 0);
    CRgn update;
    update.CreateRectRgn(0, 0, 0, 0);
    wnd.GetUpdateRgn(&update);
    struct Case {
        int y;
        bool invalid;
    } cases[] = {
        {5, true},   // outside the clip: untouched
        {22, true},  // inside the clip, no pixels arrived: still waiting
        {35, true},  // the pending rows above the clip arrived here
        {45, false}, // valid pixels arrived
        {52, true},  // the pending rows inside the clip moved here
        {57, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(update.PtInRegion(50, c.y) != FALSE, c.invalid) << c.y;
}

TEST(PaintingChildren, ChildrenPaintWhenTheirHiddenParentIsShown)
{
    CPaintingWnd parent, child;
    ASSERT_TRUE(CreateTopLevel(parent, RECT{0, 0, 100, 100}, WS_POPUP));
    ASSERT_TRUE(child.CreateEx(0, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), &parent, 1));
    PumpEvents();
    EXPECT_EQ(child.paints, 0);
    parent.ShowWindow(SW_SHOW);
    PumpEvents();
    EXPECT_EQ(parent.paints, 1);
    EXPECT_EQ(child.paints, 1);
    EXPECT_EQ(child.lastPaint, CRect(0, 0, 50, 50));

    // An invalidation that came while the parent was hidden is not lost.
    parent.ShowWindow(SW_HIDE);
    CRect part(0, 0, 5, 5);
    child.InvalidateRect(&part);
    PumpEvents();
    EXPECT_EQ(child.paints, 1);
    parent.ShowWindow(SW_SHOW);
    PumpEvents();
    EXPECT_EQ(child.paints, 2);
}

TEST_F(PaintingTest, CaretShowAndHideNestAndTheCaretStaysOutOfTheImage)
{
    HWND owner = nullptr;
    wnd.CreateSolidCaret(2, 12);
    EXPECT_FALSE(PlexoIsCaretVisible(&owner, nullptr));
    EXPECT_EQ(owner, wnd.m_hWnd);
    wnd.ShowCaret();
    EXPECT_TRUE(PlexoIsCaretVisible(nullptr, nullptr));
    wnd.HideCaret();
    wnd.HideCaret();
    wnd.ShowCaret();
    EXPECT_FALSE(PlexoIsCaretVisible(nullptr, nullptr));
    wnd.ShowCaret();
    EXPECT_TRUE(PlexoIsCaretVisible(nullptr, nullptr));

    CWnd::SetCaretPos(CPoint(30, 40));
    EXPECT_EQ(CWnd::GetCaretPos(), CPoint(30, 40));
    QImage before = wnd.m_hWnd->backing.copy();
    QImage shown = WidgetOf(wnd.m_hWnd)->grab().toImage();
    EXPECT_EQ(wnd.m_hWnd->backing, before);
    EXPECT_EQ(shown.pixel(31, 45) & 0xFFFFFF, 0u);        // white inverted
    EXPECT_EQ(shown.pixel(32, 45) & 0xFFFFFF, 0xFFFFFFu); // beside the caret

    CRecordingWnd other;
    ASSERT_TRUE(CreateTopLevel(other, RECT{0, 0, 10, 10}));
    EXPECT_FALSE(ShowCaret(other.m_hWnd));
    EXPECT_TRUE(DestroyCaret());
    EXPECT_FALSE(PlexoIsCaretVisible(&owner, nullptr));
    EXPECT_EQ(owner, nullptr);
}

// ---- A scribble window: rubber band while dragging, lines when painted.

class CScribbleWnd : public CWnd {
public:
    std::vector<std::pair<CPoint, CPoint>> lines;

protected:
    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        SetCapture();
        m_start = m_end = point;
        DrawBand();
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        if (GetCapture() != this || !(nFlags & MK_LBUTTON))
            return;
        DrawBand(); // erases the old band
        m_end = point;
        DrawBand();
    }
    afx_msg void OnLButtonUp(UINT, CPoint point)
    {
        if (GetCapture() != this)
            return;
        DrawBand();
        ReleaseCapture();
        lines.emplace_back(m_start, point);
        Invalidate(FALSE);
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        for (auto &line : lines) {
            dc.MoveTo(line.first);
            dc.LineTo(line.second);
        }
    }
    DECLARE_MESSAGE_MAP()

private:
    void DrawBand()
    {
        CClientDC dc(this);
        dc.SetROP2(R2_NOT);
        dc.MoveTo(m_start.x, m_start.y + 10);
        dc.LineTo(m_end.x, m_end.y + 10);
    }
    CPoint m_start, m_end;
};
BEGIN_MESSAGE_MAP(CScribbleWnd, CWnd)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(ScribbleSample, DraggingDrawsALineAndLeavesNoRubberBand)
{
    CScribbleWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{50, 50, 150, 110}));
    PumpEvents();
    QWidget *widget = WidgetOf(wnd.m_hWnd);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    QMouseEvent move1(QEvent::MouseMove, QPointF(40, 20), widget->mapToGlobal(QPointF(40, 20)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move1);
    QMouseEvent move2(QEvent::MouseMove, QPointF(70, 20), widget->mapToGlobal(QPointF(70, 20)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move2);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(70, 20));
    PumpEvents();

    ASSERT_EQ(wnd.lines.size(), 1u);
    EXPECT_EQ(wnd.lines[0].first, CPoint(10, 20));
    EXPECT_EQ(wnd.lines[0].second, CPoint(70, 20));
    const QImage &image = wnd.m_hWnd->backing;
    for (int x = 0; x < 100; ++x) {
        for (int y = 0; y < 60; ++y) {
            bool onLine = y == 20 && x >= 10 && x < 70;
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, onLine ? 0u : 0xFFFFFFu) << x << "," << y;
        }
    }
}

} // namespace

namespace {

int RecordNothing(LPCTSTR, UINT, UINT)
{
    return IDOK;
}

class CThrowingPaintWnd : public CWnd {
public:
    int attempts = 0;

protected:
    afx_msg void OnPaint()
    {
        ++attempts;
        throw std::runtime_error("cannot paint");
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CThrowingPaintWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(PaintFailures, APaintHandlerThatThrowsIsNotCalledForEver)
{
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&RecordNothing);
    CThrowingPaintWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, RECT{0, 0, 30, 30}));
    PumpEvents();
    PumpEvents();
    EXPECT_EQ(wnd.attempts, 1);
    EXPECT_FALSE(wnd.GetUpdateRect(nullptr));
    AfxSetMessageBoxHandler(previous);
}

int g_failureReports = 0;
int CountReport(LPCTSTR, UINT, UINT)
{
    ++g_failureReports;
    return IDOK;
}

// A window not sized yet (or collapsed to nothing) measures text and
// paints like any other, showing nothing and leaking nothing.
TEST(PaintFailures, AWindowWithNoAreaStillGivesContexts)
{
    g_failureReports = 0;
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&CountReport);
    CRecordingWnd parent;
    ASSERT_TRUE(CreateTopLevel(parent, RECT{0, 0, 100, 100}));
    CPaintingWnd child;
    ASSERT_TRUE(child.CreateEx(0, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &parent, 1));
    {
        CClientDC dc(&child);
        EXPECT_GT(dc.GetTextExtent("Plexo", 5).cx, 0);
    }
    HDC hdc = ::GetDC(child.m_hWnd);
    EXPECT_NE(hdc, nullptr);
    EXPECT_EQ(::ReleaseDC(child.m_hWnd, hdc), 1);

    child.MoveWindow(0, 0, 40, 40);
    PumpEvents();
    int paints = child.paints;
    child.Invalidate();
    child.MoveWindow(0, 0, 0, 0); // collapsed before the paint came
    PumpEvents();
    EXPECT_FALSE(child.GetUpdateRect(nullptr));
    EXPECT_LE(child.paints, paints + 1);
    EXPECT_EQ(g_failureReports, 0);
    AfxSetMessageBoxHandler(previous);
}

} // namespace
