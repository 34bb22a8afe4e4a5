// CDC: lines, curves, filled shapes, pixels and rectangle fills.
#include "framework/gdi/EmfHooks.h"
#include <QPainterPath>

#include "framework/gdi/CDC.h"
#include "framework/gdi/PenClip.h"
#include "framework/gdi/PenOutline.h"
#include "framework/gdi/Renderer.h"
#include "framework/gdi/Saturate.h"
#include "framework/gdi/ShapeGeometry.h"
#include "framework/gdi/Stroking.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <cmath>

namespace {

// Point lists longer than this are refused (a bad count must not allocate without bound).
constexpr int kMaxPoints = 1 << 22;

QPoint Device(HDC h, int x, int y)
{
    POINT p = h->state.mapping.ToDevice(POINT{x, y});
    return QPoint(p.x, p.y);
}

std::vector<QPoint> DevicePoints(HDC h, const POINT *points, int count)
{
    std::vector<QPoint> out;
    out.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        out.push_back(Device(h, points[i].x, points[i].y));
    return out;
}

// The device box of two logical corners, as [left, right) x [top, bottom).
QRect DeviceBox(HDC h, int x1, int y1, int x2, int y2)
{
    QPoint a = Device(h, x1, y1), b = Device(h, x2, y2);
    // The exclusive edge steps back one pixel.
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(Saturate::Decrement(std::max(a.x(), b.x())), Saturate::Decrement(std::max(a.y(), b.y()))));
}

// The pen's width in device pixels. Width 0 and cosmetic pens made by
// ExtCreatePen are one pixel whatever the mapping; other widths are logical
// units and scale with it.
int DevicePenWidth(HDC h, const PenData &pen)
{
    if (!pen.IsGeometric() && (pen.width == 0 || pen.extended))
        return 1;
    const int width = Saturate::Round(h->state.mapping.LengthToDeviceX(pen.width));
    return std::max(width, 1);
}

bool IsCosmetic(HDC h, const PenData &pen)
{
    return !pen.IsGeometric() && DevicePenWidth(h, pen) == 1;
}

FillPaint PenFill(HDC h, const PenData &pen)
{
    Paints::Context ctx = h->PaintContext();
    if (pen.pattern)
        return Paints::ForBrush(pen.pattern.get(), ctx);
    if (pen.extended && pen.brush.lbStyle == BS_HATCHED) {
        BrushData hatch;
        hatch.style = BS_HATCHED;
        hatch.color = pen.brush.lbColor;
        hatch.hatch = static_cast<int>(pen.brush.lbHatch);
        return Paints::ForBrush(&hatch, ctx);
    }
    return Paints::ForSolid(Paints::Resolve(pen.color, ctx.palette, ctx.dibColours), ctx.rop2, ctx.mono);
}

// The size of a signed extent; the lowest int has no positive twin and
// counts as the highest.
int Magnitude(int v)
{
    if (v == std::numeric_limits<int>::min())
        return std::numeric_limits<int>::max();
    return v < 0 ? -v : v;
}

bool IsDashedGeometric(const PenData &pen)
{
    if (!pen.IsGeometric())
        return false;
    switch (pen.DashStyle()) {
    case PS_DASH:
    case PS_DOT:
    case PS_DASHDOT:
    case PS_DASHDOTDOT:
    case PS_USERSTYLE: return true;
    default: return false;
    }
}

