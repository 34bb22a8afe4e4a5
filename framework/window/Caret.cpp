// The caret: drawn over the presented image (inverting what it covers) so
// the backing image never holds it; blinks at the desktop's flash rate.
#include "framework/window/CaretApi.h"
#include "framework/window/WindowInternals.h"

#include "framework/gdi/SystemColors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>

using WindowCore::Live;

namespace {

struct CaretState {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    bool grey = false;
    POINT pos{0, 0};
    int hideCount = 1; // a new caret is hidden until ShowCaret
    bool blinkOn = true;
    QPointer<QTimer> blink;
};

CaretState &C()
{
    static CaretState caret;
    return caret;
}

void Present()
{
    if (HWND h = Live(C().owner))
        WindowPainting::Present(h);
}

QTimer *BlinkTimer()
{
    if (!C().blink) {
        C().blink = new QTimer(QCoreApplication::instance());
        QObject::connect(C().blink, &QTimer::timeout, []() {
            C().blinkOn = !C().blinkOn;
            Present();
        });
    }
    return C().blink;
}

void RestartBlink()
{
    C().blinkOn = true;
    UINT period = GetCaretBlinkTime();
    QTimer *timer = BlinkTimer();
    if (period == 0 || !C().owner)
        timer->stop();
    else
        timer->start(static_cast<int>(period));
}

} // namespace

UINT GetCaretBlinkTime()
{
    int flash = QGuiApplication::styleHints()->cursorFlashTime();
    return flash > 0 ? static_cast<UINT>(flash / 2) : 0;
}

BOOL CreateCaret(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight)
{
    if (!Live(hWnd))
        return FALSE;
    DestroyCaret();
    C().owner = hWnd;
    C().grey = reinterpret_cast<ULONG_PTR>(hBitmap) == 1;
    C().width = nWidth > 0 ? nWidth : GetSystemMetrics(SM_CXBORDER);
    C().height = nHeight > 0 ? nHeight : GetSystemMetrics(SM_CYBORDER);
    C().pos = POINT{0, 0};
    C().hideCount = 1;
    RestartBlink();
    return TRUE;
}

BOOL DestroyCaret()
{
    if (!C().owner)
        return FALSE;
    Present();
    C().owner = nullptr;
    C().hideCount = 1;
    if (C().blink)
        C().blink->stop();
    return TRUE;
}

BOOL ShowCaret(HWND hWnd)
{
    if (!Live(C().owner) || (hWnd && hWnd != C().owner))
        return FALSE;
    if (C().hideCount > 0 && --C().hideCount == 0)
        RestartBlink();
    Present();
    return TRUE;
}

BOOL HideCaret(HWND hWnd)
{
    if (!Live(C().owner) || (hWnd && hWnd != C().owner))
        return FALSE;
    ++C().hideCount;
    Present();
    return TRUE;
}

BOOL SetCaretPos(int X, int Y)
{
    if (!Live(C().owner))
        return FALSE;
    C().pos = POINT{X, Y};
    RestartBlink();
    Present();
    return TRUE;
}

BOOL GetCaretPos(LPPOINT lpPoint)
{
    if (!Live(C().owner) || !lpPoint)
        return FALSE;
    *lpPoint = C().pos;
    return TRUE;
}

BOOL PlexoIsCaretVisible(HWND *phOwner, RECT *prcCaret)
{
    HWND owner = Live(C().owner);
    if (phOwner)
        *phOwner = owner;
    if (prcCaret)
        *prcCaret = RECT{C().pos.x, C().pos.y, C().pos.x + C().width, C().pos.y + C().height};
    return owner && C().hideCount == 0;
}

void Caret::Forget(HWND hWnd)
{
    if (C().owner == hWnd)
        DestroyCaret();
}

void Caret::DrawOver(HWND hWnd, QPainter &painter)
{
    if (C().owner != hWnd || C().hideCount != 0 || !C().blinkOn)
        return;
    QPoint origin = WindowGeometry::ClientOrigin(hWnd);
    QRect rect(origin.x() + C().pos.x, origin.y() + C().pos.y, C().width, C().height);
    QRect client(origin,
                 QSize(hWnd->clientRect.right - hWnd->clientRect.left, hWnd->clientRect.bottom - hWnd->clientRect.top));
    painter.save();
    painter.setClipRect(client);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(rect, C().grey ? QColor(128, 128, 128) : QColor(255, 255, 255));
    painter.restore();
}
