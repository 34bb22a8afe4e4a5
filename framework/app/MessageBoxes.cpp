#include "framework/app/MessageBoxes.h"

#include "framework/app/WinApp.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp *pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return PlexoShowMessageBox(nullptr, lpszText, nullptr, nType, nIDHelp);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    if (!strPrompt.LoadString(nIDPrompt))
        strPrompt.Format("Message %u", nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}
