#include "framework/app/Printers.h"

#include "framework/object/GlobalMemory.h"

#include "framework/gdi/DeviceContext.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

// Resolution of the built-in PDF printer.
constexpr int kPdfPrinterResolution = 600;

struct PaperCode {
    short nCode;
    QPageSize::PageSizeId id;
};

// Paper codes of the device mode and the page sizes they stand for.
constexpr PaperCode kPaperCodes[] = {
    {1, QPageSize::Letter},    {5, QPageSize::Legal}, {3, QPageSize::Tabloid}, {4, QPageSize::Ledger},
    {7, QPageSize::Executive}, {8, QPageSize::A3},    {9, QPageSize::A4},      {11, QPageSize::A5},
    {12, QPageSize::B4},       {13, QPageSize::B5},   {14, QPageSize::Folio},  {20, QPageSize::Comm10E},
    {27, QPageSize::DLE},      {28, QPageSize::C5E},
};

short PaperCodeFromPageSize(const QPageSize &size)
{
    for (const PaperCode &code : kPaperCodes) {
        if (code.id == size.id())
            return code.nCode;
    }
    return 0;
}

// The sheet of each paper code of the device mode, portrait, in
// thousandths of an inch or hundredths of a millimetre.  Some sheets are
// wider than tall (Ledger, Envelope B6, US Std Fanfold).
struct PaperSheet {
    int nWidth;
    int nHeight;
    bool bInch;
};

constexpr PaperSheet kPaperSheets[] = {
    {8500, 11000, true},   {8500, 11000, true},   {11000, 17000, true},  {17000, 11000, true},  // 1-4
    {8500, 14000, true},   {5500, 8500, true},    {7250, 10500, true},   {29700, 42000, false}, // 5-8
    {21000, 29700, false}, {21000, 29700, false}, {14800, 21000, false}, {25000, 35400, false}, // 9-12
    {18200, 25700, false}, {8500, 13000, true},   {21500, 27500, false}, {10000, 14000, true},  // 13-16
    {11000, 17000, true},  {8500, 11000, true},   {3875, 8875, true},    {4125, 9500, true},    // 17-20
    {4500, 10375, true},   {4750, 11000, true},   {5000, 11500, true},   {17000, 22000, true},  // 21-24
    {22000, 34000, true},  {34000, 44000, true},  {11000, 22000, false}, {16200, 22900, false}, // 25-28
    {32400, 45800, false}, {22900, 32400, false}, {11400, 16200, false}, {11400, 22900, false}, // 29-32
    {25000, 35300, false}, {17600, 25000, false}, {17600, 12500, false}, {11000, 23000, false}, // 33-36
    {3875, 7500, true},    {3625, 6500, true},    {14875, 10000, true},  {8500, 12000, true},   // 37-40
    {8500, 13000, true},                                                                        // 41
};

QPageSize PageSizeFromDevMode(const DEVMODE &dm, const QPageSize &fallback)
{
    if ((dm.dmFields & DM_PAPERWIDTH) && (dm.dmFields & DM_PAPERLENGTH) && dm.dmPaperWidth > 0 && dm.dmPaperLength > 0)
        return QPageSize(QSizeF(dm.dmPaperWidth / 10.0, dm.dmPaperLength / 10.0), QPageSize::Millimeter);
    constexpr int nSheets = static_cast<int>(sizeof(kPaperSheets) / sizeof(kPaperSheets[0]));
    if ((dm.dmFields & DM_PAPERSIZE) && dm.dmPaperSize >= 1 && dm.dmPaperSize <= nSheets) {
        // The exact sheet: the print support's own page of the same name
        // may differ in size (Folio, B4, the fanfolds, the C to E sheets).
        const PaperSheet &sheet = kPaperSheets[dm.dmPaperSize - 1];
        return sheet.bInch ? QPageSize(QSizeF(sheet.nWidth / 1000.0, sheet.nHeight / 1000.0), QPageSize::Inch,
                                       QString(), QPageSize::ExactMatch)
                           : QPageSize(QSizeF(sheet.nWidth / 100.0, sheet.nHeight / 100.0), QPageSize::Millimeter,
                                       QString(), QPageSize::ExactMatch);
    }
    return fallback;
}

BOOL IsPdfPrinter(const CString &strDevice)
{
    return strDevice == PLEXO_PDF_PRINTER_NAME;
}

BOOL HasSystemPrinters()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

