// What derived and generated classes use of the model beyond its own names:
// the component's shortcuts to its default property set, the command macros,
// the list type and the model's path member.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "library/model/QYCommand.h"
#include "library/model/QYCommandMacro.h"
#include "library/model/QYCommandStrings.h"
#include "library/model/QYCompList.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

namespace {

struct ComponentReleaser {
    void operator()(CQYDrawComponent* p) const { p->Release(); }
};
using ComponentPtr = std::unique_ptr<CQYDrawComponent, ComponentReleaser>;

ComponentPtr NewComponent()
{
    auto* p = new CQYDrawComponent;
    p->AddRef();
    return ComponentPtr(p);
}

class CStampCommand : public CQYCommand {
    DECLARE_COMMAND(CStampCommand)
public:
    explicit CStampCommand(CQYDataModel* pModel) : CQYCommand(pModel) {}
    CQYBaseCommand* GetUndoCommand() const override { return new CStampCommand(m_pModel); }
    CQYBaseCommand* GetRedoCommand() const override { return new CStampCommand(m_pModel); }
    void Sprint(CString& strLabel) const override { strLabel = "Stamp"; }
};

IMPLEMENT_COMMAND(CStampCommand, CQYCommand, QY_CMD_COLORCHANGE)

} // namespace

TEST(DerivedClassSupport, ComponentShortcutsReachTheDefaultSet)
{
    ComponentPtr comp = NewComponent();
    CQYCompProperties* pProp = comp->GetDefaultProperty();
    ASSERT_NE(pProp, nullptr);

    comp->SetType(101);
    comp->SetBkColor(RGB(1, 2, 3));
    comp->SetBrushType(7);
    comp->SetLineWidth(5);
    comp->SetNullPen(TRUE);
    EXPECT_EQ(pProp->GetType(), 101);
    EXPECT_EQ(comp->GetType(), 101);
    EXPECT_EQ(pProp->GetBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(comp->GetBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(comp->GetBrushType(), 7);
    EXPECT_EQ(pProp->m_nLineWidth, 5);
    EXPECT_TRUE(pProp->IsNullPen());
    EXPECT_EQ(comp->GetPatternColor(), pProp->GetPatternColor());
    EXPECT_EQ(comp->GetShadowOffsetX(), pProp->GetShadowOffsetX());
    EXPECT_EQ(comp->GetShadowOffsetY(), pProp->GetShadowOffsetY());

    // A brush type out of range is ignored, as on the set itself.
    comp->SetBrushType(92);
    EXPECT_EQ(comp->GetBrushType(), 7);
}

TEST(DerivedClassSupport, ShortcutsOnAComponentWithoutDefaultSetChangeNothing)
{
    ComponentPtr comp = NewComponent();
    comp->RemoveAllProperties();
    ASSERT_EQ(comp->GetDefaultProperty(), nullptr);
    comp->SetType(101);
    comp->SetBkColor(RGB(9, 9, 9));
    const CQYCompProperties fresh;
    EXPECT_EQ(comp->GetType(), fresh.GetType());
    EXPECT_EQ(comp->GetBrushType(), fresh.GetBrushType());
    EXPECT_EQ(comp->GetShadowOffsetX(), fresh.GetShadowOffsetX());
    EXPECT_EQ(comp->GetDefaultProperty(), nullptr);
}

TEST(DerivedClassSupport, CommandMacrosCarryRunTimeClassAndId)
{
    CQYDataModel model;
    CStampCommand command(&model);
    EXPECT_EQ(command.GetCommandID(), QY_CMD_COLORCHANGE);
    EXPECT_EQ(command.GetRuntimeClass(), RUNTIME_CLASS(CStampCommand));
    EXPECT_TRUE(command.IsKindOf(RUNTIME_CLASS(CQYCommand)));
    EXPECT_STREQ(RUNTIME_CLASS(CStampCommand)->m_lpszClassName, "CStampCommand");

    std::unique_ptr<CQYBaseCommand> pUndo(static_cast<const CStampCommand&>(command).GetUndoCommand());
    CString strLabel;
    pUndo->Sprint(strLabel);
    EXPECT_EQ(strLabel, CString("Stamp"));
}

TEST(DerivedClassSupport, ListTypeAndPathMemberAreTheModelsOwn)
{
    static_assert(std::is_same_v<CQYDrawComponentList, CQYCompList>);
    CQYDataModel model;
    model.strCurOpenFormFile = "/tmp/form.qyf";
    EXPECT_EQ(model.GetPathName(), CString("/tmp/form.qyf"));
}

TEST(DerivedClassSupport, PlainMacroDescribesAndReversesItsCommands)
{
    CQYDataModel model;
    CQYCommandMacro macro(&model);
    CString strLabel;
    macro.Sprint(strLabel);
    EXPECT_EQ(strLabel, QYLoadCommandString(IDS_QY_CMD_UNKNOWN));

    macro.AddCommand(new CStampCommand(&model));
    macro.AddCommand(new CStampCommand(&model));
    macro.Sprint(strLabel);
    EXPECT_EQ(strLabel, CString("Stamp"));

    std::unique_ptr<CQYBaseCommand> pUndo(macro.GetUndoCommand());
    auto* pUndoMacro = dynamic_cast<CQYCommandMacro*>(pUndo.get());
    ASSERT_NE(pUndoMacro, nullptr);
    EXPECT_EQ(pUndoMacro->GetCommandCount(), 2);
    EXPECT_EQ(pUndoMacro->GetModel(), &model);
}

// A derived model's draw passes are the ones the view's pass names reach.
class CountingDrawModel : public CQYDataModel {
public:
    void OnDraw(CDC* pDC) override
    {
        ++nDraws;
        CQYDataModel::OnDraw(pDC);
    }
    void OnDrawTabOrder(CDC* pDC) override
    {
        ++nTabOrderDraws;
        CQYDataModel::OnDrawTabOrder(pDC);
    }
    int nDraws = 0;
    int nTabOrderDraws = 0;
};

TEST(DerivedClassSupport, DrawPassesReachADerivedModelsOverrides)
{
    CountingDrawModel model;
    ComponentPtr pComp = NewComponent();
    pComp->AllocMemory(4);
    model.InsertComponent(pComp.get());
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(16, 16, 1, 32, nullptr));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    model.DrawComponents(&dc);
    model.DrawTabOrders(&dc);
    model.DrawTabOrders(&dc);
    dc.SelectObject(pOld);
    EXPECT_EQ(model.nDraws, 1);
    EXPECT_EQ(model.nTabOrderDraws, 2);
}

// A derived model's factory receives the dropped toolbox item's pointer
// whole through the factory's further value.
class ItemFactoryModel : public CQYDataModel {
public:
    CQYDrawComponent* GetComponentByType(int nType, CRect rect, LPCTSTR lpszFileName, DWORD_PTR dwParam) override
    {
        m_pItem = reinterpret_cast<const int*>(dwParam);
        return CQYDataModel::GetComponentByType(nType, rect, lpszFileName, dwParam);
    }
    const int* m_pItem = nullptr;
};

TEST(DerivedClassSupport, FactoryValueCarriesAPointerWhole)
{
    ItemFactoryModel model;
    const int item = 7; // on the stack: above 4 GiB on this platform
    CQYDataModel& base = model;
    EXPECT_EQ(base.GetComponentByType(QY_COMP_NONE, CRect(0, 0, 10, 10), "", reinterpret_cast<DWORD_PTR>(&item)),
              nullptr);
    EXPECT_EQ(model.m_pItem, &item);
}
