#include "kilnsmith/wizard/LanguageSetup.h"
#include "kilnsmith/wizard/WorkFolder.h"

#include "../../support/ScopedEnv.h"
#include "../../support/TempFolder.h"

#include "editor/lang/SECEditLangRegistry.h"
#include "framework/collections/Lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

TEST(WorkFolderTest, AnAbsoluteProfileValueWinsElseTheDocumentsFolder)
{
    TempFolder config;
    ScopedEnv configHome("XDG_CONFIG_HOME", config.Path());
    ScopedEnv home("HOME", "/home/tester");
    const struct {
        const char *value;
        const char *expected;
    } kCases[] = {
        {"/srv/classes", "/srv/classes"},         {"  /srv/classes/ ", "/srv/classes"},
        {"", "/home/tester/Kilnsmith"},           {"relative/folder", "/home/tester/Kilnsmith"},
        {"c:\\temp\\", "/home/tester/Kilnsmith"},
    };
    for (const auto &c : kCases)
        EXPECT_STREQ(ChooseWorkFolder(c.value), c.expected) << c.value;

    TempFolder::Write(config.File("user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    EXPECT_STREQ(ChooseWorkFolder(""), "/home/tester/Documents/Kilnsmith");
}

TEST(WorkFolderTest, IsCreatedWithItsParentsAndAFileInTheWayIsLeftAlone)
{
    TempFolder folder;
    const std::string nested = folder.File("a/b/Kilnsmith");
    PrepareWorkFolder(nested.c_str());
    EXPECT_TRUE(std::filesystem::is_directory(nested));

    TempFolder::Write(folder.File("taken"), "a file");
    PrepareWorkFolder(folder.File("taken").c_str());
    EXPECT_EQ(TempFolder::Read(folder.File("taken")), "a file");
}

TEST(LanguageSetupTest, RegistersTheSevenLanguagesAndSavesNoneThatWasNotUsed)
{
    TempFolder config;
    ScopedEnv configHome("XDG_CONFIG_HOME", config.Path());
    RegisterKilnsmithLanguages();
    CStringList names;
    SECEditGetLanguageNames(names);
    std::set<std::string> registered;
    POSITION pos = names.GetHeadPosition();
    while (pos != nullptr)
        registered.insert(names.GetNext(pos).GetString());
    for (const char *pszName :
         {"C", "C from Binary File", "C from Custom Resource", "JScript", "VBScript", "HTML", "IDL"})
        EXPECT_EQ(registered.count(pszName), 1u) << pszName;
    // No document asked for a configuration: exit writes nothing.
    EXPECT_EQ(SECEditSaveLanguages(nullptr), 0);
    EXPECT_TRUE(std::filesystem::is_empty(config.Path()));
}

} // namespace
