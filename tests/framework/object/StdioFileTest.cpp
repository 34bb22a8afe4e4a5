#include "TempFolder.h"

#include "framework/object/StdioFile.h"

#include <string>
#include <vector>

namespace {

class StdioFileTest : public TempFolderTest {
protected:
    std::vector<std::string> Lines(const std::string &content)
    {
        WriteFile(PathOf("text.txt"), content);
        CStdioFile file(PathOf("text.txt").c_str(), CFile::modeRead | CFile::typeText);
        std::vector<std::string> lines;
        CString line;
        while (file.ReadString(line))
            lines.push_back(static_cast<LPCTSTR>(line));
        return lines;
    }
};

TEST_F(StdioFileTest, LinesWithoutTheirLineEnds)
{
    struct Case {
        std::string content;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"one\r\ntwo\n", {"one", "two"}},
        {"a\n\nb", {"a", "", "b"}},
        {"cr\rinside\r\n", {"cr\rinside"}},
        {"  spaced  \n#x\n", {"  spaced  ", "#x"}},
        {std::string(10000, 'x') + "\nend", {std::string(10000, 'x'), "end"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Lines(c.content), c.lines) << c.content.substr(0, 20);
}

TEST_F(StdioFileTest, BufferVersionKeepsTheNewLineAndCutsLongLines)
{
    WriteFile(PathOf("text.txt"), "abcdef\r\nxy\n");
    CStdioFile file(PathOf("text.txt").c_str(), CFile::modeRead);
    char buffer[5];
    ASSERT_NE(file.ReadString(buffer, sizeof(buffer)), nullptr);
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_NE(file.ReadString(buffer, sizeof(buffer)), nullptr);
    EXPECT_STREQ(buffer, "ef\n");
    EXPECT_EQ(file.GetPosition(), 8u);
    ASSERT_NE(file.ReadString(buffer, sizeof(buffer)), nullptr);
    EXPECT_STREQ(buffer, "xy\n");
    EXPECT_EQ(file.ReadString(buffer, sizeof(buffer)), nullptr);
}

TEST_F(StdioFileTest, WritingAfterReadingGoesWhereTheReadingStopped)
{
    WriteFile(PathOf("text.txt"), "first\nsecond\n");
    {
        CStdioFile file(PathOf("text.txt").c_str(), CFile::modeReadWrite);
        CString line;
        ASSERT_TRUE(file.ReadString(line));
        file.WriteString("SECOND\n");
    }
    EXPECT_EQ(ReadFile(PathOf("text.txt")), "first\nSECOND\n");
}

} // namespace
