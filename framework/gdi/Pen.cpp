// Pens: creation and their logical descriptions.
#include "framework/gdi/Pen.h"

#include "framework/gdi/Brush.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/object/GlobalMemory.h"

namespace {

// The brush a pattern pen paints with, made as the brush functions make
// it; NULL for a brush style that is no pattern or a pattern that cannot
// be read.  The pen keeps its own copy: the bitmap or the memory behind the
// pattern may go afterwards.
std::shared_ptr<const BrushData> PatternOf(const LOGBRUSH &lb)
{
    HBRUSH hBrush = nullptr;
    if (lb.lbStyle == BS_PATTERN || lb.lbStyle == BS_PATTERN8X8) {
        hBrush = CreatePatternBrush(reinterpret_cast<HBITMAP>(lb.lbHatch));
    } else if (lb.lbStyle == BS_DIBPATTERN) {
        // lbHatch is the global memory of a packed DIB, lbColor its usage.
        HGLOBAL hDib = reinterpret_cast<HGLOBAL>(lb.lbHatch);
        if (const void *pDib = GlobalLock(hDib)) {
            hBrush = CreateDIBPatternBrushPt(pDib, LOWORD(lb.lbColor));
            GlobalUnlock(hDib);
        }
    }
    if (hBrush == nullptr)
        return nullptr;
    std::shared_ptr<const BrushData> brush = GdiHandles::LookupAs<BrushData>(hBrush, GdiObjectKind::Brush);
    DeleteObject(hBrush);
    return brush;
}

bool IsPatternStyle(UINT style)
{
    return style == BS_PATTERN || style == BS_PATTERN8X8 || style == BS_DIBPATTERN;
}

bool ValidDashStyle(int style)
{
    return style >= PS_SOLID && style <= PS_ALTERNATE;
}

} // namespace

HPEN CreatePen(int iStyle, int cWidth, COLORREF color)
{
    int dash = iStyle & PS_STYLE_MASK;
    if (!ValidDashStyle(dash) || dash == PS_USERSTYLE || dash == PS_ALTERNATE)
        return nullptr;
    auto pen = std::make_shared<PenData>();
    int width = cWidth < 0 ? 0 : cWidth;
    // A wide pen from CreatePen draws solid: only one-pixel pens are dashed.
    if (width > 1 && dash != PS_NULL && dash != PS_INSIDEFRAME)
        dash = PS_SOLID;
    pen->style = static_cast<UINT>(dash);
    pen->width = width;
    pen->color = color;
    pen->brush = LOGBRUSH{BS_SOLID, color, 0};
    return GdiHandles::Insert(std::move(pen));
}

HPEN CreatePenIndirect(const LOGPEN *plpen)
{
    if (!plpen)
        return nullptr;
    return CreatePen(static_cast<int>(plpen->lopnStyle), plpen->lopnWidth.x, plpen->lopnColor);
}

HPEN ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH *plbrush, DWORD cStyle, const DWORD *pstyle)
{
    if (!plbrush)
        return nullptr;
    int dash = static_cast<int>(iPenStyle & PS_STYLE_MASK);
    bool geometric = (iPenStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
    if (!ValidDashStyle(dash))
        return nullptr;
    // Cosmetic pens are one pixel wide and solid-coloured; PS_ALTERNATE is cosmetic only.
    if (!geometric && (cWidth != 1 || plbrush->lbStyle != BS_SOLID))
        return nullptr;
    if (geometric && dash == PS_ALTERNATE)
        return nullptr;
    if (dash == PS_USERSTYLE) {
        if (cStyle == 0 || cStyle > 16 || !pstyle)
            return nullptr;
    } else if (cStyle != 0) {
        return nullptr;
    }
    if (cWidth > 0x7FFFFFFF)
        return nullptr;
    auto pen = std::make_shared<PenData>();
    pen->style = iPenStyle;
    pen->width = geometric ? static_cast<int>(cWidth) : 0;
    pen->color = plbrush->lbColor;
    pen->brush = *plbrush;
    pen->extended = true;
    if (IsPatternStyle(plbrush->lbStyle)) {
        pen->pattern = PatternOf(*plbrush);
        if (!pen->pattern)
            return nullptr;
    }
    if (dash == PS_USERSTYLE)
        pen->userStyle.assign(pstyle, pstyle + cStyle);
    return GdiHandles::Insert(std::move(pen));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return AttachNew(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH *pLogBrush, int nStyleCount, const DWORD *lpStyle)
{
    if (nWidth < 0 || nStyleCount < 0)
        return FALSE;
    return AttachNew(::ExtCreatePen(static_cast<DWORD>(nPenStyle), static_cast<DWORD>(nWidth), pLogBrush,
                                    static_cast<DWORD>(nStyleCount), lpStyle));
}

BOOL CPen::CreatePenIndirect(const LOGPEN *lpLogPen)
{
    return AttachNew(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN *pLogPen) const
{
    return GetObject(sizeof(LOGPEN), pLogPen);
}

int CPen::GetExtLogPen(EXTLOGPEN *pLogPen) const
{
    return GetObject(sizeof(EXTLOGPEN), pLogPen);
}
