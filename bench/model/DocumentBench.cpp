// Saving and opening documents of many simple components: the time should
// grow linearly with the number of components.  Each is paired, in the same
// iteration, with the reference on the same bytes: reading the file into
// memory, and writing its bytes to a temporary file that is flushed to disk
// and renamed over the target (the path a save takes).  The ratio and the
// heap that the opened document holds, against the file size, are counters.
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"

#include <benchmark/benchmark.h>

#include <cstdio>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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
void FillModel(CQYDataModel &model, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        auto *pComp = new CQYDrawComponent();
        pComp->AddRef();
        CRect rect(i % 1000, i / 1000, i % 1000 + 20, i / 1000 + 10);
        pComp->Create(rect);
        pComp->GetDefaultProperty()->m_nTabOrder = i + 1;
        model.GetComponents().AddTail(pComp);
        pComp->Release();
    }
}

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()> &work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<char> ReadWholeFile(const std::string &path)
{
    std::vector<char> bytes(std::filesystem::file_size(path));
    const int fd = ::open(path.c_str(), O_RDONLY);
    size_t done = 0;
    while (fd >= 0 && done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

// Writes the bytes as a save does: a temporary file, flushed, renamed.
void WriteLikeASave(const std::string &path, const std::vector<char> &bytes)
{
    const std::string temporary = path + ".ref";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::fsync(fd);
    ::close(fd);
    std::rename(temporary.c_str(), (path + ".copy").c_str());
}

void ReportPair(benchmark::State &state, double ours, double reference)
{
    const double n = static_cast<double>(state.iterations());
    state.counters["ref_ms"] = reference / n * 1000.0;
    state.counters["ratio"] = reference > 0 ? ours / reference : 0;
}

void BM_SaveDocument(benchmark::State &state)
{
    const int nCount = static_cast<int>(state.range(0));
    CQYDataModel model;
    FillModel(model, nCount);
    const std::string path = DocumentPath(nCount);
    model.SaveDocument(path.c_str());
    const std::vector<char> bytes = ReadWholeFile(path);
    double ours = 0, reference = 0;
    for (auto _ : state) {
        const double o = Seconds([&] {
            if (!model.SaveDocument(path.c_str()))
                state.SkipWithError("save failed");
        });
        reference += Seconds([&] { WriteLikeASave(path, bytes); });
        ours += o;
        state.SetIterationTime(o);
    }
    ReportPair(state, ours, reference);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetComplexityN(nCount);
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".copy");
}

void BM_OpenDocument(benchmark::State &state)
{
    const int nCount = static_cast<int>(state.range(0));
    const std::string path = DocumentPath(nCount);
    {
        CQYDataModel source;
        FillModel(source, nCount);
        source.SaveDocument(path.c_str());
    }
    const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
    double ours = 0, reference = 0, held = 0;
    for (auto _ : state) {
        auto model = std::make_unique<CQYDataModel>();
        const size_t before = mallinfo2().uordblks;
        const double o = Seconds([&] {
            if (!model->OpenDocument(path.c_str()))
                state.SkipWithError("open failed");
        });
        held = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(before);
        benchmark::DoNotOptimize(model->GetComponents().GetCount());
        model.reset();
        reference += Seconds([&] { benchmark::DoNotOptimize(ReadWholeFile(path).size()); });
        ours += o;
        state.SetIterationTime(o);
    }
    ReportPair(state, ours, reference);
    state.counters["file_bytes"] = fileBytes;
    state.counters["heap_per_file_byte"] = held / fileBytes;
    state.SetComplexityN(nCount);
    std::filesystem::remove(path);
}

BENCHMARK(BM_SaveDocument)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_OpenDocument)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
