// Message-map tables. A class declares DECLARE_MESSAGE_MAP() in its body;
// its source file lists the entries:
//
//     BEGIN_MESSAGE_MAP(CCanvas, CWnd)
//         ON_WM_LBUTTONDOWN()
//         ON_WM_PAINT()
//         ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
//         ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
//         ON_MESSAGE(WM_QY_TOOLBOX_ITEM, OnToolBoxItem)
//     END_MESSAGE_MAP()
//
// Each entry names a handler with the framework's signature for its message
// (a wrong signature does not compile) and a small invoker that unpacks
// WPARAM/LPARAM into the handler's arguments.
#pragma once

#include "framework/base/CRect.h"
// The table types (AFX_MSGCALL, AFX_MSGMAP and the rest) and CCmdTarget.
// CmdTarget.h includes this file at its end, after those declarations, so
// either header may come first.
#include "framework/window/CmdTarget.h"
#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"

#include <type_traits>

class CDC;
class CMenu;
class CScrollBar;
class CWnd;

// Handle-to-object conversions the invokers use (temporary wrappers when
// no object is attached; NULL for NULL).
CWnd *AfxWndFromHandle(HWND hWnd);
CDC *AfxDCFromHandle(HDC hDC);
CMenu *AfxMenuFromHandle(HMENU hMenu);
CScrollBar *AfxScrollBarFromHandle(HWND hWnd);

// The message WM_CTLCOLOR* are looked up under, with the kind in nCtlColor.
#define WM_CTLCOLOR 0x0019
#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6

#define afx_msg

template <class T>
struct AfxMemberTraits;
template <class C, class R, class... A>
struct AfxMemberTraits<R (C::*)(A...)> {
    using Class = C;
    using Signature = R(A...);
};

