// The layout commands (align, same size, spacing, order, scale, rotate) on
// pages of real shapes, each undone and redone.
#include "ArchiveBytes.h"

#include "library/model/QYCompTypes.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYLayoutCommands.h"
#include "library/model/QYLayoutSingleCommands.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

class LayoutPage : public ::testing::Test {
protected:
    CQYDrawComponent* Put(int nType, const CRect& rect)
    {
        CQYDrawComponent* pComp = m_model.GetComponentByType(nType, rect, "", 0);
        EXPECT_NE(pComp, nullptr);
        m_model.InsertComponent(pComp);
        pComp->Release();
        return pComp;
    }
    CQYDrawComponent* PutRect(const CRect& rect) { return Put(QY_COMP_RECTANGLE, rect); }
    std::vector<CQYDrawComponent*> PageOrder()
    {
        std::vector<CQYDrawComponent*> comps;
        CQYCompList& list = m_model.GetComponents();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            comps.push_back(list.GetNext(pos));
        return comps;
    }
    static CQYCompList ListOf(const std::vector<CQYDrawComponent*>& comps)
    {
        CQYCompList list;
        for (CQYDrawComponent* pComp : comps)
            list.AddTail(pComp);
        return list;
    }
    // Runs the command, checks the page after it, undoes and redoes it and
    // checks that each gives the bytes it should.
    void RunUndoRedo(CQYBaseCommand* pCommand)
    {
        const Bytes before = StoreRecord(m_model);
        ASSERT_TRUE(m_model.Execute(pCommand, TRUE));
        const Bytes after = StoreRecord(m_model);
        ASSERT_TRUE(m_model.Undo());
        EXPECT_EQ(StoreRecord(m_model), before);
        ASSERT_TRUE(m_model.Redo());
        EXPECT_EQ(StoreRecord(m_model), after);
    }

    CQYDataModel m_model;
};

TEST_F(LayoutPage, AlignLeftsAgainstTheMainComponent)
{
    CQYDrawComponent* a = PutRect(CRect(10, 0, 60, 30));
    CQYDrawComponent* b = PutRect(CRect(40, 50, 90, 80));
    CQYDrawComponent* c = PutRect(CRect(25, 100, 75, 130));
    auto* pAlign = new CQYAlignCommand(&m_model);
    pAlign->m_nType = 4;
    CQYCompList list = ListOf({a, b, c});
    pAlign->AddComponents(&list);
    pAlign->SetMainComponent(b);
    RunUndoRedo(pAlign);
    EXPECT_EQ(a->GetRect().left, 40);
    EXPECT_EQ(b->GetRect().left, 40);
    EXPECT_EQ(c->GetRect().left, 40);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(a->GetRect().left, 10);
    EXPECT_EQ(c->GetRect().left, 25);
}

TEST_F(LayoutPage, SpacingAcrossEvensTheGaps)
{
    // Listed out of order: the sort by centre decides.
    CQYDrawComponent* c = PutRect(CRect(100, 0, 110, 30));
    CQYDrawComponent* a = PutRect(CRect(0, 0, 10, 30));
    CQYDrawComponent* b = PutRect(CRect(30, 0, 40, 30));
    auto* pSpacing = new CQYSpacingCommand(&m_model);
    pSpacing->m_nType = 1;
    CQYCompList list = ListOf({c, a, b});
    pSpacing->AddComponents(&list);
    RunUndoRedo(pSpacing);
    EXPECT_EQ(a->GetRect(), CRect(0, 0, 10, 30));
    EXPECT_EQ(b->GetRect(), CRect(50, 0, 60, 30));
    EXPECT_EQ(c->GetRect(), CRect(100, 0, 110, 30));
}

