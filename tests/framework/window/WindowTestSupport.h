// Small windows for the window-layer tests: a top-level frame shown on the
// offscreen platform and a recording window that keeps every message it
// gets.
#pragma once

#include "framework/window/Wnd.h"

#include <QWidget>

#include <vector>

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CRecordingWnd : public CWnd {
public:
    std::vector<RecordedMessage> messages;

    // Messages with these numbers only (all of them when empty).
    std::vector<RecordedMessage> Only(std::initializer_list<UINT> wanted) const;
    void Clear() { messages.clear(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A registered class with a white background and double clicks.
LPCTSTR TestWindowClass();
// Creates and shows a top-level popup window at a fixed place.
BOOL CreateTopLevel(CWnd &wnd, const RECT &rect, DWORD dwStyle = WS_POPUP | WS_VISIBLE, DWORD dwExStyle = 0);
// The widget showing a window.
QWidget *WidgetOf(HWND hWnd);
// Runs Qt's pending events and the message queue.
void PumpEvents();
