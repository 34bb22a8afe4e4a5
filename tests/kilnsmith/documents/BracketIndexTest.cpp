// The bracket searches the HTML rule makes, remembered per line, agree with
// a plain search over the text: on random texts, from every position, and
// after edits anywhere in the text.
#include "DocumentsTestSupport.h"
#include "HtmlRuleReference.h"

#include <random>
#include <string>
#include <vector>

namespace {

std::string RandomText(std::mt19937 &random, int length)
{
    static const char kAlphabet[] = "<>ab \n\n<>";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof(kAlphabet)) - 2);
    std::string text;
    for (int i = 0; i < length; ++i)
        text += kAlphabet[pick(random)];
    return text;
}

// Every position of every line, in the order colouring asks (line by line,
// left to right), and then in reverse order.
void ExpectAgreement(CMDITextBuffer &buffer, const std::string &text)
{
    const Lines lines = SplitLines(text);
    ASSERT_EQ(buffer.GetLineCount(), static_cast<int>(lines.size()));
    auto check = [&](int line, int col) {
        CString holder;
        char *p = nullptr;
        buffer.GetLineText(line, holder, &p);
        EXPECT_EQ(buffer.IsOutsideTag(line, p, p + col) != FALSE, PlainOutside(lines, line, col))
            << "line " << line << " col " << col << " of\n"
            << text;
    };
    for (int line = 0; line < static_cast<int>(lines.size()); ++line)
        for (int col = 0; col <= static_cast<int>(lines[line].size()); ++col)
            check(line, col);
    for (int line = static_cast<int>(lines.size()) - 1; line >= 0; --line)
        for (int col = static_cast<int>(lines[line].size()); col >= 0; --col)
            check(line, col);
}

TEST(BracketIndexTest, PlainRunsColourAsTokenByToken)
{
    std::mt19937 random(99);
    static const char kAlphabet[] = "<>ab 1=\"\n, div";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof(kAlphabet)) - 2);
    for (int round = 0; round < 30; ++round) {
        std::string text;
        for (int i = 0; i < 20 + round * 4; ++i)
            text += kAlphabet[pick(random)];
        auto wizard = MakeWizardBuffer("HTML", text);
        TokenByTokenBuffer reference;
        ASSERT_TRUE(reference.NewDocument("HTML"));
        reference.InsertText(0, 0, text.c_str(), static_cast<int>(text.size()));
        for (int line = 0; line < wizard->GetLineCount(); ++line)
            EXPECT_EQ(LineRuns(*wizard, line), LineRuns(reference, line)) << "line " << line << " of\n" << text;
    }
}

TEST(BracketIndexTest, AgreesWithAPlainSearchOnRandomTexts)
{
    std::mt19937 random(20261211);
    for (int round = 0; round < 40; ++round) {
        const std::string text = RandomText(random, 5 + round * 3);
        auto buffer = MakeWizardBuffer("HTML", text);
        ExpectAgreement(*buffer, text);
    }
}

TEST(BracketIndexTest, AgreesAfterEditsAnywhere)
{
    std::mt19937 random(7);
    std::string text = RandomText(random, 120);
    auto buffer = MakeWizardBuffer("HTML", text);
    ExpectAgreement(*buffer, text);
    for (int round = 0; round < 30; ++round) {
        std::uniform_int_distribution<size_t> where(0, text.size());
        const size_t at = where(random);
        int line = 0, col = 0;
        for (size_t i = 0; i < at; ++i) {
            if (text[i] == '\n') {
                ++line;
                col = 0;
            } else
                ++col;
        }
        if (round % 2 == 0 || text.empty()) {
            const std::string piece = RandomText(random, 4);
            ASSERT_TRUE(buffer->InsertText(line, col, piece.c_str(), static_cast<int>(piece.size())));
            text.insert(at, piece);
        } else {
            // Deletes up to three characters from the position (a line
            // break included).
            size_t end = std::min(text.size(), at + 3);
            int endLine = line, endCol = col;
            for (size_t i = at; i < end; ++i) {
                if (text[i] == '\n') {
                    ++endLine;
                    endCol = 0;
                } else
                    ++endCol;
            }
            ASSERT_TRUE(buffer->DeleteText(line, col, endLine, endCol));
            text.erase(at, end - at);
        }
        ExpectAgreement(*buffer, text);
    }
}

} // namespace
