#include "framework/gdi/PenClip.h"

#include <cmath>

namespace {

// The part [t0, t1] of the segment a + t (b - a) inside the box, by
// narrowing the parameter range against each of the box's four sides.
bool ClipSegment(QPointF a, QPointF b, const QRectF &box, double &t0, double &t1)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    t0 = 0;
    t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false; // parallel to this side and beyond it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 <= t1;
}

QPointF At(QPointF a, QPointF b, double t)
{
    if (t == 0)
        return a;
    if (t == 1)
        return b;
    return a + (b - a) * t;
}

} // namespace

namespace PenClip {

bool ClipToBox(const std::vector<QPoint> &points, bool closed, const QRectF &box, std::vector<Run> &runs)
{
    runs.clear();
    const size_t n = points.size();
    const size_t segments = n < 2 ? 0 : (closed ? n : n - 1);
    bool wholeInside = true;
    bool runOpen = false; // the last run ends where the next segment starts
    double length = 0;
    for (size_t i = 0; i < segments; ++i) {
        const QPointF a = points[i], b = points[(i + 1) % n];
        const double segmentLength = std::hypot(b.x() - a.x(), b.y() - a.y());
        double t0 = 0, t1 = 0;
        if (!ClipSegment(a, b, box, t0, t1)) {
            wholeInside = false;
            runOpen = false;
        } else {
            if (t0 > 0 || t1 < 1)
                wholeInside = false;
            if (!runOpen || t0 > 0) {
                runs.push_back({{At(a, b, t0)}, length + segmentLength * t0});
            }
            runs.back().points.push_back(At(a, b, t1));
            runOpen = t1 == 1;
        }
        length += segmentLength;
    }
    if (wholeInside) {
        runs.clear();
        return false;
    }
    return true;
}

} // namespace PenClip
