// The print loop of views: the print dialog (or the current printer when
// printing directly), then the job: OnBeginPrinting, per page OnPrepareDC
// and OnPrint between StartPage and EndPage, OnEndPrinting, with the
// "Printing" window whose Cancel button ends the job after the page being
// printed. The job prints the copies the printer settings ask for, as whole
// sets or page by page. A job that is cancelled or fails is aborted: nothing
// of it is left in the output file.
#include "framework/app/Document.h"
#include "framework/app/FilePrompt.h"
#include "framework/app/FrameWnd.h"
#include "framework/app/MessageBoxes.h"
#include "framework/appui/PrintInfo.h"
#include "framework/appui/PrintStatusDlg.h"
#include "framework/app/Printers.h"
#include "framework/app/View.h"
#include "framework/app/WinApp.h"
#include "framework/controls/PrintDialogs.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/object/GlobalMemory.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The printer's own defaults as a new device mode block, or NULL.
HGLOBAL NewDefaultDevMode(HGLOBAL hDevNames)
{
    CString strDriver, strDevice, strOutput;
    HANDLE hPrinter = nullptr;
    if (!PlexoReadDevNames(hDevNames, strDriver, strDevice, strOutput) || !OpenPrinter(strDevice, &hPrinter, nullptr))
        return nullptr;
    HGLOBAL hDevMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODE));
    auto *pDevMode = hDevMode != nullptr ? static_cast<DEVMODE *>(GlobalLock(hDevMode)) : nullptr;
    const bool bFilled =
        pDevMode != nullptr && DocumentProperties(nullptr, hPrinter, strDevice, pDevMode, nullptr, DM_OUT_BUFFER) > 0;
    if (pDevMode != nullptr)
        GlobalUnlock(hDevMode);
    ClosePrinter(hPrinter);
    if (!bFilled && hDevMode != nullptr) {
        GlobalFree(hDevMode);
        return nullptr;
    }
    return hDevMode;
}

// The application's printer blocks go into a record that has none; TRUE
// when the record holds a printer afterwards. An application printer
// chosen without a device mode gets its printer's defaults, so that the
// dialog never makes blocks no one owns.
BOOL FillWithApplicationPrinter(PRINTDLG &pd)
{
    if (pd.hDevNames != nullptr)
        return TRUE;
    PRINTDLG app{};
    if (!AfxGetPrinterDeviceDefaults(&app))
        return FALSE;
    if (app.hDevMode == nullptr) {
        app.hDevMode = NewDefaultDevMode(app.hDevNames);
        if (app.hDevMode != nullptr)
            AfxSelectPrinter(app.hDevNames, app.hDevMode, FALSE);
    }
    pd.hDevNames = app.hDevNames;
    pd.hDevMode = app.hDevMode;
    return TRUE;
}

// Printing without a dialog: the current printer; the built-in PDF printer
// without an output file asks for one.
BOOL CreateDirectPrinterDC(CPrintDialog &dialog)
{
    CString strOutput = dialog.GetPortName();
    if (dialog.GetDeviceName() == PLEXO_PDF_PRINTER_NAME && strOutput.IsEmpty()) {
        if (!PlexoPromptForFileName(strOutput, FALSE, "Print to File", "PDF Files (*.pdf)|*.pdf||", ".pdf"))
            return FALSE;
    }
    return dialog.CreatePrinterDC(strOutput.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strOutput)) != nullptr;
}

