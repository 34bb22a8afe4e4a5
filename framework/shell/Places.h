// Where things live on this system: the program's own file and folder, its
// read-only data, the per-user XDG folders and temporary files.  Paths are
// UTF-8 byte strings with '/' separators and no trailing separator, except
// where a Windows-named function documents one (GetTempPath).
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

// The running executable's full path.  hModule is accepted for the Windows
// signature; every module here belongs to the one process.  Returns the
// number of bytes copied without the NUL; when the buffer is too small the
// path is cut to nSize - 1 bytes and nSize is returned.  0 on failure.
DWORD GetModuleFileName(HMODULE hModule, LPTSTR lpFilename, DWORD nSize);

CString PlexoGetProgramPath();
// The folder that holds the executable.
CString PlexoGetProgramFolder();
// The program's read-only data: <prefix>/share/<program> when the executable
// is installed as <prefix>/bin/<name> and that folder exists, otherwise the
// executable's own folder (the build tree keeps data beside the program).
CString PlexoGetDataFolder(LPCTSTR lpszProgram);

// The XDG base folders: the variable when it holds an absolute path, else
// the documented default under the home folder (~/.local/share, ~/.config,
// ~/.cache).  With a program name, that program's sub-folder of it.
CString PlexoGetHomeFolder();
CString PlexoGetUserDataFolder(LPCTSTR lpszProgram = NULL);
CString PlexoGetUserConfigFolder(LPCTSTR lpszProgram = NULL);
CString PlexoGetUserCacheFolder(LPCTSTR lpszProgram = NULL);

// Creates a folder and its missing parents; TRUE when it exists afterwards.
BOOL PlexoCreateFolderPath(LPCTSTR lpszPath);

// The temporary folder ($TMPDIR when absolute, else /tmp) with a trailing
// '/'.  Returns the bytes copied without the NUL, or, when nBufferLength is
// too small, the size needed including the NUL (nothing is copied then).
DWORD GetTempPath(DWORD nBufferLength, LPTSTR lpBuffer);

// Makes "<path>/<first 3 bytes of prefix><hex number>.tmp" in
// lpTempFileName (MAX_PATH bytes).  With uUnique 0 a fresh number is chosen
// and the file is created empty (so the name is reserved); otherwise the
// name is only formed.  Returns the number used, 0 on failure.
UINT GetTempFileName(LPCTSTR lpPathName, LPCTSTR lpPrefixString, UINT uUnique, LPTSTR lpTempFileName);
