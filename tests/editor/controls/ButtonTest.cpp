// Owner-drawn buttons and the colour well button: when a click counts, the
// style kept owner-drawn, the frame, focus rectangle and disabled embossing
// probed in an image, and the colour well button's pop-up and messages.
#include "ControlsTestSupport.h"

#include "editor/controls/SECBitmapButton.h"
#include "editor/controls/SECDibFormat.h"
#include "editor/controls/SECOwnerDrawButton.h"
#include "editor/controls/SECPopupColorWell.h"
#include "editor/controls/SECWellButton.h"

#include "framework/controls/ColorDialog.h"
#include "framework/controls/CommonDialog.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DibHeaders.h"
#include "framework/resources/Resources.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"

#include <QColorDialog>

#include <gtest/gtest.h>

namespace {

// A button whose content is a black square in the middle, counting clicks.
class CountingButton : public SECOwnerDrawButton {
public:
    int clicks = 0;
    void OnButtonClick() override { ++clicks; }
    void DrawFocusFrame(CDC *pDC, CRect *pRect) override { pDC->DrawFocusRect(pRect); }
    void DrawContent(CDC *pDC, LPDRAWITEMSTRUCT, CRect *pContent) override
    {
        CPoint c = pContent->CenterPoint();
        pDC->FillSolidRect(c.x - 4, c.y - 4, 8, 8, RGB(0, 0, 0));
    }
};

const int kWidth = 40, kHeight = 24;

// Draws the button's face for a state into a fresh image and answers its
// pixels.
class FaceImage {
public:
    FaceImage(SECOwnerDrawButton &button, UINT state, UINT action = ODA_DRAWENTIRE,
              const CRect &itemRect = CRect(0, 0, kWidth, kHeight))
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(1, 2, 3));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = action;
        item.itemState = state;
        item.hDC = dc.GetSafeHdc();
        item.rcItem = itemRect;
        button.DrawItem(&item);
    }
    ~FaceImage() { dc.SelectObject(old); }
    COLORREF At(int x, int y) { return dc.GetPixel(x, y); }
    CDC dc;
    CBitmap bitmap;
    CBitmap *old = nullptr;
};

COLORREF Face()
{
    return GetSysColor(COLOR_BTNFACE);
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open());
        ASSERT_TRUE(button.SubclassButton(IDC_HOST_WELLBUTTON, &host, 0));
        button.GetClientRect(&client);
    }
    CHostDialog host;
    CountingButton button;
    CRect client;
};

TEST_F(ButtonTest, AMouseClickCountsOnlyWhenReleasedInsideWhileHoldingTheCapture)
{
    HWND h = button.GetSafeHwnd();
    Click(h, client.Width() / 2, client.Height() / 2);
    EXPECT_EQ(button.clicks, 1);
    MouseDown(h, client.Width() / 2, client.Height() / 2);
    MouseUp(h, client.Width() + 20, client.Height() / 2);
    EXPECT_EQ(button.clicks, 1);
    // A release that was never pressed here is no click either.
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(button.clicks, 1);
}

TEST_F(ButtonTest, TheSpaceBarClicksOnReleaseWhateverTheState)
{
    button.SetFocus();
    Pump();
    Press(button.GetSafeHwnd(), Qt::Key_Space);
    EXPECT_EQ(button.clicks, 1);
    button.SendMessage(WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(button.clicks, 2);
    button.SendMessage(WM_KEYUP, 'A', 0);
    EXPECT_EQ(button.clicks, 2);
}

TEST_F(ButtonTest, TheDialogCodeAsksForDefaultStatusOnlyWithTheExtraStyle)
{
    button.SetFocus();
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON));
    CountingButton defaulting;
    ASSERT_TRUE(
        defaulting.CreateButton("x", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(0, 60, 40, 80), &host, 1040, 1));
    EXPECT_EQ(defaulting.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));
    defaulting.SetFocus();
    EXPECT_EQ(defaulting.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON | DLGC_DEFPUSHBUTTON));
    button.SetFocus();
    EXPECT_EQ(defaulting.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON));
}

class SetStyleKeepsOwnerDraw : public ButtonTest, public ::testing::WithParamInterface<UINT> {};

TEST_P(SetStyleKeepsOwnerDraw, WhateverStyleIsSet)
{
    button.SendMessage(BM_SETSTYLE, GetParam(), TRUE);
    EXPECT_EQ(button.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));
    // The dialog moving the default status around keeps it owner-drawn too.
    host.SetDefID(IDC_HOST_WELLBUTTON);
    host.SetDefID(IDC_HOST_PUSH);
    EXPECT_EQ(button.GetStyle() & 0x0F, DWORD(BS_OWNERDRAW));
}

