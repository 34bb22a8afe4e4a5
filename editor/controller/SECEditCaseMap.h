// Simple case conversion of UTF-8 text: each well-formed character maps to
// its one-character upper or lower case; bytes that form no character
// stay as they are.
#pragma once

#include "framework/base/CString.h"

CString SECEditChangeCase(const CString &text, bool bUpper);
