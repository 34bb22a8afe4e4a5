// Printers on Qt's printer classes.  The printers of the system are the
// ones Qt's print support reports; when it reports none (no print service),
// one built-in PDF printer stands in, so that programs can always set up
// pages and print into a file.
//
// A printer is named by a device names block (driver, device and output
// strings) and configured by a device mode block, both movable global
// memory blocks as the dialog records carry them.
#pragma once

#include "framework/app/PrintStructs.h"
#include "framework/base/CString.h"
#include "framework/gdi/CDC.h"

#include <memory>

// The device and driver name of the built-in PDF printer.
#define PLEXO_PDF_PRINTER_NAME "PDF"

// A new device names block for the three strings, or NULL.
HGLOBAL PlexoCreateDevNames(LPCTSTR lpszDriver, LPCTSTR lpszDevice, LPCTSTR lpszOutput, BOOL bDefault);
// The strings of a device names block; FALSE when the block is missing,
// cannot be locked or its offsets point outside it.
BOOL PlexoReadDevNames(HGLOBAL hDevNames, CString &strDriver, CString &strDevice, CString &strOutput);
// TRUE when a printer of that name can be printed to.
BOOL PlexoIsPrinterAvailable(LPCTSTR lpszDevice);

// The system's default printer as new blocks owned by the caller; FALSE
// (both NULL) only when memory is short.
BOOL PlexoGetDefaultPrinter(HGLOBAL *phDevNames, HGLOBAL *phDevMode);

// Printer handles for reading a printer's own settings.
BOOL OpenPrinter(LPCTSTR pPrinterName, HANDLE *phPrinter, void *pDefault);
BOOL ClosePrinter(HANDLE hPrinter);
// fMode 0: the size of the printer's device mode.  DM_OUT_BUFFER: the
// printer's defaults written to pDevModeOutput (merged with pDevModeInput's
// set fields under DM_IN_BUFFER); the size, or -1 for a bad handle.
LONG DocumentProperties(HWND hWnd, HANDLE hPrinter, LPCTSTR pDeviceName, DEVMODE *pDevModeOutput,
                        const DEVMODE *pDevModeInput, DWORD fMode);

// An information context of a printer: device capabilities (resolution,
// page size, printable area and offsets) as the printer reports them, and
// drawing that goes nowhere.  It never starts a print job.
class CPrinterInfoDC : public CDC {
public:
    CPrinterInfoDC();
    ~CPrinterInfoDC() override;

    // FALSE when the device is no available printer or the context cannot
    // be made.  pDevMode (optional) gives paper and orientation.
    BOOL CreateIC(LPCTSTR lpszDriver, LPCTSTR lpszDevice, LPCTSTR lpszOutput, const DEVMODE *pDevMode);
    // The same from the two blocks.
    BOOL CreateIC(HGLOBAL hDevNames, HGLOBAL hDevMode);
    BOOL DeleteDC();

private:
    struct Device;
    std::unique_ptr<Device> m_pDevice;
};

// A printing context: pages drawn between StartDoc and EndDoc go to the
// printer, or, for the PDF printer, into the output file.
class CPrinterDC : public CDC {
public:
    CPrinterDC();
    ~CPrinterDC() override;

    // FALSE when the device is no available printer, the PDF printer has
    // no output file, or the context cannot be made.  lpszOutput (optional
    // for real printers) names a file to print into.
    BOOL CreatePrinterDC(HGLOBAL hDevNames, HGLOBAL hDevMode, LPCTSTR lpszOutput = nullptr);
    // Ends an unfinished job (aborting it), then frees the context.
    BOOL DeleteDC();

private:
    struct Device;
    std::unique_ptr<Device> m_pDevice;
};

// The application's current printer: set up from the system's default on
// first use, replaced by SelectPrinter.  The blocks belong to the
// application.
// Fills pd's hDevNames and hDevMode with the application's blocks (not
// copies); FALSE when there is no printer.
BOOL AfxGetPrinterDeviceDefaults(PRINTDLG *pd);
// The application takes the blocks; with bFreeOld its previous ones are
// freed.
void AfxSelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);
// An information context of the application's current printer.
BOOL AfxCreatePrinterDC(CPrinterInfoDC &dc);
