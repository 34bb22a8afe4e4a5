// Random edit sequences against simple models: the colours of every line
// always equal those of a fresh buffer with the same text, and every edit of
// a CR LF document undoes and redoes to the exact bytes.
#include "tests/editor/text/BufferTestSupport.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <cstring>
#include <random>

namespace {

const char kFixture[] = "#include <stdio.h>\n"
                        "/* A block comment\n"
                        "   over three lines with \"quotes\" and // inside */\n"
                        "int main(void)\n"
                        "{\n"
                        "    char *s = \"a string with \\\" an escape /* not a comment\";\n"
                        "    char c = '\\''; // a line comment with /* in it\n"
                        "    int x = 12abc + 3; /* short */ x++;\n"
                        "\n"
                        "    /** doc comment\n"
                        "     * spanning lines\n"
                        "     */\n"
                        "    while (x > 0) { x = x - 1; }\n"
                        "    return \"\\\\\"; /* tail\n"
                        "    still comment */ return 0;\n"
                        "}\n";

const char *const kSnippets[] = {"/*", "*/", "\"", "'", "\\", "//", "\n", "x", " ", "\t"};

// Every line of a fresh buffer with the text, asked in the given order.
std::vector<std::vector<DWORD>> FreshRuns(SECEditLangConfig *config, const std::string &text, bool reverse)
{
    auto buffer = MakeBuffer(config, text);
    const int count = buffer->GetLineCount();
    std::vector<std::vector<DWORD>> runs(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int line = reverse ? count - 1 - i : i;
        runs[static_cast<size_t>(line)] = Runs(*buffer, line);
    }
    return runs;
}

void CheckAgainstFresh(SECEditTextBuffer &buffer, SECEditLangConfig *config, const std::string &text,
                       std::mt19937 &random, int step)
{
    const auto expected = FreshRuns(config, text, false);
    ASSERT_EQ(static_cast<int>(expected.size()), buffer.GetLineCount()) << "step " << step;
    // The edited buffer is asked in a random order, so that lines far below
    // an edit are reached through the scan for multi-line tags.
    std::vector<int> order(expected.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (int line : order)
        ASSERT_EQ(expected[static_cast<size_t>(line)], Runs(buffer, line))
            << "step " << step << ", line " << line << "\n"
            << text;
}

TEST(BufferInvariant, RandomEditsColourLikeAFreshBuffer)
{
    TestLanguage language;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::string text = kFixture;
        auto buffer = MakeBuffer(language.get(), text);
        for (int step = 0; step < 250; ++step) {
            // Colour some lines first, so that edits meet cached rows and
            // known regions.
            const int lines = buffer->GetLineCount();
            for (int i = 0; i < 4; ++i)
                buffer->GetLineColors(static_cast<int>(random() % static_cast<unsigned>(lines)));
            if (random() % 3 == 0 && text.size() > 1) {
                const size_t from = random() % (text.size() - 1);
                const size_t length = 1 + random() % std::min<size_t>(3, text.size() - from);
                int line1, col1, line2, col2;
                PositionOf(text, from, line1, col1);
                PositionOf(text, from + length, line2, col2);
                ASSERT_TRUE(buffer->DeleteText(line1, col1, line2, col2));
                text.erase(from, length);
            } else {
                const std::string snippet = kSnippets[random() % (sizeof(kSnippets) / sizeof(kSnippets[0]))];
                const size_t at = random() % (text.size() + 1);
                int line, col;
                PositionOf(text, at, line, col);
                ASSERT_TRUE(buffer->InsertText(line, col, snippet.data(), static_cast<int>(snippet.size())));
                text.insert(at, snippet);
            }
            ASSERT_EQ(text, AllText(*buffer));
            CheckAgainstFresh(*buffer, language.get(), text, random, step);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(BufferInvariant, UndoAndRedoColourLikeAFreshBuffer)
{
    TestLanguage language;
    std::mt19937 random(7);
    std::string text = kFixture;
    auto buffer = MakeBuffer(language.get(), text);
    for (int step = 0; step < 120; ++step) {
        const std::string snippet = kSnippets[random() % 6];
        const size_t at = random() % (text.size() + 1);
        int line, col;
        PositionOf(text, at, line, col);
        buffer->GetLineColors(buffer->GetLastLine());
        ASSERT_TRUE(buffer->InsertText(line, col, snippet.data(), static_cast<int>(snippet.size())));
        if (random() % 2) {
            ASSERT_NE(nullptr, buffer->Undo());
            CheckAgainstFresh(*buffer, language.get(), text, random, step);
            ASSERT_NE(nullptr, buffer->Redo());
        }
        text.insert(at, snippet);
        CheckAgainstFresh(*buffer, language.get(), text, random, step);
        if (HasFatalFailure())
            return;
    }
}

TEST(BufferInvariant, FreshBuffersAgreeInAnyOrder)
{
    TestLanguage language;
    EXPECT_EQ(FreshRuns(language.get(), kFixture, false), FreshRuns(language.get(), kFixture, true));
}

// ---------------------------------------------------------------------------
// CR LF documents with stray CRs

// Offsets where an edit may begin or end: not between the CR and the LF of
// a line break.
bool SplitsLineBreak(const std::string &text, size_t offset)
{
    return offset > 0 && offset < text.size() && text[offset - 1] == '\r' && text[offset] == '\n';
}

size_t RandomBoundary(const std::string &text, std::mt19937 &random)
{
    for (;;) {
        const size_t offset = random() % (text.size() + 1);
        if (!SplitsLineBreak(text, offset))
            return offset;
    }
}

TEST(BufferCrLf, TypingAfterAStrayCrUndoes)
{
    TempFolder folder;
    const std::string path = folder.File("stray.txt");
    TempFolder::Write(path, "ab\rcd\r\n");
    SECEditTextBuffer buffer;
    ASSERT_TRUE(buffer.Open(path.c_str()));
    ASSERT_TRUE(buffer.InsertText(0, 4, "XY", 2));
    EXPECT_EQ("ab\rcXYd\r\n", AllText(buffer));
    ASSERT_NE(nullptr, buffer.Undo());
    EXPECT_EQ("ab\rcd\r\n", AllText(buffer));
    EXPECT_FALSE(buffer.IsModified());
    ASSERT_NE(nullptr, buffer.Redo());
    EXPECT_EQ("ab\rcXYd\r\n", AllText(buffer));
}

TEST(BufferCrLf, RandomEditsUndoAndRedoToTheExactBytes)
{
    const char *const pieces[] = {"a", "bc", "\r", "\r\n", "\n", "x\ry", "\r\r\n"};
    for (unsigned seed : {11u, 12u, 13u, 14u}) {
        TempFolder folder;
        const std::string path = folder.File("crlf.txt");
        std::string text = "ab\rcd\r\nef\r\n\rgh\r\r\nij";
        TempFolder::Write(path, text);
        SECEditTextBuffer buffer;
        ASSERT_TRUE(buffer.Open(path.c_str()));
        ASSERT_EQ("\r\n", std::string(buffer.GetLineBreak()));
        std::mt19937 random(seed);
        std::vector<std::string> states{text};
        size_t current = 0;
        for (int step = 0; step < 200; ++step) {
            const unsigned choice = random() % 6;
            if (choice == 0 && current > 0) {
                ASSERT_NE(nullptr, buffer.Undo());
                --current;
            } else if (choice == 1 && current + 1 < states.size()) {
                ASSERT_NE(nullptr, buffer.Redo());
                ++current;
            } else if (choice == 2 && text.size() > 2) {
                size_t from = RandomBoundary(text, random), to = RandomBoundary(text, random);
                if (from > to)
                    std::swap(from, to);
                if (from == to)
                    continue;
                int line1, col1, line2, col2;
                PositionOf(text, from, line1, col1);
                PositionOf(text, to, line2, col2);
                ASSERT_TRUE(buffer.DeleteText(line1, col1, line2, col2));
                text.erase(from, to - from);
                states.resize(++current);
                states.push_back(text);
            } else {
                const std::string piece = pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))];
                const size_t at = RandomBoundary(text, random);
                int line, col;
                PositionOf(text, at, line, col);
                ASSERT_TRUE(buffer.InsertText(line, col, piece.data(), static_cast<int>(piece.size())));
                text.insert(at, piece);
                states.resize(++current);
                states.push_back(text);
            }
            text = states[current];
            ASSERT_EQ(text, AllText(buffer)) << "seed " << seed << ", step " << step;
            ASSERT_EQ(static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1, buffer.GetLineCount());
        }
    }
}

} // namespace

