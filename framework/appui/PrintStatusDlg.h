// The "Printing" window shown while a job runs: the document's name, the
// page being printed and a Cancel button, which ends the job after the
// page in hand.
#pragma once

#include "framework/controls/Dialog.h"

class CPrintStatusDlg : public CDialog {
public:
    CPrintStatusDlg() = default;
    ~CPrintStatusDlg() override;

    // Opens the window over pParent (modeless); FALSE when it could not be
    // made (the job runs without it).
    BOOL Open(CWnd *pParent, const CString &strDocument);
    void ShowPage(UINT nPage);
    BOOL IsCancelled() const { return m_bCancelled; }
    void Close();

protected:
    void OnCancel() override;
    void OnOK() override {}

private:
    BOOL m_bCancelled = FALSE;
};

// The ids of the window's texts.
#define PLEXO_PRINT_STATUS_DOCUMENT 0x7E01
#define PLEXO_PRINT_STATUS_PAGE 0x7E02
