// Scan conversion of polygons.
//
// Each row needs, for every edge that crosses it, the first pixel at or right
// of the crossing: ceil(x0 + (y - y0) * dx / dy).  Runs depend only on those
// pixel positions (crossings sharing one bound only delimit empty runs), so
// crossings are sorted by them.  Polygons whose vertices are all integers of
// moderate size step each edge's position exactly in integers from row to
// row, with no division; the floating-point formula gives the same pixel
// there, because its rounding error is far smaller than the distance of a
// non-integer crossing from the next integer.  Other polygons evaluate the
// formula on every row.
#include "framework/gdi/PolygonScan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Vertex coordinates are clamped so the scan arithmetic stays finite.
constexpr double kCoordLimit = 1 << 26;
// Integer vertices up to this size are stepped exactly in integers.
constexpr double kExactLimit = 1 << 20;
// Rows with more crossings than this are sorted by the general sort.
constexpr size_t kInsertionSortLimit = 32;

// floor(a / b) and the remainder in [0, b), for b > 0 and |a| < 2^50: the
// double quotient is off by at most one, which the remainder corrects.
void DivideFloor(int64_t a, int64_t b, int64_t &q, int64_t &r)
{
    q = static_cast<int64_t>(std::floor(static_cast<double>(a) / static_cast<double>(b)));
    r = a - q * b;
    if (r < 0) {
        --q;
        r += b;
    } else if (r >= b) {
        ++q;
        r -= b;
    }
}

struct Edge {
    double x0, y0, x1, y1;
    int dir;
    double dx, dy;
    // Integer stepping: the pixel bound is x + q, with remainder r in
    // [0, dy) of the numerator; each row adds stepQ and stepR.
    int64_t q = 0, r = 0, stepQ = 0, stepR = 0, idy = 0, ix0 = 0;
    // A vertical edge crosses every row at the same pixel bound.
    bool vertical = false;
    int fixedBound = 0;

    int BoundAt(int y) const
    {
        // ceil for the clamped range, without a library call.
        const double x = x0 + (y - y0) * dx / dy;
        const int t = static_cast<int>(x);
        return t < x ? t + 1 : t;
    }

    void StartExact(int y)
    {
        idy = static_cast<int64_t>(dy);
        const int64_t idx = static_cast<int64_t>(dx);
        ix0 = static_cast<int64_t>(x0);
        DivideFloor((y - static_cast<int64_t>(y0)) * idx + idy - 1, idy, q, r);
        DivideFloor(idx, idy, stepQ, stepR);
    }
    int ExactBound() const { return static_cast<int>(ix0 + q); }
    void StepExact()
    {
        // Without a branch: the carry is as likely as not.
        r += stepR;
        const int64_t carry = r >= idy;
        q += stepQ + carry;
        r -= carry * idy;
    }
};

struct Crossing {
    int x; // the first pixel at or right of the crossing
    int dir;
    int weight = 1; // how many edges cross here (the edges left of the columns cross as one)
};

// Rows have a handful of crossings, where insertion sort beats a general
// sort; a row of a figure with many edges (the outline of a pen far wider
// than the target) takes the general sort, whose cost does not grow with
// the square of the crossings.
void SortCrossings(std::vector<Crossing> &crossings)
{
    if (crossings.size() > kInsertionSortLimit) {
        std::sort(crossings.begin(), crossings.end(), [](const Crossing &a, const Crossing &b) { return a.x < b.x; });
        return;
    }
    for (size_t i = 1; i < crossings.size(); ++i) {
        const Crossing c = crossings[i];
        size_t j = i;
        for (; j > 0 && crossings[j - 1].x > c.x; --j)
            crossings[j] = crossings[j - 1];
        crossings[j] = c;
    }
}

bool IsExact(double v)
{
    return v == std::floor(v) && std::fabs(v) <= kExactLimit;
}