// A dashed wide pen's outline of only the runs of the figure near the
// target, so the cost follows what can show, not the figure's length.  The
// box keeps every cut far enough out that no cap, join or miter (ten half
// widths at most) at a cut reaches the target.  FALSE when the figure lies
// wholly in the box or the pen is not dashed: it is outlined as it stands.
bool DashedOutlineNearTarget(HDC h, const std::vector<QPoint> &points, bool closed, const PenData &pen, int width,
                             PenOutline::Polygons &polygons)
{
    if (!IsDashedGeometric(pen))
        return false;
    const QRect visible = h->VisibleRegion().boundingRect();
    if (visible.isEmpty())
        return false;
    const double margin = 6.0 * width + 4;
    const QRectF box = QRectF(visible).adjusted(-margin, -margin, margin, margin);
    std::vector<PenClip::Run> runs;
    if (!PenClip::ClipToBox(points, closed, box, runs))
        return false;
    for (const PenClip::Run &run : runs) {
        PenOutline::Polygons part = PenOutline::StrokerOutline(run.points, pen, width, run.startLength);
        polygons.insert(polygons.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    }
    return true;
}

// Outlines a device-space polyline with the selected pen.
void Stroke(HDC h, Renderer &r, const std::vector<QPoint> &points, bool closed)
{
    const PenData *pen = h->state.pen.get();
    if (!pen || pen->IsNull() || points.empty())
        return;
    if (IsCosmetic(h, *pen)) {
        std::vector<QPoint> pts;
        for (const QPoint &p : points)
            if (pts.empty() || pts.back() != p)
                pts.push_back(p);
        r.CosmeticPolyline(pts, closed, false, Paints::ForCosmeticPen(pen, h->PaintContext()));
        return;
    }
    const int width = DevicePenWidth(h, *pen);
    PenOutline::Polygons polygons;
    // The direct outlines take neither the dashed pens nor the round-joined
    // ones that the target's box is asked about, so the box is left alone
    // for the thin solid outlines most drawings are made of.
    if (!PenOutline::DirectOutline(points, closed, *pen, width, polygons)) {
        const QRect visible = h->VisibleRegion().boundingRect();
        if (PenOutline::CoversBox(points, closed, *pen, width, visible)) {
            const QRectF box(visible);
            r.FillPolygons({{box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()}}, true,
                           PenFill(h, *pen));
            return;
        }
        if (!DashedOutlineNearTarget(h, points, closed, *pen, width, polygons))
            polygons = PenOutline::StrokerOutline(points, closed, *pen, width);
    }
    r.FillPolygons(polygons, true, PenFill(h, *pen));
}

// A dashed one-pixel outline follows the figure as a closed line, the dash
// pattern starting afresh: nothing for an empty figure.  A rectangle one
// pixel wide or tall runs its loop back over itself (a single pixel draws
// nothing); other figures that thin are a single line with both ends.
void DashedOutline(Renderer &r, const BoxShape &shape, const LinePaint &paint)
{
    if (shape.IsEmpty())
        return;
    if (shape.kind != BoxShape::Rect && (shape.right - shape.left <= 1 || shape.bottom - shape.top <= 1)) {
        QPoint from(static_cast<int>(shape.left), static_cast<int>(shape.top));
        QPoint to(static_cast<int>(shape.right) - 1, static_cast<int>(shape.bottom) - 1);
        std::vector<QPoint> line{from};
        if (to != from)
            line.push_back(to);
        r.CosmeticPolyline(line, false, true, paint);
        return;
    }
    r.CosmeticPolyline(ShapeGeometry::Outline(shape), true, false, paint);
}

FillPaint BrushFill(HDC h)
{
    return Paints::ForBrush(h->state.brush.get(), h->PaintContext());
}

// Draws a box shape outlined by the pen and filled by the brush, each pixel
// once: the pen covers a ring, the brush what the ring encloses.
BOOL DrawBoxShape(HDC h, BoxShape shape)
{
    auto r = Renderer::For(h);
    if (!r)
        return FALSE;
    const PenData *pen = h->state.pen.get();
    if (!pen || pen->IsNull()) {
        // Without a pen the figure is one pixel smaller in width and height.
        shape.right -= 1;
        shape.bottom -= 1;
        r->FillShape(shape, nullptr, BrushFill(h));
        return TRUE;
    }
    int w = DevicePenWidth(h, *pen);
    // A one-pixel rectangle of a one-pixel pen draws nothing, solid or
    // dashed.
    if (w == 1 && shape.kind == BoxShape::Rect && shape.right - shape.left == 1 && shape.bottom - shape.top == 1)
        return TRUE;
    if (w > 1 && pen->DashStyle() != PS_INSIDEFRAME) {
        // A wide pen is centred on the figure's outline.
        shape.left -= w / 2;
        shape.top -= w / 2;
        shape.right += (w - 1) / 2;
        shape.bottom += (w - 1) / 2;
        shape.cornerWidth += w - 1;
        shape.cornerHeight += w - 1;
    }
    BoxShape inner = shape.Deflated(w, w);
    r->FillShape(inner, nullptr, BrushFill(h));
    if (w == 1 && pen->DashStyle() != PS_SOLID && pen->DashStyle() != PS_INSIDEFRAME) {
        DashedOutline(*r, shape, Paints::ForCosmeticPen(pen, h->PaintContext()));
        return TRUE;
    }
    r->FillShape(shape, &inner, PenFill(h, *pen));
    return TRUE;
}

BoxShape MakeBox(HDC h, BoxShape::Kind kind, int x1, int y1, int x2, int y2)
{
    QRect box = DeviceBox(h, x1, y1, x2, y2);
    BoxShape s;
    s.kind = kind;
    s.left = box.left();
    s.top = box.top();
    s.right = box.right() + 1;
    s.bottom = box.bottom() + 1;
    return s;
}

// The device-space arc between the radial lines through two points.
std::vector<QPoint> ArcPoints(HDC h, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    QRect box = DeviceBox(h, x1, y1, x2, y2);
    return ShapeGeometry::Arc(box, Device(h, x3, y3), Device(h, x4, y4), h->state.arcDirection == AD_CLOCKWISE);
}

// The path being recorded, or NULL when drawing calls draw.
GdiPath *Recording(HDC h)
{
    return h && h->state.path.recording ? &h->state.path : nullptr;
}

QPoint CurrentDevice(HDC h)
{
    return Device(h, h->state.currentPos.x, h->state.currentPos.y);
}

// Moves the current position without ending the path's open figure.
void SetPosition(CDC *dc, POINT p)
{
    for (HDC h : {dc->m_hDC, dc->m_hAttribDC})
        if (h)
            h->state.currentPos = p;
}

std::vector<QPoint> Corners(const QRect &box)
{
    int r = box.right() + 1, b = box.bottom() + 1;
    return {box.topLeft(), QPoint(r, box.top()), QPoint(r, b), QPoint(box.left(), b)};
}

// Four Bezier quarters of the ellipse in [left, right) x [top, bottom).
void RecordEllipse(GdiPath &path, const QRect &box)
{
    const double k = 0.5522847498;
    double l = box.left(), t = box.top(), r = box.right() + 1.0, b = box.bottom() + 1.0;
    double cx = (l + r) / 2, cy = (t + b) / 2, rx = (r - l) / 2, ry = (b - t) / 2;
    auto at = [](double x, double y) { return QPoint(Saturate::Round(x), Saturate::Round(y)); };
    std::vector<QPoint> pts = {at(r, cy),          at(r, cy - k * ry), at(cx + k * rx, t), at(cx, t),
                               at(cx - k * rx, t), at(l, cy - k * ry), at(l, cy),          at(l, cy + k * ry),
                               at(cx - k * rx, b), at(cx, b),          at(cx + k * rx, b), at(r, cy + k * ry),
                               at(r, cy)};
    path.ClosedFigure(pts, std::vector<BYTE>(12, PT_BEZIERTO));
}

void RecordRoundRect(GdiPath &path, const QRect &box, double cw, double ch)
{
    QPainterPath outline;
    // The size in double: a box across the whole coordinate range is wider
    // than an int holds.
    const double left = box.left(), top = box.top();
    outline.addRoundedRect(QRectF(left, top, box.right() + 1.0 - left, box.bottom() + 1.0 - top), cw / 2, ch / 2);
    for (const QPolygonF &poly : outline.toSubpathPolygons()) {
        std::vector<QPoint> pts;
        for (const QPointF &p : poly) {
            QPoint q(Saturate::Round(p.x()), Saturate::Round(p.y()));
            if (pts.empty() || pts.back() != q)
                pts.push_back(q);
        }
        if (pts.size() > 1 && pts.front() == pts.back())
            pts.pop_back();
        path.ClosedFigure(pts, {});
    }
}

} // namespace

