// Window geometry: the window and client rectangles, moving, sizing,
// z-order, coordinate mapping and finding windows by point.
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/gdi/SystemColors.h"

#include <QPainter>

#include <algorithm>

using WindowCore::Live;

namespace {

int Width(const RECT &r)
{
    return r.right - r.left;
}
int Height(const RECT &r)
{
    return r.bottom - r.top;
}

RECT InsetsFor(DWORD style, DWORD exStyle, bool child)
{
    int edge = 0;
    if (child) {
        if (style & WS_THICKFRAME)
            edge += GetSystemMetrics(SM_CXFRAME);
        else if (style & WS_DLGFRAME) // a caption (WS_BORDER | WS_DLGFRAME) comes with a dialog frame
            edge += GetSystemMetrics(SM_CXDLGFRAME);
        else if (style & WS_BORDER)
            edge += GetSystemMetrics(SM_CXBORDER);
    }
    if (exStyle & WS_EX_CLIENTEDGE)
        edge += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE)
        edge += GetSystemMetrics(SM_CXBORDER);
    // A child draws its own caption; the desktop draws a top-level one.
    int caption = child && (style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
    return RECT{edge, edge + caption, edge, edge};
}

// The backing image follows the window's size and keeps what it shows.
void ResizeBacking(HWND h)
{
    QSize size(plexoMax(Width(h->windowRect), 1), plexoMax(Height(h->windowRect), 1));
    if (h->backing.size() == size)
        return;
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    if (!h->backing.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, h->backing);
    }
    if (h->openDCs > 0)
        h->retiredBacking.push_back(h->backing); // open contexts still draw into it
    h->backing = image;
}

void InvalidateAfterResize(HWND h, const QSize &oldClient)
{
    QSize client(Width(h->clientRect), Height(h->clientRect));
    // What lay beyond a shrunken client area needs no painting any more.
    h->invalid &= QRegion(0, 0, client.width(), client.height());
    if (client == oldClient || !(h->style & WS_VISIBLE))
        return;
    UINT classStyle = h->windowClass.style;
    bool all = ((classStyle & CS_HREDRAW) && client.width() != oldClient.width()) ||
               ((classStyle & CS_VREDRAW) && client.height() != oldClient.height());
    QRegion exposed =
        all ? QRegion(0, 0, client.width(), client.height())
            : QRegion(0, 0, client.width(), client.height()) - QRegion(0, 0, oldClient.width(), oldClient.height());
    if (exposed.isEmpty())
        return;
    h->invalid += exposed;
    h->erasePending = true;
    WindowPainting::RequestPaint(h);
}

// A child shows only inside its parent's client area: what lies beyond it
// (a maximised document window's caption and frame) is masked off, so it
// never covers the parent's frame.
void ClipToParentClient(HWND h, const QRect &rect)
{
    QRect client(WindowGeometry::ClientOrigin(h->parent),
                 QSize(Width(h->parent->clientRect), Height(h->parent->clientRect)));
    QRect visible = rect.intersected(client);
    if (visible == rect) {
        if (!h->widget->mask().isEmpty())
            h->widget->clearMask();
        return;
    }
    // An empty mask would mean none: a region outside the widget hides it all.
    QRegion mask = visible.isEmpty() ? QRegion(-1, -1, 1, 1) : QRegion(visible.translated(-rect.topLeft()));
    if (h->widget->mask() != mask)
        h->widget->setMask(mask);
}

void PlaceWidget(HWND h)
{
    if (!h->widget)
        return;
    QRect rect(h->windowRect.left, h->windowRect.top, plexoMax(Width(h->windowRect), 0),
               plexoMax(Height(h->windowRect), 0));
    if (h->parent)
        rect.translate(WindowGeometry::ClientOrigin(h->parent));
    h->widget->SetGeometryQuietly(rect);
    if (h->parent)
        ClipToParentClient(h, rect);
}

} // namespace

RECT WindowGeometry::StandardInsets(HWND h)
{
    RECT insets = InsetsFor(h->style, h->exStyle, h->parent != nullptr);
    if (h->style & WS_VSCROLL)
        insets.right += GetSystemMetrics(SM_CXVSCROLL);
    if (h->style & WS_HSCROLL)
        insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return insets;
}

