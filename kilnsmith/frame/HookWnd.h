// CHookWnd: a hook on a window's procedure that several objects can put on
// one window at once.  The hooks of a window form a chain, newest first,
// kept in the window property "HookWnd_P"; the first hook puts HookWndProc
// in front of the window's procedure and every hook keeps a copy of the
// procedure it replaced.  A message reaches the newest hook first; each
// hook passes it on with Default (or the base WindowProc) to the next older
// one, and the oldest hands it to the window's own procedure.  Every hook
// of a window comes off, at the latest, when the window gets WM_NCDESTROY.
#pragma once

#include "framework/object/Object.h"
#include "framework/shell/CriticalSection.h"
#include "framework/window/Wnd.h"

// The window property that holds the newest hook of a window.
#define HOOKWND_PROPERTY "HookWnd_P"

class CHookWnd : public CObject {
    DECLARE_DYNAMIC(CHookWnd)
public:
    CHookWnd() = default;
    // A hook still on a window comes off first, so the chain never points
    // at a destroyed object.
    ~CHookWnd() override;
    CHookWnd(const CHookWnd &) = delete;
    CHookWnd &operator=(const CHookWnd &) = delete;

    // Puts this hook at the head of the window's chain; FALSE when the
    // window does not exist or this hook is already on a window.
    BOOL HookWindow(CWnd *pWnd);
    // Takes this hook out of its window's chain (nothing when it is on none).
    void Unhook();
    BOOL IsHooked() const { return m_pWndHooked != nullptr; }
    CWnd *GetHookedWindow() const { return m_pWndHooked; }

    // Sees the window's messages; the default passes them down the chain.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled down the chain.
    LRESULT Default();

private:
    friend LRESULT HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CWnd *m_pWndHooked = nullptr;    // the hooked window
    HWND m_hWndHooked = nullptr;     // its handle, kept for the chain's end
    WNDPROC m_pOldWndProc = nullptr; // the procedure the first hook replaced
    CHookWnd *m_pNext = nullptr;     // the next older hook of the window
};

// The procedure the first hook of a window installs.
LRESULT HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The one lock that guards every change of a chain.
CCriticalSection &HookChainLock();
