// Scroll bars of a window (QScrollBar children in its non-client area) and
// scroll-bar controls ("SCROLLBAR" windows). The program owns the position:
// a user action sends WM_HSCROLL/WM_VSCROLL and the bar shows whatever
// position the handler sets.
#include "framework/window/MessageApi.h"
#include "framework/window/ScrollApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowWidget.h"

#include "framework/gdi/SystemColors.h"

#include <QScrollBar>

#include <algorithm>

using WindowCore::Live;

#include "framework/window/ScrollBar.h"

namespace {

bool IsControl(HWND h)
{
    return h->className.CompareNoCase("SCROLLBAR") == 0;
}

// The record of a bar: a control keeps its own in slot 0.
WindowScrollBar *Bar(HWND h, int nBar)
{
    if (nBar == SB_CTL)
        return IsControl(h) ? &h->bars[0] : nullptr;
    if (nBar == SB_HORZ || nBar == SB_VERT)
        return &h->bars[nBar];
    return nullptr;
}

int MaxPos(const SCROLLINFO &si)
{
    int page = static_cast<int>(si.nPage);
    return plexoMax(si.nMin, si.nMax - plexoMax(page - 1, 0));
}

void Sync(WindowScrollBar &bar)
{
    if (!bar.widget)
        return;
    const SCROLLINFO &si = bar.info;
    QSignalBlocker block(bar.widget);
    bar.widget->setRange(si.nMin, MaxPos(si));
    bar.widget->setPageStep(plexoMax<int>(static_cast<int>(si.nPage), 1));
    bar.widget->setSingleStep(1);
    bar.widget->setValue(si.nPos);
    // A bar whose page covers its whole range has nothing to scroll.
    bar.widget->setEnabled(bar.disabledArrows != ESB_DISABLE_BOTH && MaxPos(si) > si.nMin);
}

UINT ActionCode(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return SB_THUMBTRACK;
    }
}

// Where a bar's messages go: the window for its own bars, the parent
// (with the control's handle) for a control.
void Notify(HWND h, int nBar, UINT code, int pos)
{
    bool control = nBar == SB_CTL;
    HWND target = control ? h->parent : h;
    if (!Live(target))
        return;
    bool vertical = control ? (h->style & SBS_VERT) != 0 : nBar == SB_VERT;
    WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(pos));
    SendMessage(target, vertical ? WM_VSCROLL : WM_HSCROLL, wParam, control ? reinterpret_cast<LPARAM>(h) : 0);
}

QScrollBar *MakeBarWidget(HWND h, int nBar, Qt::Orientation orientation)
{
    auto *widget = new QScrollBar(orientation, h->widget);
    QObject::connect(widget, &QAbstractSlider::actionTriggered, [h, nBar, widget](int action) {
        if (!Live(h) || action == QAbstractSlider::SliderNoAction)
            return;
        WindowScrollBar *bar = Bar(h, nBar);
        UINT code = ActionCode(action);
        int pos = code == SB_THUMBTRACK ? widget->sliderPosition() : bar->info.nPos;
        if (code == SB_THUMBTRACK)
            bar->info.nTrackPos = pos;
        Notify(h, nBar, code, pos);
        if (Live(h) && code != SB_THUMBTRACK) {
            Sync(*Bar(h, nBar));
            Notify(h, nBar, SB_ENDSCROLL, 0);
        }
    });
    QObject::connect(widget, &QAbstractSlider::sliderReleased, [h, nBar, widget]() {
        if (!Live(h))
            return;
        int pos = widget->sliderPosition();
        Bar(h, nBar)->info.nTrackPos = pos;
        Notify(h, nBar, SB_THUMBPOSITION, pos);
        if (Live(h)) {
            Sync(*Bar(h, nBar));
            Notify(h, nBar, SB_ENDSCROLL, 0);
        }
    });
    return widget;
}

