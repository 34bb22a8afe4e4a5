#include "kilnsmith/generator/CodeGenerator.h"

#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

using namespace generator_test;

namespace {

typedef BOOL (CCodeGenerator::*Writer)(CString, CString);

struct KindCase {
    const char *pszFolder; // golden folder of the kind
    Writer pHeaderWriter;
    Writer pSourceWriter;
    const char *pszClass;
    const char *pszDescription;
    int nEmptyLinesBeforeEndif; // the closing guard's form
};

// Every kind that takes a class name and a description, with the names that
// the wizard offers.
const KindCase kKinds[] = {
    {"draw_component", &CCodeGenerator::WriteDrawComponentHeader, &CCodeGenerator::WriteDrawComponentSource,
     "CMyNewComponent1", "Component", 2},
    {"ports_component", &CCodeGenerator::WritePortsComponentHeader, &CCodeGenerator::WritePortsComponentSource,
     "CMyNewComponent1", "Component", 2},
    {"property_set", &CCodeGenerator::WritePropertySetHeader, &CCodeGenerator::WritePropertySetSource,
     "CMyNewProperties", "Properties", 2},
    {"data_model", &CCodeGenerator::WriteDataModelHeader, &CCodeGenerator::WriteDataModelSource, "CMySingleDataModel1",
     "Data Model", 2},
    {"sub_form_model", &CCodeGenerator::WriteSubFormModelHeader, &CCodeGenerator::WriteSubFormModelSource,
     "CMySingleSubDataModel1", "Sub data model", 2},
    {"multi_page_model", &CCodeGenerator::WriteMultiPageModelHeader, &CCodeGenerator::WriteMultiPageModelSource,
     "CMyMultiDataModel1", "Multi Page Data Model", 1},
    {"single_command", &CCodeGenerator::WriteSingleCommandHeader, &CCodeGenerator::WriteSingleCommandSource,
     "CMySubCommand1", "Command", 1},
    {"list_command", &CCodeGenerator::WriteListCommandHeader, &CCodeGenerator::WriteListCommandSource, "CMyCommand1",
     "Command for multi components", 1},
    {"macro_command", &CCodeGenerator::WriteMacroCommandHeader, &CCodeGenerator::WriteMacroCommandSource,
     "CMyMacroCommand1", "Macro Command for multi components", 1},
    {"document", &CCodeGenerator::WriteDocumentHeader, &CCodeGenerator::WriteDocumentSource, "CMyDoc", "Document", 1},
    {"multi_page_document", &CCodeGenerator::WriteMultiPageDocumentHeader,
     &CCodeGenerator::WriteMultiPageDocumentSource, "CMyDoc", "CQYMultiPageModel Document.", 1},
    {"line_end", &CCodeGenerator::WriteLineEndHeader, &CCodeGenerator::WriteLineEndSource, "CMyLineEndObject",
     "Create Line end object.", 1},
    {"hyperlink_component", &CCodeGenerator::WriteHyperlinkComponentHeader,
     &CCodeGenerator::WriteHyperlinkComponentSource, "CMyNewComponent1", "New control.", 1},
    {"toolbox_item", &CCodeGenerator::WriteToolBoxItemHeader, &CCodeGenerator::WriteToolBoxItemSource,
     "CMyNewToolBoxItem1", "New toolbox item class.", 1},
};

typedef BOOL (CCodeGenerator::*ThreeNameWriter)(CString, CString, CString);

// The kinds that take a further name: the views (class, document,
// description) and the plain class (base, class, description).
struct ThreeNameKindCase {
    const char *pszFolder;
    ThreeNameWriter pHeaderWriter;
    ThreeNameWriter pSourceWriter;
    const char *pszFirst;
    const char *pszSecond;
    const char *pszDescription;
    const char *pszStem;
    BOOL bFurtherNameFirst; // the plain class takes its base class first
};

const ThreeNameKindCase kThreeNameKinds[] = {
    {"base_view", &CCodeGenerator::WriteBaseViewHeader, &CCodeGenerator::WriteBaseViewSource, "CMyView", "CMyDoc",
     "Base View.", "MyView", FALSE},
    {"content_view", &CCodeGenerator::WriteContentViewHeader, &CCodeGenerator::WriteContentViewSource, "CMyView",
     "CMyDoc", "Content View.", "MyView", FALSE},
    {"plain_class", &CCodeGenerator::WritePlainClassHeader, &CCodeGenerator::WritePlainClassSource, "CMyBaseClass",
     "CMyNewClass", "Normal class.", "MyNewClass", TRUE},
};

class CodeGeneratorTest : public ::testing::Test {
protected:
    ScratchFolder m_folder;
    CCodeGenerator m_generator{m_folder.Str().c_str(), FixedGuid};

