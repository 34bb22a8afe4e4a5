// Outlining 10,000 small closed figures of diagonal segments (diamonds,
// triangles, arrow heads, hexagons: the polygon shapes of a diagram) with a
// one-pixel geometric pen with flat caps and mitred joins: the outline made
// without the path stroker against the stroker's own.  Both give the same
// polygons (PenOutlineLinesTest).
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/PenOutline.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int kFigures = 10000;

std::vector<std::vector<QPoint>> DiagonalFigures()
{
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> place(0, 1900), size(8, 60);
    std::vector<std::vector<QPoint>> figures;
    for (int i = 0; i < kFigures; ++i) {
        const int x = place(rng), y = place(rng), w = size(rng), h = size(rng);
        switch (i % 4) {
        case 0: figures.push_back({{x + w / 2, y}, {x + w, y + h / 2}, {x + w / 2, y + h}, {x, y + h / 2}}); break;
        case 1: figures.push_back({{x + w / 2, y}, {x + w, y + h}, {x, y + h}}); break;
        case 2: figures.push_back({{x, y}, {x + w, y + h / 4}, {x, y + h / 2}}); break;
        default:
            figures.push_back({{x + w / 4, y},
                               {x + 3 * w / 4, y},
                               {x + w, y + h / 2},
                               {x + 3 * w / 4, y + h},
                               {x + w / 4, y + h},
                               {x, y + h / 2}});
            break;
        }
    }
    return figures;
}

PenData ThinPen()
{
    PenData pen;
    pen.style = PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER;
    pen.width = 1;
    return pen;
}

void BM_LineOutline(benchmark::State &state)
{
    const std::vector<std::vector<QPoint>> figures = DiagonalFigures();
    const PenData pen = ThinPen();
    for (auto _ : state) {
        for (const std::vector<QPoint> &figure : figures) {
            PenOutline::Polygons polygons;
            PenOutline::LineOutline(figure, true, pen, 1, polygons);
            benchmark::DoNotOptimize(polygons.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_LineOutline)->Unit(benchmark::kMillisecond);

void BM_StrokerOutline(benchmark::State &state)
{
    const std::vector<std::vector<QPoint>> figures = DiagonalFigures();
    const PenData pen = ThinPen();
    for (auto _ : state) {
        for (const std::vector<QPoint> &figure : figures) {
            PenOutline::Polygons polygons = PenOutline::StrokerOutline(figure, true, pen, 1);
            benchmark::DoNotOptimize(polygons.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_StrokerOutline)->Unit(benchmark::kMillisecond);

} // namespace
