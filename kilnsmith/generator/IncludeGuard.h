// The include guard of a generated header.  Its name comes from the header
// file name; a GUID suffix makes it unique ("#if !defined(AFC_...)" form),
// and without one the plain "#ifndef\t_..._" form is used.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/Guid.h"

// How many line ends stand before the closing "#endif" line's text: the
// template decides between one and two empty lines above it.
enum class GuardCloseForm { OneLineEnd, TwoLineEnds };

// The header file name with its first '.' made '_', upper-cased:
// "MyView.h" gives "MYVIEW_H".
CString MakeGuardName(const CString &strHeaderFileName);

// "__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_" (49 characters), or an
// empty string for the all-zero GUID.
CString FormatGuardSuffix(const GUID &guid);

// The two opening lines, without the line end after the second.
CString MakeGuardOpen(const CString &strGuardName, const CString &strSuffix);

// The closing text: its leading line ends and the "#endif" comment, without
// the final line end.
CString MakeGuardClose(const CString &strGuardName, const CString &strSuffix, GuardCloseForm form);
