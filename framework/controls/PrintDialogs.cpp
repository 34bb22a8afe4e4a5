// CPageSetupDialog on QPageSetupDialog and CPrintDialog on QPrintDialog.
#include "framework/controls/PrintDialogs.h"

#include "framework/app/Printers.h"
#include "framework/object/GlobalMemory.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>
#include <cstring>

namespace {

struct PaperCode {
    short code;
    QPageSize::PageSizeId id;
};

const PaperCode kPapers[] = {
    {DMPAPER_LETTER, QPageSize::Letter}, {DMPAPER_LEGAL, QPageSize::Legal}, {DMPAPER_A3, QPageSize::A3},
    {DMPAPER_A4, QPageSize::A4},         {DMPAPER_A5, QPageSize::A5},
};

QPageSize PageSizeOf(const DEVMODE &dm)
{
    if (dm.dmFields & DM_PAPERSIZE)
        for (const PaperCode &p : kPapers)
            if (p.code == dm.dmPaperSize)
                return QPageSize(p.id);
    if ((dm.dmFields & (DM_PAPERWIDTH | DM_PAPERLENGTH)) == (DM_PAPERWIDTH | DM_PAPERLENGTH) && dm.dmPaperWidth > 0 &&
        dm.dmPaperLength > 0)
        return QPageSize(QSizeF(dm.dmPaperWidth / 10.0, dm.dmPaperLength / 10.0), QPageSize::Millimeter);
    return QPageSize(QPageSize::A4);
}

void StorePageSize(const QPageSize &size, DEVMODE &dm)
{
    dm.dmFields &= ~(DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH);
    for (const PaperCode &p : kPapers) {
        if (p.id == size.id()) {
            dm.dmPaperSize = p.code;
            dm.dmFields |= DM_PAPERSIZE;
            return;
        }
    }
    QSizeF mm = size.size(QPageSize::Millimeter);
    dm.dmPaperSize = 0;
    dm.dmPaperWidth = static_cast<short>(std::lround(mm.width() * 10));
    dm.dmPaperLength = static_cast<short>(std::lround(mm.height() * 10));
    dm.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
}

// The record's blocks, made from the default printer when missing.
bool EnsureBlocks(HGLOBAL &hDevNames, HGLOBAL &hDevMode)
{
    if (hDevNames && hDevMode)
        return true;
    HGLOBAL names = nullptr, mode = nullptr;
    if (!PlexoGetDefaultPrinter(&names, &mode))
        return false;
    if (!hDevNames)
        hDevNames = names;
    else
        GlobalFree(names);
    if (!hDevMode)
        hDevMode = mode;
    else
        GlobalFree(mode);
    return true;
}

// A locked device mode for the scope.
class LockedDevMode {
public:
    explicit LockedDevMode(HGLOBAL h) : m_h(h), m_dm(static_cast<DEVMODE *>(h ? GlobalLock(h) : nullptr))
    {
        if (m_dm && GlobalSize(h) < sizeof(DEVMODE)) {
            GlobalUnlock(h);
            m_dm = nullptr;
        }
    }
    ~LockedDevMode()
    {
        if (m_dm)
            GlobalUnlock(m_h);
    }
    LockedDevMode(const LockedDevMode &) = delete;
    LockedDevMode &operator=(const LockedDevMode &) = delete;
    DEVMODE *operator->() const { return m_dm; }
    explicit operator bool() const { return m_dm != nullptr; }
    DEVMODE &operator*() const { return *m_dm; }

private:
    HGLOBAL m_h;
    DEVMODE *m_dm;
};

CString DevName(HGLOBAL hDevNames, int which)
{
    CString driver, device, output;
    if (!PlexoReadDevNames(hDevNames, driver, device, output))
        return CString();
    return which == 0 ? driver : which == 1 ? device : output;
}

// Measurements of the record: hundredths of a millimetre or thousandths of
// an inch.
double UnitsPerMillimetre(DWORD flags)
{
    return (flags & PSD_INTHOUSANDTHSOFINCHES) ? 1000.0 / 25.4 : 100.0;
}

void SetUpPrinter(QPrinter &printer, HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    CString device = DevName(hDevNames, 1);
    if (device.IsEmpty() || device == PLEXO_PDF_PRINTER_NAME || !PlexoIsPrinterAvailable(device))
        printer.setOutputFormat(QPrinter::PdfFormat);
    else
        printer.setPrinterName(QString::fromUtf8(static_cast<LPCTSTR>(device)));
    LockedDevMode dm(hDevMode);
    if (!dm)
        return;
    printer.setPageSize(PageSizeOf(*dm));
    printer.setPageOrientation(dm->dmOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
    if ((dm->dmFields & DM_COPIES) && dm->dmCopies > 0)
        printer.setCopyCount(dm->dmCopies);
    if (dm->dmFields & DM_COLLATE)
        printer.setCollateCopies(dm->dmCollate == DMCOLLATE_TRUE);
}

void StorePrinter(const QPrinter &printer, HGLOBAL &hDevNames, HGLOBAL hDevMode)
{
    LockedDevMode dm(hDevMode);
    if (dm) {
        QPageLayout layout = printer.pageLayout();
        StorePageSize(layout.pageSize(), *dm);
        dm->dmOrientation = layout.orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        dm->dmFields |= DM_ORIENTATION;
        dm->dmCopies = static_cast<short>(printer.copyCount());
        dm->dmCollate = printer.collateCopies() ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
        dm->dmFields |= DM_COPIES | DM_COLLATE;
    }
    QString name =
        printer.outputFormat() == QPrinter::PdfFormat ? QStringLiteral(PLEXO_PDF_PRINTER_NAME) : printer.printerName();
    if (name.toUtf8() != QByteArray(static_cast<LPCTSTR>(DevName(hDevNames, 1)))) {
        QByteArray device = name.toUtf8();
        if (dm)
            std::strncpy(dm->dmDeviceName, device.constData(), CCHDEVICENAME - 1);
        if (HGLOBAL names = PlexoCreateDevNames(device.constData(), device.constData(), "", FALSE)) {
            GlobalFree(hDevNames);
            hDevNames = names;
        }
    }
}

} // namespace

// ---- CPageSetupDialog

IMPLEMENT_DYNAMIC(CPageSetupDialog, CDialog)

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd *pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_psd.lStructSize = sizeof(m_psd);
    m_psd.Flags = dwFlags;
}

