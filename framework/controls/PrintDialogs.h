// The page-setup and print dialogs on Qt's dialogs. Both read and write the
// device mode and device names blocks of their records (made from the
// system's default printer when the record has none; the caller frees
// them). Paper and margins: PSD_MARGINS gives the starting margins;
// measurements are in hundredths of a millimetre unless
// PSD_INTHOUSANDTHSOFINCHES asks for thousandths of an inch.
#pragma once

#include "framework/app/PrintStructs.h"
#include "framework/controls/CommonDialog.h"

#include <memory>

#define PD_NOPAGENUMS 0x00000008
#define PD_COLLATE 0x00000010
#define PD_PRINTTOFILE 0x00000020
#define PD_PRINTSETUP 0x00000040
#define PD_NOWARNING 0x00000080
#define PD_USEDEVMODECOPIES 0x00040000
#define PD_HIDEPRINTTOFILE 0x00100000

class CPrinterDC;

class CPageSetupDialog : public CDialog {
    DECLARE_DYNAMIC(CPageSetupDialog)
public:
    explicit CPageSetupDialog(DWORD dwFlags = PSD_MARGINS, CWnd *pParentWnd = NULL);

    INT_PTR DoModal() override;
    CSize GetPaperSize() const { return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y); }
    void GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const;
    // The device mode, locked (the block stays the record's).
    LPDEVMODE GetDevMode() const;
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;

    PAGESETUPDLG m_psd{};
};

class CPrintDialog : public CDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd *pParentWnd = NULL);
    ~CPrintDialog() override;

    INT_PTR DoModal() override;
    // The default printer's blocks without asking (PD_RETURNDEFAULT).
    BOOL GetDefaults();
    int GetCopies() const { return m_pd.nCopies; }
    int GetFromPage() const { return m_pd.nFromPage; }
    int GetToPage() const { return m_pd.nToPage; }
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    LPDEVMODE GetDevMode() const;
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    // With PD_RETURNDC, the printing context made for the choice. It
    // belongs to this dialog object and goes with it.
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // A printing context for the record's printer blocks (made from the
    // default printer when missing), printing into lpszOutput when given,
    // else into the device names' output; it replaces the record's context
    // and belongs to this dialog object. NULL when it cannot be made.
    HDC CreatePrinterDC(LPCTSTR lpszOutput = NULL);

    PRINTDLG m_pd{};

private:
    BOOL m_bPrintSetupOnly;
    std::unique_ptr<CPrinterDC> m_pPrinterDC;
};
