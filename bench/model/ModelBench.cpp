// Transforming, hit-testing and filling components in bulk.
#include "framework/gdi/CDC.h"
#include "library/model/QYArea.h"
#include "library/model/QYBitmapFill.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYGradientFill.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kComponentCount = 100000;
constexpr int kAreaCount = 100000;
constexpr int kFillCount = 10000;

struct ReleaseComponent {
    void operator()(CQYDrawComponent *p) const { p->Release(); }
};
using ComponentPtr = std::unique_ptr<CQYDrawComponent, ReleaseComponent>;

std::vector<ComponentPtr> MakeComponents(int nCount)
{
    std::vector<ComponentPtr> components;
    components.reserve(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        auto *p = new CQYDrawComponent;
        p->AddRef();
        const int x = (i % 300) * 40, y = (i / 300) * 30;
        const POINT corners[] = {{x, y}, {x + 30, y}, {x + 30, y + 20}, {x, y + 20}};
        p->SetPoints(corners, 4);
        p->UpdatePosition();
        p->ResetTrackPoints();
        p->UpdateComp();
        components.emplace_back(p);
    }
    return components;
}

void BM_MoveComponents(benchmark::State &state)
{
    std::vector<ComponentPtr> components = MakeComponents(kComponentCount);
    for (auto _ : state) {
        for (ComponentPtr &c : components) {
            c->OffsetComponent(3, -2);
            c->UpdatePosition();
            c->ResetTrackPoints();
            c->UpdateComp();
        }
    }
    state.SetItemsProcessed(state.iterations() * kComponentCount);
}
BENCHMARK(BM_MoveComponents)->Unit(benchmark::kMillisecond);

void BM_ScaleComponents(benchmark::State &state)
{
    std::vector<ComponentPtr> components = MakeComponents(kComponentCount);
    bool bGrow = true;
    for (auto _ : state) {
        for (ComponentPtr &c : components)
            c->ScaleComponent(bGrow ? 2.0f : 0.5f, bGrow ? 2.0f : 0.5f, 100.0f, 100.0f);
        bGrow = !bGrow;
    }
    state.SetItemsProcessed(state.iterations() * kComponentCount);
}
BENCHMARK(BM_ScaleComponents)->Unit(benchmark::kMillisecond);

void BM_RotateComponents(benchmark::State &state)
{
    std::vector<ComponentPtr> components = MakeComponents(kComponentCount);
    for (auto _ : state) {
        for (ComponentPtr &c : components)
            c->RotateComponent(450, 500.0f, 500.0f);
    }
    state.SetItemsProcessed(state.iterations() * kComponentCount);
}
BENCHMARK(BM_RotateComponents)->Unit(benchmark::kMillisecond);

void BM_HitTestPolygonAreas(benchmark::State &state)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 1000);
    std::vector<CQYArea> areas(kAreaCount);
    for (CQYArea &area : areas) {
        const int x = coordinate(random), y = coordinate(random);
        const POINT hexagon[] = {{x, y},           {x + 20, y - 10}, {x + 40, y},
                                 {x + 40, y + 20}, {x + 20, y + 30}, {x, y + 20}};
        area.BuildPolygonArea(hexagon, 6);
    }
    std::vector<POINT> probes(1024);
    for (POINT &p : probes)
        p = POINT{coordinate(random), coordinate(random)};
    size_t nProbe = 0;
    for (auto _ : state) {
        int nHits = 0;
        for (const CQYArea &area : areas) {
            const POINT &p = probes[nProbe++ & 1023];
            nHits += area.PtInArea(p.x, p.y, 8) ? 1 : 0;
        }
        benchmark::DoNotOptimize(nHits);
    }
    state.SetItemsProcessed(state.iterations() * kAreaCount);
}
BENCHMARK(BM_HitTestPolygonAreas)->Unit(benchmark::kMillisecond);

// Gradient fills of 10,000 shapes of 120 by 80 into a memory bitmap, one
// benchmark per gradient family.
void BM_GradientFills(benchmark::State &state)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(640, 480, 1, 32, nullptr);
    CBitmap *pOld = dc.SelectObject(&bitmap);
    const UINT nType = static_cast<UINT>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < kFillCount; ++i) {
            const int x = (i * 37) % 520, y = (i * 53) % 400;
            QYGradientFill(&dc, x, y, x + 120, y + 80, RGB(255, 0, 0), RGB(0, 0, 255), nType, nullptr);
        }
    }
    dc.SelectObject(pOld);
    state.SetItemsProcessed(state.iterations() * kFillCount);
}
BENCHMARK(BM_GradientFills)->Arg(0)->Arg(4)->Arg(12)->Arg(14)->Arg(16)->Unit(benchmark::kMillisecond);

// Bitmap fills of 10,000 shapes of 120 by 80, tiled and stretched.
void BM_BitmapFills(benchmark::State &state)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(640, 480, 1, 32, nullptr);
    CBitmap *pOld = dc.SelectObject(&bitmap);
    const BOOL bTiled = state.range(0) != 0;
    for (auto _ : state) {
        for (int i = 0; i < kFillCount; ++i) {
            const int x = (i * 37) % 520, y = (i * 53) % 400;
            QYFillBitmapRect(&dc, x, y, x + 120, y + 80, bTiled, i % 30, nullptr);
        }
    }
    dc.SelectObject(pOld);
    state.SetItemsProcessed(state.iterations() * kFillCount);
}
BENCHMARK(BM_BitmapFills)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
