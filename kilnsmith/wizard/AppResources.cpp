// The application's string table and the registration of its resources.
#include "kilnsmith/wizard/ClassDialogs.h"
#include "kilnsmith/wizard/KilnsmithAppIds.h"
#include "kilnsmith/wizard/AppResources.h"
#include "framework/app/AppIds.h"

#include "framework/resources/Resources.h"

namespace {

const RESOURCE_STRING kStrings[] = {
    {AFX_IDS_APP_TITLE, "Plexo Kilnsmith"},
    {IDR_KILNSMITH_DOCUMENT, "\nKilnsmith\nKilnsmith\n\n\nKilnsmith.Document\nKilnsmith Document"},
    {ID_USE_SPLITTER, "Use Splitter when creating new frames\nUse Splitter for new frames"},
    {IDS_BAD_CLASS_NAME, "Sorry,The class name isn't correct.Please change it and try again!"},
    {IDS_WRITE_FAILED, "The file %1 could not be written: %2."},
    {IDS_REASON_FOLDER_MISSING, "its folder does not exist"},
    {IDS_REASON_NOT_A_FOLDER, "the name of its folder is taken by a file"},
    {IDS_REASON_FOLDER_READ_ONLY, "its folder does not allow new files"},
    {IDS_REASON_FILE_READ_ONLY, "the file is read-only"},
    {IDS_REASON_NOT_A_FILE, "the name is taken by a folder or another special file"},
    {IDS_REASON_UNKNOWN, "the disk may be full"},
    {IDS_TOO_MANY_FILES, "Too many files were chosen at once. Please open them in smaller groups."},
};

} // namespace

void KilnsmithRegisterAppResources()
{
    PlexoRegisterStrings(kStrings, static_cast<int>(sizeof(kStrings) / sizeof(kStrings[0])));
    KilnsmithRegisterClassDialogs();
}
