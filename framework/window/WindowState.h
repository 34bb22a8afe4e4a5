// What an HWND stands for: one record per window, owned by the window
// layer from CreateWindowEx until WM_NCDESTROY. Framework-internal.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRegion>

#include "framework/base/CString.h"
#include "framework/window/WinHandles.h"
#include "framework/window/WinMessages.h"
#include "framework/window/WinStyles.h"

#include <map>
#include <string>
#include <vector>

class CWnd;
class WindowWidget;
class QScrollBar;

struct WindowScrollBar {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 100, 0, 0, 0};
    bool shown = false;           // the bar takes room in the non-client area
    UINT disabledArrows = 0;      // ESB_DISABLE_* bits
    QScrollBar *widget = nullptr; // child of the window's widget, or NULL while hidden
};

struct HWND__ {
    CString className;
    WNDCLASS windowClass{};
    WNDPROC wndProc = nullptr; // the head of the procedure chain
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0; // control id of a child; the menu of a top-level window
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    CString text;
    HWND parent = nullptr;      // child windows
    HWND owner = nullptr;       // owned top-level windows
    std::vector<HWND> children; // z-order, top first
    CWnd *wnd = nullptr;        // the attached object (handle map)
    HFONT font = nullptr;
    HMENU menu = nullptr;
    std::map<std::string, HANDLE> properties;
    QPointer<WindowWidget> widget;

    // Geometry in the parent's client coordinates (screen for top-level
    // windows) and the client rectangle in window coordinates.
    RECT windowRect{0, 0, 0, 0};
    RECT clientRect{0, 0, 0, 0};

    // Painting: the backing image covers the whole window; the client area
    // is the part at clientRect. invalid is in client coordinates.
    QImage backing;
    QRegion invalid;
    bool erasePending = false;
    bool framePending = false; // the frame waits for WM_NCPAINT (RDW_FRAME)
    bool paintRequested = false;
    bool redrawEnabled = true;
    bool insidePaint = false;
    int openDCs = 0;                    // contexts drawing into the backing image
    std::vector<QImage> retiredBacking; // images replaced while contexts were open

    WindowScrollBar bars[2]; // SB_HORZ, SB_VERT

    UINT sizeState = SIZE_RESTORED; // SIZE_MINIMIZED, SIZE_MAXIMIZED
    RECT normalRect{0, 0, 0, 0};    // the rectangle a maximised window is restored to
    bool restoreMaximized = false;  // a minimised window that was maximised before
    bool ncActive = false;          // the caption a child draws itself shows active (WM_NCACTIVATE)
    bool created = false;           // WM_CREATE done
    bool destroying = false;        // DestroyWindow under way
    bool destroySent = false;       // WM_DESTROY sent
};

namespace WindowRegistry {
// TRUE while the handle names a live window.
bool IsLive(HWND hWnd);
void Add(HWND hWnd);
void Remove(HWND hWnd);
// Every live top-level window (no parent), in creation order.
std::vector<HWND> TopLevelWindows();
} // namespace WindowRegistry

namespace WindowGeometry {
// Recomputes the client rectangle (WM_NCCALCSIZE), resizes the backing
// image and the widget, places scroll bars. pChange is the position change
// under way (WM_NCCALCSIZE with wParam TRUE and the previous rectangles), or
// NULL at creation (wParam FALSE). Returns TRUE when the client size changed.
bool Apply(HWND hWnd, const RECT &rcWindow, WINDOWPOS *pChange = nullptr);
// Moves the window without resizing it: the client area moves with it.
void Move(HWND hWnd, const RECT &rcWindow);
// Puts the widget where the window rectangle says (after a new parent).
void Place(HWND hWnd);
// Offset of the client area's origin from the widget's origin.
QPoint ClientOrigin(HWND hWnd);
// The window's origin and its client origin in screen coordinates.
QPoint WindowOriginOnScreen(HWND hWnd);
QPoint ClientOriginOnScreen(HWND hWnd);
// The standard non-client insets for the styles.
RECT StandardInsets(HWND hWnd);
// Asks a top-level window for its tracking limits (WM_GETMINMAXINFO); they
// bound sizes the user drags, not sizes the program sets.
MINMAXINFO QueryMinMaxInfo(HWND hWnd);
// Clamps a top-level window's new size to its tracking limits, keeping the
// edges opposite the dragged edge (WMSZ_*) in place.
void ClampToTrackingLimits(HWND hWnd, RECT &rc, UINT edge);
// Shows the widget minimised, maximised or normal as sizeState says.
void ShowInSizeState(HWND hWnd);
// The rectangle of a maximised top-level window (asks WM_GETMINMAXINFO).
RECT MaximizedRect(HWND hWnd);
} // namespace WindowGeometry

namespace WindowPainting {
// Schedules WM_PAINT for a window with an invalid region.
void RequestPaint(HWND hWnd);
// Sends WM_PAINT now when the window has an invalid region.
void PaintNow(HWND hWnd);
// Shows the backing image's changes (the widget repaints from it).
void Present(HWND hWnd);
// Draws the standard frame (borders, edges) into the backing image.
void DrawStandardFrame(HWND hWnd);
// Sends WM_NCPAINT to a visible window.
void SendNcPaint(HWND hWnd);
// Sends WM_NCPAINT when the frame waits for it (RDW_FRAME).
void PaintPendingFrame(HWND hWnd);
} // namespace WindowPainting
