// The block transfer engine behind BitBlt, StretchBlt, PatBlt and the DIB
// transfers: copies (and stretches) source pixels onto a context's target
// through a ternary raster operation with the context's brush as the
// pattern, inside the context's clip. Rectangles are in device pixels with
// signed sizes; a negative size mirrors along that axis. Framework-internal.
#pragma once

#include "framework/gdi/DeviceContext.h"

#include <vector>

namespace Blit {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

// Where source pixels come from and how they turn into target pixels.
struct Source {
    const QImage *image = nullptr; // 32-bit pixels
    Rect rect;
    // Monochrome source: black (0) takes the target's text colour, white (1)
    // its background colour on a colour target.
    bool mono = false;
    // Colour source onto a monochrome target: pixels equal to this colour
    // become white, all others black; without it the nearer of the two.
    bool hasBkColor = false;
    COLORREF bkColor = 0;
    // Optional, one byte per source pixel (row by row): 0 where the source
    // sets nothing, so the target pixel stays as it was.
    const std::vector<uint8_t> *covered = nullptr;
    // The image's top bytes are Qt's opaque filler, not pixel data: its
    // pixels are colours with a zero top byte (icon and image list
    // pictures, window images).
    bool colourOnly = false;
};

// FALSE for an unusable target or source; TRUE when the operation ran (even
// if the clip left nothing to draw).
BOOL Run(HDC dst, const Rect &dstRect, const Source *src, DWORD rop);
// Run with the whole of a 32-bit picture made here (icons, image lists) as
// the source; its pixels are colours with a zero top byte.
BOOL RunImage(HDC dst, const Rect &dstRect, const QImage &image, DWORD rop);

// A context's logical rectangle in device pixels, with signed sizes.
Rect DeviceRect(HDC h, int x, int y, int w, int h2);

} // namespace Blit
