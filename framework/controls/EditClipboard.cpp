// The edit control's clipboard text on the shell's clipboard.
#include "framework/controls/EditClipboard.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/Clipboard.h"

#include <cstring>

BOOL EditClipboard::PutText(HWND hOwner, const CString &text)
{
    if (!OpenClipboard(hOwner))
        return FALSE;
    BOOL done = FALSE;
    if (EmptyClipboard()) {
        size_t size = static_cast<size_t>(text.GetLength()) + 1;
        if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size)) {
            if (void *bytes = GlobalLock(block)) {
                std::memcpy(bytes, static_cast<LPCTSTR>(text), size);
                GlobalUnlock(block);
                done = SetClipboardData(CF_TEXT, block) != nullptr;
            }
            if (!done)
                GlobalFree(block);
        }
    }
    CloseClipboard();
    return done;
}

CString EditClipboard::Text(HWND hOwner)
{
    CString text;
    if (!OpenClipboard(hOwner))
        return text;
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        size_t size = GlobalSize(block);
        if (const char *bytes = static_cast<const char *>(GlobalLock(block))) {
            // The text ends at its terminator or at the end of the block.
            size_t length = strnlen(bytes, size);
            text = CString(bytes, static_cast<int>(length));
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return text;
}
