#include "kilnsmith/generator/CodeGenerator.h"
#include "kilnsmith/generator/GeneratedFileWriter.h"

#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

} // namespace
