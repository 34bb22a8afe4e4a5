// CPen: cosmetic pens (one device pixel wide, with the classic dash
// patterns) and geometric pens (a width in logical units, end caps, joins).
#pragma once

#include "framework/gdi/GdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    CPen(int nPenStyle, int nWidth, const LOGBRUSH *pLogBrush, int nStyleCount = 0, const DWORD *lpStyle = nullptr)
    {
        CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle);
    }

    static CPen *FromHandle(HPEN hPen) { return static_cast<CPen *>(CGdiObject::FromHandle(hPen)); }
    operator HPEN() const { return m_hObject; }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH *pLogBrush, int nStyleCount = 0,
                   const DWORD *lpStyle = nullptr);
    BOOL CreatePenIndirect(const LOGPEN *lpLogPen);
    int GetLogPen(LOGPEN *pLogPen) const;
    int GetExtLogPen(EXTLOGPEN *pLogPen) const;
};

HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN *plpen);
HPEN ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH *plbrush, DWORD cStyle, const DWORD *pstyle);
