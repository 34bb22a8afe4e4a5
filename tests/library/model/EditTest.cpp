// The data model's factory, names, editing operations, hit tests and
// component commands, with the real shape classes.
#include "ArchiveBytes.h"

#include "library/model/QYCompCommandBases.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYCompTypeTable.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYBezierLineComponent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLineComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct DropCase {
    int nType;
    CRect rect;
    CRect expected;
};

class DropRect : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropRect, FactoryPlacesTheNewComponent)
{
    CQYDataModel model;
    const DropCase& c = GetParam();
    CQYDrawComponent* pComp = model.GetComponentByType(c.nType, c.rect, "", 0);
    ASSERT_NE(pComp, nullptr);
    EXPECT_EQ(pComp->GetRect(), c.expected);
    pComp->Release();
}

INSTANTIATE_TEST_SUITE_P(
    Table, DropRect,
    ::testing::Values(DropCase{QY_COMP_RECTANGLE, CRect(100, 100, 100, 100), CRect(30, 60, 170, 140)},
                      // Width 10 and height 19 is too small; 11 or 20 is kept.
                      DropCase{QY_COMP_RECTANGLE, CRect(100, 100, 110, 119), CRect(30, 60, 170, 140)},
                      DropCase{QY_COMP_RECTANGLE, CRect(100, 100, 111, 119), CRect(100, 100, 111, 119)},
                      DropCase{QY_COMP_RECTANGLE, CRect(100, 100, 110, 120), CRect(100, 100, 110, 120)},
                      // Un-normalised: replaced around the first corner as given.
                      DropCase{QY_COMP_RECTANGLE, CRect(200, 100, 195, 110), CRect(130, 60, 270, 140)},
                      DropCase{QY_COMP_TRIANGLE, CRect(100, 100, 100, 100), CRect(30, 30, 170, 170)}));

TEST(Factory, VerticalScrollBarExtentsWithoutItsClass)
{
    // The form controls' classes are not loaded here: the code makes
    // nothing, while the drop rectangle rule still knows the type.
    CQYDataModel model;
    EXPECT_EQ(model.GetComponentByType(QY_COMP_VSCROLLBAR, CRect(100, 100, 100, 100), "", 0), nullptr);
    EXPECT_EQ(QYDropRectForType(QY_COMP_VSCROLLBAR, CRect(100, 100, 100, 100)), CRect(90, 50, 111, 150));
    // Codes that keep the rectangle as it is: polygons and custom codes.
    EXPECT_EQ(QYDropRectForType(QY_COMP_POLYGON, CRect(100, 100, 100, 100)), CRect(100, 100, 100, 100));
}

TEST(Factory, CodesThatMakeNothing)
{
    CQYDataModel model;
    for (int nType : {0, 25, 26, 31, 34, 50, 72, 89, 91, 27, 28, 29, 101})
        EXPECT_EQ(model.GetComponentByType(nType, CRect(0, 0, 100, 100), "", 0), nullptr) << nType;
}

TEST(Factory, LabelsAndPictures)
{
    CQYDataModel model;
    struct {
        int nType;
        const char* pszName;
    } const cases[] = {{QY_COMP_STATIC, "STATIC1"}, {QY_COMP_IMAGE, "IMAGE1"}, {QY_COMP_HYLINK, "HYLINK1"}};
    for (const auto& c : cases) {
        // The picture's file does not exist: the image is still made and named.
        CQYDrawComponent* pComp =
            model.GetComponentByType(c.nType, CRect(100, 100, 300, 200), "/nonexistent/picture.bmp", 0);
        ASSERT_NE(pComp, nullptr) << c.nType;
        EXPECT_EQ(pComp->GetDefaultProperty()->GetType(), c.nType);
        EXPECT_STREQ(pComp->GetObjectName(), c.pszName);
        pComp->Release();
    }
}

TEST(Factory, TypeCodeIsReadBackAndNamesFollowIt)
{
    CQYDataModel model;
    for (int nType = QY_COMP_DIAMOND_SHAPE; nType <= QY_COMP_ROUNDCALLOUT; ++nType) {
        CQYDrawComponent* pComp = model.GetComponentByType(nType, CRect(0, 0, 100, 100), "", 0);
        ASSERT_NE(pComp, nullptr) << nType;
        EXPECT_EQ(pComp->GetDefaultProperty()->GetType(), nType);
        EXPECT_STREQ(pComp->GetObjectCaption(), "Custom1");
        EXPECT_STREQ(pComp->GetObjectName(), "CUSTOM1");
        pComp->Release();
    }
}

