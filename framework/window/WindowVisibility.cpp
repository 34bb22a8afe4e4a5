// Showing, hiding, minimising, maximising and restoring windows, and the
// enabled state.
#include "framework/window/ForeignWindows.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/gdi/SystemColors.h"

using WindowCore::Live;

// ---- Shown and enabled

namespace {

// The size state a show command asks for. Restoring a minimised window
// that was maximised before maximises it again.
UINT SizeStateFor(int nCmdShow, HWND h)
{
    switch (nCmdShow) {
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: return SIZE_MINIMIZED;
    case SW_SHOWMAXIMIZED: return SIZE_MAXIMIZED;
    case SW_RESTORE:
    case SW_SHOWNORMAL: return (h->sizeState == SIZE_MINIMIZED && h->restoreMaximized) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    default: return h->sizeState;
    }
}

bool Activates(int nCmdShow)
{
    return nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE && nCmdShow != SW_SHOWMINNOACTIVE &&
           nCmdShow != SW_MINIMIZE;
}

// Children are shown without activation and keep their place in the
// z-order; top-level windows are activated unless the command says not to.
UINT ActivationFlags(HWND h, int nCmdShow, UINT state)
{
    if (h->parent)
        return SWP_NOACTIVATE | SWP_NOZORDER;
    if (!Activates(nCmdShow) || state == SIZE_MINIMIZED || (h->exStyle & WS_EX_TOOLWINDOW))
        return SWP_NOACTIVATE;
    return 0;
}

void Hide(HWND h)
{
    SendMessage(h, WM_SHOWWINDOW, FALSE, 0);
    if (!Live(h))
        return;
    UINT flags = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | (h->parent ? SWP_NOACTIVATE | SWP_NOZORDER : 0);
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, flags);
    if (!Live(h))
        return;
    // A hidden top-level window gives the activation away, a hidden child
    // hands the focus to its parent.
    if (!h->parent && GetActiveWindow() == h)
        InputState::ActivateOther(h);
    HWND focus = GetFocus();
    if (Live(h) && h->parent && (focus == h || IsChild(h, focus)))
        SetFocus(h->parent);
}

// A child keeps its place when minimised and shows its caption alone; it
// fills its parent's client area with its client area when maximised
// (its frame and caption lie outside).
RECT ChildRectFor(HWND h, UINT state)
{
    RECT rc = h->windowRect;
    if (state == SIZE_MAXIMIZED) {
        GetClientRect(h->parent, &rc);
        AdjustWindowRectEx(&rc, h->style, FALSE, h->exStyle);
    } else if (state == SIZE_MINIMIZED) {
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, h->style, FALSE, h->exStyle);
        rc.right = rc.left + GetSystemMetrics(SM_CXMINIMIZED);
        rc.bottom = rc.top + plexoMax(static_cast<int>(frame.bottom - frame.top), GetSystemMetrics(SM_CYMINIMIZED));
    }
    return rc;
}

// Enters a size state: the style bits, the rectangle the window takes (a
// window leaving the normal state remembers the one it is restored to).
RECT EnterSizeState(HWND h, UINT state)
{
    UINT from = h->sizeState;
    RECT rc = h->windowRect;
    if (from == SIZE_RESTORED && state != SIZE_RESTORED)
        h->normalRect = h->windowRect;
    if (h->parent && state != SIZE_RESTORED)
        rc = ChildRectFor(h, state);
    else if (state == SIZE_MAXIMIZED)
        rc = WindowGeometry::MaximizedRect(h);
    else if (state == SIZE_RESTORED && (from == SIZE_MAXIMIZED || (h->parent && from == SIZE_MINIMIZED)))
        rc = h->normalRect;
    if (state == SIZE_MINIMIZED)
        h->restoreMaximized = from == SIZE_MAXIMIZED;
    h->sizeState = state;
    h->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    if (state == SIZE_MINIMIZED)
        h->style |= WS_MINIMIZE;
    else if (state == SIZE_MAXIMIZED)
        h->style |= WS_MAXIMIZE;
    return rc;
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
    UINT state = SizeStateFor(nCmdShow, h);
    bool stateChanges = state != h->sizeState;
    if (wasVisible && !stateChanges) {
        if (!h->parent && Activates(nCmdShow) && !(h->exStyle & WS_EX_TOOLWINDOW))
            SetActiveWindow(h);
        return wasVisible;
    }
    if (!wasVisible) {
        SendMessage(h, WM_SHOWWINDOW, TRUE, 0);
        if (!Live(h))
            return wasVisible;
    }
    bool fromIcon = h->sizeState == SIZE_MINIMIZED && state != SIZE_MINIMIZED;
    UINT flags = SWP_SHOWWINDOW | ActivationFlags(h, nCmdShow, state);
    RECT rc = h->windowRect;
    if (stateChanges) {
        rc = EnterSizeState(h, state);
        if (!Live(h))
            return wasVisible;
        flags |= SWP_FRAMECHANGED | SWP_STATECHANGED;
    } else {
        flags |= SWP_NOSIZE | SWP_NOMOVE;
    }
    SetWindowPos(h, HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, flags);
    if (!Live(h))
        return wasVisible;
    // A minimised window gives the activation and the focus away; a
    // restored one is painted whole again.
    if (state == SIZE_MINIMIZED && stateChanges && GetActiveWindow() == h)
        InputState::ActivateOther(h);
    else if (fromIcon)
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
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
