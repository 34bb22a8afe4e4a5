// The default processing of messages: what a window does with a message its
// own procedure chain leaves alone.
#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/NonClientArea.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/SystemColors.h"

#include <algorithm>
#include <cstring>

using WindowCore::Live;

namespace {

// A context menu asked for from the keyboard has no point: (-1, -1).
void SendKeyboardContextMenu(HWND h)
{
    SendMessage(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), MAKELPARAM(-1, -1));
}

LRESULT NcCalcSize(HWND h, LPARAM lParam)
{
    auto *params = reinterpret_cast<NCCALCSIZE_PARAMS *>(lParam);
    if (!params)
        return 0;
    RECT insets = WindowGeometry::StandardInsets(h);
    RECT &rc = params->rgrc[0];
    rc.left += insets.left;
    rc.top += insets.top;
    rc.right = plexoMax(rc.left, rc.right - insets.right);
    rc.bottom = plexoMax(rc.top, rc.bottom - insets.bottom);
    return 0;
}

LRESULT NcHitTest(HWND h, LPARAM lParam)
{
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT window;
    GetWindowRect(h, &window);
    if (pt.x < window.left || pt.x >= window.right || pt.y < window.top || pt.y >= window.bottom)
        return HTNOWHERE;
    int x = pt.x - window.left, y = pt.y - window.top;
    const RECT &client = h->clientRect;
    if (x >= client.left && x < client.right && y >= client.top && y < client.bottom)
        return HTCLIENT;
    if ((h->style & WS_VSCROLL) && x >= client.right && y >= client.top && y < client.bottom)
        return HTVSCROLL;
    if ((h->style & WS_HSCROLL) && y >= client.bottom && x >= client.left && x < client.right)
        return HTHSCROLL;
    if (h->parent)
        return NonClient::HitTest(h, POINT{x, y});
    return HTBORDER;
}

LRESULT NcActivate(HWND h, WPARAM wParam)
{
    bool active = wParam != 0;
    if (h->ncActive != active) {
        h->ncActive = active;
        NonClient::DrawCaption(h);
    }
    return TRUE;
}

LRESULT SetText(HWND h, LPARAM lParam)
{
    h->text = reinterpret_cast<LPCTSTR>(lParam);
    if (!h->parent && h->widget)
        h->widget->setWindowTitle(QString::fromUtf8(static_cast<LPCTSTR>(h->text)));
    NonClient::DrawCaption(h);
    return TRUE;
}

LRESULT GetText(HWND h, WPARAM wParam, LPARAM lParam)
{
    auto *buffer = reinterpret_cast<LPTSTR>(lParam);
    int max = static_cast<int>(wParam);
    if (!buffer || max <= 0)
        return 0;
    int n = plexoMin(h->text.GetLength(), max - 1);
    std::memcpy(buffer, static_cast<LPCTSTR>(h->text), static_cast<size_t>(n));
    buffer[n] = 0;
    return n;
}

HBRUSH ResolveBrush(HBRUSH hBrush)
{
    // A class background may name a system colour as COLOR_* + 1; a real
    // brush handle wins where the numbers meet.
    if (!hBrush || GdiHandles::Lookup(hBrush))
        return hBrush;
    auto value = reinterpret_cast<ULONG_PTR>(hBrush);
    if (value <= 31)
        return GetSysColorBrush(static_cast<int>(value) - 1);
    return hBrush;
}

LRESULT EraseBackground(HWND h, WPARAM wParam)
{
    HBRUSH brush = ResolveBrush(h->windowClass.hbrBackground);
    HDC hdc = reinterpret_cast<HDC>(wParam);
    if (!brush || !hdc)
        return FALSE;
    // The visible part of the context in its own coordinates, so that a
    // handler that moved the origin before passing the message on still
    // gets its whole area filled.
    CDC *pDC = CDC::FromHandle(hdc);
    RECT rc;
    if (pDC->GetClipBox(&rc) == ERROR)
        GetClientRect(h, &rc);
    pDC->FillRect(&rc, brush);
    return TRUE;
}

LRESULT SetCursorDefault(HWND h, WPARAM wParam, LPARAM lParam)
{
    if (h->parent && SendMessage(h->parent, WM_SETCURSOR, wParam, lParam))
        return TRUE;
    // Asked about a child's area: the child sets its own cursor.
    if (reinterpret_cast<HWND>(wParam) != h)
        return FALSE;
    int hit = static_cast<short>(LOWORD(lParam));
    if (hit == HTCLIENT) {
        if (!h->windowClass.hCursor)
            return FALSE;
        SetCursor(h->windowClass.hCursor);
        return TRUE;
    }
    LPCTSTR shape = IDC_ARROW;
    switch (hit) {
    case HTLEFT:
    case HTRIGHT: shape = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: shape = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: shape = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: shape = IDC_SIZENESW; break;
    default: break;
    }
    SetCursor(LoadCursor(nullptr, shape));
    return FALSE;
}

