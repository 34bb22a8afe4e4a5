#include "AppTestSupport.h"

#include "framework/app/MDIFrameWnd.h"
#include "framework/window/Menu.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include "framework/gdi/SystemColors.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

class MdiTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        m_pApp->LoadStdProfileSettings(4);
        m_pTemplate = new CMultiDocTemplate(IDR_SCRIBBLE, RUNTIME_CLASS(CScribbleDoc), RUNTIME_CLASS(CMDIChildWnd),
                                            RUNTIME_CLASS(CScribbleView));
        m_pApp->AddDocTemplate(m_pTemplate);
        m_pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME));
        m_pApp->m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->MoveWindow(0, 0, 800, 600);
    }
    CMDIChildWnd *NewChild()
    {
        m_pApp->OnFileNew();
        return m_pFrame->MDIGetActive();
    }
    static CScribbleView *ViewOf(CMDIChildWnd *pChild) { return static_cast<CScribbleView *>(pChild->GetActiveView()); }
    CString FrameTitle() const
    {
        CString strText;
        m_pFrame->GetWindowText(strText);
        return strText;
    }
    // The items the client appended after the window menu's own four.
    std::vector<std::string> WindowList() const
    {
        std::vector<std::string> items;
        HMENU hWindow = m_pFrame->GetWindowMenuPopup(::GetMenu(m_pFrame->GetSafeHwnd()));
        int nCount = ::GetMenuItemCount(hWindow);
        for (int i = 5; i < nCount; ++i) {
            char szText[128] = {};
            ::GetMenuString(hWindow, static_cast<UINT>(i), szText, sizeof(szText), MF_BYPOSITION);
            UINT nState = ::GetMenuState(hWindow, static_cast<UINT>(i), MF_BYPOSITION);
            items.push_back(std::string((nState & MF_CHECKED) ? "*" : "") + szText + "#" +
                            std::to_string(::GetMenuItemID(hWindow, i)));
        }
        return items;
    }
    CRect RectInClient(CWnd *pChild) const
    {
        CRect rect;
        pChild->GetWindowRect(&rect);
        CWnd::FromHandle(m_pFrame->m_hWndMDIClient)->ScreenToClient(&rect);
        return rect;
    }

    CRect ClientAreaInClient(CWnd *pChild) const
    {
        CRect rect;
        pChild->GetClientRect(&rect);
        pChild->MapWindowPoints(CWnd::FromHandle(m_pFrame->m_hWndMDIClient), &rect);
        return rect;
    }

    CMultiDocTemplate *m_pTemplate = nullptr;
    CMDIFrameWnd *m_pFrame = nullptr;
};

TEST_F(MdiTest, NewDocumentsAreNumberedAndTheChildMenuReplacesTheFrames)
{
    HMENU hFrameMenu = ::GetMenu(m_pFrame->GetSafeHwnd());
    EXPECT_STREQ(FrameTitle(), "Scribble");
    CMDIChildWnd *pFirst = NewChild();
    CMDIChildWnd *pSecond = NewChild();
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, pFirst);
    EXPECT_STREQ(pFirst->GetActiveDocument()->GetTitle(), "Scribble1");
    EXPECT_STREQ(pSecond->GetActiveDocument()->GetTitle(), "Scribble2");
    CString strChild;
    pSecond->GetWindowText(strChild);
    EXPECT_STREQ(strChild, "Scribble2");
    EXPECT_STREQ(FrameTitle(), "Scribble - Scribble2");
    EXPECT_EQ(::GetMenu(m_pFrame->GetSafeHwnd()), m_pTemplate->m_hMenuShared);
    EXPECT_EQ(m_pFrame->GetActiveFrame(), pSecond);
    EXPECT_EQ(m_pFrame->GetActiveDocument(), nullptr); // the frame itself shows none

    // Closing both children brings the frame's own menu back.
    pSecond->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_pFrame->MDIGetActive(), pFirst);
    EXPECT_STREQ(FrameTitle(), "Scribble - Scribble1");
    pFirst->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(::GetMenu(m_pFrame->GetSafeHwnd()), hFrameMenu);
    EXPECT_STREQ(FrameTitle(), "Scribble");
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
}

