// CDialog: creation from a template, the modal loop, and the default
// handlers of OK, Cancel and WM_INITDIALOG.
#include "framework/controls/Dialog.h"
#include "framework/controls/ControlClasses.h"
#include "framework/controls/DataExchange.h"
#include "framework/controls/DialogState.h"

#include "framework/app/Document.h"
#include "framework/object/Exceptions.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/MessageMap.h"
#include "framework/window/WindowApi.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOKCommand)
ON_COMMAND(IDCANCEL, OnCancelCommand)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd *pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)
{
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd *pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

const RESOURCE_DIALOG *CDialog::FindTemplate() const
{
    UINT nID = 0;
    if (!m_lpszTemplateName || !PlexoResourceIdFromName(m_lpszTemplateName, nID))
        return nullptr;
    return PlexoFindDialog(nID);
}

BOOL CDialog::CreateFromTemplate(const RESOURCE_DIALOG *pTemplate, HWND hWndParent)
{
    if (!pTemplate)
        return FALSE;
    PlexoRegisterStandardControls();
    RECT rc = PlexoDialogWindowRect(pTemplate, hWndParent);
    DWORD exStyle = pTemplate->dwExStyle;
    if (pTemplate->dwStyle & DS_CONTROL)
        exStyle |= WS_EX_CONTROLPARENT;
    DWORD style = pTemplate->dwStyle & ~WS_VISIBLE;
    if (!CreateEx(exStyle, PLEXO_DIALOG_CLASS, pTemplate->lpszCaption ? pTemplate->lpszCaption : "", style, rc.left,
                  rc.top, rc.right - rc.left, rc.bottom - rc.top, hWndParent, nullptr, nullptr))
        return FALSE;
    if (!PlexoBuildDialog(m_hWnd, pTemplate, 0)) {
        if (m_hWnd && ::IsWindow(m_hWnd))
            DestroyWindow();
        return FALSE;
    }
    if ((pTemplate->dwStyle & WS_VISIBLE) && !PlexoDialogEnded(m_hWnd)) {
        ShowWindow(SW_SHOW);
        if (!(style & WS_CHILD))
            PlexoDialogRestoreFocus(m_hWnd);
    }
    return TRUE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd *pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd *pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    UINT nID = 0;
    if (PlexoResourceIdFromName(lpszTemplateName, nID) && !m_nIDHelp)
        m_nIDHelp = nID;
    return CreateIndirect(FindTemplate(), pParentWnd);
}

BOOL CDialog::CreateIndirect(const RESOURCE_DIALOG *pTemplate, CWnd *pParentWnd)
{
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HWND hParent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (!hParent && pTemplate && !(pTemplate->dwStyle & WS_CHILD))
        if (CWnd *pMain = AfxGetMainWnd())
            hParent = pMain->GetSafeHwnd();
    return CreateFromTemplate(pTemplate, hParent);
}

HWND CDialog::ModalOwner() const
{
    HWND hOwner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (!hOwner)
        if (CWnd *pMain = AfxGetMainWnd())
            hOwner = pMain->GetSafeHwnd();
    return hOwner && ::IsWindow(hOwner) ? ::GetTopLevelWindow(hOwner) : nullptr;
}

INT_PTR CDialog::DoModal()
{
    const RESOURCE_DIALOG *pTemplate = FindTemplate();
    if (!pTemplate)
        return -1;
    HWND hOwner = ModalOwner();
    bool ownerWasEnabled = hOwner && ::IsWindowEnabled(hOwner);
    if (ownerWasEnabled)
        ::EnableWindow(hOwner, FALSE);
    INT_PTR nResult = -1;
    if (CreateFromTemplate(pTemplate, hOwner)) {
        if (!PlexoDialogEnded(m_hWnd, &nResult)) {
            ShowWindow(SW_SHOWNORMAL);
            PlexoDialogRestoreFocus(m_hWnd);
            nResult = RunModalLoop();
        }
    }
    // The owner comes back before the dialog goes, so that it takes the
    // activation and the focus.
    if (ownerWasEnabled && ::IsWindow(hOwner))
        ::EnableWindow(hOwner, TRUE);
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // Ending the dialog may already have taken its activation away
        // (nothing is active then); the owner takes it back all the same.
        HWND hActive = ::GetActiveWindow();
        bool wasActive = hActive == m_hWnd || hActive == nullptr;
        ShowWindow(SW_HIDE);
        if (wasActive && hOwner && ::IsWindow(hOwner))
            ::SetActiveWindow(hOwner);
        DestroyWindow();
    }
    return nResult;
}

INT_PTR CDialog::RunModalLoop()
{
    HWND hDlg = m_hWnd;
    bool idle = true;
    LONG idleCount = 0;
    INT_PTR nResult = -1;
    for (;;) {
        if (!::IsWindow(hDlg))
            return nResult;
        if (PlexoDialogEnded(hDlg, &nResult))
            return nResult;
        MSG peeked;
        while (idle && ::IsWindow(hDlg) && !PlexoDialogEnded(hDlg) &&
               !::PeekMessage(&peeked, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!::SendMessage(hDlg, WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = false;
        }
        if (!::IsWindow(hDlg) || PlexoDialogEnded(hDlg, &nResult))
            continue;
        if (!PlexoPumpMessage()) {
            // The program is quitting: the loop ends and the quit goes on.
            ::PostQuitMessage(PlexoQuitCode());
            return -1;
        }
        idle = true;
        idleCount = 0;
    }
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOKCommand()
{
    OnOK();
}

void CDialog::OnCancelCommand()
{
    OnCancel();
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange *) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException *e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID);
}

void CDialog::GotoDlgCtrl(CWnd *pWndCtrl)
{
    if (pWndCtrl)
        PlexoGotoDlgCtrl(m_hWnd, pWndCtrl->GetSafeHwnd());
}

void CDialog::NextDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 1, 0);
}

CWnd *CDialog::GetNextDlgTabItem(CWnd *pWndCtl, BOOL bPrevious) const
{
    return CWnd::FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->GetSafeHwnd() : nullptr, bPrevious));
}

CWnd *CDialog::GetNextDlgGroupItem(CWnd *pWndCtl, BOOL bPrevious) const
{
    return CWnd::FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl ? pWndCtl->GetSafeHwnd() : nullptr, bPrevious));
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
        if (HWND h = ::GetDlgItem(m_hWnd, nID))
            if (::SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED)
                return nID;
    return 0;
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg)
{
    return ::IsDialogMessage(m_hWnd, lpMsg);
}

BOOL CDialog::PreTranslateMessage(MSG *pMsg)
{
    // A dialog inside another (a property page) leaves the keys to the
    // dialog around it, which walks into its controls.
    if (!(GetStyle() & WS_CHILD) && pMsg && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        ::IsDialogMessage(m_hWnd, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}
