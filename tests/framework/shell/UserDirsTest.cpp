#include "framework/shell/UserDirs.h"

#include "../../support/ScopedEnv.h"
#include "../../support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct UserDirsCase {
    const char *text;
    const char *name;
    const char *expected;
};

const UserDirsCase kCases[] = {
    {"XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n", "DOCUMENTS", "/home/u/Documents"},
    {"XDG_DOCUMENTS_DIR=\"$HOME\"\n", "DOCUMENTS", "/home/u"},
    {"XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n", "DOCUMENTS", "/srv/docs"},
    {"# comment\n  XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Files\\\"\"\r\n", "DOCUMENTS", "/home/u/My \"Files\""},
    {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"$HOME/b\"\n", "DOCUMENTS", "/home/u/b"},
    {"XDG_DOCUMENTS_DIR=\"$HOME/a\"\nXDG_DOCUMENTS_DIR=\"relative\"\n", "DOCUMENTS", "/home/u/a"},
    {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "DOCUMENTS", ""},
    {"XDG_DOCUMENTS_DIR=$HOME/Unquoted\n", "DOCUMENTS", ""},
    {"XDG_DOCUMENTS_DIR=\"$HOMEX/a\"\n", "DOCUMENTS", ""},
    {"XDG_DOCUMENTS_DIR=\"/unterminated\n", "DOCUMENTS", ""},
    {"XDG_DOCUMENTS_DIR=\"/a\" trailing\n", "DOCUMENTS", ""},
    {"", "DOCUMENTS", ""},
};

TEST(UserDirsTest, ParsesAssignmentsAsTheDesktopWritesThem)
{
    for (const UserDirsCase &c : kCases) {
        EXPECT_STREQ(PlexoParseUserDirs(c.text, c.name, CString("/home/u")).GetString(), c.expected) << c.text;
    }
}

TEST(UserDirsTest, RefusesAValueWithANulByte)
{
    const std::string text("XDG_DOCUMENTS_DIR=\"/a\0b\"\n", 25);
    EXPECT_TRUE(PlexoParseUserDirs(text, "DOCUMENTS", CString("/home/u")).IsEmpty());
}

TEST(UserDirsTest, ReadsTheUsersFileOrFallsBackToHome)
{
    TempFolder config;
    ScopedEnv configHome("XDG_CONFIG_HOME", config.Path());
    ScopedEnv home("HOME", "/home/tester");
    EXPECT_STREQ(PlexoGetUserFolder("DOCUMENTS").GetString(), "/home/tester");

    TempFolder::Write(config.File("user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_STREQ(PlexoGetUserFolder("DOCUMENTS").GetString(), "/home/tester/Dokumente");
    EXPECT_STREQ(PlexoGetUserFolder("MUSIC").GetString(), "/home/tester");
}

} // namespace
