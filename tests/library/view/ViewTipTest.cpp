// The tip window: its line split, the size and position formulas, the
// title band of multi-line tips, and hiding on the timer and the mouse.
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowDC.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowState.h"
#include "library/ui/QYToolTipLayout.h"
#include "library/ui/QYToolTipWnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

void Pump()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

// Pumps until the condition holds or the time is up.
template <typename Condition>
bool PumpUntil(Condition condition, int nMilliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < nMilliseconds) {
        QTest::qWait(10);
        Pump();
    }
    return condition();
}

QImage PaintedTip(CQYToolTipWnd& tip)
{
    tip.UpdateWindow();
    HWND h = tip.m_hWnd;
    return h->backing.copy(h->clientRect.left, h->clientRect.top, h->clientRect.right - h->clientRect.left,
                           h->clientRect.bottom - h->clientRect.top);
}

QRgb Rgb(COLORREF color)
{
    return qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
}

// The metrics ShowTip measures with the tip's font.
QYTipMetrics MeasuredMetrics(CQYToolTipWnd& tip)
{
    CWindowDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&tip.GetTipFont());
    const CSize size = dc.GetTextExtent("AaBbCc");
    dc.SelectObject(pOld);
    return QYTipMetrics{size.cx / 6, size.cy, ::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER),
                        ::GetSystemMetrics(SM_CXSCREEN)};
}

} // namespace

TEST(TipLayout, LinesSplitAtLineFeeds)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
        int nWidth;
    };
    const Case cases[] = {
        {"", {}, 1},
        {"Rectangle", {"Rectangle"}, 9},
        {" Decision \nRectangle1", {" Decision ", "Rectangle1"}, 10},
        {"a\r\nbc", {"a", "bc"}, 2},
        {"a\n", {"a", ""}, 1},
        {"\xE6\x97\xA5\xE6\x9C\xAC\nx", {"\xE6\x97\xA5\xE6\x9C\xAC", "x"}, 2},
        {"\xC3\xA9t\xC3\xA9\n\xF0\x9F\x99\x82", {"\xC3\xA9t\xC3\xA9", "\xF0\x9F\x99\x82"}, 3},
        // Bytes that start no character count one each.
        {"\x80\x80x\xE4\xB8", {"\x80\x80x\xE4\xB8"}, 5},
    };
    for (const Case& c : cases) {
        const std::vector<CString> lines = QYSplitTipLines(c.text);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.text;
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_STREQ(lines[i], c.lines[i].c_str()) << c.text;
        EXPECT_EQ(QYTipWidthInChars(lines), c.nWidth) << c.text;
    }
}

TEST(TipLayout, SizeAndPositionFormulas)
{
    // Average character 7, lines 16 high, 1-pixel borders, a 1,024-pixel
    // screen: a tip of n lines of w characters is 7w + 4 wide, 16n + 4 high.
    const QYTipMetrics metrics{7, 16, 1, 1, 1024};
    struct Case {
        int nLines, nChars, x, y;
        CRect expected;
    };
    const Case cases[] = {
        // Above and to the right of the point.
        {1, 9, 100, 200, CRect(100, 200 - 20 - 5, 167, 200 - 5)},
        // Near the right edge: to the left of the point.
        {1, 9, 1000, 200, CRect(1000 - 67, 175, 1000, 195)},
        // Exactly reaching the edge also opens to the left.
        {1, 9, 1024 - 67, 200, CRect(1024 - 134, 175, 1024 - 67, 195)},
        // One pixel short of it opens to the right.
        {1, 9, 1024 - 68, 200, CRect(1024 - 68, 175, 1024 - 1, 195)},
        // y = 10 with a height of 20: below the point, at y + 25.
        {1, 9, 100, 10, CRect(100, 35, 167, 55)},
        // No room left above (top would be 0): below.
        {1, 9, 100, 25, CRect(100, 50, 167, 70)},
        // One pixel of room: above.
        {1, 9, 100, 26, CRect(100, 1, 167, 21)},
        // Two lines, the longer ten characters.
        {2, 10, 300, 400, CRect(300, 400 - 36 - 5, 374, 395)},
        // An empty text: no lines, one character wide.
        {0, 1, 50, 50, CRect(50, 50 - 4 - 5, 61, 45)},
    };
    for (const Case& c : cases) {
        const CRect rect = QYTipWindowRect(c.nLines, c.nChars, c.x, c.y, metrics);
        EXPECT_EQ(rect, c.expected) << c.nLines << " lines of " << c.nChars << " at " << c.x << "," << c.y;
    }
}

