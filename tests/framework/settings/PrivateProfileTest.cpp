#include "framework/settings/PrivateProfile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class PrivateProfileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string ini = folder.File("test.ini");

    std::string ReadString(const char *section, const char *key, const char *def, DWORD size, DWORD *count = nullptr)
    {
        std::vector<char> buffer(size + 1, '#');
        DWORD n = GetPrivateProfileString(section, key, def, buffer.data(), size, ini.c_str());
        EXPECT_EQ(buffer[size], '#') << "wrote past the buffer";
        if (count)
            *count = n;
        return std::string(buffer.data(), n);
    }
};

struct ReadCase {
    const char *name;
    const char *file; // nullptr: no file
    const char *section;
    const char *key;
    const char *def;
    DWORD size;
    const char *expected;
};

const ReadCase kReadCases[] = {
    {"plain", "[S]\nk=v\n", "S", "k", "d", 64, "v"},
    {"blanks trimmed around key and value", "[S]\n  k  =  two words  \t\n", "S", "k", "d", 64, "two words"},
    {"section name trimmed", "[  S  ]\nk=v\n", "S", "k", "d", 64, "v"},
    {"section and key without case", "[Section]\nKey=v\n", "sECTION", "kEY", "d", 64, "v"},
    {"double quotes stripped", "[S]\nk=\" padded \"\n", "S", "k", "d", 64, " padded "},
    {"single quotes stripped", "[S]\nk='x'\n", "S", "k", "d", 64, "x"},
    {"only one pair stripped", "[S]\nk=\"\"x\"\"\n", "S", "k", "d", 64, "\"x\""},
    {"mismatched quotes kept", "[S]\nk=\"x'\n", "S", "k", "d", 64, "\"x'"},
    {"lone quote kept", "[S]\nk=\"\n", "S", "k", "d", 64, "\""},
    {"empty value is not the default", "[S]\nk=\n", "S", "k", "d", 64, ""},
    {"value keeps later equals signs", "[S]\nk=a=b\n", "S", "k", "d", 64, "a=b"},
    {"missing file", nullptr, "S", "k", "def", 64, "def"},
    {"missing section", "[T]\nk=v\n", "S", "k", "def", 64, "def"},
    {"missing key", "[S]\nj=v\n", "S", "k", "def", 64, "def"},
    {"default loses trailing blanks", "", "S", "k", "def  ", 64, "def"},
    {"NULL default is empty", "", "S", "k", nullptr, 64, ""},
    {"key in the next section not found", "[S]\n[T]\nk=v\n", "S", "k", "d", 64, "d"},
    {"key before any section ignored", "k=v\n[S]\n", "S", "k", "d", 64, "d"},
    {"comment is not a key", "[S]\n;k=v\n", "S", "k", "d", 64, "d"},
    {"first duplicate key wins", "[S]\nk=1\nk=2\n", "S", "k", "d", 64, "1"},
    {"first duplicate section wins", "[S]\nk=1\n[S]\nk=2\nj=3\n", "S", "j", "d", 64, "d"},
    {"CRLF lines", "[S]\r\nk=v\r\n", "S", "k", "d", 64, "v"},
    {"no final newline", "[S]\nk=v", "S", "k", "d", 64, "v"},
    {"garbage lines skipped", "[S\n]]]\n=\n[S]\n???\nk=v\n", "S", "k", "d", 64, "v"},
    {"byte order mark", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "d", 64, "v"},
    {"value cut to the buffer", "[S]\nk=abcdef\n", "S", "k", "d", 4, "abc"},
    {"value exactly filling the buffer", "[S]\nk=abc\n", "S", "k", "d", 4, "abc"},
    {"default cut to the buffer", "", "S", "k", "defaults", 3, "de"},
    {"one byte buffer", "[S]\nk=abc\n", "S", "k", "d", 1, ""},
};

class PrivateProfileReadTest : public PrivateProfileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(PrivateProfileReadTest, ReadsValue)
{
    const ReadCase &c = GetParam();
    if (c.file)
        TempFolder::Write(ini, c.file);
    DWORD count = 0;
    EXPECT_EQ(ReadString(c.section, c.key, c.def, c.size, &count), c.expected);
    EXPECT_EQ(count, std::string(c.expected).size());
}