TEST_F(MdiTest, ActivationTellsBothViews)
{
    CMDIChildWnd *pFirst = NewChild();
    CMDIChildWnd *pSecond = NewChild();
    CScribbleView *pView1 = ViewOf(pFirst);
    CScribbleView *pView2 = ViewOf(pSecond);
    pView1->m_activations.clear();
    pView2->m_activations.clear();
    m_pFrame->MDIActivate(pFirst);
    ASSERT_EQ(pView2->m_activations.size(), 1u);
    EXPECT_FALSE(pView2->m_activations[0].bActivate);
    EXPECT_EQ(pView2->m_activations[0].pActivate, pView1);
    EXPECT_EQ(pView2->m_activations[0].pDeactive, pView2);
    ASSERT_EQ(pView1->m_activations.size(), 1u);
    EXPECT_TRUE(pView1->m_activations[0].bActivate);
    EXPECT_EQ(pView1->m_activations[0].pActivate, pView1);
    EXPECT_EQ(pView1->m_activations[0].pDeactive, pView2);
    EXPECT_EQ(m_pFrame->MDIGetActive(), pFirst);
    // Commands reach the active child's document.
    m_pFrame->SendMessage(WM_COMMAND, ID_SCRIBBLE_CLEAR);
    EXPECT_EQ(static_cast<CScribbleDoc *>(pFirst->GetActiveDocument())->m_nCleared, 1);
    EXPECT_EQ(static_cast<CScribbleDoc *>(pSecond->GetActiveDocument())->m_nCleared, 0);
}

TEST_F(MdiTest, CloseCommandAsksAndClosesEveryWindowOfTheDocument)
{
    CMDIChildWnd *pFirst = NewChild();
    static_cast<CScribbleDoc *>(pFirst->GetActiveDocument())->AddStroke({{1, 1}});
    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    ASSERT_EQ(m_pApp->GetOpenDocumentCount(), 1);
    m_boxes.Queue(IDCANCEL);
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 1);
    m_boxes.Queue(IDNO);
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    EXPECT_EQ(m_pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(m_boxes.Shown().size(), 2u);
}

TEST_F(MdiTest, AClickInAViewActivatesItsWindow)
{
    CMDIChildWnd *pFirst = NewChild();
    NewChild();
    ViewOf(pFirst)->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_pFrame->GetSafeHwnd()),
                                MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(m_pFrame->MDIGetActive(), pFirst);
    EXPECT_STREQ(FrameTitle(), "Scribble - Scribble1");
}

