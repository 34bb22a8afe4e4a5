// Which window is registered with which drop target.  Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

class COleDropTarget;

namespace DropTargets {
void Add(HWND hWnd, COleDropTarget *pTarget);
// Removes the window's registration when it is this target's.
void Remove(HWND hWnd, const COleDropTarget *pTarget);
// The target of the window or of its nearest registered ancestor, and that
// window in *phTargetWnd; NULL when none.
COleDropTarget *Find(HWND hWnd, HWND *phTargetWnd);
// TRUE while the target is still registered for the window.
bool IsRegistered(const COleDropTarget *pTarget, HWND hWnd);
} // namespace DropTargets