// The name of the system's default printer, the PDF printer when the
// system has none.
CString DefaultPrinterName()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return CString(info.printerName().toUtf8().constData());
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (!names.isEmpty())
        return CString(names.first().toUtf8().constData());
    return CString(PLEXO_PDF_PRINTER_NAME);
}

// The defaults of a printer: its default paper, portrait.
void FillDefaultDevMode(const CString &strDevice, DEVMODE &dm)
{
    std::memset(&dm, 0, sizeof(dm));
    std::strncpy(dm.dmDeviceName, strDevice, CCHDEVICENAME - 1);
    dm.dmSize = sizeof(DEVMODE);
    dm.dmSpecVersion = 0x0401;
    dm.dmOrientation = DMORIENT_PORTRAIT;
    dm.dmCopies = 1;
    dm.dmScale = 100;
    dm.dmCollate = DMCOLLATE_TRUE;
    dm.dmFields = DM_ORIENTATION | DM_COPIES | DM_COLLATE;
    QPageSize size(QPageSize::A4);
    if (!IsPdfPrinter(strDevice)) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromUtf8(static_cast<LPCTSTR>(strDevice)));
        if (!info.isNull() && info.defaultPageSize().isValid())
            size = info.defaultPageSize();
    }
    const short nCode = PaperCodeFromPageSize(size);
    if (nCode != 0) {
        dm.dmPaperSize = nCode;
        dm.dmFields |= DM_PAPERSIZE;
    } else {
        const QSizeF mm = size.size(QPageSize::Millimeter);
        dm.dmPaperWidth = static_cast<short>(mm.width() * 10.0 + 0.5);
        dm.dmPaperLength = static_cast<short>(mm.height() * 10.0 + 0.5);
        dm.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
    }
}

HGLOBAL NewBlock(const void *pData, size_t nSize)
{
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hBlock == nullptr)
        return nullptr;
    void *p = GlobalLock(hBlock);
    std::memcpy(p, pData, nSize);
    GlobalUnlock(hBlock);
    return hBlock;
}

// A copy of a device mode block, or FALSE when it is missing or too small.
BOOL ReadDevMode(HGLOBAL hDevMode, DEVMODE &dm)
{
    if (hDevMode == nullptr || GlobalSize(hDevMode) < sizeof(DEVMODE))
        return FALSE;
    const void *p = GlobalLock(hDevMode);
    if (p == nullptr)
        return FALSE;
    std::memcpy(&dm, p, sizeof(DEVMODE));
    GlobalUnlock(hDevMode);
    return TRUE;
}

struct PrinterHandle {
    CString strName;
};

// The application's current printer.
struct AppPrinter {
    HGLOBAL hDevNames = nullptr;
    HGLOBAL hDevMode = nullptr;
    BOOL bInitialised = FALSE;

    ~AppPrinter() { Free(); }
    void Free()
    {
        if (hDevNames != nullptr)
            GlobalFree(hDevNames);
        if (hDevMode != nullptr)
            GlobalFree(hDevMode);
        hDevNames = hDevMode = nullptr;
    }
    void EnsureDefaults()
    {
        if (bInitialised)
            return;
        bInitialised = TRUE;
        if (hDevNames == nullptr)
            PlexoGetDefaultPrinter(&hDevNames, &hDevMode);
    }
};

AppPrinter &TheAppPrinter()
{
    static AppPrinter printer;
    return printer;
}

} // namespace

HGLOBAL PlexoCreateDevNames(LPCTSTR lpszDriver, LPCTSTR lpszDevice, LPCTSTR lpszOutput, BOOL bDefault)
{
    const std::string driver = lpszDriver ? lpszDriver : "";
    const std::string device = lpszDevice ? lpszDevice : "";
    const std::string output = lpszOutput ? lpszOutput : "";
    const size_t nSize = sizeof(DEVNAMES) + driver.size() + device.size() + output.size() + 3;
    if (nSize > 0xFFFF)
        return nullptr;
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
    if (hBlock == nullptr)
        return nullptr;
    auto *pBytes = static_cast<char *>(GlobalLock(hBlock));
    auto *pNames = reinterpret_cast<DEVNAMES *>(pBytes);
    size_t nOffset = sizeof(DEVNAMES);
    auto put = [&](const std::string &text, WORD &wOffset) {
        wOffset = static_cast<WORD>(nOffset);
        std::memcpy(pBytes + nOffset, text.c_str(), text.size() + 1);
        nOffset += text.size() + 1;
    };
    put(driver, pNames->wDriverOffset);
    put(device, pNames->wDeviceOffset);
    put(output, pNames->wOutputOffset);
    pNames->wDefault = bDefault ? DN_DEFAULTPRN : 0;
    GlobalUnlock(hBlock);
    return hBlock;
}

