#include "framework/base/CTime.h"
#include "framework/base/Guid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(TimeTest, PartsFormatAndSpans)
{
    const CTime t(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 2);
    EXPECT_EQ(t.GetDay(), 29);
    EXPECT_EQ(t.GetHour(), 13);
    EXPECT_STREQ(t.Format("%Y-%m-%d %H:%M:%S"), "2024-02-29 13:05:09");
    const CTimeSpan span = CTime(2024, 3, 2, 14, 6, 10) - t;
    EXPECT_EQ(span.GetDays(), 2);
    EXPECT_EQ(span.GetHours(), 1);
    EXPECT_STREQ(span.Format("%D:%H:%M:%S %%"), "2:01:01:01 %");
}

TEST(GuidTest, RandomVersionFourGuids)
{
    std::set<std::string> seen;
    for (int i = 0; i < 64; ++i) {
        GUID guid;
        ASSERT_EQ(CoCreateGuid(&guid), S_OK);
        EXPECT_EQ(guid.Data3 >> 12, 4);
        EXPECT_EQ(guid.Data4[0] & 0xC0, 0x80);
        const CString text = GuidToString(guid);
        EXPECT_EQ(text.GetLength(), 38);
        seen.insert(text.Str());
    }
    EXPECT_EQ(seen.size(), 64u);
    const GUID fixed{0x12345678, 0x9ABC, 0x4DEF, {0x80, 1, 2, 3, 4, 5, 6, 0xFF}};
    EXPECT_STREQ(GuidToString(fixed), "{12345678-9ABC-4DEF-8001-0203040506FF}");
}
