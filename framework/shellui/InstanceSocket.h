// Where the per-user sockets of running copies live: $XDG_RUNTIME_DIR, or
// a folder of the user's own in the temporary folder; a folder that others
// can reach is not used.  Framework-internal.
#pragma once

#include "framework/base/CString.h"

namespace InstanceSocket {
// The socket of a window class (an empty string when there is no safe folder).
CString PathFor(LPCTSTR lpszClassName);
// Removes a socket file nobody listens on any more (only a socket).
void RemoveStale(const CString &path);
} // namespace InstanceSocket
