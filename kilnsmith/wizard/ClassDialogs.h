// The three class dialogs of the wizard commands.  Each keeps its fields as
// strings exchanged with its edit controls; the command fills in the
// defaults before showing it.
//
// CNewClassDlg (class name, description) and CViewClassDlg (class name,
// document class, description) check the class name: OK is enabled only
// while the name is not empty, and on OK a name with any character other
// than an ASCII letter, an ASCII digit or '_' keeps the dialog open with a
// message.  CNormalClassDlg (class name, base class, description) accepts
// any text.
#pragma once

#include "framework/controls/Dialog.h"

// The two rules on the class-name edit (1002) shared by the checked dialogs.
class CCheckedClassDlg : public CDialog {
public:
    CCheckedClassDlg(UINT nIDTemplate, CWnd *pParentWnd);

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;
    afx_msg void OnClassNameChange();
    DECLARE_MESSAGE_MAP()
};

class CNewClassDlg : public CCheckedClassDlg {
public:
    explicit CNewClassDlg(CWnd *pParentWnd = NULL);

    CString m_strClassName;
    CString m_strDescription;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};

class CViewClassDlg : public CCheckedClassDlg {
public:
    explicit CViewClassDlg(CWnd *pParentWnd = NULL);

    CString m_strClassName;
    CString m_strDocumentClass;
    CString m_strDescription;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};

class CNormalClassDlg : public CDialog {
public:
    explicit CNormalClassDlg(CWnd *pParentWnd = NULL);

    CString m_strClassName;
    CString m_strBaseClass;
    CString m_strDescription;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
};

// Registers the three dialog templates (again; harmless to repeat).
void KilnsmithRegisterClassDialogs();
