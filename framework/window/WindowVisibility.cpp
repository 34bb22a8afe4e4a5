// Showing, hiding, minimising, maximising and restoring windows, and the
// enabled state.
#include "framework/window/ForeignWindows.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

using WindowCore::Live;

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
    // The children appear with it: they paint too, even those whose
    // invalidation came while the window was hidden.
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
    if (!h) {
        const PlexoForeignWindowOps *foreign = PlexoForeignWindows();
        return hWnd && foreign ? foreign->showWindow(hWnd, nCmdShow) : FALSE;
    }
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
    if (!h) {
        const PlexoForeignWindowOps *foreign = PlexoForeignWindows();
        return hWnd && foreign ? foreign->isIconic(hWnd) : FALSE;
    }
    return h->sizeState == SIZE_MINIMIZED;
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
