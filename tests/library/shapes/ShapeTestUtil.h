// Helpers of the shapes tests: points as comparable vectors and a holder
// that gives a component's reference back.
#pragma once

#include "library/model/QYDrawComponent.h"

#include <ostream>
#include <utility>
#include <vector>

typedef std::vector<std::pair<int, int>> PointList;

inline PointList ToList(const POINT* lpPoints, int nCount)
{
    PointList list;
    for (int i = 0; i < nCount; ++i)
        list.emplace_back(lpPoints[i].x, lpPoints[i].y);
    return list;
}

inline PointList PointsOf(CQYDrawComponent* pComp)
{
    return ToList(pComp->m_lpCompPoints, pComp->m_nCompPtCount);
}

inline PointList TrackPointsOf(CQYDrawComponent* pComp)
{
    return ToList(pComp->m_lpCompTrackPoints, pComp->m_nCompTrackPtCount);
}

// Holds the first reference on a new component and gives it back.
template <class T>
class Held {
public:
    explicit Held(T* p = new T) : m_p(p) { m_p->AddRef(); }
    ~Held()
    {
        if (m_p != nullptr)
            m_p->Release();
    }
    Held(Held&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }

private:
    T* m_p;
};
