#include "framework/shellui/FindWindow.h"

#include "framework/shellui/LocalWindows.h"
#include "framework/shellui/RemoteWindows.h"
#include "framework/window/InputApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QApplication>
#include <QWidget>

namespace {

bool NameMatches(HWND hWnd, LPCTSTR lpClassName, LPCTSTR lpWindowName)
{
    if (lpClassName) {
        char name[256] = {};
        GetClassName(hWnd, name, sizeof name);
        if (CString(name).CompareNoCase(lpClassName) != 0)
            return false;
    }
    if (lpWindowName) {
        const int length = GetWindowTextLength(hWnd);
        CString title;
        GetWindowText(hWnd, title.GetBuffer(length + 1), length + 1);
        title.ReleaseBuffer();
        if (title.CompareNoCase(lpWindowName) != 0)
            return false;
    }
    return true;
}

bool IsTopLevel(HWND hWnd)
{
    return IsWindow(hWnd) && !(GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD);
}

} // namespace

namespace LocalWindows {

HWND Find(LPCTSTR lpClassName, LPCTSTR lpWindowName)
{
    if (!QApplication::instance())
        return nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        HWND hWnd = WindowCore::FromWidget(widget);
        if (hWnd && IsTopLevel(hWnd) && NameMatches(hWnd, lpClassName, lpWindowName))
            return hWnd;
    }
    return nullptr;
}

bool IsTopLevelOfClass(HWND hWnd, LPCTSTR lpClassName)
{
    return WindowCore::Live(hWnd) && IsTopLevel(hWnd) && NameMatches(hWnd, lpClassName, nullptr);
}

} // namespace LocalWindows

HWND FindWindow(LPCTSTR lpClassName, LPCTSTR lpWindowName)
{
    if (HWND local = LocalWindows::Find(lpClassName, lpWindowName))
        return local;
    return lpClassName && *lpClassName ? RemoteWindows::Find(lpClassName, lpWindowName) : nullptr;
}

HWND GetLastActivePopup(HWND hWnd)
{
    if (RemoteWindows::IsRemote(hWnd))
        return hWnd;
    if (!WindowCore::Live(hWnd))
        return nullptr;
    HWND active = GetActiveWindow();
    for (HWND owner = active; owner && owner != hWnd; owner = GetWindow(owner, GW_OWNER)) {
        if (GetWindow(owner, GW_OWNER) == hWnd)
            return IsWindowVisible(active) ? active : hWnd;
    }
    return hWnd;
}
