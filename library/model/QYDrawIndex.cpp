#include "library/model/QYDrawIndex.h"

#include "library/model/QYCompList.h"
#include "library/model/QYDrawingChanges.h"

#include <algorithm>

namespace {

// Cells of this many units hold a few shapes each on an ordinary page.
constexpr long long kCellSize = 256;
// The grid is kept to this many cells on a side; larger pages get larger
// cells.
constexpr long long kMaxCellsPerSide = 1024;
// A component spanning more cells than this is tested on every query.
constexpr long long kMaxCellsPerComponent = 64;

} // namespace

bool CQYDrawIndex::IsCurrentFor(const CQYCompList& list) const
{
    return m_pList == &list && m_nBuiltAt == QYDrawingChangeCount() &&
           m_components.size() == static_cast<size_t>(list.GetCount());
}

int CQYDrawIndex::CellX(long long x) const
{
    const long long c = (x - m_nOriginX) / m_nCellSize;
    return static_cast<int>(std::clamp<long long>(c, 0, m_nColumns - 1));
}

int CQYDrawIndex::CellY(long long y) const
{
    const long long c = (y - m_nOriginY) / m_nCellSize;
    return static_cast<int>(std::clamp<long long>(c, 0, m_nRows - 1));
}

void CQYDrawIndex::Build(const CQYCompList& list, const BoundsFn& pfnBounds)
{
    m_components.clear();
    m_bounds.clear();
    m_cells.clear();
    m_wide.clear();
    const size_t nCount = static_cast<size_t>(list.GetCount());
    m_components.reserve(nCount);
    m_bounds.reserve(nCount);
    long long left = 0, top = 0, right = 0, bottom = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = list.GetNext(pos);
        const CRect bounds = pfnBounds(pComp);
        if (m_bounds.empty()) {
            left = bounds.left, top = bounds.top, right = bounds.right, bottom = bounds.bottom;
        } else {
            left = std::min<long long>(left, bounds.left);
            top = std::min<long long>(top, bounds.top);
            right = std::max<long long>(right, bounds.right);
            bottom = std::max<long long>(bottom, bounds.bottom);
        }
        m_components.push_back(pComp);
        m_bounds.push_back(bounds);
    }
    m_nOriginX = left;
    m_nOriginY = top;
    const long long nSpan = std::max(right - left, bottom - top) + 1;
    m_nCellSize = std::max(kCellSize, (nSpan + kMaxCellsPerSide - 1) / kMaxCellsPerSide);
    m_nColumns = static_cast<int>((right - left) / m_nCellSize + 1);
    m_nRows = static_cast<int>((bottom - top) / m_nCellSize + 1);
    m_cells.resize(static_cast<size_t>(m_nColumns) * static_cast<size_t>(m_nRows));
    for (size_t i = 0; i < m_bounds.size(); ++i) {
        const CRect& r = m_bounds[i];
        const int x0 = CellX(r.left), x1 = CellX(r.right);
        const int y0 = CellY(r.top), y1 = CellY(r.bottom);
        const long long nCells = static_cast<long long>(x1 - x0 + 1) * (y1 - y0 + 1);
        if (nCells > kMaxCellsPerComponent) {
            m_wide.push_back(static_cast<int>(i));
            continue;
        }
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                m_cells[static_cast<size_t>(y) * m_nColumns + x].push_back(static_cast<int>(i));
    }
    m_taken.assign(m_components.size(), 0);
    m_nQuery = 0;
    m_pList = &list;
    m_nBuiltAt = QYDrawingChangeCount();
}

void CQYDrawIndex::Collect(const CQYCompList& list, const CRect& rectClip, const BoundsFn& pfnBounds,
                           std::vector<CQYDrawComponent*>& out)
{
    out.clear();
    if (!IsCurrentFor(list))
        Build(list, pfnBounds);
    if (m_components.empty() || rectClip.IsRectEmpty())
        return;
    if (++m_nQuery == 0) {
        std::fill(m_taken.begin(), m_taken.end(), 0);
        m_nQuery = 1;
    }
    std::vector<int> places;
    auto take = [&](int i) {
        if (m_taken[static_cast<size_t>(i)] == m_nQuery)
            return;
        m_taken[static_cast<size_t>(i)] = m_nQuery;
        CRect rectCommon;
        if (rectCommon.IntersectRect(&m_bounds[static_cast<size_t>(i)], &rectClip))
            places.push_back(i);
    };
    // The clip box's cells, when it meets the grid at all.
    const long long gridRight = m_nOriginX + m_nCellSize * m_nColumns;
    const long long gridBottom = m_nOriginY + m_nCellSize * m_nRows;
    if (rectClip.right >= m_nOriginX && rectClip.left < gridRight && rectClip.bottom >= m_nOriginY &&
        rectClip.top < gridBottom) {
        const int x0 = CellX(rectClip.left), x1 = CellX(rectClip.right);
        const int y0 = CellY(rectClip.top), y1 = CellY(rectClip.bottom);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                for (int i : m_cells[static_cast<size_t>(y) * m_nColumns + x])
                    take(i);
    }
    for (int i : m_wide)
        take(i);
    std::sort(places.begin(), places.end());
    out.reserve(places.size());
    for (int i : places)
        out.push_back(m_components[static_cast<size_t>(i)]);
}
