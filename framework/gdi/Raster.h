// The pixel engine for 32-bit image targets: spans, polygons, box shapes
// (rectangles, ellipses, rounded rectangles) and one-pixel cosmetic lines,
// with GDI's rules:
//  - a polygon covers the pixels whose top-left corner point lies inside it,
//    with left and top edges inside and right and bottom edges outside;
//  - a box shape [left, right) x [top, bottom) covers the pixels whose centre
//    lies inside it;
//  - a cosmetic line covers one pixel per step of its major axis and leaves
//    out its end point.
// Every pixel is written once per primitive, so XOR figures drawn twice
// restore the target. Pixels are 32-bit words; every write goes through the
// target's PixelStore. Framework-internal.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>

#include "framework/gdi/FillPaint.h"
#include "framework/gdi/PixelStore.h"
#include "framework/gdi/Rop2.h"
#include "framework/gdi/WrittenRows.h"

#include <vector>

struct BoxShape {
    enum Kind { Rect, Ellipse, RoundRect };
    Kind kind = Rect;
    double left = 0, top = 0, right = 0, bottom = 0;
    double cornerWidth = 0, cornerHeight = 0; // full corner ellipse size of a rounded rectangle

    bool IsEmpty() const { return right <= left || bottom <= top; }
    // The pixels of row y as [x0, x1); false when the row is outside.
    bool Row(int y, int &x0, int &x1) const;
    BoxShape Deflated(double dx, double dy) const;
};

class RasterTarget {
public:
    // clip: device pixels that may change; NULL allows the whole image.
    // trackWrites: keep Written() (for targets whose pixels are copied on).
    RasterTarget(QImage &image, const QRegion *clip, PixelStore store = PixelStore::Bitmap(), bool trackWrites = false);

    bool IsEmpty() const { return m_rects.empty(); }
    const QRect &Bounds() const { return m_bounds; }
    void FillSpan(int y, int x0, int x1, const FillPaint &paint);
    void FillRect(const QRect &r, const FillPaint &paint);
    void FillPolygons(const std::vector<std::vector<QPointF>> &polygons, bool winding, const FillPaint &paint);
    // Fills shape minus hole (hole may be NULL or empty).
    void FillShape(const BoxShape &shape, const BoxShape *hole, const FillPaint &paint);
    // A one-pixel line through the points; the dash pattern runs on across
    // segments. closed: also joins the last point to the first. The final
    // end point is left out unless drawLast.
    void CosmeticPolyline(const std::vector<QPoint> &points, bool closed, bool drawLast, const LinePaint &paint);
    void PlotPixel(int x, int y, uint32_t color, int rop2);
    bool Visible(int x, int y) const;
    // The pixels written so far, when tracked.
    const WrittenRows &Written() const { return m_written; }
    // The colour bits (0xRRGGBB) of a pixel.
    uint32_t Pixel(int x, int y) const;

private:
    void Span(int y, int x0, int x1, const FillPaint &paint, const QRect &clipRect);
    // The one place a drawn word is combined with the target and stored.
    void Put(uint32_t &target, uint32_t word, int rop2)
    {
        target = m_store.Store(rop2 == R2_COPYPEN ? word : Rop2::Apply(rop2, word, target));
    }

    void Segment(QPoint a, QPoint b, bool includeEnd, const LinePaint &paint, size_t &dashIndex, int &dashLeft);

    PixelStore m_store;
    bool m_trackWrites;
    WrittenRows m_written;
    uint32_t *m_bits;
    qsizetype m_stride; // in pixels
    std::vector<QRect> m_rects;
    QRect m_bounds;
};
