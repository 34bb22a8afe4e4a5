// The values of the Run key ("Software\Microsoft\Windows\CurrentVersion\Run"
// under HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE) are the desktop's autostart
// entries: value "<name>" is the file $XDG_CONFIG_HOME/autostart/<name>.desktop,
// an application entry whose Exec line starts the command.  The command is
// one program path, quoted as the Desktop Entry rules ask, and reading gives
// it back byte for byte.
#pragma once

#include "framework/base/CString.h"

#include <string>

namespace Autostart {

// TRUE for a key path (root name and sub-keys joined by '\') that is a Run key.
bool IsRunKey(const CString &keyPath);
// The entry's file, or an empty string when the name cannot name a file
// (empty, "." or "..", or holding '/').
CString EntryPath(const CString &valueName);

enum class Result { Ok, Missing, Corrupt, BadName, WriteFailed };
Result Read(const CString &valueName, CString &command);
// The command of an entry file's bytes: Missing for a hidden entry,
// Corrupt for anything that is not a well-formed entry.
Result Parse(const std::string &bytes, CString &command);
Result Write(const CString &valueName, const CString &command);
Result Remove(const CString &valueName);

// The Exec value for a program path, and back (false for a value that is
// not well formed).  Exposed for the tests and the fuzz target.
CString QuoteExec(const CString &command);
bool UnquoteExec(const CString &exec, CString &command);

} // namespace Autostart
