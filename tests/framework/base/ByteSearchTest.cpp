#include "framework/base/ByteSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SearchCase {
    std::string text;
    std::string pattern;
    long exact;   // -1: not found
    long anyCase; // -1: not found
};

// Places matter: the case-free search looks at sixteen places at a time,
// so matches sit before, on and after those edges and at the very end.
TEST(ByteSearchTest, FindsTheFirstOccurrence)
{
    const std::string filler(40, '.');
    const SearchCase cases[] = {
        {"abc", "", 0, 0},
        {"", "a", -1, -1},
        {"ab", "abc", -1, -1},
        {"xxABCxxabc", "abc", 7, 2},
        {filler + "Needle", "needle", -1, 40},
        {filler.substr(0, 15) + "NEEDLE" + filler, "needle", -1, 15},
        {filler.substr(0, 16) + "nEeDlE", "NeEdLe", -1, 16},
        {filler.substr(0, 31) + "q", "Q", -1, 31},
        {filler + "@x`X", "`x", -1, 2 + 40},                     // '@' is not '`' whatever the case bit says
        {filler + "[\xC3\xA4]{\xC3\x84}", "{\xC3\x84}", 44, 44}, // only ASCII letters fold
        {filler + "[\xC3\xA4]", "\xC3\x84", -1, -1},
        {std::string("a\0b\0B", 5), std::string("\0b", 2), 1, 1},
    };
    for (const SearchCase &c : cases) {
        const char *exact = FindBytes(c.text.data(), c.text.size(), c.pattern.data(), c.pattern.size());
        const char *anyCase = FindBytesIgnoringCase(c.text.data(), c.text.size(), c.pattern.data(), c.pattern.size());
        EXPECT_EQ(exact ? exact - c.text.data() : -1, c.exact) << c.pattern << " in " << c.text;
        EXPECT_EQ(anyCase ? anyCase - c.text.data() : -1, c.anyCase) << c.pattern << " in " << c.text;
    }
}

// Every position of a match in a text longer than one step of the search.
TEST(ByteSearchTest, FindsAMatchAtEveryPlace)
{
    for (size_t at = 0; at + 4 <= 70; ++at) {
        std::string text(70, 'x');
        text.replace(at, 4, "WoRd");
        const char *hit = FindBytesIgnoringCase(text.data(), text.size(), "word", 4);
        ASSERT_NE(hit, nullptr) << at;
        EXPECT_EQ(static_cast<size_t>(hit - text.data()), at);
    }
}

} // namespace
