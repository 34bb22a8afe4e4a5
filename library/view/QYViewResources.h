// The canvas view's status-bar texts, message string, context menu and
// cursors.
#pragma once

#include "framework/base/WinTypes.h"

// Registers them; the library does it when it loads.
void QYRegisterViewResources();

// One of the view's cursors: its resource id, the image compiled into the
// library and the hot spot, the pixel of the image that is the pointer's
// position.
struct QY_VIEW_CURSOR {
    UINT nID;
    LPCTSTR lpszPath;
    int xHotSpot;
    int yHotSpot;
};

// The view's cursors, in id order; *pnCount gets their number.
const QY_VIEW_CURSOR* QYGetViewCursors(int* pnCount);
