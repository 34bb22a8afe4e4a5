#include "framework/app/CommandLineInfo.h"

#include <strings.h>

void CCommandLineInfo::ParseParam(LPCTSTR lpszParam, BOOL bFlag, BOOL)
{
    if (lpszParam == nullptr)
        return;
    if (bFlag)
        ParseFlag(lpszParam);
    else
        ParseFileArgument(lpszParam);
}

void CCommandLineInfo::ParseFlag(LPCTSTR lpszParam)
{
    if (strcasecmp(lpszParam, "p") == 0) {
        m_nShellCommand = FilePrint;
    } else if (strcasecmp(lpszParam, "pt") == 0) {
        m_nShellCommand = FilePrintTo;
        m_nPrintToArgs = 0;
    } else if (strcasecmp(lpszParam, "dde") == 0) {
        m_nShellCommand = FileDDE;
    } else if (strcasecmp(lpszParam, "Embedding") == 0) {
        m_bRunEmbedded = TRUE;
        m_bShowSplash = FALSE;
    } else if (strcasecmp(lpszParam, "Automation") == 0) {
        m_bRunAutomated = TRUE;
        m_bShowSplash = FALSE;
    } else if (strcasecmp(lpszParam, "Unregister") == 0 || strcasecmp(lpszParam, "Unregserver") == 0) {
        m_nShellCommand = AppUnregister;
    } else if (strcasecmp(lpszParam, "Register") == 0 || strcasecmp(lpszParam, "Regserver") == 0) {
        m_nShellCommand = AppRegister;
    }
    // Any other switch is ignored.
}

void CCommandLineInfo::ParseFileArgument(LPCTSTR lpszParam)
{
    if (m_strFileName.IsEmpty()) {
        m_strFileName = lpszParam;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
        m_bShowSplash = FALSE;
        return;
    }
    if (m_nShellCommand == FilePrintTo && m_nPrintToArgs < 3) {
        CString *targets[] = {&m_strPrinterName, &m_strDriverName, &m_strPortName};
        *targets[m_nPrintToArgs++] = lpszParam;
    }
}
