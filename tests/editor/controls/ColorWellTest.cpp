// Colour wells: geometry, keyboard moves with and without the custom cell,
// SetColor and the custom cell, dialog codes, and the pop-up's messages,
// closing and placement.
#include "ControlsTestSupport.h"

#include "editor/controls/SECColorWell.h"
#include "editor/controls/SECColorWellOtherButton.h"
#include "editor/controls/SECPopupColorWell.h"

#include "framework/controls/CommonDialog.h"
#include "framework/controls/DialogManager.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/SystemParametersApi.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowDC.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/SystemColors.h"

#include <QColorDialog>

#include <gtest/gtest.h>

namespace {

struct NavCase {
    unsigned key;
    SECWellCell from;
    bool customAvailable;
    SECWellCell to;
};

class WellNavigation : public ::testing::TestWithParam<NavCase> {};

TEST_P(WellNavigation, MovesAsTheKeyTableSays)
{
    const NavCase &c = GetParam();
    SECWellGridShape shape{4, 5, c.customAvailable};
    EXPECT_EQ(SECColorWellNextCell(shape, c.from, c.key), c.to);
}

const NavCase kNavCases[] = {
    {VK_LEFT, {3, 5}, true, {3, 4}},   // from the custom cell to the last grid cell
    {VK_LEFT, {2, 1}, false, {1, 1}},  // one column left
    {VK_LEFT, {0, 2}, false, {3, 1}},  // the last column of the previous row
    {VK_LEFT, {0, 0}, true, {3, 5}},   // the first cell wraps to the custom cell
    {VK_LEFT, {0, 0}, false, {3, 4}},  // or to the last grid cell
    {VK_RIGHT, {3, 5}, true, {0, 0}},  // from the custom cell to the first cell
    {VK_RIGHT, {1, 3}, false, {2, 3}}, // one column right
    {VK_RIGHT, {3, 2}, false, {0, 3}}, // column 0 of the next row
    {VK_RIGHT, {3, 4}, true, {3, 5}},  // the last grid cell to the custom cell
    {VK_RIGHT, {3, 4}, false, {0, 0}}, // or round to the first cell
    {VK_UP, {2, 3}, false, {2, 2}},    // one row up
    {VK_UP, {3, 5}, true, {3, 4}},     // from the custom cell to the last grid row
    {VK_UP, {3, 0}, true, {3, 5}},     // the top of the custom column to the custom cell
    {VK_UP, {2, 0}, true, {2, 4}},     // other columns wrap to the bottom row
    {VK_UP, {3, 0}, false, {3, 4}},    // without the custom cell too
    {VK_DOWN, {1, 1}, false, {1, 2}},  // one row down
    {VK_DOWN, {3, 4}, true, {3, 5}},   // the bottom of the custom column to the custom cell
    {VK_DOWN, {3, 5}, true, {3, 0}},   // from the custom cell to the top row
    {VK_DOWN, {1, 4}, true, {1, 0}},   // other columns wrap to the top row
    {VK_DOWN, {3, 4}, false, {3, 0}},  // without the custom cell
    {VK_HOME, {2, 2}, true, {2, 2}},   // other keys move nothing
};

INSTANTIATE_TEST_SUITE_P(Keys, WellNavigation, ::testing::ValuesIn(kNavCases));

class WellTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Open()); }
    void TearDown() override { PlexoSetCommonDialogHook(PlexoCommonDialogHook()); }
    CHostDialog host;
};

TEST_F(WellTest, ARaisedWellWithoutButtonHasMarginsOfFiveAndNoButtonStrip)
{
    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE | 1, 0, 0, &host, 500, FALSE, FALSE));
    EXPECT_EQ(well.GetMargins(), CSize(5, 5));
    EXPECT_EQ(well.GetRows(), 5);
    EXPECT_EQ(well.GetColumns(), 4);
    CSize cell = well.GetCellSize();
    CRect units(0, 0, 10, 10);
    host.MapDialogRect(&units);
    EXPECT_EQ(cell, CSize(units.Width(), units.Height()));
    CRect client;
    well.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 2 * 5 + 4 * (cell.cx + 2) - 2);
    EXPECT_EQ(client.Height(), 2 * 5 + 5 * (cell.cy + 2) - 2);
    EXPECT_EQ(well.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS));
    // The grid comes from the default palette: black first, white last.
    EXPECT_EQ(well.GetColor(), RGB(0, 0, 0));
    well.SetColor(RGB(255, 255, 255));
    EXPECT_EQ(well.GetSelectedCell(), (SECWellCell{3, 4}));
}

