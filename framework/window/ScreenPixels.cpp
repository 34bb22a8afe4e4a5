// The screen's pixels for the screen context (GetDC(NULL) and GetPixel):
// over this program's windows they come from the windows' backing images;
// elsewhere from a grab of the screen where the desktop allows one (X11).
// On Wayland and offscreen there is nothing to read outside our windows.
// What the program draws through the screen context shows above them.
#include "framework/window/ScreenOverlay.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include "framework/gdi/DeviceContext.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {

bool Contains(HWND h, POINT pt)
{
    RECT rc;
    GetWindowRect(h, &rc);
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

// The deepest visible window of ours at a screen point, disabled ones too
// (a modal dialog's owner still shows its pixels).
HWND OurWindowAt(POINT pt)
{
    HWND found = nullptr;
    for (HWND top : WindowRegistry::TopLevelWindows())
        if (IsWindowVisible(top) && Contains(top, pt))
            found = top; // later windows lie above earlier ones
    for (HWND h = found; h;) {
        HWND next = nullptr;
        for (HWND child = GetWindow(h, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child) && Contains(child, pt)) {
                next = child;
                break;
            }
        }
        if (!next)
            break;
        found = h = next;
    }
    return found;
}

COLORREF FromImage(const QImage &image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return CLR_INVALID;
    QRgb px = image.pixel(x, y);
    return RGB(qRed(px), qGreen(px), qBlue(px));
}

COLORREF ScreenPixel(int x, int y)
{
    // What a program drew through the screen context lies above everything.
    COLORREF drawn = ScreenOverlay::DrawnPixel(x, y);
    if (drawn != CLR_INVALID)
        return drawn;
    POINT pt{x, y};
    if (HWND h = OurWindowAt(pt)) {
        QPoint origin = WindowGeometry::WindowOriginOnScreen(h);
        return FromImage(h->backing, x - origin.x(), y - origin.y());
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return CLR_INVALID;
    QScreen *screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen)
        return CLR_INVALID;
    QRect geometry = screen->geometry();
    QImage grab = screen->grabWindow(0, x - geometry.x(), y - geometry.y(), 1, 1).toImage();
    return FromImage(grab, 0, 0);
}

const bool g_installed = []() {
    PlexoSetScreenPixelSource(&ScreenPixel);
    return true;
}();

} // namespace