TEST(TipWindow, StartsHiddenWithItsDelayAndABolderLargerFont)
{
    CQYToolTipWnd tip;
    EXPECT_FALSE(tip.IsShown());
    EXPECT_EQ(tip.GetDelay(), 3500);
    EXPECT_FALSE(tip.HideTip());
    LOGFONT stock{};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock);
    LOGFONT lf{};
    tip.GetTipFont().GetLogFont(&lf);
    EXPECT_EQ(lf.lfWeight, 550);
    EXPECT_EQ(lf.lfHeight, stock.lfHeight + stock.lfHeight / 5);
}

TEST(TipWindow, IsPlacedByTheFormulasWithoutTakingTheFocus)
{
    CQYToolTipWnd tip;
    const QYTipMetrics metrics = MeasuredMetrics(tip);
    ASSERT_GT(metrics.nAvgCharWidth, 0);
    const struct {
        const char* text;
        int x, y;
        int nLines, nChars;
    } cases[] = {
        {"Rectangle", 200, 300, 1, 9},
        {"Rectangle", metrics.nScreenWidth - 10, 300, 1, 9},
        {" Decision \nEllipse", 200, 10, 2, 10},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(tip.ShowTip(c.text, c.x, c.y, nullptr));
        EXPECT_TRUE(tip.IsShown());
        EXPECT_TRUE(tip.IsWindowVisible());
        EXPECT_NE(::GetFocus(), tip.m_hWnd);
        EXPECT_EQ(tip.GetTipPoint(), CPoint(c.x, c.y));
        CRect rect;
        tip.GetWindowRect(&rect);
        EXPECT_EQ(rect, QYTipWindowRect(c.nLines, c.nChars, c.x, c.y, metrics)) << c.text;
    }
    const CRect rectRight = QYTipWindowRect(1, 9, metrics.nScreenWidth - 10, 300, metrics);
    EXPECT_EQ(rectRight.right, metrics.nScreenWidth - 10); // opened to the left of the point
    EXPECT_TRUE(tip.HideTip());
    EXPECT_FALSE(tip.IsShown());
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);
}

TEST(TipWindow, AMultiLineTipHasATitleBandBehindItsFirstLineOnly)
{
    CQYToolTipWnd tip;
    const QYTipMetrics metrics = MeasuredMetrics(tip);
    const QRgb back = Rgb(QY_TIP_BACK_COLOR);
    const QRgb band = Rgb(QY_TIP_TITLE_COLOR);
    const QRgb black = qRgb(0, 0, 0);

    ASSERT_TRUE(tip.ShowTip(" Decision \nRectangle1", 200, 300, nullptr));
    QImage image = PaintedTip(tip);
    ASSERT_EQ(image.width(), 10 * metrics.nAvgCharWidth + 4);
    const int nLineHeight = [&] {
        CWindowDC dc(nullptr);
        CFont* pOld = dc.SelectObject(&tip.GetTipFont());
        const int cy = dc.GetTextExtent("A").cy;
        dc.SelectObject(pOld);
        return cy;
    }();
    const int yTop = 2; // two borders
    // The frame, then the background column left of the band, then the band.
    EXPECT_EQ(image.pixel(0, yTop + 1), black);
    EXPECT_EQ(image.pixel(1, yTop + 1), back);
    EXPECT_EQ(image.pixel(2, yTop + 1), band);
    EXPECT_EQ(image.pixel(image.width() - 3, yTop + 1), band);
    EXPECT_EQ(image.pixel(image.width() - 2, yTop + 1), back);
    EXPECT_EQ(image.pixel(2, yTop + nLineHeight - 1), band);
    // The second line has no band.
    EXPECT_EQ(image.pixel(2, yTop + nLineHeight), back);
    EXPECT_EQ(image.pixel(2, image.height() - 2), back);
    // Text is drawn in black in both lines.
    auto darkIn = [&](int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                n += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        return n;
    };
    EXPECT_GT(darkIn(yTop, yTop + nLineHeight), 0);
    EXPECT_GT(darkIn(yTop + nLineHeight, yTop + 2 * nLineHeight), 0);

    // Reused for a one-line tip: no band anywhere.
    const HWND hFirst = tip.m_hWnd;
    ASSERT_TRUE(tip.ShowTip("Rectangle1", 200, 300, nullptr));
    EXPECT_EQ(tip.m_hWnd, hFirst);
    image = PaintedTip(tip);
    ASSERT_EQ(image.height(), nLineHeight + 4);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixel(x, y), band) << x << "," << y;
    EXPECT_EQ(image.pixel(1, 1), back);
}

