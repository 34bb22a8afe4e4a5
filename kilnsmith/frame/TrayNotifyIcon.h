// CTrayNotifyIcon: the program's icon in the desktop's notification area
// (or the framework's stand-in window where there is none), with its tip
// and a menu.  Clicks come to the owner window as the callback message,
// which the owner hands to OnTrayNotification: a right click opens the
// menu, a double click runs the menu's first (default, bold) item.  A hook
// on the owner's top-level window adds the icon again when the desktop's
// notification area is recreated ("TaskbarCreated").
#pragma once

#include "framework/shellui/NotifyIcon.h"
#include "framework/window/Menu.h"
#include "kilnsmith/frame/HookWnd.h"

class CTrayNotifyIcon;

class CTrayHookWnd : public CHookWnd {
public:
    void SetTrayIcon(CTrayNotifyIcon *pTrayIcon) { m_pTrayIcon = pTrayIcon; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CTrayNotifyIcon *m_pTrayIcon = nullptr;
};

class CTrayNotifyIcon : public CObject {
    DECLARE_DYNAMIC(CTrayNotifyIcon)
public:
    CTrayNotifyIcon();
    // Removes the icon when it was added, then the menu and the hook.
    ~CTrayNotifyIcon() override;
    CTrayNotifyIcon(const CTrayNotifyIcon &) = delete;
    CTrayNotifyIcon &operator=(const CTrayNotifyIcon &) = delete;

    // Loads menu nID (its first pop-up is the icon's menu) and adds icon nID
    // for pOwner; FALSE when the menu or its pop-up is missing or the icon
    // cannot be added.  The tip keeps at most 63 bytes.
    BOOL Create(CWnd *pOwner, UINT nID, LPCTSTR lpszTip, HICON hIcon, UINT nCallbackMessage);
    // The owner's callback message: returns 1 for a message of this icon,
    // 0 for one of another icon.
    virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);
    void HideIcon();
    void ShowIcon();

    BOOL IsAdded() const { return m_bAdded; }
    BOOL IsHidden() const { return m_bHidden; }
    UINT GetID() const { return m_nid.uID; }
    // The icon's menu (the first pop-up of the loaded menu), or NULL.
    CMenu *GetTrayMenu() const;
    const CHookWnd &GetHook() const { return m_hook; }

    // The registered message the desktop sends when its notification area
    // has been recreated.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATA m_nid{};
    BOOL m_bAdded = FALSE;
    BOOL m_bHidden = FALSE;
    CWnd *m_pOwner = nullptr;
    CTrayHookWnd m_hook;
    CMenu m_menu;
};
