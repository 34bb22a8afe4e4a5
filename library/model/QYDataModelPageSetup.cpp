// The data model's page setup: printer blocks, paper sizes and the
// printable page rectangle.
#include "library/model/QYDataModel.h"

#include "framework/app/Printers.h"
#include "framework/gdi/CDC.h"
#include "framework/object/GlobalMemory.h"
#include "library/model/QYBackComponent.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"
#include "library/model/QYPaperSizes.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kUnitBits = PSD_INTHOUSANDTHSOFINCHES | PSD_INHUNDREDTHSOFMILLIMETERS;
constexpr long long kTwipsPerInch = 1440;

// The screen's pixels per inch, read once.
int g_nScreenDpiX = 0;
int g_nScreenDpiY = 0;

void ReadScreenDpi()
{
    if (g_nScreenDpiX != 0 && g_nScreenDpiY != 0)
        return;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    g_nScreenDpiX = dc.GetDeviceCaps(LOGPIXELSX);
    g_nScreenDpiY = dc.GetDeviceCaps(LOGPIXELSY);
}

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Units of the page-setup record per inch.
long long UnitsPerInch(DWORD dwUnit)
{
    return dwUnit == PSD_INTHOUSANDTHSOFINCHES ? 1000 : 2540;
}

} // namespace

CRect QYGetPrinterOffsets(DWORD dwUnit)
{
    CRect rectOffsets(0, 0, 0, 0);
    CPrinterInfoDC dc;
    if (!AfxCreatePrinterDC(dc))
        return rectOffsets;
    const int nLeft = dc.GetDeviceCaps(PHYSICALOFFSETX);
    const int nTop = dc.GetDeviceCaps(PHYSICALOFFSETY);
    POINT ptTopLeft = {nLeft, nTop};
    POINT ptBottomRight = {dc.GetDeviceCaps(PHYSICALWIDTH) - dc.GetDeviceCaps(HORZRES) - nLeft,
                           dc.GetDeviceCaps(PHYSICALHEIGHT) - dc.GetDeviceCaps(VERTRES) - nTop};
    if (dwUnit == PSD_INTHOUSANDTHSOFINCHES || dwUnit == PSD_INHUNDREDTHSOFMILLIMETERS) {
        dc.SetMapMode(dwUnit == PSD_INTHOUSANDTHSOFINCHES ? MM_HIENGLISH : MM_HIMETRIC);
        dc.DPtoLP(&ptTopLeft);
        dc.DPtoLP(&ptBottomRight);
    }
    rectOffsets.SetRect(std::abs(ptTopLeft.x), std::abs(ptTopLeft.y), std::abs(ptBottomRight.x),
                        std::abs(ptBottomRight.y));
    return rectOffsets;
}

HGLOBAL CQYDataModel::CopyGlobalBlock(HGLOBAL hBlock)
{
    if (hBlock == nullptr)
        return nullptr;
    const size_t nSize = GlobalSize(hBlock);
    const void* pSource = GlobalLock(hBlock);
    if (pSource == nullptr)
        return nullptr;
    HGLOBAL hCopy = GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hCopy != nullptr) {
        std::memcpy(GlobalLock(hCopy), pSource, nSize);
        GlobalUnlock(hCopy);
    }
    GlobalUnlock(hBlock);
    return hCopy;
}

void CQYDataModel::FreePrinterBlocks()
{
    if (m_psd.hDevMode != nullptr)
        GlobalFree(m_psd.hDevMode);
    if (m_psd.hDevNames != nullptr)
        GlobalFree(m_psd.hDevNames);
    m_psd.hDevMode = m_psd.hDevNames = nullptr;
}

void CQYDataModel::ResetPageSetup()
{
    FreePrinterBlocks();
    std::memset(&m_psd, 0, sizeof(m_psd));
    m_psd.lStructSize = sizeof(m_psd);
    m_psd.Flags = PSD_MARGINS;

    PRINTDLG pd{};
    if (AfxGetPrinterDeviceDefaults(&pd)) {
        m_psd.hDevNames = CopyGlobalBlock(pd.hDevNames);
        m_psd.hDevMode = CopyGlobalBlock(pd.hDevMode);
    }
    DWORD dwUnit = 0;
    POINT ptPaper = m_psd.ptPaperSize;
    ReadPaperSize(m_psd.hDevMode, dwUnit, ptPaper);
    m_psd.ptPaperSize = ptPaper;
    // Without a unit from the printer the record counts in hundredths of
    // a millimetre.
    if (dwUnit == 0)
        dwUnit = PSD_INHUNDREDTHSOFMILLIMETERS;
    m_psd.Flags = (m_psd.Flags & ~kUnitBits) | dwUnit | PSD_MINMARGINS | PSD_MARGINS;
}

