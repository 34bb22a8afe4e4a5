// CToolTipCtrl: a tooltip ("tooltips_class32"), a pop-up that shows a
// tool's text when the mouse rests over the tool. The owner passes its mouse
// messages through RelayEvent; the tip shows after the initial delay and
// hides when the mouse leaves the tool or a button goes down. A tool is a
// window (TTF_IDISHWND) or a rectangle of a window with an id. A tool added
// with TTF_SUBCLASS passes its window's mouse messages on by itself.
#pragma once

#include "framework/controls/ControlStyles.h"
#include "framework/window/Wnd.h"

LRESULT PlexoToolTipProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;

    virtual BOOL Create(CWnd *pParentWnd, DWORD dwStyle = 0);
    BOOL AddTool(CWnd *pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
    void DelTool(CWnd *pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd *pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString &str, CWnd *pWnd, UINT_PTR nIDTool = 0) const;
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay)); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void Pop() { SendMessage(TTM_POP); }

private:
    TOOLINFO Tool(CWnd *pWnd, UINT_PTR nIDTool) const;
};
