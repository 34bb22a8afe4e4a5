// The clipboard text the edit control cuts, copies and pastes.
// Framework-internal: until the shell's clipboard exists, the text stays in
// a buffer of this program.
#pragma once

#include "framework/base/CString.h"

namespace EditClipboard {
void PutText(const CString &text);
CString Text();
} // namespace EditClipboard
