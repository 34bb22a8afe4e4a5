// Scan conversion of polygons.
//
// Each row needs, for every edge that crosses it, the first pixel at or right
// of the crossing: ceil(x0 + (y - y0) * dx / dy).  Runs depend only on those
// pixel positions (crossings sharing one bound only delimit empty runs), so
// crossings are sorted by them; the edges crossing the rows are kept in that
// order from row to row, where it rarely changes.  Polygons whose vertices are all integers of
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
// A row whose insertion sort has moved the active edges more than this
// many places per edge on average finishes with the general sort.
constexpr size_t kInsertionSortLimit = 4;

// Crossings nearer a whole pixel than this fraction of their edge's size
// (its reach across and its farther end's distance from 0) are worked out
// by the division itself.
constexpr double kSlopeTolerance = 1.0 / (int64_t{1} << 40);

// ceil for values within the clamped range, without a library call or a
// branch (whether a crossing has a fraction is as likely as not).
int Ceil(double x)
{
    const int t = static_cast<int>(x);
    return t + static_cast<int>(t < x);
}

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
    double slope = 0; // dx / dy
    bool slopeUsable = false;
    double slopeMargin = 0; // crossings nearer a whole pixel take the formula
    // The first row below the edge: it crosses the rows y < endRow.
    int endRow = 0;

    Edge(double ax, double ay, double bx, double by, int direction)
        : x0(ax), y0(ay), x1(bx), y1(by), dir(direction), dx(bx - ax), dy(by - ay), endRow(Ceil(by))
    {
    }

    // Before the first row of an edge stepped by the formula.
    void StartFormula(int y)
    {
        vertical = dx == 0;
        if (vertical) {
            fixedBound = FormulaBoundAt(y);
            return;
        }
        slope = dx / dy;
        slopeUsable = std::isfinite(slope);
        // On the edge's rows the distance along it stays within dx and the
        // crossing between x0 and x1: twice their sizes bound the rounding.
        slopeMargin = 2 * (std::fabs(dx) + std::max(std::fabs(x0), std::fabs(x1)) + 1) * kSlopeTolerance;
    }

    // The bound by the formula as it stands, with one division a row.
    int FormulaBoundAt(int y) const { return Ceil(x0 + (y - y0) * dx / dy); }

    // The same bound through the slope divided out once.  The two roundings
    // differ by a few units in the last place, which moves the bound only
    // for a crossing that close to a whole pixel: that one takes the formula.
    int BoundAt(int y) const
    {
        if (!slopeUsable)
            return FormulaBoundAt(y);
        const double x = x0 + (y - y0) * slope;
        const int bound = Ceil(x);
        if (bound - x > slopeMargin && x - (bound - 1) > slopeMargin)
            return bound;
        return FormulaBoundAt(y);
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

// An edge crossing the current row and the first pixel at or right of its
// crossing there, held within the columns: runs are cut to the columns, and
// a bound moved onto the nearer end of them cuts the same runs.
struct ActiveEdge {
    int x;
    int dir;
    int endRow;
    Edge *edge;
};

// The active edges stay in the order of their bounds from row to row, and a
// row moves each bound by its edge's slope, so the list is nearly sorted:
// insertion sort puts it in order in about one pass.  A row whose order
// changed wholesale (a figure with many edges crossing each other) takes the
// general sort, whose cost does not grow with the square of the edges.
void SortActive(std::vector<ActiveEdge> &active)
{
    const auto byBound = [](const ActiveEdge &a, const ActiveEdge &b) { return a.x < b.x; };
    size_t moves = 0;
    for (size_t i = 1; i < active.size(); ++i) {
        if (active[i - 1].x <= active[i].x)
            continue;
        const ActiveEdge e = active[i];
        size_t j = i;
        for (; j > 0 && active[j - 1].x > e.x; --j)
            active[j] = active[j - 1];
        active[j] = e;
        moves += i - j;
        if (moves > kInsertionSortLimit * active.size()) {
            std::sort(active.begin(), active.end(), byBound);
            return;
        }
    }
}

// For values within the clamped range, where the cast cannot overflow.
bool IsExact(double v)
{
    return std::fabs(v) <= kExactLimit && v == static_cast<double>(static_cast<int64_t>(v));
}

// Turns one row's crossings, given left to right, into its covered runs:
// the pixels from a crossing to the next one are covered when the crossings
// up to the first leave the count inside.  Touching runs join, so each row
// reports disjoint runs in order.
template <bool Winding>
class RowRuns {
public:
    explicit RowRuns(int y) : m_y(y) {}

    // A crossing at pixel bound x of weight edges of summed direction dir.
    void Cross(int x, int dir, int weight, const PolygonScan::SpanFunction &span)
    {
        if (m_inside && m_lastX < x)
            Covered(m_lastX, x, span);
        m_count += Winding ? dir : weight;
        m_inside = Winding ? m_count != 0 : (m_count & 1) != 0;
        m_lastX = x;
    }
    void Finish(const PolygonScan::SpanFunction &span)
    {
        if (m_open)
            span(m_y, m_runStart, m_runEnd);
    }

private:
    void Covered(int x0, int x1, const PolygonScan::SpanFunction &span)
    {
        if (m_open && x0 <= m_runEnd) {
            m_runEnd = std::max(m_runEnd, x1);
            return;
        }
        if (m_open)
            span(m_y, m_runStart, m_runEnd);
        m_open = true;
        m_runStart = x0;
        m_runEnd = x1;
    }

    int m_y;
    int m_count = 0;
    bool m_inside = false;
    int m_lastX = 0;
    bool m_open = false;
    int m_runStart = 0, m_runEnd = 0;
};

// The working lists of one scan, kept from scan to scan on each thread so
// that drawing many small figures does not allocate for each; a scan started
// from inside another one's span callback gets lists of its own.
struct ScanLists {
    std::vector<Edge> edges;
    std::vector<Edge *> byTop;
    std::vector<ActiveEdge> active;
    std::vector<int> leftDirs, leftWeights;
    bool inUse = false;
};

class ScanListsLease {
public:
    ScanListsLease() : m_lists(Shared().inUse ? m_own : Shared())
    {
        m_lists.inUse = true;
        m_lists.edges.clear();
        m_lists.byTop.clear();
        m_lists.active.clear();
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

// How far a figure's edges reach, and whether they are stepped exactly.
struct Extent {
    double minX = kCoordLimit, maxX = -kCoordLimit, minY = kCoordLimit, maxY = -kCoordLimit;
    bool exact = true;
};

// The polygons' edges that cross rows, each pointing down, with their
// vertices held within the coordinate limit; edges with a NaN end and
// horizontal edges are left out.
Extent CollectEdges(const PolygonScan::Polygons &polygons, std::vector<Edge> &edges)
{
    Extent extent;
    for (const auto &poly : polygons) {
        size_t n = poly.size();
        for (size_t i = 0; i < n; ++i) {
            QPointF a = poly[i], b = poly[i + 1 == n ? 0 : i + 1];
            if (std::isnan(a.x()) || std::isnan(a.y()) || std::isnan(b.x()) || std::isnan(b.y()))
                continue;
            double ax = std::clamp(a.x(), -kCoordLimit, kCoordLimit), ay = std::clamp(a.y(), -kCoordLimit, kCoordLimit);
            double bx = std::clamp(b.x(), -kCoordLimit, kCoordLimit), by = std::clamp(b.y(), -kCoordLimit, kCoordLimit);
            if (ay == by)
                continue;
            extent.exact = extent.exact && IsExact(ax) && IsExact(ay) && IsExact(bx) && IsExact(by);
            if (ay < by)
                edges.emplace_back(ax, ay, bx, by, 1);
            else
                edges.emplace_back(bx, by, ax, ay, -1);
            extent.minY = std::min(extent.minY, std::min(ay, by));
            extent.maxY = std::max(extent.maxY, std::max(ay, by));
            extent.minX = std::min(extent.minX, std::min(ax, bx));
            extent.maxX = std::max(extent.maxX, std::max(ax, bx));
        }
    }
    return extent;
}

// What the row loop works with.
struct RowScan {
    ScanLists &lists;
    const PolygonScan::SpanFunction &span;
    int yStart = 0, yEnd = 0;
    int xFrom = 0, xTo = 0;
    bool leftEdges = false;    // edges left of the columns were set aside
    bool endAtColumns = false; // the columns end before the last int
};

// The rows [yStart, yEnd): the edges starting on a row join the active
// ones, those ended above it leave, and the others' bounds make its runs.
template <bool Exact, bool Winding>
void ScanRows(const RowScan &scan)
{
    const std::vector<Edge *> &byTop = scan.lists.byTop;
    std::vector<ActiveEdge> &active = scan.lists.active;
    size_t next = 0;
    int leftDir = 0, leftWeight = 0;
    for (int y = scan.yStart; y < scan.yEnd; ++y) {
        while (next < byTop.size() && byTop[next]->y0 <= y) {
            Edge *e = byTop[next++];
            if (Exact)
                e->StartExact(y);
            else
                e->StartFormula(y);
            active.push_back({0, e->dir, e->endRow, e});
        }
        size_t kept = 0;
        for (const ActiveEdge &a : active) {
            if (a.endRow <= y)
                continue;
            Edge *e = a.edge;
            int x;
            if (Exact) {
                x = e->ExactBound();
                e->StepExact();
            } else {
                x = e->vertical ? e->fixedBound : e->BoundAt(y);
            }
            active[kept++] = {std::clamp(x, scan.xFrom, scan.xTo), a.dir, a.endRow, e};
        }
        active.resize(kept);
        SortActive(active);
        RowRuns<Winding> runs(y);
        if (scan.leftEdges) {
            leftDir += scan.lists.leftDirs[y - scan.yStart];
            leftWeight += scan.lists.leftWeights[y - scan.yStart];
            if (leftWeight != 0)
                runs.Cross(scan.xFrom, leftDir, leftWeight, scan.span);
        }
        for (const ActiveEdge &a : active)
            runs.Cross(a.x, a.dir, 1, scan.span);
        if (scan.endAtColumns)
            runs.Cross(scan.xTo, 0, 0, scan.span);
        runs.Finish(scan.span);
    }
}

} // namespace

namespace PolygonScan {

void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo, SpanFunction span)
{
    Scan(polygons, winding, yFrom, yTo, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), span);
}

void Scan(const Polygons &polygons, bool winding, int yFrom, int yTo, int xFrom, int xTo, SpanFunction span)
{
    if (xFrom >= xTo)
        return;
    ScanListsLease lease;
    ScanLists &lists = lease.Lists();
    const Extent extent = CollectEdges(polygons, lists.edges);
    if (lists.edges.empty())
        return;
    RowScan scan{lists, span};
    scan.yStart = std::max(Ceil(extent.minY), yFrom);
    scan.yEnd = std::min(Ceil(extent.maxY), yTo);
    if (scan.yStart >= scan.yEnd)
        return;
    scan.xFrom = xFrom;
    scan.xTo = xTo;
    // A figure within the columns (the common case) has no edge to set aside.
    const bool withinColumns = extent.minX > xFrom && extent.maxX < xTo;
    scan.leftEdges = !withinColumns && SetAsideOutsideEdges(lists.edges, scan.yStart, scan.yEnd, xFrom, xTo,
                                                            lists.leftDirs, lists.leftWeights);
    // A run still open after the last edge crossing the columns (the edges
    // right of them were not looked at) ends at the columns' end.
    scan.endAtColumns = xTo != std::numeric_limits<int>::max();
    // The edges stay where they are; their addresses are sorted by the row
    // they start on.
    for (Edge &e : lists.edges)
        lists.byTop.push_back(&e);
    std::sort(lists.byTop.begin(), lists.byTop.end(), [](const Edge *a, const Edge *b) { return a->y0 < b->y0; });
    if (extent.exact)
        winding ? ScanRows<true, true>(scan) : ScanRows<true, false>(scan);
    else
        winding ? ScanRows<false, true>(scan) : ScanRows<false, false>(scan);
}

} // namespace PolygonScan
