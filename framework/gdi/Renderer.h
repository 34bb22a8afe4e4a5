// Puts device-space geometry on a context's target: the raster engine for
// image targets, QPainter for paint devices (printers, PDF), which have no
// pixels to read back and so ignore the ROP2 mode. Framework-internal.
#pragma once

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/Raster.h"

#include <memory>
#include <vector>

class Renderer {
public:
    static std::unique_ptr<Renderer> For(HDC dc);
    virtual ~Renderer() = default;

    virtual void FillPolygons(const std::vector<std::vector<QPointF>> &polygons, bool winding,
                              const FillPaint &paint) = 0;
    virtual void FillShape(const BoxShape &shape, const BoxShape *hole, const FillPaint &paint) = 0;
    virtual void CosmeticPolyline(const std::vector<QPoint> &points, bool closed, bool drawLast,
                                  const LinePaint &paint) = 0;
    virtual void FillRect(const QRect &rect, const FillPaint &paint) = 0;
    virtual void InvertPixels(const QRect &rect, bool checkerOnly) = 0;
    // 0xRRGGBB, or -1 when the pixel cannot be read or lies outside.
    virtual long long Pixel(int x, int y) = 0;
    virtual void SetPixel(int x, int y, uint32_t color) = 0;
};
