// The canvas view on a large page: 10,000 shapes and 5,000 elbow links with
// arrow heads on 8,000 x 6,000 logical units, shown in a 1,920 x 1,080 view.
// Repainting the view, the hit tests of one mouse move, printing the page
// into a PDF file and exporting it as a bitmap and as a metafile.
#include "BenchPage.h"

#include "framework/app/DocTemplate.h"
#include "framework/appui/PrintInfo.h"
#include "framework/app/Printers.h"
#include "framework/gdi/CDC.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The page, made once for all benchmarks, with 100 components of its
// visible part selected.
struct Page : BenchPage {
    Page()
    {
        CQYCompList &list = pDoc->m_model.GetComponents();
        int n = 0;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr && n < 100; ++n)
            pView->m_listSelected.AddTail(list.GetNext(pos));
        pView->MarkFirstAsMain();
    }
};

Page &ThePage()
{
    static Page *pPage = new Page; // lives for the program
    return *pPage;
}

void BM_RepaintView(benchmark::State &state)
{
    Page &page = ThePage();
    for (auto _ : state) {
        page.pView->Invalidate(FALSE);
        page.pView->UpdateWindow();
    }
}
BENCHMARK(BM_RepaintView)->Unit(benchmark::kMillisecond);

void BM_MouseMoveHitTests(benchmark::State &state)
{
    Page &page = ThePage();
    CQYBaseView *pView = page.pView;
    // One component selected, as when hovering over it.
    CQYDrawComponent *pFirst = pView->m_listSelected.GetHead();
    pFirst->AddRef();
    pView->m_listSelected.RemoveAll();
    pView->m_listSelected.AddTail(pFirst);
    pFirst->Release();
    pView->MarkFirstAsMain();
    int i = 0;
    for (auto _ : state) {
        // Points over shapes, handles and empty page in turn.
        const CPoint pt(30 + (i * 37) % 1800, 30 + (i * 53) % 1000);
        ++i;
        // The handle hit test, then the model's topmost-first hit test and
        // the cursor they choose.
        pView->SetHoverCursor(pt);
        benchmark::DoNotOptimize(pView->GetViewCursor());
    }
}
BENCHMARK(BM_MouseMoveHitTests)->Unit(benchmark::kMicrosecond);

// The first mouse move after a command: the hover index is built again.
void BM_FirstMoveAfterACommand(benchmark::State &state)
{
    CQYBaseView *pView = ThePage().pView;
    for (auto _ : state) {
        pView->m_hitIndex.Invalidate();
        pView->SetHoverCursor(CPoint(400, 300));
    }
}
BENCHMARK(BM_FirstMoveAfterACommand)->Unit(benchmark::kMillisecond);

// The view activated with a selection: every component of the page is
// repainted so that the selection marks follow the activation.
void BM_ActivationRepaintsEveryComponent(benchmark::State &state)
{
    CQYBaseView *pView = ThePage().pView;
    for (auto _ : state) {
        pView->OnActivateView(!pView->m_bActive, pView, pView);
        pView->ValidateRect(nullptr);
    }
}
BENCHMARK(BM_ActivationRepaintsEveryComponent)->Unit(benchmark::kMillisecond);

std::string TempPath(const char *lpszName)
{
    return (std::filesystem::temp_directory_path() / ("plexo-view-bench-" + std::to_string(::getpid()) + lpszName))
        .string();
}

void BM_PrintPageToPdf(benchmark::State &state)
{
    Page &page = ThePage();
    const std::string path = TempPath(".pdf");
    HGLOBAL hNames = PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE);
    CPrintInfo info;
    for (auto _ : state) {
        CPrinterDC dc;
        dc.CreatePrinterDC(hNames, nullptr, path.c_str());
        dc.StartDoc("Page");
        dc.StartPage();
        page.pView->OnPrepareDC(&dc, &info);
        page.pView->OnPrint(&dc, nullptr);
        dc.EndPage();
        dc.EndDoc();
    }
    GlobalFree(hNames);
    std::filesystem::remove(path);
}
BENCHMARK(BM_PrintPageToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportBitmap(benchmark::State &state)
{
    Page &page = ThePage();
    const std::string path = TempPath(".bmp");
    for (auto _ : state)
        page.pView->ExportBitmap(path.c_str());
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportBitmap)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportMetaFile(benchmark::State &state)
{
    Page &page = ThePage();
    const std::string path = TempPath(".emf");
    for (auto _ : state)
        page.pView->ExportMetaFile(path.c_str());
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportMetaFile)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
