#include "kilnsmith/wizard/AppResources.h"
#include "kilnsmith/wizard/ClassFileGeneration.h"
#include "kilnsmith/wizard/ClassNamePrompt.h"
#include "kilnsmith/wizard/KilnsmithAppIds.h"
#include "kilnsmith/wizard/WizardCommands.h"

#include "../generator/GeneratorTestSupport.h"
#include "WizardTestSupport.h"

#include "framework/window/MessageBoxApi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

// The golden folder of each command's kind.
const std::map<UINT, const char *> kGoldenFolders = {
    {ID_CREATE_SINGLE_COMMAND, "single_command"},
    {ID_CREATE_LIST_COMMAND, "list_command"},
    {ID_CREATE_MACRO_COMMAND, "macro_command"},
    {ID_CREATE_DRAW_COMPONENT, "draw_component"},
    {ID_CREATE_PORTS_COMPONENT, "ports_component"},
    {ID_CREATE_HYPERLINK_COMPONENT, "hyperlink_component"},
    {ID_CREATE_PROPERTY_SET, "property_set"},
    {ID_CREATE_DATA_MODEL, "data_model"},
    {ID_CREATE_SUB_FORM_MODEL, "sub_form_model"},
    {ID_CREATE_MULTI_PAGE_MODEL, "multi_page_model"},
    {ID_CREATE_MULTI_PAGE_DOCUMENT, "multi_page_document"},
    {ID_CREATE_DOCUMENT, "document"},
    {ID_CREATE_BASE_VIEW, "base_view"},
    {ID_CREATE_CONTENT_VIEW, "content_view"},
    {ID_CREATE_LINE_END, "line_end"},
    {ID_CREATE_TOOLBOX_ITEM, "toolbox_item"},
    {ID_CREATE_PLAIN_CLASS, "plain_class"},
};

class ClassFileGenerationTest : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        KilnsmithRegisterAppResources();
    }
    ClassGenerationResult Generate(ClassKind kind, const GeneratedClassNames &names, const std::string &folder)
    {
        CClassFileGeneration generation(*m_pApp, folder.c_str());
        generation.SetGuidSource(generator_test::FixedGuid);
        return generation.Generate(kind, names);
    }
    ClassGenerationResult Generate(ClassKind kind, const GeneratedClassNames &names)
    {
        return Generate(kind, names, WorkFolder());
    }
    static const WizardCommand &Command(UINT nID) { return *FindWizardCommand(nID); }
    bool WorkFolderIsEmpty() const { return fs::is_empty(WorkFolder()); }
};

TEST_F(ClassFileGenerationTest, TheCommandTableHasSeventeenRowsWithDistinctIds)
{
    int nCount = 0;
    const WizardCommand *pCommands = GetWizardCommands(&nCount);
    ASSERT_EQ(nCount, 17);
    for (int i = 0; i < nCount; ++i) {
        EXPECT_EQ(FindWizardCommand(pCommands[i].nID), &pCommands[i]);
        EXPECT_EQ(kGoldenFolders.count(pCommands[i].nID), 1u) << pCommands[i].nID;
    }
    EXPECT_EQ(FindWizardCommand(ID_USE_SPLITTER), nullptr);
}

TEST_F(ClassFileGenerationTest, EveryCommandsDefaultsWriteTheGoldenFilesAndOpenBoth)
{
    for (const auto &[nID, pszFolder] : kGoldenFolders) {
        const WizardCommand &command = Command(nID);
        const GeneratedClassNames names = GetDefaultClassNames(command);
        ASSERT_EQ(Generate(command.kind, names), ClassGenerationResult::Opened) << pszFolder;
        const CString strStem = CString(command.pszClassName).Mid(1);
        const fs::path golden = generator_test::GoldenFolder() / pszFolder;
        const std::string header = WorkFile(strStem + ".h");
        const std::string source = WorkFile(strStem + ".cpp");
        EXPECT_EQ(ReadBytes(header), ReadBytes((golden / (strStem + ".h").GetString()).string())) << pszFolder;
        EXPECT_EQ(ReadBytes(source), ReadBytes((golden / (strStem + ".cpp").GetString()).string())) << pszFolder;
        EXPECT_EQ(OpenPaths(), (std::vector<std::string>{header, source})) << pszFolder;
        ASSERT_NE(ActiveDocument(), nullptr);
        EXPECT_STREQ(ActiveDocument()->GetPathName(), source.c_str());
        EXPECT_TRUE(m_boxes.Shown().empty()) << pszFolder;
        m_pApp->CloseAllDocuments(FALSE);
    }
}

