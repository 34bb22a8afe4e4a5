// Why a generated file could not be written, for the message that names it.
#pragma once

#include "framework/base/CString.h"

// The string id of the likeliest reason that a file could not be written
// at this path: a missing folder, a folder path that is a file, a folder or
// a file that cannot be written, a path taken by something other than a
// plain file, or an unknown cause (a full disk, for one).
UINT FindWriteFailureReason(const CString &strPath);
