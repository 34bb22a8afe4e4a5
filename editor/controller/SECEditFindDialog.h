// SECEditFindDialog: the one dialog behind the editor's Find (template
// 22701) and Replace (22702) commands. It collects the texts and options,
// keeps the two drop-down histories, enables its buttons by its fields and
// hands every button press to its owner, which reads the fields and does
// the search, mark or replacement. It runs modal or modeless.
#pragma once

#include "framework/collections/Lists.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Dialog.h"

class SECEditFindDialog;

enum SECEditFindDialogIds : UINT {
    SECEDIT_IDD_FIND = 22701,
    SECEDIT_IDD_REPLACE = 22702,
    SECEDIT_IDC_FIND_TEXT = 1000,
    SECEDIT_IDC_REPLACE_TEXT = 1001,
    SECEDIT_IDC_MATCH_CASE = 1002,
    SECEDIT_IDC_REGEX = 1003,
    SECEDIT_IDC_RADIO_FIRST = 1004,  // "&Up" or "&Selection"
    SECEDIT_IDC_RADIO_SECOND = 1005, // "&Down" or "Wh&ole file"
    SECEDIT_IDC_MARK_ALL = 1008,
    SECEDIT_IDC_REPLACE = 1024,
    SECEDIT_IDC_REPLACE_ALL = 1025,
    SECEDIT_IDC_WHOLE_WORD = 1040,
    SECEDIT_IDC_DIRECTION = 1072,
};

// What the last button asked for.
enum SECEditFindAction {
    SECEDIT_FIND_TERMINATING = 0,
    SECEDIT_FIND_NEXT = 1,
    SECEDIT_FIND_MARK_ALL = 2,
    SECEDIT_FIND_REPLACE = 3,
    SECEDIT_FIND_REPLACE_ALL = 4,
};

// The dialog's owner (the editor controller) hears of every button.
class SECEditFindDialogOwner {
public:
    // Reads the dialog's fields and acts on its action; TRUE when it
    // succeeded (text found, replacement made).
    virtual BOOL OnFindDialogButton(SECEditFindDialog *pDialog) = 0;
    // TRUE when the editor has a selection and no mouse selection is going on.
    virtual BOOL CanReplaceInSelection() = 0;

protected:
    virtual ~SECEditFindDialogOwner() = default;
};

// Makes the controller's Find and Replace commands (Ctrl+F, Ctrl+H) show
// this dialog. Done when the controller's library loads; a program calls
// it again to put the dialog back after installing a runner of its own.
BOOL SECEditInstallFindDialog();

// The longest find or replace text.
constexpr int SECEDIT_FIND_TEXT_MAX = 128;
// The most entries a history keeps.
constexpr int SECEDIT_FIND_HISTORY_MAX = 16;

class SECEditFindDialog : public CDialog {
public:
    explicit SECEditFindDialog(CWnd *pParentWnd = NULL);

    INT_PTR DoModal() override;
    // Creates the dialog modelessly from the template its kind chooses; the
    // owner shows it. The object deletes itself once its window is gone.
    BOOL CreateModeless(CWnd *pParentWnd);

    // ---- Set by the owner before the window exists
    void SetFindString(LPCTSTR lpszText) { m_strFindText = lpszText; }
    void SetReplaceString(LPCTSTR lpszText) { m_strReplaceText = lpszText; }
    void SetMatchCase(BOOL bMatchCase) { m_bMatchCase = bMatchCase; }
    void SetMatchWholeWord(BOOL bWholeWord) { m_bMatchWholeWord = bWholeWord; }
    // Find dialog only.
    void SetSearchDown(BOOL bDown);
    void SetSelectionAvailable() { m_bSelectionAvailable = TRUE; }
    // Replace dialog only: Selection when asked and available, else Whole file.
    void SetReplaceInSelection(BOOL bInSelection);

    // ---- Read by the owner
    int GetAction() const { return m_nAction; }
    BOOL IsTerminating() const { return m_nAction == SECEDIT_FIND_TERMINATING; }
    BOOL FindNext() const { return m_nAction == SECEDIT_FIND_NEXT; }
    BOOL MarkAll() const { return m_nAction == SECEDIT_FIND_MARK_ALL; }
    BOOL ReplaceCurrent() const { return m_nAction == SECEDIT_FIND_REPLACE; }
    CString GetFindString() const { return m_strFindText; }
    CString GetReplaceString() const { return m_strReplaceText; }
    BOOL MatchCase() const { return m_bMatchCase; }
    BOOL MatchWholeWord() const { return m_bMatchWholeWord; }
    // A Replace dialog always searches down.
    BOOL SearchDown() const { return m_nRadio == 1 || !m_bFindOnly; }
    BOOL ReplaceInSelection() const { return !m_bFindOnly && m_nRadio == 0; }
    int GetRadio() const { return m_nRadio; }
    BOOL IsModal() const { return m_bModal; }

    BOOL OnInitDialog() override;
    virtual void UpdateRegexOptions();
    virtual void AddToHistory();
    virtual void FillHistory();
    // Enables the buttons by the fields; TRUE when the find text is not empty.
    virtual BOOL UpdateControls();

    // ---- Set by the owner directly
    BOOL m_bFindOnly = FALSE;
    BOOL m_bRegularExpression = FALSE;
    BOOL m_bRegexAvailable = FALSE;
    SECEditFindDialogOwner *m_pOwner = nullptr;
    CStringList *m_pFindHistory = nullptr;
    CStringList *m_pReplaceHistory = nullptr;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    void PressButton(int nAction);
    void EnableItem(int nID, BOOL bEnable);
    static void Remember(CStringList *pHistory, const CString &text);
    static void FillBox(CComboBox &box, CStringList *pHistory);

    afx_msg void OnMarkAll();
    afx_msg void OnReplace();
    afx_msg void OnReplaceAll();
    afx_msg void OnFindTextEdited();
    afx_msg void OnFindTextPicked();
    afx_msg void OnRadio();
    afx_msg void OnRegexClicked();
    afx_msg void OnActivate(UINT nState, CWnd *pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()

    int m_nAction = SECEDIT_FIND_TERMINATING;
    CComboBox m_replaceBox;
    CComboBox m_findBox;
    CString m_strFindText;
    CString m_strReplaceText;
    BOOL m_bMatchCase = FALSE;
    BOOL m_bMatchWholeWord = FALSE;
    int m_nRadio = -1;
    BOOL m_bModal = FALSE;
    BOOL m_bSelectionAvailable = FALSE;
    // Set while the fields and the controls are being exchanged.
    BOOL m_bExchanging = FALSE;
};
