// Gradient fills: rectangles shaded left to right or top to bottom, and
// triangles shaded between their three corner colours. Each pixel takes the
// colour at its top-left corner point; triangles cover their pixels by the
// polygon rule. The top byte of a pixel word takes the vertices' alpha.
#include "framework/gdi/CDC.h"
#include "framework/gdi/EmfHooks.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/PolygonScan.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Meshes larger than this are refused.
constexpr ULONG kMaxCount = 1u << 20;
// Areas larger than this (device pixels) are refused.
constexpr long long kMaxPixels = 1LL << 28;

struct Colour {
    double r, g, b, a;
};

Colour ColourOf(const TRIVERTEX &v)
{
    return Colour{v.Red / 256.0, v.Green / 256.0, v.Blue / 256.0, v.Alpha / 256.0};
}

uint32_t Pixel(const Colour &c)
{
    auto channel = [](double v) { return static_cast<uint32_t>(std::clamp(static_cast<int>(v), 0, 255)); };
    return channel(c.a) << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

Colour Mix(const Colour &a, const Colour &b, double t)
{
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// Writes the pixels of each row run that shade produces, inside the visible
// region; paint devices get the pixels as an image.
void Paint(HDC h, const QRect &bounds, const std::function<void(const std::function<void(int, int, uint32_t)> &)> &rows)
{
    QRegion visible = h->VisibleRegion().intersected(bounds);
    if (visible.isEmpty())
        return;
    bool mono = h->IsMono();
    const PixelStore store = h->Store();
    if (QImage *image = h->Image()) {
        uint32_t *bits = reinterpret_cast<uint32_t *>(image->bits());
        qsizetype stride = image->bytesPerLine() / 4;
        bool simple = visible.rectCount() == 1;
        rows([&](int x, int y, uint32_t v) {
            if (simple || visible.contains(QPoint(x, y)))
                bits[y * stride + x] = store.Store(mono ? Paints::ToMono(v & 0xFFFFFFu) : v);
        });
        h->Drawn(visible.boundingRect());
        return;
    }
    if (!h->painter || !h->painter->isActive())
        return;
    QRect area = visible.boundingRect();
    QImage out(area.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    rows([&](int x, int y, uint32_t v) {
        if (area.contains(x, y))
            out.setPixel(x - area.left(), y - area.top(), v | 0xFF000000u);
    });
    h->painter->save();
    h->painter->setClipRegion(visible);
    h->painter->drawImage(area.topLeft(), out);
    h->painter->restore();
}

// A vertex in device pixels, kept inside +-2^29 so sizes and differences stay in range.
POINT DevicePoint(HDC h, const TRIVERTEX &v)
{
    const LONG limit = 1 << 29;
    POINT p = h->state.mapping.ToDevice(POINT{std::clamp(v.x, -limit, limit), std::clamp(v.y, -limit, limit)});
    return POINT{std::clamp(p.x, -limit, limit), std::clamp(p.y, -limit, limit)};
}

bool FillRect(HDC h, const TRIVERTEX &a, const TRIVERTEX &b, bool vertical)
{
    POINT pa = DevicePoint(h, a), pb = DevicePoint(h, b);
    QRect box(QPoint(std::min(pa.x, pb.x), std::min(pa.y, pb.y)),
              QPoint(std::max(pa.x, pb.x) - 1, std::max(pa.y, pb.y) - 1));
    if (box.isEmpty())
        return true;
    QRect clipped = box.intersected(h->VisibleRegion().boundingRect());
    if (static_cast<long long>(clipped.width()) * clipped.height() > kMaxPixels)
        return false;
    // The shade runs from a's side to b's side, whichever way round they lie.
    Colour ca = ColourOf(a), cb = ColourOf(b);
    double from = vertical ? pa.y : pa.x;
    double span = vertical ? pb.y - pa.y : pb.x - pa.x;
    Paint(h, clipped, [&](const std::function<void(int, int, uint32_t)> &put) {
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            for (int x = clipped.left(); x <= clipped.right(); ++x) {
                double t = ((vertical ? y : x) - from) / span;
                put(x, y, Pixel(Mix(ca, cb, std::clamp(t, 0.0, 1.0))));
            }
    });
    return true;
}

bool FillTriangle(HDC h, const TRIVERTEX &a, const TRIVERTEX &b, const TRIVERTEX &c)
{
    POINT p[3] = {DevicePoint(h, a), DevicePoint(h, b), DevicePoint(h, c)};
    double det = static_cast<double>(p[1].y - p[2].y) * (p[0].x - p[2].x) +
                 static_cast<double>(p[2].x - p[1].x) * (p[0].y - p[2].y);
    if (det == 0)
        return true; // a flat triangle covers no pixels
    Colour ca = ColourOf(a), cb = ColourOf(b), cc = ColourOf(c);
    QRect bounds = h->VisibleRegion().boundingRect();
    PolygonScan::Polygons tri{{QPointF(p[0].x, p[0].y), QPointF(p[1].x, p[1].y), QPointF(p[2].x, p[2].y)}};
    Paint(h, bounds, [&](const std::function<void(int, int, uint32_t)> &put) {
        PolygonScan::Scan(tri, false, bounds.top(), bounds.bottom() + 1, [&](int y, int x0, int x1) {
            x0 = std::max(x0, bounds.left());
            x1 = std::min(x1, bounds.right() + 1);
            for (int x = x0; x < x1; ++x) {
                double l0 = ((p[1].y - p[2].y) * static_cast<double>(x - p[2].x) +
                             (p[2].x - p[1].x) * static_cast<double>(y - p[2].y)) /
                            det;
                double l1 = ((p[2].y - p[0].y) * static_cast<double>(x - p[2].x) +
                             (p[0].x - p[2].x) * static_cast<double>(y - p[2].y)) /
                            det;
                double l2 = 1 - l0 - l1;
                Colour mix{ca.r * l0 + cb.r * l1 + cc.r * l2, ca.g * l0 + cb.g * l1 + cc.g * l2,
                           ca.b * l0 + cb.b * l1 + cc.b * l2, ca.a * l0 + cb.a * l1 + cc.a * l2};
                put(x, y, Pixel(mix));
            }
        });
    });
    return true;
}

} // namespace

BOOL GradientFill(HDC hdc, PTRIVERTEX pVertex, ULONG nVertex, void *pMesh, ULONG nMesh, ULONG ulMode)
{
    if (!hdc || !pVertex || !pMesh || nVertex == 0 || nVertex > kMaxCount || nMesh > kMaxCount)
        return FALSE;
    if (ulMode == GRADIENT_FILL_RECT_H || ulMode == GRADIENT_FILL_RECT_V) {
        const GRADIENT_RECT *rects = static_cast<const GRADIENT_RECT *>(pMesh);
        for (ULONG i = 0; i < nMesh; ++i)
            if (rects[i].UpperLeft >= nVertex || rects[i].LowerRight >= nVertex)
                return FALSE;
        if (EmfRecorder *recorder = RecorderOf(hdc)) {
            recorder->GradientFill(pVertex, nVertex, pMesh, nMesh, ulMode);
            return TRUE;
        }
        for (ULONG i = 0; i < nMesh; ++i)
            if (!FillRect(hdc, pVertex[rects[i].UpperLeft], pVertex[rects[i].LowerRight],
                          ulMode == GRADIENT_FILL_RECT_V))
                return FALSE;
        return TRUE;
    }
    if (ulMode == GRADIENT_FILL_TRIANGLE) {
        const GRADIENT_TRIANGLE *tris = static_cast<const GRADIENT_TRIANGLE *>(pMesh);
        for (ULONG i = 0; i < nMesh; ++i)
            if (tris[i].Vertex1 >= nVertex || tris[i].Vertex2 >= nVertex || tris[i].Vertex3 >= nVertex)
                return FALSE;
        if (EmfRecorder *recorder = RecorderOf(hdc)) {
            recorder->GradientFill(pVertex, nVertex, pMesh, nMesh, ulMode);
            return TRUE;
        }
        for (ULONG i = 0; i < nMesh; ++i)
            FillTriangle(hdc, pVertex[tris[i].Vertex1], pVertex[tris[i].Vertex2], pVertex[tris[i].Vertex3]);
        return TRUE;
    }
    return FALSE;
}

BOOL CDC::GradientFill(TRIVERTEX *pVertices, ULONG nVertices, void *pMesh, ULONG nMeshElements, DWORD dwMode)
{
    return ::GradientFill(m_hDC, pVertices, nVertices, pMesh, nMeshElements, dwMode);
}
