#include "editor/controls/SECControlStrings.h"

#include "editor/controls/SECColorWellMessages.h"

#include "framework/resources/Resources.h"

namespace {

const RESOURCE_STRING kControlStrings[] = {
    {SEC_IDS_COLORWELL_OTHER, "&Other Colors..."},
};

// Registers the table when the library loads.
const bool kRegistered = [] {
    PlexoRegisterStrings(kControlStrings, static_cast<int>(sizeof(kControlStrings) / sizeof(kControlStrings[0])));
    return true;
}();

} // namespace

CString SECControlString(UINT nID)
{
    CString text;
    if (!PlexoLookupString(nID, text)) {
        for (const RESOURCE_STRING &entry : kControlStrings)
            if (entry.nID == nID)
                text = entry.lpszText;
    }
    return text;
}
