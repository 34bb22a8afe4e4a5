// CMenuBar: the menu bar of a frame, a child window along its top that
// shows the frame's menu (GetMenu of the parent) in the classic style. A
// click, Alt (pressed and released alone), F10 or Alt with an item's
// mnemonic enter the menu; Left and Right move between items, Down, Up or
// Enter open the item's pop-up (WM_INITMENUPOPUP lets the frame update
// it), a letter opens the item it underlines, Escape leaves. While a
// pop-up is open, Left, Right and the mouse over another item move on to
// that item's pop-up. The frame hears WM_ENTERMENULOOP, WM_INITMENU, WM_MENUSELECT and
// WM_EXITMENULOOP; a chosen command reaches it as WM_COMMAND. While the
// frame is disabled (a modal dialog runs) the bar does nothing.
#pragma once

#include "framework/window/Wnd.h"

#include <vector>

#define PLEXO_IDW_MENUBAR 0xE8FE

class CMenuBar : public CWnd {
    DECLARE_DYNAMIC(CMenuBar)
public:
    CMenuBar() = default;
    ~CMenuBar() override = default;

    BOOL Create(CWnd *pFrame);
    // The bar's height (0 when the frame has no menu).
    int GetBarHeight() const;
    // The frame's keys that drive the bar; TRUE when the bar took the key.
    BOOL TranslateFrameKey(const MSG *pMsg);

    BOOL IsInMenuMode() const { return m_bMenuMode; }
    int GetSelectedItem() const { return m_nSelected; }
    // Item rectangles in the bar's client coordinates.
    CRect GetItemRect(int nItem) const;
    int HitTest(CPoint point) const;
    // nItem selected; bOpen: its pop-up opens at once.
    void EnterMenuMode(int nItem, BOOL bOpen);
    void ExitMenuMode();
    void OpenItem(int nItem);

    // A maximised MDI document window shows its minimise, restore and close
    // buttons at the bar's right end (0, 1, 2); empty rectangles otherwise.
    CRect GetCaptionButtonRect(int nButton) const;
    // The maximised document window of the frame's MDI client, or NULL.
    HWND GetMaximizedChild() const;
    // The active document window of the frame's MDI client, or NULL.
    HWND GetActiveChild() const;
    // The maximised window's icon at the bar's left end, which opens its
    // system menu; empty without one.
    CRect GetSystemMenuRect() const;
    // The active document window's system menu (Alt+- opens it too).
    void OpenSystemMenu();

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd *pNewWnd);
    afx_msg UINT OnGetDlgCode();

    DECLARE_MESSAGE_MAP()

private:
    HMENU FrameMenu() const;
    HWND Frame() const { return ::GetParent(m_hWnd); }
    int ItemCount() const;
    void Select(int nItem);
    // The item whose mnemonic is ch, or -1.
    int FindMnemonic(UINT ch) const;
    BOOL IsItemEnabled(int nItem) const;
    HWND MdiClient() const;
    void PressCaptionButton(int nButton);

    BOOL m_bMenuMode = FALSE;
    BOOL m_bInPopup = FALSE;
    int m_nSelected = -1;
    HWND m_hWndOldFocus = nullptr;
    BOOL m_bAltAlone = FALSE; // Alt went down with no other key since
};