TEST_F(ClassFileGenerationTest, GeneratingAgainRewritesTheFilesAndKeepsTheOpenWindowsEdits)
{
    const GeneratedClassNames names("CMyNewProperties", "Properties");
    ASSERT_EQ(Generate(ClassKind::PropertySet, names), ClassGenerationResult::Opened);
    auto *pSource = static_cast<CTextDoc *>(ActiveDocument());
    ASSERT_NE(pSource, nullptr);
    const std::string header = WorkFile("MyNewProperties.h");
    const std::string source = WorkFile("MyNewProperties.cpp");
    const std::string generated = ReadBytes(source);
    pSource->m_text = "unsaved edits";
    pSource->SetModifiedFlag(TRUE);
    WriteBytes(header, "edited elsewhere");
    WriteBytes(source, "edited elsewhere");
    m_pFrame->MDINext();
    ASSERT_NE(ActiveDocument(), pSource);

    // No prompt, no window closed or reloaded: the files on disk are new,
    // the source's window comes forward with its edits.
    EXPECT_EQ(Generate(ClassKind::PropertySet, names), ClassGenerationResult::Opened);
    EXPECT_TRUE(m_boxes.Shown().empty());
    EXPECT_EQ(ReadBytes(source), generated);
    EXPECT_NE(ReadBytes(header), "edited elsewhere");
    EXPECT_EQ(OpenPaths(), (std::vector<std::string>{header, source}));
    EXPECT_EQ(ActiveDocument(), pSource);
    EXPECT_EQ(pSource->m_text, "unsaved edits");
    EXPECT_TRUE(pSource->IsModified());
}

TEST_F(ClassFileGenerationTest, RefusedNamesShowTheClassNameMessageAndWriteNothing)
{
    const struct {
        ClassKind kind;
        GeneratedClassNames names;
    } kCases[] = {
        {ClassKind::PropertySet, GeneratedClassNames("C", "one character")},
        {ClassKind::PropertySet, GeneratedClassNames("C../escape", "")},
        {ClassKind::PropertySet, GeneratedClassNames("Cdir/file", "")},
        {ClassKind::BaseView, GeneratedClassNames("CMyView", "", "not a class")},
        {ClassKind::PlainClass, GeneratedClassNames("", "empty", CString(), "CMyBaseClass")},
        {ClassKind::PlainClass, GeneratedClassNames("CMyNewClass", "", CString(), "Base; int x")},
    };
    for (const auto &c : kCases) {
        m_boxes.Clear();
        EXPECT_FALSE(CCodeGenerator::AcceptsNames(c.kind, c.names)) << c.names.strClass.GetString();
        EXPECT_EQ(Generate(c.kind, c.names), ClassGenerationResult::RefusedName);
        ASSERT_EQ(m_boxes.Shown().size(), 1u);
        EXPECT_EQ(m_boxes.Shown()[0].text, "Sorry,The class name isn't correct.Please change it and try again!");
    }
    EXPECT_TRUE(WorkFolderIsEmpty());
    EXPECT_TRUE(OpenPaths().empty());
}

TEST_F(ClassFileGenerationTest, AFileThatCannotBeWrittenIsNamedWithTheReasonAndNotOpened)
{
    const GeneratedClassNames names("CMyNewProperties", "Properties");
    const std::string missing = (m_folder / "missing").string();
    EXPECT_EQ(Generate(ClassKind::PropertySet, names, missing), ClassGenerationResult::WriteFailed);
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_EQ(m_boxes.Shown()[0].text,
              "The file " + missing + "/MyNewProperties.h could not be written: its folder does not exist.");
    EXPECT_EQ(m_boxes.Shown()[1].text,
              "The file " + missing + "/MyNewProperties.cpp could not be written: its folder does not exist.");
    EXPECT_EQ(m_boxes.Shown()[0].nType & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(OpenPaths().empty());

    m_boxes.Clear();
    const std::string notFolder = WorkFile("plain-file");
    WriteBytes(notFolder, "x");
    EXPECT_EQ(Generate(ClassKind::PropertySet, names, notFolder), ClassGenerationResult::WriteFailed);
    ASSERT_EQ(m_boxes.Shown().size(), 2u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("the name of its folder is taken by a file"), std::string::npos);

    // The header's name is taken by a folder: only the source is written.
    m_boxes.Clear();
    fs::create_directories(WorkFile("MyNewProperties.h"));
    EXPECT_EQ(Generate(ClassKind::PropertySet, names), ClassGenerationResult::WriteFailed);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_EQ(m_boxes.Shown()[0].text, "The file " + WorkFile("MyNewProperties.h") +
                                           " could not be written: the name is taken by a folder or another "
                                           "special file.");
    EXPECT_EQ(OpenPaths(), (std::vector<std::string>{WorkFile("MyNewProperties.cpp")}));
}

} // namespace
