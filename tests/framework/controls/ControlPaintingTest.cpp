// Colours and images on screen: the dialog's background from
// WM_CTLCOLORDLG, a static coloured by its own reflected WM_CTLCOLOR, and a
// bitmap static, read back through the screen context.
#include "ControlTestSupport.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/window/MessageMap.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

class CGreenDialog : public CRecordingDialog {
public:
    CBrush m_brush{kGreen};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CTLCOLORDLG)
            return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brush));
        return CRecordingDialog::WindowProc(message, wParam, lParam);
    }
};

class CRedStatic : public CStatic {
public:
    CBrush m_brush{kRed};
    afx_msg HBRUSH CtlColor(CDC *pDC, UINT)
    {
        pDC->SetBkColor(kRed);
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRedStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

COLORREF ScreenPixelOf(HWND hWnd, int x, int y)
{
    POINT pt{x, y};
    ::ClientToScreen(hWnd, &pt);
    HDC screen = ::GetDC(nullptr);
    COLORREF color = ::GetPixel(screen, pt.x, pt.y);
    ::ReleaseDC(nullptr, screen);
    return color;
}

TEST(ControlPainting, TheDialogAndAReflectingStaticPaintInTheirOwnColours)
{
    RegisterSampleTemplates();
    CGreenDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    CRedStatic title;
    ASSERT_TRUE(title.SubclassDlgItem(IDC_TITLE, &dialog));
    dialog.ShowWindow(SW_SHOW);
    dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpEvents();
    RECT client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(ScreenPixelOf(dialog.m_hWnd, client.right - 2, client.bottom - 2), kGreen);
    EXPECT_EQ(ScreenPixelOf(title.m_hWnd, 0, 0), kRed);
    title.UnsubclassWindow();
}

TEST(ControlPainting, ABitmapStaticShowsItsBitmap)
{
    RegisterSampleTemplates();
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    dialog.ShowWindow(SW_SHOW);
    CStatic picture;
    ASSERT_TRUE(picture.Create("", WS_CHILD | WS_VISIBLE | SS_BITMAP, RECT{150, 150, 170, 170}, &dialog, 800));
    // 8x8 pixels of one colour, 32 bits each: blue, green, red, unused.
    std::vector<BYTE> bits;
    for (int i = 0; i < 64; ++i)
        bits.insert(bits.end(), {250, 20, 10, 0});
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 32, bits.data()));
    EXPECT_EQ(picture.SetBitmap(bitmap), nullptr);
    EXPECT_EQ(picture.GetBitmap(), static_cast<HBITMAP>(bitmap));
    picture.UpdateWindow();
    PumpEvents();
    EXPECT_EQ(ScreenPixelOf(picture.m_hWnd, 2, 2), RGB(10, 20, 250));
    picture.DestroyWindow();
}

} // namespace
