#include "editor/controller/SECEditFindDialog.h"

#include "framework/controls/DataExchange.h"

BEGIN_MESSAGE_MAP(SECEditFindDialog, CDialog)
ON_BN_CLICKED(SECEDIT_IDC_MARK_ALL, OnMarkAll)
ON_BN_CLICKED(SECEDIT_IDC_REPLACE, OnReplace)
ON_BN_CLICKED(SECEDIT_IDC_REPLACE_ALL, OnReplaceAll)
ON_CBN_EDITCHANGE(SECEDIT_IDC_FIND_TEXT, OnFindTextEdited)
ON_CBN_SELCHANGE(SECEDIT_IDC_FIND_TEXT, OnFindTextPicked)
ON_BN_CLICKED(SECEDIT_IDC_RADIO_FIRST, OnRadio)
ON_BN_CLICKED(SECEDIT_IDC_RADIO_SECOND, OnRadio)
ON_BN_CLICKED(SECEDIT_IDC_REGEX, OnRegexClicked)
ON_WM_ACTIVATE()
END_MESSAGE_MAP()

SECEditFindDialog::SECEditFindDialog(CWnd *pParentWnd)
{
    m_pParentWnd = pParentWnd;
}

INT_PTR SECEditFindDialog::DoModal()
{
    m_bModal = TRUE;
    if (!m_lpszTemplateName)
        m_lpszTemplateName = MAKEINTRESOURCE(m_bFindOnly ? SECEDIT_IDD_FIND : SECEDIT_IDD_REPLACE);
    return CDialog::DoModal();
}

BOOL SECEditFindDialog::CreateModeless(CWnd *pParentWnd)
{
    m_bModal = FALSE;
    return CDialog::Create(m_bFindOnly ? SECEDIT_IDD_FIND : SECEDIT_IDD_REPLACE, pParentWnd);
}

void SECEditFindDialog::PostNcDestroy()
{
    CDialog::PostNcDestroy();
    // A modeless dialog lives until its window is gone; a modal one belongs
    // to whoever ran it.
    if (!m_bModal)
        delete this;
}

void SECEditFindDialog::SetSearchDown(BOOL bDown)
{
    if (m_bFindOnly)
        m_nRadio = bDown ? 1 : 0;
}

void SECEditFindDialog::SetReplaceInSelection(BOOL bInSelection)
{
    if (!m_bFindOnly)
        m_nRadio = bInSelection && m_bSelectionAvailable ? 0 : 1;
}

namespace {

// Marks a data exchange as running for as long as it lives.
class ExchangeScope {
public:
    explicit ExchangeScope(BOOL &bFlag) : m_bFlag(bFlag), m_bWas(bFlag) { m_bFlag = TRUE; }
    ~ExchangeScope() { m_bFlag = m_bWas; }
    ExchangeScope(const ExchangeScope &) = delete;
    ExchangeScope &operator=(const ExchangeScope &) = delete;

private:
    BOOL &m_bFlag;
    BOOL m_bWas;
};

} // namespace

void SECEditFindDialog::DoDataExchange(CDataExchange *pDX)
{
    // Writing the find text into its box reports an edit change; that
    // change must not read the controls back before they are all written.
    ExchangeScope scope(m_bExchanging);
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, SECEDIT_IDC_FIND_TEXT, m_findBox);
    DDX_Text(pDX, SECEDIT_IDC_FIND_TEXT, m_strFindText);
    DDV_MaxChars(pDX, m_strFindText, SECEDIT_FIND_TEXT_MAX);
    DDX_Check(pDX, SECEDIT_IDC_MATCH_CASE, m_bMatchCase);
    DDX_Check(pDX, SECEDIT_IDC_WHOLE_WORD, m_bMatchWholeWord);
    DDX_Check(pDX, SECEDIT_IDC_REGEX, m_bRegularExpression);
    DDX_Radio(pDX, SECEDIT_IDC_RADIO_FIRST, m_nRadio);
    if (m_bFindOnly)
        return;
    DDX_Control(pDX, SECEDIT_IDC_REPLACE_TEXT, m_replaceBox);
    DDX_Text(pDX, SECEDIT_IDC_REPLACE_TEXT, m_strReplaceText);
    DDV_MaxChars(pDX, m_strReplaceText, SECEDIT_FIND_TEXT_MAX);
}

BOOL SECEditFindDialog::OnInitDialog()
{
    UpdateControls();
    CDialog::OnInitDialog();
    m_findBox.LimitText(SECEDIT_FIND_TEXT_MAX);
    m_findBox.SetWindowText(m_strFindText);
    if (!m_bFindOnly) {
        EnableItem(SECEDIT_IDC_RADIO_FIRST, m_bSelectionAvailable);
        m_replaceBox.LimitText(SECEDIT_FIND_TEXT_MAX);
        m_replaceBox.SetWindowText(m_strReplaceText);
    }
    if (!m_bRegexAvailable)
        if (CWnd *regex = GetDlgItem(SECEDIT_IDC_REGEX))
            regex->ShowWindow(SW_HIDE);
    FillHistory();
    UpdateRegexOptions();
    return TRUE;
}

void SECEditFindDialog::EnableItem(int nID, BOOL bEnable)
{
    if (CWnd *item = GetDlgItem(nID))
        item->EnableWindow(bEnable);
}

BOOL SECEditFindDialog::UpdateControls()
{
    BOOL hasText = !m_strFindText.IsEmpty();
    // With "Selection" chosen in the Replace dialog only Replace All is offered.
    EnableItem(IDOK, hasText && (m_bFindOnly || m_nRadio == 1));
    EnableItem(SECEDIT_IDC_MARK_ALL, hasText);
    EnableItem(SECEDIT_IDC_REPLACE, hasText && !m_bFindOnly && m_nRadio == 1);
    EnableItem(SECEDIT_IDC_REPLACE_ALL, hasText);
    return hasText;
}

