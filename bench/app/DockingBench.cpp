// Docking speed: RecalcLayout of a frame with eight docked bars (two rows
// of three along the top, one bar on the left, one on the right) and a
// pane, as a frame re-lays out on every resize and bar toggle.
#include "framework/app/DockBar.h"
#include "framework/app/FrameWnd.h"
#include "framework/gdi/GdiConstants.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

class BenchBar : public CControlBar {
public:
    explicit BenchBar(CSize size) : m_size(size) {}
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? m_size : CSize(m_size.cy, m_size.cx); }
    void OnUpdateCmdUI(CFrameWnd *, BOOL) override {}
    CSize m_size;
};

// A frame with a pane and eight docked bars.
struct DockedFrame {
    CFrameWnd *pFrame = nullptr;
    CWnd pane;
    std::vector<std::unique_ptr<BenchBar>> bars;
    ~DockedFrame()
    {
        bars.clear();
        pane.DestroyWindow();
        pFrame->DestroyWindow();
    }
};

void MakeDockedFrame(DockedFrame &docked)
{
    auto *pFrame = docked.pFrame = new CFrameWnd;
    CWnd &pane = docked.pane;
    auto &bars = docked.bars;
    pFrame->Create(nullptr, "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1000, 700));
    pane.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame,
                  AFX_IDW_PANE_FIRST);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const UINT dockBars[] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_TOP,  AFX_IDW_DOCKBAR_TOP,
                             AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
    for (int i = 0; i < 8; ++i) {
        auto pBar = std::make_unique<BenchBar>(CSize(150 + 10 * i, 26));
        pBar->m_dwStyle = CBRS_ALIGN_TOP;
        pBar->CreateEx(0, lpszClass, "Bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, 0xE810 + i);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        // Three to a row along the top: each row's first bar starts a row.
        if (i % 3 == 0 || dockBars[i] != AFX_IDW_DOCKBAR_TOP) {
            pFrame->DockControlBar(pBar.get(), dockBars[i]);
        } else {
            pFrame->RecalcLayout();
            CRect rect;
            bars.back()->GetWindowRect(&rect);
            rect.OffsetRect(1, 0);
            pFrame->DockControlBar(pBar.get(), dockBars[i], &rect);
        }
        bars.push_back(std::move(pBar));
    }
    pFrame->RecalcLayout();
}

// The bars must lie in the rows and sides they were docked to.
bool DockedInTwoRows(CFrameWnd *pFrame)
{
    CDockBar *pTop = pFrame->GetDockBar(AFX_IDW_DOCKBAR_TOP);
    return pTop != nullptr && pTop->GetDockedCount() == 6 && pTop->m_arrBars.GetSize() == 9;
}

// Nothing moved since the last layout.
void BM_RecalcLayoutEightDockedBars(benchmark::State &state)
{
    DockedFrame docked;
    MakeDockedFrame(docked);
    CFrameWnd *pFrame = docked.pFrame;
    for (auto _ : state)
        pFrame->RecalcLayout();
    if (!DockedInTwoRows(pFrame))
        state.SkipWithError("the bars were not docked in two rows");
}
BENCHMARK(BM_RecalcLayoutEightDockedBars)->Unit(benchmark::kMicrosecond);

// The first bar's length changes each time: the bars after it in its row
// move (the pane keeps its place).
void BM_RecalcLayoutEightDockedBarsMoving(benchmark::State &state)
{
    DockedFrame docked;
    MakeDockedFrame(docked);
    CFrameWnd *pFrame = docked.pFrame;
    BenchBar &first = *docked.bars.front();
    for (auto _ : state) {
        first.m_size.cx = first.m_size.cx == 150 ? 170 : 150;
        pFrame->RecalcLayout();
    }
    if (!DockedInTwoRows(pFrame))
        state.SkipWithError("the bars were not docked in two rows");
}
BENCHMARK(BM_RecalcLayoutEightDockedBarsMoving)->Unit(benchmark::kMicrosecond);

// The frame's height changes each time: the frame, the side bars and the
// pane are resized (new backing images) and laid out again.
void BM_RecalcLayoutEightDockedBarsAfterResize(benchmark::State &state)
{
    DockedFrame docked;
    MakeDockedFrame(docked);
    CFrameWnd *pFrame = docked.pFrame;
    int nHeight = 700;
    for (auto _ : state) {
        nHeight = nHeight == 700 ? 690 : 700;
        pFrame->SetWindowPos(nullptr, 0, 0, 1000, nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!DockedInTwoRows(pFrame))
        state.SkipWithError("the bars were not docked in two rows");
}
BENCHMARK(BM_RecalcLayoutEightDockedBarsAfterResize)->Unit(benchmark::kMicrosecond);

} // namespace
