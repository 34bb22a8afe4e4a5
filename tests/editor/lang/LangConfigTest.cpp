#include "LangTestSupport.h"

#include "editor/lang/SECEditLangConfigHint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(LangConfigDefaults, HasTheFourFixedGroupsAndDefaultOptions)
{
    ConfigHandle config;
    EXPECT_EQ(std::string(config->GetName()), "Default");
    ASSERT_EQ(config->GetColorGroupCount(), 4);
    const struct {
        const char *name;
        COLORREF fore;
        COLORREF back;
        BOOL configurable;
    } expected[] = {{"Text", 0x000000, 0xFFFFFF, TRUE},
                    {"Text Selection", 0xFFFFFF, 0x000000, TRUE},
                    {"Number", 0x000000, 0xFFFFFF, FALSE},
                    {"Operator", 0x000000, 0xFFFFFF, FALSE}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(expected[i].name);
        const SECEditColorGroup *pGroup = config->GetColorGroup(i);
        EXPECT_EQ(std::string(pGroup->m_strDisplayName), expected[i].name);
        EXPECT_EQ(std::string(config->GetColorGroupName(i)), expected[i].name);
        EXPECT_EQ(pGroup->m_crForeground, expected[i].fore);
        EXPECT_EQ(pGroup->m_crBackground, expected[i].back);
        EXPECT_TRUE(pGroup->m_bForeColorAutomatic);
        EXPECT_TRUE(pGroup->m_bBackColorAutomatic);
        EXPECT_EQ(pGroup->m_bConfigurable, expected[i].configurable);
        EXPECT_EQ(config->GetFixedGroupIndex(i), i);
        EXPECT_EQ(config->GetFixedColorGroup(i), pGroup);
    }
    EXPECT_EQ(config->GetColorGroup(4), nullptr);
    EXPECT_EQ(config->GetFixedColorGroup(4), nullptr);
    EXPECT_EQ(config->GetTabSize(), 4);
    EXPECT_FALSE(config->GetAutoIndent());
    EXPECT_FALSE(config->GetShowWhitespace());
    EXPECT_FALSE(config->GetVirtualWhitespace());
    EXPECT_FALSE(config->GetReplaceTabs());
    EXPECT_TRUE(config->GetMatchCase());
    EXPECT_EQ(std::string(config->GetFontFace()), "Courier");
    EXPECT_EQ(config->GetFontSize(), 10);
}

TEST(LangConfigDefaults, ClearKeepsNameFontAndOptions)
{
    ConfigHandle config;
    config->SetName("C");
    config->SetTabSize(8);
    config->SetFontFace("Mono");
    config->GetKeywordMap().SetAt("int", 0);
    config->SetCharSet("+", SECEDIT_OPERATORS, FALSE);
    AddTestTag(config.get(), "//", "", "", 0, FALSE);
    config->Clear();
    EXPECT_EQ(config->GetColorGroupCount(), 0);
    EXPECT_EQ(config->GetKeywordMap().GetCount(), 0);
    EXPECT_EQ(config->GetTagMap().GetCount(), 0);
    EXPECT_FALSE(config->IsInCharSet('+', SECEDIT_OPERATORS));
    EXPECT_EQ(std::string(config->GetName()), "C");
    EXPECT_EQ(config->GetTabSize(), 8);
    EXPECT_EQ(std::string(config->GetFontFace()), "Mono");
}

TEST(LangConfigDefaults, BoldAndItalicAreStoredButAnsweredFalse)
{
    ConfigHandle config;
    config->SetBold(TRUE);
    config->SetItalic(TRUE);
    EXPECT_FALSE(config->GetBold());
    EXPECT_FALSE(config->GetItalic());
    EXPECT_TRUE(config->GetStoredBold());
    EXPECT_TRUE(config->GetStoredItalic());
}

