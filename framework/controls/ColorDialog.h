// CColorDialog: the colour dialog on Qt's colour dialog. CC_RGBINIT starts
// at m_cc.rgbResult; the 16 custom colours at m_cc.lpCustColors (the
// program-wide saved set unless the program points elsewhere) go into the
// dialog and come back changed when the user accepts.
#pragma once

#include "framework/controls/CommonDialog.h"

#define CC_RGBINIT 0x00000001
#define CC_FULLOPEN 0x00000002
#define CC_PREVENTFULLOPEN 0x00000004
#define CC_SHOWHELP 0x00000008
#define CC_ENABLEHOOK 0x00000010
#define CC_SOLIDCOLOR 0x00000080
#define CC_ANYCOLOR 0x00000100

struct CHOOSECOLOR {
    DWORD lStructSize;
    HWND hwndOwner;
    HWND hInstance;
    COLORREF rgbResult;
    COLORREF *lpCustColors;
    DWORD Flags;
    LPARAM lCustData;
    void *lpfnHook;
    LPCTSTR lpTemplateName;
};

class CColorDialog : public CDialog {
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd *pParentWnd = NULL);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    // The 16 custom colours every colour dialog starts from.
    static COLORREF *GetSavedCustomColors();

    CHOOSECOLOR m_cc{};
};
