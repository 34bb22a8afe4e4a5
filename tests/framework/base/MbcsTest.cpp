#include "framework/base/Mbcs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const unsigned char *U(const char *s)
{
    return reinterpret_cast<const unsigned char *>(s);
}

std::vector<size_t> CharLengths(const char *text)
{
    std::vector<size_t> lengths;
    for (const unsigned char *p = U(text); *p;) {
        const unsigned char *next = _mbsinc(p);
        lengths.push_back(static_cast<size_t>(next - p));
        p = next;
    }
    return lengths;
}
} // namespace

TEST(MbcsTest, WalksUtf8SequencesAndInvalidBytesOneByOne)
{
    struct Case {
        const char *text;
        std::vector<size_t> lengths;
    };
    const Case cases[] = {
        {"ab", {1, 1}},
        {"\xC3\xA4x", {2, 1}},                // two-byte letter
        {"\xE4\xB8\xAD\xE6\x96\x87", {3, 3}}, // two three-byte characters
        {"\xF0\x9F\x98\x80", {4}},            // four-byte character
        {"\x80z", {1, 1}},                    // stray continuation byte
        {"\xC3", {1}},                        // truncated by the terminator
        {"\xC0\xAF", {1, 1}},                 // overlong form
        {"\xED\xA0\x80", {1, 1, 1}},          // surrogate
        {"\xE4\xB8", {1, 1}},                 // truncated three-byte sequence
    };
    for (const Case &c : cases)
        EXPECT_EQ(CharLengths(c.text), c.lengths) << c.text;
}

TEST(MbcsTest, StepsBackToTheStartOfTheCharacter)
{
    const char *text = "a\xE4\xB8\xAD\x80"
                       "b";
    const unsigned char *start = U(text);
    EXPECT_EQ(_mbsdec(start, start + 6) - start, 5); // before the end: 'b'
    EXPECT_EQ(_mbsdec(start, start + 5) - start, 4); // the stray byte is a character
    EXPECT_EQ(_mbsdec(start, start + 4) - start, 1); // the whole three-byte character
    EXPECT_EQ(_mbsdec(start, start + 1) - start, 0);
    EXPECT_EQ(_mbsdec(start, start), nullptr);
    EXPECT_EQ(_mbslen(U(text)), 4u);
}

TEST(MbcsTest, SearchAndCompare)
{
    const unsigned char *text = U("x\xE4\xB8\xADy\xE4\xB8\xAD");
    EXPECT_EQ(_mbschr(text, 0x4E2D) - text, 1);
    EXPECT_EQ(_mbschr(text, 'y') - text, 4);
    EXPECT_EQ(_mbschr(text, 'q'), nullptr);
    EXPECT_EQ(_mbsstr(text, U("y\xE4")) - text, 4);
    EXPECT_EQ(_mbsstr(text, U("\xB8")), nullptr) << "no match inside a sequence";
    EXPECT_EQ(_mbsnbcmp(U("abcX"), U("abcY"), 3), 0);
    EXPECT_LT(_mbsnbcmp(U("abcX"), U("abcY"), 4), 0);
    EXPECT_EQ(_mbsnbicmp(U("HeLLo"), U("hello"), 5), 0);
    EXPECT_EQ(_mbsnbcnt(text, 2), 4u);
}

namespace {
// The character boundaries of a walk over the bytes with MbCharLength.
std::vector<size_t> Boundaries(const std::string &bytes)
{
    std::vector<size_t> ends{0};
    for (size_t at = 0; at < bytes.size();) {
        at += static_cast<size_t>(MbCharLength(U(bytes.data()) + at, bytes.size() - at));
        ends.push_back(at);
    }
    return ends;
}
} // namespace

