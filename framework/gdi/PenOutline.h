// The area a pen wider than a cosmetic line covers along a device-space
// polyline, as polygons to fill with the winding rule.  Framework-internal:
// drawing calls stroke with it, the tests compare its two ways.
#pragma once

#include "framework/gdi/GdiObjectData.h"

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <vector>

namespace PenOutline {

using Polygons = std::vector<std::vector<QPointF>>;

// The pen's outline along the points (closed: back to the first) at the
// given device width: the fast outline of DirectOutline where it applies,
// else the path stroker's.
Polygons Outline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width);

// The outline of AxisOutline or of LineOutline, whichever takes the figure
// and the pen, or FALSE (out untouched).  Neither takes a dashed pen or one
// with round joins.
bool DirectOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, Polygons &out);

// The path stroker's outline: every subpath of the stroke as one polygon.
Polygons StrokerOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width);

// The path stroker's outline of an open piece of a figure whose dash
// pattern goes on from startLength device pixels into it.
Polygons StrokerOutline(const std::vector<QPointF> &points, const PenData &pen, int width, double startLength);

// Whether the pen draws one solid line: no dashes, no hatched pen brush.
bool IsSolidLine(const PenData &pen);

// A one-pixel solid pen along a polyline whose segments are all horizontal
// or vertical and meet at right angles covers, on the pixel grid, the same
// pixels as the union of one rectangle per segment: the segment widened by
// half a pixel on each side, and lengthened by half a pixel at each join and
// at each square cap (a flat cap ends on the end point).  Those rectangles,
// or FALSE (out untouched) when the figure or the pen is not of that kind.
bool AxisOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, Polygons &out);

// The path stroker's outline, made without it, for a solid pen up to
// sixteen pixels wide whose caps and joins have no curves: flat or square
// caps, bevelled or mitred joins (the miter limit ten widths).  The same
// polygons the stroker gives, or FALSE (out untouched) for other pens and
// for coordinates beyond 2^24.
bool LineOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, Polygons &out);

// Whether a pen with round joins and caps (the union of its discs along
// the figure) is so wide that the disc around one of the figure's points
// holds the whole box.  A pen thousands of pixels wide (a hostile
// metafile, a far zoom) then covers every pixel of the target, which is
// filled as it stands instead of through an outline that has hundreds of
// points for every join.
bool CoversBox(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, const QRect &box);

} // namespace PenOutline
