// Child windows with a caption: the caption bar and its buttons drawn by
// the window layer, hit testing, moving and sizing with the mouse, the
// buttons' commands and the minimised and maximised states.
#include "WindowTestSupport.h"

#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WindowState.h"

#include "framework/gdi/SystemColors.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kDocumentStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;

class CaptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(parent, RECT{100, 50, 600, 450}));
        ASSERT_TRUE(
            child.CreateEx(0, TestWindowClass(), "Document", kDocumentStyle, CRect(20, 30, 320, 230), &parent, 0));
        PumpEvents();
    }
    // Where a point of the child's window rectangle is on the screen.
    CPoint Screen(int x, int y) const
    {
        CRect rect;
        child.GetWindowRect(&rect);
        return CPoint(rect.left + x, rect.top + y);
    }
    int HitAt(int x, int y)
    {
        CPoint pt = Screen(x, y);
        return static_cast<int>(child.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    }
    CRect RectInParent() const
    {
        CRect rect;
        child.GetWindowRect(&rect);
        parent.ScreenToClient(&rect);
        return rect;
    }
    QRgb Pixel(int x, int y) const { return child.m_hWnd->backing.pixel(x, y) & 0xFFFFFF; }
    // Queues the mouse's path for the next modal loop: moves through the
    // points (screen), then the button goes up at the last one.
    static void QueueDrag(std::initializer_list<CPoint> path, HWND hTarget)
    {
        for (const CPoint &pt : path) {
            ::SetCursorPos(pt.x, pt.y);
            ::PostMessage(hTarget, WM_MOUSEMOVE, MK_LBUTTON, 0);
        }
        ::PostMessage(hTarget, WM_LBUTTONUP, 0, 0);
    }
    void PressAt(int nHit, CPoint ptScreen)
    {
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        child.SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(nHit), MAKELPARAM(ptScreen.x, ptScreen.y));
    }
    std::vector<WPARAM> SysCommands() const
    {
        std::vector<WPARAM> commands;
        for (const RecordedMessage &m : child.Only({WM_SYSCOMMAND}))
            commands.push_back(m.wParam);
        return commands;
    }

    CRecordingWnd parent;
    CRecordingWnd child;
};

TEST_F(CaptionTest, TheCaptionTakesItsRowAboveTheClientArea)
{
    const int edge = GetSystemMetrics(SM_CXFRAME);
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 300 - 2 * edge);
    EXPECT_EQ(client.Height(), 200 - 2 * edge - GetSystemMetrics(SM_CYCAPTION));
    CPoint origin(0, 0);
    child.ClientToScreen(&origin);
    EXPECT_EQ(origin, Screen(edge, edge + GetSystemMetrics(SM_CYCAPTION)));

    // A child with a caption but no sizing frame has a dialog frame.
    CRecordingWnd fixed;
    ASSERT_TRUE(fixed.CreateEx(0, TestWindowClass(), "Fixed", WS_CHILD | WS_VISIBLE | WS_CAPTION, CRect(0, 0, 100, 100),
                               &parent, 0));
    fixed.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 100 - 2 * GetSystemMetrics(SM_CXDLGFRAME));
}

TEST_F(CaptionTest, HitTestingNamesEachPartOfTheFrame)
{
    // The window is 300 by 200: frame 4, caption 4..22, buttons 16 by 14
    // from the caption's top + 2, close 2 from the right, maximise 2 left
    // of close, minimise touching maximise.
    struct Case {
        int x, y, hit;
    };
    const Case cases[] = {
        {150, 12, HTCAPTION},    {12, 12, HTSYSMENU},   {285, 12, HTCLOSE},   {267, 12, HTMAXBUTTON},
        {251, 12, HTMINBUTTON},  {150, 100, HTCLIENT},  {1, 100, HTLEFT},     {298, 100, HTRIGHT},
        {150, 1, HTTOP},         {150, 198, HTBOTTOM},  {1, 1, HTTOPLEFT},    {298, 198, HTBOTTOMRIGHT},
        {10, 198, HTBOTTOMLEFT}, {298, 10, HTTOPRIGHT}, {-5, 100, HTNOWHERE}, {300, 100, HTNOWHERE},
        {150, 22, HTBORDER}, // the line under the caption
    };
    for (const Case &c : cases)
        EXPECT_EQ(HitAt(c.x, c.y), c.hit) << c.x << "," << c.y;

    // Without the system menu there are no buttons and no icon; without a
    // sizing frame the border only borders.
    child.ModifyStyle(WS_SYSMENU | WS_THICKFRAME, 0, SWP_FRAMECHANGED);
    EXPECT_EQ(HitAt(285, 12), HTCAPTION);
    EXPECT_EQ(HitAt(12, 12), HTCAPTION);
    EXPECT_EQ(HitAt(1, 100), HTBORDER);
}

