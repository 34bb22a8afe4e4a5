// The path stroker's outline of a polyline for pens whose caps and joins
// have no curves (flat or square caps, bevelled or mitred joins), made
// without the stroker: the same offset lines, joins and caps in the same
// order from the same floating-point operations, so the filled outline
// covers exactly the stroker's pixels.  The stroker's own cost lies in its
// paths (one allocation after another) and in two arc tangents at every
// join to tell its inner side from its outer one; here the turn's sign
// tells the sides apart wherever it leaves no doubt, and the stroker's
// angle test decides only the nearly straight and the nearly reversed turns.
#include "framework/gdi/PenOutline.h"

#include "framework/gdi/GdiConstants.h"

#include <QLineF>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Coordinates beyond this are left to the stroker: the turn products below
// stay exact in 64 bits, and offsets of half a pen stay far above rounding.
constexpr int kMaxCoordinate = 1 << 24;
// Wider pens are rare and left to the stroker.
constexpr int kMaxWidth = 16;
// The stroker's miter limit, in pen widths (see ConfigureStroker).
constexpr double kMiterLimit = 10;

enum class JoinMode { Flat, Square, Miter };

// The sine of a turn below which its side is decided by the stroker's own
// angle test: nearly straight or nearly reversed turns.
constexpr double kClearTurnSine = 1e-3;

// How a join's sides relate, where the turn between two segments decides it.
enum class Turn { Unknown, Inner, Outer };

// The turn from direction a to direction b.  Each side is offset to the
// left of its travel (on the screen, y down), so the side is the inner one
// (its offset lines cross) when the turn is counter-clockwise on the screen;
// unknown when the turn is too slight or too sharp to be sure of.
Turn TurnBetween(QPoint a, QPoint b)
{
    const int64_t cross = int64_t(a.x()) * b.y() - int64_t(a.y()) * b.x();
    const double lengths =
        (double(a.x()) * a.x() + double(a.y()) * a.y()) * (double(b.x()) * b.x() + double(b.y()) * b.y());
    const double c = double(cross);
    if (c * c <= kClearTurnSine * kClearTurnSine * lengths)
        return Turn::Unknown;
    return cross < 0 ? Turn::Inner : Turn::Outer;
}

// The figure as the stroker takes it in (repeated points dropped, a closed
// figure led back to its start), with each segment's direction as integers
// and its length, which both sides share.
struct Figure {
    std::vector<QPointF> points;
    std::vector<QPoint> directions;
    std::vector<double> lengths;
};

// Builds the outline polygon by polygon as the stroker emits it, keeping the
// stroker's last two points, which its joins start from.
class OutlineBuilder {
public:
    OutlineBuilder(double width, JoinMode join, JoinMode cap, size_t pointsPerPolygon)
        : m_width(width), m_join(join), m_cap(cap), m_pointsPerPolygon(pointsPerPolygon)
    {
    }

    void Side(const Figure &figure, bool reverse, bool capFirst, bool closed, QLineF &startTangent);
    void Join(QPointF focal, const QLineF &next, JoinMode mode, Turn turn);
    void MoveTo(QPointF p)
    {
        m_out.emplace_back();
        m_out.back().reserve(m_pointsPerPolygon);
        LineTo(p);
    }
    void LineTo(QPointF p)
    {
        m_back2 = m_back1;
        m_back1 = p;
        std::vector<QPointF> &polygon = m_out.back();
        if (polygon.empty() || polygon.back() != p)
            polygon.push_back(p);
    }
    PenOutline::Polygons Take() { return std::move(m_out); }
    JoinMode CapMode() const { return m_cap; }
    // A cap joins a segment's offset line to its reverse, offset to the
    // other side: the two are parallel up to rounding, half a pen apart, so
    // the stroker's angle test finds the short cut at right angles to them
    // (90 degrees within far less than its fuzzy margin) and the lines
    // crossing nowhere near: the outer side, whose flat cap is a straight
    // line across.  A square cap does not ask.
    Turn CapTurn() const { return Turn::Outer; }

private:
    bool IsInner(const QLineF &prev, const QLineF &next, Turn turn, bool wantIntersection,
                 QLineF::IntersectionType &type, QPointF &isect) const;
    void MiterJoin(const QLineF &prev, const QLineF &next, QLineF::IntersectionType type, QPointF isect);
    void SquareCap(const QLineF &prev, const QLineF &next);

    double m_width;
    JoinMode m_join;
    JoinMode m_cap;
    size_t m_pointsPerPolygon;
    QPointF m_back1{0, 0};
    QPointF m_back2{0, 0};
    PenOutline::Polygons m_out;
};

