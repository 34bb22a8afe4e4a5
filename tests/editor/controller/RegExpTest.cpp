#include "editor/controller/SECEditRegExp.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(RegExp, CreateLeavesGlobalAndCaseOff)
{
    SECEditRegExp re;
    EXPECT_FALSE(re.IsCreated());
    ASSERT_TRUE(re.Create());
    EXPECT_FALSE(re.GetGlobal());
    EXPECT_FALSE(re.GetIgnoreCase());
    EXPECT_TRUE(re.IsAvailable());
    re.SetPattern("a+b");
    EXPECT_EQ(CString("a+b"), re.GetPattern());
}

TEST(RegExp, EmptyPatternNeverMatches)
{
    SECEditRegExp re;
    ASSERT_TRUE(re.Create());
    long first = -1, length = -1;
    EXPECT_FALSE(re.Match("", &first, &length));
    EXPECT_FALSE(re.Match("abc", &first, &length));
}

TEST(RegExp, ReportsOnlyTheFirstMatch)
{
    SECEditRegExp re;
    ASSERT_TRUE(re.Create());
    re.SetPattern("b(\\d)");
    long first = -1, length = -1;
    CString matched;
    ASSERT_TRUE(re.Match("ab1 b2 b3", &first, &length, matched));
    EXPECT_EQ(1, first);
    EXPECT_EQ(2, length);
    EXPECT_EQ(CString("b1"), matched);
    long last = -1;
    ASSERT_TRUE(re.MatchLastBytes("ab1 b2 b3", 9, 9, &last, &length));
    EXPECT_EQ(7, last);
    ASSERT_TRUE(re.MatchLastBytes("ab1 b2 b3", 9, 7, &last, &length));
    EXPECT_EQ(4, last);
    re.SetIgnoreCase(TRUE);
    EXPECT_TRUE(re.Match("B7", &first, &length));
}

TEST(RegExp, MatchesOverNulBytes)
{
    SECEditRegExp re;
    ASSERT_TRUE(re.Create());
    re.SetPattern("x.z");
    long first = -1, length = -1;
    EXPECT_TRUE(re.MatchBytes("\0\0xyz", 5, &first, &length));
    EXPECT_EQ(2, first);
}

TEST(RegExp, ReplacesFirstOrAllAndRestoresGlobal)
{
    SECEditRegExp re;
    ASSERT_TRUE(re.Create());
    re.SetPattern("(\\w+)@(\\w+)");
    CString text = "a@b c@d";
    EXPECT_TRUE(re.Replace(text, "$2@$1", FALSE));
    EXPECT_EQ(CString("b@a c@d"), text);
    EXPECT_FALSE(re.GetGlobal());
    text = "a@b c@d";
    EXPECT_TRUE(re.Replace(text, "[$&]", TRUE));
    EXPECT_EQ(CString("[a@b] [c@d]"), text);
    EXPECT_FALSE(re.GetGlobal());
    // A replacement equal to the found text changes nothing.
    text = "a@b";
    EXPECT_FALSE(re.Replace(text, "$&", FALSE));
}

TEST(RegExp, InvalidPatternIsAnErrorNotAnException)
{
    SECEditRegExp re;
    ASSERT_TRUE(re.Create());
    re.SetPattern("(unclosed");
    CString error;
    EXPECT_FALSE(re.IsPatternValid(error));
    EXPECT_FALSE(error.IsEmpty());
    long first = 0, length = 0;
    EXPECT_FALSE(re.Match("unclosed", &first, &length));
    EXPECT_FALSE(re.GetLastError().IsEmpty());
    CString text = "(unclosed";
    EXPECT_FALSE(re.Replace(text, "x", TRUE));
    EXPECT_EQ(CString("(unclosed"), text);
    EXPECT_FALSE(re.GetGlobal());
}

TEST(RegExp, WithoutCreateThereIsNoObject)
{
    SECEditRegExp re;
    re.SetPattern("a");
    EXPECT_EQ(CString(), re.GetPattern());
    long first = 0, length = 0;
    EXPECT_FALSE(re.Match("a", &first, &length));
}

TEST(RegExp, TheControllerLibraryInstallsTheEngine)
{
    std::unique_ptr<SECEditRegExpBase> engine(SECEditNewRegExp());
    ASSERT_NE(nullptr, engine);
    EXPECT_TRUE(engine->Create());
}

// Regular-expression search through the store.
class StoreRegExpFind : public ::testing::Test {
protected:
    void Load(const std::string &text)
    {
        SECEditRange range(0, 0, 0, 0);
        ASSERT_TRUE(m_store.InsertText(range, text.data(), static_cast<int>(text.size())));
    }
    int Find(int line, int col, const char *pattern, BOOL forward, BOOL wrap, BOOL matchCase = TRUE, int endLine = -1,
             int endCol = 0)
    {
        m_line = m_col = -1;
        return m_store.Find(line, col, &m_line, &m_col, pattern, forward, wrap, matchCase, FALSE, TRUE, endLine,
                            endCol);
    }
    SECEditTextStore m_store;
    int m_line = -1, m_col = -1;
};

