// Loading a large BMP into an image component and drawing it stretched into
// a full-HD view, opaque and with a transparent colour.
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/object/File.h"
#include "library/shapes/QYImageComponent.h"
#include "library/shapes/QYImageMetaFile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

void Put(std::vector<char> &out, uint32_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

// A 24-bit picture of colour bands, written once.
const std::string &PicturePath()
{
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "plexo_bench_4000x3000.bmp").string();
        const uint32_t rowBytes = (kWidth * 24 + 31) / 32 * 4;
        std::vector<char> bytes;
        Put(bytes, 0x4D42, 2);
        Put(bytes, 54 + rowBytes * kHeight, 4);
        Put(bytes, 0, 4);
        Put(bytes, 54, 4);
        Put(bytes, 40, 4);
        Put(bytes, kWidth, 4);
        Put(bytes, kHeight, 4);
        Put(bytes, 1, 2);
        Put(bytes, 24, 2);
        Put(bytes, 0, 4);
        Put(bytes, rowBytes * kHeight, 4);
        Put(bytes, 0, 16);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                bytes.push_back(static_cast<char>(x / 16));
                bytes.push_back(static_cast<char>(y / 12));
                bytes.push_back(static_cast<char>((x + y) / 32));
            }
            bytes.resize(bytes.size() + rowBytes - kWidth * 3, 0);
        }
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }();
    return path;
}

CQYImageComponent *LoadedComponent()
{
    auto *pImage = new CQYImageComponent;
    pImage->AddRef();
    CRect rc(0, 0, 10, 10);
    pImage->Create(rc, "Image1");
    pImage->LoadImageFile(PicturePath().c_str());
    CRect view(0, 0, 1920, 1080);
    pImage->PositionComponent(&view);
    return pImage;
}

void BM_LoadBmp4000x3000(benchmark::State &state)
{
    PicturePath();
    for (auto _ : state) {
        CQYImageComponent image;
        CRect rc(10, 20, 30, 40);
        image.Create(rc, "Image1");
        benchmark::DoNotOptimize(image.LoadImageFile(PicturePath().c_str()));
    }
}
BENCHMARK(BM_LoadBmp4000x3000)->Unit(benchmark::kMillisecond);

void DrawInto1080p(benchmark::State &state, BOOL bTransparent)
{
    CQYImageComponent *pImage = LoadedComponent();
    pImage->SetTransparentColor(RGB(0, 0, 0));
    pImage->SetTransparent(bTransparent);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(1920, 1080, 1, 32, nullptr);
    CBitmap *pOld = dc.SelectObject(&bitmap);
    pImage->OnDraw(&dc); // builds the masks once
    for (auto _ : state)
        pImage->OnDraw(&dc);
    dc.SelectObject(pOld);
    pImage->Release();
}

void BM_DrawStretchedOpaque(benchmark::State &state)
{
    DrawInto1080p(state, FALSE);
}
BENCHMARK(BM_DrawStretchedOpaque)->Unit(benchmark::kMillisecond);

void BM_DrawStretchedTransparent(benchmark::State &state)
{
    DrawInto1080p(state, TRUE);
}
BENCHMARK(BM_DrawStretchedTransparent)->Unit(benchmark::kMillisecond);

void BM_BuildTransparentMasks(benchmark::State &state)
{
    CQYImageComponent *pImage = LoadedComponent();
    for (auto _ : state) {
        pImage->SetTransparentColor(RGB(0, 0, 0));
        pImage->BuildTransparentMasks();
    }
    pImage->Release();
}
BENCHMARK(BM_BuildTransparentMasks)->Unit(benchmark::kMillisecond);

void Record(std::vector<char> &out, uint16_t function, std::initializer_list<int> params)
{
    Put(out, static_cast<uint32_t>(3 + params.size()), 4);
    Put(out, function, 2);
    for (int p : params)
        Put(out, static_cast<uint32_t>(p), 2);
}

// A Windows metafile of 10,000 records: a window, a brush and pen, then
// rectangles and ellipses over it.
std::vector<char> TenThousandRecords()
{
    std::vector<char> records;
    Record(records, 0x020B, {0, 0});
    Record(records, 0x020C, {1080, 1920});
    Record(records, 0x02FC, {0, 0x8040, 0x0020, 0});
    Record(records, 0x012D, {0});
    for (int i = 0; records.size() < 10000 * 14u; ++i) {
        const int x = (i * 37) % 1800, y = (i * 53) % 1000;
        Record(records, (i % 2) ? 0x0418 : 0x041B, {y + 60, x + 90, y, x});
    }
    Record(records, 0x0000, {});
    std::vector<char> out;
    Put(out, 1, 2);
    Put(out, 9, 2);
    Put(out, 0x300, 2);
    Put(out, static_cast<uint32_t>((18 + records.size()) / 2), 4);
    Put(out, 1, 2);
    Put(out, 8, 4);
    Put(out, 0, 2);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

void BM_PlayMetaFile10000Records(benchmark::State &state)
{
    std::vector<char> bytes = TenThousandRecords();
    CMemFile file(reinterpret_cast<BYTE *>(bytes.data()), static_cast<UINT>(bytes.size()));
    CQYImageMetaFile picture;
    if (!picture.ReadMetaFile(&file)) {
        state.SkipWithError("the metafile did not load");
        return;
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(1920, 1080, 1, 32, nullptr);
    CBitmap *pOld = dc.SelectObject(&bitmap);
    for (auto _ : state)
        picture.Draw(&dc, CRect(0, 0, 1920, 1080), 10);
    dc.SelectObject(pOld);
}
BENCHMARK(BM_PlayMetaFile10000Records)->Unit(benchmark::kMillisecond);

} // namespace
