// The link label: attaching, its colours while the pointer moves, fitting
// to its text, the error texts, and opening an address through the
// browser fallback with a stand-in $BROWSER.
#include "FrameTestSupport.h"

#include "framework/controls/ControlStyles.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/gdi/CDC.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowDC.h"
#include "framework/window/WindowApi.h"
#include "kilnsmith/frame/BrowserFallback.h"
#include "kilnsmith/frame/LinkLabel.h"

#include <QElapsedTimer>

#include <filesystem>
#include <sys/stat.h>

namespace {

constexpr UINT kLabelId = 1002;

class LinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                      200, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    // A static child with the text and style, taken over by the label.
    HWND Attach(CLinkLabel &label, const char *pszText, DWORD dwStyle, const RECT &rect)
    {
        HWND hStatic = ::CreateWindowEx(0, "STATIC", pszText, WS_CHILD | WS_VISIBLE | dwStyle, rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top, m_parent.m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kLabelId)), nullptr, nullptr);
        EXPECT_NE(hStatic, nullptr);
        EXPECT_TRUE(label.SubclassWindow(hStatic));
        return hStatic;
    }
    CRect RectInParent(CWnd &wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        m_parent.ScreenToClient(&rect);
        return rect;
    }
    void Click(CLinkLabel &label)
    {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kLabelId, STN_CLICKED), reinterpret_cast<LPARAM>(label.m_hWnd));
    }

    CWnd m_parent;
    BoxRecorder m_boxes;
};

TEST_F(LinkLabelTest, ATextAddressIsTheLinkAndAnAddressFillsAnEmptyText)
{
    CLinkLabel fromText;
    Attach(fromText, "https://www.example.org/a", SS_LEFT, RECT{10, 10, 300, 40});
    EXPECT_EQ(fromText.GetLinkAddress(), "https://www.example.org/a");
    EXPECT_TRUE(fromText.GetStyle() & SS_NOTIFY);
    EXPECT_NE(fromText.GetHandCursor(), nullptr);
    EXPECT_EQ(fromText.GetToolTip().GetToolCount(), 1);
    CString strTip;
    fromText.GetToolTip().GetText(strTip, &fromText, 1);
    EXPECT_EQ(strTip, "https://www.example.org/a");
    LOGFONT lf{};
    ASSERT_NE(fromText.GetFont(), nullptr);
    fromText.GetFont()->GetLogFont(&lf);
    EXPECT_EQ(lf.lfUnderline, 1);
    // Sized to its text: one line high, as wide as the text.
    EXPECT_LT(RectInParent(fromText).Width(), 290);
    EXPECT_LT(RectInParent(fromText).Height(), 30);

    CLinkLabel fromAddress;
    fromAddress.SetLinkAddress("https://www.example.org/b");
    Attach(fromAddress, "", SS_LEFT, RECT{10, 50, 300, 80});
    CString strText;
    fromAddress.GetWindowText(strText);
    EXPECT_EQ(strText, "https://www.example.org/b");

    fromAddress.SetUnderlined(FALSE);
    fromAddress.GetFont()->GetLogFont(&lf);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_FALSE(fromAddress.IsUnderlined());
}

TEST_F(LinkLabelTest, FittingKeepsTheCentreOfACentredLabel)
{
    struct Case {
        DWORD dwStyle;
        const char *name;
    };
    const Case cases[] = {
        {SS_CENTER, "centred"}, {SS_RIGHT, "right"}, {SS_LEFT | SS_CENTERIMAGE, "left, centred image"}};
    const RECT start{20, 20, 320, 80};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CLinkLabel label;
        Attach(label, "www.example.org", c.dwStyle, start);
        const CRect fitted = RectInParent(label);
        CClientDC dc(&label);
        CFont *pOld = dc.SelectObject(label.GetFont());
        const CSize extent = dc.GetTextExtent(CString("www.example.org"));
        dc.SelectObject(pOld);
        if (c.dwStyle == SS_CENTER) {
            EXPECT_EQ(fitted.left - start.left, start.right - fitted.right);
            EXPECT_NEAR(fitted.Width(), extent.cx, 1);
        } else if (c.dwStyle == SS_RIGHT) {
            EXPECT_EQ(fitted.right, start.right);
            EXPECT_EQ(fitted.Width(), extent.cx);
        } else {
            EXPECT_EQ(fitted.left, start.left);
            EXPECT_EQ(fitted.top - start.top, start.bottom - fitted.bottom);
        }
        if (!(c.dwStyle & SS_CENTERIMAGE)) {
            EXPECT_EQ(fitted.top, start.top);
            EXPECT_EQ(fitted.Height(), extent.cy);
        }
        label.DestroyWindow();
    }
}

