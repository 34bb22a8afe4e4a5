#include "framework/object/ArchiveStoreMap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Many neighbouring addresses, as objects allocated one after another have:
// every one keeps its own index through the table's growth, and addresses
// never added have none.
TEST(ArchiveStoreMapTest, KeepsEveryIndexThroughGrowth)
{
    std::vector<int> objects(20000);
    for (bool reserve : {false, true}) {
        CArchiveStoreMap map;
        if (reserve)
            map.Reserve(objects.size() / 2);
        for (size_t i = 0; i < objects.size(); i += 2)
            map.Insert(&objects[i], static_cast<DWORD>(i + 1));
        for (size_t i = 0; i < objects.size(); ++i)
            ASSERT_EQ(map.Find(&objects[i]), i % 2 == 0 ? static_cast<DWORD>(i + 1) : 0u) << i;
    }
}

TEST(ArchiveStoreMapTest, NullPointerHasAnIndexOfItsOwn)
{
    CArchiveStoreMap map;
    int object = 0;
    EXPECT_EQ(map.Find(nullptr), 0u);
    EXPECT_EQ(map.Find(&object), 0u);
    map.Insert(nullptr, 7);
    EXPECT_EQ(map.Find(nullptr), 7u);
    EXPECT_EQ(map.Find(&object), 0u);
}

} // namespace
