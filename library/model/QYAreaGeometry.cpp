#include "library/model/QYAreaGeometry.h"

#include "library/model/QYRounding.h"

#include <cmath>

namespace {

// +1 when C lies to the positive side of A->B, -1 otherwise (collinear
// included).  Differences of ints need 33 bits and their products 66, so
// the cross product is formed in 128 bits.
int Orientation(POINT a, POINT b, POINT c)
{
    using Wide = __int128;
    const Wide cross = (Wide(b.x) - a.x) * (Wide(c.y) - a.y) - (Wide(b.y) - a.y) * (Wide(c.x) - a.x);
    return cross > 0 ? 1 : -1;
}

} // namespace

BOOL QYSegmentsIntersect(POINT a, POINT b, POINT c, POINT d)
{
    return Orientation(a, b, c) * Orientation(a, b, d) <= 0 && Orientation(c, d, a) * Orientation(c, d, b) <= 0;
}

int QYSegmentAngle(POINT from, POINT to)
{
    const float dx = static_cast<float>(to.x) - static_cast<float>(from.x);
    const float dy = static_cast<float>(to.y) - static_cast<float>(from.y);
    float degrees;
    if (dx != 0.0f)
        degrees = std::atan(dy / dx) * 180.0f / 3.1415927f;
    else
        degrees = dy < 0.0f ? -90.0f : 90.0f;
    if (dx < 0.0f)
        degrees += 180.0f;
    return MoreNear(degrees * 10.0f);
}

POINT QYRotatePointAboutOrigin(POINT point, int nAngle)
{
    const float radians = static_cast<float>(nAngle) * 0.1f * 3.1415927f * 0.0055555557f;
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    const float x = static_cast<float>(point.x);
    const float y = static_cast<float>(point.y);
    return POINT{MoreNear(x * cosine - y * sine), MoreNear(x * sine + y * cosine)};
}

BOOL QYIsFlatEnough(float x0, float y0, float x1, float y1, float x2, float y2)
{
    const float twiceArea = x0 * y1 - y0 * x1 + y2 * x1 - x2 * y1 + y0 * x2 - y2 * x0;
    const float lengthSquared = (y2 - y0) * (y2 - y0) + (x2 - x0) * (x2 - x0);
    return lengthSquared >= twiceArea * twiceArea;
}
