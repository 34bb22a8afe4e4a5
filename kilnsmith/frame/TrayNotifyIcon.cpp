#include "kilnsmith/frame/TrayNotifyIcon.h"

#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CTrayNotifyIcon, CObject)

namespace {

// Registered once, with the program's other statics.
const UINT g_uTaskbarCreated = ::RegisterWindowMessage("TaskbarCreated");

// The classic structure's size, which the desktop call accepts.
constexpr DWORD kNotifyIconDataSize = 88;

} // namespace

UINT CTrayNotifyIcon::TaskbarCreatedMessage()
{
    return g_uTaskbarCreated;
}

LRESULT CTrayHookWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CTrayNotifyIcon::TaskbarCreatedMessage() && message != 0) {
        // The new area knows nothing of the icon: add it again.
        if (m_pTrayIcon != nullptr && !m_pTrayIcon->IsHidden()) {
            m_pTrayIcon->HideIcon();
            m_pTrayIcon->ShowIcon();
        }
        return 0;
    }
    return CHookWnd::WindowProc(message, wParam, lParam);
}

CTrayNotifyIcon::CTrayNotifyIcon()
{
    m_nid.cbSize = kNotifyIconDataSize;
}

CTrayNotifyIcon::~CTrayNotifyIcon()
{
    if (m_bAdded) {
        ::Shell_NotifyIcon(NIM_DELETE, &m_nid);
        m_bAdded = FALSE;
    }
    m_menu.DestroyMenu();
    m_hook.Unhook();
}

CMenu *CTrayNotifyIcon::GetTrayMenu() const
{
    return m_menu.GetSafeHmenu() != nullptr ? m_menu.GetSubMenu(0) : nullptr;
}

BOOL CTrayNotifyIcon::Create(CWnd *pOwner, UINT nID, LPCTSTR lpszTip, HICON hIcon, UINT nCallbackMessage)
{
    if (pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr || m_bAdded)
        return FALSE;
    if (!m_menu.LoadMenu(nID))
        return FALSE;
    CMenu *pPopup = m_menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return FALSE;
    pPopup->SetDefaultItem(0, TRUE);

    CWnd *pTopLevel = pOwner->GetTopLevelParent();
    m_hook.HookWindow(pTopLevel != nullptr ? pTopLevel : pOwner);
    m_hook.SetTrayIcon(this);

    m_pOwner = pOwner;
    m_nid.cbSize = kNotifyIconDataSize;
    m_nid.hWnd = pOwner->GetSafeHwnd();
    m_nid.uID = nID;
    m_nid.uCallbackMessage = nCallbackMessage;
    m_nid.hIcon = hIcon;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    std::memset(m_nid.szTip, 0, sizeof m_nid.szTip);
    if (lpszTip != nullptr)
        std::strncpy(m_nid.szTip, lpszTip, sizeof m_nid.szTip - 1);

    m_bAdded = ::Shell_NotifyIcon(NIM_ADD, &m_nid);
    return m_bAdded;
}

LRESULT CTrayNotifyIcon::OnTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_nid.uID)
        return 0;
    CMenu *pPopup = GetTrayMenu();
    if (pPopup == nullptr || m_pOwner == nullptr)
        return 1;
    switch (static_cast<UINT>(lParam)) {
    case WM_RBUTTONUP: {
        POINT point{};
        ::GetCursorPos(&point);
        ::SetForegroundWindow(m_pOwner->GetSafeHwnd());
        pPopup->TrackPopupMenu(TPM_LEFTBUTTON, point.x, point.y, m_pOwner);
        // Lets the menu close properly when the user clicks elsewhere.
        m_pOwner->PostMessage(WM_NULL);
        break;
    }
    case WM_LBUTTONDBLCLK: m_pOwner->SendMessage(WM_COMMAND, pPopup->GetMenuItemID(0)); break;
    default: break;
    }
    return 1;
}

void CTrayNotifyIcon::HideIcon()
{
    if (m_bHidden)
        return;
    ::Shell_NotifyIcon(NIM_DELETE, &m_nid);
    m_bHidden = TRUE;
}

void CTrayNotifyIcon::ShowIcon()
{
    if (!m_bHidden)
        return;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    ::Shell_NotifyIcon(NIM_ADD, &m_nid);
    m_bHidden = FALSE;
}
