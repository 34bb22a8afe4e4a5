// Writes one generated file whole.  The text goes to a temporary file in the
// same folder that then takes the target's place, so a failed write leaves
// an existing file as it was and never a half-written one.
#pragma once

#include "framework/base/CString.h"

#include <string_view>

// TRUE when the file now holds exactly these bytes.  FALSE, with nothing
// changed, when the folder is missing or not writable, or when an existing
// file of that name cannot be written (read-only, a folder, ...).
BOOL WriteGeneratedFile(const CString &strPath, std::string_view bytes);
