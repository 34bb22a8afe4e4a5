// The failure path of ASSERT and VERIFY in debug builds.
#include "framework/base/WinTypes.h"

#include <cstdio>
#include <cstdlib>

#ifndef NDEBUG
void AfxAssertFailedLine(const char *expression, const char *file, int line)
{
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", expression, file, line);
    std::fflush(stderr);
    std::abort();
}
#endif
