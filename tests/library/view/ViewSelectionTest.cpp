// Selection by click, handles and their hit tests, hover cursors, the
// keyboard, the status panes and the command table's update rules.
#include "ViewTestSupport.h"

#include "framework/window/CursorApi.h"
#include "framework/window/Menu.h"
#include "library/model/QYCompProperties.h"
#include "library/shapes/QYHyLinkComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"
#include "library/view/QYViewIds.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <string>

namespace {

class ViewSelection : public ViewFixture {
protected:
    // Gives the component exactly this rectangle, empty ones included.
    static void SetGeometry(CQYDrawComponent* pComp, const CRect& r)
    {
        const POINT corners[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        pComp->SetPoints(corners, 4);
        pComp->UpdatePosition();
        pComp->ResetTrackPoints();
        pComp->UpdateComp();
        pComp->m_rectPosition = r; // shapes keep no empty extent of their own
    }
    void SetUp() override
    {
        ViewFixture::SetUp();
        a = Put(CRect(10, 10, 60, 60));
        b = Put(CRect(100, 10, 160, 60));
        c = Put(CRect(200, 100, 260, 160));
    }
    CQYDrawComponent* a = nullptr;
    CQYDrawComponent* b = nullptr;
    CQYDrawComponent* c = nullptr;
};

TEST_F(ViewSelection, ClickSemantics)
{
    enum Target { A, B, C, Empty };
    struct Case {
        const char* name;
        std::vector<int> before; // indices of a, b, c; the first is main
        UINT nFlags;
        Target target;
        int nKind;
        BOOL bHit;
        std::vector<int> after;
        int nMain; // index of the main component afterwards
        BOOL bReduceOnUp;
    } cases[] = {
        {"first click", {}, 0, A, 1, TRUE, {0}, 0, FALSE},
        {"plain replaces", {0, 1}, 0, C, 1, TRUE, {2}, 2, FALSE},
        {"shift adds", {0, 1}, MK_SHIFT, C, 1, TRUE, {0, 1, 2}, 0, FALSE},
        {"ctrl adds", {0, 1}, MK_CONTROL, C, 1, TRUE, {0, 1, 2}, 0, FALSE},
        {"ctrl changes main", {0, 1, 2}, MK_CONTROL, B, 1, TRUE, {0, 1, 2}, 1, FALSE},
        {"shift removes", {0, 1}, MK_SHIFT, B, 1, TRUE, {0}, 0, FALSE},
        {"shift keeps the only one", {0}, MK_SHIFT, A, 1, TRUE, {0}, 0, FALSE},
        {"plain on selected waits", {0, 1, 2}, 0, B, 1, TRUE, {0, 1, 2}, 0, TRUE},
        {"right button on selected", {0, 1}, 0, B, 2, TRUE, {0, 1}, 0, FALSE},
        {"empty canvas", {0, 1}, 0, Empty, 1, FALSE, {0, 1}, 0, FALSE},
    };
    const CPoint points[] = {CPoint(30, 30), CPoint(130, 30), CPoint(230, 130), CPoint(500, 500)};
    CQYDrawComponent* comps[] = {a, b, c};
    for (const Case& k : cases) {
        m_pView->m_listSelected.RemoveAll();
        for (int i : k.before)
            m_pView->m_listSelected.AddTail(comps[i]);
        m_pView->MarkFirstAsMain();
        m_pView->m_bReduceOnUp = FALSE;
        m_pView->m_nTrackState = 0;
        EXPECT_EQ(m_pView->SelectAtPoint(k.nFlags, points[k.target], k.nKind), k.bHit) << k.name;
        std::vector<CQYDrawComponent*> expected;
        for (int i : k.after)
            expected.push_back(comps[i]);
        EXPECT_EQ(Selected(), expected) << k.name;
        EXPECT_EQ(m_pView->GetMainSelected(), comps[k.nMain]) << k.name;
        EXPECT_EQ(m_pView->m_bReduceOnUp, k.bReduceOnUp) << k.name;
        if (k.bHit && k.nKind == 1) {
            EXPECT_EQ(m_pView->m_nTrackState, 38) << k.name;
        }
    }
}

TEST_F(ViewSelection, SelectionNeedsDesignMode)
{
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    EXPECT_FALSE(m_pView->SelectAtPoint(0, CPoint(30, 30), 1));
    Click(CPoint(30, 30));
    EXPECT_TRUE(Selected().empty());
    int nIndex = 0;
    Select({a});
    EXPECT_EQ(m_pView->HitTestHandle(CPoint(10, 10), nIndex), nullptr);
}

TEST_F(ViewSelection, MainMarkFollowsTheFirstSelected)
{
    EXPECT_EQ(m_pView->GetMainSelected(), nullptr);
    m_pView->SelectComponent(b);
    EXPECT_EQ(m_pView->GetMainSelected(), b);
    m_pView->SelectAll();
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{a, b, c}));
    EXPECT_EQ(m_pView->GetMainSelected(), a);
    EXPECT_FALSE(b->GetDefaultProperty()->IsMainObj());
    m_pView->ClearSelection();
    EXPECT_EQ(m_pView->GetMainSelected(), nullptr);
}

// A component whose second sizing handle is left out.
class CGappedRect : public CQYRectComponent {
public:
    void GetNormalSpotLocation(CArray<CPoint, CPoint>* pArray) override
    {
        CQYRectComponent::GetNormalSpotLocation(pArray);
        pArray->SetAt(1, CPoint(-1, -1));
    }
};

