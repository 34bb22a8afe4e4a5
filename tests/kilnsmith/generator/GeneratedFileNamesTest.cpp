#include "kilnsmith/generator/GeneratedFileNames.h"
#include "kilnsmith/generator/IncludeGuard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NamingCase {
    const char *pszClass;
    const char *pszHeader;
    const char *pszSource;
    const char *pszGuardName;
};

TEST(GeneratedFileNames, StemDropsTheFirstCharacterWhateverItIs)
{
    const NamingCase cases[] = {
        {"CMyNewComponent1", "MyNewComponent1.h", "MyNewComponent1.cpp", "MYNEWCOMPONENT1_H"},
        {"MyClass", "yClass.h", "yClass.cpp", "YCLASS_H"},
        {"Cx", "x.h", "x.cpp", "X_H"},
        // Only the first '.' becomes '_'.
        {"Ca.b", "a.b.h", "a.b.cpp", "A_B.H"},
        // A non-ASCII first letter goes whole; non-ASCII letters are not upper-cased.
        {"\xC3\x84"
         "Class\xC3\xA9",
         "Class\xC3\xA9.h", "Class\xC3\xA9.cpp", "CLASS\xC3\xA9_H"},
    };
    for (const NamingCase &c : cases) {
        SCOPED_TRACE(c.pszClass);
        EXPECT_EQ(std::string(GetHeaderFileName(c.pszClass)), c.pszHeader);
        EXPECT_EQ(std::string(GetSourceFileName(c.pszClass)), c.pszSource);
        EXPECT_EQ(std::string(MakeGuardName(GetHeaderFileName(c.pszClass))), c.pszGuardName);
        EXPECT_TRUE(IsSafeClassName(c.pszClass));
    }
}

TEST(GeneratedFileNames, NamesThatWouldLeaveTheFolderAreUnsafe)
{
    const std::string unsafe[] = {
        "",
        "C",
        "\xC3\x84",
        "C/etc",
        "C../x",
        "C..",
        "Ca/../../b",
        "Ca\\b",
        "/tmp/x",
        std::string("Cab\0c", 5),
        std::string("\0ab", 3),
    };
    for (const std::string &name : unsafe) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsSafeClassName(CString(name)));
    }
    // The dropped character is never part of the path.
    EXPECT_TRUE(IsSafeClassName("/ab"));
    EXPECT_TRUE(IsSafeClassName("C.h"));
}

TEST(GeneratedFileNames, CppIdentifiers)
{
    const struct {
        const char *pszName;
        BOOL bIdentifier;
    } cases[] = {
        {"CMyDoc", TRUE}, {"_x1", TRUE},   {"C", TRUE},    {"", FALSE},     {"1C", FALSE},        {"C-D", FALSE},
        {"C D", FALSE},   {"C::D", FALSE}, {"C.h", FALSE}, {"../C", FALSE}, {"C\xC3\xA9", FALSE},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.pszName);
        EXPECT_EQ(IsCppIdentifier(c.pszName), c.bIdentifier);
    }
}

TEST(GeneratedFileNames, OutputPathJoinsWithOneSeparator)
{
    EXPECT_EQ(std::string(JoinOutputPath("/w", "A.h")), "/w/A.h");
    EXPECT_EQ(std::string(JoinOutputPath("/w/", "A.h")), "/w/A.h");
    EXPECT_EQ(std::string(JoinOutputPath("", "A.h")), "A.h");
}

} // namespace
