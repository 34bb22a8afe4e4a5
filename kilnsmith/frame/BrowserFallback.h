// Opening an address with a browser when the desktop's handler could not:
// each command of $BROWSER (a ':'-separated list; "%s" stands for the
// address, "%%" for a percent sign, and without "%s" the address is added
// as the last argument), then "xdg-open".  Each is started from an
// argument list, never through a shell, so the address reaches the browser
// as one argument whatever it holds, and never as an option (an address
// starting with '-' is passed as "./" and the address).
#pragma once

#include "framework/base/CString.h"

#include <vector>

// The argument lists to try, in order, for the address and the value of
// $BROWSER (NULL when it is not set).
std::vector<std::vector<CString>> BrowserFallbackCommands(const CString &strAddress, LPCTSTR lpszBrowserVariable);

// Starts the first command that can be started; a value above 32 on
// success, else SE_ERR_FNF (no browser program could be started).
INT_PTR OpenWithFallbackBrowser(const CString &strAddress);