TEST_F(MdiTest, ChildrenInZOrderWithTheirClassIcons)
{
    CMDIChildWnd *p1 = NewChild();
    CMDIChildWnd *p2 = NewChild();
    m_pFrame->MDIActivate(p1);
    std::vector<HWND> order;
    for (HWND h = ::GetWindow(m_pFrame->m_hWndMDIClient, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        order.push_back(h);
    EXPECT_EQ(order, (std::vector<HWND>{p1->GetSafeHwnd(), p2->GetSafeHwnd()}));
    // The small icon of a window's class (the "Windows" list shows it).
    HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
    ASSERT_NE(hIcon, nullptr);
    CWnd iconWindow;
    ASSERT_TRUE(iconWindow.CreateEx(0, AfxRegisterWndClass(0, nullptr, nullptr, hIcon), "Icon", WS_OVERLAPPEDWINDOW, 0,
                                    0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(::GetClassLong(iconWindow.GetSafeHwnd(), GCL_HICONSM), reinterpret_cast<ULONG_PTR>(hIcon));
    EXPECT_EQ(::GetClassLong(iconWindow.GetSafeHwnd(), GCL_HICON), reinterpret_cast<ULONG_PTR>(hIcon));
    EXPECT_EQ(::GetClassLong(nullptr, GCL_HICONSM), 0u);
    iconWindow.DestroyWindow();
}

TEST_F(MdiTest, NextAndPreviousCycleThroughTheChildren)
{
    CMDIChildWnd *p1 = NewChild();
    CMDIChildWnd *p2 = NewChild();
    CMDIChildWnd *p3 = NewChild();
    m_pFrame->MDINext();
    EXPECT_EQ(m_pFrame->MDIGetActive(), p2);
    m_pFrame->MDINext();
    EXPECT_EQ(m_pFrame->MDIGetActive(), p1);
    m_pFrame->MDINext();
    EXPECT_EQ(m_pFrame->MDIGetActive(), p3);
    m_pFrame->MDIPrev();
    EXPECT_EQ(m_pFrame->MDIGetActive(), p1);
    m_pFrame->MDIPrev();
    EXPECT_EQ(m_pFrame->MDIGetActive(), p2);
}

TEST_F(MdiTest, TilesShareTheClientAreaAndCascadeStaysInside)
{
    std::vector<CMDIChildWnd *> children;
    for (int n = 1; n <= 5; ++n) {
        children.push_back(NewChild());
        for (UINT nCommand : {ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT}) {
            SCOPED_TRACE(n);
            m_pFrame->SendMessage(WM_COMMAND, nCommand);
            CRect rectClient;
            ::GetClientRect(m_pFrame->m_hWndMDIClient, &rectClient);
            int nArea = 0;
            for (size_t i = 0; i < children.size(); ++i) {
                CRect a = RectInClient(children[i]);
                EXPECT_TRUE(CRect().IntersectRect(a, rectClient) && CRect(a) == (a & rectClient));
                nArea += a.Width() * a.Height();
                for (size_t j = i + 1; j < children.size(); ++j) {
                    CRect overlap;
                    EXPECT_FALSE(overlap.IntersectRect(a, RectInClient(children[j])));
                }
            }
            EXPECT_EQ(nArea, rectClient.Width() * rectClient.Height());
        }
    }
    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE);
    CRect rectClient;
    ::GetClientRect(m_pFrame->m_hWndMDIClient, &rectClient);
    std::vector<CPoint> corners;
    for (CMDIChildWnd *pChild : children) {
        CRect rect = RectInClient(pChild);
        EXPECT_EQ(rect & rectClient, rect);
        corners.push_back(rect.TopLeft());
    }
    std::sort(corners.begin(), corners.end(), [](CPoint a, CPoint b) { return a.x < b.x; });
    EXPECT_EQ(std::unique(corners.begin(), corners.end()), corners.end()); // each one a step further
}

TEST_F(MdiTest, WindowMenuListsChildrenAndMoreWindowsAfterNine)
{
    NewChild();
    NewChild();
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"&1 Scribble1#65280", "*&2 Scribble2#65281"}));
    m_pFrame->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD);
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"*&1 Scribble1#65280", "&2 Scribble2#65281"}));
    for (int i = 0; i < 8; ++i)
        NewChild();
    std::vector<std::string> items = WindowList();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[8], "&9 Scribble9#65288");
    EXPECT_EQ(items[9], "&More Windows...#65289");
}

TEST_F(MdiTest, MaximisedChildFillsTheClientAndPassesItOn)
{
    CMDIChildWnd *p1 = NewChild();
    CMDIChildWnd *p2 = NewChild();
    m_pFrame->MDIMaximize(p2);
    BOOL bMaximized = FALSE;
    EXPECT_EQ(m_pFrame->MDIGetActive(&bMaximized), p2);
    EXPECT_TRUE(bMaximized);
    CRect rectClient;
    ::GetClientRect(m_pFrame->m_hWndMDIClient, &rectClient);
    // The child's client area covers the MDI client's; its caption and
    // frame lie outside.
    EXPECT_EQ(ClientAreaInClient(p2), rectClient);
    EXPECT_LT(RectInClient(p2).top, -GetSystemMetrics(SM_CYCAPTION));
    EXPECT_TRUE(p2->IsZoomed());
    m_pFrame->MDIActivate(p1);
    EXPECT_EQ(ClientAreaInClient(p1), rectClient);
    EXPECT_NE(ClientAreaInClient(p2), rectClient);
    EXPECT_FALSE(p2->IsZoomed());
    m_pFrame->MDIRestore(p1);
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_FALSE(bMaximized);
}

// A program's own client subclass that puts a "Windows" item after the list
// on every refresh, as Kilnsmith-like programs do.
class AddingClient : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        if (message == WM_MDIREFRESHMENU || message == WM_MDISETMENU) {
            HMENU hWindow = m_hWindowMenu;
            if (hWindow != nullptr) {
                ::DeleteMenu(hWindow, 32947, MF_BYCOMMAND);
                ::AppendMenu(hWindow, MF_STRING, 32947, "Windows");
            }
        }
        return result;
    }
    HMENU m_hWindowMenu = nullptr;
};

