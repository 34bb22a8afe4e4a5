#include "library/model/QYGeometry.h"

#include "library/model/QYRounding.h"

#include <cmath>

CRect QYBoundRect(const POINT* lpPoints, int nCount)
{
    if (lpPoints == nullptr || nCount <= 0)
        return CRect(0, 0, 0, 0);
    CRect rect(lpPoints[0].x, lpPoints[0].y, lpPoints[0].x, lpPoints[0].y);
    for (int i = 1; i < nCount; ++i) {
        rect.left = plexoMin(rect.left, lpPoints[i].x);
        rect.top = plexoMin(rect.top, lpPoints[i].y);
        rect.right = plexoMax(rect.right, lpPoints[i].x);
        rect.bottom = plexoMax(rect.bottom, lpPoints[i].y);
    }
    return rect;
}

CRect QYUnionRect(CRect rect1, CRect rect2)
{
    if (rect1.right < rect1.left || rect1.bottom < rect1.top)
        rect1.NormalizeRect();
    if (rect2.right < rect2.left || rect2.bottom < rect2.top)
        rect2.NormalizeRect();
    if (rect1.IsRectNull())
        return rect2;
    if (rect2.IsRectNull())
        return rect1;
    return CRect(plexoMin(rect1.left, rect2.left), plexoMin(rect1.top, rect2.top), plexoMax(rect1.right, rect2.right),
                 plexoMax(rect1.bottom, rect2.bottom));
}

POINT QYLineIntersection(POINT a, POINT b, POINT c, POINT d)
{
    // Differences of ints need more than an int: they are formed as doubles.
    const double numerator = (double(a.y) - d.y) * (double(d.x) - c.x) - (double(a.x) - d.x) * (double(d.y) - c.y);
    const double denominator = (double(b.x) - a.x) * (double(d.y) - c.y) - (double(b.y) - a.y) * (double(d.x) - c.x);
    if (denominator == 0.0)
        return a;
    const double t = numerator / denominator;
    return POINT{QYTruncate(a.x + (double(b.x) - a.x) * t + 0.5), QYTruncate(a.y + (double(b.y) - a.y) * t + 0.5)};
}

int QYGetLineAngle(int x1, int y1, int x2, int y2)
{
    // The differences may need more than an int.
    const float dx = static_cast<float>(static_cast<long long>(x2) - x1);
    const float dy = static_cast<float>(static_cast<long long>(y2) - y1);
    float degrees;
    if (dx != 0.0f)
        degrees = std::atan(dy / dx) * 57.295826f;
    else
        degrees = dy >= 0.0f ? 90.0f : -90.0f;
    if (dx < 0.0f)
        degrees += 180.0f;
    return QYRound(degrees * 10.0f);
}
