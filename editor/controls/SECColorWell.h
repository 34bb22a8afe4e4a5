// SECColorWell: a child window showing a grid of colour cells (5 rows of 4
// after InitGridSize) that the user picks from with the mouse or the
// keyboard; the choice is reported to the parent with
// WM_SECCOLORWELL_SELCHANGE. With an other-colour button under the grid the
// colour dialog can supply any colour, shown in an extra custom cell.
#pragma once

#include "editor/controls/SECColorWellMessages.h"
#include "editor/controls/SECColorWellNavigation.h"

#include "framework/base/CRect.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/Palette.h"
#include "framework/window/Wnd.h"

class CDC;
class SECColorWellOtherButton;

class SECColorWell : public CWnd {
    DECLARE_DYNAMIC(SECColorWell)
public:
    SECColorWell();
    ~SECColorWell() override;

    // Style bit 0 gives a raised three-dimensional border. x and y are in
    // dialog units when bDialogUnits is set.
    virtual BOOL Create(DWORD dwStyle, int x, int y, CWnd *pParentWnd, UINT nID, BOOL bDialogUnits, BOOL bOtherButton,
                        LPVOID lpCreateParam = NULL);
    virtual void SetColorDialogFlags(DWORD dwFlags) { m_dwColorDialogFlags = dwFlags; }
    // 16 colours handed to the colour dialog as its custom colours.
    virtual void SetCustomColors(COLORREF *pColors) { m_pCustomColors = pColors; }
    virtual void Reset();
    virtual void DrawCell(CDC *pDC, CDC *pClipDC, CPoint origin, int nColumn, int nRow);
    virtual void DrawSelectedCell(CDC *pDC, CDC *pClipDC, CPoint origin, int nColumn, int nRow);
    virtual void NotifyColor();
    virtual void SelectCell(int nColumn, int nRow, int nReason);
    virtual BOOL CreatePalette();
    virtual void InitGridSize();
    // A hook to change the grid colours before the palette is made.
    virtual void CustomizeColors(PALETTEENTRY *pEntries, int nCount, int nFilled);
    virtual UINT GetClassStyle() const { return 0; }
    virtual BOOL HasFocusFrame() const { return TRUE; }
    virtual void CalcWellRect(CRect &rect, CWnd *pParentWnd, int x, int y, BOOL bDialogUnits);

    COLORREF GetColor() const;
    void SetColor(COLORREF color);
    void SetTrackMouse(BOOL bTrack) { m_bTrackMouse = bTrack; }
    void SetPaletteMode(BOOL bPaletteMode) { m_bPaletteMode = bPaletteMode; }
    DWORD GetColorDialogFlags() const { return m_dwColorDialogFlags; }
    COLORREF *GetCustomColors() const { return m_pCustomColors; }

    // ---- State, for the owner and for tests
    int GetRows() const { return m_nRows; }
    int GetColumns() const { return m_nColumns; }
    SECWellCell GetSelectedCell() const { return {m_nSelColumn, m_nSelRow}; }
    BOOL IsCustomShown() const { return m_bCustomShown; }
    CSize GetMargins() const { return CSize(m_nHorzMargin, m_nVertMargin); }
    CSize GetCellSize() const { return CSize(m_nCellWidth, m_nCellHeight); }
    SECColorWellOtherButton *GetOtherButton() const { return m_pOtherButton; }
    // The cell's rectangle in client co-ordinates.
    CRect GetCellRect(int nColumn, int nRow) const;
    // The cell under a client point; FALSE when none.
    BOOL HitTest(CPoint point, SECWellCell &cell) const;
    // The colour dialog, started at the current colour; the owner's own
    // message 0x466 and the other-colour button end up here.
    BOOL ChooseOtherColor();

protected:
    BOOL CustomAvailable() const { return m_pOtherButton != nullptr && m_bCustomShown; }
    BOOL IsValidCell(int nColumn, int nRow) const;
    int PaletteIndex(int nColumn, int nRow) const;
    COLORREF CellColor(int nColumn, int nRow) const;
    void InvalidateCell(int nColumn, int nRow);
    void ChangeSelection(int nColumn, int nRow);
    void MoveByKey(UINT nChar);
    void TabOut(BOOL bBackward);
    void DrawWell(CDC *pDC, CDC *pClipDC);
    void ReadSysColors();
    void SetMarginsForStyle(DWORD dwStyle);
    // Widens the margins so that the other button's caption fits; TRUE when
    // they changed.
    BOOL WidenForOtherButton(CWnd *pParentWnd);
    BOOL CreateOtherButton(UINT nID);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC *pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd *pOldWnd);
    afx_msg void OnKillFocus(CWnd *pNewWnd);
    afx_msg void OnSysColorChange();
    afx_msg HBRUSH OnCtlColor(CDC *pDC, CWnd *pWnd, UINT nCtlColor);
    afx_msg void OnOtherColor();
    DECLARE_MESSAGE_MAP()

    CPalette m_palette;
    int m_nRows = 0;
    int m_nColumns = 0;
    int m_nCustomColumn = 0;
    int m_nCustomRow = 0;
    int m_nCellHeight = 0;
    int m_nCellWidth = 0;
    int m_nHorzMargin = 2;
    int m_nVertMargin = 2;
    int m_nButtonHeight = 0;
    // Pixels added to the horizontal margin so the other button's caption fits.
    int m_nCaptionRoom = 0;
    int m_nSelRow = 0;
    int m_nSelColumn = 0;
    int m_nCustomIndex = 0;
    BOOL m_bFocused = FALSE;
    BOOL m_bTrackMouse = FALSE;
    BOOL m_bHasOtherButton = FALSE;
    BOOL m_bCustomShown = FALSE;
    BOOL m_bPaletteMode = FALSE;
    DWORD m_dwColorDialogFlags = 3;
    COLORREF *m_pCustomColors = nullptr;
    CBrush m_backgroundBrush;
    SECColorWellOtherButton *m_pOtherButton = nullptr;
};
