// Source documents: the language comes from the file's extension when the
// file is opened or saved, the bytes go in and out unchanged, and failures
// leave the file and the document as they were.
#include "DocumentsTestSupport.h"

#include "framework/app/Document.h"

#include <filesystem>

namespace {

struct ExtensionCase {
    const char *path;
    const char *language;
};

class LanguageForPathTable : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(LanguageForPathTable, LooksTheLowerCasedExtensionUp)
{
    CDocumentSettings settings;
    settings.AddStandardExtensions();
    EXPECT_STREQ(settings.LanguageForPath(GetParam().path), GetParam().language) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, LanguageForPathTable,
                         ::testing::Values(ExtensionCase{"/work/x.html", "HTML"}, ExtensionCase{"/work/x.HTML", "HTML"},
                                           ExtensionCase{"x.Htm", "HTML"}, ExtensionCase{"/work/x.txt", "Default"},
                                           ExtensionCase{"/work/Makefile", "Default"},
                                           ExtensionCase{"/work/dir.cpp/file", "Default"},
                                           ExtensionCase{"a.b.CPP", "C"}, ExtensionCase{"x.h", "C"},
                                           ExtensionCase{"x.inl", "C"}, ExtensionCase{"x.odl", "IDL"},
                                           ExtensionCase{"x.java", "JScript"}, ExtensionCase{"x.frm", "VBScript"},
                                           ExtensionCase{"", "Default"}, ExtensionCase{"/work/trailing.", "Default"}));

TEST(DocumentSettingsTest, WithoutAnInstalledObjectTheDefaultsAnswer)
{
    EXPECT_TRUE(CDocumentSettings::Current().m_bUseSplitter);
    EXPECT_STREQ(CDocumentSettings::Current().LanguageForPath("x.cpp"), "Default");
    CDocumentSettings mine;
    mine.AddStandardExtensions();
    EXPECT_EQ(CDocumentSettings::Install(&mine), nullptr);
    EXPECT_STREQ(CDocumentSettings::Current().LanguageForPath("x.cpp"), "C");
    EXPECT_EQ(CDocumentSettings::Install(nullptr), &mine);
    EXPECT_STREQ(CDocumentSettings::Current().LanguageForPath("x.cpp"), "Default");
}

class DocumentTest : public DocumentsAppTest {
protected:
    CMDIDoc *DocumentOf(CChildFrame *pChild)
    {
        return pChild ? dynamic_cast<CMDIDoc *>(pChild->GetActiveDocument()) : nullptr;
    }
    static std::string Text(CMDIDoc *pDoc)
    {
        CString text = pDoc->GetBuffer().GetAllText();
        return std::string(text, static_cast<size_t>(text.GetLength()));
    }
};

TEST_F(DocumentTest, FileNewIsAnEmptyCDocument)
{
    CMDIDoc *doc = DocumentOf(NewChild());
    ASSERT_NE(doc, nullptr);
    EXPECT_STREQ(doc->GetBuffer().GetLanguageName(), "C");
    EXPECT_EQ(Text(doc), "");
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocumentTest, OpenEditSaveKeepsTheBytesAndTakesTheLanguage)
{
    const std::string path = m_folder.File("Props.cpp");
    const std::string original = "// caf\xC3\xA9\r\nint a;\r\n\tint b;\r\n";
    TempFolder::Write(path, original);
    CMDIDoc *doc = DocumentOf(OpenChild(path));
    ASSERT_NE(doc, nullptr);
    EXPECT_STREQ(doc->GetBuffer().GetLanguageName(), "C");
    EXPECT_EQ(Text(doc), original);
    EXPECT_FALSE(doc->IsModified());
    // A line typed at the end; the buffer's state is the document's.
    const SECEditPosition end = doc->GetBuffer().GetEndPosition();
    doc->GetBuffer().InsertText(end.m_nLine, end.m_nCol, "x", 1);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(TempFolder::Read(path), original + "x");
    // Nothing but the file itself lies in the folder.
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(m_folder.Path()))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
}

TEST_F(DocumentTest, AFileWithoutExtensionOpensAsDefault)
{
    const std::string path = m_folder.File("README");
    TempFolder::Write(path, "words\n");
    CMDIDoc *doc = DocumentOf(OpenChild(path));
    ASSERT_NE(doc, nullptr);
    EXPECT_STREQ(doc->GetBuffer().GetLanguageName(), "Default");
}

TEST_F(DocumentTest, SavingUnderAnotherExtensionSwitchesTheLanguage)
{
    const std::string cpp = m_folder.File("a.cpp");
    const std::string htm = m_folder.File("a.htm");
    TempFolder::Write(cpp, "<b>if</b>\n");
    CMDIDoc *doc = DocumentOf(OpenChild(cpp));
    ASSERT_NE(doc, nullptr);
    ASSERT_TRUE(doc->DoSave(htm.c_str()));
    EXPECT_STREQ(doc->GetBuffer().GetLanguageName(), "HTML");
    EXPECT_TRUE(doc->GetBuffer().IsHtml());
    SECEditLangConfig *config = doc->GetBuffer().GetLangConfig();
    ASSERT_TRUE(doc->DoSave(htm.c_str()));
    EXPECT_STREQ(doc->GetBuffer().GetLanguageName(), "HTML");
    EXPECT_EQ(doc->GetBuffer().GetLangConfig(), config);
    EXPECT_EQ(TempFolder::Read(htm), "<b>if</b>\n");
    EXPECT_EQ(TempFolder::Read(cpp), "<b>if</b>\n");
}

TEST_F(DocumentTest, AFailedSaveKeepsTheLanguageAndTheText)
{
    const std::string cpp = m_folder.File("b.cpp");
    TempFolder::Write(cpp, "int b;\n");
    CMDIDoc *doc = DocumentOf(OpenChild(cpp));
    ASSERT_NE(doc, nullptr);
    doc->GetBuffer().InsertText(0, 0, "x", 1);
    const std::string missing = m_folder.File("no/such/folder/b.htm");
    EXPECT_FALSE(doc->OnSaveDocument(missing.c_str()));
    EXPECT_STREQ(doc->GetBuffer().GetLanguageName(), "C");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Text(doc), "xint b;\n");
    EXPECT_FALSE(m_boxes.shown.empty());
    EXPECT_EQ(TempFolder::Read(cpp), "int b;\n");
}

TEST_F(DocumentTest, AFileThatCannotBeReadOpensNothing)
{
    // A folder named like a source file cannot be read as one, whatever
    // the rights of the user running the test.
    const std::string path = m_folder.File("folder.cpp");
    std::filesystem::create_directory(path);
    EXPECT_EQ(OpenChild(path), nullptr);
    EXPECT_EQ(m_pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    EXPECT_FALSE(m_boxes.shown.empty());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(DocumentTest, AMissingFileOpensNothing)
{
    EXPECT_EQ(OpenChild(m_folder.File("gone.cpp")), nullptr);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
}

} // namespace
