// The clipboard text the edit control cuts, copies and pastes, through the
// shell's clipboard (CF_TEXT, UTF-8). Framework-internal.
#pragma once

#include "framework/base/CString.h"
#include "framework/window/WinHandles.h"

namespace EditClipboard {
// FALSE when the clipboard could not take the text (it is open elsewhere).
BOOL PutText(HWND hOwner, const CString &text);
// Empty when the clipboard holds no text or cannot be opened.
CString Text(HWND hOwner);
} // namespace EditClipboard
