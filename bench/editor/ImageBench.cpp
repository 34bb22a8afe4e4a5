// Loading and saving a 4000 x 3000 24-bit picture through SECDib (BMP) and
// SECJpeg (JPEG), each beside its reference: the same number of bytes read
// or written through CFile, and the JPEG codec decoding the same file alone.
#include "editor/controls/SECDib.h"
#include "editor/controls/SECJpeg.h"
#include "framework/image/JpegCodec.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

std::string TempPath(const char *name)
{
    return std::string("/tmp/plexo_bench_") + name;
}

// A picture with some structure, so the JPEG is not trivially small.
const std::string &BmpPath()
{
    static const std::string path = [] {
        const size_t stride = size_t(kWidth) * 3;
        std::vector<BYTE> file(54 + stride * kHeight);
        const BYTE header[54] = {'B',
                                 'M',
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 0,
                                 54,
                                 0,
                                 0,
                                 0,
                                 40,
                                 0,
                                 0,
                                 0,
                                 BYTE(kWidth),
                                 BYTE(kWidth >> 8),
                                 0,
                                 0,
                                 BYTE(kHeight),
                                 BYTE(kHeight >> 8),
                                 0,
                                 0,
                                 1,
                                 0,
                                 24,
                                 0};
        std::copy(header, header + 54, file.begin());
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                BYTE *p = file.data() + 54 + stride * y + 3 * x;
                p[0] = BYTE(x / 16);
                p[1] = BYTE(y / 12);
                p[2] = BYTE((x + y) / 28);
            }
        const std::string name = TempPath("picture.bmp");
        CFile out(name.c_str(), CFile::modeCreate | CFile::modeWrite);
        out.Write(file.data(), UINT(file.size()));
        return name;
    }();
    return path;
}

const std::string &JpegPath()
{
    static const std::string path = [] {
        SECDib dib;
        dib.LoadImage(BmpPath().c_str());
        SECJpeg jpeg;
        CFile in(BmpPath().c_str(), CFile::modeRead);
        CArchive ar(&in, CArchive::load);
        jpeg.Serialize(ar);
        const std::string name = TempPath("picture.jpg");
        jpeg.SaveImage(name.c_str());
        return name;
    }();
    return path;
}

std::vector<BYTE> ReadWhole(const std::string &path)
{
    CFile in(path.c_str(), CFile::modeRead);
    std::vector<BYTE> bytes(size_t(in.GetLength()));
    in.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

void BM_BmpLoad(benchmark::State &state)
{
    for (auto _ : state) {
        SECDib dib;
        benchmark::DoNotOptimize(dib.LoadImage(BmpPath().c_str()));
    }
}
BENCHMARK(BM_BmpLoad)->Unit(benchmark::kMillisecond);

void BM_BmpReadReference(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWhole(BmpPath()));
}
BENCHMARK(BM_BmpReadReference)->Unit(benchmark::kMillisecond);

void BM_BmpSave(benchmark::State &state)
{
    SECDib dib;
    dib.LoadImage(BmpPath().c_str());
    const std::string out = TempPath("saved.bmp");
    for (auto _ : state)
        benchmark::DoNotOptimize(dib.SaveImage(out.c_str()));
}
BENCHMARK(BM_BmpSave)->Unit(benchmark::kMillisecond);

void BM_BmpWriteReference(benchmark::State &state)
{
    const std::vector<BYTE> bytes = ReadWhole(BmpPath());
    const std::string out = TempPath("written.bmp");
    for (auto _ : state) {
        CFile file(out.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), UINT(bytes.size()));
        file.Close();
    }
}
BENCHMARK(BM_BmpWriteReference)->Unit(benchmark::kMillisecond);

void BM_JpegLoad(benchmark::State &state)
{
    for (auto _ : state) {
        SECJpeg jpeg;
        benchmark::DoNotOptimize(jpeg.LoadImage(JpegPath().c_str()));
    }
}
BENCHMARK(BM_JpegLoad)->Unit(benchmark::kMillisecond);

