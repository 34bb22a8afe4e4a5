// Scan conversion of polygons.
#include "framework/gdi/PolygonScan.h"

#include <algorithm>
#include <cmath>

namespace {

// Vertex coordinates are clamped so the scan arithmetic stays finite.
constexpr double kCoordLimit = 1 << 26;

struct Edge {
    double x0, y0, x1, y1;
    int dir;
};

} // namespace

namespace PolygonScan {

void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo,
          const std::function<void(int y, int x0, int x1)> &span)
{
    std::vector<Edge> edges;
    double minY = kCoordLimit, maxY = -kCoordLimit;
    for (const auto &poly : polygons) {
        size_t n = poly.size();
        for (size_t i = 0; i < n; ++i) {
            QPointF a = poly[i], b = poly[(i + 1) % n];
            if (std::isnan(a.x()) || std::isnan(a.y()) || std::isnan(b.x()) || std::isnan(b.y()))
                continue;
            double ax = std::clamp(a.x(), -kCoordLimit, kCoordLimit), ay = std::clamp(a.y(), -kCoordLimit, kCoordLimit);
            double bx = std::clamp(b.x(), -kCoordLimit, kCoordLimit), by = std::clamp(b.y(), -kCoordLimit, kCoordLimit);
            if (ay == by)
                continue;
            if (ay < by)
                edges.push_back({ax, ay, bx, by, 1});
            else
                edges.push_back({bx, by, ax, ay, -1});
            minY = std::min(minY, std::min(ay, by));
            maxY = std::max(maxY, std::max(ay, by));
        }
    }
    if (edges.empty())
        return;
    int yStart = std::max(static_cast<int>(std::ceil(minY)), yFrom);
    int yEnd = std::min(static_cast<int>(std::ceil(maxY)), yTo);
    // Active edges: those whose [y0, y1) holds the scan row, entered in order of y0.
    std::sort(edges.begin(), edges.end(), [](const Edge &a, const Edge &b) { return a.y0 < b.y0; });
    size_t next = 0;
    std::vector<const Edge *> active;
    std::vector<std::pair<double, int>> crossings;
    for (int y = yStart; y < yEnd; ++y) {
        while (next < edges.size() && edges[next].y0 <= y)
            active.push_back(&edges[next++]);
        active.erase(std::remove_if(active.begin(), active.end(), [y](const Edge *e) { return e->y1 <= y; }),
                     active.end());
        crossings.clear();
        for (const Edge *e : active)
            crossings.emplace_back(e->x0 + (y - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0), e->dir);
        std::sort(crossings.begin(), crossings.end(), [](const auto &p, const auto &q) { return p.first < q.first; });
        int count = 0;
        bool open = false;
        int runStart = 0, runEnd = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].second : 1;
            bool inside = winding ? count != 0 : (count & 1) != 0;
            if (!inside)
                continue;
            // Pixels whose x lies in [from, to): the left edge is inside, the right edge outside.
            int x0 = static_cast<int>(std::ceil(crossings[i].first));
            int x1 = static_cast<int>(std::ceil(crossings[i + 1].first));
            if (x0 >= x1)
                continue;
            // Touching runs join, so each row reports disjoint runs in order.
            if (open && x0 <= runEnd) {
                runEnd = std::max(runEnd, x1);
                continue;
            }
            if (open)
                span(y, runStart, runEnd);
            open = true;
            runStart = x0;
            runEnd = x1;
        }
        if (open)
            span(y, runStart, runEnd);
    }
}

} // namespace PolygonScan