INSTANTIATE_TEST_SUITE_P(Styles, SetStyleKeepsOwnerDraw,
                         ::testing::Values(UINT(BS_PUSHBUTTON), UINT(BS_DEFPUSHBUTTON)));

TEST_F(ButtonTest, TheFrameFollowsPushedAndFlat)
{
    COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), frame = GetSysColor(COLOR_WINDOWFRAME);
    FaceImage up(button, 0);
    EXPECT_EQ(up.At(0, 0), highlight);
    EXPECT_EQ(up.At(kWidth - 1, kHeight - 1), frame);
    EXPECT_EQ(up.At(kWidth / 2, kHeight / 2), RGB(0, 0, 0));
    FaceImage pushed(button, ODS_SELECTED);
    EXPECT_EQ(pushed.At(0, 0), frame);
    EXPECT_EQ(pushed.At(kWidth - 1, kHeight - 1), highlight);
    button.SetFlat(TRUE);
    FaceImage flat(button, 0);
    EXPECT_EQ(flat.At(0, 0), Face());
    EXPECT_EQ(flat.At(kWidth - 1, kHeight - 1), Face());
}

TEST_F(ButtonTest, AFlatButtonShowsItsHoverFrameWhileThePointerIsOverIt)
{
    button.SetFlat(TRUE);
    button.Invalidate();
    HWND h = button.GetSafeHwnd();
    EXPECT_EQ(ClientPixel(h, 0, 0), Face());
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(CWnd::GetCapture(), &button);
    EXPECT_EQ(ClientPixel(h, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ClientPixel(h, client.right - 1, client.bottom - 1), GetSysColor(COLOR_BTNSHADOW));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(client.Width() + 5, 3));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(ClientPixel(h, 0, 0), Face());
    EXPECT_EQ(ClientPixel(h, client.right - 1, client.bottom - 1), Face());
}

TEST_F(ButtonTest, ADisabledFaceIsEmbossedInHighlightAndShadow)
{
    COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    FaceImage enabled(button, 0);
    FaceImage disabled(button, ODS_DISABLED);
    // The content rectangle is (2,2)-(37,21); the square fills 15..22 x 7..14.
    int left = 15, top = 7;
    EXPECT_EQ(enabled.At(left + 3, top + 3), RGB(0, 0, 0));
    // The square becomes shadow, with a highlight edge one pixel beyond its
    // bottom-right.
    EXPECT_EQ(disabled.At(left + 3, top + 3), shadow);
    EXPECT_EQ(disabled.At(left + 1, top + 1), shadow);
    EXPECT_EQ(disabled.At(left + 8, top + 8), highlight);
    EXPECT_EQ(disabled.At(left - 2, top + 3), Face());
    // Nothing black is left inside the frame.
    for (int y = 2; y < kHeight - 2; ++y)
        for (int x = 2; x < kWidth - 2; ++x)
            EXPECT_NE(disabled.At(x, y), RGB(0, 0, 0)) << x << "," << y;
}

TEST_F(ButtonTest, TheFocusRectangleIsDrawnInsideTheFrame)
{
    FaceImage plain(button, 0);
    FaceImage focused(button, ODS_FOCUS);
    // New look: the item shrunk by one, then right and bottom in by one.
    CRect focus(1, 1, kWidth - 2, kHeight - 2);
    int changed = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (plain.At(x, y) == focused.At(x, y))
                continue;
            ++changed;
            bool onEdge = (x == focus.left || x == focus.right - 1 || y == focus.top || y == focus.bottom - 1) &&
                          focus.PtInRect(CPoint(x, y));
            EXPECT_TRUE(onEdge) << x << "," << y;
        }
    EXPECT_GT(changed, 20);
    // A focus-only action draws just the rectangle over what is there.
    FaceImage focusOnly(button, ODS_FOCUS, ODA_FOCUS);
    EXPECT_EQ(focusOnly.At(kWidth / 2, kHeight / 2), RGB(1, 2, 3));
}

// A button whose content is a black square near the content's top-left.
class CornerButton : public CountingButton {
public:
    void DrawContent(CDC *pDC, LPDRAWITEMSTRUCT, CRect *pContent) override
    {
        pDC->FillSolidRect(pContent->left + 4, pContent->top + 4, 8, 8, RGB(0, 0, 0));
    }
};

