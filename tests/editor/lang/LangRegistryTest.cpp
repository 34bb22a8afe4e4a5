#include "LangTestSupport.h"

#include "editor/lang/SECEditLangRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A reader that counts its reads and sets the tab size it was given.
class CountingReader : public SECEditRefCounted<SECEditLangReader> {
public:
    explicit CountingReader(int tabSize, BOOL result = TRUE) : m_tabSize(tabSize), m_result(result) {}
    BOOL Read(SECEditLangConfig *pConfig) override
    {
        ++reads;
        pConfig->SetTabSize(m_tabSize);
        return m_result;
    }
    int reads = 0;

private:
    int m_tabSize;
    BOOL m_result;
};

// A writer that remembers which configurations it wrote.
class RecordingWriter : public SECEditRefCounted<SECEditLangWriter> {
public:
    explicit RecordingWriter(BOOL result = TRUE) : m_result(result) {}
    BOOL Write(SECEditLangConfig *pConfig) override
    {
        written.push_back(std::string(pConfig->GetName()));
        return m_result;
    }
    std::vector<std::string> written;

private:
    BOOL m_result;
};

// Owns a registry and the creator's references of the test doubles, which
// stay alive until the registry has let go of them.
class LangRegistryTest : public ::testing::Test {
protected:
    ~LangRegistryTest() override
    {
        delete registry;
        for (auto *p : readers)
            p->Release();
        for (auto *p : writers)
            p->Release();
    }
    CountingReader *NewReader(int tabSize, BOOL result = TRUE)
    {
        readers.push_back(new CountingReader(tabSize, result));
        return readers.back();
    }
    RecordingWriter *NewWriter(BOOL result = TRUE)
    {
        writers.push_back(new RecordingWriter(result));
        return writers.back();
    }
    std::vector<std::string> Names()
    {
        CStringList list;
        list.AddTail(CString("stale"));
        registry->GetLanguageNames(list);
        std::vector<std::string> names;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            names.push_back(std::string(list.GetNext(pos)));
        return names;
    }

    SECEditLangRegistry *registry = new SECEditLangRegistry;
    std::vector<CountingReader *> readers;
    std::vector<RecordingWriter *> writers;
};

TEST_F(LangRegistryTest, DefaultIsAlwaysThereAndUnknownNamesGiveNull)
{
    SECEditLangConfig *pDefault = registry->GetLanguageConfig("Default");
    ASSERT_NE(pDefault, nullptr);
    EXPECT_EQ(std::string(pDefault->GetName()), "Default");
    EXPECT_EQ(pDefault->GetColorGroupCount(), 4);
    EXPECT_EQ(registry->GetLanguageConfig("Pascal"), nullptr);
    EXPECT_EQ(registry->GetLanguageConfig(nullptr), nullptr);
    EXPECT_EQ(Names(), std::vector<std::string>{"Default"});
}

TEST_F(LangRegistryTest, ReadsOnFirstUseOnlyAndKeepsReferences)
{
    CountingReader *pReader = NewReader(7);
    RecordingWriter *pWriter = NewWriter();
    EXPECT_EQ(registry->RegisterLanguage("C", pReader, pWriter), 1);
    EXPECT_EQ(pReader->AddRef(), 3); // creator, registry, and this probe
    pReader->Release();
    EXPECT_EQ(pReader->reads, 0);
    SECEditLangConfig *pFirst = registry->GetLanguageConfig("C");
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(std::string(pFirst->GetName()), "C");
    EXPECT_EQ(pFirst->GetTabSize(), 7);
    EXPECT_EQ(registry->GetLanguageConfig("C"), pFirst);
    EXPECT_EQ(pReader->reads, 1);
    EXPECT_EQ(registry->GetLanguageConfig("c"), nullptr); // names compare exactly
}

TEST_F(LangRegistryTest, AFailingReaderStillGivesAConfiguration)
{
    registry->RegisterLanguage("Broken", NewReader(5, FALSE), nullptr);
    SECEditLangConfig *pConfig = registry->GetLanguageConfig("Broken");
    ASSERT_NE(pConfig, nullptr);
    EXPECT_EQ(pConfig->GetTabSize(), 5);
}

TEST_F(LangRegistryTest, ReRegisteringReplacesTheReaderButNotAMadeConfiguration)
{
    CountingReader *pOld = NewReader(2);
    CountingReader *pNew = NewReader(3);
    registry->RegisterLanguage("C", pOld, nullptr);
    registry->RegisterLanguage("IDL", NewReader(4), nullptr);
    SECEditLangConfig *pIdl = registry->GetLanguageConfig("IDL");
    registry->RegisterLanguage("C", pNew, nullptr);
    EXPECT_EQ(pOld->AddRef(), 2); // the registry let go of the old reader
    pOld->Release();
    EXPECT_EQ(registry->GetLanguageConfig("C")->GetTabSize(), 3);
    registry->RegisterLanguage("IDL", NewReader(9), nullptr);
    EXPECT_EQ(registry->GetLanguageConfig("IDL"), pIdl);
    EXPECT_EQ(pIdl->GetTabSize(), 4);
}

