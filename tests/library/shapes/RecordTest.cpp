#include "ModelBytes.h"
#include "ShapeTestUtil.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYArrowObjects.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYBezierLineComponent.h"
#include "library/shapes/QYCloseBezierComponent.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLineComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYPolygonComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {

// The bytes an archive holds after write ran on it.
Bytes Written(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// The new-class record of an archive: tag, schema 0, name.
RecordBuilder& NewClass(RecordBuilder& b, const std::string& name)
{
    return b.Word(0xFFFF).Word(0).Word(static_cast<uint16_t>(name.size())).Raw(name);
}

// The line end's own record: every field, then the points.
Bytes LineEndRecord(const CQYBaseEndObject& e)
{
    RecordBuilder b;
    b.Int(e.m_nArrowLength).Int(e.m_nArrowWidth);
    b.Int(e.m_ptLineStart.x).Int(e.m_ptLineStart.y).Int(e.m_ptLineEnd.x).Int(e.m_ptLineEnd.y);
    b.Int(static_cast<int32_t>(e.m_crFillColor)).Int(e.m_bTransparent).Int(e.m_nPenWidth);
    b.Int(static_cast<int32_t>(e.m_crPenColor)).Int(e.m_bNullPen).Int(e.m_nPenStyle).Int(e.m_nBrushType);
    b.Int(e.m_nHatchStyle).Int(static_cast<int32_t>(e.m_crHatchColor)).Int(e.m_nCompPtCount);
    for (int i = 0; i < e.m_nCompPtCount; ++i)
        b.Int(e.m_lpCompPoints[i].x).Int(e.m_lpCompPoints[i].y);
    return b.Get();
}

Bytes DrawPart(CQYDrawComponent& comp)
{
    return Written([&](CArchive& ar) { comp.CQYDrawComponent::Serialize(ar); });
}

// ---------------------------------------------------------------------------
// Class names in documents

TEST(ShapeRecords, ClassNamesAreWrittenAsSpelt)
{
    const std::pair<int, const char*> shapes[] = {{51, "CQYDiamondComponent"},
                                                  {52, "CQYTrapezoidComponent"},
                                                  {53, "CQYParallelogramComponent"},
                                                  {54, "CQYTriangleComponent"},
                                                  {55, "CQYRightTriangleComponent"},
                                                  {56, "CQYHexagonComponent"},
                                                  {57, "CQYCrossComponent"},
                                                  {58, "CQYPentagonComponent"},
                                                  {59, "CQYCubeComponent"},
                                                  {60, "CQYBevelComponent"},
                                                  {61, "CQYCornerComponent"},
                                                  {62, "CQYRightArrowComponent"},
                                                  {63, "CQYTopArrowComponent"},
                                                  {64, "CQYLeftRightArrowComponent"},
                                                  {65, "CQYUpDownArrowComponent"},
                                                  {66, "CQYQuadArrowComponent"},
                                                  {67, "CQYLeftRightUpArrowComponent"},
                                                  {68, "CQYRectCalloutComponent"},
                                                  {69, "CQYFiveStarComponent"},
                                                  {70, "CQYCanComponent"},
                                                  {71, "CQYRondCalloutComponent"}};
    for (const auto& [nType, name] : shapes) {
        Held<CQYBasicShape> shape(QYNewBasicShape(nType));
        const Bytes bytes = Written([&](CArchive& ar) { ar.WriteObject(shape.get()); });
        RecordBuilder head;
        NewClass(head, name);
        ASSERT_GE(bytes.size(), head.Get().size());
        EXPECT_TRUE(std::equal(head.Get().begin(), head.Get().end(), bytes.begin())) << name;
    }
    Held<CQYEllipseComponnent> ellipse;
    const Bytes bytes = Written([&](CArchive& ar) { ar.WriteObject(ellipse.get()); });
    RecordBuilder head;
    NewClass(head, "CQYEllipseComponnent");
    EXPECT_TRUE(std::equal(head.Get().begin(), head.Get().end(), bytes.begin()));
}

// ---------------------------------------------------------------------------
// Shape records are the base records

TEST(ShapeRecords, ShapesWriteTheDrawPortsRecordOnly)
{
    std::vector<Held<CQYDrawPortsComponent>> shapes;
    for (int nType = 51; nType <= 71; ++nType)
        shapes.emplace_back(QYNewBasicShape(nType));
    shapes.emplace_back(new CQYEllipseComponnent);
    shapes.emplace_back(new CQYRectComponent);
    for (auto& shape : shapes) {
        CRect rc(10, 20, 130, 80);
        shape->Create(rc, "Caption");
        CQYDrawPortsComponent same;
        same = *shape.get();
        same.m_bOver4ResizeHandles = shape->m_bOver4ResizeHandles;
        same.m_rectPosition = shape->m_rectPosition;
        EXPECT_EQ(StoreRecord(*shape.get()), StoreRecord(same)) << shape->GetRuntimeClass()->m_lpszClassName;

        // And the record loads back into the shape's own class.
        Held<CQYDrawPortsComponent> loaded(
            static_cast<CQYDrawPortsComponent*>(shape->GetRuntimeClass()->CreateObject()));
        ASSERT_EQ(LoadRecord(*loaded.get(), StoreRecord(*shape.get())), -1);
        EXPECT_EQ(PointsOf(loaded.get()), PointsOf(shape.get()));
        EXPECT_EQ(loaded->GetPortCount(), shape->GetPortCount());
    }
}

TEST(ShapeRecords, PolygonAndClosedBezierWriteTheDrawRecordOnly)
{
    CArray<CPoint, CPoint> points;
    for (int i = 0; i < 7; ++i)
        points.Add(CPoint(i * 10, (i % 3) * 7));
    Held<CQYPolygonComponent> polygon;
    Held<CQYCloseBezierComponent> bezier;
    polygon->CreateFromArray(points);
    bezier->CreateFromArray(points);
    for (CQYDrawComponent* pComp :
         {static_cast<CQYDrawComponent*>(polygon.get()), static_cast<CQYDrawComponent*>(bezier.get())})
        EXPECT_EQ(StoreRecord(*pComp), DrawPart(*pComp));
}

// ---------------------------------------------------------------------------
// Golden records of the lines, the link and the group

TEST(ShapeRecords, LinkRecord)
{
    Held<CQYLinkComponent> link;
    const POINT ends[2] = {{0, 0}, {100, 40}};
    link->CreateFromPoints(ends, 2, nullptr, nullptr);
    link->SetEndArrowType(1);
    link->UpdateComp();
    link->SetLabelPoint(CPoint(-7, 9));
    const CQYBaseEndObject& head = *link->GetEndArrow();

    RecordBuilder expected;
    expected.Append(DrawPart(*link.get()));
    expected.Int(1).Int(0).Int(1); // elbow, start type, end type
    expected.Word(0);              // no start line end
    NewClass(expected, "CQYNormalArrowObject").Append(LineEndRecord(head));
    expected.Int(-7).Int(9);
    EXPECT_EQ(StoreRecord(*link.get()), expected.Get());
    EXPECT_EQ(head.m_ptLineStart, CPoint(100, 40));
    EXPECT_EQ(head.m_ptLineEnd, CPoint(100, 0));

    Held<CQYLinkComponent> loaded;
    ASSERT_EQ(LoadRecord(*loaded.get(), expected.Get()), -1);
    EXPECT_EQ(loaded->GetLabelPoint(), CPoint(-7, 9));
    EXPECT_EQ(loaded->GetEndArrowType(), 1);
    ASSERT_NE(loaded->GetEndArrow(), nullptr);
    EXPECT_TRUE(loaded->GetEndArrow()->IsKindOf(RUNTIME_CLASS(CQYNormalArrowObject)));
    EXPECT_EQ(StoreRecord(*loaded.get()), expected.Get());
}

TEST(ShapeRecords, LineAndBezierLineRecords)
{
    Held<CQYLineComponent> line;
    const POINT points[4] = {{0, 0}, {30, 50}, {60, 10}, {90, 90}};
    line->CreateFromPoints(points, 4);
    line->SetStartArrowType(39);
    line->UpdateComp();
    RecordBuilder lineRecord;
    lineRecord.Append(DrawPart(*line.get())).Int(0).Int(39).Int(0);
    NewClass(lineRecord, "CQYTArrowObject").Append(LineEndRecord(*line->GetStartArrow())).Word(0);
    EXPECT_EQ(StoreRecord(*line.get()), lineRecord.Get());

    Held<CQYBezierLineComponent> bezier;
    CArray<CPoint, CPoint> array;
    for (const POINT& p : points)
        array.Add(CPoint(p));
    bezier->CreateFromArray(array);
    bezier->SetEndArrowType(34);
    bezier->UpdateComp();
    RecordBuilder bezierRecord;
    bezierRecord.Append(DrawPart(*bezier.get())).Int(0).Int(34).Word(0);
    NewClass(bezierRecord, "CQYRounTriArrowObject").Append(LineEndRecord(*bezier->GetEndArrow()));
    EXPECT_EQ(StoreRecord(*bezier.get()), bezierRecord.Get());

    Held<CQYBezierLineComponent> loaded;
    ASSERT_EQ(LoadRecord(*loaded.get(), bezierRecord.Get()), -1);
    EXPECT_EQ(PointsOf(loaded.get()), PointsOf(bezier.get()));
    EXPECT_EQ(loaded->GetEndArrowType(), 34);
}

TEST(ShapeRecords, EmptyGroupRecord)
{
    Held<CQYGroupComponent> group;
    CRect rc(1, 2, 3, 4);
    group->Create(rc, "");
    RecordBuilder expected;
    expected.Append(DrawPart(*group.get())).Int(0); // no ports
    expected.Word(0);                               // no members
    EXPECT_EQ(StoreRecord(*group.get()), expected.Get());
}

TEST(ShapeRecords, OnePointClosedBezierStillLoads)
{
    Held<CQYPolygonComponent> polygon;
    CArray<CPoint, CPoint> one;
    one.Add(CPoint(4, 5));
    polygon->CreateFromArray(one);
    Held<CQYCloseBezierComponent> bezier;
    ASSERT_EQ(LoadRecord(*bezier.get(), DrawPart(*polygon.get())), -1);
    EXPECT_EQ(bezier->m_nCompPtCount, 1);
}

// ---------------------------------------------------------------------------
// Corrupt records

// A link record with the line-end part written by write.
Bytes LinkWith(const std::function<void(CArchive&)>& write)
{
    Held<CQYLinkComponent> link;
    const POINT ends[2] = {{0, 0}, {100, 40}};
    link->CreateFromPoints(ends, 2, nullptr, nullptr);
    return Written([&](CArchive& ar) {
        link->CQYDrawComponent::Serialize(ar);
        ar << TRUE << 1 << 1;
        write(ar);
        ar << 0 << 0;
    });
}

struct CorruptCase {
    const char* name;
    std::function<Bytes()> make;
};

class CorruptLinkRecord : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptLinkRecord, RaisesTheArchiveExceptionAndKeepsTheLink)
{
    Held<CQYLinkComponent> link;
    link->SetEndArrowType(5);
    EXPECT_NE(LoadRecord(*link.get(), GetParam().make()), -1);
    EXPECT_EQ(link->GetEndArrowType(), 5);
    ASSERT_NE(link->GetEndArrow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, CorruptLinkRecord,
                         ::testing::Values(CorruptCase{"PointCountAbove16",
                                                       [] {
                                                           CQYNormalArrowObject head;
                                                           POINT many[17] = {};
                                                           head.SetPoints(many, 17);
                                                           return LinkWith([&](CArchive& ar) {
                                                               ar.WriteObject(&head);
                                                               ar.WriteObject(nullptr);
                                                           });
                                                       }},
                                           CorruptCase{"WrongClassForALineEnd",
                                                       [] {
                                                           Held<CQYRectComponent> rect;
                                                           return LinkWith([&](CArchive& ar) {
                                                               ar.WriteObject(rect.get());
                                                               ar.WriteObject(nullptr);
                                                           });
                                                       }},
                                           CorruptCase{"SharedLineEnd",
                                                       [] {
                                                           CQYSolidArrowObject head;
                                                           return LinkWith([&](CArchive& ar) {
                                                               ar.WriteObject(&head);
                                                               ar.WriteObject(&head);
                                                           });
                                                       }},
                                           CorruptCase{"ShortRecord",
                                                       [] {
                                                           CQYSolidArrowObject head;
                                                           Bytes bytes = LinkWith([&](CArchive& ar) {
                                                               ar.WriteObject(&head);
                                                               ar.WriteObject(nullptr);
                                                           });
                                                           bytes.erase(bytes.end() - 6, bytes.end());
                                                           return bytes;
                                                       }}),
                         [](const ::testing::TestParamInfo<CorruptCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(CorruptGroupRecord, GroupInsideItselfIsRefused)
{
    // Written with the check bypassed, then untied so nothing leaks here.
    auto* pGroup = new CQYGroupComponent;
    pGroup->AddRef();
    pGroup->m_listComponents.AddTail(pGroup);
    const Bytes bytes = Written([&](CArchive& ar) { ar.WriteObject(pGroup); });
    pGroup->m_listComponents.RemoveAll();
    pGroup->Release();

    CMemFile file(const_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    int nCause = -1;
    try {
        ar.ReadObject(RUNTIME_CLASS(CQYGroupComponent));
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(nCause, CArchiveException::badIndex);
}

TEST(CorruptGroupRecord, GroupInsideItselfThroughANestedGroupIsRefused)
{
    auto* pOuter = new CQYGroupComponent;
    auto* pInner = new CQYGroupComponent;
    pOuter->AddRef();
    pOuter->m_listComponents.AddTail(pInner);
    pInner->m_listComponents.AddTail(pOuter);
    const Bytes bytes = Written([&](CArchive& ar) { ar.WriteObject(pOuter); });
    pInner->m_listComponents.RemoveAll();
    pOuter->Release();

    CMemFile file(const_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    int nCause = -1;
    try {
        ar.ReadObject(RUNTIME_CLASS(CQYGroupComponent));
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(nCause, CArchiveException::badIndex);
}

} // namespace

namespace {

// A hostile page: a rectangle whose port lists the rectangle itself as a
// link.  It loads, and its track outline draws once instead of drawing the
// port and the rectangle in turn without end.
TEST(HostileRecord, ShapeListedAsItsOwnPortsLinkDrawsItsTrackOnce)
{
    Bytes bytes;
    {
        CQYDataModel model;
        auto* pRect = new CQYRectComponent;
        CRect rc(0, 0, 50, 50);
        pRect->Create(rc, "");
        CQYPortComponent* pPort = pRect->FindPort(0.5, 0.5);
        pPort->AddLink(pRect);
        model.InsertComponent(pRect);
        bytes = SaveModel(model);
        pPort->RemoveAllLinks();
    }
    CQYDataModel loaded;
    ASSERT_EQ(LoadModel(loaded, bytes), -1);
    auto* pRect = static_cast<CQYRectComponent*>(loaded.GetComponents().GetHead());
    CDC dc;
    CBitmap bitmap;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateBitmap(60, 60, 1, 32, nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    pRect->OnDrawTrack(&dc);
    dc.SelectObject(pOld);
    // Untie the loop the document made, so the page can go.
    pRect->FindPort(0.5, 0.5)->RemoveAllLinks();
}

} // namespace
