// CMenu: the object of a menu handle.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/Object.h"
#include "framework/window/MenuApi.h"

class CWnd;

class CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    // Destroys an attached menu.
    ~CMenu() override;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    // The attached object, or a temporary wrapper (freed by DeleteTempMap or
    // when the menu is destroyed through this class).
    static CMenu *FromHandle(HMENU hMenu);
    static void DeleteTempMap();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) const;
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString &rString, UINT nFlags) const;
    CMenu *GetSubMenu(int nPos) const;
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd *pWnd, LPCRECT lpRect = NULL);

private:
    bool m_bTemporary = false; // a wrapper made by FromHandle: never destroys the menu
};

class CCmdTarget;
// Runs the CCmdUI update of every item of a pop-up menu through pTarget's
// command routing, as a frame does on WM_INITMENUPOPUP. With
// bDisableIfNoHndler, items no target handles are disabled. An item that
// opens a sub-menu is asked about by the sub-menu's first command.
void PlexoUpdateMenuCommandUI(CMenu *pPopupMenu, CCmdTarget *pTarget, BOOL bDisableIfNoHndler);
