// The mouse tracking of the canvas view driven as a user drives it: tools
// armed by their commands, button-down, moves and button-up as window
// messages, the model and its history checked after each gesture and
// after undo and redo.
#include "ViewTestSupport.h"

#include "framework/window/WindowDC.h"
#include "library/model/QYBaseCommand.h"
#include "library/model/QYCommandCodes.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"
#include "library/shapes/QYBezierLineComponent.h"
#include "library/shapes/QYLineComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYViewIds.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

class ViewTools : public MouseViewFixture {
protected:
    int Count() { return Model().GetComponents().GetCount(); }
    CQYDrawComponent* Last() { return Model().GetComponents().GetTail(); }
    int LastCommand()
    {
        CQYBaseCommand* pCommand = Model().GetUndoCommand(); // the history keeps it
        return pCommand != nullptr ? pCommand->GetCommandID() : -1;
    }
    void SetSnap(BOOL bOn, int nStep = 10)
    {
        Model().GetDefaultProperty()->ShowGrid(bOn);
        Model().GetDefaultProperty()->SetGridXStep(nStep);
        Model().GetDefaultProperty()->SetGridYStep(nStep);
    }
    // How many pixels of the 3 x 3 square about pt differ between two images.
    static int ChangedAround(const QImage& one, const QImage& other, CPoint pt)
    {
        int nChanged = 0;
        for (int y = pt.y - 1; y <= pt.y + 1; ++y)
            for (int x = pt.x - 1; x <= pt.x + 1; ++x)
                nChanged += one.pixel(x, y) != other.pixel(x, y) ? 1 : 0;
        return nChanged;
    }
    CQYPortComponent* PortAt(CQYDrawComponent* pComp, double fX, double fY)
    {
        return static_cast<CQYDrawPortsComponent*>(pComp)->FindPort(fX, fY);
    }
};

TEST_F(ViewTools, RectangleByDragEllipseByClickThenUndoAndRedo)
{
    Command(ID_QY_TOOL_RECTANGLE);
    EXPECT_EQ(m_pView->m_nToolType, QY_COMP_RECTANGLE);
    EXPECT_EQ(m_pView->m_nTrackState, 12);
    Drag(CPoint(100, 100), CPoint(150, 160));
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Normal(Last()->GetRect()), CRect(100, 100, 150, 160));
    EXPECT_STREQ(Last()->GetObjectCaption(), "Rectangle1");
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    EXPECT_EQ(m_pView->m_nToolType, 0);
    EXPECT_EQ(LastCommand(), QY_CMD_ADDCOMP);
    EXPECT_EQ(Selected(), std::vector<CQYDrawComponent*>{Last()});

    Command(ID_QY_TOOL_ELLIPSE);
    ClickAt(CPoint(300, 200));
    ASSERT_EQ(Count(), 2);
    const CRect ellipse = Normal(Last()->GetRect());
    EXPECT_TRUE(ellipse.PtInRect(CPoint(300, 200))); // the factory's default size about the click
    EXPECT_GT(ellipse.Width(), 10);
    EXPECT_GT(ellipse.Height(), 10);

    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Count(), 0);
    Command(ID_EDIT_REDO);
    Command(ID_EDIT_REDO);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Normal(Model().GetComponents().GetHead()->GetRect()), CRect(100, 100, 150, 160));
}

TEST_F(ViewTools, ShiftMakesSquaresAndSnapFollowsTheGrid)
{
    Command(ID_QY_TOOL_RECTANGLE);
    Drag(CPoint(100, 100), CPoint(130, 90), MK_SHIFT);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Normal(Last()->GetRect()), CRect(100, 70, 130, 100));

    SetSnap(TRUE, 10);
    EXPECT_EQ(m_pView->SnapToGrid(27, -13), CPoint(20, -10));
    Command(ID_QY_TOOL_RECTANGLE);
    Drag(CPoint(203, 207), CPoint(248, 269));
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Normal(Last()->GetRect()), CRect(200, 200, 240, 260));
}

TEST_F(ViewTools, LineToolStaysArmedAfterAClickAndKeepsItsArrow)
{
    struct Case {
        UINT nTool;
        int nType;
        BOOL bArrow;
    } cases[] = {{ID_QY_TOOL_LINE, QY_COMP_LINE, FALSE}, {ID_QY_TOOL_ARROW_LINE, 25, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nType);
        const int nBefore = Count();
        Command(c.nTool);
        ClickAt(CPoint(50, 50));
        EXPECT_EQ(Count(), nBefore);
        EXPECT_EQ(m_pView->m_nTrackState, 15);
        EXPECT_EQ(m_pView->m_nToolType, c.nType);
        Drag(CPoint(50, 50), CPoint(150, 80));
        ASSERT_EQ(Count(), nBefore + 1);
        auto* pLine = DYNAMIC_DOWNCAST(CQYLineComponent, Last());
        ASSERT_NE(pLine, nullptr);
        EXPECT_EQ(Last()->GetPointAt(0), CPoint(50, 50));
        EXPECT_EQ(Last()->GetPointAt(1), CPoint(150, 80));
        EXPECT_EQ(pLine->m_nEndArrowType != 0, c.bArrow != FALSE);
    }
}

