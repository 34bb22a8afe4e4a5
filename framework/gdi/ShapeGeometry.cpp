// Device-space point lists of curves.
#include <QPainterPath>

#include "framework/gdi/ShapeGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

void Append(std::vector<QPoint> &out, double x, double y)
{
    QPoint p(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    if (out.empty() || out.back() != p)
        out.push_back(p);
}

} // namespace

namespace ShapeGeometry {

std::vector<QPoint> Arc(const QRect &box, QPoint start, QPoint end, bool clockwise)
{
    std::vector<QPoint> out;
    // In double: a box across the whole coordinate range overflows int.
    const double left = box.left(), top = box.top(), right = box.right(), bottom = box.bottom();
    double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0) {
        Append(out, cx, cy);
        return out;
    }
    // Angles of the radial lines, measured counter-clockwise on the screen.
    double a0 = std::atan2(-(start.y() - cy) * rx, (start.x() - cx) * ry);
    double a1 = std::atan2(-(end.y() - cy) * rx, (end.x() - cx) * ry);
    double sweep = clockwise ? a0 - a1 : a1 - a0;
    if (sweep <= 0)
        sweep += 2 * M_PI;
    if (clockwise)
        sweep = -sweep;
    int steps = static_cast<int>(std::clamp(std::ceil(std::fabs(sweep) * std::max(rx, ry) / 2), 4.0, 4096.0));
    for (int i = 0; i <= steps; ++i) {
        double a = a0 + sweep * i / steps;
        Append(out, cx + rx * std::cos(a), cy - ry * std::sin(a));
    }
    return out;
}

std::vector<QPoint> FlattenBeziers(const std::vector<QPoint> &points)
{
    std::vector<QPoint> out;
    if (points.empty())
        return out;
    out.push_back(points[0]);
    for (size_t i = 0; i + 3 < points.size(); i += 3) {
        QPointF p0 = points[i], p1 = points[i + 1], p2 = points[i + 2], p3 = points[i + 3];
        double len = QLineF(p0, p1).length() + QLineF(p1, p2).length() + QLineF(p2, p3).length();
        // Clamped before the conversion: curves across the whole coordinate
        // range are longer than an int counts.
        int steps = static_cast<int>(std::clamp(len / 2, 2.0, 1024.0));
        for (int s = 1; s <= steps; ++s) {
            double t = static_cast<double>(s) / steps, u = 1 - t;
            QPointF p = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
            Append(out, p.x(), p.y());
        }
    }
    return out;
}

std::vector<QPoint> Outline(const BoxShape &shape)
{
    std::vector<QPoint> out;
    if (shape.kind == BoxShape::Rect) {
        // From the top right pixel anticlockwise, as the platform's dashed
        // outlines run; a side of one pixel leaves the loop running back
        // over itself, and a single pixel leaves one point.
        const double right = shape.right - 1, bottom = shape.bottom - 1;
        Append(out, right, shape.top);
        Append(out, shape.left, shape.top);
        Append(out, shape.left, bottom);
        Append(out, right, bottom);
        if (out.size() > 1 && out.front() == out.back())
            out.pop_back();
        return out;
    }
    QRectF r(QPointF(shape.left, shape.top), QPointF(shape.right - 1, shape.bottom - 1));
    QPainterPath path;
    switch (shape.kind) {
    case BoxShape::Rect: path.addRect(r); break;
    case BoxShape::Ellipse: path.addEllipse(r); break;
    case BoxShape::RoundRect: path.addRoundedRect(r, shape.cornerWidth / 2, shape.cornerHeight / 2); break;
    }
    for (const QPolygonF &poly : path.toSubpathPolygons())
        for (const QPointF &p : poly)
            Append(out, p.x(), p.y());
    if (out.size() > 1 && out.front() == out.back())
        out.pop_back();
    return out;
}

} // namespace ShapeGeometry
