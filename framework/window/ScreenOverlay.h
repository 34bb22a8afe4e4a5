// The overlay that shows what a program draws through the screen context
// (GetDC(NULL)): while such a context is held, it draws into a picture of
// the screen (our windows' pixels where they lie), and a transparent window
// that lets every input through shows the pixels that drawing changed over
// the frame's screen (over the active window alone where the desktop does
// not let a program place windows). Drawing twice in XOR modes leaves the
// picture as it was, and the overlay then shows nothing.
// Framework-internal: the painting model and the screen pixels use it.
#pragma once

#include "framework/window/WinHandles.h"

#include <QImage>

namespace ScreenOverlay {
// A context on the screen's picture; the first one taken starts the
// overlay. Close it with Release.
HDC Open();
// Whether hdc is one of Open's; Release then frees it, and the last one
// freed takes the overlay away.
bool Owns(HDC hdc);
void Release(HDC hdc);
// The pixel drawing left at a screen point while the overlay is up;
// CLR_INVALID where drawing changed nothing (or no context is held).
COLORREF DrawnPixel(int x, int y);
// Brings the overlay window up to date with the picture now (it also
// follows on its own at the next events); TRUE when it shows drawing.
bool Refresh();
} // namespace ScreenOverlay