struct NameCase {
    int nType;
    const char* pszName;
    const char* pszCaption;
};

class UniqueNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(UniqueNames, FirstFreeNumberOfThePattern)
{
    CQYDataModel model;
    const NameCase& c = GetParam();
    EXPECT_STREQ(model.GetUniqueName(c.nType), c.pszName);
    EXPECT_STREQ(model.GetUniqueCaption(c.nType), c.pszCaption);
}

INSTANTIATE_TEST_SUITE_P(Table, UniqueNames,
                         ::testing::Values(NameCase{QY_COMP_RECTANGLE, "RECTANGLE1", "Rectangle1"},
                                           NameCase{QY_COMP_STATICRECT, "STATICRECT1", "StaticRect1"},
                                           NameCase{QY_COMP_GROUP, "GROUP1", "Group1"},
                                           NameCase{QY_COMP_LINK, "LINK1", "Link1"},
                                           NameCase{QY_COMP_HYLINK, "HYLINK1", "HyLink1"},
                                           NameCase{QY_COMP_VSCROLLBAR, "VSCROLLBAR1", "VScrollBar1"},
                                           NameCase{QY_COMP_NONE, "CUSTOM1", "Custom1"},
                                           NameCase{QY_COMP_WMF, "CUSTOM1", "Custom1"},
                                           NameCase{QY_COMP_CUSTOM, "CUSTOM1", "Custom1"}));

// A rectangle made by the factory and put on the page directly.
CQYDrawComponent* PutRect(CQYDataModel& model, const CRect& rect)
{
    CQYDrawComponent* pComp = model.GetComponentByType(QY_COMP_RECTANGLE, rect, "", 0);
    model.InsertComponent(pComp);
    pComp->Release();
    return pComp;
}

TEST(UniqueNames, FillsTheFirstGap)
{
    CQYDataModel model;
    PutRect(model, CRect(0, 0, 50, 50));
    CQYDrawComponent* pSecond = PutRect(model, CRect(0, 0, 50, 50));
    PutRect(model, CRect(0, 0, 50, 50));
    EXPECT_STREQ(pSecond->GetObjectName(), "RECTANGLE2");
    model.RemoveComponent(pSecond);
    EXPECT_STREQ(model.GetUniqueName(QY_COMP_RECTANGLE), "RECTANGLE2");
    EXPECT_STREQ(model.GetUniqueCaption(QY_COMP_RECTANGLE), "Rectangle2");
    EXPECT_TRUE(model.IsNameUsed("RECTANGLE3"));
    EXPECT_FALSE(model.IsNameUsed("rectangle3"));
}

// Texts that only look like a pattern's number take none: a leading zero,
// trailing text, other case, no digits, a number beyond the page.
TEST(UniqueNames, OnlyExactPatternTextsTakeANumber)
{
    CQYDataModel model;
    const char* const kNames[] = {"RECTANGLE01", "RECTANGLE1X",          "RECTANGLE", "XRECTANGLE1", "rectangle1",
                                  "RECTANGLE-1", "RECTANGLE99999999999", "RECTANGLE2"};
    for (const char* pszName : kNames) {
        CQYDrawComponent* pComp = PutRect(model, CRect(0, 0, 50, 50));
        pComp->SetObjectName(pszName);
        pComp->SetObjectCaption(CString(pszName).Mid(0, 1) + "x");
    }
    EXPECT_STREQ(model.GetUniqueName(QY_COMP_RECTANGLE), "RECTANGLE1");
    EXPECT_STREQ(model.GetUniqueCaption(QY_COMP_RECTANGLE), "Rectangle1");
}

// A derived model that counts more texts as used is heard on every number.
class ReservingModel : public CQYDataModel {
public:
    BOOL IsNameUsed(LPCTSTR lpszName) override
    {
        return CString(lpszName) == "RECTANGLE1" || CQYDataModel::IsNameUsed(lpszName);
    }
    BOOL IsCaptionUsed(LPCTSTR lpszCaption) override
    {
        return CString(lpszCaption) == "Rectangle3" || CQYDataModel::IsCaptionUsed(lpszCaption);
    }
};