TEST_F(LayoutPage, SpacingOfTwoDoesNothing)
{
    CQYDrawComponent* a = PutRect(CRect(0, 0, 10, 30));
    CQYDrawComponent* b = PutRect(CRect(30, 0, 40, 30));
    CQYSpacingCommand spacing(&m_model);
    spacing.m_nType = 1;
    CQYCompList list = ListOf({a, b});
    spacing.AddComponents(&list);
    EXPECT_TRUE(spacing.Execute());
    EXPECT_EQ(b->GetRect(), CRect(30, 0, 40, 30));
}

TEST_F(LayoutPage, SameWidthKeepsTheTopLeftCorner)
{
    CQYDrawComponent* pMain = PutRect(CRect(0, 0, 100, 40));
    CQYDrawComponent* pOther = PutRect(CRect(200, 50, 250, 90));
    auto* pSize = new CQYSizeCommand(&m_model);
    pSize->m_nType = 1;
    pSize->SetMainComponent(pMain);
    CQYCompList list = ListOf({pMain, pOther});
    pSize->AddComponents(&list);
    RunUndoRedo(pSize);
    EXPECT_EQ(pOther->GetRect(), CRect(200, 50, 300, 90));
}

TEST_F(LayoutPage, SameSizeAgainstAFlatMainKeepsThatAxis)
{
    CQYDrawComponent* pFlat = Put(QY_COMP_RECTANGLE, CRect(0, 0, 100, 40));
    CQYDrawComponent* pOther = PutRect(CRect(200, 50, 250, 90));
    // A main component of zero height: the height factor stays 1.
    CRect flat(0, 0, 100, 0);
    pFlat->SetRect(&flat);
    CQYSizeCommand size(&m_model);
    size.m_nType = 3;
    size.SetMainComponent(pFlat);
    CQYCompList list = ListOf({pOther});
    size.AddComponents(&list);
    EXPECT_TRUE(size.Execute());
    EXPECT_EQ(pOther->GetRect(), CRect(200, 50, 300, 90));
}

TEST_F(LayoutPage, UnusableScaleFactorsAreDropped)
{
    CQYDrawComponent* a = PutRect(CRect(0, 0, 100, 40));
    const float kNaN = std::numeric_limits<float>::quiet_NaN();
    const float kInf = std::numeric_limits<float>::infinity();
    for (auto [fx, fy] : {std::pair{0.0f, 1.5f}, {2.0f, 0.0f}, {kNaN, 1.0f}, {1.0f, kInf}, {1.0f, 1.0f}}) {
        EXPECT_FALSE(m_model.Execute(new CQYScaleExtendCommand(&m_model, a, fx, fy, 0), TRUE));
    }
    EXPECT_FALSE(m_model.CanUndo());
    EXPECT_EQ(a->GetRect(), CRect(0, 0, 100, 40));
}

struct MirrorCase {
    float fx, fy;
    int nSpots[8];
};

TEST(ScaleExtend, SpotMirrorTable)
{
    const MirrorCase cases[] = {
        {2.0f, 3.0f, {0, 1, 2, 3, 4, 5, 6, 7}},
        {1.0f, -1.0f, {6, 5, 4, 3, 2, 1, 0, 7}},
        {-1.0f, 1.0f, {2, 1, 0, 7, 6, 5, 4, 3}},
        {-1.0f, -1.0f, {4, 5, 6, 7, 0, 1, 2, 3}},
    };
    for (const MirrorCase& c : cases) {
        for (int nSpot = 0; nSpot < 8; ++nSpot)
            EXPECT_EQ(CQYScaleExtendCommand::MirrorSpot(nSpot, c.fx, c.fy), c.nSpots[nSpot]) << c.fx << c.fy;
        EXPECT_EQ(CQYScaleExtendCommand::MirrorSpot(8, c.fx, c.fy), 8);
    }
}

TEST_F(LayoutPage, HorizontalFlipUndoesAboutTheMirroredSpot)
{
    CQYDrawComponent* a = PutRect(CRect(10, 20, 110, 60));
    CQYScaleExtendCommand flip(&m_model, a, -1.0f, 1.0f, 0);
    CQYBaseCommand* pUndo = flip.GetUndoCommand();
    EXPECT_EQ(static_cast<CQYScaleExtendCommand*>(pUndo)->GetSpot(), 2);
    delete pUndo;
    RunUndoRedo(new CQYScaleExtendCommand(&m_model, a, -1.0f, 1.0f, 0));
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(a->GetRect(), CRect(10, 20, 110, 60));
}

