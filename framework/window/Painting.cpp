// The painting model. Each window keeps a backing image of its whole area;
// drawing goes into the image (the client area through a view of its bits),
// and the widget only copies the image to the screen. WM_PAINT is sent when
// the invalid region is not empty, after the events already waiting.
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/ScreenOverlay.h"
#include "framework/window/WindowApi.h"
#include "framework/window/NonClientArea.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/gdi/RegionUtil.h"
#include "framework/gdi/SystemColors.h"

#include <QCoreApplication>
#include <QPainter>

#include <map>
#include <memory>

using WindowCore::Live;

namespace {

struct OpenDC {
    HWND hWnd;
    std::unique_ptr<QImage> view; // the client area's bits, or NULL for the whole window
};

std::map<HDC, OpenDC> &OpenDCs()
{
    static std::map<HDC, OpenDC> dcs;
    return dcs;
}

QRect ClientBounds(HWND h)
{
    return QRect(0, 0, h->clientRect.right - h->clientRect.left, h->clientRect.bottom - h->clientRect.top);
}

// A context on the client area: an image that shares the backing image's
// bits from the client origin on, so nothing is copied.
HDC OpenOn(HWND h, std::unique_ptr<QImage> view, bool nothingToShow)
{
    HDC hdc = CreateImageDC(view ? view.get() : &h->backing);
    if (!hdc)
        return nullptr;
    if (nothingToShow) {
        hdc->state.clipped = true;
        hdc->state.clip = QRegion();
    }
    ++h->openDCs;
    OpenDCs()[hdc] = OpenDC{h, std::move(view)};
    return hdc;
}

// A window with no area (not sized yet, or collapsed) still gives a context,
// for measuring and for painting that shows nothing: one on a pixel of its
// own, clipped away.
std::unique_ptr<QImage> NothingToShow()
{
    return std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
}

HDC OpenClientDC(HWND h)
{
    QRect client = ClientBounds(h);
    if (client.isEmpty() || h->backing.isNull())
        return OpenOn(h, NothingToShow(), true);
    uchar *bits = h->backing.bits() + h->clientRect.top * h->backing.bytesPerLine() + h->clientRect.left * 4;
    auto view = std::make_unique<QImage>(bits, client.width(), client.height(), h->backing.bytesPerLine(),
                                         QImage::Format_RGB32);
    return OpenOn(h, std::move(view), false);
}

HDC OpenWindowDC(HWND h)
{
    if (h->backing.isNull())
        return OpenOn(h, NothingToShow(), true);
    return OpenOn(h, nullptr, false);
}

std::shared_ptr<RgnData> RegionData(HRGN hRgn)
{
    return std::dynamic_pointer_cast<RgnData>(GdiHandles::Lookup(hRgn));
}

QRegion RectRegion(const RECT *lpRect, HWND h)
{
    if (!lpRect)
        return QRegion(ClientBounds(h));
    return RegionUtil::FromRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void AddInvalid(HWND h, const QRegion &region, bool erase)
{
    QRegion clipped = region & ClientBounds(h);
    if (clipped.isEmpty())
        return;
    h->invalid += clipped;
    if (erase)
        h->erasePending = true;
    WindowPainting::RequestPaint(h);
}

void RemoveInvalid(HWND h, const QRegion &region)
{
    h->invalid -= region;
    if (h->invalid.isEmpty())
        h->erasePending = false;
}

} // namespace

// ---- Scheduling

void WindowPainting::RequestPaint(HWND h)
{
    if (h->paintRequested || !h->widget || (h->invalid.isEmpty() && !h->framePending))
        return;
    h->paintRequested = true;
    QCoreApplication::postEvent(h->widget, new QEvent(static_cast<QEvent::Type>(kPaintRequestEvent)),
                                Qt::LowEventPriority);
}

void WindowPainting::PaintNow(HWND h)
{
    if (!Live(h) || (h->invalid.isEmpty() && !h->framePending) || h->insidePaint || !h->redrawEnabled ||
        !IsWindowVisible(h))
        return;
    SendMessage(h, WM_PAINT, 0, 0);
}

void WindowPainting::Present(HWND h)
{
    if (Live(h) && h->widget)
        h->widget->update();
}

void WindowPainting::SendNcPaint(HWND h)
{
    if (Live(h) && (h->style & WS_VISIBLE)) {
        h->framePending = false;
        SendMessage(h, WM_NCPAINT, 1, 0);
    }
}

void WindowPainting::PaintPendingFrame(HWND h)
{
    if (Live(h) && h->framePending)
        SendNcPaint(h);
}

void WindowPainting::DrawStandardFrame(HWND h)
{
    if (h->backing.isNull())
        return;
    QPainter p(&h->backing);
    auto colour = [](int index) {
        COLORREF c = GetSysColor(index);
        return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
    };
    QRect outer(0, 0, h->backing.width(), h->backing.height());
    auto frame = [&](const QColor &topLeft, const QColor &bottomRight) {
        if (outer.width() <= 0 || outer.height() <= 0)
            return;
        p.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1), topLeft);
        p.fillRect(QRect(outer.left(), outer.top(), 1, outer.height()), topLeft);
        p.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1), bottomRight);
        p.fillRect(QRect(outer.right(), outer.top(), 1, outer.height()), bottomRight);
        outer.adjust(1, 1, -1, -1);
    };
    if (h->parent) {
        if (h->style & (WS_THICKFRAME | WS_DLGFRAME)) {
            int edge = (h->style & WS_THICKFRAME) ? GetSystemMetrics(SM_CXFRAME) : GetSystemMetrics(SM_CXDLGFRAME);
            frame(colour(COLOR_3DLIGHT), colour(COLOR_3DDKSHADOW));
            frame(colour(COLOR_BTNHIGHLIGHT), colour(COLOR_BTNSHADOW));
            for (int i = 2; i < edge; ++i)
                frame(colour(COLOR_BTNFACE), colour(COLOR_BTNFACE));
        } else if (h->style & WS_BORDER) {
            frame(colour(COLOR_WINDOWFRAME), colour(COLOR_WINDOWFRAME));
        }
        // The edges below go round the client area, under the caption.
        if (NonClient::HasCaption(h))
            outer.setTop(outer.top() + GetSystemMetrics(SM_CYCAPTION));
    }
    if (h->exStyle & WS_EX_CLIENTEDGE) {
        frame(colour(COLOR_BTNSHADOW), colour(COLOR_BTNHIGHLIGHT));
        frame(colour(COLOR_3DDKSHADOW), colour(COLOR_3DLIGHT));
    }
    if (h->exStyle & WS_EX_STATICEDGE)
        frame(colour(COLOR_BTNSHADOW), colour(COLOR_BTNHIGHLIGHT));
    if ((h->style & WS_VSCROLL) && (h->style & WS_HSCROLL)) {
        const RECT &c = h->clientRect;
        p.fillRect(QRect(c.right, c.bottom, GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)),
                   colour(COLOR_BTNFACE));
    }
    p.end();
    NonClient::DrawCaption(h);
    Present(h);
}

