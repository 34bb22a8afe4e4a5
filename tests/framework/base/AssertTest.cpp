// Debug builds (the test build is one) check ASSERT and VERIFY: a failed one
// names the expression, file and line, and aborts.
#include "framework/base/WinTypes.h"

#include <gtest/gtest.h>

namespace {

int g_nEvaluations = 0;

bool CountedFalse()
{
    ++g_nEvaluations;
    return false;
}

TEST(AssertDeathTest, AFailedAssertionNamesTheExpressionFileAndLineAndAborts)
{
#ifdef NDEBUG
    GTEST_SKIP() << "release builds keep assertions empty";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    int nIndex = 3;
    EXPECT_DEATH(ASSERT(nIndex < 2), "Assertion failed: nIndex < 2, file .*AssertTest\\.cpp, line [0-9]+");
    EXPECT_DEATH(VERIFY(CountedFalse()), "Assertion failed: CountedFalse\\(\\)");
#endif
}

TEST(AssertTest, AHoldingAssertionPassesAndVerifyEvaluatesOnce)
{
    [[maybe_unused]] int nIndex = 1;
    ASSERT(nIndex < 2);
    g_nEvaluations = 0;
    VERIFY(!CountedFalse());
    EXPECT_EQ(g_nEvaluations, 1);
}

} // namespace