TEST_F(LayoutPage, RotatedTriangleReturnsToItsPoints)
{
    CQYDrawComponent* pTriangle = Put(QY_COMP_TRIANGLE, CRect(10, 20, 110, 90));
    std::vector<CPoint> before(pTriangle->m_lpCompPoints, pTriangle->m_lpCompPoints + pTriangle->m_nCompPtCount);
    auto* pRotate = new CQYRotateCommand(&m_model);
    CQYCompList list = ListOf({pTriangle});
    pRotate->AddComponents(&list, 450);
    ASSERT_TRUE(m_model.Execute(pRotate, TRUE));
    ASSERT_TRUE(m_model.Undo());
    ASSERT_EQ(pTriangle->m_nCompPtCount, static_cast<int>(before.size()));
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_LE(std::abs(pTriangle->m_lpCompPoints[i].x - before[i].x), 1) << i;
        EXPECT_LE(std::abs(pTriangle->m_lpCompPoints[i].y - before[i].y), 1) << i;
    }
}

// Undoing a rotation gives back every point, the rectangle and the page's
// bytes exactly, whatever the angle and the shape's width (a turn by any
// angle but a right one rounds its points).
TEST_F(LayoutPage, RotationsUndoExactly)
{
    struct Case {
        int nType;
        CRect rect;
        int nAngle;
    };
    const Case cases[] = {
        {QY_COMP_ELLIPSE, CRect(10, 20, 110, 90), 900},   {QY_COMP_ELLIPSE, CRect(13, 27, 90, 74), 900},
        {QY_COMP_ELLIPSE, CRect(13, 27, 90, 74), -900},   {QY_COMP_ELLIPSE, CRect(40, 50, 241, 118), 1800},
        {QY_COMP_RECTANGLE, CRect(13, 27, 90, 74), 900},  {QY_COMP_TRIANGLE, CRect(11, 21, 96, 80), 2700},
        {QY_COMP_ELLIPSE, CRect(10, 20, 110, 90), 90},    {QY_COMP_ELLIPSE, CRect(13, 27, 90, 74), 450},
        {QY_COMP_ELLIPSE, CRect(13, 27, 190, 74), -1234},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.nType << " angle " << c.nAngle << " rect " << c.rect.left << ","
                                        << c.rect.top << "," << c.rect.right << "," << c.rect.bottom);
        CQYDrawComponent* pComp = Put(c.nType, c.rect);
        const CRect rectBefore = pComp->GetRect();
        const std::vector<CPoint> before(pComp->m_lpCompPoints, pComp->m_lpCompPoints + pComp->m_nCompPtCount);
        const Bytes pageBefore = StoreRecord(m_model);
        auto* pRotate = new CQYRotateCommand(&m_model);
        CQYCompList list = ListOf({pComp});
        pRotate->AddComponents(&list, c.nAngle);
        ASSERT_TRUE(m_model.Execute(pRotate, TRUE));
        ASSERT_TRUE(m_model.Undo());
        const std::vector<CPoint> after(pComp->m_lpCompPoints, pComp->m_lpCompPoints + pComp->m_nCompPtCount);
        EXPECT_EQ(after, before);
        EXPECT_EQ(pComp->GetRect(), rectBefore);
        EXPECT_EQ(StoreRecord(m_model), pageBefore);
        ASSERT_TRUE(m_model.Redo());
        ASSERT_TRUE(m_model.Undo());
        EXPECT_EQ(pComp->GetRect(), rectBefore);
    }
}

