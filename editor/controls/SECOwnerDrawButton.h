// SECOwnerDrawButton: the base of the library's owner-drawn push buttons.
// It draws the 3D frame (or a flat face with a hover frame), renders each
// state off screen and copies it in one step, embosses a disabled face,
// draws the focus rectangle and reports clicks made with the mouse or the
// space bar to OnButtonClick. Derived classes draw the face's content and
// the focus rectangle.
#pragma once

#include "framework/base/CRect.h"
#include "framework/controls/Button.h"

class CDC;

class SECOwnerDrawButton : public CButton {
    DECLARE_DYNAMIC(SECOwnerDrawButton)
public:
    SECOwnerDrawButton();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Attaches to a dialog item, which must carry BS_OWNERDRAW already.
    virtual BOOL SubclassButton(UINT nID, CWnd *pParentWnd, DWORD dwExtraStyle);
    virtual BOOL CreateButton(LPCTSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID,
                              DWORD dwExtraStyle);
    virtual void OnButtonClick();
    // BM_SETSTYLE: the new style is only ever added, with BS_OWNERDRAW.
    virtual LRESULT ApplyButtonStyle(WPARAM wParam, LPARAM lParam);
    virtual void SetFlat(BOOL bFlat) { m_bFlat = bFlat; }
    virtual BOOL IsFlat() const { return m_bFlat; }
    virtual void BeginDrawing(CDC *pScreenDC, CDC *pDrawDC);
    // Fills and frames the face; returns the content rectangle.
    virtual CRect DrawButtonFrame(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void EndDrawing(CDC *pScreenDC, CDC *pDrawDC);
    virtual void DrawDisabledImage(CDC *pDC, int nWidth, int nHeight);
    virtual void DrawFocusFrame(CDC *pDC, CRect *pRect) = 0;
    virtual void DrawFocus(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void DrawContent(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, CRect *pContent) = 0;

    DWORD GetExtraStyle() const { return m_dwExtraStyle; }
    BOOL IsNewLook() const { return m_bNewLook; }

    // The colours every button draws with, shared by all buttons.
    struct Colors {
        COLORREF frame;
        COLORREF shadow;
        COLORREF highlight;
        COLORREF face;
    };
    static const Colors &SysColors();
    static void RefreshSysColors();

protected:
    void DrawOldOutline(CDC *pDC, CRect &rect);
    void DrawStates(CDC *pItemDC, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void DrawHoverFrame(BOOL bShow);

    afx_msg void OnSysColorChange();
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Every system this runs on draws the newer look.
    BOOL m_bNewLook = TRUE;
    BOOL m_bFlat = FALSE;
    DWORD m_dwExtraStyle = 0;
};