// ---- Invalidation

BOOL InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    AddInvalid(h, RectRegion(lpRect, h), bErase != 0);
    return TRUE;
}

BOOL InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    if (!hRgn) {
        AddInvalid(h, QRegion(ClientBounds(h)), bErase != 0);
        return TRUE;
    }
    auto data = RegionData(hRgn);
    if (!data)
        return FALSE;
    AddInvalid(h, data->region, bErase != 0);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT *lpRect)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    RemoveInvalid(h, RectRegion(lpRect, h));
    return TRUE;
}

BOOL ValidateRgn(HWND hWnd, HRGN hRgn)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    if (!hRgn) {
        RemoveInvalid(h, QRegion(ClientBounds(h)));
        return TRUE;
    }
    auto data = RegionData(hRgn);
    if (!data)
        return FALSE;
    RemoveInvalid(h, data->region);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    WindowPainting::PaintNow(h);
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    if (lpRect)
        *lpRect = RegionUtil::ToRect(h->invalid.boundingRect());
    if (bErase && h->erasePending && !h->invalid.isEmpty()) {
        HDC hdc = GetDC(h);
        if (hdc) {
            hdc->state.clipped = true;
            hdc->state.clip = h->invalid;
            h->erasePending = !SendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
            ReleaseDC(h, hdc);
        }
    }
    return h->invalid.isEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hWnd, HRGN hRgn, BOOL bErase)
{
    HWND h = Live(hWnd);
    auto data = RegionData(hRgn);
    if (!h || !data)
        return ERROR;
    GetUpdateRect(h, nullptr, bErase);
    data->region = h->invalid;
    return RegionUtil::Type(data->region);
}