void ChangeFrameStyle(HWND h, DWORD bits, bool on)
{
    DWORD style = on ? (h->style | bits) : (h->style & ~bits);
    if (style == h->style)
        return;
    h->style = style;
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

void ScrollBars::Layout(HWND h)
{
    if (!h->widget)
        return;
    if (IsControl(h)) {
        WindowScrollBar &bar = h->bars[0];
        if (!bar.widget)
            bar.widget = MakeBarWidget(h, SB_CTL, (h->style & SBS_VERT) ? Qt::Vertical : Qt::Horizontal);
        const RECT &c = h->clientRect;
        bar.widget->setGeometry(c.left, c.top, c.right - c.left, c.bottom - c.top);
        bar.widget->show();
        Sync(bar);
        return;
    }
    const RECT &c = h->clientRect;
    for (int nBar : {SB_HORZ, SB_VERT}) {
        WindowScrollBar &bar = h->bars[nBar];
        bool shown = (h->style & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
        bar.shown = shown;
        if (!shown) {
            if (bar.widget)
                bar.widget->hide();
            continue;
        }
        if (!bar.widget)
            bar.widget = MakeBarWidget(h, nBar, nBar == SB_VERT ? Qt::Vertical : Qt::Horizontal);
        if (nBar == SB_VERT)
            bar.widget->setGeometry(c.right, c.top, GetSystemMetrics(SM_CXVSCROLL), c.bottom - c.top);
        else
            bar.widget->setGeometry(c.left, c.bottom, c.right - c.left, GetSystemMetrics(SM_CYHSCROLL));
        bar.widget->show();
        Sync(bar);
    }
}

int SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO lpsi, BOOL)
{
    HWND h = Live(hWnd);
    WindowScrollBar *bar = h ? Bar(h, nBar) : nullptr;
    if (!bar || !lpsi)
        return 0;
    SCROLLINFO &si = bar->info;
    if (lpsi->fMask & SIF_RANGE) {
        si.nMin = lpsi->nMin;
        si.nMax = plexoMax(lpsi->nMin, lpsi->nMax);
    }
    if (lpsi->fMask & SIF_PAGE)
        si.nPage = lpsi->nPage;
    long long span = static_cast<long long>(si.nMax) - si.nMin + 1;
    if (static_cast<long long>(si.nPage) > span)
        si.nPage = static_cast<UINT>(span);
    if (lpsi->fMask & SIF_POS)
        si.nPos = lpsi->nPos;
    si.nPos = std::clamp(si.nPos, si.nMin, MaxPos(si));
    if (nBar != SB_CTL && (lpsi->fMask & (SIF_RANGE | SIF_PAGE))) {
        // A window's bar shows while there is something to scroll.
        bool needed = si.nPage > 0 ? span > static_cast<long long>(si.nPage) : si.nMax > si.nMin;
        if (needed || !(lpsi->fMask & SIF_DISABLENOSCROLL))
            ChangeFrameStyle(h, nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL,
                             needed || (lpsi->fMask & SIF_DISABLENOSCROLL));
    }
    if (Live(h))
        Sync(*bar);
    return si.nPos;
}

BOOL GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO lpsi)
{
    HWND h = Live(hWnd);
    WindowScrollBar *bar = h ? Bar(h, nBar) : nullptr;
    if (!bar || !lpsi)
        return FALSE;
    const SCROLLINFO &si = bar->info;
    if (lpsi->fMask & SIF_RANGE) {
        lpsi->nMin = si.nMin;
        lpsi->nMax = si.nMax;
    }
    if (lpsi->fMask & SIF_PAGE)
        lpsi->nPage = si.nPage;
    if (lpsi->fMask & SIF_POS)
        lpsi->nPos = si.nPos;
    if (lpsi->fMask & SIF_TRACKPOS)
        lpsi->nTrackPos = si.nTrackPos;
    return TRUE;
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw)
{
    HWND h = Live(hWnd);
    WindowScrollBar *bar = h ? Bar(h, nBar) : nullptr;
    if (!bar)
        return 0;
    int old = bar->info.nPos;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0};
    SetScrollInfo(h, nBar, &si, bRedraw);
    return old;
}

int GetScrollPos(HWND hWnd, int nBar)
{
    HWND h = Live(hWnd);
    WindowScrollBar *bar = h ? Bar(h, nBar) : nullptr;
    return bar ? bar->info.nPos : 0;
}

BOOL SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (!Live(hWnd))
        return FALSE;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    SetScrollInfo(hWnd, nBar, &si, bRedraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos)
{
    HWND h = Live(hWnd);
    WindowScrollBar *bar = h ? Bar(h, nBar) : nullptr;
    if (!bar || !lpMinPos || !lpMaxPos)
        return FALSE;
    *lpMinPos = bar->info.nMin;
    *lpMaxPos = bar->info.nMax;
    return TRUE;
}

BOOL EnableScrollBar(HWND hWnd, UINT wSBflags, UINT wArrows)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    for (int nBar : {SB_HORZ, SB_VERT, SB_CTL}) {
        bool selected = wSBflags == static_cast<UINT>(nBar) || (wSBflags == SB_BOTH && nBar != SB_CTL);
        WindowScrollBar *bar = selected ? Bar(h, nBar) : nullptr;
        if (!bar)
            continue;
        bar->disabledArrows = wArrows;
        Sync(*bar);
    }
    return TRUE;
}

BOOL ShowScrollBar(HWND hWnd, int wBar, BOOL bShow)
{
    HWND h = Live(hWnd);
    if (!h)
        return FALSE;
    if (wBar == SB_CTL)
        return ShowWindow(h, bShow ? SW_SHOW : SW_HIDE), TRUE;
    DWORD bits = wBar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : (wBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL);
    ChangeFrameStyle(h, bits, bShow != 0);
    return TRUE;
}

// The scroll-bar control class.
namespace {
const bool g_scrollBarClass = []() {
    WNDCLASS wc{};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "SCROLLBAR";
    RegisterClass(&wc);
    return true;
}();
} // namespace
