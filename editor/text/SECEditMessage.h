// Tells the user something through the message box the program installed
// (the standard error when there is none).
#pragma once

#include "framework/base/WinTypes.h"

int SECEditMessageBox(LPCTSTR lpszText, UINT nType);
