#include "kilnsmith/wizard/ClassDialogs.h"

#include "kilnsmith/wizard/ClassNameRule.h"
#include "kilnsmith/wizard/KilnsmithAppIds.h"

#include "framework/app/MessageBoxes.h"
#include "framework/controls/DataExchange.h"
#include "framework/window/MessageBoxApi.h"

// ---- The checked dialogs

BEGIN_MESSAGE_MAP(CCheckedClassDlg, CDialog)
ON_EN_CHANGE(IDC_CLASS_NAME, OnClassNameChange)
END_MESSAGE_MAP()

CCheckedClassDlg::CCheckedClassDlg(UINT nIDTemplate, CWnd *pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

BOOL CCheckedClassDlg::OnInitDialog()
{
    BOOL bResult = CDialog::OnInitDialog();
    OnClassNameChange();
    return bResult;
}

void CCheckedClassDlg::OnClassNameChange()
{
    CWnd *pOK = GetDlgItem(IDOK);
    CWnd *pName = GetDlgItem(IDC_CLASS_NAME);
    if (pOK == nullptr || pName == nullptr)
        return;
    CString strName;
    pName->GetWindowText(strName);
    pOK->EnableWindow(!strName.IsEmpty());
}

void CCheckedClassDlg::OnOK()
{
    CString strName;
    GetDlgItemText(IDC_CLASS_NAME, strName);
    if (!IsWizardClassName(strName)) {
        if (CWnd *pName = GetDlgItem(IDC_CLASS_NAME))
            pName->SetFocus();
        AfxMessageBox(IDS_BAD_CLASS_NAME, MB_ICONINFORMATION);
        return;
    }
    CDialog::OnOK();
}

// ---- The three dialogs

CNewClassDlg::CNewClassDlg(CWnd *pParentWnd) : CCheckedClassDlg(IDD_NEW_CLASS, pParentWnd) {}

void CNewClassDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CLASS_NAME, m_strClassName);
    DDX_Text(pDX, IDC_CLASS_SECOND_FIELD, m_strDescription);
}

CViewClassDlg::CViewClassDlg(CWnd *pParentWnd) : CCheckedClassDlg(IDD_VIEW_CLASS, pParentWnd) {}

void CViewClassDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CLASS_NAME, m_strClassName);
    DDX_Text(pDX, IDC_CLASS_SECOND_FIELD, m_strDocumentClass);
    DDX_Text(pDX, IDC_CLASS_DESCRIPTION_3, m_strDescription);
}

CNormalClassDlg::CNormalClassDlg(CWnd *pParentWnd) : CDialog(IDD_NORMAL_CLASS, pParentWnd) {}

void CNormalClassDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CLASS_NAME, m_strClassName);
    DDX_Text(pDX, IDC_CLASS_SECOND_FIELD, m_strBaseClass);
    DDX_Text(pDX, IDC_CLASS_DESCRIPTION_3, m_strDescription);
}
