// CDC: the device context. Output goes to m_hDC; measurements and queries
// use m_hAttribDC (the same context unless a caller separates them, as
// print preview does); attribute changes go to both.
//
// Coordinates are logical units mapped through the mapping mode. Filled
// shapes leave out their right and bottom edge, one-pixel pens leave out
// the end point of a line, text positions name the top-left of the
// character cell (see SetTextAlign), and the ROP2 mode combines pens and
// brushes with the target's pixels.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/object/Object.h"
#include "framework/gdi/Bitmap.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/Palette.h"
#include "framework/gdi/Pen.h"
#include "framework/gdi/Rgn.h"

class QImage;
class QPaintDevice;

struct DOCINFO {
    int cbSize;
    LPCTSTR lpszDocName;
    LPCTSTR lpszOutput;
    LPCTSTR lpszDatatype;
    DWORD fwType;
};

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)

public:
    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    CDC() = default;
    virtual ~CDC();
    CDC(const CDC &) = delete;
    CDC &operator=(const CDC &) = delete;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC *FromHandle(HDC hDC);
    static void DeleteTempMap();

    // Creation and ownership: the object owns the output context it holds
    // (the destructor deletes it) until Detach hands it back.
    BOOL Attach(HDC hDC);
    HDC Detach();
    virtual void SetAttribDC(HDC hDC);
    virtual void SetOutputDC(HDC hDC);
    virtual void ReleaseAttribDC();
    virtual void ReleaseOutputDC();
    // A memory context with a one-pixel monochrome bitmap selected, like the
    // reference context pDC (the screen when NULL).
    BOOL CreateCompatibleDC(CDC *pDC);
    // Draws into an image owned by the caller (window backing stores, tests).
    BOOL CreateImageDC(QImage *pImage);
    // Draws on a paint device owned by the caller (QPrinter, QPdfWriter);
    // bPrinting marks a printer context.
    BOOL CreatePaintDeviceDC(QPaintDevice *pDevice, BOOL bPrinting);
    BOOL DeleteDC();
    BOOL IsPrinting() const { return m_bPrinting; }
    int GetDeviceCaps(int nIndex) const;

    // Print jobs on a paint-device context: every StartPage after the first
    // begins a new sheet; EndDoc finishes the output. Positive on success,
    // SP_ERROR (-1) on a context that is not a paged device.
    int StartDoc(LPCTSTR lpszDocName);
    int StartDoc(const DOCINFO *lpDocInfo);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();

    // State.
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    CGdiObject *SelectStockObject(int nIndex);
    CPen *SelectObject(CPen *pPen);
    CBrush *SelectObject(CBrush *pBrush);
    CFont *SelectObject(CFont *pFont);
    CBitmap *SelectObject(CBitmap *pBitmap);
    CGdiObject *SelectObject(CGdiObject *pObject);
    // bForceBackground makes no difference on true-colour targets.
    CPalette *SelectPalette(CPalette *pPalette, BOOL bForceBackground);
    UINT RealizePalette();
    // A region selection sets the clip; returns the region type.
    int SelectObject(CRgn *pRgn);
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    CPen *GetCurrentPen() const;
    CBrush *GetCurrentBrush() const;
    CFont *GetCurrentFont() const;
    CBitmap *GetCurrentBitmap() const;

    COLORREF GetTextColor() const;
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    int GetBkMode() const;
    int SetBkMode(int nBkMode);
    int GetROP2() const;
    int SetROP2(int nDrawMode);
    int GetPolyFillMode() const;
    int SetPolyFillMode(int nPolyFillMode);
    int GetStretchBltMode() const;
    int SetStretchBltMode(int nStretchMode);
    int GetArcDirection() const;
    int SetArcDirection(int nArcDirection);
    CPoint GetBrushOrg() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }

    // Coordinates.
    int GetMapMode() const;
    int SetMapMode(int nMapMode);
    CPoint GetViewportOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize GetViewportExt() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CSize GetWindowExt() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;
    void DPtoLP(LPSIZE lpSize) const;
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void LPtoDP(LPSIZE lpSize) const;
    // HIMETRIC (0.01 mm) sizes to and from logical units.
    void DPtoHIMETRIC(LPSIZE lpSize) const;
    void HIMETRICtoDP(LPSIZE lpSize) const;
    void LPtoHIMETRIC(LPSIZE lpSize) const;
    void HIMETRICtoLP(LPSIZE lpSize) const;

    // Clipping (device regions; the rectangle forms take logical units).
    int SelectClipRgn(CRgn *pRgn);
    int SelectClipRgn(CRgn *pRgn, int nMode);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect);
    int OffsetClipRgn(int x, int y);
    int OffsetClipRgn(SIZE size) { return OffsetClipRgn(size.cx, size.cy); }
    int GetClipBox(LPRECT lpRect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
    BOOL RectVisible(LPCRECT lpRect) const;

    // Regions drawn in logical units: FillRgn and PaintRgn (the selected
    // brush) copy the brush; FrameRgn paints the part of the region within
    // nWidth of its left and right borders and nHeight of its top and bottom.
    BOOL FillRgn(CRgn *pRgn, CBrush *pBrush);
    BOOL FrameRgn(CRgn *pRgn, CBrush *pBrush, int nWidth, int nHeight);
    BOOL PaintRgn(CRgn *pRgn);
    BOOL InvertRgn(CRgn *pRgn);

    // Paths: between BeginPath and EndPath the line, curve and shape calls
    // record figures instead of drawing. The uses of a finished path
    // (stroke, fill, clip, region) consume it; FlattenPath turns its curves
    // into lines. GetPath copies points (logical) and PT_ types; with nCount
    // 0 it returns the count.
    BOOL BeginPath();
    BOOL EndPath();
    BOOL AbortPath();
    BOOL CloseFigure();
    BOOL StrokePath();
    BOOL FillPath();
    BOOL StrokeAndFillPath();
    BOOL FlattenPath();
    BOOL SelectClipPath(int nMode);
    int GetPath(LPPOINT lpPoints, LPBYTE lpTypes, int nCount) const;

    // Lines and curves.
    CPoint GetCurrentPosition() const;
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polyline(const POINT *lpPoints, int nCount);
    BOOL PolylineTo(const POINT *lpPoints, int nCount);
    BOOL PolyBezier(const POINT *lpPoints, int nCount);
    BOOL PolyBezierTo(const POINT *lpPoints, int nCount);
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL AngleArc(int x, int y, int nRadius, float fStartAngle, float fSweepAngle);

    // Filled shapes (outlined with the pen, filled with the brush).
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL RoundRect(LPCRECT lpRect, POINT point);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL Polygon(const POINT *lpPoints, int nCount);
    BOOL PolyPolygon(const POINT *lpPoints, const INT *lpPolyCounts, int nCount);
    // Separate polylines: lpPolyPoints[i] points each, one after another.
    BOOL PolyPolyline(const POINT *lpPoints, const DWORD *lpPolyPoints, int nCount);

    // Pixels and rectangles (brush fills ignore the ROP2 mode).
    COLORREF GetNearestColor(COLORREF crColor) const;
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }
    BOOL SetPixelV(int x, int y, COLORREF crColor);
    BOOL SetPixelV(POINT point, COLORREF crColor) { return SetPixelV(point.x, point.y, crColor); }
    // Fills with the selected brush from (x, y): with FLOODFILLBORDER every
    // pixel reachable without crossing crColor, with FLOODFILLSURFACE every
    // reachable pixel of crColor. FALSE when the start does not qualify or
    // the target has no pixels to read.
    BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType);
    BOOL FloodFill(int x, int y, COLORREF crColor) { return ExtFloodFill(x, y, crColor, FLOODFILLBORDER); }
    void FillRect(LPCRECT lpRect, CBrush *pBrush);
    void FillRect(LPCRECT lpRect, HBRUSH hBrush);
    // Fills with a colour and, as the original does, leaves it as the background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FrameRect(LPCRECT lpRect, CBrush *pBrush);
    void InvertRect(LPCRECT lpRect);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void DrawFocusRect(LPCRECT lpRect);
    // The outline of lpRect, size thick inside it, inverted with pBrush
    // (the half-tone brush when NULL). The outline last drawn (lpRectLast,
    // sizeLast, pBrushLast) is inverted back at the same time, so pixels
    // both share are left alone; a NULL lpRectLast erases nothing, and a
    // size of 0 draws nothing, which only erases the last one.
    void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush *pBrush = NULL,
                      CBrush *pBrushLast = NULL);
    // A brush of alternating pixels: text colour on background colour.
    static CBrush *GetHalftoneBrush();
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);

    // Block transfers: the source rectangle (stretched to the target's in
    // StretchBlt, and where the two contexts' mappings differ) combined with
    // the target through a ternary raster operation, the selected brush as
    // the pattern. Monochrome sources take the target's text colour for 0
    // bits and its background colour for 1 bits; colour sources onto a
    // monochrome target give white where they equal the source's background
    // colour and black elsewhere.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    // Operations of pattern and destination only; FALSE for one that needs a source.
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    // Draws an icon at the system icon size (see Icon.h).
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }

    // Gradients: GRADIENT_FILL_RECT_H / _V shade each GRADIENT_RECT from its
    // upper-left vertex's colour to its lower-right's; GRADIENT_FILL_TRIANGLE
    // blends the three corner colours of each GRADIENT_TRIANGLE. FALSE for a
    // bad mode or a mesh entry naming a missing vertex.
    BOOL GradientFill(TRIVERTEX *pVertices, ULONG nVertices, void *pMesh, ULONG nMeshElements, DWORD dwMode);

    // Text.
    UINT GetTextAlign() const;
    UINT SetTextAlign(UINT nFlags);
    int GetTextCharacterExtra() const;
    int SetTextCharacterExtra(int nCharExtra);
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString &str) { return TextOut(x, y, str, str.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                    const INT *lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString &str, const INT *lpDxWidths)
    {
        return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
    }
    CSize TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, const INT *lpnTabStopPositions,
                        int nTabOrigin);
    CSize TabbedTextOut(int x, int y, const CString &str, int nTabPositions, const INT *lpnTabStopPositions,
                        int nTabOrigin)
    {
        return TabbedTextOut(x, y, str, str.GetLength(), nTabPositions, lpnTabStopPositions, nTabOrigin);
    }
    // Returns the height of the text (the offset to its bottom with
    // DT_VCENTER or DT_BOTTOM); DT_CALCRECT measures into lpRect instead of drawing.
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString &str, LPRECT lpRect, UINT nFormat)
    {
        return DrawText(str, str.GetLength(), lpRect, nFormat);
    }
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString &str) const { return GetTextExtent(str, str.GetLength()); }
    CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString &str) const { return GetOutputTextExtent(str, str.GetLength()); }
    CSize GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions, const INT *lpnTabStopPositions) const;
    CSize GetTabbedTextExtent(const CString &str, int nTabPositions, const INT *lpnTabStopPositions) const
    {
        return GetTabbedTextExtent(str, str.GetLength(), nTabPositions, lpnTabStopPositions);
    }
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const;
    int GetTextFace(int nCount, LPTSTR lpszFacename) const;
    int GetTextFace(CString &rString) const;
    BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const;

