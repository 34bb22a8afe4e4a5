// The default property set of a component (id QY_COMP_PROP_ID): identity,
// colours, line, fill kind, font, shadow, text layout and bullets, with the
// drawing objects made from them cached until a setter changes what they
// depend on.
#pragma once

#include "library/model/QYBaseProperties.h"
#include "library/model/QYFillKinds.h"
#include "library/model/QYPropertyDrawing.h"

#include "framework/gdi/Bitmap.h"

#include <array>

// Pen styles run from PS_SOLID (0) to PS_DASHDOTDOT (4).
#define QY_MAX_PEN_STYLE 4

class CQYCompProperties : public CQYBaseProperties {
    DECLARE_SERIAL(CQYCompProperties)
public:
    explicit CQYCompProperties(int nCurID = QY_COMP_PROP_ID);
    CQYCompProperties(const CQYCompProperties& src);
    ~CQYCompProperties() override;

    void Serialize(CArchive& ar) override;
    CQYBaseProperties* Copy() override;

    // Points to logical units of the DC (a screen-compatible memory DC when
    // pDC is NULL), vertically when bY, else horizontally; and back.
    virtual int PointToLogical(int nPoint, CDC* pDC, BOOL bY);
    virtual int LogicalToPoint(int nLogical, CDC* pDC, BOOL bY);

    // Cached drawing objects, made on first use.
    CBrush* GetBrush(CDC* pDC);
    CBrush* GetShadowBrush(CDC* pDC);
    CPen* GetPen(CDC* pDC);
    CFont* GetFont(CDC* pDC);
    // The 8-by-8 monochrome bitmap of fill pattern nIndex (0 to 32), or NULL
    // for an index without a pattern.
    CBitmap* GetPatternBitmap(int nIndex);
    void ReleaseBrush();
    void ReleaseShadowBrush();
    void ReleasePen();
    void ReleaseFont();

    // Setters that drop the cached object they affect.
    void SetObjectName(LPCTSTR lpszName) { m_strObjectName = lpszName; }
    // A caption can draw beyond its component (a link's label): a change
    // of the page's drawing.
    void SetObjectCaption(LPCTSTR lpszCaption);
    void SetType(int nType) { m_nType = nType; }
    int GetType() const { return m_nType; }
    void SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const { return m_crBkColor; }
    // Fill kinds outside 0-91 are ignored (the cached brush is still dropped).
    void SetBrushType(int nBrushType);
    int GetBrushType() const { return m_nBrushType; }
    void SetShadowBrushType(int nBrushType);
    int GetShadowBrushType() const { return m_nShadowBrushType; }
    void SetFaceName(LPCTSTR lpszFaceName);
    // Sizes below 2 are ignored; the height follows the size.
    void SetPointSize(int nSize, CDC* pDC = nullptr);
    // The point size follows the height.
    void SetFontHeight(int nHeight, CDC* pDC = nullptr);
    void SetFontColor(COLORREF crColor);
    // Weights outside 0-1000 are ignored.
    void SetWeight(int nWeight);
    void SetLineWidth(int nWidth);
    void SetLineColor(COLORREF crColor);
    // Pen styles outside 0-4 are ignored.
    void SetPenStyle(int nPenStyle);
    // Drops the cached pen so that the next GetPen follows the flag.
    void SetNullPen(BOOL bNullPen);
    BOOL IsNullPen() const { return m_bNullPen; }
    COLORREF GetPatternColor() const { return m_crPatternColor; }
    int GetShadowOffsetX() const { return m_nShadowOffsetX; }
    int GetShadowOffsetY() const { return m_nShadowOffsetY; }
    BOOL IsMainObj() const { return m_bMainObj; }

    CString m_strObjectName;
    CString m_strObjectCaption;
    int m_nType = 0;
    BOOL m_bVisible = TRUE;
    BOOL m_bFlag1 = FALSE;
    int m_nTabOrder = 0;
    BOOL m_bFlat = FALSE;
    BOOL m_bMainObj = FALSE;
    int m_nReserved1 = 1;
    BOOL m_bLock = FALSE;
    BOOL m_bFlag2 = TRUE;
    COLORREF m_crBkColor;
    BOOL m_bTransparent = FALSE;
    int m_nBrushType = 1;
    int m_nReserved2 = 3;
    CString m_strFaceName;
    int m_nPointSize = 10;
    int m_nFontHeight = 0;
    COLORREF m_crFontColor = 0;
    int m_nWeight = 400;
    BOOL m_bItalic = FALSE;
    BOOL m_bUnderline = FALSE;
    BOOL m_bStrikeOut = FALSE;
    int m_nTextHorzAlign = 1;
    int m_nTextVertAlign = 1;
    BOOL m_bMultiLine = FALSE;
    int m_nLineWidth = 2;
    COLORREF m_crLineColor = 0x57564A;
    BOOL m_bNullPen = FALSE;
    int m_nPenStyle = 0;
    COLORREF m_crPatternColor = 0x57564A;
    BOOL m_bShadow = FALSE;
    COLORREF m_crShadowColor = 0xBFBFBF;
    COLORREF m_crShadowPatternColor = 0xE3E0BB;
    int m_nShadowOffsetX = 4;
    int m_nShadowOffsetY = 4;
    int m_nShadowBrushType = 1;
    int m_nReserved3 = 3;
    COLORREF m_crBulletColor = 0;
    int m_nBulletType = 0;

protected:
    // Copies every stored value (not the caches) from src.
    void CopyValuesFrom(const CQYCompProperties& src);
    void StoreRecord(CArchive& ar);
    // Reads the record after the base's id; throws CArchiveException on a
    // value outside its range.
    void LoadRecord(CArchive& ar);

private:
    std::unique_ptr<CBrush> m_pBrush;
    std::unique_ptr<CBrush> m_pShadowBrush;
    std::unique_ptr<CPen> m_pPen;
    std::unique_ptr<CFont> m_pFont;
    CQYPatternBitmaps m_patternBitmaps;
};
