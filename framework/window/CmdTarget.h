// CCmdTarget: an object with a message map, and command routing.
//
// A message map is a table of entries, chained to the base class's table.
// A WM_COMMAND (menu item, accelerator, control notification) or WM_NOTIFY
// reaches OnCmdMsg, which looks for an entry in the object's own map chain.
// Classes that pass commands on override OnCmdMsg: the frame asks its active
// view, then itself, then the application; the view asks itself, then its
// document. CCmdUI runs the same routing with CN_UPDATE_COMMAND_UI to ask
// whether a command is enabled, checked, or has other text.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/Object.h"
#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

// ---- Notification codes of OnCmdMsg (HIWORD: the message when not WM_COMMAND)
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
// Messages reflected back to the control that sent them.
#define WM_REFLECT_BASE 0xBC00
// The marker of entries for registered messages.
#define AFX_REGISTERED_MESSAGE_MARK 0xC000

// What a handler gets: the message and, for commands, the id, code and
// the extra pointer (CCmdUI* for updates, AFX_NOTIFY* for notifications).
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    UINT nCode;
    void *pExtra;
};
// Calls the entry's handler; for commands returns TRUE when handled.
typedef LRESULT (*AFX_MSGINVOKER)(CCmdTarget *pTarget, const AFX_MSGCALL &call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;            // window message, or WM_COMMAND / WM_NOTIFY (+ WM_REFLECT_BASE)
    UINT nCode;               // notification code (WORD), CN_UPDATE_COMMAND_UI, or 0
    UINT nID;                 // first control or command id
    UINT nLastID;             // last id (ranges)
    const UINT *pnRegistered; // registered messages: the variable holding the id
    AFX_MSGINVOKER pfnInvoke; // NULL ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP *(*pfnGetBaseMap)(); // NULL for the root
    const AFX_MSGMAP_ENTRY *lpEntries;
};

// Filled instead of calling, when OnCmdMsg is asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget *pTarget;
    const AFX_MSGMAP_ENTRY *pEntry;
};

// The extra pointer of WM_NOTIFY commands.
struct AFX_NOTIFY {
    LRESULT *pResult;
    NMHDR *pNMHDR;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Looks for a command entry for nID in the map chain. nCode is the
    // notification code, or MAKELONG(code, WM_NOTIFY) for notifications, or
    // CN_UPDATE_COMMAND_UI. Override it to route commands to other targets.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo);

    // The wait cursor while a long operation runs (nesting).
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // The first entry of the map chain for a window message (registered
    // messages included); NULL when none.
    const AFX_MSGMAP_ENTRY *FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP *GetThisMessageMap();
    virtual const AFX_MSGMAP *GetMessageMap() const;
};

// Runs a command's handler (shared by OnCmdMsg overrides).
BOOL AfxDispatchCmdMsg(CCmdTarget *pTarget, const AFX_MSGMAP_ENTRY *pEntry, UINT nID, UINT nCode, void *pExtra);

// The user-interface state of one command: a menu item, a toolbar button,
// a status pane or a control. DoUpdate asks the routing for it.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0; // menu: the item's position
    UINT m_nIndexMax = 0;
    CMenu *m_pMenu = nullptr;    // the pop-up menu being prepared
    CMenu *m_pSubMenu = nullptr; // the item opens this sub-menu
    CMenu *m_pParentMenu = nullptr;
    CWnd *m_pOther = nullptr; // a control, a toolbar, a status bar
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's routing; with bDisableIfNoHndler an item nobody
    // handles (neither update nor command handler) is disabled.
    BOOL DoUpdate(CCmdTarget *pTarget, BOOL bDisableIfNoHndler);
};

// Records Enable without touching any interface: used to test whether a
// command from a menu or accelerator may run.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn = TRUE) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};

// The wait cursor for a scope.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor &) = delete;
    CWaitCursor &operator=(const CWaitCursor &) = delete;
    void Restore();
};

#include "framework/window/MessageMap.h"