TEST(UniqueNames, ADerivedModelsTestHasTheLastWord)
{
    ReservingModel model;
    CQYDrawComponent* pComp = PutRect(model, CRect(0, 0, 50, 50));
    EXPECT_STREQ(pComp->GetObjectName(), "RECTANGLE2");
    EXPECT_STREQ(pComp->GetObjectCaption(), "Rectangle1");
    pComp = PutRect(model, CRect(0, 0, 50, 50));
    EXPECT_STREQ(pComp->GetObjectName(), "RECTANGLE3");
    EXPECT_STREQ(pComp->GetObjectCaption(), "Rectangle2");
    EXPECT_STREQ(model.GetUniqueCaption(QY_COMP_RECTANGLE), "Rectangle4");
}

int TabOrderOf(CQYDrawComponent* pComp)
{
    return pComp->GetDefaultProperty()->m_nTabOrder;
}

std::vector<CQYDrawComponent*> PageOrder(CQYDataModel& model)
{
    std::vector<CQYDrawComponent*> comps;
    CQYCompList& list = model.GetComponents();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        comps.push_back(list.GetNext(pos));
    return comps;
}

// Removing and restoring many components in one pass gives what one at a
// time gives: the recorded places, the drawing order and every tab order,
// also when tab orders changed in between, and on pages whose tab orders
// repeat (where the one-at-a-time path runs).
TEST(ManyAtOnce, RemoveAndRestoreAsOneAtATime)
{
    unsigned seed = 7;
    const auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % n);
    };
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        CQYDataModel batch;
        CQYDataModel single;
        const int n = 3 + next(12);
        std::vector<CQYDrawComponent*> a;
        std::vector<CQYDrawComponent*> b;
        std::vector<int> values(static_cast<size_t>(3 * n));
        for (int i = 0; i < 3 * n; ++i)
            values[static_cast<size_t>(i)] = i + 1;
        for (int i = 0; i < 3 * n; ++i)
            std::swap(values[static_cast<size_t>(i)], values[static_cast<size_t>(next(static_cast<unsigned>(3 * n)))]);
        if (round % 5 == 4)
            values[1] = values[0]; // a repeated tab order
        for (int i = 0; i < n; ++i) {
            // Held by the test too, as a command holds what it removes.
            a.push_back(PutRect(batch, CRect(i, i, i + 50, i + 50)));
            b.push_back(PutRect(single, CRect(i, i, i + 50, i + 50)));
            a.back()->AddRef();
            b.back()->AddRef();
            a.back()->GetDefaultProperty()->m_nTabOrder = values[static_cast<size_t>(i)];
            b.back()->GetDefaultProperty()->m_nTabOrder = values[static_cast<size_t>(i)];
        }
        // A random selection in a random order, one component twice.
        std::vector<int> chosen;
        for (int i = 0; i < n; ++i) {
            if (next(2) == 0)
                chosen.insert(chosen.begin() + next(static_cast<unsigned>(chosen.size() + 1)), i);
        }
        if (!chosen.empty())
            chosen.push_back(chosen.front());
        std::vector<CQYDrawComponent*> listA;
        for (int i : chosen)
            listA.push_back(a[static_cast<size_t>(i)]);
        CQYCompPlaces placesA;
        CQYCompPlaces placesB;
        batch.RemoveComponentsInTurn(listA, placesA);
        for (int i : chosen) {
            QY_COMP_PLACE place{b[static_cast<size_t>(i)], -1, 0};
            if (single.FindComponentPlace(place.pComp, place.nIndex, place.nTabOrder) &&
                single.RemoveComponent(place.pComp))
                placesB.push_back(place);
        }
        const auto same = [&] {
            ASSERT_EQ(PageOrder(batch).size(), PageOrder(single).size());
            for (int i = 0; i < n; ++i) {
                const auto at = [](std::vector<CQYDrawComponent*> order, CQYDrawComponent* p) {
                    return std::find(order.begin(), order.end(), p) - order.begin();
                };
                ASSERT_EQ(at(PageOrder(batch), a[static_cast<size_t>(i)]),
                          at(PageOrder(single), b[static_cast<size_t>(i)]));
                ASSERT_EQ(TabOrderOf(a[static_cast<size_t>(i)]), TabOrderOf(b[static_cast<size_t>(i)])) << i;
            }
        };
        ASSERT_EQ(placesA.size(), placesB.size());
        for (size_t i = 0; i < placesA.size(); ++i) {
            EXPECT_EQ(placesA[i].nIndex, placesB[i].nIndex);
            EXPECT_EQ(placesA[i].nTabOrder, placesB[i].nTabOrder);
        }
        same();
        // Two of those left exchange their tab orders before the undo.
        std::vector<CQYDrawComponent*> leftA = PageOrder(batch);
        if (leftA.size() >= 2 && round % 2 == 1) {
            const size_t first = static_cast<size_t>(std::find(a.begin(), a.end(), leftA.front()) - a.begin());
            const size_t last = static_cast<size_t>(std::find(a.begin(), a.end(), leftA.back()) - a.begin());
            for (auto* pair : {&a, &b}) {
                const int nFirst = TabOrderOf((*pair)[first]);
                (*pair)[first]->GetDefaultProperty()->m_nTabOrder = TabOrderOf((*pair)[last]);
                (*pair)[last]->GetDefaultProperty()->m_nTabOrder = nFirst;
            }
        }
        batch.RestoreComponentsInTurn(placesA);
        for (auto it = placesB.rbegin(); it != placesB.rend(); ++it)
            single.RestoreComponent(it->pComp, it->nIndex, it->nTabOrder);
        same();
        for (int i = 0; i < n; ++i) {
            a[static_cast<size_t>(i)]->Release();
            b[static_cast<size_t>(i)]->Release();
        }
    }
}

