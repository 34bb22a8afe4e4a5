// The data model's removal and restoration of many components at once.
// One at a time, each removal lowers every tab order above the one leaving
// and each restoration raises every tab order from its own up: a walk over
// the page per component.  While the page's tab orders are distinct and
// positive (as the model keeps them), the same outcome follows from
// counting: a component's tab order drops by the number of removed ones
// below it, and comes back up by the same count.  Otherwise the one-at-a-
// time operations run.
#include "library/model/QYCompCommandBases.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYTabOrder.h"

#include <algorithm>
#include <unordered_set>

namespace {

// Counts marked values below a given one (a Fenwick tree over the sorted
// values).
class CountBelow {
public:
    explicit CountBelow(std::vector<int> sortedValues)
        : m_values(std::move(sortedValues)), m_tree(m_values.size() + 1, 0)
    {
    }
    void Mark(int nValue)
    {
        for (size_t i = Rank(nValue) + 1; i < m_tree.size(); i += i & (~i + 1))
            ++m_tree[i];
    }
    int Below(int nValue) const
    {
        int nCount = 0;
        for (size_t i = Rank(nValue); i > 0; i -= i & (~i + 1))
            nCount += m_tree[i];
        return nCount;
    }

private:
    size_t Rank(int nValue) const
    {
        return static_cast<size_t>(std::lower_bound(m_values.begin(), m_values.end(), nValue) - m_values.begin());
    }
    std::vector<int> m_values;
    std::vector<int> m_tree;
};

std::vector<int> PageTabOrders(CQYCompList& page)
{
    std::vector<int> orders;
    orders.reserve(static_cast<size_t>(page.GetCount()));
    for (POSITION pos = page.GetHeadPosition(); pos != nullptr;)
        orders.push_back(QYTabOrderOf(page.GetNext(pos)));
    return orders;
}

// Sorted, when every value is positive and none repeats; empty otherwise
// (for a page with components).
bool SortDistinctPositive(std::vector<int>& values)
{
    std::sort(values.begin(), values.end());
    return std::adjacent_find(values.begin(), values.end()) == values.end() && (values.empty() || values.front() > 0);
}

} // namespace

int CQYDataModel::RemoveComponentsInTurn(const std::vector<CQYDrawComponent*>& comps, CQYCompPlaces& places)
{
    places.clear();
    std::vector<int> orders = PageTabOrders(m_listComponents);
    if (!SortDistinctPositive(orders)) {
        for (CQYDrawComponent* pComp : comps) {
            QY_COMP_PLACE place{pComp, -1, 0};
            if (FindComponentPlace(pComp, place.nIndex, place.nTabOrder) && RemoveComponent(pComp))
                places.push_back(place);
        }
        return static_cast<int>(places.size());
    }
    CountBelow removed(orders);
    for (CQYDrawComponent* pComp : comps) {
        POSITION pos = m_listComponents.Find(pComp);
        if (pos == nullptr)
            continue;
        // Tab orders of those still on the page are not lowered until the
        // end: this one's is its first, less the removed ones below it.
        const int nOriginal = QYTabOrderOf(pComp);
        QY_COMP_PLACE place{pComp, m_listComponents.GetIndexOf(pos), nOriginal - removed.Below(nOriginal), nOriginal};
        removed.Mark(nOriginal);
        QYSetTabOrderOf(pComp, place.nTabOrder);
        pComp->AddRef();
        m_listComponents.RemoveAt(pos);
        pComp->Release();
        places.push_back(place);
    }
    for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listComponents.GetNext(pos);
        const int nOrder = QYTabOrderOf(pComp);
        QYSetTabOrderOf(pComp, nOrder - removed.Below(nOrder));
    }
    if (!places.empty())
        SetModifiedFlag(TRUE);
    return static_cast<int>(places.size());
}

int CQYDataModel::RestoreComponentsInTurn(const CQYCompPlaces& places)
{
    // Counting needs the first tab orders of a removal made in one pass,
    // components not on the page, and distinct positive orders on it.
    std::vector<int> originals;
    std::unordered_set<CQYDrawComponent*> seen;
    bool bCountable = true;
    for (const QY_COMP_PLACE& place : places) {
        bCountable = bCountable && place.nOriginalTabOrder > 0 && place.nTabOrder > 0 &&
                     seen.insert(place.pComp).second && m_listComponents.Find(place.pComp) == nullptr;
        originals.push_back(place.nOriginalTabOrder);
    }
    std::vector<int> orders = PageTabOrders(m_listComponents);
    bCountable = bCountable && SortDistinctPositive(orders) && SortDistinctPositive(originals);
    if (!bCountable) {
        int nRestored = 0;
        for (auto it = places.rbegin(); it != places.rend(); ++it) {
            if (RestoreComponent(it->pComp, it->nIndex, it->nTabOrder))
                ++nRestored;
        }
        return nRestored;
    }
    // Those on the page rise by the number of returning orders below their
    // first ones: walked in ascending order alongside the returning orders.
    std::vector<std::pair<int, CQYDrawComponent*>> staying;
    staying.reserve(static_cast<size_t>(m_listComponents.GetCount()));
    for (POSITION pos = m_listComponents.GetHeadPosition(); pos != nullptr;) {
        CQYDrawComponent* pComp = m_listComponents.GetNext(pos);
        staying.emplace_back(QYTabOrderOf(pComp), pComp);
    }
    std::sort(staying.begin(), staying.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    size_t nBelow = 0;
    for (auto& [nOrder, pComp] : staying) {
        while (nBelow < originals.size() && originals[nBelow] <= nOrder + static_cast<int>(nBelow))
            ++nBelow;
        QYSetTabOrderOf(pComp, nOrder + static_cast<int>(nBelow));
    }
    int nRestored = 0;
    for (auto it = places.rbegin(); it != places.rend(); ++it) {
        QYSetTabOrderOf(it->pComp, it->nOriginalTabOrder);
        POSITION before = m_listComponents.FindIndex(it->nIndex);
        if ((before != nullptr ? m_listComponents.InsertBefore(before, it->pComp)
                               : m_listComponents.AddTail(it->pComp)) != nullptr)
            ++nRestored;
    }
    if (nRestored > 0)
        SetModifiedFlag(TRUE);
    return nRestored;
}
