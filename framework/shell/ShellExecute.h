// Opening documents, folders and addresses with the desktop's handler, and
// starting programs from a command line, with the Windows results: a value
// above 32 is success, smaller values are the error codes below, so callers
// can show the matching error texts.
#pragma once

#include "framework/base/WinTypes.h"

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_DLLNOTFOUND 32
#define SE_ERR_SHARE 26
#define SE_ERR_ASSOCINCOMPLETE 27
#define SE_ERR_DDETIMEOUT 28
#define SE_ERR_DDEFAIL 29
#define SE_ERR_DDEBUSY 30
#define SE_ERR_NOASSOC 31
#ifndef ERROR_BAD_FORMAT
#define ERROR_BAD_FORMAT 11L
#endif

#define SEE_MASK_DEFAULT 0x00000000
#define SEE_MASK_CLASSNAME 0x00000001
#define SEE_MASK_IDLIST 0x00000004
#define SEE_MASK_INVOKEIDLIST 0x0000000C
#define SEE_MASK_NOCLOSEPROCESS 0x00000040
#define SEE_MASK_FLAG_NO_UI 0x00000400

// The value ShellExecute returns on success.
#define PLEXO_SHELL_SUCCESS 42

// lpOperation NULL, "open" or "explore" opens; other verbs have no handler
// here (SE_ERR_NOASSOC).  lpFile is an address ("scheme:...", or "www.")
// for the desktop's browser or mail program, or a file or folder (relative
// to lpDirectory when given): an executable file is started with
// lpParameters split into arguments (never through a shell), anything else
// opens with its desktop handler.  hwnd and nShowCmd are accepted for the
// Windows signature.
HINSTANCE ShellExecute(HANDLE hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory,
                       INT nShowCmd);

typedef struct _SHELLEXECUTEINFO {
    DWORD cbSize;
    ULONG fMask;
    HANDLE hwnd;
    LPCTSTR lpVerb;
    LPCTSTR lpFile;
    LPCTSTR lpParameters;
    LPCTSTR lpDirectory;
    int nShow;
    HINSTANCE hInstApp;
    void *lpIDList;
    LPCTSTR lpClass;
    HANDLE hkeyClass;
    DWORD dwHotKey;
    HANDLE hIcon;
    HANDLE hProcess;
} SHELLEXECUTEINFO, *LPSHELLEXECUTEINFO;

// ShellExecute on the structure's fields; hInstApp gets the result.  FALSE
// on failure (hInstApp holds the error code) or a wrong cbSize.
BOOL ShellExecuteEx(LPSHELLEXECUTEINFO lpExecInfo);

// Starts a program from a command line: split into arguments at blanks,
// double quotes grouping (never through a shell).  Returns a value above 31
// on success, else ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND or
// ERROR_BAD_FORMAT.
UINT WinExec(LPCTSTR lpCmdLine, UINT uCmdShow);