TEST_F(ViewTools, PointToolsByEventScripts)
{
    struct Case {
        const char* name;
        UINT nTool;
        int nStart;
        int nPoints;     // clicks before the double click (the last one included)
        bool bCreated;   // a figure made by the double click
        const char* cls; // its class
    } cases[] = {
        {"polyline one point", ID_QY_TOOL_POLYLINE, 18, 1, false, ""},
        {"polyline", ID_QY_TOOL_POLYLINE, 18, 3, true, "CQYLineComponent"},
        {"polygon", ID_QY_TOOL_POLYGON, 21, 3, true, "CQYPolygonComponent"},
        {"bezier three points", ID_QY_TOOL_BEZIER_LINE, 24, 3, false, ""},
        {"bezier", ID_QY_TOOL_BEZIER_LINE, 24, 4, true, "CQYBezierLineComponent"},
        {"closed bezier three points", ID_QY_TOOL_CLOSE_BEZIER, 27, 3, false, ""},
        {"closed bezier", ID_QY_TOOL_CLOSE_BEZIER, 27, 4, true, "CQYCloseBezierComponent"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int nBefore = Count();
        Command(c.nTool);
        EXPECT_EQ(m_pView->m_nTrackState, c.nStart);
        const CPoint points[4] = {{40, 300}, {120, 260}, {200, 330}, {260, 280}};
        for (int i = 0; i < c.nPoints; ++i) {
            Down(points[i]);
            Up(points[i]);
            if (i + 1 < c.nPoints)
                Hover(points[i + 1]);
        }
        DoubleClick(points[c.nPoints - 1]);
        Up(points[c.nPoints - 1]);
        if (c.bCreated) {
            ASSERT_EQ(Count(), nBefore + 1);
            EXPECT_STREQ(Last()->GetRuntimeClass()->m_lpszClassName, c.cls);
            EXPECT_EQ(Last()->GetPointAt(0), points[0]);
            EXPECT_EQ(m_pView->m_nTrackState, 0);
            EXPECT_EQ(LastCommand(), QY_CMD_ADDCOMP);
        } else {
            EXPECT_EQ(Count(), nBefore);
            EXPECT_EQ(m_pView->m_nTrackState, c.nStart); // re-armed
            EXPECT_EQ(m_pView->m_arrPoints.GetSize(), 0);
        }
        Command(ID_QY_TOOL_SELECT);
    }
}

TEST_F(ViewTools, RightButtonCancelsThePointAndLinkTools)
{
    struct Case {
        UINT nTool;
        int nStart;
        int nAfter;
    } cases[] = {{ID_QY_TOOL_POLYLINE, 18, 18},
                 {ID_QY_TOOL_POLYGON, 21, 21},
                 {ID_QY_TOOL_BEZIER_LINE, 24, 24},
                 {ID_QY_TOOL_CLOSE_BEZIER, 27, 27}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nStart);
        Command(c.nTool);
        ClickAt(CPoint(40, 40));
        Hover(CPoint(90, 60));
        ClickAt(CPoint(90, 60));
        EXPECT_EQ(m_pView->m_nTrackState, c.nStart + 2);
        RightUp(CPoint(90, 60));
        EXPECT_EQ(m_pView->m_nTrackState, c.nAfter);
        EXPECT_EQ(m_pView->m_arrPoints.GetSize(), 0);
        EXPECT_EQ(Count(), 0);
    }
    CQYDrawComponent* a = Put(CRect(10, 10, 60, 60));
    Command(ID_QY_TOOL_LINK_ELBOW);
    ClickAt(CPoint(35, 35)); // a's centre port
    EXPECT_EQ(m_pView->m_nTrackState, 35);
    RightUp(CPoint(200, 200));
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    EXPECT_EQ(m_pView->m_pLinkProto, nullptr);
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(PortAt(a, 0.5, 0.5)->GetLinkCount(), 0);
}

TEST_F(ViewTools, LinkPortToPortFollowsDragsAndMovesToAThirdPort)
{
    CQYDrawComponent* a = Put(CRect(40, 40, 120, 100));
    CQYDrawComponent* b = Put(CRect(300, 200, 380, 260));
    CQYDrawComponent* c = Put(CRect(300, 360, 380, 420));
    Command(ID_QY_TOOL_LINK_FREE);
    ClickAt(CPoint(300, 300)); // no port: the tool stays armed
    EXPECT_EQ(m_pView->m_nTrackState, 33);
    Command(ID_QY_TOOL_LINK_ELBOW);
    ClickAt(CPoint(120, 70)); // a's right port
    Hover(CPoint(200, 70));
    ClickAt(CPoint(200, 70));
    Hover(CPoint(200, 230));
    ClickAt(CPoint(300, 230)); // b's left port
    ASSERT_EQ(Count(), 4);
    CQYDrawComponent* pLink = Last();
    ASSERT_TRUE(pLink->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)));
    EXPECT_TRUE(static_cast<CQYLinkComponent*>(pLink)->GetElbow());
    CQYPortLink* pBond = QYGetPortLink(pLink);
    EXPECT_EQ(pBond->GetFromPort(), PortAt(a, 1, 0.5));
    EXPECT_EQ(pBond->GetToPort(), PortAt(b, 0, 0.5));
    EXPECT_EQ(pLink->GetPointAt(0), CPoint(120, 70));
    EXPECT_EQ(LastCommand(), QY_CMD_ADDLINK);
    EXPECT_EQ(m_pView->m_nTrackState, 0);

    // Drag a: the link's start follows its port.
    Command(ID_QY_TOOL_SELECT);
    Drag(CPoint(60, 50), CPoint(80, 90));
    EXPECT_EQ(Normal(a->GetRect()), CRect(60, 80, 140, 140));
    EXPECT_EQ(pLink->GetPointAt(0), CPoint(140, 110));
    EXPECT_EQ(LastCommand(), QY_CMD_MOVECOMPS);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(pLink->GetPointAt(0), CPoint(120, 70));

    // The link's end handle dragged to c's top port.
    Select({pLink});
    const int nLast = pLink->GetPointCount() - 1;
    const CPoint end = pLink->GetPointAt(nLast);
    Drag(end, CPoint(340, 360));
    EXPECT_EQ(pBond->GetToPort(), PortAt(c, 0.5, 0));
    EXPECT_EQ(pLink->GetPointAt(pLink->GetPointCount() - 1), CPoint(340, 360));
    EXPECT_EQ(LastCommand(), QY_CMD_SIZEPORT);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(pBond->GetToPort(), PortAt(b, 0, 0.5));

    // A click on the end handle without a drag leaves the link attached.
    Select({pLink});
    ClickAt(pLink->GetPointAt(pLink->GetPointCount() - 1));
    EXPECT_EQ(pBond->GetToPort(), PortAt(b, 0, 0.5));
    EXPECT_EQ(PortAt(b, 0, 0.5)->GetLinkCount(), 1);
}

TEST_F(ViewTools, MoveDragIsOneCommandAndShiftKeepsOneAxis)
{
    CQYDrawComponent* a = Put(CRect(40, 40, 120, 100));
    Drag(CPoint(50, 50), CPoint(90, 60));
    EXPECT_EQ(Normal(a->GetRect()), CRect(80, 50, 160, 110));
    EXPECT_EQ(Model().GetUndoCount(), 1);
    Drag(CPoint(90, 60), CPoint(100, 120), MK_SHIFT); // |dy| wins
    EXPECT_EQ(Normal(a->GetRect()), CRect(80, 110, 160, 170));
    ClickAt(CPoint(100, 120)); // a click moves nothing
    EXPECT_EQ(Model().GetUndoCount(), 2);
    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Normal(a->GetRect()), CRect(40, 40, 120, 100));
}

