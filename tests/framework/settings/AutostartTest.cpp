#include "framework/settings/AppProfile.h"
#include "framework/settings/AutostartEntries.h"
#include "framework/settings/Registry.h"

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PlexoGetAppProfile().SetProgramName("wizard");
        PlexoGetAppProfile().SetRegistryKey("Kilnsmith", "Plexo Kilnsmith");
    }
    std::string Entry(const std::string &name) const { return folder.File("autostart/" + name + ".desktop"); }

    LONG Write(HKEY root, const char *name, const std::string &command)
    {
        HKEY key = nullptr;
        LONG result = RegOpenKeyEx(root, kRun, 0, KEY_ALL_ACCESS, &key);
        if (result != ERROR_SUCCESS)
            return result;
        result = RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(command.c_str()),
                               static_cast<DWORD>(command.size() + 1));
        RegCloseKey(key);
        return result;
    }
    // The value as a 200-byte buffer reads it (the options dialog's way).
    LONG Read(HKEY root, const char *name, std::string &command)
    {
        HKEY key = nullptr;
        LONG result = RegOpenKeyEx(root, kRun, 0, KEY_ALL_ACCESS, &key);
        if (result != ERROR_SUCCESS)
            return result;
        char buffer[200] = {};
        DWORD type = 0;
        DWORD size = sizeof buffer;
        result = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
        RegCloseKey(key);
        if (result == ERROR_SUCCESS) {
            EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
            EXPECT_EQ(size, std::string(buffer).size() + 1);
            command = buffer;
        }
        return result;
    }
    LONG Delete(HKEY root, const char *name)
    {
        HKEY key = nullptr;
        LONG result = RegOpenKeyEx(root, kRun, 0, KEY_ALL_ACCESS, &key);
        if (result != ERROR_SUCCESS)
            return result;
        result = RegDeleteValue(key, name);
        RegCloseKey(key);
        return result;
    }

    TempFolder folder;
    ScopedEnv configHome{"XDG_CONFIG_HOME", folder.Path()};
};

TEST_F(AutostartTest, RunValuesAreAutostartEntries)
{
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        std::string command;
        EXPECT_EQ(Read(root, "Tarno", command), ERROR_FILE_NOT_FOUND);
        ASSERT_EQ(Write(root, "Tarno", "/usr/bin/kilnsmith"), ERROR_SUCCESS);
        EXPECT_EQ(TempFolder::Read(Entry("Tarno")),
                  "[Desktop Entry]\nType=Application\nName=Tarno\nExec=/usr/bin/kilnsmith\n");
        ASSERT_EQ(Read(root, "Tarno", command), ERROR_SUCCESS);
        EXPECT_EQ(command, "/usr/bin/kilnsmith");
        EXPECT_EQ(Delete(root, "Tarno"), ERROR_SUCCESS);
        EXPECT_FALSE(std::filesystem::exists(Entry("Tarno")));
        EXPECT_EQ(Delete(root, "Tarno"), ERROR_FILE_NOT_FOUND); // deleting again is harmless
    }
    // Nothing went into the profile, and the key cannot be deleted.
    EXPECT_FALSE(std::filesystem::exists(folder.File("wizard/wizard.ini")));
    EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, kRun), ERROR_ACCESS_DENIED);
}

TEST_F(AutostartTest, CommandsAreQuotedAndComeBackAsTheyWere)
{
    struct Case {
        const char *command;
        const char *exec;
    };
    const Case cases[] = {
        {"/opt/plexo/kilnsmith", "/opt/plexo/kilnsmith"},
        {"/home/me/my apps/kilnsmith", "\"/home/me/my apps/kilnsmith\""},
        {"/home/me/say \"hi\"/k", "\"/home/me/say \\\\\"hi\\\\\"/k\""},
        {"/tmp/it's $HOME `x`", "\"/tmp/it's \\\\$HOME \\\\`x\\\\`\""},
        {"/tmp/back\\slash", "\"/tmp/back\\\\\\\\slash\""},
        {"/tmp/100%/k", "/tmp/100%%/k"},
        {"/tmp/tab\there", "\"/tmp/tab\\there\""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(std::string(Autostart::QuoteExec(c.command)), c.exec);
        ASSERT_EQ(Write(HKEY_LOCAL_MACHINE, "Tarno", c.command), ERROR_SUCCESS);
        std::string command;
        ASSERT_EQ(Read(HKEY_LOCAL_MACHINE, "Tarno", command), ERROR_SUCCESS);
        EXPECT_EQ(command, c.command);
    }
}

TEST_F(AutostartTest, CorruptEntriesAndHostileNamesFailClearly)
{
    struct Case {
        const char *name;
        std::string file;
        LONG expected;
        const char *command;
    };
    const Case cases[] = {
        {"no group", "Exec=/bin/x\n", ERROR_INVALID_DATA, ""},
        {"no exec", "[Desktop Entry]\nType=Application\n", ERROR_INVALID_DATA, ""},
        {"open quote", "[Desktop Entry]\nExec=\"/bin/x\n", ERROR_INVALID_DATA, ""},
        {"bad escape", "[Desktop Entry]\nExec=/bin/\\q\n", ERROR_INVALID_DATA, ""},
        {"hidden", "[Desktop Entry]\nExec=/bin/x\nHidden=true\n", ERROR_FILE_NOT_FOUND, ""},
        {"another program's entry", "[Desktop Entry]\r\nExec = /usr/bin/app --tray %U\r\n", ERROR_SUCCESS,
         "/usr/bin/app --tray"},
        {"binary", std::string("\0\xff[Desktop Entry]\n\0", 19), ERROR_INVALID_DATA, ""},
        {"huge", "[Desktop Entry]\nExec=/bin/x\n" + std::string(100000, '#'), ERROR_INVALID_DATA, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder::Write(Entry("Tarno"), c.file);
        std::string command = "unchanged";
        EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "Tarno", command), c.expected);
        EXPECT_EQ(command, c.expected == ERROR_SUCCESS ? c.command : "unchanged");
        EXPECT_EQ(TempFolder::Read(Entry("Tarno")), c.file); // reading changes nothing
    }

    for (const char *name : {"", ".", "..", "../evil", "a/b"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Write(HKEY_LOCAL_MACHINE, name, "/bin/x"), ERROR_INVALID_PARAMETER);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("evil.desktop")));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kRun, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    DWORD number = 1;
    EXPECT_EQ(RegSetValueEx(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number), 4),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

} // namespace