TEST_F(ViewSelection, HandleHitTests)
{
    auto* pGapped = new CGappedRect;
    CRect rect(300, 300, 400, 400);
    pGapped->Create(rect, "Gapped");
    Model().InsertComponent(pGapped);
    CArray<CPoint, CPoint> line;
    for (CPoint pt : {CPoint(20, 200), CPoint(80, 260), CPoint(140, 200)})
        line.Add(pt);
    Model().AddNewLine(&line, FALSE);
    CQYDrawComponent* pLine = Model().GetComponents().GetTail();
    struct Case {
        CQYDrawComponent* pSelected;
        CPoint point;
        CQYDrawComponent* pHit;
        int nIndex;
    } cases[] = {
        {a, CPoint(10, 10), a, 0},
        {a, CPoint(61, 36), a, 3},        // inside the handle and its 3-pixel margin
        {a, CPoint(35, 35), nullptr, -1}, // the component, not a handle
        {a, CPoint(67, 36), nullptr, -1}, // outside every handle
        {pLine, CPoint(140, 200), pLine, 2},
        {pGapped, CPoint(400, 350), pGapped, 3},  // the gap still counts
        {pGapped, CPoint(350, 300), nullptr, -1}, // the left-out handle
    };
    for (const Case& k : cases) {
        Select({k.pSelected});
        int nIndex = 99;
        EXPECT_EQ(m_pView->HitTestHandle(k.point, nIndex), k.pHit) << k.point.x << "," << k.point.y;
        EXPECT_EQ(nIndex, k.nIndex) << k.point.x << "," << k.point.y;
    }
}

TEST_F(ViewSelection, HoverCursorsByHandleAndFormEdge)
{
    struct Case {
        CPoint point;
        LPCTSTR cursor;
    } cases[] = {
        {CPoint(10, 10), IDC_SIZENWSE}, {CPoint(35, 10), IDC_SIZENS},   {CPoint(60, 10), IDC_SIZENESW},
        {CPoint(60, 35), IDC_SIZEWE},   {CPoint(60, 60), IDC_SIZENWSE}, {CPoint(500, 500), IDC_ARROW},
    };
    Select({a});
    for (const Case& k : cases) {
        m_pView->SetHoverCursor(k.point);
        EXPECT_EQ(m_pView->GetViewCursor(), ::LoadCursor(nullptr, k.cursor)) << k.point.x << "," << k.point.y;
    }
    // The form's edges, in form mode with nothing selected.
    Select({});
    Model().SetFormDesignMode(TRUE);
    Model().SetPagePosition(CRect(0, 0, 450, 400));
    m_pView->SetCurrentModel(&Model());
    struct EdgeCase {
        CPoint point;
        LPCTSTR cursor;
    } edges[] = {{CPoint(450, 200), IDC_SIZEWE}, {CPoint(450, 400), IDC_SIZENWSE}, {CPoint(225, 400), IDC_SIZENS}};
    for (const EdgeCase& k : edges) {
        m_pView->SetHoverCursor(k.point);
        EXPECT_EQ(m_pView->GetViewCursor(), ::LoadCursor(nullptr, k.cursor)) << k.point.x << "," << k.point.y;
    }
}

TEST_F(ViewSelection, KeyboardTable)
{
    struct Case {
        const char* name;
        CQYDrawComponent* pMain; // selected before a as the main one, or none
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        CRect rectA; // a's rectangle afterwards (a starts at 10, 10, 60, 60)
    } cases[] = {
        {"left moves", nullptr, Qt::Key_Left, Qt::NoModifier, CRect(9, 10, 59, 60)},
        {"down moves", nullptr, Qt::Key_Down, Qt::NoModifier, CRect(10, 11, 60, 61)},
        {"shift right grows", nullptr, Qt::Key_Right, Qt::ShiftModifier, CRect(10, 10, 61, 60)},
        {"shift up shrinks", nullptr, Qt::Key_Up, Qt::ShiftModifier, CRect(10, 10, 60, 59)},
        {"ctrl left aligns", b, Qt::Key_Left, Qt::ControlModifier, CRect(100, 10, 150, 60)},
        {"ctrl right aligns", b, Qt::Key_Right, Qt::ControlModifier, CRect(110, 10, 160, 60)},
        {"ctrl up aligns", c, Qt::Key_Up, Qt::ControlModifier, CRect(10, 100, 60, 150)},
        {"ctrl down aligns", c, Qt::Key_Down, Qt::ControlModifier, CRect(10, 110, 60, 160)},
        {"ctrl alone does nothing", nullptr, Qt::Key_Left, Qt::ControlModifier, CRect(10, 10, 60, 60)},
    };
    for (const Case& k : cases) {
        CRect start(10, 10, 60, 60);
        a->PositionComponent(&start);
        if (k.pMain != nullptr)
            Select({k.pMain, a});
        else
            Select({a});
        Key(k.key, k.modifiers);
        EXPECT_EQ(a->GetRect(), k.rectA) << k.name;
    }
}

