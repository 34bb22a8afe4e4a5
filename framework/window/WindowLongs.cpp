// Window longs (procedure, styles, id, user data) and window properties.
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/resources/ResourceTypes.h"

#include <QByteArray>

#include <string>

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
