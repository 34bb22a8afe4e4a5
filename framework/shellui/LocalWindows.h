// This process's top-level windows by class and title.  Framework-internal.
#pragma once

#include "framework/window/WinHandles.h"

namespace LocalWindows {
// The first top-level window whose class and title match (NULL: any).
HWND Find(LPCTSTR lpClassName, LPCTSTR lpWindowName);
// TRUE for a live top-level window of the class.
bool IsTopLevelOfClass(HWND hWnd, LPCTSTR lpClassName);
} // namespace LocalWindows