TEST_F(ViewSelection, KeyboardSizingLimits)
{
    struct Case {
        const char* name;
        CRect start;
        Qt::Key key;
        CRect after;
    } cases[] = {
        {"width 1 does not shrink", CRect(10, 10, 11, 60), Qt::Key_Left, CRect(10, 10, 11, 60)},
        {"width 2 shrinks", CRect(10, 10, 12, 60), Qt::Key_Left, CRect(10, 10, 11, 60)},
        {"height 1 does not shrink", CRect(10, 10, 60, 11), Qt::Key_Up, CRect(10, 10, 60, 11)},
        {"height 2 shrinks", CRect(10, 10, 60, 12), Qt::Key_Up, CRect(10, 10, 60, 11)},
    };
    for (const Case& k : cases) {
        CRect start = k.start;
        a->PositionComponent(&start);
        Select({a});
        Key(k.key, Qt::ShiftModifier);
        EXPECT_EQ(a->GetRect(), k.after) << k.name;
    }
    // Nothing grows from a zero width or height.
    auto* pFlat = new CQYDrawComponent;
    Model().InsertComponent(pFlat);
    const int nUndo = Model().GetUndoCount();
    m_pView->SetFocus();
    QTest::keyPress(Widget(), Qt::Key_Shift, Qt::ShiftModifier);
    for (CRect flat : {CRect(10, 10, 10, 60), CRect(10, 10, 60, 10)}) {
        pFlat->m_rectPosition = flat;
        Select({pFlat});
        m_pView->SendMessage(WM_KEYDOWN, flat.Width() == 0 ? VK_RIGHT : VK_DOWN, 0);
        EXPECT_EQ(pFlat->GetRect(), flat);
    }
    QTest::keyRelease(Widget(), Qt::Key_Shift, Qt::NoModifier);
    EXPECT_EQ(Model().GetUndoCount(), nUndo);
}

TEST_F(ViewSelection, ShiftArrowsSizeTheFormUpToItsLimits)
{
    Model().SetFormDesignMode(TRUE);
    CQYDrawComponent* pForm = Model().GetFormComponent();
    CRect rect(0, 0, 2000, 400);
    Model().ResizeFormComponent(pForm, rect.left, rect.top, rect.right, rect.bottom);
    Select({});
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(pForm->GetRect().right, 2000);
    EXPECT_FALSE(Model().CanUndo());
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(pForm->GetRect().right, 1999);
    // Shrinking stops at the components' extent (c reaches 160 down).
    Model().ResizeFormComponent(pForm, 0, 0, 1999, 160);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(pForm->GetRect().bottom, 160);
    // An edge already past its limit is never pulled the other way: the
    // shrinking keys do not grow a form smaller than the components, the
    // growing keys do not shrink one larger than the limit.
    struct Case {
        CRect form;
        Qt::Key key;
    } cases[] = {{CRect(0, 0, 200, 100), Qt::Key_Left},   // c reaches 260 across
                 {CRect(0, 0, 200, 100), Qt::Key_Up},     // and 160 down
                 {CRect(0, 0, 2100, 400), Qt::Key_Right}, // past 2000
                 {CRect(0, 0, 400, 2100), Qt::Key_Down}};
    for (const Case& k : cases) {
        Model().ResizeFormComponent(pForm, k.form.left, k.form.top, k.form.right, k.form.bottom);
        const int nUndo = Model().GetUndoCount();
        Key(k.key, Qt::ShiftModifier);
        EXPECT_EQ(pForm->GetRect(), k.form) << k.key;
        EXPECT_EQ(Model().GetUndoCount(), nUndo) << k.key;
    }
}

TEST_F(ViewSelection, DeleteAndReturnKeys)
{
    Select({a, b});
    Key(Qt::Key_Delete);
    EXPECT_EQ(Model().GetComponents().GetCount(), 1);
    EXPECT_TRUE(Selected().empty());
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Model().GetComponents().GetCount(), 3);
    Select({c});
    Validate();
    m_pView->SendMessage(WM_KEYDOWN, VK_RETURN, 0); // no painting in between
    EXPECT_FALSE(UpdateRect().IsRectEmpty());
}

TEST_F(ViewSelection, StatusPanesFollowTheirSourceByPriority)
{
    CString strPos, strSize;
    Select({});
    m_pView->Invalidate();
    Painted();                                             // drawing sets the components' status rectangles
    ASSERT_TRUE(m_pView->GetStatusTexts(strPos, strSize)); // the form
    const CRect form = Model().GetFormComponent()->GetAuxRect();
    CString strFormPos;
    strFormPos.Format(" %d, %d", form.left, form.top);
    EXPECT_EQ(std::string(strPos), std::string(strFormPos));
    Select({a});
    ASSERT_TRUE(m_pView->GetStatusTexts(strPos, strSize));
    EXPECT_EQ(std::string(strPos), " 10, 10");
    EXPECT_EQ(std::string(strSize), "50, 50");
    Select({a, c});
    ASSERT_TRUE(m_pView->GetStatusTexts(strPos, strSize));
    EXPECT_EQ(std::string(strPos), " 10, 10");
    EXPECT_EQ(std::string(strSize), "250, 150");
    m_pView->m_pDropComp = b; // a toolbox item being dropped comes first
    ASSERT_TRUE(m_pView->GetStatusTexts(strPos, strSize));
    EXPECT_EQ(std::string(strPos), " 100, 10");
    m_pView->m_pDropComp = nullptr;
    // Far off the page the form's own rectangle is shown.
    CRect far(-2000, -2000, -1900, -1900);
    Model().GetFormComponent()->SetAuxRect(&far);
    Select({});
    ASSERT_TRUE(m_pView->GetStatusTexts(strPos, strSize));
    const CRect bound = Model().GetFormComponent()->GetRect();
    CString strBound;
    strBound.Format(" %d, %d", bound.left, bound.top);
    EXPECT_EQ(std::string(strPos), std::string(strBound));
}

