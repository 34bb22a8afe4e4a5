// The application's message boxes: captioned with the application title
// and owned by the program's active window. The text may be a string
// resource; its help id then defaults to the string's id.
#pragma once

#include "framework/base/CString.h"
#include "framework/window/MessageBoxApi.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