// Calls span for the covered runs of one row, given its sorted crossings.
void EmitRuns(const std::vector<Crossing> &crossings, bool winding, int y,
              const std::function<void(int y, int x0, int x1)> &span)
{
    int count = 0;
    bool open = false;
    int runStart = 0, runEnd = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        count += winding ? crossings[i].dir : crossings[i].weight;
        bool inside = winding ? count != 0 : (count & 1) != 0;
        if (!inside)
            continue;
        // Pixels whose x lies in [from, to): the left edge is inside, the right edge outside.
        int x0 = crossings[i].x;
        int x1 = crossings[i + 1].x;
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

// The working lists of one scan, kept from scan to scan on each thread so
// that drawing many small figures does not allocate for each; a scan started
// from inside another one's span callback gets lists of its own.
struct ScanLists {
    std::vector<Edge> edges;
    std::vector<Edge *> active;
    std::vector<Crossing> crossings;
    std::vector<int> leftDirs, leftWeights;
    bool inUse = false;
};

class ScanListsLease {
public:
    ScanListsLease() : m_lists(Shared().inUse ? m_own : Shared())
    {
        m_lists.inUse = true;
        m_lists.edges.clear();
        m_lists.active.clear();
        m_lists.crossings.clear();
        m_lists.leftDirs.clear();
        m_lists.leftWeights.clear();
    }
    ~ScanListsLease() { m_lists.inUse = false; }
    ScanListsLease(const ScanListsLease &) = delete;
    ScanListsLease &operator=(const ScanListsLease &) = delete;
    ScanLists &Lists() { return m_lists; }

private:
    static ScanLists &Shared()
    {
        thread_local ScanLists lists;
        return lists;
    }
    ScanLists m_own;
    ScanLists &m_lists;
};

// Takes out of the edges those that cannot show in the rows [yStart, yEnd)
// and the columns [xFrom, xTo): edges outside the rows and edges wholly
// right of the columns go; edges wholly left of the columns only count, as
// one crossing at xFrom, so each is added (its direction and one crossing)
// to the per-row changes it brings to that crossing.  TRUE when any edge
// was left of the columns.
bool SetAsideOutsideEdges(std::vector<Edge> &edges, int yStart, int yEnd, int xFrom, int xTo,
                          std::vector<int> &leftDirs, std::vector<int> &leftWeights)
{
    bool anyLeft = false;
    const auto rowOf = [&](double y) { return std::clamp(static_cast<int>(std::ceil(y)), yStart, yEnd); };
    const auto outside = [&](const Edge &e) {
        // The rows an edge crosses: y0 <= y < y1.
        const int first = rowOf(e.y0), end = rowOf(e.y1);
        if (first >= end || std::min(e.x0, e.x1) >= xTo)
            return true;
        if (std::max(e.x0, e.x1) > xFrom)
            return false;
        if (!anyLeft) {
            leftDirs.assign(static_cast<size_t>(yEnd - yStart) + 1, 0);
            leftWeights.assign(static_cast<size_t>(yEnd - yStart) + 1, 0);
            anyLeft = true;
        }
        leftDirs[first - yStart] += e.dir;
        leftDirs[end - yStart] -= e.dir;
        ++leftWeights[first - yStart];
        --leftWeights[end - yStart];
        return true;
    };
    edges.erase(std::remove_if(edges.begin(), edges.end(), outside), edges.end());
    return anyLeft;
}

} // namespace

namespace PolygonScan {

void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo,
          const std::function<void(int y, int x0, int x1)> &span)
{
    Scan(polygons, winding, yFrom, yTo, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), span);
}

void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo, int xFrom, int xTo,
          const std::function<void(int y, int x0, int x1)> &span)
{
    ScanListsLease lease;
    std::vector<Edge> &edges = lease.Lists().edges;
    double minY = kCoordLimit, maxY = -kCoordLimit;
    bool exact = true;
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
            exact = exact && IsExact(ax) && IsExact(ay) && IsExact(bx) && IsExact(by);
            if (ay < by)
                edges.push_back({ax, ay, bx, by, 1, bx - ax, by - ay});
            else
                edges.push_back({bx, by, ax, ay, -1, ax - bx, ay - by});
            minY = std::min(minY, std::min(ay, by));
            maxY = std::max(maxY, std::max(ay, by));
        }
    }
    if (edges.empty())
        return;
    int yStart = std::max(static_cast<int>(std::ceil(minY)), yFrom);
    int yEnd = std::min(static_cast<int>(std::ceil(maxY)), yTo);
    if (yStart >= yEnd)
        return;
    std::vector<int> &leftDirs = lease.Lists().leftDirs;
    std::vector<int> &leftWeights = lease.Lists().leftWeights;
    const bool leftEdges = SetAsideOutsideEdges(edges, yStart, yEnd, xFrom, xTo, leftDirs, leftWeights);
    int leftDir = 0, leftWeight = 0;
    const std::function<void(int, int, int)> clipped = [&](int row, int x0, int x1) {
        x0 = std::max(x0, xFrom);
        x1 = std::min(x1, xTo);
        if (x0 < x1)
            span(row, x0, x1);
    };
    // Active edges: those whose [y0, y1) holds the scan row, entered in order of y0.
    std::sort(edges.begin(), edges.end(), [](const Edge &a, const Edge &b) { return a.y0 < b.y0; });
    size_t next = 0;
    std::vector<Edge *> &active = lease.Lists().active;
    std::vector<Crossing> &crossings = lease.Lists().crossings;
    for (int y = yStart; y < yEnd; ++y) {
        while (next < edges.size() && edges[next].y0 <= y) {
            Edge *e = &edges[next++];
            if (exact) {
                e->StartExact(y);
            } else if (e->dx == 0) {
                e->vertical = true;
                e->fixedBound = e->BoundAt(y);
            }
            active.push_back(e);
        }
        // Edges that ended above the row leave; the others cross it.
        crossings.clear();
        if (leftEdges) {
            leftDir += leftDirs[y - yStart];
            leftWeight += leftWeights[y - yStart];
            if (leftWeight != 0)
                crossings.push_back({xFrom, leftDir, leftWeight});
        }
        size_t kept = 0;
        for (Edge *e : active) {
            if (e->y1 <= y)
                continue;
            active[kept++] = e;
            if (exact) {
                crossings.push_back({e->ExactBound(), e->dir});
                e->StepExact();
            } else {
                crossings.push_back({e->vertical ? e->fixedBound : e->BoundAt(y), e->dir});
            }
        }
        active.resize(kept);
        // The edges right of the columns were not looked at: a run still
        // open there ends at the columns' end.
        if (xTo != std::numeric_limits<int>::max())
            crossings.push_back({xTo, 0, 0});
        SortCrossings(crossings);
        EmitRuns(crossings, winding, y, clipped);
    }
}

} // namespace PolygonScan