// ---------------------------------------------------------------------------
// Update rules

BOOL IsEnabled(CQYBaseView* pView, UINT nID)
{
    CTestCmdUI ui;
    ui.m_nID = nID;
    ui.DoUpdate(pView, TRUE);
    return ui.m_bEnabled;
}

TEST_F(ViewSelection, UpdateRulesCountComponentsAndLinks)
{
    CArray<CPoint, CPoint> points;
    points.Add(CPoint(400, 400));
    points.Add(CPoint(500, 450));
    auto* pLink = new CQYLinkComponent;
    Model().AddNewLink(pLink, &points, nullptr, nullptr, TRUE);
    struct Case {
        std::vector<CQYDrawComponent*> selection;
        UINT nID;
        BOOL bEnabled;
    } cases[] = {
        {{a}, ID_QY_ALIGN_LEFT, FALSE},
        {{a, b}, ID_QY_ALIGN_LEFT, TRUE},
        {{a, pLink}, ID_QY_SAME_WIDTH, TRUE}, // links count here
        {{a}, ID_QY_GROUP, FALSE},
        {{a, b}, ID_QY_GROUP, TRUE},
        {{a, b, pLink}, ID_QY_SPACE_ACROSS, FALSE}, // but not for spacing
        {{a, b, c}, ID_QY_SPACE_DOWN, TRUE},
        {{pLink}, ID_QY_CENTER_HORIZONTAL, FALSE},
        {{a}, ID_QY_CENTER_VERTICAL, TRUE},
        {{}, ID_QY_BRING_TO_FRONT, FALSE},
        {{pLink}, ID_QY_ROTATE_LEFT, TRUE},
        {{a}, ID_QY_UNGROUP, FALSE},
        {{}, ID_QY_NUDGE_LEFT, FALSE},
        {{a}, ID_QY_NUDGE_LEFT, TRUE},
        {{}, ID_EDIT_SELECT_ALL, TRUE},
        {{}, ID_EDIT_CLEAR_ALL, TRUE},
        {{}, ID_EDIT_UNDO, TRUE},
        {{}, ID_EDIT_REDO, FALSE},
        {{}, ID_FILE_PAGE_SETUP, TRUE},
        {{}, ID_QY_EDIT_POINTS, FALSE},
    };
    for (const Case& k : cases) {
        m_pView->m_listSelected.RemoveAll();
        for (CQYDrawComponent* p : k.selection)
            m_pView->m_listSelected.AddTail(p);
        m_pView->MarkFirstAsMain();
        EXPECT_EQ(IsEnabled(m_pView, k.nID), k.bEnabled) << k.nID << " with " << k.selection.size();
    }
    // Outside design mode only the nudges stay.
    Select({a, b, c});
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    EXPECT_FALSE(IsEnabled(m_pView, ID_QY_ALIGN_LEFT));
    EXPECT_FALSE(IsEnabled(m_pView, ID_EDIT_UNDO));
    EXPECT_TRUE(IsEnabled(m_pView, ID_QY_NUDGE_LEFT));
    EXPECT_TRUE(IsEnabled(m_pView, ID_QY_DESIGN_MODE));
}

// Records what an update handler sets.
class CRecordCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    int m_nCheck = -1;
    void Enable(BOOL bOn = TRUE) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck = 1) override { m_nCheck = nCheck; }
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR lpszText) override
    {
        m_strText = lpszText;
        m_bTextSet = TRUE;
    }
    CString m_strText;
    BOOL m_bTextSet = FALSE;
};

CRecordCmdUI UpdateOf(CQYBaseView* pView, UINT nID)
{
    CRecordCmdUI ui;
    ui.m_nID = nID;
    ui.DoUpdate(pView, TRUE);
    return ui;
}

// The position and size panes of the status bar take their texts from the
// view's update handlers; the application finds the view by its class.
TEST_F(ViewSelection, StatusPanesAreSetByTheirUpdateHandlers)
{
    EXPECT_TRUE(m_pView->IsKindOf(RUNTIME_CLASS(CQYBaseView)));
    m_pView->Invalidate();
    Painted(); // drawing sets the components' status rectangles
    Select({a, c});
    const CRecordCmdUI position = UpdateOf(m_pView, ID_QY_INDICATOR_POSITION);
    const CRecordCmdUI size = UpdateOf(m_pView, ID_QY_INDICATOR_SIZE);
    ASSERT_TRUE(position.m_bTextSet);
    ASSERT_TRUE(size.m_bTextSet);
    EXPECT_STREQ(position.m_strText, " 10, 10");
    EXPECT_STREQ(size.m_strText, "250, 150");
    // Without a model there is no source: the panes keep their texts.
    CQYDataModel* pModel = m_pView->GetCurrentModel();
    m_pView->SetCurrentModel(nullptr);
    EXPECT_FALSE(UpdateOf(m_pView, ID_QY_INDICATOR_POSITION).m_bTextSet);
    EXPECT_FALSE(UpdateOf(m_pView, ID_QY_INDICATOR_SIZE).m_bTextSet);
    m_pView->SetCurrentModel(pModel);
}

