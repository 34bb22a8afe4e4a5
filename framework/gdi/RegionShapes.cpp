// Regions from shapes, built row by row: runs of equal consecutive rows
// become one band of rectangles.
#include "framework/gdi/RegionShapes.h"

#include "framework/gdi/Saturate.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Regions taller than this are refused (cut to it) so a hostile shape
// cannot make an unbounded region.
constexpr int kMaxExtent = 1 << 16;

class RegionBuilder {
public:
    void Add(int y, int x0, int x1)
    {
        if (y != m_rowY) {
            Flush();
            m_rowY = y;
        }
        m_row.emplace_back(x0, x1);
    }

    QRegion Finish()
    {
        Flush();
        CloseBand();
        QRegion region;
        if (!m_rects.empty())
            region.setRects(m_rects.data(), static_cast<int>(m_rects.size()));
        return region;
    }

private:
    using Row = std::vector<std::pair<int, int>>;

    void Flush()
    {
        if (m_rowY == kNoRow)
            return;
        if (m_bandRows > 0 && m_row == m_band && m_rowY == m_bandTop + m_bandRows) {
            ++m_bandRows;
        } else {
            CloseBand();
            m_band = m_row;
            m_bandTop = m_rowY;
            m_bandRows = 1;
        }
        m_row.clear();
        m_rowY = kNoRow;
    }

    void CloseBand()
    {
        for (const auto &[x0, x1] : m_band)
            m_rects.emplace_back(x0, m_bandTop, x1 - x0, m_bandRows);
        m_band.clear();
        m_bandRows = 0;
    }

    static constexpr int kNoRow = -2147483647 - 1;
    int m_rowY = kNoRow;
    Row m_row;
    Row m_band;
    int m_bandTop = 0;
    int m_bandRows = 0;
    std::vector<QRect> m_rects;
};

} // namespace

namespace RegionShapes {

QRegion Polygons(const PolygonScan::Polygons &polygons, bool winding)
{
    double top = 0, bottom = 0;
    bool any = false;
    for (const auto &poly : polygons)
        for (const QPointF &p : poly) {
            if (std::isnan(p.y()))
                continue;
            top = any ? std::min(top, p.y()) : p.y();
            bottom = any ? std::max(bottom, p.y()) : p.y();
            any = true;
        }
    if (!any)
        return QRegion();
    int yFrom = static_cast<int>(std::max(std::floor(top), -static_cast<double>(kMaxExtent)));
    int yTo = static_cast<int>(std::min(std::ceil(bottom), static_cast<double>(kMaxExtent)));
    RegionBuilder builder;
    PolygonScan::Scan(polygons, winding, yFrom, yTo, [&](int y, int x0, int x1) {
        x0 = std::clamp(x0, -kMaxExtent, kMaxExtent);
        x1 = std::clamp(x1, -kMaxExtent, kMaxExtent);
        if (x0 < x1)
            builder.Add(y, x0, x1);
    });
    return builder.Finish();
}

QRegion Box(const BoxShape &shape)
{
    if (shape.IsEmpty())
        return QRegion();
    BoxShape s = shape;
    s.left = std::clamp(s.left, -1.0 * kMaxExtent, 1.0 * kMaxExtent);
    s.right = std::clamp(s.right, -1.0 * kMaxExtent, 1.0 * kMaxExtent);
    s.top = std::clamp(s.top, -1.0 * kMaxExtent, 1.0 * kMaxExtent);
    s.bottom = std::clamp(s.bottom, -1.0 * kMaxExtent, 1.0 * kMaxExtent);
    RegionBuilder builder;
    for (int y = static_cast<int>(std::floor(s.top)); y < static_cast<int>(std::ceil(s.bottom)); ++y) {
        int x0, x1;
        if (s.Row(y, x0, x1))
            builder.Add(y, x0, x1);
    }
    return builder.Finish();
}

QRegion Frame(const QRegion &region, int w, int h)
{
    QRegion inner = region;
    inner &= region.translated(w, 0);
    inner &= region.translated(-w, 0);
    inner &= region.translated(0, h);
    inner &= region.translated(0, -h);
    return region.subtracted(inner);
}

QRegion ToDevice(const QRegion &region, const CoordinateMapping &mapping)
{
    if (mapping.IsIdentity())
        return region;
    QRegion out;
    for (const QRect &r : region) {
        POINT a = mapping.ToDevice(POINT{r.left(), r.top()});
        POINT b = mapping.ToDevice(POINT{Saturate::ToInt(r.right() + 1LL), Saturate::ToInt(r.bottom() + 1LL)});
        // Both edges saturated to one end of the range: nothing of it is
        // within the coordinates.
        if (a.x == b.x || a.y == b.y)
            continue;
        out += QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                     QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1));
    }
    return out;
}

} // namespace RegionShapes
