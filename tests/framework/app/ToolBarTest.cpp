#include "AppTestSupport.h"
#include "BarsSample.h"

#include "framework/controls/ControlStyles.h"
#include "framework/controls/Dialog.h"
#include "framework/controls/ToolTipCtrl.h"
#include "framework/resources/Resources.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

namespace {

class ToolBarTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        RegisterSampleResources();
        m_pApp->AddDocTemplate(new CSingleDocTemplate(IDR_SAMPLE, RUNTIME_CLASS(CScribbleDoc),
                                                      RUNTIME_CLASS(CSampleFrame), RUNTIME_CLASS(CPagesView)));
        m_pApp->OnFileNew();
        m_pFrame = static_cast<CSampleFrame *>(m_pApp->m_pMainWnd);
        ASSERT_NE(m_pFrame, nullptr);
        m_pFrame->MoveWindow(0, 0, 640, 400);
        m_pFrame->ShowWindow(SW_SHOW);
        m_pBar = &m_pFrame->m_wndFormatBar;
        Idle();
    }
    void Idle()
    {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
        m_pApp->OnIdle(0);
    }
    QWidget *BarWidget() const { return WindowCore::Widget(m_pBar->GetSafeHwnd()); }
    CPoint Centre(int nIndex) const
    {
        CRect rect;
        m_pBar->GetItemRect(nIndex, &rect);
        return rect.CenterPoint();
    }
    void Press(CPoint point)
    {
        QTest::mousePress(BarWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(point.x, point.y));
    }
    void Move(CPoint point) { QTest::mouseMove(BarWidget(), QPoint(point.x, point.y)); }
    void Release(CPoint point)
    {
        QTest::mouseRelease(BarWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(point.x, point.y));
    }
    // The colour the bar paints at a point of its client area.
    COLORREF PaintedAt(CPoint point)
    {
        CRect client;
        m_pBar->GetClientRect(&client);
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateBitmap(client.Width(), client.Height(), 1, 32, nullptr);
        CBitmap *pOld = memory.SelectObject(&bitmap);
        m_pBar->Draw(&memory);
        const COLORREF colour = memory.GetPixel(point);
        memory.SelectObject(pOld);
        return colour;
    }

    CSampleFrame *m_pFrame = nullptr;
    CToolBar *m_pBar = nullptr;
};

// A bar of its own kind that draws its borders and the base's gripper.
class CPlainBar : public CControlBar {
public:
    CSize CalcFixedLayout(BOOL, BOOL) override { return CSize(100, 30); }
    void OnUpdateCmdUI(CFrameWnd *, BOOL) override {}
    void Paint(CDC *pDC, CRect rect)
    {
        pDC->FillSolidRect(&rect, RGB(0, 0, 0));
        DrawBorders(pDC, rect);
        DrawGripper(pDC, rect);
    }
};

