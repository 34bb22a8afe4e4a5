// The main frame's resources: menus 101 and 102 (the same items), the
// notification icon's menu 104, accelerator table 101, toolbar 101, the
// status bar's panes, the strings, the pictures and the templates of the
// About, "Windows" and Options dialogs.
#pragma once

#include "framework/base/WinTypes.h"

// The addresses the program shows: the product's home page and the
// maker's support page (string-table entries IDS_HOME_PAGE and
// IDS_SUPPORT_ADDRESS).
extern const char kKilnsmithHomePage[];
extern const char kKilnsmithSupportAddress[];

// Registers every resource of the frame (once; later calls do nothing).
void RegisterFrameResources();

// The status bar's panes, in order.
const UINT *MainFrameIndicators(int *pnCount);
