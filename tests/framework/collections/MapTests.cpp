// Maps: key hashing, the visiting order (buckets upwards, newest first within
// a bucket), visiting every pair once, removal while visiting, lookups and
// changing the table size.
#include "framework/collections/Collections.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

struct StringHashCase {
    const char *key;
    UINT hash;
};

class StringHashing : public ::testing::TestWithParam<StringHashCase> {};

// hash = hash * 33 + byte, bytes taken as signed chars.
TEST_P(StringHashing, MatchesTheFrameworkHash)
{
    EXPECT_EQ(HashKey<LPCTSTR>(GetParam().key), GetParam().hash);
    CMapStringToString map;
    EXPECT_EQ(map.HashKey(GetParam().key), GetParam().hash);
}

INSTANTIATE_TEST_SUITE_P(Maps, StringHashing,
                         ::testing::Values(StringHashCase{"", 0u}, StringHashCase{"C", 67u},
                                           StringHashCase{"IDL", 81817u}, StringHashCase{"Default", 1702764293u},
                                           StringHashCase{"\xC3\xA9", 4294965196u}));

TEST(ValueHashing, DropsTheLowFourBits)
{
    EXPECT_EQ(HashKey<WORD>(0x1234), 0x123u);
    EXPECT_EQ(HashKey<void *>(reinterpret_cast<void *>(0x1230)), 0x123u);
    EXPECT_EQ(HashKey<int>(-16), 0x0FFFFFFFu);
}

template <class MAP, class KEY, class VALUE>
std::vector<KEY> VisitOrder(const MAP &map)
{
    std::vector<KEY> keys;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        KEY key;
        VALUE value;
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

std::vector<std::string> StringOrder(const CMapStringToString &map)
{
    std::vector<std::string> keys;
    for (const CString &key : VisitOrder<CMapStringToString, CString, CString>(map))
        keys.push_back(key.Str());
    return keys;
}

// Buckets of 17: "ab" 1, "Default" 8, "IDL" 13, "C" 16, "ba" 16.  Within a
// bucket the newest key comes first.
TEST(MapOrder, VisitsBucketsUpwardsNewestFirst)
{
    CMapStringToString map;
    for (const char *key : {"C", "IDL", "ba", "Default", "ab"})
        map.SetAt(key, "v");
    EXPECT_EQ(StringOrder(map), (std::vector<std::string>{"ab", "Default", "IDL", "ba", "C"}));
}

TEST(MapOrder, CollidingWordsShareABucket)
{
    CMapWordToPtr map;
    // 0x010 hashes to 1 and 0x120 to 18: both bucket 1; 0x000 is bucket 0.
    map.SetAt(0x010, nullptr);
    map.SetAt(0x120, nullptr);
    map.SetAt(0x000, nullptr);
    EXPECT_EQ((VisitOrder<CMapWordToPtr, WORD, void *>(map)), (std::vector<WORD>{0x000, 0x120, 0x010}));
}

TEST(MapOrder, NewTableSizeMovesEveryKey)
{
    CMapStringToString map;
    for (const char *key : {"C", "IDL", "ba", "Default", "ab"})
        map.SetAt(key, key);
    map.InitHashTable(7);
    EXPECT_EQ(map.GetHashTableSize(), 7u);
    // Buckets of 7: "IDL" 1, "ab" 2, "C" 4, "Default" 6, "ba" 6; keys move in
    // visiting order, so "ba" (moved later) ends up in front of "Default".
    EXPECT_EQ(StringOrder(map), (std::vector<std::string>{"IDL", "ab", "C", "ba", "Default"}));
    CString value;
    EXPECT_TRUE(map.Lookup("Default", value));
    EXPECT_EQ(value, "Default");
}

class MapVisiting : public ::testing::TestWithParam<UINT> {};

// Every pair is visited exactly once whatever the table size, and removing
// each key as it is returned empties the map without disturbing the walk.
TEST_P(MapVisiting, EveryPairOnceAndRemovableOnTheWay)
{
    CMap<int, int, int, int> map(4);
    map.InitHashTable(GetParam(), FALSE);
    std::map<int, int> expected;
    for (int i = 0; i < 500; i++) {
        int key = i * 37 - 2000;
        map[key] = i;
        expected[key] = i;
    }
    ASSERT_EQ(map.GetCount(), 500);

    std::map<int, int> seen;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        int key, value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key, value).second) << "visited twice: " << key;
        EXPECT_TRUE(map.RemoveKey(key));
    }
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    map[1] = 2;
    EXPECT_EQ(map.GetCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Maps, MapVisiting, ::testing::Values(1u, 17u, 1000u));

TEST(MapLookup, SetLookupAndRemove)
{
    CMapStringToPtr map;
    int a = 0, b = 0;
    void *value = nullptr;
    EXPECT_FALSE(map.Lookup("x", value));
    EXPECT_FALSE(map.RemoveKey("x"));
    map.SetAt("x", &a);
    map["y"] = &b;
    map.SetAt("x", &b);
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_TRUE(map.Lookup("x", value));
    EXPECT_EQ(value, &b);
    EXPECT_EQ(map["new"], nullptr);
    EXPECT_EQ(map.GetCount(), 3);
    EXPECT_TRUE(map.RemoveKey("x"));
    EXPECT_FALSE(map.Lookup("x", value));
    EXPECT_FALSE(map.RemoveKey("x"));
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetHashTableSize(), 17u);
}

// Keys compare byte for byte: case matters.
TEST(MapLookup, TemplateWithStringKeys)
{
    CMap<CString, LPCTSTR, WORD, WORD> map;
    map.InitHashTable(17);
    map.SetAt("Dim", 3);
    WORD value = 0;
    EXPECT_TRUE(map.Lookup("Dim", value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(map.Lookup("DIM", value));

    CMap<CString, const CString &, CString, const CString &> byValue;
    byValue[CString("k")] = "v";
    EXPECT_EQ(byValue[CString("k")], "v");
}

TEST(MapLookup, PointerKeys)
{
    CMapPtrToPtr map;
    int items[40];
    for (int &item : items)
        map.SetAt(&item, &item + 1);
    void *value = nullptr;
    EXPECT_TRUE(map.Lookup(&items[7], value));
    EXPECT_EQ(value, &items[8]);
    EXPECT_EQ(map.GetCount(), 40);
}

TEST(MapMisuse, RaisesInsteadOfTouchingMemory)
{
    CMapWordToPtr map;
    POSITION none = nullptr;
    WORD key;
    void *value;
    for (auto misuse : std::vector<std::function<void()>>{[&] { map.GetNextAssoc(none, key, value); },
                                                          [&] { map.InitHashTable(0); }}) {
        bool raised = false;
        try {
            misuse();
        } catch (CNotSupportedException *e) {
            raised = true;
            e->Delete();
        }
        EXPECT_TRUE(raised);
    }
}

} // namespace
