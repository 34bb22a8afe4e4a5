// CFileDialog: the open and save file dialogs on Qt's file dialog. Filters
// come as "Description|*.x;*.y|...||" (or, in m_ofn.lpstrFilter, with NUL
// terminators); "*.*" matches every file and matching ignores case. While
// the dialog runs, control 1152 (an edit) stands for its file-name field and
// control 1136 (a drop-down list of the descriptions) for its type field,
// so OnTypeChange can read and rewrite them; no other control exists.
// OFN_OVERWRITEPROMPT asks before replacing a file, only when saving;
// OFN_ALLOWMULTISELECT returns "folder\0name\0name\0\0" in the file buffer
// for GetStartPosition and GetNextPathName.
#pragma once

#include "framework/base/CString.h"
#include "framework/collections/Position.h"
#include "framework/controls/CommonDialog.h"

#include <string>
#include <vector>

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_ENABLEHOOK 0x00000020
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_EXPLORER 0x00080000
#define PLEXO_FILE_NAME_ID 1152
#define PLEXO_FILE_TYPE_ID 1136

struct OPENFILENAME {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCTSTR lpstrFilter;
    LPTSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPTSTR lpstrFile;
    DWORD nMaxFile;
    LPTSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCTSTR lpstrInitialDir;
    LPCTSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCTSTR lpstrDefExt;
    LPARAM lCustData;
    void *lpfnHook;
    LPCTSTR lpTemplateName;
};

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                         CWnd *pParentWnd = NULL);

    INT_PTR DoModal() override;
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION &pos) const;

    // The filter list as Qt names it: "Description (pattern pattern)", each
    // "*.x" made to match without case ("*.[xX]") and "*.*" as "*".
    static std::vector<CString> PlexoQtFilters(LPCTSTR lpszNulSeparated);

    OPENFILENAME m_ofn{};

protected:
    // The user chose another file type; m_ofn.nFilterIndex is the new one.
    virtual void OnTypeChange();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    BOOL m_bOpenFileDialog;
    std::string m_filter;     // the filter with NUL terminators
    std::string m_fileBuffer; // the file-name buffer
    std::string m_defExt;
    CString m_strTitle;
    void *m_nameField = nullptr; // the Qt dialog's name field while it runs
    bool m_syncing = false;

    void StoreResult(const std::vector<CString> &paths);
    friend class FileDialogRun;
};
