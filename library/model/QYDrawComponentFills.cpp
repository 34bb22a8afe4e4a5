// The fill operations of the draw component: polygons, open and closed
// Bézier figures in any fill kind, and their shadows.  Plain brush kinds
// are filled by the selected brush; gradient and bitmap kinds are painted
// over the figure's bounding rectangle inside a clip path built from the
// figure, so they never leave it, and the figure is outlined afterwards.
#include "library/model/QYDrawComponent.h"

#include "framework/gdi/CDC.h"
#include "library/model/QYBitmapFill.h"
#include "library/model/QYGeometry.h"
#include "library/model/QYGradientFill.h"

namespace {

enum class FigureKind { Polygon, OpenBezier, ClosedBezier };

BOOL EndsDiffer(const POINT* lpPoints, int nCount)
{
    return nCount > 0 && (lpPoints[0].x != lpPoints[nCount - 1].x || lpPoints[0].y != lpPoints[nCount - 1].y);
}

// The straight line that closes an open Bézier figure whose ends differ.
void CloseOpenBezier(CDC* pDC, const POINT* lpPoints, int nCount)
{
    if (!EndsDiffer(lpPoints, nCount))
        return;
    pDC->MoveTo(lpPoints[nCount - 1]);
    pDC->LineTo(lpPoints[0]);
}

// Records the figure as the context's path (closed for the clip).
void RecordFigure(CDC* pDC, const POINT* lpPoints, int nCount, FigureKind kind)
{
    pDC->BeginPath();
    if (kind == FigureKind::Polygon) {
        pDC->Polyline(lpPoints, nCount);
    } else {
        pDC->PolyBezier(lpPoints, nCount);
        if (kind == FigureKind::OpenBezier)
            CloseOpenBezier(pDC, lpPoints, nCount);
    }
    pDC->CloseFigure();
    pDC->EndPath();
}

void OutlineFigure(CDC* pDC, const POINT* lpPoints, int nCount, FigureKind kind)
{
    if (kind == FigureKind::Polygon) {
        pDC->Polygon(lpPoints, nCount);
        return;
    }
    pDC->PolyBezier(lpPoints, nCount);
    if (kind == FigureKind::OpenBezier)
        CloseOpenBezier(pDC, lpPoints, nCount);
}

// Adds the shadow offset to a point array for the duration of a fill and
// takes it off again, also when the fill throws.
class ShadowOffset {
public:
    ShadowOffset(LPPOINT lpPoints, int nCount, int dx, int dy)
        : m_lpPoints(lpPoints), m_nCount(nCount), m_dx(static_cast<unsigned>(dx)), m_dy(static_cast<unsigned>(dy))
    {
        Shift(m_dx, m_dy);
    }
    ~ShadowOffset() { Shift(0u - m_dx, 0u - m_dy); }
    ShadowOffset(const ShadowOffset&) = delete;
    ShadowOffset& operator=(const ShadowOffset&) = delete;

private:
    // Offsets read from a document may be anything: the shift wraps around
    // instead of overflowing, and the opposite shift undoes it exactly.
    void Shift(unsigned dx, unsigned dy)
    {
        for (int i = 0; i < m_nCount; ++i) {
            m_lpPoints[i].x = Wrap(static_cast<unsigned>(m_lpPoints[i].x) + dx);
            m_lpPoints[i].y = Wrap(static_cast<unsigned>(m_lpPoints[i].y) + dy);
        }
    }
    static LONG Wrap(unsigned value) { return static_cast<LONG>(static_cast<int>(value)); }
    LPPOINT m_lpPoints;
    int m_nCount;
    unsigned m_dx;
    unsigned m_dy;
};

} // namespace

void CQYDrawComponent::FillClippedRect(CDC* pDC, const POINT* lpPoints, int nCount, COLORREF crBk, COLORREF crPattern,
                                       UINT nBrushType)
{
    const CRect rect = QYGetPointsRect(lpPoints, nCount);
    if (nBrushType < QY_FIRST_BITMAP_BRUSH)
        QYGradientFill(pDC, rect.left, rect.top, rect.right, rect.bottom, crBk, crPattern,
                       nBrushType - QY_FIRST_GRADIENT_BRUSH, nullptr);
    else
        QYFillBitmapRect(pDC, rect.left, rect.top, rect.right, rect.bottom, TRUE,
                         static_cast<int>(nBrushType - QY_FIRST_BITMAP_BRUSH), nullptr);
}

