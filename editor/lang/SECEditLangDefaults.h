// The machine-dependent defaults of a language configuration: the font and
// the window colours of the default colour groups.
#pragma once

#include "framework/base/CString.h"

void SECEditGetDefaultFont(CString &face, int &nSize);
COLORREF SECEditGetWindowTextColor();
COLORREF SECEditGetWindowColor();
