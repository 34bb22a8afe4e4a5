#include "framework/base/CString.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(StringTest, ExtractionClampsOutOfRangeArguments)
{
    const CString s("abcdef");
    struct Case {
        CString actual;
        const char *expected;
    };
    const Case cases[] = {
        {s.Mid(2), "cdef"},
        {s.Mid(2, 2), "cd"},
        {s.Mid(-3, 2), "ab"},
        {s.Mid(4, 10), "ef"},
        {s.Mid(10), ""},
        {s.Mid(1, -1), ""},
        {s.Left(3), "abc"},
        {s.Left(-1), ""},
        {s.Left(99), "abcdef"},
        {s.Right(2), "ef"},
        {s.Right(99), "abcdef"},
        {s.Right(-2), ""},
        {s.SpanIncluding("abc"), "abc"},
        {s.SpanExcluding("dx"), "abc"},
        {s.SpanIncluding("x"), ""},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(c.actual, c.expected);
}

TEST(StringTest, FindFamily)
{
    const CString s("one two one");
    EXPECT_EQ(s.Find('o'), 0);
    EXPECT_EQ(s.Find('o', 1), 6);
    EXPECT_EQ(s.Find('o', 11), -1);
    EXPECT_EQ(s.Find('o', -1), -1);
    EXPECT_EQ(s.Find("one", 1), 8);
    EXPECT_EQ(s.Find("three"), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.ReverseFind('o'), 8);
    EXPECT_EQ(s.ReverseFind('z'), -1);
    EXPECT_EQ(s.FindOneOf("wx"), 5);
    EXPECT_EQ(s.FindOneOf(""), -1);
}

TEST(StringTest, EditingReturnsCountsAndLengths)
{
    CString s("a-b-c");
    EXPECT_EQ(s.Replace('-', '+'), 2);
    EXPECT_STREQ(s, "a+b+c");
    EXPECT_EQ(s.Replace("+", "--"), 2);
    EXPECT_STREQ(s, "a--b--c");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('-'), 4);
    EXPECT_STREQ(s, "abc");
    EXPECT_EQ(s.Insert(1, "XY"), 5);
    EXPECT_EQ(s.Insert(99, '!'), 6);
    EXPECT_STREQ(s, "aXYbc!");
    EXPECT_EQ(s.Delete(1, 2), 4);
    EXPECT_EQ(s.Delete(10, 2), 4);
    EXPECT_STREQ(s, "abc!");
}

TEST(StringTest, TrimCaseAndCompare)
{
    CString s(" \t value \r\n");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_STREQ(s, "value");
    CString quoted("\"x\"");
    quoted.TrimLeft('"');
    quoted.TrimRight("\"");
    EXPECT_STREQ(quoted, "x");
    CString mixed("AbC\xC3\x84"); // a UTF-8 letter stays as it is
    mixed.MakeLower();
    EXPECT_STREQ(mixed, "abc\xC3\x84");
    mixed.MakeUpper();
    EXPECT_STREQ(mixed, "ABC\xC3\x84");
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_GT(CString("b").Compare("abc"), 0);
    EXPECT_LT(CString("ab").CompareNoCase("ABC"), 0);
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE(CString("a") < CString("b"));
}

TEST(StringTest, EmbeddedNulBytesAreKept)
{
    const char bytes[] = {'a', '\0', 'b'};
    CString s(bytes, 3);
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_EQ(s.Find('b'), 2);
    CString copy = s + "c";
    EXPECT_EQ(copy.GetLength(), 4);
    EXPECT_FALSE(copy == CString("a")) << "comparison covers the whole length";
}

TEST(StringTest, FormatAndBuffers)
{
    CString s;
    s.Format("%s=%d;%5.2f", "x", -12, 3.14159);
    EXPECT_STREQ(s, "x=-12; 3.14");
    CString longText;
    longText.Format("%0600d", 7);
    EXPECT_EQ(longText.GetLength(), 600) << "output longer than the first buffer";
    s.AppendFormat("|%c", 'z');
    EXPECT_STREQ(s, "x=-12; 3.14|z");

    CString buffer;
    char *p = buffer.GetBuffer(16);
    std::strcpy(p, "hello");
    buffer.ReleaseBuffer();
    EXPECT_EQ(buffer.GetLength(), 5);
    p = buffer.GetBuffer(0);
    p[2] = 0;
    buffer.ReleaseBuffer();
    EXPECT_STREQ(buffer, "he");
    buffer.GetBufferSetLength(1);
    buffer.ReleaseBuffer(1);
    EXPECT_STREQ(buffer, "h");

    CString message;
    message.FormatMessage("%2 before %1, 100%%", "one", "two");
    EXPECT_STREQ(message, "two before one, 100%");
}

TEST(StringTest, FormatMessageInsertsAndEscapes)
{
    const char *const ten[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"};
    struct Case {
        const char *format;
        const char *expected;
    };
    const Case cases[] = {
        {"%10|%100|%1", "ten|ten0|1"},                // numbers run to two digits
        {"a%nb%rc%td%be%.%!%x", "a\r\nb\rc\td e.!x"}, // other characters lose their '%'
        {"shown%0hidden", "shown"},                   // %0 ends the text
        {"%2!5s!|%1!-3s!|", "    2|1  |"},            // printf conversions between '!'
        {"end%", "end%"},
    };
    for (const Case &c : cases) {
        CString message;
        message.FormatMessage(c.format, ten[0], ten[1], ten[2], ten[3], ten[4], ten[5], ten[6], ten[7], ten[8], ten[9]);
        EXPECT_EQ(message, c.expected) << c.format;
    }
    CString numbers;
    numbers.FormatMessage("%1!d! of %2!s! is %3!04X!", 7, "all", 255);
    EXPECT_EQ(numbers, "7 of all is 00FF");
}

namespace {
bool TestLoader(UINT id, std::string &text)
{
    if (id != 42)
        return false;
    text = "Item %d";
    return true;
}
} // namespace

TEST(StringTest, LoadStringUsesTheInstalledLoader)
{
    SetStringResourceLoader(&TestLoader);
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(7));
    EXPECT_STREQ(s, "unchanged");
    EXPECT_TRUE(s.LoadString(42));
    EXPECT_STREQ(s, "Item %d");
    s.Format(42u, 5);
    EXPECT_STREQ(s, "Item 5");
    SetStringResourceLoader(nullptr);
}