TEST(LangConfigInterfaces, AnswersItsThreeIdentifiersOnly)
{
    ConfigHandle config;
    void *p = nullptr;
    EXPECT_TRUE(config->QueryInterface(IID_SECEditLangConfig, &p));
    EXPECT_EQ(p, static_cast<ISECEditLangConfig *>(config.get()));
    EXPECT_TRUE(config->QueryInterface(IID_SECEditObject, &p));
    EXPECT_EQ(p, static_cast<ISECEditLangConfig *>(config.get()));
    EXPECT_TRUE(config->QueryInterface(IID_SECEditRefCount, &p));
    EXPECT_EQ(p, static_cast<ISECEditRefCount *>(config.get()));
    const GUID other = {0x92627E6B, 0xAC36, 0x42D7, {0x97, 0x20, 0xB7, 0x9D, 0xC3, 0x27, 0x04, 0x1C}};
    EXPECT_FALSE(config->QueryInterface(other, &p));
    EXPECT_EQ(p, nullptr);
}

TEST(LangConfigInterfaces, CountsReferencesAndIsSerializable)
{
    auto *pConfig = new SECEditLangConfig;
    EXPECT_EQ(pConfig->AddRef(), 2);
    EXPECT_EQ(pConfig->Release(), 1);
    EXPECT_EQ(pConfig->GetRuntimeClass()->m_wSchema, 0x80000001u);
    EXPECT_EQ(pConfig->Release(), 0); // deleted here; the leak checker sees the rest

    CObject *pMade = RUNTIME_CLASS(SECEditLangConfig)->CreateObject();
    ASSERT_NE(pMade, nullptr);
    auto *pCreated = static_cast<SECEditLangConfig *>(pMade);
    EXPECT_EQ(pCreated->GetColorGroupCount(), 4);
    pCreated->Release();
}

struct KeywordCase {
    const char *token;
    BOOL matchCase;
    int expectedLength;
    int expectedGroup; // -1: the group is not looked at
};

class LangConfigKeywords : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(LangConfigKeywords, LooksTokensUp)
{
    const KeywordCase &c = GetParam();
    ConfigHandle config;
    const WORD keyword = AddTestGroup(config.get(), "Keyword", 0xFF0000, 0xFFFFFF);
    config->GetKeywordMap().SetAt("Dim", keyword);
    config->GetKeywordMap().SetAt("int", keyword);
    config->GetKeywordMap().SetAt("#define", keyword);
    config->RebuildLowerCaseKeywords();
    config->SetMatchCase(c.matchCase);
    WORD group = 0xBEEF;
    EXPECT_EQ(config->LookupKeyword(c.token, static_cast<int>(std::string(c.token).size()), &group), c.expectedLength);
    if (c.expectedGroup >= 0)
        EXPECT_EQ(group, c.expectedGroup);
    else
        EXPECT_EQ(group, 0xBEEF);
}

INSTANTIATE_TEST_SUITE_P(Tokens, LangConfigKeywords,
                         ::testing::Values(KeywordCase{"int", TRUE, 3, 4}, KeywordCase{"Dim", TRUE, 3, 4},
                                           KeywordCase{"DIM", TRUE, 0, -1}, KeywordCase{"DIM", FALSE, 3, 4},
                                           KeywordCase{"INT", FALSE, 3, 4}, KeywordCase{"#define", TRUE, 7, 4},
                                           KeywordCase{"2nd", TRUE, 3, 2}, KeywordCase{"0x1F", TRUE, 4, 2},
                                           KeywordCase{"x2", TRUE, 0, -1}, KeywordCase{"foo", FALSE, 0, -1},
                                           KeywordCase{"", TRUE, 0, -1}));

TEST(LangConfigKeywordsPartial, UsesExactlyTheGivenLength)
{
    ConfigHandle config;
    config->GetKeywordMap().SetAt("in", 0);
    WORD group = 9;
    EXPECT_EQ(config->LookupKeyword("int", 2, &group), 2);
    EXPECT_EQ(config->LookupKeyword("int", 3, &group), 0);
}

