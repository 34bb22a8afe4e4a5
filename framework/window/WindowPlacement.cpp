// Position changes. SetWindowPos is the one path that moving, sizing,
// z-order, showing and hiding (ShowWindow, SetParent, DestroyWindow) and the
// minimised and maximised states take: WM_WINDOWPOSCHANGING, the change,
// WM_WINDOWPOSCHANGED with the flags of what changed. WM_MOVE and WM_SIZE
// come from the default handling of WM_WINDOWPOSCHANGED.
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include <QGuiApplication>

#include <algorithm>

using WindowCore::Live;

namespace {
bool g_placedByDesktop = false;
int g_reporting = 0;
} // namespace

Desktop::Report::Report()
{
    ++g_reporting;
}

Desktop::Report::~Report()
{
    --g_reporting;
}

bool Desktop::Reporting()
{
    return g_reporting > 0;
}

bool Desktop::PlacesTopLevelWindows()
{
    return g_placedByDesktop || QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void Desktop::SetPlacesTopLevelWindows(bool places)
{
    g_placedByDesktop = places;
}

namespace {

int Width(const RECT &r)
{
    return r.right - r.left;
}
int Height(const RECT &r)
{
    return r.bottom - r.top;
}

void Restack(HWND h, HWND hInsertAfter)
{
    if (!h->parent) {
        if (h->widget && h->widget->isVisible() && hInsertAfter != HWND_BOTTOM &&
            QGuiApplication::platformName() != QLatin1String("offscreen"))
            h->widget->raise();
        return;
    }
    auto &siblings = h->parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    if (hInsertAfter == HWND_BOTTOM) {
        siblings.push_back(h);
    } else {
        auto it = std::find(siblings.begin(), siblings.end(), hInsertAfter);
        siblings.insert(it == siblings.end() ? siblings.begin() : it + 1, h);
    }
    // Qt stacks the last child on top; restack all widgets in our order.
    for (auto it = siblings.rbegin(); it != siblings.rend(); ++it)
        if ((*it)->widget)
            (*it)->widget->raise();
}

// The request as the window gets it in WM_WINDOWPOSCHANGING: the current
// place and size where they do not change, and showing or hiding dropped
// when the window already is so.
WINDOWPOS Request(HWND h, HWND hInsertAfter, int x, int y, int cx, int cy, UINT flags)
{
    WINDOWPOS wp{h, hInsertAfter, x, y, cx, cy, flags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE)};
    const RECT &now = h->windowRect;
    if ((flags & SWP_NOMOVE) || (x == now.left && y == now.top)) {
        wp.x = now.left;
        wp.y = now.top;
        wp.flags |= SWP_NOMOVE;
    }
    if ((flags & SWP_NOSIZE) || (cx == Width(now) && cy == Height(now))) {
        wp.cx = Width(now);
        wp.cy = Height(now);
        wp.flags |= SWP_NOSIZE;
    }
    if (h->style & WS_VISIBLE) {
        wp.flags &= ~SWP_SHOWWINDOW;
    } else {
        wp.flags &= ~SWP_HIDEWINDOW;
        if (!(wp.flags & SWP_SHOWWINDOW))
            wp.flags |= SWP_NOREDRAW; // nothing of a hidden window shows
    }
    return wp;
}

// The widget follows the window's size state; the geometry Qt reports while
// it does so is the window's own.
void ShowTopLevel(HWND h)
{
    if (auto *widget = h->widget.data())
        widget->RunQuietly([h]() { WindowGeometry::ShowInSizeState(h); });
}

void ShowNow(HWND h)
{
    h->style |= WS_VISIBLE;
    if (h->parent) {
        if (h->widget)
            h->widget->show();
    } else {
        ShowTopLevel(h);
    }
    WindowPainting::SendNcPaint(h);
    if (!Live(h))
        return;
    // The children appear with it: they paint too, even those whose
    // invalidation came while the window was hidden.
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void HideNow(HWND h)
{
    h->style &= ~WS_VISIBLE;
    if (h->widget)
        h->widget->hide();
}

// Activation by a position change: a child hears WM_CHILDACTIVATE, a
// top-level window becomes the active window.
void ActivateByPosition(HWND h, UINT flags)
{
    if ((flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) || !IsWindowVisible(h))
        return;
    if (h->parent)
        SendMessage(h, WM_CHILDACTIVATE, 0, 0);
    else if (h->sizeState != SIZE_MINIMIZED)
        SetActiveWindow(h);
}

// Carries out the change the window agreed to in WM_WINDOWPOSCHANGING.
bool Carry(HWND h, WINDOWPOS &wp)
{
    RECT old = h->windowRect;
    RECT oldClient = h->clientRect;
    RECT rc{wp.x, wp.y, wp.x + plexoMax(wp.cx, 0), wp.y + plexoMax(wp.cy, 0)};
    if (wp.flags & SWP_NOMOVE)
        rc = RECT{old.left, old.top, old.left + Width(rc), old.top + Height(rc)};
    if (wp.flags & SWP_NOSIZE)
        rc = RECT{rc.left, rc.top, rc.left + Width(old), rc.top + Height(old)};
    if (!h->parent && h->widget && h->widget->isWindow() && Desktop::PlacesTopLevelWindows() && !Desktop::Reporting()) {
        // The desktop keeps the window where it is.
        rc = RECT{old.left, old.top, old.left + Width(rc), old.top + Height(rc)};
        wp.x = old.left;
        wp.y = old.top;
    }
    bool moved = rc.left != old.left || rc.top != old.top;
    bool sized = Width(rc) != Width(old) || Height(rc) != Height(old);
    wp.flags |= (moved ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);

    // A top-level window on its way out is not raised first.
    if (!(wp.flags & SWP_NOZORDER) && !((wp.flags & SWP_HIDEWINDOW) && !h->parent))
        Restack(h, wp.hwndInsertAfter);
    if (sized || (wp.flags & SWP_FRAMECHANGED))
        WindowGeometry::Apply(h, rc, &wp);
    else if (moved)
        WindowGeometry::Move(h, rc);
    if (!Live(h))
        return false;
    if (wp.flags & SWP_SHOWWINDOW)
        ShowNow(h);
    else if (wp.flags & SWP_HIDEWINDOW)
        HideNow(h);
    else if ((wp.flags & SWP_STATECHANGED) && !h->parent && (h->style & WS_VISIBLE))
        ShowTopLevel(h);
    if (!Live(h))
        return false;
    ActivateByPosition(h, wp.flags);
    if (!Live(h))
        return false;

    // WM_SIZE and WM_MOVE follow the client area, which a frame change alone
    // may move or resize; a new size state reports both.
    bool stateChanged = (wp.flags & SWP_STATECHANGED) != 0;
    bool clientSized =
        stateChanged || Width(h->clientRect) != Width(oldClient) || Height(h->clientRect) != Height(oldClient);
    bool clientMoved =
        stateChanged || moved || h->clientRect.left != oldClient.left || h->clientRect.top != oldClient.top;
    wp.flags |= (clientSized ? 0 : SWP_NOCLIENTSIZE) | (clientMoved ? 0 : SWP_NOCLIENTMOVE);
    // A window hidden here stays the active window: ShowWindow and
    // DestroyWindow pass the activation on, and a modal loop that hides its
    // dialog first re-enables and activates the owner itself.
    SendMessage(h, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return Live(h) != nullptr;
}

} // namespace

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    WINDOWPOS wp = Request(h, hWndInsertAfter, x, y, cx, cy, uFlags);
    if (!(wp.flags & SWP_NOSENDCHANGING)) {
        SendMessage(h, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!Live(h))
            return FALSE;
    }
    return Carry(h, wp) ? TRUE : FALSE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
    return SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight, flags);
}

BOOL BringWindowToTop(HWND hWnd)
{
    return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