TEST_F(ViewTools, DragOutlinesOfShapesOutsideTheWindowStillShowTheirLinks)
{
    // a lies beyond the window's right edge, linked to c in it; b is the
    // shape the mouse drags.  a's outline is left out, its link's is not.
    CRect rectClient;
    m_pView->GetClientRect(&rectClient);
    const int xOutside = rectClient.right + 60;
    CQYDrawComponent* a = Put(CRect(xOutside, 100, xOutside + 60, 140));
    CQYDrawComponent* b = Put(CRect(100, 300, 160, 340));
    CQYDrawComponent* c = Put(CRect(300, 100, 360, 140));
    CQYPortComponent* pFrom = PortAt(a, 0, 0.5);
    CQYPortComponent* pTo = PortAt(c, 1, 0.5);
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    CArray<CPoint, CPoint> points;
    points.Add(pFrom->GetLinkPoint());
    points.Add(pTo->GetLinkPoint());
    Model().AddNewLink(pLink, &points, pFrom, pTo, FALSE);
    pLink->Release();
    Select({a, b});
    m_pView->Invalidate();
    const QImage before = Painted();
    const CPoint onLink(rectClient.right - 40, 120);
    Down(CPoint(130, 320));
    Move(CPoint(150, 320));
    Move(CPoint(160, 320));
    const QImage dragging = Painted();
    // The link's outline from a's moving end runs along y = 120 into the
    // window.
    EXPECT_NE(dragging.pixel(onLink.x, onLink.y), before.pixel(onLink.x, onLink.y));
    Up(CPoint(160, 320));
    EXPECT_EQ(Normal(a->GetRect()), CRect(xOutside + 30, 100, xOutside + 90, 140));
    EXPECT_EQ(pLink->GetPointAt(0), pFrom->GetLinkPoint());
}

// A link's drag outline is drawn once per pass whichever of its ends go
// with the drag, and whether the link itself is dragged too: it shows while
// the mouse moves, and the pass that erases it leaves the window as it was.
TEST_F(ViewTools, DragOutlineOfALinkShowsOnceWhateverIsDragged)
{
    CQYDrawComponent* a = Put(CRect(100, 100, 160, 140));
    CQYDrawComponent* b = Put(CRect(300, 100, 360, 140));
    CQYPortComponent* pFrom = PortAt(a, 1, 0.5);
    CQYPortComponent* pTo = PortAt(b, 0, 0.5);
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    pLink->SetElbow(FALSE); // a straight line
    CArray<CPoint, CPoint> points;
    points.Add(pFrom->GetLinkPoint());
    points.Add(pTo->GetLinkPoint());
    Model().AddNewLink(pLink, &points, pFrom, pTo, FALSE);
    pLink->Release();
    ASSERT_EQ(pLink->GetPointCount(), 2);

    struct Case {
        const char* name;
        std::vector<CQYDrawComponent*> selected;
        CPoint scroll;
    };
    // Scrolled, the outline is drawn in window coordinates, shifted by the
    // scroll position; an end on a port that stays put would then lie off its
    // port's own (logical) track point, so those cases are not scrolled.
    const Case cases[] = {
        {"one end", {a}, CPoint(0, 0)},
        {"both ends", {a, b}, CPoint(0, 0)},
        {"both ends, scrolled", {a, b}, CPoint(40, 30)},
        {"both ends and the link", {a, b, pLink}, CPoint(0, 0)},
        {"the link first, then both ends, scrolled", {pLink, a, b}, CPoint(40, 30)},
        {"one end and the link", {a, pLink}, CPoint(0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_pView->m_listSelected.RemoveAll();
        for (CQYDrawComponent* pComp : c.selected)
            m_pView->m_listSelected.AddTail(pComp);
        m_pView->MarkFirstAsMain();
        m_pView->ScrollToPosition(c.scroll);
        ASSERT_EQ(m_pView->GetScrollPosition(), c.scroll);
        m_pView->Invalidate();
        const QImage before = Painted();
        const CPoint down = CPoint(120, 110) - c.scroll; // on a
        const CPoint to = down + CPoint(0, 40);
        Down(down);
        Move(to);
        const QImage dragging = Painted();
        // The middle of the link's outline, away from the shapes' outlines.
        const int nLast = pLink->GetTrackPointCount() - 1;
        const CPoint start = pLink->m_lpCompTrackPoints[0];
        const CPoint end = pLink->m_lpCompTrackPoints[nLast];
        // Each end over its port's outline.
        EXPECT_EQ(start, pFrom->GetTrackLinkPoint());
        EXPECT_EQ(end, pTo->GetTrackLinkPoint());
        const CPoint middle((start.x + end.x) / 2, (start.y + end.y) / 2);
        EXPECT_GT(ChangedAround(before, dragging, middle), 0)
            << "no outline at (" << middle.x << ", " << middle.y << ")";
        {
            CClientDC dc(m_pView);
            m_pView->m_tracker.RemoveTrack(&dc);
        }
        EXPECT_TRUE(Painted() == before);
        Up(to);
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(Normal(a->GetRect()), CRect(100, 100, 160, 140));
        m_pView->ScrollToPosition(CPoint(0, 0));
    }
}

TEST_F(ViewTools, SizeByEachHandle)
{
    // From (100, 100, 200, 180), each handle dragged by (+20, +10).
    struct Case {
        int nHandle;
        CRect after;
    } cases[] = {
        {0, CRect(120, 110, 200, 180)}, {1, CRect(100, 110, 200, 180)}, {2, CRect(100, 110, 220, 180)},
        {3, CRect(100, 100, 220, 180)}, {4, CRect(100, 100, 220, 190)}, {5, CRect(100, 100, 200, 190)},
        {6, CRect(120, 100, 200, 190)}, {7, CRect(120, 100, 200, 180)},
    };
    CQYDrawComponent* a = Put(CRect(100, 100, 200, 180));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nHandle);
        Select({a});
        const CPoint handle = QYGetHandlePoint(CRect(100, 100, 200, 180), static_cast<UINT>(c.nHandle));
        Drag(handle, CPoint(handle.x + 20, handle.y + 10));
        EXPECT_EQ(Normal(a->GetRect()), c.after);
        EXPECT_EQ(LastCommand(), QY_CMD_SCALEEXTEND);
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(Normal(a->GetRect()), CRect(100, 100, 200, 180));
    }
}