TEST_F(MdiTest, ListStaysWholeWhenTheProgramAddsItemsAfterIt)
{
    AddingClient client;
    ASSERT_TRUE(client.SubclassWindow(m_pFrame->m_hWndMDIClient));
    ASSERT_NE(NewChild(), nullptr); // children are made inside the subclassed client
    client.m_hWindowMenu = m_pFrame->GetWindowMenuPopup(::GetMenu(m_pFrame->GetSafeHwnd()));
    for (int i = 0; i < 3; ++i) {
        NewChild();
        ::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    HMENU hWindow = client.m_hWindowMenu;
    ASSERT_NE(hWindow, nullptr);
    int nSeparators = 0;
    for (int i = 0; i < ::GetMenuItemCount(hWindow); ++i)
        nSeparators += (::GetMenuState(hWindow, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) ? 1 : 0;
    EXPECT_EQ(nSeparators, 1);
    EXPECT_EQ(::GetMenuItemCount(hWindow), 4 + 1 + 4 + 1); // own items, separator, four windows, "Windows"
    client.UnsubclassWindow();
}

TEST_F(MdiTest, MaximisedChildHasItsCaptionButtonsInTheMenuBar)
{
    CMDIChildWnd *p1 = NewChild();
    CMDIChildWnd *p2 = NewChild();
    CMenuBar *pBar = m_pFrame->GetMenuBar();
    ASSERT_NE(pBar, nullptr);
    EXPECT_TRUE(pBar->GetCaptionButtonRect(2).IsRectEmpty());
    m_pFrame->MDIMaximize(p2);
    EXPECT_EQ(pBar->GetMaximizedChild(), p2->GetSafeHwnd());
    CRect rectMin = pBar->GetCaptionButtonRect(0);
    CRect rectRestore = pBar->GetCaptionButtonRect(1);
    CRect rectClose = pBar->GetCaptionButtonRect(2);
    EXPECT_LE(rectMin.right, rectRestore.left);
    EXPECT_LT(rectRestore.right, rectClose.left);
    CRect rectBar;
    pBar->GetClientRect(&rectBar);
    EXPECT_LE(rectClose.right, rectBar.right);
    EXPECT_GT(rectMin.left, pBar->GetItemRect(::GetMenuItemCount(::GetMenu(m_pFrame->GetSafeHwnd())) - 1).right);

    // Close: the next child comes up, still maximised.
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectClose.CenterPoint().x, rectClose.CenterPoint().y));
    BOOL bMaximized = FALSE;
    EXPECT_EQ(m_pFrame->MDIGetActive(&bMaximized), p1);
    EXPECT_TRUE(bMaximized);
    // Restore: the buttons go.
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectRestore.CenterPoint().x, rectRestore.CenterPoint().y));
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_FALSE(bMaximized);
    EXPECT_TRUE(pBar->GetCaptionButtonRect(1).IsRectEmpty());
}

TEST_F(MdiTest, MaximisedChildJoinsTheFrameTitleAndMinimisedChildBecomesAnIcon)
{
    CMDIChildWnd *p1 = NewChild();
    CMDIChildWnd *p2 = NewChild();
    // A double click on the caption maximises through the client.
    p2->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    BOOL bMaximized = FALSE;
    EXPECT_EQ(m_pFrame->MDIGetActive(&bMaximized), p2);
    EXPECT_TRUE(bMaximized);
    EXPECT_STREQ(FrameTitle(), "Scribble - [Scribble2]");
    m_pFrame->MDIActivate(p1);
    EXPECT_STREQ(FrameTitle(), "Scribble - [Scribble1]");
    p1->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_FALSE(bMaximized);
    EXPECT_STREQ(FrameTitle(), "Scribble - Scribble1");

    CRect rectNormal = RectInClient(p1);
    p1->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(p1->IsIconic());
    EXPECT_EQ(m_pFrame->MDIGetActive(), p2); // the activation moves on to the open window
    CRect rectClient;
    ::GetClientRect(m_pFrame->m_hWndMDIClient, &rectClient);
    CRect rectIcon = RectInClient(p1);
    EXPECT_EQ(rectIcon.bottom, rectClient.bottom); // icons line the client's bottom
    EXPECT_EQ(rectIcon.left, 0);
    p1->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(p1->IsIconic());
    EXPECT_EQ(RectInClient(p1), rectNormal);
    EXPECT_EQ(m_pFrame->MDIGetActive(), p1);
}