class ThreeRects : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i)
            m_comps.push_back(PutRect(m_model, CRect(i * 100, 0, i * 100 + 50, 50)));
        m_model.SetModifiedFlag(FALSE);
    }
    CQYDataModel m_model;
    std::vector<CQYDrawComponent*> m_comps;
};

TEST_F(ThreeRects, UndoOfARemovalRestoresDrawingAndTabOrder)
{
    m_model.Execute(new CQYRemoveCompCommand(&m_model, m_comps[1]), TRUE);
    EXPECT_EQ(TabOrderOf(m_comps[2]), 2);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(PageOrder(m_model), m_comps);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(TabOrderOf(m_comps[i]), i + 1);
    ASSERT_TRUE(m_model.Redo());
    EXPECT_EQ(PageOrder(m_model), (std::vector<CQYDrawComponent*>{m_comps[0], m_comps[2]}));
}

TEST_F(ThreeRects, UndoOfAListRemovalRestoresPlaces)
{
    CQYCompList list;
    list.AddTail(m_comps[2]);
    list.AddTail(m_comps[0]);
    ASSERT_TRUE(m_model.Execute(new CQYRemoveCompsCommand(&m_model, &list), TRUE));
    EXPECT_EQ(TabOrderOf(m_comps[1]), 1);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(PageOrder(m_model), m_comps);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(TabOrderOf(m_comps[i]), i + 1);
}

TEST_F(ThreeRects, RemovingWhatIsNotOnThePageIsNotRecorded)
{
    CQYDrawComponent* pOther = m_model.GetComponentByType(QY_COMP_RECTANGLE, CRect(0, 0, 50, 50), "", 0);
    CQYCompList list;
    list.AddTail(pOther);
    EXPECT_FALSE(m_model.Execute(new CQYRemoveCompsCommand(&m_model, &list), TRUE));
    EXPECT_FALSE(m_model.Execute(new CQYMoveCompCommand(&m_model, pOther, 5, 5), TRUE));
    EXPECT_FALSE(m_model.CanUndo());
    pOther->Release();
}

TEST_F(ThreeRects, MovingAListByNothingIsNotRecorded)
{
    CQYCompList list;
    list.AddTail(m_comps[0]);
    EXPECT_EQ(m_model.MoveComponents(&list, 0, 0), 0);
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_FALSE(m_model.Execute(new CQYMoveCompsCommand(&m_model, &list, 0, 0), TRUE));
    EXPECT_FALSE(m_model.CanUndo());
    EXPECT_TRUE(m_model.Execute(new CQYMoveCompsCommand(&m_model, &list, 7, -3), TRUE));
    EXPECT_EQ(m_comps[0]->GetRect(), CRect(7, -3, 57, 47));
    EXPECT_EQ(m_comps[0]->GetAuxRect(), CRect(7, -3, 57, 47));
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(m_comps[0]->GetRect(), CRect(0, 0, 50, 50));
}

TEST_F(ThreeRects, ScaleAboutAHandleAndRotateByNothing)
{
    CQYCompList list;
    list.AddTail(m_comps[1]);
    EXPECT_FALSE(m_model.ScaleComponents(&list, 1.0f, 1.0f, 6));
    EXPECT_TRUE(m_model.ScaleComponents(&list, 2.0f, 1.0f, 6));
    EXPECT_EQ(m_comps[1]->GetRect(), CRect(100, 0, 200, 50));
    EXPECT_FALSE(m_model.RotateComponents(&list, 0));
}