TEST_F(ViewTools, FreeRotateWithShiftTurnsInStepsOf15Degrees)
{
    CQYDrawComponent* a = Put(CRect(100, 100, 200, 200));
    Command(ID_QY_FREE_ROTATE);
    ASSERT_EQ(m_pView->m_nTrackState, 42);
    Select({a});
    // From the right of the centre (150, 150) to about 40 degrees clockwise.
    const double fAngle = 40.0 * 3.14159265358979 / 180.0;
    const CPoint to(150 + static_cast<int>(60 * std::cos(fAngle)), 150 + static_cast<int>(60 * std::sin(fAngle)));
    Down(CPoint(190, 150));
    Move(CPoint(191, 150), MK_SHIFT);
    Move(to, MK_SHIFT);
    Up(to, MK_SHIFT);
    EXPECT_EQ(m_pView->m_nLastAngle, 300);
    EXPECT_EQ(Model().GetUndoCount(), 1);
    // A square turned by 30 degrees about its centre: its bounds grow.
    const CRect turned = Normal(a->GetRect());
    EXPECT_EQ(turned.CenterPoint(), CPoint(150, 150));
    EXPECT_NEAR(turned.Width(), 137, 1);
    EXPECT_EQ(m_pView->m_nTrackState, 42);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Normal(a->GetRect()), CRect(100, 100, 200, 200));
}

TEST_F(ViewTools, PointDragOfAPolygonInEditPointsMode)
{
    Command(ID_QY_TOOL_POLYGON);
    ClickPoints({{100, 100}, {200, 100}, {150, 180}});
    ASSERT_EQ(Count(), 1);
    CQYDrawComponent* pPolygon = Last();
    Command(ID_QY_EDIT_POINTS);
    Select({pPolygon});
    Drag(CPoint(150, 180), CPoint(160, 220));
    EXPECT_EQ(pPolygon->GetPointAt(2), CPoint(160, 220));
    EXPECT_EQ(LastCommand(), QY_CMD_SIZESPOT);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(pPolygon->GetPointAt(2), CPoint(150, 180));
}

TEST_F(ViewTools, RubberBandSelectsWhatLiesInside)
{
    CQYDrawComponent* a = Put(CRect(20, 20, 60, 60));
    CQYDrawComponent* b = Put(CRect(80, 20, 120, 60));
    Put(CRect(200, 200, 260, 260));
    Drag(CPoint(10, 10), CPoint(130, 70));
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{a, b}));
    EXPECT_EQ(Model().GetUndoCount(), 0);
    // The band leaves no trace on the window.
    ClickAt(CPoint(300, 300));
    const QImage before = Painted();
    Down(CPoint(300, 300));
    Move(CPoint(350, 350));
    Move(CPoint(380, 320));
    Up(CPoint(380, 320));
    EXPECT_EQ(Painted(), before);
}

TEST_F(ViewTools, HandToolPansByThePointersMovement)
{
    Model().SetPageSize(3000, 3000);
    m_pView->UpdateScrollSizes();
    Command(ID_QY_TOOL_HAND);
    EXPECT_EQ(m_pView->m_nTrackState, 30);
    Drag(CPoint(300, 300), CPoint(260, 250));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(40, 50));
    EXPECT_EQ(m_pView->m_nTrackState, 30); // the hand stays
    Drag(CPoint(260, 250), CPoint(270, 260));
    EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(30, 40));
    EXPECT_EQ(Model().GetUndoCount(), 0);
}

TEST_F(ViewTools, ToolButtonsWorkInDesignModeOnly)
{
    Command(ID_QY_TOOL_RECTANGLE);
    EXPECT_EQ(m_pView->m_nToolType, QY_COMP_RECTANGLE);
    Command(ID_QY_TOOL_SELECT);
    EXPECT_EQ(m_pView->m_nToolType, 0);
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    Command(ID_QY_TOOL_RECTANGLE);
    Drag(CPoint(10, 10), CPoint(50, 50));
    EXPECT_EQ(Count(), 0);
}

// The rectangle-shaped creation tools by event script: a click makes the
// factory's default size about the point, a drag the dragged rectangle,
// Shift a square, snapping the grid's corners; every tool ends back at the
// select tool with one add command in the history.
TEST_F(ViewTools, CreationToolsByEventScripts)
{
    enum Script { kClick, kDrag, kShiftDrag, kSnapDrag };
    const struct {
        UINT nTool;
        int nType;
    } tools[] = {{ID_QY_TOOL_RECTANGLE, QY_COMP_RECTANGLE}, {ID_QY_TOOL_ELLIPSE, QY_COMP_ELLIPSE}};
    const struct {
        Script script;
        CPoint from;
        CPoint to;
        CRect made; // empty: the default size about the press
    } scripts[] = {
        {kClick, {200, 150}, {200, 150}, CRect()},
        {kDrag, {100, 100}, {170, 140}, CRect(100, 100, 170, 140)},
        {kDrag, {170, 140}, {100, 100}, CRect(100, 100, 170, 140)}, // dragged up and left
        {kShiftDrag, {100, 100}, {170, 140}, CRect(100, 100, 170, 170)},
        {kShiftDrag, {100, 100}, {130, 90}, CRect(100, 70, 130, 100)},
        {kSnapDrag, {103, 108}, {177, 141}, CRect(100, 100, 170, 140)},
    };
    for (const auto& tool : tools) {
        for (const auto& s : scripts) {
            SCOPED_TRACE(std::to_string(tool.nType) + " script " + std::to_string(s.script) + " from " +
                         std::to_string(s.from.x));
            SetSnap(s.script == kSnapDrag);
            const int nBefore = Count();
            const int nUndo = Model().GetUndoCount();
            Command(tool.nTool);
            if (s.script == kClick)
                ClickAt(s.from);
            else
                Drag(s.from, s.to, s.script == kShiftDrag ? MK_SHIFT : 0);
            ASSERT_EQ(Count(), nBefore + 1);
            EXPECT_EQ(Last()->GetType(), tool.nType);
            const CRect made = Normal(Last()->GetRect());
            if (s.made.IsRectEmpty()) {
                EXPECT_TRUE(made.PtInRect(s.from));
                EXPECT_GT(made.Width(), 10);
            } else if (tool.nType == QY_COMP_ELLIPSE) {
                // The ellipse's rectangle is that of its Bezier outline's
                // area: within a unit of the dragged one.
                EXPECT_LE(std::abs(made.left - s.made.left), 1);
                EXPECT_LE(std::abs(made.top - s.made.top), 1);
                EXPECT_LE(std::abs(made.right - s.made.right), 1);
                EXPECT_LE(std::abs(made.bottom - s.made.bottom), 1);
            } else {
                EXPECT_EQ(made, s.made);
            }
            EXPECT_EQ(Model().GetUndoCount(), nUndo + 1);
            EXPECT_EQ(LastCommand(), QY_CMD_ADDCOMP);
            EXPECT_EQ(m_pView->m_nTrackState, 0);
            EXPECT_EQ(m_pView->m_nToolType, 0);
            EXPECT_EQ(Selected(), std::vector<CQYDrawComponent*>{Last()});
        }
    }
    SetSnap(FALSE);
}

