// The pixel engine: spans, polygons, box shapes and cosmetic lines.
#include "framework/gdi/Raster.h"

#include "framework/gdi/PolygonScan.h"
#include "framework/gdi/Saturate.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cwchar>

namespace {

// Runs up to this many pixels are filled without a library call.
constexpr std::ptrdiff_t kShortRun = 8;

// A pixel coordinate from a computed edge, held within the coordinates
// (a shape far past the target has edges beyond them).
int ToPixel(double v)
{
    return Saturate::ToInt(v);
}

// Pixels whose centre x + 0.5 lies in [from, to).
void CentreSpan(double from, double to, int &x0, int &x1)
{
    x0 = ToPixel(std::ceil(from - 0.5));
    x1 = ToPixel(std::ceil(to - 0.5));
}

// Writes one value to a run of 32-bit pixels.  wchar_t is 32 bits wide
// here, and the C library's wmemset uses the widest stores the processor
// has, where a plain loop gets whatever the compiler's baseline allows.
void FillPixels(uint32_t *first, uint32_t *last, uint32_t value)
{
    // The runs along a thin outline are a pixel or a few: written in place,
    // they cost less than the call.
    if (last - first <= kShortRun) {
        for (uint32_t *p = first; p != last; ++p)
            *p = value;
        return;
    }
    static_assert(sizeof(wchar_t) == sizeof(uint32_t), "wmemset fills 32-bit pixels");
    std::wmemset(reinterpret_cast<wchar_t *>(first), static_cast<wchar_t>(value), static_cast<size_t>(last - first));
}

// Combines one pen colour with a run of pixels (an inverting outline, a
// masked fill): the same word-by-word sum Put makes, in a loop without a
// branch that the compiler vectorises.
void CombineSolid(uint32_t *first, uint32_t *last, const Rop2::FixedPen pen, const PixelStore store)
{
    for (uint32_t *p = first; p != last; ++p)
        *p = store.Store(pen(*p));
}

// Calls fill(y, x0, x1) for the runs of shape minus hole on the rows
// rowFrom <= y < rowTo; a run may be empty.
template <typename Fill>
void ShapeRuns(const BoxShape &shape, const BoxShape *hole, int rowFrom, int rowTo, Fill fill)
{
    int yStart = std::max(ToPixel(std::floor(shape.top)), rowFrom);
    int yEnd = std::min(ToPixel(std::ceil(shape.bottom)), rowTo);
    for (int y = yStart; y < yEnd; ++y) {
        int x0, x1;
        if (!shape.Row(y, x0, x1))
            continue;
        int h0, h1;
        if (hole && hole->Row(y, h0, h1) && h1 > h0) {
            fill(y, x0, std::min(x1, h0));
            fill(y, std::max(x0, h1), x1);
        } else {
            fill(y, x0, x1);
        }
    }
}

int FloorMod(int a, int m)
{
    int r = a % m;
    return r < 0 ? r + m : r;
}

} // namespace

bool BoxShape::Row(int y, int &x0, int &x1) const
{
    double yc = y + 0.5;
    if (IsEmpty() || yc < top || yc >= bottom)
        return false;
    if (kind == Rect) {
        CentreSpan(left, right, x0, x1);
        return x1 > x0;
    }
    double rx = kind == Ellipse ? (right - left) / 2 : std::min(cornerWidth, right - left) / 2;
    double ry = kind == Ellipse ? (bottom - top) / 2 : std::min(cornerHeight, bottom - top) / 2;
    double inset = 0;
    if (rx > 0 && ry > 0) {
        double cy = -1;
        if (yc < top + ry)
            cy = top + ry;
        else if (yc > bottom - ry)
            cy = bottom - ry;
        if (cy >= 0 || kind == Ellipse) {
            if (kind == Ellipse)
                cy = (top + bottom) / 2;
            double dy = (yc - cy) / ry;
            double root = 1 - dy * dy;
            if (root <= 0)
                return false;
            inset = rx - rx * std::sqrt(root);
        }
    }
    CentreSpan(left + inset, right - inset, x0, x1);
    return x1 > x0;
}

BoxShape BoxShape::Deflated(double dx, double dy) const
{
    BoxShape s = *this;
    s.left += dx;
    s.right -= dx;
    s.top += dy;
    s.bottom -= dy;
    s.cornerWidth = std::max(0.0, cornerWidth - 2 * dx);
    s.cornerHeight = std::max(0.0, cornerHeight - 2 * dy);
    return s;
}