TEST(LangConfigKeywordsPartial, LaterKeywordWinsWhenTwoDifferOnlyInCase)
{
    ConfigHandle config;
    config->GetKeywordMap().SetAt("Dim", 1);
    config->GetKeywordMap().SetAt("DIM", 2);
    config->RebuildLowerCaseKeywords();
    config->SetMatchCase(FALSE);
    WORD group = 0;
    ASSERT_EQ(config->LookupKeyword("dim", 3, &group), 3);
    EXPECT_TRUE(group == 1 || group == 2);
}

struct TagCase {
    const char *text;
    int available; // -1: the text's length
    int exactLength;
    int kind;
    const char *expectedBegin; // nullptr: no tag
};

class LangConfigTags : public ::testing::TestWithParam<TagCase> {};

TEST_P(LangConfigTags, FindsTheShortestMatchingBeginText)
{
    const TagCase &c = GetParam();
    ConfigHandle config;
    AddTestTag(config.get(), "/*", "*/", "", 1, TRUE);
    AddTestTag(config.get(), "//", "", "", 1, FALSE);
    AddTestTag(config.get(), "\"", "\"", "\\", 2, FALSE);
    AddTestTag(config.get(), "<!--", "-->", "", 1, TRUE);
    const int available = c.available >= 0 ? c.available : static_cast<int>(std::string(c.text).size());
    SECEditTag *pTag = config->FindTag(c.text, available, c.exactLength, c.kind);
    if (c.expectedBegin == nullptr)
        EXPECT_EQ(pTag, nullptr);
    else {
        ASSERT_NE(pTag, nullptr);
        EXPECT_EQ(std::string(pTag->m_strBeginTag), c.expectedBegin);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LangConfigTags,
    ::testing::Values(
        TagCase{"// note", -1, 0, SECEDIT_TAG_ANY, "//"}, TagCase{"/ x", -1, 0, SECEDIT_TAG_ANY, nullptr},
        TagCase{"// note", -1, 0, SECEDIT_TAG_MULTILINE, nullptr},
        TagCase{"// note", -1, 0, SECEDIT_TAG_SINGLELINE, "//"}, TagCase{"/* a */", -1, 0, SECEDIT_TAG_MULTILINE, "/*"},
        TagCase{"/* a */", -1, 0, SECEDIT_TAG_SINGLELINE, nullptr}, TagCase{"/* a */", -1, 2, SECEDIT_TAG_ANY, "/*"},
        TagCase{"/* a */", -1, 1, SECEDIT_TAG_ANY, nullptr}, TagCase{"//", 1, 0, SECEDIT_TAG_ANY, nullptr},
        TagCase{"\"s\"", -1, 0, SECEDIT_TAG_ANY, "\""}, TagCase{"<!-- c", -1, 0, SECEDIT_TAG_ANY, "<!--"},
        TagCase{"<!- c", -1, 0, SECEDIT_TAG_ANY, nullptr}, TagCase{"x", -1, 0, SECEDIT_TAG_ANY, nullptr},
        TagCase{"", 0, 0, SECEDIT_TAG_ANY, nullptr}));

TEST(LangConfigTagMap, KeepsPrefixEntriesAndReplacesShorterTags)
{
    ConfigHandle config;
    AddTestTag(config.get(), "/", "", "", 0, FALSE);
    AddTestTag(config.get(), "/*", "*/", "", 0, TRUE);
    AddTestTag(config.get(), "//", "", "", 0, FALSE);
    SECEditTagMap &tags = config->GetTagMap();
    EXPECT_EQ(tags.GetCount(), 3);
    SECEditTag *pTag = nullptr;
    ASSERT_TRUE(tags.Lookup("/", pTag));
    EXPECT_EQ(pTag, nullptr); // the "/" tag was deleted by the longer ones
    ASSERT_TRUE(tags.Lookup("/*", pTag));
    EXPECT_TRUE(pTag->m_bMultiLine);
    ASSERT_TRUE(tags.Lookup("//", pTag));
    EXPECT_FALSE(pTag->m_bMultiLine);

    AddTestTag(config.get(), "//", "\n", "", 0, FALSE); // same begin text: replaces
    ASSERT_TRUE(tags.Lookup("//", pTag));
    EXPECT_EQ(std::string(pTag->m_strEndTag), "\n");
    EXPECT_EQ(tags.GetCount(), 3);
}

TEST(LangConfigTagMap, ListsTagsByKind)
{
    ConfigHandle config;
    AddTestTag(config.get(), "/*", "*/", "", 0, TRUE);
    AddTestTag(config.get(), "//", "", "", 0, FALSE);
    AddTestTag(config.get(), "'", "'", "\\", 0, FALSE);
    CPtrList tags;
    tags.AddTail(static_cast<void *>(nullptr)); // emptied first
    config->GetTags(tags, SECEDIT_TAG_ANY);
    EXPECT_EQ(tags.GetCount(), 3);
    config->GetTags(tags, SECEDIT_TAG_SINGLELINE);
    EXPECT_EQ(tags.GetCount(), 2);
    config->GetTags(tags, SECEDIT_TAG_MULTILINE);
    ASSERT_EQ(tags.GetCount(), 1);
    EXPECT_EQ(std::string(static_cast<SECEditTag *>(tags.GetHead())->m_strBeginTag), "/*");
}

TEST(LangConfigCharSets, CodesOfOneAndTwoByteCharacters)
{
    const struct {
        const char *text;
        unsigned int code;
        int length;
    } cases[] = {{"a", 'a', 1},     {"\x7F", 0x7F, 1}, {"\xC3\xA9", 0xC3A9, 2}, {"\xE2\x82\xAC", 0x100E2, 3},
                 {"\xFF", 0xFF, 1}, {"\xC3", 0xC3, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        int length = 0;
        const auto *p = reinterpret_cast<const unsigned char *>(c.text);
        EXPECT_EQ(SECEditCharCode(p, std::string(c.text).size(), &length), c.code);
        EXPECT_EQ(length, c.length);
    }
}

TEST(LangConfigCharSets, SetAndTestAtTheEdges)
{
    SECEditCharSet set;
    set.Set(0, TRUE);
    set.Set(65534, TRUE);
    set.Set(65535, TRUE); // ignored
    EXPECT_TRUE(set.Test(0));
    EXPECT_TRUE(set.Test(65534));
    EXPECT_FALSE(set.Test(65535));
    EXPECT_FALSE(set.Test(65536));
    EXPECT_FALSE(set.Test(1));
    set.Set(65534, FALSE);
    EXPECT_FALSE(set.Test(65534));
    set.RemoveAll();
    EXPECT_FALSE(set.Test(0));
}

TEST(LangConfigCharSets, SetCharSetAddsClearsAndIgnoresOtherSets)
{
    ConfigHandle config;
    config->SetCharSet("+-\xC3\xA9\xE2\x82\xAC", SECEDIT_OPERATORS, FALSE);
    EXPECT_TRUE(config->IsInCharSet('+', SECEDIT_OPERATORS));
    EXPECT_TRUE(config->IsInCharSet(0xC3A9, SECEDIT_OPERATORS));
    EXPECT_FALSE(config->IsInCharSet(0x100E2, SECEDIT_OPERATORS)); // three-byte characters have no code
    EXPECT_FALSE(config->IsInCharSet('+', SECEDIT_DELIMITERS));
    EXPECT_FALSE(config->IsInCharSet('+', 5));
    EXPECT_EQ(config->GetCharSetString(SECEDIT_OPERATORS).Str(), "+-\xC3\xA9");

    config->SetCharSet("*", SECEDIT_OPERATORS, FALSE);
    EXPECT_TRUE(config->IsInCharSet('+', SECEDIT_OPERATORS));
    config->SetCharSet("*", SECEDIT_OPERATORS, TRUE);
    EXPECT_FALSE(config->IsInCharSet('+', SECEDIT_OPERATORS));
    EXPECT_TRUE(config->IsInCharSet('*', SECEDIT_OPERATORS));
    config->SetCharSet("x", 7, TRUE); // no such set: nothing changes
    EXPECT_TRUE(config->IsInCharSet('*', SECEDIT_OPERATORS));

    config->AddCharacters(SECEDIT_DELIMITERS, "a\0b", 3); // stops at the code 0
    EXPECT_TRUE(config->IsInCharSet('a', SECEDIT_DELIMITERS));
    EXPECT_FALSE(config->IsInCharSet('b', SECEDIT_DELIMITERS));
}

// Records what a listener hears.
class RecordingListener : public SECEditObserver {
public:
    void OnUpdate(void *pSender, SECEditHint *pHint) override
    {
        senders.push_back(pSender);
        hintIds.push_back(pHint != nullptr ? pHint->GetTypeId() : 0);
        if (pHint != nullptr) {
            CString description;
            pHint->GetDescription(description);
            descriptions.push_back(description.Str());
        }
    }
    std::vector<void *> senders;
    std::vector<int> hintIds;
    std::vector<std::string> descriptions;
};

TEST(LangConfigListeners, SetCharSetTellsEveryListenerToRecolour)
{
    ConfigHandle config;
    RecordingListener first;
    RecordingListener second;
    config->AddListener(&first);
    config->AddListener(&second);
    config->SetCharSet("+", SECEDIT_OPERATORS, FALSE);
    for (RecordingListener *pListener : {&first, &second}) {
        ASSERT_EQ(pListener->hintIds.size(), 1u);
        EXPECT_EQ(pListener->hintIds[0], 22583);
        EXPECT_EQ(pListener->senders[0], static_cast<void *>(static_cast<ISECEditLangConfig *>(config.get())));
        EXPECT_EQ(pListener->descriptions[0], "Invalidate the coloring cache and refresh");
    }
    config->SetTabSize(8); // plain setters tell nobody
    EXPECT_EQ(first.hintIds.size(), 1u);
}

TEST(LangConfigListeners, NotifySkipsTheExceptedAndRemoveTakesEveryOccurrence)
{
    ConfigHandle config;
    RecordingListener first;
    RecordingListener second;
    config->AddListener(&first);
    config->AddListener(&second);
    config->AddListener(&first);
    config->NotifyListeners(&second, nullptr);
    EXPECT_EQ(first.hintIds.size(), 2u);
    EXPECT_EQ(second.hintIds.size(), 0u);
    config->RemoveListener(&first);
    config->NotifyListeners(nullptr, nullptr);
    EXPECT_EQ(first.hintIds.size(), 2u);
    EXPECT_EQ(second.hintIds.size(), 1u);
}

TEST(LangConfigHint, AnswersTheHintIdentifierAndCountsReferences)
{
    const IID hintIdentifier = {0x92627E6B, 0xAC36, 0x42D7, {0x97, 0x20, 0xB7, 0x9D, 0xC3, 0x27, 0x04, 0x1C}};
    auto *pHint = new SECEditLangConfigHint;
    void *p = nullptr;
    EXPECT_EQ(pHint->QueryInterface(hintIdentifier, &p), S_OK);
    EXPECT_EQ(p, static_cast<SECEditHint *>(pHint));
    EXPECT_EQ(pHint->QueryInterface(IID_SECEditLangConfig, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(pHint->GetTypeId(), 22583);
    EXPECT_EQ(pHint->AddRef(), 2u);
    EXPECT_EQ(pHint->Release(), 1u);
    EXPECT_EQ(pHint->Release(), 0u);
}

TEST(LangConfigGroups, SetColorGroupReplacesByNameAndAppendsNewNames)
{
    ConfigHandle config;
    const WORD text = AddTestGroup(config.get(), "Text", 0x0000FF, 0xFFFFFF);
    EXPECT_EQ(text, 0);
    EXPECT_EQ(config->GetColorGroup(0)->m_crForeground, 0x0000FFu);
    const WORD comment = AddTestGroup(config.get(), "Comment", 0x008000, 0xFFFFFF);
    EXPECT_EQ(comment, 4);
    EXPECT_EQ(config->GetColorGroupCount(), 5);
    EXPECT_TRUE(config->ResolveFixedGroups());
    EXPECT_EQ(config->GetFixedGroupIndex(SECEDIT_GROUP_TEXT), 0);
}

} // namespace
