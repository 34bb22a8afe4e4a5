#include "LangTestSupport.h"

#include "editor/langbuiltin/SECEditLangBuiltin.h"
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangIniWriter.h"
#include "editor/lang/SECEditLangProfile.h"
#include "editor/lang/SECEditLangReaderChain.h"
#include "editor/lang/SECEditLangRegistry.h"
#include "framework/settings/AppProfile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The wizard's seven languages, registered the way its start-up does, over
// the shipped files; the user's settings go to a fresh profile.
class LangStartupTest : public ::testing::Test {
protected:
    LangStartupTest() : env("XDG_CONFIG_HOME", folder.Path()) {}

    void SetUp() override
    {
        PlexoGetAppProfile().SetProgramName("langstartup");
        PlexoGetAppProfile().SetRegistryKey("Kilnsmith", "Plexo Kilnsmith");
        SECEditRegisterBuiltinLangConfig();
        const std::string shipped = ShippedLanguageFolder() + "/";
        idlCopy = folder.File("idl.ini");
        TempFolder::Write(idlCopy, TempFolder::Read(shipped + "idl.ini"));
        Register("C", SECEditMakeIniReader((shipped + "DevStudio.ini").c_str(), "C"));
        Register("C from Binary File",
                 SECEditMakeArchiveReader((shipped + "DevStudio.lcf").c_str(), "C from Binary File"));
        Register("C from Custom Resource", SECEditMakeResourceReader(103, "C from Custom Resource"));
        Register("JScript", SECEditMakeIniReader((shipped + "JScript.ini").c_str(), "JScript"));
        Register("VBScript", SECEditMakeIniReader((shipped + "VBScript.ini").c_str(), "VBScript"));
        Register("HTML", SECEditMakeIniReader((shipped + "HTML.ini").c_str(), "HTML"));
        SECEditLangReader *pIdlReader = new SECEditLangIniReader(idlCopy.c_str());
        SECEditLangWriter *pIdlWriter = new SECEditLangIniWriter(idlCopy.c_str());
        registry.RegisterLanguage("IDL", pIdlReader, pIdlWriter);
        pIdlReader->Release();
        pIdlWriter->Release();
    }

    void Register(LPCTSTR name, SECEditLangReader *pReader)
    {
        SECEditLangWriter *pWriter = new SECEditLangProfileWriter(name);
        registry.RegisterLanguage(name, pReader, pWriter);
        pReader->Release();
        pWriter->Release();
    }

    TempFolder folder;
    ScopedEnv env;
    std::string idlCopy;
    SECEditLangRegistry registry;
};

TEST_F(LangStartupTest, EveryLanguageLoadsItsConfiguration)
{
    const struct {
        const char *name;
        const char *keyword;
    } languages[] = {{"C", "co_await"},
                     {"C from Binary File", "co_await"},
                     {"C from Custom Resource", "#define"},
                     {"JScript", "function"},
                     {"VBScript", "dim"},
                     {"HTML", "body"},
                     {"IDL", "coclass"}};
    for (const auto &language : languages) {
        SCOPED_TRACE(language.name);
        SECEditLangConfig *pConfig = registry.GetLanguageConfig(language.name);
        ASSERT_NE(pConfig, nullptr);
        EXPECT_EQ(std::string(pConfig->GetName()), language.name);
        EXPECT_GE(pConfig->GetColorGroupCount(), 7);
        WORD group = 0;
        const int length = static_cast<int>(std::string(language.keyword).size());
        EXPECT_EQ(pConfig->LookupKeyword(language.keyword, length, &group), length);
    }
}

TEST_F(LangStartupTest, ExitWritesOnlyTheUsedLanguagesAndTheProfileOverlaysNextTime)
{
    SECEditLangConfig *pC = registry.GetLanguageConfig("C");
    pC->SetTabSize(8);
    SECEditLangConfig *pIdl = registry.GetLanguageConfig("IDL");
    pIdl->SetReplaceTabs(TRUE);
    EXPECT_EQ(registry.SaveLanguages(nullptr), 1);

    CAppProfile &profile = PlexoGetAppProfile();
    EXPECT_EQ(profile.GetProfileInt("C\\Editor", "TabSize", 0), 8u);
    EXPECT_EQ(profile.GetProfileInt("HTML\\Editor", "TabSize", 99), 99u); // never used, never written
    EXPECT_NE(TempFolder::Read(idlCopy).find("ReplaceTabs=1"), std::string::npos);

    SECEditLangRegistry nextRun;
    SECEditLangReader *pReader = SECEditMakeIniReader((ShippedLanguageFolder() + "/DevStudio.ini").c_str(), "C");
    nextRun.RegisterLanguage("C", pReader, nullptr);
    pReader->Release(); // the registry keeps its own reference
    SECEditLangConfig *pAgain = nextRun.GetLanguageConfig("C");
    ASSERT_NE(pAgain, nullptr);
    EXPECT_EQ(pAgain->GetTabSize(), 8);
}

} // namespace