BOOL PlexoReadDevNames(HGLOBAL hDevNames, CString &strDriver, CString &strDevice, CString &strOutput)
{
    if (hDevNames == nullptr)
        return FALSE;
    const size_t nSize = GlobalSize(hDevNames);
    const auto *pBytes = static_cast<const char *>(GlobalLock(hDevNames));
    if (pBytes == nullptr)
        return FALSE;
    BOOL bOk = nSize >= sizeof(DEVNAMES);
    DEVNAMES names{};
    if (bOk)
        std::memcpy(&names, pBytes, sizeof(names));
    // Each string must start inside the block and end before its end.
    auto read = [&](WORD wOffset, CString &str) {
        if (!bOk || wOffset < sizeof(DEVNAMES) || wOffset >= nSize) {
            bOk = FALSE;
            return;
        }
        const void *pEnd = std::memchr(pBytes + wOffset, '\0', nSize - wOffset);
        if (pEnd == nullptr) {
            bOk = FALSE;
            return;
        }
        str = CString(pBytes + wOffset);
    };
    read(names.wDriverOffset, strDriver);
    read(names.wDeviceOffset, strDevice);
    read(names.wOutputOffset, strOutput);
    GlobalUnlock(hDevNames);
    return bOk;
}

BOOL PlexoIsPrinterAvailable(LPCTSTR lpszDevice)
{
    if (lpszDevice == nullptr || *lpszDevice == '\0')
        return FALSE;
    const CString strDevice(lpszDevice);
    if (IsPdfPrinter(strDevice))
        return !HasSystemPrinters();
    return QPrinterInfo::availablePrinterNames().contains(QString::fromUtf8(lpszDevice));
}

BOOL PlexoGetDefaultPrinter(HGLOBAL *phDevNames, HGLOBAL *phDevMode)
{
    *phDevNames = *phDevMode = nullptr;
    const CString strDevice = DefaultPrinterName();
    const CString strDriver = IsPdfPrinter(strDevice) ? CString(PLEXO_PDF_PRINTER_NAME) : CString("CUPS");
    DEVMODE dm;
    FillDefaultDevMode(strDevice, dm);
    HGLOBAL hNames = PlexoCreateDevNames(strDriver, strDevice, "", TRUE);
    HGLOBAL hMode = NewBlock(&dm, sizeof(dm));
    if (hNames == nullptr || hMode == nullptr) {
        if (hNames)
            GlobalFree(hNames);
        if (hMode)
            GlobalFree(hMode);
        return FALSE;
    }
    *phDevNames = hNames;
    *phDevMode = hMode;
    return TRUE;
}

// ---------------------------------------------------------------------------
// Printer handles

BOOL OpenPrinter(LPCTSTR pPrinterName, HANDLE *phPrinter, void *)
{
    if (phPrinter == nullptr)
        return FALSE;
    *phPrinter = nullptr;
    if (!PlexoIsPrinterAvailable(pPrinterName))
        return FALSE;
    *phPrinter = new PrinterHandle{CString(pPrinterName)};
    return TRUE;
}

BOOL ClosePrinter(HANDLE hPrinter)
{
    if (hPrinter == nullptr)
        return FALSE;
    delete static_cast<PrinterHandle *>(hPrinter);
    return TRUE;
}

LONG DocumentProperties(HWND, HANDLE hPrinter, LPCTSTR, DEVMODE *pDevModeOutput, const DEVMODE *pDevModeInput,
                        DWORD fMode)
{
    if (hPrinter == nullptr)
        return -1;
    if (fMode == 0)
        return sizeof(DEVMODE);
    if ((fMode & DM_OUT_BUFFER) && pDevModeOutput != nullptr) {
        DEVMODE dm;
        FillDefaultDevMode(static_cast<PrinterHandle *>(hPrinter)->strName, dm);
        if ((fMode & DM_IN_BUFFER) && pDevModeInput != nullptr) {
            const DWORD fields = pDevModeInput->dmFields;
            if (fields & DM_ORIENTATION)
                dm.dmOrientation = pDevModeInput->dmOrientation;
            if (fields & DM_PAPERSIZE)
                dm.dmPaperSize = pDevModeInput->dmPaperSize;
            if (fields & DM_PAPERLENGTH)
                dm.dmPaperLength = pDevModeInput->dmPaperLength;
            if (fields & DM_PAPERWIDTH)
                dm.dmPaperWidth = pDevModeInput->dmPaperWidth;
            dm.dmFields |= fields & (DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH);
        }
        *pDevModeOutput = dm;
    }
    return 1;
}