namespace AfxInvoke {

template <auto F>
auto *Target(CCmdTarget *p)
{
    return static_cast<typename AfxMemberTraits<decltype(F)>::Class *>(p);
}
template <auto F, class Sig>
constexpr void Check()
{
    static_assert(std::is_same_v<typename AfxMemberTraits<decltype(F)>::Signature, Sig>,
                  "the message handler does not have the framework's signature for its entry");
}
inline CPoint PointOf(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// ---- Window messages
template <auto F>
LRESULT v(CCmdTarget *p, const AFX_MSGCALL &)
{
    Check<F, void()>();
    (Target<F>(p)->*F)();
    return 0;
}
template <auto F>
LRESULT i_create(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, int(LPCREATESTRUCT)>();
    return (Target<F>(p)->*F)(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
}
template <auto F>
LRESULT v_size(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, int, int)>();
    (Target<F>(p)->*F)((UINT)c.wParam, (short)LOWORD(c.lParam), (short)HIWORD(c.lParam));
    return 0;
}
template <auto F>
LRESULT v_move(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(int, int)>();
    (Target<F>(p)->*F)((short)LOWORD(c.lParam), (short)HIWORD(c.lParam));
    return 0;
}
template <auto F>
LRESULT b_dc(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, BOOL(CDC *)>();
    return (Target<F>(p)->*F)(AfxDCFromHandle(reinterpret_cast<HDC>(c.wParam)));
}
template <auto F>
LRESULT v_nccalc(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(BOOL, NCCALCSIZE_PARAMS *)>();
    (Target<F>(p)->*F)((BOOL)c.wParam, reinterpret_cast<NCCALCSIZE_PARAMS *>(c.lParam));
    return 0;
}
template <auto F>
LRESULT l_point(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, LRESULT(CPoint)>();
    return (Target<F>(p)->*F)(PointOf(c.lParam));
}
template <auto F>
LRESULT v_u_point(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, CPoint)>();
    (Target<F>(p)->*F)((UINT)c.wParam, PointOf(c.lParam));
    return 0;
}
template <auto F>
LRESULT v_wnd(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(CWnd *)>();
    (Target<F>(p)->*F)(AfxWndFromHandle(reinterpret_cast<HWND>(c.wParam)));
    return 0;
}
template <auto F>
LRESULT v_wnd_l(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(CWnd *)>();
    (Target<F>(p)->*F)(AfxWndFromHandle(reinterpret_cast<HWND>(c.lParam)));
    return 0;
}
template <auto F>
LRESULT v_activate(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, CWnd *, BOOL)>();
    (Target<F>(p)->*F)(LOWORD(c.wParam), AfxWndFromHandle(reinterpret_cast<HWND>(c.lParam)), (BOOL)HIWORD(c.wParam));
    return 0;
}
template <auto F>
LRESULT i_mouseactivate(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, int(CWnd *, UINT, UINT)>();
    return (Target<F>(p)->*F)(AfxWndFromHandle(reinterpret_cast<HWND>(c.wParam)), (UINT)(short)LOWORD(c.lParam),
                              HIWORD(c.lParam));
}
template <auto F>
LRESULT v_key(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, UINT, UINT)>();
    (Target<F>(p)->*F)((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam));
    return 0;
}
template <auto F>
LRESULT b_wheel(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, BOOL(UINT, short, CPoint)>();
    return (Target<F>(p)->*F)(LOWORD(c.wParam), (short)HIWORD(c.wParam), PointOf(c.lParam));
}
template <auto F>
LRESULT b_setcursor(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, BOOL(CWnd *, UINT, UINT)>();
    return (Target<F>(p)->*F)(AfxWndFromHandle(reinterpret_cast<HWND>(c.wParam)), (UINT)(short)LOWORD(c.lParam),
                              HIWORD(c.lParam));
}
template <auto F>
LRESULT v_contextmenu(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(CWnd *, CPoint)>();
    (Target<F>(p)->*F)(AfxWndFromHandle(reinterpret_cast<HWND>(c.wParam)), PointOf(c.lParam));
    return 0;
}
template <auto F>
LRESULT v_timer(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT_PTR)>();
    (Target<F>(p)->*F)((UINT_PTR)c.wParam);
    return 0;
}
template <auto F>
LRESULT v_scroll(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, UINT, CScrollBar *)>();
    (Target<F>(p)->*F)(LOWORD(c.wParam), HIWORD(c.wParam), AfxScrollBarFromHandle(reinterpret_cast<HWND>(c.lParam)));
    return 0;
}
template <auto F>
LRESULT u(CCmdTarget *p, const AFX_MSGCALL &)
{
    Check<F, UINT()>();
    return (Target<F>(p)->*F)();
}
template <auto F>
LRESULT h_ctlcolor(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, HBRUSH(CDC *, CWnd *, UINT)>();
    return reinterpret_cast<LRESULT>((Target<F>(p)->*F)(AfxDCFromHandle(reinterpret_cast<HDC>(c.wParam)),
                                                        AfxWndFromHandle(reinterpret_cast<HWND>(c.lParam)), c.nCode));
}
template <auto F>
LRESULT v_drawitem(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(int, LPDRAWITEMSTRUCT)>();
    (Target<F>(p)->*F)((int)c.wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));
    return TRUE;
}
template <auto F>
LRESULT v_measureitem(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(int, LPMEASUREITEMSTRUCT)>();
    (Target<F>(p)->*F)((int)c.wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));
    return TRUE;
}
template <auto F>
LRESULT v_showwindow(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(BOOL, UINT)>();
    (Target<F>(p)->*F)((BOOL)c.wParam, (UINT)c.lParam);
    return 0;
}
template <auto F>
LRESULT v_b(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(BOOL)>();
    (Target<F>(p)->*F)((BOOL)c.wParam);
    return 0;
}
template <auto F>
LRESULT b_b(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, BOOL(BOOL)>();
    return (Target<F>(p)->*F)((BOOL)c.wParam);
}
template <auto F>
LRESULT v_initmenupopup(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(CMenu *, UINT, BOOL)>();
    (Target<F>(p)->*F)(AfxMenuFromHandle(reinterpret_cast<HMENU>(c.wParam)), LOWORD(c.lParam), (BOOL)HIWORD(c.lParam));
    return 0;
}
template <auto F>
LRESULT v_initmenu(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(CMenu *)>();
    (Target<F>(p)->*F)(AfxMenuFromHandle(reinterpret_cast<HMENU>(c.wParam)));
    return 0;
}
template <auto F>
LRESULT v_windowpos(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(WINDOWPOS *)>();
    (Target<F>(p)->*F)(reinterpret_cast<WINDOWPOS *>(c.lParam));
    return 0;
}
template <auto F>
LRESULT v_sizing(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, LPRECT)>();
    (Target<F>(p)->*F)((UINT)c.wParam, reinterpret_cast<LPRECT>(c.lParam));
    return TRUE;
}
template <auto F>
LRESULT v_minmax(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(MINMAXINFO *)>();
    (Target<F>(p)->*F)(reinterpret_cast<MINMAXINFO *>(c.lParam));
    return 0;
}
template <auto F>
LRESULT v_u_l(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, LPARAM)>();
    (Target<F>(p)->*F)((UINT)c.wParam, c.lParam);
    return 0;
}
template <auto F>
LRESULT v_parentnotify(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, LPARAM)>();
    (Target<F>(p)->*F)(LOWORD(c.wParam), c.lParam);
    return 0;
}
template <auto F>
LRESULT v_menuselect(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, UINT, HMENU)>();
    (Target<F>(p)->*F)(LOWORD(c.wParam), HIWORD(c.wParam), reinterpret_cast<HMENU>(c.lParam));
    return 0;
}
template <auto F>
LRESULT l_w_l(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, LRESULT(WPARAM, LPARAM)>();
    return (Target<F>(p)->*F)(c.wParam, c.lParam);
}
// Reflected messages.
template <auto F>
LRESULT h_ctlcolor_reflect(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, HBRUSH(CDC *, UINT)>();
    return reinterpret_cast<LRESULT>((Target<F>(p)->*F)(AfxDCFromHandle(reinterpret_cast<HDC>(c.wParam)), c.nCode));
}
template <auto F>
LRESULT v_scroll_reflect(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, UINT)>();
    (Target<F>(p)->*F)(LOWORD(c.wParam), HIWORD(c.wParam));
    return 0;
}