TEST_F(LangRegistryTest, NamesListReadersThenTheOtherConfigurationsOnce)
{
    registry->RegisterLanguage("C", NewReader(4), nullptr);
    registry->RegisterLanguage("IDL", NewReader(4), nullptr);
    registry->GetLanguageConfig("C");
    std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names.back(), "Default");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"C", "Default", "IDL"}));
}

TEST_F(LangRegistryTest, SavesOneOrAllMadeConfigurationsThroughTheirWriters)
{
    RecordingWriter *pCWriter = NewWriter();
    RecordingWriter *pIdlWriter = NewWriter();
    RecordingWriter *pHtmlWriter = NewWriter();
    registry->RegisterLanguage("C", NewReader(4), pCWriter);
    registry->RegisterLanguage("IDL", NewReader(4), pIdlWriter);
    registry->RegisterLanguage("HTML", NewReader(4), pHtmlWriter);
    EXPECT_EQ(registry->SaveLanguages(nullptr), 0); // nothing was used yet
    EXPECT_EQ(registry->SaveLanguages("C"), 0);

    registry->GetLanguageConfig("C");
    registry->GetLanguageConfig("IDL");
    registry->GetLanguageConfig("Default");
    EXPECT_EQ(registry->SaveLanguages("C"), 1);
    EXPECT_EQ(registry->SaveLanguages("Default"), 0); // no writer
    EXPECT_EQ(registry->SaveLanguages(nullptr), 1);
    EXPECT_EQ(pCWriter->written, (std::vector<std::string>{"C", "C"}));
    EXPECT_EQ(pIdlWriter->written, std::vector<std::string>{"IDL"});
    EXPECT_TRUE(pHtmlWriter->written.empty());
}

TEST_F(LangRegistryTest, SaveAllOrsTheResults)
{
    registry->RegisterLanguage("A", NewReader(4), NewWriter(FALSE));
    registry->RegisterLanguage("B", NewReader(4), NewWriter(TRUE));
    registry->GetLanguageConfig("A");
    EXPECT_EQ(registry->SaveLanguages(nullptr), 0);
    registry->GetLanguageConfig("B");
    EXPECT_EQ(registry->SaveLanguages(nullptr), 1);
}

TEST_F(LangRegistryTest, ANullWriterKeepsTheEarlierOne)
{
    RecordingWriter *pWriter = NewWriter();
    registry->RegisterLanguage("C", NewReader(4), pWriter);
    registry->RegisterLanguage("C", NewReader(5), nullptr);
    registry->GetLanguageConfig("C");
    EXPECT_EQ(registry->SaveLanguages("C"), 1);
    EXPECT_EQ(pWriter->written.size(), 1u);
}

TEST_F(LangRegistryTest, DestructionReleasesEverything)
{
    CountingReader *pReader = NewReader(4);
    RecordingWriter *pWriter = NewWriter();
    registry->RegisterLanguage("C", pReader, pWriter);
    SECEditLangConfig *pConfig = registry->GetLanguageConfig("C");
    pConfig->AddRef(); // a text buffer still holds it
    delete registry;
    registry = nullptr;
    EXPECT_EQ(pReader->AddRef(), 2);
    pReader->Release();
    EXPECT_EQ(pWriter->AddRef(), 2);
    pWriter->Release();
    EXPECT_EQ(pConfig->Release(), 0);
}

TEST(LangRegistryProcess, TheFreeFunctionsShareOneRegistry)
{
    auto *pReader = new CountingReader(6);
    EXPECT_EQ(SECEditRegisterLanguage("Process Test Language", pReader, nullptr), 1);
    pReader->Release(); // the registry keeps the reader alive
    SECEditLangConfig *pConfig = SECEditGetLanguageConfig("Process Test Language");
    ASSERT_NE(pConfig, nullptr);
    EXPECT_EQ(pConfig->GetTabSize(), 6);
    EXPECT_NE(SECEditGetLanguageConfig("Default"), nullptr);
    EXPECT_EQ(SECEditSaveLanguages("Process Test Language"), 0);
    CStringList names;
    SECEditGetLanguageNames(names);
    EXPECT_NE(names.Find(CString("Process Test Language")), nullptr);
    EXPECT_NE(names.Find(CString("Default")), nullptr);
}

} // namespace
