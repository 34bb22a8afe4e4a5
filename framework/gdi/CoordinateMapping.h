// Logical-to-device mapping: window and viewport origins and extents and the
// mapping modes. Device = (logical - window origin) * viewport extent /
// window extent + viewport origin, rounded to the nearest pixel.
// Framework-internal; CDC exposes it through its members.
#pragma once

#include <QPointF>

#include "framework/gdi/GdiStructs.h"

struct CoordinateMapping {
    int mapMode = MM_TEXT;
    POINT windowOrg{0, 0};
    POINT viewportOrg{0, 0};
    SIZE windowExt{1, 1};
    SIZE viewportExt{1, 1};

    // Returns the previous mode; sets the fixed extents of the metric modes
    // for a device of dpiX by dpiY pixels per inch. FALSE-like 0 for a bad mode.
    int SetMapMode(int mode, int dpiX, int dpiY);
    bool IsScalable() const { return mapMode == MM_ISOTROPIC || mapMode == MM_ANISOTROPIC; }
    // Both return FALSE (and change nothing) outside the two scalable modes
    // or for a zero extent.
    bool SetWindowExt(int cx, int cy);
    bool SetViewportExt(int cx, int cy);
    bool ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    bool ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);

    bool IsIdentity() const;
    double ScaleX() const { return static_cast<double>(viewportExt.cx) / windowExt.cx; }
    double ScaleY() const { return static_cast<double>(viewportExt.cy) / windowExt.cy; }
    QPointF ToDeviceF(double x, double y) const;
    POINT ToDevice(POINT p) const;
    POINT ToLogical(POINT p) const;
    // Sizes use the magnitudes of the extents, as the framework does.
    SIZE SizeToDevice(SIZE s) const;
    SIZE SizeToLogical(SIZE s) const;
    // A logical length along y (font heights, pen widths) in device pixels.
    double LengthToDeviceY(double len) const;
    double LengthToDeviceX(double len) const;

private:
    void AdjustIsotropic();
};