// ---------------------------------------------------------------------------
// Information contexts

struct CPrinterInfoDC::Device {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> pWriter;
};

CPrinterInfoDC::CPrinterInfoDC() = default;

CPrinterInfoDC::~CPrinterInfoDC()
{
    DeleteDC();
}

BOOL CPrinterInfoDC::DeleteDC()
{
    // The context goes first: it paints on the device.
    const BOOL bResult = CDC::DeleteDC();
    m_pDevice.reset();
    return bResult;
}

BOOL CPrinterInfoDC::CreateIC(LPCTSTR, LPCTSTR lpszDevice, LPCTSTR, const DEVMODE *pDevMode)
{
    DeleteDC();
    if (!PlexoIsPrinterAvailable(lpszDevice))
        return FALSE;
    const CString strDevice(lpszDevice);
    QPageSize size(QPageSize::A4);
    QMarginsF margins(0, 0, 0, 0);
    int nResolution = kPdfPrinterResolution;
    if (!IsPdfPrinter(strDevice)) {
        QPrinter printer(QPrinterInfo::printerInfo(QString::fromUtf8(lpszDevice)), QPrinter::HighResolution);
        size = printer.pageLayout().pageSize();
        margins = printer.pageLayout().margins(QPageLayout::Millimeter);
        nResolution = printer.resolution() > 0 ? printer.resolution() : kPdfPrinterResolution;
    }
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    if (pDevMode != nullptr) {
        size = PageSizeFromDevMode(*pDevMode, size);
        if ((pDevMode->dmFields & DM_ORIENTATION) && pDevMode->dmOrientation == DMORIENT_LANDSCAPE)
            orientation = QPageLayout::Landscape;
    }
    auto pDevice = std::make_unique<Device>();
    if (!pDevice->buffer.open(QIODevice::WriteOnly))
        return FALSE;
    pDevice->pWriter = std::make_unique<QPdfWriter>(&pDevice->buffer);
    pDevice->pWriter->setResolution(nResolution);
    pDevice->pWriter->setPageLayout(QPageLayout(size, orientation, margins, QPageLayout::Millimeter));
    m_pDevice = std::move(pDevice);
    if (!CreatePaintDeviceDC(m_pDevice->pWriter.get(), TRUE)) {
        m_pDevice.reset();
        return FALSE;
    }
    return TRUE;
}

BOOL CPrinterInfoDC::CreateIC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    CString strDriver, strDevice, strOutput;
    if (!PlexoReadDevNames(hDevNames, strDriver, strDevice, strOutput))
        return FALSE;
    DEVMODE dm;
    const BOOL bMode = ReadDevMode(hDevMode, dm);
    return CreateIC(strDriver, strDevice, strOutput, bMode ? &dm : nullptr);
}

// ---------------------------------------------------------------------------
// Printing contexts

// A job that prints into a file writes a stand-in next to it and moves it
// into place only when the job ends complete: a cancelled or failed job
// leaves an existing file of that name as it was.
struct CPrinterDC::Device {
    std::unique_ptr<QPrinter> pPrinter;
    QString strTarget;
    QString strStandIn;

    void JobEnded(bool bCompleted)
    {
        if (strStandIn.isEmpty())
            return;
        if (bCompleted) {
            std::error_code error;
            std::filesystem::rename(strStandIn.toStdString(), strTarget.toStdString(), error);
            if (error)
                QFile::remove(strStandIn);
        } else {
            QFile::remove(strStandIn);
        }
        strStandIn.clear();
    }
};

namespace {

// A new, empty file in the target's folder whose name no one else uses;
// empty when the folder cannot be written.
QString ReserveStandIn(const QString &strTarget)
{
    const QFileInfo target(strTarget);
    // The stand-in keeps the target's suffix: the print support picks the
    // output format by it.
    const QString strSuffix = target.suffix().isEmpty() ? QString() : QStringLiteral(".") + target.suffix();
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.completeBaseName() +
                        QStringLiteral(".XXXXXX") + strSuffix);
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    return file.fileName();
}

} // namespace

