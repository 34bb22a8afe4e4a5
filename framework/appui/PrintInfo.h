// CPrintInfo: what the print loop and print preview tell a view about the
// job: the print dialog with its record (page range, printer blocks, the
// printing context), the page being printed, the drawing rectangle of the
// page, whether the job prints without a dialog or into the preview.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"

class CPrintDialog;

struct CPrintInfo {
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo &) = delete;
    CPrintInfo &operator=(const CPrintInfo &) = delete;

    // The page numbers the document has (the record's minimum and maximum;
    // 0xFFFF: not known yet) and the range the user chose (all pages when
    // no range was chosen).
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    UINT GetFromPage() const;
    UINT GetToPage() const;

    CPrintDialog *m_pPD;
    BOOL m_bDirect = FALSE;          // printed without asking (ID_FILE_PRINT_DIRECT)
    BOOL m_bPreview = FALSE;         // drawn into the print preview
    BOOL m_bContinuePrinting = TRUE; // cleared by the view to end the job
    UINT m_nCurPage = 1;             // the page being printed
    UINT m_nNumPreviewPages = 1;     // pages the preview shows at once (1 or 2)
    CString m_strPageDesc;           // "Page %u\nPages %u-%u\n": the preview's message text
    void *m_lpUserData = nullptr;    // the view's own
    CRect m_rectDraw;                // the page's usable area, in logical units
};

// The largest page number a page range can hold.
#define PLEXO_PRINT_PAGE_UNKNOWN 0xFFFFu