bool WindowGeometry::Apply(HWND h, const RECT &rcWindow, WINDOWPOS *pChange)
{
    QSize oldClient(Width(h->clientRect), Height(h->clientRect));
    RECT oldWindow = h->windowRect;
    h->windowRect = rcWindow;
    // At creation the message carries the window rectangle alone; on a
    // change it also carries the old window and client rectangles (in the
    // parent's coordinates) and the change itself.
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = rcWindow;
    if (pChange) {
        params.rgrc[1] = oldWindow;
        params.rgrc[2] = RECT{oldWindow.left + h->clientRect.left, oldWindow.top + h->clientRect.top,
                              oldWindow.left + h->clientRect.right, oldWindow.top + h->clientRect.bottom};
        params.lppos = pChange;
    }
    WindowCore::Call(h, WM_NCCALCSIZE, pChange ? TRUE : FALSE, reinterpret_cast<LPARAM>(&params));
    if (!Live(h))
        return false;
    RECT client = params.rgrc[0];
    client.left = std::clamp(client.left, rcWindow.left, rcWindow.right);
    client.right = std::clamp(client.right, client.left, rcWindow.right);
    client.top = std::clamp(client.top, rcWindow.top, rcWindow.bottom);
    client.bottom = std::clamp(client.bottom, client.top, rcWindow.bottom);
    h->clientRect = RECT{client.left - rcWindow.left, client.top - rcWindow.top, client.right - rcWindow.left,
                         client.bottom - rcWindow.top};
    ResizeBacking(h);
    PlaceWidget(h);
    for (HWND child : h->children)
        PlaceWidget(child);
    ScrollBars::Layout(h);
    WindowPainting::SendNcPaint(h);
    if (!Live(h))
        return false;
    InvalidateAfterResize(h, oldClient);
    return QSize(Width(h->clientRect), Height(h->clientRect)) != oldClient;
}

void WindowGeometry::Move(HWND h, const RECT &rcWindow)
{
    h->windowRect = rcWindow;
    PlaceWidget(h);
}

void WindowGeometry::Place(HWND h)
{
    PlaceWidget(h);
}

QPoint WindowGeometry::ClientOrigin(HWND h)
{
    return QPoint(h->clientRect.left, h->clientRect.top);
}

QPoint WindowGeometry::WindowOriginOnScreen(HWND h)
{
    if (h->parent)
        return ClientOriginOnScreen(h->parent) + QPoint(h->windowRect.left, h->windowRect.top);
    // A window without a parent window that a Qt widget hosts (a dock, a
    // layout) is where Qt put it.
    if (h->widget && !h->widget->isWindow())
        return h->widget->mapToGlobal(QPoint(0, 0));
    return QPoint(h->windowRect.left, h->windowRect.top);
}

QPoint WindowGeometry::ClientOriginOnScreen(HWND h)
{
    return WindowOriginOnScreen(h) + ClientOrigin(h);
}