CPrinterDC::CPrinterDC() = default;

CPrinterDC::~CPrinterDC()
{
    DeleteDC();
}

BOOL CPrinterDC::DeleteDC()
{
    // A job that never ended is abandoned: nothing reaches the printer or
    // the output file.
    if (m_pDevice && m_hDC != nullptr && m_hDC->painter && m_hDC->painter->isActive())
        AbortDoc();
    if (m_pDevice)
        m_pDevice->JobEnded(false);
    const BOOL bResult = CDC::DeleteDC();
    m_pDevice.reset();
    return bResult;
}

BOOL CPrinterDC::CreatePrinterDC(HGLOBAL hDevNames, HGLOBAL hDevMode, LPCTSTR lpszOutput)
{
    DeleteDC();
    CString strDriver, strDevice, strOutput;
    if (!PlexoReadDevNames(hDevNames, strDriver, strDevice, strOutput) || !PlexoIsPrinterAvailable(strDevice))
        return FALSE;
    const CString strFile = (lpszOutput != nullptr && *lpszOutput != '\0') ? CString(lpszOutput) : strOutput;
    auto pDevice = std::make_unique<Device>();
    if (IsPdfPrinter(strDevice)) {
        if (strFile.IsEmpty())
            return FALSE;
        pDevice->pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pDevice->pPrinter->setOutputFormat(QPrinter::PdfFormat);
        pDevice->pPrinter->setResolution(kPdfPrinterResolution);
    } else {
        pDevice->pPrinter = std::make_unique<QPrinter>(
            QPrinterInfo::printerInfo(QString::fromUtf8(static_cast<LPCTSTR>(strDevice))), QPrinter::HighResolution);
    }
    QPrinter &printer = *pDevice->pPrinter;
    if (!strFile.IsEmpty()) {
        pDevice->strTarget = QString::fromUtf8(static_cast<LPCTSTR>(strFile));
        pDevice->strStandIn = ReserveStandIn(pDevice->strTarget);
        if (pDevice->strStandIn.isEmpty())
            return FALSE;
        printer.setOutputFileName(pDevice->strStandIn);
    }
    DEVMODE dm;
    if (ReadDevMode(hDevMode, dm)) {
        printer.setPageSize(PageSizeFromDevMode(dm, printer.pageLayout().pageSize()));
        if (dm.dmFields & DM_ORIENTATION)
            printer.setPageOrientation(dm.dmOrientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape
                                                                              : QPageLayout::Portrait);
    }
    if (IsPdfPrinter(strDevice))
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    m_pDevice = std::move(pDevice);
    if (!CreatePaintDeviceDC(m_pDevice->pPrinter.get(), TRUE)) {
        m_pDevice->JobEnded(false);
        m_pDevice.reset();
        return FALSE;
    }
    Device *pJob = m_pDevice.get();
    m_hDC->docEnded = [pJob](bool bCompleted) { pJob->JobEnded(bCompleted); };
    return TRUE;
}

// ---------------------------------------------------------------------------
// The application's printer

BOOL AfxGetPrinterDeviceDefaults(PRINTDLG *pd)
{
    AppPrinter &printer = TheAppPrinter();
    printer.EnsureDefaults();
    if (pd == nullptr || printer.hDevNames == nullptr)
        return FALSE;
    pd->hDevNames = printer.hDevNames;
    pd->hDevMode = printer.hDevMode;
    return TRUE;
}

void AfxSelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld)
{
    AppPrinter &printer = TheAppPrinter();
    printer.bInitialised = TRUE;
    if (bFreeOld) {
        if (printer.hDevNames != nullptr && printer.hDevNames != hDevNames)
            GlobalFree(printer.hDevNames);
        if (printer.hDevMode != nullptr && printer.hDevMode != hDevMode)
            GlobalFree(printer.hDevMode);
    }
    printer.hDevNames = hDevNames;
    printer.hDevMode = hDevMode;
}

BOOL AfxCreatePrinterDC(CPrinterInfoDC &dc)
{
    PRINTDLG pd{};
    if (!AfxGetPrinterDeviceDefaults(&pd))
        return FALSE;
    return dc.CreateIC(pd.hDevNames, pd.hDevMode);
}
