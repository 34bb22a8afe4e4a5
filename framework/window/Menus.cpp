// Menu handles: items with flags, ids, text and sub-menus.
#include "framework/window/MenuApi.h"
#include "framework/window/MenuBar.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include "framework/resources/Resources.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <vector>

struct MenuItem {
    UINT flags = 0; // MF_* state and type bits (no MF_BYPOSITION)
    UINT id = 0;
    CString text;
    HMENU subMenu = nullptr;
};

struct HMENU__ {
    bool popup = false;
    std::vector<MenuItem> items;
};

namespace {

std::unordered_set<HMENU> &LiveMenus()
{
    static std::unordered_set<HMENU> live;
    return live;
}

HMENU NewMenu(bool popup)
{
    HMENU h = new HMENU__;
    h->popup = popup;
    LiveMenus().insert(h);
    return h;
}

HMENU Live(HMENU h)
{
    return h && LiveMenus().count(h) ? h : nullptr;
}

constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MFT_RADIOCHECK | MF_DEFAULT;
constexpr UINT kTypeBits = MF_POPUP | MF_SEPARATOR | MF_MENUBARBREAK | MF_MENUBREAK | MF_HELP;

// Finds an item by command (searching sub-menus) or by position.
MenuItem *Find(HMENU hMenu, UINT uItem, UINT uFlags, HMENU *pOwner = nullptr, size_t *pIndex = nullptr)
{
    HMENU h = Live(hMenu);
    if (!h)
        return nullptr;
    if (uFlags & MF_BYPOSITION) {
        if (uItem >= h->items.size())
            return nullptr;
        if (pOwner)
            *pOwner = h;
        if (pIndex)
            *pIndex = uItem;
        return &h->items[uItem];
    }
    for (size_t i = 0; i < h->items.size(); ++i) {
        MenuItem &item = h->items[i];
        if (!(item.flags & MF_POPUP) && item.id == uItem) {
            if (pOwner)
                *pOwner = h;
            if (pIndex)
                *pIndex = i;
            return &item;
        }
        if (item.subMenu)
            if (MenuItem *found = Find(item.subMenu, uItem, uFlags, pOwner, pIndex))
                return found;
    }
    return nullptr;
}

MenuItem MakeItem(UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    MenuItem item;
    item.flags = uFlags & (kStateBits | kTypeBits);
    if (uFlags & MF_POPUP)
        item.subMenu = Live(reinterpret_cast<HMENU>(uIDNewItem));
    else
        item.id = static_cast<UINT>(uIDNewItem);
    if (!(uFlags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)))
        item.text = lpNewItem;
    return item;
}

void Build(HMENU h, const std::vector<CMenuResourceItem> &items)
{
    for (const CMenuResourceItem &r : items) {
        MenuItem item;
        item.flags = r.nFlags & (kStateBits | kTypeBits);
        item.text = r.strText;
        if (r.nFlags & MF_POPUP) {
            item.subMenu = NewMenu(true);
            Build(item.subMenu, r.children);
        } else {
            item.id = r.nID;
        }
        h->items.push_back(item);
    }
}

} // namespace

HMENU CreateMenu()
{
    return NewMenu(false);
}
HMENU CreatePopupMenu()
{
    return NewMenu(true);
}
BOOL IsMenu(HMENU hMenu)
{
    return Live(hMenu) ? TRUE : FALSE;
}

BOOL DestroyMenu(HMENU hMenu)
{
    HMENU h = Live(hMenu);
    if (!h)
        return FALSE;
    LiveMenus().erase(h);
    for (MenuItem &item : h->items)
        if (item.subMenu)
            DestroyMenu(item.subMenu);
    delete h;
    return TRUE;
}

HMENU LoadMenu(HINSTANCE, LPCTSTR lpMenuName)
{
    if (!IS_INTRESOURCE(lpMenuName))
        return nullptr;
    std::vector<CMenuResourceItem> items;
    if (!PlexoLoadMenuResource(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpMenuName)), items))
        return nullptr;
    HMENU h = NewMenu(false);
    Build(h, items);
    return h;
}

BOOL InsertMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    HMENU h = Live(hMenu);
    if (!h)
        return FALSE;
    if ((uFlags & MF_POPUP) && !Live(reinterpret_cast<HMENU>(uIDNewItem)))
        return FALSE;
    HMENU owner = h;
    size_t index = h->items.size();
    if (uPosition != static_cast<UINT>(-1)) {
        if (!Find(h, uPosition, uFlags, &owner, &index)) {
            if (!(uFlags & MF_BYPOSITION))
                return FALSE;
            owner = h;
            index = h->items.size();
        }
    }
    owner->items.insert(owner->items.begin() + static_cast<std::ptrdiff_t>(index),
                        MakeItem(uFlags, uIDNewItem, lpNewItem));
    return TRUE;
}

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    return InsertMenu(hMenu, static_cast<UINT>(-1), uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}

BOOL ModifyMenu(HMENU hMnu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    MenuItem *item = Find(hMnu, uPosition, uFlags);
    if (!item)
        return FALSE;
    HMENU oldSub = item->subMenu;
    *item = MakeItem(uFlags, uIDNewItem, lpNewItem);
    if (oldSub && oldSub != item->subMenu)
        DestroyMenu(oldSub);
    return TRUE;
}

