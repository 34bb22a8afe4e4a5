#include "ArchiveBytes.h"

#include "framework/collections/Collections.h"
#include "library/model/QYCompList.h"
#include "library/model/QYDrawComponent.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

// An archived object that counts its live copies.  (Archived by class name,
// so outside the unnamed namespace.)
class CCountedAttachment : public CObject {
    DECLARE_SERIAL(CCountedAttachment)
public:
    CCountedAttachment() { ++s_nLive; }
    ~CCountedAttachment() override { --s_nLive; }
    void Serialize(CArchive&) override {}
    static int s_nLive;
};
IMPLEMENT_SERIAL(CCountedAttachment, CObject, 0)
int CCountedAttachment::s_nLive = 0;

namespace {

// Components are owned by reference count; the test holds the first one.
struct ReleaseComponent {
    void operator()(CQYDrawComponent* p) const { p->Release(); }
};
using ComponentPtr = std::unique_ptr<CQYDrawComponent, ReleaseComponent>;

ComponentPtr NewComponent()
{
    auto* p = new CQYDrawComponent;
    p->AddRef();
    return ComponentPtr(p);
}

// A four-point component on the rectangle, corners clockwise from top-left.
ComponentPtr NewRectComponent(const CRect& r)
{
    ComponentPtr p = NewComponent();
    const POINT corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    p->SetPoints(corners, 4);
    p->UpdatePosition();
    p->ResetTrackPoints();
    p->UpdateComp();
    return p;
}

std::vector<CPoint> PointsOf(CQYDrawComponent& c)
{
    return std::vector<CPoint>(c.GetPointsPtr(), c.GetPointsPtr() + c.GetPointCount());
}

TEST(DrawComponent, NewComponentCarriesOneDefaultSetAndNoPoints)
{
    ComponentPtr c = NewComponent();
    EXPECT_EQ(c->m_listProperties.GetCount(), 1);
    ASSERT_NE(c->GetDefaultProperty(), nullptr);
    EXPECT_EQ(c->GetDefaultProperty()->GetPropId(), QY_COMP_PROP_ID);
    EXPECT_EQ(c->GetPointsRect(), CRect(0, 0, 0, 0));
    c->m_rectPosition = CRect(1, 2, 3, 4);
    c->UpdatePosition();
    EXPECT_EQ(c->GetRect(), CRect(0, 0, 0, 0));
    EXPECT_FALSE(c->IsOver4ResizeHandles());
    EXPECT_EQ(RUNTIME_CLASS(CQYDrawComponent)->m_wSchema, 0u);
}

TEST(DrawComponent, CreateStoresRectangleAndCaption)
{
    ComponentPtr c = NewComponent();
    CRect r(10, 20, 30, 40);
    c->Create(r, "Rect1");
    EXPECT_EQ(c->GetRect(), r);
    EXPECT_EQ(c->GetSize(), CSize(20, 20));
    EXPECT_STREQ(c->GetObjectCaption(), "Rect1");
    c->SetObjectName("RECT1");
    EXPECT_STREQ(c->GetObjectName(), "RECT1");
    EXPECT_STREQ(c->GetFaceName(), "Tahoma");
}

TEST(DrawComponent, PointEditingChecksItsIndexes)
{
    ComponentPtr c = NewComponent();
    EXPECT_TRUE(c->AddPoint(CPoint(1, 1)));
    EXPECT_TRUE(c->InsertPoint(1, CPoint(3, 3)));  // at count: appends
    EXPECT_FALSE(c->InsertPoint(3, CPoint(9, 9))); // count + 1
    EXPECT_FALSE(c->InsertPoint(-1, CPoint(9, 9)));
    EXPECT_TRUE(c->InsertPoint(1, CPoint(2, 2)));
    EXPECT_EQ(PointsOf(*c), (std::vector<CPoint>{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(c->GetTrackPointCount(), 3);

    EXPECT_TRUE(c->RemovePoint(0));
    EXPECT_FALSE(c->RemovePoint(2));
    EXPECT_TRUE(c->OffsetPoint(1, 10, -10));
    EXPECT_FALSE(c->OffsetPoint(2, 1, 1));
    EXPECT_EQ(PointsOf(*c), (std::vector<CPoint>{{2, 2}, {13, -7}}));
    EXPECT_EQ(c->GetPointAt(5), CPoint(0, 0));
    c->SetPointAt(5, CPoint(4, 4));
    c->SetPointAt(0, CPoint(4, 4));
    EXPECT_EQ(c->GetPointAt(0), CPoint(4, 4));

    // The area follows inserts, removals and offsets; SetPointAt leaves the
    // update to its caller.
    EXPECT_EQ(c->GetCompRgn().GetCount(), 1);
    EXPECT_EQ(c->GetCompRgn().GetRect(), CRect(2, -7, 13, 2));
    c->UpdateComp();
    EXPECT_EQ(c->GetCompRgn().GetRect(), CRect(4, -7, 13, 4));
}

TEST(DrawComponent, SettingPointsFromItsOwnArrayIsSafe)
{
    ComponentPtr c = NewRectComponent(CRect(0, 0, 10, 10));
    c->SetPoints(c->GetPointsPtr(), 3);
    EXPECT_EQ(PointsOf(*c), (std::vector<CPoint>{{0, 0}, {10, 0}, {10, 10}}));
    CArray<CPoint, CPoint> points;
    c->GetPoints(&points);
    points.Add(CPoint(-1, -1));
    c->SetTrackPoints(&points);
    EXPECT_EQ(c->GetTrackPointCount(), 4);
    EXPECT_EQ(c->GetTrackRect(), CRect(-1, -1, 10, 10));
}

TEST(DrawComponent, RotationTurnsAboutTheOrigin)
{
    ComponentPtr c = NewRectComponent(CRect(0, 0, 100, 50));
    c->RotateComponent(900, 50, 25);
    const CRect r = c->GetRect();
    EXPECT_NEAR(r.Width(), 50, 1);
    EXPECT_NEAR(r.Height(), 100, 1);
    EXPECT_NEAR((r.left + r.right) / 2.0, 50, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2.0, 25, 1);
    // Clockwise on screen: the top-left corner goes to the top-right.
    EXPECT_NEAR(c->GetPointAt(0).x, 75, 1);
    EXPECT_NEAR(c->GetPointAt(0).y, -25, 1);

    ComponentPtr d = NewRectComponent(CRect(-30, 7, 100, 50));
    const std::vector<CPoint> before = PointsOf(*d);
    d->RotateComponent(3600, 12.5f, -3.0f);
    const std::vector<CPoint> after = PointsOf(*d);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_LE(std::abs(after[i].x - before[i].x), 1) << i;
        EXPECT_LE(std::abs(after[i].y - before[i].y), 1) << i;
    }
}

TEST(DrawComponent, UnitScaleStillRunsTheUpdateOrder)
{
    ComponentPtr c = NewComponent();
    const POINT pts[] = {{5, 5}, {25, 5}, {25, 15}};
    c->SetPoints(pts, 3); // position, track points and area are stale now
    c->ScaleComponent(1.0f, 1.0f, 0, 0);
    EXPECT_EQ(c->GetRect(), CRect(5, 5, 25, 15));
    EXPECT_EQ(c->GetTrackRect(), CRect(5, 5, 25, 15));
    EXPECT_TRUE(c->GetCompRgn().PtInArea(20, 7, 0));
}

TEST(DrawComponent, ScaleRoundsHalfAwayFromZero)
{
    ComponentPtr c = NewComponent();
    const POINT pts[] = {{5, -5}, {1, -1}};
    c->SetPoints(pts, 2);
    c->ScaleComponent(0.5f, 0.5f, 0, 0);
    EXPECT_EQ(PointsOf(*c), (std::vector<CPoint>{{3, -3}, {1, -1}}));
}

TEST(DrawComponent, SizeBySpotKeepsItsHandle)
{
    struct Case {
        UINT spot;
        CRect expected;
    };
    // From (0, 0, 100, 50) to 200 by 100.
    const Case cases[] = {
        {0, CRect(0, 0, 200, 100)},     {1, CRect(-50, 0, 150, 100)},   {2, CRect(-100, 0, 100, 100)},
        {3, CRect(-100, -25, 100, 75)}, {4, CRect(-100, -50, 100, 50)}, {5, CRect(-50, -50, 150, 50)},
        {6, CRect(0, -50, 200, 50)},    {7, CRect(0, -25, 200, 75)},    {9, CRect(-50, -25, 150, 75)},
    };
    for (const Case& c : cases) {
        ComponentPtr comp = NewRectComponent(CRect(0, 0, 100, 50));
        comp->SizeBySpot(CSize(200, 100), c.spot);
        EXPECT_EQ(comp->GetRect(), c.expected) << c.spot;
        EXPECT_EQ(comp->GetTrackRect(), c.expected) << c.spot;
    }

    ComponentPtr unchanged = NewRectComponent(CRect(0, 0, 100, 50));
    unchanged->SizeBySpot(CSize(0, 100), 0);
    EXPECT_EQ(unchanged->GetRect(), CRect(0, 0, 100, 50));
}

TEST(DrawComponent, FlatComponentsScaleOnlyTheirExtentAxis)
{
    // A horizontal line has no height: only its width follows.
    ComponentPtr line = NewComponent();
    const POINT pts[] = {{10, 20}, {60, 20}};
    line->SetPoints(pts, 2);
    line->UpdatePosition();
    line->SizeBySpot(CSize(100, 40), 0);
    EXPECT_EQ(line->GetRect(), CRect(10, 20, 110, 20));

    line->PositionComponent(CRect(0, 0, 50, 30));
    EXPECT_EQ(line->GetRect(), CRect(0, 0, 50, 0));

    ComponentPtr point = NewComponent();
    const POINT single[] = {{7, 7}};
    point->SetPoints(single, 1);
    point->UpdatePosition();
    point->SizeBySpot(CSize(10, 10), 4);
    EXPECT_EQ(point->GetRect(), CRect(7, 7, 7, 7));
}

TEST(DrawComponent, PositionFitsTheRectangle)
{
    ComponentPtr c = NewRectComponent(CRect(10, 10, 110, 60));
    c->PositionComponent(CRect(-20, 0, 30, 100));
    EXPECT_EQ(c->GetRect(), CRect(-20, 0, 30, 100));
    c->PositionComponent(CRect(5, 5, 5, 50)); // empty: nothing
    EXPECT_EQ(c->GetRect(), CRect(-20, 0, 30, 100));
}

TEST(DrawComponent, HandlesAreNumberedClockwiseFromTopLeft)
{
    ComponentPtr c = NewRectComponent(CRect(0, 0, 101, 51));
    CArray<CPoint, CPoint> handles;
    handles.Add(CPoint(99, 99));
    c->GetNormalSpotLocation(&handles);
    const CPoint expected[8] = {{0, 0}, {50, 0}, {101, 0}, {101, 25}, {101, 51}, {50, 51}, {0, 51}, {0, 25}};
    ASSERT_EQ(handles.GetSize(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(handles[i], expected[i]) << i;
    c->GetPointSpotLocation(&handles);
    EXPECT_EQ(handles.GetSize(), 4);
    EXPECT_EQ(handles[2], CPoint(101, 51));
}

TEST(DrawComponent, SizeTrackBySpotMovesTheOppositeEdges)
{
    struct Case {
        UINT spot;
        CRect expected;
    };
    const CRect r(0, 0, 100, 50);
    const CPoint pt(70, 30);
    const Case cases[] = {
        {0, CRect(0, 0, 70, 30)},   {1, CRect(0, 0, 100, 30)},   {2, CRect(70, 0, 100, 30)},
        {3, CRect(70, 0, 100, 50)}, {4, CRect(70, 30, 100, 50)}, {5, CRect(0, 30, 100, 50)},
        {6, CRect(0, 30, 70, 50)},  {7, CRect(0, 0, 70, 50)},    {8, CRect(0, 0, 100, 50)},
    };
    for (const Case& c : cases) {
        ComponentPtr comp = NewRectComponent(r);
        comp->SizeTrackBySpot(r, c.spot, pt, 0, 0);
        const LPPOINT t = comp->GetTrackPointsPtr();
        EXPECT_EQ(CPoint(t[0]), c.expected.TopLeft()) << c.spot;
        EXPECT_EQ(CPoint(t[1]), CPoint(c.expected.left, c.expected.bottom)) << c.spot;
        EXPECT_EQ(CPoint(t[2]), c.expected.BottomRight()) << c.spot;
        EXPECT_EQ(CPoint(t[3]), CPoint(c.expected.right, c.expected.top)) << c.spot;
        EXPECT_EQ(comp->GetRect(), r) << c.spot; // the points stay
    }
}

TEST(DrawComponent, TrackPointsMoveApartFromThePoints)
{
    ComponentPtr c = NewRectComponent(CRect(0, 0, 10, 10));
    c->MoveTrackComponent(5, -5, 0, 0);
    EXPECT_TRUE(c->OffsetTrackPoint(0, 1, 1));
    EXPECT_FALSE(c->OffsetTrackPoint(4, 1, 1));
    EXPECT_EQ(c->GetTrackRect(), CRect(5, -5, 15, 5));
    c->ScaleTrackComponent(2.0f, 2.0f, 0, 0);
    EXPECT_EQ(c->GetTrackRect(), CRect(10, -10, 30, 10));
    c->RotateTrackComponent(1800, 0, 0);
    EXPECT_EQ(c->GetTrackRect(), CRect(-30, -10, -10, 10));
    EXPECT_EQ(c->GetRect(), CRect(0, 0, 10, 10));
    c->ResetTrackPoints();
    EXPECT_EQ(c->GetTrackRect(), CRect(0, 0, 10, 10));
}

TEST(DrawComponent, PropertyListKeepsIdsUnique)
{
    ComponentPtr c = NewComponent();
    CQYBaseProperties custom(5101);
    EXPECT_TRUE(c->AddProperty(&custom));
    EXPECT_FALSE(c->AddProperty(&custom));
    CQYCompProperties duplicate;
    EXPECT_FALSE(c->AddProperty(&duplicate));
    CQYBaseProperties* pFound = c->FindProperty(5101);
    ASSERT_NE(pFound, nullptr);
    EXPECT_NE(pFound, &custom); // a copy is stored
    EXPECT_TRUE(c->RemoveProperty(5101));
    EXPECT_FALSE(c->RemoveProperty(5101));
    delete pFound; // removal hands the object back
    EXPECT_EQ(c->FindProperty(5101), nullptr);
    c->RemoveAllProperties();
    EXPECT_EQ(c->GetDefaultProperty(), nullptr);
    EXPECT_STREQ(c->GetObjectName(), "");
    c->SetObjectName("ignored");
}

TEST(DrawComponent, CopyIsDeepAndLeavesTheAttachedObjectBehind)
{
    ComponentPtr c = NewRectComponent(CRect(1, 2, 3, 4));
    c->SetObjectCaption("Cap");
    c->m_pAttachedObject = new CQYBaseProperties(7);
    ComponentPtr copy(c->Copy());
    copy->AddRef();
    EXPECT_TRUE(copy->GetRuntimeClass() == RUNTIME_CLASS(CQYDrawComponent));
    EXPECT_EQ(PointsOf(*copy), PointsOf(*c));
    EXPECT_EQ(copy->m_pAttachedObject, nullptr);
    EXPECT_NE(copy->GetDefaultProperty(), c->GetDefaultProperty());
    c.reset();
    EXPECT_STREQ(copy->GetObjectCaption(), "Cap");
}

// The record of a two-point component with the default set of PropertiesTest.
Bytes ComponentRecord(int nPointCount, const Bytes& points)
{
    CQYCompProperties props;
    props.SetObjectName("N");
    return RecordBuilder()
        .Int(1)
        .Int(0)
        .Int(0)
        .Int(30)
        .Int(40)
        .Word(1)
        .Word(0xFFFF)
        .Word(1)
        .Word(17)
        .Raw("CQYCompProperties")
        .Append(StoreRecord(props))
        .Word(0)
        .Int(nPointCount)
        .Append(points)
        .Get();
}

TEST(DrawComponentArchive, GoldenBytesAndRoundTrip)
{
    ComponentPtr c = NewComponent();
    const POINT pts[] = {{0, 0}, {30, 40}};
    c->SetPoints(pts, 2);
    c->UpdatePosition();
    c->SetOver4ResizeHandles(TRUE);
    c->SetObjectName("N");
    const Bytes points = RecordBuilder().Int(0).Int(0).Int(30).Int(40).Get();
    const Bytes record = StoreRecord(*c);
    EXPECT_EQ(record, ComponentRecord(2, points));

    ComponentPtr loaded = NewComponent();
    ASSERT_EQ(LoadRecord(*loaded, record), -1);
    EXPECT_TRUE(loaded->IsOver4ResizeHandles());
    EXPECT_EQ(loaded->GetRect(), CRect(0, 0, 30, 40));
    EXPECT_EQ(loaded->m_listProperties.GetCount(), 1); // replaced the default set
    EXPECT_STREQ(loaded->GetObjectName(), "N");
    EXPECT_EQ(PointsOf(*loaded), (std::vector<CPoint>{{0, 0}, {30, 40}}));
    EXPECT_EQ(StoreRecord(*loaded), record);
}

TEST(DrawComponentArchive, AttachedObjectTravelsWithTheRecord)
{
    ComponentPtr c = NewComponent();
    c->m_pAttachedObject = new CQYBaseProperties(42);
    ComponentPtr loaded = NewComponent();
    ASSERT_EQ(LoadRecord(*loaded, StoreRecord(*c)), -1);
    auto* pAttached = DYNAMIC_DOWNCAST(CQYBaseProperties, loaded->m_pAttachedObject);
    ASSERT_NE(pAttached, nullptr);
    EXPECT_EQ(pAttached->GetPropId(), 42);
}

TEST(DrawComponentArchive, CorruptRecordsAreRefusedWithoutLeaks)
{
    const Bytes onePoint = RecordBuilder().Int(5).Int(6).Get();
    Bytes wrongClass = RecordBuilder()
                           .Int(0)
                           .Int(0)
                           .Int(0)
                           .Int(0)
                           .Int(0)
                           .Word(1)
                           .Word(0xFFFF)
                           .Word(0)
                           .Word(7)
                           .Raw("CQYArea")
                           .Word(0)
                           .Int(0)
                           .Get();
    struct Case {
        const char* name;
        Bytes record;
        int cause;
    };
    const Case cases[] = {
        {"negative point count", ComponentRecord(-1, {}), CArchiveException::generic},
        {"more points than bytes", ComponentRecord(1000000, onePoint), CArchiveException::endOfFile},
        {"points cut short", ComponentRecord(2, onePoint), CArchiveException::endOfFile},
        {"a point too far out to move", ComponentRecord(1, RecordBuilder().Int(0x7FFFFFFF).Int(0).Get()),
         CArchiveException::generic},
        {"a point too far out below", ComponentRecord(1, RecordBuilder().Int(0).Int(INT_MIN).Get()),
         CArchiveException::generic},
        {"a non-property object in the property list", wrongClass, CArchiveException::badClass},
        {"empty record", Bytes(), CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        ComponentPtr comp = NewRectComponent(CRect(1, 1, 9, 9));
        comp->SetObjectName("kept");
        const Bytes before = StoreRecord(*comp);
        EXPECT_EQ(LoadRecord(*comp, c.record), c.cause) << c.name;
        EXPECT_EQ(StoreRecord(*comp), before) << c.name;
    }
}

// The attached object may be a collection that does not own its objects:
// when a later part of the record fails, the objects it read go with it.
TEST(DrawComponentArchive, AFailedRecordFreesTheObjectsOfAnAttachedCollection)
{
    CCountedAttachment first;
    CCountedAttachment second;
    auto* pArray = new CObArray;
    pArray->Add(&first);
    pArray->Add(&second);
    auto* pList = new CObList;
    pList->AddTail(&first);
    auto* pMap = new CMapStringToOb;
    pMap->SetAt("a", &first);
    pMap->SetAt("b", pList);
    for (CObject* pAttached : std::vector<CObject*>{pArray, pMap}) {
        ComponentPtr comp = NewRectComponent(CRect(1, 1, 9, 9));
        comp->m_pAttachedObject = pAttached;
        Bytes record = StoreRecord(*comp);
        comp->m_pAttachedObject = nullptr;
        ASSERT_GT(record.size(), 4u);
        record.erase(record.end() - 4, record.end()); // the last point cut short
        ComponentPtr loaded = NewComponent();
        EXPECT_EQ(LoadRecord(*loaded, record), CArchiveException::endOfFile);
        EXPECT_EQ(CCountedAttachment::s_nLive, 2); // the test's own two
    }
    delete pArray;
    delete pMap;
    delete pList;
}

// A component owns its property sets and its attached object outright, so a
// record may not hand it an object that someone else already holds.  The
// records are made by storing components that share objects for the moment
// of the store.
TEST(DrawComponentArchive, OwnedObjectsMustBeNewInTheRecord)
{
    enum Sharing {
        SetOfTheFirst,
        SameSetTwice,
        ItselfAttached,
        OtherAttached,
        NewComponentAttached,
        SetOfTheFirstAttached
    };
    struct Case {
        const char* name;
        Sharing sharing;
        int cause;
    };
    const Case cases[] = {
        {"a property set of another component", SetOfTheFirst, CArchiveException::badIndex},
        {"one property set twice", SameSetTwice, CArchiveException::badIndex},
        {"the component attached to itself", ItselfAttached, CArchiveException::badIndex},
        {"another component attached", OtherAttached, CArchiveException::badIndex},
        {"a component of its own attached", NewComponentAttached, CArchiveException::badClass},
        {"another component's property set attached", SetOfTheFirstAttached, CArchiveException::badIndex},
    };
    for (const Case& c : cases) {
        ComponentPtr first = NewComponent();
        ComponentPtr second = NewComponent();
        CObject* pFirstSet = first->m_listProperties.GetHead();
        CObject* pSecondSet = second->m_listProperties.GetHead();
        ComponentPtr extra = NewComponent();
        switch (c.sharing) {
        case SetOfTheFirst: second->m_listProperties.AddTail(pFirstSet); break;
        case SameSetTwice: second->m_listProperties.AddTail(pSecondSet); break;
        case ItselfAttached: second->m_pAttachedObject = second.get(); break;
        case OtherAttached: second->m_pAttachedObject = first.get(); break;
        case NewComponentAttached: second->m_pAttachedObject = extra.get(); break;
        case SetOfTheFirstAttached: second->m_pAttachedObject = pFirstSet; break;
        }
        CQYCompList list;
        list.AddTail(first.get());
        list.AddTail(second.get());
        const Bytes bytes = StoreRecord(list);
        // Back to single ownership before anything is destroyed.
        if (second->m_listProperties.GetCount() == 2)
            second->m_listProperties.RemoveTail();
        second->m_pAttachedObject = nullptr;

        CQYCompList loaded;
        EXPECT_EQ(LoadRecord(loaded, bytes), c.cause) << c.name;
        EXPECT_TRUE(loaded.IsEmpty()) << c.name;
    }
}

} // namespace
