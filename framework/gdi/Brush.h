// CBrush: solid, hatched, 8x8 pattern and null brushes. Hatch gaps take the
// context's background colour in OPAQUE mode; monochrome patterns take the
// text colour for 0 bits and the background colour for 1 bits.
#pragma once

#include "framework/gdi/GdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }
    explicit CBrush(CBitmap *pBitmap) { CreatePatternBrush(pBitmap); }

    static CBrush *FromHandle(HBRUSH hBrush) { return static_cast<CBrush *>(CGdiObject::FromHandle(hBrush)); }
    operator HBRUSH() const { return m_hObject; }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreatePatternBrush(CBitmap *pBitmap);
    BOOL CreateBrushIndirect(const LOGBRUSH *lpLogBrush);
    BOOL CreateDIBPatternBrush(const void *lpPackedDIB, UINT nUsage);
    BOOL CreateSysColorBrush(int nIndex);
    int GetLogBrush(LOGBRUSH *pLogBrush) const;
};

HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int iHatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP hbm);
HBRUSH CreateBrushIndirect(const LOGBRUSH *plbrush);
// A pattern brush of a packed DIB (header, colour table, rows) whose size the
// header gives; NULL for a header that is not a usable DIB.
HBRUSH CreateDIBPatternBrushPt(const void *lpPackedDIB, UINT iUsage);
