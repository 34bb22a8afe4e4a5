#include "framework/settings/AppProfile.h"
#include "framework/settings/Registry.h"

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Points XDG_CONFIG_HOME at a fresh folder for the test's duration.
class AppProfileTest : public ::testing::Test {
protected:
    void SetUp() override { profile.SetRegistryKey("Kilnsmith", "Plexo Kilnsmith"); }

    TempFolder folder;
    ScopedEnv configHome{"XDG_CONFIG_HOME", folder.Path()};
    CAppProfile profile{"wizard"};
};

// "v0", "v1", ...: appended rather than "v" + std::to_string(n), which GCC
// 12's release build flags with a false -Wrestrict.
std::string EntryName(int n)
{
    std::string name("v");
    name += std::to_string(n);
    return name;
}

TEST_F(AppProfileTest, KeepsItsFileUnderTheConfigFolder)
{
    EXPECT_EQ(std::string(profile.GetProfilePath()), folder.File("wizard/wizard.ini"));
    EXPECT_EQ(std::string(profile.GetApplicationKey()), "HKEY_CURRENT_USER\\Software\\Kilnsmith\\Plexo Kilnsmith");
    EXPECT_TRUE(profile.WriteProfileInt("Settings", "Start minimized", 1));
    EXPECT_EQ(TempFolder::Read(folder.File("wizard/wizard.ini")), "[Settings]\nStart minimized=dword:00000001\n");
}

TEST_F(AppProfileTest, ReadsDefaultsWithoutAFile)
{
    EXPECT_EQ(profile.GetProfileInt("Settings", "Send on start", 5), 5u);
    EXPECT_EQ(std::string(profile.GetProfileString("Settings", "x", "def")), "def");
    EXPECT_EQ(std::string(profile.GetProfileString("Settings", "x")), "");
    LPBYTE data = reinterpret_cast<LPBYTE>(1);
    UINT size = 9;
    EXPECT_FALSE(profile.GetProfileBinary("Settings", "x", &data, &size));
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, 0u);
}

TEST_F(AppProfileTest, RoundTripsStringsExactly)
{
    const char *values[] = {"plain",   "",       " leading and trailing ", "\"quoted\"", "'single'",
                            "dword:1", "hex:00", "two\nlines\r\n",         "a=b;c[d]",   "ünïcode"};
    int n = 0;
    for (const char *value : values) {
        const std::string entry = EntryName(n++);
        ASSERT_TRUE(profile.WriteProfileString("C\\Color Groups\\Text", entry.c_str(), value)) << value;
    }
    n = 0;
    for (const char *value : values) {
        const std::string entry = EntryName(n++);
        EXPECT_EQ(std::string(profile.GetProfileString("c\\color groups\\TEXT", entry.c_str(), "missing")), value);
    }
}

TEST_F(AppProfileTest, RoundTripsNumbersAndBinary)
{
    const int numbers[] = {0, 1, -1, 2147483647, -2147483647 - 1};
    for (int number : numbers) {
        ASSERT_TRUE(profile.WriteProfileInt("", "First tyne", number));
        EXPECT_EQ(static_cast<int>(profile.GetProfileInt("", "First tyne", 77)), number);
    }
    BYTE bytes[] = {0, 1, 0x7F, 0x80, 0xFF, '\n', '='};
    ASSERT_TRUE(profile.WriteProfileBinary("Bars", "State", bytes, sizeof bytes));
    LPBYTE data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(profile.GetProfileBinary("Bars", "State", &data, &size));
    EXPECT_EQ(std::string(reinterpret_cast<char *>(data), size),
              std::string(reinterpret_cast<char *>(bytes), sizeof bytes));
    delete[] data;

    // A value of another type reads as the default.
    EXPECT_EQ(std::string(profile.GetProfileString("", "First tyne", "def")), "def");
    EXPECT_EQ(profile.GetProfileInt("Bars", "State", 3), 3u);
}

TEST_F(AppProfileTest, ReadsHandEditedValues)
{
    std::string path = std::string(profile.GetProfileFolder());
    ASSERT_TRUE(profile.WriteProfileInt("Settings", "x", 0));
    TempFolder::Write(profile.GetProfilePath().GetString(),
                      "[settings]\nnumber = 12\ntext = \"  spaced  \"\nbad=dword:zz\nbin=hex:0a, 0B\n");
    EXPECT_EQ(profile.GetProfileInt("Settings", "number", 0), 12u);
    EXPECT_EQ(std::string(profile.GetProfileString("Settings", "text")), "  spaced  ");
    EXPECT_EQ(std::string(profile.GetProfileString("Settings", "bad")), "dword:zz");
    LPBYTE data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(profile.GetProfileBinary("Settings", "bin", &data, &size));
    EXPECT_EQ(std::string(reinterpret_cast<char *>(data), size), "\x0a\x0b");
    delete[] data;
}

