// CButton: push, default push, check, radio (plain and automatic), three-
// state, group box and owner-drawn buttons ("BUTTON" windows). A click
// changes an automatic button's check first, then sends BN_CLICKED to the
// parent. Owner-drawn buttons are drawn by WM_DRAWITEM (reflected to
// DrawItem) with ODA_DRAWENTIRE, ODA_SELECT and ODA_FOCUS.
#pragma once

#include "framework/controls/ControlStyles.h"
#include "framework/window/Wnd.h"

LRESULT PlexoButtonProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;

    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);

    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    UINT GetButtonStyle() const { return static_cast<UINT>(GetStyle() & 0xFFFF); }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { SendMessage(BM_SETSTYLE, nStyle, bRedraw); }

    // Draws an owner-drawn button; the default does nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
};
