// The editor view's printing: the editor font scaled to the printer, black
// on white, half-inch margins, long lines wrapped at the right margin, a
// header with the document's title and a footer with the page number.
#include "editor/view/SECEditView.h"

#include "editor/controller/SECEditController.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/view/SECEditPrintState.h"

#include "framework/app/Document.h"
#include "framework/app/MessageBoxes.h"
#include "framework/appui/PrintInfo.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/Pen.h"
#include "framework/resources/Resources.h"
#include "framework/window/CmdTarget.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

enum : UINT { kStringUntitled = 22607, kStringPageNumber = 22608 };

const RESOURCE_STRING kPrintStrings[] = {
    {kStringUntitled, "Untitled"},
    {kStringPageNumber, "Page: %d"},
};

const bool kRegistered = [] {
    PlexoRegisterStrings(kPrintStrings, static_cast<int>(sizeof(kPrintStrings) / sizeof(kPrintStrings[0])));
    return true;
}();

CString LoadPrintString(UINT nID)
{
    CString text;
    if (!PlexoLookupString(nID, text))
        for (const RESOURCE_STRING &entry : kPrintStrings)
            if (entry.nID == nID)
                text = entry.lpszText;
    return text;
}

} // namespace

const char *const SECEditView::kPageTooSmall = "The page is too small to print on.";

// ---- The print loop's steps

BOOL SECEditView::OnPreparePrinting(CPrintInfo *pInfo)
{
    return DoPreparePrinting(pInfo);
}

void SECEditView::OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo)
{
    // No pages (a page too small, or nothing to print with): the loop
    // starts no job.
    pInfo->SetMaxPage(BeginPrint(pDC));
}

void SECEditView::OnPrint(CDC *pDC, CPrintInfo *pInfo)
{
    PrintPageNumber(pDC, pInfo, pInfo->m_nCurPage);
}

void SECEditView::OnEndPrinting(CDC *, CPrintInfo *)
{
    EndPrint();
}

// ---- Layout

void SECEditView::GetPrintMargins(CDC *pDC, CRect &rect)
{
    const int dx = pDC->GetDeviceCaps(LOGPIXELSX) / 2;
    const int dy = pDC->GetDeviceCaps(LOGPIXELSY) / 2;
    rect.InflateRect(-dx, -dy);
}

int SECEditView::GetHeaderHeight(CDC *)
{
    return m_pPrintState ? 2 * m_pPrintState->m_metrics.GetLineHeight() : 0;
}

int SECEditView::GetFooterHeight(CDC *)
{
    return m_pPrintState ? 2 * m_pPrintState->m_metrics.GetLineHeight() : 0;
}

