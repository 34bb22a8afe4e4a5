// The canvas view's coordinates, scroll sizes, printer scaling, update
// dispatch and invalidation.
#include "ViewTestSupport.h"

#include "framework/appui/PrintInfo.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/window/WindowDC.h"
#include "library/model/QYCommandMacro.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYLayoutCommands.h"
#include "library/model/QYLayoutSingleCommands.h"
#include "library/model/QYPropertyCommands.h"
#include "library/shapes/QYGroupComponent.h"

#include <functional>
#include <memory>

namespace {

TEST(ViewCoordinates, LogicalToPixelsPerMappingMode)
{
    const CSize dpi = CQYBaseView::ScreenPixelsPerInch();
    ASSERT_EQ(dpi, CSize(96, 96));
    struct Case {
        int nMapMode;
        int x, y;
        BOOL bResult;
        int px, py;
    } cases[] = {
        {MM_TEXT, 96, 48, TRUE, 96, 48},         {MM_HIMETRIC, 2540, 2540, TRUE, 96, 96},
        {MM_LOMETRIC, 254, 127, TRUE, 96, 48},   {MM_LOENGLISH, 100, 50, TRUE, 96, 48},
        {MM_HIENGLISH, 1000, 500, TRUE, 96, 48}, {MM_TWIPS, 1440, 720, TRUE, 96, 48},
        {MM_HIMETRIC, 100, 100, TRUE, 3, 3},     {MM_ISOTROPIC, 10, 20, FALSE, 10, 20},
        {MM_ANISOTROPIC, 10, 20, FALSE, 10, 20},
    };
    for (const Case& c : cases) {
        int x = c.x;
        int y = c.y;
        EXPECT_EQ(CQYBaseView::LogicalToPixels(c.nMapMode, x, y), c.bResult) << c.nMapMode;
        EXPECT_EQ(CPoint(x, y), CPoint(c.px, c.py)) << c.nMapMode;
    }
}

class ViewGeometry : public ViewFixture {};

TEST_F(ViewGeometry, ScrollSizesFollowTheLargerPagesOnly)
{
    struct Case {
        CRect page;
        bool bChanged;
        CSize total;
    } cases[] = {
        {CRect(0, 0, 800, 600), false, CSize()},
        {CRect(0, 0, 300, 200), false, CSize()},
        {CRect(0, 0, 801, 300), true, CSize(801, 600)},
        {CRect(0, 0, 500, 900), true, CSize(800, 900)},
    };
    for (const Case& c : cases) {
        m_pView->SetScrollSizes(MM_TEXT, CSize(11, 11));
        Model().SetPagePosition(c.page);
        m_pView->UpdateScrollSizes();
        int nMapMode = 0;
        CSize total, page, line;
        m_pView->GetDeviceScrollSizes(nMapMode, total, page, line);
        if (!c.bChanged) {
            EXPECT_EQ(total, CSize(11, 11)) << c.page.right;
            continue;
        }
        EXPECT_EQ(total, c.total) << c.page.right;
        EXPECT_EQ(page, CSize(c.page.Width(), c.page.Height()));
        EXPECT_EQ(line, CSize(10, 10));
    }
}

TEST_F(ViewGeometry, ScreenPreparationTakesTheScrollPositionOverThePrintPage)
{
    Model().SetPrintPageRect(CRect(0, 0, 1500, 1200));
    CClientDC dc(m_pView);
    m_pView->OnPrepareDC(&dc, nullptr);
    EXPECT_EQ(m_pView->GetTotalSize(), CSize(1550, 1250));
    m_pView->ScrollToPosition(CPoint(40, 30));
    CPoint pt(100, 100);
    m_pView->LPtoDPPoint(&pt);
    EXPECT_EQ(pt, CPoint(60, 70));
    m_pView->DPtoLPPoint(&pt);
    EXPECT_EQ(pt, CPoint(100, 100));
    CRect rect(150, 140, 110, 120); // reversed: normalised after conversion
    m_pView->LPtoDPRect(&rect);
    EXPECT_EQ(rect, CRect(70, 90, 110, 110));
}

TEST_F(ViewGeometry, PrintScrollSizesFollowTheFormInFormModeElseThePrintPage)
{
    struct Case {
        BOOL bFormMode;
        CSize total;
    } cases[] = {{TRUE, CSize(750, 550)}, {FALSE, CSize(1550, 1250)}};
    for (const Case& c : cases) {
        Model().SetFormDesignMode(c.bFormMode);
        Model().SetPagePosition(CRect(0, 0, 700, 500));
        Model().SetPrintPageRect(CRect(0, 0, 1500, 1200));
        m_pView->UpdatePrintScrollSizes();
        int nMapMode = 0;
        CSize total, page, line;
        m_pView->GetDeviceScrollSizes(nMapMode, total, page, line);
        EXPECT_EQ(nMapMode, MM_TEXT);
        EXPECT_EQ(total, c.total) << c.bFormMode;
        EXPECT_EQ(page, CSize(100, 100));
        EXPECT_EQ(line, CSize(100, 100));
    }
}

TEST_F(ViewGeometry, PrinterPreparationScalesFromTheScreen)
{
    // The page rectangle is kept in logical pixels: the canvas is the page
    // itself, so the printing window origin is 0 wherever the page lies.
    Model().SetPagePosition(CRect(30, 40, 730, 940));
    EXPECT_EQ(m_pView->GetCanvasRect(), CRect(30, 40, 730, 940));
    struct Case {
        int nDpi;
        CSize viewportExt;
    } cases[] = {{96, CSize(1000, 1000)}, {600, CSize(6250, 6250)}, {300, CSize(3125, 3125)}};
    for (const Case& c : cases) {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        dc.m_bPrinting = TRUE;
        dc.m_hDC->dpiX = dc.m_hDC->dpiY = c.nDpi;
        CPrintInfo info;
        m_pView->OnPrepareDC(&dc, &info);
        EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
        EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
        EXPECT_EQ(dc.GetViewportOrg(), CPoint(17, 17));
        EXPECT_EQ(dc.GetWindowExt(), CSize(1000, 1000));
        EXPECT_EQ(dc.GetViewportExt(), c.viewportExt) << c.nDpi;
    }
}

// ---------------------------------------------------------------------------
// Update dispatch

struct DispatchCase {
    const char* name;
    // Makes the hint from the page's components a, b, c (selected: a, b).
    std::function<CQYBaseCommand*(CQYDataModel&, std::vector<CQYDrawComponent*>&)> make;
    // The expected selection, as indices of a, b, c; -1 stands for the new
    // group.
    std::vector<int> selection;
    bool bRepaints;
};

class ViewDispatch : public ViewFixture, public ::testing::WithParamInterface<DispatchCase> {};

// A command that only carries a type code: the codes that no command class
// of the library uses, and codes outside the dispatch's range.
class CCodedCommand : public CQYCommand {
public:
    CCodedCommand(CQYDataModel* pModel, int nCode) : CQYCommand(pModel), m_nCode(nCode) {}
    int GetCommandID() override { return m_nCode; }
    CQYBaseCommand* GetUndoCommand() const override { return nullptr; }
    CQYBaseCommand* GetRedoCommand() const override { return nullptr; }
    void Sprint(CString& strText) const override { strText.Empty(); }

private:
    int m_nCode;
};

TEST_P(ViewDispatch, SelectsAndRepaintsWhatTheCommandTouched)
{
    const DispatchCase& c = GetParam();
    std::vector<CQYDrawComponent*> comps = {Put(CRect(10, 10, 60, 60)), Put(CRect(100, 10, 160, 60)),
                                            Put(CRect(300, 300, 360, 360))};
    Select({comps[0], comps[1]});
    std::unique_ptr<CQYBaseCommand> pHint(c.make(Model(), comps));
    Validate();
    m_pView->OnUpdate(nullptr, 99, pHint.get());
    std::vector<CQYDrawComponent*> expected;
    for (int i : c.selection)
        expected.push_back(i >= 0 ? comps[i] : static_cast<CQYGroupCommand*>(pHint.get())->GetGroup());
    EXPECT_EQ(Selected(), expected) << c.name;
    EXPECT_EQ(m_pView->GetMainSelected(), expected.empty() ? nullptr : expected.front()) << c.name;
    EXPECT_EQ(!UpdateRect().IsRectEmpty(), c.bRepaints) << c.name;
}

CQYCompList ListOf(std::initializer_list<CQYDrawComponent*> comps)
{
    CQYCompList list;
    for (CQYDrawComponent* p : comps)
        list.AddTail(p);
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ViewDispatch,
    ::testing::Values(
        DispatchCase{"add", [](CQYDataModel& m, auto& c) { return new CQYAddCompCommand(&m, c[2]); }, {2}, true},
        DispatchCase{"add several",
                     [](CQYDataModel& m, auto& c) {
                         CQYCompList list = ListOf({c[2], c[0]});
                         return new CQYAddCompsCommand(&m, &list);
                     },
                     {2, 0},
                     true},
        DispatchCase{"remove", [](CQYDataModel& m, auto& c) { return new CQYRemoveCompCommand(&m, c[2]); }, {}, true},
        DispatchCase{"remove several",
                     [](CQYDataModel& m, auto& c) {
                         CQYCompList list = ListOf({c[2]});
                         return new CQYRemoveCompsCommand(&m, &list);
                     },
                     {},
                     true},
        DispatchCase{
            "move", [](CQYDataModel& m, auto& c) { return new CQYMoveCompCommand(&m, c[2], 5, 5); }, {0, 1}, true},
        DispatchCase{"move several",
                     [](CQYDataModel& m, auto& c) {
                         CQYCompList list = ListOf({c[2]});
                         return new CQYMoveCompsCommand(&m, &list, 5, 5);
                     },
                     {0, 1},
                     true},
        DispatchCase{"colour",
                     [](CQYDataModel& m, auto& c) { return new CQYColorChangeCommand(&m, c[2], RGB(1, 2, 3), 0); },
                     {0, 1},
                     true},
        DispatchCase{"group",
                     [](CQYDataModel& m, auto& c) {
                         CQYCompList list = ListOf({c[0], c[1]});
                         auto* pGroup = new CQYGroupComponent;
                         CRect rect(100, 100, 200, 200);
                         pGroup->Create(rect, "");
                         return new CQYGroupCommand(&m, &list, pGroup);
                     },
                     {-1},
                     true},
        DispatchCase{"add link", [](CQYDataModel& m, auto& c) { return new CQYAddLinkCommand(&m, c[2]); }, {2}, true},
        DispatchCase{
            "remove link", [](CQYDataModel& m, auto& c) { return new CQYRemoveLinkCommand(&m, c[2]); }, {}, true},
        // The old selection is repainted, the members become no selection.
        DispatchCase{"ungroup", [](CQYDataModel& m, auto& c) { return new CQYUnGroupCommand(&m, c[2]); }, {}, true},
        DispatchCase{"form size",
                     [](CQYDataModel& m, auto& c) { return new CQYFormSizeCommand(&m, c[2], 0, 0, 500, 500); },
                     {0, 1},
                     true},
        DispatchCase{"size spot",
                     [](CQYDataModel& m, auto& c) { return new CQYSizeSpotCommand(&m, c[2], 0, 3, 3); },
                     {0, 1},
                     true},
        DispatchCase{"form colour",
                     [](CQYDataModel& m, auto& c) { return new CQYFormColorChangeCommand(&m, c[2], 0, 0); },
                     {0, 1},
                     true},
        DispatchCase{"scale extend",
                     [](CQYDataModel& m, auto& c) { return new CQYScaleExtendCommand(&m, c[2], 2.0f, 2.0f, 0); },
                     {0, 1},
                     true},
        DispatchCase{"order single",
                     [](CQYDataModel& m, auto& c) { return new CQYOrderSingleCommand(&m, c[2], 0); },
                     {0, 1},
                     true},
        DispatchCase{"rotate extend",
                     [](CQYDataModel& m, auto& c) { return new CQYRotateExtendCommand(&m, c[2], 900); },
                     {0, 1},
                     true},
        DispatchCase{"size port",
                     [](CQYDataModel& m, auto& c) { return new CQYSizePortCommand(&m, c[2], 0, 3, 3); },
                     {0, 1},
                     true},
        DispatchCase{"code 12", [](CQYDataModel& m, auto&) { return new CCodedCommand(&m, 12); }, {0, 1}, false},
        DispatchCase{"code 15", [](CQYDataModel& m, auto&) { return new CCodedCommand(&m, 15); }, {0, 1}, false},
        DispatchCase{"code 16", [](CQYDataModel& m, auto&) { return new CCodedCommand(&m, 16); }, {0, 1}, false},
        DispatchCase{"code 17", [](CQYDataModel& m, auto&) { return new CCodedCommand(&m, 17); }, {0, 1}, false},
        DispatchCase{"code 0", [](CQYDataModel& m, auto&) { return new CCodedCommand(&m, 0); }, {0, 1}, false},
        DispatchCase{"code 29", [](CQYDataModel& m, auto&) { return new CCodedCommand(&m, 29); }, {0, 1}, false},
        // A macro is announced by its sub-commands only.
        DispatchCase{
            "macro",
            [](CQYDataModel& m, auto& c) {
                auto* pAlign = new CQYAlignCommand(&m);
                CQYCompList list = ListOf({c[0], c[2]});
                pAlign->AddComponents(&list);
                return pAlign;
            },
            {0, 1},
            false}),
    [](const ::testing::TestParamInfo<DispatchCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ')
                ch = '_';
        return name;
    });

// The history announces each command of a macro: the view reacts to each
// as if it had run alone.
TEST_F(ViewGeometry, AMacroRunThroughTheHistoryIsDispatchedCommandByCommand)
{
    CQYDrawComponent* a = Put(CRect(10, 10, 60, 60));
    Select({a});
    CQYDrawComponent* d = Model().GetComponentByType(QY_COMP_RECTANGLE, CRect(100, 100, 150, 150), "", 0);
    CQYDrawComponent* e = Model().GetComponentByType(QY_COMP_RECTANGLE, CRect(200, 100, 250, 150), "", 0);
    auto* pMacro = new CQYCommandMacro(&Model());
    pMacro->AddCommand(new CQYAddCompCommand(&Model(), d));
    pMacro->AddCommand(new CQYAddCompCommand(&Model(), e));
    d->Release();
    e->Release();
    ASSERT_TRUE(Model().Execute(pMacro, TRUE));
    // Each add selected its component alone: the last one stays.
    EXPECT_EQ(Selected(), (std::vector<CQYDrawComponent*>{e}));
    EXPECT_EQ(m_pView->GetMainSelected(), e);
    // The undo removes both, each removal clearing the selection.
    Select({a, e});
    Model().Undo();
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Model().GetComponents().GetCount(), 1);
}

