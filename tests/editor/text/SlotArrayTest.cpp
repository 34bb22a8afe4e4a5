// The slot array against a plain vector: random insertions and removals at
// random places keep the same elements in the same order.
#include "editor/text/SECEditSlotArray.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

TEST(SlotArray, FollowsAPlainVectorThroughRandomEdits)
{
    std::mt19937 random(3);
    SECEditSlotArray<int> gap;
    std::vector<int> plain;
    gap.assign(10, 0);
    plain.assign(10, 0);
    int next = 1;
    for (int step = 0; step < 3000; ++step) {
        const size_t at = random() % (plain.size() + 1);
        if (random() % 3 == 0 && at < plain.size()) {
            const size_t last = std::min(plain.size(), at + 1 + random() % 20);
            gap.erase(at, last);
            plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(at),
                        plain.begin() + static_cast<std::ptrdiff_t>(last));
        } else {
            const size_t count = 1 + random() % 100;
            gap.insert(at, count, next);
            plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(at), count, next);
            ++next;
        }
        if (step % 7 == 0 && !plain.empty()) {
            const size_t i = random() % plain.size();
            gap[i] = -step;
            plain[i] = -step;
        }
        ASSERT_EQ(plain.size(), gap.size());
        for (size_t i = 0; i < plain.size(); ++i)
            ASSERT_EQ(plain[i], gap[i]) << "step " << step << ", slot " << i;
    }
    gap.release();
    EXPECT_TRUE(gap.empty());
}

TEST(SlotArray, ManySlotsOverManyChunks)
{
    // Inserts and removals larger than a chunk, at chunk seams and ends,
    // and single slots far apart, as lines come and go in a large file.
    std::mt19937 random(11);
    SECEditSlotArray<int> slots;
    std::vector<int> plain;
    const size_t chunk = SECEditSlotArray<int>::kChunk;
    slots.assign(5 * chunk + 3, 7);
    plain.assign(5 * chunk + 3, 7);
    int next = 1;
    for (int step = 0; step < 400; ++step) {
        const size_t at = step % 5 == 0 ? (step / 5 % 4) * chunk : random() % (plain.size() + 1);
        const size_t count = step % 9 == 0 ? 2 * chunk + random() % chunk : 1 + random() % 3;
        if (random() % 2 == 0 && at < plain.size()) {
            const size_t last = std::min(plain.size(), at + count);
            slots.erase(at, last);
            plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(at),
                        plain.begin() + static_cast<std::ptrdiff_t>(last));
        } else {
            slots.insert(at, count, next);
            plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(at), count, next);
            ++next;
        }
        ASSERT_EQ(plain.size(), slots.size());
        // In order, backwards and at random, as callers walk lines.
        for (size_t i = 0; i < plain.size(); i += 1 + random() % 50)
            ASSERT_EQ(plain[i], slots[i]) << step << " " << i;
        for (size_t i = plain.size(); i-- > 0;)
            ASSERT_EQ(plain[i], slots[i]) << step << " " << i;
    }
    slots.erase(0, plain.size());
    EXPECT_TRUE(slots.empty());
    slots.insert(0, 3, 9);
    EXPECT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[2], 9);
}

} // namespace
