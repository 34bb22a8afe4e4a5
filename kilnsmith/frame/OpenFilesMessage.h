// The files a second start of the program hands to the copy that runs
// already: WM_COPYDATA to the running copy's main frame, tagged with
// kOpenFilesTag, whose data is the absolute paths one after another, each
// ending with a zero byte.  The second copy resolves relative paths
// against its own current folder; the running copy opens each path as
// File Open does.
#pragma once

#include "framework/base/CString.h"
#include "framework/window/WinHandles.h"

#include <string>
#include <vector>

constexpr ULONG_PTR kOpenFilesTag = 0x4B4F4631; // "KOF1"

// The data for the paths: each made absolute and ended with a zero byte.
std::string EncodeOpenFiles(const std::vector<CString> &paths);
// The paths a message carries; false (and no paths) for a message with
// another tag, no data, or data that is not a list of absolute paths.
bool DecodeOpenFiles(const COPYDATASTRUCT &data, std::vector<CString> &paths);