// A linked shape turned by an odd angle: the link's end follows its port,
// and undo and redo give back the page's bytes of either side exactly.
TEST_F(LayoutPage, ALinkedShapeTurnedAndUndoneKeepsItsLinkExact)
{
    auto* pA = static_cast<CQYRectComponent*>(PutRect(CRect(20, 30, 90, 70)));
    auto* pB = static_cast<CQYRectComponent*>(PutRect(CRect(200, 40, 277, 101)));
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    CArray<CPoint, CPoint> points;
    points.Add(pA->FindPort(1, 0.5)->GetLinkPoint());
    points.Add(pB->FindPort(0, 0.5)->GetLinkPoint());
    m_model.AddNewLink(pLink, &points, pA->FindPort(1, 0.5), pB->FindPort(0, 0.5), TRUE);
    const Bytes before = StoreRecord(m_model);
    auto* pRotate = new CQYRotateCommand(&m_model);
    CQYCompList list = ListOf({pB});
    pRotate->AddComponents(&list, 333);
    ASSERT_TRUE(m_model.Execute(pRotate, TRUE));
    EXPECT_EQ(pLink->GetEndPoint(), pB->FindPort(0, 0.5)->GetLinkPoint());
    const Bytes after = StoreRecord(m_model);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(StoreRecord(m_model), before);
    ASSERT_TRUE(m_model.Redo());
    EXPECT_EQ(StoreRecord(m_model), after);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(StoreRecord(m_model), before);
    pLink->Release();
}

struct OrderCase {
    const char* pszName;
    int nType;
    std::vector<int> selected; // indices on the page a..e, in selection order
    std::vector<int> expected; // the page afterwards
};

class OrderRuling : public LayoutPage, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(OrderRuling, KeepsTheSelectionsOwnOrder)
{
    std::vector<CQYDrawComponent*> comps;
    for (int i = 0; i < 5; ++i)
        comps.push_back(PutRect(CRect(i * 10, 0, i * 10 + 50, 50)));
    const OrderCase& c = GetParam();
    auto* pOrder = new CQYOrderCommand(&m_model);
    pOrder->m_nType = c.nType;
    std::vector<CQYDrawComponent*> selected;
    for (int i : c.selected)
        selected.push_back(comps[static_cast<size_t>(i)]);
    CQYCompList list = ListOf(selected);
    pOrder->AddComponents(&list);
    RunUndoRedo(pOrder);
    std::vector<CQYDrawComponent*> expected;
    for (int i : c.expected)
        expected.push_back(comps[static_cast<size_t>(i)]);
    EXPECT_EQ(PageOrder(), expected);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(PageOrder(), comps);
}

INSTANTIATE_TEST_SUITE_P(Table, OrderRuling,
                         ::testing::Values(OrderCase{"ForwardAdjacent", 3, {1, 2}, {0, 3, 1, 2, 4}},
                                           OrderCase{"ForwardBlockAtTop", 3, {4, 3}, {0, 1, 2, 3, 4}},
                                           OrderCase{"ForwardApart", 3, {3, 0}, {1, 0, 2, 4, 3}},
                                           OrderCase{"BackwardAdjacent", 4, {3, 2}, {0, 2, 3, 1, 4}},
                                           OrderCase{"BackwardBlockAtBottom", 4, {1, 0}, {0, 1, 2, 3, 4}},
                                           OrderCase{"ToFrontAnySelectionOrder", 1, {3, 0}, {1, 2, 4, 0, 3}},
                                           OrderCase{"ToBackAnySelectionOrder", 2, {4, 1}, {1, 4, 0, 2, 3}},
                                           OrderCase{"ToFrontOfTheTop", 1, {4}, {0, 1, 2, 3, 4}}),
                         [](const ::testing::TestParamInfo<OrderCase>& info) {
                             return std::string(info.param.pszName);
                         });