UINT SECEditView::BeginPrint(CDC *pDC)
{
    (void)kRegistered;
    EndPrint();
    SECEditTextBuffer *pBuffer = GetTextBuffer();
    SECEditDisplayMetrics *pDisplay = pBuffer ? pBuffer->GetDisplayMetrics() : nullptr;
    CFont *pDisplayFont = pDisplay ? pDisplay->GetFont(0) : nullptr;
    if (!pDC || !pDisplayFont || !GetController())
        return 0; // nothing to print with
    CWaitCursor wait;
    LOGFONT lf{};
    pDisplayFont->GetLogFont(&lf);
    lf.lfHeight = pDisplay->GetPointSize() * pDC->GetDeviceCaps(LOGPIXELSY) / -72;
    auto *pState = new SECEditPrintState;
    auto *pFont = new CFont;
    if (!pFont->CreateFontIndirect(&lf)) {
        delete pFont;
        delete pState;
        return 0;
    }
    pState->m_metrics.m_fonts.Add(pFont);
    m_pPrintState = pState;
    CFont *pOldFont = pDC->SelectObject(pFont);
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    SECEditDisplayMetrics &metrics = pState->m_metrics;
    metrics.m_tm = tm;
    metrics.m_nLineHeight = tm.tmHeight + tm.tmExternalLeading;
    metrics.m_nCharWidth = tm.tmAveCharWidth;
    metrics.m_nSpaceWidth = metrics.m_nTabGlyphWidth = pDC->GetTextExtent(" ", 1).cx;
    metrics.m_nPointSize = pDisplay->GetPointSize();

    CRect page(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    GetPrintMargins(pDC, page);
    const int header = GetHeaderHeight(pDC);
    const int footer = GetFooterHeight(pDC);
    pState->m_rectHeader = CRect(page.left, page.top, page.right, page.top + header);
    pState->m_rectFooter = CRect(page.left, page.bottom - footer, page.right, page.bottom);
    pState->m_rectBody = CRect(page.left, page.top + header, page.right, page.bottom - footer);
    pState->m_nLinesPerPage = metrics.GetLineHeight() > 0 ? pState->m_rectBody.Height() / metrics.GetLineHeight() : 0;
    UINT nMaxPage = 0;
    if (IsPageTooSmall()) {
        // Pagination would never end: nothing is printed.
        pDC->SelectObject(pOldFont);
        EndPrint();
        AfxMessageBox(kPageTooSmall, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    const int lines = PrintPage(pDC);
    nMaxPage = static_cast<UINT>(lines / pState->m_nLinesPerPage + (lines % pState->m_nLinesPerPage ? 1 : 0));
    pDC->SelectObject(pOldFont);
    return nMaxPage;
}

BOOL SECEditView::IsPageTooSmall() const
{
    if (!m_pPrintState)
        return TRUE;
    const SECEditDisplayMetrics &metrics = m_pPrintState->m_metrics;
    return m_pPrintState->m_nLinesPerPage < 1 ||
           m_pPrintState->m_rectBody.Width() < std::max(1, metrics.GetCharWidth());
}

void SECEditView::EndPrint()
{
    delete m_pPrintState;
    m_pPrintState = nullptr;
}

// ---- Pagination

int SECEditView::PrintPage(CDC *pDC)
{
    if (!m_pPrintState)
        return 0;
    std::vector<SECEditPrintLine> &entries = m_pPrintState->m_lines;
    entries.clear();
    SECEditTextBuffer *pBuffer = GetTextBuffer();
    SECEditController *pController = GetController();
    const int count = pBuffer ? pBuffer->GetLineCount() : 0;
    if (count <= 0 || !pController)
        return 0;
    entries.reserve(static_cast<size_t>(count));
    const int width = m_pPrintState->m_rectBody.Width();
    for (int line = 0; line < count; ++line) {
        CString holder;
        char *pText = nullptr;
        const int length = std::max(0, pBuffer->GetLineText(line, holder, &pText));
        const char *text = pText ? pText : "";
        int column = 0;
        for (;;) {
            if (entries.size() == entries.capacity())
                entries.reserve(entries.size() + static_cast<size_t>(std::max(1, count / 4)));
            entries.push_back({line, column});
            const int rest = length - column;
            const int fit = pController->FitTextToWidth(pDC, &m_pPrintState->m_metrics, text + column, rest, width);
            if (fit <= 0 || fit >= rest)
                break;
            column += fit;
        }
    }
    return static_cast<int>(entries.size());
}

// ---- Pages

void SECEditView::PrintPageNumber(CDC *pDC, CPrintInfo *pInfo, UINT nPage)
{
    if (!m_pPrintState || !pDC)
        return;
    m_pPrintState->m_nCurrentPage = nPage;
    CFont *pOldFont = pDC->SelectObject(m_pPrintState->m_metrics.GetFont(0));
    const COLORREF oldText = pDC->SetTextColor(RGB(0, 0, 0));
    const COLORREF oldBack = pDC->SetBkColor(RGB(255, 255, 255));
    if (m_pPrintState->m_rectHeader.Height() > 0)
        PrintHeader(pDC, pInfo, m_pPrintState->m_rectHeader);
    PrintBody(pDC, pInfo, m_pPrintState->m_rectBody);
    if (m_pPrintState->m_rectFooter.Height() > 0)
        PrintFooter(pDC, pInfo, m_pPrintState->m_rectFooter);
    pDC->SetBkColor(oldBack);
    pDC->SetTextColor(oldText);
    pDC->SelectObject(pOldFont);
}

void SECEditView::PrintHeader(CDC *pDC, CPrintInfo *, const CRect &rect)
{
    const int lineHeight = m_pPrintState->m_metrics.GetLineHeight();
    CString title = LoadPrintString(kStringUntitled);
    if (CDocument *pDoc = GetDocument(); pDoc && !pDoc->GetTitle().IsEmpty())
        title = pDoc->GetTitle();
    if (rect.Height() >= lineHeight) {
        CRect line(rect.left, rect.top, rect.right, rect.top + lineHeight);
        pDC->DrawText(title, &line, DT_SINGLELINE | DT_PATH_ELLIPSIS);
    }
    const int y = rect.top + lineHeight + lineHeight / 2;
    if (rect.bottom >= y) {
        pDC->MoveTo(rect.left, y);
        pDC->LineTo(rect.right, y);
    }
}

void SECEditView::PrintBody(CDC *pDC, CPrintInfo *, const CRect &rect)
{
    const std::vector<SECEditPrintLine> &entries = m_pPrintState->m_lines;
    const int perPage = m_pPrintState->m_nLinesPerPage;
    SECEditTextBuffer *pBuffer = GetTextBuffer();
    if (perPage <= 0 || !pBuffer || entries.empty())
        return;
    const long long first = static_cast<long long>(m_pPrintState->m_nCurrentPage - 1) * perPage;
    const long long last = std::min<long long>(first + perPage - 1, static_cast<long long>(entries.size()) - 1);
    SECEditLangConfig *pConfig = pBuffer->GetLangConfig();
    INT tabStop = (pConfig ? pConfig->GetTabSize() : 4) * m_pPrintState->m_metrics.GetSpaceWidth();
    const int lineHeight = m_pPrintState->m_metrics.GetLineHeight();
    int y = rect.top;
    for (long long i = first; i <= last; ++i, y += lineHeight) {
        const SECEditPrintLine &entry = entries[static_cast<size_t>(i)];
        if (entry.IsBlank())
            continue;
        CString holder;
        char *pText = nullptr;
        const int length = std::max(0, pBuffer->GetLineText(entry.m_nLine, holder, &pText));
        int count = length - entry.m_nColumn;
        if (static_cast<size_t>(i + 1) < entries.size() && entries[static_cast<size_t>(i + 1)].m_nLine == entry.m_nLine)
            count = entries[static_cast<size_t>(i + 1)].m_nColumn - entry.m_nColumn;
        if (!pText || count <= 0)
            continue;
        pDC->TabbedTextOut(rect.left, y, pText + entry.m_nColumn, count, 1, &tabStop, rect.left);
    }
}

void SECEditView::PrintFooter(CDC *pDC, CPrintInfo *, const CRect &rect)
{
    const int lineHeight = m_pPrintState->m_metrics.GetLineHeight();
    const int y = rect.top + lineHeight / 2;
    if (rect.bottom >= y) {
        pDC->MoveTo(rect.left, y);
        pDC->LineTo(rect.right, y);
    }
    if (rect.bottom >= y + lineHeight + lineHeight / 2) {
        char text[64];
        std::snprintf(text, sizeof(text), LoadPrintString(kStringPageNumber),
                      static_cast<int>(m_pPrintState->m_nCurrentPage));
        pDC->TextOut(rect.left, y + lineHeight / 2, text, static_cast<int>(std::strlen(text)));
    }
}
