// Asking the user for a document path (File Open, File Save As). One seam
// for every caller, so that tests answer it and the file dialog behind it
// can change without touching the document code.
#pragma once

#include "framework/base/CString.h"

// bOpen: TRUE for an existing file to open, FALSE for a path to save to.
// strPath holds the proposed name on entry and the answer on TRUE.
// lpszFilter: "Name (*.ext)|*.ext|All Files (*)|*||".
typedef BOOL (*PlexoFilePromptHandler)(CString &strPath, BOOL bOpen, LPCTSTR lpszTitle, LPCTSTR lpszFilter,
                                       LPCTSTR lpszDefExt);
// Installs a handler and returns the previous one; NULL restores the
// built-in prompt (a file dialog on a desktop, "cancelled" offscreen).
PlexoFilePromptHandler PlexoSetFilePromptHandler(PlexoFilePromptHandler pfnHandler);
// The built-in prompt itself: the dialogs layer installs its file dialog
// here when it is part of the program; without it Qt's dialog is asked.
void PlexoSetDefaultFilePrompt(PlexoFilePromptHandler pfnPrompt);
BOOL PlexoPromptForFileName(CString &strPath, BOOL bOpen, LPCTSTR lpszTitle, LPCTSTR lpszFilter, LPCTSTR lpszDefExt);