// Whether the join is on the inner side of the turn, where the stroker runs
// through the focal point instead of joining.  The stroker's angle test when
// the turn leaves doubt; the intersection of the offset lines is worked out
// for it or when the join wants it.
bool OutlineBuilder::IsInner(const QLineF &prev, const QLineF &next, Turn turn, bool wantIntersection,
                             QLineF::IntersectionType &type, QPointF &isect) const
{
    if (turn == Turn::Inner)
        return true;
    if (turn == Turn::Outer && !wantIntersection)
        return false;
    type = prev.intersects(next, &isect);
    if (turn == Turn::Outer)
        return false;
    const QLineF shortCut(prev.p2(), next.p1());
    const qreal angle = shortCut.angleTo(prev);
    return type == QLineF::BoundedIntersection || (angle > 90 && !qFuzzyCompare(angle, qreal(90)));
}

// The stroker's miter: through the offset lines' crossing, or, where that
// lies beyond the limit (or nowhere), through both lines lengthened by it.
void OutlineBuilder::MiterJoin(const QLineF &prev, const QLineF &next, QLineF::IntersectionType type, QPointF isect)
{
    const double limit = m_width * kMiterLimit;
    bool tooLong = type == QLineF::NoIntersection;
    if (!tooLong) {
        const double dx = isect.x() - m_back1.x(), dy = isect.y() - m_back1.y();
        const double squared = dx * dx + dy * dy;
        // Only a miter within a hair of the limit needs the stroker's length.
        if (squared > limit * limit * (1 - 1e-9))
            tooLong = QLineF(m_back1, isect).length() > limit;
    }
    if (tooLong) {
        QLineF l1(prev);
        l1.setLength(limit);
        l1.translate(prev.dx(), prev.dy());
        QLineF l2(next);
        l2.setLength(limit);
        l2.translate(-l2.dx(), -l2.dy());
        LineTo(l1.p2());
        LineTo(l2.p1());
    } else {
        LineTo(isect);
    }
    LineTo(next.p1());
}

// The stroker's square cap: half a pen on past the end, across, and back.
void OutlineBuilder::SquareCap(const QLineF &prev, const QLineF &next)
{
    const qreal offset = m_width / 2;
    QLineF l1(prev);
    const qreal dp = QPointF::dotProduct(QPointF(prev.dx(), prev.dy()), QPointF(next.dx(), next.dy()));
    if (dp > 0)
        l1 = QLineF(prev.p2(), prev.p1());
    else
        l1.translate(l1.dx(), l1.dy());
    l1.setLength(offset);
    QLineF l2(next.p2(), next.p1());
    l2.translate(l2.dx(), l2.dy());
    l2.setLength(offset);
    LineTo(l1.p2());
    LineTo(l2.p2());
    LineTo(l2.p1());
}

// Joins the last offset line to the next one around the focal point, with
// a join or (at a figure's ends) a cap.
void OutlineBuilder::Join(QPointF focal, const QLineF &next, JoinMode mode, Turn turn)
{
    // Points already connected are not joined.
    if (qFuzzyCompare(m_back1.x(), next.x1()) && qFuzzyCompare(m_back1.y(), next.y1()))
        return;
    const QLineF prev(m_back2, m_back1);
    if (mode == JoinMode::Square) {
        SquareCap(prev, next);
        return;
    }
    QLineF::IntersectionType type = QLineF::NoIntersection;
    QPointF isect;
    if (IsInner(prev, next, turn, mode == JoinMode::Miter, type, isect)) {
        LineTo(focal);
        LineTo(next.p1());
        return;
    }
    if (mode == JoinMode::Miter)
        MiterJoin(prev, next, type, isect);
    else
        LineTo(next.p1());
}

// One side of the outline: the offset line of each segment, joined to the
// one before; the first one starts a polygon or is capped onto the other
// side.  Returns through startTangent the first offset line.
void OutlineBuilder::Side(const Figure &figure, bool reverse, bool capFirst, bool closed, QLineF &startTangent)
{
    const size_t n = figure.points.size();
    const qreal offset = m_width / 2;
    auto at = [&](size_t i) { return figure.points[reverse ? n - 1 - i : i]; };
    auto segment = [&](size_t i) { return reverse ? n - 2 - i : i; };
    // The direction of segment i of this side, as integers.
    auto direction = [&](size_t i) { return reverse ? -figure.directions[segment(i)] : figure.directions[segment(i)]; };
    for (size_t i = 0; i + 1 < n; ++i) {
        QLineF line(at(i), at(i + 1));
        const QLineF normal = line.normalVector();
        // The normal's setLength(offset), its length (the segment's, which
        // the sign of the offsets leaves alone) worked out once for both.
        const double length = figure.lengths[segment(i)];
        const QPointF shift(normal.x1() + offset * (normal.dx() / length) - normal.x1(),
                            normal.y1() + offset * (normal.dy() / length) - normal.y1());
        line.translate(shift.x(), shift.y());
        if (i == 0) {
            if (capFirst)
                Join(at(0), line, m_cap, CapTurn());
            else
                MoveTo(line.p1());
            startTangent = line;
        } else {
            Join(at(i), line, m_join, TurnBetween(direction(i - 1), direction(i)));
        }
        LineTo(line.p2());
    }
    if (closed)
        Join(at(n - 1), startTangent, m_join, TurnBetween(direction(n - 2), direction(0)));
}

