// Filling 10,000 eight-point polygons (self-intersecting, alternate and
// winding in turn) with a solid brush and no outline on a 1000x1000 memory
// DC, paired in the same iteration with QPainter filling the same polygons
// on a QImage (no antialiasing).  The ratio is a counter.
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/Pen.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <vector>

namespace {

constexpr int kSide = 1000;
constexpr int kPolygons = 10000;

std::vector<std::vector<POINT>> RandomPolygons()
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> centre(0, kSide - 1), jitter(-60, 60);
    std::vector<std::vector<POINT>> polygons;
    for (int i = 0; i < kPolygons; ++i) {
        const int cx = centre(rng), cy = centre(rng);
        std::vector<POINT> points;
        for (int k = 0; k < 8; ++k)
            points.push_back(POINT{cx + jitter(rng), cy + jitter(rng)});
        polygons.push_back(points);
    }
    return polygons;
}

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_FillPolygons(benchmark::State &state)
{
    const std::vector<std::vector<POINT>> polygons = RandomPolygons();
    std::vector<QPolygon> qtPolygons;
    for (const auto &points : polygons) {
        QPolygon polygon;
        for (const POINT &p : points)
            polygon << QPoint(p.x, p.y);
        qtPolygons.push_back(polygon);
    }

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(kSide, kSide, 1, 32, nullptr);
    CBitmap *pOldBitmap = dc.SelectObject(&bitmap);
    CPen nullPen(PS_NULL, 1, RGB(0, 0, 0));
    CBrush brush(RGB(240, 200, 40));
    CPen *pOldPen = dc.SelectObject(&nullPen);
    CBrush *pOldBrush = dc.SelectObject(&brush);

    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);

    double ours = 0, reference = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        for (size_t i = 0; i < polygons.size(); ++i) {
            dc.SetPolyFillMode(i % 2 ? WINDING : ALTERNATE);
            dc.Polygon(polygons[i].data(), 8);
        }
        const double o = Seconds(start);
        start = std::chrono::steady_clock::now();
        {
            QPainter painter(&image);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(240, 200, 40));
            for (size_t i = 0; i < qtPolygons.size(); ++i)
                painter.drawPolygon(qtPolygons[i], i % 2 ? Qt::WindingFill : Qt::OddEvenFill);
        }
        reference += Seconds(start);
        ours += o;
        state.SetIterationTime(o);
    }
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBitmap);
    const double n = static_cast<double>(state.iterations());
    state.counters["ref_ms"] = reference / n * 1000.0;
    state.counters["ratio"] = reference > 0 ? ours / reference : 0;
    state.SetItemsProcessed(state.iterations() * kPolygons);
}
BENCHMARK(BM_FillPolygons)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
