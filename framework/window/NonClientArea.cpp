#include "framework/window/NonClientArea.h"

#include "framework/window/CursorApi.h"
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/VirtualKeys.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Icon.h"
#include "framework/gdi/SystemColors.h"

#include "framework/resources/ResourceTypes.h"

#include <QImage>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

using WindowCore::Live;

namespace {

bool IsSizable(HWND h)
{
    return (h->style & WS_THICKFRAME) && h->sizeState == SIZE_RESTORED;
}

// The width of the frame around the caption and the client area.
int FrameEdge(HWND h)
{
    if (h->style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if (h->style & WS_DLGFRAME)
        return GetSystemMetrics(SM_CXDLGFRAME);
    return (h->style & WS_BORDER) ? GetSystemMetrics(SM_CXBORDER) : 0;
}

int Width(const RECT &r)
{
    return r.right - r.left;
}

bool Contains(const RECT &r, POINT pt)
{
    return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom;
}

bool HasBoxes(HWND h)
{
    return (h->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
}

// The system command a caption button stands for in the window's state.
UINT ButtonCommand(HWND h, int nHit)
{
    switch (nHit) {
    case HTCLOSE: return SC_CLOSE;
    case HTMINBUTTON: return h->sizeState == SIZE_MINIMIZED ? SC_RESTORE : SC_MINIMIZE;
    case HTMAXBUTTON: return h->sizeState == SIZE_MAXIMIZED ? SC_RESTORE : SC_MAXIMIZE;
    default: return 0;
    }
}

bool ButtonEnabled(HWND h, int nHit)
{
    switch (nHit) {
    case HTMINBUTTON: return (h->style & WS_MINIMIZEBOX) != 0;
    case HTMAXBUTTON: return (h->style & WS_MAXIMIZEBOX) != 0;
    default: return true;
    }
}

UINT ButtonGlyph(HWND h, int nHit)
{
    switch (nHit) {
    case HTMINBUTTON: return h->sizeState == SIZE_MINIMIZED ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN;
    case HTMAXBUTTON: return h->sizeState == SIZE_MAXIMIZED ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    default: return DFCS_CAPTIONCLOSE;
    }
}

// The sizing border under a point of the frame, HTBORDER when the window
// cannot be sized. Near a corner (within a caption's height) the corner
// wins.
int BorderHit(HWND h, POINT pt)
{
    if (!IsSizable(h))
        return HTBORDER;
    int edge = FrameEdge(h);
    int cx = Width(h->windowRect), cy = h->windowRect.bottom - h->windowRect.top;
    int corner = GetSystemMetrics(SM_CYCAPTION) + edge;
    bool left = pt.x < edge, right = pt.x >= cx - edge, top = pt.y < edge, bottom = pt.y >= cy - edge;
    if (top || bottom) {
        left = left || pt.x < corner;
        right = right || pt.x >= cx - corner;
    }
    if (left || right) {
        top = top || pt.y < corner;
        bottom = bottom || pt.y >= cy - corner;
    }
    if (top)
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    return HTBORDER;
}

UINT SizingEdge(int nHit)
{
    switch (nHit) {
    case HTLEFT: return WMSZ_LEFT;
    case HTRIGHT: return WMSZ_RIGHT;
    case HTTOP: return WMSZ_TOP;
    case HTTOPLEFT: return WMSZ_TOPLEFT;
    case HTTOPRIGHT: return WMSZ_TOPRIGHT;
    case HTBOTTOM: return WMSZ_BOTTOM;
    case HTBOTTOMLEFT: return WMSZ_BOTTOMLEFT;
    case HTBOTTOMRIGHT: return WMSZ_BOTTOMRIGHT;
    default: return 0;
    }
}

HFONT CaptionFont()
{
    static HFONT hFont = []() {
        LOGFONT lf{};
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lf.lfWeight = FW_BOLD;
        return ::CreateFontIndirect(&lf);
    }();
    return hFont;
}

// The caption's colour runs from the left colour to the right one. Every
// row is the same, so one row is worked out and copied into the backing
// image (the caption is drawn on each activation and title change).
void FillCaptionBar(HWND h, const RECT &rc, bool bActive)
{
    QImage &image = h->backing;
    const int left = std::max(0, static_cast<int>(rc.left)),
              right = std::min(image.width(), static_cast<int>(rc.right));
    const int top = std::max(0, static_cast<int>(rc.top)),
              bottom = std::min(image.height(), static_cast<int>(rc.bottom));
    if (left >= right || top >= bottom || image.format() != QImage::Format_RGB32)
        return;
    const COLORREF from = GetSysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF to = GetSysColor(bActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    const int span = std::max(1, right - left - 1);
    std::vector<QRgb> row(static_cast<size_t>(right - left));
    auto mix = [span](int a, int b, int x) { return a + (b - a) * x / span; };
    for (int x = 0; x < right - left; ++x)
        row[static_cast<size_t>(x)] =
            qRgb(mix(GetRValue(from), GetRValue(to), x), mix(GetGValue(from), GetGValue(to), x),
                 mix(GetBValue(from), GetBValue(to), x));
    for (int y = top; y < bottom; ++y)
        std::memcpy(reinterpret_cast<QRgb *>(image.scanLine(y)) + left, row.data(), row.size() * sizeof(QRgb));
}

// A modal loop with the mouse captured: every move reports the cursor's
// screen position until the left button goes up (true). Escape, a lost
// capture or the window's end cancel it (false). Keys are eaten; other
// messages are dispatched as usual.
bool TrackMouse(HWND h, const std::function<void(POINT)> &moved)
{
    SetCapture(h);
    bool released = false;
    for (;;) {
        if (!Live(h) || GetCapture() != h)
            break;
        MSG msg{};
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            moved(msg.pt);
        } else if (msg.message == WM_LBUTTONUP) {
            moved(msg.pt);
            released = true;
            break;
        } else if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            if (msg.wParam == VK_ESCAPE)
                break;
        } else if (msg.message != WM_KEYUP && msg.message != WM_SYSKEYUP && msg.message != WM_CHAR &&
                   msg.message != WM_SYSCHAR) {
            DispatchMessage(&msg);
        }
    }
    if (Live(h) && GetCapture() == h)
        ReleaseCapture();
    return released && Live(h);
}

// Which edges the keyboard sizes: the first arrow of each direction picks
// an edge, the following ones move it.
struct KeyboardEdges {
    int horizontal = 0; // -1 left, +1 right
    int vertical = 0;   // -1 top, +1 bottom
    UINT Code() const
    {
        static const UINT codes[3][3] = {{WMSZ_TOPLEFT, WMSZ_TOP, WMSZ_TOPRIGHT},
                                         {WMSZ_LEFT, 0, WMSZ_RIGHT},
                                         {WMSZ_BOTTOMLEFT, WMSZ_BOTTOM, WMSZ_BOTTOMRIGHT}};
        return codes[vertical + 1][horizontal + 1];
    }
};

// One arrow while moving (size false) or sizing from the keyboard; the new
// rectangle in the parent's client coordinates.
RECT KeyboardStep(HWND h, UINT key, bool size, KeyboardEdges &edges, RECT rc)
{
    constexpr int kStep = 8;
    const int dx = key == VK_LEFT ? -kStep : key == VK_RIGHT ? kStep : 0;
    const int dy = key == VK_UP ? -kStep : key == VK_DOWN ? kStep : 0;
    if (!size) {
        OffsetRect(&rc, dx, dy);
        return rc;
    }
    if (dx != 0 && edges.horizontal == 0) {
        edges.horizontal = dx < 0 ? -1 : 1;
        return rc;
    }
    if (dy != 0 && edges.vertical == 0) {
        edges.vertical = dy < 0 ? -1 : 1;
        return rc;
    }
    (edges.horizontal < 0 ? rc.left : rc.right) += dx;
    (edges.vertical < 0 ? rc.top : rc.bottom) += dy;
    SendMessage(h, WM_SIZING, edges.Code(), reinterpret_cast<LPARAM>(&rc));
    if (Live(h))
        WindowGeometry::ClampToTrackingLimits(h, rc, edges.Code());
    return rc;
}

// Moving or sizing with the keyboard (the system menu's Move and Size):
// arrows step by eight pixels, Enter or a click keeps the change, Escape
// (or a lost capture) takes it back.
void KeyboardLoop(HWND h, bool size)
{
    const RECT origin = h->windowRect;
    RECT rc = origin;
    KeyboardEdges edges;
    bool keep = false;
    SendMessage(h, WM_ENTERSIZEMOVE, 0, 0);
    SetCapture(h);
    for (bool done = false; !done;) {
        if (!Live(h) || GetCapture() != h)
            break;
        MSG msg{};
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) {
                keep = msg.wParam == VK_RETURN;
                done = true;
            } else if (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT || msg.wParam == VK_UP ||
                       msg.wParam == VK_DOWN) {
                rc = KeyboardStep(h, static_cast<UINT>(msg.wParam), size, edges, rc);
                if (Live(h))
                    SetWindowPos(h, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            keep = true;
            done = true;
            break;
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_MOUSEMOVE: break;
        default: DispatchMessage(&msg); break;
        }
    }
    if (!Live(h))
        return;
    if (GetCapture() == h)
        ReleaseCapture();
    if (!keep)
        SetWindowPos(h, nullptr, origin.left, origin.top, origin.right - origin.left, origin.bottom - origin.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (Live(h))
        SendMessage(h, WM_EXITSIZEMOVE, 0, 0);
}

void MoveLoop(HWND h, POINT start)
{
    RECT origin = h->windowRect; // in the parent's client coordinates
    // The cursor stays inside the parent's client area, so the caption
    // can always be reached again.
    RECT bounds{};
    if (h->parent) {
        GetClientRect(h->parent, &bounds);
        MapWindowPoints(h->parent, nullptr, reinterpret_cast<LPPOINT>(&bounds), 2);
    }
    auto placeAt = [h, origin, start, bounds](POINT pt) {
        if (h->parent) {
            pt.x = std::clamp<LONG>(pt.x, bounds.left, plexoMax(bounds.left, bounds.right - 1));
            pt.y = std::clamp<LONG>(pt.y, bounds.top, plexoMax(bounds.top, bounds.bottom - 1));
        }
        if (Live(h))
            SetWindowPos(h, nullptr, origin.left + pt.x - start.x, origin.top + pt.y - start.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    SendMessage(h, WM_ENTERSIZEMOVE, 0, 0);
    if (!TrackMouse(h, placeAt) && Live(h))
        SetWindowPos(h, nullptr, origin.left, origin.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (Live(h))
        SendMessage(h, WM_EXITSIZEMOVE, 0, 0);
}

void SizeLoop(HWND h, int nHit, POINT start)
{
    UINT edge = SizingEdge(nHit);
    RECT origin = h->windowRect; // in the parent's client coordinates
    auto sizeTo = [h, edge, origin, start](POINT pt) {
        if (!Live(h))
            return;
        int dx = pt.x - start.x, dy = pt.y - start.y;
        RECT rc = origin;
        if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
            rc.left += dx;
        if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT)
            rc.right += dx;
        if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
            rc.top += dy;
        if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT)
            rc.bottom += dy;
        SendMessage(h, WM_SIZING, edge, reinterpret_cast<LPARAM>(&rc));
        if (!Live(h))
            return;
        WindowGeometry::ClampToTrackingLimits(h, rc, edge);
        SetWindowPos(h, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    SendMessage(h, WM_ENTERSIZEMOVE, 0, 0);
    if (!TrackMouse(h, sizeTo) && Live(h))
        SetWindowPos(h, nullptr, origin.left, origin.top, Width(origin), origin.bottom - origin.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (Live(h))
        SendMessage(h, WM_EXITSIZEMOVE, 0, 0);
}

// The button stays pushed while the cursor is over it; releasing it there
// carries out its command.
void ButtonLoop(HWND h, int nHit)
{
    if (!ButtonEnabled(h, nHit))
        return;
    bool pushed = true;
    NonClient::DrawCaption(h, nHit);
    auto follow = [h, nHit, &pushed](POINT pt) {
        if (!Live(h))
            return;
        RECT window{};
        GetWindowRect(h, &window);
        bool over = NonClient::HitTest(h, POINT{pt.x - window.left, pt.y - window.top}) == nHit;
        if (over != pushed) {
            pushed = over;
            NonClient::DrawCaption(h, pushed ? nHit : 0);
        }
    };
    bool released = TrackMouse(h, follow);
    if (!Live(h))
        return;
    NonClient::DrawCaption(h);
    if (released && pushed)
        SendMessage(h, WM_SYSCOMMAND, ButtonCommand(h, nHit), 0);
}

} // namespace

bool NonClient::HasCaption(HWND h)
{
    return h && h->parent && (h->style & WS_CAPTION) == WS_CAPTION;
}

RECT NonClient::CaptionRect(HWND h)
{
    if (!HasCaption(h))
        return RECT{0, 0, 0, 0};
    int edge = FrameEdge(h);
    int right = plexoMax(edge, static_cast<int>(Width(h->windowRect)) - edge);
    return RECT{edge, edge, right, edge + GetSystemMetrics(SM_CYCAPTION) - 1};
}

RECT NonClient::PartRect(HWND h, int nHit)
{
    RECT caption = CaptionRect(h);
    if (caption.right <= caption.left || !(h->style & WS_SYSMENU))
        return RECT{0, 0, 0, 0};
    int cx = GetSystemMetrics(SM_CXSIZE) - 2, cy = GetSystemMetrics(SM_CYSIZE) - 4;
    int top = caption.top + 2;
    switch (nHit) {
    case HTSYSMENU: {
        int size = GetSystemMetrics(SM_CXSMICON);
        int y = caption.top + (caption.bottom - caption.top - size) / 2;
        return RECT{caption.left + 1, y, caption.left + 1 + size, y + size};
    }
    case HTCLOSE: return RECT{caption.right - 2 - cx, top, caption.right - 2, top + cy};
    case HTMAXBUTTON:
    case HTMINBUTTON: {
        if (!HasBoxes(h))
            return RECT{0, 0, 0, 0};
        // Maximise stands 2 pixels left of close; minimise touches maximise.
        int right = caption.right - 2 - cx - 2 - (nHit == HTMINBUTTON ? cx : 0);
        return RECT{right - cx, top, right, top + cy};
    }
    default: return RECT{0, 0, 0, 0};
    }
}

int NonClient::HitTest(HWND h, POINT pt)
{
    RECT caption = CaptionRect(h);
    int edge = FrameEdge(h);
    bool inFrame = pt.x < edge || pt.y < edge || pt.x >= Width(h->windowRect) - edge ||
                   pt.y >= h->windowRect.bottom - h->windowRect.top - edge;
    if (inFrame)
        return BorderHit(h, pt);
    if (!Contains(caption, pt))
        return HTBORDER;
    for (int part : {HTSYSMENU, HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
        if (Contains(PartRect(h, part), pt))
            return part;
    }
    return HTCAPTION;
}

HICON NonClient::CaptionIcon(HWND h)
{
    if (h->windowClass.hIcon)
        return h->windowClass.hIcon;
    return LoadIcon(nullptr, IDI_APPLICATION);
}

void NonClient::DrawCaption(HWND h, int nPressed)
{
    RECT caption = CaptionRect(h);
    if (!Live(h) || caption.right <= caption.left || !(h->style & WS_VISIBLE))
        return;
    const bool bActive = h->ncActive;
    FillCaptionBar(h, caption, bActive); // before a context holds the image
    HDC hdc = GetWindowDC(h);
    if (!hdc)
        return;
    {
        CDC *pDC = CDC::FromHandle(hdc);
        // The line between the caption and the client area.
        RECT line{caption.left, caption.bottom, caption.right, caption.bottom + 1};
        pDC->FillSolidRect(&line, GetSysColor(COLOR_BTNFACE));
        int textLeft = caption.left + 3;
        RECT icon = PartRect(h, HTSYSMENU);
        if (icon.right > icon.left) {
            DrawIconEx(hdc, icon.left, icon.top, CaptionIcon(h), Width(icon), icon.bottom - icon.top, 0, nullptr,
                       DI_NORMAL);
            textLeft = icon.right + 3;
        }
        int textRight = caption.right - 2;
        for (int part : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
            RECT rc = PartRect(h, part);
            if (rc.right <= rc.left)
                continue;
            textRight = plexoMin(textRight, static_cast<int>(rc.left) - 2);
            UINT state = ButtonGlyph(h, part) | (nPressed == part ? DFCS_PUSHED : 0) |
                         (ButtonEnabled(h, part) ? 0 : DFCS_INACTIVE);
            pDC->DrawFrameControl(&rc, DFC_CAPTION, state);
        }
        RECT text{textLeft, caption.top, plexoMax(textLeft, textRight), caption.bottom};
        HGDIOBJ hOld = ::SelectObject(hdc, CaptionFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        pDC->DrawText(static_cast<LPCTSTR>(h->text), h->text.GetLength(), &text,
                      DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
        ::SelectObject(hdc, hOld);
    }
    ReleaseDC(h, hdc);
}

void NonClient::LButtonDown(HWND h, int nHit, POINT ptScreen)
{
    switch (nHit) {
    case HTCAPTION:
        if (h->sizeState != SIZE_MAXIMIZED)
            MoveLoop(h, ptScreen);
        break;
    case HTSYSMENU: {
        RECT window{};
        GetWindowRect(h, &window);
        RECT caption = CaptionRect(h);
        TrackSystemMenu(h, POINT{window.left + caption.left, window.top + caption.bottom + 1});
        break;
    }
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE: ButtonLoop(h, nHit); break;
    default:
        if (SizingEdge(nHit) != 0 && IsSizable(h))
            SizeLoop(h, nHit, ptScreen);
        break;
    }
}

void NonClient::LButtonDblClk(HWND h, int nHit)
{
    if (nHit == HTSYSMENU) {
        SendMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (nHit == HTCAPTION) {
        if (h->sizeState != SIZE_RESTORED)
            SendMessage(h, WM_SYSCOMMAND, SC_RESTORE, 0);
        else if (h->style & WS_MAXIMIZEBOX)
            SendMessage(h, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    }
}

void NonClient::TrackSystemMenu(HWND h, POINT ptScreen)
{
    if (!Live(h))
        return;
    bool bMdiChild = (h->exStyle & WS_EX_MDICHILD) != 0;
    auto grayedUnless = [](bool enabled) { return MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED); };
    HMENU hMenu = CreatePopupMenu();
    AppendMenu(hMenu, grayedUnless(h->sizeState != SIZE_RESTORED), SC_RESTORE, "&Restore");
    AppendMenu(hMenu, grayedUnless(h->sizeState != SIZE_MAXIMIZED), SC_MOVE, "&Move");
    AppendMenu(hMenu, grayedUnless(IsSizable(h)), SC_SIZE, "&Size");
    AppendMenu(hMenu, grayedUnless((h->style & WS_MINIMIZEBOX) && h->sizeState != SIZE_MINIMIZED), SC_MINIMIZE,
               "Mi&nimize");
    AppendMenu(hMenu, grayedUnless((h->style & WS_MAXIMIZEBOX) && h->sizeState != SIZE_MAXIMIZED), SC_MAXIMIZE,
               "Ma&ximize");
    AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(hMenu, MF_STRING, SC_CLOSE, bMdiChild ? "&Close\tCtrl+F4" : "&Close\tAlt+F4");
    if (bMdiChild) {
        AppendMenu(hMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenu(hMenu, MF_STRING, SC_NEXTWINDOW, "Nex&t\tCtrl+F6");
    }
    // The window's own command handlers do not update these items.
    auto nID = static_cast<UINT>(
        TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, ptScreen.x, ptScreen.y, 0, h, nullptr));
    DestroyMenu(hMenu);
    if (nID != 0 && Live(h))
        SendMessage(h, WM_SYSCOMMAND, nID, 0);
}

void NonClient::TrackFromKeyboard(HWND h, bool size)
{
    if (!Live(h) || !HasCaption(h) || (size ? !IsSizable(h) : h->sizeState == SIZE_MAXIMIZED))
        return;
    KeyboardLoop(h, size);
}
