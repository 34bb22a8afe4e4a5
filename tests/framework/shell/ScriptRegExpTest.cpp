#include "framework/shell/OleDispatchException.h"
#include "framework/shell/ScriptRegExp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct MatchCase {
    const char *pattern;
    bool ignoreCase;
    bool global;
    const char *text;
    // The matches as "index:value" joined by '|'; "" for none.
    const char *expected;
};

std::string Describe(const CScriptMatchCollection &matches)
{
    std::string out;
    for (long i = 0; i < matches.GetCount(); ++i) {
        const CScriptMatch *m = matches.GetItem(i);
        if (i > 0)
            out += '|';
        out += std::to_string(m->GetFirstIndex()) + ":" + m->GetValue().Str();
        EXPECT_EQ(m->GetLength(), m->GetValue().GetLength());
    }
    return out;
}

TEST(ScriptRegExpTest, ExecuteFindsMatches)
{
    const MatchCase cases[] = {
        {"b+", false, false, "abbcbb", "1:bb"},
        {"b+", false, true, "abbcbb", "1:bb|4:bb"},
        {"B", false, false, "abc", ""},
        {"B", true, false, "abc", "1:b"},
        {"Ä", true, false, "xyzä", "3:ä"},     // byte offsets, case beyond ASCII
        {".", false, true, "é\n", "0:é"},      // '.' takes a whole character, not LF
        {"^b", false, false, "a\nb", ""},      // '^' only at the start ...
        {"a$", false, false, "a\n", ""},       // ... '$' only at the very end
        {"", false, false, "abc", "0:"},       // an empty pattern matches at 0
        {"x*", false, true, "ab", "0:|1:|2:"}, // empty matches move on by one
        {"x*", false, true, "é", "0:|2:"},     // by one character
        {"\\d{2}", false, true, "1 22 333", "2:22|5:33"},
        {"\\u0041\\x42", false, false, "zAB", "1:AB"}, // ECMAScript escapes
        {"(a)|b", false, true, "ab", "0:a|1:b"},
        {"a[^]b", false, false, "a\nb", "0:a\nb"},
        {"a[]", false, false, "a", ""},
        {"(a)?b\\1", false, false, "xb", "1:b"}, // a group that took no part matches empty
        {"\\1(a)", false, false, "a", "0:a"},    // as does a group not yet reached
    };
    for (const MatchCase &c : cases) {
        CScriptRegExp re;
        re.SetPattern(c.pattern);
        re.SetIgnoreCase(c.ignoreCase);
        re.SetGlobal(c.global);
        EXPECT_EQ(Describe(re.Execute(c.text)), c.expected) << "/" << c.pattern << "/ on " << c.text;
    }
}

TEST(ScriptRegExpTest, SearchesTextWithNulAndInvalidBytes)
{
    CScriptRegExp re;
    re.SetPattern("c");
    EXPECT_EQ(Describe(re.Execute(CString("a\0c", 3))), "2:c");
    re.SetPattern("x.y");
    re.SetGlobal(TRUE);
    EXPECT_EQ(Describe(re.Execute(CString("\xFFx\xC3y xzy"))), "5:xzy");
}

TEST(ScriptRegExpTest, MultilineAnchorsAtLines)
{
    CScriptRegExp re;
    re.SetPattern("^b$");
    re.SetMultiline(TRUE);
    EXPECT_EQ(Describe(re.Execute("a\r\nb\r\nc")), "3:b");
}

TEST(ScriptRegExpTest, ReportsSubMatches)
{
    CScriptRegExp re;
    re.SetPattern("(\\w+)@(x)?(\\w+)");
    CScriptMatchCollection matches = re.Execute("mail: me@host");
    ASSERT_EQ(matches.GetCount(), 1);
    const CScriptMatch *m = matches.GetItem(0);
    EXPECT_EQ(m->GetSubMatchCount(), 3);
    EXPECT_EQ(m->GetSubMatch(0), "me");
    EXPECT_EQ(m->GetSubMatch(1), "");
    EXPECT_EQ(m->GetSubMatch(2), "host");
    EXPECT_EQ(matches.GetItem(1), nullptr);
    EXPECT_EQ(matches.GetItem(-1), nullptr);
}

