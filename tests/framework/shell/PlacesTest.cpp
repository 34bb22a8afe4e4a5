#include "framework/shell/Places.h"

#include "tests/support/TempFolder.h"
#include "tests/support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

TEST(PlacesTest, ProgramPathAndFolder)
{
    std::string path = std::string(PlexoGetProgramPath());
    EXPECT_EQ(std::filesystem::path(path).filename(), "test_fw_shell");
    EXPECT_EQ(std::string(PlexoGetProgramFolder()), std::filesystem::path(path).parent_path().string());
    // In the build tree the data lies beside the program.
    EXPECT_EQ(PlexoGetDataFolder("orchard"), PlexoGetProgramFolder());

    char buffer[MAX_PATH];
    DWORD n = GetModuleFileName(nullptr, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, n), path);
    char small[5];
    EXPECT_EQ(GetModuleFileName(nullptr, small, sizeof small), 5u);
    EXPECT_EQ(std::string(small), path.substr(0, 4));
}

TEST(PlacesTest, XdgFoldersFollowTheVariablesOrTheirDefaults)
{
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
        ScopedEnv data("XDG_DATA_HOME", "/data/");
        ScopedEnv cache("XDG_CACHE_HOME", "/c");
        EXPECT_EQ(PlexoGetUserConfigFolder("kilnsmith"), "/cfg/kilnsmith");
        EXPECT_EQ(PlexoGetUserDataFolder("kilnsmith"), "/data/kilnsmith");
        EXPECT_EQ(PlexoGetUserCacheFolder(), "/c");
    }
    // Unset, empty and relative values mean the defaults.
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedEnv data("XDG_DATA_HOME", "");
    ScopedEnv cache("XDG_CACHE_HOME", "relative/path");
    EXPECT_EQ(PlexoGetUserConfigFolder("orchard"), "/home/someone/.config/orchard");
    EXPECT_EQ(PlexoGetUserDataFolder(), "/home/someone/.local/share");
    EXPECT_EQ(PlexoGetUserCacheFolder("x"), "/home/someone/.cache/x");
}

TEST(PlacesTest, TempPathAndFileNames)
{
    TempFolder scratch;
    std::string folder = scratch.Path();
    ASSERT_TRUE(PlexoCreateFolderPath((folder + "/a/b").c_str()));
    {
        ScopedEnv tmp("TMPDIR", folder.c_str());
        char buffer[MAX_PATH];
        DWORD n = GetTempPath(sizeof buffer, buffer);
        EXPECT_EQ(std::string(buffer, n), folder + "/");
        EXPECT_EQ(GetTempPath(3, buffer), n + 1); // too small: the size needed
    }

    char name[MAX_PATH];
    UINT fixed = GetTempFileName(folder.c_str(), "jpegXYZ", 0x1AB, name);
    EXPECT_EQ(fixed, 0x1ABu);
    EXPECT_EQ(std::string(name), folder + "/jpe1AB.tmp");
    EXPECT_FALSE(std::filesystem::exists(name));

    UINT first = GetTempFileName(folder.c_str(), "jpg", 0, name);
    ASSERT_NE(first, 0u);
    std::string firstName = name;
    EXPECT_TRUE(std::filesystem::exists(firstName));
    UINT second = GetTempFileName((folder + "/").c_str(), "jpg", 0, name);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_TRUE(std::filesystem::exists(name));

    EXPECT_EQ(GetTempFileName((folder + "/missing").c_str(), "jpg", 0, name), 0u);
    std::string longPath(MAX_PATH, 'x');
    EXPECT_EQ(GetTempFileName(longPath.c_str(), "jpg", 1, name), 0u);
}

} // namespace
