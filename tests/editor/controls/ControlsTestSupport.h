// A host dialog for the control library's windows, recording the colour
// messages it receives, and helpers to drive windows with Qt input.
#pragma once

#include "editor/controls/SECColorWellMessages.h"

#include "framework/controls/Dialog.h"

#include <QWidget>

#include <vector>

enum HostIds : UINT { IDC_HOST_WELLBUTTON = 1025, IDC_HOST_PUSH = 1030, IDC_HOST_FIRST = 1031 };

// One WM_SECCOLORWELL_* message as the host saw it.
struct ColorMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CHostDialog : public CDialog {
public:
    // Creates and shows the host (an owner-drawn button 1025, a first tab
    // stop 1031 and a plain push button 1030) at the dialog-unit position.
    bool Open(int x = 20, int y = 20);
    std::vector<ColorMessage> colorMessages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

void Pump();
QWidget *WidgetOf(HWND hWnd);
void Press(HWND hFocusWindow, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void MouseDown(HWND hWnd, int x, int y);
void MouseUp(HWND hWnd, int x, int y);
void MouseMove(HWND hWnd, int x, int y);
void Click(HWND hWnd, int x, int y);
// The colour a window's last paint left at a client point, read from its
// backing image after pending paints have run.
COLORREF ClientPixel(HWND hWnd, int x, int y);