TEST_F(ViewSelection, ModeSwitchesToggleTheirFlagAndCheckMark)
{
    CQYFormProperties* pForm = Model().GetDefaultProperty();
    struct Case {
        UINT nID;
        std::function<BOOL()> flag;
        bool bModifies;
        bool bWholeView;
    } cases[] = {
        {ID_QY_DESIGN_MODE, [pForm] { return pForm->IsDesignMode(); }, false, true},
        {ID_QY_SNAP_TO_GRID, [pForm] { return pForm->IsShowGrid(); }, true, true},
        {ID_QY_SHOW_MARGIN, [pForm] { return pForm->IsShowMargin(); }, true, true},
        {ID_QY_TAB_ORDER, [this] { return m_pView->m_bShowTabOrder; }, false, false},
    };
    CRect client;
    m_pView->GetClientRect(&client);
    for (const Case& k : cases) {
        for (int nTurn = 0; nTurn < 2; ++nTurn) {
            const BOOL bBefore = k.flag();
            EXPECT_EQ(UpdateOf(m_pView, k.nID).m_nCheck, bBefore ? 1 : 0) << k.nID;
            Model().SetModifiedFlag(FALSE);
            m_pView->m_pActiveComp = a;
            Validate();
            Command(k.nID);
            EXPECT_EQ(k.flag(), !bBefore) << k.nID;
            EXPECT_EQ(UpdateOf(m_pView, k.nID).m_nCheck, bBefore ? 0 : 1) << k.nID;
            EXPECT_EQ(Model().IsModified() != FALSE, k.bModifies) << k.nID;
            EXPECT_FALSE(UpdateRect().IsRectEmpty()) << k.nID;
            EXPECT_EQ(UpdateRect() == client, k.bWholeView) << k.nID;
            if (k.nID == ID_QY_DESIGN_MODE) {
                EXPECT_EQ(m_pView->m_pActiveComp, nullptr);
            }
        }
    }
    // Free rotation arms its state and shows it checked.
    EXPECT_EQ(UpdateOf(m_pView, ID_QY_FREE_ROTATE).m_nCheck, 0);
    Command(ID_QY_FREE_ROTATE);
    EXPECT_EQ(m_pView->m_nTrackState, 42);
    EXPECT_EQ(UpdateOf(m_pView, ID_QY_FREE_ROTATE).m_nCheck, 1);
    // Outside design mode only the design-mode switch stays enabled.
    pForm->SetDesignMode(FALSE);
    EXPECT_TRUE(UpdateOf(m_pView, ID_QY_DESIGN_MODE).m_bEnabled);
    for (UINT nID : {ID_QY_SNAP_TO_GRID, ID_QY_SHOW_MARGIN, ID_QY_TAB_ORDER, ID_QY_FREE_ROTATE})
        EXPECT_FALSE(UpdateOf(m_pView, nID).m_bEnabled) << nID;
}

TEST_F(ViewSelection, SelectAllAndClearAll)
{
    Select({c});
    m_pView->m_nTrackState = 42;
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{a, b, c}));
    EXPECT_EQ(m_pView->GetMainSelected(), a);
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    // Outside design mode Select All does nothing.
    Select({});
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(Selected().empty());
    Model().GetDefaultProperty()->SetDesignMode(TRUE);
    // Clear All removes everything as one step.
    const int nUndo = Model().GetUndoCount();
    Command(ID_EDIT_CLEAR_ALL);
    EXPECT_TRUE(Model().GetComponents().IsEmpty());
    EXPECT_EQ(Model().GetUndoCount(), nUndo + 1);
    EXPECT_FALSE(UpdateOf(m_pView, ID_EDIT_CLEAR_ALL).m_bEnabled);
    EXPECT_FALSE(UpdateOf(m_pView, ID_EDIT_SELECT_ALL).m_bEnabled);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Model().GetComponents().GetCount(), 3);
}

