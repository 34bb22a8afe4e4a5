// Window longs, properties, relations, text and the shown/enabled state.
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/resources/ResourceTypes.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

using WindowCore::Live;

// ---- Longs

LONG_PTR GetWindowLongPtr(HWND hWnd, int nIndex)
{
    HWND h = Live(hWnd);
    if (!h)
        return 0;
    switch (nIndex) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(h->wndProc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(h->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(h->parent ? h->parent : h->owner);
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(h->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(h->exStyle));
    case GWLP_USERDATA: return h->userData;
    case GWLP_ID: return static_cast<LONG_PTR>(h->id);
    default: return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    HWND h = Live(hWnd);
    if (!h)
        return 0;
    LONG_PTR old = GetWindowLongPtr(h, nIndex);
    switch (nIndex) {
    case GWLP_WNDPROC:
        if (dwNewLong)
            h->wndProc = reinterpret_cast<WNDPROC>(dwNewLong);
        break;
    case GWLP_HINSTANCE: h->instance = reinterpret_cast<HINSTANCE>(dwNewLong); break;
    case GWLP_USERDATA: h->userData = dwNewLong; break;
    case GWLP_ID: h->id = static_cast<UINT_PTR>(dwNewLong); break;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD value = static_cast<DWORD>(dwNewLong);
        if (nIndex == GWL_STYLE) {
            // Visibility and the disabled state change through their own functions.
            DWORD kept = h->style & (WS_VISIBLE | WS_CHILD | WS_POPUP);
            h->style = (value & ~(WS_VISIBLE | WS_CHILD | WS_POPUP)) | kept;
            if (h->widget)
                h->widget->setEnabled(!(h->style & WS_DISABLED));
        } else {
            h->exStyle = value;
        }
        break;
    }
    default: return 0;
    }
    return old;
}

namespace {
// A procedure, instance or window does not fit the 32-bit forms: they
// refuse those indexes instead of cutting a pointer in half.
bool HoldsPointer(int nIndex)
{
    return nIndex == GWLP_WNDPROC || nIndex == GWLP_HINSTANCE || nIndex == GWLP_HWNDPARENT;
}
} // namespace

LONG GetWindowLong(HWND hWnd, int nIndex)
{
    return HoldsPointer(nIndex) ? 0 : static_cast<LONG>(GetWindowLongPtr(hWnd, nIndex));
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong)
{
    return HoldsPointer(nIndex) ? 0 : static_cast<LONG>(SetWindowLongPtr(hWnd, nIndex, dwNewLong));
}

// ---- Properties

namespace {
std::string PropKey(LPCTSTR lpString)
{
    if (IS_INTRESOURCE(lpString))
        return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(lpString));
    return QByteArray(lpString).toLower().toStdString();
}
} // namespace

BOOL SetProp(HWND hWnd, LPCTSTR lpString, HANDLE hData)
{
    HWND h = Live(hWnd);
    if (!h || !lpString)
        return FALSE;
    h->properties[PropKey(lpString)] = hData;
    return TRUE;
}

HANDLE GetProp(HWND hWnd, LPCTSTR lpString)
{
    HWND h = Live(hWnd);
    if (!h || !lpString)
        return nullptr;
    auto it = h->properties.find(PropKey(lpString));
    return it == h->properties.end() ? nullptr : it->second;
}

HANDLE RemoveProp(HWND hWnd, LPCTSTR lpString)
{
    HWND h = Live(hWnd);
    if (!h || !lpString)
        return nullptr;
    auto it = h->properties.find(PropKey(lpString));
    if (it == h->properties.end())
        return nullptr;
    HANDLE data = it->second;
    h->properties.erase(it);
    return data;
}

// ---- Relations

HWND GetParent(HWND hWnd)
{
    HWND h = Live(hWnd);
    if (!h)
        return nullptr;
    return h->parent ? h->parent : h->owner;
}

