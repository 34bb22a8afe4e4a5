// How hyperlink labels reach the desktop: the framework's shell calls and
// program starter, and the environment.  Tests put recorders in their place.
#pragma once

#include "framework/base/CString.h"
#include "framework/shell/ShellExecute.h"

#include <vector>

struct QYLinkShell {
    HINSTANCE (*pfnShellExecute)(LPCTSTR lpOperation, LPCTSTR lpFile, INT nShowCmd);
    BOOL (*pfnShellExecuteEx)(LPSHELLEXECUTEINFO lpExecInfo);
    // Starts the program argv[0] with the other arguments, never through a
    // shell.
    BOOL (*pfnStartProcess)(const std::vector<CString>& argv);
    const char* (*pfnGetEnv)(const char* pszName);
};

// The calls in use (the framework's unless replaced).
const QYLinkShell& QYGetLinkShell();
// Replaces them; NULL restores the framework's.
void QYSetLinkShell(const QYLinkShell* pShell);

// Opens a mail or web address with the desktop's handler; when that fails,
// with the program $BROWSER names, then with xdg-open, each given the
// address as one argument that no program reads as an option
// (PlexoNonOptionArgument).  A value above 32 on success, else the desktop
// handler's error.
HINSTANCE QYOpenLink(const CString& strAddress, INT nShowCmd);

// The argument list of a $BROWSER entry for the address: the entry split at
// blanks, "%s" in an argument replaced by the address (never in an
// option's form, see PlexoNonOptionArgument), or the address
// appended as the last argument when no argument holds "%s".  Only the
// first of several entries (separated by ':') is used.  Empty for an empty
// entry.
std::vector<CString> QYBrowserArguments(const CString& strBrowser, const CString& strAddress);