TEST_F(ThreeRects, HitTestFindsTheTopmostWithTolerance)
{
    CQYDrawComponent* pTop = PutRect(m_model, CRect(20, 20, 80, 80));
    EXPECT_EQ(m_model.HitTest(30, 30), pTop);
    EXPECT_EQ(m_model.HitTest(10, 10), m_comps[0]);
    EXPECT_EQ(m_model.HitTest(1, 10), m_comps[0]);
    EXPECT_EQ(m_model.HitTest(-20, 10), nullptr);
    EXPECT_EQ(m_model.HitTest(95, 200), nullptr);
    EXPECT_EQ(m_model.HitTestPortArea(155, 55), m_comps[1]);
}

TEST_F(ThreeRects, HitTestFollowsAMoveAtOnce)
{
    CQYCompList list;
    list.AddTail(m_comps[0]);
    ASSERT_TRUE(m_model.Execute(new CQYMoveCompsCommand(&m_model, &list, 0, 300), TRUE));
    EXPECT_EQ(m_model.HitTest(25, 325), m_comps[0]);
    EXPECT_EQ(m_model.HitTest(25, 25), nullptr);
}

TEST_F(ThreeRects, SwapTabOrderAndExtent)
{
    EXPECT_EQ(m_model.SwapTabOrder(3, m_comps[0]), m_comps[2]);
    EXPECT_EQ(TabOrderOf(m_comps[0]), 3);
    EXPECT_EQ(TabOrderOf(m_comps[2]), 1);
    EXPECT_EQ(m_model.SwapTabOrder(9, m_comps[0]), nullptr);
    EXPECT_EQ(m_model.GetComponentsExtent(), CSize(250, 50));
}

TEST_F(ThreeRects, AddAndRemoveLastLeavesTheDocumentAsItWas)
{
    const Bytes before = StoreRecord(m_model);
    CQYDrawComponent* pDropped = m_model.GetComponentByType(QY_COMP_RECTANGLE, CRect(0, 0, 50, 50), "", 0);
    EXPECT_TRUE(m_model.AddAndRemoveLast(pDropped));
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_FALSE(m_model.CanUndo());
    EXPECT_EQ(StoreRecord(m_model), before);
}

TEST_F(ThreeRects, GroupAndUngroupDirectly)
{
    CQYCompList list;
    list.AddTail(m_comps[0]);
    list.AddTail(m_comps[1]);
    auto* pGroup = new CQYGroupComponent;
    pGroup->AddRef();
    pGroup->AddRef();                   // kept by the test; GroupComponents drops one
    CRect rectMade(100, 100, 200, 200); // where the view makes a new group
    pGroup->Create(rectMade, "");
    EXPECT_FALSE(m_model.GroupComponents(nullptr, pGroup));
    ASSERT_TRUE(m_model.GroupComponents(&list, pGroup));
    EXPECT_EQ(PageOrder(m_model), (std::vector<CQYDrawComponent*>{m_comps[2], pGroup}));
    EXPECT_STREQ(pGroup->GetObjectName(), "GROUP1");
    EXPECT_EQ(TabOrderOf(pGroup), 2);
    EXPECT_EQ(pGroup->GetRect(), CRect(0, 0, 150, 50));
    // The group is hit over its members' rectangle, and no longer where it
    // was made.
    EXPECT_EQ(m_model.HitTest(120, 25), pGroup);
    EXPECT_EQ(m_model.HitTest(75, 25), pGroup);
    EXPECT_EQ(m_model.HitTest(150, 150), nullptr);
    ASSERT_TRUE(m_model.UnGroupComponent(pGroup));
    EXPECT_EQ(PageOrder(m_model), (std::vector<CQYDrawComponent*>{m_comps[2], m_comps[0], m_comps[1]}));
    EXPECT_EQ(pGroup->GetComponents()->GetCount(), 2);
    pGroup->Release();
}

