#include "editor/controller/SECEditFindMessages.h"

#include "editor/text/SECEditMessage.h"

#include "framework/resources/Resources.h"

namespace {

const RESOURCE_STRING kFindStrings[] = {
    {SECEDIT_MSG_CANNOT_FIND, "Cannot find the string '%1'."},
    {SECEDIT_MSG_FINISHED_SEARCHING, "Finished searching for '%1'."},
    {SECEDIT_MSG_REPLACE_READ_ONLY, "Text is read-only. Cannot perform replace."},
    {SECEDIT_MSG_LINE_TOO_LONG, "Cannot replace text. Line would exceed %d characters."},
    {SECEDIT_MSG_REPLACED_IN_SELECTION, "The selection has been searched and %d replacements were made."},
    {SECEDIT_MSG_REPLACED_IN_DOCUMENT, "The document has been searched and %d replacements were made."},
};

const bool kRegistered = [] {
    PlexoRegisterStrings(kFindStrings, static_cast<int>(sizeof(kFindStrings) / sizeof(kFindStrings[0])));
    return true;
}();

CString LoadFindString(UINT nID)
{
    CString text;
    if (!PlexoLookupString(nID, text)) {
        for (const RESOURCE_STRING &entry : kFindStrings)
            if (entry.nID == nID)
                text = entry.lpszText;
    }
    return text;
}

} // namespace

CString SECEditFindMessage(UINT nID, const CString &argument)
{
    // Only the first "%1" is an insert: a find text holding "%1" stays as
    // it is.
    CString text = LoadFindString(nID);
    const int at = text.Find("%1");
    if (at >= 0)
        text = text.Left(at) + argument + text.Mid(at + 2);
    return text;
}

CString SECEditFindMessage(UINT nID, int number)
{
    CString text = LoadFindString(nID);
    const int at = text.Find("%d");
    if (at >= 0) {
        CString digits;
        digits.Format("%d", number);
        text = text.Left(at) + digits + text.Mid(at + 2);
    }
    return text;
}

void SECEditShowFindMessage(const CString &text, UINT nType)
{
    SECEditMessageBox(text, nType);
}