TEST_F(StoreRegExpFind, HonoursDirectionWrapAndEnd)
{
    Load("int a1 = 0;\nint b22 = 1;\nlong c333;");
    EXPECT_EQ(2, Find(0, 0, "[a-z]\\d+", TRUE, FALSE));
    EXPECT_EQ(SECEditPosition(0, 4), SECEditPosition(m_line, m_col));
    EXPECT_EQ(3, Find(0, 5, "[a-z]\\d+", TRUE, FALSE));
    EXPECT_EQ(SECEditPosition(1, 4), SECEditPosition(m_line, m_col));
    // Past the last match: only a wrap finds the first one again.
    EXPECT_EQ(0, Find(2, 6, "[a-z]\\d+", TRUE, FALSE));
    EXPECT_EQ(2, Find(2, 6, "[a-z]\\d+", TRUE, TRUE));
    EXPECT_EQ(SECEditPosition(0, 4), SECEditPosition(m_line, m_col));
    // Searching up finds the last match before the start.
    EXPECT_EQ(3, Find(2, 0, "[a-z]\\d+", FALSE, FALSE));
    EXPECT_EQ(SECEditPosition(1, 4), SECEditPosition(m_line, m_col));
    EXPECT_EQ(0, Find(0, 3, "[a-z]\\d+", FALSE, FALSE));
    EXPECT_EQ(4, Find(0, 3, "[a-z]\\d+", FALSE, TRUE));
    EXPECT_EQ(SECEditPosition(2, 5), SECEditPosition(m_line, m_col));
    // The end position bounds where a match may start.
    EXPECT_EQ(0, Find(0, 5, "[a-z]\\d+", TRUE, FALSE, TRUE, 1, 3));
    EXPECT_EQ(3, Find(0, 5, "[a-z]\\d+", TRUE, FALSE, TRUE, 1, 4));
    // Case.
    EXPECT_EQ(0, Find(0, 0, "LONG", TRUE, FALSE, TRUE));
    EXPECT_EQ(4, Find(0, 0, "LONG", TRUE, FALSE, FALSE));
    EXPECT_EQ(SECEditPosition(2, 0), SECEditPosition(m_line, m_col));
}

TEST_F(StoreRegExpFind, LiteralPatternFindsWhatPlainSearchFinds)
{
    // Searching up, a match may start before the start position and run
    // past it, as in plain search.
    Load("abc abc\nab abc");
    for (int line = 0; line < 2; ++line)
        for (int col = 0; col <= m_store.GetLineLength(line); ++col)
            for (BOOL forward : {TRUE, FALSE})
                for (BOOL wrap : {TRUE, FALSE}) {
                    int plainLine = -1, plainCol = -1;
                    const int plain =
                        m_store.Find(line, col, &plainLine, &plainCol, "abc", forward, wrap, TRUE, FALSE, FALSE, -1, 0);
                    EXPECT_EQ(plain, Find(line, col, "abc", forward, wrap))
                        << line << "," << col << " forward " << forward << " wrap " << wrap;
                    EXPECT_EQ(SECEditPosition(plainLine, plainCol), SECEditPosition(m_line, m_col))
                        << line << "," << col << " forward " << forward << " wrap " << wrap;
                }
}

TEST_F(StoreRegExpFind, FindsMatchesOverPieceAndBlockSeams)
{
    // A match straddling the 256000th byte, and one straddling the seam of
    // two blocks, with nothing else to find.
    std::string text(600000, '.');
    const int piece = SECEditTextStore::kWritePiece;
    text.replace(static_cast<size_t>(piece - 4), 8, "<tag123>");
    Load(text);
    ASSERT_GT(m_store.GetBlockCount(), 3);
    EXPECT_EQ(8, Find(0, 0, "<[a-z]+\\d+>", TRUE, FALSE));
    EXPECT_EQ(piece - 4, m_col);
    EXPECT_EQ(8, Find(0, 600000, "<[a-z]+\\d+>", FALSE, FALSE));
    EXPECT_EQ(piece - 4, m_col);
}

// The store searches its blocks in place and copies only small windows over
// the seams; every answer must be the one a search of the text copied out
// whole gives, wherever a seam falls in what the pattern looks at.
std::pair<int, int> FindInCopy(const std::string &text, const char *pattern, int start, bool forward)
{
    // The first match from start (forward) or the last successive match from
    // the top that starts before start (backward): length and offset.
    SECEditRegExp re;
    EXPECT_TRUE(re.Create());
    re.SetPattern(pattern);
    long first = 0, length = 0;
    const int size = static_cast<int>(text.size());
    const BOOL hit = forward ? re.MatchBytes(text.data() + start, size - start, &first, &length)
                             : re.MatchLastBytes(text.data(), size, start, &first, &length);
    if (!hit || length <= 0)
        return {0, -1};
    return {static_cast<int>(length), static_cast<int>(first) + (forward ? start : 0)};
}

