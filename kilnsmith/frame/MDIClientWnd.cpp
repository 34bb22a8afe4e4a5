#include "kilnsmith/frame/MDIClientWnd.h"

#include "framework/app/MdiClient.h"
#include "framework/window/MenuApi.h"
#include "kilnsmith/frame/ResourceIds.h"

IMPLEMENT_DYNAMIC(CMDIClientWnd, CWnd)
BEGIN_MESSAGE_MAP(CMDIClientWnd, CWnd)
ON_MESSAGE(WM_MDISETMENU, OnMDISetMenu)
ON_MESSAGE(WM_MDIREFRESHMENU, OnMDIRefreshMenu)
END_MESSAGE_MAP()

CMDIClientWnd::CMDIClientWnd() : m_strWindowsItem("Windows") {}

LRESULT CMDIClientWnd::OnMDISetMenu(WPARAM, LPARAM lParam)
{
    const LRESULT result = Default();
    m_hWindowMenu = reinterpret_cast<HMENU>(lParam);
    SendMessage(WM_MDIREFRESHMENU);
    return result;
}

LRESULT CMDIClientWnd::OnMDIRefreshMenu(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (m_hWindowMenu == nullptr || !::IsMenu(m_hWindowMenu))
        return result;
    // The overflow item's state carries over to the item that replaces it.
    const UINT nOverflowState = ::GetMenuState(m_hWindowMenu, AFX_IDM_MORE_WINDOWS, MF_BYCOMMAND);
    while (::RemoveMenu(m_hWindowMenu, AFX_IDM_MORE_WINDOWS, MF_BYCOMMAND)) {
    }
    while (::RemoveMenu(m_hWindowMenu, ID_WINDOW_WINDOWS, MF_BYCOMMAND)) {
    }
    const UINT nFlags =
        nOverflowState != static_cast<UINT>(-1) ? (nOverflowState & (MF_GRAYED | MF_DISABLED | MF_CHECKED)) : MF_STRING;
    ::AppendMenu(m_hWindowMenu, MF_STRING | nFlags, ID_WINDOW_WINDOWS, m_strWindowsItem);
    return result;
}