void BM_JpegDecodeReference(benchmark::State &state)
{
    const std::vector<BYTE> bytes = ReadWhole(JpegPath());
    for (auto _ : state) {
        Jpeg::BgrImage image;
        benchmark::DoNotOptimize(Jpeg::Decode(bytes.data(), bytes.size(), image));
    }
}
BENCHMARK(BM_JpegDecodeReference)->Unit(benchmark::kMillisecond);

void BM_JpegSave(benchmark::State &state)
{
    SECJpeg jpeg;
    jpeg.LoadImage(JpegPath().c_str());
    const std::string out = TempPath("saved.jpg");
    for (auto _ : state)
        benchmark::DoNotOptimize(jpeg.SaveImage(out.c_str()));
}
BENCHMARK(BM_JpegSave)->Unit(benchmark::kMillisecond);

// ---- Ours and the reference in turn
//
// On a shared machine the separate figures above drift with the load from
// one benchmark to the next. These time ours and its reference in the same
// iteration, alternating which goes first, and report both and their ratio
// in wall-clock and processor time.

struct TurnTimes {
    double wall = 0, cpu = 0;
};

template <typename Work>
void TimeOne(Work &work, TurnTimes &times)
{
    const auto wall = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    work();
    times.cpu += double(std::clock() - cpu) / CLOCKS_PER_SEC;
    times.wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
}

template <typename Ours, typename Reference>
void TimeInTurn(benchmark::State &state, Ours ours, Reference reference)
{
    TurnTimes oursTimes, referenceTimes;
    bool oursFirst = true;
    for (auto _ : state) {
        if (oursFirst) {
            TimeOne(ours, oursTimes);
            TimeOne(reference, referenceTimes);
        } else {
            TimeOne(reference, referenceTimes);
            TimeOne(ours, oursTimes);
        }
        oursFirst = !oursFirst;
    }
    const double n = double(state.iterations());
    state.counters["ours_ms"] = 1000 * oursTimes.wall / n;
    state.counters["reference_ms"] = 1000 * referenceTimes.wall / n;
    state.counters["wall_ratio"] = oursTimes.wall / referenceTimes.wall;
    state.counters["cpu_ratio"] = referenceTimes.cpu > 0 ? oursTimes.cpu / referenceTimes.cpu : 0;
}

void BM_BmpLoadInTurn(benchmark::State &state)
{
    TimeInTurn(
        state,
        [] {
            SECDib dib;
            benchmark::DoNotOptimize(dib.LoadImage(BmpPath().c_str()));
        },
        [] { benchmark::DoNotOptimize(ReadWhole(BmpPath())); });
}
BENCHMARK(BM_BmpLoadInTurn)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_BmpSaveInTurn(benchmark::State &state)
{
    SECDib dib;
    dib.LoadImage(BmpPath().c_str());
    const std::vector<BYTE> bytes = ReadWhole(BmpPath());
    const std::string saved = TempPath("saved.bmp"), written = TempPath("written.bmp");
    TimeInTurn(
        state, [&] { benchmark::DoNotOptimize(dib.SaveImage(saved.c_str())); },
        [&] {
            CFile file(written.c_str(), CFile::modeCreate | CFile::modeWrite);
            file.Write(bytes.data(), UINT(bytes.size()));
            file.Close();
        });
}
BENCHMARK(BM_BmpSaveInTurn)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_JpegLoadInTurn(benchmark::State &state)
{
    const std::vector<BYTE> bytes = ReadWhole(JpegPath());
    TimeInTurn(
        state,
        [] {
            SECJpeg jpeg;
            benchmark::DoNotOptimize(jpeg.LoadImage(JpegPath().c_str()));
        },
        [&] {
            Jpeg::BgrImage image;
            benchmark::DoNotOptimize(Jpeg::Decode(bytes.data(), bytes.size(), image));
        });
}
BENCHMARK(BM_JpegLoadInTurn)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