TEST_F(LinkLabelTest, ThePointerOverTheLabelShowsTheHoverColourUntilItLeaves)
{
    CLinkLabel label;
    Attach(label, "www.example.org", SS_LEFT, RECT{10, 10, 300, 40});
    label.SetLinkColors(RGB(1, 2, 3), RGB(4, 5, 6), static_cast<COLORREF>(-1));
    EXPECT_EQ(label.GetHoverColor(), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(label.GetCurrentTextColor(), RGB(1, 2, 3));
    label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(label.IsPointerOver());
    EXPECT_EQ(::GetCapture(), label.m_hWnd);
    EXPECT_EQ(label.GetCurrentTextColor(), ::GetSysColor(COLOR_HIGHLIGHT));
    label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(label.IsPointerOver());
    label.SetVisitedState(TRUE);
    label.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2000, 2));
    EXPECT_FALSE(label.IsPointerOver());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(label.GetCurrentTextColor(), RGB(4, 5, 6));
    // The colour reaches the drawing through the reflected colour message.
    CClientDC dc(&label);
    label.SendMessage(WM_REFLECT_BASE + WM_CTLCOLOR, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    EXPECT_EQ(dc.GetTextColor(), RGB(4, 5, 6));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
}

TEST(LinkLabelErrors, TheTextFollowsTheCode)
{
    const struct {
        INT_PTR nCode;
        const char *text;
    } cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {26, "A sharing violation occurred. "},
        {31, "There is no application associated\nwith the given filename extension."},
        {99, "Unknown Error (99) occurred."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CLinkLabel::OpenErrorText(c.nCode), c.text) << c.nCode;
}

TEST(BrowserFallback, BrowserCommandsComeBeforeXdgOpen)
{
    using Commands = std::vector<std::vector<CString>>;
    const CString addr = "https://example.org/a b";
    EXPECT_EQ(BrowserFallbackCommands(addr, nullptr), (Commands{{"xdg-open", addr}}));
    EXPECT_EQ(BrowserFallbackCommands(addr, "firefox"), (Commands{{"firefox", addr}, {"xdg-open", addr}}));
    EXPECT_EQ(BrowserFallbackCommands(addr, "lynx -dump %s:w3m"),
              (Commands{{"lynx", "-dump", addr}, {"w3m", addr}, {"xdg-open", addr}}));
    EXPECT_EQ(BrowserFallbackCommands(addr, "b --x=%%s ::"), (Commands{{"b", "--x=%s", addr}, {"xdg-open", addr}}));
    EXPECT_EQ(BrowserFallbackCommands(addr, "open<%s>"), (Commands{{"open<" + addr + ">"}, {"xdg-open", addr}}));
}

TEST(BrowserFallback, AnAddressNeverReadsAsAnOption)
{
    using Commands = std::vector<std::vector<CString>>;
    const struct {
        const char *address;
        const char *argument;
    } cases[] = {
        {"-rf", "./-rf"}, {"--help", "./--help"}, {"-", "./-"}, {"https://example.org/-x", "https://example.org/-x"},
        {"a-b", "a-b"},
    };
    for (const auto &c : cases) {
        const CString arg = c.argument;
        EXPECT_EQ(BrowserFallbackCommands(c.address, "b %s"), (Commands{{"b", arg}, {"xdg-open", arg}})) << c.address;
        EXPECT_EQ(BrowserFallbackCommands(c.address, "b"), (Commands{{"b", arg}, {"xdg-open", arg}})) << c.address;
    }
}

class LinkLabelOpenTest : public LinkLabelTest {
protected:
    // An address the desktop's handler refuses, so the fallback runs;
    // blanks and shell characters must reach the browser unchanged.
    const CString m_strAddress = "http://[::1 a'b;$(x)";
    TempFolder m_folder;
};

TEST_F(LinkLabelOpenTest, AFailedOpenFallsBackToTheBrowserWithTheAddressAsOneArgument)
{
    const std::string script = m_folder.File("browser");
    const std::string out = m_folder.File("args");
    TempFolder::Write(script, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > '" + out + "'\n");
    ::chmod(script.c_str(), 0755);
    ScopedEnv browser("BROWSER", script);

    CLinkLabel label;
    label.SetLinkAddress(m_strAddress);
    Attach(label, "Home", SS_LEFT, RECT{10, 10, 300, 40});
    Click(label);
    EXPECT_TRUE(label.IsVisited());
    EXPECT_TRUE(m_boxes.Shown().empty());
    QElapsedTimer timer;
    timer.start();
    while (!std::filesystem::exists(out) && timer.elapsed() < 10000)
        PumpMessages();
    PumpMessages();
    EXPECT_EQ(TempFolder::Read(out), std::string("[") + static_cast<LPCTSTR>(m_strAddress) + "]");
}

TEST_F(LinkLabelOpenTest, AFailingBrowserReportsItsOwnFailure)
{
    ScopedEnv browser("BROWSER", m_folder.File("no-such-browser"));
    ScopedEnv path("PATH", m_folder.Path()); // no xdg-open either
    CLinkLabel label;
    label.SetLinkAddress(m_strAddress);
    Attach(label, "Home", SS_LEFT, RECT{10, 10, 300, 40});
    label.SetVisitedState(TRUE);
    Click(label);
    EXPECT_FALSE(label.IsVisited());
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(m_boxes.Shown()[0].nType & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
}

} // namespace
