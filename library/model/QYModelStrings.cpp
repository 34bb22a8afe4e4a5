#include "library/model/QYModelStrings.h"

#include "framework/resources/Resources.h"

namespace {

const RESOURCE_STRING kModelStrings[] = {
    {IDS_QY_FIELD_PAGE, "Page"},
    {IDS_QY_FIELD_FILE, "File"},
    {IDS_QY_FIELD_FILE_EXT, "File Extension"},
    {IDS_QY_FIELD_FILE_AND_EXT, "File and Ext"},
};

// Registers the table when the library loads.
const bool kRegistered = [] {
    QYRegisterModelStrings();
    return true;
}();

} // namespace

void QYRegisterModelStrings()
{
    PlexoRegisterStrings(kModelStrings, static_cast<int>(sizeof(kModelStrings) / sizeof(kModelStrings[0])));
}

CString QYLoadModelString(UINT nID)
{
    CString strText;
    PlexoLookupString(nID, strText);
    return strText;
}