// A range whose first page comes after its last prints nothing: the user
// is told instead of getting an empty job.
BOOL IsPageRangeOrdered(const PRINTDLG &pd)
{
    if (!(pd.Flags & PD_PAGENUMS) || pd.nFromPage <= pd.nToPage)
        return TRUE;
    AfxMessageBox("Nothing was printed: the first page of the range comes after its last page.",
                  MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

// The command the current message carries, 0 when it is no command.
UINT CurrentCommand()
{
    const MSG *pMsg = CWnd::GetCurrentMessage();
    return (pMsg != nullptr && pMsg->message == WM_COMMAND) ? LOWORD(pMsg->wParam) : 0;
}

// The pages a job prints: the chosen range within the document's pages.
// Empty (first > last) when the document has no pages or the range lies
// outside them.
struct PageSpan {
    UINT nFirst;
    UINT nLast;
    bool IsEmpty() const { return nFirst > nLast; }
};

PageSpan PagesToPrint(const CPrintInfo &info)
{
    const UINT nMin = std::max(info.GetMinPage(), 1u);
    const UINT nMax = info.GetMaxPage();
    if (nMax == 0 || nMin > nMax)
        return {1, 0};
    return {std::max(info.GetFromPage(), nMin), std::min(info.GetToPage(), nMax)};
}

// How many times the pages come out, and whether as whole sets (1 2 3 1 2 3)
// or each page repeated (1 1 2 2 3 3). The job prints the copies itself, so
// every printer and the PDF file get them alike.
struct Copies {
    int nCount = 1;
    bool bCollate = true;
};

// The largest copy count a job accepts, as the print dialog offers.
constexpr int kMaxCopies = 9999;

// The copies the printer's settings ask for (a direct print has no dialog
// but the settings of the last one), else those of the print record.
Copies CopiesToPrint(const PRINTDLG &pd)
{
    Copies copies;
    copies.nCount = pd.nCopies;
    copies.bCollate = (pd.Flags & PD_COLLATE) != 0;
    if (pd.hDevMode != nullptr && GlobalSize(pd.hDevMode) >= sizeof(DEVMODE)) {
        if (const auto *pDevMode = static_cast<const DEVMODE *>(GlobalLock(pd.hDevMode))) {
            if (pDevMode->dmFields & DM_COPIES)
                copies.nCount = pDevMode->dmCopies;
            if (pDevMode->dmFields & DM_COLLATE)
                copies.bCollate = pDevMode->dmCollate == DMCOLLATE_TRUE;
            GlobalUnlock(pd.hDevMode);
        }
    }
    copies.nCount = std::clamp(copies.nCount, 1, kMaxCopies);
    return copies;
}

// One print job of a view on a printing context.
class PrintJob {
public:
    PrintJob(CView *pView, CPrintInfo &info, CDC *pDC, Copies copies)
        : m_pView(pView), m_info(info), m_pDC(pDC), m_copies(copies)
    {
    }

    void Run()
    {
        m_pView->OnBeginPrinting(m_pDC, &m_info);
        const PageSpan pages = PagesToPrint(m_info);
        // Nothing to print: no job is started, no file is written.
        if (!pages.IsEmpty()) {
            EnterModalState();
            const bool bPrinted = PrintPages(pages);
            LeaveModalState();
            if (!bPrinted && !m_bCancelled)
                AfxMessageBox("The document could not be printed.", MB_OK | MB_ICONEXCLAMATION);
        }
        m_pView->OnEndPrinting(m_pDC, &m_info);
    }

private:
    bool PrintPages(const PageSpan &pages)
    {
        if (m_pDC->StartDoc(DocumentName()) <= 0)
            return false;
        // Whole sets run the range once per copy; otherwise each page is
        // printed as many times as there are copies, in one run.
        const int nSets = m_copies.bCollate ? m_copies.nCount : 1;
        const int nRepeats = m_copies.bCollate ? 1 : m_copies.nCount;
        bool bFailed = false;
        for (int nSet = 0; nSet < nSets && !bFailed && !m_bCancelled; ++nSet)
            bFailed = !PrintRange(pages, nRepeats);
        if (bFailed || m_bCancelled) {
            m_pDC->AbortDoc();
            return false;
        }
        return m_pDC->EndDoc() > 0;
    }

    // The pages of the range, each nRepeats times; false when a page failed.
    bool PrintRange(const PageSpan &pages, int nRepeats)
    {
        const bool bLengthKnown = m_info.GetMaxPage() != PLEXO_PRINT_PAGE_UNKNOWN;
        for (UINT nPage = pages.nFirst; nPage <= pages.nLast && !m_bCancelled; ++nPage) {
            for (int nRepeat = 0; nRepeat < nRepeats && !m_bCancelled; ++nRepeat) {
                m_info.m_nCurPage = nPage;
                // A document of unknown length prints one page unless its
                // view asks for more.
                m_info.m_bContinuePrinting = bLengthKnown || nPage == pages.nFirst;
                m_pView->OnPrepareDC(m_pDC, &m_info);
                if (!m_info.m_bContinuePrinting)
                    return true;
                m_status.ShowPage(nPage);
                if (!PrintPage())
                    return false;
                PumpMessages();
                m_bCancelled = m_bCancelled || m_status.IsCancelled();
            }
        }
        return true;
    }

    bool PrintPage()
    {
        m_info.m_rectDraw.SetRect(0, 0, m_pDC->GetDeviceCaps(HORZRES), m_pDC->GetDeviceCaps(VERTRES));
        m_pDC->DPtoLP(&m_info.m_rectDraw);
        if (m_pDC->StartPage() <= 0)
            return false;
        m_pView->OnPrint(m_pDC, &m_info);
        return m_pDC->EndPage() > 0;
    }

    CString DocumentName() const
    {
        CDocument *pDoc = m_pView->GetDocument();
        return pDoc != nullptr ? pDoc->GetTitle() : CString();
    }

    // The program's windows wait while the job runs; only the "Printing"
    // window takes input.
    void EnterModalState() { m_status.Open(AfxGetMainWnd(), DocumentName()); }
    void LeaveModalState() { m_status.Close(); }

    static void PumpMessages()
    {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }

    CView *m_pView;
    CPrintInfo &m_info;
    CDC *m_pDC;
    Copies m_copies;
    CPrintStatusDlg m_status;
    bool m_bCancelled = false;
};

} // namespace

BOOL CView::DoPreparePrinting(CPrintInfo *pInfo)
{
    if (pInfo == nullptr)
        return FALSE;
    CPrintDialog &dialog = *pInfo->m_pPD;
    PRINTDLG &pd = dialog.m_pd;
    const bool bApplicationPrinter = pd.hDevNames == nullptr;
    if (!FillWithApplicationPrinter(pd)) {
        AfxMessageBox("No printer is available.", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The preview measures on the printer's information context, which it
    // makes itself.
    if (pInfo->m_bPreview)
        return TRUE;
    if (pInfo->m_bDirect)
        return IsPageRangeOrdered(pd) && CreateDirectPrinterDC(dialog);

    pd.Flags = (pd.Flags & ~(PD_RETURNDEFAULT | PD_NOPAGENUMS)) | PD_RETURNDC;
    // A document known to have no pages offers no range to choose.
    if (pd.nMaxPage < pd.nMinPage || pd.nMaxPage == 0)
        pd.Flags = (pd.Flags & ~PD_PAGENUMS) | PD_NOPAGENUMS;
    const HGLOBAL hNamesBefore = pd.hDevNames;
    const HGLOBAL hModeBefore = pd.hDevMode;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    // The choice stays the application's printer.
    if (bApplicationPrinter && (pd.hDevNames != hNamesBefore || pd.hDevMode != hModeBefore))
        AfxSelectPrinter(pd.hDevNames, pd.hDevMode, FALSE);
    if (!IsPageRangeOrdered(pd))
        return FALSE;
    if (pd.hDC == nullptr) {
        AfxMessageBox("The printer could not be started.", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    info.m_bDirect = CurrentCommand() == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&info))
        return;
    CDC *pDC = CDC::FromHandle(info.m_pPD->m_pd.hDC);
    if (pDC == nullptr) {
        AfxMessageBox("The printer could not be started.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    PrintJob(this, info, pDC, CopiesToPrint(info.m_pPD->m_pd)).Run();
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dialog(TRUE);
    PRINTDLG &pd = dialog.m_pd;
    if (!FillWithApplicationPrinter(pd)) {
        AfxMessageBox("No printer is available.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const HGLOBAL hNamesBefore = pd.hDevNames;
    const HGLOBAL hModeBefore = pd.hDevMode;
    if (dialog.DoModal() != IDOK)
        return;
    if (pd.hDevNames != hNamesBefore || pd.hDevMode != hModeBefore)
        AfxSelectPrinter(pd.hDevNames, pd.hDevMode, FALSE);
}