namespace {
BOOL Remove(HMENU hMenu, UINT uPosition, UINT uFlags, bool destroySubMenu)
{
    HMENU owner = nullptr;
    size_t index = 0;
    MenuItem *item = Find(hMenu, uPosition, uFlags, &owner, &index);
    if (!item)
        return FALSE;
    HMENU sub = item->subMenu;
    owner->items.erase(owner->items.begin() + static_cast<std::ptrdiff_t>(index));
    if (sub && destroySubMenu)
        DestroyMenu(sub);
    return TRUE;
}
} // namespace

BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
    return Remove(hMenu, uPosition, uFlags, true);
}
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
    return Remove(hMenu, uPosition, uFlags, false);
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
    MenuItem *item = Find(hMenu, uIDCheckItem, uCheck);
    if (!item)
        return static_cast<DWORD>(-1);
    DWORD old = item->flags & MF_CHECKED;
    item->flags = (uCheck & MF_CHECKED) ? (item->flags | MF_CHECKED) : (item->flags & ~(MF_CHECKED | MFT_RADIOCHECK));
    return old;
}

BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
    MenuItem *item = Find(hMenu, uIDEnableItem, uEnable);
    if (!item)
        return -1;
    BOOL old = static_cast<BOOL>(item->flags & (MF_GRAYED | MF_DISABLED));
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (uEnable & (MF_GRAYED | MF_DISABLED));
    return old;
}

BOOL CheckMenuRadioItem(HMENU hmenu, UINT first, UINT last, UINT check, UINT flags)
{
    HMENU h = Live(hmenu);
    if (!h)
        return FALSE;
    bool found = false;
    if (flags & MF_BYPOSITION) {
        for (UINT i = first; i <= last && i < h->items.size(); ++i) {
            MenuItem &item = h->items[i];
            bool on = i == check;
            found |= on;
            item.flags =
                on ? (item.flags | MF_CHECKED | MFT_RADIOCHECK) : (item.flags & ~(MF_CHECKED | MFT_RADIOCHECK));
        }
    } else {
        for (MenuItem &item : h->items) {
            if ((item.flags & MF_POPUP) || item.id < first || item.id > last)
                continue;
            bool on = item.id == check;
            found |= on;
            item.flags =
                on ? (item.flags | MF_CHECKED | MFT_RADIOCHECK) : (item.flags & ~(MF_CHECKED | MFT_RADIOCHECK));
        }
    }
    return found ? TRUE : FALSE;
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    MenuItem *item = Find(hMenu, uId, uFlags);
    if (!item)
        return static_cast<UINT>(-1);
    UINT state = item->flags & ~MF_POPUP;
    if (item->subMenu)
        state |= MF_POPUP | (static_cast<UINT>(item->subMenu->items.size()) << 8);
    return state;
}

BOOL SetMenuDefaultItem(HMENU hMenu, UINT uItem, UINT fByPos)
{
    HMENU h = Live(hMenu);
    if (!h)
        return FALSE;
    MenuItem *target = nullptr;
    if (uItem != static_cast<UINT>(-1)) {
        target = Find(h, uItem, fByPos ? MF_BYPOSITION : MF_BYCOMMAND);
        if (!target)
            return FALSE;
    }
    for (MenuItem &item : h->items)
        item.flags &= ~MF_DEFAULT;
    if (target)
        target->flags |= MF_DEFAULT;
    return TRUE;
}

UINT GetMenuDefaultItem(HMENU hMenu, UINT fByPos, UINT)
{
    HMENU h = Live(hMenu);
    for (size_t i = 0; h && i < h->items.size(); ++i)
        if (h->items[i].flags & MF_DEFAULT)
            return fByPos ? static_cast<UINT>(i) : h->items[i].id;
    return static_cast<UINT>(-1);
}

int GetMenuItemCount(HMENU hMenu)
{
    HMENU h = Live(hMenu);
    return h ? static_cast<int>(h->items.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos)
{
    HMENU h = Live(hMenu);
    if (!h || nPos < 0 || static_cast<size_t>(nPos) >= h->items.size())
        return static_cast<UINT>(-1);
    const MenuItem &item = h->items[static_cast<size_t>(nPos)];
    if (item.flags & MF_POPUP)
        return static_cast<UINT>(-1);
    return (item.flags & MF_SEPARATOR) ? 0 : item.id;
}

HMENU GetSubMenu(HMENU hMenu, int nPos)
{
    HMENU h = Live(hMenu);
    if (!h || nPos < 0 || static_cast<size_t>(nPos) >= h->items.size())
        return nullptr;
    return h->items[static_cast<size_t>(nPos)].subMenu;
}

int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags)
{
    MenuItem *item = Find(hMenu, uIDItem, flags);
    if (!item)
        return 0;
    if (!lpString || cchMax <= 0)
        return item->text.GetLength();
    int n = plexoMin(item->text.GetLength(), cchMax - 1);
    std::memcpy(lpString, static_cast<LPCTSTR>(item->text), static_cast<size_t>(n));
    lpString[n] = 0;
    return n;
}

BOOL SetMenu(HWND hWnd, HMENU hMenu)
{
    HWND h = WindowCore::Live(hWnd);
    if (!h || h->parent)
        return FALSE;
    h->menu = Live(hMenu);
    return TRUE;
}

HMENU GetMenu(HWND hWnd)
{
    HWND h = WindowCore::Live(hWnd);
    return h && !h->parent ? Live(h->menu) : nullptr;
}

BOOL DrawMenuBar(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return FALSE;
    // The menu bar window of the frame, when it has one, shows the change.
    if (HWND hBar = GetDlgItem(hWnd, PLEXO_IDW_MENUBAR))
        InvalidateRect(hBar, nullptr, TRUE);
    return TRUE;
}
