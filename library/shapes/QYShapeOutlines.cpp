#include "library/shapes/QYShapeOutlines.h"

#include "library/model/QYEllipseBezier.h"
#include "library/shapes/QYShapeTypes.h"

namespace {

typedef std::vector<std::pair<double, double>> Ratios;

// The rectangle's sides and extents, as the outline rules name them.
struct Frame {
    explicit Frame(const CRect& rc) : L(rc.left), T(rc.top), R(rc.right), B(rc.bottom), W(R - L), H(B - T) {}
    int L, T, R, B, W, H;
};

// The star's inner vertex where the line a-b meets the line c-d.  Parallel
// lines (a rectangle without width or height) have no crossing: the vertex
// then sits on the rectangle's corner.
POINT StarVertex(POINT a, POINT b, POINT c, POINT d, POINT corner)
{
    const double numerator = (double(a.y) - d.y) * (double(d.x) - c.x) - (double(a.x) - d.x) * (double(d.y) - c.y);
    const double denominator = (double(b.x) - a.x) * (double(d.y) - c.y) - (double(b.y) - a.y) * (double(d.x) - c.x);
    if (denominator == 0.0)
        return corner;
    const double t = numerator / denominator;
    return POINT{static_cast<int>(a.x + (double(b.x) - a.x) * t + 0.5),
                 static_cast<int>(a.y + (double(b.y) - a.y) * t + 0.5)};
}

std::vector<POINT> FiveStar(const Frame& f)
{
    std::vector<POINT> p(10);
    p[0] = {f.L + f.W / 2, f.T};
    p[2] = {f.R, f.T + f.H * 2 / 5};
    p[4] = {f.R - f.W / 6, f.B};
    p[6] = {f.L + f.W / 6, f.B};
    p[8] = {f.L, f.T + f.H * 2 / 5};
    const POINT corner = {f.L, f.T};
    p[1] = StarVertex(p[0], p[4], p[8], p[2], corner);
    p[3] = StarVertex(p[0], p[4], p[6], p[2], corner);
    p[5] = StarVertex(p[8], p[4], p[6], p[2], corner);
    p[7] = StarVertex(p[8], p[4], p[6], p[0], corner);
    p[9] = StarVertex(p[8], p[2], p[6], p[0], corner);
    return p;
}

// Appends quarter nQuarter of the ellipse in the box (l, t, r, b).
void AppendQuarter(std::vector<POINT>& out, int l, int t, int r, int b, UINT nQuarter)
{
    const POINT box[2] = {{l, t}, {r, b}};
    POINT arc[QY_ARC_POINTS];
    QYArcToBezier(box, arc, nQuarter);
    out.insert(out.end(), arc, arc + QY_ARC_POINTS);
}

std::vector<POINT> RoundCallout(const Frame& f)
{
    const int mX = (f.L + f.R) / 2;
    const int mY = (f.T + f.B) / 2;
    std::vector<POINT> p;
    p.reserve(18);
    AppendQuarter(p, f.L, f.T, mX, mY, 0);
    AppendQuarter(p, mX, f.T, f.R, mY, 1);
    AppendQuarter(p, mX, mY, f.R, f.B, 2);
    p.push_back({f.L + f.W * 2 / 5, f.B});
    p.push_back({f.L + f.W / 10, f.B + f.H / 5});
    AppendQuarter(p, f.L, mY, mX, f.B, 3);
    return p;
}

std::vector<POINT> Can(const Frame& f)
{
    POINT top[QY_ELLIPSE_POINTS];
    POINT bottom[QY_HALF_ELLIPSE_POINTS];
    QYEllipseToBezier(CRect(f.L, f.T, f.R, f.T + f.H / 5), top);
    QYHalfEllipseToBezier(CRect(f.L, f.B - f.H / 5, f.R, f.B), bottom, FALSE);
    std::vector<POINT> p(top, top + QY_ELLIPSE_POINTS);
    p.insert(p.end(), bottom, bottom + QY_HALF_ELLIPSE_POINTS);
    return p;
}

std::vector<POINT> LeftRightUpArrow(const Frame& f)
{
    const int L = f.L, T = f.T, R = f.R, B = f.B, W = f.W, H = f.H;
    return {{L, B - H * 3 / 10},
            {L + W / 6, T + H * 2 / 5},
            {L + W / 6, T + H * 11 / 20},
            {L + W * 5 / 12, T + H * 11 / 20},
            {L + W * 5 / 12, T + H / 4},
            {L + W / 3, T + H / 4},
            {L + W / 2, T},
            {R - W / 3, T + H / 4},
            {L + W * 7 / 12, T + H / 4},
            {L + W * 7 / 12, T + H * 11 / 20},
            {R - W / 6, T + H * 11 / 20},
            {R - W / 6, T + H * 2 / 5},
            {R, B - H * 3 / 10},
            {R - W / 6, B},
            {R - W / 6, B - H * 3 / 20},
            {L + W / 6, B - H * 3 / 20},
            {L + W / 6, B}};
}

std::vector<POINT> QuadArrow(const Frame& f)
{
    const int L = f.L, T = f.T, R = f.R, B = f.B, W = f.W, H = f.H;
    return {{L, T + H / 2},
            {L + W / 6, T + H / 3},
            {L + W / 6, T + H * 5 / 12},
            {L + W * 5 / 12, T + H * 5 / 12},
            {L + W * 5 / 12, T + H / 6},
            {L + W / 3, T + H / 6},
            {L + W / 2, T},
            {R - W / 3, T + H / 6},
            {L + W * 7 / 12, T + H / 6},
            {L + W * 7 / 12, T + H * 5 / 12},
            {R - W / 6, T + H * 5 / 12},
            {R - W / 6, T + H / 3},
            {R, T + H / 2},
            {R - W / 6, B - H / 3},
            {R - W / 6, T + H * 7 / 12},
            {L + W * 7 / 12, T + H * 7 / 12},
            {L + W * 7 / 12, B - H / 6},
            {R - W / 3, B - H / 6},
            {L + W / 2, B},
            {L + W / 3, B - H / 6},
            {L + W * 5 / 12, B - H / 6},
            {L + W * 5 / 12, T + H * 7 / 12},
            {L + W / 6, T + H * 7 / 12},
            {L + W / 6, B - H / 3}};
}

// The shapes whose outline is a plain list of points.
std::vector<POINT> SimpleOutline(int nType, const Frame& f)
{
    const int L = f.L, T = f.T, R = f.R, B = f.B, W = f.W, H = f.H;
    switch (nType) {
    case QY_COMP_DIAMOND_SHAPE:
        return {{L, (T + B) / 2}, {(L + R) / 2, B}, {R, (T + B) / 2}, {(L + R) / 2, T}, {L, (T + B) / 2}};
    case QY_COMP_TRAPEZOID: return {{L, T}, {R, T}, {R - W / 4, B}, {L + W / 4, B}, {L, T}};
    case QY_COMP_PARALLELOGRAM: return {{L + W / 4, T}, {R, T}, {R - W / 4, B}, {L, B}, {L + W / 4, T}};
    case QY_COMP_TRIANGLE: return {{L + W / 2, T}, {R, B}, {L, B}, {L + W / 2, T}};
    case QY_COMP_RIGHTTRIANGLE: return {{L, T}, {R, B}, {L, B}, {L, T}};
    case QY_COMP_HEXAGON:
        return {{L + W / 4, T}, {R - W / 4, T}, {R, T + H / 2}, {R - W / 4, B}, {L + W / 4, B}, {L, T + H / 2}};
    case QY_COMP_PENTAGON:
        return {{L + W / 2, T}, {R, T + H * 2 / 5}, {R - W / 6, B}, {L + W / 6, B}, {L, T + H * 2 / 5}, {L + W / 2, T}};
    case QY_COMP_CROSS:
        return {{L + W / 8, T},         {R - W / 8, T},         {R - W / 8, T + H / 4}, {R, T + H / 4},
                {R, B - H / 4},         {R - W / 8, B - H / 4}, {R - W / 8, B},         {L + W / 8, B},
                {L + W / 8, B - H / 4}, {L, B - H / 4},         {L, T + H / 4},         {L + W / 8, T + H / 4}};
    case QY_COMP_RIGHTARROW:
        return {{L, T + H / 4}, {R - W / 4, T + H / 4}, {R - W / 4, T}, {R, T + H / 2},
                {R - W / 4, B}, {R - W / 4, B - H / 4}, {L, B - H / 4}};
    case QY_COMP_TOPARROW:
        return {{L, T + H / 4},
                {R - W / 2, T},
                {R, T + H / 4},
                {R - W / 4, T + H / 4},
                {R - W / 4, B},
                {R - W * 3 / 4, B},
                {R - W * 3 / 4, T + H / 4}};
    case QY_COMP_LEFTRIGHTARROW:
        return {{L, T + H / 2}, {L + W / 5, T}, {L + W / 5, T + H / 4}, {R - W / 5, T + H / 4}, {R - W / 5, T},
                {R, T + H / 2}, {R - W / 5, B}, {R - W / 5, B - H / 4}, {L + W / 5, B - H / 4}, {L + W / 5, B}};
    case QY_COMP_UPDOWNARROW:
        return {{L, T + H / 5}, {L + W / 2, T}, {R, T + H / 5}, {R - W / 4, T + H / 5}, {R - W / 4, B - H / 5},
                {R, B - H / 5}, {L + W / 2, B}, {L, B - H / 5}, {L + W / 4, B - H / 5}, {L + W / 4, T + H / 5}};
    case QY_COMP_CORNER: return {{L, T}, {R, T}, {R, B - H / 8}, {R - W / 10, B - H / 8}, {R - W / 8, B}, {L, B}};
    case QY_COMP_RECTCALLOUT:
        return {{L, B}, {L, T}, {R, T}, {R, B}, {L + W * 2 / 5, B}, {L + W / 20, B + H / 5}, {L + W / 5, B}};
    case QY_COMP_CUBE:
        return {{L + W / 4, T},         {R, T},         {R, B - H / 4}, {L + W / 4, B - H / 4}, {L, T + H / 4},
                {R - W / 4, T + H / 4}, {R - W / 4, B}, {L, B}};
    case QY_COMP_BEVEL:
        return {{L, T},
                {R, T},
                {R, B},
                {L, B},
                {L + W / 10, T + H / 6},
                {R - W / 10, T + H / 6},
                {R - W / 10, B - H / 6},
                {L + W / 10, B - H / 6}};
    default: return {};
    }
}

} // namespace

