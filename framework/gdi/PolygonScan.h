// Scan conversion of polygons with GDI's sampling rule: a pixel belongs to
// the polygon when its top-left corner point lies inside it, the left and
// top edges inside and the right and bottom edges outside. ALTERNATE
// (even-odd) or WINDING (non-zero) decides what "inside" means.
// Framework-internal: the raster engine fills with it, regions are built
// from it.
#pragma once

#include <QPointF>

#include <functional>
#include <vector>

namespace PolygonScan {

using Polygons = std::vector<std::vector<QPointF>>;

// Calls span(y, x0, x1) for each run [x0, x1) of covered pixels on the rows
// yFrom <= y < yTo, row by row from the top, runs left to right.
void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo,
          const std::function<void(int y, int x0, int x1)> &span);

// The same runs cut to the columns xFrom <= x < xTo.  Edges wholly left of
// the columns count as one crossing per row and edges wholly right of them
// are not looked at, so a figure with many edges far from the columns (the
// outline of a pen far wider than the target) costs what crosses them.
void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo, int xFrom, int xTo,
          const std::function<void(int y, int x0, int x1)> &span);

} // namespace PolygonScan
