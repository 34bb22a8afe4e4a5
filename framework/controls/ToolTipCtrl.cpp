// The tooltip control: its tools, the mouse messages relayed to it, its
// timer and its pop-up window.
#include "framework/controls/ToolTipCtrl.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlPaint.h"
#include "framework/controls/ControlWindowState.h"

#include "framework/base/CRect.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QWidget>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{0, 0, 0, 0};
    std::string text;
};

struct TipState {
    std::vector<Tool> tools;
    bool active = true;
    int current = -1; // the tool under the mouse
    UINT initialDelay = 500;
    UINT autoPop = 5000;
    POINT lastScreen{0, 0};
};

std::map<HWND, TipState> &States()
{
    return ControlStates<TipState>();
}

TipState &State(HWND h)
{
    return ControlState<TipState>(h);
}

bool SameTool(const Tool &t, const TOOLINFO &info)
{
    return t.hwnd == info.hwnd && t.id == info.uId;
}

int FindTool(const TipState &s, const TOOLINFO &info)
{
    for (size_t i = 0; i < s.tools.size(); ++i)
        if (SameTool(s.tools[i], info))
            return static_cast<int>(i);
    return -1;
}

// The tool under a point of a window, or -1.
int ToolAt(const TipState &s, HWND hWnd, POINT pt)
{
    for (size_t i = 0; i < s.tools.size(); ++i) {
        const Tool &t = s.tools[i];
        if (t.flags & TTF_IDISHWND) {
            if (reinterpret_cast<HWND>(t.id) == hWnd)
                return static_cast<int>(i);
        } else if (t.hwnd == hWnd && pt.x >= t.rect.left && pt.x < t.rect.right && pt.y >= t.rect.top &&
                   pt.y < t.rect.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Hide(HWND h)
{
    KillTimer(h, kShowTimer);
    KillTimer(h, kHideTimer);
    if (IsWindowVisible(h))
        ShowWindow(h, SW_HIDE);
}

void Show(HWND h)
{
    TipState &s = State(h);
    KillTimer(h, kShowTimer);
    if (!s.active || s.current < 0 || s.current >= static_cast<int>(s.tools.size()))
        return;
    const std::string &text = s.tools[static_cast<size_t>(s.current)].text;
    if (text.empty())
        return;
    SetWindowText(h, text.c_str());
    SIZE size{0, 0};
    if (HDC hdc = GetDC(h)) {
        HGDIOBJ old = ControlPaint::SelectFont(h, hdc);
        GetTextExtentPoint32(hdc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(hdc, old);
        ReleaseDC(h, hdc);
    }
    SetWindowPos(h, HWND_TOP, s.lastScreen.x, s.lastScreen.y + 20, size.cx + 8, size.cy + 4,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetTimer(h, kHideTimer, s.autoPop, nullptr);
}

void Relay(HWND h, const MSG *msg)
{
    if (!msg)
        return;
    TipState &s = State(h);
    switch (msg->message) {
    case WM_MOUSEMOVE: {
        POINT pt{GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
        POINT screen = pt;
        ClientToScreen(msg->hwnd, &screen);
        int tool = ToolAt(s, msg->hwnd, pt);
        if (tool == s.current)
            return;
        Hide(h);
        s.current = tool;
        s.lastScreen = screen;
        if (tool >= 0 && s.active)
            SetTimer(h, kShowTimer, s.initialDelay, nullptr);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: Hide(h); return;
    default: return;
    }
}

// Tools added with TTF_SUBCLASS: their windows' mouse messages reach the
// tooltip without RelayEvent. tool window -> (tooltip, previous procedure).
struct ToolHook {
    HWND tip;
    WNDPROC previous;
};

std::map<HWND, ToolHook> &ToolHooks()
{
    static std::map<HWND, ToolHook> hooks;
    return hooks;
}

LRESULT ToolWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    auto it = ToolHooks().find(hWnd);
    if (it == ToolHooks().end())
        return DefWindowProc(hWnd, Msg, wParam, lParam);
    ToolHook hook = it->second;
    if ((Msg == WM_MOUSEMOVE || (Msg >= WM_LBUTTONDOWN && Msg <= WM_MBUTTONDBLCLK)) && hook.tip && IsWindow(hook.tip)) {
        MSG msg{hWnd, Msg, wParam, lParam, 0, {0, 0}};
        Relay(hook.tip, &msg);
    }
    if (Msg == WM_NCDESTROY)
        ToolHooks().erase(hWnd);
    return CallWindowProc(hook.previous, hWnd, Msg, wParam, lParam);
}

void HookTool(HWND tip, HWND hTool)
{
    if (!hTool || !IsWindow(hTool) || ToolHooks().count(hTool))
        return;
    auto previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(hTool, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ToolWindowProc)));
    ToolHooks()[hTool] = ToolHook{tip, previous};
}

// Lets go of the tools' windows of a tooltip that goes.
void UnhookTools(HWND tip)
{
    for (auto it = ToolHooks().begin(); it != ToolHooks().end();) {
        if (it->second.tip != tip) {
            ++it;
            continue;
        }
        HWND hTool = it->first;
        if (IsWindow(hTool) && reinterpret_cast<WNDPROC>(GetWindowLongPtr(hTool, GWLP_WNDPROC)) == &ToolWindowProc) {
            SetWindowLongPtr(hTool, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
            it = ToolHooks().erase(it);
        } else {
            // Another procedure sits on top of ours: ours stays in the chain,
            // passing everything on.
            it->second.tip = nullptr;
            ++it;
        }
    }
}

LRESULT AddTool(HWND h, const TOOLINFO *info)
{
    if (!info)
        return FALSE;
    TipState &s = State(h);
    Tool t;
    t.flags = info->uFlags;
    t.hwnd = info->hwnd;
    t.id = info->uId;
    t.rect = info->rect;
    t.text = info->lpszText ? info->lpszText : "";
    int at = FindTool(s, *info);
    if (at >= 0)
        s.tools[static_cast<size_t>(at)] = t;
    else
        s.tools.push_back(t);
    if (info->uFlags & TTF_SUBCLASS)
        HookTool(h, (info->uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(info->uId) : info->hwnd);
    return TRUE;
}

void Paint(HWND h, HDC hdc)
{
    CDC &dc = *CDC::FromHandle(hdc);
    CRect rc;
    GetClientRect(h, &rc);
    dc.FillSolidRect(&rc, GetSysColor(COLOR_INFOBK));
    dc.Draw3dRect(&rc, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    HGDIOBJ old = ControlPaint::SelectFont(h, hdc);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    char text[512] = {};
    GetWindowText(h, text, sizeof(text));
    dc.DrawText(text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, old);
}

} // namespace

LRESULT PlexoToolTipProc(HWND h, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    TipState &s = State(h);
    switch (Msg) {
    case TTM_ACTIVATE:
        s.active = wParam != 0;
        if (!s.active)
            Hide(h);
        return 0;
    case TTM_SETDELAYTIME:
        if (wParam == TTDT_AUTOMATIC || wParam == TTDT_INITIAL)
            s.initialDelay = static_cast<UINT>(LOWORD(lParam));
        if (wParam == TTDT_AUTOMATIC)
            s.autoPop = static_cast<UINT>(LOWORD(lParam)) * 10;
        else if (wParam == TTDT_AUTOPOP)
            s.autoPop = static_cast<UINT>(LOWORD(lParam));
        return 0;
    case TTM_ADDTOOL: return AddTool(h, reinterpret_cast<const TOOLINFO *>(lParam));
    case TTM_DELTOOL: {
        auto *info = reinterpret_cast<const TOOLINFO *>(lParam);
        int at = info ? FindTool(s, *info) : -1;
        if (at >= 0) {
            s.tools.erase(s.tools.begin() + at);
            if (s.current == at) {
                s.current = -1;
                Hide(h);
            } else if (s.current > at) {
                --s.current;
            }
        }
        return 0;
    }
    case TTM_UPDATETIPTEXT: {
        auto *info = reinterpret_cast<const TOOLINFO *>(lParam);
        int at = info ? FindTool(s, *info) : -1;
        if (at >= 0) {
            s.tools[static_cast<size_t>(at)].text = info->lpszText ? info->lpszText : "";
            if (at == s.current && IsWindowVisible(h))
                Show(h);
        }
        return 0;
    }
    case TTM_GETTEXT: {
        auto *info = reinterpret_cast<TOOLINFO *>(lParam);
        int at = info ? FindTool(s, *info) : -1;
        if (info && info->lpszText) {
            std::string text = at >= 0 ? s.tools[static_cast<size_t>(at)].text : std::string();
            size_t room = wParam ? static_cast<size_t>(wParam) : 80;
            size_t n = std::min(text.size(), room - 1);
            std::memcpy(info->lpszText, text.data(), n);
            info->lpszText[n] = 0;
        }
        return 0;
    }
    case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(s.tools.size());
    case TTM_RELAYEVENT: Relay(h, reinterpret_cast<const MSG *>(lParam)); return 0;
    case TTM_POP: Hide(h); return 0;
    case WM_TIMER:
        if (wParam == kShowTimer)
            Show(h);
        else if (wParam == kHideTimer)
            Hide(h);
        return 0;
    case WM_CREATE:
        // A tip never takes the activation or the focus from the window it explains.
        if (QWidget *widget = WindowCore::Widget(h)) {
            widget->setAttribute(Qt::WA_ShowWithoutActivating);
            widget->setWindowFlag(Qt::WindowDoesNotAcceptFocus, true);
        }
        return 0;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: ControlPaint::OnPaint(h, wParam, [h](HDC hdc) { Paint(h, hdc); }); return 0;
    case WM_NCDESTROY:
        UnhookTools(h);
        States().erase(h);
        return DefWindowProc(h, Msg, wParam, lParam);
    default: return DefWindowProc(h, Msg, wParam, lParam);
    }
}

void PlexoRegisterToolTipClass()
{
    static const bool registered = RegisterControlClass(TOOLTIPS_CLASS, &PlexoToolTipProc, CS_SAVEBITS);
    (void)registered;
}

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd *pParentWnd, DWORD dwStyle)
{
    PlexoRegisterStandardControls();
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | WS_BORDER | dwStyle, 0, 0, 0,
                    0, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr, nullptr);
}

TOOLINFO CToolTipCtrl::Tool(CWnd *pWnd, UINT_PTR nIDTool) const
{
    TOOLINFO info{};
    info.cbSize = sizeof(info);
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (nIDTool == 0) {
        // The window itself is the tool.
        info.uFlags = TTF_IDISHWND;
        info.hwnd = hWnd ? ::GetParent(hWnd) : nullptr;
        info.uId = reinterpret_cast<UINT_PTR>(hWnd);
    } else {
        info.hwnd = hWnd;
        info.uId = nIDTool;
    }
    return info;
}

BOOL CToolTipCtrl::AddTool(CWnd *pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFO info = Tool(pWnd, nIDTool);
    if (lpRectTool)
        info.rect = *lpRectTool;
    info.lpszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd *pWnd, UINT_PTR nIDTool)
{
    TOOLINFO info = Tool(pWnd, nIDTool);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd *pWnd, UINT_PTR nIDTool)
{
    TOOLINFO info = Tool(pWnd, nIDTool);
    info.lpszText = const_cast<LPTSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(CString &str, CWnd *pWnd, UINT_PTR nIDTool) const
{
    char buffer[1024] = {};
    TOOLINFO info = Tool(pWnd, nIDTool);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(&info));
    str = buffer;
}