TEST_F(WellTest, SetColorSelectsAGridCellOrFillsTheCustomCellOnce)
{
    SECColorWell plain;
    ASSERT_TRUE(plain.Create(WS_VISIBLE, 0, 0, &host, 500, FALSE, FALSE));
    plain.SetColor(RGB(255, 0, 0));
    EXPECT_EQ(plain.GetSelectedCell(), (SECWellCell{1, 3}));
    EXPECT_EQ(plain.GetColor(), RGB(255, 0, 0));
    plain.SetColor(RGB(1, 2, 3)); // not in the grid, no button: nothing changes
    EXPECT_EQ(plain.GetSelectedCell(), (SECWellCell{1, 3}));
    EXPECT_FALSE(plain.IsCustomShown());

    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE, 0, 100, &host, 501, FALSE, TRUE));
    EXPECT_EQ(well.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB));
    ASSERT_NE(well.GetOtherButton(), nullptr);
    CString caption;
    well.GetOtherButton()->GetWindowText(caption);
    EXPECT_STREQ(caption, "&Other Colors...");
    CRect before;
    well.GetOtherButton()->GetWindowRect(&before);
    well.SetColor(RGB(1, 2, 3));
    EXPECT_TRUE(well.IsCustomShown());
    EXPECT_EQ(well.GetSelectedCell(), (SECWellCell{3, 5}));
    EXPECT_EQ(well.GetColor(), RGB(1, 2, 3));
    CRect narrowed;
    well.GetOtherButton()->GetWindowRect(&narrowed);
    EXPECT_EQ(narrowed.Width(), before.Width() - (well.GetCellSize().cx + 2));
    well.SetColor(RGB(4, 5, 6)); // the same cell again, the button as it is
    EXPECT_EQ(well.GetSelectedCell(), (SECWellCell{3, 5}));
    EXPECT_EQ(well.GetColor(), RGB(4, 5, 6));
    CRect again;
    well.GetOtherButton()->GetWindowRect(&again);
    EXPECT_EQ(again.Width(), narrowed.Width());
    // The caption still fits the narrowed button, in the dialog's font.
    CClientDC dc(well.GetOtherButton());
    CFont *old = dc.SelectObject(host.GetFont());
    EXPECT_GE(narrowed.Width(), dc.GetTextExtent("Other Colors...").cx + 8);
    dc.SelectObject(old);
    // The custom cell can be clicked, 5 pixels under the grid's last row.
    CRect custom = well.GetCellRect(3, 5);
    EXPECT_EQ(custom.top, well.GetCellRect(3, 4).top + well.GetCellSize().cy + 2 + 5);
    well.SetColor(RGB(0, 0, 0));
    Click(well.GetSafeHwnd(), custom.CenterPoint().x, custom.CenterPoint().y);
    EXPECT_EQ(well.GetSelectedCell(), (SECWellCell{3, 5}));
}

TEST_F(WellTest, RightFromTheLastCellReachesTheCustomCellOnlyOnceItExists)
{
    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE | WS_TABSTOP, 0, 0, &host, 500, FALSE, TRUE));
    well.SetFocus();
    Pump();
    well.SetColor(RGB(255, 255, 255));
    host.colorMessages.clear();
    Press(well.GetSafeHwnd(), Qt::Key_Right);
    EXPECT_EQ(well.GetSelectedCell(), (SECWellCell{0, 0}));
    // Every keyboard move tells the parent, with the well's id.
    ASSERT_EQ(host.colorMessages.size(), 1u);
    EXPECT_EQ(host.colorMessages[0].message, UINT(WM_SECCOLORWELL_SELCHANGE));
    EXPECT_EQ(host.colorMessages[0].wParam, WPARAM(500));
    EXPECT_EQ(host.colorMessages[0].lParam, LPARAM(RGB(0, 0, 0)));
    well.SetColor(RGB(9, 9, 9));
    well.SetColor(RGB(255, 255, 255));
    Press(well.GetSafeHwnd(), Qt::Key_Right);
    EXPECT_EQ(well.GetSelectedCell(), (SECWellCell{3, 5}));
    Press(well.GetSafeHwnd(), Qt::Key_Right);
    EXPECT_EQ(well.GetSelectedCell(), (SECWellCell{0, 0}));
    // Tab goes on to the other-colour button.
    Press(well.GetSafeHwnd(), Qt::Key_Tab);
    EXPECT_EQ(CWnd::GetFocus(), well.GetOtherButton());
    EXPECT_EQ(well.GetOtherButton()->SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON | DLGC_WANTTAB));
}

