// The control library's strings (the other-colour button's caption).
#pragma once

#include "framework/base/CString.h"

// The string with the id from the resource registry (where a program may
// override it), else the library's own text; empty for an unknown id.
CString SECControlString(UINT nID);
