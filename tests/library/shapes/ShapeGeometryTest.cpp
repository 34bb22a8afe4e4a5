#include "ShapeTestUtil.h"

#include "library/model/QYPortComponent.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYCloseBezierComponent.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYPolygonComponent.h"
#include "library/shapes/QYRectComponent.h"
#include "library/shapes/QYShapeOutlines.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

PointList PortPoints(CQYDrawPortsComponent* pShape)
{
    PointList points;
    for (POSITION pos = pShape->m_listPorts.GetHeadPosition(); pos != nullptr;) {
        const CPoint p = static_cast<CQYPortComponent*>(pShape->m_listPorts.GetNext(pos))->GetLinkPoint();
        points.emplace_back(p.x, p.y);
    }
    return points;
}

Held<CQYBasicShape> MakeShape(int nType, CRect rc)
{
    Held<CQYBasicShape> shape(QYNewBasicShape(nType));
    shape->Create(rc, "");
    return shape;
}

// ---------------------------------------------------------------------------
// Outline table

struct OutlineCase {
    const char* name;
    int nType;
    CRect rc;
    PointList expected;
};

class ShapeOutlineTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(ShapeOutlineTest, CreateWritesTheOutline)
{
    const OutlineCase& c = GetParam();
    auto shape = MakeShape(c.nType, c.rc);
    EXPECT_EQ(PointsOf(shape.get()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ShapeOutlineTest,
    ::testing::Values(
        // Truncation of negative half-sums.
        OutlineCase{"DiamondNegative",
                    QY_COMP_DIAMOND_SHAPE,
                    CRect(-3, -3, 0, 0),
                    {{-3, -1}, {-1, 0}, {0, -1}, {-1, -3}, {-3, -1}}},
        OutlineCase{"TopArrowOddWidth",
                    QY_COMP_TOPARROW,
                    CRect(0, 0, 101, 100),
                    {{0, 25}, {51, 0}, {101, 25}, {76, 25}, {76, 100}, {26, 100}, {26, 25}}},
        OutlineCase{"RectCallout",
                    QY_COMP_RECTCALLOUT,
                    CRect(0, 0, 1200, 600),
                    {{0, 600}, {0, 0}, {1200, 0}, {1200, 600}, {480, 600}, {60, 720}, {240, 600}}},
        OutlineCase{"FiveStar",
                    QY_COMP_FIVESTAR,
                    CRect(0, 0, 1200, 600),
                    {{600, 0},
                     {760, 240},
                     {1200, 240},
                     {845, 368},
                     {1000, 600},
                     {600, 456},
                     {200, 600},
                     {355, 368},
                     {0, 240},
                     {440, 240}}},
        OutlineCase{"Can", QY_COMP_CAN, CRect(0, 0, 1200, 600), {{0, 60},    {0, 27},     {269, 0},    {600, 0},
                                                                 {931, 0},   {1200, 27},  {1200, 60},  {1200, 93},
                                                                 {931, 120}, {600, 120},  {269, 120},  {0, 93},
                                                                 {0, 60},    {1200, 540}, {1200, 573}, {931, 600},
                                                                 {600, 600}, {269, 600},  {0, 573},    {0, 540}}},
        OutlineCase{"Cube",
                    QY_COMP_CUBE,
                    CRect(0, 0, 100, 80),
                    {{25, 0}, {100, 0}, {100, 60}, {25, 60}, {0, 20}, {75, 20}, {75, 80}, {0, 80}}},
        OutlineCase{
            "Corner", QY_COMP_CORNER, CRect(0, 0, 100, 80), {{0, 0}, {100, 0}, {100, 70}, {90, 70}, {88, 80}, {0, 80}}},
        // A degenerate star puts its inner vertices on the corner.
        OutlineCase{"FiveStarEmpty", QY_COMP_FIVESTAR, CRect(7, 9, 7, 9), PointList(10, {7, 9})}),
    [](const ::testing::TestParamInfo<OutlineCase>& info) { return std::string(info.param.name); });

TEST(ShapeGeometry, RoundCalloutArcsAndTail)
{
    auto shape = MakeShape(QY_COMP_ROUNDCALLOUT, CRect(0, 0, 1200, 600));
    const PointList p = PointsOf(shape.get());
    ASSERT_EQ(p.size(), 18u);
    EXPECT_EQ(PointList(p.begin(), p.begin() + 4), (PointList{{0, 150}, {0, 68}, {135, 0}, {300, 0}}));
    EXPECT_EQ(p[12], std::make_pair(480, 600));
    EXPECT_EQ(p[13], std::make_pair(120, 720));
    EXPECT_EQ(PointList(p.begin() + 14, p.end()), (PointList{{300, 600}, {135, 600}, {0, 532}, {0, 450}}));
}

TEST(ShapeGeometry, HexagonFromNegativeRectangle)
{
    auto shape = MakeShape(QY_COMP_HEXAGON, CRect(-3, -3, 0, 0));
    EXPECT_EQ(PointsOf(shape.get())[2], std::make_pair(0, -2));
}

TEST(ShapeGeometry, CalloutRectIncludesTheTail)
{
    auto shape = MakeShape(QY_COMP_RECTCALLOUT, CRect(0, 0, 1200, 600));
    EXPECT_EQ(shape->GetRect(), CRect(0, 0, 1200, 720));
    EXPECT_EQ(PortPoints(shape.get()).front(), std::make_pair(600, 360));
}

TEST(ShapeGeometry, CrossHasThirteenPorts)
{
    auto shape = MakeShape(QY_COMP_CROSS, CRect(0, 0, 1200, 600));
    const PointList ports = PortPoints(shape.get());
    ASSERT_EQ(ports.size(), 13u);
    EXPECT_EQ(ports[0], std::make_pair(600, 300));
    EXPECT_EQ(ports[1], std::make_pair(150, 0));
}

TEST(ShapeGeometry, EveryShapeHasItsPointCountAndDefaults)
{
    const std::pair<int, int> counts[] = {{51, 5},  {52, 5},  {53, 5},  {54, 4}, {55, 4},  {56, 6},  {57, 12},
                                          {58, 6},  {59, 8},  {60, 8},  {61, 6}, {62, 7},  {63, 7},  {64, 10},
                                          {65, 10}, {66, 24}, {67, 17}, {68, 7}, {69, 10}, {70, 20}, {71, 18}};
    for (const auto& [nType, nCount] : counts) {
        auto shape = MakeShape(nType, CRect(10, 20, 610, 320));
        EXPECT_EQ(shape->m_nCompPtCount, nCount) << nType;
        EXPECT_EQ(shape->GetDefaultProperty()->m_nType, nType);
        EXPECT_EQ(shape->GetDefaultProperty()->m_crBkColor, 0x00E3E0BBu);
        EXPECT_TRUE(shape->m_bOver4ResizeHandles);
        // Every shape's first port is its centre.
        const CRect r = shape->GetRect();
        EXPECT_EQ(PortPoints(shape.get()).front(), std::make_pair(r.left + r.Width() / 2, r.top + r.Height() / 2));
        std::unique_ptr<CQYDrawComponent> copy(shape->Copy());
        EXPECT_EQ(copy->GetRuntimeClass(), shape->GetRuntimeClass());
        EXPECT_TRUE(copy->m_bOver4ResizeHandles);
        EXPECT_EQ(PointsOf(copy.get()), PointsOf(shape.get()));
    }
}

TEST(ShapeGeometry, EmptyRectanglePutsEveryPointAndPortOnTheCorner)
{
    for (int nType = 51; nType <= 71; ++nType) {
        auto shape = MakeShape(nType, CRect(5, 6, 5, 6));
        for (const auto& point : PointsOf(shape.get()))
            EXPECT_EQ(point, std::make_pair(5, 6)) << nType;
        for (const auto& point : PortPoints(shape.get()))
            EXPECT_EQ(point, std::make_pair(5, 6)) << nType;
    }
}

TEST(ShapeGeometry, BoxShapesHitTheirWholeRectangle)
{
    // The cube's top-left corner (0, 0) is outside its outline but inside
    // its points' rectangle; the diamond's corner is outside.
    auto cube = MakeShape(QY_COMP_CUBE, CRect(0, 0, 100, 100));
    auto diamond = MakeShape(QY_COMP_DIAMOND_SHAPE, CRect(0, 0, 100, 100));
    EXPECT_TRUE(cube->m_CompArea.PtInArea(3, 3, 0));
    EXPECT_FALSE(diamond->m_CompArea.PtInArea(3, 3, 0));
    EXPECT_TRUE(diamond->m_CompArea.PtInArea(50, 50, 0));
}

TEST(ShapeGeometry, HandlesAreTheAreaRectangleInOrder)
{
    auto shape = MakeShape(QY_COMP_DIAMOND_SHAPE, CRect(0, 0, 101, 51));
    CArray<CPoint, CPoint> handles;
    shape->GetNormalSpotLocation(&handles);
    ASSERT_EQ(handles.GetSize(), 8);
    EXPECT_EQ(handles[0], CPoint(0, 0));
    EXPECT_EQ(handles[1], CPoint(50, 0));
    EXPECT_EQ(handles[3], CPoint(101, 25));
    EXPECT_EQ(handles[7], CPoint(0, 25));
}

// ---------------------------------------------------------------------------
// Ellipse

TEST(EllipseGeometry, WorkedExample)
{
    Held<CQYEllipseComponnent> ellipse;
    CRect rc(0, 0, 1200, 600);
    ellipse->Create(rc, "");
    EXPECT_EQ(PointsOf(ellipse.get()), (PointList{{1024, 512},
                                                  {1258, 394},
                                                  {1258, 205},
                                                  {1024, 87},
                                                  {789, -29},
                                                  {410, -29},
                                                  {175, 87},
                                                  {-58, 205},
                                                  {-58, 394},
                                                  {175, 512},
                                                  {410, 629},
                                                  {789, 629},
                                                  {1024, 512}}));
    EXPECT_EQ(ellipse->m_rectPosition, CRect(-58, -29, 1258, 629));
    const PointList ports = PortPoints(ellipse.get());
    ASSERT_EQ(ports.size(), 5u);
    EXPECT_EQ(ports[1], std::make_pair(-58, 300)); // outside the curve, on the control box
    EXPECT_EQ(ellipse->GetDefaultProperty()->m_nType, 23);
    EXPECT_FALSE(ellipse->GetDefaultProperty()->m_bTransparent);
}

TEST(EllipseGeometry, HitAreaIsTheCurve)
{
    Held<CQYEllipseComponnent> ellipse;
    CRect rc(0, 0, 1200, 600);
    ellipse->Create(rc, "");
    EXPECT_TRUE(ellipse->m_CompArea.PtInArea(600, 300, 0));
    // Inside the control polygon, outside the curve.
    EXPECT_FALSE(ellipse->m_CompArea.PtInArea(1230, 300, 0));
    // A later geometry change makes the position the curve's rectangle.
    ellipse->OffsetComponent(0, 0);
    ellipse->ScaleComponent(1.0f, 1.0f, 0, 0);
    EXPECT_GE(ellipse->m_rectPosition.left, -2);
    EXPECT_LE(ellipse->m_rectPosition.right, 1202);
}

TEST(EllipseGeometry, EmptyRectangleAndCopy)
{
    Held<CQYEllipseComponnent> ellipse;
    CRect rc(4, 4, 4, 4);
    ellipse->Create(rc, "");
    EXPECT_EQ(PointsOf(ellipse.get()), PointList(13, {4, 4}));
    for (const auto& point : PortPoints(ellipse.get()))
        EXPECT_EQ(point, std::make_pair(4, 4));
    std::unique_ptr<CQYDrawComponent> copy(ellipse->Copy());
    EXPECT_TRUE(copy->IsKindOf(RUNTIME_CLASS(CQYEllipseComponnent)));
    EXPECT_TRUE(copy->m_bOver4ResizeHandles);
}

// ---------------------------------------------------------------------------
// Rectangle, polygon, closed Bézier

TEST(RectangleGeometry, CornersAndCentrePort)
{
    Held<CQYRectComponent> rect;
    CRect rc(10, 20, 110, 70);
    rect->Create(rc, "Box");
    EXPECT_EQ(PointsOf(rect.get()), (PointList{{10, 20}, {110, 20}, {110, 70}, {10, 70}}));
    EXPECT_EQ(PortPoints(rect.get()), (PointList{{60, 45}, {10, 45}, {60, 70}, {110, 45}, {60, 20}}));
    EXPECT_EQ(rect->GetObjectCaption(), CString("Box"));
    EXPECT_EQ(rect->GetDefaultProperty()->m_nType, 30);
    EXPECT_EQ(rect->GetDefaultProperty()->m_crBkColor, 0x00E3E0BBu);
}

TEST(PolygonGeometry, OnePointPolygonHasAnEmptyRectangle)
{
    Held<CQYPolygonComponent> polygon;
    CArray<CPoint, CPoint> points;
    points.Add(CPoint(7, 8));
    EXPECT_TRUE(polygon->CreateFromArray(points));
    EXPECT_EQ(polygon->GetRect(), CRect(7, 8, 7, 8));
}

TEST(CloseBezierGeometry, KeepsWholeSegmentsAndRefusesFewerThanFour)
{
    Held<CQYCloseBezierComponent> bezier;
    CArray<CPoint, CPoint> points;
    for (int i = 0; i < 5; ++i)
        points.Add(CPoint(i * 10, i % 2 * 10));
    EXPECT_TRUE(bezier->CreateFromArray(points));
    EXPECT_EQ(bezier->m_nCompPtCount, 4);

    Held<CQYCloseBezierComponent> few;
    points.SetSize(3);
    EXPECT_FALSE(few->CreateFromArray(points));
    EXPECT_EQ(few->m_nCompPtCount, 0);
}

TEST(CloseBezierGeometry, FlatteningAStraightCubic)
{
    Held<CQYCloseBezierComponent> bezier;
    const POINT line[4] = {{0, 0}, {10, 0}, {20, 0}, {30, 0}};
    CArray<CPoint, CPoint> out;
    bezier->FlattenBezier(out, line, 4);
    EXPECT_EQ(ToList(out.GetData(), static_cast<int>(out.GetSize())), (PointList{{0, 0}, {15, 0}, {30, 0}}));

    CArray<CPoint, CPoint> none;
    bezier->FlattenBezier(none, line, 3);
    EXPECT_EQ(none.GetSize(), 0);
}

} // namespace
