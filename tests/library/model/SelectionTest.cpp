// The selection's tracking state and the outline tracker, drawn into a
// memory canvas where the inverting outlines can be probed.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "library/model/QYCompList.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYCompSelection.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"
#include "library/model/QYMultiTracker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSize = 200;
constexpr COLORREF kWhite = 0xFFFFFF;

struct HandleCase {
    CRect rect;
    UINT nHandle;
    CPoint expected;
};

TEST(HandlePoints, Table)
{
    const HandleCase cases[] = {
        {CRect(0, 0, 101, 51), 0, CPoint(0, 0)},    {CRect(0, 0, 101, 51), 1, CPoint(50, 0)},
        {CRect(0, 0, 101, 51), 2, CPoint(101, 0)},  {CRect(0, 0, 101, 51), 3, CPoint(101, 25)},
        {CRect(0, 0, 101, 51), 4, CPoint(101, 51)}, {CRect(0, 0, 101, 51), 5, CPoint(50, 51)},
        {CRect(0, 0, 101, 51), 6, CPoint(0, 51)},   {CRect(0, 0, 101, 51), 7, CPoint(0, 25)},
        {CRect(0, 0, 101, 51), 8, CPoint(50, 25)},  {CRect(0, 0, 101, 51), static_cast<UINT>(-1), CPoint(50, 25)},
        {CRect(-3, -3, 0, 0), 8, CPoint(-1, -1)},
    };
    for (const HandleCase& c : cases)
        EXPECT_EQ(QYGetHandlePoint(c.rect, c.nHandle), c.expected) << c.nHandle;
}

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(m_bitmap.CreateBitmap(kSize, kSize, 1, 32, nullptr));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, kSize, kSize, kWhite);
    }
    void TearDown() override { m_dc.SelectObject(m_pOldBitmap); }
    CQYDrawComponent* Put(const CRect& rect)
    {
        CQYDrawComponent* pComp = m_model.GetComponentByType(QY_COMP_RECTANGLE, rect, "", 0);
        m_model.InsertComponent(pComp);
        pComp->Release();
        return pComp;
    }
    std::vector<COLORREF> Pixels()
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                pixels.push_back(m_dc.GetPixel(x, y));
        return pixels;
    }
    bool AllWhite()
    {
        for (COLORREF c : Pixels())
            if (c != kWhite)
                return false;
        return true;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CQYDataModel m_model;
};

TEST_F(SelectionTest, UnionIgnoresAnAllZeroRectangle)
{
    // Plain components keep rectangles the factory would find too small.
    auto* a = new CQYDrawComponent;
    a->AddRef();
    CRect rectA(10, 20, 30, 40);
    a->Create(rectA);
    auto* b = new CQYDrawComponent;
    b->AddRef();
    CRect rectB(5, 50, 15, 60);
    b->Create(rectB);
    auto* pZero = new CQYDrawComponent;
    pZero->AddRef();
    CRect zero(0, 0, 0, 0);
    pZero->Create(zero);
    CQYCompList list;
    list.AddTail(a);
    list.AddTail(pZero);
    list.AddTail(b);
    CQYCompSelection selection;
    selection.BeginTrack(&list);
    EXPECT_EQ(selection.GetTrackerCount(), 3);
    EXPECT_EQ(selection.GetUnionRect(), CRect(5, 20, 30, 60));
    EXPECT_EQ(selection.GetHandlePoint(), CPoint(5, 20));
    CQYCompList empty;
    selection.BeginTrack(&empty);
    EXPECT_EQ(selection.GetTrackerCount(), 0);
    EXPECT_EQ(selection.GetUnionRect(), CRect(0, 0, 0, 0));
    pZero->Release();
    a->Release();
    b->Release();
}

TEST_F(SelectionTest, TrackersHoldTheirComponentsUntilCleared)
{
    CQYDrawComponent* a = Put(CRect(10, 20, 30, 40));
    const int nStart = a->GetRefCount();
    {
        CQYCompSelection selection;
        CQYCompList list;
        list.AddTail(a);
        selection.BeginTrack(&list);
        selection.SetTrackComponents(&list);
        EXPECT_EQ(a->GetRefCount(), nStart + 3);
        selection.Clear();
        EXPECT_EQ(a->GetRefCount(), nStart + 1);
        selection.BeginTrack(&list);
    }
    EXPECT_EQ(a->GetRefCount(), nStart);
}