// Two rectangles side by side, joined by a link from the right middle
// port of the first to the left middle port of the second.
class LinkedPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_model.AddNewComponent(QY_COMP_RECTANGLE, CRect(0, 0, 100, 60), "");
        m_model.AddNewComponent(QY_COMP_RECTANGLE, CRect(300, 200, 400, 260), "");
        std::vector<CQYDrawComponent*> comps = PageOrder(m_model);
        m_pA = static_cast<CQYRectComponent*>(comps[0]);
        m_pB = static_cast<CQYRectComponent*>(comps[1]);
        m_pFrom = m_pA->FindPort(1, 0.5);
        m_pTo = m_pB->FindPort(0, 0.5);
        ASSERT_NE(m_pFrom, nullptr);
        ASSERT_NE(m_pTo, nullptr);
        m_pLink = new CQYLinkComponent;
        m_pLink->AddRef();
        CArray<CPoint, CPoint> points;
        points.Add(m_pFrom->GetLinkPoint());
        points.Add(m_pTo->GetLinkPoint());
        m_model.AddNewLink(m_pLink, &points, m_pFrom, m_pTo, TRUE);
    }
    void TearDown() override { m_pLink->Release(); }

    CQYDataModel m_model;
    CQYRectComponent* m_pA = nullptr;
    CQYRectComponent* m_pB = nullptr;
    CQYPortComponent* m_pFrom = nullptr;
    CQYPortComponent* m_pTo = nullptr;
    CQYLinkComponent* m_pLink = nullptr;
};

TEST_F(LinkedPage, NewLinkIsNamedBoundAndArrowed)
{
    EXPECT_STREQ(m_pA->GetObjectName(), "RECTANGLE1");
    EXPECT_STREQ(m_pB->GetObjectName(), "RECTANGLE2");
    EXPECT_STREQ(m_pLink->GetObjectName(), "LINK1");
    EXPECT_EQ(m_pLink->GetFromPort(), m_pFrom);
    EXPECT_EQ(m_pLink->GetToPort(), m_pTo);
    EXPECT_EQ(m_pLink->GetEndArrowType(), 3);
    EXPECT_EQ(m_model.GetUndoCount(), 3);
    EXPECT_EQ(m_model.HitTestPort(m_pFrom->GetLinkPoint().x, m_pFrom->GetLinkPoint().y), m_pFrom);
}

TEST_F(LinkedPage, UndoOfTheLinkLetsGoOfBothPorts)
{
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(m_pLink->GetFromPort(), nullptr);
    EXPECT_EQ(m_pLink->GetToPort(), nullptr);
    EXPECT_EQ(m_pFrom->GetLinkCount(), 0);
    EXPECT_EQ(m_pTo->GetLinkCount(), 0);
    ASSERT_TRUE(m_model.Redo());
    EXPECT_EQ(m_pLink->GetFromPort(), m_pFrom);
    EXPECT_EQ(m_pTo->GetLinkCount(), 1);
}

TEST_F(LinkedPage, LinkWithOneFreeEndTouchesOnePort)
{
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    CArray<CPoint, CPoint> points;
    points.Add(m_pFrom->GetLinkPoint());
    points.Add(CPoint(150, 400));
    m_model.AddNewLink(pLink, &points, m_pFrom, nullptr, FALSE);
    EXPECT_EQ(pLink->GetFromPort(), m_pFrom);
    EXPECT_EQ(pLink->GetToPort(), nullptr);
    EXPECT_EQ(m_pFrom->GetLinkCount(), 2);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(m_pFrom->GetLinkCount(), 1);
    EXPECT_EQ(m_pTo->GetLinkCount(), 1);
    pLink->Release();
}

TEST_F(LinkedPage, MovedRectangleTakesTheLinkEndAlong)
{
    CQYCompList list;
    list.AddTail(m_pB);
    const CPoint end = m_pLink->GetEndPoint();
    ASSERT_TRUE(m_model.Execute(new CQYMoveCompsCommand(&m_model, &list, 40, 30), TRUE));
    EXPECT_EQ(m_pLink->GetEndPoint(), end + CPoint(40, 30));
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(m_pLink->GetEndPoint(), end);
}

TEST_F(LinkedPage, UndoOfDeleteAllTiesEveryBondAgain)
{
    const Bytes before = StoreRecord(m_model);
    ASSERT_TRUE(m_model.DeleteAllComponents());
    EXPECT_EQ(m_model.GetComponents().GetCount(), 0);
    EXPECT_EQ(m_pLink->GetFromPort(), nullptr);
    EXPECT_EQ(m_pFrom->GetLinkCount(), 0);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(m_pLink->GetFromPort(), m_pFrom);
    EXPECT_EQ(m_pLink->GetToPort(), m_pTo);
    EXPECT_EQ(m_pFrom->GetLinkCount(), 1);
    EXPECT_EQ(m_pTo->GetLinkCount(), 1);
    EXPECT_EQ(StoreRecord(m_model), before);
    ASSERT_TRUE(m_model.Redo());
    EXPECT_EQ(m_pTo->GetLinkCount(), 0);
    EXPECT_EQ(m_model.GetComponents().GetCount(), 0);
}

