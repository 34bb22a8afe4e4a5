// The form's property set (id QY_FORM_PROP_ID): caption and its font, the
// page fill, the grid, the margin frame, the drawn window's switches (title
// bar, icon, caption buttons, 3-D border) and the design-mode flag that
// gates editing, with the drawing objects made from them cached.
#pragma once

#include "library/model/QYBaseProperties.h"
#include "library/model/QYPropertyDrawing.h"

#include "framework/gdi/Bitmap.h"

#include <array>

// Type code of a form.
#define QY_FORM_TYPE 102

class CQYFormProperties : public CQYBaseProperties {
    DECLARE_SERIAL(CQYFormProperties)
public:
    explicit CQYFormProperties(int nCurID = QY_FORM_PROP_ID);
    CQYFormProperties(const CQYFormProperties& src);
    ~CQYFormProperties() override;

    // Loading reads the whole record before taking it over; a weight or
    // brush type outside its range ends the load, grid steps below 1 are
    // read as 1.
    void Serialize(CArchive& ar) override;
    CQYBaseProperties* Copy() override;

    int PointToLogical(int nPoint, CDC* pDC, BOOL bY);
    int LogicalToPoint(int nLogical, CDC* pDC, BOOL bY);

    // Cached drawing objects, made on first use.
    CBrush* GetBrush(CDC* pDC);
    CFont* GetFont(CDC* pDC);
    // The monochrome bitmap of pattern nIndex, or NULL for an index without
    // a pattern.
    CBitmap* GetPatternBitmap(int nIndex);
    void ReleaseBrush();
    void ReleaseFont();

    // Font.
    void SetFaceName(LPCTSTR lpszFaceName);
    CString GetFaceName() const { return m_strFaceName; }
    // Sizes below 2 are ignored; the height follows the size.
    void SetPointSize(int nPoints, CDC* pDC = nullptr);
    int GetPointSize() const { return m_nPointSize; }
    // The point size follows the height.
    void SetFontHeight(int nHeight, CDC* pDC = nullptr);
    int GetFontHeight() const { return m_nFontHeight; }
    void SetFontColor(COLORREF crColor);
    COLORREF GetFontColor() const { return m_crFontColor; }
    // Weights outside 0-1000 are ignored.
    void SetWeight(int nWeight);
    int GetWeight() const { return m_nWeight; }
    void SetItalic(BOOL bItalic);
    void SetUnderline(BOOL bUnderline);
    void SetStrikeOut(BOOL bStrikeOut);
    BOOL IsItalic() const { return m_bItalic; }
    BOOL IsUnderline() const { return m_bUnderline; }
    BOOL IsStrikeOut() const { return m_bStrikeOut; }

    // Fill.
    void SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const { return m_crBkColor; }
    void SetPatternColor(COLORREF crColor);
    COLORREF GetPatternColor() const { return m_crPatternColor; }
    // Fill kinds outside 0-91 are ignored (the cached brush is still dropped).
    void SetBrushType(int nBrushType);
    int GetBrushType() const { return m_nBrushType; }
    void SetPageBkColor(COLORREF crColor) { m_crPageBkColor = crColor; }
    COLORREF GetPageBkColor() const { return m_crPageBkColor; }

    // Identity and mode.
    void SetObjectName(LPCTSTR lpszName) { m_strObjectName = lpszName; }
    CString GetObjectName() const { return m_strObjectName; }
    void SetObjectCaption(LPCTSTR lpszCaption) { m_strObjectCaption = lpszCaption; }
    CString GetObjectCaption() const { return m_strObjectCaption; }
    void SetType(int nType) { m_nType = nType; }
    int GetType() const { return m_nType; }
    void SetDesignMode(BOOL bDesignMode) { m_bDesignMode = bDesignMode; }
    BOOL IsDesignMode() const { return m_bDesignMode; }

