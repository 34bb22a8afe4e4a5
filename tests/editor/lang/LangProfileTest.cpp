#include "LangTestSupport.h"

#include "editor/lang/SECEditLangArchiveReader.h"
#include "editor/lang/SECEditLangProfile.h"
#include "editor/lang/SECEditLangReaderChain.h"
#include "framework/settings/AppProfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The application profile in a fresh folder for each test.
class LangProfileTest : public ::testing::Test {
protected:
    LangProfileTest() : env("XDG_CONFIG_HOME", folder.Path()) {}
    void SetUp() override
    {
        PlexoGetAppProfile().SetProgramName("langtest");
        PlexoGetAppProfile().SetRegistryKey("Kilnsmith", "Plexo Kilnsmith");
    }

    CAppProfile &Profile() { return PlexoGetAppProfile(); }

    TempFolder folder;
    ScopedEnv env;
    ConfigHandle config;
};

TEST_F(LangProfileTest, PrefixEndsWithOneBackslash)
{
    auto *pReader = new SECEditLangProfileReader("C");
    auto *pWriter = new SECEditLangProfileWriter("C\\");
    EXPECT_EQ(std::string(pReader->GetPrefix()), "C\\");
    EXPECT_EQ(std::string(pWriter->GetPrefix()), "C\\");
    EXPECT_FALSE(pReader->GetResetFirst());
    pReader->Release();
    pWriter->Release();
}

TEST_F(LangProfileTest, WriterSectionsAreReadBackOverAFreshConfiguration)
{
    AddTestGroup(config.get(), "Comment", RGB(0, 128, 0), RGB(1, 2, 3));
    config->SetTabSize(2);
    config->SetReplaceTabs(TRUE);
    config->SetMatchCase(FALSE);
    config->SetFontFace("Liberation Mono");
    config->SetFontSize(14);
    config->SetBold(TRUE);
    config->GetColorGroup(4)->m_strDisplayName = "Remarks";
    auto *pWriter = new SECEditLangProfileWriter("C");
    ASSERT_TRUE(pWriter->Write(config.get()));
    EXPECT_FALSE(pWriter->Write(nullptr));
    pWriter->Release();

    EXPECT_EQ(Profile().GetProfileInt("C\\Editor", "TabSize", 0), 2u);
    EXPECT_EQ(std::string(Profile().GetProfileString("C\\Font", "Facename")), "Liberation Mono");
    EXPECT_EQ(Profile().GetProfileInt("C\\Font", "Bold", 7), 0u);
    EXPECT_EQ(Profile().GetProfileInt("C\\Color Groups\\Comment", "Foreground", 0), RGB(0, 128, 0));

    ConfigHandle loaded;
    AddTestGroup(loaded.get(), "Comment", 0, 0);
    auto *pReader = new SECEditLangProfileReader("C");
    ASSERT_TRUE(pReader->Read(loaded.get()));
    pReader->Release();
    EXPECT_EQ(loaded->GetTabSize(), 2);
    EXPECT_TRUE(loaded->GetReplaceTabs());
    EXPECT_FALSE(loaded->GetMatchCase());
    EXPECT_EQ(std::string(loaded->GetFontFace()), "Liberation Mono");
    EXPECT_EQ(loaded->GetFontSize(), 14);
    const SECEditColorGroup *pComment = loaded->GetColorGroup(4);
    EXPECT_EQ(pComment->m_crForeground, RGB(0, 128, 0));
    EXPECT_EQ(pComment->m_crBackground, RGB(1, 2, 3));
    EXPECT_EQ(std::string(pComment->m_strDisplayName), "Remarks");
}

TEST_F(LangProfileTest, ReaderChangesOnlyWhatIsStoredAndAddsNoGroups)
{
    Profile().WriteProfileInt("IDL\\Editor", "TabSize", 8);
    Profile().WriteProfileInt("IDL\\Color Groups\\Keyword", "Foreground", 255);
    config->SetAutoIndent(TRUE);
    auto *pReader = new SECEditLangProfileReader("IDL");
    ASSERT_TRUE(pReader->Read(config.get()));
    EXPECT_FALSE(pReader->Read(nullptr));
    pReader->Release();
    EXPECT_EQ(config->GetTabSize(), 8);
    EXPECT_TRUE(config->GetAutoIndent());
    EXPECT_EQ(config->GetColorGroupCount(), 4);
}

