// Block transfers, gradients and region building on a full-HD image:
// straight copies, halftone shrinking, masked transparent drawing, a
// gradient fill and a polygon region used as the clip.
#include <QImage>

#include "framework/gdi/CDC.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Scene {
    QImage target{kWidth, kHeight, QImage::Format_RGB32};
    CDC dc;
    CDC source;
    CBitmap picture;
    CBitmap *old = nullptr;

    Scene()
    {
        target.fill(Qt::white);
        dc.CreateImageDC(&target);
        source.CreateCompatibleDC(&dc);
        picture.CreateCompatibleBitmap(&dc, kWidth, kHeight);
        old = source.SelectObject(&picture);
        for (int y = 0; y < kHeight; y += 40)
            source.FillSolidRect(0, y, kWidth, 20, RGB(y % 256, 80, 200));
    }
    ~Scene() { source.SelectObject(old); }
};

void BM_BitBltCopy(benchmark::State &state)
{
    Scene s;
    for (auto _ : state)
        s.dc.BitBlt(0, 0, kWidth, kHeight, &s.source, 0, 0, SRCCOPY);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_BitBltCopy)->Unit(benchmark::kMillisecond);

void BM_StretchBltHalftone(benchmark::State &state)
{
    Scene s;
    s.dc.SetStretchBltMode(HALFTONE);
    for (auto _ : state)
        s.dc.StretchBlt(0, 0, kWidth / 2, kHeight / 2, &s.source, 0, 0, kWidth, kHeight, SRCCOPY);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_StretchBltHalftone)->Unit(benchmark::kMillisecond);

void BM_TransparentBlit(benchmark::State &state)
{
    Scene s;
    CDC maskDC;
    maskDC.CreateCompatibleDC(&s.dc);
    CBitmap mask;
    mask.CreateBitmap(kWidth, kHeight, 1, 1, nullptr);
    CBitmap *old = maskDC.SelectObject(&mask);
    s.source.SetBkColor(RGB(0, 80, 200));
    maskDC.BitBlt(0, 0, kWidth, kHeight, &s.source, 0, 0, SRCCOPY);
    for (auto _ : state) {
        s.dc.BitBlt(0, 0, kWidth, kHeight, &s.source, 0, 0, SRCINVERT);
        s.dc.BitBlt(0, 0, kWidth, kHeight, &maskDC, 0, 0, SRCAND);
        s.dc.BitBlt(0, 0, kWidth, kHeight, &s.source, 0, 0, SRCINVERT);
    }
    maskDC.SelectObject(old);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_TransparentBlit)->Unit(benchmark::kMillisecond);

void BM_GradientFill(benchmark::State &state)
{
    Scene s;
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0, 0, 0}, {kWidth, kHeight, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT r{0, 1};
    for (auto _ : state)
        s.dc.GradientFill(v, 2, &r, 1, GRADIENT_FILL_RECT_H);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_GradientFill)->Unit(benchmark::kMillisecond);

void BM_StarRegionClip(benchmark::State &state)
{
    Scene s;
    const POINT star[] = {{960, 0}, {1500, 1080}, {100, 400}, {1820, 400}, {420, 1080}};
    for (auto _ : state) {
        CRgn rgn;
        rgn.CreatePolygonRgn(star, 5, WINDING);
        s.dc.SelectClipRgn(&rgn);
        s.dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(30, 60, 90));
        s.dc.SelectClipRgn(nullptr);
    }
}
BENCHMARK(BM_StarRegionClip)->Unit(benchmark::kMillisecond);

// Lines drawn into an 8-bit bottom-up DIB section, whose bits are kept in
// their own layout: each line costs its own pixels plus matching the rows
// it wrote to the grey colour table.
void BM_DibSectionLines(benchmark::State &state)
{
    std::vector<BYTE> info(40 + 256 * 4, 0);
    BITMAPINFOHEADER h{40, kWidth, kHeight, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    std::memcpy(info.data(), &h, sizeof(h));
    for (int i = 0; i < 256; ++i)
        std::memset(info.data() + 40 + 4 * i, i, 3);
    void *bits = nullptr;
    HBITMAP section =
        CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO *>(info.data()), DIB_RGB_COLORS, &bits, nullptr, 0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc.m_hDC, section);
    CPen pen(PS_SOLID, 0, RGB(90, 90, 90));
    CPen *oldPen = dc.SelectObject(&pen);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i) {
            dc.MoveTo(i % kWidth, 0);
            dc.LineTo((i * 7) % kWidth, kHeight - 1 - i % 100);
        }
    state.SetItemsProcessed(state.iterations() * 1000);
    dc.SelectObject(oldPen);
    SelectObject(dc.m_hDC, old);
    DeleteObject(section);
}
BENCHMARK(BM_DibSectionLines)->Unit(benchmark::kMillisecond);

} // namespace