// ---- Commands: the result says whether the command was handled.
template <auto F>
LRESULT cmd(CCmdTarget *p, const AFX_MSGCALL &)
{
    Check<F, void()>();
    (Target<F>(p)->*F)();
    return TRUE;
}
template <auto F>
LRESULT cmd_ex(CCmdTarget *p, const AFX_MSGCALL &)
{
    Check<F, BOOL()>();
    return (Target<F>(p)->*F)();
}
template <auto F>
LRESULT cmd_id(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT)>();
    (Target<F>(p)->*F)(c.nID);
    return TRUE;
}
template <auto F>
LRESULT cmd_id_ex(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, BOOL(UINT)>();
    return (Target<F>(p)->*F)(c.nID);
}
template <auto F>
LRESULT update_ui(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(CCmdUI *)>();
    CCmdUI *pCmdUI = static_cast<CCmdUI *>(c.pExtra);
    pCmdUI->m_bContinueRouting = FALSE;
    (Target<F>(p)->*F)(pCmdUI);
    return !pCmdUI->m_bContinueRouting;
}
template <auto F>
LRESULT notify(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(NMHDR *, LRESULT *)>();
    auto *n = static_cast<AFX_NOTIFY *>(c.pExtra);
    (Target<F>(p)->*F)(n->pNMHDR, n->pResult);
    return TRUE;
}
template <auto F>
LRESULT notify_ex(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, BOOL(NMHDR *, LRESULT *)>();
    auto *n = static_cast<AFX_NOTIFY *>(c.pExtra);
    return (Target<F>(p)->*F)(n->pNMHDR, n->pResult);
}
template <auto F>
LRESULT notify_id(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, void(UINT, NMHDR *, LRESULT *)>();
    auto *n = static_cast<AFX_NOTIFY *>(c.pExtra);
    (Target<F>(p)->*F)(c.nID, n->pNMHDR, n->pResult);
    return TRUE;
}
template <auto F>
LRESULT notify_id_ex(CCmdTarget *p, const AFX_MSGCALL &c)
{
    Check<F, BOOL(UINT, NMHDR *, LRESULT *)>();
    auto *n = static_cast<AFX_NOTIFY *>(c.pExtra);
    return (Target<F>(p)->*F)(c.nID, n->pNMHDR, n->pResult);
}

} // namespace AfxInvoke

// ---------------------------------------------------------------------------
// The table

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP *GetThisMessageMap();                                                                      \
    virtual const AFX_MSGMAP *GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP *theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP *theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static_assert(sizeof(ThisClass) > 0);                                                                          \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr, nullptr                                                                                   \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

#define AFX_WM_ENTRY(msg, invoker, fn) {msg, 0, 0, 0, nullptr, &AfxInvoke::invoker<&ThisClass::fn>},