TEST_F(ViewGeometry, HintsRepaintTheWholeViewOrEveryComponent)
{
    Put(CRect(10, 10, 20, 20));
    Put(CRect(400, 300, 420, 320));
    struct Case {
        LPARAM lHint;
        bool bWhole;
        bool bAny;
    } cases[] = {{0, true, true}, {2, false, true}, {4, false, true}, {7, false, false}};
    CRect client;
    m_pView->GetClientRect(&client);
    for (const Case& c : cases) {
        Validate();
        m_pView->OnUpdate(nullptr, c.lHint, nullptr);
        const CRect rect = UpdateRect();
        EXPECT_EQ(!rect.IsRectEmpty(), c.bAny) << c.lHint;
        if (c.bAny) {
            EXPECT_EQ(rect == client, c.bWhole) << c.lHint;
        }
    }
}

TEST_F(ViewGeometry, ActivationRepaintsOnlyOnChangeWithASelection)
{
    CQYDrawComponent* a = Put(CRect(10, 10, 50, 50));
    Validate();
    m_pView->OnActivateView(!m_pView->m_bActive, m_pView, m_pView);
    EXPECT_TRUE(UpdateRect().IsRectEmpty()); // nothing selected
    Select({a});
    const BOOL bNext = !m_pView->m_bActive;
    m_pView->OnActivateView(bNext, m_pView, m_pView);
    EXPECT_FALSE(UpdateRect().IsRectEmpty());
    Validate();
    m_pView->OnActivateView(bNext, m_pView, m_pView);
    EXPECT_TRUE(UpdateRect().IsRectEmpty());
}

TEST_F(ViewGeometry, TwoRectsAreConvertedInAScrolledView)
{
    Model().SetPrintPageRect(CRect(0, 0, 2000, 2000));
    m_pView->UpdatePrintScrollSizes();
    m_pView->ScrollToPosition(CPoint(200, 100));
    Pump();
    Validate();
    m_pView->m_bActive = FALSE;
    m_pView->InvalidateTwoRects(CRect(250, 150, 260, 160), CRect(250, 150, 260, 160));
    EXPECT_EQ(UpdateRect(), CRect(49, 49, 61, 61));
}

TEST_F(ViewGeometry, ComponentRepaintIsConvertedAndInflated)
{
    CQYDrawComponent* a = Put(CRect(100, 100, 150, 150));
    Model().SetPrintPageRect(CRect(0, 0, 2000, 2000));
    m_pView->UpdatePrintScrollSizes();
    m_pView->ScrollToPosition(CPoint(50, 20));
    Pump();
    Validate();
    m_pView->InvalidateComponent(a);
    EXPECT_EQ(UpdateRect(), CRect(40, 70, 110, 140));
}

} // namespace