TEST_F(LinkedPage, DeleteAllOfAnEmptyPageCutsNothing)
{
    CQYDataModel empty;
    EXPECT_FALSE(empty.DeleteAllComponents());
    EXPECT_FALSE(empty.CanUndo());
}

// A port placed straight on the page, with a link from it: when the model
// lets go of its components (removing them all, or going itself), port and
// link no longer hold each other, so neither is left alive by the other.
TEST(PagePort, ModelLettingGoCutsItsLinks)
{
    for (bool bDestroyModel : {false, true}) {
        SCOPED_TRACE(bDestroyModel ? "model destroyed" : "components removed");
        auto pModel = std::make_unique<CQYDataModel>();
        auto* pPort = new CQYPortComponent;
        pPort->AddRef(); // the test's own reference, to look at it after
        pModel->AddComponent(pPort);
        auto* pLink = new CQYLinkComponent;
        pLink->AddRef();
        CArray<CPoint, CPoint> points;
        points.Add(pPort->GetLinkPoint());
        points.Add(CPoint(200, 100));
        pModel->AddNewLink(pLink, &points, pPort, nullptr, TRUE);
        ASSERT_EQ(pPort->GetLinkCount(), 1);
        ASSERT_EQ(pLink->GetFromPort(), pPort);

        if (bDestroyModel)
            pModel.reset();
        else
            pModel->RemoveAllComponents();
        EXPECT_EQ(pPort->GetLinkCount(), 0);
        EXPECT_EQ(pLink->GetFromPort(), nullptr);
        pLink->Release();
        pPort->Release();
    }
}

// The headless user path: every step through the history, the page's bytes
// recorded after each, then everything undone and redone step by step.
TEST_F(LinkedPage, UserPathUndoneAndRedoneByteForByte)
{
    std::vector<Bytes> states;
    // The three steps the fixture took, reconstructed by undoing them.
    std::vector<Bytes> setup;
    setup.push_back(StoreRecord(m_model));
    CQYCompList listB;
    listB.AddTail(m_pB);
    CQYCompList listA;
    listA.AddTail(m_pA);
    ASSERT_TRUE(m_model.Execute(new CQYMoveCompsCommand(&m_model, &listB, 25, -40), TRUE));
    states.push_back(StoreRecord(m_model));
    ASSERT_TRUE(m_model.Execute(new CQYMoveCompCommand(&m_model, m_pA, 10, 10), TRUE));
    states.push_back(StoreRecord(m_model));
    m_model.AddNewComponent(QY_COMP_TRIANGLE, CRect(500, 500, 600, 600), "");
    states.push_back(StoreRecord(m_model));
    ASSERT_TRUE(m_model.Execute(new CQYRemoveCompsCommand(&m_model, &listA), TRUE));
    states.push_back(StoreRecord(m_model));
    ASSERT_TRUE(m_model.DeleteAllComponents());
    states.push_back(StoreRecord(m_model));

    // Undo everything back to the empty page.
    for (size_t i = states.size(); i-- > 0;) {
        ASSERT_TRUE(m_model.Undo());
        EXPECT_EQ(StoreRecord(m_model), i > 0 ? states[i - 1] : setup[0]) << i;
    }
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(m_model.GetComponents().GetCount(), 0);
    EXPECT_FALSE(m_model.CanUndo());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(m_model.Redo());
    EXPECT_EQ(StoreRecord(m_model), setup[0]);
    for (size_t i = 0; i < states.size(); ++i) {
        ASSERT_TRUE(m_model.Redo());
        EXPECT_EQ(StoreRecord(m_model), states[i]) << i;
    }
    EXPECT_FALSE(m_model.CanRedo());
}

TEST_F(LinkedPage, SaveReopenSaveGivesTheSameBytes)
{
    CQYCompList listB;
    listB.AddTail(m_pB);
    ASSERT_TRUE(m_model.Execute(new CQYMoveCompsCommand(&m_model, &listB, 25, -40), TRUE));
    const Bytes saved = StoreRecord(m_model);
    CQYDataModel reopened;
    ASSERT_EQ(LoadRecord(reopened, saved), -1);
    EXPECT_EQ(StoreRecord(reopened), saved);
}

