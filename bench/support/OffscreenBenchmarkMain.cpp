// The main of the benchmark programs that draw or make controls: fonts,
// screen metrics and widgets need an application object, so it starts one
// on the offscreen platform before running the benchmarks. Built once with
// a GUI application and once, with PLEXO_BENCH_WIDGETS, with a widgets one.
#include <benchmark/benchmark.h>

#ifdef PLEXO_BENCH_WIDGETS
#include <QApplication>
using BenchmarkApplication = QApplication;
#else
#include <QGuiApplication>
using BenchmarkApplication = QGuiApplication;
#endif

#include <cstdlib>

int main(int argc, char **argv)
{
    // A platform the caller chose stays; otherwise draw offscreen.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    BenchmarkApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