void StrokeDevicePolyline(HDC h, Renderer &r, const std::vector<QPoint> &points, bool closed)
{
    Stroke(h, r, points, closed);
}

FillPaint BrushPaint(HDC h)
{
    return BrushFill(h);
}

CPoint CDC::GetCurrentPosition() const
{
    HDC h = m_hAttribDC ? m_hAttribDC : m_hDC;
    return h ? CPoint(h->state.currentPos) : CPoint();
}

CPoint CDC::MoveTo(int x, int y)
{
    CPoint previous = GetCurrentPosition();
    if (EmfRecorder *recorder = RecorderOf(m_hDC))
        recorder->MoveTo(x, y);
    for (HDC h : {m_hDC, m_hAttribDC})
        if (h)
            h->state.currentPos = POINT{x, y};
    if (GdiPath *path = Recording(m_hDC))
        path->Move();
    return previous;
}

BOOL CDC::LineTo(int x, int y)
{
    if (!m_hDC)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->LineTo(x, y);
        SetPosition(this, POINT{x, y});
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->LineTo(CurrentDevice(m_hDC), Device(m_hDC, x, y));
        SetPosition(this, POINT{x, y});
        return TRUE;
    }
    POINT pts[2] = {m_hDC->state.currentPos, POINT{x, y}};
    BOOL ok = Polyline(pts, 2);
    MoveTo(x, y);
    return ok;
}