TEST_F(CaptionTest, TheCaptionShowsWhetherTheWindowIsActive)
{
    auto rgb = [](COLORREF c) { return static_cast<QRgb>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c)); };
    // The caption's top-left pixel, where the gradient starts.
    EXPECT_EQ(Pixel(4, 4), rgb(GetSysColor(COLOR_INACTIVECAPTION)));
    child.SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_EQ(Pixel(4, 4), rgb(GetSysColor(COLOR_ACTIVECAPTION)));
    EXPECT_NE(Pixel(200, 4), Pixel(4, 4));                     // the gradient runs towards the right
    EXPECT_EQ(Pixel(280, 9), rgb(GetSysColor(COLOR_BTNFACE))); // the close button's face
    child.SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_EQ(Pixel(4, 4), rgb(GetSysColor(COLOR_INACTIVECAPTION)));
}

TEST_F(CaptionTest, ASunkenEdgeGoesRoundTheClientAreaUnderTheCaption)
{
    CRecordingWnd sunken;
    ASSERT_TRUE(sunken.CreateEx(WS_EX_CLIENTEDGE, TestWindowClass(), "Sunken", kDocumentStyle, CRect(0, 0, 200, 150),
                                &parent, 0));
    const int edge = GetSystemMetrics(SM_CXFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
    auto rgb = [](COLORREF c) { return static_cast<QRgb>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c)); };
    auto pixel = [&sunken](int x, int y) { return sunken.m_hWnd->backing.pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(pixel(edge, edge), rgb(GetSysColor(COLOR_INACTIVECAPTION))); // the caption keeps its corner
    EXPECT_EQ(pixel(50, edge + caption), rgb(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(pixel(edge, 80), rgb(GetSysColor(COLOR_BTNSHADOW)));
    CPoint origin(0, 0);
    sunken.ClientToScreen(&origin);
    CRect window;
    sunken.GetWindowRect(&window);
    EXPECT_EQ(origin - window.TopLeft(), CSize(edge + 2, edge + caption + 2));
}

TEST_F(CaptionTest, DraggingTheCaptionMovesTheWindowAndEscapeTakesItBack)
{
    CPoint start = Screen(150, 12);
    QueueDrag({start + CPoint(10, 5), start + CPoint(40, 25)}, child.m_hWnd);
    PressAt(HTCAPTION, start);
    EXPECT_EQ(RectInParent(), CRect(60, 55, 360, 255));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(child.Only({WM_ENTERSIZEMOVE}).size(), 1u);
    EXPECT_EQ(child.Only({WM_EXITSIZEMOVE}).size(), 1u);

    // The cursor stays in the parent's client area: the caption cannot be
    // lost beyond it.
    start = Screen(150, 12);
    QueueDrag({CPoint(-500, -500)}, child.m_hWnd);
    PressAt(HTCAPTION, start);
    CPoint parentOrigin(0, 0);
    parent.ClientToScreen(&parentOrigin);
    EXPECT_EQ(RectInParent().TopLeft(), CPoint(60, 55) + (parentOrigin - start));

    CRect before = RectInParent();
    start = Screen(150, 12);
    ::SetCursorPos(start.x + 30, start.y + 30);
    ::PostMessage(child.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    ::PostMessage(child.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PressAt(HTCAPTION, start);
    EXPECT_EQ(RectInParent(), before);
}

TEST_F(CaptionTest, DraggingABorderSizesTheWindowWithinItsLimits)
{
    struct Case {
        int hit;
        CPoint from, by;
        CRect expected;
    };
    const Case cases[] = {
        {HTBOTTOMRIGHT, {299, 199}, {30, 20}, {20, 30, 350, 250}},
        {HTLEFT, {0, 100}, {-10, 0}, {10, 30, 320, 230}},
        {HTTOP, {150, 0}, {0, 15}, {20, 45, 320, 230}},
        // Far past the opposite edge: the minimum tracking size holds.
        {HTRIGHT, {299, 100}, {-1000, 0}, {20, 30, 20 + GetSystemMetrics(SM_CXMINTRACK), 230}},
    };
    for (const Case &c : cases) {
        child.SetWindowPos(nullptr, 20, 30, 300, 200, SWP_NOZORDER);
        CPoint start = Screen(c.from.x, c.from.y);
        ASSERT_EQ(HitAt(c.from.x, c.from.y), c.hit);
        QueueDrag({start + c.by}, child.m_hWnd);
        child.Clear();
        PressAt(c.hit, start);
        EXPECT_EQ(RectInParent(), c.expected) << c.hit;
        EXPECT_FALSE(child.Only({WM_SIZING}).empty());
    }
}

TEST_F(CaptionTest, TheSystemMenusMoveAndSizeWorkFromTheKeyboard)
{
    struct Case {
        UINT command;
        std::vector<UINT> keys; // then Enter, unless the last is Escape
        CRect expected;
    };
    const Case cases[] = {
        {SC_MOVE, {VK_RIGHT, VK_RIGHT, VK_DOWN}, {36, 38, 336, 238}},
        {SC_MOVE, {VK_RIGHT, VK_ESCAPE}, {20, 30, 320, 230}},
        // The first arrow of a direction picks the edge, the next ones move it.
        {SC_SIZE, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP, VK_UP}, {20, 22, 336, 230}},
        {SC_SIZE, {VK_LEFT, VK_RIGHT, VK_RIGHT}, {36, 30, 320, 230}},
    };
    for (const Case &c : cases) {
        child.SetWindowPos(nullptr, 20, 30, 300, 200, SWP_NOZORDER);
        for (UINT key : c.keys)
            ::PostMessage(child.m_hWnd, WM_KEYDOWN, key, 0);
        if (c.keys.back() != VK_ESCAPE)
            ::PostMessage(child.m_hWnd, WM_KEYDOWN, VK_RETURN, 0);
        child.SendMessage(WM_SYSCOMMAND, c.command);
        EXPECT_EQ(RectInParent(), c.expected) << c.command << " " << c.keys.size();
        EXPECT_EQ(::GetCapture(), nullptr);
    }
    // A maximised window neither moves nor sizes.
    child.ShowWindow(SW_SHOWMAXIMIZED);
    CRect maximised = RectInParent();
    ::PostMessage(child.m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
    child.SendMessage(WM_SYSCOMMAND, SC_MOVE);
    EXPECT_EQ(RectInParent(), maximised);
    PumpEvents(); // the unused key goes to the window
}

TEST_F(CaptionTest, AButtonActsWhenReleasedOverIt)
{
    CPoint close = Screen(285, 12);
    QueueDrag({close + CPoint(1, 1)}, child.m_hWnd);
    PressAt(HTCLOSE, close);
    EXPECT_EQ(SysCommands(), std::vector<WPARAM>{SC_CLOSE});
    EXPECT_FALSE(::IsWindow(child.m_hWnd)); // SC_CLOSE closes it
}

TEST_F(CaptionTest, AButtonLeftBeforeReleaseDoesNothing)
{
    CPoint maximise = Screen(267, 12);
    QueueDrag({maximise + CPoint(0, 40)}, child.m_hWnd);
    PressAt(HTMAXBUTTON, maximise);
    EXPECT_TRUE(SysCommands().empty());
    // A button the styles leave out does nothing either.
    child.ModifyStyle(WS_MINIMIZEBOX, 0);
    CPoint minimise = Screen(251, 12);
    QueueDrag({minimise}, child.m_hWnd);
    PressAt(HTMINBUTTON, minimise);
    EXPECT_TRUE(SysCommands().empty());
}

TEST_F(CaptionTest, MaximisedAndMinimisedStatesAndBack)
{
    CRect normal = RectInParent();
    // A double click on the caption maximises: the client area covers the
    // parent's, the caption and frame lie outside it.
    child.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_TRUE(child.IsZoomed());
    CRect client, parentClient;
    child.GetClientRect(&client);
    child.MapWindowPoints(&parent, &client);
    parent.GetClientRect(&parentClient);
    EXPECT_EQ(client, parentClient);
    ASSERT_FALSE(child.Only({WM_SIZE}).empty());
    EXPECT_EQ(child.Only({WM_SIZE}).back().wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
    // A second double click restores it.
    child.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(RectInParent(), normal);

    child.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(child.IsIconic());
    CRect icon = RectInParent();
    EXPECT_EQ(icon.TopLeft(), normal.TopLeft());
    EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXMINIMIZED));
    EXPECT_EQ(icon.Height(), GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME));
    child.GetClientRect(&client);
    EXPECT_TRUE(client.IsRectEmpty());
    EXPECT_EQ(HitAt(icon.Width() - 15, 12), HTCLOSE);
    EXPECT_EQ(HitAt(1, 5), HTBORDER); // an icon is not sized
    child.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(child.IsIconic());
    EXPECT_EQ(RectInParent(), normal);
}

TEST_F(CaptionTest, AMaximisedChildDoesNotCoverItsParentsFrame)
{
    CRecordingWnd framed;
    ASSERT_TRUE(framed.CreateEx(WS_EX_CLIENTEDGE, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150),
                                &parent, 0));
    CRecordingWnd inner;
    ASSERT_TRUE(inner.CreateEx(0, TestWindowClass(), "Inner", kDocumentStyle, CRect(0, 0, 100, 100), &framed, 0));
    inner.ShowWindow(SW_SHOWMAXIMIZED);
    PumpEvents();
    QImage shown = WidgetOf(framed.m_hWnd)->grab().toImage();
    auto rgb = [](COLORREF c) { return static_cast<QRgb>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c)); };
    // The sunken edge's outer line, then the child's white client area.
    EXPECT_EQ(shown.pixel(50, 0) & 0xFFFFFF, rgb(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(shown.pixel(0, 50) & 0xFFFFFF, rgb(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(shown.pixel(50, 2) & 0xFFFFFF, 0xFFFFFFu);
}

} // namespace