namespace {

// The frame RDW_FRAME invalidates is painted by WM_NCPAINT from BeginPaint
// (or at once with RDW_ERASENOW); RDW_NOERASE and RDW_NOFRAME drop the
// erasing and the frame painting that wait.
void Redraw(HWND h, const QRegion &region, UINT flags)
{
    if (flags & RDW_INVALIDATE)
        AddInvalid(h, region, (flags & RDW_ERASE) != 0);
    if (flags & RDW_VALIDATE)
        RemoveInvalid(h, region);
    if ((flags & RDW_INVALIDATE) && (flags & RDW_FRAME) && (h->style & WS_VISIBLE)) {
        h->framePending = true;
        WindowPainting::RequestPaint(h);
    }
    if (flags & RDW_NOERASE)
        h->erasePending = false;
    if (flags & RDW_NOFRAME)
        h->framePending = false;
    if (flags & RDW_ALLCHILDREN) {
        std::vector<HWND> children = h->children;
        for (HWND child : children) {
            if (!Live(child))
                continue;
            QRegion childRegion = region.translated(-child->windowRect.left - child->clientRect.left,
                                                    -child->windowRect.top - child->clientRect.top);
            Redraw(child, childRegion, flags);
        }
    }
    if (!Live(h))
        return;
    if (flags & RDW_ERASENOW) {
        WindowPainting::PaintPendingFrame(h);
        if (Live(h))
            GetUpdateRect(h, nullptr, TRUE);
    }
    if ((flags & RDW_UPDATENOW) && Live(h))
        WindowPainting::PaintNow(h);
}

} // namespace

BOOL RedrawWindow(HWND hWnd, const RECT *lprcUpdate, HRGN hrgnUpdate, UINT flags)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    QRegion region = QRegion(ClientBounds(h));
    if (hrgnUpdate) {
        auto data = RegionData(hrgnUpdate);
        if (!data)
            return FALSE;
        region = data->region;
    } else if (lprcUpdate) {
        region = RectRegion(lprcUpdate, h);
    }
    Redraw(h, region, flags);
    return TRUE;
}

BOOL LockWindowUpdate(HWND hWndLock)
{
    static HWND locked = nullptr;
    if (HWND old = Live(locked)) {
        old->redrawEnabled = true;
        InvalidateRect(old, nullptr, TRUE);
    }
    locked = Live(hWndLock);
    if (locked)
        locked->redrawEnabled = false;
    return TRUE;
}

// ---- BeginPaint / EndPaint and window contexts

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint)
{
    HWND h = Live(hWnd);
    if (!h || !lpPaint)
        return nullptr;
    *lpPaint = PAINTSTRUCT{};
    WindowPainting::PaintPendingFrame(h); // the frame first, then the background
    if (!Live(h))
        return nullptr;
    QRegion region = h->invalid & ClientBounds(h);
    bool erase = h->erasePending;
    h->invalid = QRegion();
    h->erasePending = false;
    HDC hdc = OpenClientDC(h);
    if (!hdc)
        return nullptr;
    hdc->state.clipped = true;
    hdc->state.clip = region;
    h->insidePaint = true;
    lpPaint->hdc = hdc;
    lpPaint->rcPaint = RegionUtil::ToRect(region.boundingRect());
    lpPaint->fErase = TRUE;
    if (erase && !region.isEmpty())
        lpPaint->fErase = SendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
    else if (!erase)
        lpPaint->fErase = FALSE;
    return hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT *lpPaint)
{
    if (!lpPaint || !lpPaint->hdc)
        return FALSE;
    if (HWND h = Live(hWnd))
        h->insidePaint = false;
    ReleaseDC(hWnd, lpPaint->hdc);
    return TRUE;
}

HDC GetDC(HWND hWnd)
{
    if (!hWnd) {
        // The screen: a context like the display for measuring and reading
        // the screen's pixels, whose drawing shows on the screen's overlay.
        return ScreenOverlay::Open();
    }
    HWND h = Live(hWnd);
    return h ? OpenClientDC(h) : nullptr;
}

