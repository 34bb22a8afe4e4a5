#include "kilnsmith/frame/HookWnd.h"

#include "framework/window/WindowApi.h"

IMPLEMENT_DYNAMIC(CHookWnd, CObject)

namespace {

// Built before anything hooks a window and kept to the process's end.
CCriticalSection g_hookChainLock;

CHookWnd *HeadOf(HWND hWnd)
{
    return static_cast<CHookWnd *>(::GetProp(hWnd, HOOKWND_PROPERTY));
}

class ChainLock {
public:
    ChainLock() { HookChainLock().Lock(); }
    ~ChainLock() { HookChainLock().Unlock(); }
    ChainLock(const ChainLock &) = delete;
    ChainLock &operator=(const ChainLock &) = delete;
};

// Keeps the class library's record of the current message for the hooks
// and puts the caller's back afterwards, also when a hook throws.
class CurrentMessage {
public:
    CurrentMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
        : m_record(AfxGetThreadState()->m_lastSentMsg), m_saved(m_record)
    {
        m_record.hwnd = hWnd;
        m_record.message = message;
        m_record.wParam = wParam;
        m_record.lParam = lParam;
    }
    ~CurrentMessage() { m_record = m_saved; }
    CurrentMessage(const CurrentMessage &) = delete;
    CurrentMessage &operator=(const CurrentMessage &) = delete;

private:
    MSG &m_record;
    MSG m_saved;
};

} // namespace

CCriticalSection &HookChainLock()
{
    return g_hookChainLock;
}

CHookWnd::~CHookWnd()
{
    Unhook();
}

BOOL CHookWnd::HookWindow(CWnd *pWnd)
{
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()) || IsHooked())
        return FALSE;
    ChainLock lock;
    m_pWndHooked = pWnd;
    m_hWndHooked = pWnd->GetSafeHwnd();
    m_pNext = HeadOf(m_hWndHooked);
    ::SetProp(m_hWndHooked, HOOKWND_PROPERTY, this);
    if (m_pNext != nullptr) {
        m_pOldWndProc = m_pNext->m_pOldWndProc;
    } else {
        m_pOldWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtr(m_hWndHooked, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookWndProc)));
    }
    return TRUE;
}

void CHookWnd::Unhook()
{
    ChainLock lock;
    if (!IsHooked())
        return;
    CHookWnd *pHead = HeadOf(m_hWndHooked);
    if (pHead == this) {
        if (m_pNext != nullptr) {
            ::SetProp(m_hWndHooked, HOOKWND_PROPERTY, m_pNext);
        } else {
            ::RemoveProp(m_hWndHooked, HOOKWND_PROPERTY);
            ::SetWindowLongPtr(m_hWndHooked, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pOldWndProc));
        }
    } else {
        for (CHookWnd *pHook = pHead; pHook != nullptr; pHook = pHook->m_pNext) {
            if (pHook->m_pNext == this) {
                pHook->m_pNext = m_pNext;
                break;
            }
        }
    }
    m_pWndHooked = nullptr;
    m_hWndHooked = nullptr;
    m_pOldWndProc = nullptr;
    m_pNext = nullptr;
}

LRESULT CHookWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext != nullptr)
        return m_pNext->WindowProc(message, wParam, lParam);
    if (m_pOldWndProc != nullptr)
        return ::CallWindowProc(m_pOldWndProc, m_hWndHooked, message, wParam, lParam);
    return ::DefWindowProc(m_hWndHooked, message, wParam, lParam);
}

LRESULT CHookWnd::Default()
{
    const MSG *pMsg = CWnd::GetCurrentMessage();
    // The base class's pass down the chain, never this hook's override.
    return CHookWnd::WindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

LRESULT HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage current(hWnd, message, wParam, lParam);
    CHookWnd *pHead = HeadOf(hWnd);
    if (pHead == nullptr)
        return ::DefWindowProc(hWnd, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return pHead->WindowProc(message, wParam, lParam);
    // The window is going: every hook comes off before the window's own
    // procedure sees its last message.
    WNDPROC pfnOriginal = pHead->m_pOldWndProc;
    while ((pHead = HeadOf(hWnd)) != nullptr) {
        pHead->Unhook();
        if (HeadOf(hWnd) == pHead) { // a property no hook of this window set
            ::RemoveProp(hWnd, HOOKWND_PROPERTY);
            break;
        }
    }
    if (pfnOriginal == nullptr)
        return ::DefWindowProc(hWnd, message, wParam, lParam);
    return ::CallWindowProc(pfnOriginal, hWnd, message, wParam, lParam);
}
