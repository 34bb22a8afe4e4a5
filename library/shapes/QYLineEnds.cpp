#include "library/shapes/QYLineEnds.h"

#include "framework/gdi/CDC.h"
#include "framework/object/Archive.h"

#include <algorithm>
#include <cstdlib>

CQYBaseEndObject* QYReadOwnedLineEnd(CArchive& ar)
{
    return static_cast<CQYBaseEndObject*>(ar.ReadOwnedObject(RUNTIME_CLASS(CQYBaseEndObject)));
}

void QYPlaceLineEnds(CQYBaseEndObject* pStart, CQYBaseEndObject* pEnd, const POINT* lpPoints, int nCount)
{
    if (lpPoints == nullptr || nCount < 2)
        return;
    if (pStart != nullptr)
        pStart->SetLinePoints(lpPoints[0].x, lpPoints[0].y, lpPoints[1].x, lpPoints[1].y);
    if (pEnd != nullptr)
        pEnd->SetLinePoints(lpPoints[nCount - 1].x, lpPoints[nCount - 1].y, lpPoints[nCount - 2].x,
                            lpPoints[nCount - 2].y);
}

void QYAddLineEndAreas(CQYArea* pArea, CQYBaseEndObject* pStart, CQYBaseEndObject* pEnd, const POINT* lpPoints,
                       int nCount)
{
    if (lpPoints == nullptr || nCount < 2)
        return;
    QYPlaceLineEnds(pStart, pEnd, lpPoints, nCount);
    for (CQYBaseEndObject* pLineEnd : {pStart, pEnd}) {
        if (pLineEnd == nullptr)
            continue;
        CQYArea area;
        pLineEnd->GeometryUpdated(&area);
        pArea->Append(area);
    }
}

void QYDrawLineEnds(CDC* pDC, CQYBaseEndObject* pStart, CQYBaseEndObject* pEnd, const POINT* lpPoints, int nCount,
                    BOOL bFull)
{
    if (lpPoints == nullptr || nCount < 2)
        return;
    QYPlaceLineEnds(pStart, pEnd, lpPoints, nCount);
    for (CQYBaseEndObject* pLineEnd : {pStart, pEnd}) {
        if (pLineEnd == nullptr)
            continue;
        if (bFull)
            pLineEnd->OnDraw(pDC);
        else
            pLineEnd->DrawLineEnd(pDC);
    }
}

void QYReplaceLineEnd(CQYBaseEndObject** ppEnd, int* pnType, int nType)
{
    delete *ppEnd;
    *ppEnd = QYCreateLineEnd(nType);
    *pnType = nType;
}

int QYLineEndsReach(const CQYBaseEndObject* pStart, const CQYBaseEndObject* pEnd)
{
    long long nReach = 0;
    for (const CQYBaseEndObject* pLineEnd : {pStart, pEnd}) {
        if (pLineEnd == nullptr)
            continue;
        const long long nSize = std::max(std::llabs(static_cast<long long>(pLineEnd->m_nArrowLength)),
                                         std::llabs(static_cast<long long>(pLineEnd->m_nArrowWidth)));
        nReach = std::max(nReach, 2 * nSize + std::llabs(static_cast<long long>(pLineEnd->m_nPenWidth)));
    }
    return static_cast<int>(std::min(nReach, 1LL << 28));
}
