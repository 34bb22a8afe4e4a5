// The work folder into which the wizard writes its classes and where File
// Open starts: the profile's "Settings"/"Work Folder" when it holds an
// absolute path, else "Kilnsmith" in the user's documents folder.
#pragma once

#include "framework/base/CString.h"

// The folder that the profile value (possibly empty) chooses.
CString ChooseWorkFolder(const CString &strProfileValue);

// Creates the folder with its parents when it is missing; a failure is
// left for the generator to meet when it writes there.
void PrepareWorkFolder(const CString &strFolder);
