// Per-window state of the standard controls. Framework-internal: each
// control keeps the state of its windows in a map by handle and erases it
// at WM_NCDESTROY.
#pragma once

#include "framework/window/WindowApi.h"

#include <map>

// The map of one control's state type; each state type has its own.
template <class State>
std::map<HWND, State> &ControlStates()
{
    static std::map<HWND, State> states;
    return states;
}

// The window's state, made on first use.
template <class State>
State &ControlState(HWND h)
{
    return ControlStates<State>()[h];
}

// The window's style bits.
inline DWORD ControlStyle(HWND h)
{
    return static_cast<DWORD>(GetWindowLong(h, GWL_STYLE));
}
