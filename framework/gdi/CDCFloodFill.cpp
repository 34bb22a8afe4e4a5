// CDC: flood fills, span by span over the target's pixels.
#include "framework/gdi/CDC.h"
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/FillPaint.h"
#include "framework/gdi/Renderer.h"

#include <vector>

namespace {

struct FloodArea {
    const QImage &image;
    QRegion visible;
    uint32_t colour;
    bool border;
    std::vector<bool> seen;

    bool Fills(int x, int y) const
    {
        const uint32_t pixel = reinterpret_cast<const uint32_t *>(image.constScanLine(y))[x] & 0xFFFFFF;
        return border ? pixel != colour : pixel == colour;
    }
    bool Open(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               !seen[static_cast<size_t>(y) * image.width() + x] && visible.contains(QPoint(x, y)) && Fills(x, y);
    }
    void Mark(int x, int y) { seen[static_cast<size_t>(y) * image.width() + x] = true; }
};

// The spans of the area reachable from the seed, found before any is painted.
std::vector<QRect> Spans(FloodArea &area, QPoint seed)
{
    std::vector<QRect> spans;
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!area.Open(p.x(), p.y()))
            continue;
        int left = p.x(), right = p.x();
        while (area.Open(left - 1, p.y()))
            --left;
        while (area.Open(right + 1, p.y()))
            ++right;
        for (int x = left; x <= right; ++x)
            area.Mark(x, p.y());
        spans.push_back(QRect(left, p.y(), right - left + 1, 1));
        for (int dy : {-1, 1})
            for (int x = left; x <= right; ++x)
                if (area.Open(x, p.y() + dy))
                    pending.push_back(QPoint(x, p.y() + dy));
    }
    return spans;
}

} // namespace

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    if (!m_hDC || (nFillType != FLOODFILLBORDER && nFillType != FLOODFILLSURFACE))
        return FALSE;
    if (EmfRecorder *recorder = RecorderOf(m_hDC)) {
        recorder->Record4(Emf::EXTFLOODFILL, x, y, crColor, nFillType);
        return TRUE;
    }
    const QImage *image = m_hDC->Image();
    auto r = Renderer::For(m_hDC);
    auto brush = m_hDC->state.brush;
    if (!image || !r || !brush)
        return FALSE;
    const POINT d = m_hDC->state.mapping.ToDevice(POINT{x, y});
    FloodArea area{*image, m_hDC->VisibleRegion(), Paints::ToPixel(m_hDC->Colour(crColor)) & 0xFFFFFF,
                   nFillType == FLOODFILLBORDER,
                   std::vector<bool>(static_cast<size_t>(image->width()) * image->height(), false)};
    if (!area.Open(d.x, d.y))
        return FALSE;
    const std::vector<QRect> spans = Spans(area, QPoint(d.x, d.y));
    Paints::Context ctx = m_hDC->PaintContext();
    ctx.rop2 = R2_COPYPEN;
    const FillPaint paint = Paints::ForBrush(brush.get(), ctx);
    for (const QRect &span : spans)
        r->FillRect(span, paint);
    return TRUE;
}
