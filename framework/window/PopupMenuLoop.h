// The pop-up loop of a menu bar: the pop-up of one bar item, which Left,
// Right and the mouse over another bar item close in favour of that item.
// Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

#include <functional>

struct PlexoMenuBarTracking {
    int nCurrent = 0;                 // the bar item whose pop-up is open
    int nCount = 0;                   // the bar's items
    std::function<int(POINT)> itemAt; // the bar item under a screen point, or -1
    int nNext = -1;                   // out: the item to open next, or -1
};

// Runs the pop-up at (x, y) for hWnd (notifications as TrackPopupMenu
// sends them); answers the chosen command, 0 when none was chosen.
UINT PlexoTrackMenuBarPopup(HMENU hMenu, int x, int y, HWND hWnd, PlexoMenuBarTracking &tracking);
