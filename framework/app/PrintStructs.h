// The printer records that programs keep and hand around: the device mode
// (paper and orientation of one printer), the device names block (driver,
// device and output strings behind three offsets) and the page-setup and
// print dialog records that carry both as movable global memory blocks.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/WinTypes.h"
#include "framework/gdi/GdiStructs.h"
#include "framework/window/WinHandles.h"

#define CCHDEVICENAME 32
#define CCHFORMNAME 32

// dmFields bits.
#define DM_ORIENTATION 0x00000001L
#define DM_PAPERSIZE 0x00000002L
#define DM_PAPERLENGTH 0x00000004L
#define DM_PAPERWIDTH 0x00000008L
#define DM_COPIES 0x00000100L
#define DM_COLLATE 0x00008000L

#define DMCOLLATE_FALSE 0
#define DMCOLLATE_TRUE 1

#define DMORIENT_PORTRAIT 1
#define DMORIENT_LANDSCAPE 2

#define DMPAPER_LETTER 1
#define DMPAPER_LEGAL 5
#define DMPAPER_A3 8
#define DMPAPER_A4 9
#define DMPAPER_A5 11

// DocumentProperties modes.
#define DM_OUT_BUFFER 2
#define DM_IN_BUFFER 8

// One printer's settings.  Sizes are in tenths of a millimetre.
struct DEVMODE {
    char dmDeviceName[CCHDEVICENAME];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    short dmOrientation;
    short dmPaperSize;
    short dmPaperLength;
    short dmPaperWidth;
    short dmScale;
    short dmCopies;
    short dmDefaultSource;
    short dmPrintQuality;
    short dmColor;
    short dmDuplex;
    short dmYResolution;
    short dmTTOption;
    short dmCollate; // DMCOLLATE_TRUE: copies come out as whole sets
};
typedef DEVMODE *LPDEVMODE;

// Byte offsets, from the start of the block, of three NUL-terminated strings.
struct DEVNAMES {
    WORD wDriverOffset;
    WORD wDeviceOffset;
    WORD wOutputOffset;
    WORD wDefault;
};
typedef DEVNAMES *LPDEVNAMES;
#define DN_DEFAULTPRN 0x0001

// Page-setup flags.
#define PSD_DEFAULTMINMARGINS 0x00000000
#define PSD_MINMARGINS 0x00000001
#define PSD_MARGINS 0x00000002
#define PSD_INTHOUSANDTHSOFINCHES 0x00000004
#define PSD_INHUNDREDTHSOFMILLIMETERS 0x00000008
#define PSD_DISABLEMARGINS 0x00000010
#define PSD_DISABLEPRINTER 0x00000020
#define PSD_NOWARNING 0x00000080
#define PSD_DISABLEORIENTATION 0x00000100
#define PSD_RETURNDEFAULT 0x00000400
#define PSD_DISABLEPAPER 0x00000200

// The page-setup record: paper size and margins in the unit its flags name.
struct PAGESETUPDLG {
    DWORD lStructSize;
    HWND hwndOwner;
    HGLOBAL hDevMode;
    HGLOBAL hDevNames;
    DWORD Flags;
    POINT ptPaperSize;
    RECT rtMinMargin;
    RECT rtMargin;
    HINSTANCE hInstance;
    LPARAM lCustData;
};
typedef PAGESETUPDLG *LPPAGESETUPDLG;

// Print dialog flags.
#define PD_ALLPAGES 0x00000000
#define PD_SELECTION 0x00000001
#define PD_PAGENUMS 0x00000002
#define PD_NOSELECTION 0x00000004
#define PD_RETURNDC 0x00000100
#define PD_RETURNDEFAULT 0x00000400

struct PRINTDLG {
    DWORD lStructSize;
    HWND hwndOwner;
    HGLOBAL hDevMode;
    HGLOBAL hDevNames;
    HDC hDC;
    DWORD Flags;
    WORD nFromPage;
    WORD nToPage;
    WORD nMinPage;
    WORD nMaxPage;
    WORD nCopies;
};
typedef PRINTDLG *LPPRINTDLG;
