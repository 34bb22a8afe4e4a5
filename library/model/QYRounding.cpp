#include "library/model/QYRounding.h"

#include <climits>
#include <cmath>

int QYTruncate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT_MAX;
    if (value <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(value);
}

int QYRound(double value)
{
    return QYTruncate(value >= 0.0 ? value + 0.5 : value - 0.5);
}

int MoreNear(float value)
{
    const float magnitude = std::fabs(value);
    if (std::isnan(value))
        return 0;
    if (magnitude >= 2147483647.0f)
        return value < 0.0f ? INT_MIN : INT_MAX;
    int n = static_cast<int>(magnitude);
    if (magnitude - static_cast<float>(n) >= 0.5f)
        ++n;
    return value < 0.0f ? -n : n;
}
