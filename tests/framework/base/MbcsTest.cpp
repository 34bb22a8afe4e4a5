#include "framework/base/Mbcs.h"

#include <gtest/gtest.h>

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
