// Relations and layout of windows: z-order, mapping points, fonts, redraw
// of children, and colour messages reflected to the control.
#include "WindowTestSupport.h"

#include "framework/window/WindowDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/SystemColors.h"

#include <gtest/gtest.h>

namespace {

class WindowLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(parent, RECT{100, 50, 300, 250}));
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(children[i].Create(TestWindowClass(), "", WS_VISIBLE,
                                           CRect(10 * i, 10 * i, 10 * i + 50, 10 * i + 50), &parent, 10 + i));
        PumpEvents();
    }
    CRecordingWnd parent;
    CRecordingWnd children[3];
};

TEST_F(WindowLayoutTest, ZOrderDecidesWhichChildIsFoundAtAPoint)
{
    // The newest child is on top; sending it to the bottom uncovers the next.
    EXPECT_EQ(parent.GetTopWindow(), &children[2]);
    EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(25, 25)), &children[2]);
    children[2].SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(25, 25)), &children[1]);
    EXPECT_EQ(parent.GetWindow(GW_CHILD)->GetWindow(GW_HWNDLAST), &children[2]);
    children[0].SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(25, 25)), &children[0]);
    EXPECT_EQ(children[0].GetNextWindow(), &children[1]);
    children[0].ShowWindow(SW_HIDE);
    EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(25, 25), CWP_SKIPINVISIBLE), &children[1]);
    EXPECT_EQ(parent.ChildWindowFromPoint(CPoint(-1, 5)), nullptr);
}

TEST_F(WindowLayoutTest, PointsMapBetweenClientAreas)
{
    CPoint pts[2] = {CPoint(1, 2), CPoint(5, 5)};
    children[2].MapWindowPoints(&children[1], pts, 2);
    EXPECT_EQ(pts[0], CPoint(11, 12));
    EXPECT_EQ(pts[1], CPoint(15, 15));
    CRect rc(0, 0, 4, 4);
    children[1].MapWindowPoints(nullptr, &rc);
    EXPECT_EQ(rc, CRect(110, 60, 114, 64));
    children[1].ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 4, 4));
    children[1].MoveWindow(30, 40, 20, 10);
    children[1].GetWindowRect(&rc);
    EXPECT_EQ(rc, CRect(130, 90, 150, 100));
    auto moves = children[1].Only({WM_MOVE});
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().lParam, MAKELPARAM(30, 40));
}

TEST_F(WindowLayoutTest, AWindowKeepsTheFontItIsGiven)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    EXPECT_EQ(parent.GetFont(), nullptr);
    parent.SetFont(&font, FALSE);
    ASSERT_NE(parent.GetFont(), nullptr);
    EXPECT_EQ(parent.GetFont()->GetSafeHandle(), font.GetSafeHandle());
}

TEST_F(WindowLayoutTest, RedrawWindowReachesChildrenWhenAsked)
{
    for (auto &child : children)
        child.Clear();
    parent.Clear();
    parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(parent.Only({WM_PAINT}).size(), 1u);
    EXPECT_TRUE(children[0].Only({WM_PAINT}).empty());
    parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    for (auto &child : children)
        EXPECT_EQ(child.Only({WM_PAINT}).size(), 1u);
    EXPECT_EQ(parent.Only({WM_ERASEBKGND}).size(), 1u);
}

// A control that chooses its own colours when its parent is asked.
class CColouredControl : public CWnd {
public:
    CBrush brush;
    CColouredControl() { brush.CreateSolidBrush(RGB(1, 2, 3)); }

protected:
    afx_msg HBRUSH CtlColor(CDC *pDC, UINT nCtlColor)
    {
        pDC->SetTextColor(RGB(200, 0, 0));
        return nCtlColor == CTLCOLOR_STATIC ? static_cast<HBRUSH>(brush.GetSafeHandle()) : nullptr;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColouredControl, CWnd)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST_F(WindowLayoutTest, ColourMessagesAreReflectedToTheControl)
{
    CColouredControl control;
    ASSERT_TRUE(control.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 5, 5), &parent, 20));
    CClientDC dc(&control);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                       reinterpret_cast<LPARAM>(control.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), control.brush.GetSafeHandle());
    EXPECT_EQ(dc.GetTextColor(), RGB(200, 0, 0));

    // Without a reflecting control the default answers with the system's colours.
    LRESULT plain = parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                       reinterpret_cast<LPARAM>(children[0].m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(plain), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(dc.GetTextColor(), GetSysColor(COLOR_WINDOWTEXT));
}

// A control of its own class (an up-down control) that sends scroll
// messages to its parent.
class CStepperControl : public CWnd {
public:
    std::vector<UINT> codes;

protected:
    afx_msg void VScroll(UINT nSBCode, UINT) { codes.push_back(nSBCode); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStepperControl, CWnd)
ON_WM_VSCROLL_REFLECT()
END_MESSAGE_MAP()

TEST_F(WindowLayoutTest, ScrollMessagesAreReflectedToAnyControlThatSendsThem)
{
    CStepperControl control;
    ASSERT_TRUE(control.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 5, 5), &parent, 21));
    parent.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), reinterpret_cast<LPARAM>(control.m_hWnd));
    parent.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0); // the window's own bar
    EXPECT_EQ(control.codes, std::vector<UINT>{SB_LINEUP});
}

} // namespace

namespace {

TEST(DialogItems, NumbersReadFromItemTextAndNonNumbersAreRefused)
{
    CRecordingWnd dialog;
    ASSERT_TRUE(CreateTopLevel(dialog, RECT{0, 0, 100, 100}));
    ASSERT_TRUE(::CreateWindowEx(0, TestWindowClass(), "", WS_CHILD, 0, 0, 10, 10, dialog.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(7)), nullptr, nullptr));
    struct Case {
        const char *text;
        BOOL bSigned;
        BOOL translated;
        UINT value;
    } cases[] = {
        {"42", TRUE, TRUE, 42},
        {" -17 ", TRUE, TRUE, static_cast<UINT>(-17)},
        {"-17", FALSE, FALSE, 0},
        {"12a", TRUE, FALSE, 0},
        {"", TRUE, FALSE, 0},
        {"2147483648", TRUE, FALSE, 0},
        {"4294967295", FALSE, TRUE, 4294967295u},
        {"99999999999999999999", FALSE, FALSE, 0},
    };
    for (const Case &c : cases) {
        dialog.SetDlgItemText(7, c.text);
        BOOL translated = -1;
        EXPECT_EQ(dialog.GetDlgItemInt(7, &translated, c.bSigned), c.value) << c.text;
        EXPECT_EQ(translated, c.translated) << c.text;
    }
    dialog.SetDlgItemInt(7, static_cast<UINT>(-5));
    CString text;
    dialog.GetDlgItemText(7, text);
    EXPECT_EQ(text, "-5");
}

TEST(DialogItems, AWindowCentresOverItsParent)
{
    CRecordingWnd parent, child;
    ASSERT_TRUE(CreateTopLevel(parent, RECT{100, 100, 300, 200}));
    ASSERT_TRUE(child.Create(TestWindowClass(), "", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 1));
    child.CenterWindow();
    CRect rc;
    child.GetWindowRect(&rc);
    EXPECT_EQ(rc, CRect(175, 140, 225, 160));
}

} // namespace