// The queries and extension points that derived views and applications use.
TEST_F(ViewSelection, QueriesForDerivedViews)
{
    // Every selected component's flag, TRUE for an empty selection.
    struct FlagCase {
        BOOL CQYCompProperties::*flag;
        BOOL (CQYBaseView::*query)();
    } flags[] = {{&CQYCompProperties::m_bVisible, &CQYBaseView::IsSelectionVisible},
                 {&CQYCompProperties::m_bFlag1, &CQYBaseView::IsSelectionFlag1Set},
                 {&CQYCompProperties::m_bFlag2, &CQYBaseView::IsSelectionFlag2Set},
                 {&CQYCompProperties::m_bFlat, &CQYBaseView::IsSelectionFlat}};
    for (const FlagCase& f : flags) {
        Select({});
        EXPECT_TRUE((m_pView->*f.query)());
        a->GetDefaultProperty()->*f.flag = TRUE;
        b->GetDefaultProperty()->*f.flag = FALSE;
        Select({a});
        EXPECT_TRUE((m_pView->*f.query)());
        Select({a, b});
        EXPECT_FALSE((m_pView->*f.query)());
    }

    // The page: a move is allowed while the rectangle stays inside its size.
    Model().SetPagePosition(CRect(0, 0, 400, 300));
    struct MoveCase {
        CPoint topLeft;
        BOOL bFits;
    } moves[] = {{{0, 0}, TRUE}, {{350, 250}, TRUE}, {{351, 250}, FALSE}, {{-1, 0}, FALSE}, {{0, 251}, FALSE}};
    for (const MoveCase& m : moves) // a is 50 x 50
        EXPECT_EQ(m_pView->CanMoveTo(m.topLeft, a), m.bFits) << m.topLeft.x << ", " << m.topLeft.y;
    CQYCompList list;
    list.AddTail(a);
    list.AddTail(c);
    EXPECT_TRUE(m_pView->CanMoveListBy(&list, 0, 140));  // c reaches 300
    EXPECT_FALSE(m_pView->CanMoveListBy(&list, 0, 141)); // c would not fit
    EXPECT_FALSE(m_pView->CanMoveListBy(&list, -11, 0)); // a would not fit

    // Components wholly inside a rectangle, its edges included.
    CQYCompList inside;
    EXPECT_EQ(m_pView->CollectInsideRect(&inside, CRect(160, 60, 10, 10)), 2);
    EXPECT_EQ(inside.GetHead(), a);
    EXPECT_EQ(inside.GetTail(), b);

    // The colours of the one selected component, else the form's.
    Select({a, b});
    COLORREF f1 = 0, f2 = 0, t = 0;
    EXPECT_TRUE(m_pView->GetSelectionColors(&f1, &f2, &t));
    EXPECT_EQ(f1, Model().GetDefaultProperty()->GetBkColor());
    EXPECT_EQ(f2, f1);
    EXPECT_EQ(t, Model().GetDefaultProperty()->GetFontColor());

    // The two geometry extension points.
    EXPECT_EQ(m_pView->ScaledPageRect(CRect(10, 20, 30, 40)), CRect(320, -340, 360, -380));
    CRect margins, page;
    CSize size, paper;
    Model().GetDefaultProperty()->SetType(0);
    m_pView->GetPageSetupInfo(margins, page, size, paper);
    EXPECT_EQ(margins, CRect(14, 14, 14, 14));
    EXPECT_EQ(page, CRect(0, 0, 400, 300));
    EXPECT_EQ(size, CSize(400, 300));
    EXPECT_EQ(paper, CSize(11898, 16819));
    Model().GetDefaultProperty()->SetType(102); // a form with a caption bar
    m_pView->GetPageSetupInfo(margins, page, size, paper);
    EXPECT_EQ(margins, CRect(14, 35, 14, 14));
}

TEST_F(ViewSelection, NewHandleSizeIsShownAndHit)
{
    Select({a}); // handles at (10, 10), (35, 10), ... (60, 60)
    int nIndex = -1;
    // 3 + 3 pixels around a handle hit at first.
    EXPECT_EQ(m_pView->HitTestHandle(CPoint(15, 10), nIndex), a);
    EXPECT_EQ(m_pView->HitTestHandle(CPoint(16, 10), nIndex), nullptr);
    Validate();
    m_pView->SetHandleSize(CSize(6, 6));
    EXPECT_FALSE(UpdateRect().IsRectEmpty()); // the selection is shown anew
    EXPECT_EQ(m_pView->HitTestHandle(CPoint(18, 10), nIndex), a);
    EXPECT_EQ(nIndex, 0);
    EXPECT_EQ(m_pView->GetHandleRect(20, 30), CRect(14, 24, 26, 36));
}

TEST_F(ViewSelection, NudgeStepsByShift)
{
    Select({a});
    Command(ID_QY_NUDGE_RIGHT);
    EXPECT_EQ(a->GetRect().left, 11);
    m_pView->SetFocus();
    QTest::keyPress(Widget(), Qt::Key_Shift, Qt::ShiftModifier);
    Command(ID_QY_NUDGE_BOTTOM);
    QTest::keyRelease(Widget(), Qt::Key_Shift, Qt::NoModifier);
    EXPECT_EQ(a->GetRect().top, 15);
}

