// Relations between windows (parent, owner, siblings, control ids) and
// window text.
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include <algorithm>

using WindowCore::Live;

// ---- Relations

HWND GetParent(HWND hWnd)
{
    HWND h = Live(hWnd);
    if (!h)
        return nullptr;
    return h->parent ? h->parent : h->owner;
}

namespace {

// Moves the window's record and widget under the new parent (NULL: it
// becomes a top-level window), keeping its coordinates.
void Relink(HWND h, HWND newParent)
{
    if (h->parent) {
        auto &siblings = h->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    }
    h->parent = newParent;
    if (newParent) {
        newParent->children.insert(newParent->children.begin(), h);
        h->owner = nullptr;
        h->sizeState = SIZE_RESTORED; // only top-level windows are minimised or maximised
        h->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    }
    if (h->widget) {
        if (newParent) {
            h->widget->setParent(newParent->widget, Qt::Widget);
        } else {
            h->widget->setParent(nullptr, WindowCore::TopLevelFlags(h->style, h->exStyle));
            h->widget->setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(h->text)));
        }
    }
    WindowGeometry::Place(h);
}

} // namespace

// The window is hidden, moved under the new parent (NULL: the desktop) at
// the same coordinates and shown again there by SetWindowPos, so that it
// hears the change of position with its new parent in place (a child also
// WM_CHILDACTIVATE). Returns the old parent (NULL for the desktop).
HWND SetParent(HWND hWndChild, HWND hWndNewParent)
{
    HWND h = Live(hWndChild);
    HWND newParent = Live(hWndNewParent);
    if (!h || (hWndNewParent && !newParent) || h == newParent || IsChild(h, newParent))
        return nullptr;
    HWND old = h->parent;
    BOOL wasVisible = ShowWindow(h, SW_HIDE);
    if (!Live(h) || (hWndNewParent && !Live(newParent)) || IsChild(h, newParent))
        return nullptr;
    Relink(h, newParent);
    SetWindowPos(h, HWND_TOP, h->windowRect.left, h->windowRect.top, 0, 0,
                 SWP_NOSIZE | (wasVisible ? SWP_SHOWWINDOW : 0));
    return old;
}

HWND GetWindow(HWND hWnd, UINT uCmd)
{
    HWND h = Live(hWnd);
    if (!h)
        return nullptr;
    if (uCmd == GW_CHILD)
        return h->children.empty() ? nullptr : h->children.front();
    if (uCmd == GW_OWNER)
        return h->owner;
    std::vector<HWND> siblings = h->parent ? h->parent->children : WindowRegistry::TopLevelWindows();
    if (siblings.empty())
        return nullptr;
    auto it = std::find(siblings.begin(), siblings.end(), h);
    switch (uCmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return (it == siblings.end() || it + 1 == siblings.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == siblings.end() || it == siblings.begin()) ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hWnd)
{
    return GetWindow(hWnd, GW_CHILD);
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    HWND h = Live(hDlg);
    if (!h)
        return nullptr;
    for (HWND child : h->children)
        if (child->id == static_cast<UINT_PTR>(static_cast<UINT>(nIDDlgItem)))
            return child;
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd)
{
    HWND h = Live(hWnd);
    return h && h->parent ? static_cast<int>(h->id) : 0;
}

BOOL IsChild(HWND hWndParent, HWND hWnd)
{
    HWND h = Live(hWnd);
    if (!h || !Live(hWndParent))
        return FALSE;
    for (HWND p = h->parent; p; p = p->parent)
        if (p == hWndParent)
            return TRUE;
    return FALSE;
}

HWND GetDesktopWindow()
{
    return nullptr;
}

HWND GetTopLevelWindow(HWND hWnd)
{
    HWND h = Live(hWnd);
    while (h && h->parent)
        h = h->parent;
    return h;
}

BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam)
{
    HWND h = Live(hWndParent);
    if (!h || !lpEnumFunc)
        return FALSE;
    std::vector<HWND> children = h->children;
    for (HWND child : children) {
        if (!Live(child))
            continue;
        if (!lpEnumFunc(child, lParam))
            return FALSE;
        if (!EnumChildWindows(child, lpEnumFunc, lParam))
            return FALSE;
    }
    return TRUE;
}

// ---- Text: WM_SETTEXT / WM_GETTEXT, so that a window can answer itself.

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString)
{
    if (!Live(hWnd))
        return FALSE;
    return SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString ? lpString : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount)
{
    if (!Live(hWnd) || !lpString || nMaxCount <= 0)
        return 0;
    return static_cast<int>(
        SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLength(HWND hWnd)
{
    return Live(hWnd) ? static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}