BOOL CQYDataModel::ReadPaperSize(HGLOBAL hDevMode, DWORD& dwUnit, POINT& ptPaperSize)
{
    if (hDevMode == nullptr || GlobalSize(hDevMode) < sizeof(DEVMODE))
        return FALSE;
    const auto* pMode = static_cast<const DEVMODE*>(GlobalLock(hDevMode));
    if (pMode == nullptr)
        return FALSE;
    DEVMODE dm;
    std::memcpy(&dm, pMode, sizeof(dm));
    GlobalUnlock(hDevMode);

    if ((dm.dmFields & DM_PAPERLENGTH) && (dm.dmFields & DM_PAPERWIDTH)) {
        dwUnit = PSD_INHUNDREDTHSOFMILLIMETERS;
        ptPaperSize.x = dm.dmPaperWidth * 10;
        ptPaperSize.y = dm.dmPaperLength * 10;
        return TRUE;
    }
    if (!(dm.dmFields & DM_PAPERSIZE))
        return FALSE;
    QYPaperSize paper;
    if (QYGetPaperSize(dm.dmPaperSize, paper))
        dwUnit = paper.dwUnit;
    if (dm.dmOrientation == DMORIENT_PORTRAIT) {
        ptPaperSize = {paper.nWidth, paper.nHeight};
        return TRUE;
    }
    if (dm.dmOrientation == DMORIENT_LANDSCAPE) {
        ptPaperSize = {paper.nHeight, paper.nWidth};
        return TRUE;
    }
    return FALSE;
}

CRect CQYDataModel::GetPrintPageSize()
{
    const CRect rectDefault(0, 0, QY_DEFAULT_PAGE_WIDTH, QY_DEFAULT_PAGE_HEIGHT);
    // The record's sizes count in its own unit: thousandths of an inch for
    // the inch papers, hundredths of a millimetre otherwise.
    const DWORD dwUnit =
        (m_psd.Flags & PSD_INTHOUSANDTHSOFINCHES) ? PSD_INTHOUSANDTHSOFINCHES : PSD_INHUNDREDTHSOFMILLIMETERS;
    if (m_psd.ptPaperSize.x <= 0 || m_psd.ptPaperSize.y <= 0)
        return rectDefault;
    const CRect o = QYGetPrinterOffsets(dwUnit);
    const RECT& m = m_psd.rtMargin;
    long long w = static_cast<long long>(m_psd.ptPaperSize.x) - o.left - o.right - m.left - m.right;
    long long h = static_cast<long long>(m_psd.ptPaperSize.y) - o.top - o.bottom - m.top - m.bottom;
    if (w <= 0 || h <= 0)
        return rectDefault;
    ReadScreenDpi();
    const long long nUnits = UnitsPerInch(dwUnit);
    w = w * kTwipsPerInch / nUnits * g_nScreenDpiX / kTwipsPerInch;
    h = h * kTwipsPerInch / nUnits * g_nScreenDpiY / kTwipsPerInch;
    if (w <= 0 || h <= 0)
        return rectDefault;
    return CRect(0, 0, ClampToInt(w), ClampToInt(h));
}

void CQYDataModel::GetPageSetup(PAGESETUPDLG& psd)
{
    if (!CreatePrinterDC())
        SetModifiedFlag(TRUE);
    psd.hDevNames = CopyGlobalBlock(m_psd.hDevNames);
    psd.hDevMode = CopyGlobalBlock(m_psd.hDevMode);
    psd.Flags = m_psd.Flags;
    psd.ptPaperSize = m_psd.ptPaperSize;
    psd.rtMinMargin = m_psd.rtMinMargin;
    psd.rtMargin = m_psd.rtMargin;
    psd.lCustData = m_psd.lCustData;
}

void CQYDataModel::SetPageSetup(const PAGESETUPDLG& psd)
{
    m_psd.Flags = psd.Flags;
    m_psd.ptPaperSize = psd.ptPaperSize;
    m_psd.rtMinMargin = psd.rtMinMargin;
    m_psd.rtMargin = psd.rtMargin;
    m_psd.lCustData = psd.lCustData;
    HGLOBAL hDevNames = CopyGlobalBlock(psd.hDevNames);
    HGLOBAL hDevMode = CopyGlobalBlock(psd.hDevMode);
    FreePrinterBlocks();
    m_psd.hDevNames = hDevNames;
    m_psd.hDevMode = hDevMode;
}

