// SECPopupColorWell: the colour well as a drop-down. It opens below a
// button (above it at the bottom of the screen), holds the mouse capture,
// lets the hovered cell follow the pointer, and closes when a colour is
// chosen, Escape is pressed or the user clicks elsewhere; a click outside
// is passed on to the window under the pointer. Only a choice tells the
// notify window (WM_SECCOLORWELL_SELCHANGE, wParam 0).
#pragma once

#include "editor/controls/SECColorWell.h"

class SECPopupColorWell : public SECColorWell {
    DECLARE_DYNAMIC(SECPopupColorWell)
public:
    SECPopupColorWell() = default;

    void Reset() override;
    void NotifyColor() override;
    void SelectCell(int nColumn, int nRow, int nReason) override;
    UINT GetClassStyle() const override { return CS_SAVEBITS; }
    BOOL HasFocusFrame() const override { return FALSE; }
    // Opens the pop-up for the button's screen rectangle; the window is
    // owned by pParentWnd.
    virtual BOOL CreatePopup(DWORD dwStyle, const CRect &buttonRect, CWnd *pParentWnd, BOOL bOtherButton,
                             LPVOID lpCreateParam = NULL);
    // Posts WM_SECCOLORWELL_OTHER to the notify window and closes.
    virtual void OnOtherButton();

    void SetNotifyWindow(CWnd *pWnd) { m_pNotifyWnd = pWnd; }
    CWnd *GetNotifyWindow() const { return m_pNotifyWnd; }
    BOOL IsActive() const { return m_bActive; }
    // Closes the pop-up without telling anybody.
    void Close();

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd *pNewWnd);
    afx_msg void OnDestroy();
    afx_msg void OnOtherCommand();
    DECLARE_MESSAGE_MAP()

private:
    void PassClickOn(UINT nFlags, CPoint point);

    CWnd *m_pNotifyWnd = nullptr;
    BOOL m_bActive = FALSE;
    // Set while the window is being closed, so that the focus and capture
    // messages of the closing do not close it again.
    BOOL m_bClosing = FALSE;
};
