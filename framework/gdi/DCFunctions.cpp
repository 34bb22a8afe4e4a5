// The plain-function forms of the context members: each finds the context's
// CDC (a temporary one when no object holds it) and forwards.
#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"

namespace {

CDC *Of(HDC hdc)
{
    return CDC::FromHandle(hdc);
}

} // namespace

HDC CreateCompatibleDC(HDC hdc)
{
    return CreateMemoryDC(hdc);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type)
{
    if (!hdc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return hdc->state.hPen;
    case OBJ_BRUSH: return hdc->state.hBrush;
    case OBJ_FONT: return hdc->state.hFont;
    case OBJ_BITMAP: return hdc->state.hBitmap;
    case OBJ_PAL: return hdc->state.hPalette;
    default: return nullptr;
    }
}

int SaveDC(HDC hdc)
{
    return hdc ? Of(hdc)->SaveDC() : 0;
}
BOOL RestoreDC(HDC hdc, int nSavedDC)
{
    return hdc ? Of(hdc)->RestoreDC(nSavedDC) : FALSE;
}
COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    return hdc ? Of(hdc)->SetTextColor(color) : CLR_INVALID;
}
COLORREF GetTextColor(HDC hdc)
{
    return hdc ? Of(hdc)->GetTextColor() : CLR_INVALID;
}
COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    return hdc ? Of(hdc)->SetBkColor(color) : CLR_INVALID;
}
COLORREF GetBkColor(HDC hdc)
{
    return hdc ? Of(hdc)->GetBkColor() : CLR_INVALID;
}
int SetBkMode(HDC hdc, int mode)
{
    return hdc ? Of(hdc)->SetBkMode(mode) : 0;
}
int GetBkMode(HDC hdc)
{
    return hdc ? Of(hdc)->GetBkMode() : 0;
}
int SetROP2(HDC hdc, int rop2)
{
    return hdc ? Of(hdc)->SetROP2(rop2) : 0;
}
int SetStretchBltMode(HDC hdc, int mode)
{
    return hdc ? Of(hdc)->SetStretchBltMode(mode) : 0;
}
int SetMapMode(HDC hdc, int mode)
{
    return hdc ? Of(hdc)->SetMapMode(mode) : 0;
}
UINT SetTextAlign(HDC hdc, UINT align)
{
    return hdc ? Of(hdc)->SetTextAlign(align) : GDI_ERROR;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    if (!hdc)
        return FALSE;
    CPoint previous = Of(hdc)->SetViewportOrg(x, y);
    if (lppt)
        *lppt = previous;
    return TRUE;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    if (!hdc)
        return FALSE;
    CPoint previous = Of(hdc)->SetWindowOrg(x, y);
    if (lppt)
        *lppt = previous;
    return TRUE;
}

BOOL LPtoDP(HDC hdc, LPPOINT lppt, int c)
{
    if (!hdc || !lppt || c < 0)
        return FALSE;
    Of(hdc)->LPtoDP(lppt, c);
    return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT lppt, int c)
{
    if (!hdc || !lppt || c < 0)
        return FALSE;
    Of(hdc)->DPtoLP(lppt, c);
    return TRUE;
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    return hdc ? Of(hdc)->IntersectClipRect(left, top, right, bottom) : ERROR;
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    return hdc ? Of(hdc)->ExcludeClipRect(left, top, right, bottom) : ERROR;
}

int SelectClipRgn(HDC hdc, HRGN hrgn)
{
    if (!hdc)
        return ERROR;
    return Of(hdc)->SelectClipRgn(hrgn ? CRgn::FromHandle(hrgn) : nullptr);
}

int GetClipBox(HDC hdc, LPRECT lprect)
{
    return hdc ? Of(hdc)->GetClipBox(lprect) : ERROR;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    if (!hdc)
        return FALSE;
    CPoint previous = Of(hdc)->MoveTo(x, y);
    if (lppt)
        *lppt = previous;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    return hdc ? Of(hdc)->LineTo(x, y) : FALSE;
}
BOOL Polyline(HDC hdc, const POINT *apt, int cpt)
{
    return hdc ? Of(hdc)->Polyline(apt, cpt) : FALSE;
}
BOOL Polygon(HDC hdc, const POINT *apt, int cpt)
{
    return hdc ? Of(hdc)->Polygon(apt, cpt) : FALSE;
}

BOOL PolyPolyline(HDC hdc, const POINT *apt, const DWORD *asz, DWORD csz)
{
    return hdc && csz <= (1u << 24) ? Of(hdc)->PolyPolyline(apt, asz, static_cast<int>(csz)) : FALSE;
}

BOOL ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type)
{
    return hdc ? Of(hdc)->ExtFloodFill(x, y, color, type) : FALSE;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    if (!hdc)
        return FALSE;
    const CPoint previous = Of(hdc)->SetBrushOrg(x, y);
    if (lppt)
        *lppt = previous;
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    return hdc ? Of(hdc)->Rectangle(left, top, right, bottom) : FALSE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    return hdc ? Of(hdc)->Ellipse(left, top, right, bottom) : FALSE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    return hdc ? Of(hdc)->SetPixel(x, y, color) : CLR_INVALID;
}
COLORREF GetPixel(HDC hdc, int x, int y)
{
    return hdc ? Of(hdc)->GetPixel(x, y) : CLR_INVALID;
}
BOOL TextOut(HDC hdc, int x, int y, LPCTSTR lpString, int c)
{
    return hdc ? Of(hdc)->TextOut(x, y, lpString, c) : FALSE;
}

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT *lprect, LPCTSTR lpString, UINT c, const INT *lpDx)
{
    return hdc ? Of(hdc)->ExtTextOut(x, y, options, lprect, lpString, c, lpDx) : FALSE;
}

BOOL GetTextMetrics(HDC hdc, LPTEXTMETRIC lptm)
{
    return hdc ? Of(hdc)->GetTextMetrics(lptm) : FALSE;
}

int DrawText(HDC hdc, LPCTSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    return hdc ? Of(hdc)->DrawText(lpchText, cchText, lprc, format) : 0;
}

int FillRect(HDC hdc, const RECT *lprc, HBRUSH hbr)
{
    if (!hdc || !lprc)
        return 0;
    Of(hdc)->FillRect(lprc, hbr);
    return 1;
}

int FrameRect(HDC hdc, const RECT *lprc, HBRUSH hbr)
{
    CBrush *brush = hbr ? CBrush::FromHandle(hbr) : nullptr;
    if (!hdc || !lprc || !brush)
        return 0;
    Of(hdc)->FrameRect(lprc, brush);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT *lprc)
{
    if (!hdc || !lprc)
        return FALSE;
    Of(hdc)->InvertRect(lprc);
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT *lprc)
{
    if (!hdc || !lprc)
        return FALSE;
    Of(hdc)->DrawFocusRect(lprc);
    return TRUE;
}

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags)
{
    return hdc ? Of(hdc)->DrawEdge(qrc, edge, grfFlags) : FALSE;
}

BOOL DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState)
{
    return hdc ? Of(hdc)->DrawFrameControl(lprc, uType, uState) : FALSE;
}
