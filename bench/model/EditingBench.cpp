// The layout commands on a large page: 10,000 rectangles and 5,000 links
// between them, all selected; each row executes a command, undoes it and
// redoes it, and times one of those steps.  And naming: making and adding
// one more rectangle there.
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

// The three steps of a command's life; each benchmark row times one of
// them (the others run untimed), so that every step is seen on its own.
enum Step { kExecute = 0, kUndo = 1, kRedo = 2 };

// Runs the step, timed only when it is the one asked for.
template <class RUN>
void TimedStep(benchmark::State &state, bool bTimed, RUN run)
{
    if (!bTimed)
        state.PauseTiming();
    run();
    if (!bTimed)
        state.ResumeTiming();
}

template <class MAKE>
void RunExecuteUndoRedo(benchmark::State &state, int64_t nStep, MAKE make)
{
    BigPage &page = Page();
    for (auto _ : state) {
        TimedStep(state, nStep == kExecute, [&] { page.model.Execute(make(page), TRUE); });
        TimedStep(state, nStep == kUndo, [&] { page.model.Undo(); });
        TimedStep(state, nStep == kRedo, [&] { page.model.Redo(); });
    }
    page.model.Reset();
}

void StepArgs(benchmark::internal::Benchmark *pBench)
{
    pBench->ArgName("step")->Arg(kExecute)->Arg(kUndo)->Arg(kRedo)->Unit(benchmark::kMillisecond);
}

void BM_AlignLeft(benchmark::State &state)
{
    RunExecuteUndoRedo(state, state.range(0), [](BigPage &page) {
        auto *pAlign = new CQYAlignCommand(&page.model);
        pAlign->m_nType = 4;
        pAlign->AddComponents(&page.all);
        pAlign->SetMainComponent(page.rects[5000]);
        return pAlign;
    });
}
BENCHMARK(BM_AlignLeft)->Apply(StepArgs);

void BM_SameSize(benchmark::State &state)
{
    RunExecuteUndoRedo(state, state.range(0), [](BigPage &page) {
        auto *pSize = new CQYSizeCommand(&page.model);
        pSize->m_nType = 3;
        pSize->SetMainComponent(page.rects[0]);
        pSize->AddComponents(&page.all);
        return pSize;
    });
}
BENCHMARK(BM_SameSize)->Apply(StepArgs);

void BM_SpacingAcross(benchmark::State &state)
{
    RunExecuteUndoRedo(state, state.range(0), [](BigPage &page) {
        auto *pSpacing = new CQYSpacingCommand(&page.model);
        pSpacing->m_nType = 1;
        pSpacing->AddComponents(&page.all);
        return pSpacing;
    });
}
BENCHMARK(BM_SpacingAcross)->Apply(StepArgs);

void BM_Order(benchmark::State &state)
{
    const int nType = static_cast<int>(state.range(0));
    RunExecuteUndoRedo(state, state.range(1), [nType](BigPage &page) {
        auto *pOrder = new CQYOrderCommand(&page.model);
        pOrder->m_nType = nType;
        pOrder->AddComponents(&page.all);
        return pOrder;
    });
}
// Type 1 to front, 3 forward; each step.
BENCHMARK(BM_Order)
    ->ArgNames({"type", "step"})
    ->ArgsProduct({{1, 3}, {kExecute, kUndo, kRedo}})
    ->Unit(benchmark::kMillisecond);

// Delete all (every bond cut within the command), its undo and redo.
void BM_DeleteAll(benchmark::State &state)
{
    BigPage &page = Page();
    const int64_t nStep = state.range(0);
    for (auto _ : state) {
        TimedStep(state, nStep == kExecute, [&] { page.model.DeleteAllComponents(); });
        TimedStep(state, nStep == kUndo, [&] { page.model.Undo(); });
        TimedStep(state, nStep == kRedo, [&] { page.model.Redo(); });
        state.PauseTiming();
        page.model.Undo();
        state.ResumeTiming();
    }
    page.model.Reset();
}
BENCHMARK(BM_DeleteAll)->Apply(StepArgs)->Iterations(2);

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