TEST(ControlBarGripper, ADockedBarDrawsItsGripperAlongItsLeadingEdge)
{
    struct Case {
        const char *name;
        DWORD dwStyle;
        CPoint light, shadow; // where the line's two sides fall; (-1,-1): no gripper
    };
    // Without borders the line starts 2 pixels in from the corner.
    const Case cases[] = {
        {"docked at the top", CBRS_TOP | CBRS_GRIPPER, CPoint(2, 6), CPoint(4, 6)},
        {"docked on the left", CBRS_LEFT | CBRS_GRIPPER, CPoint(10, 2), CPoint(10, 4)},
        {"floating", CBRS_TOP | CBRS_GRIPPER | CBRS_FLOATING, CPoint(-1, -1), CPoint(-1, -1)},
        {"no gripper asked", CBRS_TOP, CPoint(-1, -1), CPoint(-1, -1)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CPlainBar bar;
        bar.SetBarStyle(c.dwStyle & ~CBRS_BORDER_ANY);
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateBitmap(40, 40, 1, 32, nullptr);
        CBitmap *pOld = memory.SelectObject(&bitmap);
        bar.Paint(&memory, CRect(0, 0, 40, 40));
        if (c.light.x >= 0) {
            EXPECT_EQ(memory.GetPixel(c.light), GetSysColor(COLOR_BTNHIGHLIGHT));
            EXPECT_EQ(memory.GetPixel(c.shadow), GetSysColor(COLOR_BTNSHADOW));
        } else {
            EXPECT_EQ(memory.GetPixel(CPoint(2, 6)), RGB(0, 0, 0));
            EXPECT_EQ(memory.GetPixel(CPoint(10, 2)), RGB(0, 0, 0));
        }
        memory.SelectObject(pOld);
    }
}

TEST_F(ToolBarTest, ReleasingOverTheButtonSendsItsCommand)
{
    const int iBold = m_pBar->CommandToIndex(ID_SAMPLE_BOLD);
    ASSERT_EQ(iBold, 0);
    Press(Centre(iBold));
    EXPECT_TRUE(m_pBar->GetButtonStyle(iBold) & TBBS_PRESSED);
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 0); // nothing before the release
    Release(Centre(iBold));
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 1);
    EXPECT_FALSE(m_pBar->GetButtonStyle(iBold) & TBBS_PRESSED);

    // Off the button the press comes undone and nothing is sent.
    const CPoint away(Centre(iBold).x, 300);
    Press(Centre(iBold));
    Move(away);
    EXPECT_FALSE(m_pBar->GetButtonStyle(iBold) & TBBS_PRESSED);
    Move(Centre(iBold));
    EXPECT_TRUE(m_pBar->GetButtonStyle(iBold) & TBBS_PRESSED);
    Move(away);
    Release(away);
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 1);

    // A separator is no button.
    EXPECT_EQ(m_pBar->HitTest(Centre(1)), -1);
}

TEST_F(ToolBarTest, IdleUpdatesEnableAndCheckTheButtons)
{
    const int iBold = m_pBar->CommandToIndex(ID_SAMPLE_BOLD);
    const int iLocked = m_pBar->CommandToIndex(ID_SAMPLE_LOCKED);
    const int iUnhandled = m_pBar->CommandToIndex(ID_SAMPLE_UNHANDLED);
    EXPECT_FALSE(m_pBar->GetButtonStyle(iBold) & (TBBS_CHECKED | TBBS_DISABLED));
    EXPECT_TRUE(m_pBar->GetButtonStyle(iLocked) & TBBS_DISABLED);
    EXPECT_TRUE(m_pBar->GetButtonStyle(iUnhandled) & TBBS_DISABLED); // nobody handles it

    m_pFrame->m_bBold = TRUE;
    Idle();
    EXPECT_TRUE(m_pBar->GetButtonStyle(iBold) & TBBS_CHECKED);

    // A disabled button takes no press.
    Press(Centre(iLocked));
    Release(Centre(iLocked));
    EXPECT_FALSE(m_pBar->GetButtonStyle(iLocked) & TBBS_PRESSED);

    // The disabled look is drawn from the image: the square's corner in
    // the shadow colour, one pixel further in the highlight.
    CRect rect;
    m_pBar->GetItemRect(iLocked, &rect);
    const CPoint image(rect.left + (rect.Width() - 16) / 2, rect.top + (rect.Height() - 15) / 2);
    EXPECT_EQ(PaintedAt(image + CPoint(4, 4)), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PaintedAt(image + CPoint(12, 11)), GetSysColor(COLOR_BTNHIGHLIGHT));
    m_pBar->GetItemRect(iBold, &rect); // checked: the image one pixel in
    EXPECT_EQ(PaintedAt(CPoint(rect.left + (rect.Width() - 16) / 2 + 5, rect.top + (rect.Height() - 15) / 2 + 5)),
              RGB(0, 0, 0));
}

