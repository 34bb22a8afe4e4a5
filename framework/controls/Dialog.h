// CDialog: a dialog built from a registered template, modal (DoModal runs
// its own message loop with the owner disabled and sends WM_KICKIDLE while
// the loop has nothing to do) or modeless (Create). OnInitDialog moves the
// members into the controls (data exchange), OnOK moves them back and ends
// the dialog only when that succeeded.
#pragma once

#include "framework/controls/DialogManager.h"
#include "framework/window/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd *pParentWnd = NULL);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd *pParentWnd = NULL);
    ~CDialog() override;

    // The dialog's result: the value given to EndDialog; -1 when the
    // template is missing or the dialog could not be made.
    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT nIDTemplate, CWnd *pParentWnd = NULL);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd *pParentWnd = NULL);
    BOOL CreateIndirect(const RESOURCE_DIALOG *pTemplate, CWnd *pParentWnd = NULL);
    void EndDialog(int nResult);

    // Moves data between the members and the controls; FALSE when a value
    // failed (its message was shown and the failing control has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    DWORD GetDefID() const;
    void SetDefID(UINT nID);
    void GotoDlgCtrl(CWnd *pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    CWnd *GetNextDlgTabItem(CWnd *pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd *GetNextDlgGroupItem(CWnd *pWndCtl, BOOL bPrevious = FALSE) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    void MapDialogRect(LPRECT lpRect) const;
    BOOL IsDialogMessage(LPMSG lpMsg);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG *pMsg) override;

    UINT m_nIDHelp = 0;
    LPCTSTR m_lpszTemplateName = nullptr;
    CWnd *m_pParentWnd = nullptr;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange *pDX);
    // Runs the modal loop until EndDialog; the dialog's result.
    INT_PTR RunModalLoop();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg void OnOKCommand();
    afx_msg void OnCancelCommand();
    DECLARE_MESSAGE_MAP()

private:
    const RESOURCE_DIALOG *FindTemplate() const;
    BOOL CreateFromTemplate(const RESOURCE_DIALOG *pTemplate, HWND hWndParent);
    HWND ModalOwner() const;
};
