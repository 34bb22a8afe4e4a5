// The text buffer at the size of a large file: opening 100 MB of C++ source,
// colouring every line of it, and keystrokes (one character typed and one
// deleted, one observer told) with the whole file already coloured.
#include "EditorBenchSource.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditTextBuffer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

double ResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
        std::getline(status, key);
    }
    return 0;
}

void BM_Open100MB(benchmark::State &state)
{
    SourcePath();
    const double before = ResidentMegabytes();
    double after = 0;
    int lines = 0;
    for (auto _ : state) {
        SECEditTextBuffer buffer;
        OpenSource(buffer);
        state.PauseTiming();
        after = ResidentMegabytes();
        lines = buffer.GetLineCount();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
    state.counters["lines"] = lines;
    state.counters["rss_added_MB"] = after - before;
    state.counters["rss_MB"] = after;
}
BENCHMARK(BM_Open100MB)->Unit(benchmark::kMillisecond)->Iterations(3);

// GetLineColors over every line from a fresh open, top to bottom.
void BM_ColourEveryLine(benchmark::State &state)
{
    const double before = ResidentMegabytes();
    double after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto buffer = std::make_unique<SECEditTextBuffer>();
        OpenSource(*buffer);
        state.ResumeTiming();
        const int count = buffer->GetLineCount();
        for (int line = 0; line < count; ++line)
            benchmark::DoNotOptimize(buffer->GetLineColors(line));
        state.PauseTiming();
        after = ResidentMegabytes();
        state.counters["regions"] = buffer->GetTagRegionCount();
        buffer.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
    state.counters["rss_added_MB"] = after - before;
    state.counters["rss_MB"] = after;
}
BENCHMARK(BM_ColourEveryLine)->Unit(benchmark::kMillisecond)->Iterations(2);

// A view: it repaints the lines each change names.
class RepaintingObserver : public SECEditObserver {
public:
    explicit RepaintingObserver(SECEditTextBuffer &buffer) : m_buffer(buffer) {}
    void OnUpdate(void *, SECEditHint *pHint) override
    {
        if (pHint && pHint->GetTypeId() == 22586)
            benchmark::DoNotOptimize(m_buffer.GetLineColors(m_nLine));
    }
    int m_nLine = 0;

private:
    SECEditTextBuffer &m_buffer;
};

// One character (or a line end) typed and deleted again at random lines of
// the first or the last thousand lines, the observer repainting the line each
// time.  Before each keystroke the whole file is coloured (every region
// known).
void BM_Keystroke(benchmark::State &state)
{
    const bool atEnd = state.range(0) != 0;
    const bool lineEnd = state.range(1) != 0;
    SECEditTextBuffer buffer;
    OpenSource(buffer);
    RepaintingObserver view(buffer);
    buffer.Attach(&view);
    const int count = buffer.GetLineCount();
    std::mt19937 random(5);
    auto keystroke = [&] {
        buffer.GetLineColors(count - 1);
        const int line = atEnd ? count - 1 - static_cast<int>(random() % 1000) : static_cast<int>(random() % 1000);
        const int length = buffer.GetLineTextLength(line);
        const int col = length > 0 ? static_cast<int>(random() % static_cast<unsigned>(length)) : 0;
        view.m_nLine = line;
        const auto start = std::chrono::steady_clock::now();
        if (lineEnd) {
            buffer.InsertText(line, col, "\n", 1);
            buffer.DeleteText(line, col, line + 1, 0);
        } else {
            buffer.InsertText(line, col, "x", 1);
            buffer.DeleteText(line, col, line, col + 1);
        }
        return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    };
    // The first edit of a document makes its line-object slots (and, for a
    // line end, moves the slot arrays' gap there): timed on its own.
    state.counters["first_us"] = keystroke();
    std::vector<double> micros;
    for (auto _ : state) {
        state.PauseTiming();
        const double took = keystroke();
        state.ResumeTiming();
        micros.push_back(took);
    }
    buffer.Detach(&view);
    std::sort(micros.begin(), micros.end());
    state.counters["p50_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    std::string label = lineEnd ? "line end, " : "character, ";
    label.append(atEnd ? "last 1000 lines" : "first 1000 lines");
    state.SetLabel(label);
}
BENCHMARK(BM_Keystroke)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);

} // namespace
