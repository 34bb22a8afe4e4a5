// Everything of the framework's base module.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/base/CTime.h"
#include "framework/base/Guid.h"
#include "framework/base/Mbcs.h"
#include "framework/base/WinTypes.h"

// The smaller and larger of two values of one type, for code written against
// the platform's headers, which offer min and max unqualified.  Function
// templates rather than macros, so that std::min, std::max and
// numeric_limits<T>::max() keep working next to them.
template <typename T>
constexpr const T &min(const T &a, const T &b)
{
    return b < a ? b : a;
}
template <typename T>
constexpr const T &max(const T &a, const T &b)
{
    return a < b ? b : a;
}
