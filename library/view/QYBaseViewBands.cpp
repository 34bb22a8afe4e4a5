// Helpers of the mouse tracking: grid snapping, clamping points into the
// page, the form or the extent, the Shift constraints, and the inverting
// rubber bands of the creation tools and the selection.
#include "library/view/QYBaseView.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/window/CursorApi.h"
#include "framework/window/WindowDC.h"

#include "framework/gdi/Pen.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYFormProperties.h"

#include <cstdlib>

namespace {

// The margin around a form's client area by its style.
constexpr int kFormMargin = 14;
constexpr int kFormCaptionTop = 35;
// How far the form can be sized beyond its extent origin.
constexpr int kExtentSpan = 2000;

void ClampInto(LPPOINT lpPoints, int nCount, const CRect& rect)
{
    for (int i = 0; i < nCount; ++i) {
        lpPoints[i].x = std::max<LONG>(rect.left, std::min<LONG>(lpPoints[i].x, rect.right));
        lpPoints[i].y = std::max<LONG>(rect.top, std::min<LONG>(lpPoints[i].y, rect.bottom));
    }
}

// Brackets an inverting band: saved context, the pen, a hollow brush and
// (unless unclipped) the page as clip area.
class BandDC {
public:
    BandDC(CWnd* pWnd, int nPenStyle, const CRect* pClip)
        : m_dc(pWnd), m_pen(nPenStyle, nPenStyle == PS_DOT ? 1 : 0, RGB(0, 0, 0))
    {
        m_nSaved = m_dc.SaveDC();
        if (pClip != nullptr)
            m_dc.IntersectClipRect(pClip);
        m_dc.SetROP2(R2_NOTXORPEN);
        m_dc.SelectObject(&m_pen);
        m_dc.SelectStockObject(NULL_BRUSH);
    }
    ~BandDC() { m_dc.RestoreDC(m_nSaved); }
    BandDC(const BandDC&) = delete;
    BandDC& operator=(const BandDC&) = delete;
    CDC* operator->() { return &m_dc; }

private:
    CClientDC m_dc;
    CPen m_pen;
    int m_nSaved = 0;
};

} // namespace

BOOL CQYBaseView::IsSnapOn() const
{
    CQYFormProperties* pForm = GetFormProperties();
    return pForm != nullptr && pForm->IsShowGrid();
}

CPoint CQYBaseView::SnapToGrid(int x, int y) const
{
    CQYFormProperties* pForm = GetFormProperties();
    const int gx = pForm != nullptr ? std::max(1, pForm->GetGridXStep()) : 1;
    const int gy = pForm != nullptr ? std::max(1, pForm->GetGridYStep()) : 1;
    return CPoint(gx * (x / gx), gy * (y / gy));
}

BOOL CQYBaseView::ClampToPage(LPPOINT lpPoints, int nCount)
{
    if (m_pModel == nullptr)
        return TRUE;
    const CSize size = m_pModel->GetPageSize();
    CRect rect(0, 0, size.cx, size.cy);
    LPtoDPRect(&rect);
    ClampInto(lpPoints, nCount, rect);
    return TRUE;
}

BOOL CQYBaseView::ClampToFormIfDesign(LPPOINT lpPoints, int nCount)
{
    if (m_pModel == nullptr || !m_pModel->IsFormDesignMode())
        return TRUE;
    return ClampToForm(lpPoints, nCount);
}

BOOL CQYBaseView::ClampToForm(LPPOINT lpPoints, int nCount)
{
    CRect rect;
    int nStyle = 0;
    GetPagePosition(rect, nStyle);
    if (nStyle == 101)
        rect.DeflateRect(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
    else if (nStyle == 102)
        rect.DeflateRect(kFormMargin, kFormCaptionTop, kFormMargin, kFormMargin);
    LPtoDPRect(&rect);
    ClampInto(lpPoints, nCount, rect);
    return TRUE;
}

BOOL CQYBaseView::ClampToExtent(LPPOINT lpPoints, int nCount)
{
    // The form's dragged edge stays clear of every component and goes at
    // most 2000 units beyond them.
    const CSize extent = m_pModel != nullptr ? m_pModel->GetComponentsExtent() : CSize(0, 0);
    CRect rect(extent.cx + kFormMargin, extent.cy + kFormMargin, extent.cx + kFormMargin + kExtentSpan,
               extent.cy + kFormMargin + kExtentSpan);
    LPtoDPRect(&rect);
    ClampInto(lpPoints, nCount, rect);
    return TRUE;
}

CPoint CQYBaseView::ConstrainToAxis(CPoint reference, CPoint point)
{
    if (std::abs(point.x - reference.x) > std::abs(point.y - reference.y))
        return CPoint(point.x, reference.y);
    return CPoint(reference.x, point.y);
}

CPoint CQYBaseView::ConstrainToSquare(CPoint point) const
{
    int dx = point.x - m_ptDownDevice.x;
    int dy = point.y - m_ptDownDevice.y;
    if (std::abs(dy) < std::abs(dx))
        dy = dy > 0 ? std::abs(dx) : -std::abs(dx);
    else
        dx = dx > 0 ? std::abs(dy) : -std::abs(dy);
    return CPoint(m_ptDownDevice.x + dx, m_ptDownDevice.y + dy);
}

// ---------------------------------------------------------------------------
// Rubber bands

namespace {

CRect BandRect(CPoint from, CPoint to)
{
    CRect rect(from, to);
    rect.NormalizeRect();
    rect.right += 1;
    rect.bottom += 1;
    return rect;
}

} // namespace

void CQYBaseView::DrawLineBand(CPoint point)
{
    ClampToPage(&point, 1);
    m_ptLast = point;
    CRect clip;
    int nStyle = 0;
    GetPagePosition(clip, nStyle);
    LPtoDPRect(&clip);
    BandDC dc(this, PS_SOLID, &clip);
    dc->MoveTo(m_ptDownDevice);
    dc->LineTo(point);
}

void CQYBaseView::DrawPointsBand(CPoint point)
{
    ClampToPage(&point, 1);
    m_ptLast = point;
    if (m_arrPoints.GetSize() == 0)
        return;
    CRect clip;
    int nStyle = 0;
    GetPagePosition(clip, nStyle);
    LPtoDPRect(&clip);
    BandDC dc(this, PS_SOLID, &clip);
    dc->MoveTo(m_arrPoints[0]);
    for (int i = 1; i < m_arrPoints.GetSize(); ++i)
        dc->LineTo(m_arrPoints[i]);
    dc->LineTo(point);
}

void CQYBaseView::DrawRectBand(CPoint point, BOOL bSolid)
{
    ClampToPage(&point, 1);
    m_ptLast = point;
    CRect clip;
    int nStyle = 0;
    GetPagePosition(clip, nStyle);
    LPtoDPRect(&clip);
    BandDC dc(this, bSolid ? PS_SOLID : PS_DOT, &clip);
    dc->Rectangle(BandRect(m_ptDownDevice, point));
}

void CQYBaseView::DrawEllipseBand(CPoint point)
{
    ClampToPage(&point, 1);
    m_ptLast = point;
    CRect clip;
    int nStyle = 0;
    GetPagePosition(clip, nStyle);
    LPtoDPRect(&clip);
    BandDC dc(this, PS_SOLID, &clip);
    dc->Ellipse(BandRect(m_ptDownDevice, point));
}

void CQYBaseView::DrawSelectBand(CPoint point)
{
    m_ptLast = point;
    BandDC dc(this, PS_DOT, nullptr);
    dc->Rectangle(BandRect(m_ptDownDevice, point));
}
