// Embedded objects do not exist here: nothing on the clipboard can be
// pasted as one, so paste commands are enabled by the program's own formats
// alone.
#pragma once

#include "framework/base/WinTypes.h"

class COleClientItem {
public:
    static BOOL CanPaste() { return FALSE; }
    static BOOL CanPasteLink() { return FALSE; }
};
