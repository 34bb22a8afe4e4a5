// The arrangement operations and a user's path through a diagram: open it
// in a view in a frame, scroll, select by clicks, arrange with keys and
// commands, undo everything.
#include "ViewTestSupport.h"

#include "library/model/QYLayoutCommands.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYViewIds.h"

#include <vector>

namespace {

class ViewArrange : public ViewFixture {};

TEST_F(ViewArrange, CentringCentresTheUnionOfTheSelection)
{
    const CRect page(0, 0, 1000, 1000);
    struct Case {
        const char* name;
        std::vector<CRect> rects;
        bool bHorizontal;
        int nMove;
    } cases[] = {
        {"side by side", {CRect(0, 0, 100, 50), CRect(200, 0, 300, 50)}, true, 350},
        {"overlapping spans", {CRect(0, 0, 20, 100), CRect(40, 50, 60, 300)}, false, 350},
        {"one component", {CRect(100, 100, 301, 200)}, true, 300},
        {"sorted by right edge", {CRect(500, 0, 700, 10), CRect(0, 0, 100, 10)}, true, 150},
    };
    for (const Case& c : cases) {
        Model().RemoveAllComponents();
        std::vector<CQYDrawComponent*> comps;
        for (const CRect& r : c.rects)
            comps.push_back(Put(r));
        m_pView->m_listSelected.RemoveAll();
        for (CQYDrawComponent* p : comps)
            m_pView->m_listSelected.AddTail(p);
        m_pView->MarkFirstAsMain();
        if (c.bHorizontal)
            m_pView->CenterHorizontal(page);
        else
            m_pView->CenterVertical(page);
        for (size_t i = 0; i < comps.size(); ++i) {
            CRect expected = c.rects[i];
            expected.OffsetRect(c.bHorizontal ? c.nMove : 0, c.bHorizontal ? 0 : c.nMove);
            EXPECT_EQ(comps[i]->GetRect(), expected) << c.name << " " << i;
        }
    }
}

TEST_F(ViewArrange, FormResizeFollowsTheAnchorAndTheScrollPosition)
{
    Model().SetPrintPageRect(CRect(0, 0, 3000, 3000));
    m_pView->UpdatePrintScrollSizes();
    m_pView->ScrollToPosition(CPoint(40, 0));
    CQYDrawComponent* pForm = Model().GetFormComponent();
    Model().ResizeFormComponent(pForm, 0, 0, 450, 400);
    EXPECT_EQ(m_pView->ResizeForm(500, 300, 3), nullptr);
    EXPECT_NE(m_pView->ResizeForm(500, 300, 7), nullptr);
    EXPECT_EQ(pForm->GetRect(), CRect(0, 0, 540, 400));
    EXPECT_NE(m_pView->ResizeForm(500, 300, 1), nullptr);
    EXPECT_EQ(pForm->GetRect(), CRect(0, 0, 540, 300));
    EXPECT_NE(m_pView->ResizeForm(100, 120, 0), nullptr);
    EXPECT_EQ(pForm->GetRect(), CRect(0, 0, 140, 120));
}

// The form sized by its handles with the mouse: its dragged edge stops clear
// of the components (14 units beyond their extent) and 2000 beyond that.
TEST_F(ViewArrange, FormDraggedByItsHandlesStaysClearOfItsComponents)
{
    Model().SetFormDesignMode(TRUE);
    Model().GetDefaultProperty()->ShowGrid(FALSE); // no snapping
    m_pView->SetCurrentModel(&Model());
    CQYDrawComponent* pForm = Model().GetFormComponent();
    ASSERT_NE(pForm, nullptr);
    Put(CRect(100, 100, 300, 250));
    const struct {
        int nHandle;
        CPoint to;
        CRect form;
    } cases[] = {
        {4, {380, 320}, CRect(0, 0, 380, 320)}, // bottom-right, free
        {4, {200, 150}, CRect(0, 0, 314, 264)}, // over the component: stops beside it
        {3, {250, 200}, CRect(0, 0, 314, 400)}, // right edge only
        {5, {250, 200}, CRect(0, 0, 450, 264)}, // bottom edge only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nHandle);
        Model().SetPagePosition(CRect(0, 0, 450, 400));
        Model().ResizeFormComponent(pForm, 0, 0, 450, 400);
        m_pView->m_listSelected.RemoveAll();
        const CPoint handle = QYGetHandlePoint(pForm->GetRect(), static_cast<UINT>(c.nHandle));
        const int nUndo = Model().GetUndoCount();
        m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(handle.x, handle.y));
        ASSERT_EQ(m_pView->m_nTrackState, 10);
        m_pView->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.to.x, c.to.y));
        EXPECT_EQ(m_pView->m_nTrackState, 11);
        m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.to.x, c.to.y));
        EXPECT_EQ(pForm->GetRect(), c.form);
        EXPECT_EQ(Model().GetUndoCount(), nUndo + 1);
        EXPECT_EQ(m_pView->m_nTrackState, 0);
    }
    // A press on a handle released without a drag leaves the form as it is.
    const CRect before = pForm->GetRect();
    const CPoint handle = QYGetHandlePoint(before, 4);
    const int nUndo = Model().GetUndoCount();
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(handle.x, handle.y));
    ASSERT_EQ(m_pView->m_nTrackState, CQYBaseView::FormResizePending);
    m_pView->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(handle.x, handle.y));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(handle.x, handle.y));
    EXPECT_EQ(pForm->GetRect(), before);
    EXPECT_EQ(Model().GetUndoCount(), nUndo);
    EXPECT_EQ(m_pView->m_nTrackState, CQYBaseView::Idle);
}