TEST_F(ButtonTest, WithoutAnOffScreenBitmapTheFaceIsDrawnDirectlyAndNotEmbossed)
{
    CornerButton corner;
    ASSERT_TRUE(corner.CreateButton("", WS_CHILD | WS_VISIBLE, CRect(0, 60, 40, 80), &host, 1042, 0));
    // An item far too large for an off-screen bitmap: the face is drawn
    // straight into the item's context, whose corner the image shows.
    const CRect huge(0, 0, 20000, 10000);
    FaceImage direct(corner, 0, ODA_DRAWENTIRE, huge);
    EXPECT_EQ(direct.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(direct.At(8, 8), RGB(0, 0, 0));
    EXPECT_EQ(direct.At(20, 20), Face());
    FaceImage disabled(corner, ODS_DISABLED, ODA_DRAWENTIRE, huge);
    EXPECT_EQ(disabled.At(8, 8), RGB(0, 0, 0));
    // The same state at a normal size is embossed.
    FaceImage embossed(corner, ODS_DISABLED);
    EXPECT_EQ(embossed.At(8, 8), GetSysColor(COLOR_BTNSHADOW));
}

// ---- Bitmap buttons

constexpr UINT kSwatchBitmapId = 23911;

// A 4 x 2 picture of 24 bits, all pure red.
const std::vector<BYTE> &RedPicture()
{
    static const std::vector<BYTE> picture = [] {
        BITMAPINFOHEADER header{};
        header.biSize = 40;
        header.biWidth = 4;
        header.biHeight = 2;
        header.biPlanes = 1;
        header.biBitCount = 24;
        std::vector<BYTE> dib(40 + 2 * 12);
        WriteBitmapInfoHeader(header, dib.data());
        for (size_t i = 40; i < dib.size(); i += 3)
            dib[i + 2] = 255;
        return dib;
    }();
    return picture;
}

class CountingMenuButton : public SECMenuButton {
public:
    int clicks = 0;
    void OnButtonClick() override { ++clicks; }
};

TEST_F(ButtonTest, ABitmapButtonCentresItsPictureAndKeepsItWhenALoadFails)
{
    PlexoRegisterCustomResource(RT_BITMAP, kSwatchBitmapId, RedPicture().data(), DWORD(RedPicture().size()));
    CountingMenuButton bitmapButton;
    ASSERT_TRUE(
        bitmapButton.CreateButton("", WS_CHILD | WS_VISIBLE, CRect(0, 60, kWidth, 60 + kHeight), &host, 1041, 0));
    EXPECT_FALSE(bitmapButton.HasBitmap());
    ASSERT_TRUE(bitmapButton.LoadBitmap(kSwatchBitmapId));
    EXPECT_EQ(bitmapButton.GetImageOrigin(), CPoint((kWidth - 4) / 2, (kHeight - 2) / 2));
    EXPECT_FALSE(bitmapButton.LoadBitmap(kSwatchBitmapId + 1));
    EXPECT_TRUE(bitmapButton.HasBitmap());
    FaceImage face(bitmapButton, 0);
    EXPECT_EQ(face.At(kWidth / 2, kHeight / 2), RGB(255, 0, 0));
    EXPECT_EQ(face.At(kWidth / 2, kHeight / 2 + 2), GetSysColor(COLOR_BTNFACE));
    // A new size places it again; a colour change reloads it.
    bitmapButton.MoveWindow(0, 60, 60, 30);
    EXPECT_EQ(bitmapButton.GetImageOrigin(), CPoint(28, 14));
    bitmapButton.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_TRUE(bitmapButton.HasBitmap());
    // The menu button's click is reported after the button's own release.
    Click(bitmapButton.GetSafeHwnd(), 10, 10);
    EXPECT_EQ(bitmapButton.clicks, 1);
    MouseDown(bitmapButton.GetSafeHwnd(), 10, 10);
    MouseUp(bitmapButton.GetSafeHwnd(), 100, 10);
    EXPECT_EQ(bitmapButton.clicks, 1);
}

// ---- The colour well button

class WellButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Open());
        ASSERT_TRUE(button.SubclassButton(IDC_HOST_WELLBUTTON, &host, 0));
    }
    void TearDown() override
    {
        PlexoSetCommonDialogHook(PlexoCommonDialogHook());
        if (button.GetPopup())
            button.GetPopup()->Close();
    }
    CHostDialog host;
    SECWellButton button;
};

class ColorRoundTrip : public WellButtonTest, public ::testing::WithParamInterface<BOOL> {};

