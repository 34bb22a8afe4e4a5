#include "ArchiveBytes.h"

#include "framework/app/Document.h"
#include "library/model/QYCommand.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/pickers/QYGlobalData.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Inserts (or removes) one component directly; its inverse does the other.
class InsertCommand : public CQYCommand {
public:
    InsertCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, BOOL bInsert)
        : CQYCommand(pModel), m_pComp(pComp), m_bInsert(bInsert)
    {
        m_pComp->AddRef();
    }
    ~InsertCommand() override { m_pComp->Release(); }
    int GetCommandID() override { return QY_CMD_ADDCOMP; }
    BOOL Execute() override
    {
        return m_bInsert ? m_pModel->InsertComponent(m_pComp) : m_pModel->RemoveComponent(m_pComp);
    }
    CQYBaseCommand* GetUndoCommand() const override { return new InsertCommand(m_pModel, m_pComp, !m_bInsert); }
    CQYBaseCommand* GetRedoCommand() const override { return new InsertCommand(m_pModel, m_pComp, m_bInsert); }
    void Sprint(CString& strText) const override { strText = "Insert"; }

private:
    CQYDrawComponent* m_pComp;
    BOOL m_bInsert;
};

// A view that remembers the hints it was given.
class RecordingView : public CView {
public:
    void OnUpdate(CView*, LPARAM lHint, CObject* pHint) override { hints.push_back({lHint, pHint}); }
    void OnDraw(CDC*) override {}
    std::vector<std::pair<LPARAM, CObject*>> hints;
};

// A component with a rectangle, its caption and a reference held by the
// caller until Release.
CQYDrawComponent* NewComponent(int left, const char* caption)
{
    auto* pComp = new CQYDrawComponent();
    pComp->AddRef();
    CRect rect(left, 10, left + 40, 30);
    pComp->Create(rect, caption);
    pComp->SetObjectCaption(caption);
    return pComp;
}

int TabOrder(CQYDrawComponent* pComp)
{
    return pComp->GetDefaultProperty()->m_nTabOrder;
}

std::vector<int> TabOrders(CQYDataModel& model)
{
    std::vector<int> orders;
    POSITION pos = model.GetComponents().GetHeadPosition();
    while (pos != nullptr)
        orders.push_back(TabOrder(model.GetComponents().GetNext(pos)));
    return orders;
}

class DataModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir =
            std::filesystem::temp_directory_path() / ("plexo-datamodel-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string PathOf(const char* name) const { return (m_dir / name).string(); }
    static Bytes ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteFile(const std::string& path, const Bytes& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // A fixed small document: texts, band font, the form set, and two
    // components of one class.
    static void BuildSmallDocument(CQYDataModel& model)
    {
        const char* texts[] = {"Left", "Centre", "", "", "Footer", "&p of &P"};
        for (int i = 0; i < QY_HEADER_FOOTER_COUNT; ++i)
            model.m_strHeaderFooter[i] = texts[i];
        model.SetPagePosition(CRect(0, 0, 450, 400));
        model.SetHeaderFontFace("Arial");
        model.SetHeaderPointSize(12);
        model.SetHeaderTextColor(RGB(1, 2, 3));
        model.SetHeaderFontWeight(700);
        model.m_bHFItalic = TRUE;
        CQYFormProperties* pForm = model.GetDefaultProperty();
        pForm->SetObjectCaption("Form");
        pForm->SetPageBkColor(RGB(0, 128, 128));
        pForm->SetFontColor(RGB(0, 0, 0));
        for (int i = 0; i < 2; ++i) {
            CQYDrawComponent* pComp = NewComponent(10 + 50 * i, i == 0 ? "First" : "Second");
            model.InsertComponent(pComp);
            pComp->Release();
        }
    }
    static Bytes Saved(CQYDataModel& model) { return StoreRecord(model); }

    std::filesystem::path m_dir;
};

TEST_F(DataModel, NewModelHoldsTheFormSetAndItsDefaults)
{
    CQYDataModel model;
    ASSERT_NE(model.GetDefaultProperty(), nullptr);
    EXPECT_STREQ(model.GetDefaultProperty()->GetObjectCaption(), "Caption");
    EXPECT_EQ(model.GetComponents().GetCount(), 0);
    EXPECT_FALSE(model.IsModified());
    EXPECT_FALSE(model.IsFormDesignMode());
    EXPECT_EQ(model.GetMaxTabOrder(), 0);
    EXPECT_STREQ(model.m_strHFFaceName, "Times New Roman");
    EXPECT_EQ(model.m_nHFFontHeight, 13);

    CQYFormProperties second;
    EXPECT_FALSE(model.AddProperty(&second));
    CQYBaseProperties custom(QY_CUSTOM_PROP_ID + 1);
    EXPECT_TRUE(model.AddProperty(&custom));
    EXPECT_NE(model.FindProperty(QY_CUSTOM_PROP_ID + 1), &custom); // the model keeps a copy
    EXPECT_TRUE(model.RemoveProperty(QY_CUSTOM_PROP_ID + 1));
    EXPECT_FALSE(model.RemoveProperty(QY_CUSTOM_PROP_ID + 1));
    EXPECT_TRUE(model.IsModified());
}

TEST_F(DataModel, DesignModeSwitches)
{
    CQYDataModel model;
    CQYFormProperties* pForm = model.GetDefaultProperty();
    model.SetFormDesignMode(TRUE);
    EXPECT_TRUE(pForm->IsShowTitleBar() && pForm->IsShowIcon() && pForm->HasCloseButton() && pForm->Is3DBorder() &&
                pForm->IsShowGrid() && pForm->IsShowMargin());
    EXPECT_EQ(pForm->GetPageBkColor(), RGB(255, 255, 255));

    model.SetFormDesignMode(FALSE);
    EXPECT_FALSE(pForm->IsShowTitleBar() || pForm->IsShowIcon() || pForm->HasCloseButton() || pForm->Is3DBorder() ||
                 pForm->IsShowMargin());
    EXPECT_TRUE(pForm->IsShowGrid()); // the grid switch stays
    EXPECT_EQ(pForm->GetPageBkColor(), qyGlobalData.m_clrDesktop);

    model.SetFormDesignMode(TRUE);
    model.DoInitData();
    EXPECT_EQ(model.GetPagePosition(), CRect(0, 0, 450, 400));
    EXPECT_EQ(pForm->GetBkColor(), qyGlobalData.m_clrBtnFace);
}

TEST_F(DataModel, DirectEditsKeepTabOrdersDense)
{
    CQYDataModel model;
    CQYDrawComponent* comps[3];
    for (int i = 0; i < 3; ++i) {
        comps[i] = NewComponent(10 * i, "c");
        EXPECT_TRUE(model.InsertComponent(comps[i]));
    }
    EXPECT_EQ(TabOrders(model), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(comps[0]->GetRefCount(), 2);

    EXPECT_TRUE(model.RemoveComponent(comps[1]));
    EXPECT_FALSE(model.RemoveComponent(comps[1]));
    EXPECT_EQ(TabOrders(model), (std::vector<int>{1, 2}));
    EXPECT_EQ(comps[1]->GetRefCount(), 1);

    // One listed component is already on the page: it keeps its order.
    CQYCompList list;
    list.AddTail(comps[2]);
    list.AddTail(comps[1]);
    EXPECT_EQ(model.InsertComponents(&list), 1);
    EXPECT_EQ(TabOrders(model), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(TabOrder(comps[1]), 3);

    list.AddTail(comps[0]);
    EXPECT_EQ(model.RemoveComponents(&list), 3);
    EXPECT_EQ(model.GetComponents().GetCount(), 0);
    list.RemoveAll();
    // The model's own list as the argument.
    for (CQYDrawComponent* pComp : comps)
        model.InsertComponent(pComp);
    EXPECT_EQ(model.RemoveComponents(&model.GetComponents()), 3);
    for (CQYDrawComponent* pComp : comps) {
        EXPECT_EQ(pComp->GetRefCount(), 1);
        pComp->Release();
    }
}

TEST_F(DataModel, TitleMarksFollowTheSavePoint)
{
    CDocument doc;
    doc.m_bAutoDelete = FALSE; // on the stack: it must not go with its view
    RecordingView view;
    doc.AddView(&view);
    doc.SetTitle("Page");
    CQYDataModel model;
    model.SetOwnerDocument(&doc);

    CQYDrawComponent* pComp = NewComponent(0, "c");
    auto* pCommand = new InsertCommand(&model, pComp, TRUE);
    ASSERT_TRUE(model.Execute(pCommand));
    EXPECT_STREQ(doc.GetTitle(), "Page *");
    EXPECT_TRUE(model.IsModified());
    ASSERT_EQ(view.hints.size(), 1u);
    EXPECT_EQ(view.hints[0].second, pCommand);

    ASSERT_TRUE(model.Undo());
    EXPECT_STREQ(doc.GetTitle(), "Page");
    EXPECT_EQ(model.GetComponents().GetCount(), 0);
    model.SetModifiedFlag(TRUE); // the flag alone marks no title
    model.UpdateTitle();
    EXPECT_STREQ(doc.GetTitle(), "Page");
    EXPECT_TRUE(model.IsModified());

    ASSERT_TRUE(model.Redo());
    EXPECT_STREQ(doc.GetTitle(), "Page *");
    ASSERT_TRUE(model.SaveDocument(PathOf("page.pln").c_str()));
    model.SetSavePoint();
    model.SetModifiedFlag(FALSE);
    EXPECT_STREQ(doc.GetTitle(), "Page");
    EXPECT_FALSE(model.IsModified());
    EXPECT_STREQ(model.GetPathName(), PathOf("page.pln").c_str());
    pComp->Release();
    doc.RemoveView(&view);
}

// The head of a document: texts, design mode, page rectangle, band font
// (colour before height), and the property list's form set.
Bytes ExpectedHead(CQYDataModel& model)
{
    RecordBuilder b;
    b.Str("Left").Str("Centre").Str("").Str("").Str("Footer").Str("&p of &P");
    b.Int(0);                          // design mode
    b.Int(0).Int(0).Int(450).Int(400); // page rectangle
    b.Str("Arial").Int(12).Int(0x030201).Int(16).Int(700).Int(1).Int(0).Int(0);
    b.Word(1); // one property set
    b.Word(0xFFFF).Word(1).Word(17).Raw("CQYFormProperties");
    b.Append(StoreRecord(*model.GetDefaultProperty()));
    b.Word(2); // two components
    b.Word(0xFFFF).Word(0).Word(16).Raw("CQYDrawComponent");
    return b.Get();
}

TEST_F(DataModel, SmallDocumentBytes)
{
    CQYDataModel model;
    BuildSmallDocument(model);
    const std::string path = PathOf("small.pln");
    ASSERT_TRUE(model.SaveDocument(path.c_str()));
    const Bytes bytes = ReadFile(path);
    const Bytes head = ExpectedHead(model);
    ASSERT_GT(bytes.size(), head.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(head.size())), head);
    // The second component names its class by index (the form set's class
    // is 1, the form set 2, the component class 3).
    const Bytes golden = ReadFile(std::string(PLEXO_TEST_DATA_DIR) + "/model/small-document.pln");
    EXPECT_EQ(bytes, golden);

    // Read back and written again: the same bytes.
    CQYDataModel loaded;
    ASSERT_TRUE(loaded.OpenDocument(path.c_str()));
    EXPECT_EQ(loaded.GetComponents().GetCount(), 2);
    EXPECT_EQ(TabOrders(loaded), (std::vector<int>{1, 2}));
    EXPECT_FALSE(loaded.CanUndo());
    EXPECT_FALSE(loaded.IsModified());
    const std::string again = PathOf("again.pln");
    ASSERT_TRUE(loaded.SaveDocument(again.c_str()));
    EXPECT_EQ(ReadFile(again), bytes);
}

TEST_F(DataModel, CorruptFilesLeaveTheModelAsItWas)
{
    CQYDataModel source;
    BuildSmallDocument(source);
    const Bytes good = Saved(source);

    auto replaceText = [](Bytes bytes, const std::string& from, const std::string& to) {
        const auto it = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
        std::copy(to.begin(), to.end(), it);
        return bytes;
    };
    std::vector<std::pair<std::string, Bytes>> cases;
    // Cut at every byte: within each text, the rectangle, each font field,
    // the property list and each component.
    for (size_t n = 1; n < good.size(); ++n)
        cases.push_back(
            {"truncated at " + std::to_string(n), Bytes(good.begin(), good.begin() + static_cast<long>(n))});
    {
        // A page wider than any size: right - left leaves the int range.
        Bytes wide = good;
        const std::string text = "&p of &P";
        const auto it = std::search(wide.begin(), wide.end(), text.begin(), text.end()) + 8 + 4;
        const BYTE left[4] = {0x00, 0x00, 0x00, 0x80}; // INT_MIN
        std::copy(left, left + 4, it);
        cases.push_back({"page wider than the int range", wide});
    }
    cases.push_back({"unknown component class", replaceText(good, "CQYDrawComponent", "CQYDrawComponenX")});
    cases.push_back({"unknown property class", replaceText(good, "CQYFormProperties", "CQYFormPropertiez")});
    cases.push_back({"component sets under the form id", replaceText(good, "CQYFormProperties", "CQYCompProperties")});
    {
        // A plain property set under the form's id.
        CQYDataModel odd;
        odd.RemoveAllProperties();
        CQYBaseProperties plain(QY_FORM_PROP_ID);
        odd.AddProperty(&plain);
        cases.push_back({"plain set under the form id", Saved(odd)});
    }
    {
        // The property list names one set twice (the second time by its
        // object index): the model would own it twice.
        CQYDataModel twice;
        twice.m_listProperties.AddTail(twice.GetDefaultProperty());
        cases.push_back({"one property set twice", Saved(twice)});
        twice.m_listProperties.RemoveTail();
        // Likewise one component twice on the page.
        CQYDrawComponent* pComp = NewComponent(0, "c");
        twice.GetComponents().AddTail(pComp);
        twice.GetComponents().AddTail(pComp);
        pComp->Release();
        cases.push_back({"one component twice", Saved(twice)});
    }
    {
        Bytes badWeight = good;
        // The weight follows face, size, colour, height: offset from "Arial".
        const std::string face = "Arial";
        const auto it = std::search(badWeight.begin(), badWeight.end(), face.begin(), face.end());
        *(it + 5 + 12) = 0x77;
        *(it + 5 + 13) = 0x77;
        cases.push_back({"weight out of range", badWeight});
    }

    CQYDataModel model;
    BuildSmallDocument(model);
    model.m_strHeaderFooter[0] = "Before";
    model.SetTitle("Kept");
    ASSERT_TRUE(model.SaveDocument(PathOf("kept.pln").c_str()));
    const Bytes before = Saved(model);
    const std::string path = PathOf("corrupt.pln");
    for (const auto& [name, bytes] : cases) {
        WriteFile(path, bytes);
        EXPECT_FALSE(model.OpenDocument(path.c_str())) << name;
        EXPECT_EQ(Saved(model), before) << name;
        EXPECT_STREQ(model.GetPathName(), PathOf("kept.pln").c_str()) << name;
        ASSERT_NE(model.GetDefaultProperty(), nullptr) << name;
    }
}

TEST_F(DataModel, FileWithoutFormSetGetsTheDefaultOne)
{
    CQYDataModel source;
    source.RemoveAllProperties();
    CQYBaseProperties custom(QY_CUSTOM_PROP_ID + 1);
    source.AddProperty(&custom);
    const std::string path = PathOf("noform.pln");
    ASSERT_TRUE(source.SaveDocument(path.c_str()));

    CQYDataModel model;
    ASSERT_TRUE(model.OpenDocument(path.c_str()));
    ASSERT_NE(model.GetDefaultProperty(), nullptr);
    EXPECT_NE(model.FindProperty(QY_CUSTOM_PROP_ID + 1), nullptr);
}

TEST_F(DataModel, EmptyFileOpensAsNewDocument)
{
    CQYDataModel model;
    BuildSmallDocument(model);
    model.SetFormDesignMode(TRUE);
    const std::string path = PathOf("empty.pln");
    WriteFile(path, Bytes());
    ASSERT_TRUE(model.OpenDocument(path.c_str()));
    EXPECT_EQ(model.GetComponents().GetCount(), 0);
    EXPECT_STREQ(model.m_strHeaderFooter[0], "");
    EXPECT_STREQ(model.m_strHFFaceName, "Times New Roman");
    EXPECT_FALSE(model.IsFormDesignMode());
    EXPECT_FALSE(model.GetDefaultProperty()->IsShowTitleBar());
    EXPECT_STREQ(model.GetDefaultProperty()->GetObjectCaption(), "Caption");
    EXPECT_STREQ(model.GetPathName(), path.c_str());
    EXPECT_FALSE(model.IsModified());
}

TEST_F(DataModel, LargeDocumentLoadsWholeWithoutHistory)
{
    CQYDataModel source;
    for (int i = 0; i < 300; ++i) {
        CQYDrawComponent* pComp = NewComponent(i, "c");
        source.InsertComponent(pComp);
        pComp->Release();
    }
    const std::string path = PathOf("large.pln");
    ASSERT_TRUE(source.SaveDocument(path.c_str()));

    CQYDataModel model;
    ASSERT_TRUE(model.OpenDocument(path.c_str()));
    EXPECT_EQ(model.GetComponents().GetCount(), 300);
    EXPECT_FALSE(model.CanUndo());
    EXPECT_FALSE(model.Undo());
    EXPECT_EQ(model.GetComponents().GetCount(), 300);
    EXPECT_EQ(model.GetMaxTabOrder(), 300);
}

TEST_F(DataModel, LoadedTabOrdersBecomeDense)
{
    CQYDataModel source;
    const int stored[] = {5, 9, 5, 0};
    for (int nOrder : stored) {
        CQYDrawComponent* pComp = NewComponent(0, "c");
        source.InsertComponent(pComp);
        pComp->GetDefaultProperty()->m_nTabOrder = nOrder;
        pComp->Release();
    }
    const std::string path = PathOf("orders.pln");
    ASSERT_TRUE(source.SaveDocument(path.c_str()));
    CQYDataModel model;
    ASSERT_TRUE(model.OpenDocument(path.c_str()));
    EXPECT_EQ(TabOrders(model), (std::vector<int>{2, 4, 3, 1}));
}

TEST_F(DataModel, LoadKeepsTheStoredFormSet)
{
    CQYDataModel source;
    source.SetFormDesignMode(TRUE);
    source.GetDefaultProperty()->ShowTitleBar(FALSE);
    source.GetDefaultProperty()->ShowGrid(FALSE);
    const std::string path = PathOf("form.pln");
    ASSERT_TRUE(source.SaveDocument(path.c_str()));
    CQYDataModel model;
    ASSERT_TRUE(model.OpenDocument(path.c_str()));
    EXPECT_TRUE(model.IsFormDesignMode());
    EXPECT_FALSE(model.GetDefaultProperty()->IsShowTitleBar());
    EXPECT_FALSE(model.GetDefaultProperty()->IsShowGrid());
    EXPECT_TRUE(model.GetDefaultProperty()->Is3DBorder());
    EXPECT_EQ(model.GetPagePosition(), source.GetPagePosition());
}

TEST_F(DataModel, RemoveAllComponentsEmptiesListAndHistory)
{
    CQYDataModel model;
    CQYDrawComponent* pComp = NewComponent(0, "c");
    model.Execute(new InsertCommand(&model, pComp, TRUE));
    ASSERT_TRUE(model.CanUndo());
    model.RemoveAllComponents();
    EXPECT_FALSE(model.CanUndo());
    EXPECT_EQ(model.GetComponents().GetCount(), 0);
    EXPECT_EQ(pComp->GetRefCount(), 1);
    pComp->Release();
}

} // namespace
