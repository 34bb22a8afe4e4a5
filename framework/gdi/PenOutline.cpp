// Pen outlines: the path stroker for every pen, and rectangles for the
// thin outlines along horizontal and vertical lines that diagrams are mostly
// made of (frames, elbow connectors), which the stroker makes far slower.
#include "framework/gdi/PenOutline.h"

#include "framework/gdi/GdiConstants.h"

#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>

namespace {

void ConfigureStroker(QPainterPathStroker &stroker, const PenData &pen, int width)
{
    stroker.setWidth(width);
    switch (pen.style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE: stroker.setCapStyle(Qt::SquareCap); break;
    case PS_ENDCAP_FLAT: stroker.setCapStyle(Qt::FlatCap); break;
    default: stroker.setCapStyle(Qt::RoundCap); break;
    }
    switch (pen.style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL: stroker.setJoinStyle(Qt::BevelJoin); break;
    case PS_JOIN_MITER:
        stroker.setJoinStyle(Qt::MiterJoin);
        stroker.setMiterLimit(10);
        break;
    default: stroker.setJoinStyle(Qt::RoundJoin); break;
    }
    if (pen.IsGeometric()) {
        switch (pen.DashStyle()) {
        case PS_DASH: stroker.setDashPattern(QList<qreal>{3, 1}); break;
        case PS_DOT: stroker.setDashPattern(QList<qreal>{1, 1}); break;
        case PS_DASHDOT: stroker.setDashPattern(QList<qreal>{3, 1, 1, 1}); break;
        case PS_DASHDOTDOT: stroker.setDashPattern(QList<qreal>{3, 1, 1, 1, 1, 1}); break;
        case PS_USERSTYLE: {
            QList<qreal> dashes;
            for (DWORD d : pen.userStyle)
                dashes << std::max(1.0, static_cast<double>(d) / width);
            if (dashes.size() % 2)
                dashes << dashes.back();
            stroker.setDashPattern(dashes);
            break;
        }
        default: break;
        }
    }
}

// Segment a -> b is horizontal or vertical and not empty.
bool IsAxisSegment(QPoint a, QPoint b)
{
    return a != b && (a.x() == b.x() || a.y() == b.y());
}

// Segments a -> b and b -> c meet at a right angle.
bool IsRightTurn(QPoint a, QPoint b, QPoint c)
{
    return (a.x() == b.x()) != (b.x() == c.x());
}

// Segment a -> b widened by half a pixel, lengthened by half a pixel at an
// end that is a join or a square cap; its corners in one turning sense, so
// that overlapping rectangles add up under the winding rule.
std::vector<QPointF> SegmentRectangle(QPoint a, QPoint b, bool extendA, bool extendB)
{
    double x0 = a.x(), y0 = a.y(), x1 = b.x(), y1 = b.y();
    const double ea = extendA ? 0.5 : 0.0, eb = extendB ? 0.5 : 0.0;
    if (a.y() == b.y()) {
        if (x0 < x1)
            x0 -= ea, x1 += eb;
        else
            x0 += ea, x1 -= eb;
        y0 -= 0.5;
        y1 += 0.5;
    } else {
        if (y0 < y1)
            y0 -= ea, y1 += eb;
        else
            y0 += ea, y1 -= eb;
        x0 -= 0.5;
        x1 += 0.5;
    }
    const double left = std::min(x0, x1), right = std::max(x0, x1);
    const double top = std::min(y0, y1), bottom = std::max(y0, y1);
    return {QPointF(left, top), QPointF(right, top), QPointF(right, bottom), QPointF(left, bottom)};
}

} // namespace