private:
    template <typename F>
    void ForEachDC(F f);
};

// The plain-function forms of the context members, for code that holds an HDC.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
BOOL GetTextExtentPoint32(HDC hdc, LPCTSTR lpString, int c, LPSIZE psizl);
int GetDeviceCaps(HDC hdc, int index);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int nSavedDC);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int SetROP2(HDC hdc, int rop2);
int SetMapMode(HDC hdc, int mode);
UINT SetTextAlign(HDC hdc, UINT align);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL LPtoDP(HDC hdc, LPPOINT lppt, int c);
BOOL DPtoLP(HDC hdc, LPPOINT lppt, int c);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int SelectClipRgn(HDC hdc, HRGN hrgn);
int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode);
// Copies the program's clip into hrgn: 1, or 0 when nothing clips (hrgn
// unchanged), -1 on error.
int GetClipRgn(HDC hdc, HRGN hrgn);
BOOL FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr);
BOOL FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h);
BOOL PaintRgn(HDC hdc, HRGN hrgn);
BOOL InvertRgn(HDC hdc, HRGN hrgn);
BOOL BeginPath(HDC hdc);
BOOL EndPath(HDC hdc);
BOOL AbortPath(HDC hdc);
BOOL CloseFigure(HDC hdc);
BOOL StrokePath(HDC hdc);
BOOL FillPath(HDC hdc);
BOOL StrokeAndFillPath(HDC hdc);
BOOL FlattenPath(HDC hdc);
BOOL SelectClipPath(HDC hdc, int mode);
HRGN PathToRegion(HDC hdc);
int GetPath(HDC hdc, LPPOINT apt, LPBYTE aj, int cpt);
int GetClipBox(HDC hdc, LPRECT lprect);
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT *apt, int cpt);
BOOL Polygon(HDC hdc, const POINT *apt, int cpt);
BOOL PolyPolyline(HDC hdc, const POINT *apt, const DWORD *asz, DWORD csz);
BOOL ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type);
BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);
BOOL TextOut(HDC hdc, int x, int y, LPCTSTR lpString, int c);
BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT *lprect, LPCTSTR lpString, UINT c, const INT *lpDx);
BOOL GetTextMetrics(HDC hdc, LPTEXTMETRIC lptm);
int DrawText(HDC hdc, LPCTSTR lpchText, int cchText, LPRECT lprc, UINT format);
// The extent drawn: width in the low word, height in the high word.
LONG TabbedTextOut(HDC hdc, int x, int y, LPCTSTR lpString, int chCount, int nTabPositions,
                   const INT *lpnTabStopPositions, int nTabOrigin);