TEST_F(ViewArrange, OperationsWithoutTheirSubjectBuildNothing)
{
    CQYDrawComponent* a = Put(CRect(0, 0, 100, 100));
    EXPECT_EQ(m_pView->GetSelectionBounds(), CRect(2000, 2000, -2000, -2000));
    EXPECT_EQ(m_pView->AlignLeft(), nullptr); // nothing selected: no main component
    EXPECT_EQ(m_pView->MakeSameSize(), nullptr);
    EXPECT_EQ(m_pView->MoveComponentPoint(0, 1, 1), nullptr);
    EXPECT_EQ(m_pView->ScaleActiveComponent(2.0f, 2.0f, 0), nullptr);
    EXPECT_EQ(m_pView->CenterHorizontal(CRect(0, 0, 100, 100)), nullptr);
    EXPECT_EQ(m_pView->MoveSelection(&m_pView->m_listSelected, 0, 0), nullptr);
    Select({a});
    EXPECT_EQ(m_pView->MoveSelection(&m_pView->m_listSelected, 0, 0), nullptr);
    EXPECT_EQ(m_pView->GetSelectionBounds(), a->GetRect());
    EXPECT_FALSE(Model().CanUndo());
}

TEST_F(ViewArrange, FlipsScaleAboutTheCentre)
{
    CArray<CPoint, CPoint> points;
    points.Add(CPoint(100, 100));
    points.Add(CPoint(200, 150));
    Model().AddNewLine(&points, FALSE);
    CQYDrawComponent* pLine = Model().GetComponents().GetTail();
    Select({pLine});
    Command(ID_QY_FLIP_HORIZONTAL);
    EXPECT_EQ(pLine->GetPointAt(0), CPoint(200, 100));
    EXPECT_EQ(pLine->GetPointAt(1), CPoint(100, 150));
    Command(ID_QY_FLIP_VERTICAL);
    EXPECT_EQ(pLine->GetPointAt(0), CPoint(200, 150));
    EXPECT_EQ(pLine->GetPointAt(1), CPoint(100, 100));
}

// ---------------------------------------------------------------------------
// A user's path