TEST_F(ViewSelection, PaletteColoursChangeOneComponentOrTheForm)
{
    auto send = [this](COLORREF crText, COLORREF crBack) {
        auto* pRecord = new DWORD[3]{crText, crBack, 0};
        m_pView->SendMessage(WM_QY_PALETTE_COLORS, reinterpret_cast<WPARAM>(pRecord), 0);
    };
    Select({a});
    send(RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(a->GetDefaultProperty()->GetBkColor(), RGB(4, 5, 6));
    EXPECT_EQ(a->GetDefaultProperty()->m_crFontColor, RGB(1, 2, 3));
    COLORREF f1 = 0, f2 = 0, t = 0;
    EXPECT_TRUE(m_pView->GetCurrentColors(&f1, &f2, &t));
    EXPECT_EQ(f1, RGB(4, 5, 6));
    EXPECT_EQ(f2, RGB(4, 5, 6));
    EXPECT_EQ(t, RGB(1, 2, 3));
    Select({a, b}); // several: nothing changes, the record is still freed
    send(RGB(9, 9, 9), RGB(8, 8, 8));
    EXPECT_EQ(b->GetDefaultProperty()->GetBkColor() == RGB(8, 8, 8), false);
    Select({});
    send(RGB(7, 7, 7), RGB(6, 6, 6));
    EXPECT_EQ(Model().GetDefaultProperty()->GetBkColor(), RGB(6, 6, 6));
    Command(ID_EDIT_UNDO);
    EXPECT_NE(Model().GetDefaultProperty()->GetBkColor(), RGB(6, 6, 6));
}

TEST_F(ViewSelection, ToolBoxItemReturnsToTheSelectTool)
{
    Select({a});
    m_pView->m_nToolType = 30;
    m_pView->m_nTrackState = 12;
    m_pView->m_strCreateFile = "picture.bmp";
    EXPECT_EQ(m_pView->SendMessage(WM_QY_TOOLBOX_ITEM, 30, 0), 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(m_pView->m_nToolType, 0);
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    EXPECT_TRUE(m_pView->m_strCreateFile.IsEmpty());
}

} // namespace

namespace {

TEST_F(ViewSelection, ContextMenuHoldsTheViewsCommands)
{
    CMenu* pPopup = m_pView->CreateContextMenu();
    ASSERT_NE(pPopup, nullptr);
    std::vector<UINT> ids;
    for (int i = 0; i < static_cast<int>(pPopup->GetMenuItemCount()); ++i)
        ids.push_back(pPopup->GetMenuItemID(i));
    const std::vector<UINT> expected = {ID_EDIT_CUT,
                                        ID_EDIT_COPY,
                                        ID_EDIT_PASTE,
                                        0,
                                        ID_EDIT_CLEAR,
                                        0,
                                        ID_EDIT_SELECT_ALL,
                                        ID_EDIT_CLEAR_ALL,
                                        0,
                                        ID_QY_FORM_SETTING,
                                        ID_QY_GRID_PROPERTIES,
                                        0,
                                        ID_QY_BULLET_PROPERTIES,
                                        0,
                                        UINT(-1),
                                        0,
                                        ID_QY_COMPONENTS,
                                        UINT(-1)};
    EXPECT_EQ(ids, expected);
    CString strText;
    pPopup->GetMenuString(ID_EDIT_CUT, strText, MF_BYCOMMAND);
    EXPECT_EQ(std::string(strText), "Cu&t\tCtrl + X");
    CString strStatus;
    EXPECT_TRUE(strStatus.LoadString(ID_QY_ALIGN_LEFT));
    EXPECT_EQ(std::string(strStatus), "Allign left the selected components");
}

TEST_F(ViewSelection, RightButtonUpOpensTheContextMenuInTheSelectState)
{
    int nShown = 0;
    auto cancelPopup = [&nShown]() {
        QTimer::singleShot(0, [&nShown]() {
            if (QWidget* pPopup = QApplication::activePopupWidget()) {
                ++nShown;
                QTest::keyClick(pPopup, Qt::Key_Escape);
            }
        });
    };
    cancelPopup();
    m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
    EXPECT_EQ(nShown, 1);
    EXPECT_EQ(m_pView->m_pContextMenu, nullptr); // freed when the menu closed
    // Another state (the rectangle tool dragging) opens nothing.
    m_pView->m_nTrackState = 12;
    cancelPopup();
    m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
    Pump();
    EXPECT_EQ(nShown, 1);
    m_pView->m_nTrackState = 0;
    // Nor does the view outside design mode.
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    cancelPopup();
    m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
    Pump();
    EXPECT_EQ(nShown, 1);
}

// The menu opens at the mouse in the select and free-rotate states, and at
// the view's client corner (1, 1) when the keyboard asks for it.
TEST_F(ViewSelection, ContextMenuOpensAtTheMouseOrForTheKeyboardAtTheCorner)
{
    std::vector<QPoint> shownAt;
    auto cancelPopup = [&shownAt]() {
        QTimer::singleShot(0, [&shownAt]() {
            if (QWidget* pPopup = QApplication::activePopupWidget()) {
                shownAt.push_back(pPopup->geometry().topLeft());
                QTest::keyClick(pPopup, Qt::Key_Escape);
            }
        });
    };
    auto screen = [this](int x, int y) {
        CPoint pt(x, y);
        m_pView->ClientToScreen(&pt);
        return QPoint(pt.x, pt.y);
    };
    for (int nState : {0, 42}) {
        m_pView->m_nTrackState = nState;
        cancelPopup();
        m_pView->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(40, 50));
        Pump();
        ASSERT_EQ(shownAt.size(), 1u) << nState;
        EXPECT_EQ(shownAt.back(), screen(40, 50)) << nState;
        shownAt.clear();
    }
    cancelPopup();
    m_pView->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_pView->GetSafeHwnd()), MAKELPARAM(-1, -1));
    Pump();
    ASSERT_EQ(shownAt.size(), 1u);
    EXPECT_EQ(shownAt.back(), screen(1, 1));
    EXPECT_EQ(m_pView->m_pContextMenu, nullptr);
}

} // namespace

namespace {

TEST_F(ViewSelection, OutsideDesignModeHyperlinksTakeTheInput)
{
    auto* pLink = static_cast<CQYHyLinkComponent*>(Put(CRect(300, 200, 400, 230), QY_COMP_HYLINK));
    ASSERT_TRUE(pLink->IsKindOf(RUNTIME_CLASS(CQYHyLinkComponent)));
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(350, 215));
    EXPECT_TRUE(pLink->m_bPressed);
    EXPECT_EQ(pLink->m_pHostWnd, m_pView);
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(350, 215));
    EXPECT_FALSE(pLink->m_bPressed);
    EXPECT_TRUE(Selected().empty()); // nothing is selected outside design mode
    // Keys go to the hyperlink selected alone.
    Select({pLink});
    m_pView->SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(pLink->m_bPressed);
    m_pView->SendMessage(WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(pLink->m_bPressed);
    // In design mode the click selects it instead.
    Model().GetDefaultProperty()->SetDesignMode(TRUE);
    Select({});
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(350, 215));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(350, 215));
    EXPECT_FALSE(pLink->m_bPressed);
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{pLink}));
}