TEST_F(ToolBarTest, TipsAndFlyByPromptsComeFromTheCommandStrings)
{
    EXPECT_EQ(std::string(m_pFrame->m_wndStatusBar.GetPaneText(0)), "Ready"); // from the start
    m_pBar = &m_pFrame->m_wndToolBar;
    const int iPrint = m_pBar->CommandToIndex(ID_FILE_PRINT);
    EXPECT_EQ(std::string(m_pBar->GetButtonTipText(iPrint)), "Print");
    ASSERT_NE(m_pBar->GetToolTips(), nullptr);
    CString strTip;
    m_pBar->GetToolTips()->GetText(strTip, m_pBar, static_cast<UINT_PTR>(iPrint + 1));
    EXPECT_EQ(std::string(strTip), "Print");

    Move(Centre(iPrint));
    EXPECT_EQ(m_pBar->GetHotItem(), iPrint);
    EXPECT_EQ(std::string(m_pFrame->m_wndStatusBar.GetPaneText(0)), "Print the active document");
    Move(Centre(2)); // the separator
    EXPECT_EQ(m_pBar->GetHotItem(), -1);
    EXPECT_EQ(std::string(m_pFrame->GetMessageText()), "Ready");
}

TEST_F(ToolBarTest, WithoutFlyByThePromptShowsOnlyWhileAButtonIsHeld)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(m_pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE811));
    ASSERT_TRUE(bar.LoadToolBar(IDR_SAMPLE));
    m_pFrame->RecalcLayout();
    m_pBar = &bar;
    const int iPrint = bar.CommandToIndex(ID_FILE_PRINT);
    Move(Centre(iPrint));
    EXPECT_EQ(std::string(m_pFrame->GetMessageText()), "Ready");
    Press(Centre(iPrint));
    EXPECT_EQ(std::string(m_pFrame->GetMessageText()), "Print the active document");
    const CPoint away(Centre(iPrint).x, 300);
    Move(away);
    Release(away);
    EXPECT_EQ(std::string(m_pFrame->GetMessageText()), "Ready");
    bar.DestroyWindow();
}

TEST_F(ToolBarTest, AFloatingBarWrapsIntoRows)
{
    m_pBar = &m_pFrame->m_wndToolBar;                           // New, Open, |, Print, Preview
    m_pBar->SetBarStyle(m_pBar->GetBarStyle() | CBRS_FLOATING); // no gripper
    CRect first;
    m_pBar->GetItemRect(0, &first);
    const int cxButton = first.Width(), cyButton = first.Height();
    struct Case {
        const char *name;
        int nLength;
        DWORD dwMode;
        int nRows;
    };
    const Case cases[] = {
        {"wide enough for one row", 2000, LM_HORZ | LM_COMMIT, 1},
        {"two buttons a row", 2 * cxButton + 4, LM_HORZ | LM_COMMIT, 2},
        {"one button a row", cxButton, LM_HORZ | LM_COMMIT, 4},
        {"the remembered width", 0, LM_MRUWIDTH, 4},
        {"rows fitting a height", 2 * cyButton + 2, LM_LENGTHY | LM_HORZ, 2},
        {"too low for two rows: one", 2 * cyButton + 1, LM_LENGTHY | LM_HORZ, 1},
    };
    for (const Case &c : cases) {
        const CSize size = m_pBar->CalcDynamicLayout(c.nLength, c.dwMode);
        EXPECT_EQ((size.cy - 2 /* border */) / cyButton, c.nRows) << c.name;
    }
    // Two a row: the separator breaks the first row and is not shown.
    m_pBar->CalcDynamicLayout(2 * cxButton + 4, LM_HORZ | LM_COMMIT);
    CRect open, separator, print;
    m_pBar->GetItemRect(1, &open);
    m_pBar->GetItemRect(2, &separator);
    m_pBar->GetItemRect(3, &print);
    EXPECT_TRUE(m_pBar->GetButtonStyle(1) & TBBS_WRAPPED);
    EXPECT_TRUE(separator.IsRectEmpty());
    EXPECT_EQ(print.top, open.bottom);
    m_pBar->GetItemRect(0, &first);
    EXPECT_EQ(print.left, first.left);
}

