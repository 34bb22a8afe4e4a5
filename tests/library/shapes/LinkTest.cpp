#include "ModelBytes.h"
#include "ShapeTestUtil.h"

#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYArrowObjects.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

Held<CQYLinkComponent> MakeLink(const PointList& points, BOOL bElbow = TRUE)
{
    Held<CQYLinkComponent> link;
    link->SetElbow(bElbow);
    std::vector<POINT> raw;
    for (const auto& [x, y] : points)
        raw.push_back(POINT{x, y});
    EXPECT_TRUE(link->CreateFromPoints(raw.data(), static_cast<int>(raw.size()), nullptr, nullptr));
    return link;
}

// A link with exactly these points, whatever the elbow mode does on creation.
Held<CQYLinkComponent> LinkWithPoints(const PointList& points, BOOL bElbow)
{
    Held<CQYLinkComponent> link = MakeLink(points, FALSE);
    link->SetElbow(bElbow);
    return link;
}

CQYPortComponent* PortAt(CQYDrawPortsComponent* pShape, double fX, double fY)
{
    return pShape->FindPort(fX, fY);
}

// Attaches the link as the add-link command does: both sides hold each other.
void Attach(CQYLinkComponent* pLink, CQYPortComponent* pFrom, CQYPortComponent* pTo)
{
    pLink->SetFromPort(pFrom);
    pLink->SetToPort(pTo);
    pFrom->AddLink(pLink);
    pTo->AddLink(pLink);
}

// ---------------------------------------------------------------------------
// Creation and routing

TEST(LinkRouting, ElbowCreationMakesThreePoints)
{
    EXPECT_EQ(PointsOf(MakeLink({{0, 0}, {30, 30}, {100, 50}}).get()), (PointList{{0, 0}, {100, 0}, {100, 50}}));
    EXPECT_EQ(PointsOf(MakeLink({{100, 0}, {0, 50}}).get()), (PointList{{100, 0}, {100, 50}, {0, 50}}));
    EXPECT_EQ(PointsOf(MakeLink({{0, 0}, {30, 30}, {100, 50}}, FALSE).get()), (PointList{{0, 0}, {30, 30}, {100, 50}}));
}

TEST(LinkRouting, DefaultsOfANewLink)
{
    Held<CQYLinkComponent> link;
    EXPECT_TRUE(link->GetElbow());
    EXPECT_EQ(link->GetDefaultProperty()->m_nType, 91);
    EXPECT_EQ(link->GetDefaultProperty()->m_nBrushType, 0);
    EXPECT_TRUE(link->m_bOver4ResizeHandles);
    EXPECT_EQ(link->GetFromPort(), nullptr);
    const POINT one[1] = {{5, 5}};
    EXPECT_FALSE(link->CreateFromPoints(one, 1, nullptr, nullptr));
}

// What the form controls and the diagram editor do with a link: points
// without elbow routing, then a solid arrow at the end.
TEST(LinkRouting, ConnectorAsTheFormControlsMakeIt)
{
    Held<CQYLinkComponent> link;
    link->SetElbow(FALSE);
    const POINT points[3] = {{0, 0}, {40, 25}, {90, 10}};
    EXPECT_TRUE(link->CreateFromPoints(points, 3));
    link->SetEndArrowType(QY_ARROW_SOLID);
    EXPECT_EQ(PointsOf(link.get()), (PointList{{0, 0}, {40, 25}, {90, 10}}));
    EXPECT_TRUE(link->GetEndArrow()->IsKindOf(RUNTIME_CLASS(CQYSolidArrowObject)));
    EXPECT_EQ(link->GetRect(), CRect(0, 0, 90, 25));
    EXPECT_TRUE(link->m_CompArea.PtInArea(20, 12, 1));
}

struct RouteCase {
    PointList ends;
    PointList route;
};

class LinkRouteElbow : public ::testing::TestWithParam<RouteCase> {};

TEST_P(LinkRouteElbow, RoutesBetweenTheEnds)
{
    auto link = LinkWithPoints(GetParam().ends, TRUE);
    link->RouteElbow();
    EXPECT_EQ(PointsOf(link.get()), GetParam().route);
    EXPECT_TRUE(link->IsOrthogonal());
}