namespace {

void ColourAll(SECEditTextBuffer &buffer)
{
    for (int line = 0; line < buffer.GetLineCount(); ++line)
        buffer.GetLineColors(line);
}

// Edits of a CR LF document, one of them at the column right after a line
// break (the start of the next line), coloured between the edits and while
// everything is undone.
TEST(BufferInvariant, EditsAfterALineBreakUndoExactly)
{
    TestLanguage language;
    TempFolder folder;
    const std::string path = folder.File("two.c");
    const std::string original = "int a;\r\nint b;\r\n";
    TempFolder::Write(path, original);
    SECEditTextBuffer buffer;
    buffer.SetLangConfig(language.get());
    ASSERT_TRUE(buffer.Open(path.c_str()));
    ColourAll(buffer);
    const struct {
        int line, col;
        const char *piece;
    } edits[] = {{0, 2, "\\"}, {2, 0, "/*"}, {1, 5, "\r\n"}, {1, 3, "\""},
                 {1, 6, "\\"}, {0, 2, "/*"}, {2, 3, "\r\n"}, {3, 0, "\""}};
    for (const auto &edit : edits) {
        ASSERT_TRUE(buffer.InsertText(edit.line, edit.col, edit.piece, static_cast<int>(std::strlen(edit.piece))));
        buffer.GetLineColors(buffer.GetLastLine());
    }
    ColourAll(buffer);
    while (buffer.Undo())
        ColourAll(buffer);
    EXPECT_EQ(original, AllText(buffer));
}

} // namespace