TEST_F(ToolBarTest, HiddenBarsLeaveNoGap)
{
    m_pFrame->ShowControlBar(&m_pFrame->m_wndDialogBar, FALSE, FALSE);
    CRect main, format, view;
    m_pFrame->m_wndToolBar.GetWindowRect(&main);
    m_pFrame->m_wndFormatBar.GetWindowRect(&format);
    EXPECT_EQ(format.top, main.bottom);
    m_pFrame->ShowControlBar(&m_pFrame->m_wndToolBar, FALSE, FALSE);
    m_pFrame->GetActiveView()->GetWindowRect(&view);
    m_pFrame->m_wndFormatBar.GetWindowRect(&format);
    EXPECT_EQ(format.top, main.top);
    EXPECT_EQ(view.top, format.bottom);
    m_pFrame->ShowControlBar(&m_pFrame->m_wndFormatBar, FALSE, FALSE);
    m_pFrame->GetActiveView()->GetWindowRect(&view);
    EXPECT_EQ(view.top, main.top);
}

TEST_F(ToolBarTest, EachBarTakesItsRoomFromWhatTheBarsBeforeItLeft)
{
    CRect client, main, dialogBar, sizable, status, view;
    m_pFrame->GetClientRect(&client);
    m_pFrame->ClientToScreen(&client);
    m_pFrame->m_wndToolBar.GetWindowRect(&main);
    m_pFrame->m_wndDialogBar.GetWindowRect(&dialogBar);
    m_pFrame->m_wndSizableBar.GetWindowRect(&sizable);
    m_pFrame->m_wndStatusBar.GetWindowRect(&status);
    m_pFrame->GetActiveView()->GetWindowRect(&view);
    EXPECT_EQ(main.TopLeft(), client.TopLeft());
    EXPECT_EQ(main.Width(), client.Width());
    EXPECT_EQ(status.BottomRight(), client.BottomRight());
    EXPECT_EQ(status.Width(), client.Width());
    // The sizable bar, made after the status bar, fills the height between
    // the top bars and the status bar.
    EXPECT_EQ(sizable, CRect(client.left, dialogBar.bottom, client.left + 120, status.top));
    EXPECT_EQ(view, CRect(sizable.right, dialogBar.bottom, client.right, status.top));
}

TEST_F(ToolBarTest, TheViewMenuTogglesTheMainToolBar)
{
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_FALSE(m_pFrame->m_wndToolBar.IsWindowVisible());
    CRect format, client;
    m_pFrame->m_wndFormatBar.GetWindowRect(&format);
    m_pFrame->GetClientRect(&client);
    m_pFrame->ClientToScreen(&client);
    EXPECT_EQ(format.top, client.top);
    m_pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_TRUE(m_pFrame->m_wndToolBar.IsWindowVisible());
    m_pFrame->m_wndFormatBar.GetWindowRect(&format);
    EXPECT_GT(format.top, client.top);
}

TEST_F(ToolBarTest, BadResourcesGiveAnErrorOrBlankButtons)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(m_pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE811));
    EXPECT_FALSE(bar.LoadToolBar(0x7FFE)); // no such toolbar
    EXPECT_EQ(bar.GetCount(), 0);
    struct Case {
        const char *name;
        UINT nID;
        int nBlankFrom; // buttons from this index on have no image
    };
    const Case cases[] = {{"missing bitmap", IDR_SAMPLE_NOBITMAP, 0}, {"narrow bitmap", IDR_SAMPLE_NARROW, 3}};
    m_pBar = &bar;
    for (const Case &c : cases) {
        ASSERT_TRUE(bar.LoadToolBar(c.nID)) << c.name;
        m_pFrame->RecalcLayout();
        for (int i = 0; i < bar.GetCount(); ++i) {
            if (bar.GetButtonStyle(i) & TBBS_SEPARATOR)
                continue;
            const bool bBlank = i >= c.nBlankFrom;
            EXPECT_EQ(PaintedAt(Centre(i)) == GetSysColor(COLOR_BTNFACE), bBlank) << c.name << " button " << i;
        }
    }
    bar.DestroyWindow();
}