INSTANTIATE_TEST_SUITE_P(
    Table, LinkRouteElbow,
    ::testing::Values(RouteCase{{{0, 0}, {0, 50}}, {{0, 0}, {0, 50}}},       // shared x: straight
                      RouteCase{{{0, 0}, {80, 0}}, {{0, 0}, {80, 0}}},       // shared y: straight
                      RouteCase{{{0, 0}, {1, 1}}, {{0, 0}, {1, 0}, {1, 1}}}, // corner on the start dropped
                      RouteCase{{{0, 0}, {100, 40}}, {{0, 0}, {50, 0}, {50, 40}, {100, 40}}},
                      RouteCase{{{0, 0}, {40, 100}}, {{0, 0}, {0, 50}, {40, 50}, {40, 100}}},
                      RouteCase{{{-10, -10}, {-3, -100}}, {{-10, -10}, {-10, -55}, {-3, -55}, {-3, -100}}},
                      RouteCase{{{5, 5}, {5, 5}}, {{5, 5}, {5, 5}}}));

TEST(LinkRouting, RectSpots)
{
    const CRect rc(-3, -3, 10, 20);
    const std::pair<int, CPoint> spots[] = {{0, {-3, -3}}, {1, {3, -3}}, {3, {10, 8}}, {5, {3, 20}},
                                            {7, {-3, 8}},  {8, {3, 8}},  {99, {3, 8}}};
    for (const auto& [nSpot, expected] : spots) {
        CPoint out;
        EXPECT_EQ(*CQYLinkComponent::GetRectSpot(&out, rc, nSpot), expected) << nSpot;
    }
}

// ---------------------------------------------------------------------------
// Moving points

TEST(LinkMoving, FreeLinkMovedWholeIsTranslated)
{
    auto link = LinkWithPoints({{0, 0}, {50, 0}, {50, 100}, {100, 100}}, TRUE);
    link->OffsetTrackComponent(10, 10, 0, 0);
    EXPECT_EQ(TrackPointsOf(link.get()), (PointList{{10, 10}, {60, 10}, {60, 110}, {110, 110}}));
    link->OffsetComponent(10, 10);
    EXPECT_EQ(PointsOf(link.get()), (PointList{{10, 10}, {60, 10}, {60, 110}, {110, 110}}));
}

TEST(LinkMoving, ElbowPointKeepsEndSegmentsStraight)
{
    // Moving the middle segment's first corner sideways drags its
    // neighbour along x only.
    auto link = LinkWithPoints({{0, 0}, {50, 0}, {50, 100}, {100, 100}}, TRUE);
    EXPECT_TRUE(link->OffsetPoint(1, 7, 9));
    EXPECT_EQ(PointsOf(link.get()), (PointList{{0, 0}, {57, 0}, {57, 100}, {100, 100}}));
    // Moving the last point drags the corner before it along y only.
    EXPECT_TRUE(link->OffsetPoint(3, 5, 20));
    EXPECT_EQ(PointsOf(link.get()), (PointList{{0, 0}, {57, 0}, {57, 120}, {105, 120}}));
    EXPECT_TRUE(link->IsOrthogonal());
}

TEST(LinkMoving, WithoutElbowOnlyThePointMoves)
{
    auto link = LinkWithPoints({{0, 0}, {50, 0}, {50, 100}}, FALSE);
    EXPECT_TRUE(link->OffsetPoint(1, 7, 9));
    EXPECT_EQ(PointsOf(link.get()), (PointList{{0, 0}, {57, 9}, {50, 100}}));
}

TEST(LinkMoving, IndexOutsideTheListChangesNothing)
{
    auto link = LinkWithPoints({{0, 0}, {50, 0}, {50, 100}}, TRUE);
    for (int nIndex : {-1, 3, 100}) {
        EXPECT_FALSE(link->OffsetPoint(nIndex, 5, 5));
        EXPECT_FALSE(link->OffsetTrackPoint(nIndex, 5, 5));
    }
    EXPECT_EQ(PointsOf(link.get()), (PointList{{0, 0}, {50, 0}, {50, 100}}));
    EXPECT_EQ(TrackPointsOf(link.get()), (PointList{{0, 0}, {50, 0}, {50, 100}}));
}

// ---------------------------------------------------------------------------
// Measures and caption

TEST(LinkMeasures, DistanceSumsSquaresIn64Bits)
{
    CQYLinkComponent link;
    EXPECT_EQ(link.GetDistance(0, 0, 3, 4), 5);
    EXPECT_EQ(link.GetDistance(0, 0, 1, 1), 1);
    EXPECT_EQ(link.GetDistance(0, 0, 60000, 80000), 100000);
    EXPECT_EQ(link.GetDistance(-1000000000, 0, 1000000000, 0), 2000000000);
    EXPECT_EQ(link.GetDistance(INT_MIN, INT_MIN, INT_MAX, INT_MAX), INT_MAX);
}

