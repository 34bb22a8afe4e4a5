#include "kilnsmith/generator/CodeGenerator.h"

#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

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
};

// Every kind with the class name and description that the wizard offers.
const KindCase kKinds[] = {
    {"draw_component", &CCodeGenerator::WriteDrawComponentHeader, &CCodeGenerator::WriteDrawComponentSource,
     "CMyNewComponent1", "Component"},
    {"ports_component", &CCodeGenerator::WritePortsComponentHeader, &CCodeGenerator::WritePortsComponentSource,
     "CMyNewComponent1", "Component"},
    {"property_set", &CCodeGenerator::WritePropertySetHeader, &CCodeGenerator::WritePropertySetSource,
     "CMyNewProperties", "Properties"},
    {"data_model", &CCodeGenerator::WriteDataModelHeader, &CCodeGenerator::WriteDataModelSource,
     "CMySingleDataModel1", "Data Model"},
    {"sub_form_model", &CCodeGenerator::WriteSubFormModelHeader, &CCodeGenerator::WriteSubFormModelSource,
     "CMySingleSubDataModel1", "Sub data model"},
    {"multi_page_model", &CCodeGenerator::WriteMultiPageModelHeader, &CCodeGenerator::WriteMultiPageModelSource,
     "CMyMultiDataModel1", "Multi Page Data Model"},
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

TEST_F(CodeGeneratorTest, HeaderWithoutGuidUsesThePlainGuard)
{
    CCodeGenerator generator(m_folder.Str().c_str(), NoGuid);
    ASSERT_TRUE(generator.WriteDataModelHeader("CModel", "M"));
    ASSERT_TRUE(generator.WriteMultiPageModelHeader("CPages", "P"));
    const std::string model = Written("Model.h");
    const std::string pages = Written("Pages.h");
    EXPECT_TRUE(model.starts_with("#ifndef\t_MODEL_H_\n#define\t_MODEL_H_\n\n#if _MSC_VER"));
    EXPECT_TRUE(model.ends_with("};\n\n\n#endif // _MODEL_H_\n"));
    EXPECT_TRUE(pages.ends_with("};\n\n#endif // _PAGES_H_\n"));
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
    ASSERT_TRUE(m_generator.WriteDrawComponentHeader("CText", "Gr\xC3\xBC\xC3\x9F" "e \xE7\xBB\x84\xE4\xBB\xB6"));
    EXPECT_NE(Written("Text.h").find("// Gr\xC3\xBC\xC3\x9F" "e \xE7\xBB\x84\xE4\xBB\xB6.\n"), std::string::npos);
    ASSERT_TRUE(m_generator.WriteDataModelHeader("CText", "\xC2\xAB" "Class\xC2\xBB {Base} {GuardClose}"));
    EXPECT_NE(Written("Text.h").find("// \xC2\xAB" "Class\xC2\xBB {Base} {GuardClose}\n"), std::string::npos);
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
