// CSelectLanguageDlg: "Select Language", a sorted list of the editor's
// registered languages; the chosen name is m_strLanguage.
#pragma once

#include "framework/controls/Dialog.h"
#include "framework/controls/ListBox.h"

class CSelectLanguageDlg : public CDialog {
public:
    explicit CSelectLanguageDlg(CWnd *pParent = NULL);

    // The chosen language ("Default" until one is chosen).
    CString m_strLanguage{"Default"};
    CListBox m_list;

    // Fills the list and chooses its first item.
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    afx_msg void OnSelChange();
    afx_msg void OnDoubleClick();
    DECLARE_MESSAGE_MAP()
};