    // Grid: steps below 1 become 1.
    void SetGridXStep(int nStep);
    void SetGridYStep(int nStep);
    int GetGridXStep() const { return m_nGridXStep; }
    int GetGridYStep() const { return m_nGridYStep; }
    void SetGridColor(COLORREF crColor) { m_crGridColor = crColor; }
    COLORREF GetGridColor() const { return m_crGridColor; }
    void ShowGrid(BOOL bShow) { m_bShowGrid = bShow; }
    BOOL IsShowGrid() const { return m_bShowGrid; }

    // Margins.
    void SetMarginXStart(int nMargin) { m_nMarginLeft = nMargin; }
    void SetMarginYStart(int nMargin) { m_nMarginTop = nMargin; }
    void SetMarginXEnd(int nMargin) { m_nMarginRight = nMargin; }
    void SetMarginYEnd(int nMargin) { m_nMarginBottom = nMargin; }
    int GetMarginXStart() const { return m_nMarginLeft; }
    int GetMarginYStart() const { return m_nMarginTop; }
    int GetMarginXEnd() const { return m_nMarginRight; }
    int GetMarginYEnd() const { return m_nMarginBottom; }
    void ShowMargin(BOOL bShow) { m_bShowMargins = bShow; }
    BOOL IsShowMargin() const { return m_bShowMargins; }

    // The drawn window.
    void SetCloseButton(BOOL bOn) { m_bCloseButton = bOn; }
    void SetMinimizeButton(BOOL bOn) { m_bMinimizeButton = bOn; }
    void SetMaximizeButton(BOOL bOn) { m_bMaximizeButton = bOn; }
    void SetHelpButton(BOOL bOn) { m_bHelpButton = bOn; }
    void ShowIcon(BOOL bShow) { m_bShowIcon = bShow; }
    void ShowTitleBar(BOOL bShow) { m_bShowTitleBar = bShow; }
    void Set3DBorder(BOOL bOn) { m_b3DBorder = bOn; }
    BOOL HasCloseButton() const { return m_bCloseButton; }
    BOOL HasMinimizeButton() const { return m_bMinimizeButton; }
    BOOL HasMaximizeButton() const { return m_bMaximizeButton; }
    BOOL HasHelpButton() const { return m_bHelpButton; }
    BOOL IsShowIcon() const { return m_bShowIcon; }
    BOOL IsShowTitleBar() const { return m_bShowTitleBar; }
    BOOL Is3DBorder() const { return m_b3DBorder; }

    CString m_strObjectName;
    CString m_strObjectCaption;
    int m_nType = QY_FORM_TYPE;
    BOOL m_bDesignMode = TRUE;
    int m_nReserved = 0;
    COLORREF m_crBkColor = 0xFFFFFF;
    CString m_strFaceName;
    int m_nPointSize = 10;
    int m_nFontHeight = 0;
    COLORREF m_crFontColor;
    int m_nWeight = 400;
    BOOL m_bItalic = FALSE;
    BOOL m_bUnderline = FALSE;
    BOOL m_bStrikeOut = FALSE;
    int m_nGridXStep = 7;
    int m_nGridYStep = 7;
    COLORREF m_crGridColor = 0x474747;
    int m_nMarginLeft = 14;
    int m_nMarginTop = 14;
    int m_nMarginRight = 14;
    int m_nMarginBottom = 14;
    BOOL m_bShowGrid = FALSE;
    BOOL m_bCloseButton = FALSE;
    BOOL m_bMinimizeButton = FALSE;
    BOOL m_bMaximizeButton = FALSE;
    BOOL m_bHelpButton = FALSE;
    BOOL m_bShowIcon = FALSE;
    BOOL m_bShowTitleBar = FALSE;
    BOOL m_b3DBorder = FALSE;
    BOOL m_bShowMargins = FALSE;
    COLORREF m_crPageBkColor;
    int m_nBrushType = 1;
    COLORREF m_crPatternColor = 0;

private:
    void CopyValuesFrom(const CQYFormProperties& src);
    void StoreRecord(CArchive& ar);
    void LoadRecord(CArchive& ar);

    std::unique_ptr<CBrush> m_pBrush;
    std::unique_ptr<CFont> m_pFont;
    CQYPatternBitmaps m_patternBitmaps;
};
