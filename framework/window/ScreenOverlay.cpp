// The screen context's picture and the overlay window that shows what was
// drawn on it (see ScreenOverlay.h).
#include "framework/window/ScreenOverlay.h"

#include "framework/window/InputApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowState.h"

#include "framework/gdi/DeviceContext.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <set>

namespace {

constexpr int kRefreshMs = 30;
constexpr int kLargestSide = 16384;

// A window of its own kind (not one of the program's windows): it never
// takes the focus or the mouse, and shows only the changed pixels.
class OverlayWidget : public QWidget {
public:
    OverlayWidget()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                               Qt::X11BypassWindowManagerHint)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
    }
    QImage shown; // the changed pixels, transparent elsewhere

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, shown);
    }
};

struct Overlay {
    std::set<HDC> contexts;
    QImage canvas;   // screen coordinates from (0, 0)
    QImage snapshot; // the canvas as it started
    QRect area;      // the part of the screen the window covers
    QPointer<OverlayWidget> widget;
    QPointer<QTimer> timer;
};

Overlay &O()
{
    static Overlay overlay;
    return overlay;
}

QRect ScreenBounds()
{
    QRect bounds;
    for (QScreen *screen : QGuiApplication::screens())
        bounds |= screen->geometry();
    if (bounds.isEmpty())
        bounds = QRect(0, 0, 1024, 768);
    return bounds;
}

// The screen of the active window (the frame being worked in), or the
// active window itself where the desktop places windows.
QRect CoveredArea()
{
    RECT rc{};
    HWND active = GetActiveWindow();
    bool haveActive = active && GetWindowRect(active, &rc);
    QRect activeRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    if (haveActive && Desktop::PlacesTopLevelWindows())
        return activeRect;
    QScreen *screen = haveActive ? QGuiApplication::screenAt(activeRect.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void DrawWindowTree(QPainter &painter, HWND h, const QRect &clip)
{
    if (!WindowCore::Live(h) || !(h->style & WS_VISIBLE) || h->backing.isNull())
        return;
    const QPoint origin = WindowGeometry::WindowOriginOnScreen(h);
    const QRect bounds = QRect(origin, h->backing.size()) & clip;
    if (bounds.isEmpty())
        return;
    painter.setClipRect(bounds);
    painter.drawImage(origin, h->backing);
    // Children lie over their parent's client area, the lowest drawn first.
    const QRect client = QRect(origin + QPoint(h->clientRect.left, h->clientRect.top),
                               QPoint(origin.x() + h->clientRect.right - 1, origin.y() + h->clientRect.bottom - 1)) &
                         bounds;
    for (auto it = h->children.rbegin(); it != h->children.rend(); ++it)
        DrawWindowTree(painter, *it, client);
}

// What the screen shows of our windows; black elsewhere.
QImage Snapshot(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (HWND top : WindowRegistry::TopLevelWindows())
        DrawWindowTree(painter, top, QRect(QPoint(0, 0), size));
    return image;
}

void Start()
{
    Overlay &o = O();
    const QRect bounds = ScreenBounds();
    const QSize size(std::clamp(bounds.right() + 1, 1, kLargestSide), std::clamp(bounds.bottom() + 1, 1, kLargestSide));
    o.snapshot = Snapshot(size);
    o.canvas = o.snapshot.copy();
    o.area = CoveredArea() & QRect(QPoint(0, 0), size);
    o.timer = new QTimer();
    QObject::connect(o.timer, &QTimer::timeout, []() { ScreenOverlay::Refresh(); });
    o.timer->start(kRefreshMs);
}

void Stop()
{
    Overlay &o = O();
    delete o.timer;
    delete o.widget;
    o.canvas = QImage();
    o.snapshot = QImage();
    o.area = QRect();
}

} // namespace

HDC ScreenOverlay::Open()
{
    Overlay &o = O();
    if (o.contexts.empty())
        Start();
    HDC hdc = CreateImageDC(&o.canvas);
    if (!hdc) {
        if (o.contexts.empty())
            Stop();
        return nullptr;
    }
    hdc->screen = true;
    o.contexts.insert(hdc);
    return hdc;
}

bool ScreenOverlay::Owns(HDC hdc)
{
    return hdc && O().contexts.count(hdc) != 0;
}

void ScreenOverlay::Release(HDC hdc)
{
    Overlay &o = O();
    if (!o.contexts.erase(hdc))
        return;
    DeleteDC(hdc);
    if (o.contexts.empty())
        Stop();
}

COLORREF ScreenOverlay::DrawnPixel(int x, int y)
{
    const Overlay &o = O();
    if (o.contexts.empty() || x < 0 || y < 0 || x >= o.canvas.width() || y >= o.canvas.height())
        return CLR_INVALID;
    const QRgb drawn = o.canvas.pixel(x, y);
    if (drawn == o.snapshot.pixel(x, y))
        return CLR_INVALID;
    return RGB(qRed(drawn), qGreen(drawn), qBlue(drawn));
}

bool ScreenOverlay::Refresh()
{
    Overlay &o = O();
    if (o.contexts.empty() || o.area.isEmpty())
        return false;
    QImage shown(o.area.size(), QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    bool any = false;
    for (int y = 0; y < o.area.height(); ++y) {
        const auto *drawn = reinterpret_cast<const QRgb *>(o.canvas.constScanLine(o.area.top() + y)) + o.area.left();
        const auto *before = reinterpret_cast<const QRgb *>(o.snapshot.constScanLine(o.area.top() + y)) + o.area.left();
        auto *out = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < o.area.width(); ++x) {
            if (drawn[x] != before[x]) {
                out[x] = drawn[x] | 0xFF000000u;
                any = true;
            }
        }
    }
    if (!any) {
        if (o.widget)
            o.widget->hide();
        return false;
    }
    if (!o.widget)
        o.widget = new OverlayWidget();
    o.widget->shown = shown;
    o.widget->setGeometry(o.area);
    // A mask lets the pixels through on desktops without a compositor.
    o.widget->setMask(QRegion(QBitmap::fromImage(shown.createAlphaMask())));
    if (!o.widget->isVisible())
        o.widget->show();
    o.widget->update();
    return true;
}
