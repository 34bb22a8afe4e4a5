#include "editor/controls/SECPopupColorWell.h"

#include "editor/controls/SECColorWellOtherButton.h"

#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/SystemParametersApi.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WindowApi.h"

IMPLEMENT_DYNAMIC(SECPopupColorWell, SECColorWell)

BEGIN_MESSAGE_MAP(SECPopupColorWell, SECColorWell)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_KILLFOCUS()
ON_WM_DESTROY()
ON_COMMAND(SEC_IDC_COLORWELL_OTHER, OnOtherCommand)
END_MESSAGE_MAP()

void SECPopupColorWell::Reset()
{
    SECColorWell::Reset();
    m_pNotifyWnd = nullptr;
}

void SECPopupColorWell::NotifyColor()
{
    if (m_pNotifyWnd && m_pNotifyWnd->GetSafeHwnd())
        m_pNotifyWnd->SendMessage(WM_SECCOLORWELL_SELCHANGE, 0, static_cast<LPARAM>(GetColor()));
}

void SECPopupColorWell::SelectCell(int nColumn, int nRow, int nReason)
{
    ChangeSelection(nColumn, nRow);
    if (nReason != SECWellByChoice)
        return;
    NotifyColor();
    Close();
}

BOOL SECPopupColorWell::CreatePopup(DWORD dwStyle, const CRect &buttonRect, CWnd *pParentWnd, BOOL bOtherButton,
                                    LPVOID lpCreateParam)
{
    m_bHasOtherButton = bOtherButton;
    InitGridSize();
    // Sized with the margins that Create gives the raised pop-up.
    SetMarginsForStyle(dwStyle | 1);
    CRect size;
    CalcWellRect(size, pParentWnd, 0, 0, FALSE);
    if (WidenForOtherButton(pParentWnd))
        CalcWellRect(size, pParentWnd, 0, 0, FALSE);
    // The pop-up stays on the screen's available area: above the button when
    // it would run off the bottom, right-aligned when off the right edge.
    CRect work;
    if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0))
        work.SetRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    int y = buttonRect.bottom;
    if (y + size.Height() >= work.bottom)
        y = buttonRect.top - size.Height();
    int x = buttonRect.left;
    if (x + size.Width() >= work.right)
        x = buttonRect.right - size.Width();
    if (!Create(dwStyle | WS_POPUP | 1, x, y, pParentWnd, 0, FALSE, bOtherButton, lpCreateParam))
        return FALSE;
    SetFocus();
    m_bTrackMouse = TRUE;
    SetCapture();
    m_bActive = TRUE;
    return TRUE;
}

void SECPopupColorWell::Close()
{
    if (!GetSafeHwnd() || m_bClosing)
        return;
    m_bClosing = TRUE;
    if (GetCapture() == this)
        ReleaseCapture();
    DestroyWindow();
    m_bClosing = FALSE;
}

void SECPopupColorWell::OnDestroy()
{
    m_bActive = FALSE;
    SECColorWell::OnDestroy();
}

void SECPopupColorWell::OnOtherButton()
{
    if (!m_pNotifyWnd)
        return;
    m_pNotifyWnd->PostMessage(WM_SECCOLORWELL_OTHER, 0, 0);
    Close();
}

void SECPopupColorWell::OnOtherCommand()
{
    OnOtherButton();
}

void SECPopupColorWell::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_TAB:
        if (m_pOtherButton && m_pOtherButton->GetSafeHwnd())
            m_pOtherButton->SetFocus();
        return;
    case VK_RETURN: SelectCell(m_nSelColumn, m_nSelRow, SECWellByChoice); return;
    case VK_ESCAPE: Close(); return;
    case VK_SPACE: return; // chosen on key up
    default: SECColorWell::OnKeyDown(nChar, nRepCnt, nFlags); return;
    }
}

void SECPopupColorWell::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE) {
        SelectCell(m_nSelColumn, m_nSelRow, SECWellByChoice);
        return;
    }
    Default();
}

void SECPopupColorWell::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        PassClickOn(nFlags, point);
        return;
    }
    if (m_pOtherButton && m_pOtherButton->GetSafeHwnd()) {
        CRect buttonRect;
        m_pOtherButton->GetWindowRect(&buttonRect);
        ScreenToClient(&buttonRect);
        if (buttonRect.PtInRect(point)) {
            OnOtherButton();
            return;
        }
    }
    SECColorWell::OnLButtonDown(nFlags, point);
}

void SECPopupColorWell::PassClickOn(UINT nFlags, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    if (m_pNotifyWnd && m_pNotifyWnd->GetSafeHwnd()) {
        CRect notifyRect;
        m_pNotifyWnd->GetWindowRect(&notifyRect);
        if (notifyRect.PtInRect(screen))
            return;
    }
    Close();
    HWND under = ::WindowFromPoint(screen);
    if (!under)
        return;
    CPoint local = screen;
    ::ScreenToClient(under, &local);
    ::SendMessage(under, WM_LBUTTONDOWN, nFlags, MAKELPARAM(local.x, local.y));
}

void SECPopupColorWell::OnKillFocus(CWnd *pNewWnd)
{
    SECColorWell::OnKillFocus(pNewWnd);
    // The focus moving to the pop-up's own button keeps it open.
    if (pNewWnd && m_pOtherButton && pNewWnd == m_pOtherButton)
        return;
    Close();
}
