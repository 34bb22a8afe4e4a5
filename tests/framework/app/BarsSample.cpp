#include "BarsSample.h"

#include "framework/controls/PrintDialogs.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/resources/Resources.h"

IMPLEMENT_DYNCREATE(CPagesView, CView)
BEGIN_MESSAGE_MAP(CPagesView, CView)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

void CPagesView::OnDraw(CDC *pDC)
{
    pDC->TextOut(10, 10, "Pages");
}

BOOL CPagesView::OnPreparePrinting(CPrintInfo *pInfo)
{
    m_calls.push_back("prepare");
    if (m_nRangeFrom != 0) {
        pInfo->m_pPD->m_pd.Flags |= PD_PAGENUMS;
        pInfo->m_pPD->m_pd.nFromPage = static_cast<WORD>(m_nRangeFrom);
        pInfo->m_pPD->m_pd.nToPage = static_cast<WORD>(m_nRangeTo);
    }
    return DoPreparePrinting(pInfo);
}

void CPagesView::OnBeginPrinting(CDC *, CPrintInfo *pInfo)
{
    m_calls.push_back("begin");
    pInfo->SetMaxPage(m_nPages);
}

void CPagesView::OnPrepareDC(CDC *pDC, CPrintInfo *pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo == nullptr)
        return;
    m_calls.push_back("dc " + std::to_string(pInfo->m_nCurPage));
    if (m_nPages == PLEXO_PRINT_PAGE_UNKNOWN)
        pInfo->m_bContinuePrinting = TRUE;
    if (pInfo->m_nCurPage == m_nStopAt)
        pInfo->m_bContinuePrinting = FALSE;
}

void CPagesView::OnPrint(CDC *pDC, CPrintInfo *pInfo)
{
    m_calls.push_back("print " + std::to_string(pInfo->m_nCurPage));
    m_printed.push_back(pInfo->m_nCurPage);
    m_drawRects.push_back(pInfo->m_rectDraw);
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    const int nLineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    for (int nLine = 0; nLine < m_nLines; ++nLine) {
        CString strLine;
        strLine.Format("Page %u, line %d: the quick brown fox jumps over the lazy dog", pInfo->m_nCurPage, nLine + 1);
        pDC->TextOut(pInfo->m_rectDraw.left + 100, pInfo->m_rectDraw.top + 100 + nLine * nLineHeight, strLine);
    }
    if (m_pfnOnPage != nullptr)
        m_pfnOnPage(pInfo->m_nCurPage);
}

void CPagesView::OnEndPrinting(CDC *, CPrintInfo *)
{
    m_calls.push_back("end");
}

namespace {

const UINT g_sampleIndicators[] = {ID_SEPARATOR, ID_INDICATOR_SAMPLE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

const RESOURCE_STRING g_sampleStrings[] = {
    {IDR_SAMPLE, "Sample\n\nSample\nSample Files (*.smp)\n.smp\nSample.Document\nSample Document"},
    {ID_INDICATOR_SAMPLE, "Page 999"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
};

} // namespace

IMPLEMENT_DYNCREATE(CSampleFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CSampleFrame, CFrameWnd)
ON_WM_CREATE()
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SAMPLE, OnUpdateSamplePane)
END_MESSAGE_MAP()

int CSampleFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(g_sampleIndicators, static_cast<int>(std::size(g_sampleIndicators))))
        return -1;
    return 0;
}

void CSampleFrame::OnUpdateSamplePane(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void RegisterSampleResources()
{
    static const bool bRegistered = []() {
        RegisterScribbleResources();
        PlexoRegisterStrings(g_sampleStrings, static_cast<int>(std::size(g_sampleStrings)));
        return true;
    }();
    (void)bRegistered;
}
