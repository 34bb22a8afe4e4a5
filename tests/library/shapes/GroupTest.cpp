#include "ModelBytes.h"
#include "ShapeTestUtil.h"

#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYPolygonComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

CQYRectComponent* NewRect(CRect rc)
{
    auto* pRect = new CQYRectComponent;
    pRect->Create(rc, "");
    return pRect;
}

// A group of a diamond and an ellipse, the group holding the only
// references.
class GroupOfTwo : public ::testing::Test {
protected:
    void SetUp() override
    {
        CRect rd(10, 10, 50, 50), re(40, 0, 80, 30);
        m_pDiamond = QYNewBasicShape(QY_COMP_DIAMOND_SHAPE);
        m_pDiamond->Create(rd, "");
        m_pEllipse = new CQYEllipseComponnent;
        m_pEllipse->Create(re, "");
        // The ellipse's position after a geometry change is its curve's.
        m_pEllipse->ScaleComponent(1.0f, 1.0f, 0, 0);
        m_group->AddComponent(m_pDiamond);
        m_group->AddComponent(m_pEllipse);
    }

    // Applies op to the group and to stand-alone copies of the members;
    // each member must end where its copy does (moved once, not twice).
    void ExpectMembersMovedOnce(const std::function<void(CQYDrawComponent*)>& op)
    {
        std::unique_ptr<CQYDrawComponent> diamond(m_pDiamond->Copy());
        std::unique_ptr<CQYDrawComponent> ellipse(m_pEllipse->Copy());
        op(diamond.get());
        op(ellipse.get());
        op(m_group.get());
        EXPECT_EQ(PointsOf(m_pDiamond), PointsOf(diamond.get()));
        EXPECT_EQ(PointsOf(m_pEllipse), PointsOf(ellipse.get()));
    }

    Held<CQYGroupComponent> m_group;
    CQYBasicShape* m_pDiamond = nullptr;
    CQYEllipseComponnent* m_pEllipse = nullptr;
};

TEST(Group, RectangleIsTheUnionOfItsMembers)
{
    Held<CQYGroupComponent> group;
    CQYRectComponent* pA = NewRect(CRect(10, 10, 50, 50));
    CQYRectComponent* pB = NewRect(CRect(40, 0, 80, 30));
    group->AddComponent(pA);
    group->AddComponent(pB);
    EXPECT_EQ(group->GetRect(), CRect(10, 0, 80, 50));
    EXPECT_EQ(PointsOf(group.get()), (PointList{{10, 0}, {80, 0}, {80, 50}, {10, 50}}));
    EXPECT_EQ(group->GetPortCount(), 2);
    EXPECT_EQ(pA->GetRefCount(), 1);

    group->RemoveComponent(pB);
    EXPECT_EQ(group->GetRect(), CRect(10, 10, 50, 50));
    group->RemoveComponent(pA);
    EXPECT_EQ(group->GetRect(), CRect(0, 0, 0, 0));
    EXPECT_EQ(group->GetDefaultProperty()->m_nType, 89);
}

TEST(Group, CreateGivesTheFourCorners)
{
    Held<CQYGroupComponent> group;
    CRect rc(100, 100, 200, 200);
    group->Create(rc, "");
    EXPECT_EQ(group->GetRect(), CRect(100, 100, 200, 200));
    EXPECT_EQ(PointsOf(group.get()), (PointList{{100, 100}, {200, 100}, {200, 200}, {100, 200}}));
}

TEST(Group, RefusesToContainItself)
{
    Held<CQYGroupComponent> outer;
    auto* pInner = new CQYGroupComponent;
    EXPECT_TRUE(outer->AddComponent(pInner));
    EXPECT_FALSE(outer->AddComponent(outer.get()));
    EXPECT_FALSE(pInner->AddComponent(outer.get()));
    EXPECT_EQ(pInner->GetPortCount(), 0);
}

TEST_F(GroupOfTwo, MoveScaleAndRotateReachEachMemberOnce)
{
    ExpectMembersMovedOnce([](CQYDrawComponent* p) { p->OffsetComponent(5, 5); });
    ExpectMembersMovedOnce([](CQYDrawComponent* p) { p->ScaleComponent(2.0f, 1.5f, 10.0f, 0.0f); });
    ExpectMembersMovedOnce([](CQYDrawComponent* p) { p->RotateComponent(900, 45.0f, 25.0f); });
}

