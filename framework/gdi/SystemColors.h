// System colours and metrics from one fixed classic table, so drawing looks
// the same on every desktop and does not depend on a theme.
#pragma once

#include "framework/gdi/GdiStructs.h"

// CLR_INVALID-free: an unknown index gives 0 (black), as the original does.
DWORD GetSysColor(int nIndex);
// A shared brush of the system colour; never delete it. NULL for an unknown index.
HBRUSH GetSysColorBrush(int nIndex);
// 0 for an unknown index. The screen size comes from the real screen when a
// display exists, else 1024 by 768.
int GetSystemMetrics(int nIndex);
