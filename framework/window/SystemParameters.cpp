// SystemParametersInfo on Qt's screens.
#include "framework/window/SystemParametersApi.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace {

BOOL WorkArea(LPVOID pvParam)
{
    auto *rc = static_cast<RECT *>(pvParam);
    if (!rc)
        return FALSE;
    QScreen *screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    *rc = RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
    return TRUE;
}

BOOL DragFullWindows(LPVOID pvParam)
{
    auto *pbFull = static_cast<BOOL *>(pvParam);
    if (!pbFull)
        return FALSE;
    *pbFull = FALSE;
    return TRUE;
}

} // namespace

BOOL SystemParametersInfo(UINT uiAction, UINT, LPVOID pvParam, UINT)
{
    switch (uiAction) {
    case SPI_GETWORKAREA: return WorkArea(pvParam);
    case SPI_GETDRAGFULLWINDOWS: return DragFullWindows(pvParam);
    default: return FALSE;
    }
}