    std::string Written(const char *pszFileName) const { return ReadFileBytes(m_folder.Path() / pszFileName); }
};

TEST_F(CodeGeneratorTest, EveryKindWritesItsGoldenFiles)
{
    for (const KindCase &c : kKinds) {
        SCOPED_TRACE(c.pszFolder);
        const CString strStem = CString(c.pszClass).Mid(1);
        const std::string header = std::string(strStem) + ".h";
        const std::string source = std::string(strStem) + ".cpp";
        ASSERT_TRUE((m_generator.*c.pHeaderWriter)(c.pszClass, c.pszDescription));
        ASSERT_TRUE((m_generator.*c.pSourceWriter)(c.pszClass, c.pszDescription));
        EXPECT_EQ(Written(header.c_str()), ReadFileBytes(GoldenFolder() / c.pszFolder / header));
        EXPECT_EQ(Written(source.c_str()), ReadFileBytes(GoldenFolder() / c.pszFolder / source));
    }
}

TEST_F(CodeGeneratorTest, KindsWithAFurtherNameWriteTheirGoldenFiles)
{
    for (const ThreeNameKindCase &c : kThreeNameKinds) {
        SCOPED_TRACE(c.pszFolder);
        const std::string header = std::string(c.pszStem) + ".h";
        const std::string source = std::string(c.pszStem) + ".cpp";
        ASSERT_TRUE((m_generator.*c.pHeaderWriter)(c.pszFirst, c.pszSecond, c.pszDescription));
        ASSERT_TRUE((m_generator.*c.pSourceWriter)(c.pszFirst, c.pszSecond, c.pszDescription));
        EXPECT_EQ(Written(header.c_str()), ReadFileBytes(GoldenFolder() / c.pszFolder / header));
        EXPECT_EQ(Written(source.c_str()), ReadFileBytes(GoldenFolder() / c.pszFolder / source));
    }
}

TEST_F(CodeGeneratorTest, FurtherNamesMustBeIdentifiers)
{
    const char *badNames[] = {"", "1Doc", "My Doc", "../CDoc", "CDoc.h", "C\"Doc", "ns::CDoc"};
    for (const char *pszBad : badNames) {
        SCOPED_TRACE(pszBad);
        for (const ThreeNameKindCase &c : kThreeNameKinds) {
            const char *pszFirst = c.bFurtherNameFirst ? pszBad : c.pszFirst;
            const char *pszSecond = c.bFurtherNameFirst ? c.pszSecond : pszBad;
            EXPECT_FALSE((m_generator.*c.pHeaderWriter)(pszFirst, pszSecond, "d"));
            EXPECT_FALSE((m_generator.*c.pSourceWriter)(pszFirst, pszSecond, "d"));
        }
    }
    // The class name itself still has to make a safe file name.
    EXPECT_FALSE(m_generator.WritePlainClassHeader("CBase", "C", "d"));
    EXPECT_FALSE(m_generator.WriteBaseViewSource("C/x", "CDoc", "d"));
    EXPECT_TRUE(m_folder.IsEmpty());
    EXPECT_TRUE(m_generator.WritePlainClassHeader("_Base1", "CNew", "d"));
}

TEST_F(CodeGeneratorTest, ClosingGuardFormOfEachKind)
{
    CCodeGenerator generator(m_folder.Str().c_str(), NoGuid);
    for (const KindCase &c : kKinds) {
        SCOPED_TRACE(c.pszFolder);
        ASSERT_TRUE((generator.*c.pHeaderWriter)("CKind", "d"));
        const std::string text = Written("Kind.h");
        EXPECT_TRUE(text.starts_with("#ifndef\t_KIND_H_\n#define\t_KIND_H_\n\n#if _MSC_VER > 1000\n"));
        const std::string endif = "#endif // _KIND_H_\n";
        ASSERT_TRUE(text.ends_with(endif));
        const std::string before = text.substr(0, text.size() - endif.size());
        const size_t nLastText = before.find_last_not_of('\n');
        EXPECT_EQ(static_cast<int>(before.size() - nLastText - 2), c.nEmptyLinesBeforeEndif);
    }
    for (const ThreeNameKindCase &c : kThreeNameKinds) {
        SCOPED_TRACE(c.pszFolder);
        ASSERT_TRUE((generator.*c.pHeaderWriter)(c.pszFirst, c.pszSecond, "d"));
        std::string guard = c.pszStem;
        for (char &ch : guard)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const std::string text = Written((std::string(c.pszStem) + ".h").c_str());
        EXPECT_TRUE(text.ends_with("\n\n#endif // _" + guard + "_H_\n"));
        EXPECT_FALSE(text.ends_with("\n\n\n#endif // _" + guard + "_H_\n"));
    }
}

TEST_F(CodeGeneratorTest, FilesHaveLineFeedsOnlyAndNoTrailingEmptyLine)
{
    for (const KindCase &c : kKinds) {
        SCOPED_TRACE(c.pszFolder);
        ASSERT_TRUE((m_generator.*c.pHeaderWriter)("CKind", "d"));
        ASSERT_TRUE((m_generator.*c.pSourceWriter)("CKind", "d"));
        for (const char *pszFile : {"Kind.h", "Kind.cpp"}) {
            const std::string text = Written(pszFile);
            EXPECT_EQ(text.find('\r'), std::string::npos) << pszFile;
            EXPECT_NE(text.find("\n\t"), std::string::npos) << pszFile; // tab indentation survives
            ASSERT_GE(text.size(), 2u);
            EXPECT_EQ(text.back(), '\n') << pszFile;
            EXPECT_NE(text[text.size() - 2], '\n') << pszFile;
        }
    }
}

TEST_F(CodeGeneratorTest, WritingTwiceReplacesTheFilesWithANewGuard)
{
    CCodeGenerator generator(m_folder.Str().c_str()); // the system's GUIDs
    ASSERT_TRUE(generator.WriteDrawComponentHeader("CTwice", "first"));
    const std::string first = Written("Twice.h");
    ASSERT_TRUE(generator.WriteDrawComponentHeader("CTwice", "second"));
    const std::string second = Written("Twice.h");
    const std::string firstGuard = first.substr(0, first.find('\n'));
    const std::string secondGuard = second.substr(0, second.find('\n'));
    EXPECT_EQ(firstGuard.size(), std::string("#if !defined(AFC_TWICE_H)").size() + 49);
    EXPECT_NE(firstGuard, secondGuard);
    EXPECT_NE(second.find("// second."), std::string::npos);
    EXPECT_EQ(second.find("first"), std::string::npos);
}

TEST_F(CodeGeneratorTest, RefusedClassNamesWriteNothing)
{
    const std::string names[] = {"", "C", "C../evil", "C/evil", "Ca\\b", std::string("Ce\0vil", 6)};
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        for (const KindCase &c : kKinds) {
            EXPECT_FALSE((m_generator.*c.pHeaderWriter)(CString(name), "d"));
            EXPECT_FALSE((m_generator.*c.pSourceWriter)(CString(name), "d"));
        }
    }
    EXPECT_TRUE(m_folder.IsEmpty());
}

