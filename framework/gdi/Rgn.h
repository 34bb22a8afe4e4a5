// CRgn: a region of device pixels. Rectangles and combinations of them;
// the clipping of a device context is one of these.
#pragma once

#include "framework/gdi/GdiObject.h"

class CRgn : public CGdiObject {
public:
    CRgn() = default;

    static CRgn *FromHandle(HRGN hRgn) { return static_cast<CRgn *>(CGdiObject::FromHandle(hRgn)); }
    operator HRGN() const { return m_hObject; }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    void SetRectRgn(int x1, int y1, int x2, int y2);
    void SetRectRgn(LPCRECT lpRect) { SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    // Returns the region type of the result (NULLREGION, SIMPLEREGION,
    // COMPLEXREGION) or ERROR.
    int CombineRgn(const CRgn *pRgn1, const CRgn *pRgn2, int nCombineMode);
    int CopyRgn(const CRgn *pRgnSrc);
    BOOL EqualRgn(const CRgn *pRgn) const;
    int OffsetRgn(int x, int y);
    int OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
    int GetRgnBox(LPRECT lpRect) const;
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT lpRect) const;
};

HRGN CreateRectRgn(int x1, int y1, int x2, int y2);
int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
