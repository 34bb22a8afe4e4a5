#include "library/view/QYHitIndex.h"

#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawingChanges.h"

#include <algorithm>

namespace {

// The model's hit tolerance.
const int kTolerance = 8;
// The grid never grows beyond this many cells a side: large pages get
// larger cells.
const int kMaxCellsPerSide = 512;

// How far a component's hit area may reach beyond its rectangle.
int HitReach(CQYDrawComponent* pComp)
{
    CQYCompProperties* pProp = pComp->GetDefaultProperty();
    return kTolerance + 2 + (pProp != nullptr ? std::max(pProp->m_nLineWidth, 0) : 0);
}

} // namespace

CQYHitIndex::~CQYHitIndex()
{
    Clear();
}

bool CQYHitIndex::IsValid() const
{
    return m_bValid && m_nBuiltAt == QYDrawingChangeCount();
}

void CQYHitIndex::Clear()
{
    for (CQYDrawComponent* pComp : m_comps)
        pComp->Release();
    m_comps.clear();
    m_cells.clear();
    m_nCols = m_nRows = 0;
    m_bValid = false;
}

void CQYHitIndex::Build(CQYDataModel* pModel)
{
    Clear();
    m_pModel = pModel;
    CQYCompList& list = pModel->GetComponents();
    std::vector<CRect> reach;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = list.GetNext(pos);
        CRect rect = pComp->GetRect();
        rect.NormalizeRect();
        const int n = HitReach(pComp);
        rect.InflateRect(n, n);
        pComp->AddRef();
        m_comps.push_back(pComp);
        reach.push_back(rect);
        m_bounds = m_comps.size() == 1
                       ? rect
                       : CRect(std::min(m_bounds.left, rect.left), std::min(m_bounds.top, rect.top),
                               std::max(m_bounds.right, rect.right), std::max(m_bounds.bottom, rect.bottom));
    }
    m_bValid = true;
    m_nBuiltAt = QYDrawingChangeCount();
    if (m_comps.empty())
        return;
    const long long w = static_cast<long long>(m_bounds.right) - m_bounds.left + 1;
    const long long h = static_cast<long long>(m_bounds.bottom) - m_bounds.top + 1;
    m_nCell = 64;
    while (w / m_nCell + 1 > kMaxCellsPerSide || h / m_nCell + 1 > kMaxCellsPerSide)
        m_nCell *= 2;
    m_nCols = static_cast<int>(w / m_nCell + 1);
    m_nRows = static_cast<int>(h / m_nCell + 1);
    m_cells.assign(static_cast<size_t>(m_nCols) * m_nRows, {});
    for (size_t i = 0; i < m_comps.size(); ++i) {
        const CRect& r = reach[i];
        const int c0 = static_cast<int>((static_cast<long long>(r.left) - m_bounds.left) / m_nCell);
        const int c1 = static_cast<int>((static_cast<long long>(r.right) - m_bounds.left) / m_nCell);
        const int r0 = static_cast<int>((static_cast<long long>(r.top) - m_bounds.top) / m_nCell);
        const int r1 = static_cast<int>((static_cast<long long>(r.bottom) - m_bounds.top) / m_nCell);
        for (int row = r0; row <= r1; ++row)
            for (int col = c0; col <= c1; ++col)
                m_cells[static_cast<size_t>(row) * m_nCols + col].push_back(static_cast<int>(i));
    }
}

CQYDrawComponent* CQYHitIndex::HitTest(CQYDataModel* pModel, int x, int y)
{
    if (pModel == nullptr)
        return nullptr;
    if (!IsValid() || pModel != m_pModel)
        Build(pModel);
    if (m_cells.empty() || x < m_bounds.left || x > m_bounds.right || y < m_bounds.top || y > m_bounds.bottom)
        return nullptr;
    const int col = static_cast<int>((static_cast<long long>(x) - m_bounds.left) / m_nCell);
    const int row = static_cast<int>((static_cast<long long>(y) - m_bounds.top) / m_nCell);
    const std::vector<int>& cell = m_cells[static_cast<size_t>(row) * m_nCols + col];
    // Topmost first: the last drawn wins.
    for (auto it = cell.rbegin(); it != cell.rend(); ++it) {
        CQYDrawComponent* pComp = m_comps[static_cast<size_t>(*it)];
        if (pComp->GetCompRgn().PtInArea(x, y, kTolerance))
            return pComp;
    }
    return nullptr;
}