TEST_F(ToolBarTest, ADialogBarsControlsFollowTheRoutingAndCommandTheFrame)
{
    CDialogBar &bar = m_pFrame->m_wndDialogBar;
    HWND hBold = ::GetDlgItem(bar.GetSafeHwnd(), ID_SAMPLE_BOLD);
    HWND hLocked = ::GetDlgItem(bar.GetSafeHwnd(), ID_SAMPLE_LOCKED);
    ASSERT_NE(hBold, nullptr);
    EXPECT_TRUE(::IsWindowEnabled(hBold));
    EXPECT_FALSE(::IsWindowEnabled(hLocked)); // its update handler says so
    QTest::mouseClick(WindowCore::Widget(hBold), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 1);
    // It lies under the two toolbars, as wide as the frame.
    CRect format, dialogBar, client;
    m_pFrame->m_wndFormatBar.GetWindowRect(&format);
    bar.GetWindowRect(&dialogBar);
    m_pFrame->GetClientRect(&client);
    EXPECT_EQ(dialogBar.top, format.bottom);
    EXPECT_EQ(dialogBar.Width(), client.Width());
    EXPECT_GT(dialogBar.Height(), 14); // the template's height in pixels
    EXPECT_FALSE(CDialogBar().Create(m_pFrame, 0x7FF0, WS_VISIBLE | CBRS_TOP, 0xE813)); // no such template
}

// A dialog with a toolbar whose commands are the dialog's; WM_KICKIDLE
// brings the buttons up to date.
class CToolDialog : public CDialog {
public:
    CToolBar m_wndToolBar;
    int m_nBold = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOOLTIPS | CBRS_FLYBY) ||
            !m_wndToolBar.LoadToolBar(IDR_SAMPLE_FORMAT))
            return FALSE;
        m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER));
        m_wndToolBar.SetBorders(10, 5, 10, 5);
        m_wndToolBar.MoveWindow(0, 0, 200, 40);
        m_wndToolBar.SetOwner(this);
        return TRUE;
    }
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        m_wndToolBar.OnUpdateCmdUI(reinterpret_cast<CFrameWnd *>(this), TRUE);
        return FALSE;
    }
    afx_msg void OnBold() { ++m_nBold; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CToolDialog, CDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
ON_COMMAND(ID_SAMPLE_BOLD, OnBold)
END_MESSAGE_MAP()

TEST_F(ToolBarTest, AToolBarInADialogCommandsTheDialog)
{
    static const RESOURCE_DIALOG_ITEM items[] = {{"STATIC", "", 100, 0, 60, 10, 10, WS_VISIBLE, 0}};
    static const RESOURCE_DIALOG dialogTemplate = {
        WS_POPUP | WS_CAPTION, 0, 0, 0, 200, 100, "Editor", nullptr, 0, 0, items, 1};
    CToolDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&dialogTemplate, m_pFrame));
    m_pBar = &dialog.m_wndToolBar;
    CRect first;
    m_pBar->GetItemRect(0, &first);
    EXPECT_EQ(first.TopLeft(), CPoint(10, 5)); // inside the borders
    dialog.SendMessage(WM_KICKIDLE, 0, 0);
    EXPECT_FALSE(m_pBar->GetButtonStyle(m_pBar->CommandToIndex(ID_SAMPLE_BOLD)) & TBBS_DISABLED);
    EXPECT_TRUE(m_pBar->GetButtonStyle(m_pBar->CommandToIndex(ID_SAMPLE_LOCKED)) & TBBS_DISABLED); // no handler
    Press(Centre(0));
    Release(Centre(0));
    EXPECT_EQ(dialog.m_nBold, 1);
    EXPECT_EQ(m_pFrame->m_nBoldCommands, 0);
    dialog.DestroyWindow();
}

} // namespace
