// Logical-to-device mapping.
#include "framework/gdi/CoordinateMapping.h"

#include "framework/gdi/Saturate.h"

#include <cmath>
#include <cstdlib>

namespace {

LONG RoundToLong(double v)
{
    return Saturate::ToInt(std::floor(v + 0.5));
}

// Units per inch of the metric modes (a positive viewport extent grows x to
// the right, the negative y extent makes y grow upwards).
int UnitsPerInch(int mode)
{
    switch (mode) {
    case MM_LOMETRIC: return 254;   // 0.1 mm
    case MM_HIMETRIC: return 2540;  // 0.01 mm
    case MM_LOENGLISH: return 100;  // 0.01 inch
    case MM_HIENGLISH: return 1000; // 0.001 inch
    case MM_TWIPS: return 1440;     // 1/1440 inch
    default: return 0;
    }
}

} // namespace

int CoordinateMapping::SetMapMode(int mode, int dpiX, int dpiY)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    int previous = mapMode;
    mapMode = mode;
    if (mode == MM_TEXT) {
        windowExt = SIZE{1, 1};
        viewportExt = SIZE{1, 1};
    } else if (int units = UnitsPerInch(mode)) {
        windowExt = SIZE{units, units};
        viewportExt = SIZE{dpiX, -dpiY};
    } else if (mode == MM_ISOTROPIC && previous != MM_ISOTROPIC) {
        // Entering the isotropic mode starts from the extents of MM_LOMETRIC
        // (y up); anisotropic keeps the extents it finds.
        windowExt = SIZE{UnitsPerInch(MM_LOMETRIC), UnitsPerInch(MM_LOMETRIC)};
        viewportExt = SIZE{dpiX, -dpiY};
        AdjustIsotropic();
    }
    return previous;
}

bool CoordinateMapping::SetWindowExt(int cx, int cy)
{
    if (!IsScalable() || cx == 0 || cy == 0)
        return false;
    windowExt = SIZE{cx, cy};
    AdjustIsotropic();
    return true;
}

bool CoordinateMapping::SetViewportExt(int cx, int cy)
{
    if (!IsScalable() || cx == 0 || cy == 0)
        return false;
    viewportExt = SIZE{cx, cy};
    AdjustIsotropic();
    return true;
}

bool CoordinateMapping::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    if (!IsScalable() || xDenom == 0 || yDenom == 0)
        return false;
    return SetWindowExt(MulDiv(windowExt.cx, xNum, xDenom), MulDiv(windowExt.cy, yNum, yDenom));
}

bool CoordinateMapping::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    if (!IsScalable() || xDenom == 0 || yDenom == 0)
        return false;
    return SetViewportExt(MulDiv(viewportExt.cx, xNum, xDenom), MulDiv(viewportExt.cy, yNum, yDenom));
}

void CoordinateMapping::AdjustIsotropic()
{
    if (mapMode != MM_ISOTROPIC)
        return;
    // One logical unit must be as long on both axes: the viewport extent of
    // the axis with the larger scale shrinks, keeping its sign.
    double sx = std::fabs(static_cast<double>(viewportExt.cx) / windowExt.cx);
    double sy = std::fabs(static_cast<double>(viewportExt.cy) / windowExt.cy);
    if (sx < sy) {
        LONG cy = RoundToLong(std::fabs(static_cast<double>(windowExt.cy)) * sx);
        viewportExt.cy = (viewportExt.cy < 0 ? -1 : 1) * (cy == 0 ? 1 : cy);
    } else if (sy < sx) {
        LONG cx = RoundToLong(std::fabs(static_cast<double>(windowExt.cx)) * sy);
        viewportExt.cx = (viewportExt.cx < 0 ? -1 : 1) * (cx == 0 ? 1 : cx);
    }
}

bool CoordinateMapping::IsIdentity() const
{
    return windowExt.cx == viewportExt.cx && windowExt.cy == viewportExt.cy && windowOrg.x == 0 && windowOrg.y == 0 &&
           viewportOrg.x == 0 && viewportOrg.y == 0;
}

QPointF CoordinateMapping::ToDeviceF(double x, double y) const
{
    return QPointF((x - windowOrg.x) * ScaleX() + viewportOrg.x, (y - windowOrg.y) * ScaleY() + viewportOrg.y);
}

// Coordinates far outside the device (hostile metafiles, huge origins) are
// computed in double and clamped instead of overflowing.
POINT CoordinateMapping::ToDevice(POINT p) const
{
    if (windowExt.cx == viewportExt.cx && windowExt.cy == viewportExt.cy)
        return POINT{RoundToLong(static_cast<double>(p.x) - windowOrg.x + viewportOrg.x),
                     RoundToLong(static_cast<double>(p.y) - windowOrg.y + viewportOrg.y)};
    return POINT{RoundToLong((static_cast<double>(p.x) - windowOrg.x) * viewportExt.cx / windowExt.cx + viewportOrg.x),
                 RoundToLong((static_cast<double>(p.y) - windowOrg.y) * viewportExt.cy / windowExt.cy + viewportOrg.y)};
}

POINT CoordinateMapping::ToLogical(POINT p) const
{
    if (windowExt.cx == viewportExt.cx && windowExt.cy == viewportExt.cy)
        return POINT{RoundToLong(static_cast<double>(p.x) - viewportOrg.x + windowOrg.x),
                     RoundToLong(static_cast<double>(p.y) - viewportOrg.y + windowOrg.y)};
    return POINT{RoundToLong((static_cast<double>(p.x) - viewportOrg.x) * windowExt.cx / viewportExt.cx + windowOrg.x),
                 RoundToLong((static_cast<double>(p.y) - viewportOrg.y) * windowExt.cy / viewportExt.cy + windowOrg.y)};
}

SIZE CoordinateMapping::SizeToDevice(SIZE s) const
{
    return SIZE{MulDiv(s.cx, std::abs(viewportExt.cx), std::abs(windowExt.cx)),
                MulDiv(s.cy, std::abs(viewportExt.cy), std::abs(windowExt.cy))};
}

SIZE CoordinateMapping::SizeToLogical(SIZE s) const
{
    return SIZE{MulDiv(s.cx, std::abs(windowExt.cx), std::abs(viewportExt.cx)),
                MulDiv(s.cy, std::abs(windowExt.cy), std::abs(viewportExt.cy))};
}

double CoordinateMapping::LengthToDeviceY(double len) const
{
    return std::fabs(len * ScaleY());
}

double CoordinateMapping::LengthToDeviceX(double len) const
{
    return std::fabs(len * ScaleX());
}