TEST_F(SelectionTest, TwoMovesWithoutRemoveLeaveTheFirstOutlines)
{
    CQYDrawComponent* a = Put(CRect(20, 20, 80, 60));
    CQYCompList list;
    list.AddTail(a);
    CQYCompSelection selection;
    selection.BeginTrack(&list);
    selection.MoveTrack(&m_dc, 10, 10, 0, 0);
    EXPECT_FALSE(AllWhite());
    const std::vector<COLORREF> first = Pixels();
    // The second step draws its tracker twice over (the redraw list holds it
    // twice): the first step's outline stays, nothing new shows.
    selection.MoveTrack(&m_dc, 40, 40, 0, 0);
    EXPECT_EQ(selection.GetRedrawCount(), 2);
    EXPECT_EQ(Pixels(), first);
    // Taking both steps off the screen needs the list drawn once more, and
    // the first outline once by hand.
    selection.RemoveTrack(&m_dc);
    EXPECT_EQ(selection.GetRedrawCount(), 0);
    a->ResetTrackPoints();
    a->MoveTrackComponent(10, 10, 0, 0);
    CQYMultiTracker tracker(a);
    tracker.DrawTrack(&m_dc);
    EXPECT_TRUE(AllWhite());
}

TEST_F(SelectionTest, ALoneLinkKeepsItsPortEndsInPlace)
{
    CQYDrawComponent* a = Put(CRect(0, 0, 60, 40));
    CQYDrawComponent* b = Put(CRect(120, 100, 180, 140));
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    auto* pFrom = static_cast<CQYRectComponent*>(a)->FindPort(1, 0.5);
    CArray<CPoint, CPoint> points;
    points.Add(pFrom->GetLinkPoint());
    points.Add(CPoint(150, 170));
    m_model.AddNewLink(pLink, &points, pFrom, nullptr, FALSE);
    CQYCompList list;
    list.AddTail(pLink);
    CQYCompSelection selection;
    selection.BeginTrack(&list);
    selection.MoveTrack(&m_dc, 7, 9, 0, 0);
    const int nLast = pLink->GetTrackPointCount() - 1;
    EXPECT_EQ(CPoint(pLink->m_lpCompTrackPoints[0]), pFrom->GetLinkPoint());
    EXPECT_EQ(CPoint(pLink->m_lpCompTrackPoints[nLast]), CPoint(157, 179));
    // With a shape beside it the link moves as a plain component.
    selection.RemoveTrack(&m_dc);
    list.AddTail(b);
    selection.BeginTrack(&list);
    selection.MoveTrack(&m_dc, 7, 9, 0, 0);
    EXPECT_EQ(selection.GetTrackerCount(), 2);
    EXPECT_EQ(CPoint(pLink->m_lpCompTrackPoints[pLink->GetTrackPointCount() - 1]), CPoint(157, 179));
    EXPECT_EQ(b->GetTrackRect(), CRect(127, 109, 187, 149));
    selection.RemoveTrack(&m_dc);
    pLink->Release();
}

// A link held by two ports of one shape: the shape's outline draws it once,
// so it shows, and drawing the outline again takes everything off.
TEST_F(SelectionTest, ALinkBetweenTwoPortsOfOneShapeIsOutlinedOnce)
{
    CQYDrawComponent* a = Put(CRect(40, 40, 100, 80));
    auto* pShape = static_cast<CQYRectComponent*>(a);
    CQYPortComponent* pTop = pShape->FindPort(0.5, 0);
    CQYPortComponent* pRight = pShape->FindPort(1, 0.5);
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    pLink->SetElbow(FALSE); // corners where they are given
    CArray<CPoint, CPoint> points;
    points.Add(pTop->GetLinkPoint());
    points.Add(CPoint(150, 10));
    points.Add(pRight->GetLinkPoint());
    m_model.AddNewLink(pLink, &points, pTop, pRight, FALSE);
    ASSERT_EQ(pLink->GetPointCount(), 3);
    CQYCompList list;
    list.AddTail(a);
    CQYCompSelection selection;
    selection.BeginTrack(&list);
    selection.MoveTrack(&m_dc, 0, 0, 0, 0);
    // (150, 10) is the link's corner, far from the shape.
    EXPECT_NE(m_dc.GetPixel(150, 10), kWhite);
    selection.RemoveTrack(&m_dc);
    EXPECT_TRUE(AllWhite());
    // The same without the selection: one outline call is a pass of its own.
    a->OnDrawTrack(&m_dc);
    EXPECT_NE(m_dc.GetPixel(150, 10), kWhite);
    a->OnDrawTrack(&m_dc);
    EXPECT_TRUE(AllWhite());
    pLink->Release();
}