BOOL CDC::Polyline(const POINT *lpPoints, int nCount)
{
    if (!m_hDC || !lpPoints || nCount < 2 || nCount > kMaxPoints)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Points(Emf::POLYLINE, lpPoints, nCount);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->Lines(DevicePoints(m_hDC, lpPoints, nCount), false, QPoint());
        return TRUE;
    }
    auto r = Renderer::For(m_hDC);
    if (!r)
        return FALSE;
    Stroke(m_hDC, *r, DevicePoints(m_hDC, lpPoints, nCount), false);
    return TRUE;
}

BOOL CDC::PolylineTo(const POINT *lpPoints, int nCount)
{
    if (!m_hDC || !lpPoints || nCount < 1 || nCount > kMaxPoints)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Points(Emf::POLYLINETO, lpPoints, nCount);
        SetPosition(this, lpPoints[nCount - 1]);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->Lines(DevicePoints(m_hDC, lpPoints, nCount), true, CurrentDevice(m_hDC));
        SetPosition(this, lpPoints[nCount - 1]);
        return TRUE;
    }
    std::vector<POINT> pts;
    pts.push_back(m_hDC->state.currentPos);
    pts.insert(pts.end(), lpPoints, lpPoints + nCount);
    BOOL ok = Polyline(pts.data(), static_cast<int>(pts.size()));
    MoveTo(lpPoints[nCount - 1].x, lpPoints[nCount - 1].y);
    return ok;
}

BOOL CDC::PolyBezier(const POINT *lpPoints, int nCount)
{
    if (!m_hDC || !lpPoints || nCount < 4 || (nCount - 1) % 3 != 0 || nCount > kMaxPoints)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Points(Emf::POLYBEZIER, lpPoints, nCount);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->Beziers(DevicePoints(m_hDC, lpPoints, nCount), false, QPoint());
        return TRUE;
    }
    auto r = Renderer::For(m_hDC);
    if (!r)
        return FALSE;
    std::vector<QPoint> device = DevicePoints(m_hDC, lpPoints, nCount);
    Stroke(m_hDC, *r, ShapeGeometry::FlattenBeziers(device), false);
    return TRUE;
}

BOOL CDC::PolyBezierTo(const POINT *lpPoints, int nCount)
{
    if (!m_hDC || !lpPoints || nCount < 3 || nCount % 3 != 0 || nCount > kMaxPoints)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Points(Emf::POLYBEZIERTO, lpPoints, nCount);
        SetPosition(this, lpPoints[nCount - 1]);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->Beziers(DevicePoints(m_hDC, lpPoints, nCount), true, CurrentDevice(m_hDC));
        SetPosition(this, lpPoints[nCount - 1]);
        return TRUE;
    }
    std::vector<POINT> pts;
    pts.push_back(m_hDC->state.currentPos);
    pts.insert(pts.end(), lpPoints, lpPoints + nCount);
    BOOL ok = PolyBezier(pts.data(), static_cast<int>(pts.size()));
    MoveTo(lpPoints[nCount - 1].x, lpPoints[nCount - 1].y);
    return ok;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (!m_hDC)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->ArcFigure(Emf::ARC, x1, y1, x2, y2, x3, y3, x4, y4);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->Lines(ArcPoints(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4), false, QPoint());
        return TRUE;
    }
    auto r = Renderer::For(m_hDC);
    if (!r)
        return FALSE;
    Stroke(m_hDC, *r, ArcPoints(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4), false);
    return TRUE;
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return lpRect
               ? Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y)
               : FALSE;
}