HDC GetWindowDC(HWND hWnd)
{
    HWND h = Live(hWnd);
    return h ? OpenWindowDC(h) : nullptr;
}

HDC GetDCEx(HWND hWnd, HRGN hrgnClip, DWORD flags)
{
    if (!hWnd)
        return GetDC(nullptr);
    HDC hdc = (flags & DCX_WINDOW) ? GetWindowDC(hWnd) : GetDC(hWnd);
    if (hdc && hrgnClip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)))
        ExtSelectClipRgn(hdc, hrgnClip, (flags & DCX_EXCLUDERGN) ? RGN_DIFF : RGN_AND);
    return hdc;
}

int ReleaseDC(HWND hWnd, HDC hDC)
{
    if (ScreenOverlay::Owns(hDC)) {
        ScreenOverlay::Release(hDC);
        return 1;
    }
    auto it = OpenDCs().find(hDC);
    if (it == OpenDCs().end())
        return 0;
    HWND owner = it->second.hWnd;
    DeleteDC(hDC);
    OpenDCs().erase(it);
    if (HWND h = Live(owner)) {
        if (--h->openDCs == 0)
            h->retiredBacking.clear();
        WindowPainting::Present(h);
    }
    (void)hWnd;
    return 1;
}

// ---- Scrolling

int ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT *prcScroll, const RECT *prcClip, HRGN hrgnUpdate,
                   LPRECT prcUpdate, UINT flags)
{
    HWND h = Live(hWnd);
    if (!h)
        return ERROR;
    QRect client = ClientBounds(h);
    QRect scroll =
        prcScroll
            ? RegionUtil::RectFromEdges(prcScroll->left, prcScroll->top, prcScroll->right, prcScroll->bottom) & client
            : client;
    QRect clip = prcClip
                     ? RegionUtil::RectFromEdges(prcClip->left, prcClip->top, prcClip->right, prcClip->bottom) & client
                     : client;
    QRect area = scroll & clip;
    QRegion uncovered;
    if (!area.isEmpty() && (dx || dy)) {
        // Move the pixels inside the scroll rectangle, never outside the clip.
        QImage source = h->backing.copy(scroll.translated(WindowGeometry::ClientOrigin(h)));
        QPainter p(&h->backing);
        p.setClipRect(area.translated(WindowGeometry::ClientOrigin(h)));
        p.drawImage(scroll.topLeft() + QPoint(dx, dy) + WindowGeometry::ClientOrigin(h), source);
        p.end();
        QRegion received = QRegion(area) & QRegion(scroll.translated(dx, dy));
        uncovered = QRegion(area) - received;
        // What was waiting to be painted moves with the pixels: the pixels
        // that arrived are invalid where their source was, wherever in the
        // scroll rectangle that was (outside the clip included).
        QRegion moving = (h->invalid & QRegion(scroll)).translated(dx, dy) & received;
        h->invalid = (h->invalid - received) + moving;
    }
    if ((flags & SW_SCROLLCHILDREN) && (dx || dy)) {
        std::vector<HWND> children = h->children;
        for (HWND child : children) {
            if (!Live(child))
                continue;
            QRect rc(QPoint(child->windowRect.left, child->windowRect.top),
                     QPoint(child->windowRect.right - 1, child->windowRect.bottom - 1));
            if (prcScroll && !scroll.intersects(rc))
                continue;
            SetWindowPos(child, nullptr, child->windowRect.left + dx, child->windowRect.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (!Live(h))
        return ERROR;
    if (flags & SW_INVALIDATE)
        AddInvalid(h, uncovered, (flags & SW_ERASE) != 0);
    if (auto data = RegionData(hrgnUpdate))
        data->region = uncovered;
    if (prcUpdate)
        *prcUpdate = RegionUtil::ToRect(uncovered.boundingRect());
    WindowPainting::Present(h);
    return RegionUtil::Type(uncovered);
}

BOOL ScrollWindow(HWND hWnd, int XAmount, int YAmount, const RECT *lpRect, const RECT *lpClipRect)
{
    UINT flags = SW_INVALIDATE | SW_ERASE | (lpRect ? 0 : SW_SCROLLCHILDREN);
    return ScrollWindowEx(hWnd, XAmount, YAmount, lpRect, lpClipRect, nullptr, nullptr, flags) != ERROR;
}