MINMAXINFO WindowGeometry::QueryMinMaxInfo(HWND h)
{
    int cxScreen = GetSystemMetrics(SM_CXSCREEN), cyScreen = GetSystemMetrics(SM_CYSCREEN);
    MINMAXINFO mmi{};
    mmi.ptMaxSize = POINT{cxScreen, cyScreen};
    mmi.ptMaxPosition = POINT{0, 0};
    mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = POINT{cxScreen + 12, cyScreen + 12};
    SendMessage(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return mmi;
}

void WindowGeometry::ClampToTrackingLimits(HWND h, RECT &rc, UINT edge)
{
    MINMAXINFO mmi = QueryMinMaxInfo(h);
    int cx = std::clamp<int>(Width(rc), mmi.ptMinTrackSize.x, plexoMax(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
    int cy = std::clamp<int>(Height(rc), mmi.ptMinTrackSize.y, plexoMax(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
        rc.left = rc.right - cx;
    else
        rc.right = rc.left + cx;
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
        rc.top = rc.bottom - cy;
    else
        rc.bottom = rc.top + cy;
}

void WindowGeometry::ShowInSizeState(HWND h)
{
    if (!h->widget || !(h->style & WS_VISIBLE) || h->parent)
        return;
    switch (h->sizeState) {
    case SIZE_MINIMIZED: h->widget->showMinimized(); break;
    case SIZE_MAXIMIZED: h->widget->showMaximized(); break;
    default:
        if (h->widget->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
            h->widget->showNormal();
        else
            h->widget->show();
        break;
    }
}

RECT WindowGeometry::MaximizedRect(HWND h)
{
    MINMAXINFO mmi = QueryMinMaxInfo(h);
    return RECT{mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxPosition.x + mmi.ptMaxSize.x,
                mmi.ptMaxPosition.y + mmi.ptMaxSize.y};
}

BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL, DWORD dwExStyle)
{
    if (!lpRect)
        return FALSE;
    RECT insets = InsetsFor(dwStyle, dwExStyle, (dwStyle & WS_CHILD) != 0);
    lpRect->left -= insets.left;
    lpRect->top -= insets.top;
    lpRect->right += insets.right;
    lpRect->bottom += insets.bottom;
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    HWND h = Live(hWnd);
    if (!h || !lpRect)
        return FALSE;
    QPoint origin = WindowGeometry::WindowOriginOnScreen(h);
    *lpRect = RECT{origin.x(), origin.y(), origin.x() + Width(h->windowRect), origin.y() + Height(h->windowRect)};
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    HWND h = Live(hWnd);
    if (!h || !lpRect)
        return FALSE;
    *lpRect = RECT{0, 0, Width(h->clientRect), Height(h->clientRect)};
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    HWND h = Live(hWnd);
    if (!h || !lpPoint)
        return FALSE;
    QPoint origin = WindowGeometry::ClientOriginOnScreen(h);
    lpPoint->x += origin.x();
    lpPoint->y += origin.y();
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    HWND h = Live(hWnd);
    if (!h || !lpPoint)
        return FALSE;
    QPoint origin = WindowGeometry::ClientOriginOnScreen(h);
    lpPoint->x -= origin.x();
    lpPoint->y -= origin.y();
    return TRUE;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints)
{
    QPoint from = Live(hWndFrom) ? WindowGeometry::ClientOriginOnScreen(hWndFrom) : QPoint();
    QPoint to = Live(hWndTo) ? WindowGeometry::ClientOriginOnScreen(hWndTo) : QPoint();
    int dx = from.x() - to.x(), dy = from.y() - to.y();
    for (UINT i = 0; lpPoints && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

// ---- Finding windows by point

namespace {

bool ContainsScreenPoint(HWND h, POINT pt)
{
    RECT rc;
    GetWindowRect(h, &rc);
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

HWND DeepestAt(HWND h, POINT pt)
{
    for (HWND child : h->children) {
        if (!(child->style & WS_VISIBLE) || !ContainsScreenPoint(child, pt))
            continue;
        if (child->style & WS_DISABLED)
            return h;
        return DeepestAt(child, pt);
    }
    return h;
}

} // namespace

HWND WindowFromPoint(POINT point)
{
    std::vector<HWND> tops = WindowRegistry::TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        HWND h = *it;
        if ((h->style & WS_VISIBLE) && ContainsScreenPoint(h, point))
            return DeepestAt(h, point);
    }
    return nullptr;
}

HWND ChildWindowFromPointEx(HWND hWndParent, POINT point, UINT uFlags)
{
    HWND h = Live(hWndParent);
    if (!h)
        return nullptr;
    if (point.x < 0 || point.y < 0 || point.x >= Width(h->clientRect) || point.y >= Height(h->clientRect))
        return nullptr;
    for (HWND child : h->children) {
        if ((uFlags & CWP_SKIPINVISIBLE) && !(child->style & WS_VISIBLE))
            continue;
        if ((uFlags & CWP_SKIPDISABLED) && (child->style & WS_DISABLED))
            continue;
        if ((uFlags & CWP_SKIPTRANSPARENT) && (child->exStyle & WS_EX_TRANSPARENT))
            continue;
        const RECT &rc = child->windowRect;
        if (point.x >= rc.left && point.x < rc.right && point.y >= rc.top && point.y < rc.bottom)
            return child;
    }
    return h;
}

HWND ChildWindowFromPoint(HWND hWndParent, POINT point)
{
    return ChildWindowFromPointEx(hWndParent, point, CWP_ALL);
}
