#include "AppTestSupport.h"

#include "framework/window/WindowApi.h"

namespace {

class SplitterTest : public AppTestBase {
protected:
    void SetUp() override
    {
        AppTestBase::SetUp();
        m_pApp->AddDocTemplate(new CMultiDocTemplate(IDR_SCRIBBLE, RUNTIME_CLASS(CScribbleDoc),
                                                     RUNTIME_CLASS(CSplitChildFrame), RUNTIME_CLASS(CScribbleView)));
        auto *pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME));
        m_pApp->m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOW);
        pFrame->MoveWindow(0, 0, 900, 700);
        m_pApp->OnFileNew();
        m_pChild = static_cast<CSplitChildFrame *>(pFrame->MDIGetActive());
        ASSERT_NE(m_pChild, nullptr);
        m_pChild->MDIMaximize();
    }
    CSplitterWnd &Splitter() { return m_pChild->m_wndSplitter; }
    CScribbleView *Pane(int row, int col) { return static_cast<CScribbleView *>(Splitter().GetPane(row, col)); }
    void Drag(CPoint from, CPoint to)
    {
        Splitter().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        Splitter().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        Splitter().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }
    int ViewCount(CDocument *pDoc)
    {
        int n = 0;
        for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr; pDoc->GetNextView(pos))
            ++n;
        return n;
    }

    CSplitChildFrame *m_pChild = nullptr;
};

TEST_F(SplitterTest, DraggingTheBoxesSplitsIntoPanesOfTheSameDocument)
{
    EXPECT_EQ(Splitter().GetRowCount(), 1);
    EXPECT_EQ(Splitter().GetColumnCount(), 1);
    CDocument *pDoc = Pane(0, 0)->GetDocument();
    CRect rowBox = Splitter().GetSplitBoxRect(TRUE);
    ASSERT_FALSE(rowBox.IsRectEmpty());
    Drag(rowBox.CenterPoint(), CPoint(rowBox.left, 150));
    ASSERT_EQ(Splitter().GetRowCount(), 2);
    ASSERT_NE(Pane(1, 0), nullptr);
    EXPECT_EQ(Pane(1, 0)->GetDocument(), pDoc);
    EXPECT_EQ(Pane(1, 0)->m_nInitialUpdates, 1);
    CRect rectTop;
    Pane(0, 0)->GetWindowRect(&rectTop);
    EXPECT_EQ(rectTop.Height(), 150);
    EXPECT_TRUE(Splitter().GetSplitBoxRect(TRUE).IsRectEmpty()); // no third row

    CRect colBox = Splitter().GetSplitBoxRect(FALSE);
    Drag(colBox.CenterPoint(), CPoint(200, colBox.top));
    ASSERT_EQ(Splitter().GetColumnCount(), 2);
    EXPECT_EQ(ViewCount(pDoc), 4);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            EXPECT_TRUE(Splitter().IsChildPane(Pane(row, col), nullptr, nullptr));
    // An edit shows in every pane.
    static_cast<CScribbleDoc *>(pDoc)->AddStroke({{1, 1}, {5, 5}});
    EXPECT_TRUE(Pane(1, 1)->GetUpdateRect(nullptr));
}

TEST_F(SplitterTest, SplitNeedsRoomForTwoMinimumPanes)
{
    CRect rowBox = Splitter().GetSplitBoxRect(TRUE);
    Drag(rowBox.CenterPoint(), CPoint(rowBox.left, 5)); // the top pane would be below 10
    EXPECT_EQ(Splitter().GetRowCount(), 1);
}

TEST_F(SplitterTest, DraggingABarPastTheMinimumJoins)
{
    CRect rowBox = Splitter().GetSplitBoxRect(TRUE);
    Drag(rowBox.CenterPoint(), CPoint(rowBox.left, 200));
    ASSERT_EQ(Splitter().GetRowCount(), 2);
    CScribbleView *pLower = Pane(1, 0);
    CRect bar = Splitter().GetSplitterBarRect(TRUE);
    // Moved within limits: the bar just moves.
    Drag(bar.CenterPoint(), CPoint(bar.left + 5, 250));
    EXPECT_EQ(Splitter().GetRowCount(), 2);
    EXPECT_EQ(Splitter().GetSplitterBarRect(TRUE).top, 250);
    // Past the top: the upper pane goes and the lower one moves up.
    bar = Splitter().GetSplitterBarRect(TRUE);
    Drag(bar.CenterPoint(), CPoint(bar.left + 5, 3));
    EXPECT_EQ(Splitter().GetRowCount(), 1);
    EXPECT_EQ(Pane(0, 0), pLower);
    EXPECT_EQ(ViewCount(pLower->GetDocument()), 1);
    EXPECT_EQ(m_pChild->GetActiveView(), pLower);
}

