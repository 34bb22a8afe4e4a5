// CTabCtrl: the tab control ("SysTabControl32"): a row of tabs over a
// display area. The user's choice of a tab (click, Left, Right) asks the
// parent first (TCN_SELCHANGING, which may refuse) and then tells it
// (TCN_SELCHANGE); TCM_SETCURSEL by program sends nothing.
#pragma once

#include "framework/controls/ControlStyles.h"
#include "framework/window/Wnd.h"

LRESULT PlexoTabProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID);
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int nItem) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nItem))); }
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, TCITEM *pTabCtrlItem)
    {
        return static_cast<LONG>(
            SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    BOOL GetItem(int nItem, TCITEM *pTabCtrlItem) const
    {
        return static_cast<BOOL>(
            SendMessage(TCM_GETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    BOOL SetItem(int nItem, TCITEM *pTabCtrlItem)
    {
        return static_cast<BOOL>(
            SendMessage(TCM_SETITEM, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(nItem))); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return static_cast<BOOL>(
            SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)));
    }
    // FALSE: the display area of a window rectangle; TRUE: the window
    // rectangle around a display area.
    void AdjustRect(BOOL bLarger, LPRECT lpRect)
    {
        SendMessage(TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect));
    }
};
