// The gap array against a plain vector: random insertions and removals at
// random places keep the same elements in the same order.
#include "editor/text/SECEditGapArray.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

TEST(GapArray, FollowsAPlainVectorThroughRandomEdits)
{
    std::mt19937 random(3);
    SECEditGapArray<int> gap;
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

} // namespace
