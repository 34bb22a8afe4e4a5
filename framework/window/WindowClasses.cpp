// The window-class registry: classes by name, compared without case.
#include "framework/window/ForeignWindows.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QByteArray>

#include <map>
#include <string>

namespace {

struct RegisteredClass {
    WNDCLASS wc;
    std::string name;
    ATOM atom;
};

std::map<std::string, RegisteredClass> &Classes()
{
    static std::map<std::string, RegisteredClass> classes;
    return classes;
}

std::string Key(LPCTSTR lpszName)
{
    return QByteArray(lpszName).toLower().toStdString();
}

} // namespace

ATOM RegisterClass(const WNDCLASS *lpWndClass)
{
    static ATOM nextAtom = 0xC000;
    if (!lpWndClass || !lpWndClass->lpszClassName || !*lpWndClass->lpszClassName)
        return 0;
    std::string key = Key(lpWndClass->lpszClassName);
    if (Classes().count(key))
        return 0;
    RegisteredClass rc{*lpWndClass, lpWndClass->lpszClassName, nextAtom++};
    rc.wc.lpszClassName = nullptr; // the name lives in rc.name
    rc.wc.lpszMenuName = nullptr;
    if (!rc.wc.lpfnWndProc)
        rc.wc.lpfnWndProc = &DefWindowProc;
    ATOM atom = rc.atom;
    Classes().emplace(key, std::move(rc));
    PlexoCallClassHook(lpWndClass->lpszClassName, TRUE);
    return atom;
}

BOOL UnregisterClass(LPCTSTR lpClassName, HINSTANCE)
{
    if (!lpClassName || !Classes().erase(Key(lpClassName)))
        return FALSE;
    PlexoCallClassHook(lpClassName, FALSE);
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCTSTR lpClassName, LPWNDCLASS lpWndClass)
{
    if (!lpClassName || !lpWndClass)
        return FALSE;
    auto it = Classes().find(Key(lpClassName));
    if (it == Classes().end())
        return FALSE;
    *lpWndClass = it->second.wc;
    lpWndClass->lpszClassName = it->second.name.c_str();
    return TRUE;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount)
{
    HWND h = WindowCore::Live(hWnd);
    if (!h || !lpClassName || nMaxCount <= 0)
        return 0;
    int n = plexoMin(h->className.GetLength(), nMaxCount - 1);
    std::copy_n(static_cast<LPCTSTR>(h->className), n, lpClassName);
    lpClassName[n] = 0;
    return n;
}

ULONG_PTR GetClassLongPtr(HWND hWnd, int nIndex)
{
    HWND h = WindowCore::Live(hWnd);
    if (!h)
        return 0;
    const WNDCLASS &wc = h->windowClass;
    switch (nIndex) {
    case GCL_HICON:
    case GCL_HICONSM: return reinterpret_cast<ULONG_PTR>(wc.hIcon);
    case GCL_HCURSOR: return reinterpret_cast<ULONG_PTR>(wc.hCursor);
    case GCL_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(wc.hbrBackground);
    case GCL_STYLE: return wc.style;
    case GCL_WNDPROC: return reinterpret_cast<ULONG_PTR>(wc.lpfnWndProc);
    default: return 0;
    }
}