struct ReplaceCase {
    const char *pattern;
    bool global;
    const char *text;
    const char *replacement;
    const char *expected;
};

TEST(ScriptRegExpTest, ReplaceExpandsTokens)
{
    const ReplaceCase cases[] = {
        {"o", false, "foo boo", "0", "f0o boo"},
        {"o", true, "foo boo", "0", "f00 b00"},
        {"b", false, "abc", "[$&]", "a[b]c"},
        {"b", false, "abc", "[$`]", "a[a]c"},
        {"b", false, "abc", "[$']", "a[c]c"},
        {"b", false, "abc", "$$", "a$c"},
        {"(a)(b)", false, "ab", "$2$1", "ba"},
        {"(a)", false, "a", "$10", "a0"}, // $1 then "0" with one group
        {"(a)", false, "a", "$2", "$2"},  // no such group: literal
        {"(a)", false, "a", "$0", "$0"},
        {"(a)?b", false, "b", "[$1]", "[]"}, // group that took no part
        {"x", false, "x", "$", "$"},
        {"x", false, "x", "$z", "$z"},
        {"", true, "ab", "-", "-a-b-"},
        {"(1)(2)(3)(4)(5)(6)(7)(8)(9)(10)(11)", false, "1234567891011", "$11|$1", "11|1"},
        {"q", true, "abc", "z", "abc"},
    };
    for (const ReplaceCase &c : cases) {
        CScriptRegExp re;
        re.SetPattern(c.pattern);
        re.SetGlobal(c.global);
        EXPECT_EQ(re.Replace(c.text, c.replacement), c.expected) << "/" << c.pattern << "/ -> " << c.replacement;
    }
}

TEST(ScriptRegExpTest, InvalidPatternRaisesTheEnginesMessage)
{
    const char *patterns[] = {"a(b", "[z-a]", "*", "\\", "a{2,1}", "\xFF"};
    for (const char *pattern : patterns) {
        CScriptRegExp re;
        re.SetPattern(pattern);
        try {
            re.Execute("abc");
            ADD_FAILURE() << "no exception for " << pattern;
        } catch (COleDispatchException *e) {
            EXPECT_EQ(e->m_wCode, CScriptRegExp::errorSyntax);
            EXPECT_NE(e->m_strDescription.Find("at offset"), -1) << e->m_strDescription.GetString();
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CException)));
            e->Delete();
        }
    }
    CScriptRegExp re;
    re.SetPattern("a(b");
    try {
        re.Test("x");
        ADD_FAILURE();
    } catch (COleDispatchException *e) {
        EXPECT_EQ(e->GetErrorMessage(), "Syntax error in regular expression at offset 3: missing closing parenthesis");
        e->Delete();
    }
}

TEST(ScriptRegExpTest, CatastrophicPatternEndsInAnError)
{
    CScriptRegExp re;
    re.SetPattern("(a+)+$");
    std::string text(40, 'a');
    text += '!';
    try {
        re.Execute(text.c_str());
        ADD_FAILURE() << "matching did not stop";
    } catch (COleDispatchException *e) {
        EXPECT_EQ(e->m_wCode, CScriptRegExp::errorTooComplex);
        e->Delete();
    }
    // The object stays usable.
    re.SetPattern("a+");
    EXPECT_TRUE(re.Test(text.c_str()));
}

TEST(ScriptRegExpTest, PropertiesReadBack)
{
    CScriptRegExp re;
    EXPECT_FALSE(re.GetGlobal());
    EXPECT_FALSE(re.GetIgnoreCase());
    re.SetPattern("a");
    re.SetIgnoreCase(TRUE);
    re.SetGlobal(TRUE);
    EXPECT_EQ(re.GetPattern(), "a");
    EXPECT_TRUE(re.GetIgnoreCase());
    EXPECT_TRUE(re.GetGlobal());
    EXPECT_EQ(re.Replace("AaA", "b"), "bbb");
    re.SetIgnoreCase(FALSE);
    EXPECT_EQ(re.Replace("AaA", "b"), "AbA");
}

