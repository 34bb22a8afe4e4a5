// The registered clipboard format whose presence next to the plain text
// marks copied text as a column (block) selection.  The data under it means
// nothing; readers only test whether it is offered.
#pragma once

#define SECEDIT_COLUMN_SELECT_FORMAT "MSDEVColumnSelect"

#include "framework/base/WinTypes.h"

// The format's number, registered once when the library loads; the
// controller's copy, paste and drag-and-drop code read it.
extern const UINT g_cfSECEditColumnSelect;