// The line tool: a click keeps it armed; Shift makes the line horizontal
// or vertical; snapping puts both ends on the grid.
TEST_F(ViewTools, LineToolByEventScripts)
{
    const struct {
        const char* name;
        UINT nFlags;
        BOOL bSnap;
        CPoint from;
        CPoint to;
        CPoint start;
        CPoint end;
    } cases[] = {
        {"plain", 0, FALSE, {50, 60}, {150, 90}, {50, 60}, {150, 90}},
        {"shift, wider than high", MK_SHIFT, FALSE, {50, 60}, {150, 90}, {50, 60}, {150, 60}},
        {"shift, higher than wide", MK_SHIFT, FALSE, {50, 60}, {80, 160}, {50, 60}, {50, 160}},
        {"shift, a tie is vertical", MK_SHIFT, FALSE, {50, 60}, {90, 100}, {50, 60}, {50, 100}},
        {"snapped", 0, TRUE, {53, 66}, {148, 91}, {50, 60}, {140, 90}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetSnap(c.bSnap);
        const int nBefore = Count();
        Command(ID_QY_TOOL_LINE);
        Drag(c.from, c.to, c.nFlags);
        ASSERT_EQ(Count(), nBefore + 1);
        EXPECT_EQ(Last()->GetPointAt(0), c.start);
        EXPECT_EQ(Last()->GetPointAt(1), c.end);
        EXPECT_EQ(LastCommand(), QY_CMD_ADDCOMP);
        EXPECT_EQ(m_pView->m_nTrackState, 0);
    }
    SetSnap(FALSE);
}

// The right button in each tool state: point tools drop their points and
// re-arm, the link tool is given up, other armed tools stay as they are.
TEST_F(ViewTools, RightButtonByToolState)
{
    const struct {
        UINT nTool;
        int nState;
        int nToolType;
    } cases[] = {
        {ID_QY_TOOL_RECTANGLE, 12, QY_COMP_RECTANGLE},
        {ID_QY_TOOL_ELLIPSE, 7, QY_COMP_ELLIPSE},
        {ID_QY_TOOL_LINE, 15, QY_COMP_LINE},
        {ID_QY_TOOL_POLYGON, 21, QY_COMP_POLYGON},
        {ID_QY_TOOL_HAND, 30, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nState);
        Command(c.nTool);
        RightUp(CPoint(200, 200));
        EXPECT_EQ(m_pView->m_nTrackState, c.nState);
        EXPECT_EQ(m_pView->m_nToolType, c.nToolType);
        Command(ID_QY_TOOL_SELECT);
    }
    // An armed link tool with no point yet is given up.
    Command(ID_QY_TOOL_LINK_FREE);
    ASSERT_NE(m_pView->m_pLinkProto, nullptr);
    RightUp(CPoint(200, 200));
    EXPECT_EQ(m_pView->m_nTrackState, 0);
    EXPECT_EQ(m_pView->m_nToolType, 0);
    EXPECT_EQ(m_pView->m_pLinkProto, nullptr);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(Model().GetUndoCount(), 0);
}

// The link tool's collected points: an elbow link keeps each segment
// horizontal or vertical, a free link takes the point as clicked.
TEST_F(ViewTools, LinkToolCollectsPointsByItsKind)
{
    Put(CRect(40, 40, 120, 100));
    const struct {
        UINT nTool;
        CPoint collected;
    } cases[] = {{ID_QY_TOOL_LINK_ELBOW, {200, 70}}, {ID_QY_TOOL_LINK_FREE, {200, 75}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nTool);
        Command(c.nTool);
        ClickAt(CPoint(120, 70)); // the right port
        ASSERT_EQ(m_pView->m_nTrackState, 35);
        Hover(CPoint(200, 75));
        ClickAt(CPoint(200, 75));
        ASSERT_EQ(m_pView->m_arrPoints.GetSize(), 2);
        EXPECT_EQ(m_pView->m_arrPoints[0], CPoint(120, 70));
        EXPECT_EQ(m_pView->m_arrPoints[1], c.collected);
        RightUp(CPoint(200, 75));
        EXPECT_EQ(m_pView->m_nTrackState, 0);
    }
}

// A link that never reaches a second port is not made, however it ends.
TEST_F(ViewTools, LinkWithoutAnEndPortMakesNothing)
{
    CQYDrawComponent* a = Put(CRect(40, 40, 120, 100));
    const struct {
        const char* name;
        int nFreeClicks;    // clicks on empty canvas before the double click
        bool bAgainOnStart; // the start port clicked again first
    } cases[] = {
        {"double click on the canvas", 1, false},
        {"double click after the start only", 0, false},
        {"the start port again", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Command(ID_QY_TOOL_LINK_FREE);
        ClickAt(CPoint(120, 70));
        if (c.bAgainOnStart) {
            ClickAt(CPoint(120, 70));
            EXPECT_EQ(m_pView->m_nTrackState, 35); // a link needs two ends
        }
        for (int i = 0; i < c.nFreeClicks; ++i)
            ClickAt(CPoint(220 + 20 * i, 150));
        DoubleClick(CPoint(260, 200));
        Up(CPoint(260, 200));
        EXPECT_EQ(Count(), 1);
        EXPECT_EQ(m_pView->m_nTrackState, 0);
        EXPECT_EQ(m_pView->m_pLinkProto, nullptr);
        EXPECT_EQ(m_pView->m_arrPoints.GetSize(), 0);
        EXPECT_EQ(PortAt(a, 1, 0.5)->GetLinkCount(), 0);
        EXPECT_EQ(Model().GetUndoCount(), 0);
    }
}

// With snapping on, a dragged selection lands with its top-left on the
// grid.
TEST_F(ViewTools, SnappedMoveLandsOnTheGrid)
{
    CQYDrawComponent* a = Put(CRect(43, 47, 103, 87));
    SetSnap(TRUE, 10);
    Drag(CPoint(60, 60), CPoint(72, 69));
    EXPECT_EQ(Normal(a->GetRect()), CRect(50, 50, 110, 90));
    EXPECT_EQ(LastCommand(), QY_CMD_MOVECOMPS);
    SetSnap(FALSE);
}

// A press on a handle, a point or a shape to turn waits for the mouse to
// move; a move back onto the press point is no drag, and a release without
// a drag changes nothing and ends the gesture.
TEST_F(ViewTools, APressThatNeverMovesChangesNothing)
{
    CQYDrawComponent* pRect = Put(CRect(100, 100, 200, 180));
    Command(ID_QY_TOOL_LINE);
    Drag(CPoint(300, 100), CPoint(400, 160));
    CQYDrawComponent* pLine = Last();
    const CPoint lineEnd(400, 160);
    ASSERT_EQ(pLine->GetPointAt(1), lineEnd);
    const int nUndo = Model().GetUndoCount();
    const struct {
        const char* name;
        CQYDrawComponent* pSelected;
        UINT nTool; // a command before the press, or 0
        CPoint press;
        int nPending;
    } cases[] = {
        {"size handle", pRect, 0, CPoint(200, 180), CQYBaseView::ResizePending},
        {"line point", pLine, 0, lineEnd, CQYBaseView::PointDragPending},
        {"free rotate", pRect, ID_QY_FREE_ROTATE, CPoint(150, 140), CQYBaseView::RotatePending},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.nTool != 0)
            Command(c.nTool);
        Select({c.pSelected});
        Down(c.press);
        ASSERT_EQ(m_pView->m_nTrackState, c.nPending);
        Move(c.press);
        EXPECT_EQ(m_pView->m_nTrackState, c.nPending);
        Up(c.press);
        EXPECT_EQ(m_pView->m_nTrackState, CQYBaseView::Idle);
        EXPECT_EQ(Model().GetUndoCount(), nUndo);
        EXPECT_EQ(Normal(pRect->GetRect()), CRect(100, 100, 200, 180));
        EXPECT_EQ(pLine->GetPointAt(1), lineEnd);
    }
}

// A straight line's end and a link's inner point are dragged by their
// handles as one point command; the link's ends stay on their ports.
TEST_F(ViewTools, PointHandlesOfALineAndOfALinkFollowTheMouse)
{
    CQYDrawComponent* a = Put(CRect(40, 40, 120, 100));
    CQYDrawComponent* b = Put(CRect(300, 200, 380, 260));
    Command(ID_QY_TOOL_LINK_FREE);
    ClickAt(CPoint(120, 70)); // a's right port
    Hover(CPoint(200, 150));
    ClickAt(CPoint(200, 150));
    Hover(CPoint(300, 230));
    ClickAt(CPoint(300, 230)); // b's left port
    CQYDrawComponent* pLink = Last();
    ASSERT_TRUE(pLink->IsKindOf(RUNTIME_CLASS(CQYLinkComponent)));
    ASSERT_EQ(pLink->GetPointCount(), 3);
    Command(ID_QY_TOOL_LINE);
    Drag(CPoint(100, 300), CPoint(250, 380));
    CQYDrawComponent* pLine = Last();
    const struct {
        const char* name;
        CQYDrawComponent* pComp;
        int nPoint;
    } cases[] = {{"line end", pLine, 1}, {"link inner point", pLink, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CPoint from = c.pComp->GetPointAt(c.nPoint);
        const CPoint to = from + CPoint(30, -20);
        const int nUndo = Model().GetUndoCount();
        Select({c.pComp});
        Drag(from, to);
        EXPECT_EQ(c.pComp->GetPointAt(c.nPoint), to);
        EXPECT_EQ(LastCommand(), QY_CMD_SIZESPOT);
        EXPECT_EQ(Model().GetUndoCount(), nUndo + 1);
        EXPECT_EQ(pLink->GetPointAt(0), PortAt(a, 1, 0.5)->GetLinkPoint());
        EXPECT_EQ(pLink->GetPointAt(2), PortAt(b, 0, 0.5)->GetLinkPoint());
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(c.pComp->GetPointAt(c.nPoint), from);
    }
}

// With Shift the selection band is a square from the press point: it takes
// in what the mouse's own rectangle would miss.
TEST_F(ViewTools, ShiftMakesTheSelectionBandSquare)
{
    CQYDrawComponent* a = Put(CRect(20, 20, 60, 60));
    const struct {
        UINT nFlags;
        std::vector<CQYDrawComponent*> selected;
    } cases[] = {{0, {}}, {MK_SHIFT, {a}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nFlags);
        Select({});
        Drag(CPoint(10, 10), CPoint(70, 30), c.nFlags);
        EXPECT_EQ(Selected(), c.selected);
        EXPECT_EQ(m_pView->m_nTrackState, CQYBaseView::Idle);
    }
}

// Links do not turn: a rotate drag over a selection of links only turns
// nothing and ends like a click.
TEST_F(ViewTools, FreeRotateOfLinksAloneTurnsNothing)
{
    CQYDrawComponent* a = Put(CRect(40, 40, 120, 100));
    CQYDrawComponent* b = Put(CRect(300, 40, 380, 100));
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    pLink->SetElbow(FALSE);
    CArray<CPoint, CPoint> points;
    points.Add(PortAt(a, 1, 0.5)->GetLinkPoint());
    points.Add(PortAt(b, 0, 0.5)->GetLinkPoint());
    Model().AddNewLink(pLink, &points, PortAt(a, 1, 0.5), PortAt(b, 0, 0.5), FALSE);
    pLink->Release();
    const int nUndo = Model().GetUndoCount();
    Command(ID_QY_FREE_ROTATE);
    Select({pLink});
    Down(CPoint(210, 70));
    ASSERT_EQ(m_pView->m_nTrackState, CQYBaseView::RotatePending);
    Move(CPoint(210, 110));
    EXPECT_EQ(m_pView->m_nTrackState, CQYBaseView::RotatePending);
    Up(CPoint(210, 110));
    EXPECT_EQ(m_pView->m_nTrackState, CQYBaseView::Idle);
    EXPECT_EQ(Model().GetUndoCount(), nUndo);
    EXPECT_EQ(pLink->GetPointAt(0), CPoint(120, 70));
    EXPECT_EQ(pLink->GetPointAt(1), CPoint(300, 70));
}

} // namespace

// A view that notes the two hooks the link tool calls before it adds a
// link.
class CLinkHookView : public CTestDiagramView {
    DECLARE_DYNCREATE(CLinkHookView)
public:
    void OnBeforeLinkAdded(CQYDrawComponent* pLink, CQYPortComponent* pFrom) override
    {
        m_calls.push_back({"before", pLink, pFrom, GetCurrentModel()->GetComponents().GetCount()});
    }
    void OnLinkAdded(CQYDrawComponent* pLink, CQYPortComponent* pPort) override
    {
        m_calls.push_back({"added", pLink, pPort, GetCurrentModel()->GetComponents().GetCount()});
    }
    struct Call {
        std::string hook;
        CQYDrawComponent* pLink;
        CQYPortComponent* pPort;
        int nComponents; // on the page when the hook ran
    };
    std::vector<Call> m_calls;
};

IMPLEMENT_DYNCREATE(CLinkHookView, CTestDiagramView)

namespace {

class ViewLinkHooks : public ViewTools {
protected:
    CRuntimeClass* ViewClass() override { return RUNTIME_CLASS(CLinkHookView); }
};

TEST_F(ViewLinkHooks, ADerivedViewSeesTheLinkBeforeItJoinsThePage)
{
    CQYDrawComponent* a = Put(CRect(40, 40, 120, 100));
    CQYDrawComponent* b = Put(CRect(300, 40, 380, 100));
    Command(ID_QY_TOOL_LINK_FREE);
    ClickAt(CPoint(120, 70));
    Hover(CPoint(300, 70));
    ClickAt(CPoint(300, 70));
    ASSERT_EQ(Count(), 3);
    const auto& calls = static_cast<CLinkHookView*>(m_pView)->m_calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].hook, "before");
    EXPECT_EQ(calls[0].pPort, PortAt(a, 1, 0.5));
    EXPECT_EQ(calls[1].hook, "added");
    EXPECT_EQ(calls[1].pPort, PortAt(b, 0, 0.5));
    for (const auto& call : calls) {
        EXPECT_EQ(call.pLink, Last());
        EXPECT_EQ(call.nComponents, 2);
    }
}