BOOL CQYDataModel::CreatePrinterDC()
{
    if (m_psd.hDevNames == nullptr) {
        ResetPageSetup();
        return FALSE;
    }
    CString strDriver, strDevice, strOutput;
    if (!PlexoReadDevNames(m_psd.hDevNames, strDriver, strDevice, strOutput))
        return FALSE;
    {
        CPrinterInfoDC dc;
        if (dc.CreateIC(m_psd.hDevNames, m_psd.hDevMode))
            return TRUE;
    }
    PRINTDLG pd{};
    if (!AfxGetPrinterDeviceDefaults(&pd))
        return TRUE;
    if (pd.hDevNames == nullptr)
        return FALSE;

    HGLOBAL hDevNames = CopyGlobalBlock(pd.hDevNames);
    if (m_psd.hDevNames != nullptr)
        GlobalFree(m_psd.hDevNames);
    m_psd.hDevNames = hDevNames;
    if (!PlexoReadDevNames(m_psd.hDevNames, strDriver, strDevice, strOutput))
        return FALSE;
    HANDLE hPrinter = nullptr;
    if (!OpenPrinter(strDevice, &hPrinter, nullptr))
        return FALSE;
    const LONG nSize = DocumentProperties(nullptr, hPrinter, strDevice, nullptr, nullptr, 0);
    HGLOBAL hDevMode = nSize > 0 ? GlobalAlloc(GMEM_MOVEABLE, static_cast<size_t>(nSize)) : nullptr;
    if (hDevMode != nullptr) {
        auto* pFresh = static_cast<DEVMODE*>(GlobalLock(hDevMode));
        DocumentProperties(nullptr, hPrinter, strDevice, pFresh, nullptr, DM_OUT_BUFFER);
        // The page choice of the old printer carries over.
        if (m_psd.hDevMode != nullptr && GlobalSize(m_psd.hDevMode) >= sizeof(DEVMODE)) {
            if (const auto* pOld = static_cast<const DEVMODE*>(GlobalLock(m_psd.hDevMode))) {
                pFresh->dmOrientation = pOld->dmOrientation;
                pFresh->dmPaperSize = pOld->dmPaperSize;
                pFresh->dmPaperLength = pOld->dmPaperLength;
                pFresh->dmPaperWidth = pOld->dmPaperWidth;
                // Only what the old mode had set is marked set: a paper
                // length and width of 0 marked set would read as no paper.
                const DWORD dwPageFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH;
                pFresh->dmFields = (pFresh->dmFields & ~dwPageFields) | (pOld->dmFields & dwPageFields);
                GlobalUnlock(m_psd.hDevMode);
            }
        }
        GlobalUnlock(hDevMode);
        if (m_psd.hDevMode != nullptr)
            GlobalFree(m_psd.hDevMode);
        m_psd.hDevMode = hDevMode;
    }
    ClosePrinter(hPrinter);
    return FALSE;
}

void CQYDataModel::SelectAppPrinter()
{
    AfxSelectPrinter(CopyGlobalBlock(m_psd.hDevNames), CopyGlobalBlock(m_psd.hDevMode), TRUE);
}

void CQYDataModel::GetPrinterHandles(PRINTDLG& pd)
{
    pd.hDevMode = m_psd.hDevMode;
    pd.hDevNames = m_psd.hDevNames;
}

CRect CQYDataModel::GetPageMargins()
{
    return CRect(m_psd.rtMargin);
}

void CQYDataModel::DeleteBackComponent(BOOL bDelete)
{
    if (!bDelete)
        return;
    delete m_pBackComponent;
    m_pBackComponent = nullptr;
}

CRect CQYDataModel::GetPrintPageRect()
{
    return m_rcPrintPage;
}

void CQYDataModel::SetPrintPageRect(const CRect& rect)
{
    m_rcPrintPage = rect;
}

void CQYDataModel::RecalcPrintPage()
{
    m_rcPrintPage = GetPrintPageSize();
    if (!IsFormDesignMode())
        SetPagePosition(m_rcPrintPage);
}

CSize CQYDataModel::GetPageSize()
{
    return CSize(m_rcPage.Width(), m_rcPage.Height());
}

void CQYDataModel::SetPageSize(int cx, int cy)
{
    m_rcPage.right = ClampToInt(static_cast<long long>(m_rcPage.left) + cx);
    m_rcPage.bottom = ClampToInt(static_cast<long long>(m_rcPage.top) + cy);
}

CRect CQYDataModel::GetPagePosition()
{
    return m_rcPage;
}

void CQYDataModel::SetPagePosition(const CRect& rect)
{
    m_rcPage = rect;
}

void CQYDataModel::SetPagePositionAndCaption(const CRect& rect, LPCTSTR lpszCaption)
{
    SetPagePosition(rect);
    if (CQYFormProperties* pForm = GetDefaultProperty())
        pForm->SetObjectCaption(lpszCaption);
}
