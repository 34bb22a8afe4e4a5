// Regions from shapes: polygons (either fill mode), ellipses and rounded
// rectangles as the pixels they cover, frames of a region, and regions
// moved through a context's mapping. Framework-internal.
#pragma once

#include <QRegion>

#include "framework/gdi/CoordinateMapping.h"
#include "framework/gdi/PolygonScan.h"
#include "framework/gdi/Raster.h"

namespace RegionShapes {

// The pixels a polygon fill covers (top-left sampling, see PolygonScan).
QRegion Polygons(const PolygonScan::Polygons &polygons, bool winding);
// The pixels whose centre lies inside the shape.
QRegion Box(const BoxShape &shape);
// The part of region within w pixels of its left or right border or h
// pixels of its top or bottom border.
QRegion Frame(const QRegion &region, int w, int h);
// A region given in logical units, in device pixels.
QRegion ToDevice(const QRegion &region, const CoordinateMapping &mapping);

} // namespace RegionShapes