TEST_F(GroupOfTwo, MoveByFiveMovesEveryMemberByFive)
{
    const PointList before = PointsOf(m_pDiamond);
    m_group->OffsetComponent(5, 5);
    m_group->UpdatePosition();
    const PointList after = PointsOf(m_pDiamond);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], std::make_pair(before[i].first + 5, before[i].second + 5));
}

TEST_F(GroupOfTwo, SetRectFitsTheWholeGroup)
{
    const CRect old = m_group->GetRect();
    const CRect target(old.left + 10, old.top + 10, old.left + 10 + 2 * old.Width(), old.top + 10 + 2 * old.Height());
    m_group->SetRect(&target);
    EXPECT_EQ(m_group->GetRect(), target);
    // The diamond's left corner (10, 30): scaled twice about the old
    // corner, then moved by (10, 10).
    EXPECT_EQ(PointsOf(m_pDiamond)[0],
              std::make_pair(10 + 2 * (10 - old.left) + 10, 2 * (30 - old.top) + old.top + 10));

    const CRect empty(0, 0, 0, 10);
    m_group->SetRect(&empty);
    EXPECT_EQ(m_group->GetRect(), target);
}

TEST(Group, ZeroWidthGroupScalesByOneOnThatAxis)
{
    Held<CQYGroupComponent> group;
    auto* pPolygon = new CQYPolygonComponent;
    CArray<CPoint, CPoint> points;
    points.Add(CPoint(5, 0));
    points.Add(CPoint(5, 10));
    pPolygon->CreateFromArray(points);
    group->AddComponent(pPolygon);
    ASSERT_EQ(group->GetRect(), CRect(5, 0, 5, 10));
    const CRect target(20, 0, 40, 20);
    group->SetRect(&target);
    EXPECT_EQ(PointsOf(pPolygon), (PointList{{20, 0}, {20, 20}}));
}

TEST_F(GroupOfTwo, CopyHasNewMembers)
{
    Held<CQYGroupComponent> copy(static_cast<CQYGroupComponent*>(m_group->Copy()));
    ASSERT_EQ(copy->GetPortCount(), 2);
    POSITION pos = copy->GetComponents()->GetHeadPosition();
    CQYDrawComponent* pFirst = copy->GetComponents()->GetNext(pos);
    CQYDrawComponent* pSecond = copy->GetComponents()->GetNext(pos);
    EXPECT_NE(pFirst, m_pDiamond);
    EXPECT_NE(pSecond, m_pEllipse);
    EXPECT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CQYDiamondComponent)));
    EXPECT_TRUE(pSecond->IsKindOf(RUNTIME_CLASS(CQYEllipseComponnent)));
    EXPECT_EQ(PointsOf(pFirst), PointsOf(m_pDiamond));
    EXPECT_EQ(pFirst->GetRefCount(), 1);
}

TEST_F(GroupOfTwo, TrackPointsReachTheMembers)
{
    m_group->ResetTrackPoints();
    m_group->OffsetTrackComponent(3, 4, 0, 0);
    EXPECT_EQ(TrackPointsOf(m_pDiamond)[0],
              std::make_pair(PointsOf(m_pDiamond)[0].first + 3, PointsOf(m_pDiamond)[0].second + 4));
    EXPECT_FALSE(m_group->OffsetTrackPoint(4, 1, 1));
    EXPECT_FALSE(m_group->OffsetPoint(-1, 1, 1));
}

TEST_F(GroupOfTwo, RecordRoundTripKeepsMembersOfTheirClasses)
{
    const Bytes bytes = StoreRecord(*m_group.get());
    Held<CQYGroupComponent> loaded;
    ASSERT_EQ(LoadRecord(*loaded.get(), bytes), -1);
    ASSERT_EQ(loaded->GetPortCount(), 2);
    POSITION pos = loaded->GetComponents()->GetHeadPosition();
    CQYDrawComponent* pFirst = loaded->GetComponents()->GetNext(pos);
    EXPECT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CQYDiamondComponent)));
    EXPECT_EQ(PointsOf(pFirst), PointsOf(m_pDiamond));
    EXPECT_EQ(pFirst->GetRefCount(), 1);
    EXPECT_EQ(StoreRecord(*loaded.get()), bytes);
}

} // namespace
