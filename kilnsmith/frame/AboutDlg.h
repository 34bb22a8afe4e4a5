// CAboutBox: "About Plexo Kilnsmith": the program's picture, its name,
// version and build date, and a link label with the home-page address.
#pragma once

#include "framework/controls/Dialog.h"
#include "framework/gdi/Bitmap.h"
#include "kilnsmith/frame/LinkLabel.h"

// The version the About box shows.
#define KILNSMITH_VERSION "1.0"

class CAboutBox : public CDialog {
    DECLARE_DYNAMIC(CAboutBox)
public:
    explicit CAboutBox(CWnd *pParent = NULL);

    BOOL OnInitDialog() override;
    CLinkLabel &GetLinkLabel() { return m_wndLink; }
    // "Plexo Kilnsmith Version <version>, built <date>".
    static CString ProductLine();

protected:
    void DoDataExchange(CDataExchange *pDX) override;

private:
    CLinkLabel m_wndLink;
    CBitmap m_bmpPicture;
};
