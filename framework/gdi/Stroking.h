// The pen and brush painting that drawing calls share with path drawing.
// Framework-internal.
#pragma once

#include "framework/gdi/Renderer.h"

#include <vector>

// Outlines a device-space polyline (closed: back to its start) with the
// context's pen: one-pixel lines or a wide pen's outline.
void StrokeDevicePolyline(HDC h, Renderer &r, const std::vector<QPoint> &points, bool closed);
// The context's brush as a fill, combined by its drawing mode.
FillPaint BrushPaint(HDC h);
