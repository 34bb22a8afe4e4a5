#include "kilnsmith/wizard/WorkFolder.h"

#include "framework/shell/Places.h"
#include "framework/shell/UserDirs.h"

CString ChooseWorkFolder(const CString &strProfileValue)
{
    CString strFolder = strProfileValue;
    strFolder.Trim();
    if (!strFolder.IsEmpty() && strFolder[0] == '/') {
        while (strFolder.GetLength() > 1 && strFolder[strFolder.GetLength() - 1] == '/')
            strFolder.Delete(strFolder.GetLength() - 1);
        return strFolder;
    }
    return PlexoGetUserFolder("DOCUMENTS") + "/Kilnsmith";
}

void PrepareWorkFolder(const CString &strFolder)
{
    PlexoCreateFolderPath(strFolder);
}
