// The desktop's well-known user folders (documents, pictures, ...), as the
// user's "user-dirs.dirs" file in $XDG_CONFIG_HOME names them.  Each line
// of that file is a shell assignment such as
//     XDG_DOCUMENTS_DIR="$HOME/Documents"
// whose value is "$HOME" followed by a relative path, or an absolute path.
#pragma once

#include "framework/base/CString.h"

#include <string_view>

// The folder that the file's text gives for one name ("DOCUMENTS" for
// XDG_DOCUMENTS_DIR), with "$HOME" replaced by strHome; the last valid
// assignment wins.  Empty when the text has no valid assignment of it (a
// value that is not quoted, neither absolute nor under "$HOME", or that
// holds a NUL byte is not valid).
CString PlexoParseUserDirs(std::string_view text, LPCTSTR lpszName, const CString &strHome);

// The user's folder of that name from $XDG_CONFIG_HOME/user-dirs.dirs; the
// home folder when the file is missing or does not name it (the desktop's
// rule for a folder that is not set).
CString PlexoGetUserFolder(LPCTSTR lpszName);
