// Sending, posting and fetching messages. Input from Qt, posted messages
// and timer messages share one queue and are dispatched in order; a sent
// message runs the receiver's procedure chain at once (re-entrantly).
#pragma once

#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Queued behind everything already queued; FALSE for a dead window.
BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
// Within one thread this is a send.
BOOL SendNotifyMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int nExitCode);
// Waits for a message (running Qt's events meanwhile); FALSE for WM_QUIT.
BOOL GetMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
// Runs pending Qt events, then looks for a message without waiting.
BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
BOOL WaitMessage();
// Queues the WM_CHAR (WM_SYSCHAR) messages of the typed text of a key-down
// message ahead of everything else; FALSE when it typed nothing.
BOOL TranslateMessage(const MSG *lpMsg);
LRESULT DispatchMessage(const MSG *lpMsg);
DWORD GetMessageTime();
DWORD GetMessagePos();
// Ids from 0xC000 up, the same id for the same name (compared without case).
UINT RegisterWindowMessage(LPCTSTR lpString);

// The default processing of every message (see DefWindowProc.cpp).
LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// ---- The message loop's hooks (the application object installs them)
// Called for each queued message before it is dispatched; TRUE eats it.
// Without a hook, the window's CWnd chain up to its top-level window gets
// PreTranslateMessage.
typedef BOOL (*PlexoPreTranslateHook)(MSG *pMsg);
PlexoPreTranslateHook PlexoSetPreTranslateHook(PlexoPreTranslateHook pfnHook);
// Fetches and dispatches one message (pre-translation, translation,
// dispatch); FALSE at WM_QUIT.
BOOL PlexoPumpMessage();
// Dispatches every queued message that is already waiting.
void PlexoDrainMessages();
// The exit code of the last WM_QUIT.
int PlexoQuitCode();
// Idle processing: when the event loop is about to wait and a message was
// dispatched since the last idle time (a paint or a mouse move that did not
// move does not count), the hook runs with lCount 0, 1, 2... while it
// returns TRUE (at most 32 times), as an application's OnIdle does: command
// updates of toolbars and status panes, freeing temporary objects.
typedef BOOL (*PlexoIdleHook)(LONG lCount);
PlexoIdleHook PlexoSetIdleHook(PlexoIdleHook pfnHook);