namespace {

// The shared body of the three fills.
template <class FILL_RECT>
void FillFigure(CDC* pDC, LPPOINT lpPoints, int nCount, UINT nBrushType, FigureKind kind, FILL_RECT fillRect)
{
    if (pDC == nullptr || lpPoints == nullptr || nCount <= 0 || nBrushType >= QY_NO_FILL_BRUSH)
        return;
    if (nBrushType < QY_FIRST_GRADIENT_BRUSH) {
        if (kind == FigureKind::Polygon) {
            pDC->Polygon(lpPoints, nCount);
            return;
        }
        pDC->BeginPath();
        pDC->PolyBezier(lpPoints, nCount);
        if (kind == FigureKind::OpenBezier)
            CloseOpenBezier(pDC, lpPoints, nCount);
        pDC->EndPath();
        pDC->StrokeAndFillPath();
        return;
    }
    const int nSaved = pDC->SaveDC();
    RecordFigure(pDC, lpPoints, nCount, kind);
    pDC->SelectClipPath(RGN_AND);
    fillRect();
    pDC->RestoreDC(nSaved);
    OutlineFigure(pDC, lpPoints, nCount, kind);
}

} // namespace

void CQYDrawComponent::FillPoly(CDC* pDC, LPPOINT lpPoints, int nCount, COLORREF crBk, COLORREF crPattern,
                                UINT nBrushType)
{
    FillFigure(pDC, lpPoints, nCount, nBrushType, FigureKind::Polygon,
               [&] { FillClippedRect(pDC, lpPoints, nCount, crBk, crPattern, nBrushType); });
}

void CQYDrawComponent::FillBezier(CDC* pDC, LPPOINT lpPoints, int nCount, COLORREF crBk, COLORREF crPattern,
                                  UINT nBrushType)
{
    FillFigure(pDC, lpPoints, nCount, nBrushType, FigureKind::OpenBezier,
               [&] { FillClippedRect(pDC, lpPoints, nCount, crBk, crPattern, nBrushType); });
}

void CQYDrawComponent::FillCloseBezier(CDC* pDC, LPPOINT lpPoints, int nCount, COLORREF crBk, COLORREF crPattern,
                                       UINT nBrushType)
{
    FillFigure(pDC, lpPoints, nCount, nBrushType, FigureKind::ClosedBezier,
               [&] { FillClippedRect(pDC, lpPoints, nCount, crBk, crPattern, nBrushType); });
}

void CQYDrawComponent::FillShadowPoly(CDC* pDC, LPPOINT lpPoints, int nCount)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr || lpPoints == nullptr)
        return;
    ShadowOffset offset(lpPoints, nCount, pProp->m_nShadowOffsetX, pProp->m_nShadowOffsetY);
    FillPoly(pDC, lpPoints, nCount, pProp->m_crShadowColor, pProp->m_crShadowPatternColor,
             static_cast<UINT>(pProp->m_nShadowBrushType));
}

void CQYDrawComponent::FillShadowBezier(CDC* pDC, LPPOINT lpPoints, int nCount)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr || lpPoints == nullptr)
        return;
    ShadowOffset offset(lpPoints, nCount, pProp->m_nShadowOffsetX, pProp->m_nShadowOffsetY);
    FillBezier(pDC, lpPoints, nCount, pProp->m_crShadowColor, pProp->m_crShadowPatternColor,
               static_cast<UINT>(pProp->m_nShadowBrushType));
}

void CQYDrawComponent::FillShadowCloseBezier(CDC* pDC, LPPOINT lpPoints, int nCount)
{
    CQYCompProperties* pProp = GetDefaultProperty();
    if (pProp == nullptr || lpPoints == nullptr)
        return;
    ShadowOffset offset(lpPoints, nCount, pProp->m_nShadowOffsetX, pProp->m_nShadowOffsetY);
    FillCloseBezier(pDC, lpPoints, nCount, pProp->m_crShadowColor, pProp->m_crShadowPatternColor,
                    static_cast<UINT>(pProp->m_nShadowBrushType));
}