// Text that is not well formed: each byte that starts no well-formed
// sequence is a character of its own, for walking, counting, stepping back
// and cutting alike.
TEST(MbcsTest, HostileBytesFollowOneRule)
{
    struct Case {
        const char *name;
        std::string bytes;
        std::vector<size_t> boundaries;
    };
    const Case cases[] = {
        {"ASCII", "ab", {0, 1, 2}},
        {"two-byte letter", "\xC3\xA4x", {0, 2, 3}},
        {"four-byte character", "\xF0\x9F\x98\x80", {0, 4}},
        {"lone continuation bytes",
         "a\x80\xBF"
         "b",
         {0, 1, 2, 3, 4}},
        {"truncated at the end", "a\xE4\xB8", {0, 1, 2, 3}},
        {"truncated four-byte at the end", "\xF0\x9F\x98", {0, 1, 2, 3}},
        {"sequence broken by ASCII", "\xE4\xB8x", {0, 1, 2, 3}},
        {"overlong two-byte", "\xC0\xAF", {0, 1, 2}},
        {"overlong three-byte", "\xE0\x80\xAF", {0, 1, 2, 3}},
        {"overlong four-byte", "\xF0\x80\x80\xAF", {0, 1, 2, 3, 4}},
        {"surrogate", "\xED\xA0\x80", {0, 1, 2, 3}},
        {"past U+10FFFF", "\xF4\x90\x80\x80", {0, 1, 2, 3, 4}},
        {"F5 lead", "\xF5\x80\x80\x80", {0, 1, 2, 3, 4}},
        {"F7 lead", "\xF7\xBF\xBF\xBF", {0, 1, 2, 3, 4}},
        {"F8 lead", "\xF8\x88\x80\x80\x80", {0, 1, 2, 3, 4, 5}},
        {"FF byte",
         "\xFF"
         "a",
         {0, 1, 2}},
        {"characters around a cut", "a\xE4\xB8\xAD\xC3\xA9", {0, 1, 4, 6}},
        {"the largest character", "\xF4\x8F\xBF\xBF", {0, 4}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const unsigned char *p = U(c.bytes.data());
        const size_t n = c.bytes.size();
        EXPECT_EQ(Boundaries(c.bytes), c.boundaries);
        EXPECT_EQ(MbCharCount(p, n), c.boundaries.size() - 1);
        for (size_t i = 1; i < c.boundaries.size(); ++i)
            EXPECT_EQ(MbPreviousCharStart(p, c.boundaries[i]), c.boundaries[i - 1]) << "before " << c.boundaries[i];
        // A cut anywhere keeps the characters before the last boundary at
        // or before it.
        size_t last = 0;
        for (size_t limit = 0; limit <= n + 1; ++limit) {
            for (size_t b : c.boundaries)
                if (b <= limit)
                    last = b;
            EXPECT_EQ(MbCharBoundary(p, n, limit), last) << "cut at " << limit;
        }
    }
}

// The decoder's checks and the prefix test agree: two bytes are the start
// of a longer character exactly when continuation bytes can complete them.
TEST(MbcsTest, APrefixIsWhatContinuationBytesComplete)
{
    for (unsigned lead = 0; lead < 256; ++lead) {
        bool anySecond = false;
        for (unsigned second = 0; second < 256; ++second) {
            const unsigned char bytes[] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(second), 0x80,
                                           0x80};
            const int completed = MbCharLength(bytes, 4);
            EXPECT_EQ(MbIsCharPrefix(bytes, 2), completed > 2) << lead << " " << second;
            anySecond = anySecond || completed >= 2;
        }
        const unsigned char one = static_cast<unsigned char>(lead);
        EXPECT_EQ(MbIsCharPrefix(&one, 1), anySecond) << lead;
    }
    EXPECT_FALSE(MbIsCharPrefix(U(""), 0));
    EXPECT_TRUE(MbIsCharPrefix(U("\xF0\x9F\x98"), 3));
    EXPECT_FALSE(MbIsCharPrefix(U("\xF0\x9F\x98\x80"), 4)) << "whole, not a prefix";
    EXPECT_FALSE(MbIsCharPrefix(U("\xE4\xB8x"), 3));
}

// Typed bytes: each Add's output, the flushed bytes and then the character,
// joined with '|'; whether bytes still wait at the end.
TEST(MbcsTest, TypedBytesBecomeCharactersAndNothingIsLost)
{
    struct Case {
        const char *typed;
        const char *out;
        bool waiting;
    };
    const Case cases[] = {
        {"a", "a", false},
        {"\xC3\xA9", "\xC3\xA9", false},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", false},
        {"\xE2\x82", "", true},
        {"\xC3"
         "a",
         "\xC3|a", false},
        {"\xC3\xC3\xA9", "\xC3|\xC3\xA9", false},
        {"\xF0\x9F\x98"
         "a",
         "\xF0\x9F\x98|a", false},
        {"\x80", "\x80", false},
        {"\xC0\xAF", "\xC0|\xAF", false},
        {"\xE0\x80\x80", "\xE0|\x80|\x80", false},
        {"\xED\xA0\x80", "\xED|\xA0|\x80", false},
        {"\xF4\x90", "\xF4|\x90", false},
        {"\xF5\x80", "\xF5|\x80", false},
        {"\xF8"
         "a",
         "\xF8|a", false},
        {"\xFF\xC3\xA9", "\xFF|\xC3\xA9", false},
        {"\xE4\xB8\xC3", "\xE4\xB8", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        MbTypedChars typed;
        std::string out;
        for (const char *p = c.typed; *p; ++p) {
            const MbTypedChars::Ready ready = typed.Add(static_cast<unsigned char>(*p));
            for (const std::string &piece : {ready.flushed, ready.character})
                if (!piece.empty())
                    out += (out.empty() ? "" : "|") + piece;
        }
        EXPECT_EQ(out, c.out);
        EXPECT_EQ(typed.IsWaiting(), c.waiting);
        typed.Clear();
        EXPECT_FALSE(typed.IsWaiting());
    }
}

// The searches' step follows the engine's table of leads: F5-F7 start four
// bytes, and neither overlong forms nor surrogates are checked.
TEST(MbcsTest, TheEngineStepFollowsTheEnginesLeads)
{
    struct Case {
        const char *name;
        std::string bytes;
        int length;
    };
    const Case cases[] = {
        {"nothing left", "", 1},
        {"ASCII", "a", 1},
        {"two-byte letter", "\xC3\xA4", 2},
        {"C1 lead", "\xC1\x81", 1},
        {"three-byte character", "\xE4\xB8\xAD", 3},
        {"overlong three-byte", "\xE0\x80\x80", 3},
        {"surrogate", "\xED\xA0\x80", 3},
        {"four-byte character", "\xF0\x9F\x98\x80", 4},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 4},
        {"F5 lead", "\xF5\x80\x80\x80", 4},
        {"F7 lead", "\xF7\xBF\xBF\xBF", 4},
        {"F8 lead", "\xF8\x88\x80\x80\x80", 1},
        {"FF byte", "\xFF\x80", 1},
        {"lone continuation byte", "\x80\x80", 1},
        {"truncated at the end", "\xE4\xB8", 1},
        {"broken by ASCII",
         "\xF0\x9F\x98"
         "a",
         1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MbEngineCharLength(U(c.bytes.data()), c.bytes.size()), c.length) << c.name;
}