TEST_F(LangProfileTest, ReaderIgnoresValuesThatCannotBeRight)
{
    Profile().WriteProfileInt("C\\Editor", "TabSize", 0);
    Profile().WriteProfileInt("C\\Font", "Size", -3);
    Profile().WriteProfileInt("C\\Color Groups\\Text", "Foreground", 0x7F000000);
    Profile().WriteProfileInt("C\\Editor", "AutoIndent", 1);
    auto *pReader = new SECEditLangProfileReader("C");
    EXPECT_FALSE(pReader->Read(config.get()));
    pReader->Release();
    EXPECT_EQ(config->GetTabSize(), 4);
    EXPECT_EQ(config->GetFontSize(), 10);
    EXPECT_EQ(config->GetColorGroup(0)->m_crForeground, 0u);
    EXPECT_TRUE(config->GetAutoIndent()); // the sound values are still taken
}

// A flag stored as any number but 0 reads as TRUE, so the configuration keeps
// one stored form: what it stores loads and stores again to the same bytes.
TEST_F(LangProfileTest, FlagsReadAsZeroOrOne)
{
    const struct {
        const char *section;
        const char *entry;
    } flags[] = {
        {"C\\Editor", "AutoIndent"},
        {"C\\Editor", "ShowWhitespace"},
        {"C\\Editor", "VirtualWhitespace"},
        {"C\\Editor", "ReplaceTabs"},
        {"C\\Editor", "MatchCase"},
        {"C\\Font", "Bold"},
        {"C\\Font", "Italic"},
        {"C\\Color Groups\\Text", "BackColorAutomatic"},
        {"C\\Color Groups\\Text", "ForeColorAutomatic"},
        {"C\\Color Groups\\Text", "Configurable"},
    };
    for (const auto &flag : flags)
        Profile().WriteProfileInt(flag.section, flag.entry, 2);
    Profile().WriteProfileInt("C\\Color Groups\\Number", "Configurable", -7);
    auto *pReader = new SECEditLangProfileReader("C");
    ASSERT_TRUE(pReader->Read(config.get()));
    pReader->Release();

    EXPECT_EQ(config->GetAutoIndent(), TRUE);
    EXPECT_EQ(config->GetShowWhitespace(), TRUE);
    EXPECT_EQ(config->GetVirtualWhitespace(), TRUE);
    EXPECT_EQ(config->GetReplaceTabs(), TRUE);
    EXPECT_EQ(config->GetMatchCase(), TRUE);
    EXPECT_EQ(config->GetStoredBold(), TRUE);
    EXPECT_EQ(config->GetStoredItalic(), TRUE);
    const SECEditColorGroup *pText = config->GetColorGroup(0);
    EXPECT_EQ(pText->m_bBackColorAutomatic, TRUE);
    EXPECT_EQ(pText->m_bForeColorAutomatic, TRUE);
    EXPECT_EQ(pText->m_bConfigurable, TRUE);
    EXPECT_EQ(config->GetColorGroup(2)->m_bConfigurable, TRUE);

    const Bytes stored = StoreConfig(config.get());
    ConfigHandle loaded;
    ASSERT_TRUE(LoadConfig(loaded.get(), stored));
    EXPECT_EQ(StoreConfig(loaded.get()), stored);
}

TEST_F(LangProfileTest, TheOldShippedSelectionPairIsPassedOverUntilThisBuildWroteTheSection)
{
    const COLORREF kOldFore = RGB(0, 0, 0);
    const COLORREF kOldBack = RGB(255, 255, 255);
    const struct {
        COLORREF fore;
        COLORREF back;
        bool bMarked;
        bool bTaken;
    } kCases[] = {
        {kOldFore, kOldBack, false, false}, // written by an earlier build
        {kOldFore, kOldBack, true, true},   // the user's choice, written by this build
        {RGB(255, 0, 0), kOldBack, false, true},
        {kOldFore, RGB(255, 255, 254), false, true},
    };
    const CString section = "C\\Color Groups\\Text Selection";
    for (const auto &c : kCases) {
        Profile().WriteProfileInt(section, "Foreground", static_cast<int>(c.fore));
        Profile().WriteProfileInt(section, "Background", static_cast<int>(c.back));
        Profile().WriteProfileInt("C\\Color Groups\\Text", "Foreground", static_cast<int>(kOldFore));
        Profile().WriteProfileInt("C\\Color Groups\\Text", "Background", static_cast<int>(kOldBack));
        if (c.bMarked)
            Profile().WriteProfileInt(section, "SelectionPairKept", 1);
        else
            Profile().WriteProfileString(section, "SelectionPairKept", nullptr);
        ConfigHandle loaded;
        const SECEditColorGroup shipped = *loaded->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
        auto *pReader = new SECEditLangProfileReader("C");
        EXPECT_TRUE(pReader->Read(loaded.get()));
        pReader->Release();
        const SECEditColorGroup *pSelection = loaded->GetFixedColorGroup(SECEDIT_GROUP_SELECTION);
        EXPECT_EQ(pSelection->m_crForeground, c.bTaken ? c.fore : shipped.m_crForeground) << c.fore << c.bMarked;
        EXPECT_EQ(pSelection->m_crBackground, c.bTaken ? c.back : shipped.m_crBackground) << c.back << c.bMarked;
        // Only the selection is passed over.
        EXPECT_EQ(loaded->GetFixedColorGroup(SECEDIT_GROUP_TEXT)->m_crBackground, kOldBack);
    }

    // What is written at exit carries the mark: the pair is taken from then on.
    config->GetFixedColorGroup(SECEDIT_GROUP_SELECTION)->m_crForeground = kOldFore;
    config->GetFixedColorGroup(SECEDIT_GROUP_SELECTION)->m_crBackground = kOldBack;
    Profile().WriteProfileString(section, "SelectionPairKept", nullptr);
    auto *pWriter = new SECEditLangProfileWriter("C");
    ASSERT_TRUE(pWriter->Write(config.get()));
    pWriter->Release();
    ConfigHandle reread;
    auto *pReader = new SECEditLangProfileReader("C");
    EXPECT_TRUE(pReader->Read(reread.get()));
    pReader->Release();
    EXPECT_EQ(reread->GetFixedColorGroup(SECEDIT_GROUP_SELECTION)->m_crForeground, kOldFore);
    EXPECT_EQ(reread->GetFixedColorGroup(SECEDIT_GROUP_SELECTION)->m_crBackground, kOldBack);
}

