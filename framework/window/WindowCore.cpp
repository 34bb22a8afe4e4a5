// Window records: the live-window registry, creation, parent notification
// and the guarded call into a window's procedure chain.
#include "framework/window/CursorHandles.h"
#include "framework/window/ForeignWindows.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/object/Exceptions.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <unordered_set>

namespace {

std::unordered_set<HWND> &Live()
{
    static std::unordered_set<HWND> live;
    return live;
}
std::vector<HWND> &CreationOrder()
{
    static std::vector<HWND> order;
    return order;
}
PlexoCreationHook g_creationHook = nullptr;

} // namespace

Qt::WindowFlags WindowCore::TopLevelFlags(DWORD style, DWORD exStyle)
{
    if (style & WS_POPUP) {
        Qt::WindowFlags flags = (style & WS_CAPTION) == WS_CAPTION ? Qt::Dialog : (Qt::Tool | Qt::FramelessWindowHint);
        if (exStyle & WS_EX_TOPMOST)
            flags |= Qt::WindowStaysOnTopHint;
        return flags;
    }
    return Qt::Window;
}

namespace {

RECT InitialRect(HWND h, int x, int y, int cx, int cy)
{
    bool topLevel = !(h->style & WS_CHILD);
    if (x == CW_USEDEFAULT) {
        x = topLevel ? 40 : 0;
        y = topLevel ? 40 : 0;
    }
    if (cx == CW_USEDEFAULT) {
        cx = topLevel ? 640 : 0;
        cy = topLevel ? 480 : 0;
    }
    return RECT{x, y, x + plexoMax(cx, 0), y + plexoMax(cy, 0)};
}

} // namespace

void PlexoSetCreationHook(PlexoCreationHook pfnHook)
{
    g_creationHook = pfnHook;
}

bool WindowRegistry::IsLive(HWND hWnd)
{
    return hWnd && Live().count(hWnd) != 0;
}

void WindowRegistry::Add(HWND hWnd)
{
    Live().insert(hWnd);
    CreationOrder().push_back(hWnd);
}

void WindowRegistry::Remove(HWND hWnd)
{
    Live().erase(hWnd);
    auto &order = CreationOrder();
    order.erase(std::remove(order.begin(), order.end(), hWnd), order.end());
}

std::vector<HWND> WindowRegistry::TopLevelWindows()
{
    std::vector<HWND> result;
    for (HWND h : CreationOrder())
        if (!h->parent)
            result.push_back(h);
    return result;
}

HWND WindowCore::Live(HWND hWnd)
{
    return WindowRegistry::IsLive(hWnd) ? hWnd : nullptr;
}

QWidget *WindowCore::Widget(HWND hWnd)
{
    HWND h = Live(hWnd);
    return h ? h->widget.data() : nullptr;
}

HWND WindowCore::FromWidget(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *ww = dynamic_cast<const WindowWidget *>(w))
            return Live(ww->Window());
    }
    return nullptr;
}

void WindowCore::ReportUncaught(const char *what)
{
    // Shown the way the framework's own exceptions are reported.
    CString text = CString("A message handler failed: ") + (what ? what : "");
    AfxMessageBoxHandler handler = AfxSetMessageBoxHandler(nullptr);
    AfxSetMessageBoxHandler(handler);
    if (handler)
        handler(text, MB_ICONERROR, 0);
    else
        std::fprintf(stderr, "Plexo: %s\n", static_cast<LPCTSTR>(text));
}

namespace {

// What a message whose handler failed answers: creation fails, a paint
// does not repeat for ever, anything else answers 0. A user exception
// means the user was told already; the others are reported.
LRESULT AfterFailure(HWND h, UINT message, bool report, const char *what, CException *e)
{
    if (report) {
        if (e)
            e->ReportError(MB_ICONSTOP);
        else
            WindowCore::ReportUncaught(what);
    }
    if (message == WM_CREATE)
        return -1;
    if (message == WM_PAINT && WindowRegistry::IsLive(h))
        ValidateRect(h, nullptr);
    return 0;
}

} // namespace

LRESULT WindowCore::Call(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND h = Live(hWnd);
    if (!h || !h->wndProc)
        return 0;
    try {
        return h->wndProc(h, message, wParam, lParam);
    } catch (CException *e) {
        LRESULT result = AfterFailure(h, message, !e->IsKindOf(RUNTIME_CLASS(CUserException)), nullptr, e);
        e->Delete();
        return result;
    } catch (const std::exception &e) {
        return AfterFailure(h, message, true, e.what(), nullptr);
    } catch (...) {
        return AfterFailure(h, message, true, "unknown exception", nullptr);
    }
}

HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, int x, int y, int nWidth,
                    int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam)
{
    WNDCLASS wc{};
    if (!lpClassName || !GetClassInfo(hInstance, lpClassName, &wc))
        return nullptr;
    HWND hParent = WindowCore::Live(hWndParent);
    if ((dwStyle & WS_CHILD) && !hParent)
        return nullptr;

    HWND h = new HWND__;
    h->className = lpClassName;
    h->windowClass = wc;
    h->windowClass.lpszClassName = nullptr;
    h->wndProc = wc.lpfnWndProc;
    h->style = dwStyle & ~WS_VISIBLE;
    h->exStyle = dwExStyle;
    h->instance = hInstance;
    h->text = lpWindowName;
    if (dwStyle & WS_CHILD) {
        h->parent = hParent;
        h->id = reinterpret_cast<UINT_PTR>(hMenu);
        hParent->children.insert(hParent->children.begin(), h);
    } else {
        h->owner = hParent ? GetTopLevelWindow(hParent) : nullptr;
        h->menu = hMenu;
    }
    WindowRegistry::Add(h);

    QWidget *parentWidget = h->parent ? h->parent->widget.data() : (h->owner ? h->owner->widget.data() : nullptr);
    Qt::WindowFlags flags = h->parent ? Qt::Widget : WindowCore::TopLevelFlags(dwStyle, dwExStyle);
    h->widget = new WindowWidget(h, parentWidget, flags);
    if (!h->parent) {
        h->widget->setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(h->text)));
        // The desktop's caption and task list show the class's icon.
        const QIcon icon = PlexoIconFromHandle(wc.hIcon);
        if (!icon.isNull())
            h->widget->setWindowIcon(icon);
    }

    if (g_creationHook)
        g_creationHook(h);

    if (!h->parent) {
        WindowGeometry::QueryMinMaxInfo(h);
        if (!WindowRegistry::IsLive(h))
            return nullptr;
    }
    RECT rc = InitialRect(h, x, y, nWidth, nHeight);
    CREATESTRUCT cs{lpParam,
                    hInstance,
                    hMenu,
                    hParent,
                    rc.bottom - rc.top,
                    rc.right - rc.left,
                    rc.top,
                    rc.left,
                    static_cast<LONG>(dwStyle),
                    lpWindowName,
                    lpClassName,
                    dwExStyle};
    if (!WindowCore::Call(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        WindowCore::Destroy(h);
        return nullptr;
    }
    WindowGeometry::Apply(h, rc, nullptr);
    if (!WindowRegistry::IsLive(h))
        return nullptr;
    if (WindowCore::Call(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        if (WindowRegistry::IsLive(h))
            WindowCore::Destroy(h);
        return nullptr;
    }
    if (!WindowRegistry::IsLive(h))
        return nullptr;
    h->created = true;
    RECT client = h->clientRect;
    WindowCore::Call(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right - client.left, client.bottom - client.top));
    WindowCore::Call(h, WM_MOVE, 0, MAKELPARAM(h->windowRect.left + client.left, h->windowRect.top + client.top));
    if (WindowRegistry::IsLive(h) && h->parent)
        WindowCore::SendParentNotify(h, WM_CREATE, reinterpret_cast<LPARAM>(h));
    if (WindowRegistry::IsLive(h) && (dwStyle & WS_VISIBLE))
        ShowWindow(h, SW_SHOW);
    return WindowRegistry::IsLive(h) ? h : nullptr;
}

void WindowCore::SendParentNotify(HWND hChild, UINT event, LPARAM lParam, bool bPoint)
{
    HWND h = Live(hChild);
    if (!h)
        return;
    WPARAM wParam = MAKEWPARAM(event, bPoint ? 0 : static_cast<WORD>(h->id));
    for (HWND w = h; w->parent && !(w->exStyle & WS_EX_NOPARENTNOTIFY);) {
        HWND parent = w->parent;
        LPARAM param = lParam;
        if (bPoint) {
            POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(parent, &pt);
            param = MAKELPARAM(pt.x, pt.y);
        }
        SendMessage(parent, WM_PARENTNOTIFY, wParam, param);
        if (!Live(parent))
            return;
        w = parent;
    }
}

BOOL IsWindow(HWND hWnd)
{
    if (WindowRegistry::IsLive(hWnd))
        return TRUE;
    const PlexoForeignWindowOps *foreign = PlexoForeignWindows();
    return hWnd && foreign ? foreign->isWindow(hWnd) : FALSE;
}