JoinMode CapMode(const PenData &pen)
{
    return (pen.style & PS_ENDCAP_MASK) == PS_ENDCAP_SQUARE ? JoinMode::Square : JoinMode::Flat;
}

bool HasCurves(const PenData &pen, bool closed)
{
    const UINT cap = pen.style & PS_ENDCAP_MASK, join = pen.style & PS_JOIN_MASK;
    const bool roundCaps = cap != PS_ENDCAP_SQUARE && cap != PS_ENDCAP_FLAT;
    return (join != PS_JOIN_BEVEL && join != PS_JOIN_MITER) || (!closed && roundCaps);
}

// Segments shorter than this on both axes take their lengths from a table.
constexpr int kTabledLength = 64;

// The length of a segment, as QLineF::length of its normal (dy, -dx) works
// it out: std::hypot, which is not the rounded square root of the sum of
// squares, and whose sign-blind result the table keeps for short segments,
// the most common in drawings.
double SegmentLength(QPoint d)
{
    static const std::vector<double> table = [] {
        std::vector<double> lengths(kTabledLength * kTabledLength);
        for (int dx = 0; dx < kTabledLength; ++dx)
            for (int dy = 0; dy < kTabledLength; ++dy)
                lengths[size_t(dx * kTabledLength + dy)] = std::hypot(double(dy), double(-dx));
        return lengths;
    }();
    const int dx = std::abs(d.x()), dy = std::abs(d.y());
    if (dx < kTabledLength && dy < kTabledLength)
        return table[size_t(dx * kTabledLength + dy)];
    return std::hypot(double(d.y()), double(-d.x()));
}

void AddSegment(Figure &figure, QPoint from, QPoint to)
{
    const QPoint d = to - from;
    figure.directions.push_back(d);
    figure.lengths.push_back(SegmentLength(d));
    figure.points.emplace_back(to);
}

// The figure of the points, FALSE for coordinates too far out.
bool FigurePoints(const std::vector<QPoint> &points, bool closed, Figure &figure)
{
    figure.points.reserve(points.size() + 1);
    figure.directions.reserve(points.size());
    figure.lengths.reserve(points.size());
    QPoint last;
    for (size_t i = 0; i < points.size(); ++i) {
        const QPoint p = points[i];
        if (p.x() < -kMaxCoordinate || p.x() > kMaxCoordinate || p.y() < -kMaxCoordinate || p.y() > kMaxCoordinate)
            return false;
        if (i == 0)
            figure.points.emplace_back(p);
        else if (p != last)
            AddSegment(figure, last, p);
        last = p;
    }
    if (closed && last != points.front())
        AddSegment(figure, last, points.front());
    return true;
}

} // namespace

namespace PenOutline {

bool LineOutline(const std::vector<QPoint> &points, bool closed, const PenData &pen, int width, Polygons &out)
{
    if (points.empty() || width < 1 || width > kMaxWidth || !IsSolidLine(pen))
        return false;
    Figure figure;
    if (!FigurePoints(points, closed, figure))
        return false;
    const std::vector<QPointF> &at = figure.points;
    // The stroker takes a figure that comes back to its start as closed.
    const bool loop = at.size() > 1 && at.front() == at.back();
    if (HasCurves(pen, loop))
        return false;
    if (at.size() == 1) {
        // The stroker hands a lone point back as it stands.
        out = {{at.front()}};
        return true;
    }
    const JoinMode join = (pen.style & PS_JOIN_MASK) == PS_JOIN_MITER ? JoinMode::Miter : JoinMode::Flat;
    // At most four points for each segment and its join, and three for a
    // cap; an open figure's two sides make one polygon.
    const size_t sides = loop ? 1 : 2;
    OutlineBuilder builder(width, join, CapMode(pen), sides * (4 * at.size() + 3));
    QLineF forwardStart, backwardStart;
    builder.Side(figure, false, false, loop, forwardStart);
    builder.Side(figure, true, !loop, loop, backwardStart);
    if (!loop)
        builder.Join(at.front(), forwardStart, builder.CapMode(), builder.CapTurn());
    out = builder.Take();
    return true;
}

} // namespace PenOutline
