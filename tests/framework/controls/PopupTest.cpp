// Pop-up windows owned by buttons: placement in the work area, deactivation
// by a click outside that still reaches the window under the mouse, and an
// answer posted to an owner that is gone; tooltips over tools.
#include "ControlTestSupport.h"

#include "framework/controls/ToolTipCtrl.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/SystemParametersApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT WM_PICKED = WM_USER + 77;

class CPopup : public CWnd {
public:
    std::vector<UINT> activations;
    BOOL Make(CWnd *pOwnerButton, const RECT &rc)
    {
        LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS);
        return CreateEx(WS_EX_TOOLWINDOW, cls, "", WS_POPUP | WS_BORDER | WS_VISIBLE, rc.left, rc.top,
                        rc.right - rc.left, rc.bottom - rc.top, pOwnerButton->GetSafeHwnd(), nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ACTIVATE) {
            activations.push_back(LOWORD(wParam));
            if (LOWORD(wParam) == WA_INACTIVE) {
                // A picker answers its owner and goes away.
                ::PostMessage(::GetParent(m_hWnd), WM_PICKED, 1, 0);
                ShowWindow(SW_HIDE);
            }
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowSampleDialog(dialog)); }
    CRecordingDialog dialog;
};

TEST_F(PopupTest, APopupFitsTheWorkAreaWithItsFrame)
{
    RECT work{};
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_GT(work.right - work.left, 0);
    EXPECT_GT(work.bottom - work.top, 0);
    EXPECT_FALSE(SystemParametersInfo(SPI_GETWORKAREA, 0, nullptr, 0));
    EXPECT_FALSE(SystemParametersInfo(0xFFFF, 0, &work, 0));
    // A pop-up sized by AdjustWindowRectEx gets the client area asked for.
    RECT frame{work.left + 10, work.top + 10, work.left + 110, work.top + 60};
    ASSERT_TRUE(AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_CLIENTEDGE));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(WS_EX_CLIENTEDGE, AfxRegisterWndClass(0), "", WS_POPUP | WS_BORDER, frame.left,
                               frame.top, frame.right - frame.left, frame.bottom - frame.top, dialog.m_hWnd, nullptr,
                               nullptr));
    RECT client;
    popup.GetClientRect(&client);
    EXPECT_EQ(client.right, 100);
    EXPECT_EQ(client.bottom, 50);
    popup.DestroyWindow();
}

TEST_F(PopupTest, AClickOutsideDeactivatesThePopupAndStillReachesTheOwner)
{
    CWnd *button = dialog.GetDlgItem(IDC_BOLD);
    RECT dialogRect;
    dialog.GetWindowRect(&dialogRect);
    CPopup popup;
    // Beside the dialog, clear of the button.
    ASSERT_TRUE(
        popup.Make(button, RECT{dialogRect.right + 10, dialogRect.top, dialogRect.right + 90, dialogRect.top + 60}));
    PumpEvents(); // the platform's own activation of a shown window settles first
    popup.SetActiveWindow();
    ASSERT_EQ(::GetActiveWindow(), popup.m_hWnd);
    dialog.commands.clear();
    Click(button->m_hWnd, 3, 3);
    ASSERT_FALSE(popup.activations.empty());
    EXPECT_EQ(popup.activations.back(), static_cast<UINT>(WA_INACTIVE));
    EXPECT_FALSE(popup.IsWindowVisible());
    EXPECT_EQ(dialog.CodesFor(IDC_BOLD), std::vector<int>{BN_CLICKED});
    popup.DestroyWindow();
}

TEST_F(PopupTest, AnAnswerPostedToAnOwnerThatIsGoneIsDropped)
{
    CButton owner;
    ASSERT_TRUE(owner.Create("Pick", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 20}, &dialog, 700));
    HWND gone = owner.m_hWnd;
    EXPECT_TRUE(::PostMessage(gone, WM_PICKED, 1, 0));
    owner.DestroyWindow();
    EXPECT_FALSE(::PostMessage(gone, WM_PICKED, 1, 0));
    PumpEvents(); // the queued answer finds no window: nothing happens
    EXPECT_FALSE(::IsWindow(gone));
}

