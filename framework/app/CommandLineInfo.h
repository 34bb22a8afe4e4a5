// What the program's command line asks for: a new document, a document to
// open or print, or nothing. ParseParam is called once per argument.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/Object.h"

class CCommandLineInfo : public CObject {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

    CCommandLineInfo() = default;
    ~CCommandLineInfo() override = default;

    // lpszParam without its leading '-' or '/' when bFlag; bLast for the
    // last argument. Unknown switches are ignored; the first plain argument
    // is the file (the ones after are ignored).
    virtual void ParseParam(LPCTSTR lpszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseFlag(LPCTSTR lpszParam);
    void ParseFileArgument(LPCTSTR lpszParam);
    int m_nPrintToArgs = 0;
};