// The user path of a diagram editor: two linked rectangles and a triangle,
// each edit a command through the history; the page's bytes after each
// edit, then everything undone to the empty page and redone, byte for byte.
TEST_F(LayoutPage, UserPathOfLayoutEdits)
{
    std::vector<Bytes> states{StoreRecord(m_model)};
    const auto step = [&] { states.push_back(StoreRecord(m_model)); };
    m_model.AddNewComponent(QY_COMP_RECTANGLE, CRect(0, 0, 100, 60), "");
    step();
    // Sizes whose factors against the first rectangle (2 and 0.5) are exact
    // in both directions, and a quarter turn: undo is then exact to the byte.
    m_model.AddNewComponent(QY_COMP_RECTANGLE, CRect(300, 200, 350, 230), "");
    step();
    m_model.AddNewComponent(QY_COMP_TRIANGLE, CRect(150, 400, 350, 520), "");
    step();
    std::vector<CQYDrawComponent*> comps = PageOrder();
    auto* pA = static_cast<CQYRectComponent*>(comps[0]);
    auto* pB = static_cast<CQYRectComponent*>(comps[1]);
    CQYDrawComponent* pT = comps[2];
    auto* pLink = new CQYLinkComponent;
    pLink->AddRef();
    CArray<CPoint, CPoint> points;
    points.Add(pA->FindPort(1, 0.5)->GetLinkPoint());
    points.Add(pB->FindPort(0, 0.5)->GetLinkPoint());
    m_model.AddNewLink(pLink, &points, pA->FindPort(1, 0.5), pB->FindPort(0, 0.5), TRUE);
    step();

    CQYCompList listB = ListOf({pB});
    const CPoint end = pLink->GetEndPoint();
    ASSERT_TRUE(m_model.Execute(new CQYMoveCompsCommand(&m_model, &listB, 30, 20), TRUE));
    EXPECT_EQ(pLink->GetEndPoint(), end + CPoint(30, 20));
    step();

    CQYCompList all = ListOf({pA, pB, pT, pLink});
    auto* pAlign = new CQYAlignCommand(&m_model);
    pAlign->m_nType = 4;
    pAlign->AddComponents(&all);
    pAlign->SetMainComponent(pA);
    ASSERT_TRUE(m_model.Execute(pAlign, TRUE));
    EXPECT_EQ(pB->GetRect().left, 0);
    step();

    auto* pSize = new CQYSizeCommand(&m_model);
    pSize->m_nType = 3;
    pSize->SetMainComponent(pA);
    pSize->AddComponents(&all);
    ASSERT_TRUE(m_model.Execute(pSize, TRUE));
    step();

    auto* pSpacing = new CQYSpacingCommand(&m_model);
    pSpacing->m_nType = 2;
    pSpacing->AddComponents(&all);
    ASSERT_TRUE(m_model.Execute(pSpacing, TRUE));
    step();

    auto* pFlip = new CQYScaleCommand(&m_model);
    CQYCompList listT = ListOf({pT});
    pFlip->AddComponents(&listT, 1.0f, -1.0f, 0);
    ASSERT_TRUE(m_model.Execute(pFlip, TRUE));
    step();

    auto* pRotate = new CQYRotateCommand(&m_model);
    pRotate->AddComponents(&listT, 900);
    ASSERT_TRUE(m_model.Execute(pRotate, TRUE));
    step();

    auto* pFront = new CQYOrderCommand(&m_model);
    pFront->m_nType = 1;
    CQYCompList listA = ListOf({pA});
    pFront->AddComponents(&listA);
    ASSERT_TRUE(m_model.Execute(pFront, TRUE));
    step();

    // Group the triangle and the second rectangle, then ungroup them.
    CQYCompList listBT = ListOf({pB, pT});
    auto* pGroupCommand = new CQYGroupCommand(&m_model, &listBT, nullptr);
    ASSERT_TRUE(m_model.Execute(pGroupCommand, TRUE));
    CQYDrawComponent* pGroup = PageOrder().back();
    EXPECT_STREQ(pGroup->GetObjectName(), "GROUP1");
    step();
    ASSERT_TRUE(m_model.Execute(new CQYUnGroupCommand(&m_model, pGroup), TRUE));
    step();

    // Drag the link's end from the second rectangle's left port to its top
    // port.
    CQYPortComponent* pLeft = pB->FindPort(0, 0.5);
    CQYPortComponent* pTop = pB->FindPort(0.5, 0);
    ASSERT_EQ(pLink->GetToPort(), pLeft);
    const CPoint drag = pTop->GetLinkPoint() - pLink->GetEndPoint();
    auto* pSizePort = new CQYSizePortCommand(&m_model, pLink, pLink->GetPointCount() - 1, drag.x, drag.y);
    pSizePort->SetToPort(pLeft);
    pSizePort->SetFromPort(pTop);
    ASSERT_TRUE(m_model.Execute(pSizePort, TRUE));
    EXPECT_EQ(pLink->GetToPort(), pTop);
    EXPECT_EQ(pLeft->GetLinkCount(), 0);
    step();

    ASSERT_TRUE(m_model.DeleteAllComponents());
    step();

    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(m_model.Undo()) << i;
        EXPECT_EQ(StoreRecord(m_model), states[i - 1]) << "undo to step " << i - 1;
    }
    EXPECT_EQ(m_model.GetComponents().GetCount(), 0);
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(m_model.Redo()) << i;
        EXPECT_EQ(StoreRecord(m_model), states[i]) << "redo to step " << i;
    }
    // Back to the edited page, then saved, reopened and saved again.
    ASSERT_TRUE(m_model.Undo());
    const Bytes saved = StoreRecord(m_model);
    CQYDataModel reopened;
    ASSERT_EQ(LoadRecord(reopened, saved), -1);
    EXPECT_EQ(StoreRecord(reopened), saved);
    pLink->Release();
}

