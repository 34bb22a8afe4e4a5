#include "ControlsTestSupport.h"

#include "framework/controls/ControlStyles.h"
#include "framework/window/MessageApi.h"
#include "framework/window/PaintApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowState.h"

#include <QCoreApplication>
#include <QTest>

namespace {

const RESOURCE_DIALOG_ITEM kHostItems[] = {
    {"BUTTON", "First", IDC_HOST_FIRST, 5, 5, 40, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "", IDC_HOST_WELLBUTTON, 50, 5, 40, 14, BS_OWNERDRAW | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Push", IDC_HOST_PUSH, 95, 5, 40, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
};

} // namespace

bool CHostDialog::Open(int x, int y)
{
    static RESOURCE_DIALOG host;
    host = {DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
            0,
            static_cast<short>(x),
            static_cast<short>(y),
            200,
            120,
            "Host",
            "MS Sans Serif",
            8,
            0,
            kHostItems,
            static_cast<int>(sizeof(kHostItems) / sizeof(kHostItems[0]))};
    if (!CreateIndirect(&host))
        return false;
    ShowWindow(SW_SHOW);
    Pump();
    return true;
}

LRESULT CHostDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SECCOLORWELL_SELCHANGE || message == WM_SECCOLORWELL_OTHER)
        colorMessages.push_back({message, wParam, lParam});
    return CDialog::WindowProc(message, wParam, lParam);
}

void Pump()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

QWidget *WidgetOf(HWND hWnd)
{
    return WindowCore::Widget(hWnd);
}

void Press(HWND hFocusWindow, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(WidgetOf(GetTopLevelWindow(hFocusWindow)), key, modifiers);
    Pump();
}

void MouseDown(HWND hWnd, int x, int y)
{
    QTest::mousePress(WidgetOf(hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    Pump();
}

void MouseUp(HWND hWnd, int x, int y)
{
    QTest::mouseRelease(WidgetOf(hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    Pump();
}

void MouseMove(HWND hWnd, int x, int y)
{
    QTest::mouseMove(WidgetOf(hWnd), QPoint(x, y));
    Pump();
}

void Click(HWND hWnd, int x, int y)
{
    MouseDown(hWnd, x, y);
    MouseUp(hWnd, x, y);
}

COLORREF ClientPixel(HWND hWnd, int x, int y)
{
    ::UpdateWindow(hWnd);
    Pump();
    const QRgb rgb = hWnd->backing.pixel(hWnd->clientRect.left + x, hWnd->clientRect.top + y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
