// CDC: mapping modes, origins, extents and conversions.
#include "framework/gdi/DeviceContext.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/EmfHooks.h"

#include <cstdlib>

static HDC Attr(const CDC *dc)
{
    return dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
}

// Runs f on the output and the attribute context; returns f's result for
// the attribute context.
template <typename T, typename F>
static T OnBoth(CDC *dc, T fallback, F f)
{
    T result = fallback;
    HDC attrib = Attr(dc);
    if (dc->m_hDC && dc->m_hDC != attrib)
        f(dc->m_hDC->state.mapping, *dc->m_hDC);
    if (attrib)
        result = f(attrib->state.mapping, *attrib);
    return result;
}

int CDC::GetMapMode() const
{
    HDC h = Attr(this);
    return h ? h->state.mapping.mapMode : 0;
}

int CDC::SetMapMode(int nMapMode)
{
    MappingRecord record(m_hDC, Emf::SETMAPMODE);
    return OnBoth<int>(this, 0,
                       [&](CoordinateMapping &m, HDC__ &dc) { return m.SetMapMode(nMapMode, dc.dpiX, dc.dpiY); });
}

CPoint CDC::GetViewportOrg() const
{
    HDC h = Attr(this);
    return h ? CPoint(h->state.mapping.viewportOrg) : CPoint();
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    MappingRecord record(m_hDC, Emf::SETVIEWPORTORGEX);
    return OnBoth<CPoint>(this, CPoint(), [&](CoordinateMapping &m, HDC__ &) {
        CPoint previous(m.viewportOrg);
        m.viewportOrg = POINT{x, y};
        return previous;
    });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    MappingRecord record(m_hDC, Emf::SETVIEWPORTORGEX);
    return OnBoth<CPoint>(this, CPoint(), [&](CoordinateMapping &m, HDC__ &) {
        CPoint previous(m.viewportOrg);
        m.viewportOrg = POINT{m.viewportOrg.x + nWidth, m.viewportOrg.y + nHeight};
        return previous;
    });
}

CSize CDC::GetViewportExt() const
{
    HDC h = Attr(this);
    return h ? CSize(h->state.mapping.viewportExt) : CSize();
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    MappingRecord record(m_hDC, Emf::SETVIEWPORTEXTEX);
    return OnBoth<CSize>(this, CSize(), [&](CoordinateMapping &m, HDC__ &) {
        CSize previous(m.viewportExt);
        m.SetViewportExt(cx, cy);
        return previous;
    });
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    MappingRecord record(m_hDC, Emf::SETVIEWPORTEXTEX);
    return OnBoth<CSize>(this, CSize(), [&](CoordinateMapping &m, HDC__ &) {
        CSize previous(m.viewportExt);
        m.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
        return previous;
    });
}

CPoint CDC::GetWindowOrg() const
{
    HDC h = Attr(this);
    return h ? CPoint(h->state.mapping.windowOrg) : CPoint();
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    MappingRecord record(m_hDC, Emf::SETWINDOWORGEX);
    return OnBoth<CPoint>(this, CPoint(), [&](CoordinateMapping &m, HDC__ &) {
        CPoint previous(m.windowOrg);
        m.windowOrg = POINT{x, y};
        return previous;
    });
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    MappingRecord record(m_hDC, Emf::SETWINDOWORGEX);
    return OnBoth<CPoint>(this, CPoint(), [&](CoordinateMapping &m, HDC__ &) {
        CPoint previous(m.windowOrg);
        m.windowOrg = POINT{m.windowOrg.x + nWidth, m.windowOrg.y + nHeight};
        return previous;
    });
}

CSize CDC::GetWindowExt() const
{
    HDC h = Attr(this);
    return h ? CSize(h->state.mapping.windowExt) : CSize();
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    MappingRecord record(m_hDC, Emf::SETWINDOWEXTEX);
    return OnBoth<CSize>(this, CSize(), [&](CoordinateMapping &m, HDC__ &) {
        CSize previous(m.windowExt);
        m.SetWindowExt(cx, cy);
        return previous;
    });
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    MappingRecord record(m_hDC, Emf::SETWINDOWEXTEX);
    return OnBoth<CSize>(this, CSize(), [&](CoordinateMapping &m, HDC__ &) {
        CSize previous(m.windowExt);
        m.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
        return previous;
    });
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    HDC h = Attr(this);
    if (!h || !lpPoints)
        return;
    for (int i = 0; i < nCount; ++i)
        lpPoints[i] = h->state.mapping.ToLogical(lpPoints[i]);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    HDC h = Attr(this);
    if (h && lpSize)
        *lpSize = h->state.mapping.SizeToLogical(*lpSize);
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    HDC h = Attr(this);
    if (!h || !lpPoints)
        return;
    for (int i = 0; i < nCount; ++i)
        lpPoints[i] = h->state.mapping.ToDevice(lpPoints[i]);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    HDC h = Attr(this);
    if (h && lpSize)
        *lpSize = h->state.mapping.SizeToDevice(*lpSize);
}

// 2540 HIMETRIC units make an inch; the device's logical inch is used.
void CDC::DPtoHIMETRIC(LPSIZE lpSize) const
{
    HDC h = Attr(this);
    if (!h || !lpSize)
        return;
    lpSize->cx = MulDiv(lpSize->cx, 2540, h->dpiX);
    lpSize->cy = MulDiv(lpSize->cy, 2540, h->dpiY);
}

void CDC::HIMETRICtoDP(LPSIZE lpSize) const
{
    HDC h = Attr(this);
    if (!h || !lpSize)
        return;
    lpSize->cx = MulDiv(lpSize->cx, h->dpiX, 2540);
    lpSize->cy = MulDiv(lpSize->cy, h->dpiY, 2540);
}

void CDC::LPtoHIMETRIC(LPSIZE lpSize) const
{
    LPtoDP(lpSize);
    DPtoHIMETRIC(lpSize);
}

void CDC::HIMETRICtoLP(LPSIZE lpSize) const
{
    HIMETRICtoDP(lpSize);
    DPtoLP(lpSize);
}