// Each tool's button is checked while its tool is armed, and every tool
// button is enabled in design mode only.
TEST_F(ViewTools, ToolButtonsAreCheckedWhileTheirToolIsArmed)
{
    const UINT tools[] = {ID_QY_TOOL_SELECT,      ID_QY_TOOL_STATIC,       ID_QY_TOOL_IMAGE,     ID_QY_TOOL_ELLIPSE,
                          ID_QY_TOOL_LINE,        ID_QY_TOOL_ARROW_LINE,   ID_QY_TOOL_POLYLINE,  ID_QY_TOOL_POLYGON,
                          ID_QY_TOOL_BEZIER_LINE, ID_QY_TOOL_CLOSE_BEZIER, ID_QY_TOOL_RECTANGLE, ID_QY_TOOL_HYLINK,
                          ID_QY_TOOL_LINK_ELBOW,  ID_QY_TOOL_LINK_FREE,    ID_QY_TOOL_HAND};
    struct Probe : CCmdUI {
        BOOL bEnabled = FALSE;
        int nCheck = -1;
        void Enable(BOOL bOn = TRUE) override { bEnabled = bOn; }
        void SetCheck(int nCheckState = 1) override { nCheck = nCheckState; }
    };
    // Whether the button is enabled, and its check state.
    auto probe = [this](UINT nID) {
        Probe p;
        p.m_nID = nID;
        p.DoUpdate(m_pView, FALSE);
        return std::make_pair(p.bEnabled, p.nCheck);
    };
    for (UINT nArmed : tools) {
        SCOPED_TRACE(nArmed);
        Command(ID_QY_TOOL_SELECT);
        Command(nArmed);
        for (UINT nID : tools) {
            const auto [bEnabled, nCheck] = probe(nID);
            EXPECT_TRUE(bEnabled) << nID;
            // The hand keeps the tool type, so the select tool stays
            // checked beside it.
            const bool bChecked = nID == nArmed || (nArmed == ID_QY_TOOL_HAND && nID == ID_QY_TOOL_SELECT);
            EXPECT_EQ(nCheck, bChecked ? 1 : 0) << nID;
        }
    }
    Command(ID_QY_TOOL_SELECT);
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    for (UINT nID : tools)
        EXPECT_FALSE(probe(nID).first) << nID;
}