TEST_F(ViewArrange, OpenScrollSelectArrangeAndUndoEverything)
{
    // A page larger than the window, with shapes and a link between them.
    Model().SetPrintPageRect(CRect(0, 0, 1600, 1200));
    CQYDrawComponent* a = Put(CRect(40, 40, 140, 100));
    CQYDrawComponent* b = Put(CRect(200, 60, 280, 160));
    CQYDrawComponent* c = Put(CRect(360, 30, 420, 90));
    CArray<CPoint, CPoint> points;
    points.Add(CPoint(140, 70));
    points.Add(CPoint(200, 110));
    Model().AddNewLink(new CQYLinkComponent, &points, nullptr, nullptr, TRUE);
    CQYDrawComponent* pLink = Model().GetComponents().GetTail();
    Model().Reset(); // the page as opened: nothing to undo
    Model().SetSavePoint();
    m_pView->Invalidate();
    Painted();
    const int nStart = Model().GetComponents().GetCount();
    std::vector<CRect> before;
    for (POSITION pos = Model().GetComponents().GetHeadPosition(); pos != nullptr;)
        before.push_back(Model().GetComponents().GetNext(pos)->GetRect());

    // Scroll: the page moves under the window.
    m_pView->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 100));
    m_pView->SendMessage(WM_VSCROLL, SB_TOP);
    Pump();

    // Clicks: plain selects the main one, Shift and Ctrl add, Ctrl on a
    // selected one changes the main one, Shift on a selected one removes it.
    Click(CPoint(60, 60));
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{a}));
    Click(CPoint(240, 100), Qt::ShiftModifier);
    Click(CPoint(390, 60), Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{a, b, c}));
    EXPECT_EQ(m_pView->GetMainSelected(), a);
    Click(CPoint(240, 100), Qt::ControlModifier);
    EXPECT_EQ(m_pView->GetMainSelected(), b);
    Click(CPoint(390, 60), Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{a, b}));
    // A plain click on a selected one leaves it alone once released.
    Click(CPoint(240, 100));
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{b}));

    // Keys: arrows move by one, Shift+arrows size, Ctrl+arrows align.
    Key(Qt::Key_Right);
    EXPECT_EQ(b->GetRect(), CRect(201, 60, 281, 160));
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(b->GetRect(), CRect(201, 60, 281, 161));
    Click(CPoint(60, 60), Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ControlModifier); // a aligns to b's top
    EXPECT_EQ(a->GetRect().top, 60);

    // Commands by id, each repainting what it touched.
    struct Step {
        UINT nID;
        std::vector<CQYDrawComponent*> selection;
    } steps[] = {
        {ID_QY_ALIGN_LEFT, {b, a}},      {ID_QY_SAME_SIZE, {b, a}},   {ID_QY_SPACE_ACROSS, {a, b, c}},
        {ID_QY_CENTER_HORIZONTAL, {c}},  {ID_QY_BRING_TO_FRONT, {a}}, {ID_QY_SEND_TO_BACK, {c}},
        {ID_QY_FLIP_HORIZONTAL, {a, b}}, {ID_QY_ROTATE_RIGHT, {c}},   {ID_QY_NUDGE_LEFT, {a}},
        {ID_QY_GROUP, {a, b}},
    };
    for (const Step& step : steps) {
        m_pView->m_listSelected.RemoveAll();
        for (CQYDrawComponent* p : step.selection)
            m_pView->m_listSelected.AddTail(p);
        m_pView->MarkFirstAsMain();
        Painted();
        Validate();
        const int nUndo = Model().GetUndoCount();
        Command(step.nID);
        EXPECT_EQ(Model().GetUndoCount(), nUndo + 1) << step.nID;
        EXPECT_FALSE(UpdateRect().IsRectEmpty()) << step.nID;
    }
    // The group is the selection; ungroup it again.
    ASSERT_EQ(Selected().size(), 1u);
    EXPECT_TRUE(Selected()[0]->IsKindOf(RUNTIME_CLASS(CQYGroupComponent)));
    Command(ID_QY_UNGROUP);
    EXPECT_EQ(Model().GetComponents().GetCount(), nStart);

    // Undo everything from the Undo command.
    while (Model().CanUndo())
        Command(ID_EDIT_UNDO);
    std::vector<CRect> after;
    for (POSITION pos = Model().GetComponents().GetHeadPosition(); pos != nullptr;)
        after.push_back(Model().GetComponents().GetNext(pos)->GetRect());
    EXPECT_EQ(after, before);
    EXPECT_EQ(Model().GetComponents().GetHead(), a);
    EXPECT_EQ(Model().GetComponents().GetTail(), pLink);
    EXPECT_FALSE(Model().IsDirty());
    // And redo one step.
    Command(ID_EDIT_REDO);
    EXPECT_EQ(b->GetRect(), CRect(201, 60, 281, 160));
}

} // namespace
