// The document path prompt of File Open and File Save As: the standard
// file dialog, installed as the application layer's built-in prompt when
// the dialogs are part of the program.
#include "framework/app/Document.h"
#include "framework/app/FilePrompt.h"
#include "framework/controls/FileDialog.h"

namespace {

BOOL AskWithFileDialog(CString &strPath, BOOL bOpen, LPCTSTR lpszTitle, LPCTSTR lpszFilter, LPCTSTR lpszDefExt)
{
    // The dialog wants the extension without its dot.
    LPCTSTR lpszExt = lpszDefExt != nullptr && *lpszDefExt == '.' ? lpszDefExt + 1 : lpszDefExt;
    DWORD dwFlags = OFN_HIDEREADONLY | (bOpen ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : OFN_OVERWRITEPROMPT);
    CFileDialog dialog(bOpen, lpszExt != nullptr && *lpszExt != '\0' ? lpszExt : nullptr,
                       strPath.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strPath), dwFlags, lpszFilter,
                       AfxGetMainWnd());
    dialog.m_ofn.lpstrTitle = lpszTitle;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    strPath = dialog.GetPathName();
    return !strPath.IsEmpty();
}

const bool g_installed = []() {
    PlexoSetDefaultFilePrompt(&AskWithFileDialog);
    return true;
}();

} // namespace