// Every rubber band inverts what lies under it: drawn once it shows, drawn
// again at the same point it is gone without a trace.
TEST_F(ViewTools, EachRubberBandDrawnTwiceLeavesNoTrace)
{
    Put(CRect(60, 60, 200, 160));
    m_pView->Invalidate();
    const QImage before = Painted();
    m_pView->m_ptDownDevice = CPoint(100, 100);
    m_pView->m_arrPoints.RemoveAll();
    m_pView->m_arrPoints.Add(CPoint(40, 200));
    m_pView->m_arrPoints.Add(CPoint(90, 130));
    const struct {
        const char* name;
        std::function<void(CPoint)> draw;
    } bands[] = {
        {"line", [this](CPoint pt) { m_pView->DrawLineBand(pt); }},
        {"points", [this](CPoint pt) { m_pView->DrawPointsBand(pt); }},
        {"solid rectangle", [this](CPoint pt) { m_pView->DrawRectBand(pt, TRUE); }},
        {"dotted rectangle", [this](CPoint pt) { m_pView->DrawRectBand(pt, FALSE); }},
        {"ellipse", [this](CPoint pt) { m_pView->DrawEllipseBand(pt); }},
        {"selection", [this](CPoint pt) { m_pView->DrawSelectBand(pt); }},
    };
    for (const auto& band : bands) {
        SCOPED_TRACE(band.name);
        const CPoint at(230, 190);
        band.draw(at);
        EXPECT_EQ(m_pView->m_ptLast, at);
        EXPECT_FALSE(Painted() == before);
        band.draw(at);
        EXPECT_TRUE(Painted() == before);
    }
}