TEST_F(AppProfileTest, DeletesEntriesAndSections)
{
    profile.WriteProfileString("Recent File List", "File1", "/a");
    profile.WriteProfileString("Recent File List", "File2", "/b");
    profile.WriteProfileString("Recent File List\\Sub", "x", "y");
    EXPECT_TRUE(profile.WriteProfileString("Recent File List", "File1", nullptr));
    EXPECT_EQ(std::string(profile.GetProfileString("Recent File List", "File1", "gone")), "gone");
    EXPECT_EQ(std::string(profile.GetProfileString("Recent File List", "File2")), "/b");
    EXPECT_TRUE(profile.WriteProfileString("Recent File List", nullptr, nullptr));
    EXPECT_EQ(std::string(profile.GetProfileString("Recent File List", "File2", "gone")), "gone");
    EXPECT_EQ(std::string(profile.GetProfileString("Recent File List\\Sub", "x", "gone")), "gone");
}

// The registry calls work on the running program's profile.
class RegistryTest : public AppProfileTest {
protected:
    void SetUp() override
    {
        AppProfileTest::SetUp();
        PlexoGetAppProfile().SetProgramName("wizard");
        PlexoGetAppProfile().SetRegistryKey("Kilnsmith", "Plexo Kilnsmith");
    }
};

TEST_F(RegistryTest, MachineKeyLivesInTheUsersFile)
{
    const char *run = "Software\\Plexo\\Machine Settings";
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, run, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);

    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, run, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                             &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    const char path[] = "/usr/bin/kilnsmith";
    EXPECT_EQ(RegSetValueEx(key, "Tarno", 0, REG_SZ, reinterpret_cast<const BYTE *>(path), sizeof path), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

    EXPECT_EQ(TempFolder::Read(folder.File("wizard/wizard.ini")),
              "[HKEY_LOCAL_MACHINE\\Software\\Plexo\\Machine Settings]\nTarno=/usr/bin/kilnsmith\n");

    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, run, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "Tarno", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof path);
    char small[4];
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, "Tarno", nullptr, &type, reinterpret_cast<LPBYTE>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, sizeof path);
    char buffer[200];
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueEx(key, "Tarno", nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, path);
    EXPECT_EQ(RegDeleteValue(key, "Tarno"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, "Tarno"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueEx(key, "Tarno", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryTest, ApplicationKeyIsTheProfile)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKey(HKEY_CURRENT_USER, "Software\\Kilnsmith\\Plexo Kilnsmith\\Settings\\", &key), ERROR_SUCCESS);
    DWORD value = 1;
    EXPECT_EQ(RegSetValueEx(key, "Start minimized", 0, REG_DWORD, reinterpret_cast<BYTE *>(&value), 3),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, "Start minimized", 0, REG_DWORD, reinterpret_cast<BYTE *>(&value), 4), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(PlexoGetAppProfile().GetProfileInt("Settings", "Start minimized", 0), 1u);
    // The keys above the application's key are there too; others are not.
    ASSERT_EQ(RegOpenKey(HKEY_CURRENT_USER, "Software\\Kilnsmith", &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKey(HKEY_CURRENT_USER, "Software\\Kiln", &key), ERROR_FILE_NOT_FOUND);

    PlexoGetAppProfile().WriteProfileString("Widths", nullptr, nullptr);
    PlexoGetAppProfile().WriteProfileString("Widths", "", "default value");
    ASSERT_EQ(RegOpenKey(HKEY_CURRENT_USER, "Software\\Kilnsmith\\Plexo Kilnsmith", &key), ERROR_SUCCESS);
    char text[32];
    LONG size = sizeof text;
    EXPECT_EQ(RegQueryValue(key, "Widths", text, &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "default value");
    EXPECT_EQ(size, 14);
    EXPECT_EQ(RegDeleteKey(key, "Widths"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValue(key, "Widths", text, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);

    EXPECT_EQ(RegSetValueEx(nullptr, "x", 0, REG_SZ, reinterpret_cast<const BYTE *>("y"), 2), ERROR_INVALID_HANDLE);
}

} // namespace