LRESULT CtlColor(UINT message, WPARAM wParam)
{
    HDC hdc = reinterpret_cast<HDC>(wParam);
    bool windowFace = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    int face = windowFace ? COLOR_WINDOW : COLOR_BTNFACE;
    if (hdc) {
        CDC *pDC = CDC::FromHandle(hdc);
        pDC->SetTextColor(GetSysColor(windowFace ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
        pDC->SetBkColor(GetSysColor(face));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
}

LRESULT SysCommand(HWND h, WPARAM wParam)
{
    switch (wParam & 0xFFF0) {
    case SC_CLOSE: SendMessage(h, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(h, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(h, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(h, SW_RESTORE); break;
    case SC_MOVE:
    case SC_SIZE: NonClient::TrackFromKeyboard(h, (wParam & 0xFFF0) == SC_SIZE); break;
    default: break;
    }
    return 0;
}

// WM_MOVE, then WM_SIZE, for what the change did to the client area. A
// minimised window reports no client area.
LRESULT WindowPosChanged(HWND h, LPARAM lParam)
{
    auto *wp = reinterpret_cast<WINDOWPOS *>(lParam);
    if (!wp)
        return 0;
    if (!(wp->flags & SWP_NOCLIENTMOVE))
        SendMessage(h, WM_MOVE, 0,
                    MAKELPARAM(h->windowRect.left + h->clientRect.left, h->windowRect.top + h->clientRect.top));
    if (Live(h) && !(wp->flags & SWP_NOCLIENTSIZE)) {
        bool minimized = h->sizeState == SIZE_MINIMIZED;
        int cx = minimized ? 0 : h->clientRect.right - h->clientRect.left;
        int cy = minimized ? 0 : h->clientRect.bottom - h->clientRect.top;
        SendMessage(h, WM_SIZE, h->sizeState, MAKELPARAM(cx, cy));
    }
    return 0;
}

} // namespace

LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    HWND h = Live(hWnd);
    if (!h)
        return 0;
    switch (Msg) {
    case WM_NCCREATE: return TRUE;
    case WM_NCCALCSIZE: return NcCalcSize(h, lParam);
    case WM_NCHITTEST: return NcHitTest(h, lParam);
    case WM_NCPAINT: WindowPainting::DrawStandardFrame(h); return 0;
    case WM_NCACTIVATE: return NcActivate(h, wParam);
    case WM_NCLBUTTONDOWN:
        NonClient::LButtonDown(h, static_cast<int>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_NCLBUTTONDBLCLK: NonClient::LButtonDblClk(h, static_cast<int>(wParam)); return 0;
    case WM_SETTEXT: return SetText(h, lParam);
    case WM_GETTEXT: return GetText(h, wParam, lParam);
    case WM_GETTEXTLENGTH: return h->text.GetLength();
    case WM_CLOSE: DestroyWindow(h); return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(h, &ps))
            EndPaint(h, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return EraseBackground(h, wParam);
    case WM_SETCURSOR: return SetCursorDefault(h, wParam, lParam);
    case WM_MOUSEACTIVATE:
        if (h->parent) {
            LRESULT r = SendMessage(h->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r)
                return r;
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        // A minimised window (high word set) takes no focus.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && !h->parent && !IsChild(h, GetFocus()))
            SetFocus(h);
        return 0;
    case WM_WINDOWPOSCHANGED: return WindowPosChanged(h, lParam);
    case WM_RBUTTONUP: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(h, &pt);
        SendMessage(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: return h->parent ? SendMessage(h->parent, Msg, wParam, lParam) : 0;
    case WM_SETFONT:
        h->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(h->font);
    case WM_CANCELMODE:
        if (GetCapture() == h)
            ReleaseCapture();
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return CtlColor(Msg, wParam);
    case WM_SYSCOMMAND: return SysCommand(h, wParam);
    case WM_SYSKEYDOWN:
        // Alt+F4 closes the top-level window, through its system command.
        if (wParam == VK_F4 && (static_cast<DWORD>(lParam) & (1u << 29)))
            SendMessage(GetTopLevelWindow(h), WM_SYSCOMMAND, SC_CLOSE, 0);
        // Shift+F10 asks for the context menu from the keyboard.
        else if (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0)
            SendKeyboardContextMenu(h);
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // So does releasing the menu key.
        if (wParam == VK_APPS)
            SendKeyboardContextMenu(h);
        return 0;
    case WM_SETREDRAW: h->redrawEnabled = wParam != 0; return 0;
    default: return 0;
    }
}