BOOL CDC::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (!m_hDC)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->ArcFigure(Emf::ARCTO, x1, y1, x2, y2, x3, y3, x4, y4);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        std::vector<QPoint> arc = ArcPoints(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
        if (arc.empty())
            return FALSE;
        path->Lines(arc, true, CurrentDevice(m_hDC));
        POINT end{arc.back().x(), arc.back().y()};
        DPtoLP(&end);
        SetPosition(this, end);
        return TRUE;
    }
    auto r = Renderer::For(m_hDC);
    if (!r)
        return FALSE;
    std::vector<QPoint> arc = ArcPoints(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    if (arc.empty())
        return FALSE;
    std::vector<QPoint> pts;
    pts.push_back(Device(m_hDC, m_hDC->state.currentPos.x, m_hDC->state.currentPos.y));
    pts.insert(pts.end(), arc.begin(), arc.end());
    Stroke(m_hDC, *r, pts, false);
    POINT end{arc.back().x(), arc.back().y()};
    DPtoLP(&end);
    MoveTo(end.x, end.y);
    return TRUE;
}

BOOL CDC::AngleArc(int x, int y, int nRadius, float fStartAngle, float fSweepAngle)
{
    if (!m_hDC || nRadius < 0)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->AngleArc(x, y, nRadius, fStartAngle, fSweepAngle);
        return TRUE;
    }
    auto r = Renderer::For(m_hDC);
    if (!r)
        return FALSE;
    std::vector<QPoint> pts;
    pts.push_back(Device(m_hDC, m_hDC->state.currentPos.x, m_hDC->state.currentPos.y));
    double sweep = std::clamp(static_cast<double>(fSweepAngle), -3600.0, 3600.0);
    // The steps are bounded before they become an int: a long sweep of a
    // large radius asks for more than an int holds.
    const int steps = static_cast<int>(std::clamp(std::fabs(sweep) / 360.0 * nRadius * 2, 8.0, 4096.0));
    POINT last{x, y};
    for (int i = 0; i <= steps; ++i) {
        double a = (fStartAngle + sweep * i / steps) * M_PI / 180.0;
        last = POINT{Saturate::Round(x + nRadius * std::cos(a)), Saturate::Round(y - nRadius * std::sin(a))};
        QPoint d = Device(m_hDC, last.x, last.y);
        if (pts.back() != d)
            pts.push_back(d);
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->Lines(std::vector<QPoint>(pts.begin() + 1, pts.end()), true, pts.front());
        SetPosition(this, last);
        return TRUE;
    }
    Stroke(m_hDC, *r, pts, false);
    MoveTo(last.x, last.y);
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Box(Emf::RECTANGLE, x1, y1, x2, y2);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        path->ClosedFigure(Corners(DeviceBox(m_hDC, x1, y1, x2, y2)), {});
        return TRUE;
    }
    return m_hDC ? DrawBoxShape(m_hDC, MakeBox(m_hDC, BoxShape::Rect, x1, y1, x2, y2)) : FALSE;
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    if (!m_hDC)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->RoundRect(x1, y1, x2, y2, x3, y3);
        return TRUE;
    }
    BoxShape s = MakeBox(m_hDC, BoxShape::RoundRect, x1, y1, x2, y2);
    SIZE corner = m_hDC->state.mapping.SizeToDevice(SIZE{Magnitude(x3), Magnitude(y3)});
    s.cornerWidth = corner.cx;
    s.cornerHeight = corner.cy;
    if (GdiPath *path = Recording(m_hDC)) {
        RecordRoundRect(*path, DeviceBox(m_hDC, x1, y1, x2, y2), s.cornerWidth, s.cornerHeight);
        return TRUE;
    }
    return DrawBoxShape(m_hDC, s);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return lpRect ? RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y) : FALSE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Box(Emf::ELLIPSE, x1, y1, x2, y2);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        RecordEllipse(*path, DeviceBox(m_hDC, x1, y1, x2, y2));
        return TRUE;
    }
    return m_hDC ? DrawBoxShape(m_hDC, MakeBox(m_hDC, BoxShape::Ellipse, x1, y1, x2, y2)) : FALSE;
}