INSTANTIATE_TEST_SUITE_P(Cases, PrivateProfileReadTest, ::testing::ValuesIn(kReadCases), [](const auto &info) {
    std::string name = info.param.name;
    for (char &ch : name)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

TEST_F(PrivateProfileTest, ZeroSizeBufferCopiesNothing)
{
    TempFolder::Write(ini, "[S]\nk=v\n");
    char buffer[4] = "xyz";
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", buffer, 0, ini.c_str()), 0u);
    EXPECT_STREQ(buffer, "xyz");
}

struct IntCase {
    const char *value; // nullptr: key missing
    int def;
    int expected;
};

TEST_F(PrivateProfileTest, ReadsIntegers)
{
    const IntCase cases[] = {
        {"42", 7, 42}, {"  42  ", 7, 42}, {"-13", 7, -13}, {"+5", 7, 5},    {"12abc", 7, 12},
        {"abc", 7, 0}, {"", 7, 7},        {nullptr, 7, 7}, {"\"9\"", 7, 9}, {"0x10", 7, 0},
    };
    for (const IntCase &c : cases) {
        TempFolder::Write(ini, c.value ? std::string("[S]\nk=") + c.value + "\n" : "[S]\n");
        EXPECT_EQ(static_cast<int>(GetPrivateProfileInt("S", "K", c.def, ini.c_str())), c.expected)
            << (c.value ? c.value : "(missing)");
    }
}

std::string List(const char *data, DWORD count)
{
    return std::string(data, count);
}

TEST_F(PrivateProfileTest, ListsSectionsKeysAndEntries)
{
    TempFolder::Write(ini, "[One]\na = 1\n; note\nb=\"2\"\njunk\n[Two]\n[one]\nc=3\n");
    char buffer[256];

    DWORD n = GetPrivateProfileSectionNames(buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(List(buffer, n + 1), std::string("One\0Two\0\0", 9));
    n = GetPrivateProfileString(nullptr, nullptr, nullptr, buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(List(buffer, n + 1), std::string("One\0Two\0\0", 9));
    n = GetPrivateProfileString("ONE", nullptr, nullptr, buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(List(buffer, n + 1), std::string("a\0b\0\0", 5));
    n = GetPrivateProfileSection("one", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(List(buffer, n + 1), std::string("a=1\0b=\"2\"\0\0", 11));
    n = GetPrivateProfileSection("Two", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(List(buffer, 2), std::string("\0\0", 2));
    n = GetPrivateProfileSection("Missing", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(n, 0u);
}

TEST_F(PrivateProfileTest, CutsListsToTheBuffer)
{
    TempFolder::Write(ini, "[Alpha]\n[Beta]\n");
    struct {
        DWORD size;
        DWORD count;
        std::string bytes;
    } cases[] = {
        {12, 11, std::string("Alpha\0Beta\0\0", 12)},
        {11, 9, std::string("Alpha\0Bet\0\0", 11)},
        {7, 5, std::string("Alpha\0\0", 7)},
        {4, 2, std::string("Al\0\0", 4)},
        {2, 0, std::string("\0\0", 2)},
    };
    for (const auto &c : cases) {
        std::vector<char> buffer(c.size + 1, '#');
        EXPECT_EQ(GetPrivateProfileSectionNames(buffer.data(), c.size, ini.c_str()), c.count) << c.size;
        EXPECT_EQ(std::string(buffer.data(), c.size), c.bytes) << c.size;
        EXPECT_EQ(buffer[c.size], '#');
    }
}

struct WriteCase {
    const char *name;
    const char *before; // nullptr: no file
    const char *section;
    const char *key;
    const char *value;
    BOOL result;
    const char *after; // nullptr: file absent
};

const WriteCase kWriteCases[] = {
    {"replaces in place keeping comments and order", "; head\n[S]\n; c\na=1\nb=2\n\n[T]\nx=y\n", "s", "A", "9", TRUE,
     "; head\n[S]\n; c\nA=9\nb=2\n\n[T]\nx=y\n"},
    {"adds a key after the section's last line", "[S]\na=1\n\n[T]\n", "S", "n", "v", TRUE, "[S]\na=1\nn=v\n\n[T]\n"},
    {"adds a section at the end", "[S]\na=1\n", "New", "k", "v", TRUE, "[S]\na=1\n\n[New]\nk=v\n"},
    {"creates the file", nullptr, "S", "k", "v", TRUE, "[S]\nk=v\n"},
    {"keeps CRLF lines", "[S]\r\na=1\r\n", "S", "b", "2", TRUE, "[S]\r\na=1\r\nb=2\r\n"},
    {"keeps every CR of lines it does not change", "[S]\na=1\r\r\nb=2\r\n;\r\n[T]\rx\n", "S", "c", "3", TRUE,
     "[S]\na=1\r\r\nb=2\r\n;\r\nc=3\n[T]\rx\n"},
    {"keeps mixed line ends in a CRLF file", "[S]\r\na=1\nb=2\r\r\n", "S", "a", "9", TRUE, "[S]\r\na=9\nb=2\r\r\n"},
    {"ends a file that had no final newline", "[S]\na=1", "S", "b", "2", TRUE, "[S]\na=1\nb=2\n"},
    {"NULL value deletes the key", "[S]\na=1\nb=2\n", "S", "a", nullptr, TRUE, "[S]\nb=2\n"},
    {"NULL key deletes the section", "[S]\na=1\n[T]\nb=2\n[s]\nc=3\n", "S", nullptr, nullptr, TRUE, "[T]\nb=2\n"},
    {"deleting what is missing leaves the file", "[S]\na=1\n", "S", "zz", nullptr, TRUE, "[S]\na=1\n"},
    {"line break in a value refused", "[S]\na=1\n", "S", "a", "x\n[Evil]", FALSE, "[S]\na=1\n"},
    {"equals sign in a key refused", "[S]\na=1\n", "S", "a=b", "c", FALSE, "[S]\na=1\n"},
    {"bracket in a section name refused", "[S]\na=1\n", "S]x", "a", "c", FALSE, "[S]\na=1\n"},
    {"backslash kept in section names", "", "C\\Color Groups\\Text", "k", "1", TRUE, "[C\\Color Groups\\Text]\nk=1\n"},
    {"the all-NULL cache flush answers FALSE", "[S]\na=1\n", nullptr, nullptr, nullptr, FALSE, "[S]\na=1\n"},
    {"NULL section refused", "[S]\na=1\n", nullptr, "a", "2", FALSE, "[S]\na=1\n"},
};

class PrivateProfileWriteTest : public PrivateProfileTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(PrivateProfileWriteTest, EditsTheFile)
{
    const WriteCase &c = GetParam();
    if (c.before)
        TempFolder::Write(ini, c.before);
    EXPECT_EQ(WritePrivateProfileString(c.section, c.key, c.value, ini.c_str()), c.result);
    if (c.after) {
        EXPECT_EQ(TempFolder::Read(ini), c.after);
    }
    // Nothing is left beside the file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrivateProfileWriteTest, ::testing::ValuesIn(kWriteCases), [](const auto &info) {
    std::string name = info.param.name;
    for (char &ch : name)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

TEST_F(PrivateProfileTest, KeepsNulBytesAndUnknownLinesOnWrite)
{
    std::string before("junk\n[S]\nz=a\0b\n", 15);
    TempFolder::Write(ini, before);
    EXPECT_EQ(ReadString("S", "z", "", 16), std::string("a\0b", 3));
    EXPECT_TRUE(WritePrivateProfileString("S", "k", "v", ini.c_str()));
    EXPECT_EQ(TempFolder::Read(ini), before + "k=v\n");
}

TEST_F(PrivateProfileTest, RefusesFilesTooLargeToRead)
{
    // A sparse file just over the limit: read as missing, never replaced.
    TempFolder::Write(ini, "[S]\nk=v\n");
    std::filesystem::resize_file(ini, 64u * 1024u * 1024u + 1u);
    EXPECT_EQ(ReadString("S", "k", "d", 8), "d");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "w", ini.c_str()));
    EXPECT_EQ(std::filesystem::file_size(ini), 64u * 1024u * 1024u + 1u);

    // So is one of more lines than a settings file ever has.
    std::string many = "[S]\nk=v\n" + std::string(1000000, '\n');
    TempFolder::Write(ini, many);
    EXPECT_EQ(ReadString("S", "k", "d", 8), "d");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "w", ini.c_str()));
    EXPECT_EQ(TempFolder::Read(ini), many);
}

// "k0", "k1", ...: appended rather than "k" + std::to_string(n), which GCC
// 12's release build flags with a false -Wrestrict.
std::string KeyName(int n)
{
    std::string name("k");
    name += std::to_string(n);
    return name;
}

TEST_F(PrivateProfileTest, WritesAndReadsBackEveryValue)
{
    const char *values[] = {"plain", "with = equals", "; semicolon", "[bracket]", "tab\tinside", "ünïcode"};
    int n = 0;
    for (const char *value : values)
        ASSERT_TRUE(WritePrivateProfileString("Round", KeyName(n++).c_str(), value, ini.c_str()));
    n = 0;
    for (const char *value : values)
        EXPECT_EQ(ReadString("Round", KeyName(n++).c_str(), "missing", 256), value);
}

TEST_F(PrivateProfileTest, ReplacesAndDeletesWholeSections)
{
    TempFolder::Write(ini, "[A]\nx=1\n; gone\ny=2\n\n[B]\nz=3\n");
    EXPECT_TRUE(WritePrivateProfileSection("a", "p=1\0q = 2\0", ini.c_str()));
    EXPECT_EQ(TempFolder::Read(ini), "[A]\np=1\nq = 2\n\n[B]\nz=3\n");
    EXPECT_EQ(ReadString("A", "q", "", 16), "2");
    EXPECT_TRUE(WritePrivateProfileSection("New", "k=v\0", ini.c_str()));
    EXPECT_EQ(TempFolder::Read(ini), "[A]\np=1\nq = 2\n\n[B]\nz=3\n\n[New]\nk=v\n");
    EXPECT_TRUE(WritePrivateProfileSection("A", nullptr, ini.c_str()));
    EXPECT_EQ(TempFolder::Read(ini), "[B]\nz=3\n\n[New]\nk=v\n");
    EXPECT_FALSE(WritePrivateProfileSection("B", "bad\nentry\0", ini.c_str()));
    EXPECT_EQ(TempFolder::Read(ini), "[B]\nz=3\n\n[New]\nk=v\n");
}

TEST_F(PrivateProfileTest, SeesEveryNewVersionOfASettledFile)
{
    // Files untouched for a while are kept parsed between reads.
    auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    TempFolder::Write(ini, "[S]\nk=1\n");
    std::filesystem::last_write_time(ini, past);
    EXPECT_EQ(ReadString("S", "k", "", 8), "1");
    EXPECT_EQ(ReadString("S", "k", "", 8), "1");
    TempFolder::Write(ini, "[S]\nk=2\n"); // in place, same size
    std::filesystem::last_write_time(ini, past + std::chrono::seconds(1));
    EXPECT_EQ(ReadString("S", "k", "", 8), "2");
    EXPECT_TRUE(WritePrivateProfileString("S", "k", "3", ini.c_str()));
    std::filesystem::last_write_time(ini, past);
    EXPECT_EQ(ReadString("S", "k", "", 8), "3");
    std::filesystem::remove(ini);
    EXPECT_EQ(ReadString("S", "k", "gone", 8), "gone");
}

TEST_F(PrivateProfileTest, ReadsHugeLinesAndCutsThem)
{
    std::string huge(10 * 1024 * 1024, 'x');
    TempFolder::Write(ini, "[S]\nbig=" + huge + "\nafter=ok");
    DWORD count = 0;
    EXPECT_EQ(ReadString("S", "big", "", 8, &count), "xxxxxxx");
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(ReadString("S", "after", "", 8), "ok");
    EXPECT_TRUE(WritePrivateProfileString("S", "after", "done", ini.c_str()));
    EXPECT_EQ(TempFolder::Read(ini).size(), std::string("[S]\nbig=\nafter=done\n").size() + huge.size());
}

TEST_F(PrivateProfileTest, RefusesWritesItCannotDoSafely)
{
    // A folder in the file's place, a file in a missing folder, no name.
    std::filesystem::create_directory(ini);
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", ini.c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(ini));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", folder.File("missing/x.ini").c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", ""));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", nullptr));
    // Reading such a place gives the defaults.
    EXPECT_EQ(ReadString("S", "k", "d", 8), "d");
}

} // namespace