// A group holding two shapes and the link between them reaches the link
// three ways (as a member and through both ports): it is drawn once.
TEST_F(SelectionTest, ALinkInAGroupWithItsShapesIsOutlinedOnce)
{
    auto* a = new CQYRectComponent;
    CRect rectA(20, 100, 60, 140);
    a->Create(rectA, "");
    auto* b = new CQYRectComponent;
    CRect rectB(120, 100, 160, 140);
    b->Create(rectB, "");
    CQYPortComponent* pFrom = a->FindPort(1, 0.5);
    CQYPortComponent* pTo = b->FindPort(0, 0.5);
    auto* pLink = new CQYLinkComponent;
    pLink->SetElbow(FALSE);
    const POINT points[3] = {{60, 120}, {90, 60}, {120, 120}};
    ASSERT_TRUE(pLink->CreateFromPoints(points, 3, pFrom, pTo));
    pFrom->AddLink(pLink);
    pTo->AddLink(pLink);
    auto* pGroup = new CQYGroupComponent;
    pGroup->AddRef();
    CRect rectGroup(20, 20, 160, 140);
    pGroup->Create(rectGroup, "");
    ASSERT_TRUE(pGroup->AddComponent(a));
    ASSERT_TRUE(pGroup->AddComponent(pLink));
    ASSERT_TRUE(pGroup->AddComponent(b));
    pGroup->OnDrawTrack(&m_dc);
    EXPECT_NE(m_dc.GetPixel(90, 60), kWhite); // the link's corner
    pGroup->OnDrawTrack(&m_dc);
    EXPECT_TRUE(AllWhite());
    // Ports hold their links: let go of them before the shapes go.
    pFrom->RemoveAllLinks();
    pTo->RemoveAllLinks();
    pGroup->Release();
}

TEST_F(SelectionTest, EachComponentRotatesAboutItsOwnCentre)
{
    CQYDrawComponent* a = Put(CRect(0, 0, 40, 20));
    CQYDrawComponent* b = Put(CRect(100, 100, 140, 120));
    CQYCompList list;
    list.AddTail(a);
    list.AddTail(b);
    CQYCompSelection selection;
    selection.BeginTrack(&list);
    selection.RotateTrack(&m_dc, 900, 0, 0);
    EXPECT_EQ(a->GetTrackRect(), CRect(10, -10, 30, 30));
    EXPECT_EQ(b->GetTrackRect(), CRect(110, 90, 130, 130));
    selection.RemoveTrack(&m_dc);
    EXPECT_TRUE(AllWhite());
}

TEST_F(SelectionTest, SizeTrackBySpotWithTheCentreKeepsTheRectangle)
{
    CQYDrawComponent* a = Put(CRect(20, 30, 80, 70));
    // Type 100 gets a rectangular outline (a shape's own type draws none).
    a->GetDefaultProperty()->SetType(100);
    CQYCompList list;
    list.AddTail(a);
    CQYCompSelection selection;
    selection.BeginTrack(&list);
    selection.SizeTrackBySpot(&m_dc, 150, 150, 8, 5, 10);
    EXPECT_EQ(a->GetTrackRect(), CRect(15, 20, 75, 60));
    EXPECT_FALSE(AllWhite());
    selection.RemoveOutline(&m_dc);
    EXPECT_TRUE(AllWhite());
}

TEST_F(SelectionTest, OutlineOfTypeOneHundredAndOneHasTwoFrames)
{
    CQYDrawComponent* a = Put(CRect(20, 20, 120, 100));
    a->GetDefaultProperty()->SetType(101);
    CQYMultiTracker tracker(a);
    tracker.DrawOutline(&m_dc);
    EXPECT_NE(m_dc.GetPixel(20, 50), kWhite);
    EXPECT_NE(m_dc.GetPixel(34, 50), kWhite);
    EXPECT_EQ(m_dc.GetPixel(27, 50), kWhite);
    tracker.DrawOutline(&m_dc);
    EXPECT_TRUE(AllWhite());
    a->GetDefaultProperty()->SetType(7);
    tracker.DrawOutline(&m_dc);
    EXPECT_TRUE(AllWhite());
}

} // namespace