TEST_F(LayoutPage, UndoOfAGroupPutsTheMembersBackAtTheirPlaces)
{
    std::vector<CQYDrawComponent*> comps;
    for (int i = 0; i < 4; ++i)
        comps.push_back(PutRect(CRect(i * 60, 0, i * 60 + 50, 50)));
    const Bytes before = StoreRecord(m_model);
    CQYCompList list = ListOf({comps[2], comps[0]});
    ASSERT_TRUE(m_model.Execute(new CQYGroupCommand(&m_model, &list, nullptr), TRUE));
    ASSERT_EQ(m_model.GetComponents().GetCount(), 3);
    CQYDrawComponent* pGroup = PageOrder().back();
    EXPECT_EQ(pGroup->GetDefaultProperty()->m_nTabOrder, 3);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(PageOrder(), comps);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(comps[static_cast<size_t>(i)]->GetDefaultProperty()->m_nTabOrder, i + 1);
    EXPECT_EQ(StoreRecord(m_model), before);
    // Redo groups the same members into the same group object.
    ASSERT_TRUE(m_model.Redo());
    EXPECT_EQ(PageOrder().back(), pGroup);
    EXPECT_EQ(static_cast<CQYGroupComponent*>(pGroup)->GetComponents()->GetCount(), 2);
}

TEST_F(LayoutPage, UndoOfAnUngroupRebuildsTheGroupInItsPlace)
{
    CQYDrawComponent* a = PutRect(CRect(0, 0, 50, 50));
    CQYDrawComponent* b = PutRect(CRect(60, 0, 110, 50));
    CQYCompList list = ListOf({a, b});
    ASSERT_TRUE(m_model.Execute(new CQYGroupCommand(&m_model, &list, nullptr), TRUE));
    CQYDrawComponent* pGroup = PageOrder().back();
    CQYDrawComponent* c = PutRect(CRect(200, 0, 250, 50));
    const Bytes grouped = StoreRecord(m_model);
    ASSERT_TRUE(m_model.Execute(new CQYUnGroupCommand(&m_model, pGroup), TRUE));
    EXPECT_EQ(PageOrder(), (std::vector<CQYDrawComponent*>{c, a, b}));
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(PageOrder(), (std::vector<CQYDrawComponent*>{pGroup, c}));
    EXPECT_EQ(static_cast<CQYGroupComponent*>(pGroup)->GetComponents()->GetCount(), 2);
    EXPECT_EQ(StoreRecord(m_model), grouped);
}

