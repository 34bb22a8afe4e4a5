// COptionsDlg: "Tarno Options", the program's start-up settings: start at
// login (the Run value "Tarno", an autostart entry of the desktop), start
// minimised and connect on start (both in the profile's "Settings").  A
// start-at-login entry that cannot be written or removed is reported with
// its reason and the dialog stays open.
#pragma once

#include "framework/controls/Dialog.h"

// Where the start-at-login value lives (under HKEY_LOCAL_MACHINE).
#define KILNSMITH_RUN_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Run"
#define KILNSMITH_RUN_VALUE "Tarno"
#define KILNSMITH_SETTINGS_SECTION "Settings"
#define KILNSMITH_START_MINIMIZED "Start minimized"
#define KILNSMITH_SEND_ON_START "Send on start"

class COptionsDlg : public CDialog {
    DECLARE_DYNAMIC(COptionsDlg)
public:
    explicit COptionsDlg(CWnd *pParent = NULL);

    BOOL OnInitDialog() override;

    int m_bRunAtStart = 0;
    int m_bStartMinimized = 0;
    int m_bSendOnStart = 0;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

private:
    // Writes or removes the Run value as the box says; FALSE (after telling
    // the user why) when that failed.
    BOOL StoreRunAtStart();
    void ShowRunFailure(LONG lError, BOOL bWriting) const;
    void ShowUnreadableEntry(LONG lError) const;

    // The Run value could not be read when the dialog opened: it is left
    // alone unless the user asks for it to be written.
    BOOL m_bRunValueUnreadable = FALSE;
};