TEST(PointFigures, MadeNamedAndAddedUndoably)
{
    CQYDataModel model;
    POINT line[] = {{10, 10}, {100, 40}};
    model.AddNewLine(line, 2, TRUE);
    CArray<CPoint, CPoint> points;
    for (CPoint point : {CPoint(0, 0), CPoint(50, 0), CPoint(50, 50), CPoint(0, 60)})
        points.Add(point);
    model.AddNewPolygon(&points);
    model.AddNewBezierLine(&points, FALSE);
    model.AddNewCloseBezier(&points);
    model.AddNewLine(&points, FALSE);
    std::vector<CQYDrawComponent*> comps = PageOrder(model);
    ASSERT_EQ(comps.size(), 5u);
    const char* names[] = {"LINE1", "POLYGON1", "BEZIERLINE1", "CLOSEBEZIER1", "LINE2"};
    const int types[] = {QY_COMP_LINE, QY_COMP_POLYGON, QY_COMP_BEZIERLINE, QY_COMP_CLOSEBEZIER, QY_COMP_LINE};
    for (size_t i = 0; i < comps.size(); ++i) {
        EXPECT_STREQ(comps[i]->GetObjectName(), names[i]);
        EXPECT_EQ(comps[i]->GetDefaultProperty()->GetType(), types[i]);
        EXPECT_EQ(TabOrderOf(comps[i]), static_cast<int>(i) + 1);
    }
    EXPECT_EQ(static_cast<CQYLineComponent*>(comps[0])->GetEndArrowType(), 3);
    EXPECT_EQ(static_cast<CQYLineComponent*>(comps[4])->GetEndArrowType(), 0);
    EXPECT_EQ(comps[1]->GetRect(), CRect(0, 0, 50, 60));
    EXPECT_EQ(model.GetUndoCount(), 5);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(model.Undo());
    EXPECT_EQ(model.GetComponents().GetCount(), 0);
}

enum class FigureKind { LinePoints, LineArray, Polygon, BezierLine, CloseBezier, Link };

struct FigureCountCase {
    FigureKind kind;
    int nPoints;
    const char* pszName; // nullptr: the figure refuses its points
};

class FigurePointCount : public ::testing::TestWithParam<FigureCountCase> {};

// A figure that refuses its points leaves the page, the names, the history
// and the modified mark as they were.
TEST_P(FigurePointCount, RefusedPointsAddNothing)
{
    const FigureCountCase& c = GetParam();
    CQYDataModel model;
    model.SetModifiedFlag(FALSE);
    CArray<CPoint, CPoint> points;
    for (int i = 0; i < c.nPoints; ++i)
        points.Add(CPoint(10 * i, (i % 2) * 30));
    switch (c.kind) {
    case FigureKind::LinePoints: model.AddNewLine(points.GetData(), c.nPoints, FALSE); break;
    case FigureKind::LineArray: model.AddNewLine(&points, TRUE); break;
    case FigureKind::Polygon: model.AddNewPolygon(&points); break;
    case FigureKind::BezierLine: model.AddNewBezierLine(&points, TRUE); break;
    case FigureKind::CloseBezier: model.AddNewCloseBezier(&points); break;
    case FigureKind::Link: model.AddNewLink(new CQYLinkComponent, &points, nullptr, nullptr, TRUE); break;
    }
    const bool bAdded = c.pszName != nullptr;
    ASSERT_EQ(model.GetComponents().GetCount(), bAdded ? 1 : 0);
    EXPECT_EQ(model.GetUndoCount(), bAdded ? 1 : 0);
    EXPECT_EQ(model.IsModified(), bAdded ? TRUE : FALSE);
    if (bAdded) {
        EXPECT_STREQ(PageOrder(model)[0]->GetObjectName(), c.pszName);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FigurePointCount,
    ::testing::Values(
        FigureCountCase{FigureKind::LinePoints, 0, nullptr}, FigureCountCase{FigureKind::LinePoints, 1, nullptr},
        FigureCountCase{FigureKind::LinePoints, 2, "LINE1"}, FigureCountCase{FigureKind::LineArray, 1, nullptr},
        FigureCountCase{FigureKind::LineArray, 3, "LINE1"}, FigureCountCase{FigureKind::Polygon, 1, "POLYGON1"},
        FigureCountCase{FigureKind::BezierLine, 0, nullptr}, FigureCountCase{FigureKind::BezierLine, 3, nullptr},
        FigureCountCase{FigureKind::BezierLine, 4, "BEZIERLINE1"}, FigureCountCase{FigureKind::CloseBezier, 3, nullptr},
        FigureCountCase{FigureKind::CloseBezier, 5, "CLOSEBEZIER1"}, FigureCountCase{FigureKind::Link, 0, nullptr},
        FigureCountCase{FigureKind::Link, 1, nullptr}, FigureCountCase{FigureKind::Link, 2, "LINK1"}));

} // namespace
