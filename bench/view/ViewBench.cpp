// The canvas view on a large page: 10,000 shapes and 5,000 elbow links with
// arrow heads on 8,000 x 6,000 logical units, shown in a 1,920 x 1,080 view.
// Repainting the view, the hit tests of one mouse move, printing the page
// into a PDF file and exporting it as a bitmap and as a metafile.
#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/PrintInfo.h"
#include "framework/app/Printers.h"
#include "framework/gdi/CDC.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYBaseView.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class CBenchDoc : public CDocument {
public:
    CBenchDoc() { m_model.SetOwnerDocument(this); }
    CQYDataModel m_model;
};

class CBenchView : public CQYBaseView {
public:
    void OnDraw(CDC *pDC) override { Draw(pDC); }
};

CQYPortComponent *NthPort(CQYDrawPortsComponent *pShape, int n)
{
    POSITION pos = pShape->m_listPorts.FindIndex(n % pShape->GetPortCount());
    return static_cast<CQYPortComponent *>(pShape->m_listPorts.GetAt(pos));
}

// The page, the frame and the view, made once for all benchmarks.
struct Page {
    CBenchDoc *pDoc = new CBenchDoc;
    CFrameWnd *pFrame = new CFrameWnd;
    CBenchView *pView = new CBenchView;

    Page()
    {
        pDoc->m_bAutoDelete = FALSE;
        CQYDataModel &model = pDoc->m_model;
        model.SetPrintPageRect(CRect(0, 0, 8000, 6000));
        model.SetPagePosition(CRect(0, 0, 8000, 6000));
        std::vector<CQYDrawPortsComponent *> shapes;
        // 100 columns by 100 rows of 50-by-35 shapes, 80 by 60 apart.
        for (int i = 0; i < 10000; ++i) {
            const int x = 20 + (i % 100) * 79;
            const int y = 20 + (i / 100) * 59;
            CRect rect(x, y, x + 50, y + 35);
            CQYDrawPortsComponent *pShape = i % 22 < 21
                                                ? static_cast<CQYDrawPortsComponent *>(QYNewBasicShape(51 + i % 22))
                                                : new CQYEllipseComponnent;
            pShape->Create(rect, "");
            pShape->GetDefaultProperty()->SetBrushType(1);
            model.InsertComponent(pShape);
            shapes.push_back(pShape);
        }
        for (int i = 0; i < 5000; ++i) {
            CQYPortComponent *pFrom = NthPort(shapes[i], 3);
            CQYPortComponent *pTo = NthPort(shapes[(i + 101) % 10000], 1);
            auto *pLink = new CQYLinkComponent;
            const POINT ends[2] = {pFrom->GetLinkPoint(), pTo->GetLinkPoint()};
            pLink->CreateFromPoints(ends, 2, pFrom, pTo);
            pFrom->AddLink(pLink);
            pTo->AddLink(pLink);
            pLink->SetElbow(TRUE);
            pLink->SetEndArrowType(3);
            pLink->UpdateComp();
            model.InsertComponent(pLink);
        }
        pFrame->Create(nullptr, "Page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1960, 1160));
        pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1920, 1080), pFrame, AFX_IDW_PANE_FIRST);
        pDoc->AddView(pView);
        pView->SetCurrentModel(&model);
        // A selection of 100 components in the visible part.
        CQYCompList &list = model.GetComponents();
        int n = 0;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr && n < 100; ++n)
            pView->m_listSelected.AddTail(list.GetNext(pos));
        pView->MarkFirstAsMain();
    }
    ~Page()
    {
        pFrame->DestroyWindow();
        delete pDoc;
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
