#include "editor/ctrl/SECEditCtrl.h"

#include "editor/controller/SECEditController.h"
#include "editor/text/SECEditTextBuffer.h"

#include "framework/window/WindowDC.h"

IMPLEMENT_DYNCREATE(SECEditCtrl, CWnd)

BEGIN_MESSAGE_MAP(SECEditCtrl, CWnd)
ON_WM_CREATE()
ON_WM_MOUSEACTIVATE()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
END_MESSAGE_MAP()

SECEditCtrl::SECEditCtrl()
{
    m_visualPart.GetViewport().SetMapMode(MM_TEXT);
}

SECEditCtrl::~SECEditCtrl() = default;

BOOL SECEditCtrl::Create(DWORD dwStyle, const RECT &rect, CWnd *pParentWnd, UINT nID, SECEditTextBuffer *pBuffer)
{
    m_pBuffer = pBuffer;
    m_visualPart.SetOwnerWindow(this);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_IBEAM), nullptr, nullptr);
    if (!CWnd::Create(lpszClass, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    if (!m_visualPart.Create(0))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    if (m_pBuffer)
        m_visualPart.GetBounds().SetSize(client.Width(), client.Height());
    m_visualPart.UpdateScrollBars();
    return TRUE;
}

int SECEditCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_visualPart.SetBuffer(m_pBuffer);
    // The frame is recalculated at once, so that the client area leaves
    // room for the bars from the first paint on.
    if (!GetScrollBarCtrl(SB_HORZ))
        ModifyStyle(0, WS_HSCROLL, SWP_FRAMECHANGED);
    if (!GetScrollBarCtrl(SB_VERT))
        ModifyStyle(0, WS_VSCROLL, SWP_FRAMECHANGED);
    return 0;
}

SECEditController *SECEditCtrl::CreateHostController()
{
    return new SECEditController;
}

void SECEditCtrl::OnHostUpdate(void *pSender, SECEditHint *pHint)
{
    m_visualPart.OnBufferHint(pSender, pHint);
}

BOOL SECEditCtrl::PreTranslateMessage(MSG *pMsg)
{
    if (m_visualPart.PreTranslateMessage(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL SECEditCtrl::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (message == WM_GETDLGCODE) {
        // The dialog passes every key, Tab and Return included.
        if (pResult)
            *pResult = DLGC_WANTALLKEYS;
        return TRUE;
    }
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        // So that the dialog can cancel.
        const MSG *pCurrent = GetCurrentMessage();
        if (CWnd *pParent = GetParent())
            pParent->PostMessage(pCurrent ? pCurrent->message : message, pCurrent ? pCurrent->wParam : wParam,
                                 pCurrent ? pCurrent->lParam : lParam);
    }
    BOOL bHandled = m_visualPart.OnWndMsg(message, wParam, lParam, pResult);
    if (!bHandled)
        bHandled = CWnd::OnWndMsg(message, wParam, lParam, pResult);
    if (message == WM_SETFOCUS)
        NotifyParent(EN_SETFOCUS);
    else if (message == WM_KILLFOCUS)
        NotifyParent(EN_KILLFOCUS);
    return bHandled;
}

void SECEditCtrl::NotifyParent(UINT nCode)
{
    if (CWnd *pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}

int SECEditCtrl::OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message)
{
    const int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_ACTIVATE || (nResult == MA_ACTIVATEANDEAT && ::GetFocus() != m_hWnd))
        SetFocus();
    return nResult;
}

void SECEditCtrl::OnPaint()
{
    CPaintDC dc(this);
    m_visualPart.Draw(&dc);
}

void SECEditCtrl::OnSize(UINT nType, int cx, int cy)
{
    UpdateWindow();
    CWnd::OnSize(nType, cx, cy);
    m_visualPart.OnSize(cx, cy, m_rectLastClient);
}

BOOL SECEditCtrl::OnEraseBkgnd(CDC *)
{
    return TRUE;
}

void SECEditCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar *)
{
    m_visualPart.OnScrollMessage(SB_VERT, nSBCode, nPos);
}

void SECEditCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar *)
{
    m_visualPart.OnScrollMessage(SB_HORZ, nSBCode, nPos);
}