static BOOL DrawClosedArcFigure(CDC *dc, bool pie, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    HDC h = dc->m_hDC;
    if (!h)
        return FALSE;
    auto r = Renderer::For(h);
    if (!r)
        return FALSE;
    std::vector<QPoint> pts = ArcPoints(h, x1, y1, x2, y2, x3, y3, x4, y4);
    if (pie) {
        QRect box = DeviceBox(h, x1, y1, x2, y2);
        // The centre in 64 bits: a box may span the whole int range.
        pts.push_back(QPoint(static_cast<int>((static_cast<long long>(box.left()) + box.right()) / 2),
                             static_cast<int>((static_cast<long long>(box.top()) + box.bottom()) / 2)));
    }
    if (GdiPath *path = Recording(h)) {
        path->ClosedFigure(pts, {});
        return TRUE;
    }
    std::vector<std::vector<QPointF>> polygon(1);
    for (const QPoint &p : pts)
        polygon[0].emplace_back(p);
    r->FillPolygons(polygon, false, BrushFill(h));
    Stroke(h, *r, pts, true);
    return TRUE;
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->ArcFigure(Emf::PIE, x1, y1, x2, y2, x3, y3, x4, y4);
        return TRUE;
    }
    return DrawClosedArcFigure(this, true, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return lpRect
               ? Pie(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y)
               : FALSE;
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->ArcFigure(Emf::CHORD, x1, y1, x2, y2, x3, y3, x4, y4);
        return TRUE;
    }
    return DrawClosedArcFigure(this, false, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return lpRect
               ? Chord(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y)
               : FALSE;
}

BOOL CDC::Polygon(const POINT *lpPoints, int nCount)
{
    INT counts[1] = {nCount};
    return PolyPolygon(lpPoints, counts, 1);
}

BOOL CDC::PolyPolyline(const POINT *lpPoints, const DWORD *lpPolyPoints, int nCount)
{
    if (!m_hDC || !lpPoints || !lpPolyPoints || nCount < 1 || nCount > kMaxPoints)
        return FALSE;
    long long total = 0;
    std::vector<INT> counts(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        if (lpPolyPoints[i] < 2 || lpPolyPoints[i] > static_cast<DWORD>(kMaxPoints))
            return FALSE;
        counts[static_cast<size_t>(i)] = static_cast<INT>(lpPolyPoints[i]);
        total += lpPolyPoints[i];
    }
    if (total > kMaxPoints)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->PolyPoly(Emf::POLYPOLYLINE, lpPoints, counts.data(), nCount);
        return TRUE;
    }
    const POINT *p = lpPoints;
    for (INT n : counts) {
        Polyline(p, n);
        p += n;
    }
    return TRUE;
}

BOOL CDC::PolyPolygon(const POINT *lpPoints, const INT *lpPolyCounts, int nCount)
{
    if (!m_hDC || !lpPoints || !lpPolyCounts || nCount < 1 || nCount > kMaxPoints)
        return FALSE;
    long long total = 0;
    for (int i = 0; i < nCount; ++i) {
        if (lpPolyCounts[i] < 2)
            return FALSE;
        total += lpPolyCounts[i];
    }
    if (total > kMaxPoints)
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        if (nCount == 1)
            recorder->Points(Emf::POLYGON, lpPoints, lpPolyCounts[0]);
        else
            recorder->PolyPoly(Emf::POLYPOLYGON, lpPoints, lpPolyCounts, nCount);
        return TRUE;
    }
    if (GdiPath *path = Recording(m_hDC)) {
        const POINT *p = lpPoints;
        for (int i = 0; i < nCount; ++i) {
            path->ClosedFigure(DevicePoints(m_hDC, p, lpPolyCounts[i]), {});
            p += lpPolyCounts[i];
        }
        return TRUE;
    }
    auto r = Renderer::For(m_hDC);
    if (!r)
        return FALSE;
    std::vector<std::vector<QPoint>> device;
    std::vector<std::vector<QPointF>> polygons;
    const POINT *p = lpPoints;
    for (int i = 0; i < nCount; ++i) {
        device.push_back(DevicePoints(m_hDC, p, lpPolyCounts[i]));
        polygons.emplace_back(device.back().begin(), device.back().end());
        p += lpPolyCounts[i];
    }
    r->FillPolygons(polygons, m_hDC->state.polyFillMode == WINDING, BrushFill(m_hDC));
    for (const auto &poly : device)
        Stroke(m_hDC, *r, poly, true);
    return TRUE;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    if (!m_hDC)
        return CLR_INVALID;
    QPoint d = Device(m_hDC, x, y);
    if (m_hDC->screen)
        return PlexoScreenPixel(d.x(), d.y());
    auto r = Renderer::For(m_hDC);
    long long px = r ? r->Pixel(d.x(), d.y()) : -1;
    return px < 0 ? CLR_INVALID : Paints::ToColorRef(static_cast<uint32_t>(px));
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    if (!m_hDC)
        return CLR_INVALID;
    uint32_t px = Paints::ToPixel(m_hDC->Colour(crColor));
    return Paints::ToColorRef(m_hDC->IsMono() ? Paints::ToMono(px) : px);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    if (!m_hDC)
        return CLR_INVALID;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Pixel(x, y, crColor);
        return crColor;
    }
    auto r = Renderer::For(m_hDC);
    if (!r)
        return CLR_INVALID;
    QPoint d = Device(m_hDC, x, y);
    uint32_t px = Paints::ToPixel(m_hDC->Colour(crColor));
    if (m_hDC->IsMono())
        px = Paints::ToMono(px);
    if (m_hDC->Image() && !m_hDC->VisibleRegion().contains(d))
        return CLR_INVALID;
    r->SetPixel(d.x(), d.y(), px);
    return Paints::ToColorRef(px);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return SetPixel(x, y, crColor) != CLR_INVALID;
}

