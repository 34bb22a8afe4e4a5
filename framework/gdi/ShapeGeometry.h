// Device-space point lists of curves: arcs of an ellipse, Bezier splines and
// the outline of a box shape, as the pixel paths one-pixel pens follow.
// Framework-internal.
#pragma once

#include <QPoint>
#include <QRect>

#include "framework/gdi/Raster.h"

#include <vector>

namespace ShapeGeometry {
// The arc of the ellipse whose outline runs through the edge pixels of box,
// from the radial line through start to the one through end, counter-
// clockwise on the screen unless clockwise. The same start and end give the
// whole ellipse.
std::vector<QPoint> Arc(const QRect &box, QPoint start, QPoint end, bool clockwise);
// Cubic Bezier splines: points[0], then three points per segment.
std::vector<QPoint> FlattenBeziers(const std::vector<QPoint> &points);
// The closed outline of a box shape through its edge pixels.  A rectangle's
// starts at its top right pixel and runs anticlockwise on the screen.
std::vector<QPoint> Outline(const BoxShape &shape);
} // namespace ShapeGeometry
