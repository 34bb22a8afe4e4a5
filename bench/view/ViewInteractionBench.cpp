// Mouse editing on a large page: 10,000 shapes and 5,000 elbow links with
// arrow heads on 8,000 x 6,000 logical units in a 1,920 x 1,080 view (the
// page of bench_view).  One step of dragging 1,000 selected shapes with the
// links attached to them, the drop of that drag, and copying and pasting
// the 1,000 shapes through the clipboard.  The view gets the mouse as
// window messages, as from the desktop.
#include "BenchPage.h"

#include "framework/window/MessageApi.h"
#include "framework/window/WinMessages.h"
#include "library/view/QYViewIds.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kSelected = 1000;

// The page, made once for all benchmarks; the first 1,000 shapes (the top
// ten rows) are selected.
struct Page : BenchPage {
    Page()
    {
        pView->UpdateWindow();
        SelectTheThousand();
    }
    void SelectTheThousand()
    {
        pView->m_listSelected.RemoveAll();
        for (int i = 0; i < kSelected; ++i)
            pView->m_listSelected.AddTail(shapes[static_cast<size_t>(i)]);
        pView->MarkFirstAsMain();
    }
    // The client point over the middle of the first shape, where the drags
    // start.
    CPoint GripPoint() const
    {
        const CRect rect = shapes[0]->GetRect();
        return rect.CenterPoint();
    }
    void Mouse(UINT message, UINT nFlags, CPoint point)
    {
        pView->SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
    }
    // Presses on the first shape and moves far enough to start dragging the
    // selection: its outlines are on the screen.
    void StartDrag()
    {
        const CPoint grip = GripPoint();
        Mouse(WM_LBUTTONDOWN, MK_LBUTTON, grip);
        Mouse(WM_MOUSEMOVE, MK_LBUTTON, grip + CPoint(3, 3));
    }
};

Page &ThePage()
{
    static Page *pPage = new Page; // lives for the program
    return *pPage;
}

// One mouse move of the drag: the outlines drawn at the last offset are
// erased and drawn again at the new one, the links' outlines following
// their ports.
void BM_DragStep(benchmark::State &state)
{
    Page &page = ThePage();
    page.StartDrag();
    const CPoint grip = page.GripPoint();
    int i = 0;
    for (auto _ : state) {
        // Every step lands on a new offset.
        ++i;
        page.Mouse(WM_MOUSEMOVE, MK_LBUTTON, grip + CPoint(4 + i % 40, 4 + (i / 40) % 40));
    }
    // Dropped where it started: the page stays as it was.
    page.Mouse(WM_MOUSEMOVE, MK_LBUTTON, grip);
    page.Mouse(WM_LBUTTONUP, 0, grip);
    PlexoDrainMessages();
    page.SelectTheThousand();
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

// The drop: the outlines erased and one move command run through the
// history, the 1,000 shapes moved and their links following their ports.
void BM_DragDrop(benchmark::State &state)
{
    Page &page = ThePage();
    const CPoint grip = page.GripPoint();
    int nDirection = 1;
    for (auto _ : state) {
        state.PauseTiming();
        page.StartDrag();
        const CPoint drop = grip + CPoint(20 * nDirection, 10 * nDirection);
        page.Mouse(WM_MOUSEMOVE, MK_LBUTTON, drop);
        state.ResumeTiming();
        page.Mouse(WM_LBUTTONUP, 0, drop);
        state.PauseTiming();
        // Back and forth, so that the page stays where it was.
        nDirection = -nDirection;
        PlexoDrainMessages();
        state.ResumeTiming();
    }
    page.SelectTheThousand();
}
BENCHMARK(BM_DragDrop)->Unit(benchmark::kMillisecond);

// Copy and paste of the 1,000 shapes: the selection written to the
// clipboard as the component format, read back and added as one undoable
// step, the pasted shapes selected.
void BM_CopyPaste(benchmark::State &state)
{
    Page &page = ThePage();
    for (auto _ : state) {
        page.pView->SendMessage(WM_COMMAND, ID_EDIT_COPY, 0);
        page.pView->SendMessage(WM_COMMAND, ID_EDIT_PASTE, 0);
        state.PauseTiming();
        if (page.pView->m_listSelected.GetCount() != kSelected)
            state.SkipWithError("the paste did not select the pasted shapes");
        page.pView->SendMessage(WM_COMMAND, ID_EDIT_UNDO, 0);
        PlexoDrainMessages();
        page.SelectTheThousand();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyPaste)->Unit(benchmark::kMillisecond);

} // namespace