int TabOrderOf(CQYDrawComponent* pComp)
{
    return pComp->GetDefaultProperty()->m_nTabOrder;
}

TEST_F(ViewSelection, TabOrderClicksNumberTheComponents)
{
    ASSERT_EQ(TabOrderOf(a), 1);
    ASSERT_EQ(TabOrderOf(c), 3);
    Command(ID_QY_TAB_ORDER);
    EXPECT_TRUE(m_pView->m_bShowTabOrder);
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(230, 130)); // c takes 1
    EXPECT_EQ(TabOrderOf(c), 1);
    EXPECT_EQ(TabOrderOf(a), 3);
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30)); // a takes 2
    EXPECT_EQ(TabOrderOf(a), 2);
    EXPECT_EQ(TabOrderOf(b), 3);
    for (int i = 0; i < 3; ++i) // the counter stops at the largest tab order
        m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(130, 30));
    EXPECT_EQ(TabOrderOf(b), 3);
    EXPECT_EQ(m_pView->m_nTabOrderCounter, 3);
    EXPECT_TRUE(Selected().empty());                                        // the clicks number, they do not select
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 400)); // empty canvas ends it
    EXPECT_FALSE(m_pView->m_bShowTabOrder);
    EXPECT_EQ(m_pView->m_nTabOrderCounter, 0);
}

} // namespace

namespace {

TEST_F(ViewSelection, HoverIndexAnswersAsTheModelsScan)
{
    // Overlapping shapes of several kinds, lines and a link.
    unsigned seed = 7;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(n));
    };
    const int kinds[] = {QY_COMP_RECTANGLE, QY_COMP_ELLIPSE, 51, 55, 60, QY_COMP_STATIC};
    for (int i = 0; i < 120; ++i) {
        const int x = next(900);
        const int y = next(700);
        Put(CRect(x, y, x + 20 + next(150), y + 20 + next(120)), kinds[i % 6]);
    }
    for (int i = 0; i < 10; ++i) {
        CArray<CPoint, CPoint> points;
        points.Add(CPoint(next(900), next(700)));
        points.Add(CPoint(next(900), next(700)));
        points.Add(CPoint(next(900), next(700)));
        Model().AddNewLine(&points, TRUE);
    }
    auto check = [this, &next](const char* lpszAfter) {
        int nHits = 0;
        for (int i = 0; i < 3000; ++i) {
            const int x = next(1000) - 20;
            const int y = next(800) - 20;
            CQYDrawComponent* pExpected = Model().HitTest(x, y);
            nHits += pExpected != nullptr;
            ASSERT_EQ(m_pView->m_hitIndex.HitTest(&Model(), x, y), pExpected) << lpszAfter << " at " << x << "," << y;
        }
        EXPECT_GT(nHits, 1000) << lpszAfter;
    };
    m_pView->m_hitIndex.Invalidate();
    check("building");
    CQYCompList& all = Model().GetComponents();
    m_pView->m_listSelected.RemoveAll();
    for (int i = 0; i < 20; ++i) {
        CQYDrawComponent* pComp = all.GetAt(all.FindIndex(next(all.GetCount())));
        if (m_pView->m_listSelected.Find(pComp) == nullptr)
            m_pView->m_listSelected.AddTail(pComp);
    }
    m_pView->MarkFirstAsMain();
    m_pView->MoveSelection(&m_pView->m_listSelected, 37, -12);
    EXPECT_FALSE(m_pView->m_hitIndex.IsValid()); // the command's update made it stale
    check("a move");
    m_pView->OrderSelection(&m_pView->m_listSelected, 2);
    check("sending to the back");
    m_pView->RotateSelection(&m_pView->m_listSelected, 900);
    check("a rotation");
    Command(ID_EDIT_UNDO);
    check("an undo");
    Key(Qt::Key_Delete);
    check("a removal");
    // A change made outside the history (as a label growing with its text
    // while it is edited) makes the index stale as well.
    CQYDrawComponent* pGrown = all.GetHead();
    CRect grown = pGrown->GetRect();
    grown.InflateRect(0, 0, 300, 200);
    SetGeometry(pGrown, grown);
    EXPECT_FALSE(m_pView->m_hitIndex.IsValid());
    check("a change outside the history");
    // Hovering and painting change nothing: the index is built once for
    // all the moves of the mouse.
    Select({pGrown});
    for (int i = 0; i < 20; ++i) {
        const CPoint pt(grown.left + 20 + i * 7, grown.top + 10 + i * 5); // inside, off the handles
        m_pView->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_TRUE(m_pView->m_hitIndex.IsValid()) << "moving " << i;
        m_pView->Invalidate();
        Painted();
        EXPECT_TRUE(m_pView->m_hitIndex.IsValid()) << "painting " << i;
    }
}

} // namespace
