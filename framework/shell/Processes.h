// Starting other programs.  A program is started from an argument vector,
// never through a shell, so spaces, quotes and shell characters in the
// arguments reach it unchanged.  argv[0] is the program: a path, or a name
// looked up on PATH.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

#include <vector>

// Starts the program and lets it run on its own (it is not the caller's
// child to wait for).  lpszWorkDir NULL keeps the current folder.  FALSE when
// it cannot be started; *pProcessId gets its process id otherwise.
BOOL PlexoStartProcess(const std::vector<CString> &argv, LPCTSTR lpszWorkDir = NULL, DWORD *pProcessId = NULL);

// Runs the program to its end and gives its exit code, with what it wrote
// to its standard output in *pOutput when that is not NULL.  -1 when it
// cannot be started, crashes, or runs longer than nTimeoutMs (it is then
// killed).
int PlexoRunProcess(const std::vector<CString> &argv, LPCTSTR lpszWorkDir, CString *pOutput, int nTimeoutMs = 30000);

// An address or file path as an argument that no program reads as an
// option: a path that starts with '-' gets "./" in front (it names the same
// file); anything else, URLs included, is returned whole.
CString PlexoNonOptionArgument(const CString &strArgument);

// The id of this process.
DWORD GetCurrentProcessId();