// A group is moved, sized by a handle and turned with the mouse as one
// shape: every member goes along once, and undo puts each back.
TEST_F(ViewTools, AGroupIsDraggedSizedAndTurnedAsOne)
{
    CQYDrawComponent* a = Put(CRect(100, 100, 150, 150));
    CQYDrawComponent* b = Put(CRect(250, 200, 300, 250));
    Select({a, b});
    Command(ID_QY_GROUP);
    ASSERT_EQ(Count(), 1);
    CQYDrawComponent* pGroup = Last();
    ASSERT_EQ(Normal(pGroup->GetRect()), CRect(100, 100, 300, 250));
    EXPECT_EQ(Selected(), std::vector<CQYDrawComponent*>{pGroup});

    // Moved by a press anywhere on it.
    Drag(CPoint(200, 175), CPoint(220, 185));
    EXPECT_EQ(LastCommand(), QY_CMD_MOVECOMPS);
    EXPECT_EQ(Normal(pGroup->GetRect()), CRect(120, 110, 320, 260));
    EXPECT_EQ(Normal(a->GetRect()), CRect(120, 110, 170, 160));
    EXPECT_EQ(Normal(b->GetRect()), CRect(270, 210, 320, 260));

    // Its bottom-right handle doubles its width about the top-left.
    Select({pGroup});
    Drag(CPoint(320, 260), CPoint(520, 260));
    EXPECT_EQ(LastCommand(), QY_CMD_SCALEEXTEND);
    EXPECT_EQ(Normal(pGroup->GetRect()), CRect(120, 110, 520, 260));
    EXPECT_EQ(Normal(a->GetRect()), CRect(120, 110, 220, 160));
    EXPECT_EQ(Normal(b->GetRect()), CRect(420, 210, 520, 260));

    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Normal(pGroup->GetRect()), CRect(100, 100, 300, 250));
    EXPECT_EQ(Normal(a->GetRect()), CRect(100, 100, 150, 150));
    EXPECT_EQ(Normal(b->GetRect()), CRect(250, 200, 300, 250));

    // Turned a quarter about its centre by the rotate command.
    Select({pGroup});
    Command(ID_QY_ROTATE_RIGHT);
    EXPECT_EQ(Normal(pGroup->GetRect()).CenterPoint(), CPoint(200, 175));
    EXPECT_EQ(Normal(pGroup->GetRect()).Width(), 150);
    EXPECT_EQ(Normal(pGroup->GetRect()).Height(), 200);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Normal(a->GetRect()), CRect(100, 100, 150, 150));
}

// The text and hyperlink label tools make their labels from the dragged
// rectangle's corner (a label sizes itself to its text) or about a click.
TEST_F(ViewTools, LabelToolsMakeTheirLabelsWhereDraggedOrClicked)
{
    const struct {
        UINT nTool;
        int nType;
        const char* cls;
    } tools[] = {{ID_QY_TOOL_STATIC, QY_COMP_STATIC, "CQYStaticComponent"},
                 {ID_QY_TOOL_HYLINK, QY_COMP_HYLINK, "CQYHyLinkComponent"}};
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.cls);
        Command(tool.nTool);
        EXPECT_EQ(m_pView->m_nTrackState, 12);
        Drag(CPoint(100, 100), CPoint(220, 140));
        ASSERT_GT(Count(), 0);
        EXPECT_STREQ(Last()->GetRuntimeClass()->m_lpszClassName, tool.cls);
        EXPECT_EQ(Last()->GetType(), tool.nType);
        EXPECT_EQ(Normal(Last()->GetRect()).TopLeft(), CPoint(100, 100));
        EXPECT_EQ(LastCommand(), QY_CMD_ADDCOMP);
        EXPECT_EQ(m_pView->m_nTrackState, 0);
        EXPECT_EQ(m_pView->m_nToolType, 0);
        Command(tool.nTool);
        ClickAt(CPoint(300, 300));
        EXPECT_STREQ(Last()->GetRuntimeClass()->m_lpszClassName, tool.cls);
        EXPECT_TRUE(Normal(Last()->GetRect()).PtInRect(CPoint(300, 300)));
        Command(ID_EDIT_UNDO);
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(Count(), 0);
    }
}

// The polyline and Bézier line tools end their line with an arrow head.
TEST_F(ViewTools, PolylineAndBezierToolsEndWithAnArrow)
{
    const UINT tools[] = {ID_QY_TOOL_POLYLINE, ID_QY_TOOL_BEZIER_LINE};
    const CPoint points[4] = {{40, 300}, {120, 260}, {200, 330}, {260, 280}};
    for (UINT nTool : tools) {
        SCOPED_TRACE(nTool);
        Command(nTool);
        for (int i = 0; i < 4; ++i) {
            ClickAt(points[i]);
            if (i < 3)
                Hover(points[i + 1]);
        }
        DoubleClick(points[3]);
        Up(points[3]);
        CQYDrawComponent* pLast = Last();
        int nEndArrow = 0;
        if (auto* pLine = DYNAMIC_DOWNCAST(CQYLineComponent, pLast))
            nEndArrow = pLine->m_nEndArrowType;
        else if (auto* pBezier = DYNAMIC_DOWNCAST(CQYBezierLineComponent, pLast))
            nEndArrow = pBezier->m_nEndArrowType;
        else
            ADD_FAILURE() << pLast->GetRuntimeClass()->m_lpszClassName;
        EXPECT_NE(nEndArrow, 0);
        EXPECT_EQ(pLast->GetPointAt(0), points[0]);
    }
}

// In a scrolled view every tool makes its figure where the mouse was on the
// page: the client points plus the scroll position.
TEST_F(ViewTools, ToolsInAScrolledViewDrawWhereTheMouseIsOnThePage)
{
    Model().SetPageSize(3000, 3000);
    m_pView->UpdateScrollSizes();
    const CPoint scroll(40, 30);
    m_pView->ScrollToPosition(scroll);
    ASSERT_EQ(m_pView->GetScrollPosition(), scroll);

    Command(ID_QY_TOOL_RECTANGLE);
    Drag(CPoint(100, 100), CPoint(150, 160));
    EXPECT_EQ(Normal(Last()->GetRect()), CRect(140, 130, 190, 190));

    Command(ID_QY_TOOL_LINE);
    Drag(CPoint(50, 60), CPoint(150, 90));
    EXPECT_EQ(Last()->GetPointAt(0), CPoint(90, 90));
    EXPECT_EQ(Last()->GetPointAt(1), CPoint(190, 120));

    Command(ID_QY_TOOL_POLYGON);
    const CPoint corners[3] = {{100, 250}, {200, 250}, {150, 330}};
    ClickPoints({corners[0], corners[1], corners[2]});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Last()->GetPointAt(i), corners[i] + scroll) << i;

    // A move drag moves by the mouse's own offset.
    CQYDrawComponent* pRect = Model().GetComponents().GetHead();
    Select({pRect});
    Drag(CPoint(120, 120), CPoint(135, 110));
    EXPECT_EQ(Normal(pRect->GetRect()), CRect(155, 120, 205, 180));
}

} // namespace
