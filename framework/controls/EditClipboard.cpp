// The edit control's clipboard text: a program-wide buffer standing in for
// the desktop clipboard.
#include "framework/controls/EditClipboard.h"

namespace {

CString &Buffer()
{
    static CString buffer;
    return buffer;
}

} // namespace

void EditClipboard::PutText(const CString &text)
{
    Buffer() = text;
}

CString EditClipboard::Text()
{
    return Buffer();
}