namespace PenOutline {

bool IsSolidLine(const PenData &pen)
{
    if (pen.extended && pen.brush.lbStyle == BS_HATCHED)
        return false;
    const int dash = pen.DashStyle();
    return dash == PS_SOLID || dash == PS_INSIDEFRAME || !pen.IsGeometric();
}

bool AxisOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, Polygons &out)
{
    const UINT cap = pen.style & PS_ENDCAP_MASK;
    if (width != 1 || !IsSolidLine(pen) || (!closed && cap != PS_ENDCAP_FLAT && cap != PS_ENDCAP_SQUARE))
        return false;
    const size_t n = points.size();
    if (n < 2 || (closed && (n < 4 || points.front() == points.back())))
        return false;
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const QPoint a = points[i], b = points[(i + 1) % n];
        if (!IsAxisSegment(a, b))
            return false;
        if ((closed || i + 1 < segments) && !IsRightTurn(a, b, points[(i + 2) % n]))
            return false;
    }
    const bool squareCaps = cap == PS_ENDCAP_SQUARE;
    Polygons rectangles;
    rectangles.reserve(segments);
    for (size_t i = 0; i < segments; ++i) {
        const bool joinAtStart = closed || i > 0;
        const bool joinAtEnd = closed || i + 1 < segments;
        rectangles.push_back(
            SegmentRectangle(points[i], points[(i + 1) % n], joinAtStart || squareCaps, joinAtEnd || squareCaps));
    }
    out = std::move(rectangles);
    return true;
}

namespace {

// The stroke of the path as polygons: every subpath one closed polygon,
// which filled together under the winding rule cover what the stroke
// covers.  Curves (round caps and joins) are flattened by the path.
Polygons OutlinePath(const QPainterPath &path, const PenData &pen, int width, double dashOffset)
{
    QPainterPathStroker stroker;
    ConfigureStroker(stroker, pen, width);
    stroker.setDashOffset(dashOffset);
    const QPainterPath outline = stroker.createStroke(path);
    Polygons polygons;
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element &e = outline.elementAt(i);
        if (e.isCurveTo()) {
            polygons.clear();
            for (const QPolygonF &poly : outline.toSubpathPolygons())
                polygons.emplace_back(poly.begin(), poly.end());
            return polygons;
        }
        if (e.isMoveTo() || polygons.empty())
            polygons.emplace_back();
        polygons.back().emplace_back(e.x, e.y);
    }
    return polygons;
}

} // namespace

Polygons StrokerOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width)
{
    if (points.empty())
        return {};
    QPainterPath path;
    path.reserve(static_cast<int>(points.size()) + 1);
    path.moveTo(points[0]);
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    if (closed)
        path.closeSubpath();
    return OutlinePath(path, pen, width, 0);
}

Polygons StrokerOutline(const std::vector<QPointF> &points, const PenData &pen, int width, double startLength)
{
    if (points.empty())
        return {};
    QPainterPath path;
    path.reserve(static_cast<int>(points.size()));
    path.moveTo(points[0]);
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    // The stroker's dash offset counts in pen widths.
    return OutlinePath(path, pen, width, width > 0 ? startLength / width : 0);
}

Polygons Outline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width)
{
    Polygons polygons;
    if (DirectOutline(points, closed, pen, width, polygons))
        return polygons;
    return StrokerOutline(points, closed, pen, width);
}

bool DirectOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, Polygons &out)
{
    return AxisOutline(points, closed, pen, width, out) || LineOutline(points, closed, pen, width, out);
}

bool CoversBox(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, const QRect &box)
{
    // Only a geometric pen draws its dashes wide.
    const bool dashed = pen.IsGeometric() && pen.DashStyle() != PS_SOLID && pen.DashStyle() != PS_INSIDEFRAME;
    if (points.size() < 2 || box.isEmpty() || dashed)
        return false;
    const UINT join = pen.style & PS_JOIN_MASK, cap = pen.style & PS_ENDCAP_MASK;
    const bool roundJoins = join != PS_JOIN_BEVEL && join != PS_JOIN_MITER;
    const bool roundCaps = cap != PS_ENDCAP_SQUARE && cap != PS_ENDCAP_FLAT;
    if (!roundJoins || (!closed && !roundCaps))
        return false;
    // The flattened discs fall short of the true ones by less than this.
    const double reach = width / 2.0 - 2.0 - width * 1e-3;
    if (reach <= 0)
        return false;
    const double corners[4][2] = {{double(box.left()), double(box.top())},
                                  {double(box.right()) + 1, double(box.top())},
                                  {double(box.left()), double(box.bottom()) + 1},
                                  {double(box.right()) + 1, double(box.bottom()) + 1}};
    for (const QPoint &p : points) {
        bool holds = true;
        for (const auto &c : corners) {
            const double dx = c[0] - p.x(), dy = c[1] - p.y();
            holds = holds && dx * dx + dy * dy <= reach * reach;
        }
        if (holds)
            return true;
    }
    return false;
}

} // namespace PenOutline
