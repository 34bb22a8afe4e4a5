// The desktop's drag events on a registered window: drags of other
// programs (and of this one once its drag left our windows) reach the
// window's drop target.  A drop from another program is answered at once,
// with the effect the target gave last, and reaches the target's OnDrop
// just after, from the event loop, with a copy of the data: a dialog the
// target opens there does not hold the other program up.  Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

namespace DesktopDrops {
// Starts (and stops) hearing the window's drag events.
void Listen(HWND hWnd);
void StopListening(HWND hWnd);
} // namespace DesktopDrops