TEST_F(PopupTest, ATooltipShowsTheToolsTextAfterTheDelayAndHidesOnAClick)
{
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&dialog));
    CWnd *ok = dialog.GetDlgItem(IDOK);
    ASSERT_TRUE(tip.AddTool(ok, "Close and keep"));
    RECT area{0, 0, 20, 20};
    ASSERT_TRUE(tip.AddTool(&dialog, "Corner", &area, 5));
    EXPECT_EQ(tip.GetToolCount(), 2);
    tip.UpdateTipText("Close and keep the changes", ok);
    CString text;
    tip.GetText(text, ok);
    EXPECT_STREQ(text, "Close and keep the changes");

    MSG move{ok->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3), 0, {0, 0}};
    tip.RelayEvent(&move);
    EXPECT_FALSE(tip.IsWindowVisible());
    tip.SendMessage(WM_TIMER, 1, 0); // the initial delay ends
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_STREQ(TextOf(tip.m_hWnd), "Close and keep the changes");
    MSG press{ok->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3), 0, {0, 0}};
    tip.RelayEvent(&press);
    EXPECT_FALSE(tip.IsWindowVisible());
    // A rectangle tool of the dialog.
    MSG corner{dialog.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {0, 0}};
    tip.RelayEvent(&corner);
    tip.SendMessage(WM_TIMER, 1, 0);
    EXPECT_STREQ(TextOf(tip.m_hWnd), "Corner");
    // Inactive: nothing shows.
    tip.Activate(FALSE);
    EXPECT_FALSE(tip.IsWindowVisible());
    tip.RelayEvent(&move);
    tip.SendMessage(WM_TIMER, 1, 0);
    EXPECT_FALSE(tip.IsWindowVisible());
    tip.DestroyWindow();
}

TEST_F(PopupTest, ASubclassedToolPassesItsMouseMessagesByItself)
{
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&dialog));
    CWnd *ok = dialog.GetDlgItem(IDOK);
    TOOLINFO info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = dialog.m_hWnd;
    info.uId = reinterpret_cast<UINT_PTR>(ok->m_hWnd);
    info.lpszText = const_cast<LPTSTR>("Keep");
    ASSERT_TRUE(tip.SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
    ::SendMessage(ok->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4)); // through the button's own procedure chain
    tip.SendMessage(WM_TIMER, 1, 0);
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_STREQ(TextOf(tip.m_hWnd), "Keep");
    EXPECT_EQ(::GetActiveWindow(), dialog.m_hWnd); // showing the tip took nothing away
    tip.DestroyWindow();
    // The tip let go of the button, which works on as before.
    dialog.commands.clear();
    ::SendMessage(ok->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessage(ok->m_hWnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(dialog.Got(IDOK, BN_CLICKED));
}

} // namespace

#include "framework/gdi/CDC.h"

namespace {

TEST(ScreenDC, ReadsOurWindowsPixelsAndNothingElseOffscreen)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), "Swatches", WS_POPUP | WS_VISIBLE, RECT{40, 40, 140, 120},
                                nullptr, 0));
    PumpEvents();
    {
        CDC *dc = window.GetDC();
        dc->FillSolidRect(10, 10, 20, 20, RGB(200, 30, 60));
        window.ReleaseDC(dc);
    }
    POINT inside{15, 15};
    window.ClientToScreen(&inside);
    HDC screen = ::GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(::GetPixel(screen, inside.x, inside.y), RGB(200, 30, 60));
    EXPECT_EQ(::GetPixel(screen, -5000, -5000), CLR_INVALID); // no window there, no screen to grab
    ::ReleaseDC(nullptr, screen);
    window.DestroyWindow();
}

} // namespace