HWND SetParent(HWND hWndChild, HWND hWndNewParent)
{
    HWND h = Live(hWndChild);
    HWND newParent = Live(hWndNewParent);
    if (!h || !newParent || !h->parent || IsChild(h, newParent) || h == newParent)
        return nullptr;
    HWND old = h->parent;
    auto &siblings = old->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    h->parent = newParent;
    newParent->children.insert(newParent->children.begin(), h);
    if (h->widget && newParent->widget) {
        bool visible = h->widget->isVisible();
        h->widget->setParent(newParent->widget);
        WindowGeometry::Apply(h, h->windowRect);
        if (visible)
            h->widget->show();
    }
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
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLength(HWND hWnd)
{
    return Live(hWnd) ? static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

// ---- Shown and enabled

namespace {

// The size state a show command asks for (top-level windows).
UINT SizeStateFor(int nCmdShow, UINT current)
{
    switch (nCmdShow) {
    case SW_MINIMIZE: case SW_SHOWMINIMIZED: case SW_SHOWMINNOACTIVE: return SIZE_MINIMIZED;
    case SW_SHOWMAXIMIZED: return SIZE_MAXIMIZED;
    case SW_RESTORE: case SW_SHOWNORMAL: return SIZE_RESTORED;
    default: return current;
    }
}

bool Activates(int nCmdShow)
{
    return nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWMINNOACTIVE &&
           nCmdShow != SW_MINIMIZE;
}

void Hide(HWND h)
{
    SendMessage(h, WM_SHOWWINDOW, FALSE, 0);
    if (!Live(h))
        return;
    h->style &= ~WS_VISIBLE;
    if (h->widget)
        h->widget->hide();
    if (GetFocus() == h || IsChild(h, GetFocus()))
        SetFocus(h->parent);
}

void Show(HWND h)
{
    SendMessage(h, WM_SHOWWINDOW, TRUE, 0);
    if (!Live(h))
        return;
    h->style |= WS_VISIBLE;
    if (h->widget) {
        if (h->parent)
            h->widget->show();
        else
            WindowGeometry::ShowInSizeState(h);
    }
    WindowPainting::SendNcPaint(h);
    InvalidateRect(h, nullptr, TRUE);
}

// Minimising, maximising and restoring: the style bits, the widget, WM_SIZE.
void ChangeSizeState(HWND h, UINT state)
{
    h->sizeState = state;
    h->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    if (state == SIZE_MINIMIZED)
        h->style |= WS_MINIMIZE;
    else if (state == SIZE_MAXIMIZED)
        h->style |= WS_MAXIMIZE;
    WindowGeometry::ShowInSizeState(h);
    if (!Live(h))
        return;
    int cx = state == SIZE_MINIMIZED ? 0 : h->clientRect.right - h->clientRect.left;
    int cy = state == SIZE_MINIMIZED ? 0 : h->clientRect.bottom - h->clientRect.top;
    SendMessage(h, WM_SIZE, state, MAKELPARAM(cx, cy));
}

} // namespace

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    BOOL wasVisible = (h->style & WS_VISIBLE) ? TRUE : FALSE;
    if (nCmdShow == SW_HIDE) {
        if (wasVisible)
            Hide(h);
        return wasVisible;
    }
    UINT state = h->parent ? SIZE_RESTORED : SizeStateFor(nCmdShow, h->sizeState);
    bool stateChanges = state != h->sizeState;
    if (stateChanges)
        h->sizeState = state; // shown in its new state straight away
    if (!wasVisible)
        Show(h);
    if (!Live(h))
        return wasVisible;
    if (stateChanges)
        ChangeSizeState(h, state);
    if (Live(h) && !h->parent && Activates(nCmdShow) && state != SIZE_MINIMIZED && !(h->exStyle & WS_EX_TOOLWINDOW))
        SetActiveWindow(h);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd)
{
    for (HWND h = Live(hWnd); h; h = h->parent)
        if (!(h->style & WS_VISIBLE))
            return FALSE;
    return Live(hWnd) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hWnd)
{
    HWND h = Live(hWnd);
    return h && h->sizeState == SIZE_MINIMIZED;
}

BOOL IsZoomed(HWND hWnd)
{
    HWND h = Live(hWnd);
    return h && h->sizeState == SIZE_MAXIMIZED;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    BOOL wasDisabled = (h->style & WS_DISABLED) ? TRUE : FALSE;
    if (bEnable == !wasDisabled)
        return wasDisabled;
    if (!bEnable) {
        // A window losing its input stops what it was tracking first.
        SendMessage(h, WM_CANCELMODE, 0, 0);
        if (!Live(h))
            return wasDisabled;
        if (GetFocus() == h || IsChild(h, GetFocus()))
            SetFocus(nullptr);
    }
    if (bEnable)
        h->style &= ~WS_DISABLED;
    else
        h->style |= WS_DISABLED;
    if (h->widget)
        h->widget->setEnabled(bEnable != 0);
    SendMessage(h, WM_ENABLE, bEnable, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd)
{
    HWND h = Live(hWnd);
    return h && !(h->style & WS_DISABLED);
}