TEST_F(CodeGeneratorTest, TypedTextIsWrittenAsTyped)
{
    // A UTF-8 description, and one holding placeholder spellings, which must
    // not be filled in again.
    ASSERT_TRUE(m_generator.WriteDrawComponentHeader("CText", "Gr\xC3\xBC\xC3\x9F"
                                                              "e \xE7\xBB\x84\xE4\xBB\xB6"));
    EXPECT_NE(Written("Text.h").find("// Gr\xC3\xBC\xC3\x9F"
                                     "e \xE7\xBB\x84\xE4\xBB\xB6.\n"),
              std::string::npos);
    ASSERT_TRUE(m_generator.WriteDataModelHeader("CText", "\xC2\xAB"
                                                          "Class\xC2\xBB {Base} {GuardClose}"));
    EXPECT_NE(Written("Text.h").find("// \xC2\xAB"
                                     "Class\xC2\xBB {Base} {GuardClose}\n"),
              std::string::npos);
    // An empty description still gets its line.
    ASSERT_TRUE(m_generator.WritePropertySetHeader("CEmpty", ""));
    EXPECT_NE(Written("Empty.h").find("\n// .\n"), std::string::npos);
}

TEST_F(CodeGeneratorTest, PathsAreThoseTheWritersWrite)
{
    EXPECT_EQ(std::string(m_generator.GetHeaderFilePath("CMyView")), (m_folder.Path() / "MyView.h").string());
    EXPECT_EQ(std::string(m_generator.GetSourceFilePath("CMyView")), (m_folder.Path() / "MyView.cpp").string());
}

} // namespace
