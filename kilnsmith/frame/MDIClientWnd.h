// CMDIClientWnd: the main frame's subclass of its MDI client window.  Each
// time the window menu is set or refreshed it ends that menu with the
// "Windows" item (command 32947), after the list of open windows, in place
// of the list's "More Windows..." overflow item.
#pragma once

#include "framework/window/Wnd.h"

class CMDIClientWnd : public CWnd {
    DECLARE_DYNAMIC(CMDIClientWnd)
public:
    CMDIClientWnd();

    // The window menu being kept, or NULL.
    HMENU GetWindowMenu() const { return m_hWindowMenu; }

protected:
    afx_msg LRESULT OnMDISetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDIRefreshMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CString m_strWindowsItem;
    HMENU m_hWindowMenu = nullptr;
};
