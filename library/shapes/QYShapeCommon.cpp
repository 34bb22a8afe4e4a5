#include "library/shapes/QYShapeCommon.h"

#include "framework/gdi/CDC.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/shapes/QYShapeTypes.h"

void QYSetShapeDefaults(CQYDrawComponent* pComp, int nType)
{
    if (CQYCompProperties* pProp = pComp->GetDefaultProperty()) {
        pProp->SetType(nType);
        pProp->ReleaseBrush();
        pProp->m_crBkColor = QY_SHAPE_FILL_COLOR;
    }
    pComp->m_bOver4ResizeHandles = TRUE;
}

void QYRectCorners(const CRect& rect, POINT* lpPoints)
{
    lpPoints[0] = POINT{rect.left, rect.top};
    lpPoints[1] = POINT{rect.right, rect.top};
    lpPoints[2] = POINT{rect.right, rect.bottom};
    lpPoints[3] = POINT{rect.left, rect.bottom};
}

void QYCreateBoxPorts(CQYDrawPortsComponent* pComp)
{
    const double ratios[9][2] = {{0.5, 0.5}, {1, 1}, {1, 0}, {0, 1}, {0, 0}, {0, 0.5}, {0.5, 1}, {1, 0.5}, {0.5, 0}};
    for (const auto& ratio : ratios)
        pComp->CreateDefaultPort(ratio[0], ratio[1]);
}

void QYRectHandles(const CRect& r, CArray<CPoint, CPoint>* pArray)
{
    // Sums in 64 bits: a rectangle read from a document may lie anywhere.
    const int cx = static_cast<int>((static_cast<long long>(r.left) + r.right) / 2);
    const int cy = static_cast<int>((static_cast<long long>(r.top) + r.bottom) / 2);
    pArray->RemoveAll();
    pArray->Add(CPoint(r.left, r.top));
    pArray->Add(CPoint(cx, r.top));
    pArray->Add(CPoint(r.right, r.top));
    pArray->Add(CPoint(r.right, cy));
    pArray->Add(CPoint(r.right, r.bottom));
    pArray->Add(CPoint(cx, r.bottom));
    pArray->Add(CPoint(r.left, r.bottom));
    pArray->Add(CPoint(r.left, cy));
}

void QYDrawGreenDotted(CDC* pDC, const POINT* lpPoints, int nCount, BOOL bClose)
{
    if (lpPoints == nullptr || nCount <= 0)
        return;
    CPen pen(PS_DOT, 0, RGB(0, 255, 0));
    const int nSaved = pDC->SaveDC();
    pDC->SelectObject(&pen);
    pDC->SelectStockObject(NULL_BRUSH);
    if (bClose)
        pDC->Polygon(lpPoints, nCount);
    else
        pDC->Polyline(lpPoints, nCount);
    pDC->RestoreDC(nSaved);
}

BOOL QYKeepBezierPoints(int nCount, int* pnKept)
{
    *pnKept = 0;
    if (nCount < 4)
        return FALSE;
    *pnKept = (nCount - 1) / 3 * 3 + 1;
    return TRUE;
}
