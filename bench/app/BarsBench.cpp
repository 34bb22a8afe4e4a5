// Control bars and printing: a full redraw of a 36-button toolbar, the
// layout of a frame with eight bars along its edges, and printing 100 pages
// of 60 text lines into a PDF file through the print loop.
#include "framework/app/DocTemplate.h"
#include "framework/app/Document.h"
#include "framework/app/FilePrompt.h"
#include "framework/app/FrameWnd.h"
#include "framework/appui/PrintInfo.h"
#include "framework/app/Printers.h"
#include "framework/appui/ToolBar.h"
#include "framework/app/View.h"
#include "framework/app/WinApp.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/resources/Resources.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr UINT kToolBar = 400;
constexpr UINT kDocResource = 401;
constexpr int kButtons = 36;

// A packed 32-bit DIB strip of nImages 16 x 15 images.
std::vector<BYTE> MakeStrip(int nImages)
{
    const int cx = 16 * nImages, cy = 15;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = cx;
    header.biHeight = cy;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<BYTE> bytes(sizeof(header) + static_cast<size_t>(cx) * cy * 4);
    std::memcpy(bytes.data(), &header, sizeof(header));
    auto *pixels = reinterpret_cast<uint32_t *>(bytes.data() + sizeof(header));
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            pixels[y * cx + x] = ((x + y) % 5 == 0) ? 0x000080u : 0xC0C0C0u;
    return bytes;
}

void RegisterToolBar()
{
    static std::vector<UINT> ids;
    static std::vector<BYTE> strip = MakeStrip(kButtons);
    static RESOURCE_TOOLBAR toolBar{};
    if (!ids.empty())
        return;
    for (int i = 0; i < kButtons; ++i)
        ids.push_back(33000 + static_cast<UINT>(i));
    toolBar = {kToolBar, 16, 15, ids.data(), kButtons};
    PlexoRegisterCustomResource(RT_BITMAP, kToolBar, strip.data(), static_cast<DWORD>(strip.size()));
    PlexoRegisterToolBar(kToolBar, &toolBar);
}

void BM_ToolBarRedraw36Buttons(benchmark::State &state)
{
    RegisterToolBar();
    // A frame deletes itself when its window goes.
    CFrameWnd &frame = *new CFrameWnd;
    frame.Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1200, 300));
    CToolBar bar;
    bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS);
    bar.LoadToolBar(kToolBar);
    bar.SetButtonStyle(3, TBBS_CHECKED);
    bar.SetButtonStyle(5, TBBS_DISABLED);
    frame.RecalcLayout();
    CRect client;
    bar.GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(client.Width(), client.Height(), 1, 32, nullptr);
    CBitmap *pOld = memory.SelectObject(&bitmap);
    for (auto _ : state)
        bar.Draw(&memory);
    memory.SelectObject(pOld);
    bar.DestroyWindow();
    frame.DestroyWindow();
}
BENCHMARK(BM_ToolBarRedraw36Buttons)->Unit(benchmark::kMicrosecond);

void BM_RecalcLayoutEightBars(benchmark::State &state)
{
    RegisterToolBar();
    CFrameWnd &frame = *new CFrameWnd;
    frame.Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1600, 1200));
    const DWORD sides[] = {CBRS_TOP, CBRS_TOP, CBRS_BOTTOM, CBRS_BOTTOM, CBRS_LEFT, CBRS_LEFT, CBRS_RIGHT, CBRS_RIGHT};
    std::vector<std::unique_ptr<CToolBar>> bars;
    for (DWORD side : sides) {
        auto pBar = std::make_unique<CToolBar>();
        pBar->CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | side | CBRS_GRIPPER, CRect(0, 0, 0, 0),
                       AFX_IDW_TOOLBAR + 0x20 + static_cast<UINT>(bars.size()));
        pBar->LoadToolBar(kToolBar);
        bars.push_back(std::move(pBar));
    }
    if (state.range(0) == 0) {
        // The layout alone: every bar measured and placed.
        for (auto _ : state)
            frame.RecalcLayout();
    } else {
        // A resize between two sizes, each moving every bar.
        bool bWide = false;
        for (auto _ : state) {
            bWide = !bWide;
            frame.SetWindowPos(nullptr, 0, 0, bWide ? 1600 : 1590, bWide ? 1200 : 1190,
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    for (auto &pBar : bars)
        pBar->DestroyWindow();
    frame.DestroyWindow();
}
BENCHMARK(BM_RecalcLayoutEightBars)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

class PagesDoc : public CDocument {
    DECLARE_DYNCREATE(PagesDoc)
};
IMPLEMENT_DYNCREATE(PagesDoc, CDocument)

// 100 pages of 60 lines of text.
class PagesView : public CView {
    DECLARE_DYNCREATE(PagesView)
public:
    void OnDraw(CDC *) override {}
    BOOL OnPreparePrinting(CPrintInfo *pInfo) override
    {
        pInfo->SetMaxPage(100);
        return DoPreparePrinting(pInfo);
    }
    void OnPrint(CDC *pDC, CPrintInfo *pInfo) override
    {
        TEXTMETRIC tm{};
        pDC->GetTextMetrics(&tm);
        for (int nLine = 0; nLine < 60; ++nLine) {
            CString strLine;
            strLine.Format("Page %u, line %d: the quick brown fox jumps over the lazy dog", pInfo->m_nCurPage, nLine);
            pDC->TextOut(300, 300 + nLine * (tm.tmHeight + tm.tmExternalLeading), strLine);
        }
    }

protected:
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(PagesView, CView)
BEGIN_MESSAGE_MAP(PagesView, CView)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

std::string g_pdfPath;

BOOL AnswerPdfPath(CString &strPath, BOOL, LPCTSTR, LPCTSTR, LPCTSTR)
{
    strPath = g_pdfPath.c_str();
    return TRUE;
}

void BM_Print100PagesToPdf(benchmark::State &state)
{
    static const RESOURCE_STRING strings[] = {{kDocResource, "Pages\n\nPages\n\n\n\n"}};
    PlexoRegisterStrings(strings, 1);
    g_pdfPath = (std::filesystem::temp_directory_path() / "plexo-bench-pages.pdf").string();
    PlexoFilePromptHandler pfnOld = PlexoSetFilePromptHandler(&AnswerPdfPath);
    CWinApp app("Bench");
    app.InitApplication();
    app.AddDocTemplate(new CSingleDocTemplate(kDocResource, RUNTIME_CLASS(PagesDoc), RUNTIME_CLASS(CFrameWnd),
                                              RUNTIME_CLASS(PagesView)));
    AfxSelectPrinter(PlexoCreateDevNames(PLEXO_PDF_PRINTER_NAME, PLEXO_PDF_PRINTER_NAME, "", TRUE), nullptr);
    app.OnFileNew();
    for (auto _ : state)
        app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(g_pdfPath));
    app.m_pMainWnd->DestroyWindow();
    app.CloseAllDocuments(TRUE);
    std::filesystem::remove(g_pdfPath);
    PlexoSetFilePromptHandler(pfnOld);
}
BENCHMARK(BM_Print100PagesToPdf)->Unit(benchmark::kMillisecond);

} // namespace