int FillRect(HDC hdc, const RECT *lprc, HBRUSH hbr);
int FrameRect(HDC hdc, const RECT *lprc, HBRUSH hbr);
BOOL InvertRect(HDC hdc, const RECT *lprc);
BOOL DrawFocusRect(HDC hdc, const RECT *lprc);
BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
BOOL DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop);
BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
int SetStretchBltMode(HDC hdc, int mode);
// Device-independent bitmaps. StretchDIBits counts the source's y from the
// bottom row of a bottom-up DIB and from the top row of a top-down one;
// SetDIBitsToDevice counts it, and its scan lines, from the bottom row
// whatever the row order. Both return the scan lines used, 0 on failure,
// and read RLE8/RLE4 bits (biSizeImage bytes), leaving the pixels those
// skip as they were. GetDIBits with biBitCount 0 describes the bitmap;
// otherwise it converts rows into the caller's format (with the standard
// colour table for 8 bits and fewer) or, without lpvBits, fills in the
// table and biSizeImage. CreateDIBSection takes every uncompressed layout;
// the program's bits stay in that layout (DibSection.h).
int StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc, int SrcWidth,
                  int SrcHeight, const void *lpBits, const BITMAPINFO *lpbmi, UINT iUsage, DWORD rop);
int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan, UINT cLines,
                      const void *lpvBits, const BITMAPINFO *lpbmi, UINT ColorUse);
int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi, UINT usage);
int SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void *lpBits, const BITMAPINFO *lpbmi,
              UINT ColorUse);
HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER *pbmih, DWORD flInit, const void *pjBits, const BITMAPINFO *pbmi,
                       UINT iUsage);
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, void **ppvBits, void *hSection, DWORD offset);
BOOL GradientFill(HDC hdc, PTRIVERTEX pVertex, ULONG nVertex, void *pMesh, ULONG nMesh, ULONG ulMode);
