// Conversions between the framework's rectangles (exclusive right and
// bottom) and Qt regions. Framework-internal.
#pragma once

#include <QRect>
#include <QRegion>

#include "framework/gdi/GdiStructs.h"

namespace RegionUtil {

// The rectangle between two corners, in either order; empty when flat.
// Edges are kept inside +-2^30 so sizes cannot overflow.
inline QRect RectFromEdges(int x1, int y1, int x2, int y2)
{
    auto clamp = [](int v) { return v < -(1 << 30) ? -(1 << 30) : (v > (1 << 30) ? (1 << 30) : v); };
    x1 = clamp(x1), x2 = clamp(x2), y1 = clamp(y1), y2 = clamp(y2);
    int l = x1 < x2 ? x1 : x2, r = x1 < x2 ? x2 : x1;
    int t = y1 < y2 ? y1 : y2, b = y1 < y2 ? y2 : y1;
    return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}

inline QRegion FromRect(int x1, int y1, int x2, int y2)
{
    QRect r = RectFromEdges(x1, y1, x2, y2);
    return r.isEmpty() ? QRegion() : QRegion(r);
}

inline RECT ToRect(const QRect &r)
{
    if (r.isEmpty())
        return RECT{0, 0, 0, 0};
    return RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

inline int Type(const QRegion &region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace RegionUtil