void SECEditFindDialog::UpdateRegexOptions()
{
    if (!m_bRegexAvailable)
        return;
    // A regular-expression search always runs downwards and never by whole
    // words.
    if (m_bRegularExpression) {
        if (!UpdateData(TRUE))
            return;
        if (m_bFindOnly) {
            m_nRadio = 1;
            EnableItem(SECEDIT_IDC_RADIO_FIRST, FALSE);
        }
        m_bMatchWholeWord = FALSE;
        EnableItem(SECEDIT_IDC_WHOLE_WORD, FALSE);
        UpdateData(FALSE);
        return;
    }
    if (m_bFindOnly)
        EnableItem(SECEDIT_IDC_RADIO_FIRST, TRUE);
    EnableItem(SECEDIT_IDC_WHOLE_WORD, TRUE);
}

void SECEditFindDialog::Remember(CStringList *pHistory, const CString &text)
{
    if (!pHistory)
        return;
    if (POSITION pos = pHistory->Find(text))
        pHistory->RemoveAt(pos);
    pHistory->AddHead(text);
    while (pHistory->GetCount() > SECEDIT_FIND_HISTORY_MAX)
        pHistory->RemoveTail();
}

void SECEditFindDialog::AddToHistory()
{
    Remember(m_pFindHistory, m_strFindText);
    if (!m_bFindOnly)
        Remember(m_pReplaceHistory, m_strReplaceText);
}

void SECEditFindDialog::FillBox(CComboBox &box, CStringList *pHistory)
{
    if (!box.GetSafeHwnd())
        return;
    box.ResetContent();
    if (!pHistory)
        return;
    for (POSITION pos = pHistory->GetHeadPosition(); pos;)
        box.AddString(pHistory->GetNext(pos));
}

void SECEditFindDialog::FillHistory()
{
    FillBox(m_findBox, m_pFindHistory);
    if (m_strFindText.IsEmpty() && m_pFindHistory && !m_pFindHistory->IsEmpty()) {
        m_strFindText = m_pFindHistory->GetHead();
        m_findBox.SetWindowText(m_strFindText);
        UpdateControls();
    }
    if (!m_bFindOnly)
        FillBox(m_replaceBox, m_pReplaceHistory);
}

// ---- Buttons

void SECEditFindDialog::PressButton(int nAction)
{
    if (!UpdateData(TRUE))
        return;
    AddToHistory();
    FillHistory();
    m_nAction = nAction;
    BOOL succeeded = m_pOwner ? m_pOwner->OnFindDialogButton(this) : FALSE;
    if (!succeeded || !GetSafeHwnd())
        return;
    switch (nAction) {
    case SECEDIT_FIND_NEXT:
        if (m_bModal && m_bFindOnly)
            EndDialog(IDOK);
        break;
    case SECEDIT_FIND_MARK_ALL:
        // A modeless dialog is only hidden; the owner shows it again.
        if (m_bModal)
            EndDialog(IDOK);
        else
            ShowWindow(SW_HIDE);
        break;
    case SECEDIT_FIND_REPLACE_ALL:
        if (m_bModal)
            EndDialog(IDOK);
        break;
    default: break;
    }
}

void SECEditFindDialog::OnOK()
{
    PressButton(SECEDIT_FIND_NEXT);
}

void SECEditFindDialog::OnMarkAll()
{
    PressButton(SECEDIT_FIND_MARK_ALL);
}

void SECEditFindDialog::OnReplace()
{
    PressButton(SECEDIT_FIND_REPLACE);
}

void SECEditFindDialog::OnReplaceAll()
{
    PressButton(SECEDIT_FIND_REPLACE_ALL);
}

void SECEditFindDialog::OnCancel()
{
    if (m_bModal) {
        EndDialog(IDCANCEL);
        return;
    }
    m_nAction = SECEDIT_FIND_TERMINATING;
    if (m_pOwner)
        m_pOwner->OnFindDialogButton(this);
    DestroyWindow();
}

// ---- Notifications

void SECEditFindDialog::OnFindTextEdited()
{
    if (m_bExchanging)
        return;
    UpdateData(TRUE);
    UpdateControls();
}

void SECEditFindDialog::OnFindTextPicked()
{
    int item = m_findBox.GetCurSel();
    if (item < 0)
        return;
    m_findBox.GetLBText(item, m_strFindText);
    UpdateControls();
}

void SECEditFindDialog::OnRadio()
{
    UpdateData(TRUE);
    UpdateControls();
}

void SECEditFindDialog::OnRegexClicked()
{
    UpdateData(TRUE);
    UpdateRegexOptions();
    UpdateControls();
}

void SECEditFindDialog::OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized)
{
    CDialog::OnActivate(nState, pWndOther, bMinimized);
    if (m_bFindOnly || nState == WA_INACTIVE)
        return;
    if (m_pOwner && m_pOwner->CanReplaceInSelection() && m_bSelectionAvailable) {
        EnableItem(SECEDIT_IDC_RADIO_FIRST, TRUE);
        return;
    }
    EnableItem(SECEDIT_IDC_RADIO_FIRST, FALSE);
    m_nRadio = 1;
    CheckDlgButton(SECEDIT_IDC_RADIO_SECOND, BST_CHECKED);
    CheckDlgButton(SECEDIT_IDC_RADIO_FIRST, BST_UNCHECKED);
    UpdateControls();
}