TEST(LinkMeasures, CaptionReturnsToTheMiddleOfTheLength)
{
    auto link = LinkWithPoints({{0, 0}, {100, 0}, {100, 50}}, TRUE);
    EXPECT_EQ(link->GetLength(), 150);
    EXPECT_EQ(link->GetCenterPoint(), CPoint(50, 0));
    link->SetLabelPoint(CPoint(7, 7));
    EXPECT_EQ(link->GetLabelPoint(), CPoint(7, 7));
    link->UpdateComp();
    EXPECT_EQ(link->GetLabelPoint(), CPoint(50, 0));
}

// ---------------------------------------------------------------------------
// Line ends

TEST(LinkLineEnds, TypesAndObjectsStayTogether)
{
    auto link = LinkWithPoints({{0, 0}, {100, 0}}, TRUE);
    link->SetEndArrowType(3);
    ASSERT_NE(link->GetEndArrow(), nullptr);
    EXPECT_TRUE(link->GetEndArrow()->IsKindOf(RUNTIME_CLASS(CQYSolidArrowObject)));
    EXPECT_EQ(link->GetEndArrowType(), 3);
    link->RemoveEndArrow();
    EXPECT_EQ(link->GetEndArrow(), nullptr);
    EXPECT_EQ(link->GetEndArrowType(), 0);

    for (int nType : {0, 40}) {
        link->CreateStartArrow(nType);
        EXPECT_EQ(link->GetStartArrow(), nullptr);
        EXPECT_EQ(link->GetStartArrowType(), nType);
    }
    link->SetStartArrow(new CQYNormalArrowObject);
    link->SetStartArrow(nullptr);
    EXPECT_EQ(link->GetStartArrowType(), 0);
}

TEST(LinkLineEnds, HeadSitsOnTheLastSegmentAndJoinsTheArea)
{
    auto link = LinkWithPoints({{0, 0}, {100, 0}}, TRUE);
    link->SetEndArrowType(5);
    link->UpdateComp();
    EXPECT_EQ(ToList(link->GetEndArrow()->m_lpCompPoints, 3), (PointList{{100, 0}, {84, 8}, {84, -8}}));
    EXPECT_TRUE(link->m_CompArea.PtInArea(90, 4, 0));
}

TEST(LinkCopy, CarriesTypesEndsAndLabelButNoPorts)
{
    Held<CQYRectComponent> a;
    Held<CQYRectComponent> b;
    CRect ra(0, 0, 100, 50), rb(300, 100, 400, 150);
    a->Create(ra, "");
    b->Create(rb, "");
    auto link = MakeLink({{100, 25}, {300, 125}});
    Attach(link.get(), PortAt(a.get(), 1, 0.5), PortAt(b.get(), 0, 0.5));
    link->SetStartArrowType(11);
    link->SetEndArrowType(7);
    link->GetEndArrow()->m_nArrowWidth = 12;
    link->SetLabelPoint(CPoint(3, 4));

    Held<CQYLinkComponent> copy(static_cast<CQYLinkComponent*>(link->Copy()));
    EXPECT_EQ(copy->GetFromPort(), nullptr);
    EXPECT_EQ(copy->GetToPort(), nullptr);
    EXPECT_EQ(copy->GetStartArrowType(), 11);
    ASSERT_NE(copy->GetEndArrow(), nullptr);
    EXPECT_NE(copy->GetEndArrow(), link->GetEndArrow());
    EXPECT_EQ(copy->GetEndArrow()->m_nArrowWidth, 12);
    EXPECT_EQ(copy->GetLabelPoint(), CPoint(3, 4));
    EXPECT_EQ(PointsOf(copy.get()), PointsOf(link.get()));
}

// ---------------------------------------------------------------------------
// User paths: two rectangles joined by a link

class LinkedRectangles : public ::testing::Test {
protected:
    void SetUp() override
    {
        CRect ra(0, 0, 100, 50), rb(300, 100, 400, 150);
        m_a->Create(ra, "A");
        m_b->Create(rb, "B");
        const POINT ends[2] = {{100, 25}, {300, 125}};
        ASSERT_TRUE(m_link->CreateFromPoints(ends, 2, nullptr, nullptr));
        m_link->SetEndArrowType(3);
        Attach(m_link.get(), From(), To());
    }
    CQYPortComponent* From() { return PortAt(m_a.get(), 1, 0.5); }
    CQYPortComponent* To() { return PortAt(m_b.get(), 0, 0.5); }

