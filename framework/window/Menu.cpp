// CMenu over the menu functions.
#include "framework/window/Menu.h"

#include "framework/window/Wnd.h"

#include "framework/base/HandleMap.h"

#include <memory>
#include <vector>

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {
// GUI thread only (see HandleMap.h).
CHandleMap<HMENU, CMenu> &Map()
{
    static CHandleMap<HMENU, CMenu> map;
    return map;
}
} // namespace

CMenu *AfxMenuFromHandle(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu *CMenu::FromHandle(HMENU hMenu)
{
    if (!IsMenu(hMenu))
        return nullptr;
    if (CMenu *pMenu = Map().LookupPermanent(hMenu))
        return pMenu;
    return Map().TemporaryFor(hMenu, [hMenu]() {
        auto pMenu = std::make_unique<CMenu>();
        pMenu->m_hMenu = hMenu;
        pMenu->m_bTemporary = true;
        return pMenu;
    });
}

void CMenu::DeleteTempMap()
{
    // A wrapper does not own its menu.
    Map().DeleteTemporaries([](CMenu &menu) { menu.m_hMenu = nullptr; });
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu || !IsMenu(hMenu) || Map().LookupPermanent(hMenu))
        return FALSE;
    m_hMenu = hMenu;
    Map().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    if (h)
        Map().RemovePermanent(h, this);
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}
BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    HMENU h = ::LoadMenu(nullptr, MAKEINTRESOURCE(nIDResource));
    if (!h)
        return FALSE;
    if (!Attach(h)) {
        ::DestroyMenu(h);
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu || m_bTemporary)
        return FALSE;
    HMENU h = Detach();
    // Wrappers of the menu and its sub-menus die with it.
    std::vector<HMENU> stale{h};
    for (size_t i = 0; i < stale.size(); ++i) {
        int count = ::GetMenuItemCount(stale[i]);
        for (int n = 0; n < count; ++n)
            if (HMENU sub = ::GetSubMenu(stale[i], n))
                stale.push_back(sub);
    }
    for (HMENU m : stale)
        Map().RemoveTemporary(m, [](CMenu &menu) { menu.m_hMenu = nullptr; });
    return ::DestroyMenu(h);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}
BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}
UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}
UINT CMenu::GetMenuItemCount() const
{
    return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}
UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}
int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString &rString, UINT nFlags) const
{
    int length = ::GetMenuString(m_hMenu, nIDItem, nullptr, 0, nFlags);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, 0);
    int n = ::GetMenuString(m_hMenu, nIDItem, buffer.data(), length + 1, nFlags);
    rString = CString(buffer.data(), n);
    return n;
}

CMenu *CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd *pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}
