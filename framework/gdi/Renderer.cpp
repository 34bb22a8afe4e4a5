// The two renderers: raster (image targets) and painter (paint devices).
#include <QBrush>
#include <QPainterPath>
#include <QPen>

#include "framework/gdi/Renderer.h"

namespace {

class RasterRenderer : public Renderer {
public:
    RasterRenderer(HDC dc, QImage &image, const QRegion *clip)
        : m_dc(dc), m_target(image, clip, dc->Store(), dc->KeepsSectionBits())
    {
    }
    ~RasterRenderer() override
    {
        if (!m_target.Written().Empty())
            m_dc->Drawn(m_target.Written());
    }

    void FillPolygons(const std::vector<std::vector<QPointF>> &polygons, bool winding, const FillPaint &paint) override
    {
        m_target.FillPolygons(polygons, winding, paint);
    }
    void FillShape(const BoxShape &shape, const BoxShape *hole, const FillPaint &paint) override
    {
        m_target.FillShape(shape, hole, paint);
    }
    void CosmeticPolyline(const std::vector<QPoint> &points, bool closed, bool drawLast,
                          const LinePaint &paint) override
    {
        m_target.CosmeticPolyline(points, closed, drawLast, paint);
    }
    void FillRect(const QRect &rect, const FillPaint &paint) override { m_target.FillRect(rect, paint); }
    void InvertPixels(const QRect &area, bool checkerOnly) override
    {
        QRect rect = area.intersected(m_target.Bounds());
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (!checkerOnly || ((x + y) & 1) == 0)
                    m_target.PlotPixel(x, y, 0, R2_NOT);
    }
    long long Pixel(int x, int y) override
    {
        return m_target.Visible(x, y) ? static_cast<long long>(m_target.Pixel(x, y)) : -1;
    }
    void SetPixel(int x, int y, uint32_t color) override { m_target.PlotPixel(x, y, color, R2_COPYPEN); }

private:
    HDC m_dc;
    RasterTarget m_target;
};

QColor ToQColor(uint32_t pixel)
{
    return QColor::fromRgb(static_cast<QRgb>(pixel | 0xFF000000u));
}

QBrush ToQBrush(const FillPaint &paint)
{
    if (paint.solid)
        return QBrush(ToQColor(paint.color));
    QImage tile(paint.tileWidth, paint.tileHeight, QImage::Format_ARGB32);
    for (int y = 0; y < paint.tileHeight; ++y)
        for (int x = 0; x < paint.tileWidth; ++x) {
            size_t i = static_cast<size_t>(y * paint.tileWidth + x);
            tile.setPixel(x, y, paint.skip[i] ? 0u : (paint.tile[i] | 0xFF000000u));
        }
    QBrush brush(tile);
    brush.setTransform(QTransform::fromTranslate(paint.originX, paint.originY));
    return brush;
}

class PainterRenderer : public Renderer {
public:
    PainterRenderer(QPainter &painter, const QRegion *clip) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        if (clip)
            m_painter.setClipRegion(*clip);
        else
            m_painter.setClipping(false);
    }
    ~PainterRenderer() override { m_painter.restore(); }

    void FillPolygons(const std::vector<std::vector<QPointF>> &polygons, bool winding, const FillPaint &paint) override
    {
        if (paint.none)
            return;
        QPainterPath path;
        path.setFillRule(winding ? Qt::WindingFill : Qt::OddEvenFill);
        for (const auto &poly : polygons) {
            QPolygonF p;
            // Pixel centres sit at +0.5: shifting keeps the top-left sampling rule.
            for (const QPointF &pt : poly)
                p << pt + QPointF(0.5, 0.5);
            path.addPolygon(p);
            path.closeSubpath();
        }
        m_painter.fillPath(path, ToQBrush(paint));
    }
    void FillShape(const BoxShape &shape, const BoxShape *hole, const FillPaint &paint) override
    {
        if (paint.none || shape.IsEmpty())
            return;
        QPainterPath path = PathOf(shape);
        if (hole && !hole->IsEmpty())
            path = path.subtracted(PathOf(*hole));
        m_painter.fillPath(path, ToQBrush(paint));
    }
    void CosmeticPolyline(const std::vector<QPoint> &points, bool closed, bool, const LinePaint &paint) override
    {
        if (paint.none || points.size() < 2)
            return;
        QPen pen(ToQColor(paint.color));
        pen.setCosmetic(true);
        pen.setWidth(0);
        if (!paint.dashes.empty()) {
            QList<qreal> dashes;
            for (int d : paint.dashes)
                dashes << d;
            pen.setDashPattern(dashes);
        }
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        QPolygon poly;
        for (const QPoint &p : points)
            poly << p;
        if (closed)
            m_painter.drawPolygon(poly);
        else
            m_painter.drawPolyline(poly);
    }
    void FillRect(const QRect &rect, const FillPaint &paint) override
    {
        if (!paint.none)
            m_painter.fillRect(rect, ToQBrush(paint));
    }
    void InvertPixels(const QRect &, bool) override {} // paper cannot be inverted
    long long Pixel(int, int) override { return -1; }
    void SetPixel(int x, int y, uint32_t color) override { m_painter.fillRect(QRect(x, y, 1, 1), ToQColor(color)); }

private:
    static QPainterPath PathOf(const BoxShape &s)
    {
        QPainterPath path;
        QRectF r(QPointF(s.left, s.top), QPointF(s.right, s.bottom));
        switch (s.kind) {
        case BoxShape::Rect: path.addRect(r); break;
        case BoxShape::Ellipse: path.addEllipse(r); break;
        case BoxShape::RoundRect: path.addRoundedRect(r, s.cornerWidth / 2, s.cornerHeight / 2); break;
        }
        return path;
    }

    QPainter &m_painter;
};

} // namespace

std::unique_ptr<Renderer> Renderer::For(HDC dc)
{
    QRegion region;
    const QRegion *clip = dc->ClipRegion(region) ? &region : nullptr; // both renderers copy it
    if (QImage *image = dc->Image())
        return std::make_unique<RasterRenderer>(dc, *image, clip);
    if (dc->painter && dc->painter->isActive()) {
        dc->lastTransferRect = QRect(); // other drawing makes the last transfer's pixels stale
        return std::make_unique<PainterRenderer>(*dc->painter, clip);
    }
    return nullptr;
}
