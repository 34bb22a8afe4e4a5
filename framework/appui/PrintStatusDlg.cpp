#include "framework/appui/PrintStatusDlg.h"

#include "framework/controls/ControlStyles.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QWidget>

namespace {

const RESOURCE_DIALOG_ITEM kStatusItems[] = {
    {"STATIC", "", PLEXO_PRINT_STATUS_DOCUMENT, 8, 8, 150, 10, SS_CENTER | WS_VISIBLE, 0},
    {"STATIC", "", PLEXO_PRINT_STATUS_PAGE, 8, 22, 150, 10, SS_CENTER | WS_VISIBLE, 0},
    {"BUTTON", "Cancel", IDCANCEL, 58, 38, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kStatusTemplate = {DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                                         0,
                                         0,
                                         0,
                                         166,
                                         58,
                                         "Printing",
                                         nullptr,
                                         0,
                                         0,
                                         kStatusItems,
                                         static_cast<int>(sizeof(kStatusItems) / sizeof(kStatusItems[0]))};

} // namespace

CPrintStatusDlg::~CPrintStatusDlg()
{
    Close();
}

BOOL CPrintStatusDlg::Open(CWnd *pParent, const CString &strDocument)
{
    m_bCancelled = FALSE;
    if (!CreateIndirect(&kStatusTemplate, pParent))
        return FALSE;
    SetDlgItemText(PLEXO_PRINT_STATUS_DOCUMENT, strDocument);
    // The program's other windows take no input while the job runs; this
    // window does (disabling its owner would disable it too).
    if (QWidget *pWidget = WindowCore::Widget(m_hWnd))
        pWidget->setWindowModality(Qt::ApplicationModal);
    ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

void CPrintStatusDlg::ShowPage(UINT nPage)
{
    if (m_hWnd == nullptr)
        return;
    CString strPage;
    strPage.Format("Page %u", nPage);
    SetDlgItemText(PLEXO_PRINT_STATUS_PAGE, strPage);
}

void CPrintStatusDlg::OnCancel()
{
    m_bCancelled = TRUE;
}

void CPrintStatusDlg::Close()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        DestroyWindow();
}
