// The layout commands on a large page: 10,000 rectangles and 5,000 links
// between them, all selected; each row executes a command, undoes it and
// redoes it.  And naming: making and adding one more rectangle there.
#include "library/model/QYCompList.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYLayoutCommands.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYRectComponent.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kRects = 10000;
constexpr int kLinks = 5000;

// The page, built once: rectangles on a grid, each even one linked to the
// next one.
struct BigPage {
    CQYDataModel model;
    CQYCompList all;
    std::vector<CQYDrawComponent *> rects;

    BigPage()
    {
        model.SetLevels(16);
        for (int i = 0; i < kRects; ++i) {
            const int x = (i % 100) * 120;
            const int y = (i / 100) * 90 + (i % 7) * 3;
            CQYDrawComponent *pComp =
                model.GetComponentByType(QY_COMP_RECTANGLE, CRect(x, y, x + 80 + i % 13, y + 50), "", 0);
            model.InsertComponent(pComp);
            pComp->Release();
            rects.push_back(pComp);
        }
        for (int i = 0; i < kLinks; ++i) {
            auto *pA = static_cast<CQYRectComponent *>(rects[static_cast<size_t>(2 * i)]);
            auto *pB = static_cast<CQYRectComponent *>(rects[static_cast<size_t>(2 * i + 1)]);
            auto *pLink = new CQYLinkComponent;
            pLink->AddRef();
            CArray<CPoint, CPoint> points;
            points.Add(pA->FindPort(1, 0.5)->GetLinkPoint());
            points.Add(pB->FindPort(0, 0.5)->GetLinkPoint());
            model.AddNewLink(pLink, &points, pA->FindPort(1, 0.5), pB->FindPort(0, 0.5), FALSE);
            pLink->Release();
        }
        model.Reset();
        for (CQYDrawComponent *pComp : rects)
            all.AddTail(pComp);
    }
};

BigPage &Page()
{
    static BigPage *pPage = new BigPage;
    return *pPage;
}

template <class MAKE>
void RunExecuteUndoRedo(benchmark::State &state, MAKE make)
{
    BigPage &page = Page();
    for (auto _ : state) {
        page.model.Execute(make(page), TRUE);
        page.model.Undo();
        page.model.Redo();
    }
    page.model.Reset();
}

void BM_AlignLeft(benchmark::State &state)
{
    RunExecuteUndoRedo(state, [](BigPage &page) {
        auto *pAlign = new CQYAlignCommand(&page.model);
        pAlign->m_nType = 4;
        pAlign->AddComponents(&page.all);
        pAlign->SetMainComponent(page.rects[5000]);
        return pAlign;
    });
}
BENCHMARK(BM_AlignLeft)->Unit(benchmark::kMillisecond);

void BM_SameSize(benchmark::State &state)
{
    RunExecuteUndoRedo(state, [](BigPage &page) {
        auto *pSize = new CQYSizeCommand(&page.model);
        pSize->m_nType = 3;
        pSize->SetMainComponent(page.rects[0]);
        pSize->AddComponents(&page.all);
        return pSize;
    });
}
BENCHMARK(BM_SameSize)->Unit(benchmark::kMillisecond);

void BM_SpacingAcross(benchmark::State &state)
{
    RunExecuteUndoRedo(state, [](BigPage &page) {
        auto *pSpacing = new CQYSpacingCommand(&page.model);
        pSpacing->m_nType = 1;
        pSpacing->AddComponents(&page.all);
        return pSpacing;
    });
}
BENCHMARK(BM_SpacingAcross)->Unit(benchmark::kMillisecond);

void BM_Order(benchmark::State &state)
{
    const int nType = static_cast<int>(state.range(0));
    RunExecuteUndoRedo(state, [nType](BigPage &page) {
        auto *pOrder = new CQYOrderCommand(&page.model);
        pOrder->m_nType = nType;
        pOrder->AddComponents(&page.all);
        return pOrder;
    });
}
// 1 to front, 3 forward.
BENCHMARK(BM_Order)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_MakeAndAddOneMoreRectangle(benchmark::State &state)
{
    BigPage &page = Page();
    for (auto _ : state) {
        page.model.AddNewComponent(QY_COMP_RECTANGLE, CRect(0, 0, 100, 60), "");
        state.PauseTiming();
        page.model.Undo();
        state.ResumeTiming();
    }
    page.model.Reset();
}
BENCHMARK(BM_MakeAndAddOneMoreRectangle)->Unit(benchmark::kMillisecond);

} // namespace
