// Drawing throughput on a full-HD image: rectangles and eight-point
// polygons with mixed pens and brushes, and tabbed text.
#include <QImage>

#include "framework/gdi/CDC.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The pens and brushes the figures cycle through.
struct Palette {
    std::vector<std::unique_ptr<CPen>> pens;
    std::vector<std::unique_ptr<CBrush>> brushes;
    CBitmap patternBits;

    Palette()
    {
        pens.push_back(std::make_unique<CPen>(PS_SOLID, 1, RGB(0, 0, 0)));
        pens.push_back(std::make_unique<CPen>(PS_DOT, 1, RGB(200, 0, 0)));
        pens.push_back(std::make_unique<CPen>(PS_SOLID, 3, RGB(0, 0, 160)));
        pens.push_back(std::make_unique<CPen>(PS_NULL, 1, RGB(0, 0, 0)));
        brushes.push_back(std::make_unique<CBrush>(RGB(240, 200, 40)));
        brushes.push_back(std::make_unique<CBrush>(HS_DIAGCROSS, RGB(0, 120, 0)));
        const WORD rows[8] = {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88};
        patternBits.CreateBitmap(8, 8, 1, 1, rows);
        brushes.push_back(std::make_unique<CBrush>(&patternBits));
        brushes.push_back(std::make_unique<CBrush>(RGB(90, 160, 220)));
    }
};

struct Surface {
    QImage image{kWidth, kHeight, QImage::Format_RGB32};
    CDC dc;
    Palette palette;

    Surface()
    {
        image.fill(Qt::white);
        dc.CreateImageDC(&image);
    }
    void Choose(size_t i)
    {
        dc.SelectObject(palette.pens[i % palette.pens.size()].get());
        dc.SelectObject(palette.brushes[(i / 3) % palette.brushes.size()].get());
    }
};

std::vector<CRect> RandomRects(int count)
{
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> x(0, kWidth - 1), y(0, kHeight - 1), size(4, 200);
    std::vector<CRect> out;
    for (int i = 0; i < count; ++i) {
        int l = x(rng), t = y(rng);
        out.emplace_back(l, t, l + size(rng), t + size(rng));
    }
    return out;
}

void BM_Rectangles(benchmark::State &state)
{
    Surface s;
    std::vector<CRect> rects = RandomRects(10000);
    for (auto _ : state) {
        for (size_t i = 0; i < rects.size(); ++i) {
            s.Choose(i);
            s.dc.Rectangle(&rects[i]);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(rects.size()));
}
BENCHMARK(BM_Rectangles)->Unit(benchmark::kMillisecond);

void BM_Polygons(benchmark::State &state)
{
    Surface s;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> jitter(-60, 60);
    std::vector<CRect> centres = RandomRects(10000);
    std::vector<std::vector<POINT>> polygons;
    for (const CRect &c : centres) {
        std::vector<POINT> pts;
        for (int k = 0; k < 8; ++k)
            pts.push_back(POINT{c.left + jitter(rng), c.top + jitter(rng)});
        polygons.push_back(pts);
    }
    for (auto _ : state) {
        for (size_t i = 0; i < polygons.size(); ++i) {
            s.Choose(i);
            s.dc.SetPolyFillMode(i % 2 ? WINDING : ALTERNATE);
            s.dc.Polygon(polygons[i].data(), 8);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(polygons.size()));
}
BENCHMARK(BM_Polygons)->Unit(benchmark::kMillisecond);

void BM_TabbedTextOut(benchmark::State &state)
{
    Surface s;
    CFont font;
    font.CreatePointFont(90, "Courier New");
    s.dc.SelectObject(&font);
    // 1,000 lines of 100 characters: identifiers, tabs and punctuation.
    std::vector<std::string> lines;
    const std::string words[] = {"int", "\t", "value", " = ", "count", ";", "\t", "// note", "return", "(x)"};
    for (int i = 0; i < 1000; ++i) {
        std::string line;
        for (int k = i; line.size() < 100; ++k)
            line += words[k % 10];
        line.resize(100);
        lines.push_back(line);
    }
    INT stops[1] = {32};
    for (auto _ : state) {
        for (size_t i = 0; i < lines.size(); ++i)
            s.dc.TabbedTextOut(4, static_cast<int>(i % 70) * 15, lines[i].c_str(), 100, 1, stops, 4);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_TabbedTextOut)->Unit(benchmark::kMillisecond);

} // namespace
