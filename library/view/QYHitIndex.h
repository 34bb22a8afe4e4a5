// A grid over the page that finds the topmost component under a point
// without walking every component: each cell lists, in drawing order, the
// components whose rectangle (widened by the hit tolerance and their line)
// meets it.  The answer is the model's topmost-first hit test's because the
// index is rebuilt after every change of geometry or drawing order: it goes
// stale when the drawing change count moves (points, rectangles, hit areas,
// property sets, list insertions and removals, whether made by a command or
// not), and the view also marks it stale on every update it receives.  The
// next query rebuilds it.
#pragma once

#include "framework/base/CRect.h"

#include <cstdint>
#include <vector>

class CQYDataModel;
class CQYDrawComponent;

class CQYHitIndex {
public:
    CQYHitIndex() = default;
    CQYHitIndex(const CQYHitIndex&) = delete;
    CQYHitIndex& operator=(const CQYHitIndex&) = delete;
    ~CQYHitIndex();

    void Invalidate() { m_bValid = false; }
    // Built, and nothing that could change an answer has happened since.
    bool IsValid() const;
    // The topmost component whose hit area holds the point (tolerance 8).
    CQYDrawComponent* HitTest(CQYDataModel* pModel, int x, int y);

private:
    void Build(CQYDataModel* pModel);
    void Clear();

    bool m_bValid = false;
    // The drawing change count when the index was built.
    std::uint64_t m_nBuiltAt = 0;
    CQYDataModel* m_pModel = nullptr;
    CRect m_bounds;
    int m_nCell = 64;
    int m_nCols = 0;
    int m_nRows = 0;
    // The components in drawing order, each holding a reference while indexed.
    std::vector<CQYDrawComponent*> m_comps;
    // Per cell, indices into m_comps in ascending (drawing) order.
    std::vector<std::vector<int>> m_cells;
};