TEST_F(WellTest, TheOtherButtonChoosesAColourInTheDialogOrChangesNothingOnCancel)
{
    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE, 0, 0, &host, 502, FALSE, TRUE));
    COLORREF custom[16] = {};
    well.SetCustomColors(custom);
    QColor seen;
    PlexoSetCommonDialogHook([&](QDialog *d) {
        auto *dialog = static_cast<QColorDialog *>(d);
        seen = dialog->currentColor();
        dialog->reject();
    });
    well.SetColor(RGB(0, 0, 255));
    well.SendMessage(WM_COMMAND, MAKEWPARAM(SEC_IDC_COLORWELL_OTHER, BN_CLICKED),
                     reinterpret_cast<LPARAM>(well.GetOtherButton()->GetSafeHwnd()));
    EXPECT_EQ(seen, QColor(0, 0, 255));
    EXPECT_TRUE(host.colorMessages.empty());
    EXPECT_EQ(well.GetColor(), RGB(0, 0, 255));
    PlexoSetCommonDialogHook([&](QDialog *d) {
        auto *dialog = static_cast<QColorDialog *>(d);
        QColorDialog::setCustomColor(2, QColor(7, 8, 9));
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    well.SendMessage(WM_COMMAND, MAKEWPARAM(SEC_IDC_COLORWELL_OTHER, BN_CLICKED),
                     reinterpret_cast<LPARAM>(well.GetOtherButton()->GetSafeHwnd()));
    EXPECT_EQ(well.GetColor(), RGB(10, 20, 30));
    EXPECT_TRUE(well.IsCustomShown());
    EXPECT_EQ(custom[2], RGB(7, 8, 9));
    ASSERT_EQ(host.colorMessages.size(), 1u);
    EXPECT_EQ(host.colorMessages[0].lParam, LPARAM(RGB(10, 20, 30)));
}

TEST_F(WellTest, PaintsItsCellsTheSelectionTheSeparatorAndTheFocusFrame)
{
    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE | WS_TABSTOP, 0, 0, &host, 503, FALSE, TRUE));
    HWND h = well.GetSafeHwnd();
    const COLORREF face = GetSysColor(COLOR_BTNFACE), shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), darkShadow = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    ASSERT_NE(frame, face);
    well.SetColor(RGB(255, 0, 0)); // cell (1, 3)
    // A cell: a sunken double edge around its colour.
    CRect cell = well.GetCellRect(1, 0);
    EXPECT_EQ(ClientPixel(h, cell.left, cell.top), shadow);
    EXPECT_EQ(ClientPixel(h, cell.right - 1, cell.bottom - 1), highlight);
    EXPECT_EQ(ClientPixel(h, cell.left + 1, cell.top + 1), darkShadow);
    EXPECT_EQ(ClientPixel(h, cell.CenterPoint().x, cell.CenterPoint().y), RGB(128, 0, 0));
    // The selected cell: black, white and black frames from one pixel out.
    CRect selected = well.GetCellRect(1, 3);
    EXPECT_EQ(ClientPixel(h, selected.left - 1, selected.top - 1), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(h, selected.left, selected.top), RGB(255, 255, 255));
    EXPECT_EQ(ClientPixel(h, selected.left + 1, selected.top + 1), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(h, selected.CenterPoint().x, selected.CenterPoint().y), RGB(255, 0, 0));
    // The separator over the other button: shadow above white.
    const CSize margins = well.GetMargins();
    const int separator = margins.cy + 5 * (well.GetCellSize().cy + 2);
    EXPECT_EQ(ClientPixel(h, margins.cx + 6, separator), shadow);
    EXPECT_EQ(ClientPixel(h, margins.cx + 6, separator + 1), RGB(255, 255, 255));
    // The custom cell appears once a colour outside the grid is set.
    CRect custom = well.GetCellRect(3, 5);
    EXPECT_EQ(ClientPixel(h, custom.CenterPoint().x, custom.CenterPoint().y), face);
    well.SetColor(RGB(10, 20, 30));
    EXPECT_EQ(ClientPixel(h, custom.CenterPoint().x, custom.CenterPoint().y), RGB(10, 20, 30));
    EXPECT_EQ(ClientPixel(h, custom.left - 1, custom.top - 1), RGB(0, 0, 0));
    // The focus frame comes and goes with the focus.
    EXPECT_EQ(ClientPixel(h, 0, 0), face);
    well.SetFocus();
    Pump();
    EXPECT_EQ(ClientPixel(h, 0, 0), frame);
    host.GetDlgItem(IDC_HOST_PUSH)->SetFocus();
    Pump();
    EXPECT_EQ(ClientPixel(h, 0, 0), face);
    // The other button is painted on the face colour the well hands it.
    CClientDC dc(well.GetOtherButton());
    const auto brush =
        reinterpret_cast<HBRUSH>(well.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                  reinterpret_cast<LPARAM>(well.GetOtherButton()->GetSafeHwnd())));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH logBrush{};
    ASSERT_NE(::GetObject(brush, sizeof(logBrush), &logBrush), 0);
    EXPECT_EQ(logBrush.lbColor, face);
    EXPECT_EQ(dc.GetBkColor(), face);
}

