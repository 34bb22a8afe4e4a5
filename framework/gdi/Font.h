// CFont: a logical font. Height follows the sign rule (negative: character
// height, positive: cell height, zero: the default size); faces resolve
// through the face table in FontFaces.h.
#pragma once

#include "framework/gdi/GdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    CFont() = default;

    static CFont *FromHandle(HFONT hFont) { return static_cast<CFont *>(CGdiObject::FromHandle(hFont)); }
    operator HFONT() const { return m_hObject; }

    BOOL CreateFontIndirect(const LOGFONT *lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    // nPointSize is in tenths of a point; the height is converted to the
    // logical units of pDC (of the screen when pDC is NULL).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC *pDC = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT *lpLogFont, CDC *pDC = nullptr);
    int GetLogFont(LOGFONT *pLogFont) const;
};

HFONT CreateFontIndirect(const LOGFONT *lplf);
HFONT CreateFont(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                 DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                 DWORD iQuality, DWORD iPitchAndFamily, LPCTSTR pszFaceName);
