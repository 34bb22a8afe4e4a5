#include "LangTestSupport.h"

#include "editor/lang/SECEditLangArchiveReader.h"
#include "editor/lang/SECEditLangDefaults.h"
#include "editor/langbuiltin/SECEditLangBuiltin.h"
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangResourceReader.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "framework/resources/Resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

BOOL ReadShipped(SECEditLangConfig *pConfig, const std::string &file)
{
    auto *pReader = new SECEditLangIniReader((ShippedLanguageFolder() + "/" + file).c_str());
    const BOOL bRead = pReader->Read(pConfig);
    pReader->Release();
    return bRead;
}

int GroupIndex(SECEditLangConfig *pConfig, LPCTSTR name)
{
    WORD index = 0;
    return pConfig->GetGroupNameMap().Lookup(name, index) ? index : -1;
}

struct ShippedCase {
    const char *file;
    BOOL matchCase;
    int minKeywords;
    std::vector<const char *> keywords;
};

class LangShippedFiles : public ::testing::TestWithParam<ShippedCase> {};

TEST_P(LangShippedFiles, ReadWholeWithCommentsStringsAndKeywords)
{
    const ShippedCase &c = GetParam();
    ConfigHandle config;
    ASSERT_TRUE(ReadShipped(config.get(), c.file));
    EXPECT_EQ(config->GetMatchCase(), c.matchCase);
    EXPECT_GE(config->GetKeywordMap().GetCount(), c.minKeywords);
    const int keyword = GroupIndex(config.get(), "Keyword");
    ASSERT_GE(keyword, 4);
    EXPECT_GE(GroupIndex(config.get(), "Comment"), 4);
    EXPECT_GE(GroupIndex(config.get(), "String"), 4);
    EXPECT_GE(GroupIndex(config.get(), "Highlight"), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(config->GetFixedGroupIndex(i), i);
    for (const char *word : c.keywords) {
        WORD group = 0;
        EXPECT_EQ(config->LookupKeyword(word, static_cast<int>(std::string(word).size()), &group),
                  static_cast<int>(std::string(word).size()))
            << word;
    }
    // The selection stands out from text: the window colour on the window
    // text colour, as the Default language has it.
    const SECEditColorGroup *pSelection = config->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
    ASSERT_NE(pSelection, nullptr);
    EXPECT_EQ(pSelection->m_crForeground, SECEditGetWindowColor());
    EXPECT_EQ(pSelection->m_crBackground, SECEditGetWindowTextColor());
    CPtrList tags;
    config->GetTags(tags, SECEDIT_TAG_ANY);
    EXPECT_GE(tags.GetCount(), 2);
    EXPECT_EQ(std::string(config->GetFontFace()), "Courier");
    EXPECT_EQ(config->GetFontSize(), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LangShippedFiles,
    ::testing::Values(
        ShippedCase{"DevStudio.ini",
                    TRUE,
                    100,
                    {"int", "class", "template", "constexpr", "nullptr", "co_await", "co_yield", "co_return", "concept",
                     "requires", "consteval", "constinit", "char8_t", "#include", "#define", "_Atomic", "__VA_OPT__",
                     "_Pragma"}},
        ShippedCase{"JScript.ini", TRUE, 50, {"function", "var", "let", "const", "async", "await", "yield"}},
        ShippedCase{"VBScript.ini", FALSE, 60, {"Dim", "dim", "END", "Sub", "function", "Wend"}},
        ShippedCase{"HTML.ini", FALSE, 100, {"html", "BODY", "div", "href", "&nbsp;"}},
        ShippedCase{"idl.ini", TRUE, 60, {"interface", "library", "coclass", "uuid", "helpstring", "#include"}}));

TEST(LangShippedData, CAndCppTagsSitWhereTheParserLooks)
{
    ConfigHandle config;
    ASSERT_TRUE(ReadShipped(config.get(), "DevStudio.ini"));
    SECEditTag *pLine = config->FindTag("// x", 4, 0, SECEDIT_TAG_SINGLELINE);
    ASSERT_NE(pLine, nullptr);
    EXPECT_EQ(pLine->m_wColorGroup, GroupIndex(config.get(), "Comment"));
    SECEditTag *pBlock = config->FindTag("/* x", 4, 0, SECEDIT_TAG_MULTILINE);
    ASSERT_NE(pBlock, nullptr);
    EXPECT_EQ(std::string(pBlock->m_strEndTag), "*/");
    SECEditTag *pString = config->FindTag("\"a\"", 3, 0, SECEDIT_TAG_ANY);
    ASSERT_NE(pString, nullptr);
    EXPECT_EQ(std::string(pString->m_strEscapeChar), "\\");
    EXPECT_EQ(config->FindTag("/ 2", 3, 0, SECEDIT_TAG_ANY), nullptr);
    EXPECT_TRUE(config->IsInCharSet('#', SECEDIT_KWSTARTCHARS));
    EXPECT_TRUE(config->IsInCharSet('(', SECEDIT_DELIMITERS));
    EXPECT_TRUE(config->IsInCharSet('+', SECEDIT_OPERATORS));
    EXPECT_FALSE(config->IsInCharSet('_', SECEDIT_DELIMITERS));
}

TEST(LangShippedData, BinaryFileHoldsTheSameConfigurationAsTheIniFile)
{
    ConfigHandle fromIni;
    ASSERT_TRUE(ReadShipped(fromIni.get(), "DevStudio.ini"));
    ConfigHandle fromArchive;
    auto *pReader = new SECEditLangArchiveReader((ShippedLanguageFolder() + "/DevStudio.lcf").c_str());
    ASSERT_TRUE(pReader->Read(fromArchive.get()));
    pReader->Release();
    EXPECT_EQ(StoreConfig(fromArchive.get()), StoreConfig(fromIni.get()));
}

TEST(LangShippedData, BuiltinResourceBodyIsConsumedExactly)
{
    DWORD nSize = 0;
    const BYTE *pBody = SECEditGetBuiltinLangConfig(&nSize);
    Bytes body(pBody, pBody + nSize);
    body.push_back(0);
    CMemFile file(body.data(), nSize);
    ConfigHandle config;
    CArchive ar(&file, CArchive::load);
    config->Serialize(ar);
    BYTE extra = 0;
    bool atEnd = false;
    try {
        ar >> extra;
    } catch (CException *e) {
        atEnd = e->IsKindOf(RUNTIME_CLASS(CArchiveException)) &&
                static_cast<CArchiveException *>(e)->m_cause == CArchiveException::endOfFile;
        e->Delete();
    }
    EXPECT_TRUE(atEnd);

    const char *groups[] = {"Text", "Text Selection", "Number", "Operator", "Comment", "Keyword", "String"};
    ASSERT_EQ(config->GetColorGroupCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(std::string(config->GetColorGroupName(i)), groups[i]);
    EXPECT_EQ(config->GetTagMap().GetCount(), 5);
    // The selection stands out from text: the window colour on the window
    // text colour, as the Default language has it.
    const SECEditColorGroup *pSelection = config->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
    ASSERT_NE(pSelection, nullptr);
    EXPECT_EQ(pSelection->m_crForeground, SECEditGetWindowColor());
    EXPECT_EQ(pSelection->m_crBackground, SECEditGetWindowTextColor());
    CPtrList tags;
    config->GetTags(tags, SECEDIT_TAG_ANY);
    EXPECT_EQ(tags.GetCount(), 4);
    SECEditTag *pSlash = reinterpret_cast<SECEditTag *>(1);
    ASSERT_TRUE(config->GetTagMap().Lookup("/", pSlash));
    EXPECT_EQ(pSlash, nullptr);
    EXPECT_EQ(config->GetKeywordMap().GetCount(), 79);
    EXPECT_EQ(config->GetCharSetString(SECEDIT_KWSTARTCHARS).Str(), "#");
    EXPECT_TRUE(config->GetMatchCase());
    EXPECT_EQ(config->GetTabSize(), 4);
    EXPECT_TRUE(config->GetAutoIndent());
    EXPECT_EQ(std::string(config->GetFontFace()), "Courier");
    EXPECT_EQ(config->GetFontSize(), 10);
}

TEST(LangShippedData, ResourceReaderFindsTheBuiltinConfiguration)
{
    SECEditRegisterBuiltinLangConfig();
    ConfigHandle config;
    auto *pReader = new SECEditLangResourceReader(103);
    EXPECT_TRUE(pReader->Read(config.get()));
    EXPECT_FALSE(pReader->Read(nullptr));
    pReader->Release();
    EXPECT_EQ(config->GetColorGroupCount(), 7);
    EXPECT_EQ(config->GetKeywordMap().GetCount(), 79);
}

TEST(LangShippedData, ResourceReaderMissingEmptyAndDamagedResources)
{
    static const unsigned char damaged[] = {7, 0, 0, 0, 1};
    static const unsigned char empty[] = {0};
    PlexoRegisterCustomResource("SECEDITLANGCONFIG", 4243, damaged, sizeof damaged);
    PlexoRegisterCustomResource("SECEDITLANGCONFIG", 4244, empty, 0);
    const struct {
        UINT id;
        bool touched; // the configuration is put back to its defaults
    } cases[] = {{4242, false}, {4244, false}, {4243, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        ConfigHandle config;
        config->SetTabSize(9);
        auto *pReader = new SECEditLangResourceReader(c.id);
        EXPECT_FALSE(pReader->Read(config.get()));
        pReader->Release();
        EXPECT_EQ(config->GetTabSize(), c.touched ? 4 : 9);
        EXPECT_EQ(config->GetColorGroupCount(), 4);
    }
}

} // namespace