    Held<CQYRectComponent> m_a;
    Held<CQYRectComponent> m_b;
    Held<CQYLinkComponent> m_link;
};

TEST_F(LinkedRectangles, MovingARectangleDragsTheLinkEndOrthogonally)
{
    EXPECT_EQ(PointsOf(m_link.get()), (PointList{{100, 25}, {300, 25}, {300, 125}}));
    m_b->OffsetComponent(20, 30);
    EXPECT_EQ(To()->GetLinkPoint(), CPoint(320, 155));
    EXPECT_EQ(m_link->GetEndPoint(), CPoint(320, 155));
    EXPECT_EQ(m_link->GetStartPoint(), CPoint(100, 25));
    EXPECT_TRUE(m_link->IsOrthogonal());

    // Scaling the other rectangle moves its port and the link's start.
    m_a->ScaleComponent(2.0f, 2.0f, 0, 0);
    EXPECT_EQ(m_link->GetStartPoint(), From()->GetLinkPoint());
    EXPECT_EQ(m_link->GetStartPoint(), CPoint(200, 50));
    EXPECT_TRUE(m_link->IsOrthogonal());
}

TEST_F(LinkedRectangles, MovingTheLinkKeepsAttachedEndsOnTheirPorts)
{
    m_link->OffsetComponent(0, 40);
    EXPECT_EQ(m_link->GetStartPoint(), CPoint(100, 25));
    EXPECT_EQ(m_link->GetEndPoint(), CPoint(300, 125));
    EXPECT_TRUE(m_link->IsOrthogonal());
}

TEST_F(LinkedRectangles, TrackOutlineFollowsTheDraggedRectangle)
{
    m_b->ResetTrackPoints();
    m_b->OffsetTrackComponent(20, 30, 0, 0);
    EXPECT_EQ(TrackPointsOf(m_link.get()).back(), std::make_pair(320, 155));
    EXPECT_EQ(TrackPointsOf(m_link.get()).front(), std::make_pair(100, 25));
    // The points stay until the move is done.
    EXPECT_EQ(m_link->GetEndPoint(), CPoint(300, 125));
}

TEST_F(LinkedRectangles, ScrolledDragKeepsTheOutlineOrthogonal)
{
    // The from port's owner is dragged by (20, 30) while the view is
    // scrolled by (5, 5): the end at the port follows the drag, the rest
    // compensates the scroll, and the elbow rules keep the route straight.
    m_link->CopyToTrackPoints();
    m_link->MoveTrackByPort(From(), 20, 30, 5, 5);
    EXPECT_EQ(TrackPointsOf(m_link.get()), (PointList{{120, 55}, {295, 55}, {295, 120}}));

    // The link alone selected and dragged: attached ends stay over their
    // ports on the screen, moving by the scroll only.
    m_link->CopyToTrackPoints();
    m_link->OffsetSelectedTrack(15, 0, 5, 5);
    const PointList track = TrackPointsOf(m_link.get());
    EXPECT_EQ(track.front(), std::make_pair(95, 20));
    EXPECT_EQ(track.back(), std::make_pair(295, 120));
}

TEST_F(LinkedRectangles, ReloadedPageBindsTheLinkToTheSamePorts)
{
    Bytes bytes;
    {
        CQYDataModel model;
        model.InsertComponent(m_a.get());
        model.InsertComponent(m_b.get());
        model.InsertComponent(m_link.get());
        bytes = SaveModel(model);
    }
    CQYDataModel loaded;
    ASSERT_EQ(LoadModel(loaded, bytes), -1);
    CQYCompList& comps = loaded.GetComponents();
    ASSERT_EQ(comps.GetCount(), 3);
    POSITION pos = comps.GetHeadPosition();
    auto* pA = DYNAMIC_DOWNCAST(CQYRectComponent, comps.GetNext(pos));
    auto* pB = DYNAMIC_DOWNCAST(CQYRectComponent, comps.GetNext(pos));
    auto* pLink = DYNAMIC_DOWNCAST(CQYLinkComponent, comps.GetNext(pos));
    ASSERT_TRUE(pA && pB && pLink);
    EXPECT_EQ(pLink->GetFromPort(), PortAt(pA, 1, 0.5));
    EXPECT_EQ(pLink->GetToPort(), PortAt(pB, 0, 0.5));
    EXPECT_EQ(pLink->GetFromComp(), pA);
    EXPECT_EQ(pLink->GetEndArrowType(), 3);
    ASSERT_NE(pLink->GetEndArrow(), nullptr);
    // Bound for real: moving a loaded rectangle drags the loaded link.
    pB->OffsetComponent(0, 10);
    EXPECT_EQ(pLink->GetEndPoint(), CPoint(300, 135));
}

