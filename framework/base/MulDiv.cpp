#include "framework/base/WinTypes.h"

#include <cstdint>
#include <cstdlib>

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
    const bool negative = (product < 0) != (nDenominator < 0);
    const uint64_t magnitude = static_cast<uint64_t>(product < 0 ? -product : product);
    const uint64_t divisor = static_cast<uint64_t>(std::llabs(nDenominator));
    // Rounds half away from zero.
    const uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > (negative ? 2147483648ULL : 2147483647ULL))
        return -1;
    return negative ? static_cast<int>(-static_cast<int64_t>(quotient)) : static_cast<int>(quotient);
}