RasterTarget::RasterTarget(QImage &image, const QRegion *clip, PixelStore store, bool trackWrites)
    : m_store(store), m_trackWrites(trackWrites), m_written(image.height()),
      m_bits(reinterpret_cast<uint32_t *>(image.bits())), m_stride(image.bytesPerLine() / 4),
      m_bounds(0, 0, image.width(), image.height())
{
    if (!clip) {
        if (!m_bounds.isEmpty())
            m_rects.push_back(m_bounds);
        return;
    }
    for (const QRect &r : *clip) {
        QRect c = r.intersected(m_bounds);
        if (!c.isEmpty())
            m_rects.push_back(c);
    }
}

bool RasterTarget::Visible(int x, int y) const
{
    for (const QRect &r : m_rects)
        if (r.contains(x, y))
            return true;
    return false;
}

uint32_t RasterTarget::Pixel(int x, int y) const
{
    return m_bits[y * m_stride + x] & 0xFFFFFFu;
}

void RasterTarget::PlotPixel(int x, int y, uint32_t color, int rop2)
{
    if (!Visible(x, y))
        return;
    Put(m_bits[y * m_stride + x], color, rop2);
    if (m_trackWrites)
        m_written.Add(y, x, x + 1);
}

void RasterTarget::Span(int y, int x0, int x1, const FillPaint &paint, const QRect &clipRect)
{
    int from = std::max(x0, clipRect.left());
    int to = std::min(x1, clipRect.right() + 1);
    if (from >= to)
        return;
    uint32_t *row = m_bits + y * m_stride;
    if (m_trackWrites)
        m_written.Add(y, from, to);
    if (paint.solid) {
        if (paint.rop2 == R2_COPYPEN) {
            FillPixels(row + from, row + to, m_store.Store(paint.color));
            return;
        }
        CombineSolid(row + from, row + to, Rop2::FixedPen(paint.rop2, paint.color), m_store);
        return;
    }
    int ty = FloorMod(y - paint.originY, paint.tileHeight);
    const uint32_t *tileRow = paint.tile.data() + ty * paint.tileWidth;
    const uint8_t *skipRow = paint.skip.data() + ty * paint.tileWidth;
    int tx = FloorMod(from - paint.originX, paint.tileWidth);
    if (paint.rop2 == R2_COPYPEN) {
        const PixelStore store = m_store;
        for (int x = from; x < to; ++x) {
            if (!skipRow[tx])
                row[x] = store.Store(tileRow[tx]);
            if (++tx == paint.tileWidth)
                tx = 0;
        }
        return;
    }
    for (int x = from; x < to; ++x) {
        if (!skipRow[tx])
            Put(row[x], tileRow[tx], paint.rop2);
        if (++tx == paint.tileWidth)
            tx = 0;
    }
}

void RasterTarget::FillSpan(int y, int x0, int x1, const FillPaint &paint)
{
    if (paint.none || x0 >= x1)
        return;
    for (const QRect &r : m_rects)
        if (y >= r.top() && y <= r.bottom())
            Span(y, x0, x1, paint, r);
}

void RasterTarget::FillRect(const QRect &rect, const FillPaint &paint)
{
    if (paint.none || rect.isEmpty())
        return;
    for (const QRect &clipRect : m_rects) {
        QRect c = rect.intersected(clipRect);
        for (int y = c.top(); y <= c.bottom(); ++y)
            Span(y, c.left(), c.right() + 1, paint, clipRect);
    }
}

void RasterTarget::FillPolygons(const std::vector<std::vector<QPointF>> &polygons, bool winding, const FillPaint &paint)
{
    if (paint.none || m_rects.empty())
        return;
    if (m_rects.size() == 1) {
        // One clip rectangle (the common case): the scan is cut to it, so
        // each run goes straight into its row.
        const QRect clip = m_rects.front();
        PolygonScan::Scan(polygons, winding, clip.top(), clip.bottom() + 1, clip.left(), clip.right() + 1,
                          [&](int y, int x0, int x1) { Span(y, x0, x1, paint, clip); });
        return;
    }
    PolygonScan::Scan(polygons, winding, m_bounds.top(), m_bounds.bottom() + 1, m_bounds.left(), m_bounds.right() + 1,
                      [&](int y, int x0, int x1) { FillSpan(y, x0, x1, paint); });
}

void RasterTarget::FillShape(const BoxShape &shape, const BoxShape *hole, const FillPaint &paint)
{
    if (paint.none || shape.IsEmpty() || m_rects.empty())
        return;
    if (m_rects.size() == 1) {
        // One clip rectangle (the common case): only its rows are worked
        // out, and each run goes straight into its row.
        const QRect clip = m_rects.front();
        ShapeRuns(shape, hole, clip.top(), clip.bottom() + 1, [&](int y, int x0, int x1) {
            if (x0 < x1)
                Span(y, x0, x1, paint, clip);
        });
        return;
    }
    ShapeRuns(shape, hole, m_bounds.top(), m_bounds.bottom() + 1,
              [&](int y, int x0, int x1) { FillSpan(y, x0, x1, paint); });
}

