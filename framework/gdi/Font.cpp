// Logical fonts: creation and their descriptions.
#include "framework/gdi/Font.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/FontFaces.h"
#include "framework/gdi/GdiObjectData.h"

#include <cstdlib>
#include <cstring>

HFONT CreateFontIndirect(const LOGFONT *lplf)
{
    if (!lplf)
        return nullptr;
    auto f = std::make_shared<FontData>();
    f->logFont = *lplf;
    f->logFont.lfFaceName[LF_FACESIZE - 1] = 0; // an unterminated name is cut, never overrun
    return GdiHandles::Insert(std::move(f));
}

HFONT CreateFont(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                 DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                 DWORD iQuality, DWORD iPitchAndFamily, LPCTSTR pszFaceName)
{
    LOGFONT lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = static_cast<BYTE>(bItalic);
    lf.lfUnderline = static_cast<BYTE>(bUnderline);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName)
        std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFontIndirect(const LOGFONT *lpLogFont)
{
    return AttachNew(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return AttachNew(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                                  nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC *pDC)
{
    LOGFONT lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    if (lpszFaceName)
        std::strncpy(lf.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, pDC);
}

// lfHeight holds tenths of a point: it becomes a character height in the
// logical units of pDC (device pixels of a 96-dpi screen without one).
BOOL CFont::CreatePointFontIndirect(const LOGFONT *lpLogFont, CDC *pDC)
{
    if (!lpLogFont)
        return FALSE;
    LOGFONT lf = *lpLogFont;
    HDC attrib = pDC ? (pDC->m_hAttribDC ? pDC->m_hAttribDC : pDC->m_hDC) : nullptr;
    int dpiY = attrib ? attrib->dpiY : 96;
    POINT pt{0, std::abs(MulDiv(lf.lfHeight, dpiY, 720))};
    if (attrib) {
        POINT origin{0, 0};
        POINT pts[2] = {pt, origin};
        pDC->DPtoLP(pts, 2);
        lf.lfHeight = -std::abs(pts[0].y - pts[1].y);
    } else {
        lf.lfHeight = -pt.y;
    }
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT *pLogFont) const
{
    return GetObject(sizeof(LOGFONT), pLogFont);
}
