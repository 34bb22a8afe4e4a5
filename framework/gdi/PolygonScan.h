// Scan conversion of polygons with GDI's sampling rule: a pixel belongs to
// the polygon when its top-left corner point lies inside it, the left and
// top edges inside and the right and bottom edges outside. ALTERNATE
// (even-odd) or WINDING (non-zero) decides what "inside" means.
// Framework-internal: the raster engine fills with it, regions are built
// from it.
#pragma once

#include <QPointF>

#include <memory>
#include <type_traits>
#include <vector>

namespace PolygonScan {

using Polygons = std::vector<std::vector<QPointF>>;

// The receiver of the runs: a reference to any callable taking (y, x0, x1),
// a lambda or a std::function, called without copying it or allocating.  It
// refers to the callable it was made from, so it lives only as long as the
// call it is passed to.
class SpanFunction {
public:
    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, SpanFunction>>>
    SpanFunction(F &&f) // NOLINT(google-explicit-constructor): lambdas pass straight in
        : m_callable(const_cast<void *>(static_cast<const void *>(std::addressof(f)))),
          m_call([](void *callable, int y, int x0, int x1) {
              (*static_cast<std::remove_reference_t<F> *>(callable))(y, x0, x1);
          })
    {
    }
    void operator()(int y, int x0, int x1) const { m_call(m_callable, y, x0, x1); }

private:
    void *m_callable;
    void (*m_call)(void *callable, int y, int x0, int x1);
};

// Calls span(y, x0, x1) for each run [x0, x1) of covered pixels on the rows
// yFrom <= y < yTo, row by row from the top, runs left to right.
void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo, SpanFunction span);

// The same runs cut to the columns xFrom <= x < xTo.  Edges wholly left of
// the columns count as one crossing per row and edges wholly right of them
// are not looked at, so a figure with many edges far from the columns (the
// outline of a pen far wider than the target) costs what crosses them.
void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo, int xFrom, int xTo, SpanFunction span);

} // namespace PolygonScan
