#include "kilnsmith/frame/OptionsDlg.h"

#include "framework/controls/DataExchange.h"
#include "framework/settings/AppProfile.h"
#include "framework/settings/AutostartEntries.h"
#include "framework/shell/Places.h"
#include "framework/window/MessageBoxApi.h"
#include "kilnsmith/frame/RegistryKey.h"
#include "kilnsmith/frame/ResourceIds.h"

IMPLEMENT_DYNAMIC(COptionsDlg, CDialog)

COptionsDlg::COptionsDlg(CWnd *pParent) : CDialog(IDD_OPTIONS, pParent) {}

void COptionsDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_RUN_AT_START, m_bRunAtStart);
    DDX_Check(pDX, IDC_START_MINIMIZED, m_bStartMinimized);
    DDX_Check(pDX, IDC_SEND_ON_START, m_bSendOnStart);
}

BOOL COptionsDlg::OnInitDialog()
{
    CString strCommand;
    CRegistryKey key(HKEY_LOCAL_MACHINE);
    if (key.Open(HKEY_LOCAL_MACHINE, KILNSMITH_RUN_KEY)) {
        if (!key.ReadString(KILNSMITH_RUN_VALUE, strCommand) && key.GetLastError() != ERROR_FILE_NOT_FOUND)
            m_bRunValueUnreadable = TRUE;
        key.Close();
    }
    if (m_bRunValueUnreadable)
        ShowUnreadableEntry(key.GetLastError());
    m_bRunAtStart = !strCommand.IsEmpty();
    const CAppProfile &profile = PlexoGetAppProfile();
    m_bSendOnStart = profile.GetProfileInt(KILNSMITH_SETTINGS_SECTION, KILNSMITH_SEND_ON_START, 0) != 0;
    m_bStartMinimized = profile.GetProfileInt(KILNSMITH_SETTINGS_SECTION, KILNSMITH_START_MINIMIZED, 0) != 0;
    // The base moves the members into the controls.
    return CDialog::OnInitDialog();
}

void COptionsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (!StoreRunAtStart())
        return;
    CAppProfile &profile = PlexoGetAppProfile();
    profile.WriteProfileInt(KILNSMITH_SETTINGS_SECTION, KILNSMITH_SEND_ON_START, m_bSendOnStart ? 1 : 0);
    profile.WriteProfileInt(KILNSMITH_SETTINGS_SECTION, KILNSMITH_START_MINIMIZED, m_bStartMinimized ? 1 : 0);
    EndDialog(IDOK);
}

BOOL COptionsDlg::StoreRunAtStart()
{
    CRegistryKey key(HKEY_LOCAL_MACHINE);
    if (!key.Open(HKEY_LOCAL_MACHINE, KILNSMITH_RUN_KEY)) {
        ShowRunFailure(key.GetLastError(), m_bRunAtStart);
        return FALSE;
    }
    if (m_bRunAtStart) {
        if (!key.WriteString(KILNSMITH_RUN_VALUE, PlexoGetProgramPath())) {
            ShowRunFailure(key.GetLastError(), TRUE);
            return FALSE;
        }
        return TRUE;
    }
    // A value that could not be read is not the user's to lose by a box
    // that only showed as cleared.
    if (m_bRunValueUnreadable)
        return TRUE;
    if (!key.DeleteValue(KILNSMITH_RUN_VALUE) && key.GetLastError() != ERROR_FILE_NOT_FOUND) {
        ShowRunFailure(key.GetLastError(), FALSE);
        return FALSE;
    }
    return TRUE;
}

void COptionsDlg::ShowUnreadableEntry(LONG lError) const
{
    CString strText = "The start-at-login entry cannot be read and is left as it is.\n\n";
    strText += "Entry: \"" + Autostart::EntryPath(KILNSMITH_RUN_VALUE) + "\"\n";
    strText += CRegistryKey::ErrorText(lError);
    ::MessageBox(m_hWnd, strText, "Tarno Options", MB_ICONEXCLAMATION | MB_OK);
}

void COptionsDlg::ShowRunFailure(LONG lError, BOOL bWriting) const
{
    CString strText = bWriting ? "Kilnsmith could not be set to start at login.\n\n"
                               : "Kilnsmith could not be kept from starting at login.\n\n";
    strText += "Entry: \"" + Autostart::EntryPath(KILNSMITH_RUN_VALUE) + "\"\n";
    strText += CRegistryKey::ErrorText(lError);
    ::MessageBox(m_hWnd, strText, "Tarno Options", MB_ICONEXCLAMATION | MB_OK);
}
