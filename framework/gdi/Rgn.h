// CRgn: a set of pixels: rectangles, ellipses, rounded rectangles,
// polygons (either fill mode), the outline of a path, and combinations of
// them. A polygon covers the pixels whose top-left corner lies inside it;
// elliptic and rounded shapes cover the pixels whose centre lies inside;
// right and bottom edges stay outside. The clipping of a device context is
// one of these, in device pixels.
#pragma once

#include "framework/gdi/GdiObject.h"

class CDC;

class CRgn : public CGdiObject {
public:
    CRgn() = default;

    static CRgn *FromHandle(HRGN hRgn) { return static_cast<CRgn *>(CGdiObject::FromHandle(hRgn)); }
    operator HRGN() const { return m_hObject; }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect);
    // x3 by y3 is the size of the ellipse that rounds the corners.
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    // nMode: ALTERNATE or WINDING.
    BOOL CreatePolygonRgn(const POINT *lpPoints, int nCount, int nMode);
    BOOL CreatePolyPolygonRgn(const POINT *lpPoints, const INT *lpPolyCounts, int nCount, int nPolyFillMode);
    // The region of the path a context has just closed (the path is used up).
    BOOL CreateFromPath(CDC *pDC);
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
HRGN CreateRectRgnIndirect(const RECT *lprect);
HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2);
HRGN CreateEllipticRgnIndirect(const RECT *lprect);
HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h);
HRGN CreatePolygonRgn(const POINT *pptl, int cPoint, int iMode);
HRGN CreatePolyPolygonRgn(const POINT *pptl, const INT *pc, int cPoly, int iMode);
int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2);
int OffsetRgn(HRGN hrgn, int x, int y);
int GetRgnBox(HRGN hrgn, LPRECT lprc);
BOOL PtInRegion(HRGN hrgn, int x, int y);
BOOL RectInRegion(HRGN hrgn, const RECT *lprect);
BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
