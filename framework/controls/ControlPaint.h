// Helpers the standard controls share for painting. Framework-internal.
#pragma once

#include "framework/base/WinTypes.h"
#include "framework/window/WinHandles.h"

namespace ControlPaint {
// Asks the parent for the control's colours (WM_CTLCOLOR*), setting them in
// the context; the brush for the background.
HBRUSH ParentColors(HWND hCtl, HDC hdc, UINT nCtlColorMsg);
// Selects the control's font (WM_GETFONT) into the context; returns the old one.
HGDIOBJ SelectFont(HWND hCtl, HDC hdc);
// Runs the painter on WM_PAINT's context: the one in wParam, or BeginPaint's.
template <class Painter>
void OnPaint(HWND hCtl, WPARAM wParam, Painter paint);
} // namespace ControlPaint

#include "framework/window/PaintApi.h"
#include "framework/window/WinMessages.h"

template <class Painter>
void ControlPaint::OnPaint(HWND hCtl, WPARAM wParam, Painter paint)
{
    if (auto hdc = reinterpret_cast<HDC>(wParam)) {
        paint(hdc);
        return;
    }
    PAINTSTRUCT ps;
    if (HDC hdc = BeginPaint(hCtl, &ps)) {
        paint(hdc);
        EndPaint(hCtl, &ps);
    }
}