std::vector<POINT> QYBuildShapeOutline(int nType, const CRect& rc)
{
    const Frame f(rc);
    switch (nType) {
    case QY_COMP_LEFTRIGHTUPARROW: return LeftRightUpArrow(f);
    case QY_COMP_QUADARROW: return QuadArrow(f);
    case QY_COMP_FIVESTAR: return FiveStar(f);
    case QY_COMP_ROUNDCALLOUT: return RoundCallout(f);
    case QY_COMP_CAN: return Can(f);
    default: return SimpleOutline(nType, f);
    }
}

std::vector<std::pair<double, double>> QYShapePortRatios(int nType)
{
    Ratios ratios = {{0.5, 0.5}};
    Ratios more;
    switch (nType) {
    case QY_COMP_ELLIPSE:
    case QY_COMP_DIAMOND_SHAPE:
    case QY_COMP_TOPARROW: more = {{0, 0.5}, {0.5, 1}, {1, 0.5}, {0.5, 0}}; break;
    case QY_COMP_TRAPEZOID: more = {{0, 0}, {1, 0}, {0.75, 1}, {0.25, 1}}; break;
    case QY_COMP_PARALLELOGRAM: more = {{0.25, 0}, {1, 0}, {0.75, 1}, {0, 1}}; break;
    case QY_COMP_TRIANGLE: more = {{0.5, 0}, {1, 1}, {0, 1}}; break;
    case QY_COMP_RIGHTTRIANGLE: more = {{0, 0}, {1, 1}, {0, 1}}; break;
    case QY_COMP_HEXAGON: more = {{0.25, 0}, {0.75, 0}, {1, 0.5}, {0.75, 1}, {0.25, 1}, {0, 0.5}}; break;
    case QY_COMP_CROSS:
        more = {{0.125, 0}, {0.875, 0}, {0.875, 0.25}, {1, 0.25}, {1, 0.75}, {0.875, 0.75},
                {0.875, 1}, {0.125, 1}, {0.125, 0.75}, {0, 0.75}, {0, 0.25}, {0.125, 0.25}};
        break;
    default: break;
    }
    ratios.insert(ratios.end(), more.begin(), more.end());
    return ratios;
}

bool QYIsBoxHitShape(int nType)
{
    return nType == QY_COMP_CUBE || nType == QY_COMP_BEVEL || nType == QY_COMP_CAN || nType == QY_COMP_CORNER;
}