// The machine code and the interpreter give the same answers, on valid text
// and on text with invalid bytes (which no match crosses).
TEST(ScriptRegExpTest, MachineCodeAndInterpreterAgree)
{
    const MatchCase cases[] = {
        {"x.y", false, true, "\xFFx\xC3y xzy", "5:xzy"},
        {"\\w+", false, true,
         "ab\xFF"
         "cd\xE2\x82",
         "0:ab|3:cd"},
        {"\\bcd\\b", false, true,
         "ab\xFF"
         "cd\xFF",
         "3:cd"},
        {"(?<=a)b", false, true,
         "ab a\xFF"
         "b",
         "1:b"},
        {"^b", false, true,
         "\xFF"
         "b",
         ""},
        {"b$", false, true, "b\xFF", ""},
        {"[^x]", false, true,
         "\xC3"
         "a",
         "1:a"},
        {"é+", true, true, "ÉéX\xE9é", "0:Éé|6:é"},
        {"x*", false, true, "é\xFF", "0:|2:|3:"},
        {"(a)|b", false, true, "ab", "0:a|1:b"},
    };
    for (BOOL useJit : {TRUE, FALSE})
        for (const MatchCase &c : cases) {
            CScriptRegExp re;
            re.SetUseJit(useJit);
            re.SetPattern(c.pattern);
            re.SetIgnoreCase(c.ignoreCase);
            re.SetGlobal(c.global);
            EXPECT_EQ(Describe(re.Execute(c.text)), c.expected) << "/" << c.pattern << "/ jit " << useJit;
        }
}

// A global match over a long text checks the text once, not once a match
// (which took minutes at this size).
TEST(ScriptRegExpTest, GlobalMatchOverLongTextIsLinear)
{
    std::string text;
    while (text.size() < 4 * 1024 * 1024)
        text += "Rows of plain text with an R here and \xC3\xA9 there.\n";
    const long expected = static_cast<long>(std::count(text.begin(), text.end(), 'R'));
    for (BOOL useJit : {TRUE, FALSE}) {
        CScriptRegExp re;
        re.SetUseJit(useJit);
        re.SetGlobal(TRUE);
        re.SetPattern("R");
        EXPECT_EQ(re.Execute(CString(text)).GetCount(), expected) << "jit " << useJit;
    }
}

struct PieceCase {
    const char *pattern;
    const char *piece;
    size_t start;
    bool moreFollows;
    CScriptRegExp::PieceResult result;
    size_t matchStart;
};

// Matching a piece of a longer text: an attempt that needs to see past the
// piece's end stops the search as partial.
TEST(ScriptRegExpTest, PieceMatchingStopsWhereTheTextGoesOn)
{
    const PieceCase cases[] = {
        {"b+", "abbc", 0, true, CScriptRegExp::pieceMatch, 1},
        {"b+", "abbb", 0, true, CScriptRegExp::piecePartial, 1},
        {"b+", "abbb", 0, false, CScriptRegExp::pieceMatch, 1},
        {"b$", "ab", 0, true, CScriptRegExp::piecePartial, 1},
        {"b\\b", "ab", 0, true, CScriptRegExp::piecePartial, 1},
        {"b(?=c)", "ab", 0, true, CScriptRegExp::piecePartial, 1},
        {"(?<=a)b", "abab", 2, true, CScriptRegExp::pieceMatch, 3},
        {"^b", "ab", 1, false, CScriptRegExp::pieceNoMatch, 0},
        {"q", "abab", 0, true, CScriptRegExp::pieceNoMatch, 0},
    };
    for (BOOL useJit : {TRUE, FALSE})
        for (const PieceCase &c : cases) {
            CScriptRegExp re;
            re.SetUseJit(useJit);
            re.SetPattern(c.pattern);
            size_t start = 0, end = 0;
            const std::string piece(c.piece);
            EXPECT_EQ(re.MatchPiece(piece.data(), piece.size(), c.start, c.moreFollows, start, end), c.result)
                << "/" << c.pattern << "/ on " << c.piece << " jit " << useJit;
            if (c.result != CScriptRegExp::pieceNoMatch) {
                EXPECT_EQ(start, c.matchStart) << "/" << c.pattern << "/ on " << c.piece;
            }
        }
}

} // namespace
