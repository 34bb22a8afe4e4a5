// The non-client area the window layer draws itself: child windows with a
// caption (document windows inside an MDI client) get a caption bar with
// the system-menu icon, the title and the minimise, maximise and close
// buttons. Hit testing names the caption, its buttons and the sizing
// borders; the mouse loops move and size such a window and press its
// buttons. Top-level windows get their caption from the desktop.
// Framework-internal.
#pragma once

#include "framework/window/WindowState.h"

namespace NonClient {
// A child window whose styles ask for a caption.
bool HasCaption(HWND hWnd);
// The caption bar in window coordinates (empty without a caption).
RECT CaptionRect(HWND hWnd);
// The part of the caption named by its hit-test code (HTSYSMENU,
// HTMINBUTTON, HTMAXBUTTON, HTCLOSE) in window coordinates; empty when the
// window's styles do not show it.
RECT PartRect(HWND hWnd, int nHit);
// The hit-test code of a point (window coordinates) outside the client
// area and its scroll bars: a caption part, a sizing border or HTBORDER.
int HitTest(HWND hWnd, POINT ptWindow);
// Draws the caption into the backing image; nPressed shows that button
// pushed in.
void DrawCaption(HWND hWnd, int nPressed = 0);
// The default processing of WM_NCLBUTTONDOWN and WM_NCLBUTTONDBLCLK.
void LButtonDown(HWND hWnd, int nHit, POINT ptScreen);
void LButtonDblClk(HWND hWnd, int nHit);
// Moves (size false) or sizes the window with the arrow keys until Enter,
// a click or Escape: the system menu's Move and Size.
void TrackFromKeyboard(HWND hWnd, bool size);
// Shows the window's system menu with its top-left corner at ptScreen and
// sends the chosen WM_SYSCOMMAND.
void TrackSystemMenu(HWND hWnd, POINT ptScreen);
// The icon the caption shows (the class icon, else the application icon).
HICON CaptionIcon(HWND hWnd);
} // namespace NonClient