// ---- Window messages with their framework handlers
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, i_create, OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, v, OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, v, OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, v, OnClose)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, v_size, OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, v_move, OnMove)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, v, OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, v, OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, b_dc, OnEraseBkgnd)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, v_nccalc, OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, l_point, OnNcHitTest)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, v_u_point, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, v_u_point, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, v_u_point, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, v_u_point, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_ENTRY(WM_NCRBUTTONDOWN, v_u_point, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_ENTRY(WM_NCRBUTTONUP, v_u_point, OnNcRButtonUp)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, b_b, OnNcActivate)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, v_wnd, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, v_wnd, OnKillFocus)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, v_activate, OnActivate)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ENTRY(WM_MOUSEACTIVATE, i_mouseactivate, OnMouseActivate)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, v_key, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, v_key, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, v_key, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, v_key, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, v_key, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY(WM_SYSCHAR, v_key, OnSysChar)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, v_u_point, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, v_u_point, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, v_u_point, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, v_u_point, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, v_u_point, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, v_u_point, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, v_u_point, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, v_u_point, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, v_u_point, OnMButtonUp)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, b_wheel, OnMouseWheel)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, b_setcursor, OnSetCursor)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, v_contextmenu, OnContextMenu)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, v_timer, OnTimer)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, v_scroll, OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, v_scroll, OnVScroll)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, v, OnCancelMode)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, v_wnd_l, OnCaptureChanged)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, v, OnSysColorChange)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, u, OnGetDlgCode)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, h_ctlcolor, OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, v_drawitem, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, v_measureitem, OnMeasureItem)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, v_showwindow, OnShowWindow)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, v_b, OnEnable)
#define ON_WM_INITMENU() AFX_WM_ENTRY(WM_INITMENU, v_initmenu, OnInitMenu)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, v_initmenupopup, OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_WM_ENTRY(WM_MENUSELECT, v_menuselect, OnMenuSelect)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, v_windowpos, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, v_windowpos, OnWindowPosChanged)
#define ON_WM_SIZING() AFX_WM_ENTRY(WM_SIZING, v_sizing, OnSizing)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, v_minmax, OnGetMinMaxInfo)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, v_u_l, OnSysCommand)
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, v_parentnotify, OnParentNotify)

// ---- Any message, by number or registered name
#define ON_MESSAGE(message, memberFxn) AFX_WM_ENTRY(message, l_w_l, memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                             \
    {AFX_REGISTERED_MESSAGE_MARK, 0, 0, 0, &(nMessageVariable), &AfxInvoke::l_w_l<&ThisClass::memberFxn>},

// ---- Commands and their user-interface updates
#define ON_COMMAND(id, memberFxn)                                                                                      \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, &AfxInvoke::cmd<&ThisClass::memberFxn>},
#define ON_COMMAND_EX(id, memberFxn)                                                                                   \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, &AfxInvoke::cmd_id_ex<&ThisClass::memberFxn>},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, &AfxInvoke::cmd_id<&ThisClass::memberFxn>},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                                     \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, &AfxInvoke::cmd_id_ex<&ThisClass::memberFxn>},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), nullptr, &AfxInvoke::update_ui<&ThisClass::memberFxn>},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI,                                                                                 \
     (UINT)(id), (UINT)(idLast),                                                                                       \
     nullptr,    &AfxInvoke::update_ui<&ThisClass::memberFxn>},

// ---- Control notifications (WM_COMMAND from a child control)
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                                         \
    {WM_COMMAND, (WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr, &AfxInvoke::cmd<&ThisClass::memberFxn>},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                           \
    {WM_COMMAND, (WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr, &AfxInvoke::cmd_id<&ThisClass::memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// ---- WM_NOTIFY
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                          \
    {WM_NOTIFY, (WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr, &AfxInvoke::notify<&ThisClass::memberFxn>},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                            \
    {WM_NOTIFY, (WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr, &AfxInvoke::notify_id<&ThisClass::memberFxn>},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                                       \
    {WM_NOTIFY, (WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr, &AfxInvoke::notify_id_ex<&ThisClass::memberFxn>},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                                         \
    {WM_NOTIFY,  (WORD)(wNotifyCode),                                                                                  \
     (UINT)(id), (UINT)(idLast),                                                                                       \
     nullptr,    &AfxInvoke::notify_id_ex<&ThisClass::memberFxn>},

// ---- Notifications reflected to the control that sent them
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                                     \
    {WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, nullptr, &AfxInvoke::cmd<&ThisClass::memberFxn>},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                                  \
    {WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, nullptr, &AfxInvoke::cmd_ex<&ThisClass::memberFxn>},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                                      \
    {WM_REFLECT_BASE + WM_NOTIFY, (WORD)(wNotifyCode), 0, 0, nullptr, &AfxInvoke::notify<&ThisClass::memberFxn>},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                                   \
    {WM_REFLECT_BASE + WM_NOTIFY, (WORD)(wNotifyCode), 0, 0, nullptr, &AfxInvoke::notify_ex<&ThisClass::memberFxn>},
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, h_ctlcolor_reflect, CtlColor)
#define ON_WM_HSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, v_scroll_reflect, HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, v_scroll_reflect, VScroll)