INT_PTR CPageSetupDialog::DoModal()
{
    HWND hOwner = CommonDialogs::Owner(m_pParentWnd ? m_pParentWnd : CWnd::FromHandle(m_psd.hwndOwner));
    if (!EnsureBlocks(m_psd.hDevNames, m_psd.hDevMode))
        return IDCANCEL;
    if (!(m_psd.Flags & (PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS)))
        m_psd.Flags |= PSD_INHUNDREDTHSOFMILLIMETERS;
    double perMm = UnitsPerMillimetre(m_psd.Flags);
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, m_psd.hDevNames, m_psd.hDevMode);
    if (m_psd.Flags & PSD_MARGINS) {
        const RECT &m = m_psd.rtMargin;
        printer.setPageMargins(QMarginsF(m.left / perMm, m.top / perMm, m.right / perMm, m.bottom / perMm),
                               QPageLayout::Millimeter);
    }
    if (!(m_psd.Flags & PSD_RETURNDEFAULT)) {
        QPageSetupDialog dialog(&printer);
        if (!CommonDialogs::Run(dialog, hOwner))
            return IDCANCEL;
    }
    QPageLayout layout = printer.pageLayout();
    QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
    m_psd.ptPaperSize = POINT{static_cast<LONG>(std::lround(paper.width() * perMm)),
                              static_cast<LONG>(std::lround(paper.height() * perMm))};
    QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    m_psd.rtMargin = RECT{static_cast<LONG>(std::lround(margins.left() * perMm)),
                          static_cast<LONG>(std::lround(margins.top() * perMm)),
                          static_cast<LONG>(std::lround(margins.right() * perMm)),
                          static_cast<LONG>(std::lround(margins.bottom() * perMm))};
    QMarginsF minimum = layout.minimumMargins();
    m_psd.rtMinMargin = RECT{static_cast<LONG>(std::lround(minimum.left() * perMm)),
                             static_cast<LONG>(std::lround(minimum.top() * perMm)),
                             static_cast<LONG>(std::lround(minimum.right() * perMm)),
                             static_cast<LONG>(std::lround(minimum.bottom() * perMm))};
    StorePrinter(printer, m_psd.hDevNames, m_psd.hDevMode);
    return IDOK;
}

void CPageSetupDialog::GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const
{
    if (lpRectMargins)
        *lpRectMargins = m_psd.rtMargin;
    if (lpRectMinMargins)
        *lpRectMinMargins = m_psd.rtMinMargin;
}

LPDEVMODE CPageSetupDialog::GetDevMode() const
{
    return m_psd.hDevMode ? static_cast<LPDEVMODE>(GlobalLock(m_psd.hDevMode)) : nullptr;
}

CString CPageSetupDialog::GetDeviceName() const
{
    return DevName(m_psd.hDevNames, 1);
}

CString CPageSetupDialog::GetDriverName() const
{
    return DevName(m_psd.hDevNames, 0);
}

