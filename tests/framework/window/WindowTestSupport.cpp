#include "WindowTestSupport.h"

#include "framework/window/WindowInternals.h"

#include "framework/gdi/GdiObject.h"

#include <QCoreApplication>

std::vector<RecordedMessage> CRecordingWnd::Only(std::initializer_list<UINT> wanted) const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage &m : messages)
        for (UINT w : wanted)
            if (m.message == w)
                result.push_back(m);
    return result;
}

LRESULT CRecordingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    messages.push_back(RecordedMessage{message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}

LPCTSTR TestWindowClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
                               static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

BOOL CreateTopLevel(CWnd &wnd, const RECT &rect, DWORD dwStyle, DWORD dwExStyle)
{
    return wnd.CreateEx(dwExStyle, TestWindowClass(), "Test", dwStyle, rect, nullptr, 0);
}

QWidget *WidgetOf(HWND hWnd)
{
    return WindowCore::Widget(hWnd);
}

void PumpEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}