TEST_F(MdiTest, ACaptionClickActivatesAndControlKeysMoveBetweenWindows)
{
    CMDIChildWnd *p1 = NewChild();
    CMDIChildWnd *p2 = NewChild();
    p1->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_pFrame->GetSafeHwnd()),
                    MAKELPARAM(HTCAPTION, WM_NCLBUTTONDOWN));
    EXPECT_EQ(m_pFrame->MDIGetActive(), p1);

    QWidget *pWidget = WindowCore::Widget(ViewOf(p1)->GetSafeHwnd());
    ASSERT_NE(pWidget, nullptr);
    QTest::keyPress(pWidget, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyClick(pWidget, Qt::Key_F6, Qt::ControlModifier);
    PlexoDrainMessages();
    EXPECT_EQ(m_pFrame->MDIGetActive(), p2);
    QTest::keyClick(pWidget, Qt::Key_F4, Qt::ControlModifier);
    PlexoDrainMessages();
    QTest::keyRelease(pWidget, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(m_pFrame->MDIGetActive(), p1);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 1);
}

TEST_F(MdiTest, MaximisedChildsIconOpensItsSystemMenuFromTheMenuBar)
{
    CMDIChildWnd *p1 = NewChild();
    CMenuBar *pBar = m_pFrame->GetMenuBar();
    EXPECT_TRUE(pBar->GetSystemMenuRect().IsRectEmpty());
    EXPECT_EQ(pBar->GetItemRect(0).left, 0);
    m_pFrame->MDIMaximize(p1);
    CRect rectIcon = pBar->GetSystemMenuRect();
    ASSERT_FALSE(rectIcon.IsRectEmpty());
    EXPECT_GT(pBar->GetItemRect(0).left, rectIcon.right);
    // "Restore" is the menu's first item.
    QTimer::singleShot(0, []() {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        }
    });
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectIcon.CenterPoint().x, rectIcon.CenterPoint().y));
    BOOL bMaximized = TRUE;
    EXPECT_EQ(m_pFrame->MDIGetActive(&bMaximized), p1);
    EXPECT_FALSE(bMaximized);
    EXPECT_TRUE(pBar->GetSystemMenuRect().IsRectEmpty());

    // Alt+- opens the system menu of a window that is not maximised: past
    // the grey "Restore", "Move", "Size", "Minimize" then "Maximize".
    QTimer::singleShot(0, []() {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
        }
    });
    MSG msg{};
    msg.hwnd = ::GetFocus();
    msg.message = WM_SYSCHAR;
    msg.wParam = '-';
    EXPECT_TRUE(pBar->TranslateFrameKey(&msg));
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_TRUE(bMaximized);
}

TEST_F(MdiTest, ReopeningActivatesAndFailedOpenLeavesNoWindow)
{
    WriteScribble(PathOf("a.scb"), {{{1, 1}, {2, 2}}});
    CDocument *pDoc = m_pApp->OpenDocumentFile(PathOf("a.scb").c_str());
    ASSERT_NE(pDoc, nullptr);
    CMDIChildWnd *pChild = m_pFrame->MDIGetActive();
    NewChild();
    EXPECT_EQ(m_pApp->OpenDocumentFile(PathOf("a.scb").c_str()), pDoc);
    EXPECT_EQ(m_pFrame->MDIGetActive(), pChild);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 2);

    WriteBytes(PathOf("bad.scb"), std::string("\x05\x00\x00\x00\x02", 5));
    EXPECT_EQ(m_pApp->OpenDocumentFile(PathOf("bad.scb").c_str()), nullptr);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("bad.scb"), std::string::npos);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 2);
    int nChildren = 0;
    for (HWND h = ::GetWindow(m_pFrame->m_hWndMDIClient, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        ++nChildren;
    EXPECT_EQ(nChildren, 2);
}

TEST_F(MdiTest, SecondWindowOfADocumentIsNumberedAndClosingOneDoesNotAsk)
{
    CMDIChildWnd *pFirst = NewChild();
    CDocument *pDoc = pFirst->GetActiveDocument();
    static_cast<CScribbleDoc *>(pDoc)->AddStroke({{1, 1}});
    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    CMDIChildWnd *pSecond = m_pFrame->MDIGetActive();
    ASSERT_NE(pSecond, pFirst);
    EXPECT_EQ(pSecond->GetActiveDocument(), pDoc);
    CString strText;
    pSecond->GetWindowText(strText);
    EXPECT_STREQ(strText, "Scribble1:2");
    pSecond->SendMessage(WM_CLOSE);
    EXPECT_TRUE(m_boxes.Shown().empty());
    pFirst->GetWindowText(strText);
    EXPECT_STREQ(strText, "Scribble1");
    // The last window of a modified document asks.
    m_boxes.Queue(IDCANCEL);
    pFirst->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_pFrame->MDIGetActive(), pFirst);
}

} // namespace
