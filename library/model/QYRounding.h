// Rounding of real numbers to integers, half away from zero, as the
// geometry of the components needs it.
#pragma once

#include "framework/base/WinTypes.h"

// Truncation toward zero, clamped to the int range (NaN gives 0).
int QYTruncate(double value);

// The drawing helpers' rounding: x + 0.5 for x >= 0, x - 0.5 otherwise,
// truncated toward zero.  A value that is not finite or does not fit in an
// int is clamped (NaN gives 0), so no caller ever converts an unrepresentable
// real.
int QYRound(double value);

// The transforms' rounding in single precision: n = integer part of |f|,
// n + 1 when |f| - n >= 0.5, with the sign of f.  Clamped like QYRound.
int MoreNear(float value);
