#include "library/shapes/QYElbow.h"

#include <climits>
#include <cstdlib>

BOOL QYIsOrthogonal(const POINT* lpPoints, int nCount)
{
    for (int i = 0; i + 1 < nCount; ++i) {
        if (lpPoints[i].x != lpPoints[i + 1].x && lpPoints[i].y != lpPoints[i + 1].y)
            return FALSE;
    }
    return TRUE;
}

CPoint* QYGetRectSpot(CPoint* pOut, const CRect& rc, int nSpot)
{
    // Sums in 64 bits: the sides may lie anywhere in the int range.
    const int cx = static_cast<int>((static_cast<long long>(rc.left) + rc.right) / 2);
    const int cy = static_cast<int>((static_cast<long long>(rc.top) + rc.bottom) / 2);
    switch (nSpot) {
    case 0: *pOut = CPoint(rc.left, rc.top); break;
    case 1: *pOut = CPoint(cx, rc.top); break;
    case 2: *pOut = CPoint(rc.right, rc.top); break;
    case 3: *pOut = CPoint(rc.right, cy); break;
    case 4: *pOut = CPoint(rc.right, rc.bottom); break;
    case 5: *pOut = CPoint(cx, rc.bottom); break;
    case 6: *pOut = CPoint(rc.left, rc.bottom); break;
    case 7: *pOut = CPoint(rc.left, cy); break;
    default: *pOut = CPoint(cx, cy); break;
    }
    return pOut;
}

namespace {

// value + delta held inside the int range.
LONG Shifted(LONG value, int delta)
{
    const long long sum = static_cast<long long>(value) + delta;
    return static_cast<LONG>(sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : sum);
}

void Shift(POINT& point, int dx, int dy)
{
    point.x = Shifted(point.x, dx);
    point.y = Shifted(point.y, dy);
}

void AppendUnlessPresent(std::vector<POINT>& points, POINT point)
{
    for (const POINT& p : points) {
        if (p.x == point.x && p.y == point.y)
            return;
    }
    points.push_back(point);
}

} // namespace

std::vector<POINT> QYRouteElbow(POINT F, POINT L)
{
    // Differences as 64-bit values: the points may lie far apart.
    const long long dx = static_cast<long long>(L.x) - F.x;
    const long long dy = static_cast<long long>(L.y) - F.y;
    CRect span(F.x, F.y, L.x, L.y);
    span.NormalizeRect();
    CPoint mid;
    QYGetRectSpot(&mid, span, 8);
    std::vector<POINT> points = {F};
    if (std::llabs(dy) < std::llabs(dx)) {
        if (dy != 0) {
            AppendUnlessPresent(points, POINT{mid.x, F.y});
            AppendUnlessPresent(points, POINT{mid.x, L.y});
        }
    } else if (dx != 0) {
        AppendUnlessPresent(points, POINT{F.x, mid.y});
        AppendUnlessPresent(points, POINT{L.x, mid.y});
    }
    points.push_back(L);
    return points;
}

std::vector<POINT> QYElbowCorner(POINT F, POINT L)
{
    const POINT corner = L.x < F.x ? POINT{F.x, L.y} : POINT{L.x, F.y};
    return {F, corner, L};
}

BOOL QYMoveElbowPoint(LPPOINT P, int nCount, int i, CPoint* pt, int dx, int dy, BOOL bElbow)
{
    if (P == nullptr || i < 0 || i >= nCount)
        return FALSE;
    if (!bElbow) {
        Shift(*pt, dx, dy);
        return TRUE;
    }
    const int last = nCount - 1;
    const POINT F = P[0];
    const POINT L = P[last];
    // 1. A point next to an end keeps the coordinate it shares with it.
    if (i == 1) {
        if (P[0].x == pt->x)
            dx = 0;
        if (P[0].y == pt->y)
            dy = 0;
    }
    if (i == last - 1) {
        if (P[i + 1].x == pt->x)
            dx = 0;
        if (P[i + 1].y == pt->y)
            dy = 0;
    }
    // 2. The point before follows.
    if (i >= 2) {
        POINT& prev = P[i - 1];
        int ddx = dx;
        int ddy = dy;
        if (i == last) {
            if (prev.x == L.x)
                ddy = 0;
            if (prev.y == L.y)
                ddx = 0;
        }
        if (i == 2) {
            if (prev.y == F.y)
                ddy = 0;
            if (prev.x == F.x)
                ddx = 0;
        }
        Shift(prev, ddx, ddy);
    }
    // 3. The point after follows.
    if (i + 1 < last) {
        POINT& next = P[i + 1];
        int ndx = dx;
        int ndy = dy;
        if (i + 1 == last - 1) {
            if (next.x == L.x)
                ndx = 0;
            if (next.y == L.y)
                ndy = 0;
        }
        if (i == 0) {
            if (next.x == F.x)
                ndy = 0;
            if (next.y == F.y)
                ndx = 0;
        }
        Shift(next, ndx, ndy);
    }
    Shift(*pt, dx, dy);
    return TRUE;
}
