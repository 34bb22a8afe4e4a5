// CFontDialog: the font dialog on Qt's font dialog. m_cf.lpLogFont (m_lf)
// goes in with CF_INITTOLOGFONTSTRUCT and comes back with the choice;
// CF_FIXEDPITCHONLY lists only fixed-pitch faces, CF_SCALABLEONLY only
// scalable ones. With CF_EFFECTS the dialog is Qt's font chooser inside a
// dialog of ours that adds underline and strike-out and the text colour
// (m_cf.rgbColors, one of the 16 classic colours). Template hooks are not
// honoured.
#pragma once

#include "framework/controls/CommonDialog.h"
#include "framework/gdi/GdiStructs.h"

#define CF_SCREENFONTS 0x00000001
#define CF_PRINTERFONTS 0x00000002
#define CF_BOTH (CF_SCREENFONTS | CF_PRINTERFONTS)
#define CF_SHOWHELP 0x00000004
#define CF_ENABLEHOOK 0x00000008
#define CF_ENABLETEMPLATE 0x00000010
#define CF_INITTOLOGFONTSTRUCT 0x00000040
#define CF_EFFECTS 0x00000100
#define CF_LIMITSIZE 0x00002000
#define CF_FIXEDPITCHONLY 0x00004000
#define CF_FORCEFONTEXIST 0x00010000
#define CF_SCALABLEONLY 0x00020000
#define CF_TTONLY 0x00040000
#define CF_NOVERTFONTS 0x01000000

class CDC;

struct CHOOSEFONT {
    DWORD lStructSize;
    HWND hwndOwner;
    HDC hDC;
    LOGFONT *lpLogFont;
    INT iPointSize; // tenths of a point
    DWORD Flags;
    COLORREF rgbColors;
    LPARAM lCustData;
    void *lpfnHook;
    LPCTSTR lpTemplateName;
    HINSTANCE hInstance;
    LPTSTR lpszStyle;
    WORD nFontType;
    INT nSizeMin;
    INT nSizeMax;
};

class CFontDialog : public CDialog {
    DECLARE_DYNAMIC(CFontDialog)
public:
    explicit CFontDialog(LPLOGFONT lplfInitial = NULL, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC *pdcPrinter = NULL, CWnd *pParentWnd = NULL);

    INT_PTR DoModal() override;
    void GetCurrentFont(LPLOGFONT lplf) const;
    CString GetFaceName() const { return CString(m_lf.lfFaceName); }
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }
    BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }

    // The 16 colours the effects offer, in their classic order.
    static const COLORREF *PlexoEffectColors();

    CHOOSEFONT m_cf{};
    LOGFONT m_lf{};
};
