#include "kilnsmith/documents/SelectLanguageDlg.h"

#include "kilnsmith/documents/DocumentIds.h"

#include "editor/lang/SECEditLangRegistry.h"

#include "framework/controls/ControlStyles.h"
#include "framework/controls/DataExchange.h"
#include "framework/resources/Resources.h"

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;

const RESOURCE_DIALOG_ITEM kItems[] = {
    {"LISTBOX", "", IDC_LANGUAGE_LIST, 7, 7, 120, 86,
     kChild | LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0},
    {"BUTTON", "OK", IDOK, 134, 7, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
    {"BUTTON", "Cancel", IDCANCEL, 134, 24, 50, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
};

const RESOURCE_DIALOG kTemplate = {DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   0,
                                   0,
                                   0,
                                   191,
                                   100,
                                   "Select Language",
                                   "MS Sans Serif",
                                   8,
                                   0,
                                   kItems,
                                   static_cast<int>(sizeof(kItems) / sizeof(kItems[0]))};

const bool kRegistered = [] {
    PlexoRegisterDialog(IDD_SELECT_LANGUAGE, &kTemplate);
    return true;
}();

} // namespace

BEGIN_MESSAGE_MAP(CSelectLanguageDlg, CDialog)
ON_LBN_SELCHANGE(IDC_LANGUAGE_LIST, OnSelChange)
ON_LBN_DBLCLK(IDC_LANGUAGE_LIST, OnDoubleClick)
END_MESSAGE_MAP()

CSelectLanguageDlg::CSelectLanguageDlg(CWnd *pParent) : CDialog(IDD_SELECT_LANGUAGE, pParent)
{
    (void)kRegistered;
}

void CSelectLanguageDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LANGUAGE_LIST, m_list);
}

BOOL CSelectLanguageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CStringList names(10);
    SECEditGetLanguageNames(names);
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
        m_list.AddString(names.GetNext(pos));
    if (m_list.GetCount() > 0) {
        m_list.SetCurSel(0);
        m_list.GetText(0, m_strLanguage);
    }
    return TRUE;
}

void CSelectLanguageDlg::OnSelChange()
{
    const int selected = m_list.GetCurSel();
    if (selected >= 0)
        m_list.GetText(selected, m_strLanguage);
}

void CSelectLanguageDlg::OnDoubleClick()
{
    OnOK();
}
