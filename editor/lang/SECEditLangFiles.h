// Where language files live.  The program ships them in its data folder
// ("LanguageSys" beside the executable in the build tree, or
// <prefix>/share/kilnsmith/LanguageSys); each user may have a copy under
// $XDG_CONFIG_HOME/kilnsmith/LanguageSys.  Readers take the user's copy when
// it exists, else the shipped one; writers write the user's copy only.
//
// A relative path names a file of the language folder ("idl.ini"; a leading
// "LanguageSys/" or "LanguageSys\\" is allowed); backslashes count as
// separators.  An absolute path into the shipped language folder names that
// folder's file in the same way; any other absolute path is used as it is.
// A name that climbs out of the folder ("..") names no file at all.
#pragma once

#include "framework/base/CString.h"

CString SECEditGetShippedLanguageFolder();
CString SECEditGetUserLanguageFolder();

// The file to read; empty when the name is not acceptable.
CString SECEditResolveLanguageFileForReading(LPCTSTR lpszPath);
// The file to write; empty when the name is not acceptable.  For a relative
// name the user's folder is made, and a shipped file is first copied there
// so that what the writer does not rewrite stays.
CString SECEditPrepareLanguageFileForWriting(LPCTSTR lpszPath);
