// Destroying windows: hiding them, then WM_DESTROY to every window of the
// tree before any of them gets WM_NCDESTROY, so that no window's WM_DESTROY
// runs after a neighbour's WM_NCDESTROY has freed what it refers to.
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include <algorithm>

namespace {

PlexoDestroyHook g_destroyHook = nullptr;

void Unlink(HWND h)
{
    if (h->parent) {
        auto &siblings = h->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    }
}

} // namespace

void PlexoSetDestroyHook(PlexoDestroyHook pfnHook)
{
    g_destroyHook = pfnHook;
}

namespace {

// WM_DESTROY to the window, then to its children (each before its own
// children). A window holding the capture loses it first.
void SendDestroyMessages(HWND h)
{
    h->destroying = true;
    h->destroySent = true;
    if (GetCapture() == h)
        ReleaseCapture();
    if (!WindowRegistry::IsLive(h))
        return;
    WindowCore::Call(h, WM_DESTROY, 0, 0);
    if (!WindowRegistry::IsLive(h))
        return;
    std::vector<HWND> children = h->children;
    for (HWND child : children)
        if (WindowRegistry::IsLive(child) && child->parent == h && !child->destroySent)
            SendDestroyMessages(child);
}

// WM_NCDESTROY to the children (each after its own children), then to the
// window; each record is freed after its WM_NCDESTROY.
void Free(HWND h)
{
    std::vector<HWND> children = h->children;
    for (HWND child : children) {
        if (!WindowRegistry::IsLive(child) || child->parent != h)
            continue;
        if (!child->destroySent) // created while its parent was being destroyed
            SendDestroyMessages(child);
        if (WindowRegistry::IsLive(child))
            Free(child);
    }
    if (!WindowRegistry::IsLive(h))
        return;
    WindowCore::Call(h, WM_NCDESTROY, 0, 0);
    InputState::Forget(h);
    Timers::Forget(h);
    Caret::Forget(h);
    MessageQueue::Forget(h);
    Unlink(h);
    WindowRegistry::Remove(h);
    for (HWND child : h->children)
        child->parent = nullptr; // freed above unless a handler re-parented it
    if (g_destroyHook)
        g_destroyHook(h);
    if (h->widget)
        h->widget->Release();
    delete h;
}

// Hides a visible window before destroying it:
// a child through ShowWindow, a top-level window without WM_SHOWWINDOW.
void HideForDestruction(HWND h)
{
    if (!(h->style & WS_VISIBLE))
        return;
    if (h->parent)
        ShowWindow(h, SW_HIDE);
    else
        SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace

void WindowCore::Destroy(HWND h)
{
    h->destroying = true;
    if (h->created && h->parent)
        SendParentNotify(h, WM_DESTROY, reinterpret_cast<LPARAM>(h));
    if (!WindowRegistry::IsLive(h))
        return;
    HideForDestruction(h);
    if (!WindowRegistry::IsLive(h))
        return;
    // The activation passes on (hiding a top-level window through
    // SetWindowPos kept it), then a focus still inside the window moves.
    if (GetActiveWindow() == h)
        InputState::ActivateOther(h);
    if (WindowRegistry::IsLive(h))
        InputState::MoveFocusFromDestroyed(h);
    for (HWND owned : WindowRegistry::TopLevelWindows())
        if (WindowRegistry::IsLive(owned) && owned->owner == h && !owned->destroying)
            DestroyWindow(owned);
    if (!WindowRegistry::IsLive(h))
        return;
    SendDestroyMessages(h);
    if (WindowRegistry::IsLive(h))
        Free(h);
}

BOOL DestroyWindow(HWND hWnd)
{
    HWND h = WindowCore::Live(hWnd);
    if (!h || h->destroying)
        return FALSE;
    WindowCore::Destroy(h);
    return TRUE;
}
