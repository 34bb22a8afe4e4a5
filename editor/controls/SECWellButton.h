// SECWellButton: a push button showing a colour swatch, a separator and a
// drop-down arrow. A click opens a pop-up colour well under it; the colour
// picked there (or in the colour dialog the pop-up can open) becomes the
// button's colour and is sent to the parent as WM_SECCOLORWELL_SELCHANGE
// with the button's control id.
#pragma once

#include "editor/controls/SECOwnerDrawButton.h"

#include "framework/gdi/Palette.h"

class SECPopupColorWell;

class SECWellButton : public SECOwnerDrawButton {
    DECLARE_DYNAMIC(SECWellButton)
public:
    SECWellButton();
    ~SECWellButton() override;

    void OnButtonClick() override;
    void BeginDrawing(CDC *pScreenDC, CDC *pDrawDC) override;
    void EndDrawing(CDC *pScreenDC, CDC *pDrawDC) override;
    void DrawFocusFrame(CDC *pDC, CRect *pRect) override;
    void DrawContent(CDC *pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, CRect *pContent) override;
    virtual void SetColorDialogFlags(DWORD dwFlags) { m_dwColorDialogFlags = dwFlags; }
    virtual DWORD GetColorDialogFlags() const { return m_dwColorDialogFlags; }
    virtual void SetCustomColors(COLORREF *pColors) { m_pCustomColors = pColors; }
    virtual BOOL CreateColorPalette();
    virtual void ShowPopup();

    void SetColor(COLORREF color);
    COLORREF GetColor() const;
    COLORREF *GetCustomColors() const { return m_pCustomColors; }
    void SetUsePalette(BOOL bUsePalette) { m_bPaletteMode = bUsePalette; }
    void SetMoreColors(BOOL bMoreColors) { m_bMoreColors = bMoreColors; }
    SECPopupColorWell *GetPopup() const { return m_pPopup; }

protected:
    afx_msg LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOtherColor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    SECPopupColorWell *m_pPopup = nullptr;
    CPalette m_palette;
    CPalette *m_pOldScreenPalette = nullptr;
    CPalette *m_pOldDrawPalette = nullptr;
    BOOL m_bPaletteMode = FALSE;
    BOOL m_bMoreColors = TRUE;
    DWORD m_dwColorDialogFlags = 3;
    COLORREF *m_pCustomColors = nullptr;
};
