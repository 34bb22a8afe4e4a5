// Window longs (procedure, styles, id, user data) and window properties.
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/resources/ResourceTypes.h"

#include <QByteArray>

#include <algorithm>

#include <string>

using WindowCore::Live;

// ---- Styles

namespace {

constexpr DWORD kFrameStyles = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME;
constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

// A top-level window given WS_CHILD becomes a child of its owner, where it
// was on the screen.
void BecomeChild(HWND h)
{
    HWND parent = Live(h->owner);
    if (h->parent || !parent)
        return;
    QPoint origin = WindowGeometry::WindowOriginOnScreen(h) - WindowGeometry::ClientOriginOnScreen(parent);
    RECT &rc = h->windowRect;
    rc = RECT{origin.x(), origin.y(), origin.x() + rc.right - rc.left, origin.y() + rc.bottom - rc.top};
    h->owner = nullptr;
    h->parent = parent;
    parent->children.insert(parent->children.begin(), h);
    if (h->widget && parent->widget) {
        h->widget->setParent(parent->widget, Qt::Widget);
        WindowGeometry::Place(h);
        h->widget->setVisible((h->style & WS_VISIBLE) != 0);
    }
}

// A child losing WS_CHILD becomes a top-level window owned by its old
// parent's top-level window, where it was on the screen.
void BecomeTopLevel(HWND h)
{
    HWND parent = h->parent;
    if (!parent)
        return;
    QPoint origin = WindowGeometry::WindowOriginOnScreen(h);
    RECT &rc = h->windowRect;
    rc = RECT{origin.x(), origin.y(), origin.x() + rc.right - rc.left, origin.y() + rc.bottom - rc.top};
    auto &siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    h->parent = nullptr;
    h->owner = GetTopLevelWindow(parent);
    if (h->widget) {
        QWidget *ownerWidget = h->owner ? h->owner->widget.data() : nullptr;
        h->widget->setParent(ownerWidget, WindowCore::TopLevelFlags(h->style, h->exStyle));
        h->widget->setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(h->text)));
        WindowGeometry::Place(h);
        WindowGeometry::ShowInSizeState(h);
    }
}

// What the new styles change at once: visibility (shown or hidden without
// activation or messages), being a child or a top-level window, the
// disabled state.
void ApplyStyle(HWND h, DWORD before)
{
    DWORD changed = before ^ h->style;
    if ((changed & WS_CHILD) && (h->style & WS_CHILD))
        BecomeChild(h);
    else if ((changed & WS_CHILD) && h->parent)
        BecomeTopLevel(h);
    if ((changed & WS_VISIBLE) && h->widget) {
        if (!(h->style & WS_VISIBLE))
            h->widget->hide();
        else if (h->parent)
            h->widget->show();
        else
            h->widget->RunQuietly([h]() { WindowGeometry::ShowInSizeState(h); });
    }
    if ((changed & WS_DISABLED) && h->widget)
        h->widget->setEnabled(!(h->style & WS_DISABLED));
}

// WM_STYLECHANGING (the window may still change the new styles), the new
// styles, WM_STYLECHANGED; a new frame is then calculated and drawn as
// SetWindowPos(SWP_FRAMECHANGED) does.
void ChangeStyles(HWND h, int nIndex, DWORD value)
{
    bool exStyle = nIndex == GWL_EXSTYLE;
    STYLESTRUCT ss{exStyle ? h->exStyle : h->style, value};
    SendMessage(h, WM_STYLECHANGING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&ss));
    if (!Live(h))
        return;
    DWORD before = exStyle ? h->exStyle : h->style;
    if (exStyle) {
        h->exStyle = ss.styleNew;
    } else {
        // The size state's bits follow the state itself.
        DWORD state = h->style & (WS_MINIMIZE | WS_MAXIMIZE);
        h->style = (ss.styleNew & ~(WS_MINIMIZE | WS_MAXIMIZE)) | state;
        ApplyStyle(h, before);
    }
    DWORD after = exStyle ? h->exStyle : h->style;
    SendMessage(h, WM_STYLECHANGED, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&ss));
    if (!Live(h))
        return;
    if ((before ^ after) & (exStyle ? kFrameExStyles : kFrameStyles))
        SetWindowPos(h, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

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
    case GWL_EXSTYLE: ChangeStyles(h, nIndex, static_cast<DWORD>(dwNewLong)); break;
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
    if (IS_INTRESOURCE(lpString)) {
        // Appended rather than "#" + std::to_string(...): GCC 12's release
        // build reports a false -Wrestrict on the literal-plus-string form.
        std::string key("#");
        key += std::to_string(reinterpret_cast<ULONG_PTR>(lpString));
        return key;
    }
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
