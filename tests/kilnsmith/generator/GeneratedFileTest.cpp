#include "kilnsmith/generator/CodeGenerator.h"
#include "kilnsmith/generator/GeneratedFileWriter.h"

#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

using namespace generator_test;

namespace {

TEST(GeneratedFile, WritesExactBytesAndReplacesAnOldFile)
{
    ScratchFolder folder;
    const auto path = folder.Path() / "A.h";
    std::ofstream(path) << "an older and longer text\n";
    const std::string bytes("x\ty  \n\t\n\xC3\xA9\n", 11);
    ASSERT_TRUE(WriteGeneratedFile(path.string().c_str(), bytes));
    EXPECT_EQ(ReadFileBytes(path), bytes);
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(GeneratedFile, FailureReportsAndKeepsWhatWasThere)
{
    ScratchFolder folder;
    // A missing output folder.
    CCodeGenerator missing((folder.Path() / "missing").string().c_str());
    EXPECT_FALSE(missing.WriteDrawComponentHeader("CA", "d"));
    EXPECT_FALSE(missing.WriteDrawComponentSource("CA", "d"));
    EXPECT_TRUE(folder.IsEmpty());

    // A name longer than the file system takes.
    CCodeGenerator inFolder(folder.Str().c_str());
    EXPECT_FALSE(inFolder.WriteLineEndHeader(CString('C', 400), "d"));
    EXPECT_TRUE(folder.IsEmpty());

    // A folder where the file would go stays a folder with its contents.
    std::filesystem::create_directory(folder.Path() / "B.h");
    std::ofstream(folder.Path() / "B.h" / "keep") << "kept";
    CCodeGenerator generator(folder.Str().c_str());
    EXPECT_FALSE(generator.WritePropertySetHeader("CB", "d"));
    EXPECT_EQ(ReadFileBytes(folder.Path() / "B.h" / "keep"), "kept");

    // A link in the file's place is not followed or replaced.
    std::ofstream(folder.Path() / "target") << "target";
    std::filesystem::create_symlink(folder.Path() / "target", folder.Path() / "C.cpp");
    EXPECT_FALSE(generator.WritePropertySetSource("CC", "d"));
    EXPECT_EQ(ReadFileBytes(folder.Path() / "target"), "target");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 3);
}

// A name whose file fits the folder's file-name limit is written, however
// little room the limit leaves for the temporary file's ending; one past the
// limit is refused with nothing left behind.
TEST(GeneratedFile, EveryNameWithinTheFileNameLimitIsWritten)
{
    ScratchFolder folder;
    const long nLimit = ::pathconf(folder.Str().c_str(), _PC_NAME_MAX);
    ASSERT_GT(nLimit, 8);
    const size_t limit = static_cast<size_t>(nLimit);
    const std::string twoByteLetter = "\xC3\xA9";
    const struct {
        std::string stem;
        bool bHeader;
        bool bSource;
    } cases[] = {
        {std::string(limit - 4, 'A'), true, true},  // the source name at the limit
        {std::string(limit - 2, 'B'), true, false}, // the header name at the limit
        {std::string(limit - 1, 'C'), false, false},
        {std::string(1, 'D') +
             [&] {
                 std::string letters;
                 while (letters.size() + twoByteLetter.size() + 5 <= limit)
                     letters += twoByteLetter;
                 return letters;
             }(),
         true, true}, // two-byte letters
    };
    // A name past the limit is no file, not an error.
    auto exists = [&](const std::string &name) {
        std::error_code error;
        return std::filesystem::exists(folder.Path() / name, error);
    };
    CCodeGenerator generator(folder.Str().c_str());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stem.size());
        const CString strClass = ("C" + c.stem).c_str();
        EXPECT_EQ(generator.WriteDrawComponentHeader(strClass, "d") != FALSE, c.bHeader);
        EXPECT_EQ(generator.WriteDrawComponentSource(strClass, "d") != FALSE, c.bSource);
        EXPECT_EQ(exists(c.stem + ".h"), c.bHeader);
        EXPECT_EQ(exists(c.stem + ".cpp"), c.bSource);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}),
                  int(c.bHeader) + int(c.bSource));
        std::filesystem::remove_all(folder.Path());
        std::filesystem::create_directories(folder.Path());
    }
}

} // namespace