TEST_F(LayoutPage, GroupingNothingLeavesTheGroupAlone)
{
    CQYDrawComponent* a = PutRect(CRect(0, 0, 50, 50));
    auto* pGroup = new CQYGroupComponent;
    pGroup->AddRef();
    pGroup->AddComponent(a);
    CQYCompList empty;
    EXPECT_FALSE(m_model.Execute(new CQYGroupCommand(&m_model, &empty, pGroup), TRUE));
    EXPECT_EQ(pGroup->GetComponents()->GetCount(), 1);
    EXPECT_FALSE(m_model.CanUndo());
    pGroup->Release();
}

TEST_F(LayoutPage, FormColourChangeUndoesBothColourSets)
{
    CQYDrawComponent* a = PutRect(CRect(0, 0, 50, 50));
    CQYFormProperties* pForm = m_model.GetDefaultProperty();
    ASSERT_NE(pForm, nullptr);
    const COLORREF crFormBack = pForm->GetBkColor();
    const COLORREF crFormText = pForm->GetFontColor();
    RunUndoRedo(new CQYFormColorChangeCommand(&m_model, a, 0x0000FF, 0x00FF00));
    EXPECT_EQ(pForm->GetBkColor(), 0x0000FFu);
    EXPECT_EQ(a->GetDefaultProperty()->GetBkColor(), 0x0000FFu);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(pForm->GetBkColor(), crFormBack);
    EXPECT_EQ(pForm->GetFontColor(), crFormText);
}

TEST_F(LayoutPage, SizeSpotAndColourChangeUndo)
{
    CQYDrawComponent* a = Put(QY_COMP_TRIANGLE, CRect(0, 0, 100, 100));
    const COLORREF crBack = a->GetDefaultProperty()->GetBkColor();
    RunUndoRedo(new CQYSizeSpotCommand(&m_model, a, 0, 5, -7));
    RunUndoRedo(new CQYColorChangeCommand(&m_model, a, 0x123456, 0x654321));
    EXPECT_EQ(a->GetDefaultProperty()->GetBkColor(), 0x123456u);
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(a->GetDefaultProperty()->GetBkColor(), crBack);
    CQYDrawComponent* pOff = m_model.GetComponentByType(QY_COMP_RECTANGLE, CRect(0, 0, 50, 50), "", 0);
    EXPECT_FALSE(m_model.Execute(new CQYSizeSpotCommand(&m_model, pOff, 0, 5, 5), TRUE));
    pOff->Release();
}

TEST_F(LayoutPage, ReferenceCountsReturnToTheirStart)
{
    CQYDrawComponent* a = PutRect(CRect(0, 0, 50, 50));
    CQYDrawComponent* b = PutRect(CRect(60, 0, 110, 50));
    a->AddRef();
    b->AddRef();
    const int nA = a->GetRefCount();
    const int nB = b->GetRefCount();
    CQYCompList list = ListOf({a, b});
    ASSERT_TRUE(m_model.Execute(new CQYGroupCommand(&m_model, &list, nullptr), TRUE));
    CQYDrawComponent* pGroup = PageOrder().back();
    ASSERT_TRUE(m_model.Execute(new CQYUnGroupCommand(&m_model, pGroup), TRUE));
    ASSERT_TRUE(m_model.Undo());
    ASSERT_TRUE(m_model.Undo());
    ASSERT_TRUE(m_model.Redo());
    ASSERT_TRUE(m_model.Undo());
    auto* pDelete = new CQYRemoveCompsCommand(&m_model, &m_model.GetComponents());
    pDelete->SetCutBonds(TRUE);
    ASSERT_TRUE(m_model.Execute(pDelete, TRUE));
    ASSERT_TRUE(m_model.Undo());
    list.RemoveAll();
    m_model.Reset();
    EXPECT_EQ(a->GetRefCount(), nA);
    EXPECT_EQ(b->GetRefCount(), nB);
    EXPECT_EQ(PageOrder(), (std::vector<CQYDrawComponent*>{a, b}));
    a->Release();
    b->Release();
}

