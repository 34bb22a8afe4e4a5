// SECEditEvent: a window message or command offered to event listeners.
#pragma once

#include "framework/window/WinMessages.h"

struct SECEditEvent {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;

    // WM_MOUSEMOVE to WM_MOUSEWHEEL: lParam holds a client point.
    bool IsMouse() const { return message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL; }
};