TEST_F(WellTest, TabbingWalksThroughTheWellAndItsButtonBothWays)
{
    // Tab order of the host: First, the owner-drawn button, Push, the well.
    SECColorWell well;
    ASSERT_TRUE(well.Create(WS_VISIBLE | WS_TABSTOP, 0, 40, &host, 504, FALSE, TRUE));
    CWnd *first = host.GetDlgItem(IDC_HOST_FIRST), *push = host.GetDlgItem(IDC_HOST_PUSH);
    CWnd *button = well.GetOtherButton();
    first->SetFocus();
    Pump();
    // Reverse tabbing enters the well at its last stop, the button.
    Press(first->GetSafeHwnd(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(CWnd::GetFocus(), button);
    Press(button->GetSafeHwnd(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(CWnd::GetFocus(), &well);
    Press(well.GetSafeHwnd(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(CWnd::GetFocus(), push);
    // Forward: the grid, its button, then the dialog's next stop after the well.
    Press(push->GetSafeHwnd(), Qt::Key_Tab);
    EXPECT_EQ(CWnd::GetFocus(), &well);
    Press(well.GetSafeHwnd(), Qt::Key_Tab);
    EXPECT_EQ(CWnd::GetFocus(), button);
    Press(button->GetSafeHwnd(), Qt::Key_Tab);
    EXPECT_EQ(CWnd::GetFocus(), first);
    EXPECT_TRUE(host.colorMessages.empty());
}

// ---- The pop-up

class PopupWellTest : public WellTest {
protected:
    // Opens the pop-up under the host's push button, reporting to it.
    void Open(BOOL bOtherButton = FALSE)
    {
        CRect buttonRect;
        host.GetDlgItem(IDC_HOST_PUSH)->GetWindowRect(&buttonRect);
        ASSERT_TRUE(popup.CreatePopup(WS_VISIBLE, buttonRect, &host, bOtherButton));
        popup.SetNotifyWindow(&host);
        popup.SetColor(RGB(0, 0, 0));
        Pump();
        ASSERT_TRUE(popup.IsActive());
        ASSERT_EQ(CWnd::GetCapture(), &popup);
    }
    CPoint CellCentre(int column, int row) { return popup.GetCellRect(column, row).CenterPoint(); }
    SECPopupColorWell popup;
};

TEST_F(PopupWellTest, HoverMovesTheHighlightSilentlyAndAClickChoosesAndCloses)
{
    Open();
    CPoint p = CellCentre(1, 3);
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(popup.GetSelectedCell(), (SECWellCell{1, 3}));
    EXPECT_TRUE(host.colorMessages.empty());
    MouseDown(popup.GetSafeHwnd(), p.x, p.y);
    ASSERT_EQ(host.colorMessages.size(), 1u);
    EXPECT_EQ(host.colorMessages[0].wParam, WPARAM(0));
    EXPECT_EQ(host.colorMessages[0].lParam, LPARAM(RGB(255, 0, 0)));
    EXPECT_FALSE(popup.IsActive());
    EXPECT_EQ(popup.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

struct PopupKeyCase {
    Qt::Key key;
    bool chooses;
};

class PopupKeys : public PopupWellTest, public ::testing::WithParamInterface<PopupKeyCase> {};

TEST_P(PopupKeys, EnterAndSpaceChooseEscapeClosesSilently)
{
    Open();
    Press(popup.GetSafeHwnd(), Qt::Key_Down);
    EXPECT_EQ(popup.GetSelectedCell(), (SECWellCell{0, 1}));
    EXPECT_TRUE(host.colorMessages.empty());
    Press(popup.GetSafeHwnd(), GetParam().key);
    EXPECT_FALSE(popup.IsActive());
    ASSERT_EQ(host.colorMessages.size(), GetParam().chooses ? 1u : 0u);
    if (GetParam().chooses) {
        EXPECT_EQ(host.colorMessages[0].lParam, LPARAM(RGB(0, 0, 128)));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, PopupKeys,
                         ::testing::Values(PopupKeyCase{Qt::Key_Return, true}, PopupKeyCase{Qt::Key_Space, true},
                                           PopupKeyCase{Qt::Key_Escape, false}));

TEST_F(PopupWellTest, TheOtherButtonPostsTheOtherMessageAndCloses)
{
    Open(TRUE);
    CRect button;
    popup.GetOtherButton()->GetWindowRect(&button);
    popup.ScreenToClient(&button);
    MouseDown(popup.GetSafeHwnd(), button.CenterPoint().x, button.CenterPoint().y);
    EXPECT_FALSE(popup.IsActive());
    ASSERT_EQ(host.colorMessages.size(), 1u);
    EXPECT_EQ(host.colorMessages[0].message, UINT(WM_SECCOLORWELL_OTHER));
}

TEST_F(PopupWellTest, TabAndArrowsMoveBetweenTheGridAndItsButtonAndLosingTheFocusCloses)
{
    Open(TRUE);
    CWnd *button = popup.GetOtherButton();
    Press(popup.GetSafeHwnd(), Qt::Key_Tab);
    EXPECT_EQ(CWnd::GetFocus(), button);
    EXPECT_TRUE(popup.IsActive());
    Press(button->GetSafeHwnd(), Qt::Key_Left);
    EXPECT_EQ(CWnd::GetFocus(), &popup);
    EXPECT_TRUE(popup.IsActive());
    // The focus leaving the pop-up closes it, from the grid or its button.
    host.GetDlgItem(IDC_HOST_PUSH)->SetFocus();
    Pump();
    EXPECT_FALSE(popup.IsActive());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    popup.Reset();
    Open(TRUE);
    Press(popup.GetSafeHwnd(), Qt::Key_Tab);
    ASSERT_EQ(CWnd::GetFocus(), popup.GetOtherButton());
    host.GetDlgItem(IDC_HOST_PUSH)->SetFocus();
    Pump();
    EXPECT_FALSE(popup.IsActive());
    EXPECT_TRUE(host.colorMessages.empty());
}

// Counts the clicks that reach it.
class CClickTarget : public CWnd {
public:
    int clicks = 0;
    CPoint last;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN) {
            ++clicks;
            last = CPoint(LOWORD(lParam), HIWORD(lParam));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(PopupWellTest, AClickOutsideClosesAndReachesTheWindowUnderThePointer)
{
    CRect hostRect;
    host.GetWindowRect(&hostRect);
    CClickTarget target;
    ASSERT_TRUE(target.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, hostRect.right + 40, hostRect.top,
                                100, 100, host.GetSafeHwnd(), nullptr, nullptr));
    Pump();
    Open();
    // A click over the notify window is ignored.
    CPoint overHost(hostRect.left + 5, hostRect.top + 5);
    popup.ScreenToClient(&overHost);
    MouseDown(popup.GetSafeHwnd(), overHost.x, overHost.y);
    EXPECT_TRUE(popup.IsActive());
    CPoint outside(hostRect.right + 60, hostRect.top + 30);
    popup.ScreenToClient(&outside);
    MouseDown(popup.GetSafeHwnd(), outside.x, outside.y);
    EXPECT_FALSE(popup.IsActive());
    EXPECT_TRUE(host.colorMessages.empty());
    EXPECT_EQ(target.clicks, 1);
    EXPECT_EQ(target.last, CPoint(20, 30));
    ReleaseCapture();
    target.DestroyWindow();
}

TEST_F(PopupWellTest, OpensBelowTheButtonOrAboveItAtTheBottomOfTheScreen)
{
    CRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    CRect high(work.left + 10, work.top + 10, work.left + 60, work.top + 30);
    ASSERT_TRUE(popup.CreatePopup(WS_VISIBLE, high, &host, FALSE));
    CRect placed;
    popup.GetWindowRect(&placed);
    EXPECT_EQ(placed.top, high.bottom);
    EXPECT_EQ(placed.left, high.left);
    popup.Close();
    popup.Reset();
    CRect low(work.right - 30, work.bottom - 20, work.right - 5, work.bottom - 2);
    ASSERT_TRUE(popup.CreatePopup(WS_VISIBLE, low, &host, FALSE));
    popup.GetWindowRect(&placed);
    EXPECT_EQ(placed.bottom, low.top);
    EXPECT_EQ(placed.right, low.right);
    popup.Close();
}

} // namespace
