// Executing, undoing and redoing move commands through the history on pages
// of different sizes: a step's cost must not depend on the number of
// components on the page.
#include "library/model/QYCommand.h"
#include "library/model/QYCommandHistory.h"
#include "library/model/QYCompList.h"
#include "library/model/QYCommandStrings.h"
#include "library/model/QYDrawPortsComponent.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kSteps = 1000000;

// Moves one component by (dx, dy), holding a reference on it as the
// model's move command does; the page is the list the component sits in.
class MoveCommand : public CQYCommand {
public:
    MoveCommand(CQYDrawComponent *pComp, int dx, int dy) : CQYCommand(nullptr), m_pComp(pComp), m_dx(dx), m_dy(dy)
    {
        m_pComp->AddRef();
    }
    ~MoveCommand() override { m_pComp->Release(); }
    int GetCommandID() override { return QY_CMD_MOVECOMP; }
    BOOL Execute() override
    {
        m_pComp->OffsetComponent(m_dx, m_dy);
        m_pComp->UpdatePosition();
        m_pComp->ResetTrackPoints();
        m_pComp->UpdateComp();
        return TRUE;
    }
    CQYBaseCommand *GetUndoCommand() const override { return new MoveCommand(m_pComp, -m_dx, -m_dy); }
    CQYBaseCommand *GetRedoCommand() const override { return new MoveCommand(m_pComp, m_dx, m_dy); }
    void Sprint(CString &strText) const override { strText = QYLoadCommandString(IDS_QY_CMD_MOVECOMP); }

private:
    CQYDrawComponent *m_pComp;
    int m_dx;
    int m_dy;
};

// Holds a reference on a component and changes nothing: what is left is
// the history's own work per step.
class TouchCommand : public CQYCommand {
public:
    explicit TouchCommand(CQYDrawComponent *pComp) : CQYCommand(nullptr), m_pComp(pComp) { m_pComp->AddRef(); }
    ~TouchCommand() override { m_pComp->Release(); }
    int GetCommandID() override { return QY_CMD_MOVECOMP; }
    BOOL Execute() override { return TRUE; }
    CQYBaseCommand *GetUndoCommand() const override { return new TouchCommand(m_pComp); }
    CQYBaseCommand *GetRedoCommand() const override { return new TouchCommand(m_pComp); }
    void Sprint(CString &strText) const override { strText = QYLoadCommandString(IDS_QY_CMD_MOVECOMP); }

private:
    CQYDrawComponent *m_pComp;
};

// A page of rectangles with four ports each, and the components in an
// array for picking them by number.
struct Page {
    explicit Page(int nCount)
    {
        for (int i = 0; i < nCount; ++i) {
            auto *pShape = new CQYDrawPortsComponent;
            const int x = (i % 100) * 40, y = (i / 100) * 30;
            const POINT corners[] = {{x, y}, {x + 30, y}, {x + 30, y + 20}, {x, y + 20}};
            pShape->SetPoints(corners, 4);
            pShape->UpdatePosition();
            pShape->CreateDefaultPort(0.5, 0);
            pShape->CreateDefaultPort(1, 0.5);
            pShape->CreateDefaultPort(0.5, 1);
            pShape->CreateDefaultPort(0, 0.5);
            pShape->ResetTrackPoints();
            pShape->UpdateComp();
            list.AddTail(pShape);
            comps.push_back(pShape);
        }
    }
    CQYCompList list;
    std::vector<CQYDrawComponent *> comps;
};

// The component of a step: spread over the first nSpread components of the
// page, so the steps do not all touch one.  A page larger than the spread
// shows what the page size alone costs (nothing); a spread as large as the
// page adds the memory traffic of touching components far apart.
CQYDrawComponent *Pick(const Page &page, int nStep, long nSpread)
{
    const size_t nRange = std::min(page.comps.size(), static_cast<size_t>(nSpread));
    return page.comps[static_cast<size_t>(nStep) * 7919u % nRange];
}

void BM_ExecuteMoves(benchmark::State &state)
{
    Page page(static_cast<int>(state.range(0)));
    CQYCommandHistory history;
    int nStep = 0;
    for (auto _ : state) {
        history.Execute(new MoveCommand(Pick(page, nStep, state.range(1)), 3, -2));
        ++nStep;
    }
    state.SetItemsProcessed(state.iterations());
}

// One iteration is an undo and then a redo of a ring that is kept full.
void BM_UndoRedoMoves(benchmark::State &state)
{
    Page page(static_cast<int>(state.range(0)));
    CQYCommandHistory history;
    for (int i = 0; i < QY_HISTORY_LEVELS; ++i)
        history.Execute(new MoveCommand(Pick(page, i, state.range(1)), 1, 1));
    int nDepth = 0;
    for (auto _ : state) {
        // Walk down the ring and back up, so every slot is visited.
        if (nDepth < QY_HISTORY_LEVELS) {
            history.Undo();
            history.Redo();
            history.Undo();
            ++nDepth;
        } else {
            history.Redo();
            history.Undo();
            history.Redo();
            if (!history.CanRedo())
                nDepth = 0;
        }
    }
    state.SetItemsProcessed(state.iterations() * 3);
}

// The history's share alone: execute, undo and redo around commands that
// do no work of their own.
void BM_HistoryStepsOnly(benchmark::State &state)
{
    Page page(static_cast<int>(state.range(0)));
    CQYCommandHistory history;
    int nStep = 0;
    for (auto _ : state) {
        history.Execute(new TouchCommand(Pick(page, nStep, state.range(1))));
        history.Undo();
        history.Redo();
        ++nStep;
    }
    state.SetItemsProcessed(state.iterations() * 3);
}

} // namespace

BENCHMARK(BM_HistoryStepsOnly)
    ->Args({100, 100})
    ->Args({1000, 1000})
    ->Args({10000, 10000})
    ->Args({10000, 100})
    ->Iterations(kSteps);
BENCHMARK(BM_ExecuteMoves)
    ->Args({100, 100})
    ->Args({1000, 1000})
    ->Args({10000, 10000})
    ->Args({10000, 100})
    ->Iterations(kSteps);
BENCHMARK(BM_UndoRedoMoves)
    ->Args({100, 100})
    ->Args({1000, 1000})
    ->Args({10000, 10000})
    ->Args({10000, 100})
    ->Iterations(kSteps);
