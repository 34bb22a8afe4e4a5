// Saving and opening documents of many simple components: the time should
// grow linearly with the number of components.
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

std::string DocumentPath(int nCount)
{
    return (std::filesystem::temp_directory_path() /
            ("plexo-bench-" + std::to_string(::getpid()) + "-" + std::to_string(nCount) + ".pln"))
        .string();
}

// The components join the list with their tab orders set here: inserting
// one by one looks for the highest order each time, which the setup of a
// 100,000-component page need not pay.
void FillModel(CQYDataModel& model, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        auto* pComp = new CQYDrawComponent();
        pComp->AddRef();
        CRect rect(i % 1000, i / 1000, i % 1000 + 20, i / 1000 + 10);
        pComp->Create(rect);
        pComp->GetDefaultProperty()->m_nTabOrder = i + 1;
        model.GetComponents().AddTail(pComp);
        pComp->Release();
    }
}

void BM_SaveDocument(benchmark::State& state)
{
    const int nCount = static_cast<int>(state.range(0));
    CQYDataModel model;
    FillModel(model, nCount);
    const std::string path = DocumentPath(nCount);
    for (auto _ : state) {
        if (!model.SaveDocument(path.c_str()))
            state.SkipWithError("save failed");
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetComplexityN(nCount);
    std::filesystem::remove(path);
}

void BM_OpenDocument(benchmark::State& state)
{
    const int nCount = static_cast<int>(state.range(0));
    const std::string path = DocumentPath(nCount);
    {
        CQYDataModel source;
        FillModel(source, nCount);
        source.SaveDocument(path.c_str());
    }
    for (auto _ : state) {
        CQYDataModel model;
        if (!model.OpenDocument(path.c_str()))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(model.GetComponents().GetCount());
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetComplexityN(nCount);
    std::filesystem::remove(path);
}

BENCHMARK(BM_SaveDocument)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_OpenDocument)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

// Components make fonts and the page painter loads its icon: both need the
// GUI application, offscreen here.
int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
