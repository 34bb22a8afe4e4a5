#include "framework/app/MdiClient.h"

#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WinStyles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kMaxListed = 9;

struct ClientState {
    HWND hActive = nullptr;
    HMENU hWindowMenu = nullptr;
    UINT idFirstChild = 0;
    int nListed = 0;         // items the client appended to the window menu
    std::vector<HWND> order; // the children in the order they were made
};

std::map<HWND, ClientState> &States()
{
    static std::map<HWND, ClientState> states;
    return states;
}

// The children in z-order, top first.
std::vector<HWND> Children(HWND hClient)
{
    std::vector<HWND> children;
    for (HWND h = GetWindow(hClient, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    return children;
}

RECT ClientArea(HWND hClient)
{
    RECT rect{};
    GetClientRect(hClient, &rect);
    return rect;
}

void Place(HWND hChild, int x, int y, int cx, int cy)
{
    SetWindowPos(hChild, nullptr, x, y, std::max(cx, 0), std::max(cy, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

// The separator before the list carries an id of its own.
UINT ListSeparatorId(const ClientState &state)
{
    return state.idFirstChild - 1;
}

void RefreshMenu(HWND hClient, ClientState &state)
{
    HMENU hMenu = state.hWindowMenu;
    if (hMenu == nullptr || !IsMenu(hMenu))
        return;
    // Remove what was appended last time: the items and the separator
    // before them, found by their ids (a program may have added items of
    // its own after them since).
    for (int i = 0; i <= kMaxListed; ++i)
        DeleteMenu(hMenu, state.idFirstChild + static_cast<UINT>(i), MF_BYCOMMAND);
    DeleteMenu(hMenu, ListSeparatorId(state), MF_BYCOMMAND);
    state.nListed = 0;

    // The children in the order they were made.
    std::vector<HWND> listed;
    for (HWND h : state.order) {
        if (IsWindow(h) && GetParent(h) == hClient && IsWindowVisible(h))
            listed.push_back(h);
    }
    if (listed.empty())
        return;
    AppendMenu(hMenu, MF_SEPARATOR, ListSeparatorId(state), nullptr);
    int nShown = std::min(static_cast<int>(listed.size()), kMaxListed);
    for (int i = 0; i < nShown; ++i) {
        char szTitle[256] = {};
        GetWindowText(listed[static_cast<size_t>(i)], szTitle, sizeof(szTitle));
        char text[300];
        std::snprintf(text, sizeof(text), "&%d %s", i + 1, szTitle);
        UINT nFlags = MF_STRING | (listed[static_cast<size_t>(i)] == state.hActive ? MF_CHECKED : MF_UNCHECKED);
        AppendMenu(hMenu, nFlags, state.idFirstChild + static_cast<UINT>(i), text);
        SetWindowLong(listed[static_cast<size_t>(i)], GWL_ID, static_cast<LONG>(state.idFirstChild + i));
    }
    if (static_cast<int>(listed.size()) > kMaxListed)
        AppendMenu(hMenu, MF_STRING, state.idFirstChild + kMaxListed, "&More Windows...");
    state.nListed = nShown + 1;
}

// The active child is maximised: it fills the client area with its own
// client area, its caption and frame out of sight (its buttons then show
// in the frame's menu bar).
bool IsMaximized(const ClientState &state)
{
    return state.hActive != nullptr && IsZoomed(state.hActive);
}

void Restore(ClientState &state)
{
    if (!IsMaximized(state))
        return;
    HWND hClient = GetParent(state.hActive);
    ShowWindow(state.hActive, SW_RESTORE);
    DrawMenuBar(GetParent(hClient)); // the caption buttons go
}

void Maximize(HWND hClient, ClientState &state, HWND hChild)
{
    if (IsZoomed(hChild))
        return;
    if (hChild != state.hActive)
        Restore(state);
    ShowWindow(hChild, SW_SHOWMAXIMIZED);
    DrawMenuBar(GetParent(hClient)); // the child's caption buttons show there
}

// Keeps a maximised child over the whole client area after it changed size.
void FitMaximized(HWND hClient, const ClientState &state)
{
    if (!IsMaximized(state))
        return;
    RECT rect = ClientArea(hClient);
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLong(state.hActive, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLong(state.hActive, GWL_EXSTYLE)));
    Place(state.hActive, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void Activate(HWND hClient, ClientState &state, HWND hChild)
{
    if (hChild == state.hActive)
        return;
    HWND hOld = state.hActive;
    bool bWasMaximized = IsMaximized(state);
    if (bWasMaximized)
        Restore(state);
    state.hActive = hChild;
    if (hOld != nullptr && IsWindow(hOld)) {
        SendMessage(hOld, WM_NCACTIVATE, FALSE, 0);
        SendMessage(hOld, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hOld), reinterpret_cast<LPARAM>(hChild));
    }
    if (hChild != nullptr) {
        SetWindowPos(hChild, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (bWasMaximized)
            Maximize(hClient, state, hChild);
        SendMessage(hChild, WM_NCACTIVATE, TRUE, 0);
        SendMessage(hChild, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hOld), reinterpret_cast<LPARAM>(hChild));
        if (GetActiveWindow() == GetTopLevelWindow(hClient))
            SetFocus(hChild);
    }
    RefreshMenu(hClient, state);
}

// The child after (or before) hFrom in the list of visible children.
HWND NextChild(HWND hClient, HWND hFrom, bool bPrevious)
{
    std::vector<HWND> children = Children(hClient);
    children.erase(std::remove_if(children.begin(), children.end(), [](HWND h) { return !IsWindowVisible(h); }),
                   children.end());
    if (children.size() < 2)
        return nullptr;
    auto it = std::find(children.begin(), children.end(), hFrom);
    if (it == children.end())
        return children.front();
    // Next: the one just behind the current one (which then goes to the
    // bottom); previous: the bottom-most one comes up.
    return bPrevious ? children.back() : (it + 1 == children.end() ? children.front() : *(it + 1));
}

void Cascade(HWND hClient, ClientState &state)
{
    Restore(state);
    RECT area = ClientArea(hClient);
    std::vector<HWND> children = Children(hClient);
    std::reverse(children.begin(), children.end()); // the active one last, on top
    int nStep = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    int cx = (area.right - area.left) * 3 / 4;
    int cy = (area.bottom - area.top) * 3 / 4;
    int i = 0;
    for (HWND h : children) {
        if (!IsWindowVisible(h) || IsIconic(h))
            continue;
        int offset = nStep * i++;
        if (offset + cy > area.bottom || offset + cx > area.right) {
            i = 1;
            offset = 0;
        }
        Place(h, offset, offset, cx, cy);
    }
}

void Tile(HWND hClient, ClientState &state, UINT nHow)
{
    Restore(state);
    RECT area = ClientArea(hClient);
    std::vector<HWND> children;
    for (HWND h : Children(hClient)) {
        if (IsWindowVisible(h) && !IsIconic(h) && !((nHow & MDITILE_SKIPDISABLED) && !IsWindowEnabled(h)))
            children.push_back(h);
    }
    int n = static_cast<int>(children.size());
    if (n == 0)
        return;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    // Columns (vertical tiles) or rows (horizontal tiles); a grid beyond
    // three, with the spare windows in the last column or row.
    int nMajor = n <= 3 ? n : static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
    int nMinorBase = n / nMajor;
    int nExtra = n % nMajor;
    int index = 0;
    for (int major = 0; major < nMajor; ++major) {
        int nMinor = nMinorBase + (major >= nMajor - nExtra ? 1 : 0);
        for (int minor = 0; minor < nMinor; ++minor) {
            HWND h = children[static_cast<size_t>(index++)];
            if (nHow & MDITILE_HORIZONTAL) {
                int y0 = height * major / nMajor;
                int y1 = height * (major + 1) / nMajor;
                int x0 = width * minor / nMinor;
                int x1 = width * (minor + 1) / nMinor;
                Place(h, x0, y0, x1 - x0, y1 - y0);
            } else {
                int x0 = width * major / nMajor;
                int x1 = width * (major + 1) / nMajor;
                int y0 = height * minor / nMinor;
                int y1 = height * (minor + 1) / nMinor;
                Place(h, x0, y0, x1 - x0, y1 - y0);
            }
        }
    }
}

void ArrangeIcons(HWND hClient)
{
    RECT area = ClientArea(hClient);
    // A minimised child shows its caption only.
    const int cx = 160;
    const int cy = GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME);
    int x = 0;
    int y = area.bottom - cy;
    for (HWND h : Children(hClient)) {
        if (!IsIconic(h))
            continue;
        if (x + cx > area.right && x > 0) {
            x = 0;
            y -= cy;
        }
        Place(h, x, y, cx, cy);
        x += cx;
    }
}

LRESULT MdiClientProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        auto *pcs = reinterpret_cast<LPCREATESTRUCT>(lParam);
        ClientState &state = States()[hWnd];
        if (auto *pccs = static_cast<CLIENTCREATESTRUCT *>(pcs->lpCreateParams)) {
            state.hWindowMenu = pccs->hWindowMenu;
            state.idFirstChild = pccs->idFirstChild;
        }
        return 0;
    }
    case WM_NCDESTROY: States().erase(hWnd); break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE && GetParent(reinterpret_cast<HWND>(lParam)) == hWnd)
            States()[hWnd].order.push_back(reinterpret_cast<HWND>(lParam));
        if (LOWORD(wParam) == WM_DESTROY) {
            ClientState &state = States()[hWnd];
            auto hGone = reinterpret_cast<HWND>(lParam);
            state.order.erase(std::remove(state.order.begin(), state.order.end(), hGone), state.order.end());
            if (hGone == state.hActive) {
                bool bMaximized = IsMaximized(state);
                state.hActive = nullptr;
                HWND hNext = nullptr;
                for (HWND h : Children(hWnd)) {
                    if (h != hGone && IsWindowVisible(h)) {
                        hNext = h;
                        break;
                    }
                }
                if (hNext != nullptr) {
                    Activate(hWnd, state, hNext);
                    if (bMaximized)
                        Maximize(hWnd, state, hNext);
                } else {
                    SendMessage(GetParent(hWnd), WM_MDIACTIVATE, 0, 0); // no child left
                }
            }
            PostMessage(hWnd, WM_MDIREFRESHMENU, 0, 0);
        }
        break;
    case WM_SIZE: FitMaximized(hWnd, States()[hWnd]); break;
    case WM_MDIACTIVATE: Activate(hWnd, States()[hWnd], reinterpret_cast<HWND>(wParam)); return 0;
    case WM_MDIGETACTIVE: {
        ClientState &state = States()[hWnd];
        if (lParam != 0)
            *reinterpret_cast<BOOL *>(lParam) = IsMaximized(state) ? TRUE : FALSE;
        return reinterpret_cast<LRESULT>(state.hActive);
    }
    case WM_MDINEXT: {
        ClientState &state = States()[hWnd];
        HWND hFrom = wParam != 0 ? reinterpret_cast<HWND>(wParam) : state.hActive;
        HWND hNext = NextChild(hWnd, hFrom, lParam != 0);
        if (hNext != nullptr) {
            Activate(hWnd, state, hNext);
            if (lParam == 0 && hFrom != nullptr) // the one left goes to the bottom
                SetWindowPos(hFrom, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        return 0;
    }
    case WM_MDIMAXIMIZE: {
        ClientState &state = States()[hWnd];
        auto hChild = reinterpret_cast<HWND>(wParam);
        Activate(hWnd, state, hChild);
        Maximize(hWnd, state, hChild);
        return 0;
    }
    case WM_MDIRESTORE: {
        auto hChild = reinterpret_cast<HWND>(wParam);
        if (hChild == nullptr || GetParent(hChild) != hWnd || !(IsZoomed(hChild) || IsIconic(hChild)))
            return 0;
        ShowWindow(hChild, SW_RESTORE);
        DrawMenuBar(GetParent(hWnd));
        return 0;
    }
    case WM_MDICASCADE: Cascade(hWnd, States()[hWnd]); return TRUE;
    case WM_MDITILE: Tile(hWnd, States()[hWnd], static_cast<UINT>(wParam)); return TRUE;
    case WM_MDIICONARRANGE: ArrangeIcons(hWnd); return 0;
    case WM_MDIDESTROY: DestroyWindow(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_MDISETMENU: {
        ClientState &state = States()[hWnd];
        HWND hFrame = GetParent(hWnd);
        HMENU hOld = GetMenu(hFrame);
        if (lParam != 0) {
            // The list moves to the new window menu.
            HMENU hOldWindowMenu = state.hWindowMenu;
            if (hOldWindowMenu != nullptr && IsMenu(hOldWindowMenu)) {
                for (int i = 0; i <= kMaxListed; ++i)
                    DeleteMenu(hOldWindowMenu, state.idFirstChild + static_cast<UINT>(i), MF_BYCOMMAND);
                DeleteMenu(hOldWindowMenu, ListSeparatorId(state), MF_BYCOMMAND);
                state.nListed = 0;
            }
            state.hWindowMenu = reinterpret_cast<HMENU>(lParam);
        }
        if (wParam != 0 && reinterpret_cast<HMENU>(wParam) != hOld)
            SetMenu(hFrame, reinterpret_cast<HMENU>(wParam));
        RefreshMenu(hWnd, state);
        return reinterpret_cast<LRESULT>(hOld);
    }
    case WM_MDIREFRESHMENU: {
        ClientState &state = States()[hWnd];
        RefreshMenu(hWnd, state);
        DrawMenuBar(GetParent(hWnd));
        return reinterpret_cast<LRESULT>(GetMenu(GetParent(hWnd)));
    }
    default: break;
    }
    return DefWindowProc(hWnd, message, wParam, lParam);
}

} // namespace

LPCTSTR PlexoRegisterMdiClientClass()
{
    static const bool bRegistered = []() {
        WNDCLASS wc{};
        wc.lpfnWndProc = &MdiClientProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.lpszClassName = MDI_CLIENT_CLASS;
        return RegisterClass(&wc) != 0;
    }();
    (void)bRegistered;
    return MDI_CLIENT_CLASS;
}