TEST_F(LangProfileTest, WriterReportsAProfileThatCannotBeWritten)
{
    const std::string blocker = folder.File("blocked");
    TempFolder::Write(blocker, "a file where the profile folder should be");
    ScopedEnv blocked("XDG_CONFIG_HOME", blocker);
    auto *pWriter = new SECEditLangProfileWriter("C");
    EXPECT_FALSE(pWriter->Write(config.get()));
    pWriter->Release();
}

// A reader that records its calls and answers as told.
class FakeReader : public SECEditRefCounted<SECEditLangReader> {
public:
    FakeReader(std::vector<std::string> &log, std::string name, BOOL result)
        : m_log(log), m_name(std::move(name)), m_result(result)
    {
    }
    BOOL Read(SECEditLangConfig *pConfig) override
    {
        m_log.push_back(m_name);
        if (pConfig != nullptr)
            pConfig->SetTabSize(static_cast<int>(m_log.size()));
        return m_result;
    }

private:
    std::vector<std::string> &m_log;
    std::string m_name;
    BOOL m_result;
};

TEST_F(LangProfileTest, ChainRunsEveryReaderInOrderAndOwnsThem)
{
    std::vector<std::string> log;
    auto *pChain = new SECEditLangReaderChain;
    auto *pFirst = new FakeReader(log, "first", FALSE);
    auto *pSecond = new FakeReader(log, "second", TRUE);
    pChain->Add(pFirst);
    pChain->Add(pSecond);
    pChain->Add(nullptr);
    EXPECT_EQ(pChain->GetCount(), 2);
    EXPECT_EQ(pFirst->Release(), 1); // the chain keeps its own reference
    EXPECT_EQ(pSecond->Release(), 1);
    EXPECT_FALSE(pChain->Read(config.get()));
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(config->GetTabSize(), 2); // the later reader overrides
    EXPECT_EQ(pChain->Release(), 0);    // releases both readers (checked by the leak checker)
}

TEST_F(LangProfileTest, ArchiveChainWithAMissingFileStillAppliesTheProfile)
{
    Profile().WriteProfileInt("C from Binary File\\Editor", "TabSize", 5);
    SECEditLangReader *pChain = SECEditMakeArchiveReader(folder.File("missing.lcf").c_str(), "C from Binary File");
    EXPECT_FALSE(pChain->Read(config.get()));
    EXPECT_EQ(config->GetTabSize(), 5);
    EXPECT_EQ(config->GetColorGroupCount(), 4);
    EXPECT_EQ(pChain->Release(), 0);
}

TEST_F(LangProfileTest, IniChainReadsTheFileThenTheProfile)
{
    const std::string path = folder.File("lang.ini");
    TempFolder::Write(path, "[Editor]\nTabSize=3\nAutoIndent=1\n");
    Profile().WriteProfileInt("JScript\\Editor", "TabSize", 6);
    SECEditLangReader *pChain = SECEditMakeIniReader(path.c_str(), "JScript");
    EXPECT_TRUE(pChain->Read(config.get()));
    EXPECT_EQ(config->GetTabSize(), 6);
    EXPECT_TRUE(config->GetAutoIndent());
    pChain->Release();
}

} // namespace