// A page of two rectangles and a link bound both ways, handed to a model;
// the test keeps one probe reference on a port and on the link to see
// whether anything else still holds them after the page ends.
class ClosedPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* pA = new CQYRectComponent;
        auto* pB = new CQYRectComponent;
        auto* pLink = new CQYLinkComponent;
        CRect ra(0, 0, 100, 50), rb(300, 100, 400, 150);
        pA->Create(ra, "");
        pB->Create(rb, "");
        const POINT ends[2] = {{100, 25}, {300, 125}};
        pLink->CreateFromPoints(ends, 2, nullptr, nullptr);
        Attach(pLink, PortAt(pA, 1, 0.5), PortAt(pB, 0, 0.5));
        m_pPort = PortAt(pA, 1, 0.5);
        m_pLink = pLink;
        m_pPort->AddRef();
        m_pLink->AddRef();
        m_model.InsertComponent(pA);
        m_model.InsertComponent(pB);
        m_model.InsertComponent(pLink);
    }
    void TearDown() override
    {
        m_pPort->Release();
        m_pLink->Release();
    }
    // Only the probes hold the port and the link.
    void ExpectFreed()
    {
        EXPECT_EQ(m_pPort->GetRefCount(), 1);
        EXPECT_EQ(m_pLink->GetRefCount(), 1);
        EXPECT_EQ(m_pLink->GetFromPort(), nullptr);
    }

    CQYDataModel m_model;
    CQYPortComponent* m_pPort = nullptr;
    CQYLinkComponent* m_pLink = nullptr;
};

TEST_F(ClosedPage, ReleaseOfAllComponentsCutsPortsAndLinks)
{
    EXPECT_EQ(m_pLink->GetFromPort(), m_pPort);
    m_model.RemoveAllComponents();
    ExpectFreed();
}

TEST(ClosedPageAfterLoad, LoadedBondsAreCutWhenTheModelGoes)
{
    Bytes bytes;
    {
        CQYDataModel model;
        auto* pA = new CQYRectComponent;
        auto* pLink = new CQYLinkComponent;
        CRect ra(0, 0, 100, 50);
        pA->Create(ra, "");
        const POINT ends[2] = {{100, 25}, {300, 125}};
        pLink->CreateFromPoints(ends, 2, nullptr, nullptr);
        CQYPortComponent* pPort = PortAt(pA, 1, 0.5);
        pLink->SetFromPort(pPort);
        pPort->AddLink(pLink);
        model.InsertComponent(pA);
        model.InsertComponent(pLink);
        bytes = SaveModel(model);
    }
    CQYPortComponent* pPort = nullptr;
    CQYLinkComponent* pLink = nullptr;
    {
        CQYDataModel loaded;
        ASSERT_EQ(LoadModel(loaded, bytes), -1);
        POSITION pos = loaded.GetComponents().GetHeadPosition();
        auto* pA = static_cast<CQYRectComponent*>(loaded.GetComponents().GetNext(pos));
        pLink = static_cast<CQYLinkComponent*>(loaded.GetComponents().GetNext(pos));
        pPort = PortAt(pA, 1, 0.5);
        ASSERT_EQ(pLink->GetFromPort(), pPort);
        pPort->AddRef();
        pLink->AddRef();
    }
    EXPECT_EQ(pPort->GetRefCount(), 1);
    EXPECT_EQ(pLink->GetRefCount(), 1);
    pPort->Release();
    pLink->Release();
}

TEST_F(LinkedRectangles, RemoveLinkPathClearsBothPorts)
{
    m_link->DetachFromPorts();
    EXPECT_EQ(m_link->GetFromPort(), nullptr);
    EXPECT_EQ(m_link->GetToPort(), nullptr);
    EXPECT_EQ(From()->GetLinkCount(), 0);
    EXPECT_EQ(To()->GetLinkCount(), 0);
}

} // namespace
