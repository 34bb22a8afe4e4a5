// The listening side of the per-user sockets: for every class the program
// registered, from the moment it shows a top-level window of it until it
// unregisters the class (or ends).  Framework-internal.
#pragma once

#include "framework/base/CString.h"

namespace InstanceServer {
// TRUE when this process listens on the socket.
bool IsOwnSocket(const CString &path);
} // namespace InstanceServer