TEST_F(SplitterTest, PanesShareTheScrollBarsOfTheirRowAndColumn)
{
    Splitter().SplitRow(200);
    Splitter().SplitColumn(300);
    EXPECT_EQ(Pane(0, 0)->GetScrollBarCtrl(SB_HORZ), Pane(1, 0)->GetScrollBarCtrl(SB_HORZ));
    EXPECT_NE(Pane(0, 0)->GetScrollBarCtrl(SB_HORZ), Pane(0, 1)->GetScrollBarCtrl(SB_HORZ));
    EXPECT_EQ(Pane(0, 0)->GetScrollBarCtrl(SB_VERT), Pane(0, 1)->GetScrollBarCtrl(SB_VERT));
    EXPECT_NE(Pane(0, 0)->GetScrollBarCtrl(SB_VERT), Pane(1, 0)->GetScrollBarCtrl(SB_VERT));
    EXPECT_EQ(Pane(0, 0)->GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u); // no bars of their own

    Pane(0, 0)->ScrollToPosition(CPoint(120, 80));
    EXPECT_EQ(Pane(0, 0)->GetScrollPosition(), CPoint(120, 80));
    EXPECT_EQ(Pane(1, 0)->GetScrollPosition().x, 120); // same column
    EXPECT_EQ(Pane(0, 1)->GetScrollPosition().y, 80);  // same row
    EXPECT_EQ(Pane(1, 1)->GetScrollPosition(), CPoint(0, 0));
    // The shared bar itself scrolls its column.
    CScrollBar *pBar = Pane(0, 1)->GetScrollBarCtrl(SB_HORZ);
    Splitter().SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), reinterpret_cast<LPARAM>(pBar->GetSafeHwnd()));
    EXPECT_EQ(Pane(0, 1)->GetScrollPosition().x, 40);
    EXPECT_EQ(Pane(1, 1)->GetScrollPosition().x, 40);
}

TEST_F(SplitterTest, ActivePaneFollowsClicksAndNextPrevious)
{
    Splitter().SplitRow(200);
    Splitter().SplitColumn(300);
    Pane(1, 0)->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_pApp->m_pMainWnd->GetSafeHwnd()),
                            MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    int row = -1;
    int col = -1;
    EXPECT_EQ(Splitter().GetActivePane(&row, &col), Pane(1, 0));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 0);
    m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, ID_NEXT_PANE);
    EXPECT_EQ(m_pChild->GetActiveView(), Pane(1, 1));
    m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, ID_NEXT_PANE);
    EXPECT_EQ(m_pChild->GetActiveView(), Pane(0, 0));
    m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, ID_PREV_PANE);
    EXPECT_EQ(m_pChild->GetActiveView(), Pane(1, 1));
    Splitter().SetActivePane(0, 1);
    EXPECT_EQ(m_pChild->GetActiveView(), Pane(0, 1));
}

TEST_F(SplitterTest, DrawSplitSaveAndReopen)
{
    CScribbleView *pView = Pane(0, 0);
    pView->ScrollToPosition(CPoint(100, 0));
    pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    pView->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 15));
    pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, 20));
    auto *pDoc = static_cast<CScribbleDoc *>(pView->GetDocument());
    const std::vector<std::vector<CPoint>> drawn = {{{110, 10}, {120, 15}, {130, 20}}};
    ASSERT_EQ(pDoc->m_strokes, drawn); // in page coordinates
    EXPECT_TRUE(pDoc->IsModified());
    Splitter().SplitColumn(200);
    m_paths.Queue(PathOf("drawn.scb"));
    m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_FALSE(pDoc->IsModified());
    m_pChild->SendMessage(WM_CLOSE); // no prompt: saved
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    auto *pReopened = static_cast<CScribbleDoc *>(m_pApp->OpenDocumentFile(PathOf("drawn.scb").c_str()));
    ASSERT_NE(pReopened, nullptr);
    EXPECT_EQ(pReopened->m_strokes, drawn);
}

} // namespace
