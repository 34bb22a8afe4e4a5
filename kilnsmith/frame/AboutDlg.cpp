#include "kilnsmith/frame/AboutDlg.h"

#include "framework/controls/DataExchange.h"
#include "framework/gdi/Icon.h"
#include "kilnsmith/frame/FrameResources.h"
#include "kilnsmith/frame/ResourceIds.h"

IMPLEMENT_DYNAMIC(CAboutBox, CDialog)

CAboutBox::CAboutBox(CWnd *pParent) : CDialog(IDD_ABOUTBOX, pParent)
{
    RegisterFrameResources();
}

CString CAboutBox::ProductLine()
{
    return CString("Plexo Kilnsmith Version " KILNSMITH_VERSION ", built ") + __DATE__;
}

void CAboutBox::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_LINK, m_wndLink);
}

BOOL CAboutBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_TEXT, ProductLine());
    if (m_bmpPicture.LoadBitmap(IDB_ABOUT)) {
        SendDlgItemMessage(IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                           reinterpret_cast<LPARAM>(m_bmpPicture.GetSafeHandle()));
    }
    return TRUE;
}
