// The Windows private-profile functions on INI files (see CIniDocument for
// the reading rules).  Byte strings; lpFileName is a path used as given.
//
// Results go into the caller's buffer of nSize bytes and are always
// NUL-terminated when nSize > 0.  A single value that does not fit is cut to
// nSize - 1 bytes and nSize - 1 is returned; a list (names or section
// entries, each NUL-terminated, the list ended by a second NUL) that does not
// fit is cut and nSize - 2 is returned.
#pragma once

#include "framework/base/WinTypes.h"

// With lpAppName NULL: the section names; with lpKeyName NULL: the key names
// of the section; otherwise the key's value, trimmed, with one pair of
// matching quotes removed, or lpDefault (trailing blanks removed, NULL as "")
// when the file, section or key is missing.
DWORD GetPrivateProfileString(LPCTSTR lpAppName, LPCTSTR lpKeyName, LPCTSTR lpDefault, LPTSTR lpReturnedString,
                              DWORD nSize, LPCTSTR lpFileName);

// The key's value read as a decimal integer (leading blanks, an optional
// sign, then digits; other text gives 0), or nDefault when the key is missing
// or its value is empty.
UINT GetPrivateProfileInt(LPCTSTR lpAppName, LPCTSTR lpKeyName, INT nDefault, LPCTSTR lpFileName);

// The section's "key=value" entries as a double-NUL list.
DWORD GetPrivateProfileSection(LPCTSTR lpAppName, LPTSTR lpReturnedString, DWORD nSize, LPCTSTR lpFileName);

// The section names as a double-NUL list.
DWORD GetPrivateProfileSectionNames(LPTSTR lpszReturnBuffer, DWORD nSize, LPCTSTR lpFileName);

// Sets the key's value, keeping the rest of the file; a NULL lpString
// deletes the key, a NULL lpKeyName deletes the whole section.  The file is
// created when missing.  FALSE when the file cannot be read or written, or
// when a name or value holds a line break (nothing is written then).
BOOL WritePrivateProfileString(LPCTSTR lpAppName, LPCTSTR lpKeyName, LPCTSTR lpString, LPCTSTR lpFileName);

// Replaces the section's entries with lpString, a double-NUL list of
// "key=value" entries; a NULL lpString deletes the section.
BOOL WritePrivateProfileSection(LPCTSTR lpAppName, LPCTSTR lpString, LPCTSTR lpFileName);
