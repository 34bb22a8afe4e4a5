// CWnd: handle maps, window classes, creation, subclassing, and the
// procedure that hands a window's messages to its object.
#include "framework/window/Wnd.h"

#include "framework/window/ScrollBar.h"
#include "framework/window/WindowInternals.h"

#include "framework/base/HandleMap.h"

#include <QByteArray>

#include <cstdio>
#include <memory>
#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

// Temporary wrappers of windows nobody attached; a window's permanent
// object is kept in the window itself.  GUI thread only (see HandleMap.h).
CHandleMap<HWND, CWnd> &Map()
{
    static CHandleMap<HWND, CWnd> map;
    return map;
}

CWnd *g_pWndInit = nullptr; // the object CreateEx is creating a window for

void RegisterDefaultClass()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASS wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &DefWindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = AFX_WND_CLASS_NAME;
    RegisterClass(&wc);
}

void ForgetWindow(HWND hWnd)
{
    Map().RemoveTemporary(hWnd, [](CWnd &) {});
}

} // namespace

void AfxAttachCreatedWindow(HWND hWnd)
{
    CWnd *pWnd = g_pWndInit;
    if (!pWnd)
        return;
    g_pWndInit = nullptr;
    pWnd->Attach(hWnd);
    pWnd->PreSubclassWindow();
    pWnd->m_pfnSuper = reinterpret_cast<WNDPROC>(GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
}

namespace {
const bool g_hooksInstalled = []() {
    PlexoSetCreationHook(&AfxAttachCreatedWindow);
    PlexoSetDestroyHook(&ForgetWindow);
    return true;
}();
} // namespace

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string> names;
    char name[128];
    std::snprintf(name, sizeof(name), "Afx:%x:%p:%p:%p", nClassStyle, static_cast<void *>(hCursor),
                  static_cast<void *>(hbrBackground), static_cast<void *>(hIcon));
    auto inserted = names.insert(name);
    if (inserted.second) {
        WNDCLASS wc{};
        wc.style = nClassStyle;
        wc.lpfnWndProc = &DefWindowProc;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = inserted.first->c_str();
        RegisterClass(&wc);
    }
    return inserted.first->c_str();
}

BOOL AfxRegisterClass(WNDCLASS *lpWndClass)
{
    if (!lpWndClass)
        return FALSE;
    WNDCLASS existing;
    if (GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return RegisterClass(lpWndClass) != 0;
}

// ---- Handle maps

CWnd *CWnd::FromHandlePermanent(HWND hWnd)
{
    HWND h = WindowCore::Live(hWnd);
    return h ? h->wnd : nullptr;
}

CWnd *CWnd::FromHandle(HWND hWnd)
{
    HWND h = WindowCore::Live(hWnd);
    if (!h)
        return nullptr;
    if (h->wnd)
        return h->wnd;
    return Map().TemporaryFor(h, [h]() {
        // A scroll-bar control gets a wrapper of its own class, so handlers
        // that receive it as a CScrollBar may use it as one.
        std::unique_ptr<CWnd> pWnd;
        if (h->className.CompareNoCase("SCROLLBAR") == 0)
            pWnd = std::make_unique<CScrollBar>();
        else
            pWnd = std::make_unique<CWnd>();
        pWnd->m_hWnd = h;
        return pWnd;
    });
}

void CWnd::DeleteTempMap()
{
    Map().DeleteTemporaries([](CWnd &wnd) { wnd.m_hWnd = nullptr; });
}

CWnd *AfxWndFromHandle(HWND hWnd)
{
    return CWnd::FromHandle(hWnd);
}

CScrollBar *AfxScrollBarFromHandle(HWND hWnd)
{
    return DYNAMIC_DOWNCAST(CScrollBar, CWnd::FromHandle(hWnd));
}

BOOL CWnd::Attach(HWND hWndNew)
{
    HWND h = WindowCore::Live(hWndNew);
    if (!h || h->wnd || m_hWnd)
        return FALSE;
    h->wnd = this;
    m_hWnd = h;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (HWND live = WindowCore::Live(h); live && live->wnd == this)
        live->wnd = nullptr;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd *pParent)
{
    HWND hControl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return hControl ? SubclassWindow(hControl) : FALSE;
}

void CWnd::PreSubclassWindow() {}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd)
        return nullptr;
    if (m_pfnSuper)
        SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// ---- Creation and destruction

CWnd::~CWnd()
{
    if (WindowCore::Live(m_hWnd) && m_hWnd->wnd == this)
        ::DestroyWindow(m_hWnd);
    Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT &cs)
{
    if (!cs.lpszClass) {
        RegisterDefaultClass();
        cs.lpszClass = AFX_WND_CLASS_NAME;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCT cs{
        lpParam,        nullptr,       nIDorHMenu, hWndParent, nHeight, nWidth, y, x, static_cast<LONG>(dwStyle),
        lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    g_pWndInit = this;
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                 cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    g_pWndInit = nullptr;
    return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect,
                    CWnd *pParentWnd, UINT nID, LPVOID lpParam)
{
    HMENU idOrMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr, idOrMenu, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                  UINT nID, CCreateContext *pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    static_cast<LPVOID>(pContext));
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::PostNcDestroy() {}

// ---- The procedure

AFX_THREAD_STATE *AfxGetThreadState()
{
    static AFX_THREAD_STATE state;
    return &state;
}

const MSG *CWnd::GetCurrentMessage()
{
    return &AfxGetThreadState()->m_lastSentMsg;
}

LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd *pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    // The current message, for Default() and reflection; restored when
    // the handler returns or throws.
    MSG &last = AfxGetThreadState()->m_lastSentMsg;
    struct LastMessage {
        MSG &last;
        MSG saved;
        ~LastMessage() { last = saved; }
    } guard{last, last};
    POINT pt;
    GetCursorPos(&pt);
    last = MSG{hWnd, nMsg, wParam, lParam, GetMessageTime(), pt};
    return pWnd->WindowProc(nMsg, wParam, lParam);
}
