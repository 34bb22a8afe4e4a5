// Mouse editing on a large page: 10,000 shapes and 5,000 elbow links with
// arrow heads on 8,000 x 6,000 logical units in a 1,920 x 1,080 view (the
// page of bench_view).  One step of dragging 1,000 selected shapes with the
// links attached to them, the drop of that drag, and copying and pasting
// the 1,000 shapes through the clipboard.  The view gets the mouse as
// window messages, as from the desktop.
#include "framework/app/Document.h"
#include "framework/app/FrameWnd.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WinMessages.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYPortComponent.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYBaseView.h"
#include "library/view/QYViewIds.h"

#include <benchmark/benchmark.h>

#include <vector>

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

constexpr int kSelected = 1000;

// The page, the frame and the view, made once for all benchmarks; the
// first 1,000 shapes (the top ten rows) are selected.
struct Page {
    CBenchDoc *pDoc = new CBenchDoc;
    CFrameWnd *pFrame = new CFrameWnd;
    CBenchView *pView = new CBenchView;
    std::vector<CQYDrawPortsComponent *> shapes;

    Page()
    {
        pDoc->m_bAutoDelete = FALSE;
        CQYDataModel &model = pDoc->m_model;
        model.SetPrintPageRect(CRect(0, 0, 8000, 6000));
        model.SetPagePosition(CRect(0, 0, 8000, 6000));
        for (int i = 0; i < 10000; ++i) {
            const int x = 20 + (i % 100) * 79;
            const int y = 20 + (i / 100) * 59;
            CQYDrawPortsComponent *pShape = i % 22 < 21
                                                ? static_cast<CQYDrawPortsComponent *>(QYNewBasicShape(51 + i % 22))
                                                : new CQYEllipseComponnent;
            CRect rect(x, y, x + 50, y + 35);
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
        pView->UpdateWindow();
        SelectTheThousand();
    }
    ~Page()
    {
        pFrame->DestroyWindow();
        delete pDoc;
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
