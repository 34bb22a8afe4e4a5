// Which components of a page may draw into a given rectangle, without
// looking at every component: a grid over the page whose cells list, in
// drawing order, the components whose drawing bounds meet them.  The index
// is made from a list on first use and made again after any change that
// the drawing change count records (see QYDrawingChanges.h), so it always
// answers as a walk over the whole list would.
#pragma once

#include "framework/base/CRect.h"

#include <cstdint>
#include <functional>
#include <vector>

class CQYCompList;
class CQYDrawComponent;

class CQYDrawIndex {
public:
    using BoundsFn = std::function<CRect(CQYDrawComponent*)>;

    // The components of list whose bounds (as pfnBounds gives them) meet
    // rectClip, in list order.
    void Collect(const CQYCompList& list, const CRect& rectClip, const BoundsFn& pfnBounds,
                 std::vector<CQYDrawComponent*>& out);
    // Forgets the index; the next Collect makes it again.
    void Invalidate() { m_pList = nullptr; }
    // Whether the next Collect on list can use the index as it is.
    bool IsCurrentFor(const CQYCompList& list) const;

private:
    void Build(const CQYCompList& list, const BoundsFn& pfnBounds);
    // The cell column (row) of a coordinate, held to the grid.
    int CellX(long long x) const;
    int CellY(long long y) const;

    const CQYCompList* m_pList = nullptr;
    std::uint64_t m_nBuiltAt = 0;
    std::vector<CQYDrawComponent*> m_components; // in list order
    std::vector<CRect> m_bounds;                 // parallel to m_components
    // The grid: m_nColumns x m_nRows cells of m_nCellSize units from
    // (m_nOriginX, m_nOriginY); cells hold places in m_components.
    long long m_nOriginX = 0, m_nOriginY = 0;
    long long m_nCellSize = 1;
    int m_nColumns = 0, m_nRows = 0;
    std::vector<std::vector<int>> m_cells;
    // Components that span so many cells that listing them in each would
    // cost more than testing them on every query.
    std::vector<int> m_wide;
    // The query that last took each component, so a component listed in
    // several cells is taken once.
    std::vector<std::uint32_t> m_taken;
    std::uint32_t m_nQuery = 0;
};