CString CPageSetupDialog::GetPortName() const
{
    return DevName(m_psd.hDevNames, 2);
}

// ---- CPrintDialog

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd *pParentWnd) : m_bPrintSetupOnly(bPrintSetupOnly)
{
    m_pParentWnd = pParentWnd;
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : 0);
    m_pd.nFromPage = m_pd.nToPage = 0xFFFF;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog() = default;

BOOL CPrintDialog::GetDefaults()
{
    return EnsureBlocks(m_pd.hDevNames, m_pd.hDevMode);
}

INT_PTR CPrintDialog::DoModal()
{
    HWND hOwner = CommonDialogs::Owner(m_pParentWnd ? m_pParentWnd : CWnd::FromHandle(m_pd.hwndOwner));
    if (!EnsureBlocks(m_pd.hDevNames, m_pd.hDevMode))
        return IDCANCEL;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, m_pd.hDevNames, m_pd.hDevMode);
    if (!(m_pd.Flags & PD_USEDEVMODECOPIES) && m_pd.nCopies > 0) {
        printer.setCopyCount(m_pd.nCopies);
        if (m_pd.Flags & PD_COLLATE)
            printer.setCollateCopies(true);
    }
    if (!(m_pd.Flags & PD_RETURNDEFAULT)) {
        QPrintDialog dialog(&printer);
        QPrintDialog::PrintDialogOptions options;
        if (!m_bPrintSetupOnly) {
            if (!(m_pd.Flags & PD_NOPAGENUMS))
                options |= QAbstractPrintDialog::PrintPageRange;
            if (!(m_pd.Flags & PD_NOSELECTION))
                options |= QAbstractPrintDialog::PrintSelection;
            if (!(m_pd.Flags & PD_HIDEPRINTTOFILE))
                options |= QAbstractPrintDialog::PrintToFile;
            options |= QAbstractPrintDialog::PrintCollateCopies;
        }
        dialog.setOptions(options);
        if (!(m_pd.Flags & PD_NOPAGENUMS))
            dialog.setMinMax(m_pd.nMinPage, m_pd.nMaxPage);
        if ((m_pd.Flags & PD_PAGENUMS) && m_pd.nFromPage != 0xFFFF) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(m_pd.nFromPage, m_pd.nToPage);
        } else if (m_pd.Flags & PD_SELECTION) {
            printer.setPrintRange(QPrinter::Selection);
        }
        if (!CommonDialogs::Run(dialog, hOwner))
            return IDCANCEL;
    }
    m_pd.Flags &= ~(PD_PAGENUMS | PD_SELECTION);
    if (printer.printRange() == QPrinter::PageRange) {
        m_pd.Flags |= PD_PAGENUMS;
        m_pd.nFromPage = static_cast<WORD>(printer.fromPage());
        m_pd.nToPage = static_cast<WORD>(printer.toPage());
    } else if (printer.printRange() == QPrinter::Selection) {
        m_pd.Flags |= PD_SELECTION;
    }
    m_pd.nCopies = static_cast<WORD>(printer.copyCount());
    m_pd.Flags = printer.collateCopies() ? (m_pd.Flags | PD_COLLATE) : (m_pd.Flags & ~PD_COLLATE);
    StorePrinter(printer, m_pd.hDevNames, m_pd.hDevMode);
    if (m_pd.Flags & PD_RETURNDC) {
        QByteArray file = printer.outputFileName().toUtf8();
        CreatePrinterDC(file.isEmpty() ? nullptr : file.constData());
    }
    return IDOK;
}

HDC CPrintDialog::CreatePrinterDC(LPCTSTR lpszOutput)
{
    m_pd.hDC = nullptr;
    m_pPrinterDC.reset();
    if (!EnsureBlocks(m_pd.hDevNames, m_pd.hDevMode))
        return nullptr;
    auto pDC = std::make_unique<CPrinterDC>();
    if (!pDC->CreatePrinterDC(m_pd.hDevNames, m_pd.hDevMode, lpszOutput))
        return nullptr;
    m_pPrinterDC = std::move(pDC);
    m_pd.hDC = m_pPrinterDC->GetSafeHdc();
    return m_pd.hDC;
}

LPDEVMODE CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode ? static_cast<LPDEVMODE>(GlobalLock(m_pd.hDevMode)) : nullptr;
}

CString CPrintDialog::GetDeviceName() const
{
    return DevName(m_pd.hDevNames, 1);
}

CString CPrintDialog::GetDriverName() const
{
    return DevName(m_pd.hDevNames, 0);
}

CString CPrintDialog::GetPortName() const
{
    return DevName(m_pd.hDevNames, 2);
}
