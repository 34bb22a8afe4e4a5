#include "ShapeTestUtil.h"

#include "library/shapes/QYArrowObjects.h"
#include "library/shapes/QYBezierLineComponent.h"
#include "library/shapes/QYLineComponent.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

Held<CQYLineComponent> MakeLine(std::initializer_list<POINT> points, BOOL bElbow = FALSE)
{
    Held<CQYLineComponent> line;
    line->SetElbow(bElbow);
    const std::vector<POINT> raw(points);
    EXPECT_TRUE(line->CreateFromPoints(raw.data(), static_cast<int>(raw.size())));
    return line;
}

CArray<CPoint, CPoint>& Array(int nCount)
{
    static CArray<CPoint, CPoint> array;
    array.RemoveAll();
    for (int i = 0; i < nCount; ++i)
        array.Add(CPoint(i * 10, (i % 2) * 20));
    return array;
}

TEST(Line, DefaultsOfANewLine)
{
    Held<CQYLineComponent> line;
    CQYCompProperties* pProp = line->GetDefaultProperty();
    EXPECT_EQ(pProp->m_nType, 24);
    EXPECT_EQ(pProp->m_nBrushType, 1);
    EXPECT_EQ(pProp->m_crBkColor, 0x57564Au);
    EXPECT_FALSE(line->GetElbow());
    EXPECT_TRUE(line->m_bOver4ResizeHandles);
}

TEST(Line, OrthogonalPointsSwitchTheElbowModeOn)
{
    EXPECT_TRUE(MakeLine({{0, 0}, {100, 0}, {100, 50}})->GetElbow());
    EXPECT_FALSE(MakeLine({{0, 0}, {100, 50}})->GetElbow());
}

TEST(Line, ElbowLineIsRoutedOnCreation)
{
    auto line = MakeLine({{0, 0}, {30, 70}, {100, 40}}, TRUE);
    EXPECT_EQ(PointsOf(line.get()), (PointList{{0, 0}, {50, 0}, {50, 40}, {100, 40}}));
}

TEST(Line, ElbowOffsetKeepsNeighboursAligned)
{
    auto line = MakeLine({{0, 0}, {100, 0}, {100, 50}});
    ASSERT_TRUE(line->GetElbow());
    EXPECT_TRUE(line->OffsetPoint(2, 10, 5));
    EXPECT_EQ(PointsOf(line.get()), (PointList{{0, 0}, {110, 0}, {110, 55}}));
    EXPECT_FALSE(line->OffsetPoint(3, 1, 1));
    EXPECT_FALSE(line->OffsetTrackPoint(-1, 1, 1));
}

TEST(Line, LineEndsAndTheirTypes)
{
    auto line = MakeLine({{0, 0}, {100, 0}});
    line->SetStartArrowType(12);
    line->SetEndArrowType(30);
    ASSERT_NE(line->GetStartArrow(), nullptr);
    EXPECT_TRUE(line->GetStartArrow()->IsKindOf(RUNTIME_CLASS(CQYEmptyFlagArrowObject)));
    line->RemoveStartArrow();
    EXPECT_EQ(line->GetStartArrowType(), 0);
    line->CreateEndArrow(0);
    EXPECT_EQ(line->GetEndArrow(), nullptr);
    EXPECT_EQ(line->GetEndArrowType(), 0);

    line->SetEndArrowType(9);
    std::unique_ptr<CQYDrawComponent> copy(line->Copy());
    auto* pCopy = static_cast<CQYLineComponent*>(copy.get());
    ASSERT_NE(pCopy->GetEndArrow(), nullptr);
    EXPECT_NE(pCopy->GetEndArrow(), line->GetEndArrow());
    EXPECT_EQ(pCopy->GetEndArrowType(), 9);
    EXPECT_EQ(pCopy->GetElbow(), line->GetElbow());
}

TEST(BezierLine, KeepsWholeSegmentsAndRefusesFewerThanFour)
{
    Held<CQYBezierLineComponent> six;
    EXPECT_TRUE(six->CreateFromArray(Array(6)));
    EXPECT_EQ(six->m_nCompPtCount, 4);
    Held<CQYBezierLineComponent> seven;
    EXPECT_TRUE(seven->CreateFromArray(Array(7)));
    EXPECT_EQ(seven->m_nCompPtCount, 7);
    for (int nCount : {0, 1, 3}) {
        Held<CQYBezierLineComponent> few;
        EXPECT_FALSE(few->CreateFromArray(Array(nCount))) << nCount;
        EXPECT_EQ(few->m_nCompPtCount, 0);
    }
}

TEST(BezierLine, HeadsSitOnTheControlPolygonEnds)
{
    Held<CQYBezierLineComponent> bezier;
    bezier->CreateFromArray(Array(4));
    bezier->SetStartArrowType(1);
    bezier->UpdateComp();
    CPoint tip, neighbour;
    bezier->GetStartArrow()->GetLinePoints(tip, neighbour);
    EXPECT_EQ(tip, CPoint(0, 0));
    EXPECT_EQ(neighbour, CPoint(10, 20));
    EXPECT_EQ(bezier->GetDefaultProperty()->m_nType, 28);
}

} // namespace