void RasterTarget::Segment(QPoint a, QPoint b, bool includeEnd, const LinePaint &paint, size_t &dashIndex,
                           int &dashLeft)
{
    long long dx = std::llabs(static_cast<long long>(b.x()) - a.x());
    long long dy = std::llabs(static_cast<long long>(b.y()) - a.y());
    int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
    long long steps = std::max(dx, dy) + (includeEnd ? 1 : 0);
    // Bresenham on the major axis: after i steps the minor axis has moved
    // minor * i / major pixels, rounded to the nearest. Where that is a half,
    // the smaller coordinate wins in every octant: the offset rounds down
    // when the minor axis runs toward larger coordinates, up otherwise:
    // floor((2 * minor * i + major - tieBias) / (2 * major)).
    bool xMajor = dx >= dy;
    long long major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    long long tieBias = (xMajor ? sy : sx) > 0 ? 1 : 0;
    // Only the steps whose major coordinate can be on the image are walked;
    // the dash pattern is advanced over the rest.
    long long lo = xMajor ? m_bounds.left() : m_bounds.top();
    long long hi = xMajor ? m_bounds.right() : m_bounds.bottom();
    long long start = xMajor ? a.x() : a.y();
    int dir = xMajor ? sx : sy;
    long long first = dir > 0 ? lo - start : start - hi;
    long long last = dir > 0 ? hi - start : start - lo;
    first = std::max(first, 0LL);
    last = std::min(last, steps - 1);
    long long pattern = 0;
    for (int d : paint.dashes)
        pattern += d;
    auto advanceDash = [&](long long count) {
        if (paint.dashes.empty() || count <= 0)
            return;
        count %= pattern;
        while (count > 0) {
            long long take = std::min<long long>(count, dashLeft);
            dashLeft -= static_cast<int>(take);
            count -= take;
            if (dashLeft <= 0) {
                dashIndex = (dashIndex + 1) % paint.dashes.size();
                dashLeft = paint.dashes[dashIndex];
            }
        }
    };
    if (first > last) {
        advanceDash(steps);
        return;
    }
    advanceDash(first);
    // The products reach 2^66 for a line across the whole coordinate range:
    // 128 bits hold them; the offset and the error term fit 64 bits again.
    using Wide = __int128;
    const Wide twoMinor = 2 * static_cast<Wide>(minor), twoMajor = 2 * static_cast<Wide>(major);
    long long m = major == 0 ? 0 : static_cast<long long>((twoMinor * first + major - tieBias) / twoMajor);
    long long err = static_cast<long long>(twoMinor * (first + 1) - major - twoMajor * m);
    long long x = a.x() + (xMajor ? sx * first : sx * m);
    long long y = a.y() + (xMajor ? sy * m : sy * first);
    for (long long i = first; i <= last; ++i) {
        bool on = true;
        if (!paint.dashes.empty()) {
            on = (dashIndex % 2) == 0;
            if (--dashLeft <= 0) {
                dashIndex = (dashIndex + 1) % paint.dashes.size();
                dashLeft = paint.dashes[dashIndex];
            }
        }
        if (x >= m_bounds.left() && x <= m_bounds.right() && y >= m_bounds.top() && y <= m_bounds.bottom()) {
            if (on)
                PlotPixel(static_cast<int>(x), static_cast<int>(y), paint.color, paint.rop2);
            else if (paint.fillGaps)
                PlotPixel(static_cast<int>(x), static_cast<int>(y), paint.gapColor, paint.rop2);
        }
        if (err >= tieBias) { // the next step's offset has reached m + 1
            if (xMajor)
                y += sy;
            else
                x += sx;
            err -= 2 * major;
        }
        if (xMajor)
            x += sx;
        else
            y += sy;
        err += 2 * minor;
    }
    advanceDash(steps - 1 - last);
}

void RasterTarget::CosmeticPolyline(const std::vector<QPoint> &points, bool closed, bool drawLast,
                                    const LinePaint &paint)
{
    if (paint.none || points.empty() || m_rects.empty())
        return;
    size_t dashIndex = 0;
    int dashLeft = paint.dashes.empty() ? 0 : paint.dashes[0];
    size_t n = points.size();
    if (n == 1) {
        if (drawLast)
            PlotPixel(points[0].x(), points[0].y(), paint.color, paint.rop2);
        return;
    }
    size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        bool last = i + 1 == segments;
        Segment(points[i], points[(i + 1) % n], last && drawLast && !closed, paint, dashIndex, dashLeft);
    }
}