TEST_P(ColorRoundTrip, GetColorAnswersWhatSetColorGaveAndTheSwatchShowsIt)
{
    button.SetUsePalette(GetParam());
    EXPECT_EQ(button.GetColor(), RGB(0, 0, 0));
    button.SetColor(RGB(12, 200, 99));
    EXPECT_EQ(button.GetColor(), RGB(12, 200, 99));
    FaceImage face(button, 0);
    EXPECT_EQ(face.At(kWidth / 2 - 4, kHeight / 2), RGB(12, 200, 99));
    // The arrow sits at the right, the separator left of it.
    // The content rectangle is (1,1)-(38,22): the separator at 28 and 29.
    EXPECT_EQ(face.At(28, kHeight / 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(face.At(29, kHeight / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(face.At(31, (22 - 1 - 3) / 2 + 1), RGB(0, 0, 0));
    FaceImage disabled(button, ODS_DISABLED);
    EXPECT_NE(disabled.At(kWidth / 2 - 4, kHeight / 2), RGB(12, 200, 99));
}

INSTANTIATE_TEST_SUITE_P(PaletteMode, ColorRoundTrip, ::testing::Values(FALSE, TRUE));

TEST_F(WellButtonTest, AClickOpensThePopupWithTheColourAndAPickReachesTheParent)
{
    button.SetColor(RGB(255, 0, 0));
    button.SetMoreColors(FALSE);
    CRect client;
    button.GetClientRect(&client);
    Click(button.GetSafeHwnd(), client.Width() / 2, client.Height() / 2);
    SECPopupColorWell *popup = button.GetPopup();
    ASSERT_TRUE(popup->IsActive());
    EXPECT_EQ(popup->GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(popup->GetSelectedCell(), (SECWellCell{1, 3}));
    EXPECT_EQ(popup->GetOtherButton(), nullptr);
    HWND opened = popup->GetSafeHwnd();
    // A click while it is open does nothing.
    button.OnButtonClick();
    EXPECT_EQ(popup->GetSafeHwnd(), opened);
    CPoint green = popup->GetCellRect(2, 3).CenterPoint();
    MouseDown(popup->GetSafeHwnd(), green.x, green.y);
    EXPECT_FALSE(popup->IsActive());
    EXPECT_EQ(button.GetColor(), RGB(0, 255, 0));
    ASSERT_EQ(host.colorMessages.size(), 1u);
    EXPECT_EQ(host.colorMessages[0].wParam, WPARAM(IDC_HOST_WELLBUTTON));
    EXPECT_EQ(host.colorMessages[0].lParam, LPARAM(RGB(0, 255, 0)));
    ReleaseCapture();
    // The next click opens it again at the new colour, with the dialog's button.
    button.SetMoreColors(TRUE);
    button.OnButtonClick();
    ASSERT_TRUE(popup->IsActive());
    EXPECT_EQ(popup->GetSelectedCell(), (SECWellCell{2, 3}));
    EXPECT_NE(popup->GetOtherButton(), nullptr);
}

TEST_F(WellButtonTest, TheSpaceBarOpensThePopupAndEscapeGivesTheFocusBack)
{
    button.SetFocus();
    Pump();
    Press(button.GetSafeHwnd(), Qt::Key_Space);
    SECPopupColorWell *popup = button.GetPopup();
    ASSERT_TRUE(popup->IsActive());
    EXPECT_EQ(CWnd::GetFocus(), popup);
    Press(popup->GetSafeHwnd(), Qt::Key_Escape);
    EXPECT_FALSE(popup->IsActive());
    EXPECT_TRUE(host.colorMessages.empty());
    EXPECT_EQ(CWnd::GetFocus(), &button);
}

TEST_F(WellButtonTest, TheColourDialogRequestChangesNothingOnCancel)
{
    button.SetColor(RGB(0, 128, 0));
    COLORREF custom[16] = {};
    button.SetCustomColors(custom);
    QColor seen;
    PlexoSetCommonDialogHook([&](QDialog *d) {
        seen = static_cast<QColorDialog *>(d)->currentColor();
        d->reject();
    });
    button.SendMessage(WM_SECCOLORWELL_OTHER);
    EXPECT_EQ(seen, QColor(0, 128, 0));
    EXPECT_EQ(button.GetColor(), RGB(0, 128, 0));
    EXPECT_TRUE(host.colorMessages.empty());
    PlexoSetCommonDialogHook([&](QDialog *d) {
        static_cast<QColorDialog *>(d)->setCurrentColor(QColor(3, 4, 5));
        d->accept();
    });
    button.SendMessage(WM_SECCOLORWELL_OTHER);
    EXPECT_EQ(button.GetColor(), RGB(3, 4, 5));
    ASSERT_EQ(host.colorMessages.size(), 1u);
    EXPECT_EQ(host.colorMessages[0].wParam, WPARAM(IDC_HOST_WELLBUTTON));
    EXPECT_EQ(host.colorMessages[0].lParam, LPARAM(RGB(3, 4, 5)));
}

} // namespace