TEST(StoreRegExpSeams, AnswersAsTheWholeTextWould)
{
    const char *patterns[] = {"\\bword_\\d+\\b", "(?<=_)\\d+",    "(?<=\\xFF)ab", "(?m)^wo",
                              "(?m)x$",          "^\\.*w",        "x\\s*$",       "\xE2\x82\xAC",
                              "\xC3\xA9+",       "[^a-z]{3}",     "\\d+(?= )",    "d\\)(?!\\s*x)",
                              "(?<=x)q*",        "(?s)x.{300}cd", "\\Gword",      "[a-z]\\W+[a-z]"};
    // Lines, where blocks end after a line end, then one very long line
    // whose seams fall at each other place of its pattern as the shift grows.
    const std::string line = "word_12 \xC3\xA9\xE2\x82\xAC\xFF"
                             "ab(cd) x_y 99 \xE2\x82\xAC"
                             "cd x\r\n";
    const std::string longLine = "word_12 \xC3\xA9\xE2\x82\xAC\xFF"
                                 "ab(cd) x_y 99 \xE2\x82\xAC"
                                 "cd x  ";
    for (size_t shift = 0; shift < longLine.size(); shift += 2) {
        std::string text;
        while (text.size() < static_cast<size_t>(SECEditTextStore::kBlockChunk) + 100)
            text += line;
        text.append(shift, '.');
        while (text.size() < static_cast<size_t>(SECEditTextStore::kBlockChunk) * 2 + 200)
            text += longLine;
        SECEditTextStore store;
        SECEditRange range(0, 0, 0, 0);
        ASSERT_TRUE(store.InsertText(range, text.data(), static_cast<int>(text.size())));
        ASSERT_GE(store.GetBlockCount(), 3);
        std::vector<int> starts = {0, static_cast<int>(text.size())};
        for (int k = 1; k < store.GetBlockCount(); ++k)
            for (int delta : {-7, -1, 0, 2})
                starts.push_back(store.GetBlock(k)->m_nOffset + delta);
        for (const char *pattern : patterns)
            for (int start : starts)
                for (bool forward : {true, false}) {
                    int startLine = 0, startCol = 0, line = -1, col = -1;
                    ASSERT_TRUE(store.OffsetToPosition(start, &startLine, &startCol));
                    const int length =
                        store.Find(startLine, startCol, &line, &col, pattern, forward, FALSE, TRUE, FALSE, TRUE, -1, 0);
                    const std::pair<int, int> expected = FindInCopy(text, pattern, start, forward);
                    ASSERT_EQ(expected.first, length)
                        << pattern << " shift " << shift << " start " << start << " forward " << forward;
                    if (length > 0) {
                        ASSERT_EQ(expected.second, store.PositionToOffset(line, col))
                            << pattern << " shift " << shift << " start " << start << " forward " << forward;
                    }
                }
    }
}

TEST_F(StoreRegExpFind, FindsAMatchLongerThanSeveralBlocks)
{
    // One match of 200,000 bytes on one line, over several seams; searching
    // up finds it from beyond its end and from inside it.
    std::string text = "head <";
    text.append(200000, 'x');
    text += "> tail <y>";
    Load(text);
    ASSERT_GT(m_store.GetBlockCount(), 3);
    EXPECT_EQ(200002, Find(0, 0, "<[^>]*>", TRUE, FALSE));
    EXPECT_EQ(5, m_col);
    EXPECT_EQ(3, Find(0, 7, "<[^>]*>", TRUE, FALSE));
    EXPECT_EQ(200013, m_col);
    EXPECT_EQ(200002, Find(0, 200013, "<[^>]*>", FALSE, FALSE));
    EXPECT_EQ(5, m_col);
    EXPECT_EQ(200002, Find(0, 100000, "<[^>]*>", FALSE, FALSE));
    EXPECT_EQ(5, m_col);
}

TEST_F(StoreRegExpFind, InvalidPatternIsReportedNotThrown)
{
    Load("some (text)");
    EXPECT_EQ(0, Find(0, 0, "(text", TRUE, TRUE));
    EXPECT_FALSE(m_store.GetFindError().IsEmpty());
    EXPECT_EQ(6, Find(0, 0, "\\(text\\)", TRUE, TRUE));
    EXPECT_TRUE(m_store.GetFindError().IsEmpty());
}

} // namespace

namespace {

TEST(FindStateProbe, RegularExpressionsAreAvailable)
{
    EXPECT_TRUE(SECEditGetFindState().m_bRegexAvailable);
}

} // namespace
