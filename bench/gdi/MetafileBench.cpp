// Enhanced metafiles: recording 100,000 calls (object changes, lines,
// polylines and small rectangles), validating the bytes, playing them onto
// a full-HD memory context against making the same calls directly;
// converting a Windows metafile whose region record has 250 or 2,000 scans
// (the time should grow with the scans, eight times for eight times as
// many); and decoding a 4000x3000 JPEG.
#include "framework/gdi/CDC.h"
#include "framework/gdi/MetaFileDC.h"
#include "framework/gdi/WinMetaFile.h"
#include "framework/image/JpegCodec.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kCalls = 100000;

struct Objects {
    CPen pens[3] = {CPen(PS_SOLID, 1, RGB(0, 0, 0)), CPen(PS_SOLID, 1, RGB(200, 0, 0)),
                    CPen(PS_DOT, 1, RGB(0, 0, 160))};
    CBrush brushes[2] = {CBrush(RGB(240, 200, 40)), CBrush(HS_DIAGCROSS, RGB(0, 120, 0))};
};

// The mix: every tenth call changes the pen or brush; the others draw a
// line, a five-point polyline or a small rectangle.
void Draw(CDC &dc, Objects &objects)
{
    for (int i = 0; i < kCalls; ++i) {
        const int x = (i * 37) % (kWidth - 40), y = (i * 91) % (kHeight - 40);
        switch (i % 10) {
        case 0: dc.SelectObject(&objects.pens[(i / 10) % 3]); break;
        case 5: dc.SelectObject(&objects.brushes[(i / 10) % 2]); break;
        case 1:
        case 2:
        case 3: dc.MoveTo(x, y), dc.LineTo(x + 30, y + 17); break;
        case 4:
        case 6:
        case 7: {
            const POINT points[5] = {{x, y}, {x + 10, y + 20}, {x + 20, y}, {x + 30, y + 20}, {x + 40, y}};
            dc.Polyline(points, 5);
            break;
        }
        default: dc.Rectangle(x, y, x + 12, y + 9); break;
        }
    }
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(WHITE_BRUSH);
}

HENHMETAFILE Record()
{
    Objects objects;
    CMetaFileDC recorder;
    recorder.CreateEnhanced(nullptr, nullptr, nullptr, nullptr);
    Draw(recorder, objects);
    return recorder.CloseEnhanced();
}

struct Target {
    CDC dc;
    CBitmap bitmap;
    CBitmap *old = nullptr;
    Target()
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
    }
    ~Target() { dc.SelectObject(old); }
};

void BM_RecordCalls(benchmark::State &state)
{
    for (auto _ : state) {
        HENHMETAFILE emf = Record();
        benchmark::DoNotOptimize(emf);
        DeleteEnhMetaFile(emf);
    }
    state.SetItemsProcessed(state.iterations() * kCalls);
}
BENCHMARK(BM_RecordCalls)->Unit(benchmark::kMillisecond);

void BM_ValidateBytes(benchmark::State &state)
{
    HENHMETAFILE emf = Record();
    std::vector<BYTE> bytes(GetEnhMetaFileBits(emf, 0, nullptr));
    GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(emf);
    for (auto _ : state) {
        HENHMETAFILE again = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
        benchmark::DoNotOptimize(again);
        DeleteEnhMetaFile(again);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ValidateBytes)->Unit(benchmark::kMillisecond);

void BM_DrawDirectly(benchmark::State &state)
{
    Target target;
    Objects objects;
    for (auto _ : state)
        Draw(target.dc, objects);
}
BENCHMARK(BM_DrawDirectly)->Unit(benchmark::kMillisecond);

void BM_PlayRecorded(benchmark::State &state)
{
    HENHMETAFILE emf = Record();
    ENHMETAHEADER header{};
    GetEnhMetaFileHeader(emf, sizeof header, &header);
    Target target;
    // The frame's own size in pixels, so the picture plays 1:1.
    const RECT rect{0, 0, (header.rclFrame.right * 96 + 1270) / 2540, (header.rclFrame.bottom * 96 + 1270) / 2540};
    for (auto _ : state)
        PlayEnhMetaFile(target.dc.m_hDC, emf, &rect);
    state.counters["records"] = header.nRecords;
    DeleteEnhMetaFile(emf);
}
BENCHMARK(BM_PlayRecorded)->Unit(benchmark::kMillisecond);

// A Windows metafile of one region record: scans one pixel high, each with
// two rectangles whose places change from scan to scan, as a region traced
// from a picture has, written bottom scan first (the record's order is the
// writer's: uniting the rectangles one by one in it copied the whole region
// for each scan); then the record's end.
std::vector<BYTE> RegionMetafile(int scans)
{
    std::vector<WORD> params = {0, 6, 0, 0, 0, static_cast<WORD>(scans), 0, 0, 0, 0, 0};
    for (int i = 0; i < scans; ++i) {
        const short y = static_cast<short>(scans - 1 - i), x = static_cast<short>((i * 7) % 300);
        for (short word : {short(4), y, short(y + 1), x, short(x + 40), short(x + 60), short(x + 100), short(4)})
            params.push_back(static_cast<WORD>(word));
    }
    constexpr WORD kCreateRegion = 0x06FF;
    const DWORD recordWords = static_cast<DWORD>(3 + params.size());
    std::vector<WORD> words = {1, 9, 0x300, 0, 0, 1, 0, 0, 0};
    words.push_back(static_cast<WORD>(recordWords & 0xFFFF));
    words.push_back(static_cast<WORD>(recordWords >> 16));
    words.push_back(kCreateRegion);
    words.insert(words.end(), params.begin(), params.end());
    for (WORD w : {WORD(3), WORD(0), WORD(0)})
        words.push_back(w);
    words[3] = static_cast<WORD>(words.size() & 0xFFFF);
    words[4] = static_cast<WORD>(words.size() >> 16);
    words[6] = static_cast<WORD>(recordWords & 0xFFFF);
    words[7] = static_cast<WORD>(recordWords >> 16);
    std::vector<BYTE> bytes(words.size() * 2);
    std::memcpy(bytes.data(), words.data(), bytes.size());
    return bytes;
}

void BM_ConvertRegionScans(benchmark::State &state)
{
    const std::vector<BYTE> bytes = RegionMetafile(static_cast<int>(state.range(0)));
    METAFILEPICT picture{MM_ANISOTROPIC, 10000, 10000, nullptr};
    for (auto _ : state) {
        HENHMETAFILE emf = SetWinMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data(), nullptr, &picture);
        benchmark::DoNotOptimize(emf);
        DeleteEnhMetaFile(emf);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ConvertRegionScans)->Arg(250)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_DecodeJpeg(benchmark::State &state)
{
    const int width = 4000, height = 3000;
    std::vector<unsigned char> rows(static_cast<size_t>(width) * 3 * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char *p = rows.data() + (static_cast<size_t>(y) * width + x) * 3;
            p[0] = static_cast<unsigned char>(x / 16);
            p[1] = static_cast<unsigned char>(y / 12);
            p[2] = static_cast<unsigned char>((x ^ y) & 0xFF);
        }
    std::vector<unsigned char> jpeg;
    Jpeg::Encode(rows.data(), width, height, static_cast<size_t>(width) * 3, jpeg);
    for (auto _ : state) {
        Jpeg::BgrImage image;
        Jpeg::Decode(jpeg.data(), jpeg.size(), image);
        benchmark::DoNotOptimize(image.pixels.data());
    }
    state.counters["file bytes"] = static_cast<double>(jpeg.size());
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);

} // namespace
