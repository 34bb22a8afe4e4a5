// CWnd's message path: WindowProc -> OnWndMsg -> message map -> handler,
// command and notification routing, reflection to controls, and the default
// handlers that pass messages on.
#include "framework/window/Wnd.h"

#include "framework/window/Menu.h"
#include "framework/window/ScrollBar.h"

#include "framework/gdi/CDC.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CDC *AfxDCFromHandle(HDC hDC)
{
    return hDC ? CDC::FromHandle(hDC) : nullptr;
}

namespace {

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        auto *pNMHDR = reinterpret_cast<NMHDR *>(lParam);
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    } else {
        // All WM_CTLCOLOR* messages share one entry; the kind rides along.
        UINT lookup = message;
        UINT nCode = 0;
        if (IsCtlColor(message)) {
            lookup = WM_CTLCOLOR;
            nCode = message - WM_CTLCOLORMSGBOX;
        } else if (message >= WM_REFLECT_BASE + WM_CTLCOLORMSGBOX && message <= WM_REFLECT_BASE + WM_CTLCOLORSTATIC) {
            lookup = WM_REFLECT_BASE + WM_CTLCOLOR;
            nCode = message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX;
        }
        const AFX_MSGMAP_ENTRY *pEntry = FindMessageEntry(lookup, 0, 0);
        if (!pEntry)
            return FALSE;
        AFX_MSGCALL call{message, wParam, lParam, 0, nCode, nullptr};
        lResult = pEntry->pfnInvoke(this, call);
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG *pMsg = GetCurrentMessage();
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

BOOL CWnd::PreTranslateMessage(MSG *)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG *pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd *pWnd = FromHandlePermanent(hWnd))
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    auto hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        // A menu item or an accelerator: a command its update handler
        // disables does not run.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        // The control may handle its own notification (reflection).
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT *pResult)
{
    auto *pNMHDR = reinterpret_cast<NMHDR *>(lParam);
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify,
                    nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    switch (message) {
    case WM_COMMAND: {
        // Reflected entries name no id; only this object's own map is asked.
        UINT code = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(code, WM_REFLECT_BASE + WM_COMMAND)), nullptr, nullptr)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto *pNMHDR = reinterpret_cast<NMHDR *>(lParam);
        LRESULT result = 0;
        AFX_NOTIFY notify{pResult ? pResult : &result, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)), &notify,
                                    nullptr);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM: return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    default:
        if (IsCtlColor(message))
            return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
        return FALSE;
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT *pResult)
{
    CWnd *pWnd = FromHandlePermanent(hWndChild);
    if (!pWnd)
        return FALSE;
    const MSG *pMsg = GetCurrentMessage();
    return pWnd->OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) const
{
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!bOnlyPerm)
            ::SendMessage(hChild, message, wParam, lParam);
        else if (CWnd *pWnd = FromHandlePermanent(hChild))
            pWnd->SendMessage(message, wParam, lParam);
        if (bDeep && ::IsWindow(hChild))
            if (CWnd *pChild = FromHandle(hChild))
                pChild->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::UpdateDialogControls(CCmdTarget *pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        UINT nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        if (nID == 0 || nID >= 0xF000)
            continue;
        state.m_nID = nID;
        state.m_pOther = FromHandle(hChild);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

// ---- Default handlers

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnNcPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC *)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS *)
{
    Default();
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcRButtonUp(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnNcActivate(BOOL)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnSetFocus(CWnd *)
{
    Default();
}
void CWnd::OnKillFocus(CWnd *)
{
    Default();
}
void CWnd::OnActivate(UINT, CWnd *, BOOL)
{
    Default();
}
int CWnd::OnMouseActivate(CWnd *, UINT, UINT)
{
    return static_cast<int>(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}
BOOL CWnd::OnSetCursor(CWnd *, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnContextMenu(CWnd *, CPoint)
{
    Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnCancelMode()
{
    Default();
}
void CWnd::OnCaptureChanged(CWnd *)
{
    Default();
}
void CWnd::OnSysColorChange()
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnEnable(BOOL)
{
    Default();
}
void CWnd::OnInitMenu(CMenu *)
{
    Default();
}
void CWnd::OnInitMenuPopup(CMenu *, UINT, BOOL)
{
    Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS *)
{
    Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS *)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO *)
{
    Default();
}
void CWnd::OnSizing(UINT, LPRECT)
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}
void CWnd::OnParentNotify(UINT, LPARAM)
{
    Default();
}

// Notifications from controls go to the control first.
namespace {

// Any control may send scroll messages (a scroll bar, an up-down or a
// slider control): the one named by the message being handled gets it
// reflected, whatever its class.
BOOL ReflectScrollToSender(UINT message, CScrollBar *pScrollBar)
{
    if (pScrollBar)
        return CWnd::ReflectLastMsg(pScrollBar->m_hWnd);
    const MSG *pMsg = CWnd::GetCurrentMessage();
    if (pMsg->message != message || !pMsg->lParam)
        return FALSE;
    return CWnd::ReflectLastMsg(reinterpret_cast<HWND>(pMsg->lParam));
}

} // namespace

void CWnd::OnHScroll(UINT, UINT, CScrollBar *pScrollBar)
{
    if (ReflectScrollToSender(WM_HSCROLL, pScrollBar))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar *pScrollBar)
{
    if (ReflectScrollToSender(WM_VSCROLL, pScrollBar))
        return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC *, CWnd *pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT)
{
    if (nIDCtl && ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl)))
        return;
    Default();
}

void CWnd::OnNcDestroy()
{
    Default();
    // The object lets go of its window, restoring the procedure it replaced.
    if (m_pfnSuper && ::IsWindow(m_hWnd) &&
        GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc))
        SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}
