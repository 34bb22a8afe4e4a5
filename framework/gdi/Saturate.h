// Computed coordinates and lengths into int: a value past either end of
// the range stays at that end instead of wrapping around (or being
// undefined, for a double).  Device coordinates that a mapping or a scale
// computes in double or 64 bits pass through here, so a hostile metafile's
// coordinates near the limits land on the far edge, never on the target.
// Framework-internal.
#pragma once

#include <cmath>
#include <limits>

namespace Saturate {

inline int ToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

inline int ToInt(long long v)
{
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Rounded half away from zero.
inline int Round(double v)
{
    return ToInt(std::round(v));
}

// The last pixel before an exclusive edge: one less, the lowest int
// staying where it is.
inline int Decrement(int edge)
{
    return edge == std::numeric_limits<int>::min() ? edge : edge - 1;
}

} // namespace Saturate