static QRect DeviceFillRect(HDC h, LPCRECT lpRect)
{
    return DeviceBox(h, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CDC::FillRect(LPCRECT lpRect, HBRUSH hBrush)
{
    if (!m_hDC || !lpRect)
        return;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->FillWithBrush(*lpRect, hBrush);
        return;
    }
    auto brush = GdiHandles::LookupAs<BrushData>(hBrush, GdiObjectKind::Brush);
    auto r = Renderer::For(m_hDC);
    if (!brush || !r)
        return;
    Paints::Context ctx = m_hDC->PaintContext();
    ctx.rop2 = R2_COPYPEN; // brush fills copy the pattern whatever the drawing mode
    r->FillRect(DeviceFillRect(m_hDC, lpRect), Paints::ForBrush(brush.get(), ctx));
}

void CDC::FillRect(LPCRECT lpRect, CBrush *pBrush)
{
    if (pBrush)
        FillRect(lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (!m_hDC || !lpRect)
        return;
    SetBkColor(clr);
    // As the original records it: an opaque text output of no characters.
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Text(lpRect->left, lpRect->top, ETO_OPAQUE, lpRect, "", 0, nullptr);
        return;
    }
    auto r = Renderer::For(m_hDC);
    if (r)
        r->FillRect(DeviceFillRect(m_hDC, lpRect), Paints::ForSolid(m_hDC->Colour(clr), R2_COPYPEN, m_hDC->IsMono()));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush *pBrush)
{
    if (!m_hDC || !lpRect || !pBrush)
        return;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        // Four bands one logical unit wide, each a brush fill.
        const RECT &r = *lpRect;
        if (r.right <= r.left || r.bottom <= r.top)
            return;
        for (const RECT band :
             {RECT{r.left, r.top, r.right, r.top + 1}, RECT{r.left, r.bottom - 1, r.right, r.bottom},
              RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}})
            if (band.right > band.left && band.bottom > band.top)
                recorder->FillWithBrush(band, pBrush->m_hObject);
        return;
    }
    auto brush = GdiHandles::LookupAs<BrushData>(pBrush->m_hObject, GdiObjectKind::Brush);
    auto r = Renderer::For(m_hDC);
    if (!brush || !r)
        return;
    QRect box = DeviceFillRect(m_hDC, lpRect);
    if (box.isEmpty())
        return;
    // The border is one logical unit wide.
    SIZE unit = m_hDC->state.mapping.SizeToDevice(SIZE{1, 1});
    int bw = std::max<int>(1, unit.cx), bh = std::max<int>(1, unit.cy);
    Paints::Context ctx = m_hDC->PaintContext();
    ctx.rop2 = R2_COPYPEN;
    FillPaint paint = Paints::ForBrush(brush.get(), ctx);
    QRegion frame(box);
    frame -= box.adjusted(bw, bh, -bw, -bh);
    for (const QRect &part : frame)
        r->FillRect(part, paint);
}

void CDC::InvertRect(LPCRECT lpRect)
{
    if (!m_hDC || !lpRect)
        return;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->PatBlt(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                         DSTINVERT);
        return;
    }
    if (auto r = Renderer::For(m_hDC))
        r->InvertPixels(DeviceFillRect(m_hDC, lpRect), false);
}