TEST(TipWindow, HidesItselfWhenItsTimerFires)
{
    CQYToolTipWnd tip;
    tip.SetDelay(60);
    ASSERT_TRUE(tip.ShowTip("Rectangle", 200, 300, nullptr));
    EXPECT_TRUE(tip.IsShown());
    EXPECT_TRUE(PumpUntil([&] { return !tip.IsShown(); }, 5000));
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);

    // After a hide the next tip makes a new window, and it hides again.
    ASSERT_TRUE(tip.ShowTip("Ellipse", 200, 300, nullptr));
    EXPECT_NE(tip.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return !tip.IsShown(); }, 5000));
}

// A timer of half the tip's delay, started just after the tip's own, fires
// first: the tip is still there when it does, and goes afterwards.
TEST(TipWindow, StaysUntilItsDelayHasPassed)
{
    CQYToolTipWnd tip;
    tip.SetDelay(200);
    ASSERT_TRUE(tip.ShowTip("Rectangle", 200, 300, nullptr));
    bool bHalfway = false;
    bool bShownHalfway = false;
    QTimer::singleShot(tip.GetDelay() / 2, [&] {
        bHalfway = true;
        bShownHalfway = tip.IsShown() != FALSE;
    });
    EXPECT_TRUE(PumpUntil([&] { return bHalfway; }, 5000));
    EXPECT_TRUE(bShownHalfway);
    EXPECT_TRUE(PumpUntil([&] { return !tip.IsShown(); }, 5000));
}

TEST(TipWindow, HidesAtOnceWhenTheMouseMovesOverIt)
{
    CQYToolTipWnd tip;
    ASSERT_TRUE(tip.ShowTip("Rectangle", 200, 300, nullptr));
    tip.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    Pump();
    EXPECT_FALSE(tip.IsShown());
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);
}

TEST(TipWindow, GoesWithItsOwner)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, CRect(10, 10, 200, 100), nullptr, 0));
    CQYToolTipWnd tip;
    ASSERT_TRUE(tip.ShowTip("Rectangle", 200, 300, &owner));
    owner.DestroyWindow();
    Pump();
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(tip.IsShown());
    EXPECT_FALSE(tip.HideTip());
    // It shows again with a new window.
    ASSERT_TRUE(tip.ShowTip("Rectangle", 200, 300, nullptr));
    EXPECT_TRUE(tip.IsShown());
    tip.HideTip();
}

TEST(TipWindow, FormattedTextIsCutAtTheBufferNeverInsideACharacter)
{
    CQYToolTipWnd tip;
    ASSERT_TRUE(tip.ShowTipFormat(100, 300, nullptr, " Decision \n%s%u", "Rectangle", 12u));
    EXPECT_STREQ(tip.GetText(), " Decision \nRectangle12");

    const std::string ascii(2000, 'x');
    ASSERT_TRUE(tip.ShowTipFormat(100, 300, nullptr, "%s", ascii.c_str()));
    EXPECT_EQ(tip.GetText().GetLength(), 1023);

    // Long runs of two- and four-byte characters: a character that byte
    // 1023 would split is left out whole.
    const struct {
        const char* prefix;
        const char* character;
        int nKept;
    } runs[] = {
        {"", "\xC3\xA9", 1022},
        {"a", "\xC3\xA9", 1023},
        {"a", "\xF0\x9F\x99\x82", 1021},
        {"abc", "\xF0\x9F\x99\x82", 1023},
    };
    for (const auto& run : runs) {
        std::string text = run.prefix;
        for (int i = 0; i < 600; ++i)
            text += run.character;
        ASSERT_TRUE(tip.ShowTipFormat(100, 300, nullptr, "%s", text.c_str()));
        EXPECT_EQ(tip.GetText(), CString(text.substr(0, static_cast<size_t>(run.nKept)).c_str())) << run.prefix;
    }
    // A lead byte that nothing continues is a character of its own: the cut
    // after it splits nothing.
    const std::string stray = std::string(1022, 'a') + "\xE4xyz";
    ASSERT_TRUE(tip.ShowTipFormat(100, 300, nullptr, "%s", stray.c_str()));
    EXPECT_EQ(tip.GetText(), CString(stray.substr(0, 1023).c_str()));
    tip.HideTip();
}