enum class MacroKind { Scale, Rotate, Align, Size, Spacing, Order };

struct SprintCase {
    MacroKind kind;
    int nType;
    const char* pszText;
};

class MacroDescription : public ::testing::TestWithParam<SprintCase> {};

TEST_P(MacroDescription, FollowsTheType)
{
    const SprintCase& c = GetParam();
    CQYDataModel model;
    std::unique_ptr<CQYLayoutMacro> pMacro;
    switch (c.kind) {
    case MacroKind::Scale: pMacro = std::make_unique<CQYScaleCommand>(&model); break;
    case MacroKind::Rotate: pMacro = std::make_unique<CQYRotateCommand>(&model); break;
    case MacroKind::Align: pMacro = std::make_unique<CQYAlignCommand>(&model); break;
    case MacroKind::Size: pMacro = std::make_unique<CQYSizeCommand>(&model); break;
    case MacroKind::Spacing: pMacro = std::make_unique<CQYSpacingCommand>(&model); break;
    case MacroKind::Order: pMacro = std::make_unique<CQYOrderCommand>(&model); break;
    }
    pMacro->m_nType = c.nType;
    CString strText;
    pMacro->Sprint(strText);
    EXPECT_EQ(strText, CString(c.pszText));
}

constexpr const char* kUnknown = "*Unknown Command";

INSTANTIATE_TEST_SUITE_P(
    Table, MacroDescription,
    ::testing::Values(SprintCase{MacroKind::Scale, 0, "Scale component command"},
                      SprintCase{MacroKind::Scale, -1, "Scale component command"},
                      SprintCase{MacroKind::Rotate, 7, "Rotate component command"},
                      SprintCase{MacroKind::Align, 0, kUnknown}, SprintCase{MacroKind::Align, 1, "Align top"},
                      SprintCase{MacroKind::Align, 2, "Align middle"}, SprintCase{MacroKind::Align, 3, "Align bottom"},
                      SprintCase{MacroKind::Align, 4, "Align left"}, SprintCase{MacroKind::Align, 5, "Align center"},
                      SprintCase{MacroKind::Align, 6, "Align right"}, SprintCase{MacroKind::Align, 7, kUnknown},
                      SprintCase{MacroKind::Align, -1, kUnknown}, SprintCase{MacroKind::Size, 0, kUnknown},
                      SprintCase{MacroKind::Size, 1, "Make components the same width command "},
                      SprintCase{MacroKind::Size, 2, "Make components the same height command"},
                      SprintCase{MacroKind::Size, 3, "Make components the same size"},
                      SprintCase{MacroKind::Size, 4, kUnknown}, SprintCase{MacroKind::Size, -1, kUnknown},
                      SprintCase{MacroKind::Spacing, 0, kUnknown},
                      SprintCase{MacroKind::Spacing, 1, "Spacing across command"},
                      SprintCase{MacroKind::Spacing, 2, "Spacing down command"},
                      SprintCase{MacroKind::Spacing, 3, "None"}, SprintCase{MacroKind::Spacing, -1, "None"},
                      SprintCase{MacroKind::Order, 0, "None command"},
                      SprintCase{MacroKind::Order, 1, "Bring component to front command"},
                      SprintCase{MacroKind::Order, 2, "Send component to back command"},
                      SprintCase{MacroKind::Order, 3, "Bring components forward command."},
                      SprintCase{MacroKind::Order, 4, "Send component backward command"},
                      SprintCase{MacroKind::Order, 5, kUnknown}, SprintCase{MacroKind::Order, -1, kUnknown}));

} // namespace
